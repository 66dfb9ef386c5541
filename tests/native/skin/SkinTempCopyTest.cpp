#include <gtest/gtest.h>

#include <set>

#include "SkinTestData.h"
#include "core/Error.h"
#include "skin/SkinTempCopy.h"

namespace zentavo {
namespace {

namespace fs = std::filesystem;

TEST(NumberedFileName, ACounterGoesBeforeTheExtensionWhileTheNameIsTaken) {
  std::set<fs::path> taken{"t/{G}.sui", "t/{G}1.sui", "t/{G}2.sui"};
  auto exists = [&](const fs::path& p) { return taken.count(p) > 0; };
  EXPECT_EQ(NumberedFileName("t/{G}", ".sui", exists), fs::path("t/{G}3.sui"));
  EXPECT_EQ(NumberedFileName("t/{H}", ".sui", exists), fs::path("t/{H}.sui"));
  EXPECT_EQ(NumberedFileName("t/SUISKNT", ".sui", [](const fs::path& p) { return p == "t/SUISKNT.sui"; }),
            fs::path("t/SUISKNT1.sui"));
}

// A file system where saving fails a given number of times.
struct FailingSaves {
  int failures;
  int stems = 0;
  std::vector<fs::path> tried;
  TTemporaryCopyIo Io() {
    TTemporaryCopyIo io;
    io.newStem = [this] { return fs::path("tmp/stem" + std::to_string(++stems)); };
    io.exists = [](const fs::path&) { return false; };
    io.save = [this](const fs::path& p, const std::vector<std::uint8_t>&) {
      tried.push_back(p);
      return static_cast<int>(tried.size()) > failures;
    };
    return io;
  }
};

TEST(SaveTemporaryCopy, AFailedSaveIsRetriedUnderAFreshName) {
  FailingSaves disk{2};
  EXPECT_EQ(SaveTemporaryCopy({1, 2, 3}, ".sui", disk.Io()), fs::path("tmp/stem3.sui"));
  EXPECT_EQ(disk.tried, (std::vector<fs::path>{"tmp/stem1.sui", "tmp/stem2.sui", "tmp/stem3.sui"}));
}

TEST(SaveTemporaryCopy, AFullDiskEndsAfterTheLastAttemptWithTheName) {
  FailingSaves disk{1000};
  try {
    SaveTemporaryCopy({1}, ".sui", disk.Io());
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), ("Unable to write to " + fs::path("tmp/stem5.sui").string()).c_str());
  }
  EXPECT_EQ(disk.tried.size(), static_cast<size_t>(kTemporaryCopyAttempts));
}

TEST(SaveTemporaryCopy, TheFileSystemCopyHoldsTheBytesAndSkipsTakenNames) {
  test::ScratchFolder folder;
  test::WriteFile(folder / "copy.sui", {9});
  const std::vector<std::uint8_t> bytes{0, 1, 2, 255};
  const fs::path saved = SaveTemporaryCopy(bytes, ".sui", FileSystemCopyIo([&] { return folder / "copy"; }));
  EXPECT_EQ(saved, folder / "copy1.sui");
  EXPECT_EQ(test::ReadFile(saved), bytes);
  EXPECT_EQ(test::ReadFile(folder / "copy.sui"), test::Bytes{9});
}

TEST(SaveTemporaryCopy, AFolderThatCannotTakeFilesLeavesNothingBehind) {
  test::ScratchFolder folder;
  // The stem names a folder that does not exist, so every save fails.
  EXPECT_THROW(SaveTemporaryCopy({1}, ".sui", FileSystemCopyIo([&] { return folder / "missing" / "copy"; })), Error);
  EXPECT_TRUE(fs::is_empty(folder.Path()));
}

}  // namespace
}  // namespace zentavo
