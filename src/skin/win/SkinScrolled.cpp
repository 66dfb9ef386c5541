#include "skin/win/SkinScrolled.h"

#include <optional>
#include <utility>
#include <variant>

#include "framework/Properties.h"
#include "framework/win/Font.h"
#include "framework/win/ScrollBar.h"
#include "framework/win/StdCtrls.h"
#include "skin/Skin2Define.h"
#include "skin/win/SkinEngine.h"
#include "skin/win/SkinGuard.h"
#include "skin/win/SkinOutline.h"
#include "skin/win/SkinSystem.h"
#include "skin/win/SkinWindow.h"

namespace zentavo {

namespace {

// Whether the control wants a border at all: a BorderStyle property of one of the two
// border types says so; one of another type means the control draws its own.
bool WantsOutline(const TControl& control) {
  if (!HasPublishedProperty(control, "BorderStyle")) return true;
  try {
    const TPropertyInfo* info = FindProperty(control, "BorderStyle");
    if (info->typeName != "TBorderStyle" && info->typeName != "TFormBorderStyle") return false;
    if (std::get<long long>(info->get(control)) == 0) return false;
  } catch (...) {
    // An unreadable property does not stop the outline.
  }
  return true;
}

TColor InnerColor(const TControl& control, const TsuiSkinEngine& engine) {
  if (HasPublishedProperty(control, "Color")) {
    try {
      return static_cast<TColor>(std::get<long long>(GetPropertyValue(control, "Color")));
    } catch (...) {
    }
  }
  return engine.GetSkinColor(SKIN2_CONTROLCOLOR);
}

// Edits of one line have no scroll bars to cover.
bool HasScrollBars(TWinControl& control) {
  if (!control.Is<TCustomEdit>()) return true;
  if (control.InheritsFrom("TCustomMaskEdit") || control.ClassName() == "TSpinEdit") return false;
  if (control.HandleAllocated()) return (::GetWindowLongW(control.Handle(), GWL_STYLE) & ES_MULTILINE) != 0;
  return control.Is<TMemo>();
}

TWinControl* FormOf(const TsuiSkinControl& wrapper) {
  return TWinControl::FromHandle(wrapper.Window().WindowHandle());
}

// Where a control's overlay sits: beside the control, or on the form for a control
// without a parent.
TWinControl* OverlayParent(const TControl& control, const TsuiSkinControl& wrapper) {
  return control.Parent() ? control.Parent() : FormOf(wrapper);
}

// The buffer at the overlay's size; its pixels are all drawn anew.
void SizeBuffer(TBitmap& buffer, int width, int height) {
  if (buffer.Width() != width || buffer.Height() != height) buffer.SetSize(width, height);
}

// The control is being freed (not merely losing its window to a re-creation or to its
// parent's).
bool ControlGoing(const TControl* control) { return !control || control->HasState(csDestroying); }

}  // namespace

// ---- TsuiSkinBorderWinControl ---------------------------------------------------------

void TsuiSkinBorderWinControl::Paint() {
  auto* control = dynamic_cast<TWinControl*>(Control());
  if (!control || !control->HandleAllocated() || !WantsOutline(*control)) return;
  FrameControlOutline(*control, Engine().GetSkinColor(SKIN2_CONTROLBORDERCOLOR), InnerColor(*control, Engine()),
                      true);
}

// ---- TsuiSkinScrollWinControl ---------------------------------------------------------

TsuiSkinScrollWinControl::~TsuiSkinScrollWinControl() { FreeOverlays(); }

void TsuiSkinScrollWinControl::Initialize() {
  TsuiSkinBorderWinControl::Initialize();
  vertOverlay_ = horzOverlay_ = nullptr;
  auto* control = dynamic_cast<TWinControl*>(Control());
  if (!control || control->HasState(csDesigning) || !HasScrollBars(*control)) return;
  vertOverlay_ = MakeOverlay(false);
  horzOverlay_ = MakeOverlay(true);
}

TsuiSkinInternalScrollBar* TsuiSkinScrollWinControl::MakeOverlay(bool horizontal) {
  TsuiSkinInternalScrollBar* overlay = nullptr;
  try {
    overlay = &Engine().Make<TsuiSkinInternalScrollBar>(*this, horizontal);
    if (TControl* control = Control()) overlay->FollowParent(OverlayParent(*control, *this));
    return overlay;
  } catch (...) {
    // The control keeps its native bar.
    if (overlay) {
      overlay->ForgetOwnerWrapper();
      Guarded([&] { Engine().FreeComponent(overlay); });
    }
    return nullptr;
  }
}

void TsuiSkinScrollWinControl::Detach() {
  TsuiSkinBorderWinControl::Detach();
  FreeOverlays();
}

void TsuiSkinScrollWinControl::FreeOverlays() {
  for (TsuiSkinInternalScrollBar** slot : {&vertOverlay_, &horzOverlay_}) {
    TsuiSkinInternalScrollBar* overlay = std::exchange(*slot, nullptr);
    if (!overlay) continue;
    overlay->ForgetOwnerWrapper();
    Guarded([&] { Engine().FreeComponent(overlay); });
  }
}

void TsuiSkinScrollWinControl::OverlayGone(const TsuiSkinInternalScrollBar& overlay) {
  if (vertOverlay_ == &overlay) vertOverlay_ = nullptr;
  if (horzOverlay_ == &overlay) horzOverlay_ = nullptr;
}

void TsuiSkinScrollWinControl::HideOverlays() {
  for (TsuiSkinInternalScrollBar* overlay : {vertOverlay_, horzOverlay_})
    if (overlay) overlay->Show(false);
}

void TsuiSkinScrollWinControl::SkinChanged() {
  TsuiSkinBorderWinControl::SkinChanged();
  for (TsuiSkinInternalScrollBar* overlay : {vertOverlay_, horzOverlay_})
    if (overlay) overlay->DrawnPlace.reset();
  if (Engine().IsSkinning()) {
    // Placed rather than merely shown: a bar the system hides keeps its overlay hidden.
    Repaint();
    return;
  }
  HideOverlays();
  // The native edge and bars come back where the outline and the corner were drawn.
  if (HWND window = GetHandle()) ::RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TsuiSkinScrollWinControl::AfterMessage(TMessage& message) {
  TsuiSkinBorderWinControl::AfterMessage(message);
  switch (message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOVE:
    // Also sizes and z-order changes, and frame paints that draw the native edge again
    // without a client paint after them.
    case WM_WINDOWPOSCHANGED:
    case WM_NCPAINT:
      Repaint();
      break;
    case CM_VISIBLECHANGED:
      if (const TControl* control = Control(); control && control->Visible())
        Repaint();
      else
        HideOverlays();
      break;
    case WM_DESTROY:
      // A control that is being freed takes its overlays along; one that only loses its
      // window gets them back at its next paint.
      if (ControlGoing(Control()))
        FreeOverlays();
      else
        HideOverlays();
      break;
    default:
      break;
  }
}

void TsuiSkinScrollWinControl::Paint() {
  TsuiSkinBorderWinControl::Paint();
  const TControl* control = Control();
  if (control && control->Visible() && GetHandle()) PlaceOverlays();
}

void TsuiSkinScrollWinControl::PlaceOverlays() {
  if (!Engine().DrawScrollBar()) return;
  auto* control = dynamic_cast<TWinControl*>(Control());
  if (!control || !control->HandleAllocated()) return;
  TWinControl* parent = OverlayParent(*control, *this);
  if (!parent || !parent->HandleAllocated()) return;
  HWND window = control->Handle();
  const TScrollOverlayPlace vert = PlaceOverlay(vertOverlay_, window, *parent, true);
  const TScrollOverlayPlace horz = PlaceOverlay(horzOverlay_, window, *parent, false);
  RECT bounds;
  if (!::GetWindowRect(window, &bounds)) return;
  if (const auto corner = ScrollCorner(bounds.right - bounds.left, bounds.bottom - bounds.top, vert, horz)) {
    WindowDc dc(window, true);
    const RECT square = ToRECT(*corner);
    if (dc.get()) ::FillRect(dc.get(), &square, Engine().FormBrush());
  }
}

TScrollOverlayPlace TsuiSkinScrollWinControl::PlaceOverlay(TsuiSkinInternalScrollBar* overlay, HWND window,
                                                           TWinControl& parent, bool vertical) {
  TScrollOverlayPlace place;
  if (!overlay) return place;
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  if (SafeGetScrollBarInfo(window, vertical ? OBJID_VSCROLL : OBJID_HSCROLL, &info)) {
    RECT bar = info.rcScrollBar;
    ::MapWindowPoints(HWND_DESKTOP, parent.Handle(), reinterpret_cast<POINT*>(&bar), 2);
    const TNativeScrollBar native{{bar.left, bar.top, bar.right, bar.bottom},
                                  info.xyThumbTop,
                                  info.xyThumbBottom,
                                  static_cast<unsigned>(info.rgstate[0])};
    place = PlaceScrollOverlay(native, vertical, Engine().ScrollBtnRes().ThumbWidth);
  }
  if (!place.shown) {
    overlay->Show(false);
    return place;
  }
  overlay->FollowParent(&parent);
  overlay->Place(ToRECT(place.bounds));
  overlay->KeepAbove(window);
  overlay->Show(true);
  // A scroll is followed by the control's paint: the picture is composed once for both,
  // but copied each time, as the system may have drawn its own bar in between.
  if (overlay->DrawnPlace != place || overlay->Buffer.Empty()) {
    SizeBuffer(overlay->Buffer, place.bounds.Width(), place.bounds.Height());
    DrawSkinScrollBar(overlay->Buffer, Engine().ScrollBtnRes(),
                      ColorToRGB(Engine().GetSkinColor(SKIN2_SCROLLBARCOLOR)), place.BarRect(), place.thumb,
                      place.thumbVisible, vertical);
    overlay->DrawnPlace = place;
  }
  overlay->ShowBuffer();
  return place;
}

// ---- TsuiSkinScrollBar ----------------------------------------------------------------

TsuiSkinScrollBar::~TsuiSkinScrollBar() { FreeOverlay(); }

void TsuiSkinScrollBar::Initialize() {
  TsuiSkinControlVCL::Initialize();
  overlay_ = nullptr;
  TControl* control = Control();
  if (!control || control->HasState(csDesigning)) return;
  try {
    overlay_ = &Engine().Make<TsuiSkinInternalScrollBar2>(*this);
    overlay_->FollowParent(OverlayParent(*control, *this));
    overlay_->Place(control->BoundsRect());
    overlay_->Show(control->Visible());
    if (HWND window = GetHandle()) overlay_->KeepAbove(window);
    Repaint();
  } catch (...) {
    FreeOverlay();
  }
}

void TsuiSkinScrollBar::Detach() {
  TsuiSkinControlVCL::Detach();
  // Freed even when the control is going: the overlay's owner is the engine, which may
  // stay long after.
  FreeOverlay();
}

void TsuiSkinScrollBar::FreeOverlay() {
  TsuiSkinInternalScrollBar2* overlay = std::exchange(overlay_, nullptr);
  if (!overlay) return;
  overlay->ForgetOwnerWrapper();
  Guarded([&] { Engine().FreeComponent(overlay); });
}

void TsuiSkinScrollBar::OverlayGone(const TsuiSkinInternalScrollBar2& overlay) {
  if (overlay_ == &overlay) overlay_ = nullptr;
}

void TsuiSkinScrollBar::SkinChanged() {
  TsuiSkinControlVCL::SkinChanged();
  if (!overlay_) return;
  const TControl* control = Control();
  overlay_->Show(Engine().IsSkinning() && control && control->Visible());
  Repaint();
}

void TsuiSkinScrollBar::AfterMessage(TMessage& message) {
  TsuiSkinControlVCL::AfterMessage(message);
  switch (message.Msg) {
    case SBM_SETSCROLLINFO:
    case WM_KILLFOCUS:
    case CM_GOTFOCUS:
    case CM_LOSTFOCUS:
    case WM_WINDOWPOSCHANGED:
      Repaint();
      break;
    case CM_VISIBLECHANGED:
      if (overlay_) {
        const TControl* control = Control();
        overlay_->Show(control && control->Visible());
        Repaint();
      }
      break;
    case WM_DESTROY:
      if (ControlGoing(Control()))
        FreeOverlay();
      else if (overlay_)
        overlay_->Show(false);
      break;
    default:
      break;
  }
}

void TsuiSkinScrollBar::Paint() {
  if (!Engine().DrawScrollBar() || !overlay_) return;
  auto* bar = dynamic_cast<TScrollBar*>(Control());
  HWND window = GetHandle();
  if (!bar || !window) return;
  if (TWinControl* parent = OverlayParent(*bar, *this)) overlay_->FollowParent(parent);
  overlay_->Place(bar->BoundsRect());
  overlay_->KeepAbove(window);
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  if (!SafeGetScrollBarInfo(window, OBJID_CLIENT, &info)) return;
  const int width = bar->Width(), height = bar->Height();
  const bool vertical = bar->Kind() == TScrollBarKind::sbVertical;
  const TRect client{0, 0, width, height};
  const TRect thumb = vertical ? TRect{0, info.xyThumbTop, width, info.xyThumbBottom}
                               : TRect{info.xyThumbTop, 0, info.xyThumbBottom, height};
  SizeBuffer(overlay_->Buffer, width, height);
  DrawSkinScrollBar(overlay_->Buffer, Engine().ScrollBtnRes(), ColorToRGB(Engine().GetSkinColor(SKIN2_SCROLLBARCOLOR)),
                    client, thumb, true, vertical);
  std::optional<RECT> focus;
  if (bar->Focused() && !thumb.Empty()) focus = RECT{thumb.left + 1, thumb.top + 1, thumb.right - 1, thumb.bottom - 1};
  overlay_->SetFocusRect(focus);
  overlay_->ShowBuffer();
}

// ---- TsuiSkinBorderWndControl ---------------------------------------------------------

void TsuiSkinBorderWndControl::Paint() {
  FrameWindowOutline(Handle(), Engine().GetSkinColor(SKIN2_CONTROLBORDERCOLOR), clWindow, true);
}

}  // namespace zentavo
