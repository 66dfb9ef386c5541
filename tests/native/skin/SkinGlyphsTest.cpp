#include <gtest/gtest.h>

#include <string>

#include "SkinPixelTestData.h"
#include "skin/SkinGlyphs.h"

namespace zentavo {
namespace {

// The canvas as text: '#' black, 'g' grey, '.' white, one line per row.
std::string Picture(const TBitmap& b) {
  std::string out;
  for (int y = 0; y < b.Height(); ++y) {
    for (int x = 0; x < b.Width(); ++x) {
      const TColor c = b.Pixel(x, y);
      out += c == clBlack ? '#' : c == RGBColor(0x80, 0x80, 0x80) ? 'g' : c == clWhite ? '.' : '?';
    }
    out += '\n';
  }
  return out;
}

TBitmap Blank() {
  return test::Filled(9, 9, RGBColor(0x20, 0x20, 0x20));
}

TEST(ArrowGlyphs, EnabledTrianglesHaveTheirExactPixels) {
  TBitmap down = test::Filled(9, 6, clWhite);
  DrawArrowDown(down, 1, 1, true);
  EXPECT_EQ(Picture(down),
            ".........\n"
            ".#######.\n"
            "..#####..\n"
            "...###...\n"
            "....#....\n"
            ".........\n");

  TBitmap up = test::Filled(9, 6, clWhite);
  DrawArrowUp(up, 4, 1, true);
  EXPECT_EQ(Picture(up),
            ".........\n"
            "....#....\n"
            "...###...\n"
            "..#####..\n"
            ".#######.\n"
            ".........\n");

  TBitmap left = test::Filled(6, 9, clWhite);
  DrawArrowLeft(left, 1, 4, true);
  EXPECT_EQ(Picture(left),
            "......\n"
            "....#.\n"
            "...##.\n"
            "..###.\n"
            ".####.\n"
            "..###.\n"
            "...##.\n"
            "....#.\n"
            "......\n");

  TBitmap right = test::Filled(6, 9, clWhite);
  DrawArrowRight(right, 1, 1, true);
  EXPECT_EQ(Picture(right),
            "......\n"
            ".#....\n"
            ".##...\n"
            ".###..\n"
            ".####.\n"
            ".###..\n"
            ".##...\n"
            ".#....\n"
            "......\n");
}

TEST(ArrowGlyphs, DisabledTriangleIsGreyOverAWhiteShadow) {
  TBitmap down = Blank();
  DrawArrowDown(down, 0, 0, false);
  const std::string picture = Picture(down);
  EXPECT_EQ(picture.substr(0, 40),
            "ggggggg??\n"
            "?ggggg..?\n"
            "??ggg..??\n"
            "???g..???\n");
  EXPECT_EQ(picture.substr(40, 10), "????.????\n");

  // Glyphs partly off the canvas are clipped, not written outside it.
  TBitmap small = Blank();
  DrawArrowLeft(small, -2, 0, false);
  DrawArrowRight(small, 7, 7, true);
  EXPECT_EQ(small.Pixel(0, 0), RGBColor(0x80, 0x80, 0x80));
  EXPECT_EQ(small.Pixel(8, 8), clBlack);
}

}  // namespace
}  // namespace zentavo
