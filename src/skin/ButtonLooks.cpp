#include "skin/ButtonLooks.h"

#include <algorithm>
#include <utility>

#include "skin/SkinPieces.h"

namespace zentavo {

int ButtonFaceFrame(bool down, bool hot) {
  if (down) return 3;
  return hot ? 2 : 1;
}

int CheckBoxGlyphFrame(TGlyphCheck state, bool enabled) {
  int frame = 3;
  if (state == TGlyphCheck::Checked) frame = 1;
  if (state == TGlyphCheck::Grayed) frame = 2;
  return enabled ? frame : frame + 3;
}

int RadioButtonGlyphFrame(bool checked, bool enabled) {
  const int frame = checked ? 1 : 2;
  return enabled ? frame : frame + 2;
}

TRect ButtonFocusRect(int width, int height, bool down) {
  TRect rect{5, 5, width - 5, height - 5};
  if (down) rect = {rect.left + 1, rect.top + 1, rect.right + 1, rect.bottom + 1};
  return rect;
}

TBitmap ComposeButtonFace(const TBitmap* face, const TButtonFaceOptions& options) {
  TBitmap canvas(std::max(options.width, 0), std::max(options.height, 0));
  ComposeButtonFaceOn(canvas, face, options);
  return canvas;
}

void ComposeButtonFaceOn(TBitmap& canvas, const TBitmap* face, const TButtonFaceOptions& options) {
  canvas.Fill(options.formColor);
  const TRect client{0, 0, options.width, options.height};
  if (face && !face->Empty()) DrawNinePart(face, canvas, client, options.maskCorners, options.maskColor);
  if (options.focused) DrawFocusRectangle(canvas, ButtonFocusRect(options.width, options.height, options.down));
}

void DrawFocusRectangle(TBitmap& canvas, const TRect& rect) {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  auto invert = [&canvas](int x, int y) {
    if (x < 0 || y < 0 || x >= canvas.Width() || y >= canvas.Height() || (x + y) % 2 != 0) return;
    canvas.SetPixel(x, y, canvas.Pixel(x, y) ^ 0xFFFFFF);
  };
  for (int x = rect.left; x < rect.right; ++x) {
    invert(x, rect.top);
    if (rect.bottom - 1 != rect.top) invert(x, rect.bottom - 1);
  }
  for (int y = rect.top + 1; y < rect.bottom - 1; ++y) {
    invert(rect.left, y);
    if (rect.right - 1 != rect.left) invert(rect.right - 1, y);
  }
}

namespace {
TBitmap GlyphBoxOfSize(const TBitmap& glyph, TColor boxColor, TColor maskColor, int width, int height) {
  TBitmap box(std::max(glyph.Width(), width), std::max(glyph.Height(), height));
  box.Fill(boxColor);
  DrawBitmapRect(box, 0, 0, glyph, TRect{0, 0, glyph.Width(), glyph.Height()}, maskColor);
  return box;
}
}  // namespace

TBitmap ComposeGlyphBox(const TBitmap& glyph, TColor boxColor, TColor maskColor) {
  return GlyphBoxOfSize(glyph, boxColor, maskColor, 13, 13);
}

TBitmap ComposeDialogGlyphBox(const TBitmap& glyph, TColor boxColor, TColor maskColor, int controlHeight) {
  return GlyphBoxOfSize(glyph, boxColor, maskColor, 14, controlHeight);
}

bool GlyphBoxOnLeft(TCaptionSide alignment, bool rightToLeft) {
  return (alignment == TCaptionSide::Right && !rightToLeft) || (alignment == TCaptionSide::Left && rightToLeft);
}

TPoint GlyphBoxPosition(int controlWidth, int clientHeight, int glyphWidth, int glyphHeight, bool boxOnLeft) {
  return TPoint{boxOnLeft ? 0 : controlWidth - glyphWidth - 1, (clientHeight - glyphHeight) / 2};
}

TRect GroupBoxOutline(int width, int height, int textHeight) {
  return TRect{0, textHeight / 2 - 1, width - 1, height - 1};
}

int GroupBoxCaptionLeft(int width, int captionWidth, bool rightToLeft) {
  return rightToLeft ? width - 1 - captionWidth - 8 : 8;
}

TBitmap ComposeGroupBox(int width, int height, int textHeight, TColor color, TColor borderColor) {
  TBitmap canvas(std::max(width, 0), std::max(height, 0));
  ComposeGroupBoxOn(canvas, textHeight, color, borderColor);
  return canvas;
}

void ComposeGroupBoxOn(TBitmap& canvas, int textHeight, TColor color, TColor borderColor) {
  canvas.Fill(color);
  FrameRectColor(canvas, GroupBoxOutline(canvas.Width(), canvas.Height(), textHeight), borderColor);
}


TFlatButtonLook SpeedButtonLook(bool held, bool hot, bool latched, bool enabled) {
  if ((held && enabled) || latched) return TFlatButtonLook::Pressed;
  if (hot && enabled) return TFlatButtonLook::Hot;
  return TFlatButtonLook::Normal;
}

TBitmap ComposeFlatButtonBack(int width, int height, TFlatButtonLook look, const TFlatButtonColors& colors) {
  TBitmap canvas(std::max(width, 0), std::max(height, 0));
  switch (look) {
    case TFlatButtonLook::Normal:
      canvas.Fill(colors.form);
      break;
    case TFlatButtonLook::Hot:
      canvas.Fill(colors.on);
      FrameRectColor(canvas, {0, 0, width, height}, colors.border);
      break;
    case TFlatButtonLook::Pressed:
      canvas.Fill(colors.down);
      FrameRectColor(canvas, {0, 0, width, height}, colors.border);
      break;
  }
  return canvas;
}

void DrawSpeedButtonGlyph(TBitmap& canvas, const TBitmap& strip, int numGlyphs, bool enabled, TPoint at) {
  numGlyphs = std::max(numGlyphs, 1);
  const int width = strip.Width() / numGlyphs;
  if (width == 0 || strip.Height() == 0) return;
  if (numGlyphs > 1 || enabled) {
    const int image = std::min(enabled ? 1 : 2, numGlyphs);
    const TRect from{(image - 1) * width, 0, image * width, strip.Height()};
    DrawBitmapRect(canvas, at.x, at.y, strip, from, strip.Pixel(0, strip.Height() - 1));
    return;
  }
  const TColor mask = strip.Pixel(0, 0);
  for (const auto& [offset, colour] : {std::pair{1, TColor{0xFFFFFF}}, std::pair{0, TColor{0x808080}}})
    for (int y = 0; y < strip.Height(); ++y)
      for (int x = 0; x < width; ++x) {
        const int cx = at.x + x + offset, cy = at.y + y + offset;
        if (strip.Pixel(x, y) == mask || cx < 0 || cy < 0 || cx >= canvas.Width() || cy >= canvas.Height()) continue;
        canvas.SetPixel(cx, cy, colour);
      }
}

}  // namespace zentavo
