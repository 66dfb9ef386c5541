#include "skin/HeaderLook.h"

#include <algorithm>

#include "skin/SkinBlit.h"

namespace zentavo {

THeaderPlacement PlaceHeaderCaption(const TRect& column, THeaderAlignment alignment, int captionWidth,
                                    int imageWidth) {
  const int w = column.Width() - 6;
  const int step = imageWidth > 0 ? imageWidth + 2 : 0;
  int x = column.left + 4;
  switch (alignment) {
    case THeaderAlignment::Left:
      break;
    case THeaderAlignment::Right: {
      const int v = w - captionWidth - imageWidth;
      if (v >= 6) x = column.left + v - 2;
      break;
    }
    case THeaderAlignment::Centre: {
      const int v = (w - captionWidth - imageWidth - 2) / 2;
      if (v > 3) x = column.left + v;
      break;
    }
  }
  return {x, x + step};
}

TBitmap ComposeHeader(int width, int height, const std::vector<TRect>& columns, TColor formColor,
                      TColor borderColor) {
  TBitmap canvas(std::max(width, 0), std::max(height, 0));
  canvas.Fill(formColor);
  int previousRight = -1;
  for (const TRect& r : columns) {
    FillRectColor(canvas, {r.right - 1, r.top, r.right, r.bottom}, borderColor);
    if (r.right == previousRight) FillRectColor(canvas, {r.right - 2, r.top, r.right - 1, r.bottom}, borderColor);
    previousRight = r.right;
  }
  const int lineEnd = columns.empty() ? 0 : columns.back().right;
  FillRectColor(canvas, {0, height - 1, lineEnd, height}, borderColor);
  return canvas;
}

}  // namespace zentavo
