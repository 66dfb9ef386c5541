#include <windows.h>

#include "app/win/CommonForm.h"
#include "framework/win/Application.h"
#include "ledger/win/MainForm.h"

using namespace zentavo;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  TApplication& application = Application();
  std::unique_ptr<TfrmCommon> common;
  try {
    application.Initialize();
    common = std::make_unique<TfrmCommon>(nullptr);
    SetCommonForm(common.get());
    TfrmMain& main = application.CreateForm<TfrmMain>(*common);
    application.SetTitle(main.Caption());
    application.Run();
  } catch (...) {
    application.HandleException(std::current_exception());
  }
  application.DestroyComponents();
  SetCommonForm(nullptr);
  return 0;
}
