#include <gtest/gtest.h>

#include "core/Error.h"
#include "framework/Properties.h"
#include "framework/win/Application.h"
#include "framework/win/Font.h"
#include "framework/win/WideText.h"
#include "skin/win/SkinSystem.h"
#include "win/skin/SkinTestSupport.h"

namespace zentavo::testing {
namespace {

namespace fs = std::filesystem;

std::string ExeFolder() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring text(path, length);
  return Narrow(text.substr(0, text.find_last_of(L'\\') + 1));
}

template <class F>
std::string ErrorOf(F&& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "(no error)";
}

class SkinEngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    ResetMenuCheckImages();
    engine.OnSkinChanged = [this](TComponent* sender) {
      EXPECT_EQ(sender, &engine);
      ++skinChanges;
    };
  }
  void TearDown() override { ResetMenuCheckImages(); }
  std::string WriteSkin(const std::string& name, const std::vector<Sk2Record>& records) {
    WriteBytes(folder / name, SkinPackageBytes(records));
    return Utf8(folder / name);
  }

  ScratchFolder folder;
  ComponentPtr<TfrmSkinTest> form = MakeComponent<TfrmSkinTest>(nullptr);
  TsuiSkinEngine& engine = form->Make<TsuiSkinEngine>();
  int skinChanges = 0;
};

TEST_F(SkinEngineTest, PublishedPropertiesStartWithTheirInitialValues) {
  const std::pair<const char*, TPropertyValue> expected[] = {
      {"Active", false},
      {"Ready", false},
      {"Password", std::string()},
      {"SkinFile", std::string()},
      {"ResSysMenuMin", std::string("Mi&nimize")},
      {"ResSysMenuMax", std::string("Ma&ximize/Restore")},
      {"ResSysMenuClose", std::string("&Close")},
      {"DisabledTag", 9999LL},
      {"DrawScrollBar", true},
      {"Version", std::string("4.1")},
      {"BuiltIn", false},
      {"SkinDialogs", true},
      {"SkinAllForms", true},
  };
  for (const auto& [name, value] : expected) {
    EXPECT_TRUE(HasPublishedProperty(engine, name)) << name;
    EXPECT_EQ(GetPropertyValue(engine, name), value) << name;
  }
  EXPECT_FALSE(HasPublishedProperty(engine, "FormColor"));
  EXPECT_EQ(engine.AdditionalBuiltInSkins().Count(), 0);
  EXPECT_EQ(engine.Metrics().SkinTitleHeight, 0);
  EXPECT_EQ(engine.FormBrush(), nullptr);
  EXPECT_FALSE(engine.IsSkinning());
}

TEST_F(SkinEngineTest, VersionAndReadyIgnoreWhatIsWritten) {
  SetPropertyValue(engine, "Version", std::string("5.0"));
  EXPECT_EQ(engine.Version(), "4.1");
  SetPropertyValue(engine, "Ready", true);
  EXPECT_FALSE(engine.Ready());
  engine.SetSkinFile(WriteSkin("a.ssk", BasicSkin()));
  engine.SetReady(false);
  EXPECT_TRUE(engine.Ready());
}

TEST_F(SkinEngineTest, APathThatExistsLoadsAndRunsSkinLoaded) {
  const std::string file = WriteSkin("a.ssk", BasicSkin(RGBColor(10, 20, 30)));
  engine.SetSkinFile(file);
  EXPECT_EQ(engine.SkinFile(), file);
  EXPECT_TRUE(engine.Ready());
  EXPECT_EQ(skinChanges, 1);
  EXPECT_EQ(engine.FormColor(), RGBColor(10, 20, 30));
  EXPECT_EQ(engine.Metrics().SkinTitleHeight, 24);
  EXPECT_EQ(engine.Metrics().LeftBorderWidth, 4);
  EXPECT_EQ(engine.Metrics().MinimumWindowWidth, 116);
  LOGBRUSH brush{};
  ASSERT_NE(engine.FormBrush(), nullptr);
  GetObjectW(engine.FormBrush(), sizeof(brush), &brush);
  EXPECT_EQ(brush.lbColor, RGB(10, 20, 30));
  // The resource sets were loaded from the engine's reader.
  EXPECT_EQ(engine.ScrollBtnRes().Reader(), &engine.Reader());
  EXPECT_EQ(engine.ProgressBarRes().Reader(), &engine.Reader());
  engine.SetActive(true);
  EXPECT_TRUE(engine.IsSkinning());
}

TEST_F(SkinEngineTest, ABareNameFoundInTheProgramFolderReadsBackAsTheFullPath) {
  const std::string name = "engine-test-" + std::to_string(GetCurrentProcessId()) + ".ssk";
  const fs::path inProgramFolder = fs::path(Widen(ExeFolder() + name));
  WriteBytes(inProgramFolder, SkinPackageBytes(BasicSkin()));
  // A bare name is first tried as it stands, in the current folder: that must be elsewhere.
  wchar_t current[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, current);
  SetCurrentDirectoryW((folder / "").c_str());
  engine.SetSkinFile(name);
  SetCurrentDirectoryW(current);
  EXPECT_EQ(engine.SkinFile(), ExeFolder() + name);
  EXPECT_TRUE(engine.Ready());
  // Only the file-name part counts once the path itself is not there.
  engine.SetSkinFile("Q:\\nowhere\\" + name);
  EXPECT_EQ(engine.SkinFile(), ExeFolder() + name);
  EXPECT_EQ(skinChanges, 2);
  fs::remove(inProgramFolder);
}

TEST_F(SkinEngineTest, ANameFoundNowhereChangesNothing) {
  const std::string file = WriteSkin("a.ssk", BasicSkin(RGBColor(1, 2, 3)));
  engine.SetSkinFile(file);
  HBRUSH brush = engine.FormBrush();
  EXPECT_NO_THROW(engine.SetSkinFile("no-such-skin-anywhere.ssk"));
  EXPECT_NO_THROW(engine.SetSkinFile(""));
  EXPECT_EQ(engine.SkinFile(), file);
  EXPECT_TRUE(engine.Ready());
  EXPECT_EQ(engine.FormBrush(), brush);
  EXPECT_EQ(skinChanges, 1);
}

TEST_F(SkinEngineTest, WritingTheSameFileAgainReloadsIt) {
  const std::string file = WriteSkin("a.ssk", BasicSkin(RGBColor(1, 1, 1)));
  engine.SetSkinFile(file);
  WriteSkin("a.ssk", BasicSkin(RGBColor(2, 2, 2)));
  engine.SetSkinFile(file);
  EXPECT_EQ(skinChanges, 2);
  EXPECT_EQ(engine.FormColor(), RGBColor(2, 2, 2));
}

TEST_F(SkinEngineTest, ADamagedPackageEmptiesSkinFileAndPassesTheErrorOn) {
  engine.SetSkinFile(WriteSkin("good.ssk", BasicSkin()));
  WriteBytes(folder / "bad.ssk", Bytes{'S', 'K', 1, 2, 3, 4, 5});
  EXPECT_EQ(ErrorOf([&] { engine.SetSkinFile(Utf8(folder / "bad.ssk")); }), "Failed to read skin file!");
  EXPECT_EQ(engine.SkinFile(), "");
  EXPECT_FALSE(engine.Ready());
  EXPECT_EQ(skinChanges, 1);
  // A good package afterwards loads as usual.
  engine.SetSkinFile(Utf8(folder / "good.ssk"));
  EXPECT_TRUE(engine.Ready());
}

TEST_F(SkinEngineTest, ThePasswordIsHandedToTheReader) {
  WriteBytes(folder / "locked.ssk", SkinPackageBytes(BasicSkin(), "s3cret"));
  EXPECT_EQ(ErrorOf([&] { engine.SetSkinFile(Utf8(folder / "locked.ssk")); }), "Wrong password!");
  engine.SetPassword("s3cret");
  engine.SetSkinFile(Utf8(folder / "locked.ssk"));
  EXPECT_TRUE(engine.Ready());
}

TEST_F(SkinEngineTest, ASystemFormColourGivesABrushOfItsValue) {
  engine.SetSkinFile(WriteSkin("sys.ssk", BasicSkin(clBtnFace)));
  EXPECT_EQ(engine.FormColor(), clBtnFace);
  LOGBRUSH brush{};
  GetObjectW(engine.FormBrush(), sizeof(brush), &brush);
  EXPECT_EQ(brush.lbColor, GetSysColor(COLOR_BTNFACE));
}

TEST_F(SkinEngineTest, TheMinimumWidthFollowsTheFivePieceFlag) {
  auto records = BasicSkin();
  records.push_back(Flag(SKIN2_TITLEFIVESECT, 1));
  engine.SetSkinFile(WriteSkin("five.ssk", records));
  EXPECT_EQ(engine.Metrics().MinimumWindowWidth, 156);
  engine.SetSkinFile(WriteSkin("three.ssk", BasicSkin()));
  EXPECT_EQ(engine.Metrics().MinimumWindowWidth, 116);
}

TEST_F(SkinEngineTest, TheSkinsCheckMarkReplacesTheTickAndAnEmptyOneKeepsIt) {
  TBitmap icon(12, 12);
  icon.Fill(RGBColor(255, 0, 255));
  icon.SetPixel(5, 5, RGBColor(0, 0, 200));
  auto records = BasicSkin();
  records.push_back(Picture(SKIN2_CHECKEDMENUICON, icon));
  engine.SetSkinFile(WriteSkin("mark.ssk", records));
  ASSERT_EQ(MenuCheckImages().Count(), 1);
  EXPECT_EQ(MenuCheckImages().Image(0).Width(), 12);
  EXPECT_EQ(MenuCheckImages().Image(0).Pixel(5, 5), RGBColor(0, 0, 200));
  EXPECT_EQ(MenuCheckImages().MaskColor(0), RGBColor(255, 0, 255));
  // A skin without a mark keeps the previous skin's.
  engine.SetSkinFile(WriteSkin("plain.ssk", BasicSkin()));
  ASSERT_EQ(MenuCheckImages().Count(), 1);
  EXPECT_EQ(MenuCheckImages().Image(0).Width(), 12);
}

TEST_F(SkinEngineTest, SkinBitmapsWholeOrOneFrame) {
  TBitmap strip(30, 4);
  for (int x = 0; x < 30; ++x)
    for (int y = 0; y < 4; ++y) strip.SetPixel(x, y, RGBColor(x, 0, 0));
  auto records = BasicSkin();
  records.push_back(Picture(SKIN2_BUTTON, strip));
  engine.SetSkinFile(WriteSkin("b.ssk", records));
  TBitmap out;
  EXPECT_TRUE(engine.GetSkinBitmap(SKIN2_BUTTON, out));
  EXPECT_EQ(out.Width(), 30);
  EXPECT_TRUE(engine.GetSkinBitmap(SKIN2_BUTTON, out, 2, 3));
  EXPECT_EQ(out.Width(), 10);
  EXPECT_EQ(out.Pixel(0, 0), RGBColor(10, 0, 0));
  EXPECT_FALSE(engine.GetSkinBitmap(SKIN2_TRACKBAR, out));
  EXPECT_EQ(engine.GetSkinColor(SKIN2_FORMCOLOR), 0xD8E9EC);
  EXPECT_EQ(engine.GetSkinFlag(SKIN2_TITLEFIVESECT), 0);
}

TEST(SkinEngineOwner, MustBeAFormWithoutAnotherEngine) {
  EXPECT_EQ(ErrorOf([] { MakeComponent<TsuiSkinEngine>(nullptr); }), "Must be placed on a Form");
  auto plain = MakeComponent<TComponent>(nullptr);
  EXPECT_EQ(ErrorOf([&] { plain->Make<TsuiSkinEngine>(); }), "Must be placed on a Form");
  EXPECT_EQ(plain->ComponentCount(), 0);

  auto form = MakeComponent<TfrmSkinTest>(nullptr);
  form->Make<TsuiSkinEngine>();
  const int count = form->ComponentCount();
  EXPECT_EQ(ErrorOf([&] { form->Make<TsuiSkinEngine>(); }), "One form can only catch one TsuiSkinEngine!");
  EXPECT_EQ(form->ComponentCount(), count);
}

TEST(SkinEngineSingle, TheFirstEngineServesTheHooksUntilItGoes) {
  ASSERT_EQ(TsuiSkinEngine::SingleEngine(), nullptr);
  auto first = MakeComponent<TfrmSkinTest>(nullptr, true);
  auto second = MakeComponent<TfrmSkinTest>(nullptr, true);
  EXPECT_EQ(TsuiSkinEngine::SingleEngine(), first->engine);
  second.reset();
  EXPECT_EQ(TsuiSkinEngine::SingleEngine(), first->engine);
  first.reset();
  EXPECT_EQ(TsuiSkinEngine::SingleEngine(), nullptr);
}

}  // namespace
}  // namespace zentavo::testing
