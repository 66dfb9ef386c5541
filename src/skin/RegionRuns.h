#pragma once
#include <vector>

#include "framework/Bitmap.h"
#include "skin/SkinGeometry.h"

namespace zentavo {

// The opaque part of a skinned window as a union of rectangles, made from the composed title
// and bottom images: the Win32 side turns it into the window's region.
//
// With useTitle, rows titleMinY .. e-1 of the title image are scanned (titleMinY -1 or below
// means 0; e is the image height when titleMinY >= titleMaxY, else titleMaxY + 1, never past
// the image), each maximal run of pixels other than transColor becoming one row-high
// rectangle; rows above the band and below it are taken whole, at the window's width. The
// middle band between title and bottom is taken whole. With useBottom the bottom image is
// scanned the same way, shifted to the window's bottom. A missing image counts as empty.
struct TWindowRegionInput {
  const TBitmap* titleImage = nullptr;
  const TBitmap* bottomImage = nullptr;
  int width = 0;
  int height = 0;
  TColor transColor = 0;
  int titleMinY = -1;
  int titleMaxY = -1;
  int bottomMinY = -1;
  int bottomMaxY = -1;
  bool useTitle = false;
  bool useBottom = false;
};

std::vector<TRect> BuildWindowRegion(const TWindowRegionInput& input);

// The runs of one image's band, rows shifted down by offsetY (exposed for the bottom border
// and for tests).
void AddImageRuns(std::vector<TRect>& region, const TBitmap& image, int width, TColor transColor, int minY,
                  int maxY, int offsetY);

}  // namespace zentavo
