#include "program/win/ProgramWindows.h"

#include "app/ProgramName.h"
#include "app/win/CommonForm.h"
#include "framework/win/Application.h"
#include "ledger/win/MainForm.h"
#include "ledger/win/TemplateForm.h"
#include "report/win/ReportForm.h"
#include "localization/LanguageFile.h"
#include "skin/win/SkinEngine.h"

namespace zentavo {

ProgramWindows::ProgramWindows(const std::string& programFolder) {
  // Errors of the first steps are shown before the language file has named the program.
  Application().SetTitle(kProgramName);
  common_ = MakeComponent<TfrmCommon>(nullptr, programFolder);
  main_ = &Application().CreateForm<TfrmMain>(*common_);
  editor_ = &Application().CreateForm<TfrmTemplate>(*main_, *common_);
  report_ = &Application().CreateForm<TfrmReport>(main_->Ledger());
  Wire();
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
