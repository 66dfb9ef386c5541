#include <gtest/gtest.h>

#include "charting/ChartLayout.h"

using namespace zentavo;

namespace {

// Every character 6 pixels wide, lines 13 high, like a small system font.
ChartSize Measure(const std::string& text) { return ChartSize{static_cast<int>(text.size()) * 6, 13}; }

const ChartBox kClient{0, 0, 482, 291};
const std::vector<std::string> kTitle{"", "Daily totals"};

ChartSeries Series(ChartView view, const std::vector<double>& values) {
  ChartSeries series(view);
  for (size_t i = 0; i < values.size(); ++i) series.Add(values[i], "2024-03-" + std::to_string(10 + i));
  return series;
}

bool AnyOverlap(const std::vector<ChartMark>& marks) {
  for (size_t i = 0; i < marks.size(); ++i)
    for (size_t j = i + 1; j < marks.size(); ++j)
      if (marks[i].box.Intersects(marks[j].box)) return true;
  return false;
}

TEST(ChartSeries, PointsTakeThePaletteInTurnsOfSixteen) {
  ChartSeries series(ChartView::Bar);
  for (int i = 0; i < 17; ++i) series.Add(i, "d");
  EXPECT_EQ(series.Points()[0].color, RGBColor(255, 0, 0));
  EXPECT_EQ(series.Points()[1].color, RGBColor(0, 128, 0));
  EXPECT_EQ(series.Points()[15].color, RGBColor(0, 0, 0));
  EXPECT_EQ(series.Points()[16].color, RGBColor(255, 0, 0));
  EXPECT_EQ(ShadeColor(RGBColor(200, 100, 50), 0.5), RGBColor(100, 50, 25));
}

TEST(ChartMarks, TextsUseTheValueAndPercentFormats) {
  EXPECT_EQ(ChartValueText(1234), "1,234");
  EXPECT_EQ(ChartValueText(-50), "-50");
  EXPECT_EQ(ChartValueText(1234567, NumberSymbols{",", "."}), "1.234.567");
  EXPECT_EQ(PieMarkText("2024-03-05", 300, 1200), "2024-03-05 25 % of 1,200");
  EXPECT_EQ(PieMarkText("2024-03-05", 300, 300), "2024-03-05 100 % of 300");
  EXPECT_EQ(PieMarkText("2024-03-05", 0, 0), "2024-03-05 100 % of 0");
  EXPECT_EQ(PieMarkText("d", 1, 3), "d 33.33 % of 3");
}

TEST(ChartLayout, WithoutPointsOnlyTheTitleIsLaidOut) {
  for (ChartView view : {ChartView::Bar, ChartView::Line, ChartView::Pie}) {
    const ChartLayout layout = LayoutChart(ChartSeries(view), kTitle, kClient, Measure);
    EXPECT_TRUE(layout.bars.empty() && layout.segments.empty() && layout.slices.empty() && layout.marks.empty());
    ASSERT_EQ(layout.titleBoxes.size(), 2u);
    // The caption stands on the second line, centred.
    EXPECT_GT(layout.titleBoxes[1].top, layout.titleBoxes[0].top);
    EXPECT_EQ(layout.titleBoxes[1].left, (482 - 12 * 6) / 2);
  }
}

TEST(ChartLayout, BarsStandInPointOrderUpOrDownFromZeroWithMarksOnTwentyPixelLines) {
  const ChartLayout layout = LayoutChart(Series(ChartView::Bar, {100, -50, 25}), kTitle, kClient, Measure);
  ASSERT_EQ(layout.bars.size(), 3u);
  EXPECT_LT(layout.bars[0].front.left, layout.bars[1].front.left);
  EXPECT_LT(layout.bars[1].front.left, layout.bars[2].front.left);
  EXPECT_EQ(layout.bars[0].color, RGBColor(255, 0, 0));
  const int zero = layout.bars[0].front.bottom;
  EXPECT_EQ(layout.bars[1].front.top, zero);  // the negative bar hangs from zero
  EXPECT_GT(layout.bars[1].front.bottom, zero);
  EXPECT_NEAR(layout.bars[0].front.Height(), 4 * layout.bars[2].front.Height(), 2);
  // The depth is 15 % of the plot, along the 45-degree diagonal.
  EXPECT_EQ(layout.depth.x, -layout.depth.y);
  EXPECT_GT(layout.depth.x, 0);
  ASSERT_EQ(layout.marks.size(), 3u);
  EXPECT_EQ(layout.marks[0].text, "100");
  EXPECT_EQ(layout.marks[1].text, "-50");
  EXPECT_EQ(layout.marks[0].from.y - layout.marks[0].to.y, kBarMarkLine);
  EXPECT_EQ(layout.marks[1].to.y - layout.marks[1].from.y, kBarMarkLine);
  EXPECT_EQ(layout.marks[0].box.bottom, layout.marks[0].to.y);
  EXPECT_EQ(layout.marks[1].box.top, layout.marks[1].to.y);
}

TEST(ChartLayout, LineSegmentsTakeTheColourOfThePointTheyLeadTo) {
  const ChartLayout layout = LayoutChart(Series(ChartView::Line, {10, 30, 20}), kTitle, kClient, Measure);
  ASSERT_EQ(layout.segments.size(), 2u);
  EXPECT_EQ(layout.segments[0].color, RGBColor(0, 128, 0));
  EXPECT_EQ(layout.segments[1].color, RGBColor(255, 255, 0));
  EXPECT_EQ(layout.segments[0].to, layout.segments[1].from);
  EXPECT_LT(layout.segments[0].to.y, layout.segments[0].from.y);  // 30 stands above 10
  ASSERT_EQ(layout.marks.size(), 3u);
  EXPECT_EQ(layout.marks[1].from.y - layout.marks[1].to.y, kLineMarkLine);
}

TEST(ChartLayout, PieSlicesShareTheCircleByAbsoluteValueFromAngleZero) {
  const ChartLayout layout = LayoutChart(Series(ChartView::Pie, {300, -600, 300}), kTitle, kClient, Measure);
  ASSERT_EQ(layout.slices.size(), 3u);
  EXPECT_DOUBLE_EQ(layout.slices[0].startDegrees, 0);
  EXPECT_DOUBLE_EQ(layout.slices[0].sweepDegrees, 90);
  EXPECT_DOUBLE_EQ(layout.slices[1].sweepDegrees, 180);
  EXPECT_DOUBLE_EQ(layout.slices[2].startDegrees, 270);
  EXPECT_EQ(layout.marks[1].text, "2024-03-11 50 % of 1,200");
  // Not forced to a circle: the pie takes the shape of the room the marks leave it.
  const ChartLayout wide =
      LayoutChart(Series(ChartView::Pie, {300, -600, 300}), kTitle, ChartBox{0, 0, 900, 291}, Measure);
  EXPECT_GT(wide.pie.Width(), 2 * wide.pie.Height());
  EXPECT_EQ(wide.pie.left - 0, 900 - wide.pie.right);
  EXPECT_GT(layout.pieDepth, 0);
  // Only slices in front show a side.
  EXPECT_TRUE(PieSidePolygon(layout.pie, layout.pieDepth, layout.slices[0]).empty());
  EXPECT_FALSE(PieSidePolygon(layout.pie, layout.pieDepth, layout.slices[1]).empty());
}

TEST(ChartLayout, ASinglePointFillsThePie) {
  const ChartLayout layout = LayoutChart(Series(ChartView::Pie, {300}), kTitle, kClient, Measure);
  ASSERT_EQ(layout.slices.size(), 1u);
  EXPECT_DOUBLE_EQ(layout.slices[0].sweepDegrees, 360);
  EXPECT_EQ(layout.marks[0].text, "2024-03-10 100 % of 300");
}

TEST(ChartLayout, CrowdedMarksMoveApartWhileTheyFit) {
  for (ChartView view : {ChartView::Bar, ChartView::Line, ChartView::Pie}) {
    const ChartLayout layout = LayoutChart(Series(view, {500, 510, 520, 530, 540, 550, 560, 570}), kTitle,
                                           kClient, Measure);
    EXPECT_FALSE(AnyOverlap(layout.marks)) << static_cast<int>(view);
    for (const ChartMark& mark : layout.marks) {
      EXPECT_GE(mark.box.top, kClient.top);
      EXPECT_LE(mark.box.bottom, kClient.bottom);
    }
  }
}

TEST(ChartLayout, PieMarksOfManySmallSlicesAreSpreadApartInsideTheClient) {
  std::vector<double> values{4000};
  for (int i = 0; i < 12; ++i) values.push_back(10 + i);
  const ChartLayout layout = LayoutChart(Series(ChartView::Pie, values), kTitle, kClient, Measure);
  EXPECT_FALSE(AnyOverlap(layout.marks));
  for (const ChartMark& mark : layout.marks) {
    EXPECT_GE(mark.box.left, kClient.left);
    EXPECT_LE(mark.box.right, kClient.right);
    EXPECT_GE(mark.box.top, kClient.top);
    EXPECT_LE(mark.box.bottom, kClient.bottom);
    // The line ends on the box's side, at its middle.
    EXPECT_EQ(mark.to.y, (mark.box.top + mark.box.bottom) / 2);
  }
}

TEST(ChartLayout, ThousandsOfPointsStayInsideTheClient) {
  std::vector<double> values;
  for (int i = 0; i < 3650; ++i) values.push_back((i * 37) % 1000 - 300);
  const ChartLayout layout = LayoutChart(Series(ChartView::Bar, values), kTitle, kClient, Measure);
  ASSERT_EQ(layout.bars.size(), 3650u);
  for (const ChartBar& bar : layout.bars) {
    EXPECT_GE(bar.front.left, kClient.left);
    EXPECT_LE(bar.front.right, kClient.right);
    EXPECT_GT(bar.front.Width(), 0);
  }
}

}  // namespace
