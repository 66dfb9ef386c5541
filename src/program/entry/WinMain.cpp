#include <windows.h>

#include <optional>

#include "program/win/ProgramWindows.h"
#include "framework/win/Application.h"

using namespace zentavo;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  TApplication& application = Application();
  std::optional<ProgramWindows> windows;
  try {
    application.Initialize();
    windows.emplace(std::string(), ProgramStart{.splash = true, .backups = true});
    application.Run();
  } catch (...) {
    application.HandleException(std::current_exception());
  }
  return 0;
}
