#include "skin/win/SkinFrameWindow.h"

#include <algorithm>

#include "framework/win/Message.h"
#include "skin/win/SkinControl.h"
#include "skin/win/SkinEngine.h"
#include "skin/win/SkinGuard.h"
#include "skin/win/SkinMessages.h"
#include "skin/win/SkinSystem.h"

namespace zentavo {

namespace {

// No size, move, z-order or activation change: only the frame is computed again.
constexpr UINT kFrameChanged = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

// Hit-test codes arrive in wParam of the non-client mouse messages.
bool IsCaptionHit(const TMessage& message) { return message.WParam == HTCAPTION; }

}  // namespace

TsuiSkinFrameWindow::TsuiSkinFrameWindow(HWND window, bool isForeign, TsuiSkinEngine& engine)
    : TsuiSkinWindow(window, isForeign, engine), skinned_(engine.IsSkinning()) {}

TsuiSkinFrameWindow::~TsuiSkinFrameWindow() = default;

void TsuiSkinFrameWindow::Start() {
  AttachWindow();
  AttachControls();
  SetSkinned(skinned_);
}

void TsuiSkinFrameWindow::Teardown() {
  if (tornDown_) return;
  tornDown_ = true;
  destroying_ = true;
  if (Engine().SystemMenuWindow() == this) Engine().SetSystemMenuWindow(nullptr);
  SetSkinned(false);
  DetachControls();
  DetachWindow();
}

int TsuiSkinFrameWindow::TitleHeight() const { return zentavo::TitleHeight(Engine().Metrics(), FrameState()); }

int TsuiSkinFrameWindow::WindowWidth() const {
  RECT r{};
  GetWindowRect(WindowHandle(), &r);
  return r.right - r.left;
}

int TsuiSkinFrameWindow::WindowHeight() const {
  RECT r{};
  GetWindowRect(WindowHandle(), &r);
  return r.bottom - r.top;
}

std::wstring TsuiSkinFrameWindow::WindowCaption() const {
  wchar_t text[260] = {};
  const int length = GetWindowTextW(WindowHandle(), text, 260);
  return std::wstring(text, std::max(length, 0));
}

TFrameWindow TsuiSkinFrameWindow::FrameState() const {
  TFrameWindow w;
  HWND window = WindowHandle();
  w.Width = WindowWidth();
  w.Height = WindowHeight();
  w.HasCaption = hasCaption_;
  w.HasBorder = hasBorder_;
  w.Skinned = skinned_;
  w.IsForeign = IsForeign();
  w.Initialized = initialized_;
  w.IsMDIChild = IsMDIChild();
  w.Maximized = IsZoomed(window) != FALSE;
  w.Minimized = IsIconic(window) != FALSE;
  w.HasIcon = HasIcon();
  w.HasClose = HasCloseButton();
  w.HasMaximize = HasMaximizeButton();
  w.HasMinimize = HasMinimizeButton();
  w.HasHelp = HasHelpButton();
  w.NativeCaptionHeight = nativeCaptionHeight_;
  w.ExtraBand = extraBand_;
  w.MenuBarHeight = MenuBarHeight();
  return w;
}

void TsuiSkinFrameWindow::RefreshControls() {
  if (destroying_) return;
  for (auto& wrapper : controls_)
    Guarded([&] {
      wrapper->SkinChanged();
      if (HWND control = wrapper->GetHandle()) InvalidateRect(control, nullptr, TRUE);
    });
}

void TsuiSkinFrameWindow::RecomputeFrame() const { SetWindowPos(WindowHandle(), nullptr, 0, 0, 0, 0, kFrameChanged); }

void TsuiSkinFrameWindow::SetSkinned(bool skinned) {
  skinned_ = allowed_ && skinned;
  if (initialized_) {
    ApplyFrameState();
    if (skinned_) UpdateRegion();
  } else if (IsWindowVisible(WindowHandle()) || InitWhileHidden()) {
    InitializeFrame();
  }
}

void TsuiSkinFrameWindow::InitializeFrame() {
  CaptureMetrics();
  initialized_ = true;
  SetSkinned(skinned_);
}

void TsuiSkinFrameWindow::SetHasCaption(bool value) {
  hasCaption_ = value;
  RecomputeFrame();
  PaintFrame();
}

void TsuiSkinFrameWindow::SetHasBorder(bool value) {
  hasBorder_ = value;
  RecomputeFrame();
  PaintFrame();
}

// The region flags come with the skin's frame facts at every paint; a new skin only needs
// painting and shaping.
void TsuiSkinFrameWindow::FrameSkinLoaded() {
  if (!Engine().IsSkinning()) return;
  PaintFrame();
  UpdateRegion();
}

// ---- Window commands: posted, so that they run after the mouse message that asked ----

void TsuiSkinFrameWindow::SysClose() { PostMessageW(WindowHandle(), WM_SYSCOMMAND, SC_CLOSE, 0); }

void TsuiSkinFrameWindow::SysMinimize() { PostMessageW(WindowHandle(), WM_SYSCOMMAND, SC_MINIMIZE, 0); }

void TsuiSkinFrameWindow::SysMaximizeRestore() {
  HWND window = WindowHandle();
  if (IsZoomed(window) || IsIconic(window))
    PostMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
  else if (drawnButtons_.maximize)
    PostMessageW(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
}

void TsuiSkinFrameWindow::SysContextHelp() { PostMessageW(WindowHandle(), WM_SYSCOMMAND, SC_CONTEXTHELP, 0); }

void TsuiSkinFrameWindow::ShowSystemMenu() {
  POINT at{0, 0};
  ClientToScreen(WindowHandle(), &at);
  at.x = std::max<LONG>(at.x, 0);
  if (IsIconic(WindowHandle())) at.y += 24 - Engine().Metrics().SkinTitleHeight;
  ShowSystemMenuAt(at);
}

void TsuiSkinFrameWindow::ShowSystemMenuAt(POINT screen) {
  Engine().SetSystemMenuWindow(this);
  Engine().SystemMenu().Popup(screen.x, screen.y);
}

// ---- The message path ----

void TsuiSkinFrameWindow::FrameWindowProc(TMessage& message) {
  if (!initialized_ && !InitWhileHidden() && message.Msg == WM_PAINT) InitializeFrame();
  if (message.Msg == WM_NULL) return;
  if (!Engine().IsSkinning() || !allowed_) {
    CallDefault(message);
    return;
  }
  if (HandledBeforeDefault(message)) return;
  if (!BeforeDefault(message)) return;
  CallDefault(message);
  switch (message.Msg) {
    case WM_DESTROY:
    case WM_ACTIVATEAPP:
    case WM_COMMAND:
    case WM_SYSCOMMAND:
    case CM_RELEASE:
      return;
    default:
      break;
  }
  AfterDefault(message);
  HandleAfterDefault(message);
}

bool TsuiSkinFrameWindow::HandledBeforeDefault(TMessage& message) {
  switch (message.Msg) {
    case WM_NCPAINT:
      PaintFrame();
      message.Result = 0;
      return true;
    case WM_NCLBUTTONDOWN:
      buttonPressed_ = true;
      PaintFrame();
      // Only the bare title drags the window, and never a maximized one.
      if (IsCaptionHit(message) && !(hotButton_ == kNoElement && !IsZoomed(WindowHandle())))
        message.WParam = HTNOWHERE;
      SetActiveWindow(WindowHandle());
      return false;
    case WM_NCLBUTTONDBLCLK:
      PaintFrame();
      if (hotButton_ == kNoElement && IsCaptionHit(message)) {
        SysMaximizeRestore();
        buttonPressed_ = false;
        PaintFrame();
        return true;
      }
      if (hotButton_ == kIconElement) {
        SysClose();
        buttonPressed_ = false;
        return true;
      }
      message.WParam = HTNOWHERE;
      return false;
    case WM_CTLCOLORDLG:
      message.Result = reinterpret_cast<LRESULT>(Engine().FormBrush());
      return true;
    default:
      return false;
  }
}

void TsuiSkinFrameWindow::HandleAfterDefault(TMessage& message) {
  switch (message.Msg) {
    case WM_NCCALCSIZE:
      NcCalcSize(message);
      break;
    case WM_ACTIVATE:
      drawnActive_ = LOWORD(message.WParam) != WA_INACTIVE;
      PaintFrame();
      break;
    case WM_NCACTIVATE:
      drawnActive_ = message.WParam != 0;
      PaintFrame();
      break;
    case WM_NCMOUSEMOVE:
      if (!IsCaptionHit(message)) break;
      if (buttonPressed_) {
        PaintFrame();
        if (hotButton_ == kNoElement) buttonPressed_ = false;
      }
      PaintFrame();
      break;
    case WM_NCLBUTTONUP:
      buttonPressed_ = false;
      PaintFrame();
      switch (hotButton_) {
        case kIconElement:
          ShowSystemMenu();
          break;
        case kCloseElement:
          SysClose();
          break;
        case kMaximizeElement:
          SysMaximizeRestore();
          break;
        case kMinimizeElement:
          SysMinimize();
          break;
        case kHelpElement:
          SysContextHelp();
          break;
        default:
          break;
      }
      break;
    case WM_NCRBUTTONDOWN:
      PaintFrame();
      if (IsCaptionHit(message) && hotButton_ == kNoElement)
        ShowSystemMenuAt(POINT{static_cast<LONG>(static_cast<unsigned short>(LOWORD(message.LParam))),
                               static_cast<LONG>(static_cast<unsigned short>(HIWORD(message.LParam)))});
      break;
    case WM_SETTEXT:
    case CM_TEXTCHANGED:
      PaintFrame();
      UpdateRegion();
      break;
    case SM_ISACTIVE:
      message.Result = drawnActive_ ? 1 : 2;
      break;
    case SM_MENUBARHEIGHT:
      message.Result = MenuBarHeight();
      break;
    case SM_ISSKINNED:
      message.Result = 1;
      break;
    default:
      break;
  }
}

}  // namespace zentavo
