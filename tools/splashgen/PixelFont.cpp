#include "PixelFont.h"

#include <cstring>
#include <stdexcept>

namespace zentavo::splash {

const PixelFont& TitleFont() {
  static const PixelFont font{
      12,
      2,
      5,
      {
          {U'Z',
           0,
           {"#########", "#########", ".......##", "......##.", ".....##..", "....##...", "...##....",
            "..##.....", ".##......", "##.......", "#########", "#########"}},
          {U'e', 4, {".#####.", "##...##", "##...##", "#######", "##.....", "##.....", "##...##", ".#####."}},
          {U'n', 4, {"##.###.", "###..##", "##...##", "##...##", "##...##", "##...##", "##...##", "##...##"}},
          {U't',
           1,
           {".##...", ".##...", ".##...", "######", ".##...", ".##...", ".##...", ".##...", ".##...",
            ".##...", "..####"}},
          {U'a', 4, {".#####.", "##...##", ".....##", ".######", "##...##", "##...##", "##..###", ".###.##"}},
          {U'v',
           4,
           {"##....##", "##....##", "##....##", ".##..##.", ".##..##.", "..####..", "..####..", "...##..."}},
          {U'o', 4, {".#####.", "##...##", "##...##", "##...##", "##...##", "##...##", "##...##", ".#####."}},
      }};
  return font;
}

const PixelFont& SmallFont() {
  static const PixelFont font{
      9,
      1,
      3,
      {
          {U'P', 0, {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
          {U'e', 2, {".###.", "#...#", "#####", "#....", ".###."}},
          {U'r', 2, {"#.##", "##..", "#...", "#...", "#..."}},
          {U's', 2, {".###", "#...", ".##.", "...#", "###."}},
          {U'o', 2, {".###.", "#...#", "#...#", "#...#", ".###."}},
          {U'n', 2, {"#.##.", "##..#", "#...#", "#...#", "#...#"}},
          {U'a', 2, {".###.", "....#", ".####", "#...#", ".####"}},
          {U'l', 0, {"#.", "#.", "#.", "#.", "#.", "#.", ".#"}},
          {U'i', 0, {"#", ".", "#", "#", "#", "#", "#"}},
          {U'c', 2, {".###", "#...", "#...", "#...", ".###"}},
          {U'm', 2, {"###.##.", "#..#..#", "#..#..#", "#..#..#", "#..#..#"}},
          {U'x', 2, {"#...#", ".#.#.", "..#..", ".#.#.", "#...#"}},
          {U'p', 2, {"####.", "#...#", "#...#", "#...#", "####.", "#....", "#...."}},
          {U'&', 0, {".##...", "#..#..", "#.#...", ".#....", "#.#.#.", "#..#..", ".##.#."}},
      }};
  return font;
}

// 个人记账, "personal bookkeeping".
const PixelFont& ChineseFont() {
  static const PixelFont font{
      16,
      3,
      8,
      {
          {U'\u4E2A',
           0,
           {"................", ".......##.......", "......#..#......", ".....#....#.....",
            "....#......#....", "...#...##...#...", "..#....##....#..", ".#.....##.....#.",
            "#......##......#", ".......##.......", ".......##.......", ".......##.......",
            ".......##.......", ".......##.......", ".......##.......", "................"}},
          {U'\u4EBA',
           0,
           {".......#........", ".......#........", ".......#........", ".......#........",
            ".......##.......", "......#.#.......", "......#..#......", ".....#...#......",
            ".....#....#.....", "....#.....#.....", "....#......#....", "...#.......#....",
            "..#.........#...", ".#...........#..", "#.............##", "................"}},
          {U'\u8BB0',
           0,
           {"................", ".##.............", "..##..#########.", "..............#.",
            "..............#.", "##............#.", ".#............#.", ".#....#########.",
            ".#....#.........", ".#....#.........", ".#....#.........", ".#.#..#........#",
            ".##...#........#", ".#....##########", "................", "................"}},
          {U'\u8D26',
           0,
           {"................", "######...#....#.", "#....#...#...#..", "#.#..#...#..#...",
            "#.#..#...#.#....", "#.#..#...##.....", "#.#..#...#......", "#.#..#..########",
            "#.#..#...#.#....", "#.#..#...#..#...", "#.#..#...#...#..", "..#......#....#.",
            ".#.#.....#.....#", "#...#....###...#", "................", "................"}},
      }};
  return font;
}

namespace {

const Glyph& FindGlyph(const PixelFont& font, char32_t code) {
  for (const Glyph& glyph : font.glyphs)
    if (glyph.code == code) return glyph;
  throw std::runtime_error("the font has no letter U+" + std::to_string(static_cast<unsigned>(code)));
}

int GlyphWidth(const Glyph& glyph) {
  return glyph.rows.empty() ? 0 : static_cast<int>(std::strlen(glyph.rows[0]));
}

}  // namespace

Mask RenderText(const PixelFont& font, const std::u32string& text) {
  int width = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    width += text[i] == U' ' ? font.spaceWidth : GlyphWidth(FindGlyph(font, text[i]));
    if (i + 1 < text.size()) width += font.spacing;
  }
  Mask mask(width, font.height);
  int x = 0;
  for (char32_t code : text) {
    if (code == U' ') {
      x += font.spaceWidth + font.spacing;
      continue;
    }
    const Glyph& glyph = FindGlyph(font, code);
    for (std::size_t row = 0; row < glyph.rows.size(); ++row)
      for (int column = 0; glyph.rows[row][column]; ++column)
        if (glyph.rows[row][column] == '#') mask.Ref(x + column, glyph.top + static_cast<int>(row)) = 1.0f;
    x += GlyphWidth(glyph) + font.spacing;
  }
  return mask;
}

Mask SmoothText(const PixelFont& font, const std::u32string& text, int height, int steps, int weight) {
  // A margin of one cell keeps the smoothing and thickening from running off the edges.
  const Mask grid = RenderText(font, text);
  Mask framed(grid.width + 2, grid.height + 2);
  for (int y = 0; y < grid.height; ++y)
    for (int x = 0; x < grid.width; ++x) framed.Ref(x + 1, y + 1) = grid.At(x, y);
  for (int i = 0; i < steps; ++i) framed = Scale2x(framed);
  framed = Dilate(framed, weight);
  return Downsample(framed, height * (grid.height + 2) / grid.height);
}

}  // namespace zentavo::splash
