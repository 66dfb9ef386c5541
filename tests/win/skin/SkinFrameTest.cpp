// The skinned frame on real windows under real messages: its pixels against the portable
// picture of the same skin, size and state, the title buttons under the mouse, the window
// commands, maximizing, and putting a form back as it was when the skin goes.
#include <gtest/gtest.h>

#include "framework/win/Application.h"
#include "framework/win/StdCtrls.h"
#include "framework/win/WindowCapture.h"
#include "skin/FramePicture.h"
#include "skin/MdiArrangement.h"
#include "skin/win/SkinFrameWindow.h"
#include "skin/win/SkinMessages.h"
#include "skin/win/SkinSystem.h"
#include "skin/win/SkinWindowVCL.h"
#include "win/skin/SkinTestSupport.h"

namespace zentavo::testing {
namespace {

// A form that keeps what reached its own handling of the title's mouse presses, and keeps
// them from the system (whose move loop would wait for a real mouse).
class TfrmFramed : public TForm {
 public:
  explicit TfrmFramed(TComponent* owner) : TForm(owner) {
    SetBounds(120, 100, 320, 240);
    FormCreated();
  }
  std::vector<WPARAM> pressCodes;

 protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_NCLBUTTONDOWN) {
      pressCodes.push_back(message.WParam);
      return;
    }
    TForm::WndProc(message);
  }
};

class SkinFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().Initialize();
    host = MakeComponent<TfrmSkinTest>(nullptr, true);
    engine().SetSkinFile(DefaultSkin("Silver"));
    engine().SetActive(true);
  }
  void TearDown() override {
    form.reset();
    host.reset();
  }
  TsuiSkinEngine& engine() { return *host->engine; }

  // A second form, shown and wrapped.
  TfrmFramed& ShowForm() {
    form = MakeComponent<TfrmFramed>(nullptr);
    form->Show();
    engine().SkinWindow(form->Handle());
    Settle();
    return *form;
  }
  TsuiSkinFrameWindow& FrameOf(TForm& f) {
    for (const auto& w : engine().SkinnedWindows())
      if (w->WindowHandle() == f.Handle()) return static_cast<TsuiSkinFrameWindow&>(*w);
    throw std::runtime_error("not wrapped");
  }
  // Puts the mouse at a point of the window given in window coordinates, then repaints the
  // frame so that it reads the new position.
  void PointAt(TForm& f, int x, int y) {
    RECT r;
    GetWindowRect(f.Handle(), &r);
    SetCursorPos(r.left + x, r.top + y);
    FrameOf(f).PaintFrame();
  }
  // Where a title element is drawn, in window coordinates.
  TRect ButtonRect(TForm& f, int element) {
    TsuiSkinFrameWindow& frame = FrameOf(f);
    const TFrameSkin skin = ReadFrameSkin(engine().Reader(), ReadFrameImages(engine().Reader()));
    for (const TTitleButton& b : TitleButtonLayout(engine().Metrics(), skin, frame.FrameState()).buttons)
      if (b.element == element) return b.rect;
    return {};
  }
  // An empty part of the title, away from the icon, the caption and the buttons.
  POINT TitleGap(TForm& f) {
    const TRect minimize = ButtonRect(f, kMinimizeElement);
    return POINT{minimize.left - 20, minimize.top + 3};
  }
  void Press(TForm& f, LPARAM hit = HTCAPTION) { SendMessageW(f.Handle(), WM_NCLBUTTONDOWN, hit, 0); }
  void Release(TForm& f, LPARAM hit = HTCAPTION) { SendMessageW(f.Handle(), WM_NCLBUTTONUP, hit, 0); }

  ComponentPtr<TfrmSkinTest> host;
  ComponentPtr<TfrmFramed> form;
};

TEST_F(SkinFrameTest, PressOnCloseAndReleaseOnMinimizeMinimizesAndReleaseOverNothingDoesNothing) {
  TfrmFramed& f = ShowForm();
  const TRect close = ButtonRect(f, kCloseElement);
  const TRect minimize = ButtonRect(f, kMinimizeElement);
  PointAt(f, close.left + 3, close.top + 3);
  EXPECT_EQ(FrameOf(f).HotButton(), kCloseElement);
  Press(f);
  EXPECT_TRUE(FrameOf(f).ButtonPressed());
  // A press on a button never reaches the system as a title drag.
  ASSERT_EQ(f.pressCodes.size(), 1u);
  EXPECT_EQ(f.pressCodes[0], static_cast<WPARAM>(HTNOWHERE));
  PointAt(f, minimize.left + 3, minimize.top + 3);
  Release(f);
  Settle();
  EXPECT_TRUE(IsIconic(f.Handle()));

  ShowWindow(f.Handle(), SW_RESTORE);
  Settle();
  PointAt(f, close.left + 3, close.top + 3);
  Press(f);
  const POINT gap = TitleGap(f);
  PointAt(f, gap.x, gap.y);
  Release(f);
  Settle();
  EXPECT_TRUE(IsWindowVisible(f.Handle()));
  EXPECT_FALSE(IsIconic(f.Handle()));
  EXPECT_FALSE(IsZoomed(f.Handle()));
}

TEST_F(SkinFrameTest, DoubleClickOnTheTitleMaximizesOnlyWithAMaximizeButton) {
  TfrmFramed& f = ShowForm();
  f.BorderIcons = biSystemMenu | biMinimize;
  Settle();
  POINT gap = TitleGap(f);
  PointAt(f, gap.x, gap.y);
  SendMessageW(f.Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
  Settle();
  EXPECT_FALSE(IsZoomed(f.Handle()));

  f.BorderIcons = biSystemMenu | biMinimize | biMaximize;
  Settle();
  gap = TitleGap(f);
  PointAt(f, gap.x, gap.y);
  SendMessageW(f.Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
  Settle();
  EXPECT_TRUE(IsZoomed(f.Handle()));
}

TEST_F(SkinFrameTest, DoubleClickOnTheIconCloses) {
  TfrmFramed& f = ShowForm();
  const TSkinMetrics& m = engine().Metrics();
  PointAt(f, m.IconPosX + 4 + std::max(4, m.LeftBorderWidth) - m.LeftBorderWidth, std::max(m.IconPosY, 4) + 4);
  ASSERT_EQ(FrameOf(f).HotButton(), kIconElement);
  SendMessageW(f.Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
  Settle();
  EXPECT_FALSE(IsWindowVisible(f.Handle()));
}

TEST_F(SkinFrameTest, OnlyANormalWindowIsDraggedByItsTitle) {
  TfrmFramed& f = ShowForm();
  POINT gap = TitleGap(f);
  PointAt(f, gap.x, gap.y);
  Press(f);
  ShowWindow(f.Handle(), SW_MAXIMIZE);
  Settle();
  gap = TitleGap(f);
  PointAt(f, gap.x, gap.y);
  Press(f);
  EXPECT_EQ(f.pressCodes, (std::vector<WPARAM>{HTCAPTION, HTNOWHERE}));
}

TEST_F(SkinFrameTest, TheWindowMenuFollowsTheDrawnButtons) {
  TfrmFramed& f = ShowForm();
  f.BorderIcons = biSystemMenu | biMaximize;
  Settle();
  FrameOf(f).PaintFrame();
  engine().SetSystemMenuWindow(&FrameOf(f));
  engine().SystemMenu().OnPopup(&engine().SystemMenu());
  TMenuItem& items = engine().SystemMenu().Items();
  EXPECT_FALSE(items.Items(0)->Enabled());  // minimize
  EXPECT_TRUE(items.Items(1)->Enabled());   // maximize
  EXPECT_TRUE(items.Items(3)->Enabled());   // close
}

TEST_F(SkinFrameTest, AMaximizedFormCoversTheWorkAreaWithItsFrameOutside) {
  TfrmFramed& f = ShowForm();
  ShowWindow(f.Handle(), SW_MAXIMIZE);
  Settle();
  const TRect area = GetWorkArea();
  RECT r;
  GetWindowRect(f.Handle(), &r);
  EXPECT_EQ(r.left, area.left - 4);
  EXPECT_EQ(r.top, area.top - 4);
  EXPECT_EQ(r.right, area.right + 4);
  // Never smaller than the work area and its frame; the system may make it a row taller.
  EXPECT_GE(r.bottom, area.bottom + 4);
}

TEST_F(SkinFrameTest, TheSkinnedFrameKeepsTheClientSizeAndGivesTheFormBackAsItWas) {
  TfrmFramed& f = ShowForm();
  TsuiSkinFrameWindow& frame = FrameOf(f);
  const TSkinMetrics& m = engine().Metrics();
  EXPECT_EQ(f.ClientWidth(), frame.SavedClientWidth() + std::max(4, m.LeftBorderWidth) +
                                 std::max(4, m.RightBorderWidth) - 8);
  EXPECT_EQ(f.ClientHeight(), frame.SavedClientHeight());
  EXPECT_EQ(GetWindowLongPtrW(f.Handle(), GWL_STYLE) & WS_SYSMENU, 0);
  EXPECT_EQ(f.Color(), engine().FormColor());
  EXPECT_EQ(SendMessageW(f.Handle(), SM_ISSKINNED, 0, 0), 1);

  const int width = frame.SavedClientWidth(), height = frame.SavedClientHeight();
  engine().SetActive(false);
  Settle();
  EXPECT_EQ(f.ClientWidth(), width);
  EXPECT_EQ(f.ClientHeight(), height);
  EXPECT_NE(GetWindowLongPtrW(f.Handle(), GWL_STYLE) & WS_SYSMENU, 0);
  EXPECT_NE(f.Color(), engine().FormColor());
}

// A dialog that asks for its client size, made while the skin is on (the hook wraps it as
// it is made) and shown later, as the program's editor and statistics window are.
class TfrmDialogSized : public TForm {
 public:
  explicit TfrmDialogSized(TComponent* owner) : TForm(owner) {
    BorderStyle = TFormBorderStyle::bsDialog;
    SetBounds(140, 120, 300, 200);
    SetClientSize(293, 244);
    FormCreated();
  }
};

TEST_F(SkinFrameTest, ADialogKeepsTheClientSizeItAskedForUnderTheSkinAndWithout) {
  auto dialog = MakeComponent<TfrmDialogSized>(nullptr);
  dialog->Handle();
  for (int opening = 0; opening < 3; ++opening) {
    dialog->Show();
    engine().SkinWindow(dialog->Handle());
    Settle();
    EXPECT_EQ(dialog->ClientWidth(), 293) << opening;
    EXPECT_EQ(dialog->ClientHeight(), 244) << opening;
    dialog->Hide();
    Settle();
  }
  dialog->Show();
  engine().SetActive(false);
  Settle();
  EXPECT_EQ(dialog->ClientWidth(), 293);
  EXPECT_EQ(dialog->ClientHeight(), 244);
}

TEST_F(SkinFrameTest, FormsFreedInAnyOrderLeaveNoFrameBehind) {
  TfrmFramed& f = ShowForm();
  const size_t before = engine().SkinnedWindows().size();
  (void)f;
  form.reset();
  EXPECT_EQ(engine().SkinnedWindows().size(), before - 1);
  ShowForm();
  const TColor skinColour = engine().FormColor();
  ASSERT_EQ(form->Color(), skinColour);
  host.reset();  // the engine goes first; the other form lives on unskinned, as it was
  Settle();
  EXPECT_EQ(SendMessageW(form->Handle(), SM_ISSKINNED, 0, 0), 0);
  EXPECT_NE(GetWindowLongPtrW(form->Handle(), GWL_STYLE) & WS_SYSMENU, 0);
  EXPECT_NE(form->Color(), skinColour);
  form->Invalidate();
  Settle();
}

// What the test's timer found in the message box while it was open.
struct BoxVisit {
  TsuiSkinEngine* engine = nullptr;
  HWND box = nullptr;
  LRESULT skinned = 0;
  int hotAtPress = kNoElement;
} boxVisit;

// Clicks the skinned close box of the open message box as a mouse would: pointed at, pressed
// and released on the frame.
void CALLBACK ClickCloseBox(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  HWND box = FindVisibleDialog();
  boxVisit.box = box;
  if (!box) return;
  boxVisit.skinned = SendMessageW(box, SM_ISSKINNED, 0, 0);
  for (const auto& w : boxVisit.engine->SkinnedWindows()) {
    if (w->WindowHandle() != box) continue;
    auto& frame = static_cast<TsuiSkinFrameWindow&>(*w);
    const TsuiSkinReader& reader = boxVisit.engine->Reader();
    const TFrameSkin skin = ReadFrameSkin(reader, ReadFrameImages(reader));
    for (const TTitleButton& b : TitleButtonLayout(boxVisit.engine->Metrics(), skin, frame.FrameState()).buttons) {
      if (b.element != kCloseElement) continue;
      RECT r;
      GetWindowRect(box, &r);
      SetCursorPos(r.left + b.rect.left + 3, r.top + b.rect.top + 3);
      frame.PaintFrame();
      boxVisit.hotAtPress = frame.HotButton();
      SendMessageW(box, WM_NCLBUTTONDOWN, HTCAPTION, 0);
      SendMessageW(box, WM_NCLBUTTONUP, HTCAPTION, 0);
      return;
    }
  }
  // Not skinned: closed all the same, so that the test ends.
  PostMessageW(box, WM_COMMAND, IDNO, 0);
}

TEST_F(SkinFrameTest, AMessageBoxClosedByTheSkinnedCloseBoxAnswersCancelAndLeavesNoFrame) {
  host->Show();
  Settle();
  const size_t before = engine().SkinnedWindows().size();
  boxVisit = BoxVisit{&engine()};
  Application().MessageBoxOverride = nullptr;
  SetTimer(nullptr, 0, 300, ClickCloseBox);
  const int answer = MessageBoxW(host->Handle(), L"Delete the selected entries?", L"Zentavo", MB_YESNOCANCEL);
  ASSERT_NE(boxVisit.box, nullptr);
  EXPECT_EQ(boxVisit.skinned, 1);
  EXPECT_EQ(boxVisit.hotAtPress, kCloseElement);
  EXPECT_EQ(answer, IDCANCEL);
  Settle();
  EXPECT_EQ(engine().SkinnedWindows().size(), before);
}

class TfrmMdiHost : public TForm {
 public:
  explicit TfrmMdiHost(TComponent* owner) : TForm(owner), engine(Make<TsuiSkinEngine>()) {
    FormStyle = TFormStyle::fsMDIForm;
    SetBounds(20, 20, 640, 520);
    engine.SetActive(true);
    FormCreated();
  }
  TsuiSkinEngine& engine;
};

class TfrmMdiDocument : public TForm {
 public:
  TfrmMdiDocument(TComponent* owner, const char* caption) : TForm(owner) {
    FormStyle = TFormStyle::fsMDIChild;
    SetCaption(caption);
    SetBounds(0, 0, 200, 150);
    FormCreated();
  }
};

TEST(SkinFrameMdiTest, TileAndCascadePlaceTheDocumentsInTheirShare) {
  Application().Initialize();
  struct Cleanup {
    ~Cleanup() { Application().DestroyComponents(); }
  } cleanup;
  auto& host = Application().CreateForm<TfrmMdiHost>();
  host.engine.SetSkinFile(DefaultSkin("Silver"));
  host.Show();
  for (const char* caption : {"One", "Two", "Three"}) Application().CreateForm<TfrmMdiDocument>(caption).Show();
  Application().ProcessMessages();
  ASSERT_EQ(host.MDIChildCount(), 3);

  auto boundsOf = [&](int i) {
    RECT r;
    GetWindowRect(host.MDIChildren(i)->Handle(), &r);
    MapWindowPoints(nullptr, host.ClientHandle(), reinterpret_cast<POINT*>(&r), 2);
    return TRect{r.left, r.top, r.right, r.bottom};
  };
  const std::vector<bool> none(3, false);
  SendMessageW(host.ClientHandle(), WM_MDITILE, MDITILE_HORIZONTAL, 0);
  Application().ProcessMessages();
  const auto rows = TileBounds(host.ClientWidth(), TileAvailableHeight(host.ClientHeight(), 0, false), true, none);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(boundsOf(i), *rows[i]) << i;

  SendMessageW(host.ClientHandle(), WM_MDICASCADE, 0, 0);
  Application().ProcessMessages();
  const auto cascade = CascadeBounds(host.ClientWidth(), host.ClientHeight(), none);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(boundsOf(i), *cascade[i]) << i;
}

TEST(SkinFrameLateSkinTest, FormsShownBeforeTheFirstSkinJoinItWhenItLoads) {
  Application().Initialize();
  struct Cleanup {
    ~Cleanup() { Application().DestroyComponents(); }
  } cleanup;
  auto& main = Application().CreateForm<TfrmSkinTest>(true);
  auto& other = Application().CreateForm<TfrmFramed>();
  main.engine->SetActive(true);
  main.Show();
  other.Show();
  Application().ProcessMessages();
  EXPECT_EQ(SendMessageW(other.Handle(), SM_ISSKINNED, 0, 0), 0);
  main.engine->SetSkinFile(DefaultSkin("Silver"));
  Application().ProcessMessages();
  EXPECT_EQ(SendMessageW(other.Handle(), SM_ISSKINNED, 0, 0), 1);
}

// ---- Pixels ----

struct PictureCase {
  const char* skin;
  bool zoomed;
  int cursorOn;  // a title element under the mouse, or kNoElement
  bool pressed;
};

class SkinFramePictureTest : public SkinFrameTest, public ::testing::WithParamInterface<PictureCase> {};

TEST_P(SkinFramePictureTest, TheWindowShowsThePortablePictureOutsideIconAndCaption) {
  const PictureCase c = GetParam();
  engine().SetSkinFile(DefaultSkin(c.skin));
  TfrmFramed& f = ShowForm();
  f.SetCaption("");
  if (c.zoomed) ShowWindow(f.Handle(), SW_MAXIMIZE);
  Settle();
  TsuiSkinFrameWindow& frame = FrameOf(f);

  TFramePictureOptions options;
  RECT r;
  GetWindowRect(f.Handle(), &r);
  options.Width = r.right - r.left;
  options.Height = r.bottom - r.top;
  options.Zoomed = c.zoomed;
  options.NativeCaptionHeight = frame.NativeCaptionHeight();
  options.MenuBarHeight = frame.MenuBarHeight();
  options.OutsideColor = 0x123456;
  SetCursorPos(0, 0);
  if (c.cursorOn != kNoElement) {
    const TRect b = ButtonRect(f, c.cursorOn);
    SetCursorPos(r.left + b.left + 2, r.top + b.top + 2);
    POINT client{r.left + b.left + 2, r.top + b.top + 2};
    ScreenToClient(f.Handle(), &client);
    options.Cursor = TFrameCursor{client.x, client.y};
  }
  if (c.pressed) Press(f);
  frame.PaintFrame();
  options.Pressed = frame.ButtonPressed();

  const TBitmap shown = CaptureWindow(f.Handle());
  const TBitmap expected = RenderFramePicture(engine().Reader(), engine().Metrics(), options);
  ASSERT_EQ(shown.Width(), expected.Width());
  ASSERT_EQ(shown.Height(), expected.Height());
  const TSkinMetrics& m = engine().Metrics();
  const TRect icon{m.IconPosX, std::max(m.IconPosY, 4), m.IconPosX + 16, std::max(m.IconPosY, 4) + 16};
  // A maximized window reaches past the screen's edges, where nothing can be seen.
  const TRect screen{-r.left, -r.top, GetSystemMetrics(SM_CXSCREEN) - r.left - 1, GetSystemMetrics(SM_CYSCREEN) - r.top - 1};
  int differing = 0, compared = 0;
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x) {
      if (expected.Pixel(x, y) == options.OutsideColor || !PointInRect(x, y, screen)) continue;
      if (PointInRect(x, y, icon)) continue;
      ++compared;
      if (shown.Pixel(x, y) != expected.Pixel(x, y)) ++differing;
    }
  EXPECT_GT(compared, options.Width * options.Height * 3 / 4);
  EXPECT_EQ(differing, 0) << c.skin;
  if (differing) {
    // Both pictures beside the test results, for a look at what differs.
    const std::string base = std::string(ZENTAVO_BINARY_DIR) + "/test-results/frame-" + c.skin;
    shown.SaveToFile(base + "-shown.bmp");
    expected.SaveToFile(base + "-expected.bmp");
  }
}

INSTANTIATE_TEST_SUITE_P(Skins, SkinFramePictureTest,
                         ::testing::Values(PictureCase{"Silver", false, kNoElement, false},
                                           PictureCase{"MacOS", false, kCloseElement, false},
                                           PictureCase{"XPBlue", false, kCloseElement, true},
                                           PictureCase{"SportsBlack", true, kMaximizeElement, false},
                                           PictureCase{"Calmness", false, kMinimizeElement, true}));

}  // namespace
}  // namespace zentavo::testing
