#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "skin/SkinFileCandidates.h"

namespace zentavo {
namespace {

// Records every name asked for and answers from a fixed set of files.
struct FakeFiles {
  std::set<std::string> files;
  std::vector<std::string> asked;
  std::function<bool(const std::string&)> Exists() {
    return [this](const std::string& name) {
      asked.push_back(name);
      return files.count(name) > 0;
    };
  }
};

const TSkinFileFolders kFolders{"C:\\Zentavo\\", "C:\\Windows", "C:\\Windows\\System32\\"};

TEST(SkinFileCandidates, TheValueItselfWinsOverEveryFolder) {
  FakeFiles fs{{"D:\\skins\\Warm.ssk", "C:\\Zentavo\\Warm.ssk"}};
  EXPECT_EQ(ResolveSkinFile("D:\\skins\\Warm.ssk", kFolders, fs.Exists()), "D:\\skins\\Warm.ssk");
  EXPECT_EQ(fs.asked, std::vector<std::string>{"D:\\skins\\Warm.ssk"});
}

TEST(SkinFileCandidates, FoldersAreTriedInOrderWithTheFileNamePartOnly) {
  FakeFiles fs{{"C:\\Windows\\System32\\Warm.ssk"}};
  EXPECT_EQ(ResolveSkinFile("D:\\gone\\Warm.ssk", kFolders, fs.Exists()), "C:\\Windows\\System32\\Warm.ssk");
  // The Windows folder had no trailing backslash: one is added.
  EXPECT_EQ(fs.asked, (std::vector<std::string>{"D:\\gone\\Warm.ssk", "C:\\Zentavo\\Warm.ssk", "C:\\Windows\\Warm.ssk",
                                                "C:\\Windows\\System32\\Warm.ssk"}));

  FakeFiles both{{"C:\\Zentavo\\Warm.ssk", "C:\\Windows\\Warm.ssk"}};
  EXPECT_EQ(ResolveSkinFile("Warm.ssk", kFolders, both.Exists()), "C:\\Zentavo\\Warm.ssk");
}

TEST(SkinFileCandidates, NothingFoundGivesNone) {
  FakeFiles fs{{"C:\\Zentavo\\Other.ssk"}};
  EXPECT_EQ(ResolveSkinFile("skins\\Warm.ssk", kFolders, fs.Exists()), std::nullopt);
  EXPECT_EQ(fs.asked.size(), 4u);
}

TEST(SkinFileCandidates, AValueWithoutFileNameNeverNamesAFolder) {
  // A fake that would answer for folders too: the folders alone are never asked for.
  FakeFiles fs{{"C:\\Zentavo\\", "C:\\Windows\\"}};
  EXPECT_EQ(ResolveSkinFile("", kFolders, fs.Exists()), std::nullopt);
  EXPECT_EQ(ResolveSkinFile("D:\\skins\\", kFolders, fs.Exists()), std::nullopt);
  // Only the value as given was asked for, never a folder of the list.
  EXPECT_EQ(fs.asked, std::vector<std::string>{"D:\\skins\\"});
}

TEST(SkinFileCandidates, AnUnknownSystemFolderIsSkipped) {
  FakeFiles fs{{"Warm.ssk"}};
  // Found as given (relative to the current folder) ...
  EXPECT_EQ(ResolveSkinFile("Warm.ssk", {"", "", ""}, fs.Exists()), "Warm.ssk");
  // ... but an empty folder never makes a bare name of a path.
  FakeFiles other{{"Warm.ssk"}};
  EXPECT_EQ(ResolveSkinFile("D:\\x\\Warm.ssk", {"", "", ""}, other.Exists()), std::nullopt);
}

TEST(SkinFileCandidates, FileNamePartAndTrailingBackslash) {
  EXPECT_EQ(ExtractSkinFileName("C:\\a\\b.ssk"), "b.ssk");
  EXPECT_EQ(ExtractSkinFileName("C:b.ssk"), "b.ssk");
  EXPECT_EQ(ExtractSkinFileName("a/b/c.ssk"), "c.ssk");
  EXPECT_EQ(ExtractSkinFileName("plain.ssk"), "plain.ssk");
  EXPECT_EQ(ExtractSkinFileName("C:\\a\\"), "");
  EXPECT_EQ(WithTrailingBackslash("C:\\a"), "C:\\a\\");
  EXPECT_EQ(WithTrailingBackslash("C:\\a\\"), "C:\\a\\");
  EXPECT_EQ(WithTrailingBackslash(""), "");
}

}  // namespace
}  // namespace zentavo
