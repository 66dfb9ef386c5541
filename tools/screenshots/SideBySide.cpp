#include "SideBySide.h"

#include <algorithm>
#include <cstring>

namespace zentavo {

TBitmap SideBySide(const std::vector<const TBitmap*>& pictures, int gap, TColor background) {
  int width = gap, height = 0;
  for (const TBitmap* picture : pictures) {
    width += picture->Width() + gap;
    height = std::max(height, picture->Height());
  }
  TBitmap row(width, height + 2 * gap);
  row.Fill(background);
  int left = gap;
  for (const TBitmap* picture : pictures) {
    // Both sides are 24-bit rows, so each source row is one copy.
    const std::size_t bytes = static_cast<std::size_t>(picture->Width()) * 3;
    for (int y = 0; y < picture->Height(); ++y)
      std::memcpy(row.ScanLine(gap + y) + static_cast<std::size_t>(left) * 3, picture->ScanLine(y), bytes);
    left += picture->Width() + gap;
  }
  return row;
}

}  // namespace zentavo
