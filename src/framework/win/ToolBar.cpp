#include "framework/win/ToolBar.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "framework/win/Accelerator.h"
#include "framework/win/ImageList.h"
#include "framework/win/WideText.h"

namespace zentavo {

namespace {

BYTE NativeButtonStyle(TToolButtonStyle style) {
  switch (style) {
    case TToolButtonStyle::tbsCheck:
      return BTNS_CHECK;
    case TToolButtonStyle::tbsDropDown:
      return BTNS_DROPDOWN;
    case TToolButtonStyle::tbsSeparator:
    case TToolButtonStyle::tbsDivider:
      return BTNS_SEP;
    default:
      return BTNS_BUTTON;
  }
}

constexpr DWORD kOwnToolBarStyles = TBSTYLE_FLAT | TBSTYLE_TRANSPARENT | TBSTYLE_LIST | TBSTYLE_WRAPABLE;


}  // namespace

// ---- TToolButton ----------------------------------------------------------------------

TToolButton::TToolButton(TComponent* owner) : TComponent(owner) {}

TToolBar* TToolButton::ToolBar() const {
  auto* toolBar = dynamic_cast<TToolBar*>(Owner());
  return toolBar && toolBar->HandleAllocated() ? toolBar : nullptr;
}

BYTE TToolButton::NativeState() const {
  return static_cast<BYTE>(
      (enabled_ ? TBSTATE_ENABLED : 0) | (visible_ ? 0 : TBSTATE_HIDDEN) |
      (down_ ? (Style == TToolButtonStyle::tbsCheck ? TBSTATE_CHECKED : TBSTATE_PRESSED) : 0));
}

// Sends the given parts of the button (TBIF_TEXT, TBIF_IMAGE, TBIF_STATE) to the window.
void TToolButton::Push(UINT mask) {
  TToolBar* toolBar = ToolBar();
  if (!toolBar) return;
  std::wstring text = Widen(caption_);
  TBBUTTONINFOW info{sizeof(info)};
  info.dwMask = mask;
  info.iImage = imageIndex_;
  info.pszText = text.data();
  info.fsState = NativeState();
  ::SendMessageW(toolBar->Handle(), TB_SETBUTTONINFOW, command_, reinterpret_cast<LPARAM>(&info));
}

void TToolButton::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  if (TToolBar* toolBar = ToolBar(); toolBar && toolBar->ShowCaptions()) {
    Push(TBIF_TEXT);
    ::SendMessageW(toolBar->Handle(), TB_AUTOSIZE, 0, 0);
    toolBar->AdjustSize();
  }
}

void TToolButton::SetImageIndex(int index) {
  imageIndex_ = index;
  Push(TBIF_IMAGE);
}

bool TToolButton::Down() {
  if (TToolBar* toolBar = ToolBar()) {
    const LRESULT state = ::SendMessageW(toolBar->Handle(), TB_GETSTATE, command_, 0);
    if (state != -1) down_ = (state & (TBSTATE_CHECKED | TBSTATE_PRESSED)) != 0;
  }
  return down_;
}

void TToolButton::SetDown(bool down) {
  down_ = down;
  Push(TBIF_STATE);
}

void TToolButton::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  Down();  // keep a state the user changed
  enabled_ = enabled;
  Push(TBIF_STATE);
}

void TToolButton::SetVisible(bool visible) {
  if (visible == visible_) return;
  Down();
  visible_ = visible;
  Push(TBIF_STATE);
  if (TToolBar* toolBar = ToolBar()) {
    ::SendMessageW(toolBar->Handle(), TB_AUTOSIZE, 0, 0);
    toolBar->AdjustSize();
  }
}

RECT TToolButton::BoundsRect() {
  RECT rect{};
  if (TToolBar* toolBar = ToolBar())
    ::SendMessageW(toolBar->Handle(), TB_GETRECT, command_, reinterpret_cast<LPARAM>(&rect));
  return rect;
}

void TToolButton::SetMenuItem(TMenuItem* item) {
  StopFollowing();
  menuItem_ = item;
  if (!item) return;
  if (TMenu* menu = item->Menu()) {
    followedMenu_ = menu;
    menuListener_ = menu->AddChangeListener([this](TMenuItem*, bool) { FollowMenuItem(); });
  }
  FollowMenuItem();
}

// Any change of the menu may concern the item (a rebuild does not say which item moved).
void TToolButton::FollowMenuItem() {
  TMenuItem* item = menuItem_.get();
  if (!item) return;
  SetCaption(item->Caption());
  SetEnabled(item->Enabled());
  SetVisible(item->Visible());
}

void TToolButton::StopFollowing() {
  if (TMenu* menu = followedMenu_.get(); menu && menuListener_) menu->RemoveChangeListener(menuListener_);
  followedMenu_ = nullptr;
  menuListener_ = 0;
}

void TToolButton::BeforeDestruction() {
  StopFollowing();
  TComponent::BeforeDestruction();
}

// ---- Menu tracking ---------------------------------------------------------------------

// One drop-down at a time per thread. A message filter watches the menu's loop: the mouse
// moving onto another grouped menu button, or Left/Right leaving the top menu sideways, ends
// this menu and names the button to open next; a press on the button's own face ends it too.
class TToolBarMenuTracking {
 public:
  TToolBarMenuTracking(TToolBar& bar, TToolButton& button, HMENU menu)
      : bar_(bar), command_(button.Command()), menu_(menu) {
    current_ = this;
    hook_ = ::SetWindowsHookExW(WH_MSGFILTER, Filter, nullptr, ::GetCurrentThreadId());
  }
  ~TToolBarMenuTracking() {
    if (hook_) ::UnhookWindowsHookEx(hook_);
    current_ = nullptr;
  }
  TToolBarMenuTracking(const TToolBarMenuTracking&) = delete;
  TToolBarMenuTracking& operator=(const TToolBarMenuTracking&) = delete;

  int next = 0;              // the command of the button to open next
  DWORD closingClick = 0;    // the time of a press on the own button that ended the menu
  bool closedByOwnButton = false;

 private:
  static LRESULT CALLBACK Filter(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_MENU && current_ && current_->Watch(*reinterpret_cast<MSG*>(lParam))) return 1;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }

  bool Watch(const MSG& message) {
    if (next || closedByOwnButton) return false;
    switch (message.message) {
      case WM_MOUSEMOVE:
      case WM_LBUTTONDOWN: {
        POINT point = message.pt;
        ::ScreenToClient(bar_.Handle(), &point);
        TToolButton* button = bar_.ButtonAt(point);
        if (!button) return false;
        if (button->Command() == command_) {
          if (message.message != WM_LBUTTONDOWN) return false;
          closedByOwnButton = true;
          closingClick = message.time;
          ::EndMenu();
          return true;
        }
        if (!Opens(*button)) return false;
        next = button->Command();
        ::EndMenu();
        return message.message == WM_LBUTTONDOWN;
      }
      case WM_KEYDOWN:
        if (message.wParam != VK_LEFT && message.wParam != VK_RIGHT) return false;
        if (OpenMenuCount() != 1) return false;  // the keys move inside the submenus
        if (message.wParam == VK_RIGHT && HighlightedHasSubmenu()) return false;
        next = Neighbour(message.wParam == VK_RIGHT ? 1 : -1);
        if (!next) return false;
        ::EndMenu();
        return true;
      default:
        return false;
    }
  }

  static bool Opens(const TToolButton& button) {
    return button.Grouped && button.MenuItem() && button.Enabled() && button.Visible();
  }

  int Neighbour(int step) const {
    const int count = bar_.ButtonCount();
    int at = 0;
    while (at < count && bar_.Button(at).Command() != command_) ++at;
    for (int i = 1; i < count; ++i) {
      const TToolButton& candidate = bar_.Button(((at + step * i) % count + count) % count);
      if (Opens(candidate)) return candidate.Command();
    }
    return 0;
  }

  bool HighlightedHasSubmenu() const {
    const int count = ::GetMenuItemCount(menu_);
    for (int i = 0; i < count; ++i) {
      if (::GetMenuState(menu_, i, MF_BYPOSITION) & MF_HILITE) return ::GetSubMenu(menu_, i) != nullptr;
    }
    return false;
  }

  // The menu windows ("#32768") the thread shows: one while only the drop-down is open.
  static int OpenMenuCount() {
    int count = 0;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM counter) -> BOOL {
          wchar_t name[16] = {};
          ::GetClassNameW(window, name, 16);
          if (::IsWindowVisible(window) && lstrcmpW(name, L"#32768") == 0) ++*reinterpret_cast<int*>(counter);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
  }

  static TToolBarMenuTracking* current_;
  TToolBar& bar_;
  int command_;
  HMENU menu_;
  HHOOK hook_ = nullptr;
};

TToolBarMenuTracking* TToolBarMenuTracking::current_ = nullptr;

// ---- TToolBar -------------------------------------------------------------------------

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 150, 29);
}

TToolBar::~TToolBar() { life_.reset(); }

DWORD TToolBar::ToolBarStyle() const {
  return (flat_ ? TBSTYLE_FLAT : 0) | (transparent_ ? TBSTYLE_TRANSPARENT : 0) | (list_ ? TBSTYLE_LIST : 0) |
         (wrapable_ ? TBSTYLE_WRAPABLE : 0);
}

// The tool bar keeps the bounds it is given instead of spreading over its parent's top.
void TToolBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClassName = TOOLBARCLASSNAMEW;
  params.style |= TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NOPARENTALIGN | CCS_NORESIZE | ToolBarStyle();
}

void TToolBar::CreateHandleDone() {
  HWND window = Handle();
  ::SendMessageW(window, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  PushBitmapSize();
  if (images_) ::SendMessageW(window, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_->Handle()));
  if (hotImages_)
    ::SendMessageW(window, TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(hotImages_->Handle()));
  for (int i = 0; i < ButtonCount(); ++i) InsertNativeButton(i);
  ::SendMessageW(window, TB_AUTOSIZE, 0, 0);
  AdjustSize();
}

// Without pictures (no list, or an empty one) the buttons keep no room for one, so that
// captions alone size them.
void TToolBar::PushBitmapSize() {
  if (!HandleAllocated()) return;
  const bool pictures = images_ && images_->Count() > 0;
  const LPARAM size = pictures ? MAKELPARAM(images_->Width(), images_->Height()) : MAKELPARAM(0, 0);
  ::SendMessageW(Handle(), TB_SETBITMAPSIZE, 0, size);
}

void TToolBar::InsertNativeButton(int index) {
  TToolButton& button = *buttons_[index];
  std::wstring text = Widen(button.caption_);
  TBBUTTON native{};
  native.iBitmap = button.Style == TToolButtonStyle::tbsSeparator ? 0 : button.imageIndex_;
  native.idCommand = button.command_;
  native.fsStyle = static_cast<BYTE>(NativeButtonStyle(button.Style) |
                                     (showCaptions_ || button.AutoSize ? BTNS_AUTOSIZE : 0));
  native.fsState = button.NativeState();
  native.iString = showCaptions_ ? reinterpret_cast<INT_PTR>(text.c_str()) : -1;
  ::SendMessageW(Handle(), TB_INSERTBUTTONW, index, reinterpret_cast<LPARAM>(&native));
}

TToolButton& TToolBar::AddButton(const std::string& caption, int imageIndex, TToolButtonStyle style) {
  TToolButton& button = Make<TToolButton>();
  button.caption_ = caption;
  button.imageIndex_ = imageIndex;
  button.Style = style;
  button.command_ = nextCommand_++;
  buttons_.push_back(&button);
  if (HandleAllocated()) {
    InsertNativeButton(ButtonCount() - 1);
    ::SendMessageW(Handle(), TB_AUTOSIZE, 0, 0);
    AdjustSize();
  }
  return button;
}

void TToolBar::ClearButtons() {
  while (!buttons_.empty()) FreeComponent(buttons_.back());
}

TToolButton* TToolBar::FindButton(int command) const {
  auto found = std::find_if(buttons_.begin(), buttons_.end(),
                            [command](TToolButton* b) { return b->command_ == command; });
  return found == buttons_.end() ? nullptr : *found;
}

// Native buttons stand in the same order as buttons_.
TToolButton* TToolBar::ButtonAt(POINT client) {
  if (!HandleAllocated()) return nullptr;
  const LRESULT index = ::SendMessageW(Handle(), TB_HITTEST, 0, reinterpret_cast<LPARAM>(&client));
  if (index < 0 || index >= ButtonCount()) return nullptr;
  TToolButton* button = buttons_[index];
  return button->Style == TToolButtonStyle::tbsSeparator || button->Style == TToolButtonStyle::tbsDivider
             ? nullptr
             : button;
}

TToolButton* TToolBar::HotButton() {
  if (!HandleAllocated()) return nullptr;
  const LRESULT index = ::SendMessageW(Handle(), TB_GETHOTITEM, 0, 0);
  return index >= 0 && index < ButtonCount() ? buttons_[index] : nullptr;
}

TToolButton* TToolBar::FindAccelerator(WPARAM character) const {
  for (TToolButton* button : buttons_) {
    if (button->Visible() && button->Enabled() && IsAccelerator(character, button->Caption()))
      return button;
  }
  return nullptr;
}

void TToolBar::Notification(TComponent* component, TOperation operation) {
  if (operation != TOperation::opRemove) return;
  if (component == images_) images_ = nullptr;
  if (component == hotImages_) hotImages_ = nullptr;
  if (component == menuPopup_) menuPopup_ = nullptr;
  auto found = std::find(buttons_.begin(), buttons_.end(), component);
  if (found == buttons_.end()) return;
  const bool live = HandleAllocated() && !HasState(csDestroying);
  if (live) ::SendMessageW(Handle(), TB_DELETEBUTTON, found - buttons_.begin(), 0);
  buttons_.erase(found);
  if (live) AdjustSize();
}

void TToolBar::PushStyle() {
  if (!HandleAllocated()) return;
  const LRESULT style = ::SendMessageW(Handle(), TB_GETSTYLE, 0, 0);
  ::SendMessageW(Handle(), TB_SETSTYLE, 0, (style & ~kOwnToolBarStyles) | ToolBarStyle());
  ::SendMessageW(Handle(), TB_AUTOSIZE, 0, 0);
  ::InvalidateRect(Handle(), nullptr, TRUE);
  AdjustSize();
}

void TToolBar::SetFlat(bool flat) {
  flat_ = flat;
  PushStyle();
}

void TToolBar::SetTransparent(bool transparent) {
  transparent_ = transparent;
  PushStyle();
}

void TToolBar::SetList(bool list) {
  list_ = list;
  PushStyle();
}

void TToolBar::SetWrapable(bool wrapable) {
  wrapable_ = wrapable;
  PushStyle();
}

void TToolBar::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  AdjustSize();
}

// Captions are given when a button is inserted, so the buttons go in again.
void TToolBar::SetShowCaptions(bool show) {
  if (show == showCaptions_) return;
  for (TToolButton* button : buttons_) button->Down();
  showCaptions_ = show;
  if (!HandleAllocated()) return;
  while (::SendMessageW(Handle(), TB_BUTTONCOUNT, 0, 0) > 0) ::SendMessageW(Handle(), TB_DELETEBUTTON, 0, 0);
  for (int i = 0; i < ButtonCount(); ++i) InsertNativeButton(i);
  ::SendMessageW(Handle(), TB_AUTOSIZE, 0, 0);
  AdjustSize();
}

void TToolBar::SetImages(TImageList* images) {
  images_ = images;
  if (!HandleAllocated()) return;
  PushBitmapSize();
  ::SendMessageW(Handle(), TB_SETIMAGELIST, 0,
                 reinterpret_cast<LPARAM>(images_ ? images_->Handle() : nullptr));
  ::SendMessageW(Handle(), TB_AUTOSIZE, 0, 0);
  ::InvalidateRect(Handle(), nullptr, TRUE);
  AdjustSize();
}

void TToolBar::SetHotImages(TImageList* images) {
  hotImages_ = images;
  if (!HandleAllocated()) return;
  ::SendMessageW(Handle(), TB_SETHOTIMAGELIST, 0,
                 reinterpret_cast<LPARAM>(hotImages_ ? hotImages_->Handle() : nullptr));
}

// The native bar neither resizes itself (CCS_NORESIZE) nor reports its rows, so the height
// is read from the lowest visible button.
void TToolBar::AdjustSize() {
  if (!autoSize_ || adjusting_ || !HandleAllocated()) return;
  int bottom = 0;
  for (int i = 0; i < ButtonCount(); ++i) {
    if (!buttons_[i]->Visible()) continue;
    RECT rect{};
    if (::SendMessageW(Handle(), TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&rect)))
      bottom = std::max<int>(bottom, rect.bottom);
  }
  if (bottom <= 0 || bottom == Height()) return;
  adjusting_ = true;
  SetBounds(Left(), Top(), Width(), bottom);
  adjusting_ = false;
}

LRESULT TToolBar::CustomDraw(NMTBCUSTOMDRAW& draw) {
  if (!OnCustomDrawButton) return CDRF_DODEFAULT;
  if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
  TToolButton* button = FindButton(static_cast<int>(draw.nmcd.dwItemSpec));
  if (!button) return CDRF_DODEFAULT;
  bool defaultDraw = true;
  OnCustomDrawButton(this, button, draw.nmcd.hdc, draw.nmcd.rc, draw.nmcd.uItemState, defaultDraw);
  return defaultDraw ? CDRF_DODEFAULT : CDRF_SKIPDEFAULT;
}

// The press that closed a button's menu arrives again after the menu loop; it must not
// open the same menu anew.
bool TToolBar::MenuClosingClick(TToolButton& button) {
  const bool closing =
      closingClickCommand_ == button.Command() && ::GetMessageTime() == static_cast<LONG>(closingClickTime_);
  closingClickCommand_ = 0;
  return closing;
}

// Drops the bound item's submenu below the button and tracks it, then the next button's
// when the tracking passes on. The chosen item is clicked after the current message, since
// a click may rebuild this bar (a new skin) or free it.
void TToolBar::TrackMenu(TToolButton& first) {
  if (trackedCommand_ || !HandleAllocated()) return;
  std::weak_ptr<const char> alive = life_;
  int command = first.Command();
  while (TToolButton* button = FindButton(command)) {
    TMenuItem* item = button->MenuItem();
    if (!item) return;
    TMenu* menu = item->Menu();
    if (item->Count() == 0 || !menu) {
      item->PostClick();
      return;
    }
    if (!menuPopup_) {
      menuPopup_ = &Make<TPopupMenu>();
      MenuPopupCreated(*menuPopup_);
    }
    if (menuPopup_->OnPopup) menuPopup_->OnPopup(menuPopup_);
    menu->Handle();  // builds the submenu handles
    HMENU submenu = item->Handle();
    if (!submenu) return;
    RECT rect = button->BoundsRect();
    ::MapWindowPoints(Handle(), HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
    TPMPARAMS params{sizeof(params), rect};
    HWND owner = RootControl()->HandleAllocated() ? RootControl()->Handle() : TPopupMenu::HostWindow();
    trackedCommand_ = command;
    ::SendMessageW(Handle(), TB_PRESSBUTTON, command, TRUE);
    UINT chosen = 0;
    int next = 0;
    {
      TToolBarMenuTracking tracking(*this, *button, submenu);
      chosen = static_cast<UINT>(
          ::TrackPopupMenuEx(submenu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_VERTICAL, rect.left,
                             rect.bottom, owner, &params));
      next = tracking.next;
      if (tracking.closedByOwnButton) {
        closingClickCommand_ = command;
        closingClickTime_ = tracking.closingClick;
      }
    }
    if (alive.expired()) return;
    trackedCommand_ = 0;
    if (HandleAllocated()) ::SendMessageW(Handle(), TB_PRESSBUTTON, command, FALSE);
    if (chosen) {
      if (TMenuItem* picked = TMenuItem::FromCommand(chosen)) picked->PostClick();
      return;
    }
    if (!next) return;
    command = next;
  }
}

void TToolBar::ClickButton(TToolButton& button) {
  if (button.MenuItem()) {
    TrackMenu(button);
    return;
  }
  button.Down();  // a check button has flipped by itself
  if (button.OnClick) button.OnClick(&button);
}

void TToolBar::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_BASE + WM_COMMAND:
      if (TToolButton* button = FindButton(LOWORD(message.WParam))) ClickButton(*button);
      message.Result = 0;
      return;
    case CN_BASE + WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(message.LParam);
      message.Result =
          header->code == NM_CUSTOMDRAW ? CustomDraw(*reinterpret_cast<NMTBCUSTOMDRAW*>(message.LParam)) : 0;
      return;
    }
    case WM_LBUTTONDOWN: {
      // A menu button drops its menu on the press, as a menu bar does.
      TToolButton* button = ButtonAt(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
      if (button && button->MenuItem() && button->Enabled()) {
        if (!MenuClosingClick(*button)) TrackMenu(*button);
        message.Result = 0;
        return;
      }
      break;
    }
    case WM_ERASEBKGND:
      if (!transparent_) {
        RECT client;
        ::GetClientRect(Handle(), &client);
        ::FillRect(reinterpret_cast<HDC>(message.WParam), &client, BackgroundBrush());
        message.Result = 1;
        return;
      }
      break;
    case CM_DIALOGCHAR:
      if (TToolButton* button = Visible() && Enabled() ? FindAccelerator(message.WParam) : nullptr) {
        ClickButton(*button);
        message.Result = 1;
        return;
      }
      break;
    case WM_SIZE:
    case CM_FONTCHANGED:
      TWinControl::WndProc(message);
      if (HandleAllocated()) ::SendMessageW(Handle(), TB_AUTOSIZE, 0, 0);  // rows for the new width
      AdjustSize();
      return;
    default:
      break;
  }
  TWinControl::WndProc(message);
}

// ---- TCoolBar -------------------------------------------------------------------------

TCoolBar::TCoolBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 150, 75);
}

void TCoolBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClassName = REBARCLASSNAMEW;
  params.style |= WS_CLIPCHILDREN | RBS_VARHEIGHT | RBS_BANDBORDERS | CCS_NODIVIDER | CCS_NOPARENTALIGN;
}

void TCoolBar::CreateHandleDone() {
  pushedColor_ = CLR_INVALID;
  PushColor();
  for (int i = 0; i < BandCount(); ++i) InsertNativeBand(i);
}

void TCoolBar::ColorChanged() {
  PushColor();
  TWinControl::ColorChanged();
}

void TCoolBar::PushColor() {
  if (!HandleAllocated()) return;
  const COLORREF color = ColorToRGB(EffectiveColor());
  if (color == pushedColor_) return;
  pushedColor_ = color;
  SendMessageW(Handle(), RB_SETBKCOLOR, 0, static_cast<LPARAM>(color));
}

void TCoolBar::WndProc(TMessage& message) {
  if (message.Msg == WM_PAINT || message.Msg == WM_ERASEBKGND) PushColor();
  TWinControl::WndProc(message);
}

void TCoolBar::InsertNativeBand(int index) {
  const Band& band = bands_[index];
  std::wstring text = Widen(band.text);
  REBARBANDINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_STYLE | RBBIM_TEXT;
  info.fStyle = RBBS_CHILDEDGE;
  info.lpText = text.data();
  info.hwndChild = band.control->Handle();
  info.cxMinChild = 0;
  info.cyMinChild = static_cast<UINT>(band.control->Height());
  info.cx = static_cast<UINT>(band.control->Width());
  SendMessageW(Handle(), RB_INSERTBANDW, index, reinterpret_cast<LPARAM>(&info));
}

void TCoolBar::AddBand(TWinControl& control, const std::string& text) {
  control.SetParent(this);
  bands_.push_back({&control, text});
  if (HandleAllocated()) InsertNativeBand(BandCount() - 1);
}

void TCoolBar::Notification(TComponent* component, TOperation operation) {
  if (operation != TOperation::opRemove) return;
  auto found = std::find_if(bands_.begin(), bands_.end(),
                            [component](const Band& b) { return b.control == component; });
  if (found == bands_.end()) return;
  if (HandleAllocated() && !HasState(csDestroying))
    SendMessageW(Handle(), RB_DELETEBAND, found - bands_.begin(), 0);
  bands_.erase(found);
}

}  // namespace zentavo
