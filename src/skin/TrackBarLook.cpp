#include "skin/TrackBarLook.h"

#include <algorithm>

#include "skin/ButtonLooks.h"
#include "skin/SkinPieces.h"

namespace zentavo {

namespace {
constexpr int kTickLength = 3;
constexpr int kEndTickInset = 8;
}  // namespace

TRect TrackChannelRect(const TRect& reported, bool vertical, int imageWidth, int imageHeight) {
  TRect c = reported;
  if (vertical) {
    c = {reported.top, reported.left, reported.bottom, reported.right};
    c.left += (c.Width() - imageWidth) / 2 + 2;
    c.right = c.left + imageWidth;
  } else {
    c.top += (c.Height() - imageHeight) / 2;
    c.bottom = c.top + imageHeight;
  }
  return c;
}

TRect TrackFocusRect(const TRect& channel, const TRect& thumb, bool vertical) {
  if (vertical) return {thumb.left - 2, channel.top - 4, thumb.right + 2, channel.bottom + 4};
  return {channel.left - 4, thumb.top - 2, channel.right + 4, thumb.bottom + 2};
}

std::vector<TRect> TrackTickLines(const TRect& focus, bool vertical, TTrackTickStyle style,
                                  TTrackTickMarks marks, const std::vector<int>& innerPositions) {
  std::vector<TRect> lines;
  if (style != TTrackTickStyle::Auto) return lines;
  const bool nearSide = marks != TTrackTickMarks::BottomRight;  // top or left
  const bool farSide = marks != TTrackTickMarks::TopLeft;       // bottom or right
  auto tick = [&](int p) {
    if (vertical) {
      if (nearSide) lines.push_back({focus.left - kTickLength + 1, p, focus.left + 1, p + 1});
      if (farSide) lines.push_back({focus.right + 1, p, focus.right + kTickLength + 1, p + 1});
    } else {
      if (nearSide) lines.push_back({p, focus.top - kTickLength, p + 1, focus.top});
      if (farSide) lines.push_back({p, focus.bottom, p + 1, focus.bottom + kTickLength});
    }
  };
  for (int p : innerPositions) tick(p);
  tick((vertical ? focus.top : focus.left) + kEndTickInset);
  tick((vertical ? focus.bottom : focus.right) - kEndTickInset);
  return lines;
}

TBitmap ComposeTrackBar(const TTrackBarState& state, const TTrackBarLooks& looks) {
  TBitmap canvas(std::max(state.width, 0), std::max(state.height, 0));
  canvas.Fill(looks.formColor);
  const TBitmap* channel = looks.channel && !looks.channel->Empty() ? looks.channel : nullptr;
  const TRect c = TrackChannelRect(state.channel, state.vertical, channel ? channel->Width() : 0,
                                   channel ? channel->Height() : 0);
  if (channel && state.vertical) DrawVertThreePart(channel, canvas, c, 0);
  if (channel && !state.vertical) DrawHorzThreePart(channel, canvas, c, looks.transColor, true);
  if (looks.slider && !looks.slider->Empty())
    StretchBitmapRect(canvas, state.thumb, *looks.slider,
                      {0, 0, looks.slider->Width(), looks.slider->Height()}, looks.transColor);
  const TRect focus = TrackFocusRect(c, state.thumb, state.vertical);
  for (const TRect& line : TrackTickLines(focus, state.vertical, state.style, state.marks, state.innerTicks))
    FillRectColor(canvas, line, clBlack);
  if (state.focused) DrawFocusRectangle(canvas, focus);
  return canvas;
}

}  // namespace zentavo
