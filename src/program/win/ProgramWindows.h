#pragma once
#include <memory>
#include <string>

#include "framework/Component.h"

namespace zentavo {

class TfrmCommon;
class TfrmMain;
class TfrmTemplate;
class TfrmReport;
class TfrmSplash;
class LedgerAutoBackup;
class LedgerDataCommands;

// How the windows start. The program shows its splash window first; tests and tools, which
// start the windows many times over, go without it.
struct ProgramStart {
  bool splash = false;
  // The program's own dated copies of its ledger, at the start and after the first change.
  bool backups = false;
  // The length of each of the splash's two fades.
  int splashFadeMilliseconds = 1000;
};

// The program's windows in start-up order, created through the application object and
// wired to each other: the common services, the splash (shown and closed again before any
// other window is made), the main window (which opens the ledger), then the entry editor
// and the statistics window, hidden.
class ProgramWindows {
 public:
  // programFolder empty: the executable's folder.
  explicit ProgramWindows(const std::string& programFolder = {}, const ProgramStart& start = {});
  ~ProgramWindows();
  ProgramWindows(const ProgramWindows&) = delete;
  ProgramWindows& operator=(const ProgramWindows&) = delete;

  TfrmCommon& Common() { return *common_; }
  TfrmMain& Main() { return *main_; }
  TfrmTemplate& Editor() { return *editor_; }
  TfrmReport& Report() { return *report_; }
  // Null when started without the splash.
  TfrmSplash* Splash() { return splash_.get(); }
  // The Tools menu's restore, export and import.
  LedgerDataCommands& DataCommands() { return *dataCommands_; }
  // Null when started without the program's own copies.
  LedgerAutoBackup* AutoBackup() { return autoBackup_.get(); }

 private:
  void Wire();
  void ShowSplash(int fadeMilliseconds);
  void StartBackups();
  ComponentPtr<TfrmCommon> common_;
  // Hidden after start-up and kept, unowned, until the program ends.
  ComponentPtr<TfrmSplash> splash_;
  TfrmMain* main_ = nullptr;  // owned by the application object
  TfrmTemplate* editor_ = nullptr;  // likewise
  TfrmReport* report_ = nullptr;     // likewise
  std::unique_ptr<LedgerAutoBackup> autoBackup_;
  std::unique_ptr<LedgerDataCommands> dataCommands_;
};

}  // namespace zentavo
