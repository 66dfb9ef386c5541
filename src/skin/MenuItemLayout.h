#pragma once
#include <array>
#include <vector>

#include "framework/Bitmap.h"
#include "framework/Geometry.h"

namespace zentavo {

// The skin's menu colours, SKIN2_MENUBARSTARTCOLOR to SKIN2_SELECTEDMENUFONTCOLOR.
using TMenuColors = std::array<TColor, 13>;
enum TMenuColorIndex : int {
  mcMenuBar = 0,
  mcMenuBarEnd = 1,
  mcTopSelected = 2,
  mcTopSelectedBorder = 3,
  mcTopSelectedFont = 4,
  mcTopFont = 5,
  mcLeftBar = 6,
  mcLeftBarEnd = 7,
  mcItem = 8,
  mcItemFont = 9,
  mcSelected = 10,
  mcSelectedBorder = 11,
  mcSelectedFont = 12,
};

constexpr int kMenuSeparatorHeight = 5;
constexpr int kMenuItemMinHeight = 21;
constexpr int kMenuItemExtraWidth = 66;  // left bar, check column, gaps and the short-cut's room
constexpr int kMenuLeftBarWidth = 26;
constexpr int kMenuTextIndent = 30;
constexpr TColor kMenuSeparatorColor = 0x848284;
constexpr TColor kMenuDisabledTextColor = 0x808080;
// The tag a menu bar button carries while it is drawn highlighted.
constexpr int kHighlightedMenuBarButtonTag = 888;

struct TMenuItemSize {
  int width = 0;
  int height = 0;
};

// Size of an item below the top level: a separator is 5 high, any other item as high as its
// caption but at least 21; the width holds caption, short-cut text and 66 pixels more.
TMenuItemSize MenuItemSize(bool separator, int captionWidth, int captionHeight, int shortCutWidth);

// What decides the look of one item.
struct TMenuItemFacts {
  bool separator = false;
  bool selected = false;
  bool enabled = true;
  bool checked = false;
  bool isDefault = false;
  bool rightToLeft = false;
  bool hasImageList = false;  // the menu has an image list
  int imageIndex = -1;
  int imageCount = 0;
  int imageWidth = 0;
  bool hasOwnBitmap = false;  // the item's own bitmap is not empty
  int checkMarkWidth = 16;    // the check mark picture's width
  int shortCutWidth = 0;      // the short-cut text's width in the item's font
};

struct TMenuFill {
  TRect rect;
  TColor color = 0;
};

enum class TMenuMark { None, CheckMark, ImageBox };
enum class TMenuPicture { None, ListImage, OwnBitmap };

// Everything one item draws, in item coordinates (the rectangle it was planned for).
struct TMenuItemPlan {
  std::vector<TMenuFill> fills;  // in drawing order
  bool framed = false;           // an outline round the whole item
  TMenuFill frame;
  bool separatorLine = false;
  TRect line;  // one pixel high
  TColor lineColor = kMenuSeparatorColor;

  bool text = false;  // separators have none
  TRect captionRect;
  bool captionRightAligned = false;
  TRect shortCutRect;
  TColor textColor = 0;
  bool bold = false;

  TMenuMark mark = TMenuMark::None;
  int markX = 0, markY = 0;  // the check mark's top-left
  TRect boxFrame;            // the black frame of the box behind a checked item's image
  TRect boxInside;
  TColor boxColor = 0;

  TMenuPicture picture = TMenuPicture::None;
  int pictureX = 0, pictureY = 0;  // an image list picture's top-left
  TRect bitmapRect;                // where the item's own bitmap is stretched
  bool enabledLook = true;         // pictures drawn faded when false
};

TMenuItemPlan PlanMenuItem(const TRect& rect, const TMenuItemFacts& facts, const TMenuColors& colors);

// The pictures a plan may need besides the image list (drawn by the caller).
struct TMenuItemPictures {
  const TBitmap* checkMark = nullptr;
  TColor checkMarkMask = -1;  // -1: every pixel drawn
  const TBitmap* ownBitmap = nullptr;
};

// Draws the plan's fills, frame, separator line, check mark or image box and the item's own
// bitmap onto canvas, whose pixel (0, 0) stands for (originX, originY) of the plan. Text and
// image list pictures are left to the caller.
void ComposeMenuItem(TBitmap& canvas, int originX, int originY, const TMenuItemPlan& plan,
                     const TMenuItemPictures& pictures);

// A button of the menu bar: highlighted while hot or pressed.
struct TMenuBarButtonFacts {
  bool hot = false;
  bool selected = false;  // pressed: its menu is open
  bool hasImage = false;
  int imageWidth = 0;
};

struct TMenuBarButtonPlan {
  int tag = 0;
  bool highlighted = false;  // filled and framed
  TRect fillRect;
  TColor fill = 0;
  TColor frame = 0;
  TRect textRect;
  TColor textColor = 0;
  int imageX = 0, imageY = 0;
};

TMenuBarButtonPlan PlanMenuBarButton(const TRect& rect, const TMenuBarButtonFacts& facts,
                                     const TMenuColors& colors);

// The glyphs of the MDI control buttons beside the menu bar: a 48 x 16 strip of three
// 16 x 16 frames, a bar at the bottom (minimize), two overlapping windows (restore) and a
// cross (close), black on a background that is the strip's transparent colour.
TBitmap MdiControlGlyphStrip();
constexpr TColor kMdiGlyphBackground = 0xFF00FF;

// The face of an MDI control button: its colour, with the glyph at (1, 1) (its transparent
// colour left out) and, while hot, a black frame round the face; an empty glyph leaves the
// plain colour.
TBitmap ComposeMdiControlButton(int width, int height, TColor color, const TBitmap& glyph, bool hot);

}  // namespace zentavo
