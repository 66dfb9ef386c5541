#pragma once
#include <array>
#include <string>
#include <vector>

#include "charting/ChartLayout.h"
#include "charting/ChartSeries.h"
#include "framework/win/ExtCtrls.h"
#include "framework/win/OffscreenBuffer.h"

namespace zentavo {

// The chart control: a title and three series (bar, line, pie), of which the active one
// is drawn in its 3D view. Drawn in one go from an off-screen bitmap, so a redraw never
// flickers.
class TChart : public TCustomPanel {
  ZENTAVO_CLASS(TChart, TCustomPanel)
 public:
  explicit TChart(TComponent* owner);

  // Title lines from the top; the first is empty, a caption is appended after it.
  std::vector<std::string> Title{""};
  // The digit symbols of the mark texts; the user's regional settings by default.
  NumberSymbols Symbols;

  static constexpr int kSeriesCount = 3;
  ChartSeries& Series(int index) { return series_.at(static_cast<size_t>(index)); }
  // The active series, or none before one was made active.
  const ChartSeries* ActiveSeries() const;
  // Makes only the series at `index` active (none for an index outside 0..2) and redraws.
  void ShowOnly(int index);

  // Where everything goes at the control's present size and font.
  ChartLayout Layout();
  // Draws the whole chart onto `dc` (origin at the control's top left).
  void PaintTo(HDC dc);

 protected:
  void PaintWindow(HDC dc) override;
  void WndProc(TMessage& message) override;

 private:
  std::array<ChartSeries, kSeriesCount> series_{ChartSeries(ChartView::Bar), ChartSeries(ChartView::Line),
                                                ChartSeries(ChartView::Pie)};
  OffscreenBuffer buffer_;
};

}  // namespace zentavo
