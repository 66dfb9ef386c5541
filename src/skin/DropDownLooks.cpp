#include "skin/DropDownLooks.h"

#include <algorithm>

#include "skin/SkinBlit.h"
#include "skin/SkinGlyphs.h"

namespace zentavo {

namespace {

// The column at x from one row above `button` to one row below it.
TRect SeparatorAt(int x, const TRect& button) {
  return {x, button.top - 1, x + 1, button.bottom + 1};
}

// The four one-pixel edges of a frame just inside rect; none of an empty rectangle.
void AddFrameEdges(std::vector<TRect>& area, const TRect& rect) {
  if (rect.Empty()) return;
  area.push_back({rect.left, rect.top, rect.right, rect.top + 1});
  area.push_back({rect.left, rect.bottom - 1, rect.right, rect.bottom});
  area.push_back({rect.left, rect.top, rect.left + 1, rect.bottom});
  area.push_back({rect.right - 1, rect.top, rect.right, rect.bottom});
}

TRect Inset(const TRect& rect, int by) {
  return {rect.left + by, rect.top + by, rect.right - by, rect.bottom - by};
}

}  // namespace

TDropButtonLook ComboDropButton(const TRect& button, bool rightToLeft) {
  TDropButtonLook look;
  look.face = button;
  look.separator = SeparatorAt(rightToLeft ? button.right : button.left, button);
  look.arrow = {button.left + button.Width() / 2 - 3, button.Height() / 2};
  return look;
}

TDropButtonLook PickerDropButton(int width, int height) {
  const TRect face{0, 0, width, height};
  TDropButtonLook look;
  look.face = face;
  look.separator = SeparatorAt(0, face);
  look.arrow = {width / 2 - 3, height / 2 - 2};
  return look;
}

void DrawDropButton(TBitmap& canvas, const TDropButtonLook& look, const TDropDownColors& colors,
                    bool enabled) {
  // The arrow on the face alone, so that a button too small for it does not spill it
  // over the control's text or outline.
  const TRect& f = look.face;
  TBitmap face(std::max(f.Width(), 0), std::max(f.Height(), 0));
  face.Fill(colors.control);
  DrawArrowDown(face, look.arrow.x - f.left, look.arrow.y - f.top, enabled);
  DrawBitmapRect(canvas, f.left, f.top, face, {0, 0, face.Width(), face.Height()});
  FillRectColor(canvas, look.separator, colors.border);
}

TComboLook ComboLook(const TRect& client, const TRect& button, bool rightToLeft) {
  return {client, ComboDropButton(button, rightToLeft)};
}

std::vector<TRect> ComboLookArea(const TComboLook& look) {
  std::vector<TRect> area;
  AddFrameEdges(area, look.outline);
  AddFrameEdges(area, Inset(look.outline, 1));
  for (const TRect& part : {look.button.face, look.button.separator})
    if (!part.Empty()) area.push_back(part);
  return area;
}

TBitmap ComposeComboLook(const TComboLook& look, const TDropDownColors& colors, bool enabled) {
  TBitmap picture(std::max(look.outline.right, 0), std::max(look.outline.bottom, 0));
  FrameRectColor(picture, look.outline, colors.border);
  FrameRectColor(picture, Inset(look.outline, 1), colors.inner);
  DrawDropButton(picture, look.button, colors, enabled);
  return picture;
}

}  // namespace zentavo
