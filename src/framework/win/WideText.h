#pragma once
#include <string>
#include <string_view>

namespace zentavo {

// Text is UTF-8 inside the program; Win32 is called through the wide functions.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace zentavo
