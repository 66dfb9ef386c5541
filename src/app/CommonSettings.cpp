#include "app/CommonSettings.h"

#include "core/IniFile.h"

namespace zentavo {

namespace {

constexpr const char* kSkinFiles[] = {
    "Calmness.ssk", "DiamondBlue.ssk", "DiamondGreen.ssk", "GlassGreen.ssk", "Longhorn.ssk", "MacOS.ssk",
    "MP10.ssk",     "MSN.ssk",         "OneBlue.ssk",      "Silver.ssk",     "SportsBlack.ssk", "SportsBlue.ssk",
    "Midsummer.ssk", "Emerald.ssk",    "Warm.ssk",         "XPBlue.ssk",     "XPGreen.ssk",  "XPSilver.ssk",
};

constexpr int kDefaultSkin = 10;

// The maker's addresses; one set per interface language.
constexpr const char* kSite = "https://zentavo.example.org/";

}  // namespace

CommonSettings CommonSettings::LoadSettings(const std::string& programFolder) {
  CommonSettings settings;
  settings.ProgramFolder = programFolder;
  settings.ConfigFile = programFolder + "config.ini";
  settings.IncomeTypeFile = programFolder + "incomeType.dat";
  settings.OutgoTypeFile = programFolder + "outgoType.dat";
  settings.LanguageId = IniFile::Load(settings.ConfigFile).ReadInteger("common", "language", 2);
  const bool chinese = settings.Chinese();
  settings.LanguageFile = programFolder + (chinese ? "language\\gb.ini" : "language\\en.ini");
  settings.LanguageCodePage = chinese ? 936 : 0;
  settings.HelpFile = programFolder + (chinese ? "dazed_ev.chm" : "money.chm");
  settings.SplashFile = programFolder + (chinese ? "splash-gb.bmp" : "splash-en.bmp");
  const std::string site = std::string(kSite) + (chinese ? "zh/" : "en/");
  settings.HomePage = site;
  settings.SupportAddress = chinese ? "mailto:zhichi@zentavo.example.org" : "mailto:support@zentavo.example.org";
  settings.FeedbackAddress = site + "feedback";
  for (size_t i = 0; i < settings.ProductPages.size(); ++i)
    settings.ProductPages[i] = site + "products/" + std::to_string(i + 1);
  return settings;
}

std::string SkinFileName(int index) {
  if (index < 1 || index > 18) index = kDefaultSkin;
  return kSkinFiles[index - 1];
}

std::string SkinFilePath(const CommonSettings& settings, int index) {
  return settings.ProgramFolder + "skins\\" + SkinFileName(index);
}

int ReadSkinIndex(const CommonSettings& settings) {
  return IniFile::Load(settings.ConfigFile).ReadInteger("skin", "skin", kDefaultSkin);
}

void SaveSkinIndex(const CommonSettings& settings, int index) {
  IniFile file = IniFile::Load(settings.ConfigFile);
  file.Write("skin", "skin", std::to_string(index));
  file.Save(settings.ConfigFile);
}

}  // namespace zentavo
