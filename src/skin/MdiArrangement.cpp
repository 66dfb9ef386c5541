#include "skin/MdiArrangement.h"

#include <cmath>

namespace zentavo {

namespace {

constexpr int kCascadeStep = 22;
constexpr int kMinimizedRow = 25;

}  // namespace

std::vector<std::optional<TRect>> CascadeBounds(int clientWidth, int clientHeight,
                                                const std::vector<bool>& minimized) {
  const int w = static_cast<int>(std::lround(clientWidth * 0.8));
  const int h = static_cast<int>(std::lround(clientHeight * 0.6));
  std::vector<std::optional<TRect>> out(minimized.size());
  int x = 0, y = 0;
  for (std::size_t i = minimized.size(); i-- > 0;) {
    if (minimized[i]) continue;
    out[i] = Bounds(x, y, w, h);
    x += kCascadeStep;
    y += kCascadeStep;
  }
  return out;
}

int TileAvailableHeight(int clientHeight, int alignedBarsHeight, bool someMinimized) {
  return clientHeight - alignedBarsHeight - (someMinimized ? kMinimizedRow : 0);
}

std::vector<std::optional<TRect>> TileBounds(int clientWidth, int availableHeight, bool rows,
                                             const std::vector<bool>& minimized) {
  std::vector<std::optional<TRect>> out(minimized.size());
  int shown = 0;
  for (bool m : minimized) shown += m ? 0 : 1;
  if (shown == 0) return out;
  // A lone document window keeps two pixels clear of the far edge.
  const int lone = minimized.size() == 1 ? 2 : 0;
  int at = 0;
  for (std::size_t i = minimized.size(); i-- > 0;) {
    if (minimized[i]) continue;
    if (rows) {
      const int h = availableHeight / shown - lone;
      out[i] = Bounds(0, at, clientWidth - 4, h - 2);
      at += h - 2;
    } else {
      const int w = clientWidth / shown - lone;
      out[i] = Bounds(at, 0, w - 2, availableHeight - 4);
      at += w - 2;
    }
  }
  return out;
}

}  // namespace zentavo
