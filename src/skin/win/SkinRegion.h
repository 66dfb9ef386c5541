#pragma once
#include <windows.h>

#include <vector>

#include "framework/win/Handles.h"
#include "skin/RegionRuns.h"

namespace zentavo {

// A region made of the union of rectangles (empty when there are none).
RegionHandle CreateRegionFromRects(const std::vector<TRect>& rects);

// Gives the window the union of the rectangles as its shape, redrawing it. The window owns
// the region from then on.
void ApplyWindowRegion(HWND window, const std::vector<TRect>& rects);

}  // namespace zentavo
