#include "skin/UpDownLook.h"

#include <algorithm>

#include "skin/SkinBlit.h"
#include "skin/SkinGlyphs.h"

namespace zentavo {

TUpDownHalves UpDownHalves(int width, int height, bool vertical) {
  if (vertical) return {{0, 0, width, height / 2}, {0, height / 2 + 1, width, height}};
  return {{0, 0, width / 2, height}, {width / 2 + 1, 0, width, height}};
}

int UpDownPressedPart(const TUpDownHalves& halves, int x, int y) {
  if (PointInRect(x, y, halves.first)) return -1;
  if (PointInRect(x, y, halves.second)) return 1;
  return 0;
}

TBitmap ComposeUpDown(int width, int height, bool vertical, int pressedPart, bool enabled,
                      const TUpDownColors& colors) {
  TBitmap canvas(std::max(width, 0), std::max(height, 0));
  canvas.Fill(colors.form);
  const TUpDownHalves halves = UpDownHalves(width, height, vertical);
  for (int part : {-1, 1}) {
    const TRect& r = part < 0 ? halves.first : halves.second;
    const bool pressed = part == pressedPart;
    FillRectColor(canvas, r, pressed ? colors.down : colors.form);
    FrameRectColor(canvas, r, colors.border);
    const int shift = pressed ? 1 : 0;
    const int w = r.Width(), h = r.Height();
    if (vertical && part < 0) DrawArrowUp(canvas, r.left + (w - 6) / 2 + 3 + shift, r.top + (h - 6) / 2 + 1 + shift, enabled);
    if (vertical && part > 0) DrawArrowDown(canvas, r.left + (w - 6) / 2 + shift, r.top + (h - 6) / 2 + 1 + shift, enabled);
    if (!vertical && part < 0) DrawArrowLeft(canvas, r.left + (w - 3) / 2 + shift, r.top + h / 2 + shift, enabled);
    if (!vertical && part > 0) DrawArrowRight(canvas, r.left + (w - 3) / 2 + shift, r.top + (h - 6) / 2 + shift, enabled);
  }
  return canvas;
}

TPoint StatusGripOrigin(int width, int /*height*/) { return TPoint{width - 20, 3}; }

TBitmap ComposeStatusGrip(int width, int height, TColor color, TColor lineColor) {
  const TPoint origin = StatusGripOrigin(width, height);
  // Down to the bar's last row, where the lines start.
  TBitmap canvas(std::max(width - 1 - origin.x, 0), std::max(height - origin.y, 0));
  canvas.Fill(color);
  // Square (W - 16, H - 15, W - 1, H - 1) in the picture's coordinates.
  const int left = width - 16 - origin.x, top = height - 15 - origin.y;
  const int right = width - 1 - origin.x, bottom = height - 1 - origin.y;
  // A line from (x0, bottom) up to (right, y1), its end point left out.
  auto diagonal = [&](int x0, int y1) {
    for (int x = x0, y = bottom; x < right && y > y1; ++x, --y)
      if (x >= 0 && y >= 0 && x < canvas.Width() && y < canvas.Height()) canvas.SetPixel(x, y, lineColor);
  };
  diagonal(left + 1, top);
  for (int i = 0; i < 3; ++i) diagonal(left + 5 + 4 * i, top + 4 + 4 * i);
  return canvas;
}

}  // namespace zentavo
