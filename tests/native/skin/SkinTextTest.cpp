#include <gtest/gtest.h>

#include "skin/FormActivity.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinText.h"

namespace zentavo {
namespace {

// Ten pixels a byte, dots two.
int Width(std::string_view text) {
  int w = 0;
  for (char c : text) w += c == '.' ? 2 : 10;
  return w;
}

TEST(EllipsizeText, KeepsFittingTextAndCutsAtTheFirstWideEnoughCandidate) {
  EXPECT_EQ(EllipsizeText(Width, "abc", 30), "abc");
  EXPECT_EQ(EllipsizeText(Width, "abcdef", 25), "ab...");  // 26 wide: up to a character over
  EXPECT_EQ(EllipsizeText(Width, "abcdef", 26), "ab...");
  EXPECT_EQ(EllipsizeText(Width, "abcdef", 27), "abc...");
  // One character that does not fit has no shorter candidate.
  EXPECT_EQ(EllipsizeText(Width, "W", 5), "W");
  // No candidate reaches the width: the whole text.
  EXPECT_EQ(EllipsizeText(Width, "abcdef", 57), "abcdef");
  EXPECT_EQ(EllipsizeText(Width, "", -1), "");
}

TEST(EllipsizeText, NeverSplitsATwoByteCharacter) {
  const auto lead = [](unsigned char c) { return c >= 0x81; };
  const std::string text = "\xB0\xA1\xB0\xA1z";
  EXPECT_EQ(EllipsizeText(Width, text, 10, lead), "\xB0\xA1...");
  EXPECT_EQ(EllipsizeText(Width, text, 27, lead), "\xB0\xA1\xB0\xA1...");
  EXPECT_EQ(EllipsizeText(Width, text, 10), "\xB0...");      // byte by byte without the rule
  EXPECT_EQ(EllipsizeText(Width, "\xB0", 1, lead), "\xB0");  // a lone lead byte at the end
}

TEST(StripAmpersands, RemovesEveryAmpersand) {
  EXPECT_EQ(StripAmpersands("&File && E&xit&"), "File  Exit");
}

TEST(PointInRect, AllFourEdgesAreInside) {
  const TRect r{2, 3, 10, 8};
  EXPECT_TRUE(PointInRect(10, 8, r));
  EXPECT_TRUE(PointInRect(2, 3, r));
  EXPECT_FALSE(PointInRect(11, 5, r));
  EXPECT_FALSE(PointInRect(5, 2, r));
}

TEST(IsFormActive, DecidesInOrder) {
  TFormActivityFacts f;
  f.frameAnswer = 1;
  EXPECT_TRUE(IsFormActive(f));
  f.frameAnswer = 2;  // any other positive answer: inactive, whatever else holds
  f.formActive = true;
  EXPECT_FALSE(IsFormActive(f));

  f = {};
  f.formActive = true;  // no main form: the form's flag
  EXPECT_TRUE(IsFormActive(f));

  f = {};
  f.hasMainForm = true;
  f.mainFormIsMdiFrame = true;
  f.isMainForm = true;  // the MDI frame itself, even with the application inactive
  EXPECT_TRUE(IsFormActive(f));

  f = {};
  f.hasMainForm = true;
  f.formActive = true;
  EXPECT_FALSE(IsFormActive(f));  // the application is not active
  f.applicationActive = true;
  f.formActive = false;
  f.isMainForm = true;
  EXPECT_TRUE(IsFormActive(f));
  f.isMainForm = false;
  EXPECT_FALSE(IsFormActive(f));
  f.mainFormIsMdiFrame = true;
  f.isActiveMdiChild = true;
  EXPECT_TRUE(IsFormActive(f));
  f.formPresent = false;
  f.isActiveMdiChild = false;
  EXPECT_TRUE(IsFormActive(f));
}

}  // namespace
}  // namespace zentavo

namespace zentavo {
namespace {

TEST(SkinTextUtf8, ShortensBetweenWholeCharacters) {
  // Every character counts 10 pixels, whatever its byte length; "..." counts 10.
  const TTextWidth width = [](std::string_view text) {
    int characters = 0;
    for (unsigned char c : text)
      if ((c & 0xC0) != 0x80 && c != '.') ++characters;
    return characters * 10 + (text.find("...") != std::string_view::npos ? 10 : 0);
  };
  const std::string text = "\xe6\x94\xb6\xe5\x85\xa5\xe6\x94\xaf\xe5\x87\xba";  // four Chinese characters
  EXPECT_EQ(EllipsizeUtf8Text(width, text, 40), text);
  EXPECT_EQ(EllipsizeUtf8Text(width, text, 30), "\xe6\x94\xb6\xe5\x85\xa5...");
  EXPECT_EQ(EllipsizeUtf8Text(width, "ab", 5), "a...");
}

}  // namespace
}  // namespace zentavo
