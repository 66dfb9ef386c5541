#pragma once
#include <windows.h>

#include "framework/Color.h"

namespace zentavo {

class TWinControl;

// A one-pixel outline around the whole window (title and borders included, origin at the
// window's top-left corner) in color and, when withInner, a second one just inside it in
// innerColor. Edit-like controls get it over the system's sunken edge. Nothing is drawn
// on a window that is not there.
void FrameWindowOutline(HWND window, TColor color, TColor innerColor, bool withInner);
// The same on a framework control's window, when it has one.
void FrameControlOutline(TWinControl& control, TColor color, TColor innerColor, bool withInner);

}  // namespace zentavo
