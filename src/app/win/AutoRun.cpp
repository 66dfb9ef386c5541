#include "app/win/AutoRun.h"

#include <windows.h>

#include "framework/win/Registry.h"
#include "framework/win/WideText.h"

namespace zentavo {

std::string ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return Narrow(path.substr(0, length));
    path.resize(path.size() * 2);
  }
}

bool IsAutoRun() {
  auto key = RegistryKey::Open(HKEY_LOCAL_MACHINE, kAutoRunKey, KEY_ALL_ACCESS);
  return key && key->HasValue(kAutoRunValue);
}

void SetAutoRun(bool on) {
  auto key = RegistryKey::Open(HKEY_LOCAL_MACHINE, kAutoRunKey, KEY_ALL_ACCESS);
  if (!key) return;
  if (on) {
    key->WriteString(kAutoRunValue, ExecutablePath());
  } else {
    key->DeleteValue(kAutoRunValue);
  }
}

}  // namespace zentavo
