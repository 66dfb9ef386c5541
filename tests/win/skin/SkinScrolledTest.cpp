// Skinned scroll bars on real controls under real messages: the overlays over the native
// bars and their pixels against the portable picture of the same bar, presses on them
// that Windows turns into scrolling, the outline of edit-like controls, and overlays that
// follow the skin and go with their control or engine.
#include <gtest/gtest.h>

#include "framework/win/Application.h"
#include "framework/win/Font.h"
#include "framework/win/ScrollBar.h"
#include "framework/win/StdCtrls.h"
#include "framework/win/WindowCapture.h"
#include "skin/Skin2Define.h"
#include "skin/ScrollBarLook.h"
#include "skin/win/SkinScrolled.h"
#include "skin/win/SkinSystem.h"
#include "win/skin/SkinTestSupport.h"

namespace zentavo::testing {
namespace {

class TfrmScrolled : public TForm {
 public:
  explicit TfrmScrolled(TComponent* owner) : TForm(owner) {
    SetBounds(140, 90, 420, 330);
    FormCreated();
  }
};

RECT ScreenRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

SCROLLBARINFO BarInfo(HWND window, LONG objectId) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  EXPECT_TRUE(SafeGetScrollBarInfo(window, objectId, &info));
  return info;
}

bool IsAbove(HWND window, HWND sibling) {
  for (HWND w = GetWindow(sibling, GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV))
    if (w == window) return true;
  return false;
}

class SkinScrolledTest : public SkinnedFormTest<TfrmScrolled> {
 protected:
  void SetUp() override { StartEngine("Silver"); }
  TMemo& AddMemo() {
    TMemo& memo = Add<TMemo>(10, 10, 200, 150);
    memo.ScrollBars = TScrollStyle::ssBoth;
    memo.WordWrap = false;
    std::vector<std::string> lines;
    for (int i = 0; i < 60; ++i) lines.push_back("line " + std::to_string(i) + std::string(80, 'x'));
    memo.SetLines(lines);
    return memo;
  }
  TListBox& AddList(int items) {
    TListBox& list = Add<TListBox>(230, 10, 160, 150);
    for (int i = 0; i < items; ++i) list.AddItem("item " + std::to_string(i));
    return list;
  }
  void ShowAndWrap() {
    form->Show();
    engine().SkinWindow(form->Handle());
    Settle();
  }
  template <class W = TsuiSkinScrollWinControl>
  W& WrapperOf(const TControl& control) {
    return SkinnedFormTest::WrapperOf<W>(control);
  }
  static bool Shown(const TsuiSkinScrollOverlay* overlay) {
    return overlay && overlay->HandleAllocated() && IsWindowVisible(const_cast<TsuiSkinScrollOverlay*>(overlay)->Handle());
  }
  TColor BarColor() { return ColorToRGB(engine().GetSkinColor(SKIN2_SCROLLBARCOLOR)); }
  // The portable picture of a control's native bar as the overlay is to show it.
  TBitmap ExpectedBar(HWND window, LONG objectId) {
    const SCROLLBARINFO info = BarInfo(window, objectId);
    const bool vertical = objectId == OBJID_VSCROLL;
    const TScrollOverlayPlace place = PlaceScrollOverlay(
        {{info.rcScrollBar.left, info.rcScrollBar.top, info.rcScrollBar.right, info.rcScrollBar.bottom},
         info.xyThumbTop, info.xyThumbBottom, static_cast<unsigned>(info.rgstate[0])},
        vertical, engine().ScrollBtnRes().ThumbWidth);
    TBitmap expected(place.bounds.Width(), place.bounds.Height());
    DrawSkinScrollBar(expected, engine().ScrollBtnRes(), BarColor(), place.BarRect(), place.thumb, place.thumbVisible,
                      vertical);
    return expected;
  }
  // How many pixels of the form on screen differ from the portable picture of the bar.
  int BarMismatches(HWND window, LONG objectId) {
    const TBitmap shot = CaptureWindow(form->Handle());
    const RECT f = ScreenRect(form->Handle());
    const RECT bar = BarInfo(window, objectId).rcScrollBar;
    return CountDiffering(shot, ExpectedBar(window, objectId), bar.left - f.left, bar.top - f.top);
  }
  static int OverlayCount(HWND parent) {
    int count = 0;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      wchar_t name[64] = {};
      GetClassNameW(child, name, 64);
      constexpr wchar_t kPrefix[] = L"TsuiSkinInternalScrollBar";
      if (wcsncmp(name, kPrefix, wcslen(kPrefix)) == 0) ++count;
    }
    return count;
  }
};

TEST_F(SkinScrolledTest, AnotherSkinRedrawsTheOverlaysInItsOwnLook) {
  TMemo& memo = AddMemo();
  ShowAndWrap();
  engine().SetSkinFile(DefaultSkin("Emerald"));
  Settle();
  EXPECT_EQ(BarMismatches(memo.Handle(), OBJID_VSCROLL), 0);
  EXPECT_EQ(BarMismatches(memo.Handle(), OBJID_HSCROLL), 0);
}

TEST_F(SkinScrolledTest, MemoWithBothBarsIsCoveredExactlyBySkinnedOverlaysAndAFormColouredCorner) {
  TMemo& memo = AddMemo();
  ShowAndWrap();
  auto& wrapper = WrapperOf(memo);
  HWND window = memo.Handle();
  ASSERT_TRUE(Shown(wrapper.VertOverlay()));
  ASSERT_TRUE(Shown(wrapper.HorzOverlay()));
  const RECT vbar = BarInfo(window, OBJID_VSCROLL).rcScrollBar;
  const RECT hbar = BarInfo(window, OBJID_HSCROLL).rcScrollBar;
  const RECT vover = ScreenRect(wrapper.VertOverlay()->Handle());
  const RECT hover = ScreenRect(wrapper.HorzOverlay()->Handle());
  EXPECT_TRUE(EqualRect(&vbar, &vover));
  EXPECT_TRUE(EqualRect(&hbar, &hover));
  // Above the memo, which clips them out of its own painting.
  EXPECT_TRUE(IsAbove(wrapper.VertOverlay()->Handle(), window));
  EXPECT_TRUE(IsAbove(wrapper.HorzOverlay()->Handle(), window));
  EXPECT_TRUE(GetWindowLongW(window, GWL_STYLE) & WS_CLIPSIBLINGS);

  EXPECT_EQ(BarMismatches(window, OBJID_VSCROLL), 0);
  EXPECT_EQ(BarMismatches(window, OBJID_HSCROLL), 0);
  const TBitmap shot = CaptureWindow(form->Handle());
  const RECT f = ScreenRect(form->Handle());
  // The square between the bars.
  EXPECT_EQ(shot.Pixel(vbar.left - f.left + 3, hbar.top - f.top + 3), ColorToRGB(engine().FormColor()));
  // The outline: border colour, then the memo's own colour.
  const RECT m = ScreenRect(window);
  EXPECT_EQ(shot.Pixel(m.left - f.left + 20, m.top - f.top), ColorToRGB(engine().GetSkinColor(SKIN2_CONTROLBORDERCOLOR)));
  EXPECT_EQ(shot.Pixel(m.left - f.left + 20, m.top - f.top + 1), ColorToRGB(memo.Color()));
}

TEST_F(SkinScrolledTest, SingleLineEditGetsTheOutlineButNoOverlays) {
  TEdit& edit = Add<TEdit>(10, 200, 150, 24);
  ShowAndWrap();
  auto& wrapper = WrapperOf(edit);
  EXPECT_EQ(wrapper.VertOverlay(), nullptr);
  EXPECT_EQ(wrapper.HorzOverlay(), nullptr);
  const TBitmap shot = CaptureWindow(form->Handle());
  const RECT f = ScreenRect(form->Handle());
  const RECT e = ScreenRect(edit.Handle());
  const int x = e.left - f.left, y = e.top - f.top, w = e.right - e.left, h = e.bottom - e.top;
  const TColor border = ColorToRGB(engine().GetSkinColor(SKIN2_CONTROLBORDERCOLOR));
  const TColor inner = ColorToRGB(edit.Color());
  ASSERT_NE(border, inner);
  for (auto [px, py] : {std::pair{0, 0}, {w / 2, 0}, {w - 1, h - 1}, {0, h / 2}}) EXPECT_EQ(shot.Pixel(x + px, y + py), border);
  for (auto [px, py] : {std::pair{1, 1}, {w / 2, 1}, {w - 2, h - 2}, {1, h / 2}}) EXPECT_EQ(shot.Pixel(x + px, y + py), inner);
}

TEST_F(SkinScrolledTest, ListBoxOverlayAppearsWithTheNativeBarOnTheNextPaint) {
  TListBox& list = AddList(2);
  ShowAndWrap();
  auto& wrapper = WrapperOf(list);
  ASSERT_NE(wrapper.VertOverlay(), nullptr);
  EXPECT_FALSE(Shown(wrapper.VertOverlay()));
  EXPECT_FALSE(Shown(wrapper.HorzOverlay()));
  for (int i = 0; i < 60; ++i) list.AddItem("more " + std::to_string(i));
  Settle();
  ASSERT_TRUE(Shown(wrapper.VertOverlay()));
  const RECT bar = BarInfo(list.Handle(), OBJID_VSCROLL).rcScrollBar;
  const RECT over = ScreenRect(wrapper.VertOverlay()->Handle());
  EXPECT_TRUE(EqualRect(&bar, &over));
  EXPECT_EQ(BarMismatches(list.Handle(), OBJID_VSCROLL), 0);
  EXPECT_FALSE(Shown(wrapper.HorzOverlay()));
}

// Lets go of the mouse after a while, from inside the system's tracking loop.
HWND releaseTarget = nullptr;
void CALLBACK ReleaseMouse(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  PostMessageW(GetCapture() ? GetCapture() : releaseTarget, WM_LBUTTONUP, 0, 0);
}

TEST_F(SkinScrolledTest, HoldingTheOverlaysDownArrowScrollsRepeatedlyAndTheThumbFollows) {
  TListBox& list = AddList(200);
  ShowAndWrap();
  auto& wrapper = WrapperOf(list);
  ASSERT_TRUE(Shown(wrapper.VertOverlay()));
  HWND overlay = wrapper.VertOverlay()->Handle();
  const RECT over = ScreenRect(overlay);
  const int thumbBefore = BarInfo(list.Handle(), OBJID_VSCROLL).xyThumbTop;
  const LRESULT topBefore = SendMessageW(list.Handle(), LB_GETTOPINDEX, 0, 0);
  // The middle of the down arrow, in the overlay's coordinates and on the screen.
  const POINT at{(over.right - over.left) / 2, over.bottom - over.top - 6};
  SetCursorPos(over.left + at.x, over.top + at.y);
  releaseTarget = list.Handle();
  SetTimer(nullptr, 0, 900, ReleaseMouse);
  SendMessageW(overlay, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  Settle();
  const LRESULT topAfter = SendMessageW(list.Handle(), LB_GETTOPINDEX, 0, 0);
  EXPECT_GT(topAfter - topBefore, 1) << "the arrow did not repeat";
  EXPECT_GT(BarInfo(list.Handle(), OBJID_VSCROLL).xyThumbTop, thumbBefore);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(BarMismatches(list.Handle(), OBJID_VSCROLL), 0);
}

TEST_F(SkinScrolledTest, KeyboardPagingMovesTheOverlaysThumb) {
  TListBox& list = AddList(200);
  ShowAndWrap();
  list.SetFocus();
  const int before = BarInfo(list.Handle(), OBJID_VSCROLL).xyThumbTop;
  for (int i = 0; i < 3; ++i) SendMessageW(list.Handle(), WM_KEYDOWN, VK_NEXT, 0);
  Settle();
  EXPECT_GT(BarInfo(list.Handle(), OBJID_VSCROLL).xyThumbTop, before);
  // The overlay's own picture, not only the screen after a full repaint.
  const auto& overlay = *WrapperOf(list).VertOverlay();
  const TBitmap expected = ExpectedBar(list.Handle(), OBJID_VSCROLL);
  ASSERT_EQ(overlay.Buffer.Width(), expected.Width());
  ASSERT_EQ(overlay.Buffer.Height(), expected.Height());
  EXPECT_EQ(CountDiffering(overlay.Buffer, expected), 0);
  EXPECT_EQ(BarMismatches(list.Handle(), OBJID_VSCROLL), 0);
}

TEST_F(SkinScrolledTest, DisabledBarShowsTrackAndArrowsButNoThumb) {
  // A memo whose few lines fit: its vertical bar stays, with nothing to scroll.
  TMemo& memo = Add<TMemo>(10, 10, 200, 150);
  memo.ScrollBars = TScrollStyle::ssVertical;
  memo.SetLines({"one", "two"});
  ShowAndWrap();
  ASSERT_EQ(BarInfo(memo.Handle(), OBJID_VSCROLL).rgstate[0], static_cast<DWORD>(STATE_SYSTEM_UNAVAILABLE));
  ASSERT_TRUE(Shown(WrapperOf(memo).VertOverlay()));
  const TBitmap expected = ExpectedBar(memo.Handle(), OBJID_VSCROLL);
  // Between the arrows only the track colour.
  for (int y = 16; y < expected.Height() - 16; ++y) ASSERT_EQ(expected.Pixel(5, y), BarColor()) << y;
  EXPECT_EQ(BarMismatches(memo.Handle(), OBJID_VSCROLL), 0);
}

TEST_F(SkinScrolledTest, TurningTheSkinOffHidesTheOverlaysAndOnShowsThemAgain) {
  TMemo& memo = AddMemo();
  ShowAndWrap();
  auto& wrapper = WrapperOf(memo);
  ASSERT_TRUE(Shown(wrapper.VertOverlay()));
  engine().SetActive(false);
  Settle();
  EXPECT_FALSE(Shown(wrapper.VertOverlay()));
  EXPECT_FALSE(Shown(wrapper.HorzOverlay()));
  engine().SetActive(true);
  Settle();
  EXPECT_TRUE(Shown(wrapper.VertOverlay()));
  EXPECT_TRUE(Shown(wrapper.HorzOverlay()));
  EXPECT_EQ(BarMismatches(memo.Handle(), OBJID_VSCROLL), 0);
}

TEST_F(SkinScrolledTest, FreeingTheControlAndThenTheEngineLeavesNoOverlayBehind) {
  TMemo& memo = AddMemo();
  TListBox& list = AddList(100);
  ShowAndWrap();
  ASSERT_EQ(OverlayCount(form->Handle()), 4);
  auto& listWrapper = WrapperOf(list);
  form->FreeComponent(&memo);
  Settle();
  EXPECT_EQ(OverlayCount(form->Handle()), 2);
  // The list box keeps working with its overlay.
  SendMessageW(list.Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
  Settle();
  EXPECT_TRUE(Shown(listWrapper.VertOverlay()));
  host.reset();
  Settle();
  EXPECT_EQ(OverlayCount(form->Handle()), 0);
  // The controls go on without the skin.
  SendMessageW(list.Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Settle();
  EXPECT_TRUE(IsWindowVisible(list.Handle()));
}

TEST_F(SkinScrolledTest, ControlsFreedWithTheirFormTakeTheirOverlaysAlong) {
  AddMemo();
  ShowAndWrap();
  ASSERT_EQ(OverlayCount(form->Handle()), 2);
  const int before = engine().ComponentCount();
  form.reset();
  Settle();
  EXPECT_EQ(engine().ComponentCount(), before - 2);
}

TEST_F(SkinScrolledTest, FocusedScrollBarShowsTheFocusRectangleOnItsThumb) {
  TScrollBar& bar = Add<TScrollBar>(10, 200, 200, 17);
  bar.SetParams(30, 0, 100);
  TEdit& other = Add<TEdit>(10, 240, 100, 24);
  ShowAndWrap();
  auto& wrapper = WrapperOf<TsuiSkinScrollBar>(bar);
  ASSERT_NE(wrapper.Overlay(), nullptr);
  ASSERT_TRUE(Shown(wrapper.Overlay()));
  const RECT over = ScreenRect(wrapper.Overlay()->Handle());
  const RECT b = ScreenRect(bar.Handle());
  EXPECT_TRUE(EqualRect(&over, &b));

  const SCROLLBARINFO info = BarInfo(bar.Handle(), OBJID_CLIENT);
  TBitmap expected(bar.Width(), bar.Height());
  const TRect thumb{info.xyThumbTop, 0, info.xyThumbBottom, bar.Height()};
  ASSERT_FALSE(thumb.Empty());
  DrawSkinScrollBar(expected, engine().ScrollBtnRes(), BarColor(), {0, 0, bar.Width(), bar.Height()}, thumb, true,
                    false);
  const RECT f = ScreenRect(form->Handle());
  other.SetFocus();
  Settle();
  TBitmap shot = CaptureWindow(form->Handle());
  EXPECT_EQ(CountDiffering(shot, expected, b.left - f.left, b.top - f.top), 0);

  bar.SetFocus();
  Settle();
  shot = CaptureWindow(form->Handle());
  // The dotted rectangle one pixel inside the thumb; everything else as composed.
  int onFocusLine = 0, elsewhere = 0;
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x) {
      if (shot.Pixel(b.left - f.left + x, b.top - f.top + y) == expected.Pixel(x, y)) continue;
      const bool inset = x >= thumb.left + 1 && x < thumb.right - 1 && y >= 1 && y < bar.Height() - 1;
      const bool edge = x == thumb.left + 1 || x == thumb.right - 2 || y == 1 || y == bar.Height() - 2;
      (inset && edge ? onFocusLine : elsewhere)++;
    }
  EXPECT_GT(onFocusLine, 10);
  EXPECT_EQ(elsewhere, 0);
}

TEST_F(SkinScrolledTest, WithoutDrawScrollBarTheNativeBarsStay) {
  TMemo& memo = AddMemo();
  engine().SetDrawScrollBar(false);
  ShowAndWrap();
  auto& wrapper = WrapperOf(memo);
  EXPECT_FALSE(Shown(wrapper.VertOverlay()));
  EXPECT_FALSE(Shown(wrapper.HorzOverlay()));
  EXPECT_NE(BarMismatches(memo.Handle(), OBJID_VSCROLL), 0);
}

}  // namespace
}  // namespace zentavo::testing

