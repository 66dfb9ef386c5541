#include "skin/win/SkinRegion.h"

#include <algorithm>
#include <cstring>

namespace zentavo {

// One ExtCreateRegion call over all rectangles: combining a region per run would cost a GDI
// object and a merge for each of a title bar's many runs.
RegionHandle CreateRegionFromRects(const std::vector<TRect>& rects) {
  std::vector<RECT> list;
  list.reserve(rects.size());
  RECT bounds{0, 0, 0, 0};
  for (const TRect& r : rects) {
    if (r.Empty()) continue;
    RECT w{r.left, r.top, r.right, r.bottom};
    if (list.empty()) {
      bounds = w;
    } else {
      bounds.left = std::min(bounds.left, w.left);
      bounds.top = std::min(bounds.top, w.top);
      bounds.right = std::max(bounds.right, w.right);
      bounds.bottom = std::max(bounds.bottom, w.bottom);
    }
    list.push_back(w);
  }
  std::vector<BYTE> data(sizeof(RGNDATAHEADER) + list.size() * sizeof(RECT));
  RGNDATAHEADER header{};
  header.dwSize = sizeof(RGNDATAHEADER);
  header.iType = RDH_RECTANGLES;
  header.nCount = static_cast<DWORD>(list.size());
  header.nRgnSize = static_cast<DWORD>(list.size() * sizeof(RECT));
  header.rcBound = bounds;
  std::memcpy(data.data(), &header, sizeof(header));
  if (!list.empty()) std::memcpy(data.data() + sizeof(header), list.data(), list.size() * sizeof(RECT));
  RegionHandle region(
      ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<const RGNDATA*>(data.data())));
  if (!region) region.reset(CreateRectRgn(0, 0, 0, 0));
  return region;
}

void ApplyWindowRegion(HWND window, const std::vector<TRect>& rects) {
  RegionHandle region = CreateRegionFromRects(rects);
  // Once the window has taken the region the system frees it with the window.
  if (SetWindowRgn(window, region.get(), TRUE)) region.release();
}

void BuildWindowRegion(HWND window, const TWindowRegionInput& input) {
  ApplyWindowRegion(window, zentavo::BuildWindowRegion(input));
}

}  // namespace zentavo
