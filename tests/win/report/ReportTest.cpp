// The statistics window as the program runs it: opened from the main window, queried,
// switched between views, and its chart checked pixel by pixel.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "program/win/ProgramWindows.h"
#include "framework/win/Handles.h"
#include "ledger/win/MainForm.h"
#include "report/win/ReportForm.h"
#include "win/support/RunningProgram.h"

namespace zentavo::testing {
namespace {

class StatisticsWindow : public RunningProgram {
 protected:
  const ChartSeries* Active() { return Report().Chart.ActiveSeries(); }
  // Picks a period entry as the user does: the box reports the change to its parent.
  void ChoosePeriod(int index) {
    Report().comboBoxTime.SetItemIndex(index);
    SendMessageW(Report().groupBoxTime.Handle(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Report().comboBoxTime.Handle()));
  }

  // The chart as drawn, in a bitmap of its own.
  struct Picture {
    MemoryDcHandle dc;
    BitmapHandle bitmap;
    COLORREF At(int x, int y) const { return GetPixel(dc.get(), x, y); }
  };
  Picture Draw() {
    TChart& chart = Report().Chart;
    WindowDc screen(nullptr);
    Picture picture{MemoryDcHandle(CreateCompatibleDC(screen.get())),
                    BitmapHandle(CreateCompatibleBitmap(screen.get(), chart.Width(), chart.Height()))};
    SelectObject(picture.dc.get(), picture.bitmap.get());
    chart.PaintTo(picture.dc.get());
    return picture;
  }
};

TEST_F(StatisticsWindow, OpensOnTheMainWindowsPeriodAndEntryAndQueriesAtOnce) {
  folder.Add(true, EncodeDateTime(2024, 3, 5, 9, 0, 0), "100");
  folder.Add(false, EncodeDateTime(2024, 3, 5, 12, 0, 0), "30");
  folder.Add(false, EncodeDateTime(2024, 3, 5, 19, 0, 0), "20");
  folder.Add(true, EncodeDateTime(2024, 3, 7, 10, 0, 0), "50");
  folder.Add(true, EncodeDateTime(2024, 4, 2, 10, 0, 0), "999");
  Start();
  EXPECT_FALSE(IsWindowVisible(Report().Handle()));

  Main().N2_1.Click();
  Pump();
  EXPECT_TRUE(IsWindowVisible(Report().Handle()));
  EXPECT_EQ(Report().datePickerStart.DateTime(), Main().datePickerStart.DateTime());
  EXPECT_EQ(Report().datePickerStop.DateTime(), Main().datePickerStop.DateTime());
  EXPECT_EQ(Report().comboBoxTime.ItemIndex(), 3);
  EXPECT_EQ(Report().comboBoxTime.ItemCount(), 8);
  EXPECT_EQ(Report().comboBoxTime.Item(3), "This month");
  EXPECT_EQ(Report().ComboBoxView.ItemIndex(), 0);
  ASSERT_EQ(Active(), &Report().Chart.Series(0));
  ASSERT_EQ(Active()->Points().size(), 2u);
  EXPECT_EQ(Active()->Points()[0].value, 50);
  EXPECT_EQ(Active()->Points()[0].label, "2024-03-05");
  EXPECT_EQ(Active()->Points()[1].value, 50);
  // All three series hold the same points.
  EXPECT_EQ(Report().Chart.Series(2).Points().size(), 2u);

  // Content "收入" at the next query.
  EXPECT_EQ(Report().comboBoxDataType.Item(1), "收入");
  Report().comboBoxDataType.SetItemIndex(1);
  Report().buttonQuery.Click();
  EXPECT_EQ(Active()->Points()[0].value, 100);
}

TEST_F(StatisticsWindow, ThePopupMenuSwitchesViewsWithoutAQueryUntilTheNextQuery) {
  folder.Add(true, EncodeDateTime(2024, 3, 5, 9, 0, 0), "100");
  Start();
  Main().N2_1.Click();
  Pump();
  ASSERT_EQ(Report().popMenuReportView.Items().Count(), 3);
  EXPECT_EQ(Report().popMenuReporView3.Caption(), "Pie");
  folder.Add(true, EncodeDateTime(2024, 3, 6, 9, 0, 0), "5");  // not seen until a query

  Report().popMenuReporView3.Click();
  ASSERT_EQ(Active(), &Report().Chart.Series(2));
  EXPECT_EQ(Active()->Points().size(), 1u);
  EXPECT_EQ(Report().ComboBoxView.ItemIndex(), 0);

  Report().ComboBoxView.SetItemIndex(1);
  Report().buttonQuery.Click();
  ASSERT_EQ(Active(), &Report().Chart.Series(1));
  EXPECT_EQ(Active()->Points().size(), 2u);
}

TEST_F(StatisticsWindow, EditingADateSelectsEntryZeroWithoutQueryingAndPresetsQuery) {
  folder.Add(true, EncodeDateTime(2024, 3, 5, 9, 0, 0), "100");
  folder.Add(true, EncodeDateTime(2023, 6, 5, 9, 0, 0), "7");
  Start();
  Main().N2_1.Click();
  Pump();
  ASSERT_EQ(Active()->Points().size(), 1u);

  folder.Add(true, EncodeDateTime(2024, 2, 10, 9, 0, 0), "3");  // shown only after a query
  // A date picked by hand: the picker reports the change as the user's.
  SYSTEMTIME day{2024, 2, 0, 1, 8, 30, 0, 0};
  NMDATETIMECHANGE change{};
  change.nmhdr = {Report().datePickerStart.Handle(), 0, static_cast<UINT>(DTN_DATETIMECHANGE)};
  change.dwFlags = GDT_VALID;
  change.st = day;
  SendMessageW(Report().groupBoxTime.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
  EXPECT_EQ(Report().comboBoxTime.ItemIndex(), 0);
  EXPECT_EQ(Active()->Points().size(), 1u);
  // The edited date keeps the picker's time of day.
  EXPECT_EQ(FormatDateTime(Report().datePickerStart.DateTime()), "2024-02-01 00:00:00");
  Report().buttonQuery.Click();
  EXPECT_EQ(Active()->Points().size(), 2u);

  // Entry 7 (all) queries at once, from 1900 to 3000.
  ChoosePeriod(7);
  EXPECT_EQ(FormatDateTime(Report().datePickerStart.DateTime()), "1900-01-01 00:00:00");
  EXPECT_EQ(FormatDateTime(Report().datePickerStop.DateTime()), "3000-01-01 00:00:00");
  EXPECT_EQ(Active()->Points().size(), 3u);
}

TEST_F(StatisticsWindow, TheChartDrawsRedFirstBarsYellowMarksAndOnlyTheTitleWhenEmpty) {
  folder.Add(true, EncodeDateTime(2024, 3, 5, 9, 0, 0), "100");
  folder.Add(true, EncodeDateTime(2024, 3, 6, 9, 0, 0), "60");
  Start();
  Main().N2_1.Click();
  Pump();
  ASSERT_EQ(Report().Chart.Title.size(), 2u);
  EXPECT_EQ(Report().Chart.Title[0], "");
  EXPECT_EQ(Report().Chart.Title[1], "Daily totals");

  ChartLayout layout = Report().Chart.Layout();
  ASSERT_EQ(layout.bars.size(), 2u);
  Picture picture = Draw();
  const ChartBox& bar = layout.bars[0].front;
  EXPECT_EQ(picture.At((bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2), RGB(255, 0, 0));
  EXPECT_EQ(picture.At((layout.bars[1].front.left + layout.bars[1].front.right) / 2, layout.bars[1].front.bottom - 2),
            RGB(0, 128, 0));
  const ChartBox& mark = layout.marks[0].box;
  EXPECT_EQ(picture.At(mark.left + 1, mark.top + 1), RGB(255, 255, 128));
  EXPECT_EQ(picture.At(mark.left, mark.top), RGB(0, 0, 0));  // the frame

  // An empty period: nothing but the title.
  ChoosePeriod(6);
  layout = Report().Chart.Layout();
  EXPECT_TRUE(layout.bars.empty() && layout.marks.empty());
  picture = Draw();
  const COLORREF background = picture.At(1, 1);
  int inked = 0;
  for (int y = layout.titleBoxes.back().bottom + 1; y < Report().Chart.Height(); y += 3)
    for (int x = 0; x < Report().Chart.Width(); x += 3) inked += picture.At(x, y) != background;
  EXPECT_EQ(inked, 0);
}

TEST_F(StatisticsWindow, ClosingHidesAndRequeriesLeaveNoHandlesBehind) {
  for (int day = 1; day <= 20; ++day) folder.Add(day % 2 == 0, EncodeDateTime(2024, 3, day, 9, 0, 0), "10");
  Start();
  Main().N2_1.Click();
  Pump();
  const int gdi = LiveHandleCount(HandleKind::Gdi);
  for (int view = 0; view < 3; ++view) {
    Report().ComboBoxView.SetItemIndex(view);
    Report().buttonQuery.Click();
    RedrawWindow(Report().Chart.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
  EXPECT_EQ(LiveHandleCount(HandleKind::Gdi), gdi);
  Report().Close();
  Pump();
  EXPECT_FALSE(IsWindowVisible(Report().Handle()));
  EXPECT_TRUE(IsWindow(Report().Handle()));
}

}  // namespace
}  // namespace zentavo::testing
