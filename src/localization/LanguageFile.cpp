#include "localization/LanguageFile.h"

#include <filesystem>
#include <fstream>
#include <sstream>


namespace zentavo {

LanguageFile LanguageFile::Load(const std::string& path, unsigned codePage) {
  std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
  if (!in) return LanguageFile();
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return FromText(DecodeSystemText(bytes.str(), codePage));
}

LanguageFile LanguageFile::FromText(std::string_view utf8) {
  LanguageFile file;
  file.ini_ = IniFile::Parse(utf8);
  return file;
}

}  // namespace zentavo
