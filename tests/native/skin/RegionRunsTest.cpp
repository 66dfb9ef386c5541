#include <gtest/gtest.h>

#include <string_view>

#include "SkinPixelTestData.h"
#include "skin/RegionRuns.h"

namespace zentavo {
namespace {

constexpr TColor kTrans = RGBColor(255, 0, 255);
constexpr TColor kSolid = RGBColor(10, 20, 30);

// An image from rows of text: 'x' transparent, anything else solid.
TBitmap Image(std::initializer_list<const char*> rows) {
  const int w = static_cast<int>(std::string_view(*rows.begin()).size());
  TBitmap b(w, static_cast<int>(rows.size()));
  int y = 0;
  for (std::string_view row : rows) {
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, row[x] == 'x' ? kTrans : kSolid);
    ++y;
  }
  return b;
}

TWindowRegionInput Title(const TBitmap& image, int width, int height, int minY = -1, int maxY = -1) {
  TWindowRegionInput in;
  in.titleImage = &image;
  in.width = width;
  in.height = height;
  in.transColor = kTrans;
  in.titleMinY = minY;
  in.titleMaxY = maxY;
  in.useTitle = true;
  return in;
}

TEST(WindowRegion, RunsEndAtTheRowsLastPixel) {
  // First and fourth pixels transparent: runs of columns 1 to 2 and of column 4 alone.
  const TBitmap title = Image({"x..x."});
  EXPECT_EQ(BuildWindowRegion(Title(title, 5, 1)), (std::vector<TRect>{{1, 0, 3, 1}, {4, 0, 5, 1}}));
  const TBitmap solid = Image({"....."});
  EXPECT_EQ(BuildWindowRegion(Title(solid, 5, 1)), (std::vector<TRect>{{0, 0, 5, 1}}));
}

TEST(WindowRegion, MinusOneLimitsScanEveryTitleRowThenAddTheMiddle) {
  const TBitmap title = Image({"x..x", ".xx.", "...."});
  EXPECT_EQ(BuildWindowRegion(Title(title, 6, 10)), (std::vector<TRect>{
                                                        {1, 0, 3, 1},
                                                        {0, 1, 1, 2},
                                                        {3, 1, 4, 2},
                                                        {0, 2, 4, 3},
                                                        {0, 3, 6, 10},  // the middle band, full width
                                                    }));
}

TEST(WindowRegion, RowsOutsideTheBandAreTakenWhole) {
  const TBitmap title = Image({"x..x", "x..x", "x..x", "x..x"});
  EXPECT_EQ(BuildWindowRegion(Title(title, 8, 4, 1, 2)), (std::vector<TRect>{
                                                             {0, 0, 8, 1},
                                                             {1, 1, 3, 2},
                                                             {1, 2, 3, 3},
                                                             {0, 3, 8, 4},
                                                         }));
  // A band reaching past the image stops at its last row.
  EXPECT_EQ(BuildWindowRegion(Title(title, 8, 4, 3, 40)), (std::vector<TRect>{{0, 0, 8, 3}, {1, 3, 3, 4}}));
  // A minimum not below the maximum scans to the image's end.
  EXPECT_EQ(BuildWindowRegion(Title(title, 8, 4, 2, 2)).size(), 3u);
}

TEST(WindowRegion, BottomImageIsShiftedToTheWindowBottom) {
  const TBitmap title = Image({"x.."});
  const TBitmap bottom = Image({"...", ".x."});
  TWindowRegionInput in = Title(title, 3, 10);
  in.bottomImage = &bottom;
  in.useBottom = true;
  EXPECT_EQ(BuildWindowRegion(in), (std::vector<TRect>{
                                       {1, 0, 3, 1},
                                       {0, 1, 3, 8},
                                       {0, 8, 3, 9},
                                       {0, 9, 1, 10},
                                       {2, 9, 3, 10},
                                   }));
  // Neither image used: the whole window.
  in.useTitle = in.useBottom = false;
  EXPECT_EQ(BuildWindowRegion(in), (std::vector<TRect>{{0, 0, 3, 10}}));
  // A missing image counts as empty.
  in.useTitle = true;
  in.titleImage = nullptr;
  EXPECT_EQ(BuildWindowRegion(in), (std::vector<TRect>{{0, 0, 3, 10}}));
}

}  // namespace
}  // namespace zentavo
