#pragma once
// Test pictures for the splash window and a look at the screen where it stands.
#include <windows.h>

#include "framework/Bitmap.h"
#include "framework/win/Handles.h"

namespace zentavo::testing {

constexpr TColor kSeeThroughGrey = RGBColor(128, 128, 128);

// 420 x 300: a grey border 24 pixels wide, a grey round hole at the centre, and between them
// a pattern in which no two neighbours are alike and no pixel is the grey.
inline TBitmap FramedPicture() {
  TBitmap picture(420, 300);
  picture.Fill(kSeeThroughGrey);
  for (int y = 24; y < 276; ++y) {
    for (int x = 24; x < 396; ++x) {
      const int dx = x - 210, dy = y - 150;
      if (dx * dx + dy * dy < 40 * 40) continue;
      picture.SetPixel(x, y, RGBColor((x * 7) & 0xFF, (y * 11) & 0xFF, 200 + (x + y) % 40));
    }
  }
  return picture;
}

// The pixels the screen shows in the rectangle now.
inline TBitmap CaptureScreen(const RECT& area) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  TBitmap picture(width, height);
  WindowDc screen(nullptr);
  MemoryDcHandle memory(::CreateCompatibleDC(screen.get()));
  BitmapHandle bitmap(::CreateCompatibleBitmap(screen.get(), width, height));
  {
    DcStateGuard guard(memory.get());
    ::SelectObject(memory.get(), bitmap.get());
    ::BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top, SRCCOPY);
  }
  BITMAPINFOHEADER info{sizeof(info), width, -height, 1, 24, BI_RGB};
  ::GetDIBits(memory.get(), bitmap.get(), 0, height, picture.ScanLine(0),
              reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  return picture;
}

}  // namespace zentavo::testing
