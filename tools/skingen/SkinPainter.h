#pragma once
#include "framework/Bitmap.h"

namespace zentavo {

// Simple drawing on a TBitmap, enough to paint skin parts: fills, gradients, outlines,
// lines, discs and rounded corners cut out with the transparent colour.
class SkinPainter {
 public:
  explicit SkinPainter(TBitmap& bitmap) : bitmap_(bitmap) {}

  void Pixel(int x, int y, TColor color);
  // Rectangles run from (x0, y0) to (x1, y1) exclusive.
  void Fill(int x0, int y0, int x1, int y1, TColor color);
  void VerticalGradient(int x0, int y0, int x1, int y1, TColor top, TColor bottom);
  void Frame(int x0, int y0, int x1, int y1, TColor color);
  void Line(int x0, int y0, int x1, int y1, TColor color, int width = 1);
  // A filled disc with a one-pixel rim.
  void Disc(double cx, double cy, double radius, TColor fill, TColor rim);
  // Replaces the pixels outside rounded corners of the rectangle with `color`.
  void CutCorners(int x0, int y0, int x1, int y1, int radius, bool top, bool bottom, TColor color);
  // A lighter band over the upper half, for a glossy look.
  void Gloss(int x0, int y0, int x1, int y1);

 private:
  TBitmap& bitmap_;
};

// `a` mixed with `b`: t = 0 gives a, t = 1 gives b.
TColor MixColor(TColor a, TColor b, double t);

}  // namespace zentavo
