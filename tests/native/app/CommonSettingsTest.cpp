#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/CommonSettings.h"
#include "core/Error.h"

using namespace zentavo;

namespace {

class CommonSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = std::filesystem::temp_directory_path() /
           ("zentavo-settings-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root);
    folder = root.string() + "/";
  }
  void TearDown() override { std::filesystem::remove_all(root); }
  void WriteConfig(const std::string& text) { std::ofstream(root / "config.ini") << text; }

  std::filesystem::path root;
  std::string folder;
};

}  // namespace

TEST_F(CommonSettingsTest, NoConfigGivesTheEnglishInterface) {
  CommonSettings settings = CommonSettings::LoadSettings(folder);
  EXPECT_EQ(settings.LanguageId, 2);
  EXPECT_EQ(settings.LanguageFile, folder + "language\\en.ini");
  EXPECT_EQ(settings.HelpFile, folder + "money.chm");
  EXPECT_EQ(settings.SplashFile, folder + "splash-en.bmp");
  EXPECT_EQ(settings.ConfigFile, folder + "config.ini");
  EXPECT_EQ(settings.IncomeTypeFile, folder + "incomeType.dat");
  EXPECT_EQ(settings.OutgoTypeFile, folder + "outgoType.dat");
  EXPECT_EQ(settings.UpdaterFile(), folder + "update.EXE");
}

TEST_F(CommonSettingsTest, LanguageOneSelectsChineseFilesAndAddresses) {
  WriteConfig("[common]\nlanguage=1\n");
  CommonSettings chinese = CommonSettings::LoadSettings(folder);
  EXPECT_EQ(chinese.LanguageFile, folder + "language\\gb.ini");
  EXPECT_EQ(chinese.HelpFile, folder + "dazed_ev.chm");
  EXPECT_EQ(chinese.SplashFile, folder + "splash-gb.bmp");
  WriteConfig("[common]\nlanguage=2\n");
  CommonSettings english = CommonSettings::LoadSettings(folder);
  EXPECT_NE(chinese.HomePage, english.HomePage);
  EXPECT_NE(chinese.ProductPages[6], english.ProductPages[6]);
  EXPECT_EQ(english.SupportAddress.rfind("mailto:", 0), 0u);
}

TEST_F(CommonSettingsTest, OtherLanguageValuesGiveEnglish) {
  for (const char* value : {"3", "0", "x", ""}) {
    WriteConfig(std::string("[common]\nlanguage=") + value + "\n");
    EXPECT_EQ(CommonSettings::LoadSettings(folder).LanguageFile, folder + "language\\en.ini") << value;
  }
}

TEST_F(CommonSettingsTest, SkinIndexDefaultsToSilverAndOutOfRangeIndexesToo) {
  CommonSettings settings = CommonSettings::LoadSettings(folder);
  EXPECT_EQ(ReadSkinIndex(settings), 10);
  EXPECT_EQ(SkinFilePath(settings, ReadSkinIndex(settings)), folder + "skins\\Silver.ssk");
  EXPECT_EQ(SkinFileName(0), "Silver.ssk");
  EXPECT_EQ(SkinFileName(19), "Silver.ssk");
  EXPECT_EQ(SkinFileName(1), "Calmness.ssk");
  EXPECT_EQ(SkinFileName(18), "XPSilver.ssk");
  WriteConfig("[skin]\nskin=abc\n");
  EXPECT_EQ(ReadSkinIndex(settings), 10);
}

TEST_F(CommonSettingsTest, SavingTheSkinIndexKeepsTheLanguage) {
  WriteConfig("[common]\nlanguage=1\n");
  CommonSettings settings = CommonSettings::LoadSettings(folder);
  SaveSkinIndex(settings, 5);
  EXPECT_EQ(ReadSkinIndex(settings), 5);
  EXPECT_EQ(SkinFileName(ReadSkinIndex(settings)), "Longhorn.ssk");
  EXPECT_EQ(CommonSettings::LoadSettings(folder).LanguageId, 1);
}

TEST_F(CommonSettingsTest, UnwritableConfigFailsWithItsPath) {
  CommonSettings settings = CommonSettings::LoadSettings(folder + "missing-folder/");
  try {
    SaveSkinIndex(settings, 3);
    FAIL() << "expected an error";
  } catch (const Error& error) {
    EXPECT_EQ(std::string(error.what()), "Unable to write to " + settings.ConfigFile);
  }
}
