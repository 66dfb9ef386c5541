#pragma once
#include <vector>

#include "framework/Bitmap.h"
#include "skin/SkinBlit.h"
#include "skin/SkinGeometry.h"

namespace zentavo {

// The skinned track bar: the skin's channel centred across the control's channel, the
// slider stretched over the control's thumb, black ticks and the focus rectangle, all in
// one picture of the control's size.

enum class TTrackTickStyle { None, Auto, Manual };
enum class TTrackTickMarks { BottomRight, TopLeft, Both };

// The channel as drawn: the control's channel rectangle (reported as if the bar were
// horizontal, so a vertical bar's x and y are exchanged first) narrowed across to the
// channel image's thickness and centred (vertical bars two pixels further right).
TRect TrackChannelRect(const TRect& reported, bool vertical, int imageWidth, int imageHeight);

// The focus rectangle: 4 pixels beyond the channel's ends, 2 beyond the thumb's sides.
TRect TrackFocusRect(const TRect& channel, const TRect& thumb, bool vertical);

// The pixels of every tick, each a 3-pixel line on the sides TickMarks names, only with
// the auto style: one per inner position the control reports, plus the two end ticks 8
// pixels inside the focus rectangle's ends. The lines are those of the one-pixel pen
// drawn towards the edge or the focus rectangle, end point excluded: above from F.top - 3
// to F.top - 1, below from F.bottom to F.bottom + 2, left from F.left - 2 to F.left,
// right from F.right + 1 to F.right + 3.
std::vector<TRect> TrackTickLines(const TRect& focus, bool vertical, TTrackTickStyle style,
                                  TTrackTickMarks marks, const std::vector<int>& innerPositions);

struct TTrackBarState {
  int width = 0;
  int height = 0;
  bool vertical = false;
  TRect channel;  // as the control reports it
  TRect thumb;
  TTrackTickStyle style = TTrackTickStyle::Auto;
  TTrackTickMarks marks = TTrackTickMarks::BottomRight;
  std::vector<int> innerTicks;
  bool focused = false;
};
struct TTrackBarLooks {
  const TBitmap* channel = nullptr;  // already turned for a vertical bar
  const TBitmap* slider = nullptr;
  TColor formColor = 0;
  TColor transColor = kNoMask;
};
TBitmap ComposeTrackBar(const TTrackBarState& state, const TTrackBarLooks& looks);

}  // namespace zentavo
