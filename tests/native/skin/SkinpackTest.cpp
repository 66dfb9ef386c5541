// The skinpack tool, run as a separate process on skin folders and packages.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "SkinTestData.h"
#include "native/support/ToolRunner.h"
#include "skin/Crc32.h"
#include "skin/FramePicture.h"
#include "skin/SkinBlit.h"
#include "skin/SkinMetrics.h"

namespace zentavo::test {
namespace {

using ::testing::HasSubstr;
using zentavo::testing::FileText;
using zentavo::testing::ToolResult;

class SkinpackTest : public ::testing::Test {
 protected:
  ToolResult Run(const std::vector<std::string>& args) {
    return zentavo::testing::RunTool(ZENTAVO_BINARY_DIR "/tools/skinpack/skinpack", args, scratch.Path());
  }
  std::string Ok(const std::vector<std::string>& args) {
    const ToolResult result = Run(args);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return result.out;
  }
  // A small skin: two colours, a position, a flag, a string and two bitmaps.
  std::filesystem::path MakeSkinFolder() {
    const auto folder = scratch / "skin";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "skin.ini") << "[colors]\nSKIN2_FORMCOLOR=#102030\nSKIN2_TRANSCOLOR=16711935\n"
                                          "[positions]\nSKIN2_TITLEHEIGHT=24\n[flags]\nSKIN2_TITLETRANS=1\n"
                                          "[strings]\nAUTHOR=Zentavo\n";
    TBitmap title(3, 2);
    title.SetPixel(0, 0, RGBColor(255, 0, 0));
    title.SetPixel(2, 1, RGBColor(0, 0, 255));
    WriteFile(folder / "SKIN2_TITLEBAR.bmp", title.SaveToMemory());
    TBitmap button(2, 2);
    button.Fill(RGBColor(1, 2, 3));
    WriteFile(folder / "SKIN2_BUTTON.bmp", button.SaveToMemory());
    return folder;
  }

  ScratchFolder scratch;
};

TEST_F(SkinpackTest, BuildThenListShowsEveryValueInPackageOrder) {
  const std::string package = (scratch / "test.ssk").string();
  Ok({"build", MakeSkinFolder().string(), package});
  const Bytes bytes = ReadFile(package);
  ASSERT_GT(bytes.size(), 22u);
  EXPECT_EQ(bytes[0], 'S');
  EXPECT_EQ(bytes[1], 'K');

  // Each bitmap's pixels as B, G, R bytes, rows from the top.
  auto crcOf = [](const Bytes& pixels) {
    char text[16];
    std::snprintf(text, sizeof text, "%08X", Crc32(0, pixels.data(), pixels.size()));
    return std::string(text);
  };
  // #102030 is stored as R | G << 8 | B << 16.
  const std::string button = crcOf({3, 2, 1, 3, 2, 1, 3, 2, 1, 3, 2, 1});
  const std::string title = crcOf({0, 0, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 0, 0});
  EXPECT_EQ(Ok({"list", package}),
            "bitmap SKIN2_BUTTON 2x2 crc=" + button + "\nbitmap SKIN2_TITLEBAR 3x2 crc=" + title +
                "\ninteger SKIN2_FORMCOLOR=3153936\ninteger SKIN2_TRANSCOLOR=16711935\n"
                "integer SKIN2_TITLEHEIGHT=24\nbyte SKIN2_TITLETRANS=1\nstring AUTHOR=Zentavo\n");
  // The same folder always gives the same package.
  const std::string again = (scratch / "again.ssk").string();
  Ok({"build", MakeSkinFolder().string(), again});
  EXPECT_EQ(ReadFile(again), bytes);
}

TEST_F(SkinpackTest, PasswordsAndDamagedPackagesGiveTheReadersMessages) {
  const std::string package = (scratch / "locked.ssk").string();
  Ok({"build", MakeSkinFolder().string(), package, "--password", "secret"});
  EXPECT_THAT(Ok({"list", package, "--password", "secret"}), HasSubstr("SKIN2_TITLEHEIGHT=24"));
  for (const std::vector<std::string>& wrong : {std::vector<std::string>{"list", package, "--password", "Secret"},
                                                std::vector<std::string>{"list", package}}) {
    const ToolResult result = Run(wrong);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err, "Wrong password!\n");
  }
  Bytes damaged = ReadFile(package);
  damaged[0] = 'P';
  WriteFile(scratch / "damaged.ssk", damaged);
  const ToolResult result = Run({"list", (scratch / "damaged.ssk").string(), "--password", "secret"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "Failed to read skin file!\n");
  EXPECT_EQ(Run({"list", (scratch / "missing.ssk").string()}).exitCode, 1);
}

TEST_F(SkinpackTest, ExtractReturnsTheReadersResultAndUnpackRoundTrips) {
  const std::string package = (scratch / "test.ssk").string();
  Ok({"build", MakeSkinFolder().string(), package, "--password", "pw"});
  const std::string entry = (scratch / "entry.bin").string();
  EXPECT_EQ(Run({"extract", package, "skindata.sk2", entry, "--password", "pw"}).exitCode, 0);
  EXPECT_TRUE(std::filesystem::exists(entry));
  EXPECT_EQ(Run({"extract", package, "SKINDATA.SK2", entry, "--password", "no"}).exitCode, 2);
  EXPECT_FALSE(std::filesystem::exists(entry));
  EXPECT_EQ(Run({"extract", package, "OTHER", entry, "--password", "pw"}).exitCode, 1);

  const std::string folder = (scratch / "unpacked").string();
  Ok({"unpack", package, folder, "--password", "pw"});
  EXPECT_THAT(FileText(scratch / "unpacked" / "skin.ini"), HasSubstr("SKIN2_FORMCOLOR=#102030"));
  const std::string rebuilt = (scratch / "rebuilt.ssk").string();
  Ok({"build", folder, rebuilt});
  EXPECT_EQ(Ok({"list", rebuilt}), Ok({"list", package, "--password", "pw"}));
}

TEST_F(SkinpackTest, BadFoldersAndUsageAreReported) {
  const auto folder = MakeSkinFolder();
  std::ofstream(folder / "skin.ini", std::ios::app) << "[flags]\nSKIN2_MENUBARTRANS=300\n";
  const ToolResult flag = Run({"build", folder.string(), (scratch / "x.ssk").string()});
  EXPECT_EQ(flag.exitCode, 1);
  EXPECT_THAT(flag.err, HasSubstr("SKIN2_MENUBARTRANS"));
  WriteFile(folder / "SKIN2_BROKEN.bmp", Text("BM not really"));
  EXPECT_EQ(Run({"build", (scratch / "nothing").string(), (scratch / "x.ssk").string()}).exitCode, 1);
  EXPECT_EQ(Run({"build", folder.string()}).exitCode, 3);
  EXPECT_THAT(Run({"frobnicate"}).err, HasSubstr("usage:"));
}

// render draws a default skin's frame; the pictures themselves are checked in the frame
// picture tests, here the command line that leads to them.
class SkinpackRenderTest : public SkinpackTest {
 protected:
  // MP10 as the distribution packs it, also behind a password, and Longhorn with borders
  // cut to 2 pixels, which shows the menu bar's rows and the band under the title.
  void SetUp() override {
    const auto skins = scratch / "skins";
    const auto result = zentavo::testing::RunTool(ZENTAVO_BINARY_DIR "/tools/skingen/skingen",
                                                  {skins.string(), "MP10", "Longhorn"}, scratch.Path());
    ASSERT_EQ(result.exitCode, 0) << result.err;
    for (const char* file : {"SKIN2_FORMLEFTBORDER.bmp", "SKIN2_FORMRIGHTBORDER.bmp"}) {
      TBitmap side;
      side.LoadFromFile(skins / "Longhorn" / file);
      CopyBitmapRect(side, {0, 0, 2, side.Height()}).SaveToFile(skins / "Longhorn" / file);
    }
    Ok({"build", (skins / "MP10").string(), package});
    Ok({"build", (skins / "MP10").string(), locked, "--password", "pw"});
    Ok({"build", (skins / "Longhorn").string(), thin});
  }
  static TBitmap Expected(const std::string& file, const TFramePictureOptions& options) {
    const TsuiSkinReader reader(file, "");
    return RenderFramePicture(reader, ReadSkinMetrics(reader), options);
  }
  static bool SamePicture(const TBitmap& a, const TBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
      for (int x = 0; x < a.Width(); ++x)
        if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    return true;
  }

  const std::string package = (scratch / "MP10.ssk").string();
  const std::string locked = (scratch / "locked.ssk").string();
  const std::string thin = (scratch / "thin.ssk").string();
  const std::string out = (scratch / "frame.bmp").string();
};

TEST_F(SkinpackRenderTest, WritesThePictureOfTheOptionsAsA24BitBmp) {
  struct Case {
    std::string package;
    std::vector<std::string> args;
    void (*set)(TFramePictureOptions&);
  };
  const Case cases[] = {
      {package, {}, [](TFramePictureOptions&) {}},
      {package,
       {"--buttons", "close,help"},
       [](TFramePictureOptions& o) {
         o.HasMaximize = o.HasMinimize = false;
         o.HasHelp = true;
       }},
      {package,
       {"--buttons", ""},
       [](TFramePictureOptions& o) { o.HasClose = o.HasMaximize = o.HasMinimize = false; }},
      {package,
       {"--zoomed", "--cursor", "223,-12", "--pressed"},
       [](TFramePictureOptions& o) {
         o.Zoomed = true;
         o.Cursor = TFrameCursor{223, -12};
         o.Pressed = true;
       }},
      {package,
       {"--iconic", "--no-icon", "--inactive"},
       [](TFramePictureOptions& o) {
         o.Iconic = true;
         o.HasIcon = false;
         o.Active = false;
       }},
      {package, {"--caption-width", "90"}, [](TFramePictureOptions& o) { o.CaptionWidth = 90; }},
      {package,
       {"--no-border", "--outside", "20FF40"},
       [](TFramePictureOptions& o) {
         o.HasBorder = false;
         o.OutsideColor = RGBColor(0x20, 0xFF, 0x40);
       }},
      {thin, {}, [](TFramePictureOptions&) {}},
      {thin, {"--menu-bar", "20"}, [](TFramePictureOptions& o) { o.MenuBarHeight = 20; }},
      {thin, {"--native-caption", "40"}, [](TFramePictureOptions& o) { o.NativeCaptionHeight = 40; }},
  };
  TFramePictureOptions plain;
  plain.Width = 260;
  plain.Height = 140;
  for (const Case& c : cases) {
    std::vector<std::string> args = {"render", c.package, out, "--size", "260x140"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    SCOPED_TRACE(::testing::PrintToString(args));
    std::filesystem::remove(out);
    EXPECT_EQ(Ok(args), out + ": 260x140\n");
    const Bytes bytes = ReadFile(out);
    ASSERT_GT(bytes.size(), 54u);
    EXPECT_EQ(bytes[28], 24);  // bits per pixel
    TBitmap written;
    written.LoadFromFile(out);
    TFramePictureOptions options = plain;
    c.set(options);
    const TBitmap expected = Expected(c.package, options);
    EXPECT_TRUE(SamePicture(written, expected));
    // Each option shows in the picture, so a misread one is caught above.
    if (!c.args.empty()) {
      EXPECT_FALSE(SamePicture(expected, Expected(c.package, plain)));
    }
  }
  // The package's password is the reader's.
  Ok({"render", locked, out, "--password", "pw", "--size", "260x140"});
  TBitmap written;
  written.LoadFromFile(out);
  EXPECT_TRUE(SamePicture(written, Expected(package, plain)));
}

TEST_F(SkinpackRenderTest, BadArgumentsAreUsageErrorsAndWriteNothing) {
  const std::vector<std::vector<std::string>> bad = {
      {"--size"},
      {"--size", "260"},
      {"--size", "0x140"},
      {"--size", "260x-1"},
      {"--size", "260x140x2"},
      {"--size", "ax140"},
      {"--size", "260x140", "--buttons", "close,restore"},
      {"--size", "260x140", "--buttons", "close,"},
      {"--size", "260x140", "--zoomed", "--iconic"},
      {"--size", "260x140", "--pressed"},
      {"--size", "260x140", "--cursor", "10"},
      {"--size", "260x140", "--cursor", "10,y"},
      {"--size", "260x140", "--outside", "12345"},
      {"--size", "260x140", "--outside", "GG0000"},
      {"--size", "260x140", "--menu-bar", "-1"},
      {"--size", "260x140", "--caption-width", "wide"},
      {"--size", "260x140", "--frobnicate"},
      {"--size", "260x140", "extra"},
      {},
  };
  for (const std::vector<std::string>& tail : bad) {
    std::vector<std::string> args = {"render", package, out};
    args.insert(args.end(), tail.begin(), tail.end());
    SCOPED_TRACE(::testing::PrintToString(args));
    const ToolResult result = Run(args);
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_THAT(result.err, HasSubstr("usage:"));
    EXPECT_THAT(result.err, HasSubstr("skinpack render"));
    EXPECT_FALSE(std::filesystem::exists(out));
  }
  EXPECT_EQ(Run({"render", package, "--size", "10x10"}).exitCode, 3);
}

TEST_F(SkinpackRenderTest, PackageErrorsAreTheReadersAndWriteNothing) {
  for (const std::vector<std::string>& wrong :
       {std::vector<std::string>{"--password", "PW"}, std::vector<std::string>{}}) {
    std::vector<std::string> args = {"render", locked, out, "--size", "100x80"};
    args.insert(args.end(), wrong.begin(), wrong.end());
    const ToolResult result = Run(args);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err, "Wrong password!\n");
  }
  Bytes damaged = ReadFile(package);
  damaged[0] = 'P';
  WriteFile(scratch / "damaged.ssk", damaged);
  for (const std::string& file : {(scratch / "damaged.ssk").string(), (scratch / "missing.ssk").string()}) {
    const ToolResult result = Run({"render", file, out, "--size", "100x80"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Failed to read skin file!\n");
  }
  EXPECT_FALSE(std::filesystem::exists(out));
  // An output that cannot be written is a failure too.
  const ToolResult result =
      Run({"render", package, (scratch / "no" / "such" / "x.bmp").string(), "--size", "100x80"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_THAT(result.err, HasSubstr("x.bmp"));
}

}  // namespace
}  // namespace zentavo::test
