#include "program/win/ProgramWindows.h"

#include <chrono>

#include "app/ProgramName.h"
#include "app/win/CommonForm.h"
#include "app/win/SplashForm.h"
#include "app/win/StartupClock.h"
#include "framework/win/Application.h"
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
  main_ = &Application().CreateForm<TfrmMain>(*common_);
  editor_ = &Application().CreateForm<TfrmTemplate>(*main_, *common_);
  report_ = &Application().CreateForm<TfrmReport>(main_->Ledger());
  Wire();
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

ProgramWindows::~ProgramWindows() { Application().DestroyComponents(); }

void ProgramWindows::Wire() {
  // The skin choice of the common services reaches the engine on the main window.
  common_->SkinFileTarget = [this](const std::string& skinFile) { main_->suiSkinEngine.SetSkinFile(skinFile); };
  main_->OnAddEntry = [this](bool income) { editor_->AddEntry(income, main_->Now()); };
  main_->OnModifyEntry = [this](const EntryEditRequest& request) { editor_->ModifyEntry(request); };
  // The main window reads the language file; the others take their sections from it.
  main_->OnLanguageLoaded = [this](const LanguageFile& texts) {
    report_->ApplyLanguage(texts);
    editor_->ApplyLanguage(texts);
  };
  main_->OnShowStatistics = [this] {
    report_->OpenOnPeriod(main_->datePickerStart.DateTime(), main_->datePickerStop.DateTime(),
                          main_->comboBoxTime.ItemIndex());
  };
}

}  // namespace zentavo
