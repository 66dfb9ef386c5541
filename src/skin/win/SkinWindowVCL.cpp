#include "skin/win/SkinWindowVCL.h"

#include <algorithm>
#include <utility>

#include "framework/win/Application.h"
#include "framework/win/Form.h"
#include "skin/MdiArrangement.h"
#include "skin/win/SkinAttach.h"
#include "skin/win/SkinControl.h"
#include "skin/win/SkinEngine.h"
#include "skin/win/SkinGuard.h"
#include "skin/win/SkinFormMenus.h"
#include "skin/win/SkinMessages.h"
#include "skin/win/SkinSystem.h"

namespace zentavo {

// Lives among the form's components so that the form's teardown takes its frame along
// while the form is still whole.
class TsuiSkinWindowVCL::Sentinel : public TComponent {
 public:
  Sentinel(TComponent* owner, TsuiSkinWindowVCL* frame) : TComponent(owner), frame_(frame) {}
  void Forget() { frame_ = nullptr; }
  void BeforeDestruction() override {
    if (TsuiSkinWindowVCL* frame = std::exchange(frame_, nullptr)) {
      frame->sentinel_ = nullptr;
      frame->Engine().RemoveWindow(*frame);
    }
    TComponent::BeforeDestruction();
  }

 private:
  TsuiSkinWindowVCL* frame_;
};

TsuiSkinWindowVCL::TsuiSkinWindowVCL(TForm& form, bool isForeign, TsuiSkinEngine& engine)
    : TsuiSkinFrameWindow(form.Handle(), isForeign, engine), form_(form) {
  allowed_ = form.Tag != engine.DisabledTag();
  // The engine's own form frees its frame through the engine.
  if (&form != &engine.OwnerForm()) sentinel_ = &form.Make<Sentinel>(this);
}

TsuiSkinWindowVCL::~TsuiSkinWindowVCL() {
  Guarded([&] { Teardown(); });
  if (sentinel_) {
    sentinel_->Forget();
    if (!form_.HasState(csDestroying)) form_.FreeComponent(sentinel_);
  }
}

HWND TsuiSkinWindowVCL::WindowHandle() const { return form_.HandleAllocated() ? const_cast<TForm&>(form_).Handle() : nullptr; }

TForm* TsuiSkinWindowVCL::MainForm() const { return Application().MainForm(); }

bool TsuiSkinWindowVCL::FormGoing() const { return form_.HasState(csDestroying); }

bool TsuiSkinWindowVCL::IsMDIForm() const { return form_.FormStyle == TFormStyle::fsMDIForm; }
bool TsuiSkinWindowVCL::IsMDIChild() const { return form_.FormStyle == TFormStyle::fsMDIChild; }

bool TsuiSkinWindowVCL::CanShapeWindow() const {
  return !form_.Parent() && form_.BorderStyle != TFormBorderStyle::bsNone;
}

int TsuiSkinWindowVCL::MenuBarHeight() const { return menus_ ? menus_->BarHeight() : 0; }

HICON TsuiSkinWindowVCL::GetWindowIcon() const {
  return form_.SmallIcon() ? form_.SmallIcon() : form_.Icon();
}

bool TsuiSkinWindowVCL::HasHelpButton() const { return (form_.BorderIcons & biHelp) != 0; }

bool TsuiSkinWindowVCL::HasIcon() const {
  const TFormBorderStyle style = form_.BorderStyle;
  return (style == TFormBorderStyle::bsSingle || style == TFormBorderStyle::bsSizeable) &&
         (form_.BorderIcons & biSystemMenu) != 0;
}

bool TsuiSkinWindowVCL::HasCloseButton() const { return (form_.BorderIcons & biSystemMenu) != 0; }

namespace {

bool ToolOrDialog(TFormBorderStyle style) {
  return style == TFormBorderStyle::bsDialog || style == TFormBorderStyle::bsToolWindow ||
         style == TFormBorderStyle::bsSizeToolWin;
}

}  // namespace

bool TsuiSkinWindowVCL::HasMaximizeButton() const {
  const unsigned icons = form_.BorderIcons;
  return (icons & biMaximize) && (icons & biSystemMenu) && !ToolOrDialog(form_.BorderStyle);
}

bool TsuiSkinWindowVCL::HasMinimizeButton() const {
  const unsigned icons = form_.BorderIcons;
  return (icons & biMinimize) && (icons & biSystemMenu) && !ToolOrDialog(form_.BorderStyle);
}

bool TsuiSkinWindowVCL::CaptionRule() const {
  return !form_.Parent() && form_.BorderStyle != TFormBorderStyle::bsNone;
}

// ---- Attachment ----

void TsuiSkinWindowVCL::AttachWindow() {
  form_.AutoScroll = false;
  menus_ = std::make_unique<TSkinFormMenus>(form_, Engine());
  route_ = std::make_shared<Route>(Route{this, form_.WindowProc});
  std::shared_ptr<Route> route = route_;
  form_.WindowProc = [route](TMessage& message) {
    if (route->frame)
      route->frame->FrameWindowProc(message);
    else if (route->saved)
      route->saved(message);
  };
  if (IsMDIForm() && form_.ClientHandle())
    mdiClient_ = std::make_unique<WindowSubclass>(
        form_.ClientHandle(), [this](WindowSubclass& token, TMessage& message) { MDIClientProc(token, message); });
  SetHasCaption(CaptionRule());
  SetHasBorder(form_.BorderStyle != TFormBorderStyle::bsNone);
}

void TsuiSkinWindowVCL::DetachWindow() {
  mdiClient_.reset();
  if (route_) {
    route_->frame = nullptr;
    // A procedure installed over ours later still chains through the route, which now
    // passes messages straight on.
    form_.WindowProc = route_->saved;
    route_.reset();
  }
  menus_.reset();
}

void TsuiSkinWindowVCL::CallDefault(TMessage& message) {
  if (route_ && route_->saved) route_->saved(message);
}

void TsuiSkinWindowVCL::AttachControls() { AttachFormControls(*this, form_); }

void TsuiSkinWindowVCL::DetachControls() {
  // A form on its way out takes its controls along; their procedures are not touched.
  const bool formGoing = FormGoing() || !sentinel_;
  DetachFormControls(*this, !formGoing);
}

void TsuiSkinWindowVCL::CaptureMetrics() {
  // The width the client has inside the system's frame: a form wrapped as it is made may
  // already be measured inside the skin's borders here, while its window keeps the size
  // the system's frame gave it.
  HWND window = WindowHandle();
  RECT frame{0, 0, 0, 0};
  ::AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)));
  savedClientWidth_ = form_.Width() - (frame.right - frame.left);
  savedClientHeight_ = form_.ClientHeight();
  menus_->CaptureMainMenu();
  nativeCaptionHeight_ = FormNativeCaptionHeight(form_.Height(), form_.ClientHeight(),
                                                 menus_->FormMainMenu() != nullptr, IsMDIChild());
  savedColor_ = form_.Color();
}

// ---- Applying and removing the skin ----

void TsuiSkinWindowVCL::RemoveSystemMenuStyle() {
  HWND window = WindowHandle();
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  if (style & WS_SYSMENU) SetWindowLongPtrW(window, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_SYSMENU));
}

void TsuiSkinWindowVCL::ShiftControls(int direction) {
  const int m = shiftedBy_;
  if (m == 0) return;
  const TControl* bar = menus_ ? static_cast<const TControl*>(&menus_->Bar()) : nullptr;
  for (TControl* control : form_.Controls()) {
    // Aligned controls are placed by their alignment, below the bar.
    if (control == bar || control->Align() != TAlign::alNone) continue;
    const unsigned anchors = control->Anchors();
    if (!(anchors & akBottom))
      control->SetBounds(control->Left(), control->Top() + direction * m, control->Width(), control->Height());
    else if (anchors & akTop)
      control->SetBounds(control->Left(), control->Top() + direction * m, control->Width(),
                         control->Height() - direction * m);
  }
}

void TsuiSkinWindowVCL::ApplyFrameState() {
  HWND window = WindowHandle();
  RefreshControls();

  const TSkinMetrics& metrics = Engine().Metrics();
  if (skinned_) {
    RemoveSystemMenuStyle();
    form_.SetColor(metrics.FormColor);
    form_.SetMenu(nullptr);
    form_.AutoScroll = false;
    form_.Scaled = false;
    if (menus_->FormMainMenu()) menus_->PrepareBar();
    if (IsMDIChild()) {
      // The last document window made lets every document repaint its active state.
      TForm* main = MainForm();
      if (main && main->MDIChildCount() > 1 && main->MDIChildren(main->MDIChildCount() - 1) == &form_) {
        TForm* active = main->ActiveMDIChild();
        for (int i = 0; i < main->MDIChildCount(); ++i)
          SendMessageW(main->MDIChildren(i)->Handle(), WM_MDIACTIVATE, 0,
                       reinterpret_cast<LPARAM>(active ? active->Handle() : nullptr));
      }
    }
    menus_->Rebuild(true);
    const int m = MenuBarHeight();
    if (IsMDIForm()) menus_->PlaceMDIControlButtons(metrics.RightBorderWidth, m);
    SetSizeConstraints();
    if (!controlsShifted_) {
      shiftedBy_ = m;
      ShiftControls(+1);
      controlsShifted_ = true;
    }
    if (!IsZoomed(window))
      form_.SetClientSize(savedClientWidth_ + std::max(4, metrics.LeftBorderWidth) +
                              std::max(4, metrics.RightBorderWidth) - 8,
                          savedClientHeight_ + m);
    menus_->SkinFormMenus();
  } else {
    // A form that lives on without its frame (the engine went first, or the skin was taken
    // off this form alone) gets everything back; only a form on its way out is left as is.
    if (FormGoing()) return;
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    SetWindowLongPtrW(window, GWL_STYLE, style | WS_SYSMENU);
    form_.SetMenu(menus_->FormMainMenu());
    form_.SetColor(savedColor_);
    ClearSizeConstraints();
    if (!IsZoomed(window)) form_.SetClientSize(savedClientWidth_, savedClientHeight_);
    if (controlsShifted_) {
      ShiftControls(-1);
      controlsShifted_ = false;
      shiftedBy_ = 0;
    }
    menus_->UnskinFormMenus();
    menus_->FreeWindowMenuItems();
    menus_->HideBar();
    SetWindowRgn(window, nullptr, TRUE);
  }
  RecomputeFrame();
}

void TsuiSkinWindowVCL::SetSizeConstraints() {
  TSizeConstraints c = form_.Constraints();
  if (c.MinHeight == 0 || setMinHeight_) {
    c.MinHeight = MenuBarHeight() + TitleHeight() + 6;
    setMinHeight_ = true;
  }
  if ((c.MinWidth == 0 && !IsForeign()) || setMinWidth_) {
    c.MinWidth = Engine().Metrics().MinimumWindowWidth;
    setMinWidth_ = true;
  }
  form_.SetConstraints(c);
}

void TsuiSkinWindowVCL::ClearSizeConstraints() {
  // Only the limits the frame set go; the form's own stay.
  TSizeConstraints c = form_.Constraints();
  if (setMinHeight_) c.MinHeight = 0;
  if (setMinWidth_) c.MinWidth = 0;
  setMinHeight_ = setMinWidth_ = false;
  form_.SetConstraints(c);
}

void TsuiSkinWindowVCL::FollowCaptionRule() {
  RemoveSystemMenuStyle();
  const bool caption = CaptionRule();
  SetHasCaption(caption);
  SetHasBorder(caption);
  if (caption)
    SetSizeConstraints();
  else
    ClearSizeConstraints();
  PaintFrame();
}

// ---- Messages ----

void TsuiSkinWindowVCL::AfterDefault(TMessage& message) {
  HWND window = WindowHandle();
  switch (message.Msg) {
    case WM_MDIACTIVATE: {
      const bool activated = reinterpret_cast<HWND>(message.LParam) == window;
      if (activated && MainForm())
        SendMessageW(MainForm()->Handle(), SM_CHILDMENU, reinterpret_cast<WPARAM>(window),
                     reinterpret_cast<LPARAM>(menus_ ? menus_->FormMainMenu() : nullptr));
      drawnActive_ = activated;
      PaintFrame();
      break;
    }
    case WM_MDIREFRESHMENU:
      PaintFrame();
      break;
    case WM_MDIRESTORE:
      if (menus_) menus_->HideMDIControlButtons();
      break;
    case WM_MDIMAXIMIZE:
      if (menus_) menus_->ShowMDIControlButtons();
      break;
    case SM_CHILDMENU:
      if (menus_) menus_->SetChildMenu(reinterpret_cast<TMainMenu*>(message.LParam));
      break;
    case WM_SHOWWINDOW:
    case CM_VISIBLECHANGED:
      if (!allFormsSkinned_ && MainForm() == &form_ && Engine().SkinAllForms()) {
        allFormsSkinned_ = true;
        Engine().SkinAllScreenForms();
      }
      break;
    case WM_SIZE:
      if (IsZoomed(window) && !IsMDIChild()) {
        // A maximized window covers the work area with its frame just outside it.
        TRect area = GetWorkArea();
        area = TRect{area.left - 4, area.top - 4, area.right + 4, area.bottom + 4};
        if (form_.Height() < area.bottom - area.top || form_.Width() < area.right - area.left)
          form_.SetBounds(area.left, area.top, area.right - area.left, area.bottom - area.top);
      } else if (IsZoomed(window)) {
        if (!mdiMaximizeSent_ && MainForm()) {
          mdiMaximizeSent_ = true;
          SendMessageW(MainForm()->Handle(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(window), 0);
        }
      } else if (IsMDIChild()) {
        form_.Invalidate();
        if (mdiMaximizeSent_ && MainForm()) {
          mdiMaximizeSent_ = false;
          SendMessageW(MainForm()->Handle(), WM_MDIRESTORE, 0, 0);
        }
      }
      UpdateRegion();
      break;
    case WM_WINDOWPOSCHANGED:
      if (IsMDIChild() && MainForm()) {
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(message.LParam);
        if (pos && (pos->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)))
          SendMessageW(MainForm()->Handle(), SM_CHILDLISTCHANGED, 0, 0);
      }
      break;
    case WM_PARENTNOTIFY:
      if (LOWORD(message.WParam) == WM_CREATE) {
        RemoveSystemMenuStyle();
        if (CaptionRule() != hasCaption_) FollowCaptionRule();
      }
      break;
    case SM_CHILDLISTCHANGED:
      if (menus_) menus_->RebuildWindowMenuItems();
      break;
    case CM_RECREATEWND:
      FollowCaptionRule();
      break;
    default:
      break;
  }
}

// ---- Documents of a multiple-document main window ----

void TsuiSkinWindowVCL::MDIClientProc(WindowSubclass& token, TMessage& message) {
  token.Default(message);
  if (!Engine().IsSkinning() || !allowed_) return;
  switch (message.Msg) {
    case WM_MDICASCADE:
      CascadeChildren();
      break;
    case WM_MDITILE:
      TileChildren((message.WParam & MDITILE_HORIZONTAL) != 0);
      break;
    case WM_MDIDESTROY:
      if (form_.MDIChildCount() == 1) {
        SendMessageW(WindowHandle(), SM_CHILDMENU, reinterpret_cast<WPARAM>(WindowHandle()), 0);
        if (menus_) menus_->HideMDIControlButtons();
      }
      break;
    case WM_MDICREATE:
      if (menus_) menus_->RebuildWindowMenuItems();
      break;
    default:
      break;
  }
}

namespace {

void PlaceChildren(TForm& form, const std::vector<std::optional<TRect>>& bounds) {
  for (int i = 0; i < static_cast<int>(bounds.size()); ++i)
    if (bounds[i])
      form.MDIChildren(i)->SetBounds(bounds[i]->left, bounds[i]->top, bounds[i]->right - bounds[i]->left,
                                     bounds[i]->bottom - bounds[i]->top);
}

std::vector<bool> MinimizedChildren(TForm& form) {
  std::vector<bool> out;
  for (int i = 0; i < form.MDIChildCount(); ++i) out.push_back(IsIconic(form.MDIChildren(i)->Handle()) != FALSE);
  return out;
}

}  // namespace

void TsuiSkinWindowVCL::CascadeChildren() {
  PlaceChildren(form_, CascadeBounds(form_.ClientWidth(), form_.ClientHeight(), MinimizedChildren(form_)));
}

void TsuiSkinWindowVCL::TileChildren(bool rows) {
  const std::vector<bool> minimized = MinimizedChildren(form_);
  int bars = 0;
  for (TControl* control : form_.Controls())
    if (control->Visible() && (control->Align() == TAlign::alTop || control->Align() == TAlign::alBottom))
      bars += control->Height();
  const bool someMinimized = std::find(minimized.begin(), minimized.end(), true) != minimized.end();
  PlaceChildren(form_, TileBounds(form_.ClientWidth(), TileAvailableHeight(form_.ClientHeight(), bars, someMinimized),
                                  rows, minimized));
}

}  // namespace zentavo
