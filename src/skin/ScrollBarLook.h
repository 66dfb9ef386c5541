#pragma once
#include <optional>
#include <vector>

#include "framework/Bitmap.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinResources.h"

namespace zentavo {

// The skinned scroll bar: a track in the bar colour, two arrow buttons 16 pixels long and a
// thumb made of the resource set's pieces. The look is planned as a list of steps (what
// goes where), then drawn; the plans are what the tests check.
struct TScrollBarStep {
  const TBitmap* image = nullptr;  // none: fill dest with the bar colour
  TRect source;                    // the part of image that is stretched (plain steps)
  TRect dest;
  bool smooth = false;  // the whole image with the smoothing stretch; source unused

  bool operator==(const TScrollBarStep&) const = default;
};

// Every rectangle is in the canvas's coordinates. A thumb with no length is not drawn (the
// system reports one when the bar is too short for it).
std::vector<TScrollBarStep> ScrollBarPlan(const TsuiSkinScrollBtnRes& res, const TRect& bar, const TRect& thumb,
                                          bool thumbVisible, bool vertical);
void DrawScrollBarPlan(TBitmap& canvas, const std::vector<TScrollBarStep>& plan, TColor barColor);
void DrawSkinScrollBar(TBitmap& canvas, const TsuiSkinScrollBtnRes& res, TColor barColor, const TRect& bar,
                       const TRect& thumb, bool thumbVisible, bool vertical);

// The system's scroll bar states.
constexpr unsigned kScrollStateUnavailable = 0x1;
constexpr unsigned kScrollStateInvisible = 0x8000;
constexpr unsigned kScrollStateOffscreen = 0x10000;

// What an overlay needs of a native scroll bar: its rectangle in the client coordinates of
// the overlay's parent, the thumb's start and end along the bar (relative to the bar) and
// the bar's state.
struct TNativeScrollBar {
  TRect bar;
  int thumbTop = 0;
  int thumbBottom = 0;
  unsigned state = 0;
};

// Where an overlay goes and what it shows: the bar drawn at (0, 0) of a buffer of the
// overlay's size.
struct TScrollOverlayPlace {
  bool shown = false;
  TRect bounds;  // in the parent's client coordinates
  TRect thumb;   // in the overlay's coordinates
  bool thumbVisible = false;

  TRect BarRect() const { return {0, 0, bounds.Width(), bounds.Height()}; }
  bool operator==(const TScrollOverlayPlace&) const = default;
};

// Hidden when the system reports the bar invisible or gives it an implausible size (too
// thick, or inverted); the thumb is at most min(thumbWidth, 16) pixels across the bar, the
// rest of the bar's width showing the track; a disabled bar has no thumb.
TScrollOverlayPlace PlaceScrollOverlay(const TNativeScrollBar& native, bool vertical, int thumbWidth);

// The square between a shown vertical and a shown horizontal bar, in the control's window
// coordinates (inside its two-pixel border); none unless both are shown.
std::optional<TRect> ScrollCorner(int controlWidth, int controlHeight, const TScrollOverlayPlace& vert,
                                  const TScrollOverlayPlace& horz);

}  // namespace zentavo
