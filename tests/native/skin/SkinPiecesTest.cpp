#include <gtest/gtest.h>

#include "SkinPixelTestData.h"
#include "skin/SkinPieces.h"

namespace zentavo {
namespace {

using test::Code;
using test::Coded;

constexpr TColor kMask = RGBColor(255, 0, 255);

TEST(NinePart, ThreeRowsHighDrawsOnlyTheTopLeftCorner) {
  const std::vector<TSkinPiece> pieces = NinePartPieces(21, 21, {0, 0, 100, 3}, true, kMask);
  ASSERT_EQ(pieces.size(), 1u);
  EXPECT_EQ(pieces[0].source, (TRect{0, 0, 10, 1}));
  EXPECT_EQ(pieces[0].dest, (TRect{0, 0, 10, 1}));
  EXPECT_EQ(pieces[0].mask, kMask);
  EXPECT_TRUE(NinePartPieces(21, 21, {0, 5, 100, 5}, true, kMask).empty());
}

TEST(NinePart, TwentyOneSquareFaceIntoHundredByThirty) {
  const std::vector<TSkinPiece> pieces = NinePartPieces(21, 21, {0, 0, 100, 30}, false, kMask);
  const std::vector<TSkinPiece> expected = {
      {{0, 0, 10, 10}, {0, 0, 10, 10}, kNoMask},       // top-left corner
      {{0, 12, 10, 21}, {0, 21, 10, 30}, kNoMask},     // bottom-left: source rows 12..20 at y 21
      {{0, 10, 10, 11}, {0, 10, 10, 21}, kMask},       // left edge
      {{12, 0, 21, 10}, {91, 0, 100, 10}, kNoMask},    // top-right: source columns 12..20 at x 91
      {{12, 12, 21, 21}, {91, 21, 100, 30}, kNoMask},  // bottom-right
      {{12, 11, 21, 12}, {91, 10, 100, 21}, kMask},    // right edge
      {{10, 0, 12, 10}, {10, 0, 91, 10}, kMask},       // top edge
      {{10, 10, 12, 11}, {10, 10, 91, 20}, kMask},     // centre, one row short
      {{10, 11, 12, 21}, {9, 20, 91, 30}, kMask},      // bottom edge, one column and row early
  };
  EXPECT_EQ(pieces, expected);
}

TEST(NinePart, DrawsThePiecesWithCornersMaskedOnRequest) {
  TBitmap face = Coded(21, 21);
  face.SetPixel(0, 0, kMask);
  face.SetPixel(11, 0, kMask);  // in the top edge's source
  TBitmap canvas = test::Filled(100, 30, clWhite);
  DrawNinePart(&face, canvas, {0, 0, 100, 30}, true, kMask);
  EXPECT_EQ(canvas.Pixel(0, 0), clWhite);  // masked corner
  EXPECT_EQ(canvas.Pixel(9, 9), Code(9, 9));
  EXPECT_EQ(canvas.Pixel(0, 21), Code(0, 12));
  EXPECT_EQ(canvas.Pixel(91, 0), Code(12, 0));
  EXPECT_EQ(canvas.Pixel(99, 29), Code(20, 20));
  EXPECT_EQ(canvas.Pixel(50, 25), Code(11, 16));  // bottom edge, stretched sideways
  EXPECT_EQ(canvas.Pixel(90, 0), clWhite);        // top edge's masked column, stretched
  EXPECT_EQ(canvas.Pixel(10, 0), Code(10, 0));

  DrawNinePart(&face, canvas, {0, 0, 100, 30}, false, kMask);
  EXPECT_EQ(canvas.Pixel(0, 0), kMask);     // corners unmasked
  EXPECT_EQ(canvas.Pixel(90, 0), clWhite);  // edges masked all the same
}

TEST(NinePart, PlacesPiecesInsideARectangleAwayFromTheOrigin) {
  const std::vector<TSkinPiece> atOrigin = NinePartPieces(21, 21, {0, 0, 100, 30}, true, kMask);
  const std::vector<TSkinPiece> moved = NinePartPieces(21, 21, {5, 7, 105, 37}, true, kMask);
  ASSERT_EQ(moved.size(), atOrigin.size());
  for (std::size_t i = 0; i < moved.size(); ++i) {
    EXPECT_EQ(moved[i].source, atOrigin[i].source);
    const TRect d = atOrigin[i].dest;
    EXPECT_EQ(moved[i].dest, (TRect{d.left + 5, d.top + 7, d.right + 5, d.bottom + 7}));
  }
}

TEST(NinePart, SmallAndEvenFacesStayInsideTheirBitmaps) {
  // An even face leaves some edges without a source; a one-pixel face has no corners.
  for (const auto& [w, h] : {std::pair(20, 20), std::pair(1, 1), std::pair(2, 1), std::pair(0, 0)}) {
    const TBitmap face = Coded(w, h);
    for (const TSkinPiece& p : NinePartPieces(w, h, {0, 0, 40, 12}, true, kMask)) {
      EXPECT_FALSE(p.source.Empty()) << w << "x" << h;
      EXPECT_FALSE(p.dest.Empty());
    }
    TBitmap canvas = test::Filled(40, 12, clWhite);
    DrawNinePart(&face, canvas, {0, 0, 40, 12}, false, kMask);  // must not read outside the face
  }
}

TEST(NinePart, EdgesOfAnEvenFaceWithoutASourceRowTakeTheRowAtTheirTop) {
  // A 24 x 22 face (the default skins' old button): the rule gives the left edge and the
  // centre rows 11 to 10, no row at all.
  const std::vector<TSkinPiece> pieces = NinePartPieces(24, 22, {0, 0, 60, 30}, true, kMask);
  ASSERT_EQ(pieces.size(), 9u);
  EXPECT_EQ(pieces[2].source, (TRect{0, 11, 12, 12}));  // left edge
  EXPECT_EQ(pieces[2].dest, (TRect{0, 11, 12, 20}));
  EXPECT_EQ(pieces[7].source, (TRect{12, 11, 13, 12}));  // centre
  EXPECT_EQ(pieces[7].dest, (TRect{12, 11, 49, 19}));
  // The other pieces keep the rule's own rows: the right edge rows 11 and 12.
  EXPECT_EQ(pieces[5].source, (TRect{13, 11, 24, 13}));

  // A one-row face puts the right edge's rows below the bitmap; it takes the last row.
  const std::vector<TSkinPiece> flat = NinePartPieces(9, 1, {0, 0, 30, 10}, true, kMask);
  for (const TSkinPiece& p : flat) {
    EXPECT_GE(p.source.top, 0);
    EXPECT_LE(p.source.bottom, 1);
  }

  const TBitmap face = Coded(24, 22);
  TBitmap canvas = test::Filled(60, 30, clWhite);
  DrawNinePart(&face, canvas, {0, 0, 60, 30}, false, kMask);
  EXPECT_EQ(canvas.Pixel(0, 15), Code(0, 11));  // the left border runs through
  EXPECT_EQ(canvas.Pixel(30, 15), Code(12, 11));
}

// No part of the rectangle keeps what lay under the face, whatever the parity of the face
// and of the rectangle, down to faces of one pixel.
TEST(NinePart, FacesOfEverySizeCoverTheWholeRectangle) {
  const std::pair<int, int> faces[] = {{24, 22}, {24, 21}, {23, 22}, {21, 21}, {20, 20}, {25, 24},
                                       {2, 2},   {3, 4},   {5, 1},   {1, 5},   {1, 1}};
  const TRect rects[] = {{0, 0, 75, 23}, {0, 0, 75, 24}, {0, 0, 60, 30}, {0, 0, 100, 21}, {0, 0, 9, 8}};
  for (const auto& [w, h] : faces) {
    const TBitmap face = Coded(w, h);  // no pixel of it is white
    for (const TRect& rect : rects) {
      TBitmap canvas = test::Filled(rect.right, rect.bottom, clWhite);
      DrawNinePart(&face, canvas, rect, true, kMask);
      int uncovered = 0;
      for (int y = 0; y < rect.bottom; ++y)
        for (int x = 0; x < rect.right; ++x) uncovered += canvas.Pixel(x, y) == clWhite;
      EXPECT_EQ(uncovered, 0) << w << "x" << h << " face into " << rect.right << "x" << rect.bottom;
    }
  }
}

TEST(HorzThreePart, NarrowRectangleGetsTheCutLeftPart) {
  const auto pieces = HorzThreePartPieces(9, 2, {4, 1, 6, 10}, kMask, true);
  ASSERT_EQ(pieces.size(), 1u);
  EXPECT_EQ(pieces[0].source, (TRect{0, 0, 2, 2}));
  EXPECT_EQ(pieces[0].dest, (TRect{4, 1, 6, 3}));
}

TEST(HorzThreePart, StretchesTheMiddleOpaqueAndKeepsHeights) {
  TBitmap bar = Coded(9, 2);
  bar.SetPixel(0, 0, kMask);
  bar.SetPixel(4, 0, kMask);
  TBitmap canvas = test::Filled(20, 5, clWhite);
  DrawHorzThreePart(&bar, canvas, {0, 0, 20, 5}, kMask, true);
  EXPECT_EQ(canvas.Pixel(0, 0), clWhite);      // the ends are masked
  EXPECT_EQ(canvas.Pixel(19, 1), Code(8, 1));  // right part at rect.right - 3
  EXPECT_EQ(canvas.Pixel(17, 0), Code(6, 0));
  EXPECT_EQ(canvas.Pixel(3, 1), Code(3, 1));  // middle starts after the left part
  EXPECT_EQ(canvas.Pixel(9, 0), clBlack);     // middle's masked pixels come out black
  EXPECT_EQ(canvas.Pixel(9, 2), clWhite);     // height never scaled

  canvas.Fill(clWhite);
  DrawHorzThreePart(&bar, canvas, {0, 0, 20, 5}, kMask, false);
  EXPECT_EQ(canvas.Pixel(0, 0), kMask);
  EXPECT_EQ(canvas.Pixel(9, 0), kMask);
}

TEST(VertThreePart, StretchesPartsToTheRectangle) {
  const TBitmap bitmap = Coded(2, 9);
  TBitmap canvas = test::Filled(4, 20, clWhite);
  DrawVertThreePart(&bitmap, canvas, {0, 0, 4, 20}, 0);  // edge 0: a third of the height
  EXPECT_EQ(canvas.Pixel(3, 0), Code(1, 0));
  EXPECT_EQ(canvas.Pixel(0, 2), Code(0, 2));
  EXPECT_EQ(canvas.Pixel(0, 17), Code(0, 6));
  EXPECT_EQ(canvas.Pixel(0, 19), Code(0, 8));
  EXPECT_EQ(canvas.Pixel(0, 3), Code(0, 3));
  EXPECT_EQ(canvas.Pixel(0, 16), Code(0, 5));

  canvas.Fill(clWhite);
  DrawVertThreePart(&bitmap, canvas, {-1, 0, 4, 20}, 0);
  EXPECT_EQ(canvas.Pixel(0, 0), clWhite);
  // Shorter than two edges: no inverted middle.
  const auto pieces = VertThreePartPieces(2, 9, {0, 0, 4, 4}, 3);
  for (const TSkinPiece& p : pieces) {
    if (p.source == TRect{0, 3, 2, 6}) {
      EXPECT_TRUE(p.dest.Empty());
    }
  }
}

TEST(HorzEdgeThreePart, StretchesPartsToTheRectangle) {
  const TBitmap bitmap = Coded(7, 2);
  TBitmap canvas = test::Filled(20, 4, clWhite);
  DrawHorzEdgeThreePart(&bitmap, canvas, {0, 0, 20, 4}, 2);
  EXPECT_EQ(canvas.Pixel(1, 3), Code(1, 1));
  EXPECT_EQ(canvas.Pixel(18, 0), Code(5, 0));
  EXPECT_EQ(canvas.Pixel(2, 0), Code(2, 0));
  EXPECT_EQ(canvas.Pixel(17, 0), Code(4, 0));
}

}  // namespace
}  // namespace zentavo
