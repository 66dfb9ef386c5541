#include <gtest/gtest.h>

#include "core/SystemText.h"

using namespace zentavo;

TEST(SystemText, ByteOrderMarksChooseTheEncoding) {
  EXPECT_EQ(DecodeSystemText("\xEF\xBB\xBF" "收入"), "收入");
  // "收入" in UTF-16 LE after its mark: U+6536 U+5165.
  EXPECT_EQ(DecodeSystemText(std::string("\xFF\xFE\x36\x65\x65\x51", 6)), "收入");
  // A character beyond the basic plane, as a surrogate pair: U+1F600.
  EXPECT_EQ(DecodeSystemText(std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6)), "\xF0\x9F\x98\x80");
  EXPECT_EQ(DecodeSystemText("plain"), "plain");
  EXPECT_EQ(EncodeSystemText("plain"), "plain");
}
