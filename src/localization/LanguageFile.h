#pragma once
#include <string>
#include <string_view>

#include "core/IniFile.h"
#include "core/SystemText.h"

namespace zentavo {

// The active language file: sections per window, keys per element. A missing file or key
// gives the empty text, which is applied like any other.
class LanguageFile {
 public:
  LanguageFile() = default;
  // Reads the file in the given code page (the system's by default; a byte-order mark
  // wins over both); a missing or unreadable file reads as an empty one.
  static LanguageFile Load(const std::string& path, unsigned codePage = kSystemCodePage);
  static LanguageFile FromText(std::string_view utf8);

  std::string Text(std::string_view section, std::string_view key) const {
    return ini_.ReadString(section, key, std::string());
  }

 private:
  IniFile ini_;
};

}  // namespace zentavo
