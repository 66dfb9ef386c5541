#pragma once
#include "framework/Bitmap.h"
#include "skin/SkinGeometry.h"

namespace zentavo {

// The pixel operations the skin routines compose with. The destination bitmap is the
// canvas: everything is clipped to it, and source rectangles are clipped to the source, so
// no skin value can make a routine read or write outside a bitmap.
//
// A mask colour names pixels that are not drawn; kNoMask draws every pixel. Colours are
// plain RGB values (system colours are resolved by the caller).
constexpr TColor kNoMask = -1;

// Copies source rectangle `from` unscaled with its top-left corner at (x, y).
void DrawBitmapRect(TBitmap& canvas, int x, int y, const TBitmap& source, TRect from, TColor mask = kNoMask);

// Stretches source rectangle `from` into `to` by pixel replication (nearest source pixel).
// The source is clipped to the bitmap first, so a rectangle reaching past it stretches only
// what exists. Nothing is drawn when either rectangle is empty or inverted.
void StretchBitmapRect(TBitmap& canvas, const TRect& to, const TBitmap& source, TRect from,
                       TColor mask = kNoMask);

// The whole source stretched into rect, each destination pixel the average of the source
// pixels its area covers (at least one), so that shrinking keeps thin lines visible.
void StretchDrawSmooth(const TBitmap& source, TBitmap& canvas, const TRect& rect);

// A new bitmap holding rectangle `from` of source (clipped to it).
TBitmap CopyBitmapRect(const TBitmap& source, TRect from);

void FillRectColor(TBitmap& canvas, const TRect& rect, TColor color);
// A one-pixel outline just inside rect.
void FrameRectColor(TBitmap& canvas, const TRect& rect, TColor color);

// One horizontal line at y = rect.top + 2 between the menu item's check column and its far
// edge: from rect.left + checkWidth + 4 to rect.right - 2 when leftToRight, otherwise from
// rect.left + 2 to rect.right - checkWidth - 4 (the end column is not drawn).
void DrawSeparatorLine(TBitmap& canvas, const TRect& rect, TColor color, bool leftToRight, int checkWidth);

}  // namespace zentavo
