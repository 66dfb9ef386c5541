#include "app/FadeCurve.h"

#include <algorithm>
#include <cmath>

namespace zentavo {

int FadeAlpha(double elapsedMs, double durationMs, TFadeDirection direction) {
  // A fade of no length (or a clock that went back) is taken as finished or not begun.
  const double fraction = durationMs <= 0 ? 1.0 : std::clamp(elapsedMs / durationMs, 0.0, 1.0);
  const int opacity = static_cast<int>(std::lround(fraction * 255.0));
  return direction == TFadeDirection::In ? opacity : 255 - opacity;
}

}  // namespace zentavo
