// Drawing through the canvas, portable bitmaps on device contexts, image lists and
// regions, checked pixel by pixel in an off-screen picture.
#include <gtest/gtest.h>
#include <windows.h>

#include "core/Error.h"
#include "framework/win/Canvas.h"
#include "framework/win/Handles.h"
#include "framework/win/ImageList.h"
#include "framework/win/OffscreenBuffer.h"

using namespace zentavo;

namespace {

constexpr TColor kRed = RGBColor(255, 0, 0);
constexpr TColor kGreen = RGBColor(0, 255, 0);
constexpr TColor kBlue = RGBColor(0, 0, 255);
constexpr TColor kMagenta = RGBColor(255, 0, 255);

// A 24-bit picture in memory to draw on and read back.
class Picture {
 public:
  Picture(int width, int height) : picture_(Blank(width, height)), dc_(picture_) {}
  HDC Dc() const { return dc_.Dc(); }
  TColor At(int x, int y) const { return static_cast<TColor>(GetPixel(dc_.Dc(), x, y)); }

 private:
  static TBitmap Blank(int width, int height) {
    TBitmap white(width, height);
    white.Fill(clWhite);
    return white;
  }
  TBitmap picture_;
  TBitmapDc dc_;
};

// Columns of red, green and blue, one pixel wide, two rows high.
TBitmap Stripes() {
  TBitmap stripes(3, 2);
  for (int y = 0; y < 2; ++y) {
    stripes.SetPixel(0, y, kRed);
    stripes.SetPixel(1, y, kGreen);
    stripes.SetPixel(2, y, kBlue);
  }
  return stripes;
}

}  // namespace

TEST(Canvas, DrawsPortableBitmapsAtTheirSizeStretchedAndWithATransparentColour) {
  Picture picture(12, 6);
  {
    TCanvas canvas(picture.Dc());
    canvas.Draw(1, 1, Stripes());
    canvas.StretchDraw(RECT{4, 0, 10, 4}, Stripes());  // each column twice as wide and high
    TBitmap keyed = Stripes();
    canvas.DrawTransparent(0, 4, keyed, kGreen);
  }
  EXPECT_EQ(picture.At(0, 0), clWhite);
  EXPECT_EQ(picture.At(1, 1), kRed);
  EXPECT_EQ(picture.At(3, 2), kBlue);
  EXPECT_EQ(picture.At(4, 0), kRed);
  EXPECT_EQ(picture.At(5, 3), kRed);
  EXPECT_EQ(picture.At(6, 0), kGreen);
  EXPECT_EQ(picture.At(9, 3), kBlue);
  EXPECT_EQ(picture.At(10, 0), clWhite);
  EXPECT_EQ(picture.At(0, 4), kRed);
  EXPECT_EQ(picture.At(1, 4), clWhite);  // the transparent colour left the picture as it was
  EXPECT_EQ(picture.At(2, 5), kBlue);
}

TEST(Canvas, FillsFramesAndDrawsPolygonsAndLinesInItsColours) {
  Picture picture(10, 10);
  {
    TCanvas canvas(picture.Dc());
    canvas.SetBrushColor(kBlue);
    canvas.FrameRect(RECT{0, 0, 5, 5});
    canvas.SetBrushColor(kRed);
    canvas.FillRect(RECT{6, 0, 8, 2});
    canvas.SetPen(kGreen);
    canvas.MoveTo(0, 9);
    canvas.LineTo(9, 9);
  }
  EXPECT_EQ(picture.At(0, 0), kBlue);
  EXPECT_EQ(picture.At(4, 4), kBlue);
  EXPECT_EQ(picture.At(2, 2), clWhite);  // a frame, not a fill
  EXPECT_EQ(picture.At(7, 1), kRed);
  EXPECT_EQ(picture.At(8, 1), clWhite);  // right and bottom are exclusive
  EXPECT_EQ(picture.At(4, 9), kGreen);
  EXPECT_EQ(picture.At(9, 9), clWhite);  // a line leaves its end point out
}

TEST(Canvas, GivesBackTheContextAsItFoundItAndFreesWhatItMade) {
  Picture picture(4, 4);
  const HGDIOBJ brushBefore = GetCurrentObject(picture.Dc(), OBJ_BRUSH);
  const HGDIOBJ fontBefore = GetCurrentObject(picture.Dc(), OBJ_FONT);
  const long gdiBefore = LiveHandleCount(HandleKind::Gdi);
  const long failedBefore = FailedFreeCount();
  {
    TCanvas canvas(picture.Dc());
    for (TColor color : {kRed, kGreen, kBlue}) canvas.SetBrushColor(color);
    canvas.SetPen(kRed, 2);
    canvas.SetFont(TFont());
    canvas.FillRect(RECT{0, 0, 2, 2});
    EXPECT_GT(canvas.TextWidth("Wide text"), canvas.TextWidth("W"));
  }
  EXPECT_EQ(GetCurrentObject(picture.Dc(), OBJ_BRUSH), brushBefore);
  EXPECT_EQ(GetCurrentObject(picture.Dc(), OBJ_FONT), fontBefore);
  EXPECT_EQ(LiveHandleCount(HandleKind::Gdi), gdiBefore);
  EXPECT_EQ(FailedFreeCount(), failedBefore);
}

TEST(OffscreenBuffer, KeepsItsPictureUntilTheSizeChanges) {
  Picture window(8, 8);
  OffscreenBuffer buffer;
  HDC first = buffer.Prepare(window.Dc(), 8, 8);
  {
    TCanvas canvas(first);
    canvas.SetBrushColor(kRed);
    canvas.FillRect(RECT{0, 0, 8, 8});
  }
  EXPECT_EQ(buffer.Prepare(window.Dc(), 8, 8), first);
  buffer.CopyTo(window.Dc());
  EXPECT_EQ(window.At(7, 7), kRed);
  buffer.Prepare(window.Dc(), 4, 2);
  EXPECT_EQ(buffer.Width(), 4);
  EXPECT_EQ(buffer.Height(), 2);
}

TEST(ImageList, AddsAStripWithAMaskColourAndDrawsOnlyTheOpaquePixels) {
  TImageList images(nullptr, 2, 2);
  TBitmap strip(4, 2);
  strip.Fill(kMagenta);
  strip.SetPixel(0, 0, kRed);
  strip.SetPixel(3, 1, kBlue);
  EXPECT_EQ(images.AddMasked(strip, kMagenta), 0);
  EXPECT_EQ(images.Count(), 2);
  Picture picture(4, 2);
  images.Draw(picture.Dc(), 0, 0, 0);
  images.Draw(picture.Dc(), 2, 0, 1);
  EXPECT_EQ(picture.At(0, 0), kRed);
  EXPECT_EQ(picture.At(1, 0), clWhite);
  EXPECT_EQ(picture.At(3, 1), kBlue);
  EXPECT_EQ(picture.At(2, 0), clWhite);
  EXPECT_THROW(images.AddMasked(TBitmap(3, 2), kMagenta), Error);
  images.Delete(0);  // the blue one moves to the front
  EXPECT_EQ(images.Count(), 1);
  Picture after(2, 2);
  images.Draw(after.Dc(), 0, 0, 0);
  EXPECT_EQ(after.At(1, 1), kBlue);
  EXPECT_EQ(after.At(0, 0), clWhite);
}

TEST(Region, IsTheUnionOfItsRects) {
  RegionHandle region = RegionFromRects({RECT{0, 0, 10, 1}, RECT{2, 1, 8, 2}, RECT{0, 2, 10, 5}});
  EXPECT_TRUE(PtInRegion(region.get(), 0, 0));
  EXPECT_FALSE(PtInRegion(region.get(), 1, 1));
  EXPECT_TRUE(PtInRegion(region.get(), 2, 1));
  EXPECT_FALSE(PtInRegion(region.get(), 8, 1));
  EXPECT_TRUE(PtInRegion(region.get(), 9, 4));
  EXPECT_FALSE(PtInRegion(region.get(), 9, 5));
  RegionHandle empty = RegionFromRects({});
  EXPECT_FALSE(PtInRegion(empty.get(), 0, 0));
}
