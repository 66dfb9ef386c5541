#include <gtest/gtest.h>

#include "SkinTestData.h"
#include "core/Error.h"
#include "skin/Skin2Define.h"
#include "skin/SuiSkinReader.h"

namespace zentavo {
namespace {

using test::Bytes;

TEST(Skin2Define, NamesFollowTheTableOrderInFourGroups) {
  EXPECT_EQ(SkinKeyName(SkinKeyGroup::kColor, SKIN2_TRANSCOLOR), "SKIN2_TRANSCOLOR");
  EXPECT_EQ(SkinKeyName(SkinKeyGroup::kColor, SKIN2_SIDECHANNELBORDERCOLOR), "SKIN2_SIDECHANNELBORDERCOLOR");
  EXPECT_EQ(SkinKeyName(SkinKeyGroup::kBitmap, SKIN2_TITLEBAR1), "SKIN2_TITLEBAR1");
  EXPECT_EQ(SkinKeyName(SkinKeyGroup::kBitmap, SKIN2_TRACKBAR), "SKIN2_TRACKBAR");
  EXPECT_EQ(SkinKeyName(SkinKeyGroup::kBitmap, SKIN2_SCROLLBUTTON), "SKIN2_SCROLLBUTTON");
  EXPECT_EQ(SkinKeyName(SkinKeyGroup::kPosition, SKIN2_TITLEBARICONPOSX), "SKIN2_TITLEBARICONPOSX");
  EXPECT_EQ(SkinKeyName(SkinKeyGroup::kPosition, SKIN2_BOTTOMREGIONMAXY), "SKIN2_BOTTOMREGIONMAXY");
  EXPECT_EQ(SkinKeyName(SkinKeyGroup::kFlag, SKIN2_TITLEFIVESECT), "SKIN2_TITLEFIVESECT");
  EXPECT_EQ(SkinKeyName(SkinKeyGroup::kFlag, SKIN2_TABCONTROLTRANS), "SKIN2_TABCONTROLTRANS");
  // Only the low seven bits of an id count.
  EXPECT_EQ(SkinKeyName(SkinKeyGroup::kFlag, 0x80 | SKIN2_BUTTONTRANS), "SKIN2_BUTTONTRANS");
  // Every name appears once, and each group's names follow the previous group's.
  int total = 0;
  for (SkinKeyGroup g :
       {SkinKeyGroup::kColor, SkinKeyGroup::kBitmap, SkinKeyGroup::kPosition, SkinKeyGroup::kFlag}) {
    EXPECT_EQ(SkinKeyGroupFirst(g), total);
    total += SkinKeyGroupCount(g);
  }
  EXPECT_EQ(total, kSkinKeyNameCount);
  for (int i = 0; i < kSkinKeyNameCount; ++i)
    for (int j = i + 1; j < kSkinKeyNameCount; ++j) EXPECT_NE(kSkinKeyNames[i], kSkinKeyNames[j]);
}

constexpr TColor kMagenta = RGBColor(255, 0, 255);
constexpr TColor kForm = RGBColor(0xEC, 0xE9, 0xD8);

// A 4x3 track bar channel with magenta in its corners.
TBitmap TrackBar() {
  TBitmap b(4, 3);
  b.Fill(RGBColor(40, 40, 40));
  b.SetPixel(0, 0, kMagenta);
  b.SetPixel(3, 2, kMagenta);
  return b;
}

class SkinReaderTest : public ::testing::Test {
 protected:
  std::filesystem::path Write(const std::string& name, const Bytes& package) {
    const std::filesystem::path path = folder_ / name;
    test::WriteFile(path, package);
    return path;
  }
  // A reader as the engine makes it: no file, then the handler is set.
  TsuiSkinReader MakeReader() {
    TsuiSkinReader reader("", "");
    reader.OnChange = [this](TsuiSkinReader&) { ++changes_; };
    return reader;
  }

  test::ScratchFolder folder_;
  int changes_ = 0;
  std::filesystem::path good_ = Write("good.ssk", test::SkinPackage({
                                                      test::IntegerRecord("SKIN2_TRANSCOLOR", kMagenta),
                                                      test::IntegerRecord("skin2_formcolor", kForm),
                                                      test::IntegerRecord("SKIN2_TITLEBARICONPOSX", 6),
                                                      test::ByteRecord("SKIN2_TITLEFIVESECT", 1),
                                                      test::BitmapRecord("SKIN2_TRACKBAR", TrackBar()),
                                                      test::BitmapRecord("SKIN2_BUTTON", TrackBar()),
                                                  }));
};

TEST_F(SkinReaderTest, LoadsTypedValuesByKeyIgnoringCase) {
  TsuiSkinReader reader = MakeReader();
  EXPECT_EQ(changes_, 0);  // the first load of the engine's empty name notified nobody
  reader.Load(good_, "");
  EXPECT_TRUE(reader.Loaded());
  EXPECT_EQ(changes_, 1);
  EXPECT_EQ(reader.GetColor(SKIN2_FORMCOLOR), kForm);
  EXPECT_EQ(reader.GetPosition(SKIN2_TITLEBARICONPOSX), 6);
  EXPECT_EQ(reader.GetFlag(SKIN2_TITLEFIVESECT), 1);
  EXPECT_EQ(reader.GetColor(SKIN2_MENUITEMCOLOR), -1);
  EXPECT_EQ(reader.GetPosition(SKIN2_TITLEBARICONPOSY), -1);
  EXPECT_EQ(reader.GetFlag(SKIN2_BUTTONTRANS), 0);
  EXPECT_EQ(reader.GetBitmap(SKIN2_TITLEBAR1), nullptr);
  ASSERT_NE(reader.GetBitmap(SKIN2_BUTTON), nullptr);
  EXPECT_EQ(reader.GetBitmap(SKIN2_BUTTON)->TransparentColor(), kMagenta);
  EXPECT_EQ(reader.GetBitmap(SKIN2_BUTTON)->Pixel(0, 0), kMagenta);  // only the track bar is filled
}

TEST_F(SkinReaderTest, TrackBarTransparentPixelsTakeTheFormColour) {
  TsuiSkinReader reader = MakeReader();
  reader.Load(good_, "");
  const TBitmap* track = reader.GetBitmap(SKIN2_TRACKBAR);
  ASSERT_NE(track, nullptr);
  EXPECT_EQ(track->Pixel(0, 0), kForm);
  EXPECT_EQ(track->Pixel(3, 2), kForm);
  EXPECT_EQ(track->Pixel(1, 1), RGBColor(40, 40, 40));
  EXPECT_EQ(track->SourceBitsPerPixel(), 24);
}

TEST_F(SkinReaderTest, WithoutTransparentColourNothingIsCutOrFilled) {
  TsuiSkinReader reader = MakeReader();
  reader.Load(Write("plain.ssk", test::SkinPackage({test::IntegerRecord("SKIN2_FORMCOLOR", kForm),
                                                    test::BitmapRecord("SKIN2_TRACKBAR", TrackBar())})),
              "");
  EXPECT_EQ(reader.GetColor(SKIN2_TRANSCOLOR), -1);
  const TBitmap* track = reader.GetBitmap(SKIN2_TRACKBAR);
  ASSERT_NE(track, nullptr);
  EXPECT_EQ(track->TransparentColor(), -1);
  EXPECT_EQ(track->Pixel(0, 0), kMagenta);
}

TEST_F(SkinReaderTest, MissingFileAfterAGoodSkinLeavesNoSkinAndNotifiesOnce) {
  TsuiSkinReader reader = MakeReader();
  reader.Load(good_, "");
  changes_ = 0;
  reader.Load(folder_ / "missing.ssk", "");
  EXPECT_FALSE(reader.Loaded());
  EXPECT_EQ(changes_, 1);
  EXPECT_EQ(reader.GetColor(SKIN2_FORMCOLOR), -1);
  EXPECT_EQ(reader.GetPosition(SKIN2_TITLEBARICONPOSX), -1);
  EXPECT_EQ(reader.GetFlag(SKIN2_TITLEFIVESECT), 0);
  EXPECT_EQ(reader.GetBitmap(SKIN2_TRACKBAR), nullptr);
}

TEST_F(SkinReaderTest, FailedLoadsLeaveNoSkinRaiseAndDoNotNotify) {
  TsuiSkinReader reader = MakeReader();
  const auto locked =
      Write("locked.ssk", test::SkinPackage({test::IntegerRecord("SKIN2_FORMCOLOR", 1)}, "pw"));
  const auto broken = Write("broken.ssk", Bytes(64, 'S'));
  const auto badBitmap = Write("bitmap.ssk", test::SkinPackage({{"SKIN2_BUTTON", 0, Bytes{'B', 'M'}}}));
  for (const auto& [file, message] :
       {std::pair{locked, "Wrong password!"}, std::pair{broken, "Failed to read skin file!"},
        std::pair{badBitmap, "Bitmap image is not valid"}}) {
    reader.Load(good_, "");
    changes_ = 0;
    try {
      reader.Load(file, "wrong");
      ADD_FAILURE() << "no error for " << file;
    } catch (const Error& e) {
      EXPECT_STREQ(e.what(), message);
    }
    EXPECT_FALSE(reader.Loaded());
    EXPECT_EQ(changes_, 0);
    EXPECT_EQ(reader.GetColor(SKIN2_FORMCOLOR), -1);
  }
  reader.Load(locked, "pw");
  EXPECT_TRUE(reader.Loaded());
  EXPECT_EQ(reader.GetColor(SKIN2_FORMCOLOR), 1);
}

}  // namespace
}  // namespace zentavo
