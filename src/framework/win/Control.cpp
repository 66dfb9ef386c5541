#include "framework/win/Control.h"

#include <windowsx.h>

#include <algorithm>
#include <map>

#include "framework/Properties.h"
#include "framework/win/Application.h"
#include "framework/win/Handles.h"
#include "framework/win/Menu.h"
#include "framework/win/WideText.h"
#include "framework/win/Win32Error.h"

namespace zentavo {

// The properties the skin engine probes by name.
namespace {
const bool controlPropertiesRegistered = [] {
  const TClassInfo& control = TControl::StaticClassInfo();
  RegisterProperty(control, {"Caption", "TCaption",
                             [](const TComponent& c) { return TPropertyValue(static_cast<const TControl&>(c).Caption()); },
                             [](TComponent& c, const TPropertyValue& v) {
                               static_cast<TControl&>(c).SetCaption(std::get<std::string>(v));
                             }});
  RegisterProperty(control, {"Color", "TColor",
                             [](const TComponent& c) {
                               return TPropertyValue(static_cast<long long>(static_cast<const TControl&>(c).Color()));
                             },
                             [](TComponent& c, const TPropertyValue& v) {
                               static_cast<TControl&>(c).SetColor(static_cast<TColor>(std::get<long long>(v)));
                             }});
  RegisterProperty(control, {"ParentColor", "Boolean",
                             [](const TComponent& c) { return TPropertyValue(static_cast<const TControl&>(c).ParentColor()); },
                             [](TComponent& c, const TPropertyValue& v) {
                               static_cast<TControl&>(c).SetParentColor(std::get<bool>(v));
                             }});
  return true;
}();
}  // namespace

// ---- TControl -------------------------------------------------------------------------

TControl::TControl(TComponent* owner) : TComponent(owner) {
  WindowProc = [this](TMessage& message) { WndProc(message); };
}

TControl::~TControl() {
  if (parent_) parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_) parent_->RemoveControl(this);
  parent_ = parent;
  if (parent_) {
    parent_->InsertControl(this);
    RecordPlacement();
    if (align_ != TAlign::alNone) parent_->ArrangeControls();
  }
}

void TControl::SetBounds(int left, int top, int width, int height) {
  ApplyConstraints(constraints_, width, height);
  const RECT old = bounds_;
  bounds_ = RECT{left, top, left + width, top + height};
  const bool byParent = parent_ && parent_->arranging_;
  if (!byParent) RecordPlacement();
  BoundsChanged();
  // An aligned control that changed its own size moves its siblings.
  if (!byParent && parent_ && align_ != TAlign::alNone &&
      (old.right - old.left != width || old.bottom - old.top != height))
    parent_->ArrangeControls();
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  VisibleChanged();
  Perform(CM_VISIBLECHANGED, visible);
  // An aligned control that comes or goes gives its room to its siblings or takes it.
  if (parent_ && align_ != TAlign::alNone) parent_->ArrangeControls();
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  EnabledChanged();
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  TextChanged();
  Perform(CM_TEXTCHANGED);
}

void TControl::SetColor(TColor color) {
  if (color == color_ && !parentColor_) return;
  color_ = color;
  parentColor_ = false;
  ColorChanged();
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool parentColor) {
  if (parentColor == parentColor_) return;
  parentColor_ = parentColor;
  ColorChanged();
  Perform(CM_PARENTCOLORCHANGED);
}

TColor TControl::EffectiveColor() const {
  return parentColor_ && parent_ ? parent_->EffectiveColor() : color_;
}

void TControl::FontChanged() {
  if (auto* windowed = dynamic_cast<TWinControl*>(this); windowed && windowed->HandleAllocated())
    SendMessageW(windowed->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(Font.Handle()), TRUE);
  Invalidate();
  Perform(CM_FONTCHANGED);
}

void TControl::Invalidate() {
  if (parent_ && parent_->HandleAllocated()) InvalidateRect(parent_->Handle(), &bounds_, TRUE);
}

void TControl::DoContextPopup(POINT screenPoint) {
  if (PopupMenu) PopupMenu->Popup(screenPoint.x, screenPoint.y);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  WindowProc(message);
  return message.Result;
}

void TControl::WndProc(TMessage& message) { DefaultHandler(message); }

void TControl::DefaultHandler(TMessage& message) { message.Result = 0; }

// ---- TGraphicControl -----------------------------------------------------------------

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::Invalidate() {
  if (parent_ && parent_->HandleAllocated()) parent_->InvalidateGraphicArea(bounds_);
}

void TGraphicControl::SetBounds(int left, int top, int width, int height) {
  Invalidate();  // the old area
  TControl::SetBounds(left, top, width, height);
}

void TGraphicControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      Paint(reinterpret_cast<HDC>(message.WParam));
      return;
    case WM_LBUTTONUP:
      if (OnClick) OnClick(this);
      return;
    case WM_LBUTTONDBLCLK:
      if (OnDblClick) OnDblClick(this);
      return;
    default:
      TControl::WndProc(message);
  }
}

// ---- TWinControl ----------------------------------------------------------------------

namespace {

constexpr wchar_t kSelfProperty[] = L"ZentavoControl";

// The native window procedure behind each registered framework class (DefWindowProc for
// our own classes, the original control's procedure for superclassed ones).
std::map<ATOM, WNDPROC>& BaseProcedures() {
  static std::map<ATOM, WNDPROC> procedures;
  return procedures;
}

WNDPROC BaseProcedureOf(HWND window) {
  auto atom = static_cast<ATOM>(GetClassLongPtrW(window, GCW_ATOM));
  auto found = BaseProcedures().find(atom);
  return found == BaseProcedures().end() ? DefWindowProcW : found->second;
}

UINT_PTR nextControlId = 100;

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  DestroyHandle();
  // Children may outlive this part of the object during owner teardown; cut their link
  // so they do not reach back into a parent that is being destroyed.
  for (TControl* child : controls_) child->parent_ = nullptr;
}

TWinControl* TWinControl::FromHandle(HWND window) {
  if (!window) return nullptr;
  return static_cast<TWinControl*>(GetPropW(window, kSelfProperty));
}

TWinControl* TWinControl::FindControl(HWND window) {
  // Parents only, never owners: a foreign dialog owned by a form is not part of it.
  for (; window; window = GetAncestor(window, GA_PARENT)) {
    if (TWinControl* control = FromHandle(window)) return control;
    if (!(GetWindowLongW(window, GWL_STYLE) & WS_CHILD)) break;
  }
  return nullptr;
}

HWND TWinControl::Handle() {
  if (!handle_ && !HasState(csDestroying)) CreateWnd();
  return handle_;
}

void TWinControl::DestroyHandle() {
  if (handle_) DestroyWindow(handle_);  // WM_NCDESTROY unbinds and clears handle_
  handle_ = nullptr;
}

void TWinControl::RecreateWnd() {
  if (!handle_ || HasState(csDestroying)) return;
  Perform(CM_RECREATEWND);
  DestroyHandle();
  Handle();
}

void TWinControl::BeforeDestruction() {
  if (HasState(csDestroying)) return;
  TControl::BeforeDestruction();
  DestroyHandle();
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (windowed && handle_) windowed->Handle();
}

void TWinControl::RemoveControl(TControl* control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
  if (handle_) MoveWindow(handle_, left, top, width, height, TRUE);
}

void TWinControl::SetFocus() { ::SetFocus(Handle()); }

void TWinControl::CreateParams(TCreateParams& params) {
  params.className = Widen(ClassName());
  params.x = bounds_.left;
  params.y = bounds_.top;
  params.width = Width();
  params.height = Height();
  if (parent_) {
    params.parent = parent_->Handle();
  } else {
    params.style &= ~WS_CHILD;
  }
}

ATOM TWinControl::RegisterFrameworkClass(const TCreateParams& params, WNDPROC& baseProc) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{sizeof(existing)};
  if (ATOM atom = static_cast<ATOM>(GetClassInfoExW(instance, params.className.c_str(), &existing))) {
    baseProc = BaseProcedures()[atom];
    return atom;
  }
  WNDCLASSEXW wc{sizeof(wc)};
  baseProc = DefWindowProcW;
  if (!params.baseClassName.empty()) {
    if (!GetClassInfoExW(nullptr, params.baseClassName.c_str(), &wc))
      throw Win32Error("Cannot find window class " + Narrow(params.baseClassName));
    baseProc = wc.lpfnWndProc;
    wc.cbSize = sizeof(wc);
  } else {
    wc.style = params.classStyle;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  }
  wc.hInstance = instance;
  wc.lpfnWndProc = StdWndProc;
  wc.lpszClassName = params.className.c_str();
  ATOM atom = RegisterClassExW(&wc);
  if (!atom) throw Win32Error("Cannot register window class " + Narrow(params.className));
  BaseProcedures()[atom] = baseProc;
  return atom;
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  RegisterFrameworkClass(params, defaultProc_);
  DWORD style = params.style | (visible_ ? WS_VISIBLE : 0) | (enabled_ ? 0 : WS_DISABLED);
  HMENU id = (style & WS_CHILD) ? reinterpret_cast<HMENU>(nextControlId++) : nullptr;
  HWND window = CreateWindowExW(params.exStyle, params.className.c_str(), Widen(caption_).c_str(), style,
                                params.x, params.y, params.width, params.height, params.parent, id,
                                GetModuleHandleW(nullptr), this);
  if (!window) throw Win32Error("Cannot create window of class " + ClassName());
  handle_ = window;
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font.Handle()), FALSE);
  for (TControl* child : controls_) {
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->Handle();
  }
  CreateHandleDone();
}

LRESULT CALLBACK TWinControl::StdWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* self = FromHandle(window);
  if (!self && msg == WM_NCCREATE) {
    const auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    // An MDI child's creation data comes wrapped in the client's own structure.
    self = (create->dwExStyle & WS_EX_MDICHILD)
               ? reinterpret_cast<TWinControl*>(static_cast<MDICREATESTRUCTW*>(create->lpCreateParams)->lParam)
               : static_cast<TWinControl*>(create->lpCreateParams);
    if (self) {
      SetPropW(window, kSelfProperty, self);
      self->handle_ = window;
      AdjustLiveHandleCount(HandleKind::User, +1);
    }
  }
  if (!self) return CallWindowProcW(BaseProcedureOf(window), window, msg, wParam, lParam);

  TMessage message{msg, wParam, lParam, 0};
  try {
    self->WindowProc(message);
  } catch (...) {
    // Unwinding through Win32 frames is undefined: the error ends here, shown to the user.
    Application().HandleException(std::current_exception());
  }
  if (msg == WM_NCDESTROY) {
    RemovePropW(window, kSelfProperty);
    self->handle_ = nullptr;
    AdjustLiveHandleCount(HandleKind::User, -1);
  }
  return message.Result;
}

bool TWinControl::Focused() { return HandleAllocated() && GetFocus() == handle_; }

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::InvalidateGraphicArea(const RECT& area) {
  if (!handle_ || IsRectEmpty(&area)) return;
  staleGraphicAreas_.push_back(area);
  InvalidateRect(handle_, &area, TRUE);
}

// Our own window classes erase their whole background; a native control that holds
// window-less children (a group box) paints only its own parts, so their old areas are
// erased here before it paints.
void TWinControl::EraseStaleGraphicAreas() {
  if (staleGraphicAreas_.empty()) return;
  std::vector<RECT> areas;
  areas.swap(staleGraphicAreas_);
  if (defaultProc_ == DefWindowProcW) return;
  WindowDc dc(handle_);
  for (const RECT& area : areas) FillRect(dc.get(), &area, BackgroundBrush());
}

LRESULT TWinControl::Broadcast(TMessage& message) {
  // A copy: an answer may add or remove controls.
  const std::vector<TControl*> children = controls_;
  for (TControl* child : children) {
    if (std::find(controls_.begin(), controls_.end(), child) == controls_.end()) continue;
    if (LRESULT result = child->Perform(message.Msg, message.WParam, message.LParam)) return result;
  }
  return 0;
}

TWinControl* TWinControl::RootControl() {
  TWinControl* root = this;
  while (root->parent_) root = root->parent_;
  return root;
}

// Enter and Esc that the control does not want itself, and characters that may be
// accelerators, go to the form as dialog keys and characters before they are dispatched.
void TWinControl::OfferKey(TMessage& message) {
  message.Result = 0;
  if (!handle_) return;
  UINT msg = message.Msg - CN_BASE;
  MSG native{handle_, msg, message.WParam, message.LParam, 0, {}};
  const LRESULT wants = SendMessageW(handle_, WM_GETDLGCODE, message.WParam, reinterpret_cast<LPARAM>(&native));
  if (msg == WM_KEYDOWN) {
    if (message.WParam != VK_RETURN && message.WParam != VK_ESCAPE) return;
    if (wants & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return;
    message.Result = RootControl()->Perform(CM_DIALOGKEY, message.WParam, message.LParam);
  } else {
    if (msg == WM_CHAR && (wants & (DLGC_WANTCHARS | DLGC_WANTMESSAGE))) return;
    message.Result = RootControl()->Perform(CM_DIALOGCHAR, message.WParam, message.LParam);
  }
}

// Left, Top, Width and Height follow the window however it was moved or sized (the
// program, the user, a maximize); a minimized window keeps its last real bounds.
void TWinControl::ReadBoundsFromWindow() {
  if (IsIconic(handle_)) return;
  RECT rect;
  if (!GetWindowRect(handle_, &rect)) return;
  if (HWND parent = GetParent(handle_); parent && (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD))
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  if (EqualRect(&rect, &bounds_)) return;
  bounds_ = rect;
  BoundsChanged();
}

std::string TWinControl::WindowText() {
  if (!handle_) return caption_;
  int length = GetWindowTextLengthW(handle_);
  std::wstring text(length + 1, L'\0');
  text.resize(GetWindowTextW(handle_, text.data(), length + 1));
  return Narrow(text);
}

HBRUSH TWinControl::BackgroundBrush() {
  COLORREF color = ColorToRGB(EffectiveColor());
  if (!backgroundBrush_ || color != backgroundBrushColor_) {
    backgroundBrush_.reset(CreateSolidBrush(color));
    backgroundBrushColor_ = color;
  }
  return backgroundBrush_.get();
}

void TWinControl::PaintChildrenOnto(HDC dc) {
  staleGraphicAreas_.clear();
  PaintGraphicChildren(dc);
}

void TWinControl::PaintGraphicChildren(HDC dc) {
  for (TControl* child : controls_) {
    if (!child->Visible() || dynamic_cast<TWinControl*>(child)) continue;
    DcStateGuard state(dc);
    RECT bounds = child->BoundsRect();
    IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
    SetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
    child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
  }
}

bool TWinControl::ForwardMouseToGraphicChild(TMessage& message) {
  POINT point{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  TControl* hit = nullptr;
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* child = *it;
    RECT bounds = child->BoundsRect();
    if (child->Visible() && !dynamic_cast<TWinControl*>(child) && PtInRect(&bounds, point)) {
      hit = child;
      break;
    }
  }
  if (hit != mouseChild_) {
    if (mouseChild_) mouseChild_->Perform(CM_MOUSELEAVE);
    mouseChild_ = hit;
    if (mouseChild_) mouseChild_->Perform(CM_MOUSEENTER);
  }
  if (!hit || !hit->Enabled()) return false;
  RECT bounds = hit->BoundsRect();
  message.Result = hit->Perform(message.Msg, message.WParam,
                                MAKELPARAM(point.x - bounds.left, point.y - bounds.top));
  return message.Msg != WM_MOUSEMOVE;
}

void TWinControl::TrackMouse(TMessage& message) {
  if (message.Msg == WM_MOUSEMOVE && !mouseInside_) {
    mouseInside_ = true;
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
    TrackMouseEvent(&track);
    Perform(CM_MOUSEENTER);
  } else if (message.Msg == WM_MOUSELEAVE) {
    mouseInside_ = false;
    if (mouseChild_) {
      mouseChild_->Perform(CM_MOUSELEAVE);
      mouseChild_ = nullptr;
    }
    Perform(CM_MOUSELEAVE);
  }
}

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      if (defaultProc_ == DefWindowProcW) {
        staleGraphicAreas_.clear();  // the background is erased whole
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(handle_, &paint);
        PaintWindow(dc);
        PaintGraphicChildren(dc);
        EndPaint(handle_, &paint);
        return;
      }
      EraseStaleGraphicAreas();
      DefaultHandler(message);
      if (std::any_of(controls_.begin(), controls_.end(),
                      [](TControl* c) { return c->Visible() && !dynamic_cast<TWinControl*>(c); })) {
        WindowDc dc(handle_);
        PaintGraphicChildren(dc.get());
      }
      return;
    case WM_ERASEBKGND:
      if (defaultProc_ == DefWindowProcW) {
        RECT client;
        GetClientRect(handle_, &client);
        FillRect(reinterpret_cast<HDC>(message.WParam), &client, BackgroundBrush());
        message.Result = 1;
        return;
      }
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(message.LParam))) {
        HDC dc = reinterpret_cast<HDC>(message.WParam);
        SetTextColor(dc, ColorToRGB(child->Font.Color));
        SetBkColor(dc, ColorToRGB(child->EffectiveColor()));
        message.Result = reinterpret_cast<LRESULT>(child->BackgroundBrush());
        return;
      }
      break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      TrackMouse(message);
      if (ForwardMouseToGraphicChild(message)) return;
      break;
    case WM_MOUSELEAVE:
      TrackMouse(message);
      break;
    case WM_WINDOWPOSCHANGED:
      ReadBoundsFromWindow();  // before the WM_SIZE and WM_MOVE that follow from it
      DefaultHandler(message);
      return;
    case WM_SIZE:
      DefaultHandler(message);
      if (message.WParam != SIZE_MINIMIZED) ArrangeControls();
      return;
    case CN_KEYDOWN:
    case CN_CHAR:
    case CN_SYSCHAR:
      OfferKey(message);
      return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
      message.Result = Broadcast(message);
      return;
    case WM_SETFOCUS:
      DefaultHandler(message);
      Perform(CM_GOTFOCUS);
      return;
    case WM_KILLFOCUS:
      DefaultHandler(message);
      Perform(CM_LOSTFOCUS);
      return;
    case WM_CONTEXTMENU:
      if (PopupMenu) {
        POINT point{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
        if (point.x == -1 && point.y == -1) {  // from the keyboard: at the control
          point = POINT{0, 0};
          ClientToScreen(handle_, &point);
        }
        DoContextPopup(point);
        return;
      }
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      // Scroll bars, track bars and up-downs report moves with their own window in lParam.
      if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(message.LParam)); child && child != this) {
        message.Result = child->Perform(message.Msg + CN_BASE, message.WParam, message.LParam);
        return;
      }
      break;
    case WM_COMMAND:
    case WM_NOTIFY: {
      // Notifications of child controls are handled by the child itself.
      HWND from = message.Msg == WM_COMMAND ? reinterpret_cast<HWND>(message.LParam)
                                            : reinterpret_cast<NMHDR*>(message.LParam)->hwndFrom;
      if (TWinControl* child = FromHandle(from); child && child != this) {
        message.Result = child->Perform(message.Msg + CN_BASE, message.WParam, message.LParam);
        return;
      }
      break;
    }
    default:
      break;
  }
  TControl::WndProc(message);
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (handle_ && !IsFrameworkMessage(message.Msg)) {
    message.Result = CallWindowProcW(defaultProc_, handle_, message.Msg, message.WParam, message.LParam);
  } else {
    TControl::DefaultHandler(message);
  }
}

void TWinControl::VisibleChanged() {
  if (handle_) ShowWindow(handle_, visible_ ? SW_SHOW : SW_HIDE);
}

void TWinControl::EnabledChanged() {
  if (handle_) EnableWindow(handle_, enabled_);
}

void TWinControl::TextChanged() {
  if (handle_) SetWindowTextW(handle_, Widen(caption_).c_str());
}

}  // namespace zentavo
