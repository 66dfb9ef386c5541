#pragma once
#include <windows.h>

#include "framework/win/Handles.h"

namespace zentavo {

// The one off-screen picture of a window: drawn into whole, then copied in one blit so
// the window never shows a half-drawn state. The buffer is kept between paints and made
// anew only when the size changes.
class OffscreenBuffer {
 public:
  OffscreenBuffer() = default;
  ~OffscreenBuffer();
  OffscreenBuffer(const OffscreenBuffer&) = delete;
  OffscreenBuffer& operator=(const OffscreenBuffer&) = delete;

  // A device context of this size, compatible with the target, to draw the picture in.
  HDC Prepare(HDC target, int width, int height);
  // Copies the picture to the target at (x, y).
  void CopyTo(HDC target, int x = 0, int y = 0) const;
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  void Free();
  MemoryDcHandle dc_;
  BitmapHandle bitmap_;
  HGDIOBJ original_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace zentavo
