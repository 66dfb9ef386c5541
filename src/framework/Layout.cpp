#include "framework/Layout.h"

#include <algorithm>

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

std::vector<TRect> ArrangeChildren(int clientWidth, int clientHeight, const std::vector<TLayoutChild>& children,
                                   TRect* remaining) {
  std::vector<TRect> result;
  result.reserve(children.size());
  for (const TLayoutChild& child : children) result.push_back(child.bounds);
  TRect free{0, 0, clientWidth, clientHeight};
  // Edges take their room in this order; among children of one kind the one nearer the
  // edge goes first (a control moved above the others with a negative Top comes first),
  // and children at the same place keep their order.
  for (TAlign kind : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
    std::vector<size_t> order;
    for (size_t i = 0; i < children.size(); ++i)
      if (children[i].visible && children[i].align == kind) order.push_back(i);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
      const TRect& x = children[a].bounds;
      const TRect& y = children[b].bounds;
      switch (kind) {
        case TAlign::alTop:
          return x.top < y.top;
        case TAlign::alBottom:
          return x.bottom > y.bottom;
        case TAlign::alLeft:
          return x.left < y.left;
        case TAlign::alRight:
          return x.right > y.right;
        default:
          return false;
      }
    });
    for (size_t i : order) {
      const TLayoutChild& child = children[i];
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
  if (remaining) *remaining = free;
  for (size_t i = 0; i < children.size(); ++i) {
    const TLayoutChild& child = children[i];
    if (child.visible && child.align == TAlign::alNone) result[i] = Anchored(child, clientWidth, clientHeight);
  }
  return result;
}

}  // namespace zentavo
