#pragma once
#include <windows.h>

#include "app/FadeCurve.h"

namespace zentavo {

// Shows (In) or hides (Out) a top-level window by blending it over the duration; the caller
// waits until the fade is over while the window's messages are handled, so it paints.
// The system's window animation blends where it can; elsewhere (Wine's animation shows or
// hides at once) the window becomes layered and its opacity is stepped at the screen's pace.
void FadeWindow(HWND window, int durationMs, TFadeDirection direction);

// False under Wine, whose window animation does not blend.
bool SystemAnimationBlends();

}  // namespace zentavo
