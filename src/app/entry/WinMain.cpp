#include <windows.h>

#include "framework/win/Application.h"
#include "ledger/win/MainForm.h"

using namespace zentavo;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  TApplication& application = Application();
  try {
    application.Initialize();
    TfrmMain& main = application.CreateForm<TfrmMain>();
    application.SetTitle(main.Caption());
    application.Run();
  } catch (...) {
    application.HandleException(std::current_exception());
  }
  application.DestroyComponents();
  return 0;
}
