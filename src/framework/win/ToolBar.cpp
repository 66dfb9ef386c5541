#include "framework/win/ToolBar.h"

#include <commctrl.h>

#include <algorithm>

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

constexpr DWORD kOwnToolBarStyles = TBSTYLE_FLAT | TBSTYLE_TRANSPARENT | TBSTYLE_LIST;

}  // namespace

// ---- TToolButton ----------------------------------------------------------------------

TToolButton::TToolButton(TComponent* owner) : TComponent(owner) {}

TToolBar* TToolButton::ToolBar() const {
  auto* toolBar = dynamic_cast<TToolBar*>(Owner());
  return toolBar && toolBar->HandleAllocated() ? toolBar : nullptr;
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
  info.fsState = static_cast<BYTE>(
      (enabled_ ? TBSTATE_ENABLED : 0) |
      (down_ ? (Style == TToolButtonStyle::tbsCheck ? TBSTATE_CHECKED : TBSTATE_PRESSED) : 0));
  SendMessageW(toolBar->Handle(), TB_SETBUTTONINFOW, command_, reinterpret_cast<LPARAM>(&info));
}

void TToolButton::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (TToolBar* toolBar = ToolBar(); toolBar && toolBar->ShowCaptions()) {
    Push(TBIF_TEXT);
    SendMessageW(toolBar->Handle(), TB_AUTOSIZE, 0, 0);
  }
}

void TToolButton::SetImageIndex(int index) {
  imageIndex_ = index;
  Push(TBIF_IMAGE);
}

bool TToolButton::Down() {
  if (TToolBar* toolBar = ToolBar()) {
    const LRESULT state = SendMessageW(toolBar->Handle(), TB_GETSTATE, command_, 0);
    if (state != -1) down_ = (state & (TBSTATE_CHECKED | TBSTATE_PRESSED)) != 0;
  }
  return down_;
}

void TToolButton::SetDown(bool down) {
  down_ = down;
  Push(TBIF_STATE);
}

void TToolButton::SetEnabled(bool enabled) {
  Down();  // keep a state the user changed
  enabled_ = enabled;
  Push(TBIF_STATE);
}

RECT TToolButton::BoundsRect() {
  RECT rect{};
  if (TToolBar* toolBar = ToolBar())
    SendMessageW(toolBar->Handle(), TB_GETRECT, command_, reinterpret_cast<LPARAM>(&rect));
  return rect;
}

// ---- TToolBar -------------------------------------------------------------------------

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 150, 29);
}

DWORD TToolBar::ToolBarStyle() const {
  return (flat_ ? TBSTYLE_FLAT : 0) | (transparent_ ? TBSTYLE_TRANSPARENT : 0) | (list_ ? TBSTYLE_LIST : 0);
}

// The tool bar keeps the bounds it is given instead of spreading over its parent's top.
void TToolBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClassName = TOOLBARCLASSNAMEW;
  params.style |= TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NOPARENTALIGN | CCS_NORESIZE | ToolBarStyle();
}

void TToolBar::CreateHandleDone() {
  HWND window = Handle();
  SendMessageW(window, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  if (images_) SendMessageW(window, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_->Handle()));
  if (hotImages_) SendMessageW(window, TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(hotImages_->Handle()));
  for (int i = 0; i < ButtonCount(); ++i) InsertNativeButton(i);
  SendMessageW(window, TB_AUTOSIZE, 0, 0);
}

void TToolBar::InsertNativeButton(int index) {
  TToolButton& button = *buttons_[index];
  std::wstring text = Widen(button.caption_);
  TBBUTTON native{};
  native.iBitmap = button.Style == TToolButtonStyle::tbsSeparator ? 0 : button.imageIndex_;
  native.idCommand = button.command_;
  native.fsStyle = static_cast<BYTE>(NativeButtonStyle(button.Style) | (showCaptions_ ? BTNS_AUTOSIZE : 0));
  native.fsState = static_cast<BYTE>(
      (button.enabled_ ? TBSTATE_ENABLED : 0) |
      (button.down_ ? (button.Style == TToolButtonStyle::tbsCheck ? TBSTATE_CHECKED : TBSTATE_PRESSED) : 0));
  native.iString = showCaptions_ ? reinterpret_cast<INT_PTR>(text.c_str()) : -1;
  SendMessageW(Handle(), TB_INSERTBUTTONW, index, reinterpret_cast<LPARAM>(&native));
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
    SendMessageW(Handle(), TB_AUTOSIZE, 0, 0);
  }
  return button;
}

TToolButton* TToolBar::FindButton(int command) const {
  auto found = std::find_if(buttons_.begin(), buttons_.end(),
                            [command](TToolButton* b) { return b->command_ == command; });
  return found == buttons_.end() ? nullptr : *found;
}

void TToolBar::Notification(TComponent* component, TOperation operation) {
  if (operation != TOperation::opRemove) return;
  if (component == images_) images_ = nullptr;
  if (component == hotImages_) hotImages_ = nullptr;
  auto found = std::find(buttons_.begin(), buttons_.end(), component);
  if (found == buttons_.end()) return;
  if (HandleAllocated() && !HasState(csDestroying))
    SendMessageW(Handle(), TB_DELETEBUTTON, found - buttons_.begin(), 0);
  buttons_.erase(found);
}

void TToolBar::PushStyle() {
  if (!HandleAllocated()) return;
  const LRESULT style = SendMessageW(Handle(), TB_GETSTYLE, 0, 0);
  SendMessageW(Handle(), TB_SETSTYLE, 0, (style & ~kOwnToolBarStyles) | ToolBarStyle());
  SendMessageW(Handle(), TB_AUTOSIZE, 0, 0);
  InvalidateRect(Handle(), nullptr, TRUE);
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

// Captions are given when a button is inserted, so the buttons go in again.
void TToolBar::SetShowCaptions(bool show) {
  if (show == showCaptions_) return;
  for (TToolButton* button : buttons_) button->Down();
  showCaptions_ = show;
  if (!HandleAllocated()) return;
  while (SendMessageW(Handle(), TB_BUTTONCOUNT, 0, 0) > 0) SendMessageW(Handle(), TB_DELETEBUTTON, 0, 0);
  for (int i = 0; i < ButtonCount(); ++i) InsertNativeButton(i);
  SendMessageW(Handle(), TB_AUTOSIZE, 0, 0);
}

void TToolBar::SetImages(TImageList* images) {
  images_ = images;
  if (!HandleAllocated()) return;
  SendMessageW(Handle(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_ ? images_->Handle() : nullptr));
  SendMessageW(Handle(), TB_AUTOSIZE, 0, 0);
  InvalidateRect(Handle(), nullptr, TRUE);
}

void TToolBar::SetHotImages(TImageList* images) {
  hotImages_ = images;
  if (!HandleAllocated()) return;
  SendMessageW(Handle(), TB_SETHOTIMAGELIST, 0,
               reinterpret_cast<LPARAM>(hotImages_ ? hotImages_->Handle() : nullptr));
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

void TToolBar::WndProc(TMessage& message) {
  if (message.Msg == CN_BASE + WM_COMMAND) {
    if (TToolButton* button = FindButton(LOWORD(message.WParam))) {
      button->Down();  // a check button has flipped by itself
      if (button->OnClick) button->OnClick(button);
    }
    message.Result = 0;
    return;
  }
  if (message.Msg == CN_BASE + WM_NOTIFY) {
    auto* header = reinterpret_cast<NMHDR*>(message.LParam);
    message.Result =
        header->code == NM_CUSTOMDRAW ? CustomDraw(*reinterpret_cast<NMTBCUSTOMDRAW*>(message.LParam)) : 0;
    return;
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
  for (int i = 0; i < BandCount(); ++i) InsertNativeBand(i);
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
