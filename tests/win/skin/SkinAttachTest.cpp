// Wrapping the controls of framework forms and the children of foreign windows, the
// control wrappers' message path, and the lifetimes of wrappers, controls, forms and the
// engine in every order.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <typeinfo>
#include <vector>

#include "framework/win/Application.h"
#include "framework/win/Buttons.h"
#include "framework/win/CheckBox.h"
#include "framework/win/ComCtrls.h"
#include "framework/win/ComboBoxEx.h"
#include "framework/win/DateTimePicker.h"
#include "framework/win/ExtCtrls.h"
#include "framework/win/Grids.h"
#include "framework/win/ListView.h"
#include "framework/win/ScrollBar.h"
#include "framework/win/ScrollBox.h"
#include "framework/win/StdCtrls.h"
#include "framework/win/TabControls.h"
#include "framework/win/ToolBar.h"
#include "framework/win/TreeView.h"
#include "framework/win/WindowSubclass.h"
#include "skin/win/SkinControlWrappers.h"
#include "skin/win/SkinMessages.h"
#include "skin/win/SkinSystem.h"
#include "win/skin/SkinTestSupport.h"

namespace zentavo::testing {
namespace {

using K = TWrapperKind;
using Log = std::vector<std::string>;

// Classes the attachment tells apart by name.
class TMyListView : public TListView {
  ZENTAVO_CLASS(TMyListView, TListView)
 public:
  using TListView::TListView;
};
class TsuiForm : public TForm {
  ZENTAVO_CLASS(TsuiForm, TForm)
 public:
  using TForm::TForm;
};
class TsuiSkinInternalScrollBar : public TScrollBar {
  ZENTAVO_CLASS(TsuiSkinInternalScrollBar, TScrollBar)
 public:
  using TScrollBar::TScrollBar;
};
class TsuiSkinInternalComboButton : public TPanel {
  ZENTAVO_CLASS(TsuiSkinInternalComboButton, TPanel)
 public:
  using TPanel::TPanel;
};
class TsuiSkinInternalUpDown : public TUpDown {
  ZENTAVO_CLASS(TsuiSkinInternalUpDown, TUpDown)
 public:
  using TUpDown::TUpDown;
};

class ControlsForm : public TForm {
  ZENTAVO_CLASS(ControlsForm, TForm)
 public:
  explicit ControlsForm(TComponent* owner) : TForm(owner) {
    SetBounds(30, 30, 420, 320);
    FormCreated();
  }
  // A control owned by `owner` (the form when none) sitting on `parent` (the form when none).
  template <class T>
  T& Add(TWinControl* parent = nullptr, TComponent* owner = nullptr) {
    T& control = (owner ? owner : this)->template Make<T>();
    control.SetParent(parent ? parent : this);
    control.SetBounds(4, 4, 80, 24);
    return control;
  }
};

// Every recording wrapper alive. A call into one that was freed counts, so tests see a
// call into freed memory instead of (perhaps) not crashing.
std::set<const void*>& LiveRecorders() {
  static std::set<const void*> live;
  return live;
}
int callsIntoFreedWrappers = 0;

std::string MessageName(UINT msg) {
  static const std::map<UINT, std::string> names = {
      {CM_MOUSEENTER, "mouseenter"}, {CM_MOUSELEAVE, "mouseleave"}, {WM_LBUTTONDOWN, "lbuttondown"},
      {WM_LBUTTONUP, "lbuttonup"},   {WM_KEYDOWN, "keydown"},       {WM_KEYUP, "keyup"},
      {SM_ISSKINNED, "isskinned"},   {WM_MOUSEMOVE, "mousemove"},   {WM_APP + 7, "app7"}};
  const auto found = names.find(msg);
  return found == names.end() ? std::to_string(msg) : found->second;
}

// A wrapper of either variant that writes down every operation the message path calls.
template <class Base>
class Recorder : public Base {
 public:
  template <class Target>
  Recorder(Target&& target, TsuiSkinWindow& frame, Log& log)
      : Base(std::forward<Target>(target), frame), log_(log) {
    LiveRecorders().insert(this);
  }
  ~Recorder() override { LiveRecorders().erase(this); }

  TWrapperKind WrapperKind() const override { return K::TsuiSkinFrame; }
  bool BeforeMessage(TMessage& message) override {
    Note("before " + MessageName(message.Msg));
    return runSaved;
  }
  void AfterMessage(TMessage& message) override {
    Check();
    Base::AfterMessage(message);
  }
  void Paint() override { Note("paint"); }
  void MouseEnter() override { Note("enter"); }
  void MouseLeave() override { Note("leave"); }
  void MouseDown() override { Note("down"); }
  void MouseUp() override { Note("up"); }
  void KeyDown(WPARAM key) override { Note("keydown " + std::to_string(key)); }
  void KeyUp(WPARAM key) override { Note("keyup " + std::to_string(key)); }
  void Initialize() override { Note("initialize"); }

  bool runSaved = true;

 private:
  void Check() const {
    if (!LiveRecorders().count(this)) ++callsIntoFreedWrappers;
  }
  void Note(const std::string& entry) {
    Check();
    log_.push_back(entry);
  }
  Log& log_;
};
using RecordingControl = Recorder<TsuiSkinControlVCL>;
using RecordingWindow = Recorder<TsuiSkinControlWnd>;

Log Take(Log& log) {
  return std::exchange(log, {});
}

class AttachTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { Application().Initialize(); }
  void SetUp() override { callsIntoFreedWrappers = 0; }
  void TearDown() override { EXPECT_EQ(callsIntoFreedWrappers, 0); }

  // The wrapper of a framework control in the frame's list, or none.
  TsuiSkinControl* WrapperOf(const TControl& control) const {
    for (const auto& wrapper : frame->Controls()) {
      auto* framework = dynamic_cast<TsuiSkinControlVCL*>(wrapper.get());
      if (framework && framework->Control() == &control) return wrapper.get();
    }
    return nullptr;
  }
  std::optional<TWrapperKind> KindOf(const TControl& control) const {
    const TsuiSkinControl* wrapper = WrapperOf(control);
    return wrapper ? std::optional(wrapper->WrapperKind()) : std::nullopt;
  }

  // Before the form: what its controls' procedures write down outlives them.
  Log log;
  SkinningEngine skin;
  TsuiSkinEngine& engine = skin.engine;
  ComponentPtr<ControlsForm> form = MakeComponent<ControlsForm>(nullptr);
  std::unique_ptr<ControlFrame> frame = std::make_unique<ControlFrame>(form->Handle(), false, engine);
};

// ---- which controls get which wrapper -------------------------------------------------

TEST_F(AttachTest, EachControlGetsTheWrapperOfItsClassInOwnershipOrder) {
  struct Case {
    TControl* control;
    std::optional<TWrapperKind> kind;
    bool parentColor;  // the wrapper wants the form's colour
  };
  const std::vector<Case> cases = {
      {&form->Add<TMyListView>(), K::TsuiSkinListView, false},
      {&form->Add<TMemo>(), K::TsuiSkinScrollWinControl, false},
      {&form->Add<TEdit>(), K::TsuiSkinScrollWinControl, false},
      {&form->Add<TListBox>(), K::TsuiSkinScrollWinControl, false},
      {&form->Add<TTreeView>(), K::TsuiSkinScrollWinControl, false},
      {&form->Add<TScrollBox>(), K::TsuiSkinScrollWinControl, false},
      {&form->Add<TButton>(), K::TsuiSkinButton, false},
      {&form->Add<TCheckBox>(), K::TsuiSkinCheckBox, true},
      {&form->Add<TRadioButton>(), K::TsuiSkinRadioButton, true},
      {&form->Add<TComboBox>(), K::TsuiSkinComboBox, false},
      {&form->Add<TComboBoxEx>(), K::TsuiSkinComboBoxEx, false},
      {&form->Add<TScrollBar>(), K::TsuiSkinScrollBar, false},
      {&form->Add<TGroupBox>(), K::TsuiSkinGroupBox, true},
      {&form->Add<TPanel>(), K::TsuiSkinPanel, true},
      {&form->Add<TCoolBar>(), K::TsuiSkinPanel, true},
      {&form->Add<TStatusBar>(), K::TsuiSkinStatusBar, true},
      {&form->Add<TToolBar>(), K::TsuiSkinToolBar, true},
      {&form->Add<TLabel>(), K::TsuiSkinLabel, true},
      {&form->Add<TSpeedButton>(), K::TsuiSkinSpeedButton, false},
      {&form->Add<TTrackBar>(), K::TsuiSkinTrackBar, false},
      {&form->Add<TProgressBar>(), K::TsuiSkinProgressBar, false},
      {&form->Add<TUpDown>(), K::TsuiSkinUpDown, false},
      {&form->Add<THotKey>(), K::TsuiSkinBorderWinControl, false},
      {&form->Add<TDateTimePicker>(), K::TsuiSkinDateTimePicker, false},
      {&form->Add<TTabControl>(), K::TsuiSkinTabControl, false},
      {&form->Add<TPageControl>(), K::TsuiSkinTabControl, false},
      {&form->Add<TStringGrid>(), K::TsuiSkinGrid, false},
      {&form->Add<TFrame>(), K::TsuiSkinFrame, false},
      {&form->Add<TImage>(), std::nullopt, false},
      // The pickers' inner up-down is drawn like any up-down; the other inner controls are
      // drawn by the wrappers that make them.
      {&form->Add<TsuiSkinInternalUpDown>(), K::TsuiSkinUpDown, false},
      {&form->Add<TsuiSkinInternalScrollBar>(), std::nullopt, false},
      {&form->Add<TsuiSkinInternalComboButton>(), std::nullopt, false},
  };
  // Check boxes and radio buttons take their parent's colour of their own accord; the
  // others only when their wrapper asks for it.
  for (const Case& c : cases)
    ASSERT_EQ(c.control->ParentColor(), c.control->Is<TCheckBox>() || c.control->Is<TRadioButton>())
        << c.control->ClassName();

  AttachFormControls(*frame, *form);

  std::vector<TWrapperKind> expectedOrder, order;
  for (const Case& c : cases) {
    EXPECT_EQ(KindOf(*c.control), c.kind) << c.control->ClassName();
    EXPECT_EQ(c.control->ParentColor(), c.parentColor) << c.control->ClassName();
    if (c.kind) expectedOrder.push_back(*c.kind);
    // A picker makes its own spin buttons while it is wrapped: they follow it.
    if (c.kind == K::TsuiSkinDateTimePicker) expectedOrder.push_back(K::TsuiSkinUpDown);
  }
  for (const auto& wrapper : frame->Controls()) order.push_back(wrapper->WrapperKind());
  EXPECT_EQ(order, expectedOrder);
  EXPECT_TRUE(frame->Allowed());
}

TEST_F(AttachTest, OwnedControlsAreFollowedThroughOwnershipNotParenthood) {
  auto& panel = form->Add<TPanel>();
  // Owned by the panel, sitting on the form: found through the panel.
  auto& ownedByPanel = form->Add<TButton>(form.get(), &panel);
  // Owned by the form, sitting on the panel: found directly.
  auto& onPanel = form->Add<TEdit>(&panel);
  // Owned by the form but on no parent: neither it nor what it owns is wrapped.
  auto& orphan = form->Make<TPanel>();
  auto& ownedByOrphan = form->Add<TButton>(form.get(), &orphan);

  AttachFormControls(*frame, *form);

  EXPECT_EQ(KindOf(ownedByPanel), K::TsuiSkinButton);
  EXPECT_EQ(KindOf(onPanel), K::TsuiSkinScrollWinControl);
  EXPECT_EQ(KindOf(orphan), std::nullopt);
  EXPECT_EQ(KindOf(ownedByOrphan), std::nullopt);
  ASSERT_EQ(frame->Controls().size(), 3u);
  // The panel's own components come right after it, before the form's next ones.
  EXPECT_EQ(frame->Controls()[0].get(), WrapperOf(panel));
  EXPECT_EQ(frame->Controls()[1].get(), WrapperOf(ownedByPanel));
  EXPECT_EQ(frame->Controls()[2].get(), WrapperOf(onPanel));
}

TEST_F(AttachTest, EmbeddedFormsTakeTheSkinColourOnlyWhenNamedAndLibraryFormsKeepTheirFrame) {
  auto& named = form->Add<TForm>();
  named.SetName("frmInner");
  auto& inNamed = form->Add<TButton>(&named, &named);
  auto& unnamed = form->Add<TForm>();
  const TColor unnamedColour = unnamed.Color();
  auto& inUnnamed = form->Add<TButton>(&unnamed, &unnamed);

  AttachFormControls(*frame, *form);

  EXPECT_EQ(named.Color(), engine.FormColor());
  EXPECT_EQ(KindOf(named), std::nullopt);
  EXPECT_EQ(KindOf(inNamed), K::TsuiSkinButton);
  EXPECT_EQ(unnamed.Color(), unnamedColour);
  EXPECT_EQ(KindOf(inUnnamed), std::nullopt);
  EXPECT_TRUE(frame->Allowed());

  // A form of the library draws its own frame: the frame wrapper leaves it alone, and the
  // form's controls are its own business.
  auto& library = form->Add<TsuiForm>();
  auto& inLibrary = form->Add<TButton>(&library, &library);
  frame->Controls().clear();
  AttachFormControls(*frame, *form);
  EXPECT_FALSE(frame->Allowed());
  EXPECT_EQ(KindOf(inLibrary), std::nullopt);
  EXPECT_EQ(KindOf(inNamed), K::TsuiSkinButton);
}

TEST_F(AttachTest, TheDisabledTagLeavesAControlAndEverythingItOwnsUnwrapped) {
  auto& panel = form->Add<TPanel>();
  panel.Tag = 9999;
  auto& inside = form->Add<TButton>(&panel, &panel);
  auto& label = form->Add<TLabel>();
  label.Tag = 9999;
  auto& other = form->Add<TButton>();
  other.Tag = 1;
  ASSERT_EQ(engine.DisabledTag(), 9999);

  AttachFormControls(*frame, *form);

  EXPECT_EQ(KindOf(panel), std::nullopt);
  EXPECT_EQ(KindOf(inside), std::nullopt);
  EXPECT_EQ(KindOf(label), std::nullopt);
  EXPECT_FALSE(panel.ParentColor());
  EXPECT_EQ(KindOf(other), K::TsuiSkinButton);
  EXPECT_EQ(frame->Controls().size(), 1u);
}

TEST_F(AttachTest, WithDisabledTagZeroEveryControlIsWrappedButATagZeroControlPassesMessagesOn) {
  engine.SetDisabledTag(0);
  auto& plain = form->Add<TButton>();
  auto& tagged = form->Add<TButton>();
  tagged.Tag = 5;
  auto& label = form->Add<TLabel>();

  AttachFormControls(*frame, *form);

  ASSERT_EQ(KindOf(plain), K::TsuiSkinButton);
  ASSERT_EQ(KindOf(label), K::TsuiSkinLabel);
  EXPECT_EQ(plain.Perform(SM_ISSKINNED), 0);
  EXPECT_EQ(SendMessageW(plain.Handle(), SM_ISSKINNED, 0, 0), 0);
  EXPECT_EQ(label.Perform(SM_ISSKINNED), 0);
  EXPECT_EQ(tagged.Perform(SM_ISSKINNED), 1);
  // The tag is read per message.
  plain.Tag = 5;
  EXPECT_EQ(plain.Perform(SM_ISSKINNED), 1);
}

TEST_F(AttachTest, AControlAlreadyAnsweringIsSkinnedIsNotWrappedTwice) {
  auto& button = form->Add<TButton>();
  AttachFormControls(*frame, *form);
  ASSERT_EQ(frame->Controls().size(), 1u);
  AttachFormControls(*frame, *form);
  EXPECT_EQ(frame->Controls().size(), 1u);
  EXPECT_EQ(KindOf(button), K::TsuiSkinButton);
}

TEST_F(AttachTest, WrappedControlsAnswerIsSkinnedWhileTheEngineSkins) {
  auto& button = form->Add<TButton>();
  auto& memo = form->Add<TMemo>();
  auto& label = form->Add<TLabel>();
  EXPECT_EQ(button.Perform(SM_ISSKINNED), 0);
  AttachFormControls(*frame, *form);

  for (TWinControl* control : std::vector<TWinControl*>{&button, &memo}) {
    EXPECT_EQ(control->Perform(SM_ISSKINNED), 1) << control->ClassName();
    EXPECT_EQ(SendMessageW(control->Handle(), SM_ISSKINNED, 0, 0), 1) << control->ClassName();
  }
  EXPECT_EQ(label.Perform(SM_ISSKINNED), 1);
  // Not skinning: every message goes its ordinary way.
  engine.SetActive(false);
  EXPECT_EQ(SendMessageW(button.Handle(), SM_ISSKINNED, 0, 0), 0);
  EXPECT_EQ(label.Perform(SM_ISSKINNED), 0);
  engine.SetActive(true);
  EXPECT_EQ(SendMessageW(memo.Handle(), SM_ISSKINNED, 0, 0), 1);
}

// ---- the message path -----------------------------------------------------------------

class AttachMessagePathTest : public AttachTest {
 protected:
  void SetUp() override {
    AttachTest::SetUp();
    // The control's own procedure is replaced by one that only writes down what reaches it.
    button.WindowProc = [this](TMessage& message) {
      log.push_back("saved " + MessageName(message.Msg));
      message.Result = 7;
    };
    frame->Controls().push_back(MakeSkinControl<RecordingControl>(button, *frame, log));
    recorder = static_cast<RecordingControl*>(frame->Controls().back().get());
    EXPECT_EQ(Take(log), Log{"initialize"});
  }
  TButton& button = form->Add<TButton>();
  RecordingControl* recorder = nullptr;
};

TEST_F(AttachMessagePathTest, MouseAndKeysSetHotAndDownAroundTheSavedProcedure) {
  button.Perform(CM_MOUSEENTER);
  EXPECT_EQ(Take(log), (Log{"before mouseenter", "saved mouseenter", "paint", "enter"}));
  EXPECT_TRUE(recorder->Hot());
  EXPECT_FALSE(recorder->Down());

  button.Perform(WM_LBUTTONDOWN);
  EXPECT_EQ(Take(log), (Log{"before lbuttondown", "saved lbuttondown", "paint", "down"}));
  EXPECT_EQ(recorder->State(), TsuiSkinControl::kHot | TsuiSkinControl::kDown);

  button.Perform(CM_MOUSELEAVE);
  EXPECT_EQ(Take(log), (Log{"before mouseleave", "saved mouseleave", "paint", "leave"}));
  EXPECT_EQ(recorder->State(), 0u);

  button.Perform(WM_LBUTTONDOWN);
  button.Perform(WM_LBUTTONUP);
  EXPECT_FALSE(recorder->Down());
  EXPECT_EQ(log.back(), "up");
  log.clear();

  // Space and Enter press the control; every other key is only reported.
  const std::pair<WPARAM, bool> keys[] = {{VK_SPACE, true}, {VK_RETURN, true}, {'A', false}, {VK_TAB, false}};
  for (const auto& [key, presses] : keys) {
    button.Perform(WM_KEYDOWN, key);
    EXPECT_EQ(recorder->Down(), presses) << key;
    EXPECT_EQ(Take(log), (Log{"before keydown", "saved keydown", "paint", "keydown " + std::to_string(key)}));
    // An other key let go does not end the press.
    button.Perform(WM_KEYDOWN, VK_SPACE);
    button.Perform(WM_KEYUP, 'B');
    EXPECT_TRUE(recorder->Down());
    button.Perform(WM_KEYUP, key);
    EXPECT_EQ(recorder->Down(), !presses) << key;
    EXPECT_EQ(log.back(), "keyup " + std::to_string(key));
    button.Perform(WM_KEYUP, VK_SPACE);
    log.clear();
  }
}

TEST_F(AttachMessagePathTest, RepaintMessagesPaintAfterTheSavedProcedureAndOthersDoNot) {
  for (UINT msg : {UINT(WM_PAINT), UINT(WM_ERASEBKGND), UINT(WM_SETTEXT), UINT(WM_ENABLE), SM_REPAINT,
                   UINT(CM_ENABLEDCHANGED), UINT(CM_TEXTCHANGED)}) {
    button.Perform(msg);
    EXPECT_EQ(Take(log), (Log{"before " + MessageName(msg), "saved " + MessageName(msg), "paint"})) << msg;
  }
  button.Perform(WM_MOUSEMOVE);
  EXPECT_EQ(Take(log), (Log{"before mousemove", "saved mousemove"}));
  // The saved procedure's answer stays, except for the wrapper's own question.
  EXPECT_EQ(button.Perform(WM_MOUSEMOVE), 7);
  EXPECT_EQ(button.Perform(SM_ISSKINNED), 1);
}

TEST_F(AttachMessagePathTest, BeforeMessageCanKeepTheSavedProcedureOutButAfterMessageStillRuns) {
  recorder->runSaved = false;
  EXPECT_EQ(button.Perform(SM_ISSKINNED), 1);
  EXPECT_EQ(Take(log), Log{"before isskinned"});
  button.Perform(CM_MOUSEENTER);
  EXPECT_EQ(Take(log), (Log{"before mouseenter", "paint", "enter"}));
}

TEST_F(AttachMessagePathTest, APassiveWrapperLeavesEveryMessageToTheSavedProcedure) {
  // Not skinning.
  engine.SetActive(false);
  EXPECT_EQ(button.Perform(CM_MOUSEENTER), 7);
  EXPECT_EQ(Take(log), Log{"saved mouseenter"});
  EXPECT_FALSE(recorder->Hot());
  engine.SetActive(true);
  // The control opted out after it was wrapped.
  button.Tag = engine.DisabledTag();
  EXPECT_EQ(button.Perform(SM_ISSKINNED), 7);
  EXPECT_EQ(Take(log), Log{"saved isskinned"});
  button.Tag = 0;
  // Detached: the hooks before the saved procedure still run, the ones after it do not.
  recorder->Detach();
  EXPECT_EQ(button.Perform(SM_ISSKINNED), 7);
  EXPECT_EQ(Take(log), (Log{"before isskinned", "saved isskinned"}));
}

// ---- foreign windows ------------------------------------------------------------------

// A "#32770" window with children; destroyed at the end unless a test destroyed it.
class AttachForeignTest : public AttachTest {
 protected:
  HWND Child(const wchar_t* windowClass, DWORD style, HWND parent = nullptr) {
    const int id = ++lastId_;
    return CreateWindowExW(0, windowClass, L"Child", WS_CHILD | WS_VISIBLE | style, 4, id * 22, 120, 20,
                           parent ? parent : dialog.get(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
  }
  std::unique_ptr<ControlFrame> dialogFrame;
  WindowHandle dialog{CreateWindowExW(0, L"#32770", L"Dialog", WS_POPUP | WS_CAPTION, 100, 100, 300, 400,
                                      nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)};
  void SetUp() override {
    AttachTest::SetUp();
    ASSERT_TRUE(dialog);
    dialogFrame = std::make_unique<ControlFrame>(dialog.get(), true, engine);
  }
  void TearDown() override {
    dialogFrame.reset();
    AttachTest::TearDown();
  }
  // Every wrapper's window with the wrapper's kind.
  std::map<HWND, TWrapperKind> Wrapped() const {
    std::map<HWND, TWrapperKind> wrapped;
    for (const auto& wrapper : dialogFrame->Controls())
      wrapped[wrapper->GetHandle()] = wrapper->WrapperKind();
    return wrapped;
  }

 private:
  int lastId_ = 0;
};

WNDPROC ProcedureOf(HWND window) {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
}

TEST_F(AttachForeignTest, ChildrenGetTheWrapperOfTheirClassAndStyleAndTheirProceduresBack) {
  HWND check = Child(L"BUTTON", BS_AUTOCHECKBOX);
  HWND radio = Child(L"BUTTON", BS_AUTORADIOBUTTON);
  HWND group = Child(L"BUTTON", BS_GROUPBOX);
  HWND push = Child(L"BUTTON", BS_PUSHBUTTON);
  HWND defPush = Child(L"BUTTON", BS_DEFPUSHBUTTON);
  HWND simple = Child(L"COMBOBOX", CBS_SIMPLE);
  HWND dropDown = Child(L"COMBOBOX", CBS_DROPDOWN);
  HWND extended = Child(WC_COMBOBOXEXW, CBS_DROPDOWN);
  HWND tabs = Child(WC_TABCONTROLW, 0);
  HWND toolBar = Child(TOOLBARCLASSNAMEW, CCS_NORESIZE);
  HWND text = Child(L"STATIC", 0);
  HWND inner = GetTopWindow(extended);
  ASSERT_NE(inner, nullptr);
  // Already skinned by someone else: left alone.
  HWND answering = Child(L"BUTTON", BS_PUSHBUTTON);
  WindowSubclass answers(answering, [](WindowSubclass& token, TMessage& message) {
    if (message.Msg == SM_ISSKINNED)
      message.Result = 1;
    else
      token.Default(message);
  });
  EXPECT_FALSE(dialogFrame->HasAnimatedChild());

  const std::vector<HWND> all = {check,    radio,    group, push, defPush, simple,
                                 dropDown, extended, inner, tabs, toolBar, text};
  std::map<HWND, WNDPROC> original;
  for (HWND window : all) original[window] = ProcedureOf(window);

  AttachForeignControls(*dialogFrame, dialog.get());

  const std::map<HWND, TWrapperKind> expected = {
      {check, K::TsuiSkinWndCheckBox},    {radio, K::TsuiSkinWndRadioButton},
      {push, K::TsuiSkinWndButton},       {defPush, K::TsuiSkinWndButton},
      {dropDown, K::TsuiSkinWndComboBox}, {inner, K::TsuiSkinWndComboBox},
      {tabs, K::TsuiSkinWndTabControl},   {toolBar, K::TsuiSkinWndToolbarWindow32}};
  EXPECT_EQ(Wrapped(), expected);
  EXPECT_EQ(dialogFrame->Controls().size(), expected.size());
  EXPECT_FALSE(dialogFrame->HasAnimatedChild());
  int subclassed = 0;
  for (HWND window : all) {
    const bool wrapped = expected.count(window) != 0;
    EXPECT_EQ(SendMessageW(window, SM_ISSKINNED, 0, 0), wrapped ? 1 : 0);
    subclassed += ProcedureOf(window) != original[window];
  }
  // The extended combo box subclasses its inner combo box itself: that window's procedure
  // is the subclass dispatcher already, before and after.
  EXPECT_EQ(subclassed, static_cast<int>(expected.size()) - 1);
  EXPECT_EQ(ProcedureOf(inner), original[inner]);

  DetachForeignControls(*dialogFrame);

  EXPECT_TRUE(dialogFrame->Controls().empty());
  int restored = 0;
  for (HWND window : all) {
    EXPECT_EQ(ProcedureOf(window), original[window]);
    restored += ProcedureOf(window) == original[window];
    EXPECT_EQ(SendMessageW(window, SM_ISSKINNED, 0, 0), 0);
  }
  EXPECT_EQ(restored, static_cast<int>(all.size()));
  EXPECT_EQ(SendMessageW(answering, SM_ISSKINNED, 0, 0), 1);
}

TEST_F(AttachForeignTest, AnimationAndProgressChildrenMarkTheFrame) {
  Child(ANIMATE_CLASSW, 0);
  AttachForeignControls(*dialogFrame, dialog.get());
  EXPECT_TRUE(dialogFrame->HasAnimatedChild());
  EXPECT_TRUE(dialogFrame->Controls().empty());

  ControlFrame other(dialog.get(), true, engine);
  DestroyWindow(GetTopWindow(dialog.get()));
  Child(PROGRESS_CLASSW, 0);
  AttachForeignControls(other, dialog.get());
  EXPECT_TRUE(other.HasAnimatedChild());
}

TEST_F(AttachForeignTest, OnlyDirectChildWindowsAreWrapped) {
  HWND holder = Child(L"STATIC", 0);
  HWND grandChild = Child(L"BUTTON", BS_PUSHBUTTON, holder);
  // An owned pop-up is no child.
  WindowHandle popup{CreateWindowExW(0, L"BUTTON", L"Popup", WS_POPUP | BS_PUSHBUTTON, 0, 0, 50, 20,
                                     dialog.get(), nullptr, GetModuleHandleW(nullptr), nullptr)};
  AttachForeignControls(*dialogFrame, dialog.get());
  EXPECT_TRUE(dialogFrame->Controls().empty());
  EXPECT_EQ(SendMessageW(grandChild, SM_ISSKINNED, 0, 0), 0);
  EXPECT_EQ(SendMessageW(popup.get(), SM_ISSKINNED, 0, 0), 0);
}

TEST_F(AttachForeignTest, AForeignWrapperReportsItsWindowsSizeTextAndState) {
  HWND push = Child(L"BUTTON", BS_PUSHBUTTON);
  SetWindowTextW(push, L"Öffnen");
  AttachForeignControls(*dialogFrame, dialog.get());
  ASSERT_EQ(dialogFrame->Controls().size(), 1u);
  auto& wrapper = static_cast<TsuiSkinControlWnd&>(*dialogFrame->Controls()[0]);
  EXPECT_EQ(wrapper.Handle(), push);
  EXPECT_EQ(wrapper.WindowWidth(), 120);
  EXPECT_EQ(wrapper.WindowHeight(), 20);
  const RECT rect = wrapper.GetControlRect();
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.right, 120);
  EXPECT_EQ(rect.bottom, 20);
  EXPECT_EQ(wrapper.WindowText(), "Öffnen");
  EXPECT_TRUE(wrapper.GetEnabled());
  EnableWindow(push, FALSE);
  EXPECT_FALSE(wrapper.GetEnabled());
}

// ---- lifetimes ------------------------------------------------------------------------

TEST_F(AttachTest, ControlsGoOnWorkingAfterTheirWrappersAreFreed) {
  auto& button = form->Add<TButton>();
  auto& label = form->Add<TLabel>();
  auto& memo = form->Add<TMemo>();
  const std::type_info& own = button.WindowProc.target_type();

  AttachFormControls(*frame, *form);
  ASSERT_EQ(frame->Controls().size(), 3u);
  EXPECT_NE(button.WindowProc.target_type(), own);
  DetachFormControls(*frame, true);

  EXPECT_TRUE(frame->Controls().empty());
  EXPECT_EQ(button.WindowProc.target_type(), own);
  EXPECT_EQ(button.Perform(SM_ISSKINNED), 0);
  EXPECT_EQ(label.Perform(SM_ISSKINNED), 0);
  button.SetCaption("Still there");
  EXPECT_EQ(SendMessageW(button.Handle(), WM_GETTEXTLENGTH, 0, 0), 11);

  // Without restoring, the controls keep a procedure that only passes messages on.
  AttachFormControls(*frame, *form);
  ASSERT_EQ(frame->Controls().size(), 3u);
  DetachFormControls(*frame, false);
  EXPECT_NE(memo.WindowProc.target_type(), own);
  EXPECT_EQ(memo.Perform(SM_ISSKINNED), 0);
  EXPECT_EQ(SendMessageW(memo.Handle(), SM_ISSKINNED, 0, 0), 0);
  memo.SetCaption("text");
  EXPECT_EQ(SendMessageW(memo.Handle(), WM_GETTEXTLENGTH, 0, 0), 4);
  // They can be wrapped again.
  AttachFormControls(*frame, *form);
  EXPECT_EQ(memo.Perform(SM_ISSKINNED), 1);
}

TEST_F(AttachTest, AFormFreedBeforeItsWrappersLeavesThemNothingToTouch) {
  form->Add<TButton>();
  form->Add<TLabel>();
  auto& edit = form->Add<TEdit>();
  AttachFormControls(*frame, *form);
  frame->Controls().push_back(MakeSkinControl<RecordingControl>(edit, *frame, log));
  ASSERT_EQ(frame->Controls().size(), 4u);

  form.reset();

  for (const auto& wrapper : frame->Controls()) {
    EXPECT_EQ(static_cast<TsuiSkinControlVCL&>(*wrapper).Control(), nullptr);
    EXPECT_EQ(wrapper->GetHandle(), nullptr);
    EXPECT_FALSE(wrapper->GetEnabled());
  }
  DetachFormControls(*frame, true);
  EXPECT_TRUE(frame->Controls().empty());
}

TEST_F(AttachTest, WrappersFreedByTheEngineBeforeTheFormLeaveWorkingControls) {
  // Frames belong to the engine; the fixture's own must not outlive it.
  frame.reset();
  WindowHandle dialog{CreateWindowExW(0, L"#32770", L"Dialog", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr)};
  HWND push = CreateWindowExW(0, L"BUTTON", L"Push", WS_CHILD | BS_PUSHBUTTON, 0, 0, 50, 20, dialog.get(),
                              nullptr, GetModuleHandleW(nullptr), nullptr);
  const WNDPROC pushProcedure = ProcedureOf(push);
  auto& button = form->Add<TButton>();
  const std::type_info& own = button.WindowProc.target_type();
  TsuiSkinEngine::WindowWrapperFactory = [](TsuiSkinEngine& owner, HWND window, bool foreign, bool isForm) {
    auto made = std::make_unique<ControlFrame>(window, foreign, owner);
    if (isForm)
      AttachFormControls(*made, *FindFormByHandle(window));
    else
      AttachForeignControls(*made, window);
    return made;
  };
  engine.SkinWindow(form->Handle());
  engine.AddWindow(dialog.get(), true);
  TsuiSkinEngine::WindowWrapperFactory = nullptr;
  ASSERT_EQ(button.Perform(SM_ISSKINNED), 1);
  ASSERT_EQ(SendMessageW(push, SM_ISSKINNED, 0, 0), 1);

  skin.host->FreeComponent(&engine);

  EXPECT_EQ(button.WindowProc.target_type(), own);
  EXPECT_EQ(button.Perform(SM_ISSKINNED), 0);
  EXPECT_EQ(ProcedureOf(push), pushProcedure);
  EXPECT_EQ(SendMessageW(push, SM_ISSKINNED, 0, 0), 0);
  button.SetCaption("Still there");
  EXPECT_EQ(SendMessageW(button.Handle(), WM_GETTEXTLENGTH, 0, 0), 11);
}

TEST_F(AttachForeignTest, AWindowDestroyedBeforeItsWrappersLetsThemGoQuietly) {
  HWND push = Child(L"BUTTON", BS_PUSHBUTTON);
  Child(L"BUTTON", BS_AUTOCHECKBOX);
  AttachForeignControls(*dialogFrame, dialog.get());
  dialogFrame->Controls().push_back(MakeSkinControl<RecordingWindow>(push, *dialogFrame, log));
  ASSERT_EQ(dialogFrame->Controls().size(), 3u);

  dialog.reset();

  for (const auto& wrapper : dialogFrame->Controls()) {
    EXPECT_EQ(wrapper->GetHandle(), nullptr);
    EXPECT_EQ(static_cast<TsuiSkinControlWnd&>(*wrapper).WindowText(), "");
    EXPECT_EQ(static_cast<TsuiSkinControlWnd&>(*wrapper).WindowWidth(), 0);
  }
  DetachForeignControls(*dialogFrame);
  EXPECT_TRUE(dialogFrame->Controls().empty());
}

// A wrapper freed by its own control's message: the click that closes a window frees the
// wrappers of that window's controls while the click is still being handled.
TEST_F(AttachTest, AWrapperFreedDuringItsControlsMessageIsNotCalledAfterwards) {
  auto& button = form->Add<TButton>();
  // Through the detachment, or by a frame dropping its list without it.
  for (bool detach : {true, false}) {
    auto chained = [this, detach](TMessage& message) {
      log.push_back("saved " + MessageName(message.Msg));
      if (message.Msg == WM_APP + 7) {
        if (detach)
          DetachFormControls(*frame, true);
        else
          frame->Controls().clear();
        message.Result = 42;
      }
    };
    button.WindowProc = chained;
    frame->Controls().push_back(MakeSkinControl<RecordingControl>(button, *frame, log));
    log.clear();

    EXPECT_EQ(button.Perform(WM_APP + 7), 42);

    EXPECT_EQ(log, (Log{"before app7", "saved app7"}));
    EXPECT_TRUE(frame->Controls().empty());
    EXPECT_NE(button.WindowProc.target<decltype(chained)>(), nullptr);
    log.clear();
    EXPECT_EQ(button.Perform(SM_ISSKINNED), 0);
    EXPECT_EQ(log, Log{"saved isskinned"});
  }
}

TEST_F(AttachForeignTest, AWrapperFreedDuringItsWindowsMessageIsNotCalledAfterwards) {
  HWND push = Child(L"BUTTON", BS_PUSHBUTTON);
  const WNDPROC own = ProcedureOf(push);
  {
    // Below the wrapper: the window's own handling, which closes everything.
    WindowSubclass closes(push, [this](WindowSubclass& token, TMessage& message) {
      if (message.Msg == WM_APP + 7) {
        log.push_back("closing");
        DetachForeignControls(*dialogFrame);
        message.Result = 42;
      } else {
        token.Default(message);
      }
    });
    dialogFrame->Controls().push_back(MakeSkinControl<RecordingWindow>(push, *dialogFrame, log));
    log.clear();

    EXPECT_EQ(SendMessageW(push, WM_APP + 7, 0, 0), 42);

    EXPECT_EQ(log, (Log{"before app7", "closing"}));
    EXPECT_TRUE(dialogFrame->Controls().empty());
    log.clear();
    EXPECT_EQ(SendMessageW(push, SM_ISSKINNED, 0, 0), 0);
    EXPECT_TRUE(log.empty());
  }
  // The wrapper's subclass was let go at once; its remains go with the message loop.
  Application().ProcessMessagesUntil([] { return false; }, 100);
  EXPECT_EQ(ProcedureOf(push), own);
}

// ---- drawing --------------------------------------------------------------------------

// The face and its caption on a shown window, read back from the window's pixels.
class AttachDrawTest : public AttachTest {
 protected:
  void SetUp() override {
    AttachTest::SetUp();
    ASSERT_TRUE(window);
    ShowWindow(window.get(), SW_SHOWNOACTIVATE);
    UpdateWindow(window.get());
    wrapper = MakeSkinControl<RecordingWindow>(window.get(), *frame, log);
    face.SetSize(120, 40);
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 120; ++x) face.SetPixel(x, y, x < 50 ? kRed : kBlue);
    LOGFONTW description = SystemFont(TSystemFont::Message);
    description.lfHeight = -18;
    description.lfWeight = FW_BOLD;
    description.lfQuality = NONANTIALIASED_QUALITY;
    font.Assign(description);
    font.Color = kGreen;
  }
  TColor At(int x, int y) {
    WindowDc dc(window.get());
    return static_cast<TColor>(GetPixel(dc.get(), x, y) & 0xFFFFFF);
  }
  // The box around the pixels of one colour, and how many there are.
  std::pair<RECT, int> Extent(TColor colour) {
    WindowDc dc(window.get());
    RECT box{1000, 1000, -1, -1};
    int count = 0;
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 100; ++x)
        if (static_cast<TColor>(GetPixel(dc.get(), x, y) & 0xFFFFFF) == colour) {
          ++count;
          box = RECT{std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x),
                     std::max<LONG>(box.bottom, y)};
        }
    return {box, count};
  }
  static constexpr TColor kRed = RGBColor(255, 0, 0);
  static constexpr TColor kBlue = RGBColor(0, 0, 255);
  static constexpr TColor kGreen = RGBColor(0, 255, 0);
  static constexpr TColor kGrey = RGBColor(128, 128, 128);
  WindowHandle window{CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE, L"STATIC", L"", WS_POPUP, 0, 0, 100,
                                      30, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)};
  std::unique_ptr<RecordingWindow> wrapper;
  TBitmap face;
  TFont font;
};

TEST_F(AttachDrawTest, TheFacePartUnderTheControlIsCopiedAndTheCaptionCentredOnIt) {
  wrapper->DrawFace(face, "", RECT{0, 0, 100, 30}, &font);
  EXPECT_EQ(At(2, 2), kRed);
  EXPECT_EQ(At(49, 29), kRed);
  EXPECT_EQ(At(50, 0), kBlue);
  EXPECT_EQ(At(99, 29), kBlue);
  EXPECT_EQ(Extent(kGreen).second, 0);

  wrapper->DrawFace(face, "HIH", RECT{0, 0, 100, 30}, &font);
  const auto [box, count] = Extent(kGreen);
  ASSERT_GT(count, 10);
  // Centred both ways, within a pixel of rounding.
  EXPECT_NEAR(box.left + box.right, 100, 2);
  EXPECT_NEAR(box.top + box.bottom, 30, 4);
  EXPECT_EQ(Extent(kGrey).second, 0);
}

TEST_F(AttachDrawTest, ACaptionMovesByOnePixelWhileDownAndTurnsGreyWhenDisabled) {
  wrapper->DrawFaceWide(face, L"HIH", RECT{0, 0, 100, 30}, &font);
  const auto [up, upCount] = Extent(kGreen);
  ASSERT_GT(upCount, 10);

  TMessage press{WM_LBUTTONDOWN, 0, 0, 0};
  wrapper->AfterMessage(press);
  ASSERT_TRUE(wrapper->Down());
  wrapper->DrawFaceWide(face, L"HIH", RECT{0, 0, 100, 30}, &font);
  const auto [down, downCount] = Extent(kGreen);
  EXPECT_EQ(downCount, upCount);
  EXPECT_EQ(down.left, up.left + 1);
  EXPECT_EQ(down.top, up.top + 1);

  EnableWindow(window.get(), FALSE);
  wrapper->DrawFace(face, "HIH", RECT{0, 0, 100, 30}, &font);
  EXPECT_EQ(Extent(kGreen).second, 0);
  EXPECT_EQ(Extent(kGrey).second, downCount);
}

TEST_F(AttachDrawTest, AGraphicIsDrawnAtItsPointWithItsTransparentColourLeftOut) {
  wrapper->DrawFace(face, "", RECT{}, nullptr);
  TBitmap graphic(10, 10);
  graphic.Fill(kGreen);
  graphic.SetPixel(0, 0, RGBColor(255, 0, 255));
  wrapper->DrawGraphicAt(graphic, POINT{20, 5});
  EXPECT_EQ(At(20, 5), RGBColor(255, 0, 255));
  EXPECT_EQ(At(29, 14), kGreen);
  EXPECT_EQ(At(30, 15), kRed);

  wrapper->DrawFace(face, "", RECT{}, nullptr);
  graphic.SetTransparentColor(RGBColor(255, 0, 255));
  graphic.SetTransparent(true);
  wrapper->DrawGraphicAt(graphic, POINT{20, 5});
  EXPECT_EQ(At(20, 5), kRed);
  EXPECT_EQ(At(21, 5), kGreen);
}

}  // namespace
}  // namespace zentavo::testing
