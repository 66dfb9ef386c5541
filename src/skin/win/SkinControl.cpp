#include "skin/win/SkinControl.h"

#include "framework/Bitmap.h"
#include "framework/win/Canvas.h"
#include "framework/win/Font.h"
#include "framework/win/Handles.h"
#include "framework/win/WideText.h"
#include "skin/win/SkinEngine.h"
#include "skin/win/SkinMessages.h"
#include "skin/win/SkinWindow.h"

namespace zentavo {

namespace {
constexpr COLORREF kDisabledText = 0x808080;
}  // namespace

TsuiSkinControl::TsuiSkinControl(TsuiSkinWindow& window) : window_(window), engine_(window.Engine()) {}

TsuiSkinControl::~TsuiSkinControl() {
  link_->wrapper = nullptr;
}

void TsuiSkinControl::Start() {
  if (disconnected_) return;
  link_->wrapper = this;
  Initialize();
}

void TsuiSkinControl::Disconnect() {
  if (disconnected_) return;
  disconnected_ = true;
  link_->wrapper = nullptr;
  ReleaseControl();
}

bool TsuiSkinControl::PassesOn() const {
  return engine_.HasState(csDestroying) || !engine_.IsSkinning();
}

bool TsuiSkinControl::BeforeMessage(TMessage&) {
  return true;
}

void TsuiSkinControl::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
    case WM_ERASEBKGND:
      // A composing wrapper has painted in the message itself, and so has a control
      // without a window of its own, which paints when its parent hands it the context.
      if (!Composes() && GetHandle()) Repaint();
      break;
    case WM_SETTEXT:
    case WM_ENABLE:
    case SM_REPAINT:
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
      Repaint();
      break;
    case CM_MOUSEENTER:
      SetState(kHot, true);
      Repaint();
      MouseEnter();
      break;
    case CM_MOUSELEAVE:
      SetState(kHot | kDown, false);
      Repaint();
      MouseLeave();
      break;
    case WM_LBUTTONDOWN:
      SetState(kDown, true);
      Repaint();
      MouseDown();
      break;
    case WM_LBUTTONUP:
      SetState(kDown, false);
      Repaint();
      MouseUp();
      break;
    case WM_KEYDOWN:
      if (message.WParam == VK_SPACE || message.WParam == VK_RETURN) SetState(kDown, true);
      Repaint();
      KeyDown(message.WParam);
      break;
    case WM_KEYUP:
      if (message.WParam == VK_SPACE || message.WParam == VK_RETURN) SetState(kDown, false);
      Repaint();
      KeyUp(message.WParam);
      break;
    case SM_ISSKINNED:
      message.Result = 1;
      break;
    default:
      break;
  }
}

void TsuiSkinControl::SetState(unsigned flags, bool on) {
  state_ = on ? (state_ | flags) : (state_ & ~flags);
}

void TsuiSkinControl::Repaint() {
  if (!engine_.IsSkinning()) return;
  if (!Composes()) {
    Paint();
    return;
  }
  if (HWND window = GetHandle()) {
    ::InvalidateRect(window, nullptr, FALSE);
    ::UpdateWindow(window);
  }
}

bool TsuiSkinControl::ShowsFocus() const {
  HWND window = GetHandle();
  return window && ::GetFocus() == window && !losingFocus_;
}

void TsuiSkinControl::RepaintLosingFocus() {
  losingFocus_ = true;
  Repaint();
  losingFocus_ = false;
}

bool TsuiSkinControl::TakeOverPainting(TMessage& message) {
  if (message.Msg == WM_ERASEBKGND) {
    message.Result = 1;
    return true;
  }
  if (message.Msg == WM_PRINTCLIENT && Composes()) {
    RECT client{};
    if (HWND window = GetHandle()) ::GetClientRect(window, &client);
    PaintComposed(reinterpret_cast<HDC>(message.WParam), client);
    message.Result = 0;
    return true;
  }
  if (message.Msg != WM_PAINT) return false;
  if (HWND window = GetHandle()) {
    PaintDc paint(window);
    if (Composes() && engine_.IsSkinning()) PaintComposed(paint.get(), paint.Area());
  }
  message.Result = 0;
  return true;
}

void TsuiSkinControl::PaintComposed(HDC target, const RECT& area) {
  HWND window = GetHandle();
  if (!window || !target) return;
  RECT client{};
  ::GetClientRect(window, &client);
  surface_.Prepare(client.right, client.bottom);
  Compose(surface_);
  {
    DcStateGuard state(surface_.Dc());
    PaintWindowlessChildren(surface_.Dc());
  }
  DcStateGuard state(target);
  // The windowed children paint themselves.
  for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (!::IsWindowVisible(child)) continue;
    RECT r;
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    ::ExcludeClipRect(target, r.left, r.top, r.right, r.bottom);
  }
  surface_.Present(target, area);
}

bool TsuiSkinControl::HoldBackPress(TMessage& message) {
  if (message.Msg != WM_LBUTTONDOWN && message.Msg != WM_LBUTTONDBLCLK) return false;
  SetState(kDown, true);
  Repaint();
  message.Result = 0;
  return true;
}

void TsuiSkinControl::DrawFace(const TBitmap& face, const std::string& caption, RECT textRect,
                               const TFont* font) {
  const std::wstring wide = Widen(caption);
  DrawFaceText(face, wide.c_str(), static_cast<int>(wide.size()), textRect, font);
}

void TsuiSkinControl::DrawFaceWide(const TBitmap& face, const std::wstring& caption, RECT textRect,
                                   const TFont* font) {
  DrawFaceText(face, caption.c_str(), static_cast<int>(caption.size()), textRect, font);
}

void TsuiSkinControl::DrawFaceText(const TBitmap& face, const wchar_t* caption, int length, RECT textRect,
                                   const TFont* font) {
  // GetDC of no window would be the whole screen's context: a control without a window of
  // its own has nothing to draw on here.
  HWND window = GetHandle();
  if (!window) return;
  WindowDc dc(window);
  if (!dc.get()) return;
  const RECT area = GetControlRect();
  if (!face.Empty()) {
    TBitmapDc source(face);
    ::BitBlt(dc.get(), area.left, area.top, area.right - area.left, area.bottom - area.top, source.Dc(),
             area.left, area.top, SRCCOPY);
  }
  if (length == 0) return;
  DrawCaption(dc.get(), std::wstring(caption, static_cast<size_t>(length)), textRect, font);
}

void TsuiSkinControl::DrawCaption(HDC dc, const std::wstring& caption, RECT textRect, const TFont* font) const {
  if (caption.empty()) return;
  DcStateGuard state(dc);
  ::SetBkMode(dc, TRANSPARENT);
  if (font) {
    ::SelectObject(dc, font->Handle());
    ::SetTextColor(dc, ColorToRGB(font->Color));
  }
  if (!GetEnabled()) ::SetTextColor(dc, kDisabledText);
  if (Down()) ::OffsetRect(&textRect, 1, 1);
  ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &textRect,
              DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

void TsuiSkinControl::DrawGraphicAt(const TBitmap& graphic, POINT at) {
  HWND window = GetHandle();
  if (!window || graphic.Empty()) return;
  WindowDc dc(window);
  if (!dc.get()) return;
  if (graphic.Transparent()) {
    TCanvas canvas(dc.get());
    canvas.DrawTransparent(at.x, at.y, graphic, graphic.TransparentColor());
  } else {
    DrawBitmap(dc.get(), at.x, at.y, graphic);
  }
}

}  // namespace zentavo
