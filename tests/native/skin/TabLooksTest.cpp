// The tab control's look without windows: tab pictures, their turns on the four sides,
// where caption and image go, and the page frame with its tab line.
#include <gtest/gtest.h>

#include "skin/TabLooks.h"

namespace zentavo::test {
namespace {

constexpr TColor kForm = 0x102030, kBorder = 0x0000FF, kMask = 0xFF00FF;
constexpr TColor kOuter = 0x00AA00, kInner = 0xAA0000;  // the tab line's two rows

TBitmap Filled(int width, int height, TColor colour) {
  TBitmap image(width, height);
  image.Fill(colour);
  return image;
}

// A tab strip frame of three 3-pixel parts, its three rows in different colours.
TBitmap RowedTab(int height) {
  TBitmap image(9, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < 9; ++x) image.SetPixel(x, y, 0x010101u * static_cast<unsigned>(10 + y));
  return image;
}

TEST(TabLooks, ATabTwoPixelsTallerThanItsImageIsStretchedDownInThreeParts) {
  const TBitmap image = RowedTab(6);  // a third: 2 rows at top and bottom
  const TBitmap stretched = ComposeTabPicture(&image, 20, 8);
  EXPECT_EQ(stretched.Pixel(10, 0), 0x0A0A0Au);
  EXPECT_EQ(stretched.Pixel(10, 1), 0x0B0B0Bu);
  EXPECT_EQ(stretched.Pixel(10, 6), 0x0E0E0Eu);
  EXPECT_EQ(stretched.Pixel(10, 7), 0x0F0F0Fu);
  // One pixel taller: drawn once, its last row left black.
  const TBitmap once = ComposeTabPicture(&image, 20, 7);
  EXPECT_EQ(once.Pixel(10, 5), 0x0F0F0Fu);
  EXPECT_EQ(once.Pixel(10, 6), 0u);
}

TEST(TabLooks, ADialogTabKeepsItsImageAtItsOwnHeightAtTopAndBottom) {
  const TBitmap image = RowedTab(6);
  // Twenty rows: the image at rows 0-5 and 13-18, the form colour between, the last row
  // below the bottom copy left in the form colour too.
  const TBitmap tall = ComposeStackedTabPicture(&image, 20, 20, kForm);
  EXPECT_EQ(tall.Pixel(10, 0), 0x0A0A0Au);
  EXPECT_EQ(tall.Pixel(10, 5), 0x0F0F0Fu);
  EXPECT_EQ(tall.Pixel(10, 6), kForm);
  EXPECT_EQ(tall.Pixel(10, 12), kForm);
  EXPECT_EQ(tall.Pixel(10, 13), 0x0A0A0Au);
  EXPECT_EQ(tall.Pixel(10, 18), 0x0F0F0Fu);
  EXPECT_EQ(tall.Pixel(10, 19), kForm);
  // Eight rows: the bottom copy starts at row 1 and the top copy covers it from row 0 on.
  const TBitmap overlapping = ComposeStackedTabPicture(&image, 20, 8, kForm);
  EXPECT_EQ(overlapping.Pixel(10, 0), 0x0A0A0Au);
  EXPECT_EQ(overlapping.Pixel(10, 5), 0x0F0F0Fu);
  EXPECT_EQ(overlapping.Pixel(10, 6), 0x0F0F0Fu);  // the bottom copy's last row
  EXPECT_EQ(overlapping.Pixel(10, 7), kForm);
  // One row taller than the image: drawn once, the rest the form colour.
  const TBitmap once = ComposeStackedTabPicture(&image, 20, 7, kForm);
  EXPECT_EQ(once.Pixel(10, 5), 0x0F0F0Fu);
  EXPECT_EQ(once.Pixel(10, 6), kForm);
  // The control composes stacked tabs when asked to.
  TTabLooks looks{&image, &image, nullptr, kForm, kBorder};
  looks.stacked = true;
  const TBitmap canvas = ComposeTabControl(60, 60, {4, 26, 56, 56}, TTabSide::Top, {{{2, 2, 22, 22}, true}}, looks);
  EXPECT_EQ(canvas.Pixel(12, 2 + 10), kForm);
  EXPECT_EQ(canvas.Pixel(12, 2 + 13), 0x0A0A0Au);
}

TEST(TabLooks, PicturesOfSideTabsLieHorizontallyAndTheirCaptionsReadUpOrDown) {
  EXPECT_EQ(TabPictureSize({0, 0, 30, 70}, TTabSide::Top), (TSize{30, 70}));
  EXPECT_EQ(TabPictureSize({0, 0, 30, 70}, TTabSide::Left), (TSize{70, 30}));
  // A caption "painted" as two dots along its reading direction: first at x 10, then 20.
  const TTabCaptionPainter caption = [](TBitmap& picture, int, bool) {
    picture.SetPixel(10, 4, 0xFFFFFF);
    picture.SetPixel(20, 4, 0xEEEEEE);
  };
  const TTabLooks looks{nullptr, nullptr, nullptr, kForm, kBorder};
  auto dots = [&](TTabSide side) {
    const TRect tab =
        side == TTabSide::Left || side == TTabSide::Right ? TRect{0, 0, 12, 40} : TRect{0, 0, 40, 12};
    const TBitmap canvas = ComposeTabControl(60, 60, {30, 30, 50, 50}, side, {{tab, true}}, looks, caption);
    TPoint first, second;
    for (int y = 0; y < 60; ++y)
      for (int x = 0; x < 60; ++x) {
        if (canvas.Pixel(x, y) == 0xFFFFFF) first = {x, y};
        if (canvas.Pixel(x, y) == 0xEEEEEE) second = {x, y};
      }
    return std::pair{first, second};
  };
  auto [topFirst, topSecond] = dots(TTabSide::Top);
  EXPECT_EQ(topFirst, (TPoint{10, 4}));
  EXPECT_EQ(topSecond, (TPoint{20, 4}));
  auto [bottomFirst, bottomSecond] = dots(TTabSide::Bottom);  // turned before: upright
  EXPECT_EQ(bottomFirst, (TPoint{10, 4}));
  EXPECT_EQ(bottomSecond, (TPoint{20, 4}));
  auto [leftFirst, leftSecond] = dots(TTabSide::Left);  // upwards
  EXPECT_EQ(leftFirst, (TPoint{4, 29}));
  EXPECT_EQ(leftSecond, (TPoint{4, 19}));
  auto [rightFirst, rightSecond] = dots(TTabSide::Right);  // downwards
  EXPECT_EQ(rightFirst, (TPoint{7, 10}));
  EXPECT_EQ(rightSecond, (TPoint{7, 20}));
}

TEST(TabLooks, TheSelectedTabShowsTheFirstFrameAndTransparencyLetsTheFormThrough) {
  TBitmap selected = Filled(9, 20, 0x111111), other = Filled(9, 20, 0x222222);
  other.SetPixel(0, 0, kMask);
  TTabLooks looks{&selected, &other, nullptr, kForm, kBorder, kMask, false};
  const std::vector<TTabItem> tabs{{{2, 2, 40, 22}, false}, {{40, 0, 80, 22}, true}};
  const TBitmap opaque = ComposeTabControl(120, 80, {4, 26, 116, 76}, TTabSide::Top, tabs, looks);
  EXPECT_EQ(opaque.Pixel(20, 10), 0x222222u);
  EXPECT_EQ(opaque.Pixel(60, 10), 0x111111u);
  EXPECT_EQ(opaque.Pixel(2, 2), kMask);
  EXPECT_EQ(opaque.Pixel(60, 21), 0x111111u);  // two rows taller than the image: stretched down
  looks.transparent = true;
  const TBitmap clear = ComposeTabControl(120, 80, {4, 26, 116, 76}, TTabSide::Top, tabs, looks);
  EXPECT_EQ(clear.Pixel(2, 2), kForm);
  // Without tab images the tabs stay in the form colour.
  looks.selected = looks.other = nullptr;
  EXPECT_EQ(ComposeTabControl(120, 80, {4, 26, 116, 76}, TTabSide::Top, tabs, looks).Pixel(60, 10), kForm);
}

TEST(TabLooks, CaptionAndImageAreCentredTogetherAndBottomTabsKeepTheImageOffTheEdge) {
  const TTabCaptionLayout plain = TabCaptionLayout({60, 20}, {30, 13}, {}, TTabSide::Top);
  EXPECT_EQ(plain.text, (TRect{15, 2, 60, 20}));
  EXPECT_FALSE(plain.drawImage);
  // (60 - (30 + 16 + 4)) div 2 = 5; (20 - 16) div 2 = 2.
  const TTabImageInfo image{true, 3, {16, 16}};
  const TTabCaptionLayout top = TabCaptionLayout({60, 20}, {30, 13}, image, TTabSide::Top);
  EXPECT_EQ(top.text, (TRect{25, 2, 60, 20}));
  EXPECT_TRUE(top.drawImage);
  EXPECT_EQ(top.image, (TPoint{5, 3}));
  EXPECT_EQ(TabCaptionLayout({60, 20}, {30, 13}, image, TTabSide::Bottom).image, (TPoint{5, 2}));
  const TTabCaptionLayout tall = TabCaptionLayout({60, 14}, {30, 13}, image, TTabSide::Bottom);
  EXPECT_EQ(tall.image, (TPoint{5, 1}));  // (14 - 16) div 2 is below 0
  EXPECT_EQ(TabCaptionLayout({60, 14}, {30, 13}, image, TTabSide::Top).image, (TPoint{5, 1}));
  const TTabCaptionLayout none = TabCaptionLayout({60, 20}, {30, 13}, {true, -1, {16, 16}}, TTabSide::Top);
  EXPECT_FALSE(none.drawImage);
  EXPECT_EQ(none.text, top.text);
}

TEST(TabLooks, TheTabLineCoversThePageEdgeOnEachSideWithItsFirstRowOutermost) {
  TBitmap line(6, 2);
  for (int x = 0; x < 6; ++x) {
    line.SetPixel(x, 0, kOuter);
    line.SetPixel(x, 1, kInner);
  }
  const TRect display{20, 20, 60, 50}, page = TabPageFrame(display);
  ASSERT_EQ(page, (TRect{18, 18, 62, 52}));
  struct Case {
    TTabSide side;
    TPoint outer, inner;
  };
  for (const Case& c :
       {Case{TTabSide::Top, {40, 17}, {40, 18}}, Case{TTabSide::Bottom, {40, 52}, {40, 51}},
        Case{TTabSide::Left, {17, 35}, {18, 35}}, Case{TTabSide::Right, {62, 35}, {61, 35}}}) {
    const TTabLooks looks{nullptr, nullptr, &line, kForm, kBorder};
    const TBitmap canvas = ComposeTabControl(80, 70, display, c.side, {}, looks);
    EXPECT_EQ(canvas.Pixel(c.outer.x, c.outer.y), kOuter) << static_cast<int>(c.side);
    EXPECT_EQ(canvas.Pixel(c.inner.x, c.inner.y), kInner) << static_cast<int>(c.side);
    EXPECT_EQ(canvas.Pixel(19, 19), kForm);
    // Without a line image only the edge is erased, its corners kept.
    const TBitmap bare =
        ComposeTabControl(80, 70, display, c.side, {}, {nullptr, nullptr, nullptr, kForm, kBorder});
    const bool across = c.side == TTabSide::Top || c.side == TTabSide::Bottom;
    const int edge = c.side == TTabSide::Top      ? 18
                     : c.side == TTabSide::Bottom ? 51
                     : c.side == TTabSide::Left   ? 18
                                                  : 61;
    for (int i = 18; i < (across ? 62 : 52); ++i) {
      const TColor shown = across ? bare.Pixel(i, edge) : bare.Pixel(edge, i);
      const bool corner = i == 18 || i == (across ? 61 : 51);
      EXPECT_EQ(shown, corner ? kBorder : kForm) << static_cast<int>(c.side) << " at " << i;
    }
    EXPECT_EQ(bare.Pixel(across ? 18 : 40, across ? 35 : (c.side == TTabSide::Left ? 51 : 18)), kBorder);
  }
}

}  // namespace
}  // namespace zentavo::test
