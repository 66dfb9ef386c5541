#pragma once
#include <memory>
#include <string>

#include "framework/Component.h"

namespace zentavo {

class TfrmCommon;
class TfrmMain;
class TfrmTemplate;
class TfrmReport;

// The program's windows in start-up order, created through the application object and
// wired to each other: the common services, the main window (which opens the ledger),
// then the entry editor and the statistics window, hidden.
class ProgramWindows {
 public:
  // programFolder empty: the executable's folder.
  explicit ProgramWindows(const std::string& programFolder = {});
  ~ProgramWindows();
  ProgramWindows(const ProgramWindows&) = delete;
  ProgramWindows& operator=(const ProgramWindows&) = delete;

  TfrmCommon& Common() { return *common_; }
  TfrmMain& Main() { return *main_; }
  TfrmTemplate& Editor() { return *editor_; }
  TfrmReport& Report() { return *report_; }

 private:
  void Wire();
  ComponentPtr<TfrmCommon> common_;
  TfrmMain* main_ = nullptr;  // owned by the application object
  TfrmTemplate* editor_ = nullptr;  // likewise
  TfrmReport* report_ = nullptr;     // likewise
};

}  // namespace zentavo
