#pragma once
#include <vector>

#include "framework/Bitmap.h"
#include "skin/SkinGeometry.h"

namespace zentavo {

// The list view's column header drawn from the skin: each column in the form colour with
// a separator at its right edge, its caption placed by the column's alignment.
enum class THeaderAlignment { Left, Right, Centre };

// Where a caption of captionWidth starts in column rect, and where an image of imageWidth
// (0: none) goes: the image at the start, the caption past it by image width + 2. A
// caption that does not fit starts 4 pixels from the column's left.
struct THeaderPlacement {
  int imageX;
  int textX;
};
THeaderPlacement PlaceHeaderCaption(const TRect& column, THeaderAlignment alignment, int captionWidth,
                                    int imageWidth);
// The room a caption starting at textX has before the column's right edge.
inline int HeaderCaptionRoom(const TRect& column, int textX) { return column.right - textX - 2; }

// The whole header off screen: columns (in the header's coordinates) in the form colour
// with their separators (a second one left of it after a column of no width), the rest
// of the header right of the last column in the form colour, and the border line along
// the bottom as far as the last column reaches.
TBitmap ComposeHeader(int width, int height, const std::vector<TRect>& columns, TColor formColor,
                      TColor borderColor);

}  // namespace zentavo
