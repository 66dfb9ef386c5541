#include "program/win/ProgramWindows.h"

#include <chrono>

#include "app/ProgramName.h"
#include "app/win/CommonForm.h"
#include "app/win/SplashForm.h"
#include "app/win/StartupClock.h"
#include "framework/win/Application.h"
#include "framework/win/Timer.h"
#include "ledger/AutoBackup.h"
#include "ledger/BackupPlan.h"
#include "ledger/win/LedgerDataCommands.h"
#include "ledger/win/MainForm.h"
#include "ledger/win/TemplateForm.h"
#include "report/win/ReportForm.h"
#include "localization/LanguageFile.h"
#include "skin/win/SkinEngine.h"

namespace zentavo {

ProgramWindows::ProgramWindows(const std::string& programFolder, const ProgramStart& start) {
  // Errors of the first steps are shown before the language file has named the program.
  Application().SetTitle(kProgramName);
  common_ = MakeComponent<TfrmCommon>(nullptr, programFolder);
  if (start.splash) ShowSplash(start.splashFadeMilliseconds);
  const std::string backupFolder = common_->Settings().ProgramFolder + std::string(kBackupFolderName);
  // The copy of the start is under way (on its own connection) before the main window
  // opens the ledger for use.
  if (start.backups) {
    autoBackup_ = std::make_unique<LedgerAutoBackup>(common_->Settings().ProgramFolder + "money.mdb", backupFolder);
    autoBackup_->StartOfRun();
  }
  main_ = &Application().CreateForm<TfrmMain>(*common_);
  editor_ = &Application().CreateForm<TfrmTemplate>(*main_, *common_);
  report_ = &Application().CreateForm<TfrmReport>(main_->Ledger());
  dataCommands_ = std::make_unique<LedgerDataCommands>(*main_, backupFolder, autoBackup_.get());
  Wire();
  if (autoBackup_) StartBackups();
}

// A copy follows the run's first change; a copy that fails is told once per run, and the
// program goes on. The watch runs only while a copy is under way.
void ProgramWindows::StartBackups() {
  TTimer& watch = main_->Make<TTimer>();
  watch.SetInterval(1000);
  watch.OnTimer = [this, &watch](TComponent*) {
    // Asked first: a copy that has ended has set its failure already.
    const bool done = !autoBackup_->Busy();
    if (const std::optional<std::string> failure = autoBackup_->TakeFailure())
      Application().ShowMessageBox(main_->HandleAllocated() ? main_->Handle() : nullptr, *failure,
                                   Application().Title(), MB_OK | MB_ICONWARNING);
    if (done) watch.SetEnabled(false);
  };
  watch.SetEnabled(true);
  main_->Ledger().OnChanged = [this, &watch] {
    autoBackup_->Changed();
    watch.SetEnabled(true);
  };
}

// The start waits through both fades; the time goes to the start-up clock, which keeps
// it apart from the program's own start.
void ProgramWindows::ShowSplash(int fadeMilliseconds) {
  splash_ = MakeComponent<TfrmSplash>(nullptr, common_->Settings().SplashFile);
  splash_->FadeMilliseconds = fadeMilliseconds;
  const auto shown = std::chrono::steady_clock::now();
  splash_->Show();
  ::UpdateWindow(splash_->Handle());
  splash_->Close();
  NoteSplashTime(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - shown).count());
}

ProgramWindows::~ProgramWindows() {
  // A copy under way ends before the windows go; the ledger is closed by then as ever.
  if (autoBackup_) autoBackup_->Wait();
  Application().DestroyComponents();
}

void ProgramWindows::Wire() {
  // The skin choice of the common services reaches the engine on the main window.
  common_->SkinFileTarget = [this](const std::string& skinFile) { main_->suiSkinEngine.SetSkinFile(skinFile); };
  main_->OnAddEntry = [this](bool income) { editor_->AddEntry(income, main_->Now()); };
  main_->OnModifyEntry = [this](const EntryEditRequest& request) { editor_->ModifyEntry(request); };
  // The main window reads the language file; the others take their sections from it.
  main_->OnLanguageLoaded = [this](const LanguageFile& texts) {
    report_->ApplyLanguage(texts);
    editor_->ApplyLanguage(texts);
    dataCommands_->ApplyLanguage(texts);
  };
  main_->OnShowStatistics = [this] {
    report_->OpenOnPeriod(main_->datePickerStart.DateTime(), main_->datePickerStop.DateTime(),
                          main_->comboBoxTime.ItemIndex());
  };
}

}  // namespace zentavo
