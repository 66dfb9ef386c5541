#include "charting/ChartSeries.h"

#include <algorithm>
#include <cmath>

namespace zentavo {

TColor ShadeColor(TColor color, double factor) {
  auto channel = [&](int shift) {
    const int value = static_cast<int>(std::lround(((color >> shift) & 0xFF) * factor));
    return std::clamp(value, 0, 255);
  };
  return RGBColor(channel(0), channel(8), channel(16));
}

void ChartSeries::Add(double value, std::string label) {
  const TColor color = ChartPalette[points_.size() % ChartPalette.size()];
  points_.push_back(ChartPoint{value, std::move(label), color});
}

}  // namespace zentavo
