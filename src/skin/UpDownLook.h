#pragma once
#include "framework/Bitmap.h"
#include "skin/SkinGeometry.h"

namespace zentavo {

// The up-down control drawn whole from the skin's tool bar colours: two halves, each a
// framed rectangle with an arrow. The row or column between them stays in the form colour.
struct TUpDownHalves {
  TRect first;   // up, or left
  TRect second;  // down, or right
};
// Vertical: (0, 0, W, H div 2) and (0, H div 2 + 1, W, H); horizontal likewise across.
TUpDownHalves UpDownHalves(int width, int height, bool vertical);

// The half a press at (x, y) falls on, edges included: -1 the first, 1 the second, 0 none.
int UpDownPressedPart(const TUpDownHalves& halves, int x, int y);

struct TUpDownColors {
  TColor form = 0;    // halves at rest, and the gap between them
  TColor down = 0;    // the pressed half
  TColor border = 0;  // both halves' frame
};
TBitmap ComposeUpDown(int width, int height, bool vertical, int pressedPart, bool enabled,
                      const TUpDownColors& colors);

// The status bar's size grip over the area (W - 20, 3, W - 1, H) of a W x H bar, as a
// picture of that area: the bar's colour with four diagonal lines in the line colour
// rising from the bar's last row across the square (W - 16, H - 15, W - 1, H - 1).
// Origin of the picture: StatusGripOrigin.
TPoint StatusGripOrigin(int width, int height);
TBitmap ComposeStatusGrip(int width, int height, TColor color, TColor lineColor);

}  // namespace zentavo
