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
  // Which corners of a rectangle CutCorners rounds, combined with |.
  enum Corner { kTopLeft = 1, kTopRight = 2, kBottomLeft = 4, kBottomRight = 8 };
  static constexpr int kTopCorners = kTopLeft | kTopRight;
  static constexpr int kBottomCorners = kBottomLeft | kBottomRight;
  static constexpr int kAllCorners = kTopCorners | kBottomCorners;
  // Replaces the pixels outside the rounded `corners` of the rectangle with `color`. A piece
  // that is only one end of a shape names the outer corners alone: a cut inner corner
  // would be a hole in the middle of the shape.
  void CutCorners(int x0, int y0, int x1, int y1, int radius, int corners, TColor color);
  // A lighter band over the upper half, for a glossy look.
  void Gloss(int x0, int y0, int x1, int y1);

 private:
  TBitmap& bitmap_;
};

// `a` mixed with `b`: t = 0 gives a, t = 1 gives b.
TColor MixColor(TColor a, TColor b, double t);

}  // namespace zentavo
