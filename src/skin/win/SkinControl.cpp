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
  if (engine_.IsSkinning()) Paint();
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
  if (message.Msg != WM_PAINT) return false;
  if (HWND window = GetHandle()) {
    PAINTSTRUCT paint;
    ::BeginPaint(window, &paint);
    ::EndPaint(window, &paint);
  }
  message.Result = 0;
  return true;
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
  DcStateGuard state(dc.get());
  ::SetBkMode(dc.get(), TRANSPARENT);
  if (font) {
    ::SelectObject(dc.get(), font->Handle());
    ::SetTextColor(dc.get(), ColorToRGB(font->Color));
  }
  if (!GetEnabled()) ::SetTextColor(dc.get(), kDisabledText);
  if (Down()) ::OffsetRect(&textRect, 1, 1);
  ::DrawTextW(dc.get(), caption, length, &textRect, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
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
