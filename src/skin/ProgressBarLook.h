#pragma once
#include "framework/Bitmap.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinResources.h"

namespace zentavo {

// The skinned progress bar: two caps and, between them, the filled part followed by the
// empty part, each stretched from the resource set's images. Vertical bars fill upwards.

// The filled length of a bar `length` pixels long: (position - min) x length / (max - min),
// kept within 0..length; none when max <= min.
int ProgressFillLength(int position, int min, int max, int length);

// Where the four images go in a width x height bar. Horizontal: left cap, filled, empty,
// right cap from left to right. Vertical: bottom cap (as high as the left cap is wide),
// filled (growing up from it), empty, top cap (as high as the right cap is wide).
struct TProgressBarParts {
  TRect nearCap;  // left, or bottom
  TRect filled;
  TRect empty;
  TRect farCap;  // right, or top
  bool operator==(const TProgressBarParts&) const = default;
};
struct TProgressBarValues {
  int min = 0;
  int max = 100;
  int position = 0;
};
TProgressBarParts ProgressBarParts(int width, int height, bool vertical, int leftCapWidth, int rightCapWidth,
                                   const TProgressBarValues& values);

// The whole bar off screen: the form colour under the four parts. Horizontal images are
// stretched across with 2-pixel top and bottom edges kept, vertical ones along with
// 2-pixel side edges kept.
TBitmap ComposeProgressBar(const TsuiSkinProgressBarRes& res, int width, int height, bool vertical,
                           const TProgressBarValues& values, TColor formColor);

}  // namespace zentavo
