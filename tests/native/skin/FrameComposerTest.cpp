#include <gtest/gtest.h>

#include <memory>

#include "SkinTestData.h"
#include "skin/FrameComposer.h"

namespace zentavo {
namespace {

using enum TFrameImage;

constexpr TColor kMagenta = RGBColor(255, 0, 255);

// Each image's pixels carry its tag in the blue byte and their position in red and green;
// each title-button frame carries its frame number in red, and its top-left pixel is the
// transparent colour.
TColor Tagged(int x, int y, int tag) {
  return RGBColor(x, y, tag);
}
int TagOf(TColor c) {
  return (c >> 16) & 0xFF;
}
TColor ButtonPixel(int frame, int y) {
  return RGBColor(frame, y, 0xB0);
}

class FrameComposer : public ::testing::Test {
 protected:
  void SetUp() override {
    m.SkinTitleHeight = 24;
    m.LeftBorderWidth = 4;
    m.RightBorderWidth = 5;
    m.BottomBorderHeight = 6;
    m.FormColor = RGBColor(1, 2, 3);
    m.TransparentColor = kMagenta;
    m.IconPosX = 4;
    m.IconPosY = 5;
    m.CaptionTop = 6;
    m.ButtonPosX = 7;
    m.ButtonPosY = 3;
    Make(Title1, 30, 24, 0x11);
    Make(Title2, 10, 24, 0x12);
    Make(Title3, 40, 24, 0x13);
    Make(Title4, 8, 24, 0x14);
    Make(Title5, 50, 24, 0x15);
    Make(MinimizedTitle, 60, 26, 0x16);
    Make(LeftBorder, 4, 10, 0x21);
    Make(RightBorder, 5, 10, 0x22);
    Make(Bottom1, 30, 6, 0x31);
    Make(Bottom2, 5, 6, 0x32);
    Make(Bottom3, 12, 6, 0x33);
    TBitmap& strip = Own(TitleButtons, 17 * kTitleButtonFrames, 15);
    for (int y = 0; y < 15; ++y)
      for (int x = 0; x < strip.Width(); ++x)
        strip.SetPixel(x, y, x % 17 == 0 && y == 0 ? kMagenta : ButtonPixel(x / 17 + 1, y));
    s = FrameSkinOfImages(images);
    w.Width = 200;
    w.Height = 150;
    w.HasIcon = w.HasMaximize = w.HasMinimize = true;
    w.NativeCaptionHeight = 23;
  }
  TBitmap& Own(TFrameImage image, int width, int height) {
    owned[static_cast<int>(image)] = std::make_unique<TBitmap>(width, height);
    images.bitmaps[static_cast<int>(image)] = owned[static_cast<int>(image)].get();
    return *owned[static_cast<int>(image)];
  }
  void Make(TFrameImage image, int width, int height, int tag) {
    TBitmap& b = Own(image, width, height);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) b.SetPixel(x, y, Tagged(x, y, tag));
  }
  TTitlePaint Compose(int cursorX = -100, int cursorY = -100, bool pressed = false) {
    return ComposeTitle(images, m, s, w, TitleLayout(m, s, w, 50), TitleButtonLayout(m, s, w), cursorX,
                        cursorY, pressed, title);
  }

  std::unique_ptr<TBitmap> owned[kFrameImageCount];
  TFrameImages images;
  TSkinMetrics m;
  TFrameSkin s;
  TFrameWindow w;
  TBitmap title;
};

TEST_F(FrameComposer, ThreeSectionTitleWithButtons) {
  const TTitlePaint p = Compose();
  ASSERT_EQ(title.Width(), 200);
  ASSERT_EQ(title.Height(), 24);
  EXPECT_EQ(title.Pixel(0, 0), Tagged(0, 0, 0x11));
  EXPECT_EQ(title.Pixel(29, 23), Tagged(29, 23, 0x11));
  EXPECT_EQ(title.Pixel(30, 2), Tagged(0, 2, 0x12));
  EXPECT_EQ(TagOf(title.Pixel(100, 20)), 0x12);
  EXPECT_EQ(title.Pixel(160, 0), Tagged(0, 0, 0x13));
  EXPECT_EQ(title.Pixel(175, 23), Tagged(15, 23, 0x13));  // left of the close button
  // Buttons at 176, 157 and 138, row 3, in their normal frames; the strip is opaque.
  EXPECT_EQ(title.Pixel(176, 3), kMagenta);
  EXPECT_EQ(title.Pixel(177, 4), ButtonPixel(16, 1));
  EXPECT_EQ(title.Pixel(192, 17), ButtonPixel(16, 14));
  EXPECT_EQ(title.Pixel(158, 4), ButtonPixel(7, 1));
  EXPECT_EQ(title.Pixel(139, 4), ButtonPixel(13, 1));
  EXPECT_EQ(p.hotButton, kNoElement);
  EXPECT_TRUE(p.closeDrawn && p.maximizeDrawn && p.minimizeDrawn);
}

TEST_F(FrameComposer, HotAndPressedFrames) {
  TTitlePaint p = Compose(180, 10, false);
  EXPECT_EQ(p.hotButton, kCloseElement);
  EXPECT_EQ(title.Pixel(177, 4), ButtonPixel(17, 1));
  EXPECT_EQ(title.Pixel(158, 4), ButtonPixel(7, 1));
  p = Compose(180, 10, true);
  EXPECT_EQ(p.hotButton, kCloseElement);
  EXPECT_EQ(title.Pixel(177, 4), ButtonPixel(18, 1));
  // Pressed elsewhere: nothing hot, normal frames.
  p = Compose(100, 10, true);
  EXPECT_EQ(p.hotButton, kNoElement);
  EXPECT_EQ(title.Pixel(177, 4), ButtonPixel(16, 1));
  EXPECT_EQ(Compose(6, 6).hotButton, kIconElement);
  EXPECT_EQ(Compose(2, 6).hotButton, kNoElement);  // left of the drawn icon

  w.Maximized = true;
  Compose(160, 10, false);
  EXPECT_EQ(title.Pixel(158, 4), ButtonPixel(11, 1));
  w.HasMaximize = false;
  p = Compose();
  EXPECT_FALSE(p.maximizeDrawn);
  EXPECT_TRUE(p.closeDrawn && p.minimizeDrawn);
  EXPECT_EQ(title.Pixel(158, 4), ButtonPixel(13, 1));  // minimize moved up
}

TEST_F(FrameComposer, TransparentButtonsShowTheTitleBeneath) {
  s.TitleButtonsTransparent = true;
  Compose();
  EXPECT_EQ(title.Pixel(176, 3), Tagged(16, 3, 0x13));
  EXPECT_EQ(TagOf(title.Pixel(157, 3)), 0x12);  // the stretched filler
  EXPECT_EQ(title.Pixel(177, 3), ButtonPixel(16, 0));
}

TEST_F(FrameComposer, NarrowAndMinimizedTitles) {
  w.Width = 90;
  Compose();
  EXPECT_EQ(title.Pixel(0, 0), Tagged(0, 0, 0x11));
  EXPECT_EQ(TagOf(title.Pixel(45, 0)), 0x11);  // the left piece squeezed up to the right end
  EXPECT_EQ(title.Pixel(50, 0), Tagged(0, 0, 0x13));

  w.Width = 160;
  w.Height = 26;
  w.Minimized = true;
  const TTitlePaint p = Compose();
  EXPECT_EQ(title.Pixel(0, 0), Tagged(0, 0, 0x16));
  EXPECT_EQ(TagOf(title.Pixel(99, 20)), 0x16);
  EXPECT_EQ(title.Pixel(139, 8), ButtonPixel(16, 1));  // 5 pixels from the right, row 7
  EXPECT_TRUE(p.closeDrawn);
}

TEST_F(FrameComposer, BottomInOneOrThreeSections) {
  TBitmap bottom;
  ComposeBottom(images, BorderLayout(m, s, w), bottom);
  ASSERT_EQ(bottom.Width(), 200);
  ASSERT_EQ(bottom.Height(), 6);
  EXPECT_EQ(bottom.Pixel(9, 3), Tagged(9, 3, 0x31));
  EXPECT_EQ(bottom.Pixel(190, 0), Tagged(20, 0, 0x31));
  EXPECT_EQ(bottom.Pixel(199, 5), Tagged(29, 5, 0x31));
  const TColor middle = bottom.Pixel(100, 2);
  EXPECT_EQ(TagOf(middle), 0x31);
  EXPECT_GE(middle & 0xFF, 10);
  EXPECT_LT(middle & 0xFF, 20);

  s.BottomThreeSect = true;
  ComposeBottom(images, BorderLayout(m, s, w), bottom);
  EXPECT_EQ(bottom.Pixel(29, 5), Tagged(29, 5, 0x31));
  EXPECT_EQ(bottom.Pixel(30, 2), Tagged(0, 2, 0x32));
  EXPECT_EQ(TagOf(bottom.Pixel(187, 2)), 0x32);
  EXPECT_EQ(bottom.Pixel(188, 0), Tagged(0, 0, 0x33));
  EXPECT_EQ(bottom.Pixel(199, 5), Tagged(11, 5, 0x33));
}

TEST_F(FrameComposer, SideBordersAndGapFillsOnTheWindow) {
  m.LeftBorderWidth = 2;
  Make(LeftBorder, 2, 10, 0x21);
  s = FrameSkinOfImages(images);
  w.MenuBarHeight = 20;
  m.MenuColors[0] = RGBColor(9, 9, 9);
  TBitmap window(200, 150);
  DrawSideBorders(images, BorderLayout(m, s, w), window);
  EXPECT_EQ(window.Pixel(0, 23), clBlack);  // the title's rows are not touched
  EXPECT_EQ(window.Pixel(0, 24), Tagged(0, 0, 0x21));
  EXPECT_EQ(TagOf(window.Pixel(1, 143)), 0x21);
  EXPECT_EQ(window.Pixel(0, 144), clBlack);
  EXPECT_EQ(TagOf(window.Pixel(199, 100)), 0x22);
  EXPECT_EQ(window.Pixel(3, 30), RGBColor(9, 9, 9));
  EXPECT_EQ(window.Pixel(2, 44), RGBColor(0x80, 0x80, 0x80));
  EXPECT_EQ(window.Pixel(3, 45), clWhite);
  EXPECT_EQ(window.Pixel(3, 46), m.FormColor);
  EXPECT_EQ(window.Pixel(3, 143), m.FormColor);
  EXPECT_EQ(window.Pixel(4, 100), clBlack);  // the client is left alone
}

TEST_F(FrameComposer, RegionBufferShowsFormColourThroughTransparentPixels) {
  TBitmap buffer(3, 1);
  buffer.SetPixel(0, 0, RGBColor(7, 7, 7));
  buffer.SetPixel(1, 0, kMagenta);
  buffer.SetPixel(2, 0, clWhite);
  TBitmap out;
  ComposeRegionBuffer(buffer, m.FormColor, kMagenta, out);
  ASSERT_EQ(out.Width(), 3);
  EXPECT_EQ(out.Pixel(0, 0), RGBColor(7, 7, 7));
  EXPECT_EQ(out.Pixel(1, 0), m.FormColor);
  EXPECT_EQ(out.Pixel(2, 0), clWhite);
}

TEST_F(FrameComposer, OutputBufferIsTheRegionBufferOnlyForShapedParts) {
  TBitmap buffer(2, 1), region;
  buffer.SetPixel(0, 0, kMagenta);
  EXPECT_EQ(&FrameOutputBuffer(buffer, false, m, region), &buffer);
  EXPECT_TRUE(region.Empty());
  const TBitmap& out = FrameOutputBuffer(buffer, true, m, region);
  EXPECT_EQ(&out, &region);
  EXPECT_EQ(region.Pixel(0, 0), m.FormColor);
  EXPECT_EQ(region.Pixel(1, 0), clBlack);
}

// Each buffer has a transparent pixel on every row; the title's band is rows 0 to 2, the
// bottom's rows 0 and 1.
TEST_F(FrameComposer, RegionComesFromTheBuffersOfTheShapedParts) {
  TBitmap titleBuffer(6, 4), bottomBuffer(6, 3);
  titleBuffer.Fill(clWhite);
  bottomBuffer.Fill(clWhite);
  for (int y = 0; y < 4; ++y) titleBuffer.SetPixel(0, y, kMagenta);
  for (int y = 0; y < 3; ++y) bottomBuffer.SetPixel(5, y, kMagenta);
  m.TitleRegionMinY = 0;
  m.TitleRegionMaxY = 2;
  m.BottomRegionMinY = 0;
  m.BottomRegionMaxY = 1;
  EXPECT_EQ(FrameRegion(m, s, titleBuffer, bottomBuffer, 6, 20), (std::vector<TRect>{{0, 0, 6, 20}}));
  s.TitleNeedsRegion = true;
  EXPECT_EQ(FrameRegion(m, s, titleBuffer, bottomBuffer, 6, 20),
            (std::vector<TRect>{{1, 0, 6, 1}, {1, 1, 6, 2}, {1, 2, 6, 3}, {0, 3, 6, 4}, {0, 4, 6, 20}}));
  s.TitleNeedsRegion = false;
  s.BottomNeedsRegion = true;
  EXPECT_EQ(FrameRegion(m, s, titleBuffer, bottomBuffer, 6, 20),
            (std::vector<TRect>{{0, 0, 6, 17}, {0, 17, 5, 18}, {0, 18, 5, 19}, {0, 19, 6, 20}}));
}

TEST_F(FrameComposer, MissingBitmapsDrawNothingAndDoNotFail) {
  images = TFrameImages{};
  s = FrameSkinOfImages(images);
  const TTitlePaint p = Compose(180, 10, true);
  EXPECT_EQ(title.Pixel(100, 10), m.FormColor);
  EXPECT_TRUE(p.closeDrawn);
  TBitmap bottom;
  ComposeBottom(images, BorderLayout(m, s, w), bottom);
  EXPECT_EQ(bottom.Height(), 0);
}

// Each frame bitmap gets its own size, so a key mapped to the wrong image shows.
TEST(FrameSkinReading, ImagesAndFlagsComeFromTheirKeys) {
  const int keys[kFrameImageCount] = {
      SKIN2_TITLEBAR1,         SKIN2_TITLEBAR2,         SKIN2_TITLEBAR3,         SKIN2_TITLEBAR4,
      SKIN2_TITLEBAR5,         SKIN2_MINIMIZEDTITLE,    SKIN2_FORMLEFTBORDER,    SKIN2_FORMRIGHTBORDER,
      SKIN2_FORMBOTTOMBORDER1, SKIN2_FORMBOTTOMBORDER2, SKIN2_FORMBOTTOMBORDER3, SKIN2_TITLEBUTTONS};
  std::vector<Sk2Record> records;
  for (int i = 0; i < kFrameImageCount; ++i)
    records.push_back(test::BitmapRecord(std::string(SkinKeyName(SkinKeyGroup::kBitmap, keys[i])),
                                         TBitmap(10 + i, 20 + i)));
  for (int flag : {SKIN2_TITLEFIVESECT, SKIN2_TITLEBTNTRANS, SKIN2_TITLEBARNEEDREGION})
    records.push_back(test::ByteRecord(std::string(SkinKeyName(SkinKeyGroup::kFlag, flag)), 1));
  test::ScratchFolder folder;
  test::WriteFile(folder / "skin.ssk", test::SkinPackage(records));
  TsuiSkinReader reader{{}, {}};
  reader.Load(folder / "skin.ssk", "");
  const TFrameSkin skin = ReadFrameSkin(reader, ReadFrameImages(reader));
  for (int i = 0; i < kFrameImageCount; ++i) {
    EXPECT_EQ(skin.sizes[i].width, 10 + i) << i;
    EXPECT_EQ(skin.sizes[i].height, 20 + i) << i;
  }
  EXPECT_TRUE(skin.TitleFiveSect);
  EXPECT_FALSE(skin.BottomThreeSect);
  EXPECT_TRUE(skin.TitleButtonsTransparent);
  EXPECT_TRUE(skin.TitleNeedsRegion);
  EXPECT_FALSE(skin.BottomNeedsRegion);
}

}  // namespace
}  // namespace zentavo
