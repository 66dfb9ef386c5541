// The controls of system dialogs under a skin: message boxes, dialogs made from templates,
// a property sheet and the open-file dialog, driven with real messages and compared with
// the skin's bitmaps on screen.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <prsht.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "framework/win/Application.h"
#include "ledger/win/MainForm.h"
#include "framework/win/WindowCapture.h"
#include "framework/win/WindowSubclass.h"
#include "skin/ButtonLooks.h"
#include "skin/DropDownLooks.h"
#include "skin/Skin2Define.h"
#include "skin/SkinBlit.h"
#include "skin/win/SkinForeignControls.h"
#include "skin/win/SkinMessages.h"
#include "skin/win/SkinSystem.h"
#include "skin/win/SkinWindow.h"
#include "win/skin/SkinTestSupport.h"
#include "win/support/ProgramFolder.h"

namespace zentavo::testing {
namespace {

// A dialog template in memory: the dialog's caption and size, then items of any window
// class, all in dialog units.
class DialogTemplate {
 public:
  DialogTemplate(const wchar_t* caption, short width, short height,
                 DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME) {
    PutDword(style);
    PutDword(0);
    words_.push_back(0);  // item count, filled in as items come
    for (short v : {short(20), short(20), width, height}) words_.push_back(static_cast<WORD>(v));
    words_.push_back(0);  // no menu
    words_.push_back(0);  // the dialog class
    PutText(caption);
  }
  DialogTemplate& Add(const wchar_t* windowClass, const wchar_t* text, WORD id, DWORD style, short x, short y,
                      short width, short height) {
    if (words_.size() % 2) words_.push_back(0);  // items start on a double word
    PutDword(WS_CHILD | WS_VISIBLE | style);
    PutDword(0);
    for (short v : {x, y, width, height}) words_.push_back(static_cast<WORD>(v));
    words_.push_back(id);
    PutText(windowClass);
    PutText(text);
    words_.push_back(0);  // no creation data
    ++words_[4];
    return *this;
  }
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void PutDword(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
  }
  void PutText(const wchar_t* text) {
    for (; *text; ++text) words_.push_back(static_cast<WORD>(*text));
    words_.push_back(0);
  }
  std::vector<WORD> words_;
};

// The button notifications a dialog received, by control.
struct DialogLog {
  std::map<int, int> clicks;
};

INT_PTR CALLBACK CountingDialog(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    return TRUE;
  }
  if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    if (auto* log = reinterpret_cast<DialogLog*>(GetWindowLongPtrW(dialog, DWLP_USER))) ++log->clicks[LOWORD(wParam)];
    return TRUE;
  }
  return FALSE;
}

// What runs while a modal system dialog of this thread is open: the first visible dialog
// that turns up is handed over once.
std::function<void(HWND)> whileOpen;
bool sawDialog = false;

void CALLBACK VisitDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = FindVisibleDialog();
  if (!dialog) return;  // not open yet: the timer comes again
  KillTimer(nullptr, timer);
  sawDialog = true;
  auto visit = std::move(whileOpen);
  whileOpen = nullptr;
  if (visit) visit(dialog);
  // Whatever the visit did, the dialog goes, so that the test ends: these come after
  // anything the visit posted, and a yes/no box takes only its No.
  if (IsWindow(dialog)) {
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    PostMessageW(dialog, WM_COMMAND, IDNO, 0);
  }
}

void WhenDialogOpens(std::function<void(HWND)> visit) {
  sawDialog = false;
  whileOpen = std::move(visit);
  SetTimer(nullptr, 0, 150, VisitDialog);
}

// Pixels within `edge` of the border of `expected` that differ in `shown`: where a caption
// cannot reach.
int EdgeDiffering(const TBitmap& shown, const TBitmap& expected, int edge) {
  int differing = 0;
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x) {
      const bool nearEdge =
          x < edge || y < edge || x >= expected.Width() - edge || y >= expected.Height() - edge;
      if (nearEdge && shown.Pixel(x, y) != expected.Pixel(x, y)) ++differing;
    }
  return differing;
}

// Pixels of a tab's left part, in its first rows, that differ from the skin's tab image
// drawn upright from the tab's top; the image's transparent pixels are skipped when the
// skin draws tabs transparent. `compared` counts the pixels looked at.
int TabDiffering(const TBitmap& shown, const RECT& tab, const TBitmap& image, int rows, const TsuiSkinEngine& engine,
                 int& compared) {
  const bool transparent = engine.GetSkinFlag(SKIN2_TABCONTROLTRANS) != 0;
  const TColor trans = engine.GetSkinColor(SKIN2_TRANSCOLOR);
  int differing = 0;
  compared = 0;
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < std::min(image.Width() / 3, 3); ++x) {
      if (transparent && image.Pixel(x, y) == trans) continue;
      ++compared;
      if (shown.Pixel(tab.left + x, tab.top + y) != image.Pixel(x, y)) ++differing;
    }
  return differing;
}

int WindowWidth(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return r.right - r.left;
}

int WindowHeight(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return r.bottom - r.top;
}

void Send(HWND window, UINT msg, WPARAM wParam = 0, LPARAM lParam = MAKELPARAM(5, 5)) {
  SendMessageW(window, msg, wParam, lParam);
}

class ForeignControlsTest : public SkinnedFormTest<TfrmSkinTest> {
 protected:
  void SetUp() override {
    StartEngine("Silver");
    host->Show();
    Settle();
    Application().MessageBoxOverride = nullptr;
  }
  void TearDown() override {
    for (HWND dialog : dialogs_)
      if (IsWindow(dialog)) DestroyWindow(dialog);
    Settle();
    SkinnedFormTest::TearDown();
  }

  HWND Open(const DialogTemplate& dialog) {
    HWND window = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialog.Get(), host->Handle(), CountingDialog,
                                             reinterpret_cast<LPARAM>(&log));
    if (window) dialogs_.push_back(window);
    SetForegroundWindow(window);
    Settle();
    return window;
  }
  TsuiSkinWindow* FrameOf(HWND window) {
    for (const auto& frame : engine().SkinnedWindows())
      if (frame->WindowHandle() == window) return frame.get();
    return nullptr;
  }
  template <class W>
  W* Wrapper(HWND dialog, HWND control) {
    TsuiSkinWindow* frame = FrameOf(dialog);
    if (!frame) return nullptr;
    for (const auto& wrapper : frame->Controls())
      if (wrapper->GetHandle() == control) return dynamic_cast<W*>(wrapper.get());
    return nullptr;
  }
  TBitmap ExpectedFace(HWND button, int frame, bool focused, bool down) {
    return ExpectedButtonFace(engine(), WindowWidth(button), WindowHeight(button), frame, focused, down);
  }
  // The face frame a dialog button shows now, judged by its edges; 0 for none of them.
  int ShownFaceFrame(HWND button) {
    const TBitmap shown = CaptureWindow(button);
    for (int frame = 1; frame <= 3; ++frame)
      for (bool focused : {false, true})
        if (EdgeDiffering(shown, ExpectedFace(button, frame, focused, frame == 3), 5) == 0) return frame;
    return 0;
  }

  DialogLog log;

 private:
  std::vector<HWND> dialogs_;
};

DialogTemplate TwoButtons() {
  DialogTemplate dialog(L"Two buttons", 200, 80);
  dialog.Add(L"BUTTON", L"First", 101, BS_PUSHBUTTON | WS_TABSTOP, 10, 10, 60, 16);
  dialog.Add(L"BUTTON", L"Second", 102, BS_PUSHBUTTON | WS_TABSTOP, 80, 10, 60, 16);
  return dialog;
}

TEST_F(ForeignControlsTest, TheErrorDisplayShowsSkinnedButtonsAndItsSkinnedOkClosesIt) {
  bool skinned = false;
  int face = -1;
  WhenDialogOpens([&](HWND box) {
    HWND ok = GetDlgItem(box, IDOK);
    ASSERT_NE(ok, nullptr);
    skinned = SendMessageW(ok, SM_ISSKINNED, 0, 0) == 1;
    face = ShownFaceFrame(ok);
    // Clicked as the mouse would: the box hears of it through the usual notification.
    Send(ok, WM_LBUTTONDOWN, MK_LBUTTON);
    Send(ok, WM_LBUTTONUP);
  });
  Application().ShowException("The ledger cannot be opened.");
  EXPECT_TRUE(sawDialog);
  EXPECT_TRUE(skinned);
  EXPECT_EQ(face, 1);

  int answer = 0;
  WhenDialogOpens([&](HWND box) {
    HWND ok = GetDlgItem(box, IDOK);
    Send(ok, WM_LBUTTONDOWN, MK_LBUTTON);
    Send(ok, WM_LBUTTONUP);
  });
  answer = Application().ShowMessageBox(host->Handle(), "Saved.", "Zentavo", MB_OKCANCEL);
  EXPECT_EQ(answer, IDOK);  // not the IDCANCEL that ends the test when nothing else did
}

TEST_F(ForeignControlsTest, APressReleasedElsewherePostsNothingAndStaysPendingForTheNextReleaseOverTheButton) {
  HWND dialog = Open(TwoButtons());
  ASSERT_NE(dialog, nullptr);
  HWND first = GetDlgItem(dialog, 101), second = GetDlgItem(dialog, 102);
  auto* wrapper = Wrapper<TsuiSkinWndButton>(dialog, first);
  ASSERT_NE(wrapper, nullptr);

  Send(first, WM_LBUTTONDOWN, MK_LBUTTON);
  EXPECT_TRUE(wrapper->PressedByMouse());
  EXPECT_EQ(GetCapture(), nullptr);  // the button never held the mouse
  EXPECT_EQ(GetFocus(), first);
  EXPECT_EQ(ShownFaceFrame(first), 3);
  Send(second, WM_LBUTTONUP);  // released over the other button
  Settle();
  EXPECT_TRUE(log.clicks.empty());
  EXPECT_TRUE(wrapper->PressedByMouse());

  Send(first, WM_LBUTTONUP);  // the next release over the button clicks it, once
  Settle();
  EXPECT_EQ(log.clicks, (std::map<int, int>{{101, 1}}));
  EXPECT_FALSE(wrapper->PressedByMouse());
  Send(first, WM_LBUTTONUP);
  Settle();
  EXPECT_EQ(log.clicks[101], 1);

  // A focused button is also clicked by the space key, once per key.
  Send(first, WM_KEYDOWN, VK_SPACE, 1);
  EXPECT_EQ(ShownFaceFrame(first), 3);
  Send(first, WM_KEYUP, VK_SPACE, 0xC0000001);
  Settle();
  EXPECT_EQ(log.clicks, (std::map<int, int>{{101, 2}}));
  EXPECT_EQ(ShownFaceFrame(first), 1);
}

TEST_F(ForeignControlsTest, AHotButtonTurnsBackWithinATimerPeriodOnceTheMouseHasLeft) {
  HWND dialog = Open(TwoButtons());
  HWND first = GetDlgItem(dialog, 101);
  auto* wrapper = Wrapper<TsuiSkinWndButton>(dialog, first);
  ASSERT_NE(wrapper, nullptr);
  EXPECT_TRUE(wrapper->HasHoverTimer());
  RECT r;
  GetWindowRect(first, &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  Send(first, WM_MOUSEMOVE);
  Settle();
  EXPECT_TRUE(wrapper->Hot());
  EXPECT_EQ(ShownFaceFrame(first), 2);

  // Still over it: the timer leaves it hot.
  Sleep(TsuiSkinWndButton::kHoverInterval + 20);
  Settle();
  EXPECT_TRUE(wrapper->Hot());

  SetCursorPos(r.right + 40, r.bottom + 60);
  Sleep(TsuiSkinWndButton::kHoverInterval + 20);
  Settle();
  EXPECT_FALSE(wrapper->Hot());
  EXPECT_EQ(ShownFaceFrame(first), 1);
}

TEST_F(ForeignControlsTest, ButtonsOfADialogWithAProgressBarGetNoHoverTimerWhereverTheBarStands) {
  DialogTemplate dialog(L"Copying", 200, 80);
  dialog.Add(L"BUTTON", L"Cancel", IDCANCEL, BS_PUSHBUTTON, 10, 10, 60, 16);
  dialog.Add(PROGRESS_CLASSW, L"", 103, 0, 10, 40, 150, 10);
  HWND window = Open(dialog);
  auto* wrapper = Wrapper<TsuiSkinWndButton>(window, GetDlgItem(window, IDCANCEL));
  ASSERT_NE(wrapper, nullptr);
  EXPECT_TRUE(FrameOf(window)->HasAnimatedChild());
  EXPECT_FALSE(wrapper->HasHoverTimer());
}

TEST_F(ForeignControlsTest, GlyphsOfTallCheckBoxesAndRadioButtonsSitAtTheirTopLeftCorner) {
  DialogTemplate dialog(L"Options", 200, 120);
  dialog.Add(L"BUTTON", L"Tall check box", 201, BS_AUTOCHECKBOX, 10, 10, 100, 40);
  dialog.Add(L"BUTTON", L"Tall radio", 202, BS_AUTORADIOBUTTON, 10, 60, 100, 40);
  HWND window = Open(dialog);
  HWND check = GetDlgItem(window, 201), radio = GetDlgItem(window, 202);
  ASSERT_NE(Wrapper<TsuiSkinWndCheckBox>(window, check), nullptr);
  ASSERT_NE(Wrapper<TsuiSkinWndRadioButton>(window, radio), nullptr);
  ASSERT_GT(WindowHeight(check), 40);
  const TColor trans = engine().GetSkinColor(SKIN2_TRANSCOLOR);
  const TColor checkMask = engine().GetSkinFlag(SKIN2_CHECKBOXTRANS) ? trans : kNoMask;
  auto expectedBox = [&](HWND control, int key, int frame, int frames, TColor mask) {
    return ComposeDialogGlyphBox(SkinBitmap(key, frame, frames), engine().FormColor(), mask, WindowHeight(control));
  };

  EXPECT_EQ(CountDiffering(CaptureWindow(check), expectedBox(check, SKIN2_CHECKBOX, 3, 6, checkMask)), 0);
  CheckDlgButton(window, 201, BST_CHECKED);
  Settle();
  EXPECT_EQ(CountDiffering(CaptureWindow(check), expectedBox(check, SKIN2_CHECKBOX, 1, 6, checkMask)), 0);
  Send(radio, BM_SETCHECK, BST_CHECKED, 0);
  Settle();
  EXPECT_EQ(CountDiffering(CaptureWindow(radio), expectedBox(radio, SKIN2_RADIOBUTTON, 1, 4, trans)), 0);
  EnableWindow(radio, FALSE);
  Settle();
  EXPECT_EQ(CountDiffering(CaptureWindow(radio), expectedBox(radio, SKIN2_RADIOBUTTON, 3, 4, trans)), 0);
}

TEST_F(ForeignControlsTest, ComboBoxesGetTheSkinsOutlineAndButtonAndToolBarsKeepTheirStyle) {
  DialogTemplate dialog(L"Choose", 200, 100);
  dialog.Add(L"COMBOBOX", L"", 301, CBS_DROPDOWNLIST | WS_VSCROLL, 10, 10, 100, 80);
  dialog.Add(WC_COMBOBOXEXW, L"", 302, CBS_DROPDOWN, 10, 30, 100, 80);
  dialog.Add(TOOLBARCLASSNAMEW, L"", 303, CCS_NORESIZE | CCS_NOPARENTALIGN, 10, 60, 100, 20);
  HWND window = Open(dialog);
  HWND combo = GetDlgItem(window, 301);
  ASSERT_NE(Wrapper<TsuiSkinWndComboBox>(window, combo), nullptr);
  HWND inner = GetTopWindow(GetDlgItem(window, 302));
  EXPECT_NE(Wrapper<TsuiSkinWndComboBox>(window, inner), nullptr);
  HWND toolBar = GetDlgItem(window, 303);
  ASSERT_NE(Wrapper<TsuiSkinWndToolbarWindow32>(window, toolBar), nullptr);
  EXPECT_EQ(SendMessageW(toolBar, TB_GETSTYLE, 0, 0) & (TBSTYLE_FLAT | TBSTYLE_TRANSPARENT), 0);

  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetComboBoxInfo(combo, &info));
  const TBitmap shown = CaptureWindow(combo);
  const TColor border = engine().GetSkinColor(SKIN2_CONTROLBORDERCOLOR);
  EXPECT_EQ(shown.Pixel(0, 0), ColorToRGB(border));
  EXPECT_EQ(shown.Pixel(WindowWidth(combo) - 1, WindowHeight(combo) - 1), ColorToRGB(border));
  // The button as the skin draws it, separator and arrow included.
  const TDropButtonLook look = ComboDropButton(ToTRect(info.rcButton), false);
  TBitmap expected(WindowWidth(combo), WindowHeight(combo));
  TDropDownColors colors;
  colors.border = border;
  colors.control = engine().GetSkinColor(SKIN2_CONTROLCOLOR);
  DrawDropButton(expected, look, colors, true);
  int differing = 0, compared = 0;
  for (const TRect& part : {look.face, look.separator})
    for (int y = part.top; y < part.bottom; ++y)
      for (int x = part.left; x < part.right; ++x, ++compared)
        if (shown.Pixel(x, y) != expected.Pixel(x, y)) ++differing;
  EXPECT_GT(compared, 40);
  EXPECT_EQ(differing, 0);
}

TEST_F(ForeignControlsTest, TabsAreDrawnAsTopTabsWhateverTheControlsStyle) {
  DialogTemplate dialog(L"Pages", 220, 140);
  dialog.Add(WC_TABCONTROLW, L"", 401, TCS_BOTTOM, 10, 10, 180, 100);
  HWND window = Open(dialog);
  HWND tabs = GetDlgItem(window, 401);
  for (const wchar_t* caption : {L"General", L"Colours"}) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(caption);
    SendMessageW(tabs, TCM_INSERTITEMW, SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), reinterpret_cast<LPARAM>(&item));
  }
  auto* wrapper = Wrapper<TsuiSkinWndTabControl>(window, tabs);
  ASSERT_NE(wrapper, nullptr);
  InvalidateRect(tabs, nullptr, TRUE);
  Settle();
  RECT tab{};
  SendMessageW(tabs, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab));
  ASSERT_GT(tab.top, 50);  // the control puts the tabs along its bottom edge
  const TBitmap image = SkinBitmap(SKIN2_TABCONTROL, 1, 2);
  const TBitmap shown = CaptureWindow(tabs);
  // The selected tab's left part, upright: the image's first row at the tab's top.
  int compared = 0;
  EXPECT_EQ(TabDiffering(shown, tab, image, std::min<int>(image.Height(), tab.bottom - tab.top), engine(), compared), 0);
  EXPECT_GT(compared, 10);
}

TEST_F(ForeignControlsTest, TabsTakeTheirDefaultHeightWhileSkinnedAndGetTheirOwnBackAfterwards) {
  DialogTemplate dialog(L"Pages", 220, 140, WS_POPUP | WS_CAPTION | DS_MODALFRAME);  // shown later
  dialog.Add(WC_TABCONTROLW, L"", 401, TCS_FIXEDWIDTH, 10, 10, 180, 100);
  HWND window = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialog.Get(), host->Handle(), CountingDialog,
                                           reinterpret_cast<LPARAM>(&log));
  ASSERT_NE(window, nullptr);
  HWND tabs = GetDlgItem(window, 401);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<wchar_t*>(L"General");
  SendMessageW(tabs, TCM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  auto tabHeight = [tabs] {
    RECT r{};
    SendMessageW(tabs, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
    return static_cast<int>(r.bottom - r.top);
  };
  SendMessageW(tabs, TCM_SETITEMSIZE, 0, MAKELPARAM(80, 44));
  ASSERT_EQ(tabHeight(), 44);
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  Settle();
  auto* wrapper = Wrapper<TsuiSkinWndTabControl>(window, tabs);
  ASSERT_NE(wrapper, nullptr);
  EXPECT_EQ(wrapper->NativeTabHeight(), 44);
  EXPECT_LT(tabHeight(), 44);
  engine().SetActive(false);
  Settle();
  EXPECT_EQ(tabHeight(), 44);
  DestroyWindow(window);
}

// A property sheet of two pages made from templates, without the wait of a modal one.
HWND OpenPropertySheet(HWND owner, const DialogTemplate& page) {
  PROPSHEETPAGEW pages[2]{};
  const wchar_t* titles[2] = {L"General", L"Colours"};
  HPROPSHEETPAGE handles[2];
  for (int i = 0; i < 2; ++i) {
    pages[i].dwSize = sizeof(PROPSHEETPAGEW);
    pages[i].dwFlags = PSP_DLGINDIRECT | PSP_USETITLE;
    pages[i].pResource = page.Get();
    pages[i].pszTitle = titles[i];
    pages[i].pfnDlgProc = [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; };
    handles[i] = CreatePropertySheetPageW(&pages[i]);
  }
  PROPSHEETHEADERW header{};
  header.dwSize = sizeof(header);
  header.dwFlags = PSH_MODELESS;
  header.hwndParent = owner;
  header.pszCaption = L"Settings";
  header.nPages = 2;
  header.phpage = handles;
  return reinterpret_cast<HWND>(PropertySheetW(&header));
}

TEST_F(ForeignControlsTest, APropertySheetsTabsAreSkinnedAtTheTop) {
  DialogTemplate page(L"", 200, 100, WS_CHILD | WS_CAPTION | DS_CONTROL);
  page.Add(L"BUTTON", L"Option", 501, BS_AUTOCHECKBOX, 10, 10, 100, 12);
  HWND sheet = OpenPropertySheet(host->Handle(), page);
  ASSERT_NE(sheet, nullptr);
  SetForegroundWindow(sheet);
  Settle();
  HWND tabs = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0));
  ASSERT_NE(tabs, nullptr);
  EXPECT_EQ(SendMessageW(tabs, SM_ISSKINNED, 0, 0), 1);
  RECT tab{};
  SendMessageW(tabs, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab));
  EXPECT_LT(tab.top, 5);
  const TBitmap image = SkinBitmap(SKIN2_TABCONTROL, 1, 2);
  const TBitmap shown = CaptureWindow(tabs);
  // Above the page's edge, where the tab line begins.
  int compared = 0;
  EXPECT_EQ(TabDiffering(shown, tab, image, std::min<int>(image.Height(), tab.bottom - tab.top) - 2, engine(), compared),
            0);
  EXPECT_GT(compared, 10);
  DestroyWindow(sheet);
}

TEST_F(ForeignControlsTest, TheOpenFileDialogIsSkinnedAndLeavesNoWrapperOrSubclassBehind) {
  const size_t framesBefore = engine().SkinnedWindows().size();
  const int subclassedBefore = WindowSubclass::AttachedCount();
  size_t wrappers = 0;
  bool okSkinned = false, cancelSkinned = false;
  int subclassedWhileOpen = 0;
  WhenDialogOpens([&](HWND dialog) {
    if (TsuiSkinWindow* frame = FrameOf(dialog)) wrappers = frame->Controls().size();
    subclassedWhileOpen = WindowSubclass::AttachedCount();
    okSkinned = SendMessageW(GetDlgItem(dialog, IDOK), SM_ISSKINNED, 0, 0) == 1;
    HWND cancel = GetDlgItem(dialog, IDCANCEL);
    cancelSkinned = SendMessageW(cancel, SM_ISSKINNED, 0, 0) == 1;
    Send(cancel, WM_LBUTTONDOWN, MK_LBUTTON);
    Send(cancel, WM_LBUTTONUP);
  });
  wchar_t file[MAX_PATH] = {};
  OPENFILENAMEW open{};
  open.lStructSize = sizeof(open);
  open.hwndOwner = host->Handle();
  open.lpstrFilter = L"Ledgers\0*.mdb\0All files\0*.*\0";
  open.lpstrFile = file;
  open.nMaxFile = MAX_PATH;
  open.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST;
  EXPECT_FALSE(GetOpenFileNameW(&open));  // cancelled
  EXPECT_TRUE(sawDialog);
  EXPECT_TRUE(okSkinned);
  EXPECT_TRUE(cancelSkinned);
  EXPECT_GT(wrappers, 2u);
  EXPECT_GT(subclassedWhileOpen, subclassedBefore + 2);
  Settle();
  EXPECT_EQ(engine().SkinnedWindows().size(), framesBefore);
  EXPECT_EQ(WindowSubclass::AttachedCount(), subclassedBefore);
}

// The dialog keeps the size it had at its end for its next opening: the size the skin's
// frame grew it to must not be kept, or it grows each time.
TEST_F(ForeignControlsTest, TheOpenFileDialogHasTheSameSizeEachTimeItOpens) {
  std::vector<SIZE> sizes;
  for (int opening = 0; opening < 10; ++opening) {
    WhenDialogOpens([&](HWND dialog) {
      RECT r{};
      GetWindowRect(dialog, &r);
      sizes.push_back(SIZE{r.right - r.left, r.bottom - r.top});
    });
    wchar_t file[MAX_PATH] = {};
    OPENFILENAMEW open{};
    open.lStructSize = sizeof(open);
    open.hwndOwner = host->Handle();
    open.lpstrFilter = L"All files\0*.*\0";
    open.lpstrFile = file;
    open.nMaxFile = MAX_PATH;
    open.Flags = OFN_EXPLORER | OFN_ENABLESIZING;
    GetOpenFileNameW(&open);
    Settle();
  }
  ASSERT_EQ(sizes.size(), 10u);
  for (size_t i = 1; i < sizes.size(); ++i) {
    EXPECT_EQ(sizes[i].cx, sizes[0].cx) << "opening " << i;
    EXPECT_EQ(sizes[i].cy, sizes[0].cy) << "opening " << i;
  }
}

// The main window over a program folder with its default skin installed: its delete
// question opens skinned, and the skinned No answers it.
TEST(ForeignControlsProgramTest, TheMainWindowsDeleteQuestionShowsSkinnedButtonsAndItsSkinnedNoAnswersIt) {
  Application().Initialize();
  ProgramFolder folder("ForeignControlsDeleteQuestion");
  folder.CreateLedgerFile();
  const TDateTime when = EncodeDateTime(2024, 3, 5, 12, 0, 0);
  folder.Add(false, when, "12.50");
  std::filesystem::create_directories(folder.Path("skins"));
  std::filesystem::copy_file(std::filesystem::u8path(DefaultSkin("Silver").substr(2)), folder.Path("skins/Silver.ssk"));
  auto common = MakeComponent<TfrmCommon>(nullptr, folder.Folder());
  auto main = MakeComponent<TfrmMain>(nullptr, *common);
  common->SkinFileTarget = [&main](const std::string& skinFile) { main->suiSkinEngine.SetSkinFile(skinFile); };
  main->Now = [when] { return when; };
  main->Show();
  Settle();
  ASSERT_TRUE(main->suiSkinEngine.IsSkinning());
  ASSERT_EQ(main->listViewInfo.RowCount(), 1);
  main->listViewInfo.SetSelected(0, true);
  Application().MessageBoxOverride = nullptr;

  bool yesSkinned = false, noSkinned = false;
  WhenDialogOpens([&](HWND box) {
    yesSkinned = SendMessageW(GetDlgItem(box, IDYES), SM_ISSKINNED, 0, 0) == 1;
    HWND no = GetDlgItem(box, IDNO);
    noSkinned = SendMessageW(no, SM_ISSKINNED, 0, 0) == 1;
    Send(no, WM_LBUTTONDOWN, MK_LBUTTON);
    Send(no, WM_LBUTTONUP);
  });
  main->actionDelete.Execute();
  EXPECT_TRUE(sawDialog);
  EXPECT_TRUE(yesSkinned);
  EXPECT_TRUE(noSkinned);
  EXPECT_EQ(main->listViewInfo.RowCount(), 1);  // answered No: nothing deleted
  main.reset();
  common.reset();
}

}  // namespace
}  // namespace zentavo::testing
