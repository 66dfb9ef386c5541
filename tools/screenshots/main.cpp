// Opens the program's windows over a sample ledger in a throw-away program folder and saves
// pictures of them: the main window, the entry editor, and the statistics window in its
// bar, line and pie views.
//   screenshots DATA_FOLDER OUT_FOLDER
// DATA_FOLDER holds the distribution's data files (language\...); OUT_FOLDER receives the
// BMP pictures.
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "program/win/ProgramWindows.h"
#include "framework/win/Application.h"
#include "framework/win/WindowCapture.h"
#include "framework/win/WideText.h"
#include "ledger/LedgerStatement.h"
#include "ledger/LedgerStore.h"
#include "ledger/win/MainForm.h"
#include "ledger/win/TemplateForm.h"
#include "report/win/ReportForm.h"

using namespace zentavo;
namespace fs = std::filesystem;

namespace {

void Seed(const std::string& ledger) {
  CreateLedger(ledger);
  LedgerStore store;
  store.ConnectLedger(ledger);
  struct Sample {
    int day, hour;
    bool income;
    const char *category, *amount, *note;
  };
  const Sample samples[] = {
      {1, 9, true, "Salary", "4200", "March salary"}, {1, 12, false, "Food", "18.5", "Lunch"},
      {2, 8, false, "Transport", "6", "Bus pass top-up"}, {3, 19, false, "Food", "42.8", "Groceries"},
      {4, 20, false, "Utilities", "310.25", "Electricity and water"}, {5, 10, true, "Interest", "12.4", "Savings"},
      {5, 13, false, "Food", "21", "Lunch"}, {6, 18, false, "Rent", "1800", "March rent"},
      {8, 11, true, "Bonus", "600", "Quarterly bonus"}, {9, 15, false, "Clothing", "259", "Shoes"},
      {11, 12, false, "Food", "16.5", "Lunch"}, {12, 19, false, "Entertainment", "88", "Concert"},
      {14, 9, false, "Health", "45", "Pharmacy"}, {15, 10, true, "Refund", "59", "Returned jacket"},
      {17, 18, false, "Food", "63.2", "Groceries"}, {19, 8, false, "Transport", "120", "Train tickets"},
      {22, 16, false, "Gifts", "150", "Birthday present"}, {25, 12, false, "Food", "24", "Lunch"},
      {28, 20, false, "Communication", "49", "Phone bill"}};
  for (const Sample& s : samples) {
    const TDateTime at = EncodeDateTime(2024, 3, s.day, s.hour, 15, 0);
    store.ExecuteLedgerCommand(s.income ? AddIncomeStatement(at, at, s.category, s.note, s.amount)
                                        : AddOutgoStatement(at, at, s.category, s.note, s.amount));
  }
}

// The window as the screen shows it, frame included, as a 24-bit BMP file.
void Save(HWND window, const fs::path& file) {
  CaptureWindow(window).SaveToFile(file);
  std::printf("screenshots: %s\n", file.string().c_str());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: screenshots DATA_FOLDER OUT_FOLDER\n");
    return 2;
  }
  const fs::path data = argv[1], out = argv[2];
  const fs::path folder = fs::temp_directory_path() / "zentavo-screenshots";
  fs::remove_all(folder);
  fs::create_directories(folder);
  fs::copy(data / "language", folder / "language", fs::copy_options::recursive);
  for (const char* list : {"incomeType.dat", "outgoType.dat"})
    if (fs::exists(data / list)) fs::copy_file(data / list, folder / list);
  fs::create_directories(out);
  const std::string programFolder = Narrow(folder.wstring()) + "\\";
  Seed(programFolder + "money.mdb");

  Application().Initialize();
  {
    ProgramWindows windows(programFolder);
    TfrmMain& main = windows.Main();
    main.Now = [] { return EncodeDateTime(2024, 3, 31, 10, 0, 0); };
    windows.Report().Now = main.Now;
    main.Show();
    Save(main.Handle(), out / "main.bmp");

    main.N1_2.Click();
    windows.Editor().SetBounds(main.Left() + 60, main.Top() + 80, windows.Editor().Width(), windows.Editor().Height());
    Save(windows.Editor().Handle(), out / "editor.bmp");
    windows.Editor().Hide();

    TfrmReport& report = windows.Report();
    main.N2_1.Click();
    const char* views[] = {"report-bar.bmp", "report-line.bmp", "report-pie.bmp"};
    for (int view = 0; view < 3; ++view) {
      report.ComboBoxView.SetItemIndex(view);
      report.buttonQuery.Click();
      Save(report.Handle(), out / views[view]);
    }
  }
  fs::remove_all(folder);
  return 0;
}
