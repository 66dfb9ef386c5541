#pragma once
#include <vector>

#include "framework/Bitmap.h"
#include "skin/SkinGeometry.h"

namespace zentavo {

// The skinned parts of combo boxes and date-time pickers as rectangles and pictures,
// without windows. The controls keep their native painting everywhere else; the wrappers
// copy these pictures over the native outline and drop-down button.

// A drop-down button: a face in the control colour, a one-pixel separator column in the
// border colour and a small down arrow.
struct TDropButtonLook {
  TRect face;
  TRect separator;
  TPoint arrow;  // top-left corner of the 7 x 4 glyph

  bool operator==(const TDropButtonLook&) const = default;
};

// A combo box's button from the system's button rectangle (client coordinates). The
// separator lies on the button's inner edge: its left edge, or just right of it when the
// control reads right to left (the button is then on the left); it reaches one row above
// and below the button. The arrow is centred across the button and half the button's
// height below the client area's top, not the button's.
TDropButtonLook ComboDropButton(const TRect& button, bool rightToLeft);

// The button window of a picker, width x height: all face, the separator its first
// column, the arrow centred a little above the middle.
TDropButtonLook PickerDropButton(int width, int height);

struct TDropDownColors {
  TColor border = 0;   // outline and separator
  TColor inner = 0;    // the frame just inside the outline: the control's own colour
  TColor control = 0;  // the button face
};

// Draws the button onto a canvas in the same coordinates: the face with the arrow (grey
// when disabled), cut at the face's edges, then the separator.
void DrawDropButton(TBitmap& canvas, const TDropButtonLook& look, const TDropDownColors& colors,
                    bool enabled);

// The whole skinned part of a combo box over its client area: the client rectangle framed
// in the border colour, framed again one pixel inside in the control's colour, and the
// button on top.
struct TComboLook {
  TRect outline;
  TDropButtonLook button;

  bool operator==(const TComboLook&) const = default;
};
TComboLook ComboLook(const TRect& client, const TRect& button, bool rightToLeft);

// The pixels the look covers, as rectangles that may overlap; everything else is the
// control's own painting and is left alone.
std::vector<TRect> ComboLookArea(const TComboLook& look);

// The look drawn on a picture whose origin is the client area's (0, 0) and which reaches
// its right and bottom edges. Pixels outside ComboLookArea are undefined.
TBitmap ComposeComboLook(const TComboLook& look, const TDropDownColors& colors, bool enabled);

}  // namespace zentavo
