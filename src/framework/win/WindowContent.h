#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Bitmap.h"
#include "framework/PictureContent.h"
#include "framework/win/Control.h"

namespace zentavo {

// A shown window as the screen shows it, with the places of its texts and controls, for
// comparing two looks of the same window (without and with a skin).
struct TWindowContent {
  TBitmap picture;          // the whole window, frame included
  std::vector<bool> shape;  // per pixel of the picture: inside the window's region
  bool shaped = false;      // the window has a region of its own
  SIZE clientSize{};
  bool hasMenuBar = false;  // the system's menu bar (a skin draws its own inside the client)
  // Every control inside the window, windowed or not, and the caption line of each group
  // box, in picture coordinates.
  std::vector<TContentArea> areas;
};

// The window must be shown, on top and unobscured.
TWindowContent CaptureContent(TWinControl& window);

// What the skinned look loses against the plain one, one line per fault: texts and
// controls that are not drawn, the transparent colour on the screen, holes in the window's
// outline, another client size (another width only, for a window whose menu bar the skin
// moves into the client area).
std::vector<std::string> CompareContent(const TWindowContent& plain, const TWindowContent& skinned,
                                        TColor transparentColour);

}  // namespace zentavo
