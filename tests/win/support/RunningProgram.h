#pragma once
// A test that starts the program's windows over a throw-away program folder with a ledger,
// "now" fixed to 2024-03-31 10:00, and the main window shown as at start-up.
#include <gtest/gtest.h>

#include <memory>

#include "program/win/ProgramWindows.h"
#include "ledger/win/MainForm.h"
#include "ledger/win/TemplateForm.h"
#include "report/win/ReportForm.h"
#include "win/support/ProgramFolder.h"

namespace zentavo::testing {

class RunningProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    folder.CreateLedgerFile();
  }
  void TearDown() override { windows.reset(); }

  void Start() {
    windows = std::make_unique<ProgramWindows>(folder.Folder());
    Main().Now = [] { return EncodeDateTime(2024, 3, 31, 10, 0, 0); };
    Report().Now = Main().Now;
    Main().Show();
    Pump();
  }
  TfrmMain& Main() { return windows->Main(); }
  TfrmTemplate& Editor() { return windows->Editor(); }
  TfrmReport& Report() { return windows->Report(); }

  ProgramFolder folder{::testing::UnitTest::GetInstance()->current_test_info()->name()};
  std::unique_ptr<ProgramWindows> windows;
};

}  // namespace zentavo::testing
