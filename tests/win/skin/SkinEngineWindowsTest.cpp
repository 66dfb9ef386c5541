// The engine's list of wrapped windows, its window menu and the skin kept inside a form.
#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "core/Error.h"
#include "framework/win/Application.h"
#include "framework/win/WideText.h"
#include "win/skin/SkinTestSupport.h"

namespace zentavo::testing {
namespace {

namespace fs = std::filesystem;

template <class F>
std::string ErrorOf(F&& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "(no error)";
}

std::vector<std::string> Take(std::vector<std::string>& log) { return std::exchange(log, {}); }
using Log = std::vector<std::string>;

class SkinEngineWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    ResetMenuCheckImages();
    WriteBytes(folder / "a.ssk", SkinPackageBytes(BasicSkin()));
  }
  void TearDown() override { ResetMenuCheckImages(); }
  std::string Skin() { return Utf8(folder / "a.ssk"); }

  ScratchFolder folder;
  FakeFrames frames;
};

TEST_F(SkinEngineWindowsTest, TheOwnerFormIsWrappedOnceItsComponentsAreBuilt) {
  auto form = MakeComponent<TfrmSkinTest>(nullptr, true);
  TsuiSkinEngine& engine = *form->engine;
  ASSERT_EQ(engine.SkinnedWindows().size(), 1u);
  EXPECT_EQ(engine.SkinnedWindows()[0]->WindowHandle(), form->Handle());
  EXPECT_EQ(Take(frames.log), (Log{"? wrapped as form", "? loaded"}));
  // A window is wrapped once however often it is asked for.
  engine.SkinWindow(form->Handle());
  EXPECT_EQ(engine.SkinnedWindows().size(), 1u);
  EXPECT_TRUE(frames.log.empty());
}

TEST_F(SkinEngineWindowsTest, ASkinLoadSwitchesEveryActiveWrapperOffAndOnInOrder) {
  auto main = MakeComponent<TfrmSkinTest>(nullptr);
  auto other = MakeComponent<TfrmSkinTest>(nullptr);
  TsuiSkinEngine& engine = main->Make<TsuiSkinEngine>();
  frames.names = {{main->Handle(), "main"}, {other->Handle(), "other"}};
  engine.SkinWindow(main->Handle());
  engine.AddWindow(other->Handle(), true);
  EXPECT_TRUE(engine.SkinnedWindows()[1]->IsForeign());
  main->Show();
  Take(frames.log);

  // Inactive: the frames only hear of the new skin.
  engine.SetSkinFile(Skin());
  EXPECT_EQ(Take(frames.log), (Log{"main loaded", "other loaded"}));

  engine.SetActive(true);
  EXPECT_EQ(Take(frames.log), (Log{"main on", "other on"}));
  engine.SetSkinFile(Skin());
  EXPECT_EQ(Take(frames.log), (Log{"main off", "main on", "main loaded", "other off", "other on", "other loaded"}));
  // The visible window is shown again, the hidden one stays hidden.
  EXPECT_TRUE(IsWindowVisible(main->Handle()));
  EXPECT_FALSE(IsWindowVisible(other->Handle()));

  // Switching off keeps the wrappers; switching on again reuses them.
  engine.SetActive(false);
  EXPECT_EQ(Take(frames.log), (Log{"main off", "other off"}));
  EXPECT_EQ(engine.SkinnedWindows().size(), 2u);
  engine.SetActive(true);
  EXPECT_EQ(Take(frames.log), (Log{"main on", "other on"}));
}

TEST_F(SkinEngineWindowsTest, RemovingAWindowFreesItsWrapperWhileTheFlagIsUp) {
  auto main = MakeComponent<TfrmSkinTest>(nullptr);
  auto other = MakeComponent<TfrmSkinTest>(nullptr);
  TsuiSkinEngine& engine = main->Make<TsuiSkinEngine>();
  frames.names = {{main->Handle(), "main"}, {other->Handle(), "other"}};
  engine.SkinWindow(main->Handle());
  engine.SkinWindow(other->Handle());
  Take(frames.log);
  engine.RemoveWindow(other->Handle());
  EXPECT_EQ(Take(frames.log), Log{"other freed while removing"});
  EXPECT_FALSE(engine.RemovingWindow());
  EXPECT_EQ(engine.SkinnedWindows().size(), 1u);
  engine.RemoveWindow(other->Handle());  // no longer wrapped: nothing happens
  EXPECT_TRUE(frames.log.empty());
  // The engine frees the rest when it goes, first to last.
  main->FreeComponent(&engine);
  EXPECT_EQ(Take(frames.log), Log{"main freed"});
}

TEST_F(SkinEngineWindowsTest, SkinAllFormsWrapsTheScreensFormsOrLetsTheOthersGo) {
  auto main = MakeComponent<TfrmSkinTest>(nullptr);
  auto other = MakeComponent<TfrmSkinTest>(nullptr);
  auto optedOut = MakeComponent<TfrmSkinTest>(nullptr);
  optedOut->Tag = 9999;
  TsuiSkinEngine& engine = main->Make<TsuiSkinEngine>();
  frames.names = {{main->Handle(), "main"}, {other->Handle(), "other"}, {optedOut->Handle(), "out"}};
  engine.SkinWindow(main->Handle());
  engine.SkinWindow(other->Handle());
  Take(frames.log);

  engine.SetSkinAllForms(false);
  EXPECT_FALSE(engine.SkinAllForms());
  EXPECT_EQ(Take(frames.log), Log{"other freed while removing"});
  ASSERT_EQ(engine.SkinnedWindows().size(), 1u);

  engine.SetSkinAllForms(true);
  EXPECT_EQ(Take(frames.log), (Log{"other wrapped as form", "other loaded"}));
  EXPECT_EQ(engine.SkinnedWindows().size(), 2u);
}

TEST_F(SkinEngineWindowsTest, TheWindowMenuFollowsTheButtonsTheFrameDrew) {
  auto main = MakeComponent<TfrmSkinTest>(nullptr);
  TsuiSkinEngine& engine = main->Make<TsuiSkinEngine>();
  frames.names = {{main->Handle(), "main"}};
  engine.SkinWindow(main->Handle());
  Take(frames.log);

  TMenuItem& items = engine.SystemMenu().Items();
  ASSERT_EQ(items.Count(), 4);
  EXPECT_EQ(items.Items(0)->Caption(), "Mi&nimize");
  EXPECT_EQ(items.Items(1)->Caption(), "Ma&ximize/Restore");
  EXPECT_TRUE(items.Items(2)->IsLine());
  EXPECT_EQ(items.Items(3)->Caption(), "&Close");
  engine.SetResSysMenuMin("Min");
  engine.SetResSysMenuMax("Max");
  engine.SetResSysMenuClose("Close");
  EXPECT_EQ(items.Items(0)->Caption(), "Min");
  EXPECT_EQ(items.Items(1)->Caption(), "Max");
  EXPECT_EQ(items.Items(3)->Caption(), "Close");

  // Without a window the menu neither changes nor acts.
  engine.SystemMenu().OnPopup(&engine.SystemMenu());
  items.Items(3)->Click();
  EXPECT_TRUE(items.Items(0)->Enabled() && items.Items(1)->Enabled() && items.Items(3)->Enabled());
  EXPECT_TRUE(frames.log.empty());

  FakeFrame& frame = frames.Frame(engine, 0);
  engine.SetSystemMenuWindow(&frame);
  frame.Draw({false, true, true});
  engine.SystemMenu().OnPopup(&engine.SystemMenu());
  EXPECT_FALSE(items.Items(0)->Enabled());
  EXPECT_TRUE(items.Items(1)->Enabled());
  EXPECT_TRUE(items.Items(3)->Enabled());
  frame.Draw({true, false, false});
  engine.SystemMenu().OnPopup(&engine.SystemMenu());
  EXPECT_TRUE(items.Items(0)->Enabled());
  EXPECT_FALSE(items.Items(1)->Enabled());
  EXPECT_FALSE(items.Items(3)->Enabled());

  frame.Draw({true, true, true});
  engine.SystemMenu().OnPopup(&engine.SystemMenu());
  for (int i : {0, 1, 3}) items.Items(i)->Click();
  EXPECT_EQ(Take(frames.log), (Log{"main minimize", "main maximize", "main close"}));

  // A removed window is no longer the menu's.
  engine.RemoveWindow(main->Handle());
  EXPECT_EQ(engine.SystemMenuWindow(), nullptr);
}

// A form that keeps a skin inside itself, read while the form is built.
class TfrmBuiltInSkin : public TForm {
 public:
  TfrmBuiltInSkin(TComponent* owner, const Bytes& skinData, const std::string& skinFile) : TForm(owner) {
    engine = &Make<TsuiSkinEngine>();
    engine->SetBuiltIn(true);  // accepted while the form is being built
    if (!skinFile.empty()) engine->SetSkinFile(skinFile);
    engine->ReadSkinData(skinData);
    FormCreated();
  }
  TsuiSkinEngine* engine;
};

std::set<fs::path> TemporaryCopies() {
  std::set<fs::path> copies;
  for (const auto& entry : fs::directory_iterator(fs::temp_directory_path()))
    if (entry.path().extension() == ".sui") copies.insert(entry.path());
  return copies;
}

TEST_F(SkinEngineWindowsTest, ABuiltInSkinLoadsThroughATemporaryCopyThatIsRemoved) {
  const auto before = TemporaryCopies();
  auto form = MakeComponent<TfrmBuiltInSkin>(nullptr, SkinPackageBytes(BasicSkin(RGBColor(7, 8, 9))), "");
  EXPECT_TRUE(form->engine->Ready());
  EXPECT_EQ(form->engine->FormColor(), RGBColor(7, 8, 9));
  EXPECT_TRUE(form->engine->BuiltIn());
  // SkinFile reads as before the copy was loaded.
  EXPECT_EQ(form->engine->SkinFile(), "");
  EXPECT_EQ(TemporaryCopies(), before);

  // With a file, the form stores its bytes unchanged.
  auto withFile = MakeComponent<TfrmBuiltInSkin>(nullptr, SkinPackageBytes(BasicSkin()), Skin());
  EXPECT_EQ(withFile->engine->SkinFile(), Skin());
  std::ifstream in(folder / "a.ssk", std::ios::binary);
  const Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(withFile->engine->SkinData(), bytes);
}

TEST_F(SkinEngineWindowsTest, ADamagedBuiltInSkinIsReportedAndLeavesNoCopy) {
  const auto before = TemporaryCopies();
  EXPECT_EQ(ErrorOf([] { MakeComponent<TfrmBuiltInSkin>(nullptr, Bytes{'S', 'K', 0, 0}, ""); }),
            "Failed to read skin file!");
  EXPECT_EQ(TemporaryCopies(), before);
}

// Design mode, which the program never sets, for the rules that depend on it.
class TDesignedEngine : public TsuiSkinEngine {
 public:
  explicit TDesignedEngine(TComponent* owner) : TsuiSkinEngine(owner) { SetState(csDesigning, true); }
};

TEST_F(SkinEngineWindowsTest, BuiltInIsSetWhileAFormIsBuiltOrInDesignModeOnly) {
  auto form = MakeComponent<TfrmSkinTest>(nullptr);
  TsuiSkinEngine& engine = form->Make<TsuiSkinEngine>();
  EXPECT_EQ(ErrorOf([&] { engine.SetBuiltIn(true); }), "BuiltIn property only can be specified at design time!");
  EXPECT_EQ(ErrorOf([&] { engine.SetBuiltIn(false); }), "BuiltIn property only can be specified at design time!");
  EXPECT_FALSE(engine.SkinData().has_value());

  auto designForm = MakeComponent<TfrmSkinTest>(nullptr);
  TDesignedEngine& designed = designForm->Make<TDesignedEngine>();
  EXPECT_EQ(ErrorOf([&] { designed.SetBuiltIn(true); }), "Please specify the SkinFile property first!");
  EXPECT_NO_THROW(designed.SetBuiltIn(false));
  designed.SetSkinFile(Skin());
  EXPECT_NO_THROW(designed.SetBuiltIn(true));
  EXPECT_TRUE(designed.BuiltIn());
  // In design mode a damaged package is no error, but still empties SkinFile.
  WriteBytes(folder / "bad.ssk", Bytes{'S', 'K', 1});
  EXPECT_NO_THROW(designed.SetSkinFile(Utf8(folder / "bad.ssk")));
  EXPECT_EQ(designed.SkinFile(), "");
  EXPECT_FALSE(designed.IsSkinning());
  // Design mode wraps no windows.
  EXPECT_TRUE(designed.SkinnedWindows().empty());
}

TEST_F(SkinEngineWindowsTest, FurtherSkinsCarryTheirOwnReaders) {
  auto form = MakeComponent<TfrmSkinTest>(nullptr);
  TsuiSkinEngine& engine = form->Make<TsuiSkinEngine>();
  TsuiSkinCollection other;
  TsuiSkinCollectionItem& item = other.Add();
  item.SkinFile = Skin();
  item.Password = "pw";
  engine.SetAdditionalBuiltInSkins(other);
  ASSERT_EQ(engine.AdditionalBuiltInSkins().Count(), 1);
  TsuiSkinCollectionItem& copy = engine.AdditionalBuiltInSkins().Items(0);
  EXPECT_EQ(copy.SkinFile, Skin());
  EXPECT_EQ(copy.Password, "pw");
  EXPECT_EQ(engine.AdditionalBuiltInSkins().Owner(), &engine);

  const auto before = TemporaryCopies();
  copy.Password = "";
  copy.ReadSkinData(*copy.SkinData());
  EXPECT_TRUE(copy.Reader().Loaded());
  EXPECT_EQ(copy.SkinFile, Skin());
  EXPECT_EQ(TemporaryCopies(), before);
  // The engine's own reader is untouched.
  EXPECT_FALSE(engine.Ready());
}

}  // namespace
}  // namespace zentavo::testing
