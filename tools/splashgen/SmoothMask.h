#pragma once
#include <vector>

namespace zentavo::splash {

// A grid of coverage values, 0 (empty) to 1 (full), row by row.
struct Mask {
  int width = 0;
  int height = 0;
  std::vector<float> cover;

  Mask() = default;
  Mask(int w, int h) : width(w), height(h), cover(static_cast<std::size_t>(w) * h, 0.0f) {}
  float At(int x, int y) const {
    return x < 0 || y < 0 || x >= width || y >= height ? 0.0f
                                                       : cover[static_cast<std::size_t>(y) * width + x];
  }
  float& Ref(int x, int y) { return cover[static_cast<std::size_t>(y) * width + x]; }
};

// Doubles a two-valued mask, rounding off the corners of stair steps (each pixel becomes
// four, and a corner takes its neighbours' value where two of them agree against the
// others), so that pixel letters grown large keep smooth diagonals.
Mask Scale2x(const Mask& mask);

// Thickens the set pixels of a two-valued mask by radius pixels in every direction.
Mask Dilate(const Mask& mask, int radius);

// Shrinks a large two-valued mask to the height given (the width in proportion): each
// target pixel covers the share of the source pixels that fall into it, which smooths
// the edges.
Mask Downsample(const Mask& mask, int height);

}  // namespace zentavo::splash
