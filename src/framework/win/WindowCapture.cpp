#include "framework/win/WindowCapture.h"

#include <algorithm>

#include "framework/win/Application.h"
#include "framework/win/Handles.h"

namespace zentavo {

namespace {
// Lets posted paints and layout settle before the picture is taken.
void Settle() {
  for (int i = 0; i < 20; ++i) {
    Application().ProcessMessages();
    Sleep(25);
  }
}
}  // namespace

TBitmap CaptureWindow(HWND window) {
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Settle();
  RECT r;
  GetWindowRect(window, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  TBitmap picture(width, height);
  if (width > 0 && height > 0) {
    WindowDc screen(nullptr);
    MemoryDcHandle memory(CreateCompatibleDC(screen.get()));
    BitmapHandle bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    {
      DcStateGuard guard(memory.get());
      SelectObject(memory.get(), bitmap.get());
      // Only the part on the screen can be copied (a maximized window reaches past the
      // edges); the rest stays black.
      const int left = std::max<LONG>(r.left, GetSystemMetrics(SM_XVIRTUALSCREEN));
      const int top = std::max<LONG>(r.top, GetSystemMetrics(SM_YVIRTUALSCREEN));
      const int right = std::min<LONG>(r.right, GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN));
      const int bottom = std::min<LONG>(r.bottom, GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN));
      PatBlt(memory.get(), 0, 0, width, height, BLACKNESS);
      if (right > left && bottom > top)
        BitBlt(memory.get(), left - r.left, top - r.top, right - left, bottom - top, screen.get(), left, top, SRCCOPY);
    }
    // The portable bitmap's memory is a top-down 24-bit DIB: the rows go straight into it.
    BITMAPINFOHEADER info{sizeof(info), width, -height, 1, 24, BI_RGB};
    GetDIBits(memory.get(), bitmap.get(), 0, height, picture.ScanLine(0), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
  }
  SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  return picture;
}

}  // namespace zentavo
