#include "skin/SkinPieces.h"

#include <algorithm>

namespace zentavo {

void DrawPieces(const TBitmap& bitmap, TBitmap& canvas, const std::vector<TSkinPiece>& pieces) {
  const TRect whole{0, 0, bitmap.Width(), bitmap.Height()};
  for (const TSkinPiece& p : pieces) {
    if (p.dest.Empty() || Intersect(p.source, whole).Empty()) continue;
    if (p.maskShowsBlack) FillRectColor(canvas, p.dest, clBlack);
    StretchBitmapRect(canvas, p.dest, bitmap, p.source, p.mask);
  }
}

namespace {

// Which part of an edge's source survives when it is cut down to the piece's size.
enum class Keep { kAll, kLeft, kRight, kTop, kBottom };

// The rule's rectangles leave some edges without a source row or column: a face of even
// height shares its middle row with neither half, so the left edge and the centre get rows
// hh to hh, and a face a pixel or two wide or high puts some sources outside the bitmap.
// Such a piece would leave its destination showing whatever lay under the face (a band
// through every button), so it takes the one row or column of the face where its source
// starts, moved inside the bitmap. A source that has pixels of the face is kept as it is.
TRect NearestSource(TRect src, int sw, int sh) {
  if (sw <= 0 || sh <= 0) return src;
  const TRect inside = Intersect(src, {0, 0, sw, sh});
  if (!inside.Empty()) return src;
  if (inside.Width() <= 0) {
    src.left = std::clamp(src.left, 0, sw - 1);
    src.right = src.left + 1;
  } else {
    src.left = inside.left, src.right = inside.right;
  }
  if (inside.Height() <= 0) {
    src.top = std::clamp(src.top, 0, sh - 1);
    src.bottom = src.top + 1;
  } else {
    src.top = inside.top, src.bottom = inside.bottom;
  }
  return src;
}

}  // namespace

// The rectangles are worked out with the rectangle's top-left corner at (0, 0) and moved
// into place at the end. The far corners start one pixel past the middle (sw-hw+1,
// W-dw+1, ...), so the right and bottom corners are one pixel narrower and shorter than the
// left and top ones; the centre stops one row short of the bottom corners and the bottom
// edge starts one column and one row early. Push buttons look exactly like this, so the odd
// pixels are kept.
std::vector<TSkinPiece> NinePartPieces(int sw, int sh, const TRect& rect, bool maskCorners,
                                       TColor maskColor) {
  std::vector<TSkinPiece> out;
  if (rect.top >= rect.bottom) return out;
  const int W = rect.Width(), H = rect.Height();
  const int hw = sw / 2, hh = sh / 2, dw = W / 2, dh = H / 2;
  auto place = [&](TRect r) {
    return TRect{r.left + rect.left, r.top + rect.top, r.right + rect.left, r.bottom + rect.top};
  };
  // A corner is as large as the smaller of its source and destination, cut from the source
  // at the face's outer edges, and lies against the rectangle's outer edges. Returns where.
  auto corner = [&](TRect src, TRect dst, bool right, bool bottom) {
    const int pw = std::max(0, std::min(src.Width(), dst.Width()));
    const int ph = std::max(0, std::min(src.Height(), dst.Height()));
    const int sx = right ? src.right - pw : src.left, sy = bottom ? src.bottom - ph : src.top;
    const TRect at = Bounds(right ? W - pw : 0, bottom ? H - ph : 0, pw, ph);
    if (pw > 0 && ph > 0)
      out.push_back({Bounds(sx, sy, pw, ph), place(at), maskCorners ? maskColor : kNoMask});
    return at;
  };
  // An edge fills its destination; its source is first cut to the destination's size in
  // one direction, then stretched. Always masked.
  auto edge = [&](TRect src, TRect dst, Keep keep) {
    if (dst.Empty()) return;
    switch (keep) {
      case Keep::kLeft:
        src.right = std::min(src.right, src.left + dst.Width());
        break;
      case Keep::kRight:
        src.left = std::max(src.left, src.right - dst.Width());
        break;
      case Keep::kTop:
        src.bottom = std::min(src.bottom, src.top + dst.Height());
        break;
      case Keep::kBottom:
        src.top = std::max(src.top, src.bottom - dst.Height());
        break;
      case Keep::kAll:
        break;
    }
    src = NearestSource(src, sw, sh);
    if (!src.Empty()) out.push_back({src, place(dst), maskColor});
  };

  const TRect tl = corner({0, 0, hw, hh}, {0, 0, dw, dh}, false, false);
  const TRect blDest{0, H - dh + 1, dw, H};
  if (blDest.Height() <= 0) return out;
  const TRect bl = corner({0, sh - hh + 1, hw, sh}, blDest, false, true);
  edge({0, hh, hw, sh - hh}, {0, tl.bottom, tl.right, bl.top}, Keep::kLeft);
  const TRect trDest{W - dw + 1, 0, W, dh};
  if (trDest.Height() <= 0) return out;
  const TRect tr = corner({sw - hw + 1, 0, sw, hh}, trDest, true, false);
  const TRect brDest{W - dw + 1, H - dh + 1, W, H};
  if (brDest.Height() <= 0) return out;
  const TRect br = corner({sw - hw + 1, sh - hh + 1, sw, sh}, brDest, true, true);
  edge({sw - hw + 1, sh - hh, sw, hh + 2}, {tr.left, tr.bottom, tr.right, br.top}, Keep::kRight);
  edge({hw, 0, sw - hw + 1, hh}, {tl.right, 0, tr.left, tl.bottom}, Keep::kTop);
  edge({hw, hh, sw - hw + 1, sh - hh}, {tl.right, tl.bottom, tr.left, br.top - 1}, Keep::kAll);
  edge({hw, sh - hh, sw - hw + 1, sh}, {tl.right - 1, bl.top - 1, br.left, br.bottom}, Keep::kBottom);
  return out;
}

void DrawNinePart(const TBitmap* face, TBitmap& canvas, const TRect& rect, bool maskCorners,
                  TColor maskColor) {
  if (!face) return;
  DrawPieces(*face, canvas, NinePartPieces(face->Width(), face->Height(), rect, maskCorners, maskColor));
}

std::vector<TSkinPiece> HorzThreePartPieces(int bw, int bh, const TRect& rect, TColor maskColor,
                                            bool masked) {
  const int pw = bw / 3;
  const TColor mask = masked ? maskColor : kNoMask;
  if (rect.Width() < pw) {
    const int w = std::max(0, rect.Width());
    return {{{0, 0, w, bh}, Bounds(rect.left, rect.top, w, bh), mask}};
  }
  // The middle is stretched through a fresh (black) bitmap, so its masked pixels come out
  // black rather than showing the canvas.
  return {{{0, 0, pw, bh}, Bounds(rect.left, rect.top, pw, bh), mask},
          {{2 * pw, 0, 3 * pw, bh}, Bounds(rect.right - pw, rect.top, pw, bh), mask},
          {{pw, 0, 2 * pw, bh}, {rect.left + pw, rect.top, rect.right - pw, rect.top + bh}, mask, masked}};
}

void DrawHorzThreePart(const TBitmap* bitmap, TBitmap& canvas, const TRect& rect, TColor maskColor,
                       bool masked) {
  if (!bitmap) return;
  DrawPieces(*bitmap, canvas,
             HorzThreePartPieces(bitmap->Width(), bitmap->Height(), rect, maskColor, masked));
}

// A rectangle shorter than two edges inverts the middle's destination; that piece is then
// left out.
std::vector<TSkinPiece> VertThreePartPieces(int bw, int bh, const TRect& rect, int edge) {
  if (rect.left < 0) return {};
  if (edge <= 0) edge = bh / 3;
  const int rh = rect.Height();
  return {{{0, 0, bw, std::min(rh, edge)}, {rect.left, rect.top, rect.right, rect.top + std::min(edge, rh)}},
          {{0, bh - edge, bw, bh}, {rect.left, rect.bottom - edge, rect.right, rect.bottom}},
          {{0, edge, bw, bh - edge}, {rect.left, rect.top + edge, rect.right, rect.bottom - edge}}};
}

void DrawVertThreePart(const TBitmap* bitmap, TBitmap& canvas, const TRect& rect, int edge) {
  if (!bitmap) return;
  DrawPieces(*bitmap, canvas, VertThreePartPieces(bitmap->Width(), bitmap->Height(), rect, edge));
}

std::vector<TSkinPiece> HorzEdgeThreePartPieces(int bw, int bh, const TRect& rect, int edge) {
  if (rect.left < 0) return {};
  if (edge < 0) edge = 0;
  const int rw = rect.Width();
  return {
      {{0, 0, std::min(rw, edge), bh}, {rect.left, rect.top, rect.left + std::min(edge, rw), rect.bottom}},
      {{bw - edge, 0, bw, bh}, {rect.right - edge, rect.top, rect.right, rect.bottom}},
      {{edge, 0, bw - edge, bh}, {rect.left + edge, rect.top, rect.right - edge, rect.bottom}}};
}

void DrawHorzEdgeThreePart(const TBitmap* bitmap, TBitmap& canvas, const TRect& rect, int edge) {
  if (!bitmap) return;
  DrawPieces(*bitmap, canvas, HorzEdgeThreePartPieces(bitmap->Width(), bitmap->Height(), rect, edge));
}

}  // namespace zentavo
