#include "skin/ProgressBarLook.h"

#include <algorithm>
#include <cstdint>

#include "skin/SkinPieces.h"

namespace zentavo {

namespace {
constexpr int kImageEdge = 2;
}  // namespace

// Wide arithmetic: a range of a few million times a bar of a few hundred pixels overflows
// 32 bits. A position outside the range (the window may hold one the object does not
// know of) fills nothing or everything rather than drawing over a cap.
int ProgressFillLength(int position, int min, int max, int length) {
  if (max <= min || length <= 0) return 0;
  const std::int64_t filled =
      (static_cast<std::int64_t>(position) - min) * length / (static_cast<std::int64_t>(max) - min);
  return static_cast<int>(std::clamp<std::int64_t>(filled, 0, length));
}

TProgressBarParts ProgressBarParts(int width, int height, bool vertical, int leftCapWidth, int rightCapWidth,
                                   const TProgressBarValues& values) {
  TProgressBarParts parts;
  if (!vertical) {
    const TRect bar{leftCapWidth, 0, width - rightCapWidth, height};
    const int fill = ProgressFillLength(values.position, values.min, values.max, bar.Width());
    parts.nearCap = {0, 0, bar.left, height};
    parts.filled = {bar.left, 0, bar.left + fill, height};
    parts.empty = {parts.filled.right, 0, bar.right, height};
    parts.farCap = {bar.right, 0, width, height};
    return parts;
  }
  const TRect bar{0, rightCapWidth, width, height - leftCapWidth};
  const int fill = ProgressFillLength(values.position, values.min, values.max, bar.Height());
  parts.nearCap = {0, bar.bottom, width, bar.bottom + leftCapWidth};
  parts.filled = {0, bar.bottom - fill, width, bar.bottom};
  parts.empty = {0, bar.top, width, parts.filled.top};
  parts.farCap = {0, 0, width, bar.top};
  return parts;
}

TBitmap ComposeProgressBar(const TsuiSkinProgressBarRes& res, int width, int height, bool vertical,
                           const TProgressBarValues& values, TColor formColor) {
  TBitmap canvas(std::max(width, 0), std::max(height, 0));
  canvas.Fill(formColor);
  const TProgressBarParts parts =
      ProgressBarParts(width, height, vertical, res.LeftCapWidth, res.RightCapWidth, values);
  const auto& images = vertical ? res.VertImages : res.HorzImages;
  const TRect order[] = {parts.nearCap, parts.filled, parts.empty, parts.farCap};
  for (int i = 0; i < 4; ++i) {
    if (images[i].Empty()) continue;
    if (vertical)
      DrawHorzEdgeThreePart(&images[i], canvas, order[i], kImageEdge);
    else
      DrawVertThreePart(&images[i], canvas, order[i], kImageEdge);
  }
  return canvas;
}

}  // namespace zentavo
