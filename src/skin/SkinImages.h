#pragma once
#include "framework/Bitmap.h"

namespace zentavo {

// Preparing skin bitmaps: cutting a state image out of a strip, turning, recolouring.
// Per-pixel work; the resource sets do it once per skin load, never while painting.

// Target becomes a copy of frame k (1-based) of the n equal-width frames side by side in
// source, each source.Width() div n wide and the full height; columns past n frames are
// never used. Nothing happens when source is absent, n < 1 or k is outside 1..n. A strip
// narrower than n pixels gives an empty target. The target keeps its transparency settings.
void CutStateImage(const TBitmap* source, TBitmap& target, int n, int k);

// Quarter turns swap width and height. Left: pixel (x, y) goes to (y, w-1-x), the top edge
// becomes the left edge. Right: (x, y) goes to (h-1-y, x). Half: to (w-1-x, h-1-y).
void RotateQuarterLeft(TBitmap& bitmap);
void RotateQuarterRight(TBitmap& bitmap);
void RotateHalf(TBitmap& bitmap);

// Every pixel equal to `from` becomes `to`; the bitmap is marked as 24 bits per pixel.
void ReplaceColor(TBitmap& bitmap, TColor from, TColor to);

}  // namespace zentavo
