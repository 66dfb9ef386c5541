#include "skin/win/SkinRegion.h"

#include "framework/win/Canvas.h"
#include "framework/win/Win32Error.h"

namespace zentavo {

// One region over all rectangles at once: combining a region per run would cost a GDI
// object and a merge for each of a title bar's many runs. A region the system refuses is
// an empty one: the window keeps no shape rather than failing to paint.
RegionHandle CreateRegionFromRects(const std::vector<TRect>& rects) {
  std::vector<RECT> list;
  list.reserve(rects.size());
  for (const TRect& r : rects)
    if (!r.Empty()) list.push_back(RECT{r.left, r.top, r.right, r.bottom});
  try {
    return RegionFromRects(list);
  } catch (const Win32Error&) {
    return RegionHandle(CreateRectRgn(0, 0, 0, 0));
  }
}

void ApplyWindowRegion(HWND window, const std::vector<TRect>& rects) {
  RegionHandle region = CreateRegionFromRects(rects);
  // Once the window has taken the region the system frees it with the window.
  if (SetWindowRgn(window, region.get(), TRUE)) region.release();
}

}  // namespace zentavo
