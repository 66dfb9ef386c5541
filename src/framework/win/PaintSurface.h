#pragma once
#include <windows.h>

#include "framework/Bitmap.h"
#include "framework/win/Handles.h"

namespace zentavo {

// The off-screen picture of one window: a DIB section kept between paints and made anew
// only when the window's size changes. Its rows are a portable bitmap (Pixels), so the
// portable composers draw into it in place; GDI draws text, icons and focus rectangles
// into the same context (Dc); one copy puts the whole on the screen (Present).
//
// Pixels and GDI share the memory: Prepare and Present flush GDI's queued drawing, so
// pixels written after GDI text (or read after it) see that text.
class TPaintSurface {
 public:
  TPaintSurface() = default;
  ~TPaintSurface();
  TPaintSurface(const TPaintSurface&) = delete;
  TPaintSurface& operator=(const TPaintSurface&) = delete;

  // Ready for a picture of width x height (at least 1 x 1); the old content stays when the
  // size is the same.
  void Prepare(int width, int height);
  bool Ready() const { return static_cast<bool>(dc_); }
  HDC Dc() const { return dc_.get(); }
  TBitmap& Pixels() { return pixels_; }
  int Width() const { return pixels_.Width(); }
  int Height() const { return pixels_.Height(); }
  // Flushes GDI's queued drawing before the pixels are written or read directly.
  void Flush() const;
  // The part `area` of the picture onto target at the same place, in one copy.
  void Present(HDC target, const RECT& area) const;
  void Present(HDC target) const { Present(target, RECT{0, 0, Width(), Height()}); }

  // Counts over every surface of the process: DIB sections made, and copies to a target.
  static long SectionsMade();
  static long Presents();

 private:
  void Free();
  MemoryDcHandle dc_;
  BitmapHandle section_;
  HGDIOBJ original_ = nullptr;
  TBitmap pixels_;
};

// BeginPaint and EndPaint as one owner: the paint is ended whatever the painter throws,
// so the window is validated and never repaints in a loop.
class PaintDc {
 public:
  explicit PaintDc(HWND window);
  ~PaintDc();
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  HDC get() const { return dc_; }
  const RECT& Area() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

}  // namespace zentavo
