#pragma once
#include <vector>

#include "framework/Geometry.h"

namespace zentavo {

// Where a control sits in its parent: along an edge, filling what the edges leave, or
// placed by its own bounds and anchors.
enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// The parent edges a control keeps its distance to when the parent is resized. With both
// sides of a direction it stretches; with neither it keeps its centre's share.
enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
constexpr unsigned kDefaultAnchors = akLeft | akTop;

// Smallest and largest size a control may take; 0 is no limit.
struct TSizeConstraints {
  int MinWidth = 0;
  int MinHeight = 0;
  int MaxWidth = 0;
  int MaxHeight = 0;
  bool operator==(const TSizeConstraints&) const = default;
};

// The size a control gets within its constraints.
void ApplyConstraints(const TSizeConstraints& constraints, int& width, int& height);

// One child as the parent lays it out: its alignment, anchors, bounds, and (for anchored
// children) the bounds and parent client size it had when it was last placed by hand.
struct TLayoutChild {
  TAlign align = TAlign::alNone;
  unsigned anchors = kDefaultAnchors;
  bool visible = true;
  TRect bounds;
  TRect placed;
  int placedParentWidth = 0;
  int placedParentHeight = 0;
};

// The new bounds of every child in a parent client area of this size: aligned children
// nearest their edge first, the top ones downwards, bottom ones upwards, then left and right
// ones in what remains, then the client one filling the rest; anchored ones follow the
// change of the parent's size since they were placed. Hidden children keep their bounds.
// remaining receives the area the edges leave.
std::vector<TRect> ArrangeChildren(int clientWidth, int clientHeight, const std::vector<TLayoutChild>& children,
                                   TRect* remaining = nullptr);

}  // namespace zentavo
