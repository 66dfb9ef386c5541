// A form's life as the framework runs it: teardown while the whole object is alive,
// bounds that follow the window, client sizes over the real frame, and message
// listeners that come and go while messages are dispatched.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "framework/win/Application.h"
#include "framework/win/Form.h"
#include "framework/win/Handles.h"
#include "framework/win/Menu.h"
#include "framework/win/StdCtrls.h"

using namespace zentavo;

namespace {

// A form with a menu bar and a button that records what its own handler sees of its
// window's end.
class TfrmRecording : public TForm {
  ZENTAVO_CLASS(TfrmRecording, TForm)
 public:
  explicit TfrmRecording(TComponent* owner)
      : TForm(owner), menu(Make<TMainMenu>()), item(Make<TMenuItem>()), button(Make<TButton>()) {
    item.SetCaption("File");
    menu.Items().Add(item);
    SetMenu(&menu);
    button.SetParent(this);
    button.SetBounds(8, 8, 75, 25);
    SetBounds(40, 40, 300, 200);
    FormCreated();
  }
  // A destructor that asks for the window, as late clean-up code may.
  ~TfrmRecording() override {
    if (handleInDestructor) *handleInDestructor = Handle();
  }
  HWND* handleInDestructor = nullptr;
  TMainMenu& menu;
  TMenuItem& item;
  TButton& button;
  int destroyMessages = 0;
  bool destroyingWhenDestroyed = false;
  bool buttonWindowGoneFirst = false;

 protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_DESTROY) {
      ++destroyMessages;
      destroyingWhenDestroyed = HasState(csDestroying);
      buttonWindowGoneFirst = !button.HandleAllocated();
    }
    TForm::WndProc(message);
  }
};

// A form whose frame is not the system's: 7 pixels on the left and right, 30 on top,
// 5 below, as a skinned frame may answer WM_NCCALCSIZE.
class TfrmOwnFrame : public TForm {
  ZENTAVO_CLASS(TfrmOwnFrame, TForm)
 public:
  explicit TfrmOwnFrame(TComponent* owner) : TForm(owner) {
    SetBounds(20, 20, 0, 0);
    SetClientSize(320, 180);
    FormCreated();
  }

 protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_NCCALCSIZE) {
      RECT& rect = reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam)->rgrc[0];
      rect.left += 7;
      rect.right -= 7;
      rect.top += 30;
      rect.bottom -= 5;
      message.Result = 0;
      return;
    }
    TForm::WndProc(message);
  }
};

void Post(HWND window) { PostMessageW(window, WM_NULL, 0, 0); }

}  // namespace

TEST(FormTeardown, TheMenuBarIsFreedOnceByItsMenu) {
  const long failedBefore = FailedFreeCount();
  const long usersBefore = LiveHandleCount(HandleKind::User);
  auto form = MakeComponent<TfrmRecording>(nullptr);
  form->Show();
  ASSERT_EQ(GetMenu(form->Handle()), form->menu.Handle());
  form.reset();
  // The window went first and left the bar alone; the bar's owner then freed it.
  EXPECT_EQ(FailedFreeCount(), failedBefore);
  EXPECT_EQ(LiveHandleCount(HandleKind::User), usersBefore);
}

TEST(FormTeardown, RunsOnceWhileTheObjectIsWholeForOwnedAndUnownedForms) {
  // Unowned: through ComponentPtr.
  auto form = MakeComponent<TfrmRecording>(nullptr);
  form->Show();
  TfrmRecording* seen = form.get();
  int destroyMessages = 0;
  bool destroying = false, buttonFirst = false;
  seen->WindowProc = [&, seen, saved = seen->WindowProc](TMessage& message) {
    saved(message);
    if (message.Msg == WM_DESTROY) {
      destroyMessages = seen->destroyMessages;
      destroying = seen->destroyingWhenDestroyed;
      buttonFirst = seen->buttonWindowGoneFirst;
    }
  };
  form.reset();
  EXPECT_EQ(destroyMessages, 1);
  EXPECT_TRUE(destroying);
  EXPECT_TRUE(buttonFirst);

  // Owned by the application: the owner runs the same phase.
  const long failedBefore = FailedFreeCount();
  TfrmRecording& owned = Application().CreateForm<TfrmRecording>();
  owned.Show();
  int ownedDestroys = 0;
  owned.WindowProc = [&, saved = owned.WindowProc](TMessage& message) {
    if (message.Msg == WM_DESTROY) ++ownedDestroys;
    saved(message);
  };
  Application().DestroyComponents();
  EXPECT_EQ(ownedDestroys, 1);
  EXPECT_EQ(FailedFreeCount(), failedBefore);
}

TEST(FormTeardown, TheWindowIsGoneBeforeTheDestructorsRunAndNoNewOneIsMade) {
  auto form = MakeComponent<TfrmRecording>(nullptr);
  form->Show();
  HWND window = form->Handle();
  HWND askedInDestructor = window;
  form->handleInDestructor = &askedInDestructor;
  form.reset();
  EXPECT_EQ(askedInDestructor, nullptr);
  EXPECT_FALSE(IsWindow(window));
}

TEST(ControlBounds, FollowTheWindowWhenItIsMovedOrSizedOutsideTheFramework) {
  auto form = MakeComponent<TfrmRecording>(nullptr);
  form->Show();
  SetWindowPos(form->Handle(), nullptr, 50, 60, 400, 250, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(form->Left(), 50);
  EXPECT_EQ(form->Top(), 60);
  EXPECT_EQ(form->Width(), 400);
  EXPECT_EQ(form->Height(), 250);

  // A child reports parent client coordinates.
  MoveWindow(form->button.Handle(), 12, 34, 90, 30, TRUE);
  EXPECT_EQ(form->button.Left(), 12);
  EXPECT_EQ(form->button.Top(), 34);
  EXPECT_EQ(form->button.Width(), 90);
  EXPECT_EQ(form->button.Height(), 30);

  // Minimized, the form keeps its last real bounds; restored, they are its own again.
  ShowWindow(form->Handle(), SW_MINIMIZE);
  EXPECT_EQ(form->Left(), 50);
  EXPECT_EQ(form->Width(), 400);
  ShowWindow(form->Handle(), SW_RESTORE);
  RECT frame;
  GetWindowRect(form->Handle(), &frame);
  EXPECT_EQ(form->Left(), frame.left);
  EXPECT_EQ(form->Width(), frame.right - frame.left);
}

TEST(ControlBounds, AClientSizeIsMeasuredOverTheWindowsRealFrame) {
  auto form = MakeComponent<TfrmOwnFrame>(nullptr);
  form->Handle();
  RECT client;
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 320);
  EXPECT_EQ(client.bottom, 180);
  EXPECT_EQ(form->Width(), 320 + 14);
  EXPECT_EQ(form->Height(), 180 + 35);

  // Once the window exists, a new client size uses the same frame.
  form->SetClientSize(200, 100);
  EXPECT_EQ(form->ClientWidth(), 200);
  EXPECT_EQ(form->ClientHeight(), 100);
  EXPECT_EQ(form->Height(), 135);
}

TEST(MessageListeners, MayRemoveAndAddListenersWhileTheyRun) {
  auto form = MakeComponent<TfrmRecording>(nullptr);
  HWND window = form->Handle();
  TApplication& app = Application();
  std::vector<std::string> calls;

  // A listener that removes itself on its first message, one that removes the listener
  // after it, and one that adds a listener.
  int self = 0, victim = 0, adder = 0, added = 0;
  self = app.AddOnMessage([&](MSG&) {
    calls.push_back("self");
    app.RemoveOnMessage(self);
    return false;
  });
  adder = app.AddOnMessage([&](MSG&) {
    calls.push_back("adder");
    app.RemoveOnMessage(victim);
    if (!added) {
      added = app.AddOnMessage([&](MSG&) {
        calls.push_back("added");
        return false;
      });
    }
    return false;
  });
  victim = app.AddOnMessage([&](MSG&) {
    calls.push_back("victim");
    return false;
  });

  Post(window);
  app.ProcessMessages();
  EXPECT_EQ(calls, (std::vector<std::string>{"self", "adder"}));  // removed meanwhile: not called

  calls.clear();
  Post(window);
  app.ProcessMessages();
  EXPECT_EQ(calls, (std::vector<std::string>{"adder", "added"}));  // added meanwhile: next message

  app.RemoveOnMessage(adder);
  app.RemoveOnMessage(added);
  calls.clear();
  Post(window);
  app.ProcessMessages();
  EXPECT_TRUE(calls.empty());
}
