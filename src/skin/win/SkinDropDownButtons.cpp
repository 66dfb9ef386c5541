#include "skin/win/SkinDropDownButtons.h"

#include <windowsx.h>

#include "framework/win/Canvas.h"
#include "framework/win/Handles.h"
#include "skin/DropDownLooks.h"
#include "skin/win/SkinDropDowns.h"

namespace zentavo {

namespace {

constexpr int kButtonSize = 16;

// A mouse message's position in the client coordinates of another window.
LPARAM PositionIn(HWND from, LPARAM position, HWND to) {
  POINT at{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  ::MapWindowPoints(from, to, &at, 1);
  return MAKELPARAM(at.x, at.y);
}

// The press the window just took is the native button's to track, not ours.
void ReleaseOwnCapture(HWND window) {
  if (::GetCapture() == window) ::ReleaseCapture();
}

bool IsPress(UINT msg) {
  return msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP || msg == WM_LBUTTONDBLCLK;
}

}  // namespace

// ---- TsuiSkinInternalComboButton ------------------------------------------------------

TsuiSkinInternalComboButton::TsuiSkinInternalComboButton(TComponent* owner,
                                                         TsuiSkinExtComboboxLikeControl& ownerWrapper)
    : TCustomPanel(owner), ownerWrapper_(&ownerWrapper) {
  SetBevelOuter(TPanelBevel::bvNone);
  SetBounds(0, 0, kButtonSize, kButtonSize);
}

TsuiSkinInternalComboButton::~TsuiSkinInternalComboButton() {
  if (ownerWrapper_) ownerWrapper_->ComboButtonGone(*this);
}

TControl* TsuiSkinInternalComboButton::Target() const {
  return ownerWrapper_ ? ownerWrapper_->Control() : nullptr;
}

void TsuiSkinInternalComboButton::Show(bool visible) {
  if (Visible() != visible) SetVisible(visible);
}

void TsuiSkinInternalComboButton::Repaint() {
  if (!HandleAllocated() || !::IsWindowVisible(Handle())) return;
  ::InvalidateRect(Handle(), nullptr, FALSE);
  ::UpdateWindow(Handle());
}

void TsuiSkinInternalComboButton::DrawOn(HDC dc) {
  const TControl* target = Target();
  if (!target) return;
  const int width = Width(), height = Height();
  TBitmap picture(width, height);
  DrawDropButton(picture, PickerDropButton(width, height), ownerWrapper_->DropDownColors(),
                 target->Enabled());
  DrawBitmap(dc, 0, 0, picture);
}

void TsuiSkinInternalComboButton::Paint(TCanvas& canvas) {
  if (Target())
    DrawOn(canvas.Handle());
  else
    TCustomPanel::Paint(canvas);
}

void TsuiSkinInternalComboButton::WndProc(TMessage& message) {
  // The picture covers the whole window: erasing first would only flicker.
  if (message.Msg == WM_ERASEBKGND) {
    message.Result = 1;
    return;
  }
  TCustomPanel::WndProc(message);
  if (message.Msg != WM_LBUTTONDOWN && message.Msg != WM_LBUTTONUP) return;
  auto* target = dynamic_cast<TWinControl*>(Target());
  if (!target || !target->HandleAllocated() || !HandleAllocated()) return;
  HWND self = Handle();
  ReleaseOwnCapture(self);
  // The native button lies below: the control takes the press as its own.
  ::SendMessageW(target->Handle(), message.Msg, MK_LBUTTON,
                 PositionIn(self, message.LParam, target->Handle()));
}

// ---- TsuiSkinInternalUpDown -----------------------------------------------------------

TsuiSkinInternalUpDown::TsuiSkinInternalUpDown(TComponent* owner, TsuiSkinDateTimePicker& ownerWrapper)
    : TCustomUpDown(owner), ownerWrapper_(&ownerWrapper) {
  SetBounds(0, 0, kButtonSize, kButtonSize);
  SetVisible(false);
}

TsuiSkinInternalUpDown::~TsuiSkinInternalUpDown() {
  if (ownerWrapper_) ownerWrapper_->SpinButtonsGone(*this);
}

TControl* TsuiSkinInternalUpDown::Target() const {
  return ownerWrapper_ ? ownerWrapper_->Control() : nullptr;
}

void TsuiSkinInternalUpDown::Show(bool visible) {
  if (Visible() != visible) SetVisible(visible);
}

void TsuiSkinInternalUpDown::WndProc(TMessage& message) {
  if (message.Msg == WM_ERASEBKGND) {
    message.Result = 1;
    return;
  }
  TCustomUpDown::WndProc(message);
  if (!IsPress(message.Msg) && message.Msg != WM_NCHITTEST) return;
  HWND native = ownerWrapper_ ? ownerWrapper_->NativeSpinButtons() : nullptr;
  if (!native || !HandleAllocated()) return;
  HWND self = Handle();
  if (message.Msg == WM_NCHITTEST) {
    // The native buttons hear of the mouse too (screen coordinates, as the message has
    // them); the answer stays ours.
    ::SendMessageW(native, WM_NCHITTEST, 0, message.LParam);
    return;
  }
  ReleaseOwnCapture(self);
  // In the native buttons' own coordinates: they lie under ours, so the same half is hit.
  ::SendMessageW(native, message.Msg, MK_LBUTTON, PositionIn(self, message.LParam, native));
}

}  // namespace zentavo
