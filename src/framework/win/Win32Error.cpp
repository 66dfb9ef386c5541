#include "framework/win/Win32Error.h"

#include <windows.h>

#include "framework/win/WideText.h"

namespace zentavo {

std::string SystemErrorText(unsigned long code) {
  wchar_t* buffer = nullptr;
  DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::string text = length ? Narrow(std::wstring_view(buffer, length)) : "System error " + std::to_string(code);
  if (buffer) LocalFree(buffer);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
  return text;
}

Win32Error::Win32Error(const std::string& context) : Win32Error(context, GetLastError()) {}

Win32Error::Win32Error(const std::string& context, unsigned long code)
    : Error(context + ": " + SystemErrorText(code)) {}

}  // namespace zentavo
