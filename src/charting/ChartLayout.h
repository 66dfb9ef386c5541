#pragma once
#include <functional>
#include <string>
#include <vector>

#include "charting/ChartSeries.h"
#include "core/Number.h"

namespace zentavo {

struct ChartXY {
  int x = 0;
  int y = 0;
  bool operator==(const ChartXY&) const = default;
};

struct ChartBox {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Intersects(const ChartBox& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
  }
  bool operator==(const ChartBox&) const = default;
};

struct ChartSize {
  int cx = 0;
  int cy = 0;
};

// Measures a text in the font it will be drawn with.
using ChartTextMeasure = std::function<ChartSize(const std::string& text)>;

// A point's mark: a framed text box joined to the point by a connecting line from `from`
// (on the point) to `to` (on the box).
struct ChartMark {
  std::string text;
  ChartBox box;
  ChartXY from;
  ChartXY to;
};

// A bar's front face; its top and side faces run from it by the layout's depth.
struct ChartBar {
  ChartBox front;
  TColor color = clBlack;
};

// The part of the line that leads to a point, in that point's colour.
struct ChartSegment {
  ChartXY from;
  ChartXY to;
  TColor color = clBlack;
};

// A pie slice: angles in degrees, counter-clockwise from three o'clock.
struct ChartSlice {
  double startDegrees = 0;
  double sweepDegrees = 0;
  TColor color = clBlack;
};

// Everything the chart draws, in client coordinates: title lines, the view's shapes and
// the marks. No axes, walls, frame or legend.
struct ChartLayout {
  ChartView view = ChartView::Bar;
  std::vector<std::string> titleLines;
  std::vector<ChartBox> titleBoxes;
  ChartBox plot;  // the front plane of the bar and line views
  ChartXY depth;  // from the front plane to the back plane (right and up)
  std::vector<ChartBar> bars;
  std::vector<ChartSegment> segments;
  ChartBox pie;        // the top face of the pie
  int pieDepth = 0;    // height of its side
  std::vector<ChartSlice> slices;
  std::vector<ChartMark> marks;
};

// Connecting line lengths by view.
inline constexpr int kBarMarkLine = 20;
inline constexpr int kLineMarkLine = 8;
inline constexpr int kPieMarkLine = 8;
// Blank space between a mark's frame and its text.
inline constexpr int kMarkPadding = 2;

// The value format "#,##0.###": 1234 -> "1,234", -50 -> "-50".
std::string ChartValueText(double value, const NumberSymbols& symbols = {});
// A pie mark: "<label> <percent> of <total>", the percent of the sum of absolute values in
// "##0.## %" (100 when that sum is 0), the total in the value format.
std::string PieMarkText(const std::string& label, double value, double absoluteSum,
                        const NumberSymbols& symbols = {});

// Lays out the active view of `series` in `client`. Marks that would cover one placed
// before them move away from their point along their connecting line (bars and lines:
// upwards, or downwards for values below zero; pie: away from the pie's middle), as far as
// the client area allows, so that every mark that fits stays readable.
ChartLayout LayoutChart(const ChartSeries& series, const std::vector<std::string>& titleLines,
                        const ChartBox& client, const ChartTextMeasure& measure,
                        const NumberSymbols& symbols = {});

// A point of the pie's top ellipse at an angle.
ChartXY PieEdgePoint(const ChartBox& pie, double degrees);
// The visible part of a slice's side (the front half of the pie, below its edge): the
// edge from the slice's start to its end as far as it lies in front, then back along the
// same edge lowered by the depth. Empty when the slice lies wholly behind.
std::vector<ChartXY> PieSidePolygon(const ChartBox& pie, int depth, const ChartSlice& slice);

}  // namespace zentavo
