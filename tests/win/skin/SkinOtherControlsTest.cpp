// Up-downs, status bar grips, tool buttons, list view headers and grids under a skin, on
// real windows: their pixels against the portable pictures, and the properties the skin
// changes given back when it stops.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "framework/win/Application.h"
#include "framework/win/ComCtrls.h"
#include "framework/win/Grids.h"
#include "framework/win/ListView.h"
#include "framework/win/ToolBar.h"
#include "framework/win/WindowCapture.h"
#include "skin/HeaderLook.h"
#include "skin/Skin2Define.h"
#include "skin/ToolButtonLook.h"
#include "skin/UpDownLook.h"
#include "skin/win/SkinOtherControls.h"
#include "win/skin/SkinTestSupport.h"

namespace zentavo::testing {
namespace {

class TfrmOthers : public TForm {
 public:
  explicit TfrmOthers(TComponent* owner) : TForm(owner) {
    SetBounds(40, 40, 480, 360);
    toolBar.SetParent(this);
    toolBar.SetAlign(TAlign::alTop);
    toolBar.SetShowCaptions(true);
    toolBar.AddButton("One");
    toolBar.AddButton("Two");
    upDown.SetParent(this);
    upDown.SetBounds(10, 60, 17, 20);
    grid.SetParent(this);
    grid.SetBounds(40, 60, 200, 100);
    list.SetParent(this);
    list.SetBounds(250, 60, 200, 120);
    list.AddColumn("Time", 60);
    list.AddColumn("", 0);
    list.AddColumn("A caption far too long for its column", 80);
    status.SetParent(this);
    status.SetAlign(TAlign::alBottom);
    status.SetSizeGrip(true);
    FormCreated();
  }
  TToolBar& toolBar = Make<TToolBar>();
  TUpDown& upDown = Make<TUpDown>();
  TStringGrid& grid = Make<TStringGrid>();
  TListView& list = Make<TListView>();
  TStatusBar& status = Make<TStatusBar>();
};

class SkinOtherControlsTest : public SkinnedFormTest<TfrmOthers> {
 protected:
  void SetUp() override {
    StartEngine("XPBlue");
    form->grid.SetFixedColor(0x336699);
    ShowSkinned();
  }
};

TEST_F(SkinOtherControlsTest, TheUpDownIsDrawnWholeAndAPressOnItsMiddleRowCountsForTheUpperHalf) {
  TUpDown& upDown = form->upDown;
  auto& wrapper = WrapperOf<TsuiSkinUpDown>(upDown);
  TUpDownColors colors{engine().FormColor(), engine().GetSkinColor(SKIN2_TOOLBARDOWNCOLOR),
                       engine().GetSkinColor(SKIN2_TOOLBARBORDERCOLOR)};
  const int w = upDown.Width(), h = upDown.Height();
  EXPECT_EQ(CountDiffering(CaptureWindow(upDown.Handle()), ComposeUpDown(w, h, true, 0, true, colors)), 0);
  SendMessageW(upDown.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 10));
  EXPECT_EQ(wrapper.PressedPart(), -1);
  UpdateWindow(upDown.Handle());
  EXPECT_EQ(CountDiffering(CaptureWindow(upDown.Handle()), ComposeUpDown(w, h, true, -1, true, colors)), 0);
  SendMessageW(upDown.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 10));
  EXPECT_EQ(wrapper.PressedPart(), 0);
  SendMessageW(upDown.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 11));
  EXPECT_EQ(wrapper.PressedPart(), 1);
  SendMessageW(upDown.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 11));
  upDown.SetEnabled(false);
  Settle();
  EXPECT_EQ(CountDiffering(CaptureWindow(upDown.Handle()), ComposeUpDown(w, h, true, 0, false, colors)), 0);
}

TEST_F(SkinOtherControlsTest, TheStatusBarsGripIsRedrawnInTheBarsColour) {
  TStatusBar& status = form->status;
  RedrawWindow(status.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const TBitmap grip = ComposeStatusGrip(status.Width(), status.Height(), engine().FormColor(),
                                         GetSysColor(COLOR_INACTIVECAPTION));
  const TPoint at = StatusGripOrigin(status.Width(), status.Height());
  EXPECT_EQ(status.EffectiveColor(), engine().FormColor());
  EXPECT_EQ(CountDiffering(CaptureWindow(status.Handle()), grip, at.x, at.y), 0);
}

TEST_F(SkinOtherControlsTest, HotAndPressedToolButtonsTakeTheSkinsColoursAndTheBarGetsItsOwnBack) {
  TToolBar& bar = form->toolBar;
  EXPECT_TRUE(bar.Flat());
  EXPECT_EQ(bar.Color(), engine().GetSkinColor(SKIN2_TOOLBARSTARTCOLOR));
  const RECT b = bar.Button(0).BoundsRect();
  SendMessageW(bar.Handle(), TB_SETHOTITEM, 0, 0);
  UpdateWindow(bar.Handle());
  TBitmap shown = CaptureWindow(bar.Handle());
  EXPECT_EQ(shown.Pixel(b.left, b.top), engine().GetSkinColor(SKIN2_TOOLBARBORDERCOLOR));
  EXPECT_EQ(shown.Pixel(b.left + 1, b.top + 1), engine().GetSkinColor(SKIN2_TOOLBARONCOLOR));
  SendMessageW(bar.Handle(), TB_PRESSBUTTON, bar.Button(0).Command(), TRUE);
  UpdateWindow(bar.Handle());
  shown = CaptureWindow(bar.Handle());
  EXPECT_EQ(shown.Pixel(b.left + 1, b.top + 1), engine().GetSkinColor(SKIN2_TOOLBARDOWNCOLOR));
  // The other button is left to the tool bar.
  const RECT other = bar.Button(1).BoundsRect();
  EXPECT_NE(shown.Pixel(other.left + 1, other.top + 1), engine().GetSkinColor(SKIN2_TOOLBARONCOLOR));

  engine().SetActive(false);
  Settle();
  EXPECT_FALSE(bar.Flat());
  EXPECT_NE(bar.Color(), engine().GetSkinColor(SKIN2_TOOLBARSTARTCOLOR));
  EXPECT_FALSE(bar.OnCustomDrawButton);
}

TEST_F(SkinOtherControlsTest, TheColumnHeaderShowsSeparatorsAndTheBottomLineInTheBorderColour) {
  TListView& list = form->list;
  HWND header = WrapperOf<TsuiSkinListView>(list).Header();
  ASSERT_TRUE(header);
  RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  RECT client;
  GetClientRect(header, &client);
  std::vector<TRect> columns;
  for (int i = 0; i < Header_GetItemCount(header); ++i) {
    RECT r;
    Header_GetItemRect(header, i, &r);
    columns.push_back({r.left, r.top, r.right, r.bottom});
  }
  const TColor border = engine().GetSkinColor(SKIN2_CONTROLBORDERCOLOR);
  const TBitmap expected = ComposeHeader(client.right, client.bottom, columns, engine().FormColor(), border);
  const TBitmap shown = CaptureWindow(header);
  int lines = 0, differing = 0;
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x)
      if (expected.Pixel(x, y) == border) {
        ++lines;
        if (shown.Pixel(x, y) != border) ++differing;
      }
  // The bottom line, the two separators and the zero-width column's second line.
  EXPECT_EQ(lines, columns.back().right + 3 * (client.bottom - 1));
  EXPECT_EQ(differing, 0);
  // The ellipsized caption stays inside its column: the separator after it is whole.
  EXPECT_EQ(shown.Pixel(columns[2].right - 3, 2), engine().FormColor());
}

TEST_F(SkinOtherControlsTest, TheGridsFixedCellsFollowTheSkinAndGetTheirColourBackWhenItStops) {
  TStringGrid& grid = form->grid;
  EXPECT_EQ(grid.FixedColor(), engine().FormColor());
  engine().SetSkinFile(DefaultSkin("Emerald"));
  Settle();
  EXPECT_EQ(grid.FixedColor(), engine().FormColor());
  engine().SetActive(false);
  Settle();
  EXPECT_EQ(grid.FixedColor(), 0x336699);
}

}  // namespace
}  // namespace zentavo::testing
