#include <gtest/gtest.h>

#include "SkinPixelTestData.h"
#include "SkinTestData.h"
#include "skin/SkinResources.h"

namespace zentavo {
namespace {

using test::Code;
using test::Coded;

constexpr TColor kTrans = RGBColor(255, 0, 255);
constexpr TColor kBar = RGBColor(0xCB, 0xCB, 0xCB);
constexpr TColor kOtherBar = RGBColor(0xD0, 0xD0, 0xD0);
constexpr TColor kSpecialPixel = 0xB23901;

class SkinResourcesTest : public ::testing::Test {
 protected:
  // Loads a skin of the given records into the reader.
  void LoadSkin(std::vector<Sk2Record> records) {
    records.push_back(test::IntegerRecord("SKIN2_TRANSCOLOR", kTrans));
    const std::filesystem::path path = folder_ / ("skin" + std::to_string(++count_) + ".ssk");
    test::WriteFile(path, test::SkinPackage(records));
    reader_.Load(path, "");
    ASSERT_TRUE(reader_.Loaded());
  }
  // A three-state arrow strip of 3 x 4 frames whose first frame has a transparent corner.
  static TBitmap ArrowStrip() {
    TBitmap b = Coded(9, 4);
    b.SetPixel(0, 0, kTrans);
    return b;
  }

  test::ScratchFolder folder_;
  int count_ = 0;
  TsuiSkinReader reader_{"", ""};
};

using test::BitmapRecord;
using test::IntegerRecord;

TEST_F(SkinResourcesTest, FifteenRowThumbTilesIntoFivePiecesOfThree) {
  TBitmap thumb = Coded(4, 15);
  thumb.SetPixel(2, 7, kTrans);
  LoadSkin({IntegerRecord("SKIN2_SCROLLBARCOLOR", kOtherBar), BitmapRecord("SKIN2_SCROLLBAR", thumb),
            BitmapRecord("SKIN2_SCROLLBARUPBUTTON", ArrowStrip()),
            BitmapRecord("SKIN2_SCROLLBARDOWNBUTTON", ArrowStrip())});
  TsuiSkinScrollBtnRes res;
  res.Load(&reader_);
  EXPECT_EQ(res.ThumbWidth, 4);
  EXPECT_FALSE(res.HasSpecialThumb);
  for (int i = 0; i < 5; ++i) {
    const TBitmap& piece = res.VertThumbPieces[i];
    ASSERT_EQ(piece.Width(), 4) << i;
    ASSERT_EQ(piece.Height(), 3) << i;
    EXPECT_EQ(piece.Pixel(0, 0), Code(0, 3 * i));
    EXPECT_EQ(piece.Pixel(3, 2), Code(3, 3 * i + 2));
    // Turned a quarter anticlockwise: the top row becomes the left column, bottom up.
    const TBitmap& horz = res.HorzThumbPieces[i];
    ASSERT_EQ(horz.Width(), 3);
    ASSERT_EQ(horz.Height(), 4);
    EXPECT_EQ(horz.Pixel(0, 3), Code(0, 3 * i));
  }
  // Transparent pixels take the scroll bar colour.
  EXPECT_EQ(res.VertThumbPieces[2].Pixel(2, 1), kOtherBar);
  EXPECT_EQ(res.HorzThumbPieces[2].Pixel(1, 1), kOtherBar);

  ASSERT_EQ(res.VertUpArrow.Width(), 3);
  EXPECT_EQ(res.VertUpArrow.Pixel(0, 0), kOtherBar);
  EXPECT_EQ(res.VertDownArrow.Pixel(2, 3), Code(2, 3));
  ASSERT_EQ(res.HorzLeftArrow.Width(), 4);
  EXPECT_EQ(res.HorzLeftArrow.Pixel(0, 2), kOtherBar);
  EXPECT_EQ(res.HorzRightArrow.Pixel(3, 0), Code(2, 3));
}

TEST_F(SkinResourcesTest, EightRowThumbHasBlankOneRowMiddles) {
  LoadSkin({IntegerRecord("SKIN2_SCROLLBARCOLOR", kOtherBar), BitmapRecord("SKIN2_SCROLLBAR", Coded(5, 8))});
  TsuiSkinScrollBtnRes res;
  res.Load(&reader_);
  EXPECT_EQ(res.VertThumbPieces[0].Pixel(4, 2), Code(4, 2));
  EXPECT_EQ(res.VertThumbPieces[4].Pixel(0, 0), Code(0, 5));
  for (int i = 1; i <= 3; ++i) {
    ASSERT_EQ(res.VertThumbPieces[i].Width(), 5);
    ASSERT_EQ(res.VertThumbPieces[i].Height(), 1);
    EXPECT_EQ(res.VertThumbPieces[i].Pixel(3, 0), kOtherBar);
    EXPECT_EQ(res.HorzThumbPieces[i].Height(), 5);
  }
  EXPECT_TRUE(res.VertUpArrow.Empty());  // the skin has no arrows
}

TEST_F(SkinResourcesTest, ThumbsShorterThanTheirCapsStayInsideTheBitmap) {
  LoadSkin({IntegerRecord("SKIN2_SCROLLBARCOLOR", kOtherBar), BitmapRecord("SKIN2_SCROLLBAR", Coded(3, 2))});
  TsuiSkinScrollBtnRes res;
  res.Load(&reader_);
  EXPECT_EQ(res.VertThumbPieces[0].Height(), 2);
  EXPECT_EQ(res.VertThumbPieces[4].Height(), 2);
  EXPECT_EQ(res.ThumbWidth, 3);
}

TEST_F(SkinResourcesTest, SpecialThumbIsKeptWholeAndUnrecoloured) {
  TBitmap thumb = Coded(6, 33);
  thumb.SetPixel(1, 10, kSpecialPixel);
  thumb.SetPixel(0, 0, kTrans);
  LoadSkin({IntegerRecord("SKIN2_SCROLLBARCOLOR", kBar), BitmapRecord("SKIN2_SCROLLBAR", thumb)});
  TsuiSkinScrollBtnRes res;
  res.Load(&reader_);
  ASSERT_TRUE(res.HasSpecialThumb);
  ASSERT_TRUE(res.SpecialThumb && res.SpecialThumbHorz);
  EXPECT_EQ(res.SpecialThumb->Height(), 33);
  EXPECT_EQ(res.SpecialThumb->Pixel(0, 0), kTrans);
  EXPECT_EQ(res.SpecialThumbHorz->Width(), 33);
  EXPECT_EQ(res.VertThumbPieces[0].Pixel(0, 0), kBar);
  EXPECT_EQ(res.VertThumbPieces[1].Height(), 9);  // f = 9: fillers of 9, grip of 9
  EXPECT_EQ(res.VertThumbPieces[2].Height(), 9);

  // Any one of the three marks missing: an ordinary thumb.
  LoadSkin({IntegerRecord("SKIN2_SCROLLBARCOLOR", kOtherBar), BitmapRecord("SKIN2_SCROLLBAR", thumb)});
  res.Load(&reader_);
  EXPECT_FALSE(res.HasSpecialThumb);
  EXPECT_FALSE(res.SpecialThumb);
  thumb.SetPixel(1, 10, kSpecialPixel + 1);
  LoadSkin({IntegerRecord("SKIN2_SCROLLBARCOLOR", kBar), BitmapRecord("SKIN2_SCROLLBAR", thumb)});
  res.Load(&reader_);
  EXPECT_FALSE(res.HasSpecialThumb);
}

TEST_F(SkinResourcesTest, MissingThumbOrSkinLeavesTheSetEmpty) {
  TsuiSkinScrollBtnRes res;
  res.Load(&reader_);  // no skin yet
  EXPECT_TRUE(res.VertThumbPieces[0].Empty());
  EXPECT_EQ(res.ThumbWidth, 0);

  TBitmap thumb = Coded(6, 33);
  thumb.SetPixel(1, 10, kSpecialPixel);
  LoadSkin({IntegerRecord("SKIN2_SCROLLBARCOLOR", kBar), BitmapRecord("SKIN2_SCROLLBAR", thumb),
            BitmapRecord("SKIN2_SCROLLBARUPBUTTON", ArrowStrip())});
  res.Load(&reader_);
  ASSERT_TRUE(res.HasSpecialThumb);

  // A skin without a thumb keeps the thickness but drops every image.
  LoadSkin(
      {IntegerRecord("SKIN2_SCROLLBARCOLOR", kBar), BitmapRecord("SKIN2_SCROLLBARUPBUTTON", ArrowStrip())});
  res.Load(&reader_);
  EXPECT_EQ(res.ThumbWidth, 6);
  EXPECT_FALSE(res.HasSpecialThumb);
  EXPECT_TRUE(res.VertThumbPieces[2].Empty());
  EXPECT_EQ(res.VertUpArrow.Pixel(0, 0), kBar);  // the arrows are still recoloured

  reader_.Load(folder_ / "missing.ssk", "");
  res.Load(&reader_);
  EXPECT_TRUE(res.VertUpArrow.Empty());
  EXPECT_EQ(res.Reader(), &reader_);
}

TEST_F(SkinResourcesTest, ProgressBarImagesAndCapWidths) {
  LoadSkin({BitmapRecord("SKIN2_PROGRESSBAR1", Coded(3, 5)), BitmapRecord("SKIN2_PROGRESSBAR2", Coded(1, 5)),
            BitmapRecord("SKIN2_PROGRESSBAR4", Coded(2, 5))});
  TsuiSkinProgressBarRes res;
  res.Load(&reader_);
  EXPECT_EQ(res.LeftCapWidth, 3);
  EXPECT_EQ(res.RightCapWidth, 2);
  EXPECT_TRUE(res.HorzImages[2].Empty());  // missing: an empty image
  EXPECT_EQ(res.HorzImages[0].Pixel(2, 4), Code(2, 4));
  ASSERT_EQ(res.VertImages[0].Width(), 5);
  ASSERT_EQ(res.VertImages[0].Height(), 3);
  EXPECT_EQ(res.VertImages[0].Pixel(0, 2), Code(0, 0));  // left cap at the bottom

  reader_.Load(folder_ / "missing.ssk", "");
  res.Load(&reader_);
  EXPECT_TRUE(res.HorzImages[0].Empty());
  EXPECT_EQ(res.LeftCapWidth, 0);
}

}  // namespace
}  // namespace zentavo
