#include <gtest/gtest.h>

#include "SkinTestData.h"
#include "skin/Skin2Define.h"
#include "skin/SkinMetrics.h"

namespace zentavo {
namespace {

using test::BitmapRecord;
using test::ByteRecord;
using test::IntegerRecord;

std::string Name(SkinKeyGroup group, int key) { return std::string(SkinKeyName(group, key)); }
Sk2Record Bitmap(int key, int width, int height) {
  return BitmapRecord(Name(SkinKeyGroup::kBitmap, key), TBitmap(width, height));
}
Sk2Record Colour(int key, TColor value) { return IntegerRecord(Name(SkinKeyGroup::kColor, key), value); }
Sk2Record Position(int key, int value) { return IntegerRecord(Name(SkinKeyGroup::kPosition, key), value); }

class SkinMetricsTest : public ::testing::Test {
 protected:
  TsuiSkinReader& Load(std::vector<Sk2Record> records) {
    test::WriteFile(folder / "skin.ssk", test::SkinPackage(records));
    reader.Load(folder / "skin.ssk", "");
    return reader;
  }
  test::ScratchFolder folder;
  TsuiSkinReader reader{{}, {}};
};

// Title pieces 1 and 3 of 30 and 40 pixels, a button strip of 306 (three buttons: 51).
std::vector<Sk2Record> TitleSkin(bool fiveSect) {
  std::vector<Sk2Record> r{Bitmap(SKIN2_TITLEBAR1, 30, 24), Bitmap(SKIN2_TITLEBAR3, 40, 24),
                           Bitmap(SKIN2_TITLEBUTTONS, 306, 17)};
  if (fiveSect) r.push_back(ByteRecord(Name(SkinKeyGroup::kFlag, SKIN2_TITLEFIVESECT), 1));
  return r;
}

TEST_F(SkinMetricsTest, MinimumWidthOfFiveAndThreePieceTitles) {
  EXPECT_EQ(ReadSkinMetrics(Load(TitleSkin(true))).MinimumWindowWidth, 156);
  EXPECT_EQ(ReadSkinMetrics(Load(TitleSkin(false))).MinimumWindowWidth, 116);
  // Without the flag the wider of piece 3 and the buttons counts.
  EXPECT_EQ(MinimumWindowWidth(false, 30, 100, 306), 130);
  EXPECT_EQ(MinimumWindowWidth(true, 30, 100, 306), 216);
  // Integer division: a strip of 311 still holds three 51-pixel buttons.
  EXPECT_EQ(MinimumWindowWidth(true, 0, 0, 311), 86);
}

TEST_F(SkinMetricsTest, EveryMetricComesFromItsKey) {
  std::vector<Sk2Record> r{Bitmap(SKIN2_TITLEBAR1, 30, 26),     Bitmap(SKIN2_FORMLEFTBORDER, 4, 10),
                           Bitmap(SKIN2_FORMRIGHTBORDER, 5, 10), Bitmap(SKIN2_FORMBOTTOMBORDER1, 10, 6),
                           Colour(SKIN2_TRANSCOLOR, 0xFF00FF),   Colour(SKIN2_FORMCOLOR, 0xD8E9EC),
                           Colour(SKIN2_TITLEFONTCOLOR, 0x123456)};
  const int positions[] = {SKIN2_TITLEBARICONPOSX,   SKIN2_TITLEBARICONPOSY,   SKIN2_TITLEBARCAPTIONTOP,
                           SKIN2_TITLEBARBUTTONPOSX, SKIN2_TITLEBARBUTTONPOSY, SKIN2_TITLEBARREGIONMINY,
                           SKIN2_TITLEBARREGIONMAXY, SKIN2_BOTTOMREGIONMINY,   SKIN2_BOTTOMREGIONMAXY};
  for (int i = 0; i < 9; ++i) r.push_back(Position(positions[i], 100 + i));
  for (int i = 0; i < 13; ++i) r.push_back(Colour(SKIN2_MENUBARSTARTCOLOR + i, 0x010000 * (i + 1)));
  const TSkinMetrics m = ReadSkinMetrics(Load(r));
  EXPECT_EQ(m.SkinTitleHeight, 26);
  EXPECT_EQ(m.LeftBorderWidth, 4);
  EXPECT_EQ(m.RightBorderWidth, 5);
  EXPECT_EQ(m.BottomBorderHeight, 6);
  EXPECT_EQ(m.TransparentColor, 0xFF00FF);
  EXPECT_EQ(m.FormColor, 0xD8E9EC);
  EXPECT_EQ(m.TitleFontColor, 0x123456);
  const int read[] = {m.IconPosX,        m.IconPosY,        m.CaptionTop,       m.ButtonPosX,      m.ButtonPosY,
                      m.TitleRegionMinY, m.TitleRegionMaxY, m.BottomRegionMinY, m.BottomRegionMaxY};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(read[i], 100 + i) << i;
  // Menu colours in key order: menu bar start first, selected font last.
  for (int i = 0; i < 13; ++i) EXPECT_EQ(m.MenuColors[i], 0x010000 * (i + 1)) << i;
}

TEST_F(SkinMetricsTest, MissingValuesGiveTheLookUpsDefaults) {
  const TSkinMetrics m = ReadSkinMetrics(Load({}));
  EXPECT_EQ(m.SkinTitleHeight, 0);
  EXPECT_EQ(m.FormColor, -1);
  EXPECT_EQ(m.TitleRegionMinY, -1);
  EXPECT_EQ(m.MenuColors[12], -1);
  EXPECT_EQ(m.MinimumWindowWidth, 35);
}

}  // namespace
}  // namespace zentavo
