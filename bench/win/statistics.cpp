// Times the statistics window over a million entries spread over about 3,650 days: the
// "all" period from the press of Query to a drawn chart in each view, and the drawing of a
// chart of thousands of points on its own.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "BenchLedger.h"
#include "program/win/ProgramWindows.h"
#include "framework/win/Application.h"
#include "ledger/win/MainForm.h"
#include "report/win/ReportForm.h"

using namespace zentavo;
using namespace zentavo::bench;

int main(int argc, char** argv) {
  const std::string folder = BenchFolder(argc > 1 ? std::atoi(argv[1]) : 1000000);
  Application().Initialize();
  ProgramWindows windows(folder);
  TfrmReport& report = windows.Report();
  windows.Main().Show();
  Application().ProcessMessages();
  report.Show();
  const char* views[] = {"bar", "line", "pie"};
  for (int run = 0; run < 2; ++run) {
    for (int view = 0; view < 3; ++view) {
      const auto start = Clock::now();
      report.datePickerStart.SetDateTime(EncodeDateTime(1900, 1, 1));
      report.datePickerStop.SetDateTime(EncodeDateTime(3000, 1, 1));
      report.ComboBoxView.SetItemIndex(view);
      report.buttonQuery.Click();
      const double queried = Milliseconds(start);
      RedrawWindow(report.Chart.Handle(), nullptr, nullptr, RDW_UPDATENOW);
      GdiFlush();
      std::printf("all period, %s view: %zu days queried in %.0f ms, drawn by %.0f ms\n", views[view],
                  report.Days().Days().size(), queried, Milliseconds(start));
    }
  }
  for (int view = 0; view < 3; ++view) {
    report.Chart.ShowOnly(view);
    const auto start = Clock::now();
    for (int i = 0; i < 10; ++i) {
      report.Chart.Invalidate();
      RedrawWindow(report.Chart.Handle(), nullptr, nullptr, RDW_UPDATENOW);
    }
    GdiFlush();
    std::printf("%s view of %zu points drawn in %.1f ms\n", views[view], report.Chart.Series(view).Points().size(),
                Milliseconds(start) / 10);
  }
  return 0;
}
