// Whole-window pictures of the default skins, checked against the skins' own bitmaps.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "SkinTestData.h"
#include "native/support/ToolRunner.h"
#include "skin/FramePicture.h"
#include "skin/SkinBlit.h"
#include "skin/SkinMetrics.h"

namespace zentavo::test {
namespace {

const char* const kSkinNames[] = {"Calmness",    "DiamondBlue", "DiamondGreen", "GlassGreen", "Longhorn",
                                  "MacOS",       "MP10",        "MSN",          "OneBlue",    "Silver",
                                  "SportsBlack", "SportsBlue",  "Midsummer",    "Emerald",    "Warm",
                                  "XPBlue",      "XPGreen",     "XPSilver"};
// Default skins given 2-pixel side and bottom borders: one whose menu bar colour differs
// from its form colour, one whose two colours agree.
const char* const kThinSkins[] = {"Longhorn", "XPBlue"};

constexpr TColor kGrey = 0x808080;

struct Skin {
  std::string name;
  std::unique_ptr<TsuiSkinReader> reader;
  TSkinMetrics m;

  const TBitmap& Bitmap(int key) const { return *reader->GetBitmap(key); }
  bool Flag(int key) const { return reader->GetFlag(key) != 0; }
  TColor Trans() const { return m.TransparentColor; }
  TBitmap Render(const TFramePictureOptions& options) const {
    return RenderFramePicture(*reader, m, options);
  }
};

TFramePictureOptions Window(int width, int height) {
  TFramePictureOptions o;
  o.Width = width;
  o.Height = height;
  return o;
}

// Pixels of image, placed at (x, y), that the picture does not show; image pixels of the
// skip colour are not compared (the region may cut them away).
int Mismatches(const TBitmap& picture, int x, int y, const TBitmap& image, TColor skip) {
  int count = 0;
  for (int iy = 0; iy < image.Height(); ++iy)
    for (int ix = 0; ix < image.Width(); ++ix) {
      const TColor c = image.Pixel(ix, iy);
      if (c != skip && picture.Pixel(x + ix, y + iy) != c) ++count;
    }
  return count;
}

// Frame k (1-based) of the 18 title-button frames.
TBitmap ButtonFrame(const TBitmap& strip, int k) {
  const int bw = strip.Width() / 18;
  return CopyBitmapRect(strip, {(k - 1) * bw, 0, k * bw, strip.Height()});
}

// Whether picture rows top .. bottom-1, from column x on, are image's rows stretched down:
// each is one of the image's rows, in order, the first row first and the last row last.
::testing::AssertionResult StretchedDown(const TBitmap& picture, int x, int top, int bottom,
                                         const TBitmap& image) {
  const auto same = [&](int y, int row) {
    for (int ix = 0; ix < image.Width(); ++ix)
      if (picture.Pixel(x + ix, y) != image.Pixel(ix, row)) return false;
    return true;
  };
  int row = 0;
  for (int y = top; y < bottom; ++y) {
    while (row < image.Height() && !same(y, row)) ++row;
    if (row == image.Height())
      return ::testing::AssertionFailure() << "row " << y << " is none of the image's";
  }
  if (!same(top, 0) || !same(bottom - 1, image.Height() - 1))
    return ::testing::AssertionFailure() << "the ends are not the image's first and last rows";
  return ::testing::AssertionSuccess();
}

// The same across: picture columns left .. right-1, compared on the given rows only (others
// are covered by buttons), pixels of the skip colour left out.
::testing::AssertionResult StretchedAcross(const TBitmap& picture, int left, int right,
                                           const std::vector<int>& rows, const TBitmap& image, TColor skip) {
  const auto same = [&](int x, int column) {
    for (int y : rows) {
      const TColor c = image.Pixel(column, y);
      if (c != skip && picture.Pixel(x, y) != c) return false;
    }
    return true;
  };
  int column = 0;
  for (int x = left; x < right; ++x) {
    while (column < image.Width() && !same(x, column)) ++column;
    if (column == image.Width())
      return ::testing::AssertionFailure() << "column " << x << " is none of the image's";
  }
  if (!same(left, 0) || !same(right - 1, image.Width() - 1))
    return ::testing::AssertionFailure() << "the ends are not the image's first and last columns";
  return ::testing::AssertionSuccess();
}

class FramePicture : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new ScratchFolder;
    const auto tool = [](const std::string& name, const std::vector<std::string>& args) {
      const auto result =
          zentavo::testing::RunTool(ZENTAVO_BINARY_DIR "/tools/" + name + "/" + name, args, folder_->Path());
      ASSERT_EQ(result.exitCode, 0) << name << ": " << result.err;
    };
    const auto skins = *folder_ / "skins";
    tool("skingen", {skins.string()});
    for (const char* name : kThinSkins) MakeThin(skins / name, skins / (std::string(name) + "Thin"));
    NarrowRegionBands(skins / "MP10", skins / "MP10Band");
    skins_ = new std::vector<Skin>;
    thin_ = new std::vector<Skin>;
    band_ = new std::vector<Skin>;
    const auto load = [&](const std::string& name, std::vector<Skin>& into) {
      const auto package = *folder_ / (name + ".ssk");
      tool("skinpack", {"build", (skins / name).string(), package.string()});
      Skin skin{name, std::make_unique<TsuiSkinReader>(package, ""), {}};
      ASSERT_TRUE(skin.reader->Loaded()) << name;
      skin.m = ReadSkinMetrics(*skin.reader);
      into.push_back(std::move(skin));
    };
    for (const char* name : kSkinNames) load(name, *skins_);
    for (const char* name : kThinSkins) load(std::string(name) + "Thin", *thin_);
    load("MP10Band", *band_);
  }
  static void TearDownTestSuite() {
    delete skins_;
    delete thin_;
    delete band_;
    delete folder_;
    skins_ = thin_ = band_ = nullptr;
    folder_ = nullptr;
  }
  // A copy of a skin folder with the side borders and the bottom border cut to 2 pixels.
  static void MakeThin(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::filesystem::copy(from, to, std::filesystem::copy_options::recursive);
    const auto cut = [&](const char* file, TRect keep) {
      TBitmap b;
      b.LoadFromFile(to / file);
      CopyBitmapRect(b, keep).SaveToFile(to / file);
    };
    cut("SKIN2_FORMLEFTBORDER.bmp", {0, 0, 2, 8});
    cut("SKIN2_FORMRIGHTBORDER.bmp", {2, 0, 4, 8});
    cut("SKIN2_FORMBOTTOMBORDER1.bmp", {0, 0, 36, 2});
  }

  // A copy of a skin folder whose title region is cut from its first three rows only, the
  // bottom's from its first two.
  static void NarrowRegionBands(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::filesystem::copy(from, to, std::filesystem::copy_options::recursive);
    std::string ini = zentavo::testing::FileText(to / "skin.ini");
    const std::pair<const char*, const char*> bands[] = {{"SKIN2_TITLEBARREGIONMAXY=", "2"},
                                                         {"SKIN2_BOTTOMREGIONMAXY=", "1"}};
    for (const auto& [key, value] : bands) {
      const std::size_t at = ini.find(key) + std::strlen(key);
      ini.replace(at, ini.find('\n', at) - at, value);
    }
    std::ofstream(to / "skin.ini", std::ios::trunc) << ini;
  }

  static const std::vector<Skin>& Skins() { return *skins_; }
  static const std::vector<Skin>& ThinSkins() { return *thin_; }

  static ScratchFolder* folder_;
  static std::vector<Skin>* skins_;
  static std::vector<Skin>* thin_;
  static std::vector<Skin>* band_;  // MP10 with narrow region bands
};

ScratchFolder* FramePicture::folder_ = nullptr;
std::vector<Skin>* FramePicture::skins_ = nullptr;
std::vector<Skin>* FramePicture::thin_ = nullptr;
std::vector<Skin>* FramePicture::band_ = nullptr;

TEST_F(FramePicture, TitleButtonsShowTheFrameOfTheirState) {
  constexpr int W = 300, H = 200;
  for (const Skin& s : Skins()) {
    SCOPED_TRACE(s.name);
    const TBitmap& strip = s.Bitmap(SKIN2_TITLEBUTTONS);
    const int bw = strip.Width() / 18, bh = strip.Height();
    const int row = s.m.ButtonPosY;
    // From the right: close, maximize or restore, minimize, then help.
    const auto left = [&](int i) { return W - s.m.ButtonPosX - bw - i * (bw + 2); };
    const auto over = [&](int i) {
      return TFrameCursor{left(i) - s.m.LeftBorderWidth + bw / 2, row + bh / 2 - s.m.SkinTitleHeight};
    };
    const auto shows = [&](const TBitmap& picture, int i, int frame) {
      return Mismatches(picture, left(i), row, ButtonFrame(strip, frame), s.Trans()) == 0;
    };
    // The states must look different, or the checks below could not fail.
    const std::pair<int, int> distinct[] = {{16, 17}, {17, 18}, {7, 10}, {10, 11},
                                            {11, 12}, {13, 15}, {4, 7},  {4, 6}};
    for (const auto& [a, b] : distinct)
      ASSERT_GT(Mismatches(ButtonFrame(strip, a), 0, 0, ButtonFrame(strip, b), s.Trans()), 0)
          << a << " " << b;

    TFramePictureOptions o = Window(W, H);
    TBitmap p = s.Render(o);
    EXPECT_TRUE(shows(p, 0, 16) && shows(p, 1, 7) && shows(p, 2, 13));
    o.Cursor = over(0);
    p = s.Render(o);
    EXPECT_TRUE(shows(p, 0, 17) && shows(p, 1, 7));
    o.Pressed = true;
    EXPECT_TRUE(shows(s.Render(o), 0, 18));
    o.Cursor = over(2);
    p = s.Render(o);
    EXPECT_TRUE(shows(p, 2, 15) && shows(p, 0, 16));
    o.Cursor = TFrameCursor{W / 2, H / 2};  // pressed over the client: nothing hot
    p = s.Render(o);
    EXPECT_TRUE(shows(p, 0, 16) && shows(p, 2, 13));

    // Zoomed, the maximize button is the restore button.
    o = Window(W, H);
    o.Zoomed = true;
    EXPECT_TRUE(shows(s.Render(o), 1, 10));
    o.Cursor = over(1);
    EXPECT_TRUE(shows(s.Render(o), 1, 11));
    o.Pressed = true;
    EXPECT_TRUE(shows(s.Render(o), 1, 12));

    // Close and help only: help moves next to close.
    o = Window(W, H);
    o.HasMaximize = o.HasMinimize = false;
    o.HasHelp = true;
    EXPECT_TRUE(shows(s.Render(o), 1, 4));
    o.Cursor = over(1);
    o.Pressed = true;
    p = s.Render(o);
    EXPECT_TRUE(shows(p, 1, 6) && shows(p, 0, 16));
  }
}

TEST_F(FramePicture, SidesStretchDownFromTheTitleAndTheBottomSitsAtTheBottom) {
  constexpr int W = 200, H = 300;
  for (const Skin& s : Skins()) {
    SCOPED_TRACE(s.name);
    const TBitmap p = s.Render(Window(W, H));
    const int T = s.m.SkinTitleHeight, B = s.m.BottomBorderHeight;
    const TBitmap& left = s.Bitmap(SKIN2_FORMLEFTBORDER);
    const TBitmap& right = s.Bitmap(SKIN2_FORMRIGHTBORDER);
    EXPECT_TRUE(StretchedDown(p, 0, T, H - B, left));
    EXPECT_TRUE(StretchedDown(p, W - right.Width(), T, H - B, right));

    const TBitmap& bottom1 = s.Bitmap(SKIN2_FORMBOTTOMBORDER1);
    if (s.Flag(SKIN2_BOTTOMBORDERTHREESECT)) {
      const TBitmap& bottom3 = s.Bitmap(SKIN2_FORMBOTTOMBORDER3);
      EXPECT_EQ(Mismatches(p, 0, H - B, bottom1, s.Trans()), 0);
      EXPECT_EQ(Mismatches(p, W - bottom3.Width(), H - B, bottom3, s.Trans()), 0);
    } else {
      // One piece: its left third at its own size.
      const TBitmap third = CopyBitmapRect(bottom1, {0, 0, bottom1.Width() / 3, B});
      EXPECT_EQ(Mismatches(p, 0, H - B, third, s.Trans()), 0);
    }
    // The client area is the form colour.
    EXPECT_EQ(p.Pixel(W / 2, H / 2), s.m.FormColor);
    EXPECT_EQ(p.Pixel(s.m.LeftBorderWidth, H - B - 1), s.m.FormColor);
  }
}

TEST_F(FramePicture, ThinBordersLeaveGapsInTheFormAndMenuBarColours) {
  constexpr int W = 200, H = 150, M = 20;
  bool linesSeen = false, noLinesSeen = false;
  for (const Skin& s : ThinSkins()) {
    SCOPED_TRACE(s.name);
    ASSERT_EQ(s.m.LeftBorderWidth, 2);
    ASSERT_EQ(s.m.RightBorderWidth, 2);
    ASSERT_EQ(s.m.BottomBorderHeight, 2);
    const int T = s.m.SkinTitleHeight;
    const TColor form = s.m.FormColor, menu = s.m.MenuColors[0];
    const bool lines = menu != form;
    (lines ? linesSeen : noLinesSeen) = true;
    const int gapColumns[] = {2, 3, W - 4, W - 3};

    TFramePictureOptions o = Window(W, H);
    TBitmap p = s.Render(o);
    for (int x : gapColumns)
      for (int y = T; y < H - 2; ++y) ASSERT_EQ(p.Pixel(x, y), form) << x << "," << y;
    for (int x = 2; x < W - 2; ++x) EXPECT_EQ(p.Pixel(x, H - 3), form) << x;
    EXPECT_TRUE(StretchedDown(p, 0, T, H - 2, s.Bitmap(SKIN2_FORMLEFTBORDER)));

    // Beside a menu bar: its colour, then a grey and a white line when it is not the form's.
    o.MenuBarHeight = M;
    p = s.Render(o);
    for (int x : gapColumns) {
      SCOPED_TRACE(x);
      for (int y = T; y < T + M; ++y) EXPECT_EQ(p.Pixel(x, y), menu) << y;
      EXPECT_EQ(p.Pixel(x, T + M), lines ? kGrey : form);
      EXPECT_EQ(p.Pixel(x, T + M + 1), lines ? clWhite : form);
      EXPECT_EQ(p.Pixel(x, T + M + 2), form);
    }
    // The menu bar itself is a control: its rows are left to the client's colour.
    EXPECT_EQ(p.Pixel(W / 2, T + M / 2), form);

    // A native caption 6 rows taller than the skin's title: a band in the menu bar's colour
    // under the title, and the menu bar below the band.
    o.NativeCaptionHeight = T + 6;
    p = s.Render(o);
    for (int x = 2; x < W - 2; ++x)
      for (int y = T; y < T + 6; ++y) ASSERT_EQ(p.Pixel(x, y), menu) << x << "," << y;
    EXPECT_EQ(p.Pixel(2, T + 6 + M - 1), menu);
    EXPECT_EQ(p.Pixel(W - 3, T + 6 + M), lines ? kGrey : form);
    EXPECT_EQ(p.Pixel(W / 2, T + 6), form);
    EXPECT_TRUE(StretchedDown(p, 0, T, H - 2, s.Bitmap(SKIN2_FORMLEFTBORDER)));
  }
  EXPECT_TRUE(linesSeen && noLinesSeen);
}

TEST_F(FramePicture, TallerNativeCaptionAddsABandUnderTheTitle) {
  for (const Skin& s : Skins()) {
    SCOPED_TRACE(s.name);
    const int T = s.m.SkinTitleHeight;
    TFramePictureOptions o = Window(200, 150);
    o.NativeCaptionHeight = T + 6;
    EXPECT_EQ(FramePictureWindow(s.m, o).ExtraBand, 6);
    o.NativeCaptionHeight = T;
    EXPECT_EQ(FramePictureWindow(s.m, o).ExtraBand, 0);
    o.NativeCaptionHeight = 0;
    EXPECT_EQ(FramePictureWindow(s.m, o).ExtraBand, 0);

    // With borders of 4 pixels the band is the form colour and the sides run beside it.
    o.NativeCaptionHeight = T + 6;
    const TBitmap p = s.Render(o);
    for (int x = s.m.LeftBorderWidth; x < 200 - s.m.RightBorderWidth; ++x)
      for (int y = T; y < T + 6; ++y) ASSERT_EQ(p.Pixel(x, y), s.m.FormColor) << x << "," << y;
    EXPECT_TRUE(StretchedDown(p, 0, T, 150 - s.m.BottomBorderHeight, s.Bitmap(SKIN2_FORMLEFTBORDER)));
  }
  // The skin's own title height decides; the 24-row title of a 30-row caption leaves 6.
  TSkinMetrics m;
  m.SkinTitleHeight = 24;
  TFramePictureOptions o = Window(200, 150);
  o.NativeCaptionHeight = 30;
  EXPECT_EQ(FramePictureWindow(m, o).ExtraBand, 6);
}

TEST_F(FramePicture, MinimizedWindowStretchesTheMinimizedTitleWithoutBorders) {
  for (const Skin& s : Skins()) {
    SCOPED_TRACE(s.name);
    const TBitmap& title = s.Bitmap(SKIN2_MINIMIZEDTITLE);
    const TBitmap& strip = s.Bitmap(SKIN2_TITLEBUTTONS);
    const int bw = strip.Width() / 18, bh = strip.Height();
    const int W = 2 * title.Width(), H = title.Height();
    ASSERT_LE(H, s.m.SkinTitleHeight);
    TFramePictureOptions o = Window(W, H);
    o.Iconic = true;
    const TBitmap p = s.Render(o);

    // Buttons 5 pixels from the right edge, centred on a 26-row title.
    int row = std::max((26 - bh) / 2, 0);
    if (bh + row < 22) row += 2;
    const int close = W - bw - 5;
    EXPECT_EQ(Mismatches(p, close, row, ButtonFrame(strip, 16), s.Trans()), 0);
    EXPECT_EQ(Mismatches(p, close - (bw + 2), row, ButtonFrame(strip, 7), s.Trans()), 0);
    EXPECT_EQ(Mismatches(p, close - 2 * (bw + 2), row, ButtonFrame(strip, 13), s.Trans()), 0);
    // The title at twice its width: every column doubled.
    const int buttonsLeft = close - 2 * (bw + 2);
    int wrong = 0;
    for (int y = 0; y < H; ++y)
      for (int x = 0; x < W; ++x) {
        if (x >= buttonsLeft && y >= row && y < row + bh) continue;
        const TColor c = title.Pixel(x / 2, y);
        if (c != s.Trans() && p.Pixel(x, y) != c) ++wrong;
      }
    EXPECT_EQ(wrong, 0);

    // No side or bottom borders: below the title everything is the form colour.
    o.Height = 60;
    const TBitmap tall = s.Render(o);
    for (int y = s.m.SkinTitleHeight; y < 60; ++y)
      for (int x : {0, 1, 2, 3, W - 1, W / 2}) ASSERT_EQ(tall.Pixel(x, y), s.m.FormColor) << x << "," << y;
  }
}

TEST_F(FramePicture, TooNarrowWindowStretchesTheLeftPieceUpToTheRightEnd) {
  constexpr int W = 90;
  for (const Skin& s : Skins()) {
    SCOPED_TRACE(s.name);
    const bool five = s.Flag(SKIN2_TITLEFIVESECT);
    const TBitmap& title1 = s.Bitmap(SKIN2_TITLEBAR1);
    const TBitmap& rightEnd = s.Bitmap(five ? SKIN2_TITLEBAR5 : SKIN2_TITLEBAR3);
    const int bw = s.Bitmap(SKIN2_TITLEBUTTONS).Width() / 18, bh = s.Bitmap(SKIN2_TITLEBUTTONS).Height();
    const int area = 3 * bw + 4 + 15 + (five ? s.Bitmap(SKIN2_TITLEBAR3).Width() : 0);
    ASSERT_LT(W - area, title1.Width());
    const int xr = W - rightEnd.Width();
    ASSERT_GT(xr, title1.Width());  // so the stretched piece reaches past its own width

    const TBitmap p = s.Render(Window(W, 60));
    std::vector<int> rows;  // those the buttons leave free
    for (int y = 0; y < s.m.SkinTitleHeight; ++y)
      if (y < s.m.ButtonPosY || y >= s.m.ButtonPosY + bh) rows.push_back(y);
    EXPECT_TRUE(StretchedAcross(p, 0, xr, rows, title1, s.Trans()));
    int wrong = 0;
    for (int y : rows)
      for (int x = xr; x < W; ++x) {
        const TColor c = rightEnd.Pixel(x - xr, y);
        if (c != s.Trans() && p.Pixel(x, y) != c) ++wrong;
      }
    EXPECT_EQ(wrong, 0);
  }
}

TEST_F(FramePicture, CaptionWidthMovesOnlyFiveSectionPieces) {
  constexpr int W = 300;
  int five = 0, three = 0;
  for (const Skin& s : Skins()) {
    SCOPED_TRACE(s.name);
    TFramePictureOptions o = Window(W, 100);
    if (!s.Flag(SKIN2_TITLEFIVESECT)) {
      ++three;
      const TBitmap narrow = s.Render(o);
      o.CaptionWidth = 150;
      const TBitmap wide = s.Render(o);
      EXPECT_EQ(Mismatches(wide, 0, 0, narrow, -1), 0);
      continue;
    }
    ++five;
    const TBitmap& piece3 = s.Bitmap(SKIN2_TITLEBAR3);
    const int captionX = s.m.IconPosX + 18;
    for (int width : {40, 80}) {
      o.CaptionWidth = width;
      EXPECT_EQ(Mismatches(s.Render(o), captionX + width + 2, 0, piece3, s.Trans()), 0) << width;
    }
    // A caption wider than its room is taken as shortened to the room.
    const int bw = s.Bitmap(SKIN2_TITLEBUTTONS).Width() / 18;
    const int room = W - captionX - (3 * bw + 4 + 15 + piece3.Width()) - 4;
    o.CaptionWidth = 1000;
    EXPECT_EQ(Mismatches(s.Render(o), captionX + room + 2, 0, piece3, s.Trans()), 0);
  }
  EXPECT_GT(five, 0);
  EXPECT_GT(three, 0);
}

TEST_F(FramePicture, RegionCutsShowTheOutsideColourWhereTheSkinIsTransparent) {
  constexpr int W = 240, H = 120;
  constexpr TColor kA = RGBColor(1, 254, 3), kB = RGBColor(254, 2, 253);
  int shaped = 0;
  for (const Skin& s : Skins()) {
    SCOPED_TRACE(s.name);
    TFramePictureOptions o = Window(W, H);
    o.OutsideColor = kA;
    const TBitmap a = s.Render(o);
    o.OutsideColor = kB;
    const TBitmap b = s.Render(o);
    // Outside: where the two pictures differ. It must take the colour asked for.
    std::vector<std::vector<bool>> outside(H, std::vector<bool>(W));
    int count = 0;
    for (int y = 0; y < H; ++y)
      for (int x = 0; x < W; ++x)
        if (a.Pixel(x, y) != b.Pixel(x, y)) {
          outside[y][x] = true;
          ++count;
          ASSERT_EQ(a.Pixel(x, y), kA);
          ASSERT_EQ(b.Pixel(x, y), kB);
        }
    const bool titleRegion = s.Flag(SKIN2_TITLEBARNEEDREGION),
               bottomRegion = s.Flag(SKIN2_BOTTOMBORDERNEEDREGION);
    if (!titleRegion && !bottomRegion) {
      EXPECT_EQ(count, 0);
      continue;
    }
    ++shaped;
    EXPECT_GT(count, 0);
    // The title's band: the left piece is cut exactly where it is transparent, rows past
    // the band never.
    const int lastTitleRow =
        s.m.TitleRegionMinY >= s.m.TitleRegionMaxY ? s.m.SkinTitleHeight - 1 : s.m.TitleRegionMaxY;
    const TBitmap& title1 = s.Bitmap(SKIN2_TITLEBAR1);
    for (int y = 0; y < s.m.SkinTitleHeight; ++y)
      for (int x = 0; x < title1.Width(); ++x) {
        const bool cut = titleRegion && y >= std::max(s.m.TitleRegionMinY, 0) && y <= lastTitleRow &&
                         title1.Pixel(x, y) == s.Trans();
        ASSERT_EQ(outside[y][x], cut) << x << "," << y;
      }
    // Nothing between the title and the bottom border is cut.
    const int B = s.m.BottomBorderHeight;
    for (int y = s.m.SkinTitleHeight; y < H - B; ++y)
      for (int x = 0; x < W; ++x) ASSERT_FALSE(outside[y][x]) << x << "," << y;
    // The bottom: its left piece is cut where it is transparent, when the skin asks.
    const TBitmap& bottom1 = s.Bitmap(SKIN2_FORMBOTTOMBORDER1);
    const int leftWidth = s.Flag(SKIN2_BOTTOMBORDERTHREESECT) ? bottom1.Width() : bottom1.Width() / 3;
    const int lastBottomRow = s.m.BottomRegionMinY >= s.m.BottomRegionMaxY ? B - 1 : s.m.BottomRegionMaxY;
    int bottomCuts = 0;
    for (int y = 0; y < B; ++y)
      for (int x = 0; x < leftWidth; ++x) {
        const bool cut = bottomRegion && y >= std::max(s.m.BottomRegionMinY, 0) && y <= lastBottomRow &&
                         bottom1.Pixel(x, y) == s.Trans();
        bottomCuts += cut;
        ASSERT_EQ(outside[H - B + y][x], cut) << x << "," << y;
      }
    if (bottomRegion) {
      EXPECT_GT(bottomCuts, 0);
    }
  }
  EXPECT_GT(shaped, 0);
}

// Below the region's band the window keeps its pixels, and transparent ones show the form
// colour rather than the transparent colour.
TEST_F(FramePicture, TransparentPixelsTheRegionKeepsShowTheFormColour) {
  constexpr int W = 240, H = 120;
  const Skin& s = band_->front();
  ASSERT_TRUE(s.Flag(SKIN2_TITLEBARNEEDREGION) && s.Flag(SKIN2_BOTTOMBORDERNEEDREGION));
  ASSERT_EQ(s.m.TitleRegionMaxY, 2);
  ASSERT_EQ(s.m.BottomRegionMaxY, 1);
  TFramePictureOptions o = Window(W, H);
  o.OutsideColor = RGBColor(1, 254, 3);
  const TBitmap p = s.Render(o);
  const TBitmap& title1 = s.Bitmap(SKIN2_TITLEBAR1);
  const TBitmap& bottom1 = s.Bitmap(SKIN2_FORMBOTTOMBORDER1);
  const int B = s.m.BottomBorderHeight;
  int kept = 0;
  const auto check = [&](const TBitmap& piece, int top, int lastCutRow) {
    for (int y = 0; y < piece.Height(); ++y)
      for (int x = 0; x < piece.Width(); ++x) {
        if (piece.Pixel(x, y) != s.Trans()) continue;
        if (y <= lastCutRow) {
          EXPECT_EQ(p.Pixel(x, top + y), o.OutsideColor) << x << "," << top + y;
        } else {
          ++kept;
          EXPECT_EQ(p.Pixel(x, top + y), s.m.FormColor) << x << "," << top + y;
        }
      }
  };
  check(title1, 0, 2);
  check(bottom1, H - B, 1);
  EXPECT_GT(kept, 0);
}

TEST_F(FramePicture, WindowsSmallerThanTheirFrameStillGiveAPictureOfTheirSize) {
  for (const Skin& s : ThinSkins()) {
    SCOPED_TRACE(s.name);
    const std::pair<int, int> sizes[] = {{1, 1}, {10, 10}, {40, 20}, {300, 12}};
    for (const auto& [w, h] : sizes) {
      TFramePictureOptions o = Window(w, h);
      o.MenuBarHeight = 20;
      o.NativeCaptionHeight = 40;
      o.Cursor = TFrameCursor{0, 0};
      o.Pressed = true;
      const TBitmap p = s.Render(o);
      EXPECT_EQ(p.Width(), w);
      EXPECT_EQ(p.Height(), h);
    }
    EXPECT_TRUE(s.Render(Window(0, 50)).Empty());
  }
}

}  // namespace
}  // namespace zentavo::test
