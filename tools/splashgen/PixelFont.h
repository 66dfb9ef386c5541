#pragma once
#include <string>
#include <vector>

#include "SmoothMask.h"

namespace zentavo::splash {

// A letter drawn on a grid: rows of '#' (ink) and '.' (paper), placed `top` rows below the
// top of the font's cell; all rows of a letter have its width.
struct Glyph {
  char32_t code;
  int top;
  std::vector<const char*> rows;
};

// A hand-made pixel font: letters on a cell `height` rows high, `spacing` empty columns
// between two letters and `spaceWidth` columns for a space.
struct PixelFont {
  int height;
  int spacing;
  int spaceWidth;
  std::vector<Glyph> glyphs;
};

// The title letters (12 rows, strokes two pixels wide), the small letters of the subtitles
// (9 rows, descenders included) and the Chinese characters of the Chinese title (16 x 16).
const PixelFont& TitleFont();
const PixelFont& SmallFont();
const PixelFont& ChineseFont();

// The text on the font's grid, one mask pixel per grid cell. Fails on a letter the font
// does not have, so a picture never silently loses a letter.
Mask RenderText(const PixelFont& font, const std::u32string& text);

// The text drawn smoothly `height` pixels high: the grid grown with Scale2x (steps), thickened
// by `weight` pixels of the grown grid, then shrunk with coverage.
Mask SmoothText(const PixelFont& font, const std::u32string& text, int height, int steps = 3, int weight = 0);

}  // namespace zentavo::splash
