// Forms as the user resizes, closes and restyles them: anchored and aligned children,
// size limits, window states, borders changed on a shown window, close queries.
#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>

#include "framework/win/Application.h"
#include "framework/win/Form.h"
#include "framework/win/StdCtrls.h"

using namespace zentavo;

// RECT is the system's type in the global namespace: compared and printed here for the
// checks below.
static bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }
static void PrintTo(const RECT& r, std::ostream* out) {
  *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace {

class TfrmLayout : public TForm {
  ZENTAVO_CLASS(TfrmLayout, TForm)
 public:
  explicit TfrmLayout(TComponent* owner)
      : TForm(owner),
        bar(Make<TGroupBox>()),
        side(Make<TGroupBox>()),
        fill(Make<TGroupBox>()),
        stretched(Make<TButton>()),
        corner(Make<TButton>()) {
    SetBounds(30, 30, 0, 0);
    SetClientSize(400, 300);
    bar.SetParent(this);
    bar.SetBounds(0, 0, 10, 40);
    bar.SetAlign(TAlign::alTop);
    side.SetParent(this);
    side.SetBounds(0, 0, 100, 10);
    side.SetAlign(TAlign::alLeft);
    fill.SetParent(this);
    fill.SetAlign(TAlign::alClient);
    stretched.SetParent(&fill);
    stretched.SetBounds(10, 20, 200, 25);
    stretched.SetAnchors(akLeft | akTop | akRight);
    corner.SetParent(&fill);
    corner.SetBounds(200, 220, 75, 25);
    corner.SetAnchors(akRight | akBottom);
    FormCreated();
  }
  TGroupBox& bar;
  TGroupBox& side;
  TGroupBox& fill;
  TButton& stretched;
  TButton& corner;
};

RECT BoundsOf(TControl& control) { return control.BoundsRect(); }

}  // namespace

TEST(FormLayout, AlignedChildrenShareTheClientAreaAndFollowItsSize) {
  auto form = MakeComponent<TfrmLayout>(nullptr);
  form->Show();
  EXPECT_EQ(BoundsOf(form->bar), (RECT{0, 0, 400, 40}));
  EXPECT_EQ(BoundsOf(form->side), (RECT{0, 40, 100, 300}));
  EXPECT_EQ(BoundsOf(form->fill), (RECT{100, 40, 400, 300}));
  form->SetClientSize(500, 350);
  EXPECT_EQ(BoundsOf(form->bar), (RECT{0, 0, 500, 40}));
  EXPECT_EQ(BoundsOf(form->fill), (RECT{100, 40, 500, 350}));
  // An aligned child that grows pushes the client child aside.
  form->side.SetBounds(0, 40, 150, 310);
  EXPECT_EQ(BoundsOf(form->fill), (RECT{150, 40, 500, 350}));
}

TEST(FormLayout, AnchoredChildrenKeepTheirDistanceToTheAnchoredEdges) {
  auto form = MakeComponent<TfrmLayout>(nullptr);
  form->Show();
  const RECT stretched = BoundsOf(form->stretched), corner = BoundsOf(form->corner);
  // The user makes the window wider and taller; the filled box grows the same.
  RECT frame;
  GetWindowRect(form->Handle(), &frame);
  SetWindowPos(form->Handle(), nullptr, 0, 0, frame.right - frame.left + 60, frame.bottom - frame.top + 30,
               SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(BoundsOf(form->stretched), (RECT{stretched.left, stretched.top, stretched.right + 60, stretched.bottom}));
  EXPECT_EQ(BoundsOf(form->corner),
            (RECT{corner.left + 60, corner.top + 30, corner.right + 60, corner.bottom + 30}));
  RECT window;
  GetWindowRect(form->corner.Handle(), &window);
  MapWindowPoints(HWND_DESKTOP, form->fill.Handle(), reinterpret_cast<POINT*>(&window), 2);
  EXPECT_EQ(window, BoundsOf(form->corner));  // the window really moved
}

TEST(FormLayout, ConstraintsLimitTheProgramsSizesAndTheUsers) {
  auto form = MakeComponent<TfrmLayout>(nullptr);
  form->SetConstraints({300, 200, 700, 500});
  form->Show();
  form->SetBounds(form->Left(), form->Top(), 100, 900);
  EXPECT_EQ(form->Width(), 300);
  EXPECT_EQ(form->Height(), 500);
  MINMAXINFO limits{};
  limits.ptMaxTrackSize = POINT{5000, 5000};  // as the system fills it before asking
  SendMessageW(form->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  EXPECT_EQ(limits.ptMinTrackSize.x, 300);
  EXPECT_EQ(limits.ptMaxTrackSize.y, 500);
}

TEST(FormState, BordersChangeOnAShownWindowAndKeepItsClientSize) {
  auto form = MakeComponent<TfrmLayout>(nullptr);
  form->Show();
  EXPECT_TRUE(GetWindowLongW(form->Handle(), GWL_STYLE) & WS_THICKFRAME);
  form->BorderStyle = TFormBorderStyle::bsDialog;
  form->BorderIcons = biSystemMenu;
  const LONG style = GetWindowLongW(form->Handle(), GWL_STYLE);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_TRUE(style & WS_VISIBLE);
  EXPECT_TRUE(GetWindowLongW(form->Handle(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
  EXPECT_EQ(form->ClientWidth(), 400);
  EXPECT_EQ(form->ClientHeight(), 300);
}

TEST(FormState, WindowStateIsReadFromTheWindowAndAppliedAtShowing) {
  auto form = MakeComponent<TfrmLayout>(nullptr);
  form->SetWindowState(TWindowState::wsMaximized);
  form->Show();
  EXPECT_TRUE(IsZoomed(form->Handle()));
  ShowWindow(form->Handle(), SW_MINIMIZE);
  EXPECT_EQ(form->WindowState(), TWindowState::wsMinimized);
  form->SetWindowState(TWindowState::wsNormal);
  EXPECT_EQ(form->WindowState(), TWindowState::wsNormal);
}

TEST(FormState, ACloseQueryCanKeepTheFormOpen) {
  auto form = MakeComponent<TfrmLayout>(nullptr);
  form->Show();
  bool allow = false;
  int closes = 0;
  form->OnCloseQuery = [&](TComponent*, bool& canClose) { canClose = allow; };
  form->OnClose = [&](TComponent*, TCloseAction&) { ++closes; };
  SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  EXPECT_EQ(closes, 0);
  allow = true;
  SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  EXPECT_EQ(closes, 1);
}

TEST(FormState, TheApplicationKnowsWhetherOneOfItsWindowsIsActive) {
  auto form = MakeComponent<TfrmLayout>(nullptr);
  form->Show();
  SendMessageW(form->Handle(), WM_ACTIVATEAPP, TRUE, 0);
  EXPECT_TRUE(Application().Active());
  SendMessageW(form->Handle(), WM_ACTIVATEAPP, FALSE, 0);
  EXPECT_FALSE(Application().Active());
}
