// The plumbing under the framework's windows: subclass tokens on foreign windows, timers
// and forms that ask for their own end.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/win/Application.h"
#include "framework/win/Form.h"
#include "framework/win/Timer.h"
#include "framework/win/WindowSubclass.h"

using namespace zentavo;

namespace {

// A native window no framework object knows.
HWND MakeForeignWindow() {
  return CreateWindowExW(0, L"STATIC", L"foreign", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

// A subclass that writes its name into a shared log for every WM_USER it sees.
std::unique_ptr<WindowSubclass> Logging(HWND window, std::string name, std::vector<std::string>& log) {
  return std::make_unique<WindowSubclass>(window, [name, &log](WindowSubclass& token, TMessage& message) {
    if (message.Msg == WM_USER) log.push_back(name);
    token.Default(message);
  });
}

class TfrmReleasing : public TForm {
  ZENTAVO_CLASS(TfrmReleasing, TForm)
 public:
  explicit TfrmReleasing(TComponent* owner) : TForm(owner) { FormCreated(); }
  bool* releaseSeen = nullptr;

 protected:
  void WndProc(TMessage& message) override {
    // Asking for the end from inside one of the form's own handlers.
    if (message.Msg == WM_USER) Release();
    if (message.Msg == CM_RELEASE && releaseSeen) *releaseSeen = true;
    TForm::WndProc(message);
  }
};

}  // namespace

TEST(WindowSubclass, TheLastInstalledSeesMessagesFirstAndAnyMayLeaveFirst) {
  HWND window = MakeForeignWindow();
  std::vector<std::string> log;
  auto first = Logging(window, "first", log);
  auto second = Logging(window, "second", log);
  auto third = Logging(window, "third", log);
  SendMessageW(window, WM_USER, 0, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"third", "second", "first"}));

  // Removing the middle one leaves the others in place, in the same order.
  second.reset();
  log.clear();
  SendMessageW(window, WM_USER, 0, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"third", "first"}));
  first.reset();
  log.clear();
  SendMessageW(window, WM_USER, 0, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"third"}));
  DestroyWindow(window);
}

TEST(WindowSubclass, ATokenAnswersForItselfLetsGoAtTheWindowsEndAndSurvivesErrors) {
  HWND window = MakeForeignWindow();
  int seenAfterEnd = 0;
  WindowSubclass token(window, [&](WindowSubclass& self, TMessage& message) {
    if (message.Msg == WM_USER + 1) {
      message.Result = 42;  // answered here, the window never sees it
      return;
    }
    if (message.Msg == WM_USER + 2) throw std::runtime_error("handler failed");
    if (!self.Window()) ++seenAfterEnd;
    self.Default(message);
  });
  EXPECT_EQ(SendMessageW(window, WM_USER + 1, 0, 0), 42);
  // A failing handler: the message still reaches the window (a static answers its text).
  EXPECT_EQ(SendMessageW(window, WM_USER + 2, 0, 0), 0);
  EXPECT_EQ(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0), 7);
  DestroyWindow(window);
  EXPECT_EQ(token.Window(), nullptr);
  EXPECT_EQ(seenAfterEnd, 0);
}

TEST(Timer, TicksThroughTheLoopUntilDisabled) {
  TTimer timer(nullptr);
  timer.SetInterval(20);
  int ticks = 0;
  timer.OnTimer = [&](TComponent*) { ++ticks; };
  ASSERT_TRUE(Application().ProcessMessagesUntil([&] { return ticks >= 3; }, 2000));
  timer.SetEnabled(false);
  const int stopped = ticks;
  Application().ProcessMessagesUntil([] { return false; }, 100);
  EXPECT_EQ(ticks, stopped);
}

TEST(Release, AFormFreedFromItsOwnHandlerGoesAfterTheHandlerReturns) {
  TfrmReleasing& form = Application().CreateForm<TfrmReleasing>();
  bool releaseSeen = false;
  form.releaseSeen = &releaseSeen;
  HWND window = form.Handle();
  const int before = Application().ComponentCount();
  SendMessageW(window, WM_USER, 0, 0);
  EXPECT_TRUE(IsWindow(window));  // still there: its handler was running
  EXPECT_EQ(Application().ComponentCount(), before);
  Application().ProcessMessages();
  EXPECT_TRUE(releaseSeen);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(Application().ComponentCount(), before - 1);
}
