#include "skin/SkinImages.h"

#include <utility>

#include "skin/SkinBlit.h"

namespace zentavo {

namespace {

// Replaces the pixels of bitmap with those of turned, keeping its other settings.
void TakePixels(TBitmap& bitmap, const TBitmap& turned) {
  bitmap.SetSize(turned.Width(), turned.Height());
  DrawBitmapRect(bitmap, 0, 0, turned, {0, 0, turned.Width(), turned.Height()});
  bitmap.SetPixelFormat24();
}

template <typename Map>
void Turn(TBitmap& bitmap, int newWidth, int newHeight, Map map) {
  TBitmap turned(newWidth, newHeight);
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) {
      const auto [tx, ty] = map(x, y);
      turned.SetPixel(tx, ty, bitmap.Pixel(x, y));
    }
  TakePixels(bitmap, turned);
}

}  // namespace

void CutStateImage(const TBitmap* source, TBitmap& target, int n, int k) {
  if (!source || n < 1 || k < 1 || k > n) return;
  const int frameWidth = source->Width() / n;
  const TBitmap frame = CopyBitmapRect(*source, {(k - 1) * frameWidth, 0, k * frameWidth, source->Height()});
  TakePixels(target, frame);
}

void RotateQuarterLeft(TBitmap& bitmap) {
  const int w = bitmap.Width();
  Turn(bitmap, bitmap.Height(), w, [w](int x, int y) { return std::pair(y, w - 1 - x); });
}

void RotateQuarterRight(TBitmap& bitmap) {
  const int h = bitmap.Height();
  Turn(bitmap, h, bitmap.Width(), [h](int x, int y) { return std::pair(h - 1 - y, x); });
}

void RotateHalf(TBitmap& bitmap) {
  const int w = bitmap.Width(), h = bitmap.Height();
  Turn(bitmap, w, h, [w, h](int x, int y) { return std::pair(w - 1 - x, h - 1 - y); });
}

void ReplaceColor(TBitmap& bitmap, TColor from, TColor to) {
  bitmap.SetPixelFormat24();
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (bitmap.Pixel(x, y) == from) bitmap.SetPixel(x, y, to);
}

}  // namespace zentavo
