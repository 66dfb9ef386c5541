#include <gtest/gtest.h>

#include "SideBySide.h"

namespace zentavo {
namespace {

TBitmap Filled(int width, int height, TColor colour) {
  TBitmap picture(width, height);
  picture.Fill(colour);
  return picture;
}

// Odd widths make rows whose padding differs between the pieces and the composed row.
TEST(SideBySideTest, PlacesPicturesInARowTopAlignedOnTheBackground) {
  const TColor red = RGBColor(200, 0, 0), blue = RGBColor(0, 0, 200);
  const TBitmap tall = Filled(5, 7, red), short_ = Filled(3, 2, blue);
  const TBitmap row = SideBySide({&tall, &short_}, 4, clWhite);

  ASSERT_EQ(row.Width(), 4 + 5 + 4 + 3 + 4);
  ASSERT_EQ(row.Height(), 4 + 7 + 4);
  EXPECT_EQ(row.Pixel(4, 4), red);
  EXPECT_EQ(row.Pixel(8, 10), red);
  EXPECT_EQ(row.Pixel(13, 4), blue);
  EXPECT_EQ(row.Pixel(15, 5), blue);
  // Margins, the gap, and the space below the shorter picture stay background.
  EXPECT_EQ(row.Pixel(3, 4), clWhite);
  EXPECT_EQ(row.Pixel(4, 3), clWhite);
  EXPECT_EQ(row.Pixel(9, 4), clWhite);
  EXPECT_EQ(row.Pixel(12, 4), clWhite);
  EXPECT_EQ(row.Pixel(13, 6), clWhite);
  EXPECT_EQ(row.Pixel(16, 4), clWhite);
  EXPECT_EQ(row.Pixel(4, 11), clWhite);
}

TEST(SideBySideTest, KeepsEachPixelOfAPictureInPlace) {
  TBitmap picture(3, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) picture.SetPixel(x, y, RGBColor(10 * x, 20 * y, 30 + x + y));
  const TBitmap row = SideBySide({&picture, &picture}, 1, clBlack);
  for (int copy = 0; copy < 2; ++copy)
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x) EXPECT_EQ(row.Pixel(1 + copy * 4 + x, 1 + y), picture.Pixel(x, y));
}

TEST(SideBySideTest, NoPicturesGiveTheMarginsOnly) {
  const TBitmap row = SideBySide({}, 6, clWhite);
  EXPECT_EQ(row.Width(), 6);
  EXPECT_EQ(row.Height(), 12);
}

}  // namespace
}  // namespace zentavo
