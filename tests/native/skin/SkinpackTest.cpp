// The skinpack tool, run as a separate process on skin folders and packages.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "SkinTestData.h"
#include "native/support/ToolRunner.h"
#include "skin/Crc32.h"

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

}  // namespace
}  // namespace zentavo::test
