// The splash pictures as the distribution gets them: drawn by splashgen, read back as the
// program reads them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <queue>

#include "framework/Bitmap.h"
#include "native/support/ToolRunner.h"

namespace zentavo::test {
namespace {

constexpr TColor kGrey = RGBColor(128, 128, 128);
const char* const kTool = ZENTAVO_BINARY_DIR "/tools/splashgen/splashgen";

std::filesystem::path Scratch(const std::string& name) {
  auto path = std::filesystem::temp_directory_path() / ("zentavo-splashgen-" + name);
  std::filesystem::remove_all(path);
  std::filesystem::create_directories(path);
  return path;
}

class SplashPictures : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const auto folder = Scratch("pictures");
    const auto result = zentavo::testing::RunTool(kTool, {(folder / "out").string()}, folder);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    english_.LoadFromFile(folder / "out" / "splash-en.bmp");
    chinese_.LoadFromFile(folder / "out" / "splash-gb.bmp");
    std::filesystem::remove_all(folder);
  }
  static TBitmap english_, chinese_;
};

TBitmap SplashPictures::english_, SplashPictures::chinese_;

TEST_F(SplashPictures, AreWindowSizedTwentyFourBitBitmaps) {
  for (const TBitmap* picture : {&english_, &chinese_}) {
    EXPECT_EQ(picture->Width(), 420);
    EXPECT_EQ(picture->Height(), 300);
    EXPECT_EQ(picture->SourceBitsPerPixel(), 24);
  }
}

// The card stands free in the grey: every edge pixel is grey, the card is one piece, and
// each grey pixel is reached from the edge through grey, so the card has no see-through hole.
TEST_F(SplashPictures, CardIsOneSolidShapeOnTheSeeThroughGrey) {
  for (const TBitmap* picture : {&english_, &chinese_}) {
    const int w = picture->Width(), h = picture->Height();
    for (int x = 0; x < w; ++x) {
      ASSERT_EQ(picture->Pixel(x, 0), kGrey) << x;
      ASSERT_EQ(picture->Pixel(x, h - 1), kGrey) << x;
    }
    for (int y = 0; y < h; ++y) {
      ASSERT_EQ(picture->Pixel(0, y), kGrey) << y;
      ASSERT_EQ(picture->Pixel(w - 1, y), kGrey) << y;
    }
    // Grey reached from the edge, then the card reached from its centre.
    auto flood = [&](int startX, int startY, bool grey) {
      std::vector<char> seen(static_cast<std::size_t>(w) * h, 0);
      std::queue<std::pair<int, int>> pending;
      pending.push({startX, startY});
      seen[static_cast<std::size_t>(startY) * w + startX] = 1;
      int count = 0;
      while (!pending.empty()) {
        auto [x, y] = pending.front();
        pending.pop();
        ++count;
        for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
          const int nx = x + dx, ny = y + dy;
          if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
          char& mark = seen[static_cast<std::size_t>(ny) * w + nx];
          if (mark || (picture->Pixel(nx, ny) == kGrey) != grey) continue;
          mark = 1;
          pending.push({nx, ny});
        }
      }
      return count;
    };
    int grey = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) grey += picture->Pixel(x, y) == kGrey;
    EXPECT_EQ(flood(0, 0, true), grey) << "grey pixels inside the card";
    EXPECT_EQ(flood(w / 2, h / 2, false), w * h - grey) << "card pixels apart from the card";
    // Rounded: the corners are see-through, the middle of each side is card.
    EXPECT_EQ(picture->Pixel(8, 8), kGrey);
    EXPECT_NE(picture->Pixel(w / 2, 8), kGrey);
    EXPECT_NE(picture->Pixel(8, h / 2), kGrey);
    EXPECT_GT(w * h - grey, w * h * 8 / 10);
  }
}

// The name is the same in both; only the subtitle band tells the languages apart.
TEST_F(SplashPictures, DifferOnlyWhereTheSubtitleIs) {
  int differentInBand = 0, differentElsewhere = 0;
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 420; ++x) {
      if (english_.Pixel(x, y) == chinese_.Pixel(x, y)) continue;
      (y >= 155 && y < 215 ? differentInBand : differentElsewhere)++;
    }
  EXPECT_GT(differentInBand, 1500);
  EXPECT_EQ(differentElsewhere, 0);
}

TEST(SplashTool, ReportsAFolderItCannotWrite) {
  const auto folder = Scratch("unwritable");
  std::ofstream(folder / "file") << "not a folder";
  const auto result = zentavo::testing::RunTool(kTool, {(folder / "file" / "out").string()}, folder);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("splashgen: "), std::string::npos) << result.err;
  const auto usage = zentavo::testing::RunTool(kTool, {}, folder);
  EXPECT_EQ(usage.exitCode, 3);
  EXPECT_NE(usage.err.find("usage"), std::string::npos);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace zentavo::test
