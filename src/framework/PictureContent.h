#pragma once
#include <string>
#include <vector>

#include "framework/Bitmap.h"
#include "framework/Geometry.h"

namespace zentavo {

// What a window's picture shows, compared between two looks of the same window (without
// and with a skin): texts present at their places, no pixel of a colour that must never
// reach the screen, and an outline without holes.

// Pixels of `area` (clipped to the picture) that are not the area's most common colour:
// what is drawn over its background, text above all.
int InkPixels(const TBitmap& picture, const TRect& area);

// Pixels of `colour` inside the shape (shape: one flag per pixel of the picture, row by
// row; empty: the whole picture).
int ColourPixels(const TBitmap& picture, TColor colour, const std::vector<bool>& shape = {});

// Pixels outside a shape that lie between two of its pixels in their row or in their
// column: holes inside the outline. A shape whose corners are rounded off has none.
int ShapeHoles(const std::vector<bool>& shape, int width, int height);

// One place of a window where the plain look shows something: a text, or a control.
struct TContentArea {
  std::string name;
  TRect rect;  // in the picture's coordinates
};

// The areas of `plain` whose ink is not found again in `skinned` at the matching area
// (same name): each failure names the area and both counts. An area counts as shown when
// the skinned look draws at least a quarter as many pixels there (and at least 3); areas
// the plain look leaves nearly empty (under 6 pixels) are not checked.
std::vector<std::string> MissingContent(const TBitmap& plain, const std::vector<TContentArea>& plainAreas,
                                        const TBitmap& skinned,
                                        const std::vector<TContentArea>& skinnedAreas);

}  // namespace zentavo
