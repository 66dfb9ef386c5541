// The portable parts of the splash: the shape its picture gives the window, and the fade.
#include <gtest/gtest.h>

#include "app/FadeCurve.h"
#include "app/SeeThroughShape.h"

namespace zentavo::test {
namespace {

constexpr TColor kGrey = RGBColor(128, 128, 128);

// The pixels a shape covers, each counted once however the runs overlap.
std::vector<std::vector<int>> Coverage(const std::vector<TRect>& shape, int width, int height) {
  std::vector<std::vector<int>> covered(height, std::vector<int>(width, 0));
  for (const TRect& r : shape) {
    EXPECT_FALSE(r.Empty());
    EXPECT_GE(r.left, 0);
    EXPECT_GE(r.top, 0);
    EXPECT_LE(r.right, width);
    EXPECT_LE(r.bottom, height);
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, height); ++y)
      for (int x = std::max(r.left, 0); x < std::min(r.right, width); ++x) ++covered[y][x];
  }
  return covered;
}

TEST(OpaqueShape, LeavesOutExactlyTheGreyPixels) {
  TBitmap picture(6, 4);
  picture.Fill(kGrey);
  picture.SetPixel(1, 1, RGBColor(128, 128, 129));  // one off the grey: opaque
  picture.SetPixel(2, 1, clBlack);
  picture.SetPixel(4, 1, clWhite);
  picture.SetPixel(5, 3, RGBColor(1, 2, 3));  // at the right edge
  const auto covered = Coverage(OpaqueShape(picture, 6, 4, kGrey), 6, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x)
      EXPECT_EQ(covered[y][x], picture.Pixel(x, y) == kGrey ? 0 : 1) << x << "," << y;
}

TEST(OpaqueShape, WindowBeyondThePictureIsWholeAndPictureBeyondTheWindowIsCut) {
  TBitmap small(3, 2);
  small.Fill(kGrey);
  small.SetPixel(0, 0, clBlack);
  auto covered = Coverage(OpaqueShape(small, 5, 4, kGrey), 5, 4);
  const int expected[4][5] = {{1, 0, 0, 1, 1}, {0, 0, 0, 1, 1}, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}};
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(covered[y][x], expected[y][x]) << x << "," << y;

  TBitmap large(8, 6);
  large.Fill(clWhite);
  covered = Coverage(OpaqueShape(large, 5, 4, kGrey), 5, 4);  // runs past the window are cut
  for (const auto& row : covered)
    for (int cell : row) EXPECT_EQ(cell, 1);

  covered = Coverage(OpaqueShape(TBitmap(), 5, 4, kGrey), 5, 4);  // no picture: the whole window
  for (const auto& row : covered)
    for (int cell : row) EXPECT_EQ(cell, 1);
  EXPECT_TRUE(OpaqueShape(large, 0, 4, kGrey).empty());
}

TEST(FadeAlpha, RunsFromSeeThroughToOpaqueOverTheDurationAndBack) {
  EXPECT_EQ(FadeAlpha(0, 1000, TFadeDirection::In), 0);
  EXPECT_EQ(FadeAlpha(500, 1000, TFadeDirection::In), 128);
  EXPECT_EQ(FadeAlpha(1000, 1000, TFadeDirection::In), 255);
  EXPECT_EQ(FadeAlpha(0, 1000, TFadeDirection::Out), 255);
  EXPECT_EQ(FadeAlpha(1000, 1000, TFadeDirection::Out), 0);
  // Late frames and a clock read early do not overshoot.
  EXPECT_EQ(FadeAlpha(1700, 1000, TFadeDirection::In), 255);
  EXPECT_EQ(FadeAlpha(-5, 1000, TFadeDirection::In), 0);
  EXPECT_EQ(FadeAlpha(1700, 1000, TFadeDirection::Out), 0);
  // A fade of no length is over at once.
  EXPECT_EQ(FadeAlpha(0, 0, TFadeDirection::In), 255);
  EXPECT_EQ(FadeAlpha(0, 0, TFadeDirection::Out), 0);
  int previous = -1;
  for (int t = 0; t <= 1000; t += 7) {
    const int alpha = FadeAlpha(t, 1000, TFadeDirection::In);
    EXPECT_GE(alpha, previous);
    EXPECT_EQ(alpha + FadeAlpha(t, 1000, TFadeDirection::Out), 255);
    previous = alpha;
  }
}

}  // namespace
}  // namespace zentavo::test
