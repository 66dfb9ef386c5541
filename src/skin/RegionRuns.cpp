#include "skin/RegionRuns.h"

#include <algorithm>

namespace zentavo {

namespace {

void AddRect(std::vector<TRect>& region, const TRect& r) {
  if (!r.Empty()) region.push_back(r);
}

}  // namespace

void AddImageRuns(std::vector<TRect>& region, const TBitmap& image, int width, TColor transColor, int minY,
                  int maxY, int offsetY) {
  const int th = image.Height();
  const int s = std::max(minY, 0);
  // A band reaching below the image is cut at the image: there are no pixels to scan there.
  const int e = minY >= maxY ? th : std::min(maxY + 1, th);
  if (minY >= 1) AddRect(region, {0, offsetY, width, offsetY + std::min(minY, th)});
  for (int y = s; y < e; ++y) {
    int x = 0;
    while (x < image.Width()) {
      if (image.Pixel(x, y) == transColor) {
        ++x;
        continue;
      }
      const int first = x;
      while (x < image.Width() && image.Pixel(x, y) != transColor) ++x;
      region.push_back({first, offsetY + y, x, offsetY + y + 1});
    }
  }
  if (e < th) AddRect(region, {0, offsetY + e, width, offsetY + th});
}

std::vector<TRect> BuildWindowRegion(const TWindowRegionInput& in) {
  std::vector<TRect> region;
  const TBitmap empty;
  const TBitmap& title = in.titleImage ? *in.titleImage : empty;
  const TBitmap& bottom = in.bottomImage ? *in.bottomImage : empty;
  const int th = in.useTitle ? title.Height() : 0;
  const int bh = in.useBottom ? bottom.Height() : 0;
  if (in.useTitle) AddImageRuns(region, title, in.width, in.transColor, in.titleMinY, in.titleMaxY, 0);
  AddRect(region, {0, th, in.width, in.height - bh});
  if (in.useBottom)
    AddImageRuns(region, bottom, in.width, in.transColor, in.bottomMinY, in.bottomMaxY, in.height - bh);
  return region;
}

}  // namespace zentavo
