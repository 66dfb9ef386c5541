#include "framework/win/OffscreenBuffer.h"

#include <algorithm>

#include "framework/win/Win32Error.h"

namespace zentavo {

OffscreenBuffer::~OffscreenBuffer() { Free(); }

// The bitmap leaves the device context before either is deleted.
void OffscreenBuffer::Free() {
  if (dc_ && original_) SelectObject(dc_.get(), original_);
  original_ = nullptr;
  bitmap_.reset();
  dc_.reset();
  width_ = height_ = 0;
}

HDC OffscreenBuffer::Prepare(HDC target, int width, int height) {
  width = std::max(1, width);
  height = std::max(1, height);
  if (dc_ && width == width_ && height == height_) return dc_.get();
  Free();
  dc_.reset(CreateCompatibleDC(target));
  bitmap_.reset(CreateCompatibleBitmap(target, width, height));
  if (!dc_ || !bitmap_) {
    Free();
    throw Win32Error("Cannot make an off-screen picture");
  }
  original_ = SelectObject(dc_.get(), bitmap_.get());
  width_ = width;
  height_ = height;
  return dc_.get();
}

void OffscreenBuffer::CopyTo(HDC target, int x, int y) const {
  if (dc_) BitBlt(target, x, y, width_, height_, dc_.get(), 0, 0, SRCCOPY);
}

}  // namespace zentavo
