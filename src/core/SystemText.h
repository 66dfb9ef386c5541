#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace zentavo {

// Stands for the system's ANSI code page.
inline constexpr unsigned kSystemCodePage = 0;

// Files in "the system code page" (language files, category lists) are read with the
// system's ANSI code page unless they start with a byte-order mark (UTF-8 or UTF-16 LE),
// and turned into the program's UTF-8. Outside Windows the system code page is UTF-8.
// A known code page (936 for Chinese text, say) replaces the system's, so that a file
// written for one code page reads the same on every system.
std::string DecodeSystemText(std::string_view bytes, unsigned codePage = kSystemCodePage);

// The UTF-8 text in the system code page, or nothing when the code page cannot hold every
// character (so the caller can choose another encoding instead of writing '?').
std::optional<std::string> EncodeSystemText(std::string_view utf8);

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

}  // namespace zentavo
