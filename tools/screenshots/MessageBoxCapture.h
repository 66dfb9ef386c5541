#pragma once
#include <windows.h>

#include <functional>

#include "framework/Bitmap.h"

namespace zentavo {

// Runs `open`, which shows a modal message box owned by `owner` on this thread, and returns
// a picture of the box as the screen shows it. The box is then answered with `answer`
// (IDNO, IDCANCEL...) so `open` can return. Fails with zentavo::Error when no box came.
TBitmap CaptureMessageBox(HWND owner, const std::function<void()>& open, int answer);

}  // namespace zentavo
