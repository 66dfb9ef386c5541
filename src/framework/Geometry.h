#pragma once
#include <algorithm>

namespace zentavo {

// A rectangle in pixels; right and bottom are exclusive.
struct TRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  // No pixel inside: also true of inverted rectangles.
  constexpr bool Empty() const { return right <= left || bottom <= top; }
  constexpr bool operator==(const TRect&) const = default;
};

struct TPoint {
  int x = 0;
  int y = 0;
  constexpr bool operator==(const TPoint&) const = default;
};

struct TSize {
  int cx = 0;
  int cy = 0;
  constexpr bool operator==(const TSize&) const = default;
};

constexpr TRect Bounds(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

constexpr TRect Intersect(const TRect& a, const TRect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

}  // namespace zentavo
