#include "framework/ButtonFace.h"

namespace zentavo {

TButtonFaceSpacing ResolveButtonFaceSpacing(TSize client, TSize glyph, TSize caption, TButtonLayout layout, int margin,
                                            int spacing) {
  const bool horizontal = layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
  const int cm = horizontal ? client.cx : client.cy;
  const int gm = horizontal ? glyph.cx : glyph.cy;
  const int tm = horizontal ? caption.cx : caption.cy;
  if (gm == 0 || tm == 0) spacing = 0;  // nothing to keep apart
  if (margin == -1 && spacing == -1) {
    margin = spacing = (cm - (gm + tm)) / 3;
  } else if (margin == -1) {
    margin = (cm - (gm + spacing + tm) + 1) / 2;
  } else if (spacing == -1) {
    spacing = (cm - margin - gm - tm) / 2;
  }
  return {margin, spacing};
}

TButtonFaceLayout LayoutButtonFace(TSize client, TSize glyph, TSize caption, TButtonLayout layout, int margin,
                                   int spacing) {
  const bool horizontal = layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
  // Main axis m, cross axis c.
  const int cm = horizontal ? client.cx : client.cy, cc = horizontal ? client.cy : client.cx;
  const int gm = horizontal ? glyph.cx : glyph.cy, gc = horizontal ? glyph.cy : glyph.cx;
  const int tm = horizontal ? caption.cx : caption.cy, tc = horizontal ? caption.cy : caption.cx;
  const TButtonFaceSpacing resolved = ResolveButtonFaceSpacing(client, glyph, caption, layout, margin, spacing);
  margin = resolved.margin;
  spacing = resolved.spacing;
  int glyphAt = margin, captionAt = margin + gm + spacing;
  if (layout == TButtonLayout::blGlyphRight || layout == TButtonLayout::blGlyphBottom) {
    glyphAt = cm - margin - gm;
    captionAt = glyphAt - spacing - tm;
  }
  const int glyphCross = (cc - gc + 1) / 2, captionCross = (cc - tc + 1) / 2;
  TButtonFaceLayout result{};
  if (horizontal) {
    result.glyph = TPoint{glyphAt, glyphCross};
    result.caption = TRect{captionAt, captionCross, captionAt + tm, captionCross + tc};
  } else {
    result.glyph = TPoint{glyphCross, glyphAt};
    result.caption = TRect{captionCross, captionAt, captionCross + tc, captionAt + tm};
  }
  return result;
}

}  // namespace zentavo
