#include "charting/win/Chart.h"

#include <map>
#include <utility>
#include <vector>

#include "framework/win/Handles.h"
#include "framework/win/RegionalSettings.h"
#include "framework/win/WideText.h"

namespace zentavo {

namespace {

constexpr COLORREF kMarkBackground = RGB(255, 255, 128);
constexpr COLORREF kMarkInk = RGB(0, 0, 0);
// Outlines would hide the colour of bars and slices narrower than this.
constexpr int kOutlinedBarWidth = 4;
constexpr size_t kOutlinedSliceCount = 64;

std::vector<POINT> ToPoints(std::initializer_list<ChartXY> points) {
  std::vector<POINT> result;
  for (const ChartXY& point : points) result.push_back(POINT{point.x, point.y});
  return result;
}

// Brushes and pens by colour, made once per drawing: a chart of thousands of points uses
// the sixteen palette colours and a few shades of each.
class GdiCache {
 public:
  HBRUSH Brush(COLORREF color) {
    auto [it, added] = brushes_.try_emplace(color);
    if (added) it->second.reset(CreateSolidBrush(color));
    return it->second.get();
  }
  HPEN Pen(COLORREF color, int width = 1) {
    auto [it, added] = pens_.try_emplace(std::make_pair(color, width));
    if (added) it->second.reset(CreatePen(PS_SOLID, width, color));
    return it->second.get();
  }
  // Selects a fill and, when outlined, a pen of its darker shade.
  void Select(HDC dc, TColor fill, bool outlined) {
    SelectObject(dc, Brush(ColorToRGB(fill)));
    SelectObject(dc, outlined ? Pen(ColorToRGB(ShadeColor(fill, 0.5))) : GetStockObject(NULL_PEN));
  }

 private:
  std::map<COLORREF, BrushHandle> brushes_;
  std::map<std::pair<COLORREF, int>, PenHandle> pens_;
};

void FillPolygon(HDC dc, GdiCache& gdi, const std::vector<POINT>& points, TColor fill, bool outlined) {
  if (points.size() < 3) return;
  gdi.Select(dc, fill, outlined);
  Polygon(dc, points.data(), static_cast<int>(points.size()));
}

void DrawBars(HDC dc, GdiCache& gdi, const ChartLayout& layout) {
  const ChartXY d = layout.depth;
  for (const ChartBar& bar : layout.bars) {
    const ChartBox& f = bar.front;
    const bool outlined = f.Width() >= kOutlinedBarWidth;
    // Top and right faces first, in darker shades, then the front face over their edges.
    FillPolygon(dc, gdi,
                ToPoints({{f.left, f.top}, {f.right, f.top}, {f.right + d.x, f.top + d.y}, {f.left + d.x, f.top + d.y}}),
                ShadeColor(bar.color, 0.8), outlined);
    FillPolygon(dc, gdi,
                ToPoints({{f.right, f.top}, {f.right + d.x, f.top + d.y}, {f.right + d.x, f.bottom + d.y},
                          {f.right, f.bottom}}),
                ShadeColor(bar.color, 0.6), outlined);
    gdi.Select(dc, bar.color, outlined);
    Rectangle(dc, f.left, f.top, f.right + (outlined ? 0 : 1), f.bottom + (outlined ? 0 : 1));
  }
}

void DrawLine(HDC dc, GdiCache& gdi, const ChartLayout& layout) {
  const ChartXY d = layout.depth;
  for (const ChartSegment& segment : layout.segments) {
    const ChartXY a = segment.from, b = segment.to;
    FillPolygon(dc, gdi, ToPoints({a, b, {b.x + d.x, b.y + d.y}, {a.x + d.x, a.y + d.y}}),
                ShadeColor(segment.color, 0.75), false);
    SelectObject(dc, gdi.Pen(ColorToRGB(segment.color), 2));
    MoveToEx(dc, a.x, a.y, nullptr);
    LineTo(dc, b.x, b.y);
  }
}

void DrawPie(HDC dc, GdiCache& gdi, const ChartLayout& layout) {
  const bool outlined = layout.slices.size() <= kOutlinedSliceCount;
  const ChartBox& p = layout.pie;
  for (const ChartSlice& slice : layout.slices) {
    std::vector<POINT> side;
    for (const ChartXY& point : PieSidePolygon(p, layout.pieDepth, slice)) side.push_back(POINT{point.x, point.y});
    FillPolygon(dc, gdi, side, ShadeColor(slice.color, 0.6), outlined);
  }
  for (const ChartSlice& slice : layout.slices) {
    if (slice.sweepDegrees <= 0) continue;
    gdi.Select(dc, slice.color, outlined);
    if (slice.sweepDegrees >= 360) {
      Ellipse(dc, p.left, p.top, p.right, p.bottom);
      continue;
    }
    const ChartXY start = PieEdgePoint(p, slice.startDegrees);
    const ChartXY end = PieEdgePoint(p, slice.startDegrees + slice.sweepDegrees);
    if (start == end) continue;  // too thin to draw; GDI would fill the whole ellipse
    ::Pie(dc, p.left, p.top, p.right, p.bottom, start.x, start.y, end.x, end.y);
  }
}

void DrawMarks(HDC dc, GdiCache& gdi, const ChartLayout& layout) {
  SelectObject(dc, gdi.Pen(kMarkInk));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kMarkInk);
  for (const ChartMark& mark : layout.marks) {
    MoveToEx(dc, mark.from.x, mark.from.y, nullptr);
    LineTo(dc, mark.to.x, mark.to.y);
  }
  SelectObject(dc, gdi.Brush(kMarkBackground));
  for (const ChartMark& mark : layout.marks) {
    Rectangle(dc, mark.box.left, mark.box.top, mark.box.right, mark.box.bottom);
    RECT text{mark.box.left, mark.box.top, mark.box.right, mark.box.bottom};
    const std::wstring wide = Widen(mark.text);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
}

}  // namespace

TChart::TChart(TComponent* owner) : TCustomPanel(owner), Symbols(UserNumberSymbols()) { SetColor(clBtnFace); }

const ChartSeries* TChart::ActiveSeries() const {
  for (const ChartSeries& series : series_)
    if (series.Active()) return &series;
  return nullptr;
}

void TChart::ShowOnly(int index) {
  for (size_t i = 0; i < series_.size(); ++i) series_[i].SetActive(static_cast<int>(i) == index);
  Invalidate();
}

ChartLayout TChart::Layout() {
  MemoryDcHandle dc(CreateCompatibleDC(nullptr));
  DcStateGuard guard(dc.get());
  SelectObject(dc.get(), Font.Handle());
  auto measure = [&](const std::string& text) {
    const std::wstring wide = Widen(text);
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    return ChartSize{size.cx, size.cy};
  };
  static const ChartSeries kNothing(ChartView::Bar);
  const ChartSeries* active = ActiveSeries();
  return LayoutChart(active ? *active : kNothing, Title, ChartBox{0, 0, Width(), Height()}, measure, Symbols);
}

void TChart::PaintTo(HDC dc) {
  const ChartLayout layout = Layout();
  // Made before the guard, so the DC lets go of the cached objects before they are deleted.
  GdiCache gdi;
  DcStateGuard guard(dc);
  RECT client{0, 0, Width(), Height()};
  BrushHandle background(CreateSolidBrush(ColorToRGB(EffectiveColor())));
  FillRect(dc, &client, background.get());
  SelectObject(dc, Font.Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Font.Color));
  for (size_t i = 0; i < layout.titleLines.size(); ++i) {
    const ChartBox& box = layout.titleBoxes[i];
    const std::wstring wide = Widen(layout.titleLines[i]);
    TextOutW(dc, box.left, box.top, wide.c_str(), static_cast<int>(wide.size()));
  }
  switch (layout.view) {
    case ChartView::Bar:
      DrawBars(dc, gdi, layout);
      break;
    case ChartView::Line:
      DrawLine(dc, gdi, layout);
      break;
    case ChartView::Pie:
      DrawPie(dc, gdi, layout);
      break;
  }
  DrawMarks(dc, gdi, layout);
}

void TChart::PaintWindow(HDC dc) {
  HDC picture = buffer_.Prepare(dc, Width(), Height());
  {
    DcStateGuard guard(picture);
    PaintTo(picture);
  }
  buffer_.CopyTo(dc);
}

void TChart::WndProc(TMessage& message) {
  // The off-screen picture covers every pixel: erasing first would only flicker.
  if (message.Msg == WM_ERASEBKGND) {
    message.Result = 1;
    return;
  }
  TCustomPanel::WndProc(message);
}

}  // namespace zentavo
