// The progress bar and track bar looks without windows: where the filled part ends, how
// the caps and parts are stretched, the channel and focus rectangles, and which ticks are
// drawn for each tick style and side.
#include <gtest/gtest.h>

#include "skin/ProgressBarLook.h"
#include "skin/SkinImages.h"
#include "skin/TrackBarLook.h"

namespace zentavo::test {
namespace {

constexpr TColor kForm = 0x102030, kMask = 0xFF00FF;

// An image whose two top rows, middle rows and two bottom rows differ, so that the
// 2-pixel edges can be told from a third of the height.
TBitmap Banded(int width, int height, TColor top, TColor middle, TColor bottom) {
  TBitmap image(width, height);
  image.Fill(middle);
  for (int x = 0; x < width; ++x) {
    for (int y : {0, 1}) image.SetPixel(x, y, top);
    for (int y : {height - 2, height - 1}) image.SetPixel(x, y, bottom);
  }
  return image;
}

TsuiSkinProgressBarRes ProgressRes(int leftCap, int rightCap) {
  TsuiSkinProgressBarRes res;
  const TColor middles[] = {0x000011, 0x002200, 0x330000, 0x444444};
  const int widths[] = {leftCap, 5, 5, rightCap};
  for (int i = 0; i < 4; ++i) {
    res.HorzImages[i] = Banded(widths[i], 9, 0xAAAAAA, middles[i], 0x555555);
    res.VertImages[i] = res.HorzImages[i];
    RotateQuarterLeft(res.VertImages[i]);
  }
  res.LeftCapWidth = leftCap;
  res.RightCapWidth = rightCap;
  return res;
}

TEST(ProgressBarLook, HalfOfARangeFillsHalfTheBarBetweenTheCapsInWideArithmetic) {
  const TProgressBarParts parts = ProgressBarParts(200, 17, false, 4, 4, {0, 100, 50});
  EXPECT_EQ(parts.nearCap, (TRect{0, 0, 4, 17}));
  EXPECT_EQ(parts.filled, (TRect{4, 0, 100, 17}));  // 50 x 192 / 100 = 96
  EXPECT_EQ(parts.empty, (TRect{100, 0, 196, 17}));
  EXPECT_EQ(parts.farCap, (TRect{196, 0, 200, 17}));
  EXPECT_EQ(ProgressFillLength(1'000'000'000, 0, 2'000'000'000, 192), 96);
  EXPECT_EQ(ProgressFillLength(-5, 0, 100, 192), 0);
  EXPECT_EQ(ProgressFillLength(150, 0, 100, 192), 192);
  EXPECT_EQ(ProgressFillLength(50, 0, 100, -10), 0);  // narrower than its caps
}

TEST(ProgressBarLook, MaxAtOrBelowMinShowsOnlyTheCapsAndTheEmptyPart) {
  for (const TProgressBarValues values : {TProgressBarValues{5, 5, 5}, TProgressBarValues{9, 3, 4}}) {
    const TProgressBarParts parts = ProgressBarParts(200, 17, false, 4, 4, values);
    EXPECT_TRUE(parts.filled.Empty());
    EXPECT_EQ(parts.empty, (TRect{4, 0, 196, 17}));
    const TBitmap bar = ComposeProgressBar(ProgressRes(4, 4), 200, 17, false, values, kForm);
    for (int x = 0; x < 200; ++x) EXPECT_NE(bar.Pixel(x, 8), 0x002200u) << x;
  }
}

TEST(ProgressBarLook, HorizontalPartsAreStretchedAcrossKeepingTwoRowsAtTopAndBottom) {
  const TBitmap bar = ComposeProgressBar(ProgressRes(4, 6), 200, 17, false, {0, 100, 50}, kForm);
  // 50 x 190 / 100 = 95: filled to x = 99, empty from 99 to 194.
  EXPECT_EQ(bar.Pixel(3, 8), 0x000011u);
  EXPECT_EQ(bar.Pixel(4, 8), 0x002200u);
  EXPECT_EQ(bar.Pixel(98, 8), 0x002200u);
  EXPECT_EQ(bar.Pixel(99, 8), 0x330000u);
  EXPECT_EQ(bar.Pixel(193, 8), 0x330000u);
  EXPECT_EQ(bar.Pixel(194, 8), 0x444444u);
  EXPECT_EQ(bar.Pixel(199, 8), 0x444444u);
  for (int x : {0, 50, 150, 199}) {
    EXPECT_EQ(bar.Pixel(x, 1), 0xAAAAAAu) << x;
    EXPECT_EQ(bar.Pixel(x, 2), bar.Pixel(x, 8)) << x;
    EXPECT_EQ(bar.Pixel(x, 15), 0x555555u) << x;
    EXPECT_EQ(bar.Pixel(x, 14), bar.Pixel(x, 8)) << x;
  }
}

TEST(ProgressBarLook, AVerticalBarFillsUpwardsFromTheBottomCap) {
  // Bottom cap as high as the left cap is wide (4), top cap as the right one (6).
  const TProgressBarParts parts = ProgressBarParts(17, 200, true, 4, 6, {0, 100, 50});
  EXPECT_EQ(parts.nearCap, (TRect{0, 196, 17, 200}));
  EXPECT_EQ(parts.filled, (TRect{0, 101, 17, 196}));  // 50 x 190 / 100 = 95
  EXPECT_EQ(parts.empty, (TRect{0, 6, 17, 101}));
  EXPECT_EQ(parts.farCap, (TRect{0, 0, 17, 6}));
  const TBitmap bar = ComposeProgressBar(ProgressRes(4, 6), 17, 200, true, {0, 100, 50}, kForm);
  EXPECT_EQ(bar.Pixel(8, 199), 0x000011u);
  EXPECT_EQ(bar.Pixel(8, 195), 0x002200u);
  EXPECT_EQ(bar.Pixel(8, 101), 0x002200u);
  EXPECT_EQ(bar.Pixel(8, 100), 0x330000u);
  EXPECT_EQ(bar.Pixel(8, 5), 0x444444u);
  // Turned images: their top rows are now the left columns, kept 2 wide.
  EXPECT_EQ(bar.Pixel(1, 150), 0xAAAAAAu);
  EXPECT_EQ(bar.Pixel(2, 150), 0x002200u);
  EXPECT_EQ(bar.Pixel(15, 150), 0x555555u);
}

TEST(TrackBarLook, TheChannelIsCentredAcrossAndAVerticalOneIsReportedLyingDown) {
  EXPECT_EQ(TrackChannelRect({8, 10, 142, 14}, false, 30, 6), (TRect{8, 9, 142, 15}));
  // Vertical: (8, 10, 142, 14) means x 10..14, y 8..142; (4 - 6) div 2 + 2 = 1.
  EXPECT_EQ(TrackChannelRect({8, 10, 142, 14}, true, 6, 30), (TRect{11, 8, 17, 142}));
  EXPECT_EQ(TrackFocusRect({8, 9, 142, 15}, {50, 4, 61, 24}, false), (TRect{4, 2, 146, 26}));
  EXPECT_EQ(TrackFocusRect({11, 8, 17, 142}, {4, 60, 24, 71}, true), (TRect{2, 4, 26, 146}));
}

TEST(TrackBarLook, AutoTicksDrawTheInnerPositionsAndTwoEndTicksOnTheChosenSides) {
  const TRect focus{4, 2, 146, 26};
  const std::vector<int> inner{21, 34, 47, 60, 73, 86, 99, 112, 125};  // 11 ticks: 9 inner
  const auto below = TrackTickLines(focus, false, TTrackTickStyle::Auto, TTrackTickMarks::BottomRight, inner);
  ASSERT_EQ(below.size(), 11u);
  EXPECT_EQ(below[0], (TRect{21, 26, 22, 29}));
  EXPECT_EQ(below[9], (TRect{12, 26, 13, 29}));     // F.left + 8
  EXPECT_EQ(below[10], (TRect{138, 26, 139, 29}));  // F.right - 8
  const auto above = TrackTickLines(focus, false, TTrackTickStyle::Auto, TTrackTickMarks::TopLeft, inner);
  ASSERT_EQ(above.size(), 11u);
  EXPECT_EQ(above[0], (TRect{21, -1, 22, 2}));
  EXPECT_EQ(TrackTickLines(focus, false, TTrackTickStyle::Auto, TTrackTickMarks::Both, inner).size(), 22u);

  const TRect upright{2, 4, 26, 146};
  const auto sides = TrackTickLines(upright, true, TTrackTickStyle::Auto, TTrackTickMarks::Both, {50});
  ASSERT_EQ(sides.size(), 6u);
  EXPECT_EQ(sides[0], (TRect{0, 50, 3, 51}));      // x = F.left - 2 .. F.left
  EXPECT_EQ(sides[1], (TRect{27, 50, 30, 51}));    // x = F.right + 1 .. F.right + 3
  EXPECT_EQ(sides[2], (TRect{0, 12, 3, 13}));      // F.top + 8
  EXPECT_EQ(sides[5], (TRect{27, 138, 30, 139}));  // F.bottom - 8
}

TEST(TrackBarLook, TickStylesNoneAndManualDrawNoTicks) {
  for (TTrackTickStyle style : {TTrackTickStyle::None, TTrackTickStyle::Manual}) {
    EXPECT_TRUE(TrackTickLines({4, 2, 146, 26}, false, style, TTrackTickMarks::Both, {20, 40}).empty());
    TTrackBarState state{150, 30, false, {8, 13, 142, 17}, {50, 4, 61, 24}, style, TTrackTickMarks::Both,
                         {20}};
    const TBitmap bar = ComposeTrackBar(state, {nullptr, nullptr, kForm, kMask});
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 150; ++x) ASSERT_EQ(bar.Pixel(x, y), kForm) << x << "," << y;
  }
}

TEST(TrackBarLook, TheSliderLeavesOutItsTransparentPixelsAndTheFocusRectangleSurroundsTheChannel) {
  TBitmap channel(9, 4);
  channel.Fill(0x00AA00);
  TBitmap slider(4, 4);
  slider.Fill(0x0000AA);
  slider.SetPixel(0, 0, kMask);
  TTrackBarState state{
      150, 30,  false, {8, 13, 142, 17}, {50, 4, 58, 12}, TTrackTickStyle::Auto, TTrackTickMarks::BottomRight,
      {},  true};
  const TBitmap bar = ComposeTrackBar(state, {&channel, &slider, kForm, kMask});
  EXPECT_EQ(bar.Pixel(20, 14), 0x00AA00u);  // channel rows 13..16
  EXPECT_EQ(bar.Pixel(20, 12), kForm);
  EXPECT_EQ(bar.Pixel(57, 11), 0x0000AAu);  // slider stretched twice over 50..57
  EXPECT_EQ(bar.Pixel(50, 4), kForm);       // its transparent corner, doubled
  EXPECT_EQ(bar.Pixel(51, 5), kForm);
  // F = (4, 2, 146, 14): inverted on even (x + y); ticks 3 rows from y = 14.
  EXPECT_EQ(bar.Pixel(4, 2), kForm ^ 0xFFFFFF);
  EXPECT_EQ(bar.Pixel(5, 2), kForm);
  EXPECT_EQ(bar.Pixel(12, 14), 0u);
  EXPECT_EQ(bar.Pixel(12, 16), 0u);
  EXPECT_EQ(bar.Pixel(12, 17), kForm);
  EXPECT_EQ(bar.Pixel(138, 15), 0u);
}

}  // namespace
}  // namespace zentavo::test
