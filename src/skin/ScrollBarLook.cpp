#include "skin/ScrollBarLook.h"

#include <algorithm>

#include "skin/SkinBlit.h"
#include "skin/SkinPieces.h"

namespace zentavo {

namespace {

// Arrow buttons have this length whatever the system's own are.
constexpr int kArrowLength = 16;
// The caps are cut three pixels thick, and the fillers are placed as if they were.
constexpr int kCapLength = 3;
// The thumb never gets thicker than this across the bar.
constexpr int kMaxThumbThickness = 16;

// Rectangles along the bar (top to bottom, or left to right) and across it, so that one
// plan serves both directions.
struct TAxis {
  bool vertical;
  TRect Rect(int alongFrom, int alongTo, int acrossFrom, int acrossTo) const {
    return vertical ? TRect{acrossFrom, alongFrom, acrossTo, alongTo} : TRect{alongFrom, acrossFrom, alongTo, acrossTo};
  }
  int From(const TRect& r) const { return vertical ? r.top : r.left; }
  int To(const TRect& r) const { return vertical ? r.bottom : r.right; }
  int AcrossFrom(const TRect& r) const { return vertical ? r.left : r.top; }
  int AcrossTo(const TRect& r) const { return vertical ? r.right : r.bottom; }
  int Length(const TBitmap& b) const { return vertical ? b.Height() : b.Width(); }
  // The image's rows (columns) from..to-1 along the bar, its whole width across.
  TRect Cut(const TBitmap& b, int from, int to) const {
    return vertical ? TRect{0, from, b.Width(), to} : TRect{from, 0, to, b.Height()};
  }
};

TRect Whole(const TBitmap& b) { return {0, 0, b.Width(), b.Height()}; }

class TPlan {
 public:
  std::vector<TScrollBarStep> steps;
  void Fill(const TRect& dest) {
    if (!dest.Empty()) steps.push_back({nullptr, {}, dest, false});
  }
  void Stretch(const TBitmap& image, const TRect& source, const TRect& dest) {
    if (!image.Empty() && !source.Empty() && !dest.Empty()) steps.push_back({&image, source, dest, false});
  }
  void Smooth(const TBitmap& image, const TRect& dest) {
    if (!image.Empty() && !dest.Empty()) steps.push_back({&image, Whole(image), dest, true});
  }
  void Pieces(const TBitmap& image, const std::vector<TSkinPiece>& pieces) {
    for (const TSkinPiece& p : pieces) Stretch(image, p.source, p.dest);
  }
};

// The five-piece thumb: caps at both ends, the grip centred between them with the fillers
// around it, or the grip alone over the middle when there is no room for more.
void PlanThumbPieces(TPlan& plan, const std::array<TBitmap, 5>& pieces, const TRect& thumb, const TAxis& axis) {
  const int from = axis.From(thumb), to = axis.To(thumb);
  const int across0 = axis.AcrossFrom(thumb), across1 = axis.AcrossTo(thumb);
  const int length = to - from;
  const TBitmap& firstCap = pieces[0];
  const TBitmap& lastCap = pieces[4];
  const TBitmap& grip = pieces[2];

  plan.Stretch(firstCap, Whole(firstCap), axis.Rect(from, from + axis.Length(firstCap), across0, across1));
  // A thumb shorter than twice the cap shows only the cap's far end.
  const int capLength = axis.Length(lastCap);
  plan.Stretch(lastCap, axis.Cut(lastCap, std::max(0, capLength - length / 2), capLength),
               axis.Rect(to - capLength, to, across0, across1));

  const int gripLength = axis.Length(grip);
  const int room = length - 2 * kCapLength;
  if (gripLength >= room) {
    plan.Smooth(grip, axis.Rect(from + kCapLength, to - kCapLength, across0, across1));
    return;
  }
  const int d = (room - gripLength) / 2;
  const int gripFrom = from + kCapLength + d, gripTo = gripFrom + gripLength;
  plan.Stretch(grip, Whole(grip), axis.Rect(gripFrom, gripTo, across0, across1));
  plan.Smooth(pieces[3], axis.Rect(gripTo, to - kCapLength, across0, across1));
  plan.Smooth(pieces[1], axis.Rect(from + kCapLength, gripFrom, across0, across1));
}

}  // namespace

std::vector<TScrollBarStep> ScrollBarPlan(const TsuiSkinScrollBtnRes& res, const TRect& bar, const TRect& thumb,
                                          bool thumbVisible, bool vertical) {
  const TAxis axis{vertical};
  TPlan plan;
  plan.Fill(bar);
  const int from = axis.From(bar), to = axis.To(bar);
  const int across0 = axis.AcrossFrom(bar), across1 = axis.AcrossTo(bar);
  plan.Smooth(vertical ? res.VertUpArrow : res.HorzLeftArrow,
              axis.Rect(from, from + kArrowLength, across0, across1));
  plan.Smooth(vertical ? res.VertDownArrow : res.HorzRightArrow, axis.Rect(to - kArrowLength, to, across0, across1));

  const int length = axis.To(thumb) - axis.From(thumb);
  if (!thumbVisible || length <= 0) return plan.steps;
  if (res.HasSpecialThumb && length > 15) {
    if (vertical && res.SpecialThumb) {
      const TBitmap& special = *res.SpecialThumb;
      plan.Pieces(special, VertThreePartPieces(special.Width(), special.Height(), thumb, 0));
    } else if (!vertical && res.SpecialThumbHorz) {
      const TBitmap& special = *res.SpecialThumbHorz;
      plan.Pieces(special, HorzThreePartPieces(special.Width(), special.Height(), thumb, 0, false));
    }
    return plan.steps;
  }
  PlanThumbPieces(plan, vertical ? res.VertThumbPieces : res.HorzThumbPieces, thumb, axis);
  return plan.steps;
}

void DrawScrollBarPlan(TBitmap& canvas, const std::vector<TScrollBarStep>& plan, TColor barColor) {
  for (const TScrollBarStep& step : plan) {
    if (!step.image)
      FillRectColor(canvas, step.dest, barColor);
    else if (step.smooth)
      StretchDrawSmooth(*step.image, canvas, step.dest);
    else
      StretchBitmapRect(canvas, step.dest, *step.image, step.source);
  }
}

void DrawSkinScrollBar(TBitmap& canvas, const TsuiSkinScrollBtnRes& res, TColor barColor, const TRect& bar,
                       const TRect& thumb, bool thumbVisible, bool vertical) {
  DrawScrollBarPlan(canvas, ScrollBarPlan(res, bar, thumb, thumbVisible, vertical), barColor);
}

TScrollOverlayPlace PlaceScrollOverlay(const TNativeScrollBar& native, bool vertical, int thumbWidth) {
  TScrollOverlayPlace place;
  // The system adds other bits to "invisible" (a hidden bar is also "off-screen"): any
  // bar it calls invisible is hidden.
  if (native.state & kScrollStateInvisible) return place;
  const int width = native.bar.right - native.bar.left;
  const int height = native.bar.bottom - native.bar.top;
  // The two directions differ at exactly 100 pixels, as the system's bars never get there.
  const bool implausible = vertical ? (width < 0 || width > 100 || height < 0) : (width < 0 || height < 0 || height >= 100);
  if (implausible) return place;
  place.shown = true;
  place.bounds = native.bar;
  const int thickness = std::min(thumbWidth, kMaxThumbThickness);
  place.thumb = vertical ? TRect{0, native.thumbTop, thickness, native.thumbBottom}
                         : TRect{native.thumbTop, 0, native.thumbBottom, thickness};
  place.thumbVisible = native.state != kScrollStateUnavailable;
  return place;
}

std::optional<TRect> ScrollCorner(int controlWidth, int controlHeight, const TScrollOverlayPlace& vert,
                                  const TScrollOverlayPlace& horz) {
  if (!vert.shown || !horz.shown) return std::nullopt;
  constexpr int kBorder = 2;
  return TRect{controlWidth - kBorder - vert.bounds.Width(), controlHeight - kBorder - horz.bounds.Height(),
               controlWidth - kBorder, controlHeight - kBorder};
}

}  // namespace zentavo
