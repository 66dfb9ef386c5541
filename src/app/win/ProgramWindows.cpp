#include "app/win/ProgramWindows.h"

#include "app/win/CommonForm.h"
#include "framework/win/Application.h"
#include "ledger/win/MainForm.h"

namespace zentavo {

ProgramWindows::ProgramWindows(const std::string& programFolder) {
  common_ = std::make_unique<TfrmCommon>(nullptr, programFolder);
  SetCommonForm(common_.get());
  main_ = &Application().CreateForm<TfrmMain>(*common_);
  Application().SetTitle(main_->Caption());
  Wire();
}

ProgramWindows::~ProgramWindows() {
  Application().DestroyComponents();
  SetCommonForm(nullptr);
}

void ProgramWindows::Wire() {}

}  // namespace zentavo
