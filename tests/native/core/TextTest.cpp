#include <gtest/gtest.h>

#include "core/Text.h"

using zentavo::SplitText;

TEST(SplitText, SplitsAtEveryBlankKeepingEmptyParts) {
  EXPECT_EQ(SplitText("2024-03-05 12:00:01", " "),
            (std::vector<std::string>{"2024-03-05", "12:00:01"}));
  EXPECT_EQ(SplitText("a  b", " "), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(SplitText("2024-03-05", " "), (std::vector<std::string>{"2024-03-05"}));
  EXPECT_EQ(SplitText(" x ", " "), (std::vector<std::string>{"", "x", ""}));
}

TEST(SameText, IgnoresAsciiCaseOnly) {
  EXPECT_TRUE(zentavo::SameText("SKIN2_Form", "skin2_FORM"));
  EXPECT_FALSE(zentavo::SameText("abc", "abd"));
  EXPECT_FALSE(zentavo::SameText("abc", "abcd"));
  EXPECT_FALSE(zentavo::SameText("[", "{"));  // only letters fold
}
