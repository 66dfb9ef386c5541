#include <gtest/gtest.h>

#include "skin/MdiArrangement.h"

namespace zentavo {
namespace {

TEST(MdiArrangement, ThreeChildrenTiledInRowsShareTheHeight) {
  const auto b = TileBounds(800, TileAvailableHeight(600, 0, false), true, {false, false, false});
  // The last child comes first, at the top.
  EXPECT_EQ(b[2], (TRect{0, 0, 796, 198}));
  EXPECT_EQ(b[1], (TRect{0, 198, 796, 396}));
  EXPECT_EQ(b[0], (TRect{0, 396, 796, 594}));
}

TEST(MdiArrangement, ColumnsSkipMinimizedChildrenAndLeaveTheirRow) {
  const int available = TileAvailableHeight(600, 40, true);
  EXPECT_EQ(available, 535);
  const auto b = TileBounds(900, available, false, {false, true, false});
  EXPECT_FALSE(b[1].has_value());
  EXPECT_EQ(b[2], (TRect{0, 0, 448, 531}));
  EXPECT_EQ(b[0], (TRect{448, 0, 896, 531}));
}

TEST(MdiArrangement, ALoneChildKeepsClearOfTheFarEdge) {
  EXPECT_EQ(TileBounds(800, 600, true, {false})[0], (TRect{0, 0, 796, 596}));
  EXPECT_EQ(TileBounds(800, 600, false, {false})[0], (TRect{0, 0, 796, 596}));
  EXPECT_TRUE(TileBounds(800, 600, true, {true, true})[0] == std::nullopt);
}

TEST(MdiArrangement, CascadeStepsFromTheLastChild) {
  const auto b = CascadeBounds(801, 599, {false, true, false, false});
  // 80 % of 801 and 60 % of 599, rounded to the nearest pixel.
  EXPECT_EQ(b[3], (TRect{0, 0, 641, 359}));
  EXPECT_EQ(b[2], (TRect{22, 22, 663, 381}));
  EXPECT_FALSE(b[1].has_value());
  EXPECT_EQ(b[0], (TRect{44, 44, 685, 403}));
}

}  // namespace
}  // namespace zentavo
