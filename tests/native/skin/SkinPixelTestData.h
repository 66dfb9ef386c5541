#pragma once
// Bitmaps for the drawing tests: each pixel of a coded bitmap names its own position, so a
// copied pixel tells where it came from.
#include "framework/Bitmap.h"

namespace zentavo::test {

constexpr TColor Code(int x, int y) {
  return RGBColor(x, y, 0x40);
}

inline TBitmap Coded(int width, int height) {
  TBitmap b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) b.SetPixel(x, y, Code(x, y));
  return b;
}

inline TBitmap Filled(int width, int height, TColor color) {
  TBitmap b(width, height);
  b.Fill(color);
  return b;
}

}  // namespace zentavo::test
