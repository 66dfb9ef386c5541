#pragma once

namespace zentavo {

enum class TFadeDirection { In, Out };

// The opacity (0 see-through .. 255 opaque) of a window fading over durationMs at elapsedMs
// since the fade began. Linear in time, so a fade paced by the clock ends on time whatever
// the frame rate; it starts at the far end and holds the final value from the duration on.
int FadeAlpha(double elapsedMs, double durationMs, TFadeDirection direction);

}  // namespace zentavo
