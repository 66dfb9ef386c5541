// Comparing two looks of a window: ink in areas, forbidden colours, holes in the outline.
#include <gtest/gtest.h>

#include "framework/PictureContent.h"

namespace zentavo {
namespace {

// A picture of one colour with a "text" of `ink` pixels in a row at (x, y).
TBitmap WithInk(int width, int height, TColor background, int x, int y, int ink) {
  TBitmap picture(width, height);
  picture.Fill(background);
  for (int i = 0; i < ink; ++i) picture.SetPixel(x + i, y, 0x000000);
  return picture;
}

std::vector<bool> Rectangle(int width, int height) {
  return std::vector<bool>(width * height, true);
}

TEST(PictureContent, InkIsWhatDiffersFromTheAreasMostCommonColourWhateverThatColourIs) {
  const TBitmap light = WithInk(20, 10, 0xF0F0F0, 2, 3, 7);
  EXPECT_EQ(InkPixels(light, {0, 0, 20, 10}), 7);
  EXPECT_EQ(InkPixels(light, {0, 0, 5, 10}), 3);
  EXPECT_EQ(InkPixels(light, {0, 5, 20, 10}), 0);
  // A skin's gradient of two bands still counts the smaller band.
  TBitmap bands(4, 4);
  bands.Fill(0x102030);
  for (int x = 0; x < 4; ++x) bands.SetPixel(x, 0, 0x405060);
  EXPECT_EQ(InkPixels(bands, {0, 0, 4, 4}), 4);
  // Outside the picture counts nothing.
  EXPECT_EQ(InkPixels(light, {-5, -5, 0, 0}), 0);
  EXPECT_EQ(InkPixels(light, {15, 0, 40, 10}), 0);
}

TEST(PictureContent, AnAreaWhoseTextIsGoneUnderTheSkinIsReportedByName) {
  const TBitmap plain = WithInk(40, 20, 0xF0F0F0, 4, 4, 12);
  const std::vector<TContentArea> plainAreas = {{"TLabel labelTotal", {0, 0, 40, 10}},
                                                {"TLabel empty", {0, 10, 40, 20}}};
  // Drawn (in other colours, moved down by a menu bar): nothing missing.
  TBitmap shown = WithInk(40, 30, 0xD8E9EC, 4, 14, 12);
  const std::vector<TContentArea> movedAreas = {{"TLabel labelTotal", {0, 10, 40, 20}},
                                                {"TLabel empty", {0, 20, 40, 30}}};
  EXPECT_TRUE(MissingContent(plain, plainAreas, shown, movedAreas).empty());
  // The skinned window covers the text: reported.
  const TBitmap covered = WithInk(40, 30, 0xD8E9EC, 0, 0, 0);
  const auto missing = MissingContent(plain, plainAreas, covered, movedAreas);
  ASSERT_EQ(missing.size(), 1u);
  EXPECT_EQ(missing[0], "TLabel labelTotal: 0 pixels drawn, 12 without the skin");
  // A quarter is enough (a smaller font, a bolder one); less is not.
  EXPECT_TRUE(MissingContent(plain, plainAreas, WithInk(40, 30, 0xD8E9EC, 4, 14, 3), movedAreas).empty());
  EXPECT_EQ(MissingContent(plain, plainAreas, WithInk(40, 30, 0xD8E9EC, 4, 14, 2), movedAreas).size(), 1u);
  // An area the skinned window does not have at all.
  const auto gone = MissingContent(plain, plainAreas, shown, {{"TLabel empty", {0, 20, 40, 30}}});
  ASSERT_EQ(gone.size(), 1u);
  EXPECT_EQ(gone[0], "TLabel labelTotal: not in the skinned window");
}

TEST(PictureContent, ColoursAreCountedOnlyInsideTheShape) {
  TBitmap picture(3, 2);
  picture.Fill(0xFF00FF);
  EXPECT_EQ(ColourPixels(picture, 0xFF00FF), 6);
  std::vector<bool> shape = Rectangle(3, 2);
  shape[0] = shape[5] = false;  // two corners cut away show what is behind the window
  EXPECT_EQ(ColourPixels(picture, 0xFF00FF, shape), 4);
  EXPECT_EQ(ColourPixels(picture, 0x00FF00, shape), 0);
}

TEST(PictureContent, RoundedCornersAreNoHolesButANotchBesideThemIs) {
  const int w = 20, h = 10;
  std::vector<bool> shape = Rectangle(w, h);
  auto cut = [&](int x, int y) { shape[y * w + x] = false; };
  // Rounded corners: steps cut from every corner.
  for (int x = 0; x < 3; ++x) cut(x, 0), cut(w - 1 - x, 0), cut(x, h - 1), cut(w - 1 - x, h - 1);
  cut(0, 1), cut(w - 1, 1), cut(0, h - 2), cut(w - 1, h - 2);
  EXPECT_EQ(ShapeHoles(shape, w, h), 0);
  // A second cut in the top edge, a little in from the corner.
  cut(6, 0), cut(7, 0), cut(6, 1);
  EXPECT_EQ(ShapeHoles(shape, w, h), 3);
  // A hole in the middle.
  cut(10, 5);
  EXPECT_EQ(ShapeHoles(shape, w, h), 4);
  EXPECT_EQ(ShapeHoles({}, 0, 0), 0);
}

}  // namespace
}  // namespace zentavo
