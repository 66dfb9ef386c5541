// The splash in the program's start: after the common services, gone before any other
// window exists, and a picture that cannot be read does not stop the start.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/win/SplashForm.h"
#include "app/win/StartupClock.h"
#include "framework/win/Screen.h"
#include "framework/win/WideText.h"
#include "ledger/win/MainForm.h"
#include "program/win/ProgramWindows.h"
#include "win/app/SplashPicture.h"
#include "win/support/ProgramFolder.h"

using namespace zentavo;
using namespace zentavo::testing;

namespace {

std::string ClassOf(HWND window) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  return Narrow(name);
}

bool MainFormExists() {
  for (int i = 0; i < Screen().FormCount(); ++i)
    if (dynamic_cast<TfrmMain*>(Screen().Forms(i))) return true;
  return false;
}

// Watches the program's windows come and go, through hooks on the thread that makes them:
// form windows made, the splash shown and hidden, and what else existed at those moments.
class StartWatch {
 public:
  StartWatch() {
    current_ = this;
    cbt_ = ::SetWindowsHookExW(WH_CBT, &Cbt, nullptr, ::GetCurrentThreadId());
    calls_ = ::SetWindowsHookExW(WH_CALLWNDPROC, &Calls, nullptr, ::GetCurrentThreadId());
  }
  ~StartWatch() {
    ::UnhookWindowsHookEx(cbt_);
    ::UnhookWindowsHookEx(calls_);
    current_ = nullptr;
  }
  std::vector<std::string> events;
  bool mainWhileSplashShown = false;
  bool splashShownAtMainWindow = false;

 private:
  static LRESULT CALLBACK Cbt(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && current_) {
      const std::string name = ClassOf(reinterpret_cast<HWND>(wParam));
      if (name.rfind("Tfrm", 0) == 0) current_->events.push_back("make " + name);
      if (name == "TfrmMain") {
        HWND splash = ::FindWindowW(L"TfrmSplash", nullptr);
        current_->splashShownAtMainWindow = splash && ::IsWindowVisible(splash);
      }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static LRESULT CALLBACK Calls(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && current_ && call->message == WM_SHOWWINDOW &&
        ClassOf(call->hwnd) == "TfrmSplash") {
      const std::string event = call->wParam ? "show TfrmSplash" : "hide TfrmSplash";
      // The own fade shows the window once more from inside the first showing.
      if (current_->events.empty() || current_->events.back() != event) current_->events.push_back(event);
      if (MainFormExists()) current_->mainWhileSplashShown = true;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline StartWatch* current_ = nullptr;
  HHOOK cbt_ = nullptr;
  HHOOK calls_ = nullptr;
};

class SplashAtStart : public ::testing::Test {
 protected:
  static constexpr int kFade = 150;
  void SetUp() override {
    Application().Initialize();
    folder.CreateLedgerFile();
  }
  void TearDown() override { windows.reset(); }
  void Start() {
    windows = std::make_unique<ProgramWindows>(folder.Folder(),
                                               ProgramStart{.splash = true, .splashFadeMilliseconds = kFade});
  }

  ProgramFolder folder{::testing::UnitTest::GetInstance()->current_test_info()->name()};
  std::unique_ptr<ProgramWindows> windows;
};

TEST_F(SplashAtStart, MainWindowIsMadeOnlyOnceTheSplashHasFadedOut) {
  FramedPicture().SaveToFile(folder.Path("splash-en.bmp"));
  const double splashBefore = SplashMilliseconds();
  MessageBoxSpy boxes;
  {
    StartWatch watch;
    Start();
    windows->Main().Show();
    Pump();
    // The common services' window is made when first needed, which is later.
    const std::vector<std::string> expected{"make TfrmSplash", "show TfrmSplash", "hide TfrmSplash",
                                            "make TfrmMain"};
    ASSERT_GE(watch.events.size(), expected.size()) << ::testing::PrintToString(watch.events);
    EXPECT_EQ(std::vector<std::string>(watch.events.begin(), watch.events.begin() + 4), expected);
    EXPECT_FALSE(watch.mainWhileSplashShown);
    EXPECT_FALSE(watch.splashShownAtMainWindow);
  }
  EXPECT_TRUE(boxes.boxes.empty());
  ASSERT_NE(windows->Splash(), nullptr);
  EXPECT_FALSE(windows->Splash()->Showing());
  EXPECT_EQ(windows->Splash()->imageSplash.Picture().Width(), 420);
  // Both fades held the start, and the clock was told.
  EXPECT_GE(SplashMilliseconds() - splashBefore, 2 * kFade);
  EXPECT_TRUE(windows->Main().Showing());
}

TEST_F(SplashAtStart, StartGoesOnWhenThePictureIsMissing) {
  MessageBoxSpy boxes;
  Start();
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_NE(boxes.boxes[0].text.find("splash-en.bmp"), std::string::npos) << boxes.boxes[0].text;
  EXPECT_EQ(boxes.boxes[0].flags, UINT(MB_OK | MB_ICONSTOP));
  ASSERT_NE(windows->Splash(), nullptr);
  EXPECT_FALSE(windows->Splash()->Showing());
  windows->Main().Show();
  Pump();
  EXPECT_TRUE(windows->Main().Showing());
}

TEST_F(SplashAtStart, ChineseInterfaceShowsTheChinesePicture) {
  folder.WriteFile("config.ini", "[common]\r\nlanguage=1\r\n");
  TBitmap picture = FramedPicture();
  picture.SetPixel(100, 100, RGBColor(1, 2, 3));
  picture.SaveToFile(folder.Path("splash-gb.bmp"));
  MessageBoxSpy boxes;
  Start();
  ASSERT_NE(windows->Splash(), nullptr);
  EXPECT_EQ(windows->Splash()->imageSplash.Picture().Pixel(100, 100), RGBColor(1, 2, 3));
}

}  // namespace
