#include <gtest/gtest.h>

#include "skin/MenuItemLayout.h"

namespace zentavo {
namespace {

// Every colour distinct, so a wrong index shows.
TMenuColors Colours() {
  TMenuColors colours{};
  for (int i = 0; i < 13; ++i) colours[i] = RGBColor(10 * i + 5, 200 - 10 * i, 0x30 + i);
  return colours;
}

const TRect kItem{100, 40, 300, 61};  // an item of a menu drawn at (100, 40)

TBitmap Canvas(TColor fill = clWhite) {
  TBitmap canvas(kItem.Width(), kItem.Height());
  canvas.Fill(fill);
  return canvas;
}

TColor At(const TBitmap& canvas, int x, int y) {
  return canvas.Pixel(x - kItem.left, y - kItem.top);
}

TEST(MenuItemMeasure, SeparatorsAreFiveHighOtherItemsAtLeast21) {
  EXPECT_EQ(MenuItemSize(true, 8, 13, 0).height, 5);
  EXPECT_EQ(MenuItemSize(false, 40, 13, 0).height, 21);
  EXPECT_EQ(MenuItemSize(false, 40, 25, 0).height, 25);  // a large font
  // Caption, short-cut text and 66 pixels.
  EXPECT_EQ(MenuItemSize(false, 40, 13, 30).width, 136);
}

TEST(MenuItemPlan, SeparatorLineEndsLeftToRightAndMirrored) {
  TMenuItemFacts separator;
  separator.separator = true;
  const TRect rect{10, 20, 110, 25};
  const TMenuItemPlan ltr = PlanMenuItem(rect, separator, Colours());
  ASSERT_TRUE(ltr.separatorLine);
  EXPECT_EQ(ltr.line, (TRect{40, 22, 108, 23}));
  EXPECT_EQ(ltr.lineColor, 0x848284);
  EXPECT_FALSE(ltr.text);
  ASSERT_EQ(ltr.fills.size(), 2u);
  EXPECT_EQ(ltr.fills[0].rect, (TRect{10, 20, 36, 25}));
  EXPECT_EQ(ltr.fills[0].color, Colours()[mcLeftBar]);
  EXPECT_EQ(ltr.fills[1].rect, (TRect{36, 20, 110, 25}));
  EXPECT_EQ(ltr.fills[1].color, Colours()[mcItem]);

  separator.rightToLeft = true;
  const TMenuItemPlan rtl = PlanMenuItem(rect, separator, Colours());
  EXPECT_EQ(rtl.line, (TRect{12, 22, 80, 23}));
  EXPECT_EQ(rtl.fills[0].rect, (TRect{84, 20, 110, 25}));
  EXPECT_EQ(rtl.fills[1].rect, (TRect{10, 20, 84, 25}));

  // Composed: the line's last pixel is one short of the end column.
  TBitmap canvas(100, 5);
  ComposeMenuItem(canvas, 10, 20, ltr, {});
  EXPECT_EQ(canvas.Pixel(30, 2), 0x848284);
  EXPECT_EQ(canvas.Pixel(97, 2), 0x848284);
  EXPECT_EQ(canvas.Pixel(98, 2), Colours()[mcItem]);
  EXPECT_EQ(canvas.Pixel(29, 2), Colours()[mcItem]);
  EXPECT_EQ(canvas.Pixel(25, 0), Colours()[mcLeftBar]);
  EXPECT_EQ(canvas.Pixel(26, 0), Colours()[mcItem]);
}

TEST(MenuItemPlan, SelectionFillsAndFramesOnlyEnabledItems) {
  TMenuItemFacts facts;
  facts.selected = true;
  const TMenuItemPlan selected = PlanMenuItem(kItem, facts, Colours());
  ASSERT_EQ(selected.fills.size(), 1u);
  EXPECT_EQ(selected.fills[0].rect, kItem);
  EXPECT_EQ(selected.fills[0].color, Colours()[mcSelected]);
  EXPECT_TRUE(selected.framed);
  EXPECT_EQ(selected.frame.color, Colours()[mcSelectedBorder]);
  EXPECT_EQ(selected.textColor, Colours()[mcSelectedFont]);
  TBitmap canvas = Canvas();
  ComposeMenuItem(canvas, kItem.left, kItem.top, selected, {});
  EXPECT_EQ(At(canvas, 100, 40), Colours()[mcSelectedBorder]);
  EXPECT_EQ(At(canvas, 299, 60), Colours()[mcSelectedBorder]);
  EXPECT_EQ(At(canvas, 101, 41), Colours()[mcSelected]);

  // Selected but disabled: the plain background and grey text, whatever the skin says.
  facts.enabled = false;
  const TMenuItemPlan disabled = PlanMenuItem(kItem, facts, Colours());
  EXPECT_FALSE(disabled.framed);
  ASSERT_EQ(disabled.fills.size(), 2u);
  EXPECT_EQ(disabled.fills[0].color, Colours()[mcLeftBar]);
  EXPECT_EQ(disabled.textColor, 0x808080);
  facts.selected = false;
  EXPECT_EQ(PlanMenuItem(kItem, facts, Colours()).textColor, 0x808080);
  facts.enabled = true;
  EXPECT_EQ(PlanMenuItem(kItem, facts, Colours()).textColor, Colours()[mcItemFont]);
}

TEST(MenuItemPlan, TextRectanglesLeftToRightAndMirrored) {
  TMenuItemFacts facts;
  facts.shortCutWidth = 40;
  facts.isDefault = true;
  const TMenuItemPlan ltr = PlanMenuItem(kItem, facts, Colours());
  EXPECT_TRUE(ltr.bold);
  EXPECT_EQ(ltr.captionRect, (TRect{130, 40, 300, 61}));
  EXPECT_FALSE(ltr.captionRightAligned);
  EXPECT_EQ(ltr.shortCutRect, (TRect{244, 40, 300, 61}));

  facts.rightToLeft = true;
  const TMenuItemPlan rtl = PlanMenuItem(kItem, facts, Colours());
  EXPECT_TRUE(rtl.captionRightAligned);
  // The right-aligned caption ends before the check column at the right edge.
  EXPECT_EQ(rtl.captionRect, (TRect{130, 40, 270, 61}));
  EXPECT_EQ(rtl.shortCutRect, (TRect{130, 40, 300, 61}));
}

TEST(MenuItemPlan, CheckMarkOrImageBoxByImageUsability) {
  TMenuItemFacts facts;
  facts.checked = true;
  // No image list at all: the check mark.
  TMenuItemPlan plan = PlanMenuItem(kItem, facts, Colours());
  EXPECT_EQ(plan.mark, TMenuMark::CheckMark);
  EXPECT_EQ(plan.markX, 104);
  EXPECT_EQ(plan.markY, 43);
  EXPECT_EQ(plan.picture, TMenuPicture::None);

  // An index past the list, or a negative one, is no usable image either.
  facts.hasImageList = true;
  facts.imageCount = 2;
  facts.imageWidth = 16;
  for (int index : {2, -2}) {
    facts.imageIndex = index;
    plan = PlanMenuItem(kItem, facts, Colours());
    EXPECT_EQ(plan.mark, TMenuMark::CheckMark) << index;
    EXPECT_EQ(plan.picture, TMenuPicture::None) << index;
  }

  facts.imageIndex = 1;
  plan = PlanMenuItem(kItem, facts, Colours());
  EXPECT_EQ(plan.mark, TMenuMark::ImageBox);
  EXPECT_EQ(plan.boxFrame, (TRect{102, 41, 121, 60}));
  EXPECT_EQ(plan.boxInside, (TRect{103, 42, 120, 59}));
  EXPECT_EQ(plan.picture, TMenuPicture::ListImage);
  EXPECT_EQ(plan.pictureX, 104);
  EXPECT_EQ(plan.pictureY, 43);
  TBitmap canvas = Canvas();
  ComposeMenuItem(canvas, kItem.left, kItem.top, plan, {});
  EXPECT_EQ(At(canvas, 102, 41), clBlack);
  EXPECT_EQ(At(canvas, 120, 59), clBlack);
  EXPECT_EQ(At(canvas, 103, 42), Colours()[mcItem]);
  EXPECT_EQ(At(canvas, 119, 58), Colours()[mcItem]);
  EXPECT_EQ(At(canvas, 121, 41), Colours()[mcLeftBar]);  // just outside the box: the left bar

  facts.rightToLeft = true;
  facts.imageWidth = 12;
  plan = PlanMenuItem(kItem, facts, Colours());
  EXPECT_EQ(plan.boxFrame, (TRect{279, 41, 298, 60}));
  EXPECT_EQ(plan.boxInside, (TRect{280, 42, 297, 59}));
  EXPECT_EQ(plan.pictureX, 284);
  facts.imageIndex = -1;
  facts.checkMarkWidth = 14;
  plan = PlanMenuItem(kItem, facts, Colours());
  EXPECT_EQ(plan.mark, TMenuMark::CheckMark);
  EXPECT_EQ(plan.markX, 282);
}

TEST(MenuItemPlan, OwnBitmapWithoutImageListIsStretchedAndBoxedWhenChecked) {
  TMenuItemFacts facts;
  facts.hasOwnBitmap = true;
  TMenuItemPlan plan = PlanMenuItem(kItem, facts, Colours());
  EXPECT_EQ(plan.picture, TMenuPicture::OwnBitmap);
  EXPECT_EQ(plan.bitmapRect, (TRect{104, 43, 120, 59}));
  EXPECT_EQ(plan.mark, TMenuMark::None);

  // An image list with an index chosen leaves the own bitmap out.
  facts.hasImageList = true;
  facts.imageIndex = 0;
  facts.imageCount = 0;
  EXPECT_EQ(PlanMenuItem(kItem, facts, Colours()).picture, TMenuPicture::None);

  // Checked: the box, then the bitmap over it; the tick would be hidden by the bitmap.
  facts.imageIndex = -1;
  facts.checked = true;
  plan = PlanMenuItem(kItem, facts, Colours());
  EXPECT_EQ(plan.mark, TMenuMark::ImageBox);
  TBitmap own(8, 8);
  own.Fill(RGBColor(1, 2, 3));
  own.SetPixel(0, 7, RGBColor(9, 9, 9));  // the transparent colour (bottom-left pixel)
  own.SetTransparent(true);
  TBitmap canvas = Canvas();
  ComposeMenuItem(canvas, kItem.left, kItem.top, plan, {nullptr, -1, &own});
  EXPECT_EQ(At(canvas, 110, 50), RGBColor(1, 2, 3));
  EXPECT_EQ(At(canvas, 104, 57), Colours()[mcItem]);  // the stretched transparent corner shows the box
  EXPECT_EQ(At(canvas, 102, 41), clBlack);

  facts.rightToLeft = true;
  EXPECT_EQ(PlanMenuItem(kItem, facts, Colours()).bitmapRect, (TRect{280, 43, 296, 59}));
}

TEST(MenuItemPlan, CheckMarkIsDrawnMaskedAndFadedWhenDisabled) {
  TBitmap mark(16, 16);
  mark.Fill(clWhite);
  mark.SetPixel(5, 5, RGBColor(0, 128, 0));
  TMenuItemFacts facts;
  facts.checked = true;
  TBitmap canvas = Canvas();
  ComposeMenuItem(canvas, kItem.left, kItem.top, PlanMenuItem(kItem, facts, Colours()),
                  {&mark, clWhite, nullptr});
  EXPECT_EQ(At(canvas, 109, 48), RGBColor(0, 128, 0));
  EXPECT_EQ(At(canvas, 104, 43), Colours()[mcLeftBar]);  // the mask colour leaves the bar

  facts.enabled = false;
  canvas = Canvas();
  ComposeMenuItem(canvas, kItem.left, kItem.top, PlanMenuItem(kItem, facts, Colours()),
                  {&mark, clWhite, nullptr});
  const TColor bar = Colours()[mcLeftBar];
  const TColor faded =
      RGBColor((0 + (bar & 0xFF)) / 2, (128 + ((bar >> 8) & 0xFF)) / 2, (0 + ((bar >> 16) & 0xFF)) / 2);
  EXPECT_EQ(At(canvas, 109, 48), faded);
}

TEST(MenuBarButtonPlan, HotSelectedAndNormal) {
  const TRect button{10, 0, 50, 20};
  TMenuBarButtonFacts facts;
  TMenuBarButtonPlan normal = PlanMenuBarButton(button, facts, Colours());
  EXPECT_EQ(normal.tag, 0);
  EXPECT_FALSE(normal.highlighted);
  EXPECT_EQ(normal.textRect, (TRect{10, 2, 50, 20}));
  EXPECT_EQ(normal.textColor, Colours()[mcTopFont]);

  facts.hot = true;
  TMenuBarButtonPlan hot = PlanMenuBarButton(button, facts, Colours());
  EXPECT_EQ(hot.tag, 888);
  EXPECT_EQ(hot.fillRect, button);
  EXPECT_EQ(hot.fill, Colours()[mcTopSelected]);
  EXPECT_EQ(hot.frame, Colours()[mcTopSelectedBorder]);
  EXPECT_EQ(hot.textColor, Colours()[mcTopSelectedFont]);
  EXPECT_EQ(hot.textRect, (TRect{10, 2, 50, 20}));

  // Pressed: two pixels narrower on the right.
  facts.hot = false;
  facts.selected = true;
  TMenuBarButtonPlan pressed = PlanMenuBarButton(button, facts, Colours());
  EXPECT_EQ(pressed.tag, 888);
  EXPECT_EQ(pressed.fillRect, (TRect{10, 0, 48, 20}));
  EXPECT_EQ(pressed.textRect, (TRect{10, 2, 48, 20}));

  // With an image the text moves right by its width (and 2 more when pressed); the image
  // stays two pixels in from the button's left edge.
  facts.hasImage = true;
  facts.imageWidth = 16;
  pressed = PlanMenuBarButton(button, facts, Colours());
  EXPECT_EQ(pressed.textRect.left, 28);
  EXPECT_EQ(pressed.imageX, 12);
  EXPECT_EQ(pressed.imageY, 4);
  facts.selected = false;
  facts.hot = true;
  hot = PlanMenuBarButton(button, facts, Colours());
  EXPECT_EQ(hot.textRect.left, 26);
  EXPECT_EQ(hot.imageX, 12);
  facts.hot = false;
  normal = PlanMenuBarButton(button, facts, Colours());
  EXPECT_EQ(normal.textRect.left, 26);
  EXPECT_EQ(normal.imageX, 12);
  EXPECT_EQ(normal.imageY, 4);
}

TEST(MdiControlButtons, GlyphStripAndFaces) {
  const TBitmap strip = MdiControlGlyphStrip();
  ASSERT_EQ(strip.Width(), 48);
  ASSERT_EQ(strip.Height(), 16);
  EXPECT_EQ(strip.TransparentColor(), kMdiGlyphBackground);
  // Minimize: a bar low in frame 1 and nothing above it.
  EXPECT_EQ(strip.Pixel(8, 12), clBlack);
  EXPECT_EQ(strip.Pixel(8, 4), kMdiGlyphBackground);
  // Restore: the front window's inside hides the back window's frame.
  EXPECT_EQ(strip.Pixel(16 + 13, 2), clBlack);
  EXPECT_EQ(strip.Pixel(16 + 6, 9), kMdiGlyphBackground);
  EXPECT_EQ(strip.Pixel(16 + 2, 13), clBlack);
  // Close: both diagonals cross in the middle of frame 3.
  EXPECT_EQ(strip.Pixel(32 + 4, 4), clBlack);
  EXPECT_EQ(strip.Pixel(32 + 11, 4), clBlack);
  EXPECT_EQ(strip.Pixel(32 + 4, 11), clBlack);
  EXPECT_EQ(strip.Pixel(32 + 1, 8), kMdiGlyphBackground);

  TBitmap glyph(16, 16);
  glyph.Fill(kMdiGlyphBackground);
  glyph.SetPixel(3, 3, clBlack);
  const TColor face = RGBColor(200, 210, 220);
  TBitmap cold = ComposeMdiControlButton(18, 18, face, glyph, false);
  EXPECT_EQ(cold.Pixel(0, 0), face);
  EXPECT_EQ(cold.Pixel(4, 4), clBlack);  // the glyph at (1, 1)
  EXPECT_EQ(cold.Pixel(1, 1), face);     // its transparent colour left out
  TBitmap hot = ComposeMdiControlButton(18, 18, face, glyph, true);
  EXPECT_EQ(hot.Pixel(0, 0), clBlack);
  EXPECT_EQ(hot.Pixel(17, 9), clBlack);
  EXPECT_EQ(hot.Pixel(9, 9), face);
  // Without a glyph a hot button is plain.
  EXPECT_EQ(ComposeMdiControlButton(18, 18, face, TBitmap(), true).Pixel(0, 0), face);
}

}  // namespace
}  // namespace zentavo
