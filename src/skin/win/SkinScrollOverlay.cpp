#include "skin/win/SkinScrollOverlay.h"

#include <windowsx.h>

#include "framework/win/Canvas.h"
#include "skin/win/SkinScrolled.h"

namespace zentavo {

// ---- TsuiSkinScrollOverlay ------------------------------------------------------------

TsuiSkinScrollOverlay::TsuiSkinScrollOverlay(TComponent* owner) : TCustomPanel(owner) {
  SetBevelOuter(TPanelBevel::bvNone);
  SetVisible(false);
}

TsuiSkinScrollOverlay::~TsuiSkinScrollOverlay() = default;

// A paint of its own, now: the picture goes on the screen through the window's paint.
void TsuiSkinScrollOverlay::ShowBuffer() {
  if (!HandleAllocated() || Buffer.Empty()) return;
  ::InvalidateRect(Handle(), nullptr, FALSE);
  ::UpdateWindow(Handle());
}

void TsuiSkinScrollOverlay::KeepAbove(HWND control) {
  if (!HandleAllocated() || !control) return;
  HWND self = Handle();
  for (HWND w = ::GetWindow(control, GW_HWNDPREV); w; w = ::GetWindow(w, GW_HWNDPREV))
    if (w == self) return;
  // Just above the control, not on top of every sibling: other windows that lie over the
  // control stay over it.
  HWND above = ::GetWindow(control, GW_HWNDPREV);
  ::SetWindowPos(self, above ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TsuiSkinScrollOverlay::FollowParent(TWinControl* parent) {
  if (!parent) return;
  if (Parent() == parent && (!HandleAllocated() || ::GetParent(Handle()) == parent->Handle())) return;
  // A window is made anew under the new parent, never left without one (it would become a
  // top-level window).
  DestroyHandle();
  SetParent(parent);
}

void TsuiSkinScrollOverlay::Place(const RECT& bounds) {
  const RECT now = BoundsRect();
  if (!::EqualRect(&now, &bounds))
    SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
}

void TsuiSkinScrollOverlay::Show(bool visible) {
  if (Visible() != visible) SetVisible(visible);
}

void TsuiSkinScrollOverlay::WndProc(TMessage& message) {
  // The Buffer covers the whole window: erasing first would only flicker.
  if (message.Msg == WM_ERASEBKGND) {
    message.Result = 1;
    return;
  }
  TCustomPanel::WndProc(message);
}

void TsuiSkinScrollOverlay::Paint(TCanvas& canvas) {
  if (Buffer.Empty()) {
    // Nothing drawn yet: rather the native bar than a picture of nothing.
    Show(false);
    const RECT client = ClientRect();
    canvas.SetBrushColor(EffectiveColor());
    canvas.FillRect(client);
    TCustomPanel::Paint(canvas);
    return;
  }
  DrawBitmap(canvas.Handle(), 0, 0, Buffer);
  PaintOver(canvas.Handle());
}

POINT TsuiSkinScrollOverlay::ScreenPoint(const TMessage& message) {
  POINT at{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  if (HandleAllocated()) ::ClientToScreen(Handle(), &at);
  return at;
}

void TsuiSkinScrollOverlay::ReleaseOwnCapture() {
  if (HandleAllocated() && ::GetCapture() == Handle()) ::ReleaseCapture();
}

// ---- TsuiSkinInternalScrollBar --------------------------------------------------------

TsuiSkinInternalScrollBar::TsuiSkinInternalScrollBar(TComponent* owner, TsuiSkinScrollWinControl& ownerWrapper,
                                                     bool isHorizontal)
    : TsuiSkinScrollOverlay(owner), ownerWrapper_(&ownerWrapper), isHorizontal_(isHorizontal) {}

TsuiSkinInternalScrollBar::~TsuiSkinInternalScrollBar() {
  if (ownerWrapper_) ownerWrapper_->OverlayGone(*this);
}

TControl* TsuiSkinInternalScrollBar::Target() const { return ownerWrapper_ ? ownerWrapper_->Control() : nullptr; }

void TsuiSkinInternalScrollBar::WndProc(TMessage& message) {
  TsuiSkinScrollOverlay::WndProc(message);
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
      Forward(WM_NCLBUTTONDOWN, message);
      break;
    case WM_LBUTTONUP:
      Forward(WM_NCLBUTTONUP, message);
      break;
    case WM_LBUTTONDBLCLK:
      Forward(WM_NCLBUTTONDBLCLK, message);
      break;
    default:
      break;
  }
}

void TsuiSkinInternalScrollBar::Forward(UINT nonClientMessage, const TMessage& message) {
  auto* target = dynamic_cast<TWinControl*>(Target());
  if (!target || !target->HandleAllocated()) return;
  ReleaseOwnCapture();
  const POINT at = ScreenPoint(message);
  const std::weak_ptr<void> alive = Alive();
  // The system's tracking loop for the control runs inside this call.
  ::SendMessageW(target->Handle(), nonClientMessage, isHorizontal_ ? HTHSCROLL : HTVSCROLL, MAKELPARAM(at.x, at.y));
  // The system may draw its own bar as its tracking ends: the skinned one goes back on top.
  if (!alive.expired() && ownerWrapper_) ownerWrapper_->Refresh();
}

// ---- TsuiSkinInternalScrollBar2 -------------------------------------------------------

TsuiSkinInternalScrollBar2::TsuiSkinInternalScrollBar2(TComponent* owner, TsuiSkinScrollBar& ownerWrapper)
    : TsuiSkinScrollOverlay(owner), ownerWrapper_(&ownerWrapper) {}

TsuiSkinInternalScrollBar2::~TsuiSkinInternalScrollBar2() {
  if (ownerWrapper_) ownerWrapper_->OverlayGone(*this);
}

TControl* TsuiSkinInternalScrollBar2::Target() const { return ownerWrapper_ ? ownerWrapper_->Control() : nullptr; }

void TsuiSkinInternalScrollBar2::WndProc(TMessage& message) {
  TsuiSkinScrollOverlay::WndProc(message);
  WPARAM keys = 0;
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      keys = MK_LBUTTON;
      break;
    case WM_MOUSEMOVE:
      keys = message.WParam;
      break;
    default:
      return;
  }
  auto* target = dynamic_cast<TWinControl*>(Target());
  if (!target || !target->HandleAllocated()) return;
  ReleaseOwnCapture();
  POINT at = ScreenPoint(message);
  ::ScreenToClient(target->Handle(), &at);
  const std::weak_ptr<void> alive = Alive();
  // A press starts the control's own tracking loop, which runs inside this call.
  const LRESULT answer = ::SendMessageW(target->Handle(), message.Msg, keys, MAKELPARAM(at.x, at.y));
  if (alive.expired()) return;
  if (message.Msg == WM_MOUSEMOVE) message.Result = answer;
  else if (ownerWrapper_) ownerWrapper_->Refresh();
}

void TsuiSkinInternalScrollBar2::PaintOver(HDC dc) {
  if (focusRect_) ::DrawFocusRect(dc, &*focusRect_);
}

}  // namespace zentavo
