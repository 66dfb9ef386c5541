#pragma once
#include <vector>

#include "framework/Bitmap.h"
#include "skin/SkinBlit.h"
#include "skin/SkinGeometry.h"

namespace zentavo {

// Faces drawn from pieces of one skin bitmap: the nine-part face of push buttons and the
// three-part bars. Each routine first plans its pieces (source rectangle, destination
// rectangle, mask), then draws them in order; the plans are what the look is made of, and
// they are what the tests check.
struct TSkinPiece {
  TRect source;
  TRect dest;                   // same size as source: copied unscaled; otherwise stretched
  TColor mask = kNoMask;        // pixels of this colour are not drawn
  bool maskShowsBlack = false;  // masked pixels show black instead of the canvas

  bool operator==(const TSkinPiece&) const = default;
};

// Draws the planned pieces of bitmap onto canvas (nearest-pixel stretching). Pieces with an
// empty source or destination draw nothing.
void DrawPieces(const TBitmap& bitmap, TBitmap& canvas, const std::vector<TSkinPiece>& pieces);

// The nine-part face: a face of sw x sh split at its middle, corners copied unscaled (masked
// only when maskCorners), edges and centre stretched and always masked. See the source for
// the exact rectangles; nothing when rect has no height. An edge whose rectangle holds no
// pixel of the face (even heights, tiny faces) takes the nearest row or column instead, so
// that every destination piece is covered.
std::vector<TSkinPiece> NinePartPieces(int sw, int sh, const TRect& rect, bool maskCorners, TColor maskColor);
void DrawNinePart(const TBitmap* face, TBitmap& canvas, const TRect& rect, bool maskCorners,
                  TColor maskColor);

// Three equal-width parts side by side (width div 3 each, full height, heights never
// scaled): left part, stretched middle, right part. A rectangle narrower than one part gets
// the left part cut to its width.
std::vector<TSkinPiece> HorzThreePartPieces(int bw, int bh, const TRect& rect, TColor maskColor, bool masked);
void DrawHorzThreePart(const TBitmap* bitmap, TBitmap& canvas, const TRect& rect, TColor maskColor,
                       bool masked);

// Top, middle and bottom part, edge rows each (edge 0: height div 3), stretched opaque to
// the rectangle's width. Nothing when rect.left < 0.
std::vector<TSkinPiece> VertThreePartPieces(int bw, int bh, const TRect& rect, int edge);
void DrawVertThreePart(const TBitmap* bitmap, TBitmap& canvas, const TRect& rect, int edge);

// Left, middle and right part of edge columns each, stretched opaque to the rectangle's
// height. Nothing when rect.left < 0.
std::vector<TSkinPiece> HorzEdgeThreePartPieces(int bw, int bh, const TRect& rect, int edge);
void DrawHorzEdgeThreePart(const TBitmap* bitmap, TBitmap& canvas, const TRect& rect, int edge);

}  // namespace zentavo
