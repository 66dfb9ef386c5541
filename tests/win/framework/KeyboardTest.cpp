// Keys as the message loop delivers them to a form's controls: Enter, Esc, Space and
// accelerator characters, posted to the focused window and handled by the loop.
#include <gtest/gtest.h>
#include <windows.h>

#include "framework/win/Application.h"
#include "framework/win/Form.h"
#include "framework/win/StdCtrls.h"

using namespace zentavo;

namespace {

class TfrmButtons : public TForm {
  ZENTAVO_CLASS(TfrmButtons, TForm)
 public:
  explicit TfrmButtons(TComponent* owner)
      : TForm(owner), edit(Make<TEdit>()), plain(Make<TButton>()), ok(Make<TButton>()), cancel(Make<TButton>()) {
    SetBounds(60, 60, 320, 160);
    edit.SetParent(this);
    edit.SetBounds(8, 8, 120, 21);
    plain.SetParent(this);
    plain.SetBounds(8, 40, 75, 25);
    plain.SetCaption("&Plain");
    ok.SetParent(this);
    ok.SetBounds(90, 40, 75, 25);
    ok.SetCaption("OK");
    ok.Default = true;
    cancel.SetParent(this);
    cancel.SetBounds(172, 40, 75, 25);
    cancel.SetCaption("Cancel");
    cancel.Cancel = true;
    plain.OnClick = [this](TComponent*) { ++plainClicks; };
    ok.OnClick = [this](TComponent*) { ++okClicks; };
    cancel.OnClick = [this](TComponent*) { ++cancelClicks; };
    FormCreated();
  }
  TEdit& edit;
  TButton& plain;
  TButton& ok;
  TButton& cancel;
  int plainClicks = 0, okClicks = 0, cancelClicks = 0;
};

class Keyboard : public ::testing::Test {
 protected:
  void SetUp() override {
    form->Show();
    Application().ProcessMessages();
  }
  // A key pressed and released on the focused control, through the application's loop.
  void Press(TWinControl& focus, WPARAM key) {
    focus.SetFocus();
    ASSERT_EQ(GetFocus(), focus.Handle());
    const UINT scan = MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 1 | (scan << 16));
    PostMessageW(GetFocus(), WM_KEYUP, key, 1 | (scan << 16) | (3u << 30));
    Application().ProcessMessages();
  }
  ComponentPtr<TfrmButtons> form = MakeComponent<TfrmButtons>(nullptr);
};

}  // namespace

TEST_F(Keyboard, EnterPressesTheFocusedButtonEvenWhenItIsNotTheDefault) {
  Press(form->plain, VK_RETURN);
  EXPECT_EQ(form->plainClicks, 1);
  EXPECT_EQ(form->okClicks, 0);
}

TEST_F(Keyboard, EnterElsewhereAnswersTheDefaultButtonAndEscTheCancelButton) {
  Press(form->edit, VK_RETURN);
  EXPECT_EQ(form->okClicks, 1);
  EXPECT_EQ(form->plainClicks, 0);
  Press(form->edit, VK_ESCAPE);
  EXPECT_EQ(form->cancelClicks, 1);
  Press(form->plain, VK_ESCAPE);
  EXPECT_EQ(form->cancelClicks, 2);
  EXPECT_EQ(form->plainClicks, 0);

  // A disabled default button does not answer.
  form->ok.SetEnabled(false);
  Press(form->edit, VK_RETURN);
  EXPECT_EQ(form->okClicks, 1);
}

TEST_F(Keyboard, SpacePressesTheFocusedButtonOnce) {
  Press(form->plain, VK_SPACE);
  EXPECT_EQ(form->plainClicks, 1);
  EXPECT_EQ(form->okClicks, 0);
}

TEST_F(Keyboard, EveryKeyReachesTheControlsMessagePathFirst) {
  std::vector<UINT> seen;
  form->plain.WindowProc = [&, saved = form->plain.WindowProc](TMessage& message) {
    if (message.Msg == CN_KEYDOWN || message.Msg == WM_KEYDOWN) seen.push_back(message.Msg);
    saved(message);
  };
  Press(form->plain, VK_RETURN);
  Press(form->plain, 'A');
  // Enter was handled on the way (no WM_KEYDOWN); the letter went on to the window.
  EXPECT_EQ(seen, (std::vector<UINT>{CN_KEYDOWN, CN_KEYDOWN, WM_KEYDOWN}));
  EXPECT_EQ(form->plainClicks, 1);
}

TEST_F(Keyboard, AnAcceleratorCharacterWithAltPressesItsButton) {
  form->edit.SetFocus();
  PostMessageW(form->edit.Handle(), WM_SYSCHAR, 'p', 1u << 29);
  Application().ProcessMessages();
  EXPECT_EQ(form->plainClicks, 1);
  // Typed into the edit without Alt, the letter is text.
  PostMessageW(form->edit.Handle(), WM_CHAR, 'p', 1);
  Application().ProcessMessages();
  EXPECT_EQ(form->plainClicks, 1);
  EXPECT_EQ(form->edit.Text(), "p");
}
