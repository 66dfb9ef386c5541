#include "skin/MenuCheckImages.h"

namespace zentavo {

namespace {

// The tick's centre line: down from (3, 7) to (6, 10), then up to (12, 4); each point is
// drawn two pixels high so the stroke reads at menu size.
void DrawTick(TBitmap& bitmap, int dx, int dy, TColor colour) {
  auto plot = [&](int x, int y) {
    for (int row = y; row <= y + 1; ++row)
      if (x + dx >= 0 && x + dx < bitmap.Width() && row + dy >= 0 && row + dy < bitmap.Height())
        bitmap.SetPixel(x + dx, row + dy, colour);
  };
  for (int i = 0; i <= 3; ++i) plot(3 + i, 7 + i);
  for (int i = 1; i <= 6; ++i) plot(6 + i, 10 - i);
}

}  // namespace

TBitmap DefaultMenuCheckMark() {
  TBitmap mark(16, 16);
  mark.Fill(clWhite);
  DrawTick(mark, 1, 1, kCheckMarkShadow);
  DrawTick(mark, 0, 0, kCheckMarkGreen);
  return mark;
}

TMenuCheckImages::TMenuCheckImages() { Add(DefaultMenuCheckMark(), clWhite); }

void TMenuCheckImages::Delete(int index) {
  if (index >= 0 && index < Count()) images_.erase(images_.begin() + index);
}

int TMenuCheckImages::Add(const TBitmap& bitmap, TColor mask) {
  images_.push_back({bitmap, mask});
  return Count() - 1;
}

TMenuCheckImages& MenuCheckImages() {
  static TMenuCheckImages images;
  return images;
}

}  // namespace zentavo
