// The eighteen default skins as the distribution makes them: drawn by skingen, packed by
// skinpack, then read back through the program's own skin reader.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "SkinTestData.h"
#include "native/support/ToolRunner.h"
#include "skin/Skin2Define.h"
#include "skin/SuiSkinReader.h"

namespace zentavo::test {
namespace {

const char* const kSkinNames[] = {"Calmness", "DiamondBlue", "DiamondGreen", "GlassGreen", "Longhorn", "MacOS",
                                  "MP10",     "MSN",         "OneBlue",      "Silver",     "SportsBlack", "SportsBlue",
                                  "Midsummer", "Emerald",    "Warm",         "XPBlue",     "XPGreen",  "XPSilver"};

class DefaultSkins : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new ScratchFolder;
    const auto result = zentavo::testing::RunTool(ZENTAVO_BINARY_DIR "/tools/skingen/skingen",
                                                  {(*folder_ / "skins").string()}, folder_->Path());
    ASSERT_EQ(result.exitCode, 0) << result.err;
    for (const char* name : kSkinNames) {
      const auto built = zentavo::testing::RunTool(
          ZENTAVO_BINARY_DIR "/tools/skinpack/skinpack",
          {"build", (*folder_ / "skins" / name).string(), Package(name).string()}, folder_->Path());
      ASSERT_EQ(built.exitCode, 0) << name << ": " << built.err;
    }
  }
  static void TearDownTestSuite() {
    delete folder_;
    folder_ = nullptr;
  }
  static std::filesystem::path Package(const std::string& name) { return *folder_ / (name + ".ssk"); }

  static ScratchFolder* folder_;
};

ScratchFolder* DefaultSkins::folder_ = nullptr;

TEST_F(DefaultSkins, EverySkinLoadsWithEveryKeyTheEngineReads) {
  int withCheckIcon = 0, fiveSection = 0, threeSectBottom = 0, titleRegion = 0, bottomRegion = 0, transButtons = 0,
      specialThumb = 0;
  for (const char* name : kSkinNames) {
    SCOPED_TRACE(name);
    TsuiSkinReader reader(Package(name), "");
    ASSERT_TRUE(reader.Loaded());
    for (int key = 0; key < SkinKeyGroupCount(SkinKeyGroup::kColor); ++key) EXPECT_NE(reader.GetColor(key), -1) << key;
    for (int key = 0; key < SkinKeyGroupCount(SkinKeyGroup::kPosition); ++key) EXPECT_GE(reader.GetPosition(key), 0);
    for (int key = 0; key < SkinKeyGroupCount(SkinKeyGroup::kBitmap); ++key) {
      if (key == SKIN2_CHECKEDMENUICON) continue;
      ASSERT_NE(reader.GetBitmap(key), nullptr) << SkinKeyName(SkinKeyGroup::kBitmap, key);
      EXPECT_FALSE(reader.GetBitmap(key)->Empty());
    }
    // The strips divide into their frames.
    EXPECT_EQ(reader.GetBitmap(SKIN2_TITLEBUTTONS)->Width() % 18, 0);
    EXPECT_EQ(reader.GetBitmap(SKIN2_BUTTON)->Width() % 3, 0);
    EXPECT_EQ(reader.GetBitmap(SKIN2_CHECKBOX)->Width() % 6, 0);
    EXPECT_EQ(reader.GetBitmap(SKIN2_RADIOBUTTON)->Width() % 4, 0);
    EXPECT_EQ(reader.GetBitmap(SKIN2_TABCONTROL)->Width() % 6, 0);
    withCheckIcon += reader.GetBitmap(SKIN2_CHECKEDMENUICON) != nullptr;
    fiveSection += reader.GetFlag(SKIN2_TITLEFIVESECT);
    threeSectBottom += reader.GetFlag(SKIN2_BOTTOMBORDERTHREESECT);
    titleRegion += reader.GetFlag(SKIN2_TITLEBARNEEDREGION);
    bottomRegion += reader.GetFlag(SKIN2_BOTTOMBORDERNEEDREGION);
    transButtons += reader.GetFlag(SKIN2_TITLEBTNTRANS);
    const TBitmap& thumb = *reader.GetBitmap(SKIN2_SCROLLBAR);
    specialThumb += reader.GetColor(SKIN2_SCROLLBARCOLOR) == 0xCBCBCB && thumb.Height() == 33 &&
                    thumb.Pixel(1, 10) == 0xB23901;
  }
  // Together the skins take every path of the engine, each variant by some but not all.
  for (int count : {withCheckIcon, fiveSection, threeSectBottom, titleRegion, bottomRegion, transButtons}) {
    EXPECT_GT(count, 0);
    EXPECT_LT(count, 18);
  }
  EXPECT_EQ(specialThumb, 1);
}

TEST_F(DefaultSkins, SkinsDifferAndUnpackRoundTrips) {
  std::set<std::string> listings;
  for (const char* name : kSkinNames) {
    const auto listed = zentavo::testing::RunTool(ZENTAVO_BINARY_DIR "/tools/skinpack/skinpack",
                                                  {"list", Package(name).string()}, folder_->Path());
    ASSERT_EQ(listed.exitCode, 0);
    listings.insert(listed.out);
  }
  EXPECT_EQ(listings.size(), 18u);

  const std::string unpacked = (*folder_ / "unpacked").string();
  const std::string rebuilt = (*folder_ / "rebuilt.ssk").string();
  const std::string tool = ZENTAVO_BINARY_DIR "/tools/skinpack/skinpack";
  ASSERT_EQ(zentavo::testing::RunTool(tool, {"unpack", Package("MP10").string(), unpacked}, folder_->Path()).exitCode, 0);
  ASSERT_EQ(zentavo::testing::RunTool(tool, {"build", unpacked, rebuilt}, folder_->Path()).exitCode, 0);
  EXPECT_EQ(zentavo::testing::RunTool(tool, {"list", rebuilt}, folder_->Path()).out,
            zentavo::testing::RunTool(tool, {"list", Package("MP10").string()}, folder_->Path()).out);
}

}  // namespace
}  // namespace zentavo::test
