#include "app/AppIcon.h"

#include <algorithm>
#include <cmath>

namespace zentavo {

namespace {

struct Color {
  double r, g, b, a;
};

Color Mix(const Color& x, const Color& y, double t) {
  return {x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t, x.a + (y.a - x.a) * t};
}

// Distance from point p to segment a-b, in icon units (0..1).
double SegmentDistance(double px, double py, double ax, double ay, double bx, double by) {
  double dx = bx - ax, dy = by - ay;
  double t = std::clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  double ex = ax + t * dx - px, ey = ay + t * dy - py;
  return std::sqrt(ex * ex + ey * ey);
}

// The colour at one point of the unit square, (0, 0) top left.
Color Sample(double x, double y) {
  const double cx = 0.5, cy = 0.5;
  const double dx = x - cx, dy = y - cy;
  const double r = std::sqrt(dx * dx + dy * dy);
  const Color clear{0, 0, 0, 0};
  const Color rimDark{150, 96, 12, 255};
  const Color rimLight{250, 214, 96, 255};
  const Color faceLight{255, 226, 120, 255};
  const Color faceDark{222, 158, 28, 255};
  const Color emboss{170, 110, 14, 255};
  const Color shine{255, 246, 200, 255};

  if (r > 0.48) return clear;
  // Light from the top left: the rim and face shade along that direction.
  const double light = std::clamp(0.5 - (dx + dy) * 0.9, 0.0, 1.0);
  if (r > 0.40) return Mix(rimDark, rimLight, light);
  if (r > 0.375) return Mix(rimLight, rimDark, light);  // the rim's inner bevel faces away
  Color face = Mix(faceDark, faceLight, light);

  // A "Z": top bar, diagonal, bottom bar, with a one-sided highlight for the emboss.
  const double stroke = 0.055;
  double z = std::min({SegmentDistance(x, y, 0.33, 0.32, 0.67, 0.32), SegmentDistance(x, y, 0.67, 0.32, 0.33, 0.68),
                       SegmentDistance(x, y, 0.33, 0.68, 0.67, 0.68)});
  if (z < stroke) return emboss;
  double zShadow = std::min({SegmentDistance(x - 0.025, y - 0.025, 0.33, 0.32, 0.67, 0.32),
                             SegmentDistance(x - 0.025, y - 0.025, 0.67, 0.32, 0.33, 0.68),
                             SegmentDistance(x - 0.025, y - 0.025, 0.33, 0.68, 0.67, 0.68)});
  if (zShadow < stroke) return Mix(face, shine, 0.7);
  return face;
}

}  // namespace

IconImage DrawAppIcon(int size) {
  IconImage image;
  image.size = size;
  image.bgra.resize(static_cast<size_t>(size) * size * 4);
  constexpr int kSamples = 4;
  for (int py = 0; py < size; ++py) {
    for (int px = 0; px < size; ++px) {
      double r = 0, g = 0, b = 0, a = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          Color c = Sample((px + (sx + 0.5) / kSamples) / size, (py + (sy + 0.5) / kSamples) / size);
          // Average in premultiplied form so transparent samples do not darken the edge.
          r += c.r * c.a;
          g += c.g * c.a;
          b += c.b * c.a;
          a += c.a;
        }
      }
      std::uint8_t* out = &image.bgra[(static_cast<size_t>(py) * size + px) * 4];
      const double alpha = a / (kSamples * kSamples);
      out[0] = static_cast<std::uint8_t>(a > 0 ? std::lround(b / a) : 0);
      out[1] = static_cast<std::uint8_t>(a > 0 ? std::lround(g / a) : 0);
      out[2] = static_cast<std::uint8_t>(a > 0 ? std::lround(r / a) : 0);
      out[3] = static_cast<std::uint8_t>(std::lround(alpha));
    }
  }
  return image;
}

}  // namespace zentavo
