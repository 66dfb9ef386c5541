#include "framework/win/RegionalSettings.h"

#include <windows.h>

#include "framework/win/WideText.h"

namespace zentavo {

namespace {

std::string LocaleText(LCTYPE type, const char* fallback) {
  wchar_t text[16] = {};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text, 16) <= 1) return fallback;
  return Narrow(text);
}

}  // namespace

NumberSymbols UserNumberSymbols() {
  return NumberSymbols{LocaleText(LOCALE_SDECIMAL, "."), LocaleText(LOCALE_STHOUSAND, ",")};
}

}  // namespace zentavo
