// Combo box and picker buttons without windows: where the separator and the arrow go for
// either reading order, what the combo box picture covers and with which colours, and the
// picker's button window.
#include <gtest/gtest.h>

#include <vector>

#include "skin/DropDownLooks.h"
#include "skin/SkinGlyphs.h"

namespace zentavo::test {
namespace {

constexpr TDropDownColors kColors{0x0000C0, 0x00C000, 0xC00000};
constexpr TColor kUnset = 0x123456;

bool Covers(const std::vector<TRect>& area, int x, int y) {
  for (const TRect& r : area)
    if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
  return false;
}

// A system-like drop-down list combo box: 145 x 21, the button inside a 2-pixel edge.
constexpr TRect kClient{0, 0, 145, 21};
constexpr TRect kButton{126, 2, 143, 19};

TEST(DropDownLooks, TheSeparatorIsOnTheButtonsInnerEdgeAndReachesOneRowPastIt) {
  const TDropButtonLook ltr = ComboDropButton(kButton, false);
  EXPECT_EQ(ltr.face, kButton);
  EXPECT_EQ(ltr.separator, (TRect{126, 1, 127, 20}));
  // Right to left the button is on the left; the line is the column just right of it.
  const TRect left{2, 2, 19, 19};
  const TDropButtonLook rtl = ComboDropButton(left, true);
  EXPECT_EQ(rtl.separator, (TRect{19, 1, 20, 20}));
  EXPECT_EQ(rtl.arrow, (TPoint{2 + 8 - 3, 8}));
}

TEST(DropDownLooks, TheArrowIsHalfTheButtonsHeightBelowTheClientTopNotTheButtonTop) {
  // A button lower in the control: its top does not move the arrow down.
  const TDropButtonLook look = ComboDropButton({100, 10, 120, 30}, false);
  EXPECT_EQ(look.arrow, (TPoint{100 + 10 - 3, 10}));
  // Odd widths round the centre down.
  EXPECT_EQ(ComboDropButton({0, 0, 17, 17}, false).arrow, (TPoint{5, 8}));
}

TEST(DropDownLooks, ThePickerButtonIsAllFaceWithItsSeparatorInTheFirstColumn) {
  const TDropButtonLook look = PickerDropButton(16, 17);
  EXPECT_EQ(look.face, (TRect{0, 0, 16, 17}));
  EXPECT_EQ(look.separator, (TRect{0, -1, 1, 18}));
  EXPECT_EQ(look.arrow, (TPoint{5, 6}));

  TBitmap picture(16, 17);
  picture.Fill(kUnset);
  DrawDropButton(picture, look, kColors, true);
  for (int y = 0; y < 17; ++y) EXPECT_EQ(picture.Pixel(0, y), kColors.border) << y;
  EXPECT_EQ(picture.Pixel(1, 0), kColors.control);
  EXPECT_EQ(picture.Pixel(15, 16), kColors.control);
  TBitmap arrow(16, 17);
  arrow.Fill(kColors.control);
  DrawArrowDown(arrow, 5, 6, true);
  for (int y = 0; y < 17; ++y)
    for (int x = 1; x < 16; ++x) ASSERT_EQ(picture.Pixel(x, y), arrow.Pixel(x, y)) << x << "," << y;
}

TEST(DropDownLooks, TheComboPictureFramesTwiceThenDrawsTheButtonOverTheInnerFrame) {
  const TComboLook look = ComboLook(kClient, kButton, false);
  const TBitmap picture = ComposeComboLook(look, kColors, true);
  ASSERT_EQ(picture.Width(), 145);
  ASSERT_EQ(picture.Height(), 21);
  EXPECT_EQ(picture.Pixel(60, 0), kColors.border);
  EXPECT_EQ(picture.Pixel(0, 10), kColors.border);
  EXPECT_EQ(picture.Pixel(144, 20), kColors.border);
  EXPECT_EQ(picture.Pixel(60, 1), kColors.inner);
  EXPECT_EQ(picture.Pixel(143, 10), kColors.inner);
  EXPECT_EQ(picture.Pixel(60, 19), kColors.inner);
  // The separator's ends lie on the inner frame and win over it.
  EXPECT_EQ(picture.Pixel(126, 1), kColors.border);
  EXPECT_EQ(picture.Pixel(126, 19), kColors.border);
  EXPECT_EQ(picture.Pixel(127, 1), kColors.inner);
  EXPECT_EQ(picture.Pixel(130, 3), kColors.control);
  EXPECT_EQ(picture.Pixel(131 + 3, 8 + 3), clBlack);  // the arrow's tip
  EXPECT_EQ(picture.Pixel(131 + 3, 8 + 4), kColors.control);

  const TBitmap disabled = ComposeComboLook(look, kColors, false);
  EXPECT_EQ(disabled.Pixel(131 + 3, 8 + 3), (TColor{0x808080}));
  EXPECT_EQ(disabled.Pixel(131 + 4, 8 + 4), clWhite);  // the shadow one pixel lower right
}

TEST(DropDownLooks, TheAreaIsTheTwoFramesTheButtonAndTheSeparatorAndNothingOfTheText) {
  const std::vector<TRect> area = ComboLookArea(ComboLook(kClient, kButton, false));
  for (auto [x, y] : {std::pair{0, 0}, {144, 20}, {1, 1}, {143, 19}, {60, 1}, {126, 10}, {142, 18}})
    EXPECT_TRUE(Covers(area, x, y)) << x << "," << y;
  // The text area and the column between it and the separator stay the control's own.
  for (auto [x, y] : {std::pair{2, 2}, {60, 10}, {125, 10}, {125, 18}})
    EXPECT_FALSE(Covers(area, x, y)) << x << "," << y;
  for (const TRect& r : area) EXPECT_FALSE(r.Empty());

  // Right to left: the separator is right of the left-hand button.
  const std::vector<TRect> rtl = ComboLookArea(ComboLook(kClient, {2, 2, 19, 19}, true));
  EXPECT_TRUE(Covers(rtl, 19, 10));
  EXPECT_FALSE(Covers(rtl, 20, 10));
  EXPECT_FALSE(Covers(rtl, 126, 10));
}

TEST(DropDownLooks, DegenerateSizesStayInsideThePicture) {
  // A control squeezed to three pixels and a button with no size: no crash, nothing
  // outside the client area, and only rectangles with pixels in the area.
  const TComboLook tiny = ComboLook({0, 0, 3, 3}, {2, 2, 2, 2}, false);
  for (const TRect& r : ComboLookArea(tiny)) EXPECT_FALSE(r.Empty());
  const TBitmap picture = ComposeComboLook(tiny, kColors, true);
  EXPECT_EQ(picture.Width(), 3);
  EXPECT_EQ(picture.Pixel(1, 1), kColors.inner);  // no arrow on a button without a face
  // A button too small for its arrow keeps the arrow on its face.
  TBitmap small(40, 20);
  small.Fill(kUnset);
  DrawDropButton(small, ComboDropButton({20, 8, 24, 12}, false), kColors, true);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 40; ++x) {
      if (x >= 20 && x < 24 && y >= 7 && y < 13) continue;
      ASSERT_EQ(small.Pixel(x, y), kUnset) << x << "," << y;
    }
  // The arrow would start at (19, 2), far above the face: none of it shows.
  EXPECT_EQ(small.Pixel(21, 9), kColors.control);
  EXPECT_EQ(small.Pixel(20, 10), kColors.border);
  EXPECT_TRUE(ComposeComboLook(ComboLook({0, 0, 0, 0}, {}, false), kColors, true).Empty());
}

}  // namespace
}  // namespace zentavo::test
