// Where a button's glyph and caption go, and the margin and spacing a layout resolves.
#include <gtest/gtest.h>

#include "framework/ButtonFace.h"

using namespace zentavo;

namespace {

TEST(ButtonFaceLayout, CentresGlyphAndCaptionAlongTheLayoutAxis) {
  // Margin and spacing both free: three equal gaps.
  TButtonFaceLayout face =
      LayoutButtonFace(TSize{100, 30}, TSize{16, 16}, TSize{30, 13}, TButtonLayout::blGlyphLeft, -1, -1);
  EXPECT_EQ(face.glyph.x, 18);
  EXPECT_EQ(face.caption.left, 18 + 16 + 18);
  EXPECT_EQ(face.glyph.y, 7);
  EXPECT_EQ(face.caption.top, 9);
  // A fixed spacing: the pair is centred.
  face = LayoutButtonFace(TSize{100, 30}, TSize{16, 16}, TSize{30, 13}, TButtonLayout::blGlyphLeft, -1, 4);
  EXPECT_EQ(face.glyph.x, 25);
  EXPECT_EQ(face.caption.left, 25 + 16 + 4);
  // A fixed margin from the distant side for a glyph on the right.
  face = LayoutButtonFace(TSize{100, 30}, TSize{16, 16}, TSize{30, 13}, TButtonLayout::blGlyphRight, 5, 2);
  EXPECT_EQ(face.glyph.x, 100 - 5 - 16);
  EXPECT_EQ(face.caption.right, 100 - 5 - 16 - 2);
  // Glyph on top: the main axis is vertical.
  face = LayoutButtonFace(TSize{40, 60}, TSize{16, 16}, TSize{20, 13}, TButtonLayout::blGlyphTop, 4, 3);
  EXPECT_EQ(face.glyph.y, 4);
  EXPECT_EQ(face.caption.top, 4 + 16 + 3);
  EXPECT_EQ(face.glyph.x, 12);
  // A glyph alone is centred: no spacing is kept for a caption that is not there.
  face = LayoutButtonFace(TSize{40, 20}, TSize{4, 4}, TSize{0, 0}, TButtonLayout::blGlyphLeft, -1, -1);
  EXPECT_EQ(face.glyph.x, 18);
}

TEST(ButtonFaceLayout, FreeMarginAndSpacingResolveOnTheLayoutAxis) {
  // Both free: the room left after glyph and caption in three equal gaps.
  TButtonFaceSpacing s = ResolveButtonFaceSpacing(TSize{100, 22}, TSize{16, 16}, TSize{30, 13},
                                                  TButtonLayout::blGlyphLeft, -1, -1);
  EXPECT_EQ(s.margin, (100 - 16 - 30) / 3);
  EXPECT_EQ(s.spacing, s.margin);
  // The same on the vertical axis for glyphs above or below.
  s = ResolveButtonFaceSpacing(TSize{30, 61}, TSize{16, 16}, TSize{30, 13}, TButtonLayout::blGlyphBottom, -1, -1);
  EXPECT_EQ(s.margin, (61 - 16 - 13) / 3);
  // A margin of -1 with a fixed spacing rounds the odd pixel to the margin.
  s = ResolveButtonFaceSpacing(TSize{101, 22}, TSize{16, 16}, TSize{30, 13}, TButtonLayout::blGlyphLeft, -1, 4);
  EXPECT_EQ(s.margin, (101 - (16 + 4 + 30) + 1) / 2);
  EXPECT_EQ(s.spacing, 4);
  // A fixed margin with a free spacing centres the caption in the room after the glyph.
  s = ResolveButtonFaceSpacing(TSize{100, 22}, TSize{16, 16}, TSize{30, 13}, TButtonLayout::blGlyphLeft, 3, -1);
  EXPECT_EQ(s.spacing, (100 - 3 - 16 - 30) / 2);
  // A caption alone is centred, not put at a third.
  s = ResolveButtonFaceSpacing(TSize{100, 22}, TSize{}, TSize{30, 13}, TButtonLayout::blGlyphLeft, -1, -1);
  EXPECT_EQ(s.spacing, 0);
  EXPECT_EQ(s.margin, 35);
}

}  // namespace
