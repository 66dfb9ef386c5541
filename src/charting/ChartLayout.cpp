#include "charting/ChartLayout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/Format.h"

namespace zentavo {

namespace {

constexpr int kMargin = 8;
constexpr double kDepthShare = 0.15;  // depth of the 3D look, of the plot size
constexpr double kBarShare = 0.7;     // of a bar's slot; the rest is the gap

ChartBox BoxAt(int left, int top, ChartSize size) { return ChartBox{left, top, left + size.cx, top + size.cy}; }

ChartSize MarkSize(const ChartTextMeasure& measure, const std::string& text) {
  const ChartSize size = measure(text);
  return ChartSize{size.cx + 2 * kMarkPadding + 2, size.cy + 2 * kMarkPadding};
}

// Places the marks of the bar and line views, left to right, so that none covers one
// placed before it.
class MarkPlacer {
 public:
  explicit MarkPlacer(const ChartBox& bounds) : bounds_(bounds) {}

  // Moves `box` up (direction -1) or down (+1) past every placed mark it covers, as long as
  // it stays inside the bounds; returns how far it moved.
  int Place(ChartBox& box, int direction) {
    widest_ = std::max(widest_, box.Width());
    int moved = 0;
    while (const ChartBox* covered = FirstCovered(box)) {
      const int step = direction > 0 ? covered->bottom - box.top + 2 : covered->top - box.bottom - 2;
      if (box.top + step < bounds_.top || box.bottom + step > bounds_.bottom) break;
      box.top += step;
      box.bottom += step;
      moved += step;
    }
    placed_.push_back(box);
    return moved;
  }

 private:
  // Only the recent marks can reach a new box; the scan stops once the placed boxes lie
  // further to its left than the widest mark.
  const ChartBox* FirstCovered(const ChartBox& box) const {
    for (auto it = placed_.rbegin(); it != placed_.rend(); ++it) {
      if (it->Intersects(box)) return &*it;
      if (it->right + widest_ < box.left) break;
    }
    return nullptr;
  }

  ChartBox bounds_;
  std::vector<ChartBox> placed_;
  int widest_ = 0;
};

struct ValueScale {
  double low = 0;
  double high = 1;
  int top = 0;
  int bottom = 0;
  int Y(double value) const {
    return bottom - static_cast<int>(std::lround((value - low) / (high - low) * (bottom - top)));
  }
};

ValueScale ScaleFor(const std::vector<ChartPoint>& points, const ChartBox& plot) {
  ValueScale scale;
  scale.low = 0;
  scale.high = 0;
  for (const ChartPoint& point : points) {
    scale.low = std::min(scale.low, point.value);
    scale.high = std::max(scale.high, point.value);
  }
  if (scale.high == scale.low) scale.high = scale.low + 1;
  scale.top = plot.top;
  scale.bottom = plot.bottom;
  return scale;
}

void LayoutTitle(ChartLayout& layout, const ChartBox& client, const ChartTextMeasure& measure, int& top) {
  const int lineHeight = measure("Ag").cy;
  top = client.top + 4;
  for (const std::string& line : layout.titleLines) {
    const ChartSize size = measure(line);
    const int left = client.left + (client.Width() - size.cx) / 2;
    layout.titleBoxes.push_back(ChartBox{left, top, left + size.cx, top + lineHeight});
    top += lineHeight;
  }
  top += 4;
}

// Bar and line views: points side by side along the front plane, values upwards.
void LayoutColumns(ChartLayout& layout, const std::vector<ChartPoint>& points, const ChartBox& area,
                   const ChartTextMeasure& measure, const NumberSymbols& symbols) {
  const bool bars = layout.view == ChartView::Bar;
  const int markLine = bars ? kBarMarkLine : kLineMarkLine;
  const int markHeight = MarkSize(measure, "0").cy;
  bool negative = false;
  for (const ChartPoint& point : points) negative = negative || point.value < 0;
  ChartBox plot{area.left + kMargin, area.top + markHeight + markLine, area.right - kMargin,
                area.bottom - kMargin - (negative ? markHeight + markLine : 0)};
  const int depth = static_cast<int>(std::lround(kDepthShare * std::min(plot.Width(), plot.Height()) *
                                                 std::numbers::sqrt2 / 2));
  layout.depth = ChartXY{depth, -depth};
  plot.right -= depth;
  plot.top += depth;
  layout.plot = plot;

  const ValueScale scale = ScaleFor(points, plot);
  const int zero = scale.Y(0);
  const double slot = static_cast<double>(plot.Width()) / static_cast<double>(points.size());
  MarkPlacer placer(area);
  ChartXY previous;
  for (size_t i = 0; i < points.size(); ++i) {
    const ChartPoint& point = points[i];
    const double center = plot.left + slot * (static_cast<double>(i) + 0.5);
    const int x = static_cast<int>(std::lround(center));
    const int y = scale.Y(point.value);
    ChartXY anchor{x, y};
    if (bars) {
      const double half = std::max(0.5, slot * kBarShare / 2);
      ChartBox front{static_cast<int>(std::lround(center - half)), std::min(y, zero),
                     static_cast<int>(std::lround(center + half)), std::max(y, zero)};
      if (front.right <= front.left) front.right = front.left + 1;
      layout.bars.push_back(ChartBar{front, point.color});
      // The mark stands over the bar's top face, which the depth moves up and right.
      anchor = ChartXY{x + depth / 2, point.value < 0 ? front.bottom : front.top - depth / 2};
    } else if (i > 0) {
      layout.segments.push_back(ChartSegment{previous, anchor, point.color});
    }
    previous = ChartXY{x, y};

    ChartMark mark;
    mark.text = ChartValueText(point.value, symbols);
    const ChartSize size = MarkSize(measure, mark.text);
    const bool down = point.value < 0;
    const int lineEnd = down ? anchor.y + markLine : anchor.y - markLine;
    mark.box = BoxAt(anchor.x - size.cx / 2, down ? lineEnd : lineEnd - size.cy, size);
    const int moved = placer.Place(mark.box, down ? 1 : -1);
    mark.from = anchor;
    mark.to = ChartXY{anchor.x, lineEnd + moved};
    layout.marks.push_back(std::move(mark));
  }
}

// Spreads the marks of one side of the pie apart vertically: kept in the order of their
// wanted heights, each at least 2 pixels below the one above, and pushed back up from the
// bottom when the column runs out of the area. Only a side with more marks than its
// height holds keeps overlaps.
void SpreadColumn(std::vector<ChartMark*>& column, const ChartBox& area) {
  std::stable_sort(column.begin(), column.end(),
                   [](const ChartMark* a, const ChartMark* b) { return a->box.top < b->box.top; });
  auto moveTo = [](ChartMark& mark, int top) {
    const int height = mark.box.Height();
    mark.box.top = top;
    mark.box.bottom = top + height;
  };
  int next = area.top;
  for (ChartMark* mark : column) {
    moveTo(*mark, std::max(mark->box.top, next));
    next = mark->box.bottom + 2;
  }
  int limit = area.bottom;
  for (auto it = column.rbegin(); it != column.rend(); ++it) {
    ChartMark& mark = **it;
    if (mark.box.bottom > limit) moveTo(mark, std::max(area.top, limit - mark.box.Height()));
    limit = mark.box.top - 2;
  }
}

void LayoutPie(ChartLayout& layout, const std::vector<ChartPoint>& points, const ChartBox& area,
               const ChartTextMeasure& measure, const NumberSymbols& symbols) {
  double absoluteSum = 0;
  for (const ChartPoint& point : points) absoluteSum += std::fabs(point.value);
  std::vector<std::string> texts;
  int widest = 0;
  for (const ChartPoint& point : points) {
    texts.push_back(PieMarkText(point.label, point.value, absoluteSum, symbols));
    widest = std::max(widest, MarkSize(measure, texts.back()).cx);
  }
  const int markHeight = MarkSize(measure, "0").cy;
  // Room for the marks beside the pie, as long as the pie keeps a third of the width.
  const int side = std::min(widest + kPieMarkLine, area.Width() / 3);
  ChartBox pie{area.left + kMargin + side, area.top + markHeight + kPieMarkLine,
               area.right - kMargin - side, area.bottom - kMargin - markHeight - kPieMarkLine};
  layout.pieDepth = static_cast<int>(std::lround(kDepthShare * pie.Height()));
  pie.bottom -= layout.pieDepth;
  layout.pie = pie;

  std::vector<ChartMark*> left, right;
  layout.marks.reserve(points.size());
  double start = 0;
  for (size_t i = 0; i < points.size(); ++i) {
    const double share = absoluteSum == 0 ? 0 : std::fabs(points[i].value) / absoluteSum;
    const double sweep = absoluteSum == 0 ? (points.size() == 1 ? 360.0 : 0.0) : 360.0 * share;
    layout.slices.push_back(ChartSlice{start, sweep, points[i].color});

    const double middle = (start + sweep / 2) * std::numbers::pi / 180;
    const ChartXY edge = PieEdgePoint(pie, start + sweep / 2);
    // Marks of the front half hang from the lower rim of the pie's side.
    const int lowered = std::sin(middle) < 0 ? layout.pieDepth : 0;
    ChartMark mark;
    mark.text = texts[i];
    mark.from = ChartXY{edge.x, edge.y + lowered};
    mark.to = ChartXY{mark.from.x + static_cast<int>(std::lround(kPieMarkLine * std::cos(middle))),
                      mark.from.y - static_cast<int>(std::lround(kPieMarkLine * std::sin(middle)))};
    const ChartSize size = MarkSize(measure, mark.text);
    const bool onRight = std::cos(middle) >= 0;
    // Beside the line's end, inside the area.
    int boxLeft = onRight ? mark.to.x : mark.to.x - size.cx;
    boxLeft = std::clamp(boxLeft, area.left, std::max(area.left, area.right - size.cx));
    mark.box = BoxAt(boxLeft, mark.to.y - size.cy / 2, size);
    layout.marks.push_back(std::move(mark));
    (onRight ? right : left).push_back(&layout.marks.back());
    start += sweep;
  }
  for (std::vector<ChartMark*>* column : {&left, &right}) {
    SpreadColumn(*column, area);
    // The line runs on to the side of its box nearest the pie, at the box's middle.
    for (ChartMark* mark : *column) {
      const bool onRight = column == &right;
      mark->to = ChartXY{onRight ? std::max(mark->to.x, mark->box.left) : std::min(mark->to.x, mark->box.right),
                         (mark->box.top + mark->box.bottom) / 2};
    }
  }
}

}  // namespace

std::string ChartValueText(double value, const NumberSymbols& symbols) {
  return FormatFloatPattern(value, "#,##0.###", symbols);
}

std::string PieMarkText(const std::string& label, double value, double absoluteSum, const NumberSymbols& symbols) {
  const double percent = absoluteSum == 0 ? 100 : 100 * std::fabs(value) / absoluteSum;
  return label + " " +
         Format("%s of %s", {FormatFloatPattern(percent, "##0.## %", symbols), ChartValueText(absoluteSum, symbols)});
}

ChartLayout LayoutChart(const ChartSeries& series, const std::vector<std::string>& titleLines, const ChartBox& client,
                        const ChartTextMeasure& measure, const NumberSymbols& symbols) {
  ChartLayout layout;
  layout.view = series.View();
  layout.titleLines = titleLines;
  int top = client.top;
  LayoutTitle(layout, client, measure, top);
  const std::vector<ChartPoint>& points = series.Points();
  if (points.empty()) return layout;
  const ChartBox area{client.left, top, client.right, client.bottom};
  if (layout.view == ChartView::Pie) {
    LayoutPie(layout, points, area, measure, symbols);
  } else {
    LayoutColumns(layout, points, area, measure, symbols);
  }
  return layout;
}

ChartXY PieEdgePoint(const ChartBox& pie, double degrees) {
  const double radians = degrees * std::numbers::pi / 180;
  const double cx = (pie.left + pie.right) / 2.0;
  const double cy = (pie.top + pie.bottom) / 2.0;
  return ChartXY{static_cast<int>(std::lround(cx + pie.Width() / 2.0 * std::cos(radians))),
                 static_cast<int>(std::lround(cy - pie.Height() / 2.0 * std::sin(radians)))};
}

std::vector<ChartXY> PieSidePolygon(const ChartBox& pie, int depth, const ChartSlice& slice) {
  // The front half runs from 180 to 360 degrees.
  const double from = std::max(slice.startDegrees, 180.0);
  const double to = std::min(slice.startDegrees + slice.sweepDegrees, 360.0);
  std::vector<ChartXY> polygon;
  if (to <= from || depth <= 0) return polygon;
  const int steps = std::max(2, static_cast<int>((to - from) / 4) + 1);
  for (int i = 0; i <= steps; ++i) polygon.push_back(PieEdgePoint(pie, from + (to - from) * i / steps));
  for (int i = steps; i >= 0; --i) {
    ChartXY point = polygon[static_cast<size_t>(i)];
    polygon.push_back(ChartXY{point.x, point.y + depth});
  }
  return polygon;
}

}  // namespace zentavo
