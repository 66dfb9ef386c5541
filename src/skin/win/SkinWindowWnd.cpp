#include "skin/win/SkinWindowWnd.h"

#include "framework/win/Control.h"
#include "framework/win/ExtCtrls.h"
#include "skin/WindowClassMap.h"
#include "skin/win/SkinAttach.h"
#include "skin/win/SkinControl.h"
#include "skin/win/SkinEngine.h"
#include "skin/win/SkinGuard.h"
#include "skin/win/SkinHook.h"

namespace zentavo {

namespace {


std::string UpperClassName(HWND window) {
  char name[101] = {};
  const int length = GetClassNameA(window, name, 101);
  return UpperCaseClassName(std::string_view(name, length > 0 ? length : 0));
}

}  // namespace

TsuiSkinWindowWnd::TsuiSkinWindowWnd(HWND window, bool isForeign, TsuiSkinEngine& engine)
    : TsuiSkinFrameWindow(window, isForeign, engine) {}

TsuiSkinWindowWnd::~TsuiSkinWindowWnd() { Guarded([&] { Teardown(); }); }

bool TsuiSkinWindowWnd::WindowAlive() const { return !windowGone_ && IsWindow(WindowHandle()); }

void TsuiSkinWindowWnd::AttachWindow() {
  subclass_ = std::make_unique<WindowSubclass>(WindowHandle(), [this](WindowSubclass&, TMessage& message) {
    // Let go of a destroyed window whether or not the skin is on at that moment.
    if (message.Msg == WM_DESTROY && (!Engine().IsSkinning() || !allowed_)) WindowDestroyed();
    FrameWindowProc(message);
  });
}

void TsuiSkinWindowWnd::WindowDestroyed() {
  if (windowGone_) return;
  SetLastClosedDialog(WindowHandle());
  windowGone_ = true;
  Engine().RemoveWindowSoon(*this);
}

void TsuiSkinWindowWnd::DetachWindow() {
  subclass_.reset();
  innerDialog_.reset();
  if (WindowAlive()) RecomputeFrame();
}

void TsuiSkinWindowWnd::CallDefault(TMessage& message) {
  if (subclass_) subclass_->Default(message);
}

void TsuiSkinWindowWnd::AttachControls() { AttachForeignControls(*this, WindowHandle()); }

void TsuiSkinWindowWnd::DetachControls() { DetachForeignControls(*this); }

void TsuiSkinWindowWnd::CaptureMetrics() {
  HWND window = WindowHandle();
  capturedStyle_ = GetWindowLongPtrW(window, GWL_STYLE);
  RECT client{}, outer{};
  GetClientRect(window, &client);
  GetWindowRect(window, &outer);
  savedClientWidth_ = client.right;
  savedClientHeight_ = client.bottom;
  nativeCaptionHeight_ = ForeignNativeCaptionHeight(outer.bottom - outer.top, client.bottom);
}

void TsuiSkinWindowWnd::ApplyFrameState() {
  RefreshControls();
  if (!WindowAlive()) return;

  HWND window = WindowHandle();
  const TSkinMetrics& metrics = Engine().Metrics();
  RECT r{};
  GetWindowRect(window, &r);
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  if (skinned_) {
    SetWindowLongPtrW(window, GWL_STYLE, capturedStyle_ & ~static_cast<LONG_PTR>(WS_SYSMENU));
    ::SetMenu(window, nullptr);
    if (!grown_) {
      // The client keeps its size inside the skin's frame.
      grownWidth_ = metrics.LeftBorderWidth + metrics.RightBorderWidth;
      grownHeight_ = TitleHeight() + MenuBarHeight() + metrics.BottomBorderHeight - nativeCaptionHeight_;
      grown_ = true;
      MoveWindow(window, r.left, r.top, w + grownWidth_, h + grownHeight_, TRUE);
    }
  } else {
    // The visibility stays as it is: the style only decides the frame.
    const LONG_PTR base = eraseStyleCaptured_ ? eraseStyle_ : capturedStyle_;
    const LONG_PTR visible = GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE;
    SetWindowLongPtrW(window, GWL_STYLE, (base & ~static_cast<LONG_PTR>(WS_VISIBLE)) | visible);
    if (grown_) {
      grown_ = false;
      MoveWindow(window, r.left, r.top, w - grownWidth_, h - grownHeight_, TRUE);
    }
    SetWindowRgn(window, nullptr, TRUE);
  }
  RecomputeFrame();
}

void TsuiSkinWindowWnd::ShrinkBack() {
  if (!grown_) return;
  grown_ = false;
  HWND window = WindowHandle();
  RECT r{};
  GetWindowRect(window, &r);
  SetWindowPos(window, nullptr, 0, 0, r.right - r.left - grownWidth_, r.bottom - r.top - grownHeight_,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

bool TsuiSkinWindowWnd::BeforeDefault(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
      if (!eraseStyleCaptured_) {
        eraseStyle_ = GetWindowLongPtrW(WindowHandle(), GWL_STYLE);
        eraseStyleCaptured_ = true;
      }
      return true;
    case WM_DESTROY:
      // The dialog still hears of its end; the frame lets go once the message is done.
      // A dialog may keep its size at its end for the next time it opens: it keeps its
      // own size, not the one grown by the skin's frame.
      ShrinkBack();
      WindowDestroyed();
      return true;
    case WM_SYSCOMMAND:
      if ((message.WParam & 0xFFF0) != SC_CLOSE) return true;
      // The title's close box answers as the dialog's Cancel button.
      PostMessageW(WindowHandle(), WM_COMMAND, IDCANCEL, 0);
      return false;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      SetBkMode(reinterpret_cast<HDC>(message.WParam), TRANSPARENT);
      message.Result = reinterpret_cast<LRESULT>(Engine().FormBrush());
      return false;
    case WM_SHOWWINDOW:
      HookInnerDialog();
      return true;
    default:
      return true;
  }
}

void TsuiSkinWindowWnd::AfterDefault(TMessage& message) {
  if (message.Msg != WM_SIZE) return;
  HWND window = WindowHandle();
  RECT client{};
  GetClientRect(window, &client);
  // A dialog that rearranged itself wider and lower than it began gets its height back once.
  if (!IsZoomed(window) && client.bottom < savedClientHeight_ && client.right > 1.5 * savedClientWidth_ &&
      !heightFixed_) {
    heightFixed_ = true;
    RECT r{};
    GetWindowRect(window, &r);
    const TSkinMetrics& metrics = Engine().Metrics();
    MoveWindow(window, r.left, r.top, r.right - r.left,
               r.bottom - r.top + TitleHeight() + MenuBarHeight() + metrics.BottomBorderHeight - nativeCaptionHeight_,
               TRUE);
  }
  UpdateRegion();
}

void TsuiSkinWindowWnd::HookInnerDialog() {
  if (innerDialog_) return;
  for (HWND child = GetTopWindow(WindowHandle()); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (UpperClassName(child) != "#32770") continue;
    innerDialog_ = std::make_unique<WindowSubclass>(
        child, [this](WindowSubclass& token, TMessage& message) { InnerDialogProc(token, message); });
    const TColor formColor = Engine().FormColor();
    for (HWND grand = GetTopWindow(child); grand; grand = GetWindow(grand, GW_HWNDNEXT)) {
      if (UpperClassName(grand) != "TPANEL") continue;
      TWinControl* panel = TWinControl::FromHandle(grand);
      if (!panel) continue;
      panel->SetColor(formColor);
      for (TControl* inner : panel->Controls())
        if (inner->Is<TPanel>()) inner->SetColor(panel->Color());
    }
    return;
  }
}

void TsuiSkinWindowWnd::InnerDialogProc(WindowSubclass& token, TMessage& message) {
  switch (message.Msg) {
    case WM_CTLCOLORDLG:
      message.Result = reinterpret_cast<LRESULT>(Engine().FormBrush());
      return;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
      SetBkMode(reinterpret_cast<HDC>(message.WParam), TRANSPARENT);
      message.Result = reinterpret_cast<LRESULT>(Engine().FormBrush());
      return;
    default:
      token.Default(message);
  }
}

}  // namespace zentavo
