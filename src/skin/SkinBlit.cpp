#include "skin/SkinBlit.h"

#include <cstdint>

namespace zentavo {

namespace {

TRect WholeOf(const TBitmap& b) {
  return {0, 0, b.Width(), b.Height()};
}

void CopyPixel(TBitmap& canvas, int x, int y, const TBitmap& source, int sx, int sy, TColor mask) {
  const std::uint8_t* s = source.ScanLine(sy) + 3 * static_cast<std::size_t>(sx);
  if (mask != kNoMask && RGBColor(s[2], s[1], s[0]) == mask) return;
  std::uint8_t* d = canvas.ScanLine(y) + 3 * static_cast<std::size_t>(x);
  d[0] = s[0], d[1] = s[1], d[2] = s[2];
}

}  // namespace

void DrawBitmapRect(TBitmap& canvas, int x, int y, const TBitmap& source, TRect from, TColor mask) {
  // Clip the source, then move the destination with it, then clip the destination.
  const TRect clipped = Intersect(from, WholeOf(source));
  if (clipped.Empty()) return;
  x += clipped.left - from.left;
  y += clipped.top - from.top;
  const TRect to = Intersect(Bounds(x, y, clipped.Width(), clipped.Height()), WholeOf(canvas));
  for (int dy = to.top; dy < to.bottom; ++dy)
    for (int dx = to.left; dx < to.right; ++dx)
      CopyPixel(canvas, dx, dy, source, clipped.left + dx - x, clipped.top + dy - y, mask);
}

void StretchBitmapRect(TBitmap& canvas, const TRect& to, const TBitmap& source, TRect from, TColor mask) {
  from = Intersect(from, WholeOf(source));
  if (from.Empty() || to.Empty()) return;
  const TRect visible = Intersect(to, WholeOf(canvas));
  const std::int64_t sw = from.Width(), sh = from.Height(), dw = to.Width(), dh = to.Height();
  for (int y = visible.top; y < visible.bottom; ++y) {
    const int sy = from.top + static_cast<int>((y - to.top) * sh / dh);
    for (int x = visible.left; x < visible.right; ++x)
      CopyPixel(canvas, x, y, source, from.left + static_cast<int>((x - to.left) * sw / dw), sy, mask);
  }
}

void StretchDrawSmooth(const TBitmap& source, TBitmap& canvas, const TRect& rect) {
  if (source.Empty() || rect.Empty()) return;
  const TRect visible = Intersect(rect, WholeOf(canvas));
  const std::int64_t sw = source.Width(), sh = source.Height(), dw = rect.Width(), dh = rect.Height();
  // The source span of destination index i of n over s source pixels: [i*s/n, (i+1)*s/n),
  // widened to one pixel when enlarging.
  auto span = [](std::int64_t i, std::int64_t n, std::int64_t s, int& first, int& last) {
    first = static_cast<int>(i * s / n);
    last = static_cast<int>(((i + 1) * s + n - 1) / n);
    if (last <= first) last = first + 1;
  };
  for (int y = visible.top; y < visible.bottom; ++y) {
    int y0, y1;
    span(y - rect.top, dh, sh, y0, y1);
    for (int x = visible.left; x < visible.right; ++x) {
      int x0, x1;
      span(x - rect.left, dw, sw, x0, x1);
      std::int64_t sum[3] = {0, 0, 0};
      for (int sy = y0; sy < y1; ++sy) {
        const std::uint8_t* s = source.ScanLine(sy) + 3 * static_cast<std::size_t>(x0);
        for (int sx = x0; sx < x1; ++sx, s += 3)
          for (int c = 0; c < 3; ++c) sum[c] += s[c];
      }
      const std::int64_t count = static_cast<std::int64_t>(y1 - y0) * (x1 - x0);
      std::uint8_t* d = canvas.ScanLine(y) + 3 * static_cast<std::size_t>(x);
      for (int c = 0; c < 3; ++c) d[c] = static_cast<std::uint8_t>((sum[c] + count / 2) / count);
    }
  }
}

TBitmap CopyBitmapRect(const TBitmap& source, TRect from) {
  from = Intersect(from, WholeOf(source));
  if (from.Empty()) return TBitmap();
  TBitmap out(from.Width(), from.Height());
  DrawBitmapRect(out, 0, 0, source, from);
  return out;
}

void FillRectColor(TBitmap& canvas, const TRect& rect, TColor color) {
  const TRect r = Intersect(rect, WholeOf(canvas));
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) canvas.SetPixel(x, y, color);
}

void FrameRectColor(TBitmap& canvas, const TRect& rect, TColor color) {
  if (rect.Empty()) return;
  FillRectColor(canvas, {rect.left, rect.top, rect.right, rect.top + 1}, color);
  FillRectColor(canvas, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, color);
  FillRectColor(canvas, {rect.left, rect.top, rect.left + 1, rect.bottom}, color);
  FillRectColor(canvas, {rect.right - 1, rect.top, rect.right, rect.bottom}, color);
}

void DrawSeparatorLine(TBitmap& canvas, const TRect& rect, TColor color, bool leftToRight, int checkWidth) {
  const int y = rect.top + 2;
  const int from = leftToRight ? rect.left + checkWidth + 4 : rect.left + 2;
  const int to = leftToRight ? rect.right - 2 : rect.right - checkWidth - 4;
  FillRectColor(canvas, {from, y, to, y + 1}, color);
}

}  // namespace zentavo
