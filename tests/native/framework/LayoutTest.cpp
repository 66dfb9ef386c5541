#include <gtest/gtest.h>

#include "framework/Layout.h"

using namespace zentavo;

namespace {
TLayoutChild Aligned(TAlign align, int width, int height, bool visible = true) {
  TLayoutChild child;
  child.align = align;
  child.bounds = Bounds(0, 0, width, height);
  child.visible = visible;
  return child;
}
TLayoutChild AnchoredAt(unsigned anchors, TRect placed, int parentWidth, int parentHeight) {
  TLayoutChild child;
  child.anchors = anchors;
  child.bounds = child.placed = placed;
  child.placedParentWidth = parentWidth;
  child.placedParentHeight = parentHeight;
  return child;
}
}  // namespace

TEST(Layout, EdgesTakeTheirRoomInOrderAndTheClientChildFillsTheRest) {
  const auto rects = ArrangeChildren(200, 100,
                                     {Aligned(TAlign::alClient, 5, 5), Aligned(TAlign::alTop, 50, 20),
                                      Aligned(TAlign::alLeft, 30, 9), Aligned(TAlign::alBottom, 9, 10),
                                      Aligned(TAlign::alTop, 9, 15), Aligned(TAlign::alRight, 40, 9),
                                      Aligned(TAlign::alTop, 9, 99, false)});
  EXPECT_EQ(rects[1], (TRect{0, 0, 200, 20}));
  EXPECT_EQ(rects[4], (TRect{0, 20, 200, 35}));  // the second top child below the first
  EXPECT_EQ(rects[3], (TRect{0, 90, 200, 100}));
  EXPECT_EQ(rects[2], (TRect{0, 35, 30, 90}));
  EXPECT_EQ(rects[5], (TRect{160, 35, 200, 90}));
  EXPECT_EQ(rects[0], (TRect{30, 35, 160, 90}));
  EXPECT_EQ(rects[6], (TRect{0, 0, 9, 99}));  // hidden: left as it was
}

TEST(Layout, AChildMovedAboveTheOthersGoesFirstAndPlacedChildrenKeepTheirOrder) {
  std::vector<TLayoutChild> children{Aligned(TAlign::alTop, 9, 20), Aligned(TAlign::alTop, 9, 15),
                                     Aligned(TAlign::alBottom, 9, 10), Aligned(TAlign::alTop, 9, 22)};
  TRect rest;
  auto rects = ArrangeChildren(200, 100, children, &rest);
  EXPECT_EQ(rects[3], (TRect{0, 35, 200, 57}));
  EXPECT_EQ(rest, (TRect{0, 57, 200, 90}));
  for (size_t i = 0; i < children.size(); ++i) children[i].bounds = rects[i];
  // A bar put at -100 sorts before the placed ones; they keep their order below it.
  children[3].bounds = Bounds(0, -100, 200, 22);
  rects = ArrangeChildren(200, 100, children, &rest);
  EXPECT_EQ(rects[3], (TRect{0, 0, 200, 22}));
  EXPECT_EQ(rects[0], (TRect{0, 22, 200, 42}));
  EXPECT_EQ(rects[1], (TRect{0, 42, 200, 57}));
  EXPECT_EQ(rest, (TRect{0, 57, 200, 90}));
}

TEST(Layout, AnchoredChildrenFollowTheParentsGrowthSincePlaced) {
  const TRect placed{10, 10, 60, 30};
  const auto rects = ArrangeChildren(140, 90,
                                     {AnchoredAt(akLeft | akTop, placed, 100, 50),
                                      AnchoredAt(akRight | akBottom, placed, 100, 50),
                                      AnchoredAt(akLeft | akTop | akRight | akBottom, placed, 100, 50),
                                      AnchoredAt(0, placed, 100, 50)});
  EXPECT_EQ(rects[0], placed);
  EXPECT_EQ(rects[1], (TRect{50, 50, 100, 70}));
  EXPECT_EQ(rects[2], (TRect{10, 10, 100, 70}));
  EXPECT_EQ(rects[3], (TRect{30, 30, 80, 50}));  // no anchor: half the growth
  // Shrinking back gives the placed bounds again.
  EXPECT_EQ(ArrangeChildren(100, 50, {AnchoredAt(akRight | akBottom, placed, 100, 50)})[0], placed);
}

TEST(Layout, ConstraintsClampWithTheMinimumWinning) {
  int width = 500, height = 5;
  ApplyConstraints({100, 20, 300, 0}, width, height);
  EXPECT_EQ(width, 300);
  EXPECT_EQ(height, 20);
  width = 10;
  height = 10;
  ApplyConstraints({50, 0, 40, 0}, width, height);  // contradictory limits: the minimum holds
  EXPECT_EQ(width, 50);
  EXPECT_EQ(height, 10);
}
