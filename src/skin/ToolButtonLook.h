#pragma once
#include "framework/Bitmap.h"
#include "skin/ButtonLooks.h"
#include "skin/SkinGeometry.h"

namespace zentavo {

// A tool bar button drawn by the skin in its hot or pressed look. Rectangles are in the
// button's own coordinates (0, 0, width, height); a drop-down button keeps 14 pixels at
// its right for its arrow.
constexpr int kToolDropDownWidth = 14;

struct TToolButtonFace {
  int width = 0;
  int height = 0;
  TFlatButtonLook look = TFlatButtonLook::Hot;
  bool dropDown = false;
  bool showArrow = false;  // the drop-down arrow and its divider (hot state only)
};
// The background in the look's colours, with the drop-down arrow (a 5-pixel triangle,
// black) centred on the button's height 7 pixels from its right and a black divider 14
// pixels from its right.
TBitmap ComposeToolButton(const TToolButtonFace& face, const TFlatButtonColors& colors);

struct TToolButtonContent {
  bool list = false;       // images left of the captions
  bool hasImages = false;  // the tool bar has an image list
  bool imageDrawn = false;
  int imageWidth = 0;
  int imageHeight = 0;
  int captionWidth = 0;  // without its "&"
};
// Where the image's top-left corner goes.
TPoint ToolButtonImageAt(const TToolButtonFace& face, const TToolButtonContent& content);
// The rectangle the caption is drawn into, from its top-left corner to the button's
// bottom-right.
TRect ToolButtonCaptionRect(const TToolButtonFace& face, const TToolButtonContent& content);

}  // namespace zentavo
