#pragma once
#include <windows.h>

#include "framework/Bitmap.h"

namespace zentavo {

// The window as the screen shows it now, frame included: brought to the top, repainted,
// then copied from the screen. The window must be visible and nothing may cover it but
// its own children.
TBitmap CaptureWindow(HWND window);

}  // namespace zentavo
