#include "framework/win/Control.h"

// Placement of controls in their parent: alignment, anchors and size limits. The
// arithmetic is portable (framework/Layout); this applies it to the controls.

namespace zentavo {

void TControl::RecordPlacement() {
  placed_ = TRect{bounds_.left, bounds_.top, bounds_.right, bounds_.bottom};
  if (!parent_) return;
  const SIZE client = parent_->ClientSize();
  placedParentWidth_ = client.cx;
  placedParentHeight_ = client.cy;
}

TLayoutChild TControl::LayoutChild() const {
  TLayoutChild child;
  child.align = align_;
  child.anchors = anchors_;
  child.visible = visible_;
  child.bounds = TRect{bounds_.left, bounds_.top, bounds_.right, bounds_.bottom};
  child.placed = placed_;
  child.placedParentWidth = placedParentWidth_;
  child.placedParentHeight = placedParentHeight_;
  return child;
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  if (parent_) parent_->ArrangeControls();
}

void TControl::SetAnchors(unsigned anchors) {
  anchors_ = anchors;
  RecordPlacement();
}

void TControl::SetConstraints(const TSizeConstraints& constraints) {
  constraints_ = constraints;
  SetBounds(Left(), Top(), Width(), Height());
}

SIZE TWinControl::ClientSize() {
  if (handle_) {
    RECT client;
    GetClientRect(handle_, &client);
    return SIZE{client.right, client.bottom};
  }
  return SIZE{Width(), Height()};
}

// While the parent is being built, its size is not final yet: anchored children take
// their current place as the one to keep instead of following.
void TWinControl::ArrangeControls() {
  if (arranging_ || controls_.empty()) return;
  const SIZE client = ClientSize();
  const bool loading = HasState(csLoading);
  std::vector<TLayoutChild> layout;
  layout.reserve(controls_.size());
  for (TControl* child : controls_) {
    layout.push_back(child->LayoutChild());
    if (loading && child->align_ == TAlign::alNone) layout.back().anchors = akLeft | akTop;
  }
  TRect rest;
  const std::vector<TRect> arranged = ArrangeChildren(client.cx, client.cy, layout, &rest);
  const std::vector<TControl*> children = controls_;
  arranging_ = true;
  for (size_t i = 0; i < children.size(); ++i) {
    const TRect& rect = arranged[i];
    if (rect == layout[i].bounds) continue;
    children[i]->SetBounds(rect.left, rect.top, rect.Width(), rect.Height());
  }
  arranging_ = false;
  ClientAreaArranged(rest);
  if (loading) {
    for (TControl* child : children) child->RecordPlacement();
  }
}

void TWinControl::Loaded() {
  TControl::Loaded();
  for (TControl* child : controls_) child->RecordPlacement();
  ArrangeControls();
}

}  // namespace zentavo
