#pragma once
#include "framework/Geometry.h"

namespace zentavo {

// All four edges count as inside, the right and bottom ones too (unlike a pixel rectangle).
constexpr bool PointInRect(int x, int y, const TRect& rect) {
  return rect.left <= x && x <= rect.right && rect.top <= y && y <= rect.bottom;
}

}  // namespace zentavo
