#include <gtest/gtest.h>

#include "SkinPixelTestData.h"
#include "skin/ScrollBarLook.h"
#include "skin/SkinPieces.h"

namespace zentavo {
namespace {

using test::Code;
using test::Coded;
using test::Filled;

constexpr TColor kBar = RGBColor(0xCB, 0xCB, 0xCB);

// A resource set made by hand: 16-pixel-wide pieces, each of one colour so that a pixel
// tells which piece drew it.
constexpr TColor kTopCap = RGBColor(10, 0, 0), kUpperFiller = RGBColor(20, 0, 0), kGrip = RGBColor(30, 0, 0),
                 kLowerFiller = RGBColor(40, 0, 0), kBottomCap = RGBColor(50, 0, 0), kUp = RGBColor(60, 0, 0),
                 kDown = RGBColor(70, 0, 0);

TsuiSkinScrollBtnRes PieceRes(int gripLength, int fillerLength = 4) {
  TsuiSkinScrollBtnRes res;
  res.VertUpArrow = Filled(16, 16, kUp);
  res.VertDownArrow = Filled(16, 16, kDown);
  res.HorzLeftArrow = Filled(16, 16, kUp);
  res.HorzRightArrow = Filled(16, 16, kDown);
  const TColor colours[5] = {kTopCap, kUpperFiller, kGrip, kLowerFiller, kBottomCap};
  const int lengths[5] = {3, fillerLength, gripLength, fillerLength, 3};
  for (int i = 0; i < 5; ++i) {
    res.VertThumbPieces[i] = Filled(16, lengths[i], colours[i]);
    res.HorzThumbPieces[i] = Filled(lengths[i], 16, colours[i]);
  }
  res.ThumbWidth = 16;
  return res;
}

// The steps after the track and the two arrows: the thumb's.
std::vector<TScrollBarStep> ThumbSteps(const std::vector<TScrollBarStep>& plan) {
  return std::vector<TScrollBarStep>(plan.begin() + 3, plan.end());
}

// The colour of each row of column x.
std::vector<TColor> Column(const TBitmap& b, int x, int from, int to) {
  std::vector<TColor> out;
  for (int y = from; y < to; ++y) out.push_back(b.Pixel(x, y));
  return out;
}

std::vector<TColor> Repeat(std::initializer_list<std::pair<TColor, int>> runs) {
  std::vector<TColor> out;
  for (auto [colour, count] : runs) out.insert(out.end(), count, colour);
  return out;
}

TEST(ScrollBarLookTest, TrackAndArrowsFillTheBarWithSixteenPixelArrowsAsWideAsTheBar) {
  const TsuiSkinScrollBtnRes res = PieceRes(5);
  const auto plan = ScrollBarPlan(res, {0, 0, 17, 100}, {0, 20, 16, 40}, true, true);
  ASSERT_GE(plan.size(), 3u);
  EXPECT_EQ(plan[0], (TScrollBarStep{nullptr, {}, {0, 0, 17, 100}, false}));
  EXPECT_EQ(plan[1], (TScrollBarStep{&res.VertUpArrow, {0, 0, 16, 16}, {0, 0, 17, 16}, true}));
  EXPECT_EQ(plan[2], (TScrollBarStep{&res.VertDownArrow, {0, 0, 16, 16}, {0, 84, 17, 100}, true}));

  TBitmap canvas(17, 100);
  DrawSkinScrollBar(canvas, res, kBar, {0, 0, 17, 100}, {0, 20, 16, 40}, true, true);
  EXPECT_EQ(canvas.Pixel(16, 0), kUp);
  EXPECT_EQ(canvas.Pixel(16, 99), kDown);
  // The thumb is 16 wide; the bar's last column is track beside it.
  EXPECT_EQ(canvas.Pixel(16, 30), kBar);
  EXPECT_EQ(canvas.Pixel(5, 60), kBar);

  // No arrow images: the track only.
  TsuiSkinScrollBtnRes bare = res;
  bare.VertUpArrow = TBitmap();
  bare.VertDownArrow = TBitmap();
  EXPECT_EQ(ScrollBarPlan(bare, {0, 0, 17, 100}, {}, false, true).size(), 1u);
}

TEST(ScrollBarLookTest, TenPixelThumbStretchesTheGripOverTheMiddleWithoutFillers) {
  // room = 10 - 6 = 4 is less than the grip's 5 rows.
  const TsuiSkinScrollBtnRes res = PieceRes(5);
  const TRect thumb{0, 20, 16, 30};
  const auto steps = ThumbSteps(ScrollBarPlan(res, {0, 0, 16, 100}, thumb, true, true));
  const std::vector<TScrollBarStep> expected{
      {&res.VertThumbPieces[0], {0, 0, 16, 3}, {0, 20, 16, 23}, false},
      {&res.VertThumbPieces[4], {0, 0, 16, 3}, {0, 27, 16, 30}, false},
      {&res.VertThumbPieces[2], {0, 0, 16, 5}, {0, 23, 16, 27}, true},
  };
  EXPECT_EQ(steps, expected);

  TBitmap canvas(16, 100);
  DrawSkinScrollBar(canvas, res, kBar, {0, 0, 16, 100}, thumb, true, true);
  EXPECT_EQ(Column(canvas, 3, 19, 31),
            Repeat({{kBar, 1}, {kTopCap, 3}, {kGrip, 4}, {kBottomCap, 3}, {kBar, 1}}));
}

TEST(ScrollBarLookTest, FortyPixelThumbCentresTheGripBetweenTheFillers) {
  // d = (34 - 6) div 2 = 14: upper filler rows 3..16, grip 17..22, lower filler 23..36.
  const TsuiSkinScrollBtnRes res = PieceRes(6);
  const int top = 30;
  const TRect thumb{0, top, 16, top + 40};
  const auto steps = ThumbSteps(ScrollBarPlan(res, {0, 0, 16, 120}, thumb, true, true));
  const std::vector<TScrollBarStep> expected{
      {&res.VertThumbPieces[0], {0, 0, 16, 3}, {0, top, 16, top + 3}, false},
      {&res.VertThumbPieces[4], {0, 0, 16, 3}, {0, top + 37, 16, top + 40}, false},
      {&res.VertThumbPieces[2], {0, 0, 16, 6}, {0, top + 17, 16, top + 23}, false},
      {&res.VertThumbPieces[3], {0, 0, 16, 4}, {0, top + 23, 16, top + 37}, true},
      {&res.VertThumbPieces[1], {0, 0, 16, 4}, {0, top + 3, 16, top + 17}, true},
  };
  EXPECT_EQ(steps, expected);

  TBitmap canvas(16, 120);
  DrawSkinScrollBar(canvas, res, kBar, {0, 0, 16, 120}, thumb, true, true);
  EXPECT_EQ(Column(canvas, 8, top, top + 40),
            Repeat({{kTopCap, 3}, {kUpperFiller, 14}, {kGrip, 6}, {kLowerFiller, 14}, {kBottomCap, 3}}));

  // The horizontal bar is the same with x and y exchanged.
  const TRect across{top, 0, top + 40, 16};
  const auto horz = ThumbSteps(ScrollBarPlan(res, {0, 0, 120, 16}, across, true, false));
  ASSERT_EQ(horz.size(), 5u);
  EXPECT_EQ(horz[0], (TScrollBarStep{&res.HorzThumbPieces[0], {0, 0, 3, 16}, {top, 0, top + 3, 16}, false}));
  EXPECT_EQ(horz[2], (TScrollBarStep{&res.HorzThumbPieces[2], {0, 0, 6, 16}, {top + 17, 0, top + 23, 16}, false}));
  EXPECT_EQ(horz[4], (TScrollBarStep{&res.HorzThumbPieces[1], {0, 0, 4, 16}, {top + 3, 0, top + 17, 16}, true}));
  TBitmap wide(120, 16);
  DrawSkinScrollBar(wide, res, kBar, {0, 0, 120, 16}, across, true, false);
  for (int i = 0; i < 40; ++i) EXPECT_EQ(wide.Pixel(top + i, 8), canvas.Pixel(8, top + i)) << i;
  EXPECT_EQ(wide.Pixel(0, 8), kUp);
  EXPECT_EQ(wide.Pixel(119, 8), kDown);
}

TEST(ScrollBarLookTest, ShortThumbShowsOnlyTheFarEndOfItsLastCap) {
  TsuiSkinScrollBtnRes res = PieceRes(5);
  res.VertThumbPieces[4] = Coded(16, 3);
  // th = 4: rows max(0, 3 - 2) = 1 .. 2 of the bottom cap stretched over its three rows.
  const auto steps = ThumbSteps(ScrollBarPlan(res, {0, 0, 16, 100}, {0, 50, 16, 54}, true, true));
  ASSERT_GE(steps.size(), 2u);
  EXPECT_EQ(steps[1], (TScrollBarStep{&res.VertThumbPieces[4], {0, 1, 16, 3}, {0, 51, 16, 54}, false}));
  TBitmap canvas(16, 100);
  DrawSkinScrollBar(canvas, res, kBar, {0, 0, 16, 100}, {0, 50, 16, 54}, true, true);
  EXPECT_EQ(canvas.Pixel(4, 51), Code(4, 1));
  EXPECT_EQ(canvas.Pixel(4, 53), Code(4, 2));
  EXPECT_EQ(canvas.Pixel(4, 50), kTopCap);
}

TEST(ScrollBarLookTest, SpecialThumbIsDrawnInThreeEqualPartsFromSixteenPixelsOn) {
  TsuiSkinScrollBtnRes res = PieceRes(5);
  res.HasSpecialThumb = true;
  res.SpecialThumb = Coded(16, 33);
  TBitmap turned = Coded(33, 16);
  res.SpecialThumbHorz = turned;

  const TRect thumb{0, 20, 16, 60};
  const auto steps = ThumbSteps(ScrollBarPlan(res, {0, 0, 16, 100}, thumb, true, true));
  std::vector<TScrollBarStep> expected;
  for (const TSkinPiece& p : VertThreePartPieces(16, 33, thumb, 0))
    expected.push_back({&*res.SpecialThumb, p.source, p.dest, false});
  ASSERT_EQ(expected.size(), 3u);
  EXPECT_EQ(steps, expected);
  TBitmap canvas(16, 100);
  DrawSkinScrollBar(canvas, res, kBar, {0, 0, 16, 100}, thumb, true, true);
  EXPECT_EQ(canvas.Pixel(2, 20), Code(2, 0));
  EXPECT_EQ(canvas.Pixel(2, 59), Code(2, 32));

  // At 16 pixels the end parts overlap and the middle has no room: nothing of it is drawn.
  const auto sixteen = ThumbSteps(ScrollBarPlan(res, {0, 0, 16, 100}, {0, 20, 16, 36}, true, true));
  ASSERT_EQ(sixteen.size(), 2u);
  EXPECT_EQ(sixteen[0], (TScrollBarStep{&*res.SpecialThumb, {0, 0, 16, 11}, {0, 20, 16, 31}, false}));
  EXPECT_EQ(sixteen[1], (TScrollBarStep{&*res.SpecialThumb, {0, 22, 16, 33}, {0, 25, 16, 36}, false}));

  const TRect across{20, 0, 36, 16};
  const auto horz = ThumbSteps(ScrollBarPlan(res, {0, 0, 100, 16}, across, true, false));
  ASSERT_FALSE(horz.empty());
  EXPECT_EQ(horz[0].image, &*res.SpecialThumbHorz);

  // A thumb of 15 pixels takes the five pieces.
  const auto shorter = ThumbSteps(ScrollBarPlan(res, {0, 0, 16, 100}, {0, 20, 16, 35}, true, true));
  ASSERT_FALSE(shorter.empty());
  EXPECT_EQ(shorter[0].image, &res.VertThumbPieces[0]);
}

TEST(ScrollBarLookTest, BarWithoutThumbDrawsTrackAndArrowsOnly) {
  const TsuiSkinScrollBtnRes res = PieceRes(5);
  // A disabled bar, and a bar too short for a thumb (reported with no length).
  EXPECT_EQ(ScrollBarPlan(res, {0, 0, 16, 100}, {0, 20, 16, 60}, false, true).size(), 3u);
  EXPECT_EQ(ScrollBarPlan(res, {0, 0, 16, 30}, {0, 0, 16, 0}, true, true).size(), 3u);
  TBitmap canvas(16, 100);
  DrawSkinScrollBar(canvas, res, kBar, {0, 0, 16, 100}, {0, 20, 16, 60}, false, true);
  EXPECT_EQ(Column(canvas, 8, 16, 84), Repeat({{kBar, 68}}));
}

TEST(ScrollBarLookTest, OverlayCoversTheNativeBarWithThumbAtMostSixteenAcross) {
  const TNativeScrollBar vert{{200, 10, 217, 150}, 30, 70, 0};
  const TScrollOverlayPlace v = PlaceScrollOverlay(vert, true, 20);
  EXPECT_TRUE(v.shown);
  EXPECT_EQ(v.bounds, (TRect{200, 10, 217, 150}));
  EXPECT_EQ(v.BarRect(), (TRect{0, 0, 17, 140}));
  EXPECT_EQ(v.thumb, (TRect{0, 30, 16, 70}));
  EXPECT_TRUE(v.thumbVisible);
  // A skin thumb narrower than 16 keeps its own width.
  EXPECT_EQ(PlaceScrollOverlay(vert, true, 12).thumb, (TRect{0, 30, 12, 70}));

  const TNativeScrollBar horz{{10, 150, 200, 167}, 40, 90, kScrollStateUnavailable};
  const TScrollOverlayPlace h = PlaceScrollOverlay(horz, false, 20);
  EXPECT_TRUE(h.shown);
  EXPECT_EQ(h.thumb, (TRect{40, 0, 90, 16}));
  EXPECT_FALSE(h.thumbVisible);  // a disabled bar shows no thumb
  // Other state bits beside "unavailable" leave the thumb.
  EXPECT_TRUE(PlaceScrollOverlay({{10, 150, 200, 167}, 40, 90, 0x9}, false, 20).thumbVisible);
}

TEST(ScrollBarLookTest, InvisibleOrImplausibleBarsHideTheirOverlay) {
  const TRect bar{200, 10, 217, 150};
  EXPECT_FALSE(PlaceScrollOverlay({bar, 0, 0, kScrollStateInvisible}, true, 16).shown);
  // A bar the system hides is reported invisible and off-screen together.
  EXPECT_FALSE(PlaceScrollOverlay({bar, 0, 0, kScrollStateInvisible | kScrollStateOffscreen}, true, 16).shown);
  EXPECT_TRUE(PlaceScrollOverlay({bar, 0, 0, kScrollStateOffscreen}, true, 16).shown);

  // Vertical: thickness from 0 to 100 inclusive, length not negative.
  EXPECT_TRUE(PlaceScrollOverlay({{0, 0, 100, 50}, 0, 0, 0}, true, 16).shown);
  EXPECT_FALSE(PlaceScrollOverlay({{0, 0, 101, 50}, 0, 0, 0}, true, 16).shown);
  EXPECT_FALSE(PlaceScrollOverlay({{10, 0, 9, 50}, 0, 0, 0}, true, 16).shown);
  EXPECT_FALSE(PlaceScrollOverlay({{0, 50, 17, 49}, 0, 0, 0}, true, 16).shown);
  // Horizontal: thickness below 100, length not negative.
  EXPECT_TRUE(PlaceScrollOverlay({{0, 0, 50, 99}, 0, 0, 0}, false, 16).shown);
  EXPECT_FALSE(PlaceScrollOverlay({{0, 0, 50, 100}, 0, 0, 0}, false, 16).shown);
  EXPECT_FALSE(PlaceScrollOverlay({{0, 10, 50, 9}, 0, 0, 0}, false, 16).shown);
  EXPECT_FALSE(PlaceScrollOverlay({{50, 0, 49, 17}, 0, 0, 0}, false, 16).shown);
}

TEST(ScrollBarLookTest, CornerSquareLiesBetweenTwoShownBarsInsideTheBorder) {
  const TScrollOverlayPlace vert = PlaceScrollOverlay({{180, 2, 197, 83}, 0, 10, 0}, true, 16);
  const TScrollOverlayPlace horz = PlaceScrollOverlay({{2, 83, 180, 100}, 0, 10, 0}, false, 16);
  ASSERT_TRUE(vert.shown && horz.shown);
  // A control of 199 x 102 with a two-pixel border.
  EXPECT_EQ(ScrollCorner(199, 102, vert, horz), (TRect{180, 83, 197, 100}));
  EXPECT_FALSE(ScrollCorner(199, 102, vert, TScrollOverlayPlace{}).has_value());
  EXPECT_FALSE(ScrollCorner(199, 102, TScrollOverlayPlace{}, horz).has_value());
}

}  // namespace
}  // namespace zentavo
