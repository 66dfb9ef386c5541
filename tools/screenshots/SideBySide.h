#pragma once
#include <vector>

#include "framework/Bitmap.h"
#include "framework/Color.h"

namespace zentavo {

// The pictures in one row, top-aligned, with `gap` pixels between them and around the
// row, on a plain background.
TBitmap SideBySide(const std::vector<const TBitmap*>& pictures, int gap, TColor background);

}  // namespace zentavo
