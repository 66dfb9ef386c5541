// One control of each kind the skin engine maps, on one form: their window classes, their
// class chains, state that has to reach the window before and after it exists, the
// user's changes coming back, and the pictures of the controls that paint themselves.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "charting/win/Chart.h"
#include "framework/win/Application.h"
#include "framework/win/Buttons.h"
#include "framework/win/CheckBox.h"
#include "framework/win/ComCtrls.h"
#include "framework/win/ComboBoxEx.h"
#include "framework/win/DateTimePicker.h"
#include "framework/win/ExtCtrls.h"
#include "framework/win/Form.h"
#include "framework/win/Grids.h"
#include "framework/win/ListView.h"
#include "framework/win/ScrollBar.h"
#include "framework/win/ScrollBox.h"
#include "framework/win/TabControls.h"
#include "framework/win/ToolBar.h"
#include "framework/win/TreeView.h"
#include "framework/win/WideText.h"

using namespace zentavo;

namespace {

constexpr TColor kRed = RGBColor(255, 0, 0);
constexpr TColor kGreen = RGBColor(0, 128, 0);
constexpr TColor kBlue = RGBColor(0, 0, 255);
constexpr TColor kYellow = RGBColor(255, 255, 0);
constexpr TColor kMagenta = RGBColor(255, 0, 255);

class GalleryForm : public TForm {
  ZENTAVO_CLASS(GalleryForm, TForm)
 public:
  explicit GalleryForm(TComponent* owner) : TForm(owner) {
    SetBounds(20, 20, 640, 480);
    FormCreated();
  }
  template <class T>
  T& Add(int left = 0, int top = 0) {
    T& control = Make<T>();
    control.SetParent(this);
    control.SetBounds(left, top, control.Width(), control.Height());
    return control;
  }
};

std::string ClassOf(HWND window) {
  wchar_t name[128] = {};
  GetClassNameW(window, name, 128);
  return Narrow(name);
}

LONG StyleOf(TWinControl& control) {
  return GetWindowLongW(control.Handle(), GWL_STYLE);
}

// Sends a notification to a control's parent the way the native control would.
void NotifyParent(TWinControl& control, UINT code) {
  NMHDR header{control.Handle(), static_cast<UINT_PTR>(GetDlgCtrlID(control.Handle())), code};
  SendMessageW(GetParent(control.Handle()), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

void CommandToParent(TWinControl& control, WORD code) {
  SendMessageW(GetParent(control.Handle()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control.Handle()), code),
               reinterpret_cast<LPARAM>(control.Handle()));
}

// A white 24-bit picture to paint controls into and read back.
class Picture {
 public:
  Picture(int width, int height) : picture_(White(width, height)), dc_(picture_) {}
  HDC Dc() const { return dc_.Dc(); }
  TColor At(int x, int y) const { return static_cast<TColor>(GetPixel(dc_.Dc(), x, y)); }
  int CountOf(TColor color, const RECT& area) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) count += At(x, y) == color;
    return count;
  }

 private:
  static TBitmap White(int width, int height) {
    TBitmap white(width, height);
    white.Fill(clWhite);
    return white;
  }
  TBitmap picture_;
  TBitmapDc dc_;
};

class ControlGallery : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { Application().Initialize(); }
  ComponentPtr<GalleryForm> form = MakeComponent<GalleryForm>(nullptr);
};

}  // namespace

// ---- identity -------------------------------------------------------------------------

TEST_F(ControlGallery, EveryWindowIsOfItsFrameworkClass) {
  std::vector<TWinControl*> controls = {
      &form->Add<TPanel>(),       &form->Add<TScrollBox>(),     &form->Add<TFrame>(),
      &form->Add<TToolBar>(),     &form->Add<TCoolBar>(),       &form->Add<TStatusBar>(),
      &form->Add<TTreeView>(),    &form->Add<TUpDown>(),        &form->Add<THotKey>(),
      &form->Add<TProgressBar>(), &form->Add<TTrackBar>(),      &form->Add<TTabControl>(),
      &form->Add<TPageControl>(), &form->Add<TStringGrid>(),    &form->Add<TGroupBox>(),
      &form->Add<TScrollBar>(),   &form->Add<TListBox>(),       &form->Add<TComboBox>(),
      &form->Add<TComboBoxEx>(),  &form->Add<TCheckBox>(),      &form->Add<TRadioButton>(),
      &form->Add<TEdit>(),        &form->Add<TMemo>(),          &form->Add<TListView>(),
      &form->Add<TChart>(),       &form->Add<TDateTimePicker>()};
  form->Handle();
  for (TWinControl* control : controls) {
    ASSERT_TRUE(control->HandleAllocated()) << control->ClassName();
    EXPECT_EQ(ClassOf(control->Handle()), control->ClassName());
    EXPECT_EQ(GetParent(control->Handle()), form->Handle()) << control->ClassName();
    EXPECT_EQ(TWinControl::FromHandle(control->Handle()), control);
  }
}

TEST_F(ControlGallery, ClassChainsLetTheSkinTableFindEachControl) {
  struct Case {
    TComponent* control;
    const char* ancestor;
    bool expected;
  };
  const Case cases[] = {
      {&form->Add<TPanel>(), "TCustomPanel", true},
      {&form->Add<TChart>(), "TCustomPanel", true},
      {&form->Add<TChart>(), "TCustomControl", true},
      {&form->Add<TStringGrid>(), "TCustomGrid", true},
      {&form->Add<TStringGrid>(), "TCustomControl", true},
      {&form->Add<TListView>(), "TCustomListView", true},
      {&form->Add<TEdit>(), "TCustomEdit", true},
      {&form->Add<TMemo>(), "TCustomEdit", true},
      {&form->Add<TMemo>(), "TEdit", false},
      {&form->Add<TGroupBox>(), "TCustomGroupBox", true},
      {&form->Add<TComboBox>(), "TCustomComboBox", true},
      {&form->Add<TComboBox>(), "TCustomListControl", true},
      {&form->Add<TListBox>(), "TCustomListControl", true},
      {&form->Add<TComboBoxEx>(), "TCustomComboBoxEx", true},
      {&form->Add<TComboBoxEx>(), "TCustomComboBox", false},
      {&form->Add<TCheckBox>(), "TCustomCheckBox", true},
      {&form->Add<TRadioButton>(), "TCustomCheckBox", false},
      {&form->Add<TFrame>(), "TCustomFrame", true},
      {&form->Add<TScrollBox>(), "TCustomFrame", false},
      {&form->Add<TStatusBar>(), "TCustomStatusBar", true},
      {&form->Add<TUpDown>(), "TCustomUpDown", true},
      {&form->Add<THotKey>(), "TCustomHotKey", true},
      {&form->Add<TTreeView>(), "TCustomTreeView", true},
      {&form->Add<TTabControl>(), "TCustomTabControl", true},
      {&form->Add<TPageControl>(), "TCustomTabControl", true},
      {&form->Add<TSpeedButton>(), "TGraphicControl", true},
      {&form->Add<TSpeedButton>(), "TWinControl", false},
      {&form->Add<TImage>(), "TGraphicControl", true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.control->InheritsFrom(c.ancestor), c.expected)
        << c.control->ClassName() << " / " << c.ancestor;
}

// ---- state before and after the window ------------------------------------------------

TEST_F(ControlGallery, StateSetBeforeTheWindowExistsReachesIt) {
  auto& grayed = form->Add<TCheckBox>();
  grayed.SetAllowGrayed(true);
  grayed.SetState(TCheckBoxState::cbGrayed);
  auto& checked = form->Add<TCheckBox>();
  checked.SetChecked(true);
  checked.SetAlignment(TAlignment::taLeftJustify);
  auto& progress = form->Add<TProgressBar>();
  progress.SetRange(10, 50);
  progress.SetPosition(30);
  progress.SetOrientation(TProgressBarOrientation::pbVertical);
  auto& track = form->Add<TTrackBar>();
  track.SetRange(5, 25);
  track.SetPosition(7);
  track.SetTickStyle(TTickStyle::tsNone);
  auto& tabs = form->Add<TTabControl>();
  for (const char* text : {"One", "Two", "Three"}) tabs.AddTab(text);
  tabs.SetTabIndex(2);
  tabs.SetTabPosition(TTabPosition::tpBottom);
  auto& list = form->Add<TListBox>();
  for (const char* text : {"a", "b", "c", "d"}) list.AddItem(text);
  list.SetItemIndex(3);
  auto& upDown = form->Add<TUpDown>();
  upDown.SetRange(-5, 15);
  upDown.SetPosition(12);
  auto& memo = form->Add<TMemo>();
  memo.SetLines({"first", "second"});
  auto& scroll = form->Add<TScrollBar>();
  scroll.SetParams(40, 0, 200);
  auto& status = form->Add<TStatusBar>();
  status.SetSimpleText("Ready");
  auto& tree = form->Add<TTreeView>();
  const int root = tree.AddItem(-1, "root");
  tree.AddItem(root, "leaf");
  auto& hotKey = form->Add<THotKey>();
  hotKey.SetHotKey(ShortCut('K', ssCtrl | ssShift));
  auto& toolBar = form->Add<TToolBar>();
  toolBar.AddButton("Open");
  toolBar.AddButton("Bold", -1, TToolButtonStyle::tbsCheck).SetDown(true);
  auto& comboEx = form->Add<TComboBoxEx>();
  comboEx.AddItemWithImage("x", 0);
  comboEx.AddItem("y");
  comboEx.SetItemIndex(1);
  auto& coolBar = form->Add<TCoolBar>();
  coolBar.AddBand(form->Add<TEdit>(), "Find");
  form->Handle();

  EXPECT_EQ(SendMessageW(grayed.Handle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  EXPECT_EQ(SendMessageW(checked.Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(StyleOf(checked) & BS_LEFTTEXT);
  EXPECT_EQ(SendMessageW(progress.Handle(), PBM_GETPOS, 0, 0), 30);
  EXPECT_EQ(SendMessageW(progress.Handle(), PBM_GETRANGE, TRUE, 0), 10);
  EXPECT_EQ(SendMessageW(progress.Handle(), PBM_GETRANGE, FALSE, 0), 50);
  EXPECT_TRUE(StyleOf(progress) & PBS_VERTICAL);
  EXPECT_EQ(SendMessageW(track.Handle(), TBM_GETRANGEMIN, 0, 0), 5);
  EXPECT_EQ(SendMessageW(track.Handle(), TBM_GETRANGEMAX, 0, 0), 25);
  EXPECT_EQ(SendMessageW(track.Handle(), TBM_GETPOS, 0, 0), 7);
  EXPECT_TRUE(StyleOf(track) & TBS_NOTICKS);
  EXPECT_EQ(SendMessageW(tabs.Handle(), TCM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(tabs.Handle(), TCM_GETCURSEL, 0, 0), 2);
  EXPECT_TRUE(StyleOf(tabs) & TCS_BOTTOM);
  EXPECT_EQ(SendMessageW(list.Handle(), LB_GETCOUNT, 0, 0), 4);
  EXPECT_EQ(SendMessageW(list.Handle(), LB_GETCURSEL, 0, 0), 3);
  int low = 0, high = 0;
  SendMessageW(upDown.Handle(), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
               reinterpret_cast<LPARAM>(&high));
  EXPECT_EQ(low, -5);
  EXPECT_EQ(high, 15);
  EXPECT_EQ(SendMessageW(upDown.Handle(), UDM_GETPOS32, 0, 0), 12);
  wchar_t text[64] = {};
  GetWindowTextW(memo.Handle(), text, 64);
  EXPECT_EQ(Narrow(text), "first\r\nsecond");
  EXPECT_TRUE(StyleOf(memo) & ES_MULTILINE);
  EXPECT_EQ(GetScrollPos(scroll.Handle(), SB_CTL), 40);
  SendMessageW(status.Handle(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(Narrow(text), "Ready");
  EXPECT_TRUE(StyleOf(status) & SBARS_SIZEGRIP);
  EXPECT_EQ(SendMessageW(tree.Handle(), TVM_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(hotKey.Handle(), HKM_GETHOTKEY, 0, 0),
            MAKEWORD('K', HOTKEYF_CONTROL | HOTKEYF_SHIFT));
  EXPECT_EQ(SendMessageW(toolBar.Handle(), TB_BUTTONCOUNT, 0, 0), 2);
  EXPECT_TRUE(SendMessageW(toolBar.Handle(), TB_ISBUTTONCHECKED, toolBar.Button(1).Command(), 0));
  EXPECT_EQ(SendMessageW(comboEx.Handle(), CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(comboEx.Handle(), CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(SendMessageW(coolBar.Handle(), RB_GETBANDCOUNT, 0, 0), 1);
}

TEST_F(ControlGallery, StateChangedAfterTheWindowExistsReachesIt) {
  auto& check = form->Add<TCheckBox>();
  auto& progress = form->Add<TProgressBar>();
  auto& track = form->Add<TTrackBar>();
  auto& tabs = form->Add<TTabControl>();
  auto& list = form->Add<TListBox>();
  auto& upDown = form->Add<TUpDown>();
  auto& scroll = form->Add<TScrollBar>();
  auto& status = form->Add<TStatusBar>();
  auto& toolBar = form->Add<TToolBar>();
  TToolButton& bold = toolBar.AddButton("Bold", -1, TToolButtonStyle::tbsCheck);
  form->Handle();

  check.SetChecked(true);
  EXPECT_EQ(SendMessageW(check.Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  check.SetAlignment(TAlignment::taLeftJustify);
  EXPECT_TRUE(StyleOf(check) & BS_LEFTTEXT);
  progress.SetRange(0, 10);
  progress.SetPosition(11);  // beyond Max: clamped
  EXPECT_EQ(SendMessageW(progress.Handle(), PBM_GETPOS, 0, 0), 10);
  progress.StepIt();  // wraps past Max
  EXPECT_EQ(progress.Position(), 10);
  track.SetRange(0, 40);
  track.SetPosition(33);
  track.SetOrientation(TTrackBarOrientation::trVertical);  // a new window with the old state
  EXPECT_TRUE(StyleOf(track) & TBS_VERT);
  EXPECT_EQ(SendMessageW(track.Handle(), TBM_GETRANGEMAX, 0, 0), 40);
  EXPECT_EQ(SendMessageW(track.Handle(), TBM_GETPOS, 0, 0), 33);
  EXPECT_EQ(ClassOf(track.Handle()), "TTrackBar");
  tabs.AddTab("A");
  tabs.AddTab("B");
  EXPECT_EQ(SendMessageW(tabs.Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
  tabs.SetTabPosition(TTabPosition::tpLeft);
  EXPECT_TRUE(StyleOf(tabs) & TCS_VERTICAL);
  EXPECT_EQ(SendMessageW(tabs.Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
  list.AddItem("one");
  list.AddItem("two");
  list.SetItemIndex(1);
  EXPECT_EQ(SendMessageW(list.Handle(), LB_GETCURSEL, 0, 0), 1);
  list.ClearItems();
  EXPECT_EQ(SendMessageW(list.Handle(), LB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(list.ItemIndex(), -1);
  upDown.SetRange(1, 9);
  upDown.SetPosition(20);
  EXPECT_EQ(SendMessageW(upDown.Handle(), UDM_GETPOS32, 0, 0), 9);
  upDown.SetOrientation(TUDOrientation::udHorizontal);
  EXPECT_TRUE(StyleOf(upDown) & UDS_HORZ);
  EXPECT_EQ(upDown.Position(), 9);
  scroll.SetParams(50, 0, 100);
  scroll.SetKind(TScrollBarKind::sbVertical);
  EXPECT_TRUE(StyleOf(scroll) & SBS_VERT);
  EXPECT_EQ(GetScrollPos(scroll.Handle(), SB_CTL), 50);
  status.SetSimpleText("Saved");
  status.SetSizeGrip(false);
  EXPECT_FALSE(StyleOf(status) & SBARS_SIZEGRIP);
  wchar_t text[64] = {};
  SendMessageW(status.Handle(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(Narrow(text), "Saved");
  bold.SetDown(true);
  EXPECT_TRUE(SendMessageW(toolBar.Handle(), TB_ISBUTTONCHECKED, bold.Command(), 0));
  bold.SetEnabled(false);
  EXPECT_FALSE(SendMessageW(toolBar.Handle(), TB_ISBUTTONENABLED, bold.Command(), 0));
  EXPECT_TRUE(bold.Down());  // enabling keeps the latched state
  toolBar.SetFlat(true);
  EXPECT_TRUE(SendMessageW(toolBar.Handle(), TB_GETSTYLE, 0, 0) & TBSTYLE_FLAT);
}

// ---- the user's changes -----------------------------------------------------------------

TEST_F(ControlGallery, ClickingACheckBoxFlipsItAndRunsOnClick) {
  auto& box = form->Add<TCheckBox>();
  int clicks = 0;
  box.OnClick = [&](TComponent*) { ++clicks; };
  form->Handle();
  SendMessageW(box.Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(box.Checked());
  EXPECT_EQ(clicks, 1);
  SendMessageW(box.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(box.State(), TCheckBoxState::cbUnchecked);
  EXPECT_EQ(clicks, 2);
  box.SetChecked(true);  // from code: no click
  EXPECT_EQ(clicks, 2);
}

TEST_F(ControlGallery, GrayedIsOfferedByClicksOnlyWithAllowGrayed) {
  auto& threeState = form->Add<TCheckBox>();
  threeState.SetAllowGrayed(true);
  auto& twoState = form->Add<TCheckBox>();
  twoState.SetState(TCheckBoxState::cbGrayed);  // shown grayed by code all the same
  form->Handle();
  EXPECT_EQ(SendMessageW(twoState.Handle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);

  std::vector<TCheckBoxState> seen;
  for (int i = 0; i < 3; ++i) {
    SendMessageW(threeState.Handle(), BM_CLICK, 0, 0);
    seen.push_back(threeState.State());
  }
  EXPECT_EQ(seen, (std::vector<TCheckBoxState>{TCheckBoxState::cbChecked, TCheckBoxState::cbGrayed,
                                               TCheckBoxState::cbUnchecked}));
  seen.clear();
  for (int i = 0; i < 3; ++i) {
    SendMessageW(twoState.Handle(), BM_CLICK, 0, 0);
    seen.push_back(twoState.State());
  }
  EXPECT_EQ(seen, (std::vector<TCheckBoxState>{TCheckBoxState::cbUnchecked, TCheckBoxState::cbChecked,
                                               TCheckBoxState::cbUnchecked}));
}

TEST_F(ControlGallery, RadioButtonsOfOneParentKeepOneChecked) {
  auto& first = form->Add<TRadioButton>(0, 0);
  auto& second = form->Add<TRadioButton>(0, 20);
  auto& group = form->Add<TGroupBox>(200, 0);
  auto& elsewhere = form->Make<TRadioButton>();
  elsewhere.SetParent(&group);
  elsewhere.SetChecked(true);
  first.SetChecked(true);
  int clicks = 0;
  second.OnClick = [&](TComponent*) { ++clicks; };
  form->Handle();

  SendMessageW(second.Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(second.Checked());
  EXPECT_FALSE(first.Checked());
  EXPECT_EQ(SendMessageW(first.Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(clicks, 1);
  first.SetChecked(true);
  EXPECT_EQ(SendMessageW(second.Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_TRUE(elsewhere.Checked());  // another parent, another group
}

TEST_F(ControlGallery, ScrollBarMovesByTheUsersRequestsWithinItsPage) {
  auto& bar = form->Add<TScrollBar>();
  bar.SetParams(0, 0, 100);
  bar.SetPageSize(20);
  bar.LargeChange = 30;
  int changes = 0;
  bar.OnChange = [&](TComponent*) { ++changes; };
  form->Handle();
  auto request = [&](WORD code) {
    SendMessageW(form->Handle(), WM_HSCROLL, MAKEWPARAM(code, 0), reinterpret_cast<LPARAM>(bar.Handle()));
  };
  request(SB_LINEDOWN);
  EXPECT_EQ(bar.Position(), 1);
  request(SB_PAGEDOWN);
  EXPECT_EQ(bar.Position(), 31);
  request(SB_BOTTOM);
  EXPECT_EQ(bar.Position(), 81);  // the last page ends at Max
  EXPECT_EQ(GetScrollPos(bar.Handle(), SB_CTL), 81);
  EXPECT_EQ(changes, 3);
  request(SB_PAGEDOWN);  // already at the end
  EXPECT_EQ(changes, 3);
  bar.SetPosition(0);
  EXPECT_EQ(changes, 3);
}

TEST_F(ControlGallery, TrackBarAndUpDownReportTheUsersKeys) {
  auto& track = form->Add<TTrackBar>();
  track.SetRange(0, 10);
  track.SetPosition(4);
  int trackChanges = 0;
  track.OnChange = [&](TComponent*) { ++trackChanges; };
  auto& edit = form->Add<TEdit>(0, 100);
  auto& upDown = form->Add<TUpDown>();
  upDown.SetAssociate(&edit);
  upDown.SetRange(0, 10);
  upDown.SetPosition(5);
  int upDownClicks = 0;
  upDown.OnClick = [&](TComponent*) { ++upDownClicks; };
  form->Handle();

  SendMessageW(track.Handle(), WM_KEYDOWN, VK_RIGHT, 0);
  SendMessageW(track.Handle(), WM_KEYUP, VK_RIGHT, 0);
  EXPECT_EQ(track.Position(), 5);
  EXPECT_EQ(trackChanges, 1);

  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(upDown.Handle(), UDM_GETBUDDY, 0, 0)), edit.Handle());
  SendMessageW(upDown.Handle(), WM_KEYDOWN, VK_UP, 0);
  SendMessageW(upDown.Handle(), WM_KEYUP, VK_UP, 0);
  EXPECT_EQ(upDown.Position(), 6);
  EXPECT_EQ(upDownClicks, 1);
  EXPECT_EQ(edit.Text(), "6");
}

TEST_F(ControlGallery, ChoosingATabShowsItsPageOnly) {
  auto& pages = form->Add<TPageControl>();
  pages.SetBounds(0, 0, 300, 200);
  TTabSheet& general = pages.AddPage("General");
  TTabSheet& advanced = pages.AddPage("Advanced");
  int changes = 0;
  pages.OnChange = [&](TComponent*) { ++changes; };
  form->Handle();
  EXPECT_EQ(pages.ActivePage(), &general);
  EXPECT_TRUE(general.Visible());
  EXPECT_FALSE(advanced.Visible());
  const RECT display = pages.DisplayRect();
  EXPECT_EQ(general.BoundsRect().top, display.top);
  EXPECT_GT(display.top, 0);  // below the tabs

  SendMessageW(pages.Handle(), TCM_SETCURSEL, 1, 0);
  NotifyParent(pages, TCN_SELCHANGE);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(pages.ActivePage(), &advanced);
  EXPECT_FALSE(general.Visible());
  EXPECT_TRUE(advanced.Visible());
  EXPECT_EQ(GetWindowLongW(advanced.Handle(), GWL_STYLE) & WS_VISIBLE, WS_VISIBLE);

  advanced.SetCaption("Expert");
  wchar_t text[32] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = 32;
  SendMessageW(pages.Handle(), TCM_GETITEMW, 1, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(Narrow(text), "Expert");
  pages.FreeComponent(&general);
  EXPECT_EQ(pages.PageCount(), 1);
  EXPECT_EQ(SendMessageW(pages.Handle(), TCM_GETITEMCOUNT, 0, 0), 1);
  EXPECT_EQ(pages.ActivePage(), &advanced);
}

TEST_F(ControlGallery, ListsReportTheUsersChoice) {
  auto& list = form->Add<TListBox>();
  for (const char* text : {"a", "b", "c"}) list.AddItem(text);
  int clicks = 0;
  list.OnClick = [&](TComponent*) { ++clicks; };
  auto& tree = form->Add<TTreeView>(200, 0);
  const int root = tree.AddItem(-1, "root");
  const int leaf = tree.AddItem(root, "leaf");
  tree.Expand(root);
  form->Handle();

  SendMessageW(list.Handle(), LB_SETCURSEL, 2, 0);
  CommandToParent(list, LBN_SELCHANGE);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(list.ItemIndex(), 2);

  tree.SetSelected(leaf);
  EXPECT_EQ(tree.Selected(), leaf);
  auto first = reinterpret_cast<HTREEITEM>(SendMessageW(tree.Handle(), TVM_GETNEXTITEM, TVGN_ROOT, 0));
  auto child = reinterpret_cast<HTREEITEM>(
      SendMessageW(tree.Handle(), TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(first)));
  EXPECT_NE(child, nullptr);  // the leaf sits under the root
  EXPECT_EQ(SendMessageW(tree.Handle(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(first), TVIS_EXPANDED) &
                TVIS_EXPANDED,
            static_cast<LRESULT>(TVIS_EXPANDED));
}

TEST_F(ControlGallery, ToolButtonsReportClicksAndCheckButtonsLatch) {
  auto& toolBar = form->Add<TToolBar>();
  toolBar.SetBounds(0, 0, 300, 30);
  toolBar.SetShowCaptions(true);
  TToolButton& open = toolBar.AddButton("Open");
  TToolButton& bold = toolBar.AddButton("Bold", -1, TToolButtonStyle::tbsCheck);
  std::vector<TComponent*> clicked;
  open.OnClick = bold.OnClick = [&](TComponent* sender) { clicked.push_back(sender); };
  form->Handle();
  ShowWindow(form->Handle(), SW_SHOWNOACTIVATE);
  auto press = [&](TToolButton& button) {
    const RECT rect = button.BoundsRect();
    const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    SendMessageW(toolBar.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(toolBar.Handle(), WM_LBUTTONUP, 0, at);
  };
  press(bold);
  press(open);
  EXPECT_EQ(clicked, (std::vector<TComponent*>{&bold, &open}));
  EXPECT_TRUE(bold.Down());
  EXPECT_FALSE(open.Down());
  press(bold);
  EXPECT_FALSE(bold.Down());
}

TEST_F(ControlGallery, ScrollBoxScrollsChildrenThatReachPastIt) {
  auto& box = form->Add<TScrollBox>();
  box.SetBounds(0, 0, 200, 100);
  auto& distant = box.Make<TButton>();
  distant.SetParent(&box);
  distant.SetBounds(10, 300, 75, 25);
  form->Handle();
  SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE};
  ASSERT_TRUE(GetScrollInfo(box.Handle(), SB_VERT, &info));
  EXPECT_EQ(info.nMax, 324);
  SendMessageW(box.Handle(), WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
  EXPECT_EQ(box.VertPosition(), 8);
  EXPECT_EQ(distant.Top(), 292);
  RECT rect;
  GetWindowRect(distant.Handle(), &rect);
  MapWindowPoints(HWND_DESKTOP, box.Handle(), reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(rect.top, 292);
  SendMessageW(box.Handle(), WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), 0);
  RECT client;
  GetClientRect(box.Handle(), &client);
  EXPECT_EQ(distant.BoundsRect().bottom, client.bottom);  // the end of the contents at the bottom edge
}

// ---- speed buttons ------------------------------------------------------------------

TEST_F(ControlGallery, GroupedSpeedButtonsLatchOneAtATime) {
  auto& left = form->Add<TSpeedButton>(0, 0);
  auto& right = form->Add<TSpeedButton>(30, 0);
  auto& plain = form->Add<TSpeedButton>(60, 0);
  left.SetGroupIndex(1);
  right.SetGroupIndex(1);
  int clicks = 0;
  left.OnClick = right.OnClick = plain.OnClick = [&](TComponent*) { ++clicks; };
  form->Handle();
  auto click = [&](TSpeedButton& button) {
    const LPARAM at = MAKELPARAM(button.Left() + 5, button.Top() + 5);
    SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(form->Handle(), WM_LBUTTONUP, 0, at);
  };
  click(left);
  EXPECT_TRUE(left.Down());
  click(right);
  EXPECT_TRUE(right.Down());
  EXPECT_FALSE(left.Down());
  click(right);  // without AllowAllUp the down button stays down
  EXPECT_TRUE(right.Down());
  right.AllowAllUp = true;
  click(right);
  EXPECT_FALSE(right.Down());
  click(plain);
  EXPECT_FALSE(plain.Down());  // an ungrouped button never latches
  EXPECT_EQ(clicks, 5);
}

TEST_F(ControlGallery, SpeedButtonDrawsItsGlyphWithoutTheTransparentColour) {
  auto& button = form->Add<TSpeedButton>();
  button.SetBounds(0, 0, 40, 20);
  button.SetFlat(true);
  TBitmap glyph(4, 4);
  glyph.Fill(kRed);
  glyph.SetPixel(0, 3, kMagenta);  // bottom left: the transparent colour
  glyph.SetPixel(3, 0, kMagenta);
  button.SetGlyph(glyph);
  Picture picture(40, 20);
  button.Perform(WM_PAINT, reinterpret_cast<WPARAM>(picture.Dc()));
  EXPECT_EQ(picture.At(19, 9), kRed);    // the glyph at (18, 8)
  EXPECT_EQ(picture.At(21, 8), clWhite);  // its magenta corner shows the background
  EXPECT_EQ(picture.CountOf(kMagenta, RECT{0, 0, 40, 20}), 0);
  EXPECT_EQ(picture.At(0, 0), clWhite);  // flat and not under the mouse: no edge
  button.SetFlat(false);
  Picture raised(40, 20);
  button.Perform(WM_PAINT, reinterpret_cast<WPARAM>(raised.Dc()));
  EXPECT_NE(raised.At(1, 1), clWhite);
}

// ---- own painting -------------------------------------------------------------------

TEST_F(ControlGallery, PanelFillsWithItsColourInsideItsBevelAndCentresItsCaption) {
  auto& panel = form->Add<TPanel>();
  panel.SetBounds(0, 0, 120, 40);
  panel.SetColor(kGreen);
  panel.SetBevelOuter(TPanelBevel::bvLowered);
  Picture picture(120, 40);
  panel.PaintToDc(picture.Dc());
  EXPECT_EQ(picture.At(60, 5), kGreen);
  EXPECT_EQ(picture.At(0, 0), static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW)));
  EXPECT_EQ(picture.At(119, 39), static_cast<TColor>(GetSysColor(COLOR_BTNHIGHLIGHT)));
  EXPECT_EQ(picture.CountOf(kGreen, RECT{1, 1, 119, 39}), 118 * 38);  // no caption yet

  panel.SetCaption("WWW");
  Picture captioned(120, 40);
  panel.PaintToDc(captioned.Dc());
  EXPECT_LT(captioned.CountOf(kGreen, RECT{40, 1, 80, 39}), 40 * 38);  // text in the middle
  EXPECT_EQ(captioned.CountOf(kGreen, RECT{1, 1, 30, 39}), 29 * 38);   // none at the sides
}

TEST_F(ControlGallery, ShownPanelShowsItsColourOnScreen) {
  auto& panel = form->Add<TPanel>(10, 10);
  panel.SetColor(kBlue);
  panel.SetBevelOuter(TPanelBevel::bvNone);
  form->Handle();
  ShowWindow(form->Handle(), SW_SHOWNOACTIVATE);
  UpdateWindow(form->Handle());
  WindowDc screen(panel.Handle());
  Picture picture(20, 20);
  BitBlt(picture.Dc(), 0, 0, 20, 20, screen.get(), 5, 5, SRCCOPY);
  EXPECT_EQ(picture.CountOf(kBlue, RECT{0, 0, 20, 20}), 400);
}

TEST_F(ControlGallery, ChartIsAPanelThatKeepsItsOwnPicture) {
  auto& chart = form->Add<TChart>();
  chart.SetBounds(0, 0, 200, 120);
  chart.SetColor(kYellow);
  Picture direct(200, 120), asPanel(200, 120);
  chart.PaintTo(direct.Dc());
  chart.PaintToDc(asPanel.Dc());
  // Through the panel's path the chart draws itself: no bevel, the same pixels.
  EXPECT_EQ(asPanel.At(0, 0), kYellow);
  for (int y = 0; y < 120; y += 7)
    for (int x = 0; x < 200; x += 7) ASSERT_EQ(asPanel.At(x, y), direct.At(x, y)) << x << "," << y;
}

TEST_F(ControlGallery, ImageDrawsItsPictureStretchedCentredOrTransparent) {
  auto& image = form->Add<TImage>();
  image.SetBounds(0, 0, 8, 8);
  TBitmap quarters(2, 2);
  quarters.SetPixel(0, 0, kRed);
  quarters.SetPixel(1, 0, kGreen);
  quarters.SetPixel(0, 1, kBlue);  // bottom left: the transparent colour
  quarters.SetPixel(1, 1, kYellow);
  image.SetPicture(quarters);

  Picture plain(8, 8);
  image.Perform(WM_PAINT, reinterpret_cast<WPARAM>(plain.Dc()));
  EXPECT_EQ(plain.At(1, 1), kYellow);
  EXPECT_EQ(plain.At(2, 2), clWhite);  // at its own size from the top left

  image.SetCenter(true);
  Picture centred(8, 8);
  image.Perform(WM_PAINT, reinterpret_cast<WPARAM>(centred.Dc()));
  EXPECT_EQ(centred.At(3, 3), kRed);
  EXPECT_EQ(centred.At(4, 4), kYellow);
  EXPECT_EQ(centred.At(0, 0), clWhite);

  image.SetStretch(true);
  image.SetTransparent(true);
  Picture stretched(8, 8);
  image.Perform(WM_PAINT, reinterpret_cast<WPARAM>(stretched.Dc()));
  EXPECT_EQ(stretched.At(6, 1), kGreen);
  EXPECT_EQ(stretched.At(6, 6), kYellow);
  EXPECT_EQ(stretched.At(1, 6), clWhite);  // the blue quarter lets the background through
}

TEST_F(ControlGallery, StringGridPaintsFixedCellsTextAndTheChosenCell) {
  auto& grid = form->Add<TStringGrid>();
  grid.SetBounds(0, 0, 300, 150);
  grid.SetFixedColor(kGreen);
  grid.SetColor(kYellow);
  grid.SetCellText(1, 0, "Amount");
  grid.SetCell(2, 2);
  form->Handle();
  Picture picture(300, 150);
  grid.PaintToDc(picture.Dc());
  EXPECT_EQ(picture.At(5, 5), kGreen);                     // a fixed corner cell
  EXPECT_EQ(picture.At(5, 30), kGreen);                    // the fixed column
  EXPECT_EQ(picture.At(70, 30), kYellow);                  // a scrolling cell
  EXPECT_EQ(picture.At(64, 30), RGBColor(192, 192, 192));  // the grid line after column 0
  const RECT chosen = grid.CellRect(2, 2);
  EXPECT_EQ(picture.At(chosen.left + 3, chosen.top + 3), static_cast<TColor>(GetSysColor(COLOR_HIGHLIGHT)));
  // The header with a text has fewer fixed-colour pixels than an empty one.
  EXPECT_GT(picture.CountOf(kGreen, grid.CellRect(2, 0)), picture.CountOf(kGreen, grid.CellRect(1, 0)) + 10);

  // Scrolled down, the fixed row stays and the first scrolling rows go.
  grid.SetRowCount(50);
  grid.SetTopRow(10);
  const RECT scrolledAway = grid.CellRect(1, 1);
  EXPECT_TRUE(IsRectEmpty(&scrolledAway));
  EXPECT_EQ(grid.CellRect(1, 10).top, grid.DefaultRowHeight() + grid.GridLineWidth());
  EXPECT_EQ(GetScrollPos(grid.Handle(), SB_VERT), 10);
  int col = 0, row = 0;
  ASSERT_TRUE(grid.MouseToCell(70, 30, col, row));
  EXPECT_EQ(col, 1);
  EXPECT_EQ(row, 10);
}
