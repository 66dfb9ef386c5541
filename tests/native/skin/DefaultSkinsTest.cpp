// The eighteen default skins as the distribution makes them: drawn by skingen, packed by
// skinpack, then read back through the program's own skin reader.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "SkinTestData.h"
#include "framework/Geometry.h"
#include "native/support/ToolRunner.h"
#include "skin/Skin2Define.h"
#include "skin/SuiSkinReader.h"

namespace zentavo::test {
namespace {

const char* const kSkinNames[] = {"Calmness", "DiamondBlue", "DiamondGreen", "GlassGreen", "Longhorn", "MacOS",
                                  "MP10",     "MSN",         "OneBlue",      "Silver",     "SportsBlack", "SportsBlue",
                                  "Midsummer", "Emerald",    "Warm",         "XPBlue",     "XPGreen",  "XPSilver"};

class DefaultSkins : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new ScratchFolder;
    const auto result = zentavo::testing::RunTool(ZENTAVO_BINARY_DIR "/tools/skingen/skingen",
                                                  {(*folder_ / "skins").string()}, folder_->Path());
    ASSERT_EQ(result.exitCode, 0) << result.err;
    for (const char* name : kSkinNames) {
      const auto built = zentavo::testing::RunTool(
          ZENTAVO_BINARY_DIR "/tools/skinpack/skinpack",
          {"build", (*folder_ / "skins" / name).string(), Package(name).string()}, folder_->Path());
      ASSERT_EQ(built.exitCode, 0) << name << ": " << built.err;
    }
  }
  static void TearDownTestSuite() {
    delete folder_;
    folder_ = nullptr;
  }
  static std::filesystem::path Package(const std::string& name) { return *folder_ / (name + ".ssk"); }

  static ScratchFolder* folder_;
};

ScratchFolder* DefaultSkins::folder_ = nullptr;

TEST_F(DefaultSkins, EverySkinLoadsWithEveryKeyTheEngineReads) {
  int withCheckIcon = 0, fiveSection = 0, threeSectBottom = 0, titleRegion = 0, bottomRegion = 0, transButtons = 0,
      specialThumb = 0;
  for (const char* name : kSkinNames) {
    SCOPED_TRACE(name);
    TsuiSkinReader reader(Package(name), "");
    ASSERT_TRUE(reader.Loaded());
    for (int key = 0; key < SkinKeyGroupCount(SkinKeyGroup::kColor); ++key) EXPECT_NE(reader.GetColor(key), -1) << key;
    for (int key = 0; key < SkinKeyGroupCount(SkinKeyGroup::kPosition); ++key) EXPECT_GE(reader.GetPosition(key), 0);
    for (int key = 0; key < SkinKeyGroupCount(SkinKeyGroup::kBitmap); ++key) {
      if (key == SKIN2_CHECKEDMENUICON) continue;
      ASSERT_NE(reader.GetBitmap(key), nullptr) << SkinKeyName(SkinKeyGroup::kBitmap, key);
      EXPECT_FALSE(reader.GetBitmap(key)->Empty());
    }
    // The strips divide into their frames.
    EXPECT_EQ(reader.GetBitmap(SKIN2_TITLEBUTTONS)->Width() % 18, 0);
    EXPECT_EQ(reader.GetBitmap(SKIN2_BUTTON)->Width() % 3, 0);
    EXPECT_EQ(reader.GetBitmap(SKIN2_CHECKBOX)->Width() % 6, 0);
    EXPECT_EQ(reader.GetBitmap(SKIN2_RADIOBUTTON)->Width() % 4, 0);
    EXPECT_EQ(reader.GetBitmap(SKIN2_TABCONTROL)->Width() % 6, 0);
    withCheckIcon += reader.GetBitmap(SKIN2_CHECKEDMENUICON) != nullptr;
    fiveSection += reader.GetFlag(SKIN2_TITLEFIVESECT);
    threeSectBottom += reader.GetFlag(SKIN2_BOTTOMBORDERTHREESECT);
    titleRegion += reader.GetFlag(SKIN2_TITLEBARNEEDREGION);
    bottomRegion += reader.GetFlag(SKIN2_BOTTOMBORDERNEEDREGION);
    transButtons += reader.GetFlag(SKIN2_TITLEBTNTRANS);
    const TBitmap& thumb = *reader.GetBitmap(SKIN2_SCROLLBAR);
    specialThumb += reader.GetColor(SKIN2_SCROLLBARCOLOR) == 0xCBCBCB && thumb.Height() == 33 &&
                    thumb.Pixel(1, 10) == 0xB23901;
  }
  // Together the skins take every path of the engine, each variant by some but not all.
  for (int count : {withCheckIcon, fiveSection, threeSectBottom, titleRegion, bottomRegion, transButtons}) {
    EXPECT_GT(count, 0);
    EXPECT_LT(count, 18);
  }
  EXPECT_EQ(specialThumb, 1);
}

// A piece of the window's outline (title or bottom border) may be see-through only in the
// window's rounded-off corners: within a square at each outer corner of the piece, as large
// as the run of transparent pixels along the outer row from that corner. `left` and
// `right` say which ends of the piece lie on the window's edges; `outerTop` whether the
// outer row is the top row (title) or the bottom row (bottom border).
struct OutlinePiece {
  int stray = 0;  // transparent pixels outside the corner squares
  int leftCorner = 0, rightCorner = 0;
  int firstRow = -1, lastRow = -1;  // rows holding transparent pixels
};

OutlinePiece ExamineOutlinePiece(const TBitmap& piece, TColor trans, bool left, bool right, bool outerTop) {
  const int w = piece.Width(), h = piece.Height(), outer = outerTop ? 0 : h - 1;
  auto run = [&](int x, int step) {
    int n = 0;
    for (; x >= 0 && x < w && piece.Pixel(x, outer) == trans; x += step) ++n;
    return n;
  };
  OutlinePiece result;
  result.leftCorner = left ? run(0, 1) : 0;
  result.rightCorner = right ? run(w - 1, -1) : 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (piece.Pixel(x, y) != trans) continue;
      if (result.firstRow < 0) result.firstRow = y;
      result.lastRow = y;
      const int depth = outerTop ? y : h - 1 - y;
      const bool inLeft = x < result.leftCorner && depth < result.leftCorner;
      const bool inRight = x >= w - result.rightCorner && depth < result.rightCorner;
      if (!inLeft && !inRight) ++result.stray;
    }
  return result;
}

int CountColor(const TBitmap& bitmap, TColor color, TRect area) {
  area = Intersect(area, {0, 0, bitmap.Width(), bitmap.Height()});
  int n = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) n += bitmap.Pixel(x, y) == color;
  return n;
}

int CountColor(const TBitmap& bitmap, TColor color) {
  return CountColor(bitmap, color, {0, 0, bitmap.Width(), bitmap.Height()});
}

// The window region is made from the title and bottom pieces, so a transparent pixel there
// is a hole in the window: only the outer corners of the whole window may be cut, and only
// within the rows the region is scanned in. Without the region flag the pieces are copied
// as they are, and a transparent pixel would show its colour.
TEST_F(DefaultSkins, TitleAndBottomPiecesAreSeeThroughOnlyInTheWindowsOuterCorners) {
  int rounded = 0;
  for (const char* name : kSkinNames) {
    SCOPED_TRACE(name);
    TsuiSkinReader reader(Package(name), "");
    ASSERT_TRUE(reader.Loaded());
    const TColor trans = reader.GetColor(SKIN2_TRANSCOLOR);
    const bool five = reader.GetFlag(SKIN2_TITLEFIVESECT) != 0;
    struct Piece {
      int key;
      bool left, right;
    };
    // The left end lies at the window's left edge, the right end at its right edge; the
    // minimized title is stretched over the whole width. In a three-piece title the fourth
    // and fifth pieces are not drawn, but they are shaped like the filler and the right end.
    const Piece title[] = {{SKIN2_TITLEBAR1, true, false},  {SKIN2_TITLEBAR2, false, false},
                           {SKIN2_TITLEBAR3, false, !five}, {SKIN2_TITLEBAR4, false, false},
                           {SKIN2_TITLEBAR5, false, true},  {SKIN2_MINIMIZEDTITLE, true, true}};
    const bool threeSect = reader.GetFlag(SKIN2_BOTTOMBORDERTHREESECT) != 0;
    // Without the three-section flag the first bottom piece is one strip of three parts:
    // left end, middle and right end.
    const Piece bottom[] = {{SKIN2_FORMBOTTOMBORDER1, true, !threeSect},
                            {SKIN2_FORMBOTTOMBORDER2, false, false},
                            {SKIN2_FORMBOTTOMBORDER3, false, true}};
    auto check = [&](const Piece& piece, bool outerTop, bool shaped, int minY, int maxY) {
      SCOPED_TRACE(SkinKeyName(SkinKeyGroup::kBitmap, piece.key));
      const TBitmap& bitmap = *reader.GetBitmap(piece.key);
      if (!shaped) {
        EXPECT_EQ(CountColor(bitmap, trans), 0);
        return;
      }
      const OutlinePiece found = ExamineOutlinePiece(bitmap, trans, piece.left, piece.right, outerTop);
      EXPECT_EQ(found.stray, 0);
      // A corner stays inside the end it belongs to (a third of a three-part strip).
      const int endWidth = piece.left && piece.right && !outerTop ? bitmap.Width() / 3 : bitmap.Width() / 2;
      EXPECT_LT(found.leftCorner, endWidth);
      EXPECT_LT(found.rightCorner, endWidth);
      if (found.firstRow >= 0) {
        EXPECT_GE(found.firstRow, minY);
        EXPECT_LE(found.lastRow, maxY);
      }
      rounded += found.leftCorner > 0 || found.rightCorner > 0;
    };
    const bool titleRegion = reader.GetFlag(SKIN2_TITLEBARNEEDREGION) != 0;
    const int titleMinY = std::max(0, reader.GetPosition(SKIN2_TITLEBARREGIONMINY));
    for (const Piece& piece : title)
      check(piece, true, titleRegion, titleMinY, reader.GetPosition(SKIN2_TITLEBARREGIONMAXY));
    const bool bottomRegion = reader.GetFlag(SKIN2_BOTTOMBORDERNEEDREGION) != 0;
    for (const Piece& piece : bottom)
      check(piece, false, bottomRegion, reader.GetPosition(SKIN2_BOTTOMREGIONMINY),
            reader.GetPosition(SKIN2_BOTTOMREGIONMAXY));
  }
  EXPECT_GT(rounded, 0);  // some skins do round their corners
}

// Images the engine draws without a mask must not hold the transparent colour, which
// would reach the screen as it is: the progress bar's four images, the side borders and
// the thumb that meets the three-equal-parts rule (kept without the colour replacement the
// ordinary thumb pieces get).
TEST_F(DefaultSkins, ImagesDrawnUnmaskedHoldNoTransparentPixel) {
  for (const char* name : kSkinNames) {
    SCOPED_TRACE(name);
    TsuiSkinReader reader(Package(name), "");
    ASSERT_TRUE(reader.Loaded());
    const TColor trans = reader.GetColor(SKIN2_TRANSCOLOR);
    for (int key : {SKIN2_PROGRESSBAR1, SKIN2_PROGRESSBAR2, SKIN2_PROGRESSBAR3, SKIN2_PROGRESSBAR4,
                    SKIN2_FORMLEFTBORDER, SKIN2_FORMRIGHTBORDER})
      EXPECT_EQ(CountColor(*reader.GetBitmap(key), trans), 0) << SkinKeyName(SkinKeyGroup::kBitmap, key);
    const TBitmap& thumb = *reader.GetBitmap(SKIN2_SCROLLBAR);
    const TColor bar = reader.GetColor(SKIN2_SCROLLBARCOLOR);
    if (bar == 0xCBCBCB && thumb.Height() == 33 && thumb.Pixel(1, 10) == 0xB23901) {
      EXPECT_EQ(CountColor(thumb, trans), 0);
      // The mark is one of many pixels of its colour, not a dot of its own.
      EXPECT_GT(CountColor(thumb, 0xB23901, {0, 0, thumb.Width(), thumb.Height() / 3}), 10);
    }
  }
}

// The push button face is drawn by the nine-part rule: every one of its nine source
// rectangles holds pixels of the face, the edges and the centre (always drawn masked) hold
// no transparent pixel, and the corners only when the skin masks them.
TEST_F(DefaultSkins, ButtonFacesGiveEveryNinePartPieceOwnPixels) {
  for (const char* name : kSkinNames) {
    SCOPED_TRACE(name);
    TsuiSkinReader reader(Package(name), "");
    ASSERT_TRUE(reader.Loaded());
    const TBitmap& strip = *reader.GetBitmap(SKIN2_BUTTON);
    const int sw = strip.Width() / 3, sh = strip.Height(), hw = sw / 2, hh = sh / 2;
    const TRect corners[] = {{0, 0, hw, hh},
                             {0, sh - hh + 1, hw, sh},
                             {sw - hw + 1, 0, sw, hh},
                             {sw - hw + 1, sh - hh + 1, sw, sh}};
    const TRect edges[] = {{0, hh, hw, sh - hh},
                           {sw - hw + 1, sh - hh, sw, hh + 2},
                           {hw, 0, sw - hw + 1, hh},
                           {hw, hh, sw - hw + 1, sh - hh},
                           {hw, sh - hh, sw - hw + 1, sh}};
    const TColor trans = reader.GetColor(SKIN2_TRANSCOLOR);
    const bool maskedCorners = reader.GetFlag(SKIN2_BUTTONTRANS) != 0;
    for (int frame = 0; frame < 3; ++frame) {
      auto inFrame = [&](TRect r) {
        return TRect{r.left + frame * sw, r.top, r.right + frame * sw, r.bottom};
      };
      for (const TRect& r : corners) {
        EXPECT_FALSE(r.Empty()) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
        EXPECT_EQ(Intersect(r, {0, 0, sw, sh}), r);
        if (!maskedCorners) {
          EXPECT_EQ(CountColor(strip, trans, inFrame(r)), 0);
        }
      }
      for (const TRect& r : edges) {
        EXPECT_FALSE(r.Empty()) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
        EXPECT_EQ(Intersect(r, {0, 0, sw, sh}), r);
        EXPECT_EQ(CountColor(strip, trans, inFrame(r)), 0);
      }
    }
  }
}

TEST_F(DefaultSkins, SkinsDifferAndUnpackRoundTrips) {
  std::set<std::string> listings;
  for (const char* name : kSkinNames) {
    const auto listed = zentavo::testing::RunTool(ZENTAVO_BINARY_DIR "/tools/skinpack/skinpack",
                                                  {"list", Package(name).string()}, folder_->Path());
    ASSERT_EQ(listed.exitCode, 0);
    listings.insert(listed.out);
  }
  EXPECT_EQ(listings.size(), 18u);

  const std::string unpacked = (*folder_ / "unpacked").string();
  const std::string rebuilt = (*folder_ / "rebuilt.ssk").string();
  const std::string tool = ZENTAVO_BINARY_DIR "/tools/skinpack/skinpack";
  ASSERT_EQ(zentavo::testing::RunTool(tool, {"unpack", Package("MP10").string(), unpacked}, folder_->Path()).exitCode, 0);
  ASSERT_EQ(zentavo::testing::RunTool(tool, {"build", unpacked, rebuilt}, folder_->Path()).exitCode, 0);
  EXPECT_EQ(zentavo::testing::RunTool(tool, {"list", rebuilt}, folder_->Path()).out,
            zentavo::testing::RunTool(tool, {"list", Package("MP10").string()}, folder_->Path()).out);
}

}  // namespace
}  // namespace zentavo::test
