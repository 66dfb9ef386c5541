#include "app/SeeThroughShape.h"

#include <algorithm>

#include "skin/RegionRuns.h"

namespace zentavo {

std::vector<TRect> OpaqueShape(const TBitmap& picture, int width, int height, TColor seeThrough) {
  std::vector<TRect> shape;
  if (width <= 0 || height <= 0) return shape;
  std::vector<TRect> runs;
  // A band of 0..0 scans every row of the picture.
  if (!picture.Empty()) AddImageRuns(runs, picture, width, seeThrough, 0, 0, 0);
  for (TRect run : runs) {
    // The picture may be larger than the window; a region is kept to the window's own area.
    run.right = std::min(run.right, width);
    if (run.top < height && !run.Empty()) shape.push_back(run);
  }
  const int coveredWidth = std::min(picture.Width(), width);
  const int coveredHeight = std::min(picture.Height(), height);
  if (coveredWidth < width && coveredHeight > 0) shape.push_back({coveredWidth, 0, width, coveredHeight});
  if (coveredHeight < height) shape.push_back({0, coveredHeight, width, height});
  return shape;
}

}  // namespace zentavo
