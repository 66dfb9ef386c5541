#pragma once
#include <vector>

#include "framework/Bitmap.h"
#include "framework/Geometry.h"

namespace zentavo {

// The part of a window that a picture drawn at its top left leaves on the screen: every
// pixel except those of exactly the see-through colour, as one-row runs. Where the window
// reaches past the picture nothing is see-through; a window without a picture is whole.
std::vector<TRect> OpaqueShape(const TBitmap& picture, int width, int height, TColor seeThrough);

}  // namespace zentavo
