#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace zentavo {

// Files in "the system code page" (language files, category lists) are read with the
// system's ANSI code page unless they start with a byte-order mark (UTF-8 or UTF-16 LE),
// and turned into the program's UTF-8. Outside Windows the system code page is UTF-8.
std::string DecodeSystemText(std::string_view bytes);

// The UTF-8 text in the system code page, or nothing when the code page cannot hold every
// character (so the caller can choose another encoding instead of writing '?').
std::optional<std::string> EncodeSystemText(std::string_view utf8);

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

}  // namespace zentavo
