#include <gtest/gtest.h>

#include "SkinPixelTestData.h"
#include "skin/SkinBlit.h"
#include "skin/SkinImages.h"

namespace zentavo {
namespace {

using test::Code;
using test::Coded;

TEST(CutStateImage, CutsEqualFramesAndNeverUsesTheLeftoverColumns) {
  const TBitmap strip = Coded(31, 4);
  TBitmap frame;
  CutStateImage(&strip, frame, 3, 3);
  ASSERT_EQ(frame.Width(), 10);
  ASSERT_EQ(frame.Height(), 4);
  EXPECT_EQ(frame.Pixel(0, 0), Code(20, 0));
  EXPECT_EQ(frame.Pixel(9, 3), Code(29, 3));  // column 30 is left out
  CutStateImage(&strip, frame, 3, 1);
  EXPECT_EQ(frame.Pixel(9, 2), Code(9, 2));
}

TEST(CutStateImage, LeavesTheTargetAloneWhenThereIsNothingToCut) {
  const TBitmap strip = Coded(6, 2);
  TBitmap target = Coded(3, 3);
  CutStateImage(nullptr, target, 3, 1);
  CutStateImage(&strip, target, 0, 1);  // no frames: no division by zero
  CutStateImage(&strip, target, 3, 4);  // no such frame
  CutStateImage(&strip, target, 3, 0);
  EXPECT_EQ(target.Width(), 3);
  EXPECT_EQ(target.Pixel(2, 2), Code(2, 2));
  // A strip narrower than its frame count has empty frames.
  const TBitmap narrow = Coded(2, 5);
  CutStateImage(&narrow, target, 3, 2);
  EXPECT_TRUE(target.Empty());
}

TEST(Rotate, QuarterTurnsSwapSidesAndUndoEachOther) {
  const TBitmap source = Coded(2, 3);
  TBitmap b = source;
  RotateQuarterLeft(b);
  ASSERT_EQ(b.Width(), 3);
  ASSERT_EQ(b.Height(), 2);
  // The left column is the source's top row read from right to left.
  EXPECT_EQ(b.Pixel(0, 0), Code(1, 0));
  EXPECT_EQ(b.Pixel(0, 1), Code(0, 0));
  // And the top row is the source's right column, top to bottom.
  EXPECT_EQ(b.Pixel(1, 0), Code(1, 1));
  EXPECT_EQ(b.Pixel(2, 0), Code(1, 2));
  RotateQuarterRight(b);
  ASSERT_EQ(b.Width(), 2);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 2; ++x) EXPECT_EQ(b.Pixel(x, y), Code(x, y));

  RotateQuarterRight(b);  // the top edge becomes the right edge
  EXPECT_EQ(b.Pixel(2, 0), Code(0, 0));
  EXPECT_EQ(b.Pixel(0, 1), Code(1, 2));
  RotateQuarterLeft(b);
  EXPECT_EQ(b.Pixel(1, 2), Code(1, 2));
}

TEST(Rotate, HalfTurnMirrorsBothWays) {
  TBitmap b = Coded(3, 2);
  RotateHalf(b);
  EXPECT_EQ(b.Width(), 3);
  EXPECT_EQ(b.Pixel(0, 0), Code(2, 1));
  EXPECT_EQ(b.Pixel(2, 1), Code(0, 0));
  EXPECT_EQ(b.Pixel(1, 0), Code(1, 1));
  TBitmap empty;
  RotateHalf(empty);
  RotateQuarterLeft(empty);
  EXPECT_TRUE(empty.Empty());
}

TEST(ReplaceColor, ChangesOnlyExactMatches) {
  TBitmap b = test::Filled(3, 1, RGBColor(255, 0, 255));
  b.SetPixel(1, 0, RGBColor(255, 0, 254));
  ReplaceColor(b, RGBColor(255, 0, 255), RGBColor(1, 2, 3));
  EXPECT_EQ(b.Pixel(0, 0), RGBColor(1, 2, 3));
  EXPECT_EQ(b.Pixel(1, 0), RGBColor(255, 0, 254));
  EXPECT_EQ(b.Pixel(2, 0), RGBColor(1, 2, 3));
  ReplaceColor(b, -1, clBlack);  // a missing colour matches no pixel
  EXPECT_EQ(b.Pixel(0, 0), RGBColor(1, 2, 3));
}

TEST(Blit, ClipsSourceAndCanvasAndSkipsTheMaskColour) {
  TBitmap canvas = test::Filled(4, 4, clWhite);
  TBitmap source = Coded(3, 3);
  source.SetPixel(1, 1, RGBColor(255, 0, 255));
  // Source rectangle reaching past the source, drawn half off the canvas.
  DrawBitmapRect(canvas, 2, -1, source, {-1, 0, 5, 3}, RGBColor(255, 0, 255));
  // Source column -1 does not exist, so source column 0 lands at x = 3.
  EXPECT_EQ(canvas.Pixel(3, 0), Code(0, 1));
  EXPECT_EQ(canvas.Pixel(3, 1), Code(0, 2));
  EXPECT_EQ(canvas.Pixel(2, 0), clWhite);
  DrawBitmapRect(canvas, 0, 0, source, {1, 1, 2, 2}, RGBColor(255, 0, 255));
  EXPECT_EQ(canvas.Pixel(0, 0), clWhite);  // masked
}

TEST(Blit, StretchReplicatesPixels) {
  TBitmap canvas(6, 2);
  StretchBitmapRect(canvas, {0, 0, 6, 2}, Coded(2, 1), {0, 0, 2, 1});
  for (int x = 0; x < 6; ++x) EXPECT_EQ(canvas.Pixel(x, 1), Code(x / 3, 0));
  // Shrinking picks every other pixel; inverted rectangles draw nothing.
  canvas.Fill(clWhite);
  StretchBitmapRect(canvas, {0, 0, 2, 1}, Coded(4, 1), {0, 0, 4, 1});
  EXPECT_EQ(canvas.Pixel(1, 0), Code(2, 0));
  StretchBitmapRect(canvas, {5, 0, 3, 2}, Coded(4, 1), {0, 0, 4, 1});
  EXPECT_EQ(canvas.Pixel(4, 0), clWhite);
}

TEST(Blit, SmoothStretchAveragesWhenShrinking) {
  TBitmap source(2, 1);
  source.SetPixel(0, 0, RGBColor(0, 100, 200));
  source.SetPixel(1, 0, RGBColor(100, 200, 0));
  TBitmap canvas(3, 1);
  StretchDrawSmooth(source, canvas, {0, 0, 1, 1});
  EXPECT_EQ(canvas.Pixel(0, 0), RGBColor(50, 150, 100));
  StretchDrawSmooth(source, canvas, {1, 0, 3, 1});  // same size: a copy
  EXPECT_EQ(canvas.Pixel(2, 0), RGBColor(100, 200, 0));
}

TEST(Blit, FrameFillAndSeparatorLine) {
  TBitmap canvas = test::Filled(6, 5, clWhite);
  FrameRectColor(canvas, {1, 1, 5, 5}, clBlack);
  EXPECT_EQ(canvas.Pixel(1, 1), clBlack);
  EXPECT_EQ(canvas.Pixel(4, 4), clBlack);
  EXPECT_EQ(canvas.Pixel(2, 2), clWhite);
  EXPECT_EQ(canvas.Pixel(5, 4), clWhite);

  TBitmap menu = test::Filled(30, 5, clWhite);
  DrawSeparatorLine(menu, {0, 0, 30, 5}, clBlack, true, 10);
  EXPECT_EQ(menu.Pixel(13, 2), clWhite);
  EXPECT_EQ(menu.Pixel(14, 2), clBlack);
  EXPECT_EQ(menu.Pixel(27, 2), clBlack);
  EXPECT_EQ(menu.Pixel(28, 2), clWhite);
  EXPECT_EQ(menu.Pixel(20, 1), clWhite);
  menu.Fill(clWhite);
  DrawSeparatorLine(menu, {0, 0, 30, 5}, clBlack, false, 10);
  EXPECT_EQ(menu.Pixel(1, 2), clWhite);
  EXPECT_EQ(menu.Pixel(2, 2), clBlack);
  EXPECT_EQ(menu.Pixel(15, 2), clBlack);
  EXPECT_EQ(menu.Pixel(16, 2), clWhite);
}

}  // namespace
}  // namespace zentavo
