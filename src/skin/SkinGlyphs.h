#pragma once
#include "framework/Bitmap.h"

namespace zentavo {

// The small filled triangles of scroll buttons, combo buttons, up-downs and sub-menus.
// Enabled: black. Disabled: a white copy one pixel right and down, then grey 0x808080.
// Outline and fill have the same colour, so each glyph is exactly the pixels of its edges
// and inside:
//   down:  rows y..y+3, row y+i from x+i to x+6-i (x, y: top-left of the 7 x 4 glyph);
//   up:    rows y..y+3, row y+i from x-i to x+i (x, y: the tip);
//   left:  columns x..x+3, column x+i from y-i to y+i (x, y: the tip);
//   right: columns x..x+3, column x+i from y+i to y+6-i (x, y: top of the back edge).
void DrawArrowDown(TBitmap& canvas, int x, int y, bool enabled);
void DrawArrowUp(TBitmap& canvas, int x, int y, bool enabled);
void DrawArrowLeft(TBitmap& canvas, int x, int y, bool enabled);
void DrawArrowRight(TBitmap& canvas, int x, int y, bool enabled);

}  // namespace zentavo
