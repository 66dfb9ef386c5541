#include "skin/ToolButtonLook.h"

#include "skin/SkinBlit.h"

namespace zentavo {

namespace {
int ContentRight(const TToolButtonFace& face) { return face.width - (face.dropDown ? kToolDropDownWidth : 0); }
}  // namespace

TBitmap ComposeToolButton(const TToolButtonFace& face, const TFlatButtonColors& colors) {
  TBitmap canvas = ComposeFlatButtonBack(face.width, face.height, face.look, colors);
  if (!face.showArrow) return canvas;
  constexpr TColor kBlack = 0;
  const int m = face.height / 2, right = face.width;
  FillRectColor(canvas, {right - 9, m, right - 4, m + 1}, kBlack);
  FillRectColor(canvas, {right - 8, m + 1, right - 5, m + 2}, kBlack);
  FillRectColor(canvas, {right - 7, m + 2, right - 6, m + 3}, kBlack);
  FillRectColor(canvas, {right - kToolDropDownWidth, 0, right - kToolDropDownWidth + 1, face.height}, kBlack);
  return canvas;
}

TPoint ToolButtonImageAt(const TToolButtonFace& face, const TToolButtonContent& content) {
  if (content.list) return {5, 3};
  return {(ContentRight(face) - content.imageWidth) / 2, 3};
}

TRect ToolButtonCaptionRect(const TToolButtonFace& face, const TToolButtonContent& content) {
  const bool hot = face.look != TFlatButtonLook::Pressed;
  TPoint at;
  if (content.list) {
    if (content.imageDrawn)
      at = {content.imageWidth + 7, (content.imageHeight - 16) / 2 + 4};
    else if (content.hasImages)
      at = {5, 4};
    else
      at = {8, 3};
  } else {
    at.x = (ContentRight(face) - content.captionWidth) / 2;
    at.y = content.hasImages ? content.imageHeight + 4 : (hot ? 4 : 5);
  }
  return {at.x, at.y, face.width, face.height};
}

}  // namespace zentavo
