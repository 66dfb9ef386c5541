#pragma once
#include <functional>
#include <vector>

#include "framework/Bitmap.h"
#include "skin/SkinBlit.h"
#include "skin/SkinGeometry.h"

namespace zentavo {

// The skinned tab control: a page frame in the skin's border colour, every tab composed
// lying horizontally from the skin's two-frame tab strip and turned to its side, and the
// skin's tab line stretched along the page's edge on the tabs' side.

enum class TTabSide { Top, Bottom, Left, Right };

// The page frame: the control's display rectangle widened by 2 pixels on every side.
TRect TabPageFrame(const TRect& display);

// The size of a tab's picture: the tab's own, width and height exchanged for tabs on the
// left or right, so that every tab is composed lying horizontally.
TSize TabPictureSize(const TRect& tab, TTabSide side);

// A tab lying horizontally: the tab image (frame 1 selected, 2 other) in three parts
// across; when the image is two or more pixels shorter than the picture, its band is
// stretched down the whole height keeping a third of its height at top and bottom.
TBitmap ComposeTabPicture(const TBitmap* tabImage, int width, int height);
// The tab of a system dialog: the image kept at its own height, drawn once along the
// bottom (ending one pixel above it) when it is two or more pixels shorter than the
// picture, then along the top; the form colour shows between the two.
TBitmap ComposeStackedTabPicture(const TBitmap* tabImage, int width, int height, TColor formColor);

// Turns applied around the caption: a bottom tab is turned upside down before it (so the
// caption stays upright), a left tab a quarter anticlockwise after it (the caption reads
// upwards), a right tab a quarter clockwise after it (it reads downwards).
void TurnTabBeforeCaption(TBitmap& picture, TTabSide side);
void TurnTabAfterCaption(TBitmap& picture, TTabSide side);

// Where a tab's caption and image go in its (horizontal) picture. Without an image the
// caption is centred across, its rectangle starting 2 pixels from the top. With one, image
// and caption are centred together, 4 pixels apart, the image centred on the taller of the
// two (not above the top) and one pixel lower, except on bottom tabs, where it is at
// least one pixel from the top instead. A negative image index places the caption as if
// there were an image but draws none.
struct TTabCaptionLayout {
  TRect text;
  bool drawImage = false;
  TPoint image;
  bool operator==(const TTabCaptionLayout&) const = default;
};
struct TTabImageInfo {
  bool present = false;  // the control has images and the index is below their count
  int index = -1;
  TSize size;
};
TTabCaptionLayout TabCaptionLayout(TSize picture, TSize caption, const TTabImageInfo& image, TTabSide side);

struct TTabLooks {
  const TBitmap* selected = nullptr;  // frame 1 of the tab strip
  const TBitmap* other = nullptr;     // frame 2
  const TBitmap* line = nullptr;      // the tab line, lying along a top edge
  TColor formColor = 0;
  TColor borderColor = 0;
  TColor transColor = kNoMask;
  bool transparent = false;  // tab pictures drawn without their transparent pixels
  bool stacked = false;      // tab pictures as ComposeStackedTabPicture makes them
};
struct TTabItem {
  TRect rect;
  bool selected = false;
};
// Draws caption and image on a tab's picture, after the first turn and before the
// second (TurnTabBeforeCaption, TurnTabAfterCaption).
using TTabCaptionPainter = std::function<void(TBitmap& picture, int index, bool selected)>;

// The whole control off screen: form colour, page frame, tabs in order, tab line.
TBitmap ComposeTabControl(int width, int height, const TRect& display, TTabSide side,
                          const std::vector<TTabItem>& tabs, const TTabLooks& looks,
                          const TTabCaptionPainter& caption = {});

// The tab line: the page frame's edge on the tabs' side erased in the form colour (its
// corners kept), then the line image, turned for the side, stretched along that edge one
// pixel outside the page frame.
void DrawTabLine(TBitmap& canvas, const TRect& page, TTabSide side, const TBitmap* line, TColor formColor);

}  // namespace zentavo
