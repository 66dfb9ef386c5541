#include "localization/LanguageFile.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/SystemText.h"

namespace zentavo {

LanguageFile LanguageFile::Load(const std::string& path) {
  std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
  if (!in) return LanguageFile();
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return FromText(DecodeSystemText(bytes.str()));
}

LanguageFile LanguageFile::FromText(std::string_view utf8) {
  LanguageFile file;
  file.ini_ = IniFile::Parse(utf8);
  return file;
}

}  // namespace zentavo
