#include "framework/PictureContent.h"

#include <algorithm>
#include <unordered_map>

namespace zentavo {

namespace {
TRect Clip(const TBitmap& picture, const TRect& area) {
  return TRect{std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, picture.Width()),
               std::min(area.bottom, picture.Height())};
}
}  // namespace

int InkPixels(const TBitmap& picture, const TRect& area) {
  const TRect r = Clip(picture, area);
  if (r.Empty()) return 0;
  std::unordered_map<TColor, int> counts;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) ++counts[picture.Pixel(x, y)];
  int most = 0;
  for (const auto& [colour, count] : counts) most = std::max(most, count);
  return r.Width() * r.Height() - most;
}

int ColourPixels(const TBitmap& picture, TColor colour, const std::vector<bool>& shape) {
  const bool whole = shape.empty();
  int found = 0;
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) {
      if (!whole && !shape[static_cast<size_t>(y) * picture.Width() + x]) continue;
      if (picture.Pixel(x, y) == colour) ++found;
    }
  return found;
}

int ShapeHoles(const std::vector<bool>& shape, int width, int height) {
  if (width <= 0 || height <= 0 || shape.size() < static_cast<size_t>(width) * height) return 0;
  auto in = [&](int x, int y) { return shape[static_cast<size_t>(y) * width + x]; };
  // Per row and per column, the first and last pixel of the shape.
  std::vector<int> rowFirst(height, width), rowLast(height, -1), colFirst(width, height), colLast(width, -1);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (in(x, y)) {
        rowFirst[y] = std::min(rowFirst[y], x);
        rowLast[y] = std::max(rowLast[y], x);
        colFirst[x] = std::min(colFirst[x], y);
        colLast[x] = std::max(colLast[x], y);
      }
  int holes = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (!in(x, y) && ((x > rowFirst[y] && x < rowLast[y]) || (y > colFirst[x] && y < colLast[x]))) ++holes;
  return holes;
}

std::vector<std::string> MissingContent(const TBitmap& plain, const std::vector<TContentArea>& plainAreas,
                                        const TBitmap& skinned,
                                        const std::vector<TContentArea>& skinnedAreas) {
  std::vector<std::string> missing;
  for (const TContentArea& area : plainAreas) {
    const int want = InkPixels(plain, area.rect);
    if (want < 6) continue;
    const auto match = std::find_if(skinnedAreas.begin(), skinnedAreas.end(),
                                    [&area](const TContentArea& other) { return other.name == area.name; });
    if (match == skinnedAreas.end()) {
      missing.push_back(area.name + ": not in the skinned window");
      continue;
    }
    const int got = InkPixels(skinned, match->rect);
    if (got < std::max(3, want / 4))
      missing.push_back(area.name + ": " + std::to_string(got) + " pixels drawn, " + std::to_string(want) +
                        " without the skin");
  }
  return missing;
}

}  // namespace zentavo
