#include "SkinPainter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace zentavo {

TColor MixColor(TColor a, TColor b, double t) {
  auto channel = [&](int shift) {
    const double value = ((a >> shift) & 0xFF) * (1 - t) + ((b >> shift) & 0xFF) * t;
    return static_cast<int>(std::lround(std::clamp(value, 0.0, 255.0)));
  };
  return RGBColor(channel(0), channel(8), channel(16));
}

void SkinPainter::Pixel(int x, int y, TColor color) {
  if (x >= 0 && y >= 0 && x < bitmap_.Width() && y < bitmap_.Height()) bitmap_.SetPixel(x, y, color);
}

void SkinPainter::Fill(int x0, int y0, int x1, int y1, TColor color) {
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) Pixel(x, y, color);
}

void SkinPainter::VerticalGradient(int x0, int y0, int x1, int y1, TColor top, TColor bottom) {
  const int height = std::max(1, y1 - y0 - 1);
  for (int y = y0; y < y1; ++y) Fill(x0, y, x1, y + 1, MixColor(top, bottom, static_cast<double>(y - y0) / height));
}

void SkinPainter::Frame(int x0, int y0, int x1, int y1, TColor color) {
  Fill(x0, y0, x1, y0 + 1, color);
  Fill(x0, y1 - 1, x1, y1, color);
  Fill(x0, y0, x0 + 1, y1, color);
  Fill(x1 - 1, y0, x1, y1, color);
}

void SkinPainter::Line(int x0, int y0, int x1, int y1, TColor color, int width) {
  const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
  for (int i = 0; i <= steps; ++i) {
    const double t = steps == 0 ? 0 : static_cast<double>(i) / steps;
    const int x = static_cast<int>(std::lround(x0 + (x1 - x0) * t));
    const int y = static_cast<int>(std::lround(y0 + (y1 - y0) * t));
    Fill(x, y, x + width, y + width, color);
  }
}

void SkinPainter::Disc(double cx, double cy, double radius, TColor fill, TColor rim) {
  for (int y = static_cast<int>(cy - radius - 1); y <= static_cast<int>(cy + radius + 1); ++y)
    for (int x = static_cast<int>(cx - radius - 1); x <= static_cast<int>(cx + radius + 1); ++x) {
      const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
      if (d <= radius - 1) {
        Pixel(x, y, fill);
      } else if (d <= radius) {
        Pixel(x, y, rim);
      }
    }
}

void SkinPainter::CutCorners(int x0, int y0, int x1, int y1, int radius, int corners, TColor color) {
  if (radius <= 0) return;
  for (int dy = 0; dy < radius; ++dy)
    for (int dx = 0; dx < radius; ++dx) {
      if (std::hypot(radius - dx - 0.5, radius - dy - 0.5) <= radius) continue;
      if (corners & kTopLeft) Pixel(x0 + dx, y0 + dy, color);
      if (corners & kTopRight) Pixel(x1 - 1 - dx, y0 + dy, color);
      if (corners & kBottomLeft) Pixel(x0 + dx, y1 - 1 - dy, color);
      if (corners & kBottomRight) Pixel(x1 - 1 - dx, y1 - 1 - dy, color);
    }
}

void SkinPainter::Gloss(int x0, int y0, int x1, int y1) {
  const int half = y0 + (y1 - y0) / 2;
  for (int y = y0; y < half; ++y)
    for (int x = x0; x < x1; ++x) {
      if (x < 0 || y < 0 || x >= bitmap_.Width() || y >= bitmap_.Height()) continue;
      bitmap_.SetPixel(x, y, MixColor(bitmap_.Pixel(x, y), RGBColor(255, 255, 255), 0.28));
    }
}

}  // namespace zentavo
