#include "skin/win/SkinForeignControls.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/Bitmap.h"
#include "framework/win/Canvas.h"
#include "framework/win/Font.h"
#include "framework/win/Handles.h"
#include "framework/win/WideText.h"
#include "skin/ButtonLooks.h"
#include "skin/DropDownLooks.h"
#include "skin/Skin2Define.h"
#include "skin/SkinBlit.h"
#include "skin/win/SkinButtons.h"
#include "skin/win/SkinEngine.h"
#include "skin/win/SkinOutline.h"
#include "skin/win/SkinRegion.h"
#include "skin/win/SkinSystem.h"
#include "skin/win/SkinTabsBars.h"
#include "skin/win/SkinWindow.h"

namespace zentavo {

namespace {

// The hover timer's identifier on the button's window; no system dialog uses timers on
// its buttons.
constexpr UINT_PTR kHoverTimerId = 0x5A54;

TFont MenuFont() {
  TFont font;
  GetMenuFont(font);
  return font;
}

bool CursorOver(HWND window) {
  RECT bounds;
  POINT cursor;
  if (!::GetWindowRect(window, &bounds) || !::GetCursorPos(&cursor)) return false;
  return PointInRect(cursor.x, cursor.y, ToTRect(bounds));
}

}  // namespace

// ---- Push button -------------------------------------------------------------------------

void TsuiSkinWndButton::Initialize() {
  pressedByMouse_ = false;
  pressedByKey_ = false;
  firstPaintDone_ = false;
  StopHoverTimer();
  if (!Window().HasAnimatedChild())
    if (HWND window = Handle()) hoverTimer_ = ::SetTimer(window, kHoverTimerId, kHoverInterval, nullptr);
}

void TsuiSkinWndButton::Detach() {
  StopHoverTimer();
  TsuiSkinControlWnd::Detach();
}

void TsuiSkinWndButton::StopHoverTimer() {
  if (!hoverTimer_) return;
  if (HWND window = Handle()) ::KillTimer(window, kHoverTimerId);
  hoverTimer_ = 0;
}

bool TsuiSkinWndButton::BeforeMessage(TMessage& message) {
  // Drawn whole: the button's own painting and erasing never show (they would flicker
  // under the skin's face).
  if (TakeOverPainting(message) || HoldBackPress(message)) return false;
  switch (message.Msg) {
    case WM_KEYDOWN:
      if (message.WParam != VK_RETURN && message.WParam != VK_SPACE) return true;
      if (message.WParam == VK_SPACE) pressedByKey_ = true;
      message.Result = 0;
      return false;
    case WM_MOUSEMOVE:
      SetState(kHot, true);
      Repaint();
      return true;
    case WM_SETFOCUS:
      Repaint();
      message.Result = 0;
      return false;
    case WM_KILLFOCUS:
      pressedByKey_ = false;
      RepaintLosingFocus();
      message.Result = 0;
      return false;
    case WM_TIMER:
      if (message.WParam != kHoverTimerId) return true;
      TimerTick();
      return false;
    default:
      return true;
  }
}

void TsuiSkinWndButton::AfterMessage(TMessage& message) {
  TsuiSkinControlWnd::AfterMessage(message);
  if (message.Msg == WM_SETFOCUS) Repaint();
}

void TsuiSkinWndButton::MouseDown() {
  if (HWND window = Handle()) ::SetFocus(window);
  pressedByMouse_ = true;
}

void TsuiSkinWndButton::MouseUp() {
  if (!pressedByMouse_) return;
  pressedByMouse_ = false;
  Click();
}

// The button never sees the space key-down, so it cannot click itself on the key-up: the
// wrapper clicks it, as the system's button would.
void TsuiSkinWndButton::KeyUp(WPARAM key) {
  if (key != VK_SPACE || !pressedByKey_) return;
  pressedByKey_ = false;
  HWND window = Handle();
  if (window && ::IsWindowEnabled(window) && ::GetFocus() == window) Click();
}

void TsuiSkinWndButton::Click() {
  HWND window = Handle();
  if (!window) return;
  ::PostMessageW(::GetParent(window), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(window), BN_CLICKED),
                 reinterpret_cast<LPARAM>(window));
}

void TsuiSkinWndButton::TimerTick() {
  HWND window = Handle();
  if (!window) return;
  if (Hot() && !CursorOver(window)) {
    SetState(kHot | kDown, false);
    Repaint();
  }
  if (!firstPaintDone_) {
    firstPaintDone_ = true;
    Repaint();
  }
}

void TsuiSkinWndButton::Compose(TPaintSurface& surface) {
  ComposeSkinnedButtonFaceOn(surface.Pixels(), Engine(), Hot(), Down(), ShowsFocus());
  TFont font = MenuFont();
  font.Color = Engine().GetSkinColor(SKIN2_BUTTONFONTCOLOR);
  DrawCaption(surface.Dc(), Widen(WindowText()), GetControlRect(), &font);
}

// ---- Check boxes and radio buttons ---------------------------------------------------------

LRESULT TsuiSkinWndGlyphButton::CheckState() const {
  HWND window = Handle();
  return window ? ::SendMessageW(window, BM_GETCHECK, 0, 0) : BST_UNCHECKED;
}

void TsuiSkinWndGlyphButton::AfterMessage(TMessage& message) {
  TsuiSkinControlWnd::AfterMessage(message);
  if (message.Msg == WM_LBUTTONDBLCLK || message.Msg == BM_SETCHECK) Repaint();
}

bool TsuiSkinWndGlyphButton::BeforeMessage(TMessage& message) { return !TakeOverPainting(message); }

// The control prints itself into the picture; the glyph box covers its box.
void TsuiSkinWndGlyphButton::Compose(TPaintSurface& surface) {
  if (!Handle()) return;
  TMessage print{WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.Dc()), PRF_CLIENT | PRF_ERASEBKGND, 0};
  CallSaved(print);
  surface.Flush();
  TBitmap glyph;
  TColor mask = kNoMask;
  if (!Glyph(glyph, mask) || glyph.Empty()) return;
  const TBitmap box = ComposeDialogGlyphBox(glyph, Engine().FormColor(), mask, WindowHeight());
  DrawBitmapRect(surface.Pixels(), 0, 0, box, TRect{0, 0, box.Width(), box.Height()});
}

bool TsuiSkinWndCheckBox::Glyph(TBitmap& glyph, TColor& mask) const {
  const LRESULT check = CheckState();
  const TGlyphCheck state = check == BST_CHECKED         ? TGlyphCheck::Checked
                            : check == BST_INDETERMINATE ? TGlyphCheck::Grayed
                                                         : TGlyphCheck::Unchecked;
  if (!Engine().GetSkinBitmap(SKIN2_CHECKBOX, glyph, CheckBoxGlyphFrame(state, GetEnabled()), 6)) return false;
  mask = Engine().GetSkinFlag(SKIN2_CHECKBOXTRANS) ? Engine().GetSkinColor(SKIN2_TRANSCOLOR) : kNoMask;
  return true;
}

bool TsuiSkinWndRadioButton::Glyph(TBitmap& glyph, TColor& mask) const {
  if (!Engine().GetSkinBitmap(SKIN2_RADIOBUTTON, glyph, RadioButtonGlyphFrame(CheckState() != 0, GetEnabled()), 4))
    return false;
  mask = Engine().GetSkinColor(SKIN2_TRANSCOLOR);
  return true;
}

// ---- Combo box -----------------------------------------------------------------------------

void TsuiSkinWndComboBox::Paint() {
  HWND window = Handle();
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  if (!window || !SafeGetComboBoxInfo(window, &info)) return;
  TsuiSkinBorderWndControl::Paint();
  const TDropButtonLook look = ComboDropButton(ToTRect(info.rcButton), false);
  TDropDownColors colors;
  colors.border = Engine().GetSkinColor(SKIN2_CONTROLBORDERCOLOR);
  colors.control = Engine().GetSkinColor(SKIN2_CONTROLCOLOR);
  TBitmap canvas(WindowWidth(), WindowHeight());
  DrawDropButton(canvas, look, colors, true);
  WindowDc dc(window, true);
  if (!dc.get()) return;
  DcStateGuard state(dc.get());
  const RegionHandle area = CreateRegionFromRects({look.face, look.separator});
  ::SelectClipRgn(dc.get(), area.get());
  DrawBitmap(dc.get(), 0, 0, canvas);
}

// ---- Tab control -----------------------------------------------------------------------------

int TsuiSkinWndTabControl::TabHeight() const {
  RECT tab{};
  HWND window = Handle();
  if (!window || !::SendMessageW(window, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab))) return 0;
  return tab.bottom - tab.top;
}

void TsuiSkinWndTabControl::Initialize() { nativeTabHeight_ = TabHeight(); }

void TsuiSkinWndTabControl::SkinChanged() {
  HWND window = Handle();
  if (!window) return;
  if (Engine().IsSkinning()) {
    nativeTabHeight_ = TabHeight();
    ::SendMessageW(window, TCM_SETITEMSIZE, 0, 0);
  } else {
    ::SendMessageW(window, TCM_SETITEMSIZE, 0, MAKELPARAM(0, nativeTabHeight_));
  }
}

bool TsuiSkinWndTabControl::BeforeMessage(TMessage& message) {
  return !TakeOverPainting(message);
}

void TsuiSkinWndTabControl::Paint() {
  HWND window = Handle();
  if (!window) return;
  const TFont font = MenuFont();
  TSkinnedTabsSource source;
  source.window = window;
  source.width = WindowWidth();
  source.height = WindowHeight();
  ::GetClientRect(window, &source.display);
  ::SendMessageW(window, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&source.display));
  source.side = TTabSide::Top;
  source.font = &font;
  source.stacked = true;
  source.caption = [window](int index) {
    wchar_t text[260] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 260;
    if (!::SendMessageW(window, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item))) return std::wstring();
    return std::wstring(item.pszText ? item.pszText : L"");
  };
  const TBitmap canvas = ComposeSkinnedTabs(Engine(), source);
  WindowDc dc(window, true);
  if (dc.get()) DrawBitmap(dc.get(), 0, 0, canvas);
}

// ---- Tool bar --------------------------------------------------------------------------------

void TsuiSkinWndToolbarWindow32::Initialize() {
  HWND window = Handle();
  if (!window || !IsWindows9x()) return;
  const LRESULT style = ::SendMessageW(window, TB_GETSTYLE, 0, 0);
  ::SendMessageW(window, TB_SETSTYLE, 0, style | TBSTYLE_FLAT | TBSTYLE_TRANSPARENT);
}

}  // namespace zentavo
