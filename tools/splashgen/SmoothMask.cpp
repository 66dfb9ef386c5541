#include "SmoothMask.h"

#include <algorithm>
#include <cmath>

namespace zentavo::splash {

Mask Scale2x(const Mask& in) {
  Mask out(in.width * 2, in.height * 2);
  for (int y = 0; y < in.height; ++y) {
    for (int x = 0; x < in.width; ++x) {
      const bool p = in.At(x, y) > 0.5f;
      const bool a = in.At(x, y - 1) > 0.5f, b = in.At(x + 1, y) > 0.5f;
      const bool c = in.At(x - 1, y) > 0.5f, d = in.At(x, y + 1) > 0.5f;
      const bool e0 = (c == a && c != d && a != b) ? a : p;
      const bool e1 = (a == b && a != c && b != d) ? b : p;
      const bool e2 = (d == c && d != b && c != a) ? c : p;
      const bool e3 = (b == d && b != a && d != c) ? d : p;
      out.Ref(2 * x, 2 * y) = e0;
      out.Ref(2 * x + 1, 2 * y) = e1;
      out.Ref(2 * x, 2 * y + 1) = e2;
      out.Ref(2 * x + 1, 2 * y + 1) = e3;
    }
  }
  return out;
}

Mask Dilate(const Mask& in, int radius) {
  if (radius <= 0) return in;
  Mask out(in.width, in.height);
  for (int y = 0; y < in.height; ++y)
    for (int x = 0; x < in.width; ++x) {
      bool set = false;
      for (int dy = -radius; dy <= radius && !set; ++dy)
        for (int dx = -radius; dx <= radius && !set; ++dx)
          set = dx * dx + dy * dy <= radius * radius && in.At(x + dx, y + dy) > 0.5f;
      out.Ref(x, y) = set;
    }
  return out;
}

Mask Downsample(const Mask& in, int height) {
  if (in.height == 0 || height <= 0) return Mask();
  const double factor = static_cast<double>(in.height) / height;
  const int width = std::max(1, static_cast<int>(std::lround(in.width / factor)));
  Mask out(width, height);
  std::vector<int> count(static_cast<std::size_t>(width) * height, 0);
  for (int y = 0; y < in.height; ++y) {
    const int ty = std::min(height - 1, static_cast<int>((y + 0.5) / factor));
    for (int x = 0; x < in.width; ++x) {
      const int tx = std::min(width - 1, static_cast<int>((x + 0.5) / factor));
      out.Ref(tx, ty) += in.At(x, y);
      ++count[static_cast<std::size_t>(ty) * width + tx];
    }
  }
  for (std::size_t i = 0; i < out.cover.size(); ++i)
    if (count[i]) out.cover[i] /= static_cast<float>(count[i]);
  return out;
}

}  // namespace zentavo::splash
