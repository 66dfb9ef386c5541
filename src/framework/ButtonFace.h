#pragma once
#include "framework/Geometry.h"

namespace zentavo {

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// Where a button's glyph and caption go inside its client area.
struct TButtonFaceLayout {
  TPoint glyph;
  TRect caption;
};

struct TButtonFaceSpacing {
  int margin;
  int spacing;
};

// The margin and spacing a layout uses on its axis: a Margin of -1 centres the pair (with
// Spacing -1 too, the gaps before, between and after are equal); a Spacing of -1 centres
// the caption in the room after the glyph. Without a glyph or a caption there is nothing
// to keep apart: the spacing is 0 and a margin of -1 centres what there is.
TButtonFaceSpacing ResolveButtonFaceSpacing(TSize client, TSize glyph, TSize caption, TButtonLayout layout, int margin,
                                            int spacing);

// Lays out a glyph and a caption of the given sizes in a client area: along the layout's
// axis at the resolved margin and spacing, across it centred.
TButtonFaceLayout LayoutButtonFace(TSize client, TSize glyph, TSize caption, TButtonLayout layout, int margin,
                                   int spacing);

}  // namespace zentavo
