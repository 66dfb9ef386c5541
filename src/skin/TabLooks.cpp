#include "skin/TabLooks.h"

#include <algorithm>

#include "skin/SkinImages.h"
#include "skin/SkinPieces.h"

namespace zentavo {

namespace {
constexpr int kCaptionTop = 2;
constexpr int kImageGap = 4;

bool Lying(TTabSide side) {
  return side == TTabSide::Left || side == TTabSide::Right;
}
}  // namespace

TRect TabPageFrame(const TRect& display) {
  return {display.left - 2, display.top - 2, display.right + 2, display.bottom + 2};
}

TSize TabPictureSize(const TRect& tab, TTabSide side) {
  const int w = std::max(tab.Width(), 0), h = std::max(tab.Height(), 0);
  return Lying(side) ? TSize{h, w} : TSize{w, h};
}

TBitmap ComposeTabPicture(const TBitmap* tabImage, int width, int height) {
  TBitmap picture(std::max(width, 0), std::max(height, 0));
  if (!tabImage || tabImage->Empty() || picture.Empty()) return picture;
  DrawHorzThreePart(tabImage, picture, {0, 0, width, height}, 0, false);
  const int imageHeight = tabImage->Height();
  if (height - imageHeight > 1) {
    const TBitmap band = CopyBitmapRect(picture, {0, 0, width, imageHeight});
    DrawVertThreePart(&band, picture, {0, 0, width, height}, 0);
  }
  return picture;
}

TBitmap ComposeStackedTabPicture(const TBitmap* tabImage, int width, int height, TColor formColor) {
  TBitmap picture(std::max(width, 0), std::max(height, 0));
  picture.Fill(formColor);
  if (!tabImage || tabImage->Empty() || picture.Empty()) return picture;
  const int imageHeight = tabImage->Height();
  if (height - imageHeight > 1)
    DrawHorzThreePart(tabImage, picture, {0, height - imageHeight - 1, width, height}, 0, false);
  DrawHorzThreePart(tabImage, picture, {0, 0, width, height}, 0, false);
  return picture;
}

void TurnTabBeforeCaption(TBitmap& picture, TTabSide side) {
  if (side == TTabSide::Bottom) RotateHalf(picture);
}

void TurnTabAfterCaption(TBitmap& picture, TTabSide side) {
  if (side == TTabSide::Left) RotateQuarterLeft(picture);
  if (side == TTabSide::Right) RotateQuarterRight(picture);
}

TTabCaptionLayout TabCaptionLayout(TSize picture, TSize caption, const TTabImageInfo& image, TTabSide side) {
  TTabCaptionLayout layout;
  if (!image.present) {
    layout.text = {(picture.cx - caption.cx) / 2, kCaptionTop, picture.cx, picture.cy};
    return layout;
  }
  const int x = (picture.cx - (caption.cx + image.size.cx + kImageGap)) / 2;
  const int y = std::max(0, (picture.cy - std::max(caption.cy, image.size.cy)) / 2);
  layout.drawImage = image.index >= 0;
  layout.image = side == TTabSide::Bottom ? TPoint{x, std::max(y, 1)} : TPoint{x, y + 1};
  layout.text = {x + image.size.cx + kImageGap, kCaptionTop, picture.cx, picture.cy};
  return layout;
}

TBitmap ComposeTabControl(int width, int height, const TRect& display, TTabSide side,
                          const std::vector<TTabItem>& tabs, const TTabLooks& looks,
                          const TTabCaptionPainter& caption) {
  TBitmap canvas(std::max(width, 0), std::max(height, 0));
  canvas.Fill(looks.formColor);
  const TRect page = TabPageFrame(display);
  FillRectColor(canvas, page, looks.formColor);
  FrameRectColor(canvas, page, looks.borderColor);
  for (int i = 0; i < static_cast<int>(tabs.size()); ++i) {
    const TTabItem& tab = tabs[i];
    const TSize size = TabPictureSize(tab.rect, side);
    if (size.cx == 0 || size.cy == 0) continue;
    const TBitmap* image = tab.selected ? looks.selected : looks.other;
    TBitmap picture = looks.stacked ? ComposeStackedTabPicture(image, size.cx, size.cy, looks.formColor)
                                    : ComposeTabPicture(image, size.cx, size.cy);
    // Without its image the tab is left in the form colour; its caption still shows.
    if (!image || image->Empty()) picture.Fill(looks.formColor);
    TurnTabBeforeCaption(picture, side);
    if (caption) caption(picture, i, tab.selected);
    TurnTabAfterCaption(picture, side);
    DrawBitmapRect(canvas, tab.rect.left, tab.rect.top, picture, {0, 0, picture.Width(), picture.Height()},
                   looks.transparent ? looks.transColor : kNoMask);
  }
  DrawTabLine(canvas, page, side, looks.line, looks.formColor);
  return canvas;
}

// The erasing line runs between the frame's corners, as a pen line from one pixel inside
// each end to one pixel before the other.
void DrawTabLine(TBitmap& canvas, const TRect& page, TTabSide side, const TBitmap* line, TColor formColor) {
  TRect erased, target;
  TBitmap image = line ? *line : TBitmap();
  switch (side) {
    case TTabSide::Top:
      erased = {page.left + 1, page.top, page.right - 1, page.top + 1};
      target = {page.left, page.top - 1, page.right, page.top - 1 + image.Height()};
      break;
    case TTabSide::Bottom:
      erased = {page.left + 1, page.bottom - 1, page.right - 1, page.bottom};
      RotateHalf(image);
      target = {page.left, page.bottom + 1 - image.Height(), page.right, page.bottom + 1};
      break;
    case TTabSide::Left:
      erased = {page.left, page.top + 1, page.left + 1, page.bottom - 1};
      RotateQuarterLeft(image);
      target = {page.left - 1, page.top, page.left - 1 + image.Width(), page.bottom};
      break;
    case TTabSide::Right:
      erased = {page.right - 1, page.top + 1, page.right, page.bottom - 1};
      RotateQuarterRight(image);
      target = {page.right + 1 - image.Width(), page.top, page.right + 1, page.bottom};
      break;
  }
  FillRectColor(canvas, erased, formColor);
  if (!image.Empty()) StretchBitmapRect(canvas, target, image, {0, 0, image.Width(), image.Height()});
}

}  // namespace zentavo
