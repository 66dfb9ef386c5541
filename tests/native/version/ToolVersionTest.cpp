#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <regex>
#include <string>

#include "native/support/ToolRunner.h"

using zentavo::testing::FileText;
using zentavo::testing::RunTool;
using zentavo::testing::ToolResult;

namespace {

// The built tools report the release number written in the tree's VERSION file, so that
// changing that one file is enough to change what every tool says.
class ToolVersionTest : public ::testing::TestWithParam<const char*> {
 protected:
  static std::string TreeVersion() {
    std::string text = FileText(ZENTAVO_SOURCE_DIR "/VERSION");
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
      text.pop_back();
    return text;
  }
  ToolResult Run(const std::vector<std::string>& args) {
    const std::string tool = GetParam();
    return RunTool(ZENTAVO_BINARY_DIR "/tools/" + tool + "/" + tool, args, scratch_);
  }

  void SetUp() override { std::filesystem::create_directories(scratch_); }
  void TearDown() override { std::filesystem::remove_all(scratch_); }

  std::filesystem::path scratch_ =
      std::filesystem::temp_directory_path() / ("zentavo-version-test-" + std::to_string(getpid()));
};

TEST_P(ToolVersionTest, PrintsTheTreeVersion) {
  const std::string version = TreeVersion();
  ASSERT_TRUE(std::regex_match(version, std::regex(R"(\d+\.\d+\.\d+)")))
      << "VERSION holds '" << version << "'";
  const ToolResult result = Run({"--version"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, std::string(GetParam()) + " " + version + "\n");
  EXPECT_EQ(result.err, "");
}

// The flag stands alone; with anything after it the tool's own argument handling objects.
TEST_P(ToolVersionTest, RejectsTheFlagWithOtherArguments) {
  const ToolResult result = Run({"--version", "extra"});
  EXPECT_NE(result.exitCode, 0);
  EXPECT_NE(result.err, "");
}

INSTANTIATE_TEST_SUITE_P(Tools, ToolVersionTest, ::testing::Values("ledgertool", "skinpack"));

}  // namespace
