#pragma once
#include <string>
#include <string_view>

#include "core/IniFile.h"

namespace zentavo {

// The active language file: sections per window, keys per element. A missing file or key
// gives the empty text, which is applied like any other.
class LanguageFile {
 public:
  LanguageFile() = default;
  // Reads the file in the system code page (or by its byte-order mark); a missing or
  // unreadable file reads as an empty one.
  static LanguageFile Load(const std::string& path);
  static LanguageFile FromText(std::string_view utf8);

  std::string Text(std::string_view section, std::string_view key) const {
    return ini_.ReadString(section, key, std::string());
  }

 private:
  IniFile ini_;
};

}  // namespace zentavo
