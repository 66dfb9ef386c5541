#include <gtest/gtest.h>

#include "skin/FrameGeometry.h"

namespace zentavo {
namespace {

using enum TFrameImage;

// A skin with a 24-row title, borders 4/5/6 and 17 x 15 title buttons.
class FrameGeometry : public ::testing::Test {
 protected:
  void SetUp() override {
    m.SkinTitleHeight = 24;
    m.LeftBorderWidth = 4;
    m.RightBorderWidth = 5;
    m.BottomBorderHeight = 6;
    m.FormColor = RGBColor(1, 2, 3);
    m.TransparentColor = RGBColor(255, 0, 255);
    m.IconPosX = 4;
    m.IconPosY = 5;
    m.CaptionTop = 6;
    m.ButtonPosX = 7;
    m.ButtonPosY = 3;
    m.MenuColors[0] = RGBColor(9, 9, 9);
    Set(Title1, 30, 24);
    Set(Title2, 10, 24);
    Set(Title3, 40, 24);
    Set(Title4, 8, 24);
    Set(Title5, 50, 24);
    Set(MinimizedTitle, 60, 26);
    Set(LeftBorder, 4, 10);
    Set(RightBorder, 5, 10);
    Set(Bottom1, 30, 6);
    Set(Bottom2, 5, 6);
    Set(Bottom3, 12, 6);
    Set(TitleButtons, 17 * kTitleButtonFrames, 15);
    w.Width = 200;
    w.Height = 150;
    w.HasIcon = w.HasMaximize = w.HasMinimize = true;
    w.NativeCaptionHeight = 23;
  }
  void Set(TFrameImage image, int width, int height) { s.sizes[static_cast<int>(image)] = {width, height}; }
  TNcCalcResult Calc(int cx = 200, int cy = 150) {
    return NcCalcClientRect(m, w, {11, 41, 209, 169}, 10, 20, cx, cy);
  }

  TSkinMetrics m;
  TFrameSkin s;
  TFrameWindow w;
};

TEST_F(FrameGeometry, NcSizingLeavesRoomForTitleAndBorders) {
  TNcCalcResult r = Calc();
  EXPECT_TRUE(r.changed);
  EXPECT_EQ(r.client, (TRect{14, 44, 205, 164}));
  EXPECT_EQ(r.extraBand, 0);

  // Borders thinner than 4 pixels still keep the client 4 pixels in.
  m.LeftBorderWidth = m.RightBorderWidth = m.BottomBorderHeight = 2;
  EXPECT_EQ(Calc().client, (TRect{14, 44, 206, 166}));

  w.HasBorder = false;
  EXPECT_EQ(Calc().client, (TRect{10, 44, 210, 170}));
}

TEST_F(FrameGeometry, NcSizingTallerNativeCaptionAddsAnExtraBand) {
  w.NativeCaptionHeight = 30;
  TNcCalcResult r = Calc();
  EXPECT_EQ(r.client.top, 50);
  EXPECT_EQ(r.extraBand, 6);

  // Without a caption the band goes, so it is never painted over the client.
  w.ExtraBand = 6;
  w.HasCaption = false;
  r = Calc();
  EXPECT_EQ(r.client.top, 20);
  EXPECT_EQ(r.extraBand, 0);
  w.HasCaption = true;
  w.Skinned = false;
  EXPECT_EQ(Calc().client.top, 20);
}

TEST_F(FrameGeometry, NcSizingWithoutNativeCaptionKeepsDefaultTopAndBottom) {
  w.NativeCaptionHeight = 0;
  EXPECT_EQ(Calc().client, (TRect{14, 41, 205, 169}));
}

TEST_F(FrameGeometry, NcSizingMaximizedMDIChildStartsAtZero) {
  w.IsMDIChild = true;
  EXPECT_EQ(Calc().client.top, 44);  // not maximized: as any window
  w.Maximized = true;
  EXPECT_EQ(Calc().client, (TRect{14, 0, 205, 164}));
  w.IsMDIChild = false;  // a maximized top-level window keeps its title
  EXPECT_EQ(Calc().client.top, 44);
}

TEST_F(FrameGeometry, NcSizingUninitializedForeignWindowKeepsDefault) {
  w.IsForeign = true;
  w.Initialized = false;
  w.ExtraBand = 3;
  TNcCalcResult r = Calc();
  EXPECT_FALSE(r.changed);
  EXPECT_EQ(r.client, (TRect{11, 41, 209, 169}));
  EXPECT_EQ(r.extraBand, 3);
  w.Initialized = true;
  EXPECT_TRUE(Calc().changed);
}

TEST_F(FrameGeometry, NcSizingWindowSmallerThanItsFrameGetsAnEmptyClient) {
  TNcCalcResult r = Calc(5, 10);
  EXPECT_EQ(r.client, (TRect{14, 44, 14, 44}));
}

TEST_F(FrameGeometry, NativeCaptionHeightDropsTheMenuRowExceptForMDIChildren) {
  EXPECT_EQ(FormNativeCaptionHeight(200, 150, true, false), 26);
  EXPECT_EQ(FormNativeCaptionHeight(200, 150, true, true), 46);
  EXPECT_EQ(FormNativeCaptionHeight(200, 150, false, false), 46);
  EXPECT_EQ(FormNativeCaptionHeight(200, 190, false, false), 23);
  EXPECT_EQ(ForeignNativeCaptionHeight(200, 150), 50);
}

TEST_F(FrameGeometry, ButtonAreaCountsShownButtons) {
  EXPECT_EQ(ButtonArea(s, w), 70);
  w.HasClose = w.HasMaximize = w.HasMinimize = false;
  EXPECT_EQ(ButtonArea(s, w), 13);
  w.HasHelp = true;  // help is not counted
  EXPECT_EQ(ButtonArea(s, w), 13);
  w.HasClose = true;
  EXPECT_EQ(ButtonArea(s, w), 32);
}

TEST_F(FrameGeometry, ThreeSectionTitleAtNormalWidth) {
  const TTitleText text = TitleTextRoom(m, s, w);
  EXPECT_EQ(text.bufferWidth, 200);
  EXPECT_EQ(text.bufferHeight, 24);
  EXPECT_EQ(text.textRoom, 200 - 22 - 70 - 4);
  const TTitleLayout t = TitleLayout(m, s, w, 50);
  const std::vector<TFramePiece> expected = {
      {Title3, {160, 0, 200, 24}}, {Title1, {0, 0, 30, 24}}, {Title2, {30, 0, 160, 24}}};
  EXPECT_EQ(t.pieces, expected);
  EXPECT_TRUE(t.fills.empty());
  EXPECT_EQ(t.captionX, 22);
  EXPECT_EQ(t.captionY, 6);
  EXPECT_EQ(t.iconX, 4);
  EXPECT_EQ(t.iconY, 5);
}

TEST_F(FrameGeometry, FiveSectionTitleClosesPieceTwoAfterTheText) {
  s.TitleFiveSect = true;
  w.Width = 300;
  EXPECT_EQ(TitleTextRoom(m, s, w).textRoom, 300 - 22 - (70 + 40) - 4);
  const std::vector<TFramePiece> expected = {{Title5, {250, 0, 300, 24}},
                                             {Title1, {0, 0, 30, 24}},
                                             {Title2, {30, 0, 74, 24}},
                                             {Title3, {74, 0, 114, 24}},
                                             {Title4, {114, 0, 250, 24}}};
  EXPECT_EQ(TitleLayout(m, s, w, 50).pieces, expected);
  // Text reaching past the right end: no filler.
  const TTitleLayout longText = TitleLayout(m, s, w, 200);
  EXPECT_EQ(longText.pieces.size(), 4u);
  EXPECT_EQ(longText.pieces.back(), (TFramePiece{Title3, {224, 0, 264, 24}}));
}

TEST_F(FrameGeometry, TooNarrowWindowSqueezesTheLeftPiece) {
  w.Width = 100;  // 100 - 70 == w(Title1): still fits
  EXPECT_EQ(TitleLayout(m, s, w, 0).pieces.size(), 3u);
  w.Width = 90;
  const std::vector<TFramePiece> expected = {{Title3, {50, 0, 90, 24}},
                                             {Title1, {0, 0, 30, 24}},
                                             {Title2, {30, 0, 50, 24}},
                                             {Title3, {50, 0, 90, 24}},
                                             {Title1, {0, 0, 50, 24}}};
  EXPECT_EQ(TitleLayout(m, s, w, 0).pieces, expected);
  EXPECT_EQ(TitleTextRoom(m, s, w).textRoom, 0);  // never negative

  // Five sections count piece 3 as button room.
  s.TitleFiveSect = true;
  w.Width = 130;
  EXPECT_EQ(TitleLayout(m, s, w, 0).pieces.back(), (TFramePiece{Title1, {0, 0, 80, 24}}));
}

TEST_F(FrameGeometry, TitleFillsRowsBelowTheLastPiece) {
  Set(Title2, 10, 20);
  w.NativeCaptionHeight = 30;
  w.ExtraBand = 6;
  EXPECT_EQ(TitleTextRoom(m, s, w).bufferHeight, 30);
  EXPECT_EQ(TitleLayout(m, s, w, 0).fills, (std::vector<TFrameFill>{{{4, 26, 195, 30}, m.FormColor}}));
  w.HasBorder = false;
  EXPECT_EQ(TitleLayout(m, s, w, 0).fills, (std::vector<TFrameFill>{{{0, 20, 200, 30}, m.FormColor}}));
  // Squeezed: the left piece is the last one.
  w.Width = 90;
  EXPECT_EQ(TitleLayout(m, s, w, 0).fills, (std::vector<TFrameFill>{{{0, 24, 90, 30}, m.FormColor}}));
}

TEST_F(FrameGeometry, MinimizedWindowStretchesTheMinimizedTitle) {
  s.TitleFiveSect = true;  // ignored when minimized
  w.Minimized = true;
  w.Width = 160;
  w.Height = 26;
  EXPECT_EQ(TitleTextRoom(m, s, w).textRoom, 160 - 22 - 70 - 4);
  const TTitleLayout t = TitleLayout(m, s, w, 40);
  EXPECT_EQ(t.pieces, (std::vector<TFramePiece>{{MinimizedTitle, {0, 0, 160, 26}}}));
  EXPECT_EQ(t.captionY, 4);
  EXPECT_EQ(t.iconY, 7);  // (26 - 15) div 2 = 5, and 2 more as 15 + 5 < 22

  const TTitleButtons b = TitleButtonLayout(m, s, w);
  ASSERT_EQ(b.buttons.size(), 3u);
  EXPECT_EQ(b.buttons[0].rect, Bounds(138, 7, 17, 15));
  EXPECT_EQ(b.buttons[2].rect, Bounds(100, 7, 17, 15));
  EXPECT_FALSE(BorderLayout(m, s, w).visible);

  Set(TitleButtons, 17 * kTitleButtonFrames, 18);  // 4 + 18 reaches 22: no extra rows
  EXPECT_EQ(TitleLayout(m, s, w, 0).iconY, 4);
  Set(TitleButtons, 17 * kTitleButtonFrames, 30);  // taller than the title: row 0
  EXPECT_EQ(TitleLayout(m, s, w, 0).iconY, 0);
}

TEST_F(FrameGeometry, IconAndCaptionPositions) {
  m.IconPosY = 3;
  m.IconPosX = -5;
  TTitleLayout t = TitleLayout(m, s, w, 0);
  EXPECT_EQ(t.iconY, 4);  // kept off the top edge
  EXPECT_EQ(t.iconX, 0);
  EXPECT_EQ(t.captionX, 13);
  w.HasIcon = false;
  EXPECT_EQ(TitleLayout(m, s, w, 0).captionX, -5);
  EXPECT_FALSE(TitleButtonLayout(m, s, w).hasIconHit);
}

TEST_F(FrameGeometry, ButtonRectanglesForOneTwoAndThreeButtons) {
  w.HasMaximize = w.HasMinimize = false;
  TTitleButtons b = TitleButtonLayout(m, s, w);
  ASSERT_EQ(b.buttons.size(), 1u);
  EXPECT_EQ(b.buttons[0].element, kCloseElement);
  EXPECT_EQ(b.buttons[0].rect, (TRect{176, 3, 193, 18}));
  EXPECT_EQ(b.buttons[0].hitRect, (TRect{176, 3, 192, 17}));

  w.HasMinimize = true;
  b = TitleButtonLayout(m, s, w);
  ASSERT_EQ(b.buttons.size(), 2u);
  EXPECT_EQ(b.buttons[1].element, kMinimizeElement);
  EXPECT_EQ(b.buttons[1].rect.left, 157);

  w.HasMaximize = true;
  b = TitleButtonLayout(m, s, w);
  ASSERT_EQ(b.buttons.size(), 3u);
  EXPECT_EQ(b.buttons[1].element, kMaximizeElement);
  EXPECT_EQ(b.buttons[1].rect.left, 157);
  EXPECT_EQ(b.buttons[2].rect.left, 138);
  EXPECT_EQ(ButtonFrame(b.buttons[0], false, false), 16);
  EXPECT_EQ(ButtonFrame(b.buttons[0], true, false), 17);
  EXPECT_EQ(ButtonFrame(b.buttons[0], true, true), 18);
  EXPECT_EQ(ButtonFrame(b.buttons[0], false, true), 16);
  EXPECT_EQ(ButtonFrame(b.buttons[1], false, false), 7);
  EXPECT_EQ(ButtonFrame(b.buttons[2], true, true), 15);
  w.Maximized = true;
  EXPECT_EQ(ButtonFrame(TitleButtonLayout(m, s, w).buttons[1], true, false), 11);

  w.HasHelp = true;
  b = TitleButtonLayout(m, s, w);
  ASSERT_EQ(b.buttons.size(), 4u);
  EXPECT_EQ(b.buttons[3].element, kHelpElement);
  EXPECT_EQ(b.buttons[3].rect.left, 119);
  EXPECT_EQ(ButtonFrame(b.buttons[3], true, true), 6);
}

TEST_F(FrameGeometry, HitTestFindsTheElementDrawnUnderThePointAndLaterElementsWin) {
  const TTitleButtons b = TitleButtonLayout(m, s, w);
  EXPECT_EQ(HitTestTitle(b, 176, 3), kCloseElement);
  EXPECT_EQ(HitTestTitle(b, 192, 17), kCloseElement);
  EXPECT_EQ(HitTestTitle(b, 193, 10), kNoElement);
  EXPECT_EQ(HitTestTitle(b, 176, 18), kNoElement);
  EXPECT_EQ(HitTestTitle(b, 173, 10), kMaximizeElement);
  EXPECT_EQ(HitTestTitle(b, 174, 10), kNoElement);  // the 2-pixel gap
  EXPECT_EQ(HitTestTitle(b, 175, 10), kNoElement);
  EXPECT_EQ(HitTestTitle(b, 150, 10), kMinimizeElement);
  EXPECT_EQ(HitTestTitle(b, 4, 5), kIconElement);
  EXPECT_EQ(HitTestTitle(b, 19, 20), kIconElement);
  EXPECT_EQ(HitTestTitle(b, 20, 20), kNoElement);
  EXPECT_EQ(HitTestTitle(b, 3, 5), kNoElement);

  // A narrow window's buttons cover the icon; the button wins.
  w.Width = 40;
  const TTitleButtons narrow = TitleButtonLayout(m, s, w);
  EXPECT_EQ(HitTestTitle(narrow, 17, 10), kCloseElement);
  EXPECT_EQ(HitTestTitle(narrow, 5, 10), kMaximizeElement);
  EXPECT_EQ(HitTestTitle(narrow, 5, 19), kIconElement);
}

TEST_F(FrameGeometry, ClientPointsReachTheFrameWhereTheClientAreaSits) {
  // Borders of 4 and no band: the client starts at (4, 24).
  EXPECT_EQ(FramePointOfClient(m, w, 10, -20), (TPoint{14, 4}));
  // A 2-pixel border still keeps the client 4 pixels in; a taller native caption adds its
  // band below the title.
  m.LeftBorderWidth = 2;
  w.NativeCaptionHeight = 30;
  EXPECT_EQ(FramePointOfClient(m, w, 10, -20), (TPoint{14, 10}));
  w.HasBorder = false;
  EXPECT_EQ(FramePointOfClient(m, w, 10, -20), (TPoint{10, 10}));
  // So a point over a drawn button is the button, whatever the border and band.
  w.HasBorder = true;
  const TTitleButtons b = TitleButtonLayout(m, s, w);
  const TPoint close = FramePointOfClient(m, w, 176 - 4, 3 - 30);
  EXPECT_EQ(HitTestTitle(b, close.x, close.y), kCloseElement);
}

TEST_F(FrameGeometry, BordersAndBottomPieces) {
  TBorderLayout b = BorderLayout(m, s, w);
  ASSERT_TRUE(b.visible);
  EXPECT_EQ(b.sides,
            (std::vector<TFramePiece>{{LeftBorder, {0, 24, 4, 144}}, {RightBorder, {195, 24, 200, 144}}}));
  EXPECT_TRUE(b.bottomFromThirds);
  EXPECT_TRUE(b.bottom.empty());
  EXPECT_EQ(b.bottomY, 144);
  EXPECT_EQ(b.bottomHeight, 6);
  EXPECT_TRUE(b.gapFills.empty());

  s.BottomThreeSect = true;
  b = BorderLayout(m, s, w);
  EXPECT_FALSE(b.bottomFromThirds);
  EXPECT_EQ(b.bottom,
            (std::vector<TFramePiece>{
                {Bottom1, {0, 0, 30, 6}}, {Bottom3, {188, 0, 200, 6}}, {Bottom2, {30, 0, 188, 6}}}));

  w.IsMDIChild = w.Maximized = true;
  EXPECT_EQ(BorderLayout(m, s, w).sides[0].dest.top, 0);
  w.HasBorder = false;
  EXPECT_FALSE(BorderLayout(m, s, w).visible);
}

TEST_F(FrameGeometry, GapFillsBesideThinBorders) {
  m.LeftBorderWidth = m.RightBorderWidth = m.BottomBorderHeight = 2;
  w.MenuBarHeight = 20;
  const TColor f = m.FormColor, menu = m.MenuColors[0], grey = 0x808080, white = 0xFFFFFF;
  const std::vector<TFrameFill> expected = {
      {{2, 44, 4, 148}, f},       {{2, 24, 4, 44}, menu},     {{2, 44, 4, 45}, grey},
      {{2, 45, 4, 46}, white},    {{2, 146, 198, 148}, f},    {{196, 44, 198, 148}, f},
      {{196, 24, 198, 44}, menu}, {{196, 44, 198, 45}, grey}, {{196, 45, 198, 46}, white}};
  EXPECT_EQ(BorderLayout(m, s, w).gapFills, expected);

  // Menu bar in the form colour: no lines.
  m.MenuColors[0] = f;
  EXPECT_EQ(BorderLayout(m, s, w).gapFills.size(), 5u);
  // No menu bar: the form colour from the title down.
  w.MenuBarHeight = 0;
  m.MenuColors[0] = menu;
  EXPECT_EQ(BorderLayout(m, s, w).gapFills[0], (TFrameFill{{2, 24, 4, 148}, f}));
  EXPECT_EQ(BorderLayout(m, s, w).gapFills.size(), 3u);
}

TEST_F(FrameGeometry, GapFillsWithExtraBandPutLinesUnderTheMenuBar) {
  m.LeftBorderWidth = 2;
  w.MenuBarHeight = 20;
  w.ExtraBand = 6;
  const TColor menu = m.MenuColors[0];
  const std::vector<TFrameFill> expected = {{{2, 50, 4, 144}, m.FormColor},
                                            {{2, 30, 4, 50}, menu},
                                            {{2, 50, 4, 51}, 0x808080},
                                            {{2, 51, 4, 52}, 0xFFFFFF},
                                            {{2, 24, 195, 30}, menu}};
  EXPECT_EQ(BorderLayout(m, s, w).gapFills, expected);  // right and bottom are wide enough
}

}  // namespace
}  // namespace zentavo
