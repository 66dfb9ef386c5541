#pragma once
#include <array>
#include <string>
#include <vector>

#include "framework/Color.h"

namespace zentavo {

// The colours automatic points take: point i takes entry i mod 16.
inline constexpr std::array<TColor, 16> ChartPalette = {
    RGBColor(255, 0, 0),     RGBColor(0, 128, 0),   RGBColor(255, 255, 0), RGBColor(0, 0, 255),
    RGBColor(255, 255, 255), RGBColor(128, 128, 128), RGBColor(255, 0, 255), RGBColor(0, 128, 128),
    RGBColor(0, 0, 128),     RGBColor(128, 0, 0),   RGBColor(0, 255, 0),   RGBColor(128, 128, 0),
    RGBColor(128, 0, 128),   RGBColor(192, 192, 192), RGBColor(0, 255, 255), RGBColor(0, 0, 0)};

// A shade of a colour: each channel scaled by `factor` (below 1 darker).
TColor ShadeColor(TColor color, double factor);

enum class ChartView { Bar, Line, Pie };

struct ChartPoint {
  double value = 0;
  std::string label;
  TColor color = clBlack;
};

// A list of points drawn in one view. Points keep the order they were added in; their
// colour is automatic, from the palette by position.
class ChartSeries {
 public:
  explicit ChartSeries(ChartView view) : view_(view) {}

  ChartView View() const { return view_; }
  void Clear() { points_.clear(); }
  void Add(double value, std::string label);
  const std::vector<ChartPoint>& Points() const { return points_; }

  bool Active() const { return active_; }
  void SetActive(bool active) { active_ = active; }

 private:
  ChartView view_;
  std::vector<ChartPoint> points_;
  bool active_ = false;
};

}  // namespace zentavo
