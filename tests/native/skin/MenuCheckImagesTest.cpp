#include <gtest/gtest.h>

#include "skin/MenuCheckImages.h"

namespace zentavo {
namespace {

int CountColour(const TBitmap& bitmap, TColor colour) {
  int count = 0;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) count += bitmap.Pixel(x, y) == colour;
  return count;
}

TEST(MenuCheckImages, TheBuiltInMarkIsAGreenTickWithAGreyShadowOnWhite) {
  TMenuCheckImages images;
  ASSERT_EQ(images.Count(), 1);
  const TBitmap& mark = images.Image(0);
  EXPECT_EQ(mark.Width(), 16);
  EXPECT_EQ(mark.Height(), 16);
  EXPECT_EQ(images.MaskColor(0), clWhite);
  // Corners are transparent; the tick and its shadow are there.
  EXPECT_EQ(mark.Pixel(0, 0), clWhite);
  EXPECT_EQ(mark.Pixel(15, 15), clWhite);
  EXPECT_GT(CountColour(mark, kCheckMarkGreen), 10);
  EXPECT_GT(CountColour(mark, kCheckMarkShadow), 0);
  // The shadow lies below and right of the tick: the tick's lowest point has grey under it.
  EXPECT_EQ(mark.Pixel(6, 10), kCheckMarkGreen);
  EXPECT_EQ(mark.Pixel(7, 12), kCheckMarkShadow);
  // Only the three colours are used.
  EXPECT_EQ(CountColour(mark, clWhite) + CountColour(mark, kCheckMarkGreen) + CountColour(mark, kCheckMarkShadow),
            256);
}

TEST(MenuCheckImages, ReplacingImageZero) {
  TMenuCheckImages images;
  TBitmap skinMark(12, 10);
  images.Delete(0);
  EXPECT_EQ(images.Count(), 0);
  images.Delete(0);  // nothing left to delete: no harm
  EXPECT_EQ(images.Add(skinMark, RGBColor(255, 0, 255)), 0);
  EXPECT_EQ(images.Image(0).Width(), 12);
  EXPECT_EQ(images.MaskColor(0), RGBColor(255, 0, 255));
}

}  // namespace
}  // namespace zentavo
