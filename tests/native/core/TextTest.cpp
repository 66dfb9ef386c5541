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
