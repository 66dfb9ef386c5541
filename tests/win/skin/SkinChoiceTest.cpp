// The user's skin choice: the remembered index applied at start, the skin menu, and what
// happens when a package or config.ini lets the program down.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/win/CommonForm.h"
#include "skin/win/SkinEngine.h"
#include "win/skin/SkinPackages.h"
#include "win/support/RunningProgram.h"

namespace zentavo::testing {
namespace {

class SkinChoiceTest : public RunningProgram {
 protected:
  void SetUp() override {
    RunningProgram::SetUp();
    std::filesystem::create_directories(folder.Path("skins"));
    // Each package has its own form colour, so the loaded one shows which file it was.
    for (auto [name, colour] : {std::pair{"Silver.ssk", RGBColor(1, 1, 1)}, std::pair{"Longhorn.ssk", RGBColor(5, 5, 5)},
                                std::pair{"Warm.ssk", RGBColor(15, 15, 15)}})
      WriteBytes(folder.Path(std::string("skins/") + name), SkinPackageBytes(BasicSkin(colour)));
  }
  TsuiSkinEngine& Engine() { return Main().suiSkinEngine; }
  std::string SkinPath(const std::string& name) { return folder.Folder() + "skins\\" + name; }
  void ChooseSkin(int index) {
    SendMessageW(Main().Handle(), WM_COMMAND, MAKEWPARAM(Main().N_Skins[index - 1]->Command(), 0), 0);
  }
  std::string Config() {
    std::ifstream in(folder.Path("config.ini"), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  void Restart() {
    windows.reset();
    Start();
  }
};

TEST_F(SkinChoiceTest, WithoutConfigTheFirstStartShowsSilver) {
  MessageBoxSpy spy;
  Start();
  EXPECT_EQ(Engine().SkinFile(), SkinPath("Silver.ssk"));
  EXPECT_TRUE(Engine().IsSkinning());
  EXPECT_EQ(Engine().FormColor(), RGBColor(1, 1, 1));
  EXPECT_TRUE(spy.boxes.empty());
  EXPECT_FALSE(std::filesystem::exists(folder.Path("config.ini")));
}

TEST_F(SkinChoiceTest, AnIndexOutsideTheTableOrNotANumberGivesSilver) {
  MessageBoxSpy spy;
  for (const char* value : {"0", "19", "x"}) {
    folder.WriteFile("config.ini", std::string("[skin]\r\nskin=") + value + "\r\n");
    windows.reset();
    Start();
    EXPECT_EQ(Engine().SkinFile(), SkinPath("Silver.ssk")) << value;
    EXPECT_TRUE(Engine().Ready()) << value;
  }
  EXPECT_TRUE(spy.boxes.empty());
}

TEST_F(SkinChoiceTest, AChosenSkinIsAppliedRememberedAndAppliedAgainAtTheNextStart) {
  MessageBoxSpy spy;
  Start();
  int changes = 0;
  Engine().OnSkinChanged = [&](TComponent*) { ++changes; };
  ChooseSkin(5);
  EXPECT_EQ(Engine().SkinFile(), SkinPath("Longhorn.ssk"));
  EXPECT_EQ(Engine().FormColor(), RGBColor(5, 5, 5));
  EXPECT_EQ(changes, 1);
  EXPECT_NE(Config().find("[skin]"), std::string::npos);
  EXPECT_NE(Config().find("skin=5"), std::string::npos);
  Restart();
  EXPECT_EQ(Engine().SkinFile(), SkinPath("Longhorn.ssk"));
  EXPECT_TRUE(spy.boxes.empty());
}

TEST_F(SkinChoiceTest, AMissingPackageKeepsTheSkinButTheChoiceIsRemembered) {
  MessageBoxSpy spy;
  Start();
  ChooseSkin(2);  // DiamondBlue.ssk is not in the folder
  EXPECT_EQ(Engine().SkinFile(), SkinPath("Silver.ssk"));
  EXPECT_TRUE(Engine().Ready());
  EXPECT_NE(Config().find("skin=2"), std::string::npos);
  EXPECT_TRUE(spy.boxes.empty());
}

TEST_F(SkinChoiceTest, AnUnreadablePackageIsReportedAndItsIndexNotWritten) {
  MessageBoxSpy spy;
  folder.WriteFile("config.ini", "[skin]\r\nskin=15\r\n");
  Start();
  ASSERT_EQ(Engine().SkinFile(), SkinPath("Warm.ssk"));
  folder.WriteFile("skins/Longhorn.ssk", "SK not a package");
  ChooseSkin(5);
  ASSERT_EQ(spy.boxes.size(), 1u);
  EXPECT_EQ(spy.boxes[0].text, "Failed to read skin file!");
  EXPECT_EQ(spy.boxes[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
  EXPECT_NE(Config().find("skin=15"), std::string::npos);
  EXPECT_EQ(Engine().SkinFile(), "");
  EXPECT_FALSE(Engine().Ready());
}

TEST_F(SkinChoiceTest, AnUnreadablePackageAtStartIsReportedAndTheStartGoesOn) {
  MessageBoxSpy spy;
  folder.WriteFile("skins/Silver.ssk", "SK damaged");
  Start();
  ASSERT_EQ(spy.boxes.size(), 1u);
  EXPECT_EQ(spy.boxes[0].text, "Failed to read skin file!");
  // The rest of the start sequence ran: the period box is filled and the month chosen.
  EXPECT_EQ(Main().comboBoxTime.ItemIndex(), 3);
  EXPECT_FALSE(Engine().Ready());
}

TEST_F(SkinChoiceTest, AConfigThatCannotBeWrittenGivesTheExactErrorAndKeepsTheSkin) {
  MessageBoxSpy spy;
  folder.WriteFile("config.ini", "[skin]\r\nskin=15\r\n");
  Start();
  // config.ini is written through a temporary file beside it; a folder in that place makes
  // the write fail for every user, root included (who writes read-only files regardless).
  std::filesystem::create_directory(folder.Path("config.ini.tmp"));
  ChooseSkin(5);
  ASSERT_EQ(spy.boxes.size(), 1u);
  EXPECT_EQ(spy.boxes[0].text, "Unable to write to " + folder.Folder() + "config.ini.");
  EXPECT_EQ(Engine().SkinFile(), SkinPath("Longhorn.ssk"));
  EXPECT_TRUE(Engine().IsSkinning());
  EXPECT_EQ(Config(), "[skin]\r\nskin=15\r\n");
}

}  // namespace
}  // namespace zentavo::testing
