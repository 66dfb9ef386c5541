// The button family's looks without windows: frames by state, the face and its focus
// rectangle, glyph boxes and their place, the group box and the flat speed button.
#include <gtest/gtest.h>

#include "skin/ButtonLooks.h"
#include "skin/SkinPieces.h"

namespace zentavo::test {
namespace {

constexpr TColor kForm = 0x102030, kBox = 0x405060, kMask = 0xFF00FF, kInk = 0x0000C0;

TEST(ButtonLooks, FramesFollowTheStateAndDisabledMovesToTheLaterFrames) {
  EXPECT_EQ(ButtonFaceFrame(false, false), 1);
  EXPECT_EQ(ButtonFaceFrame(false, true), 2);
  EXPECT_EQ(ButtonFaceFrame(true, true), 3);
  EXPECT_EQ(ButtonFaceFrame(true, false), 3);
  EXPECT_EQ(CheckBoxGlyphFrame(TGlyphCheck::Checked, true), 1);
  EXPECT_EQ(CheckBoxGlyphFrame(TGlyphCheck::Grayed, true), 2);
  EXPECT_EQ(CheckBoxGlyphFrame(TGlyphCheck::Unchecked, true), 3);
  EXPECT_EQ(CheckBoxGlyphFrame(TGlyphCheck::Checked, false), 4);
  EXPECT_EQ(CheckBoxGlyphFrame(TGlyphCheck::Grayed, false), 5);
  EXPECT_EQ(CheckBoxGlyphFrame(TGlyphCheck::Unchecked, false), 6);
  EXPECT_EQ(RadioButtonGlyphFrame(true, true), 1);
  EXPECT_EQ(RadioButtonGlyphFrame(false, true), 2);
  EXPECT_EQ(RadioButtonGlyphFrame(true, false), 3);
  EXPECT_EQ(RadioButtonGlyphFrame(false, false), 4);
}

TEST(ButtonLooks, TheFaceIsTheNinePartPictureOnTheFormColourWithTheFocusInsetByFive) {
  TBitmap face(9, 9);
  face.Fill(0x00A000);
  face.SetPixel(0, 0, kMask);  // a masked corner lets the form colour through
  TButtonFaceOptions o;
  o.width = 60;
  o.height = 24;
  o.formColor = kForm;
  o.maskCorners = true;
  o.maskColor = kMask;
  TBitmap expected(60, 24);
  expected.Fill(kForm);
  DrawNinePart(&face, expected, {0, 0, 60, 24}, true, kMask);
  const TBitmap plain = ComposeButtonFace(&face, o);
  EXPECT_EQ(plain.Pixel(0, 0), kForm);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 60; ++x) ASSERT_EQ(plain.Pixel(x, y), expected.Pixel(x, y)) << x << "," << y;

  o.focused = true;
  const TBitmap focused = ComposeButtonFace(&face, o);
  EXPECT_EQ(focused.Pixel(5, 5), plain.Pixel(5, 5) ^ 0xFFFFFF);  // (x + y) even: inverted
  EXPECT_EQ(focused.Pixel(6, 5), plain.Pixel(6, 5));
  EXPECT_EQ(focused.Pixel(54, 18), plain.Pixel(54, 18) ^ 0xFFFFFF);  // bottom-right corner of 5..55 x 5..19
  EXPECT_EQ(focused.Pixel(10, 10), plain.Pixel(10, 10));             // inside stays
  o.down = true;
  const TBitmap pressed = ComposeButtonFace(&face, o);
  EXPECT_EQ(pressed.Pixel(5, 5), plain.Pixel(5, 5));  // moved to 6, 6 while down
  EXPECT_EQ(pressed.Pixel(6, 6), plain.Pixel(6, 6) ^ 0xFFFFFF);
  EXPECT_EQ(ButtonFocusRect(60, 24, true), (TRect{6, 6, 56, 20}));

  // Without a face only the form colour is left.
  const TBitmap bare = ComposeButtonFace(nullptr, TButtonFaceOptions{10, 10, kForm});
  EXPECT_EQ(bare.Pixel(5, 5), kForm);
}

TEST(ButtonLooks, AnElevenPixelGlyphSitsInTheTopLeftOfAThirteenPixelBoxOfTheControlColour) {
  TBitmap glyph(11, 11);
  glyph.Fill(kInk);
  glyph.SetPixel(3, 3, kMask);
  const TBitmap box = ComposeGlyphBox(glyph, kBox, kMask);
  ASSERT_EQ(box.Width(), 13);
  ASSERT_EQ(box.Height(), 13);
  EXPECT_EQ(box.Pixel(0, 0), kInk);
  EXPECT_EQ(box.Pixel(10, 10), kInk);
  EXPECT_EQ(box.Pixel(3, 3), kBox);  // transparent pixel shows the box
  EXPECT_EQ(box.Pixel(11, 5), kBox);
  EXPECT_EQ(box.Pixel(5, 12), kBox);
  // Opaque glyphs keep every pixel; bigger glyphs make a bigger box.
  EXPECT_EQ(ComposeGlyphBox(glyph, kBox, kNoMask).Pixel(3, 3), kMask);
  TBitmap big(15, 14);
  const TBitmap bigBox = ComposeGlyphBox(big, kBox, kNoMask);
  EXPECT_EQ(bigBox.Width(), 15);
  EXPECT_EQ(bigBox.Height(), 14);
}

TEST(ButtonLooks, ADialogGlyphBoxIsFourteenWideAndAsTallAsItsControlWithTheGlyphAtTheTop) {
  TBitmap glyph(11, 11);
  glyph.Fill(kInk);
  const TBitmap box = ComposeDialogGlyphBox(glyph, kBox, kNoMask, 40);
  ASSERT_EQ(box.Width(), 14);
  ASSERT_EQ(box.Height(), 40);
  EXPECT_EQ(box.Pixel(0, 0), kInk);
  EXPECT_EQ(box.Pixel(10, 10), kInk);
  EXPECT_EQ(box.Pixel(5, 11), kBox);
  EXPECT_EQ(box.Pixel(13, 39), kBox);
  // A control lower than the glyph still gets the whole glyph.
  TBitmap big(16, 18);
  const TBitmap low = ComposeDialogGlyphBox(big, kBox, kNoMask, 12);
  EXPECT_EQ(low.Width(), 16);
  EXPECT_EQ(low.Height(), 18);
}

TEST(ButtonLooks, TheBoxGoesLeftOnlyForARightCaptionReadLeftToRightOrALeftOneReadRightToLeft) {
  EXPECT_TRUE(GlyphBoxOnLeft(TCaptionSide::Right, false));
  EXPECT_TRUE(GlyphBoxOnLeft(TCaptionSide::Left, true));
  EXPECT_FALSE(GlyphBoxOnLeft(TCaptionSide::Left, false));
  EXPECT_FALSE(GlyphBoxOnLeft(TCaptionSide::Right, true));
  EXPECT_FALSE(GlyphBoxOnLeft(TCaptionSide::Centre, false));
  // Caption aligned left, read left to right: the glyph at width - glyph width - 1.
  EXPECT_EQ(GlyphBoxPosition(120, 17, 13, 13, false), (TPoint{120 - 13 - 1, 2}));
  EXPECT_EQ(GlyphBoxPosition(120, 17, 13, 13, true), (TPoint{0, 2}));
  EXPECT_EQ(GlyphBoxPosition(120, 20, 11, 11, true), (TPoint{0, 4}));
}

TEST(ButtonLooks, TheGroupBoxOutlineStartsHalfATextLineDownAndTheCaptionEightPixelsIn) {
  EXPECT_EQ(GroupBoxOutline(185, 105, 13), (TRect{0, 5, 184, 104}));
  EXPECT_EQ(GroupBoxCaptionLeft(185, 40, false), 8);
  EXPECT_EQ(GroupBoxCaptionLeft(185, 40, true), 185 - 1 - 40 - 8);
  const TBitmap box = ComposeGroupBox(50, 40, 14, kBox, kInk);
  EXPECT_EQ(box.Pixel(20, 6), kInk);   // top edge at 14 div 2 - 1
  EXPECT_EQ(box.Pixel(20, 5), kBox);   // above it the box colour
  EXPECT_EQ(box.Pixel(0, 20), kInk);   // left edge
  EXPECT_EQ(box.Pixel(48, 20), kInk);  // right edge inside width - 1
  EXPECT_EQ(box.Pixel(49, 20), kBox);
  EXPECT_EQ(box.Pixel(20, 38), kInk);  // bottom edge inside height - 1
  EXPECT_EQ(box.Pixel(20, 20), kBox);
}

TEST(ButtonLooks, TheSpeedButtonIsPressedWhileHeldOrLatchedAndHotOnlyWhenEnabled) {
  EXPECT_EQ(SpeedButtonLook(true, true, false, true), TFlatButtonLook::Pressed);
  EXPECT_EQ(SpeedButtonLook(true, true, false, false), TFlatButtonLook::Normal);
  EXPECT_EQ(SpeedButtonLook(false, false, true, false), TFlatButtonLook::Pressed);
  EXPECT_EQ(SpeedButtonLook(false, true, false, true), TFlatButtonLook::Hot);
  EXPECT_EQ(SpeedButtonLook(false, true, false, false), TFlatButtonLook::Normal);
  const TFlatButtonColors colors{kForm, 0x111111, 0x222222, 0x333333};
  const TBitmap hot = ComposeFlatButtonBack(20, 10, TFlatButtonLook::Hot, colors);
  EXPECT_EQ(hot.Pixel(0, 0), 0x333333);
  EXPECT_EQ(hot.Pixel(19, 9), 0x333333);
  EXPECT_EQ(hot.Pixel(5, 5), 0x111111);
  EXPECT_EQ(ComposeFlatButtonBack(20, 10, TFlatButtonLook::Pressed, colors).Pixel(5, 5), 0x222222);
  EXPECT_EQ(ComposeFlatButtonBack(20, 10, TFlatButtonLook::Normal, colors).Pixel(0, 0), kForm);
}

TEST(ButtonLooks, SpeedButtonGlyphsTakeTheirImageByStateAndASingleDisabledOneIsEmbossed) {
  // Two images of 3 x 3: red, then green; the bottom-left pixel is transparent.
  TBitmap strip(6, 3);
  for (int x = 0; x < 6; ++x)
    for (int y = 0; y < 3; ++y) strip.SetPixel(x, y, x < 3 ? 0x0000FF : 0x00FF00);
  strip.SetPixel(0, 2, kMask);
  TBitmap canvas(8, 8);
  canvas.Fill(kForm);
  DrawSpeedButtonGlyph(canvas, strip, 2, true, TPoint{1, 1});
  EXPECT_EQ(canvas.Pixel(1, 1), 0x0000FF);
  EXPECT_EQ(canvas.Pixel(1, 3), kForm);  // the transparent colour
  canvas.Fill(kForm);
  DrawSpeedButtonGlyph(canvas, strip, 2, false, TPoint{1, 1});
  EXPECT_EQ(canvas.Pixel(2, 2), 0x00FF00);
  // One image, disabled: white one pixel lower right, grey on top; the top-left colour
  // is the mask.
  TBitmap single(3, 3);
  single.Fill(kMask);
  single.SetPixel(1, 1, kInk);
  canvas.Fill(kForm);
  DrawSpeedButtonGlyph(canvas, single, 1, false, TPoint{2, 2});
  EXPECT_EQ(canvas.Pixel(3, 3), 0x808080);
  EXPECT_EQ(canvas.Pixel(4, 4), 0xFFFFFF);
  EXPECT_EQ(canvas.Pixel(2, 2), kForm);
}

}  // namespace
}  // namespace zentavo::test
