#include <gtest/gtest.h>

#include <stdexcept>

#include "core/Error.h"
#include "framework/win/Application.h"
#include "framework/win/Form.h"
#include "framework/win/Handles.h"
#include "framework/win/WideText.h"

using namespace zentavo;

namespace {

std::string WindowClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return Narrow(name);
}

// Records the boxes the application would show instead of blocking on them.
struct MessageBoxSpy {
  struct Box {
    std::string text, caption;
    UINT flags;
  };
  std::vector<Box> boxes;
  MessageBoxSpy() {
    Application().MessageBoxOverride = [this](HWND, const std::string& text, const std::string& caption,
                                              UINT flags) {
      boxes.push_back({text, caption, flags});
      return IDOK;
    };
  }
  ~MessageBoxSpy() { Application().MessageBoxOverride = nullptr; }
};

// A form laid out like a fixed-size main window.
class TfrmSample : public TForm {
  ZENTAVO_CLASS(TfrmSample, TForm)
 public:
  explicit TfrmSample(TComponent* owner) : TForm(owner) {
    BorderStyle = TFormBorderStyle::bsSingle;
    BorderIcons = biSystemMenu | biMinimize;
    SetCaption("Zentavo");
    SetBounds(297, 179, 0, 0);
    SetClientSize(452, 335);
    FormCreated();
  }
};

class ThrowingForm : public TForm {
  ZENTAVO_CLASS(ThrowingForm, TForm)
 public:
  explicit ThrowingForm(TComponent* owner) : TForm(owner) {
    OnShow = [](TComponent*) { throw Error("Showing failed"); };
    FormCreated();
  }
};

}  // namespace

TEST(StandardErrorDisplay, AppendsFullStopOnlyAfterCharactersBeyondIt) {
  EXPECT_EQ(StandardErrorText("File not found"), "File not found.");
  EXPECT_EQ(StandardErrorText("Done."), "Done.");
  EXPECT_EQ(StandardErrorText("Really?"), "Really?.");  // '?' sorts after '.'
  EXPECT_EQ(StandardErrorText("Bad value (1)"), "Bad value (1)");  // ')' sorts before '.'
  EXPECT_EQ(StandardErrorText("a-"), "a-");
  EXPECT_EQ(StandardErrorText(""), "");
}

TEST(Form, HasItsClassNameCaptionAndGeometry) {
  auto form = MakeComponent<TfrmSample>(nullptr);
  HWND window = form->Handle();
  EXPECT_EQ(WindowClassOf(window), "TfrmSample");
  EXPECT_EQ(form->ClassName(), "TfrmSample");
  EXPECT_TRUE(form->InheritsFrom("TForm"));
  EXPECT_TRUE(form->Is<TWinControl>());
  EXPECT_FALSE(form->InheritsFrom("TButton"));

  wchar_t caption[64] = {};
  GetWindowTextW(window, caption, 64);
  EXPECT_EQ(Narrow(caption), "Zentavo");

  RECT client{}, frame{};
  GetClientRect(window, &client);
  GetWindowRect(window, &frame);
  EXPECT_EQ(client.right, 452);
  EXPECT_EQ(client.bottom, 335);
  EXPECT_EQ(frame.left, 297);
  EXPECT_EQ(frame.top, 179);
  LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
}

TEST(Form, ErrorInShowHandlerIsReportedAndWindowStillShows) {
  MessageBoxSpy spy;
  Application().SetTitle("Zentavo");
  auto form = MakeComponent<ThrowingForm>(nullptr);
  form->Show();
  ASSERT_EQ(spy.boxes.size(), 1u);
  EXPECT_EQ(spy.boxes[0].text, "Showing failed.");
  EXPECT_EQ(spy.boxes[0].caption, "Zentavo");
  EXPECT_EQ(spy.boxes[0].flags, UINT(MB_OK | MB_ICONSTOP));
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST(WindowProc, ReplacedHandlerSeesEveryMessageAndCanChain) {
  auto form = MakeComponent<TfrmSample>(nullptr);
  int paints = 0, textChanges = 0;
  TWndMethod saved = form->WindowProc;
  form->WindowProc = [&](TMessage& message) {
    if (message.Msg == WM_PAINT) ++paints;
    if (message.Msg == CM_TEXTCHANGED) ++textChanges;
    saved(message);
  };
  form->Show();
  UpdateWindow(form->Handle());
  form->SetCaption("Other");
  EXPECT_GE(paints, 1);
  EXPECT_EQ(textChanges, 1);
  form->WindowProc = saved;
}

TEST(Ownership, OwnerFreesComponentsAndDestroyedWindowsUnbind) {
  long usersBefore = LiveHandleCount(HandleKind::User);
  {
    auto form = MakeComponent<TfrmSample>(nullptr);
    form->Handle();
    EXPECT_EQ(LiveHandleCount(HandleKind::User), usersBefore + 1);
    EXPECT_EQ(TWinControl::FromHandle(form->Handle()), form.get());
  }
  EXPECT_EQ(LiveHandleCount(HandleKind::User), usersBefore);
}

TEST(Application, ADestroyedMainFormIsForgottenSoTheNextFormTakesItsPlace) {
  TfrmSample& first = Application().CreateForm<TfrmSample>();
  EXPECT_EQ(Application().MainForm(), &first);
  Application().DestroyComponents();
  EXPECT_EQ(Application().MainForm(), nullptr);
  TfrmSample& second = Application().CreateForm<TfrmSample>();
  EXPECT_EQ(Application().MainForm(), &second);
  Application().DestroyComponents();
}
