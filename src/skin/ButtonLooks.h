#pragma once
#include "framework/Bitmap.h"
#include "skin/SkinBlit.h"
#include "skin/SkinGeometry.h"

namespace zentavo {

// The looks of push buttons, check boxes, radio buttons and group boxes as pictures and
// rectangles, without windows: the wrappers compose these off screen and add only the
// caption text with the system's text drawing.

// Frame of the three-frame button strip: pressed, else under the mouse, else normal. A
// disabled button chooses the same way; only its caption turns grey.
int ButtonFaceFrame(bool down, bool hot);

enum class TGlyphCheck { Unchecked, Checked, Grayed };
// Frame of the six-frame check box strip: checked 1, grayed 2, unchecked 3; disabled +3.
int CheckBoxGlyphFrame(TGlyphCheck state, bool enabled);
// Frame of the four-frame radio strip: checked 1, unchecked 2; disabled +2.
int RadioButtonGlyphFrame(bool checked, bool enabled);

// The push button off screen: the form colour under the nine-part face stretched over
// width x height, and while focused the dotted focus rectangle 5 pixels inside the edge,
// one pixel lower right while down. A missing face leaves the form colour.
struct TButtonFaceOptions {
  int width = 0;
  int height = 0;
  TColor formColor = 0;
  bool maskCorners = false;
  TColor maskColor = kNoMask;
  bool focused = false;
  bool down = false;
};
TBitmap ComposeButtonFace(const TBitmap* face, const TButtonFaceOptions& options);
// The same onto a canvas of the options' size (a window's picture, drawn in place).
void ComposeButtonFaceOn(TBitmap& canvas, const TBitmap* face, const TButtonFaceOptions& options);
TRect ButtonFocusRect(int width, int height, bool down);

// The system's dotted focus rectangle: every other pixel of the one-pixel outline just
// inside rect inverted, the pattern anchored at the bitmap's origin ((x + y) even).
void DrawFocusRectangle(TBitmap& canvas, const TRect& rect);

// The box that covers a check box's or radio button's own box: at least 13 x 13 (the
// system's box) in the control's colour, the glyph at its top-left corner, drawn masked
// with maskColor (kNoMask: opaque).
TBitmap ComposeGlyphBox(const TBitmap& glyph, TColor boxColor, TColor maskColor);
// The same box for a check box or radio button of a system dialog: at least 14 pixels wide
// and as tall as the control, so the glyph sits at the control's top-left corner.
TBitmap ComposeDialogGlyphBox(const TBitmap& glyph, TColor boxColor, TColor maskColor, int controlHeight);

// Where the box goes. The box is on the left when the caption is right-justified and the
// control reads left to right, or left-justified and it reads right to left; there it is
// at x = 0, elsewhere at width - glyph width - 1. It is centred vertically on the glyph.
enum class TCaptionSide { Left, Right, Centre };
bool GlyphBoxOnLeft(TCaptionSide alignment, bool rightToLeft);
TPoint GlyphBoxPosition(int controlWidth, int clientHeight, int glyphWidth, int glyphHeight, bool boxOnLeft);

// The group box: the outline framed one pixel wide inside (0, textHeight div 2 - 1,
// width - 1, height - 1), and the caption's left edge 8 pixels from the near side.
TRect GroupBoxOutline(int width, int height, int textHeight);
int GroupBoxCaptionLeft(int width, int captionWidth, bool rightToLeft);
// The whole group box off screen: its colour inside and the outline; the caption is drawn
// over it with an opaque background, which breaks the outline.
TBitmap ComposeGroupBox(int width, int height, int textHeight, TColor color, TColor borderColor);
// The same onto the whole canvas.
void ComposeGroupBoxOn(TBitmap& canvas, int textHeight, TColor color, TColor borderColor);


// Flat buttons in the tool bar colours (speed buttons, tool bar buttons). A speed button
// is pressed while held down (enabled) or latched down, hot under the mouse (enabled),
// otherwise plain.
enum class TFlatButtonLook { Normal, Hot, Pressed };
TFlatButtonLook SpeedButtonLook(bool held, bool hot, bool latched, bool enabled);

struct TFlatButtonColors {
  TColor form = 0;    // plain look
  TColor on = 0;      // hot look
  TColor down = 0;    // pressed look
  TColor border = 0;  // outline of the hot and pressed looks
};
// The background off screen: filled in the look's colour, outlined unless plain.
TBitmap ComposeFlatButtonBack(int width, int height, TFlatButtonLook look, const TFlatButtonColors& colors);

// One image of a glyph strip of numGlyphs images: the first while enabled, the second
// (when there is one) while disabled, drawn with the strip's bottom-left colour
// transparent. A single image of a disabled button is drawn embossed instead: every pixel
// not of its top-left colour as white one pixel lower right, then grey on top.
void DrawSpeedButtonGlyph(TBitmap& canvas, const TBitmap& strip, int numGlyphs, bool enabled, TPoint at);

}  // namespace zentavo
