#pragma once
#include <optional>
#include <vector>

#include "framework/Geometry.h"

namespace zentavo {

// Where the document windows of a multiple-document main window go when the skinned frame
// cascades or tiles them. Children are given in the main window's order; minimized ones
// keep their place (no bounds). Rectangles are (left, top, width, height) packed as
// (left, top, left + width, top + height).

// 80 % of the client width and 60 % of its height each, the last child at (0, 0) and every
// earlier one 22 pixels further right and down.
std::vector<std::optional<TRect>> CascadeBounds(int clientWidth, int clientHeight,
                                                const std::vector<bool>& minimized);

// The non-minimized children share the available height (rows) or the client width
// (columns); availableHeight is the client height less the bars along the top and bottom,
// and less 25 more when a child is minimized (its icon row stays free).
std::vector<std::optional<TRect>> TileBounds(int clientWidth, int availableHeight, bool rows,
                                             const std::vector<bool>& minimized);

// The available height for tiling.
int TileAvailableHeight(int clientHeight, int alignedBarsHeight, bool someMinimized);

}  // namespace zentavo
