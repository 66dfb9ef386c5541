#include "framework/win/PaintSurface.h"

#include <algorithm>
#include <atomic>

#include "framework/win/Win32Error.h"

namespace zentavo {

namespace {
std::atomic<long> sectionsMade{0};
std::atomic<long> presents{0};
}  // namespace

long TPaintSurface::SectionsMade() {
  return sectionsMade.load();
}
long TPaintSurface::Presents() {
  return presents.load();
}

TPaintSurface::~TPaintSurface() {
  Free();
}

// The section leaves the context before either is deleted.
void TPaintSurface::Free() {
  if (dc_ && original_) ::SelectObject(dc_.get(), original_);
  original_ = nullptr;
  pixels_ = TBitmap();
  section_.reset();
  dc_.reset();
}

void TPaintSurface::Prepare(int width, int height) {
  width = std::max(1, width);
  height = std::max(1, height);
  Flush();
  if (dc_ && width == Width() && height == Height()) return;
  Free();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down, as the portable rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  section_.reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  dc_.reset(::CreateCompatibleDC(nullptr));
  if (!section_ || !dc_ || !bits) {
    Free();
    throw Win32Error("Cannot make an off-screen picture");
  }
  ++sectionsMade;
  original_ = ::SelectObject(dc_.get(), section_.get());
  pixels_ = TBitmap::Over(static_cast<std::uint8_t*>(bits), width, height);
}

void TPaintSurface::Flush() const {
  if (dc_) ::GdiFlush();
}

void TPaintSurface::Present(HDC target, const RECT& area) const {
  if (!dc_ || !target) return;
  ::GdiFlush();
  ::BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_.get(), area.left,
           area.top, SRCCOPY);
  ++presents;
}

PaintDc::PaintDc(HWND window) : window_(window), dc_(::BeginPaint(window, &paint_)) {}

PaintDc::~PaintDc() {
  ::EndPaint(window_, &paint_);
}

}  // namespace zentavo
