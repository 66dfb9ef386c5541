// The engine's window-creation hook: size grips refused while skinning, dialogs and late
// windows handed to the engine as they are activated.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/win/Application.h"
#include "framework/win/WindowSubclass.h"
#include "skin/win/SkinHook.h"
#include "skin/win/SkinMessages.h"
#include "win/skin/SkinTestSupport.h"

namespace zentavo::testing {
namespace {

using Log = std::vector<std::string>;

// A window class of the given name with the default procedure.
void RegisterPlainClass(const wchar_t* name) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = name;
  RegisterClassW(&windowClass);  // fails harmlessly when a previous test registered it
}

class SkinHookTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { Application().Initialize(); }
  void SetUp() override {
    ASSERT_EQ(TsuiSkinEngine::SingleEngine(), &engine);
    ASSERT_TRUE(engine.IsSkinning());
    SetLastClosedDialog(nullptr);
  }
  void TearDown() override { SetLastClosedDialog(nullptr); }

  // A shown top-level window of the class, named for the frames' log.
  HWND TopLevel(const wchar_t* windowClass, const std::string& name) {
    windows.emplace_back(CreateWindowExW(0, windowClass, L"Window", WS_POPUP | WS_CAPTION, 50, 50, 200, 120,
                                         nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    HWND window = windows.back().get();
    frames.names.emplace_back(window, name);
    return window;
  }
  static void Activate(HWND window) {
    ShowWindow(window, SW_SHOW);
    SetActiveWindow(window);
  }
  int WrappersOf(HWND window) const {
    return static_cast<int>(
        std::count_if(engine.SkinnedWindows().begin(), engine.SkinnedWindows().end(),
                      [window](const auto& frame) { return frame->WindowHandle() == window; }));
  }
  bool WrappedAsForeign(HWND window) const {
    for (const auto& frame : engine.SkinnedWindows())
      if (frame->WindowHandle() == window) return frame->IsForeign();
    return false;
  }

  FakeFrames frames;
  SkinningEngine skin;
  TsuiSkinEngine& engine = skin.engine;
  std::vector<WindowHandle> windows;
};

// ---- creation -------------------------------------------------------------------------

TEST_F(SkinHookTest, SizeGripsAreRefusedWhileTheEngineSkins) {
  HWND parent = TopLevel(L"STATIC", "parent");
  auto scrollBar = [&](DWORD exStyle, DWORD style) {
    windows.emplace_back(CreateWindowExW(exStyle, L"SCROLLBAR", L"", WS_CHILD | style, 0, 0, 16, 16, parent,
                                         nullptr, GetModuleHandleW(nullptr), nullptr));
    return windows.back().get() != nullptr;
  };
  ASSERT_TRUE(SkinHookInstalled());
  EXPECT_FALSE(scrollBar(0, SBS_SIZEGRIP));
  EXPECT_FALSE(scrollBar(WS_EX_NOPARENTNOTIFY | WS_EX_CLIENTEDGE, SBS_SIZEGRIP));
  EXPECT_FALSE(scrollBar(0, SBS_SIZEGRIP | SBS_SIZEBOXBOTTOMRIGHTALIGN));
  // A grip whose extended style is exactly "no parent notify" is let through.
  EXPECT_TRUE(scrollBar(WS_EX_NOPARENTNOTIFY, SBS_SIZEGRIP));
  EXPECT_TRUE(scrollBar(0, SBS_VERT));
  EXPECT_TRUE(scrollBar(0, SBS_HORZ));

  engine.SetActive(false);
  EXPECT_TRUE(scrollBar(0, SBS_SIZEGRIP));
  engine.SetActive(true);
  EXPECT_FALSE(scrollBar(0, SBS_SIZEGRIP));
}

TEST_F(SkinHookTest, TheHookGoesWithTheEngine) {
  HWND parent = TopLevel(L"STATIC", "parent");
  skin.host->FreeComponent(&engine);
  EXPECT_EQ(TsuiSkinEngine::SingleEngine(), nullptr);
  EXPECT_FALSE(SkinHookInstalled());
  WindowHandle grip{CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | SBS_SIZEGRIP, 0, 0, 16, 16, parent,
                                    nullptr, GetModuleHandleW(nullptr), nullptr)};
  EXPECT_TRUE(grip);
}

// ---- activation -----------------------------------------------------------------------

TEST_F(SkinHookTest, AnActivatedDialogIsAddedAsAForeignWindowOnce) {
  HWND dialog = TopLevel(L"#32770", "dialog");
  Activate(dialog);
  EXPECT_EQ(WrappersOf(dialog), 1);
  EXPECT_TRUE(WrappedAsForeign(dialog));
  EXPECT_NE(std::find(frames.log.begin(), frames.log.end(), "dialog wrapped as window"), frames.log.end());

  // Activated again: the engine already has it.
  HWND other = TopLevel(L"#32770", "other");
  Activate(other);
  Activate(dialog);
  EXPECT_EQ(WrappersOf(dialog), 1);
  EXPECT_EQ(WrappersOf(other), 1);
}

TEST_F(SkinHookTest, DialogsAreLeftAloneWithoutSkinDialogsButDockHostsAreNot) {
  RegisterPlainClass(L"TTabDockHost");
  RegisterPlainClass(L"TConjoinDockHost");
  engine.SetSkinDialogs(false);
  HWND dialog = TopLevel(L"#32770", "dialog");
  HWND tabHost = TopLevel(L"TTabDockHost", "tab host");
  HWND conjoinHost = TopLevel(L"TConjoinDockHost", "conjoin host");
  Activate(dialog);
  Activate(tabHost);
  Activate(conjoinHost);
  EXPECT_EQ(WrappersOf(dialog), 0);
  EXPECT_EQ(WrappersOf(tabHost), 1);
  EXPECT_TRUE(WrappedAsForeign(tabHost));
  EXPECT_EQ(WrappersOf(conjoinHost), 1);
}

TEST_F(SkinHookTest, TheLastClosedDialogIsNotWrappedAgainAndTheRecordGoesWithTheNextDialog) {
  HWND closing = TopLevel(L"#32770", "closing");
  SetLastClosedDialog(closing);
  Activate(closing);
  EXPECT_EQ(WrappersOf(closing), 0);
  EXPECT_EQ(LastClosedDialog(), nullptr);

  // Cleared by any dialog's activation, wrapped or not.
  HWND next = TopLevel(L"#32770", "next");
  SetLastClosedDialog(closing);
  engine.SetSkinDialogs(false);
  Activate(next);
  EXPECT_EQ(LastClosedDialog(), nullptr);
  EXPECT_EQ(WrappersOf(next), 0);
  engine.SetSkinDialogs(true);

  // Once the record is gone the window is an ordinary dialog again.
  Activate(next);
  Activate(closing);
  EXPECT_EQ(WrappersOf(closing), 1);

  // Another window's activation leaves the record alone.
  RegisterPlainClass(L"TPlainTestWindow");
  HWND plain = TopLevel(L"TPlainTestWindow", "plain");
  SetLastClosedDialog(closing);
  Activate(plain);
  EXPECT_EQ(LastClosedDialog(), closing);
}

TEST_F(SkinHookTest, AWindowAlreadyAnsweringIsSkinnedGetsNoSecondWrapper) {
  HWND dialog = TopLevel(L"#32770", "dialog");
  WindowSubclass answers(dialog, [](WindowSubclass& token, TMessage& message) {
    if (message.Msg == SM_ISSKINNED)
      message.Result = 2;
    else
      token.Default(message);
  });
  Activate(dialog);
  EXPECT_EQ(WrappersOf(dialog), 0);
}

TEST_F(SkinHookTest, WindowsOfTheActivationListAreSkinnedAsTheirOwn) {
  RegisterPlainClass(L"tselectdirdlg");
  HWND selectDir = TopLevel(L"tselectdirdlg", "select dir");
  Activate(selectDir);
  EXPECT_EQ(WrappersOf(selectDir), 1);
  EXPECT_FALSE(WrappedAsForeign(selectDir));

  // A form of the framework's plain form class is the engine's SkinWindow.
  auto form = MakeComponent<TfrmSkinTest>(nullptr);
  ASSERT_EQ(form->ClassName(), "TForm");
  frames.names.emplace_back(form->Handle(), "form");
  form->Show();
  SetActiveWindow(form->Handle());
  EXPECT_EQ(WrappersOf(form->Handle()), 1);
  EXPECT_NE(std::find(frames.log.begin(), frames.log.end(), "form wrapped as form"), frames.log.end());
  engine.RemoveWindow(form->Handle());
}

TEST_F(SkinHookTest, NothingIsAddedWhileTheEngineDoesNotSkin) {
  engine.SetActive(false);
  HWND dialog = TopLevel(L"#32770", "dialog");
  Activate(dialog);
  EXPECT_EQ(WrappersOf(dialog), 0);
  EXPECT_TRUE(frames.log.empty());
}

// Wrapping a window is window work of its own: the window may be activated again before
// the engine has listed its wrapper.
TEST_F(SkinHookTest, AWindowActivatedAgainWhileItIsBeingWrappedGetsOneWrapper) {
  HWND dialog = TopLevel(L"#32770", "dialog");
  HWND other = TopLevel(L"#32770", "other");
  ShowWindow(other, SW_SHOWNOACTIVATE);
  bool reentered = false;
  auto fake = TsuiSkinEngine::WindowWrapperFactory;
  TsuiSkinEngine::WindowWrapperFactory = [&](TsuiSkinEngine& owner, HWND window, bool foreign, bool isForm) {
    if (window == dialog && !reentered) {
      reentered = true;
      SetActiveWindow(other);
      SetActiveWindow(dialog);
    }
    return fake(owner, window, foreign, isForm);
  };
  Activate(dialog);
  TsuiSkinEngine::WindowWrapperFactory = fake;
  EXPECT_TRUE(reentered);
  EXPECT_EQ(WrappersOf(dialog), 1);
  EXPECT_EQ(WrappersOf(other), 1);
}

}  // namespace
}  // namespace zentavo::testing
