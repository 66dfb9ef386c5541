#pragma once
#include <array>
#include <string>

namespace zentavo {

// Everything the program takes from its folder and config.ini at start: file paths, the
// interface language and the web addresses of that language. Fixed after LoadSettings.
struct CommonSettings {
  std::string ProgramFolder;  // with a trailing backslash
  std::string ConfigFile;
  std::string IncomeTypeFile;
  std::string OutgoTypeFile;
  int LanguageId = 2;  // 1 Chinese, anything else English
  std::string LanguageFile;
  // gb.ini is written in code page 936 and read in it on every system, so the Chinese
  // texts survive a system whose code page is another; en.ini is plain ASCII.
  unsigned LanguageCodePage = 0;
  std::string HelpFile;
  std::string SplashFile;
  std::string HomePage;
  std::string SupportAddress;
  std::string FeedbackAddress;
  std::array<std::string, 7> ProductPages;

  bool Chinese() const { return LanguageId == 1; }
  std::string UpdaterFile() const { return ProgramFolder + "update.EXE"; }

  // Fills every item from the program folder and config.ini (section common, key
  // language, default 2; a value that is not an integer gives the default).
  static CommonSettings LoadSettings(const std::string& programFolder);
};

// The skin package file of a skin index: the folder "skins\" of the program and the file of
// the index; indexes outside 1..18 give "Silver.ssk".
std::string SkinFileName(int index);
std::string SkinFilePath(const CommonSettings& settings, int index);
// config.ini, section skin, key skin; default 10; read anew at each call.
int ReadSkinIndex(const CommonSettings& settings);
// Fails with "Unable to write to <config.ini path>".
void SaveSkinIndex(const CommonSettings& settings, int index);

}  // namespace zentavo
