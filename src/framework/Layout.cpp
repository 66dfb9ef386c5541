#include "framework/Layout.h"

namespace zentavo {

void ApplyConstraints(const TSizeConstraints& constraints, int& width, int& height) {
  if (constraints.MaxWidth > 0) width = std::min(width, constraints.MaxWidth);
  if (constraints.MaxHeight > 0) height = std::min(height, constraints.MaxHeight);
  width = std::max(width, constraints.MinWidth);
  height = std::max(height, constraints.MinHeight);
}

namespace {

// One direction of an anchored child: its edges after the parent grew by delta.
void Follow(bool nearSide, bool farSide, int delta, int& nearEdge, int& farEdge) {
  if (nearSide && farSide) {
    farEdge += delta;
  } else if (farSide) {
    nearEdge += delta;
    farEdge += delta;
  } else if (!nearSide) {
    nearEdge += delta / 2;
    farEdge += delta / 2;
  }
}

TRect Anchored(const TLayoutChild& child, int clientWidth, int clientHeight) {
  TRect rect = child.placed;
  Follow(child.anchors & akLeft, child.anchors & akRight, clientWidth - child.placedParentWidth, rect.left,
         rect.right);
  Follow(child.anchors & akTop, child.anchors & akBottom, clientHeight - child.placedParentHeight, rect.top,
         rect.bottom);
  return rect;
}

}  // namespace

std::vector<TRect> ArrangeChildren(int clientWidth, int clientHeight, const std::vector<TLayoutChild>& children) {
  std::vector<TRect> result;
  result.reserve(children.size());
  for (const TLayoutChild& child : children) result.push_back(child.bounds);
  TRect free{0, 0, clientWidth, clientHeight};
  // Edges take their room in this order, each child in its own order among its kind.
  for (TAlign kind : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
    for (size_t i = 0; i < children.size(); ++i) {
      const TLayoutChild& child = children[i];
      if (!child.visible || child.align != kind) continue;
      const int width = child.bounds.Width(), height = child.bounds.Height();
      TRect& rect = result[i];
      switch (kind) {
        case TAlign::alTop:
          rect = {free.left, free.top, free.right, free.top + height};
          free.top = rect.bottom;
          break;
        case TAlign::alBottom:
          rect = {free.left, free.bottom - height, free.right, free.bottom};
          free.bottom = rect.top;
          break;
        case TAlign::alLeft:
          rect = {free.left, free.top, free.left + width, free.bottom};
          free.left = rect.right;
          break;
        case TAlign::alRight:
          rect = {free.right - width, free.top, free.right, free.bottom};
          free.right = rect.left;
          break;
        case TAlign::alClient:
          rect = free;
          break;
        case TAlign::alNone:
          break;
      }
    }
  }
  for (size_t i = 0; i < children.size(); ++i) {
    const TLayoutChild& child = children[i];
    if (child.visible && child.align == TAlign::alNone) result[i] = Anchored(child, clientWidth, clientHeight);
  }
  return result;
}

}  // namespace zentavo
