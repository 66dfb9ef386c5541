#include "skin/MenuItemLayout.h"

#include <algorithm>

#include "skin/SkinBlit.h"

namespace zentavo {

TMenuItemSize MenuItemSize(bool separator, int captionWidth, int captionHeight, int shortCutWidth) {
  TMenuItemSize size;
  size.width = captionWidth + shortCutWidth + kMenuItemExtraWidth;
  size.height = separator ? kMenuSeparatorHeight : std::max(captionHeight, kMenuItemMinHeight);
  return size;
}

// Right-to-left items are the left-to-right ones mirrored: the left bar, the check column
// and the pictures stand at the right edge. The caption of a right-to-left item ends before
// that column, so its text never runs over the check mark or the picture.
TMenuItemPlan PlanMenuItem(const TRect& rect, const TMenuItemFacts& facts, const TMenuColors& colors) {
  TMenuItemPlan plan;
  const int l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
  const bool rtl = facts.rightToLeft;
  auto plainBackground = [&] {
    plan.fills.push_back({rtl ? TRect{r - kMenuLeftBarWidth, t, r, b} : TRect{l, t, l + kMenuLeftBarWidth, b},
                          colors[mcLeftBar]});
    plan.fills.push_back({rtl ? TRect{l, t, r - kMenuLeftBarWidth, b} : TRect{l + kMenuLeftBarWidth, t, r, b},
                          colors[mcItem]});
  };

  if (facts.separator) {
    plainBackground();
    plan.separatorLine = true;
    const int from = rtl ? l + 2 : l + kMenuLeftBarWidth + 4;
    const int to = rtl ? r - kMenuLeftBarWidth - 4 : r - 2;
    plan.line = {from, t + 2, to, t + 3};
    return plan;
  }

  // A selected but disabled item keeps the plain look: it cannot be chosen.
  if (facts.selected && facts.enabled) {
    plan.fills.push_back({rect, colors[mcSelected]});
    plan.framed = true;
    plan.frame = {rect, colors[mcSelectedBorder]};
  } else {
    plainBackground();
  }

  plan.text = true;
  plan.textColor = !facts.enabled   ? kMenuDisabledTextColor
                   : facts.selected ? colors[mcSelectedFont]
                                    : colors[mcItemFont];
  plan.bold = facts.isDefault;
  plan.captionRect =
      rtl ? TRect{l + kMenuTextIndent, t, r - kMenuTextIndent, b} : TRect{l + kMenuTextIndent, t, r, b};
  plan.captionRightAligned = rtl;
  plan.shortCutRect =
      rtl ? TRect{l + kMenuTextIndent, t, r, b} : TRect{r - facts.shortCutWidth - 16, t, r, b};
  plan.enabledLook = facts.enabled;

  const bool listImage = facts.hasImageList && facts.imageIndex >= 0 && facts.imageIndex < facts.imageCount;
  const bool ownBitmap = (!facts.hasImageList || facts.imageIndex == -1) && facts.hasOwnBitmap;
  // An item's own bitmap covers the check column as an image does, so a checked item with
  // one gets the image box too; the check mark would vanish under it.
  if (facts.checked) {
    if (listImage || ownBitmap) {
      plan.mark = TMenuMark::ImageBox;
      plan.boxFrame = rtl ? TRect{r - 21, t + 1, r - 2, t + 20} : TRect{l + 2, t + 1, l + 21, t + 20};
      plan.boxInside = rtl ? TRect{r - 20, t + 2, r - 3, t + 19} : TRect{l + 3, t + 2, l + 20, t + 19};
      plan.boxColor = colors[mcItem];
    } else {
      plan.mark = TMenuMark::CheckMark;
      plan.markX = rtl ? r - 4 - facts.checkMarkWidth : l + 4;
      plan.markY = t + 3;
    }
  }
  if (listImage) {
    plan.picture = TMenuPicture::ListImage;
    plan.pictureX = rtl ? r - facts.imageWidth - 4 : l + 4;
    plan.pictureY = t + 3;
  } else if (ownBitmap) {
    plan.picture = TMenuPicture::OwnBitmap;
    plan.bitmapRect = rtl ? TRect{r - 20, t + 3, r - 4, t + 19} : TRect{l + 4, t + 3, l + 20, t + 19};
  }
  return plan;
}

namespace {

TRect Shifted(const TRect& rect, int dx, int dy) {
  return {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

TColor Mix(TColor a, TColor b) {
  auto channel = [&](int shift) { return ((((a >> shift) & 0xFF) + ((b >> shift) & 0xFF)) / 2) << shift; };
  return channel(0) | channel(8) | channel(16);
}

// A picture at (x, y) without its mask colour; a faded one is mixed half and half with what
// lies below, the way disabled pictures look.
void DrawPicture(TBitmap& canvas, int x, int y, const TBitmap& picture, TColor mask, bool faded) {
  for (int py = 0; py < picture.Height(); ++py) {
    const int cy = y + py;
    if (cy < 0 || cy >= canvas.Height()) continue;
    for (int px = 0; px < picture.Width(); ++px) {
      const int cx = x + px;
      if (cx < 0 || cx >= canvas.Width()) continue;
      const TColor pixel = picture.Pixel(px, py);
      if (pixel == mask) continue;
      canvas.SetPixel(cx, cy, faded ? Mix(pixel, canvas.Pixel(cx, cy)) : pixel);
    }
  }
}

}  // namespace

void ComposeMenuItem(TBitmap& canvas, int originX, int originY, const TMenuItemPlan& plan,
                     const TMenuItemPictures& pictures) {
  const int dx = -originX, dy = -originY;
  for (const TMenuFill& fill : plan.fills) FillRectColor(canvas, Shifted(fill.rect, dx, dy), fill.color);
  if (plan.framed) FrameRectColor(canvas, Shifted(plan.frame.rect, dx, dy), plan.frame.color);
  if (plan.separatorLine) FillRectColor(canvas, Shifted(plan.line, dx, dy), plan.lineColor);
  if (plan.mark == TMenuMark::CheckMark && pictures.checkMark) {
    DrawPicture(canvas, plan.markX + dx, plan.markY + dy, *pictures.checkMark, pictures.checkMarkMask,
                !plan.enabledLook);
  } else if (plan.mark == TMenuMark::ImageBox) {
    FrameRectColor(canvas, Shifted(plan.boxFrame, dx, dy), clBlack);
    FillRectColor(canvas, Shifted(plan.boxInside, dx, dy), plan.boxColor);
  }
  if (plan.picture == TMenuPicture::OwnBitmap && pictures.ownBitmap && !pictures.ownBitmap->Empty()) {
    const TBitmap& bitmap = *pictures.ownBitmap;
    StretchBitmapRect(canvas, Shifted(plan.bitmapRect, dx, dy), bitmap,
                      {0, 0, bitmap.Width(), bitmap.Height()},
                      bitmap.Transparent() ? bitmap.TransparentColor() : kNoMask);
  }
}

TMenuBarButtonPlan PlanMenuBarButton(const TRect& rect, const TMenuBarButtonFacts& facts,
                                     const TMenuColors& colors) {
  TMenuBarButtonPlan plan;
  const int iw = facts.hasImage ? facts.imageWidth : 0;
  if (facts.hot || facts.selected) {
    plan.tag = kHighlightedMenuBarButtonTag;
    plan.highlighted = true;
    plan.fillRect = rect;
    if (facts.selected) plan.fillRect.right -= 2;
    plan.fill = colors[mcTopSelected];
    plan.frame = colors[mcTopSelectedBorder];
    plan.textRect = plan.fillRect;
    if (facts.hasImage) plan.textRect.left += iw + (facts.selected ? 2 : 0);
    plan.textRect.top += 2;
    plan.textColor = colors[mcTopSelectedFont];
    plan.imageX = plan.textRect.left - iw + (facts.selected ? 0 : 2);
  } else {
    plan.textRect = rect;
    plan.textRect.top += 2;
    plan.textRect.left += iw;
    plan.textColor = colors[mcTopFont];
    plan.imageX = plan.textRect.left - iw + 2;
  }
  plan.imageY = plan.textRect.top + 2;
  return plan;
}

TBitmap MdiControlGlyphStrip() {
  TBitmap strip(48, 16);
  strip.Fill(kMdiGlyphBackground);
  // Frame 1: a bar at the bottom.
  FillRectColor(strip, {4, 11, 12, 13}, clBlack);
  // Frame 2: a window behind another one, each with a thick title row.
  const int x2 = 16;
  FrameRectColor(strip, {x2 + 6, 2, x2 + 14, 10}, clBlack);
  FillRectColor(strip, {x2 + 6, 3, x2 + 14, 4}, clBlack);
  FillRectColor(strip, {x2 + 2, 6, x2 + 10, 14}, kMdiGlyphBackground);
  FrameRectColor(strip, {x2 + 2, 6, x2 + 10, 14}, clBlack);
  FillRectColor(strip, {x2 + 2, 7, x2 + 10, 8}, clBlack);
  // Frame 3: a cross two pixels thick.
  const int x3 = 32;
  for (int i = 0; i < 8; ++i) {
    const int y = 4 + i;
    for (int x : {4 + i, 11 - i}) {
      strip.SetPixel(x3 + x, y, clBlack);
      const int thick = x == 4 + i ? x + 1 : x - 1;
      if (thick >= 4 && thick <= 11) strip.SetPixel(x3 + thick, y, clBlack);
    }
  }
  strip.SetTransparent(true);
  return strip;
}

TBitmap ComposeMdiControlButton(int width, int height, TColor color, const TBitmap& glyph, bool hot) {
  TBitmap face(std::max(width, 0), std::max(height, 0));
  face.Fill(color);
  if (glyph.Empty()) return face;
  if (hot) FrameRectColor(face, {0, 0, width, height}, clBlack);
  DrawPicture(face, 1, 1, glyph, glyph.TransparentColor(), false);
  return face;
}

}  // namespace zentavo
