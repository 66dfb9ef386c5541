#include "skin/SkinGlyphs.h"

#include "skin/SkinBlit.h"

namespace zentavo {

namespace {

constexpr TColor kGlyphShadow = clWhite;
constexpr TColor kGlyphDisabled = RGBColor(0x80, 0x80, 0x80);

enum class Arrow { kDown, kUp, kLeft, kRight };

// Four rows (columns for left and right) of 7, 5, 3 and 1 pixels, the single pixel the tip.
void Triangle(TBitmap& canvas, Arrow arrow, int x, int y, TColor color) {
  for (int i = 0; i <= 3; ++i) {
    switch (arrow) {
      case Arrow::kDown:
        FillRectColor(canvas, {x + i, y + i, x + 7 - i, y + i + 1}, color);
        break;
      case Arrow::kUp:
        FillRectColor(canvas, {x - i, y + i, x + i + 1, y + i + 1}, color);
        break;
      case Arrow::kLeft:
        FillRectColor(canvas, {x + i, y - i, x + i + 1, y + i + 1}, color);
        break;
      case Arrow::kRight:
        FillRectColor(canvas, {x + i, y + i, x + i + 1, y + 7 - i}, color);
        break;
    }
  }
}

void Glyph(TBitmap& canvas, Arrow arrow, int x, int y, bool enabled) {
  if (enabled) {
    Triangle(canvas, arrow, x, y, clBlack);
    return;
  }
  Triangle(canvas, arrow, x + 1, y + 1, kGlyphShadow);
  Triangle(canvas, arrow, x, y, kGlyphDisabled);
}

}  // namespace

void DrawArrowDown(TBitmap& canvas, int x, int y, bool enabled) {
  Glyph(canvas, Arrow::kDown, x, y, enabled);
}
void DrawArrowUp(TBitmap& canvas, int x, int y, bool enabled) {
  Glyph(canvas, Arrow::kUp, x, y, enabled);
}
void DrawArrowLeft(TBitmap& canvas, int x, int y, bool enabled) {
  Glyph(canvas, Arrow::kLeft, x, y, enabled);
}
void DrawArrowRight(TBitmap& canvas, int x, int y, bool enabled) {
  Glyph(canvas, Arrow::kRight, x, y, enabled);
}

}  // namespace zentavo
