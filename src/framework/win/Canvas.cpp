#include "framework/win/Canvas.h"

#include <cstring>

#include "framework/win/WideText.h"
#include "framework/win/Win32Error.h"

namespace zentavo {

namespace {

// The header of a portable bitmap's memory: a top-down 24-bit image.
BITMAPINFO DescribeBitmap(const TBitmap& bitmap) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = bitmap.Width();
  info.bmiHeader.biHeight = -bitmap.Height();
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

int StretchModeOf(TStretchMode mode) { return mode == TStretchMode::Smooth ? HALFTONE : COLORONCOLOR; }

// HALFTONE needs the brush origin set again, or the smoothing pattern shifts.
void ApplyStretchMode(HDC dc, TStretchMode mode) {
  SetStretchBltMode(dc, StretchModeOf(mode));
  if (mode == TStretchMode::Smooth) SetBrushOrgEx(dc, 0, 0, nullptr);
}

}  // namespace

TCanvas::TCanvas(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}

// The context lets go of our objects before the handles free them.
TCanvas::~TCanvas() { RestoreDC(dc_, saved_); }

void TCanvas::SetBrushColor(TColor color) {
  if (brush_ && color == brushColor_) return;
  brushColor_ = color;
  BrushHandle fresh(CreateSolidBrush(ColorToRGB(color)));
  SelectObject(dc_, fresh.get());
  SetBkColor(dc_, ColorToRGB(color));
  brush_ = std::move(fresh);
}

void TCanvas::SetPen(TColor color, int width) {
  penColor_ = color;
  PenHandle fresh(CreatePen(PS_SOLID, width, ColorToRGB(color)));
  SelectObject(dc_, fresh.get());
  pen_ = std::move(fresh);
}

void TCanvas::SetFont(const TFont& font) {
  const LOGFONTW description = font.LogFont();
  FontHandle fresh(CreateFontIndirectW(&description));
  SelectObject(dc_, fresh.get());
  font_ = std::move(fresh);
  ::SetTextColor(dc_, ColorToRGB(font.Color));
}

void TCanvas::SetTextColor(TColor color) { ::SetTextColor(dc_, ColorToRGB(color)); }

void TCanvas::SetTransparentText(bool transparent) { SetBkMode(dc_, transparent ? TRANSPARENT : OPAQUE); }

void TCanvas::FillRect(const RECT& rect) {
  if (!brush_) SetBrushColor(brushColor_);
  ::FillRect(dc_, &rect, brush_.get());
}

void TCanvas::FrameRect(const RECT& rect) {
  if (!brush_) SetBrushColor(brushColor_);
  ::FrameRect(dc_, &rect, brush_.get());
}

void TCanvas::Polygon(const std::vector<POINT>& points) {
  if (points.empty()) return;
  if (!brush_) SetBrushColor(brushColor_);
  if (!pen_) SetPen(penColor_);
  ::Polygon(dc_, points.data(), static_cast<int>(points.size()));
}

void TCanvas::MoveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }

void TCanvas::LineTo(int x, int y) {
  if (!pen_) SetPen(penColor_);
  ::LineTo(dc_, x, y);
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
  const std::wstring wide = Widen(text);
  ::TextOutW(dc_, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

int TCanvas::DrawText(const std::string& text, RECT& rect, UINT format) {
  std::wstring wide = Widen(text);
  return ::DrawTextW(dc_, wide.data(), static_cast<int>(wide.size()), &rect, format);
}

SIZE TCanvas::TextExtent(const std::string& text) {
  const std::wstring wide = Widen(text);
  SIZE size{};
  GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
  return size;
}

void TCanvas::DrawFocusRect(const RECT& rect) { ::DrawFocusRect(dc_, &rect); }

void TCanvas::CopyRect(const RECT& dest, HDC source, const RECT& sourceRect, TStretchMode mode) {
  const int dw = dest.right - dest.left, dh = dest.bottom - dest.top;
  const int sw = sourceRect.right - sourceRect.left, sh = sourceRect.bottom - sourceRect.top;
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
  if (dw == sw && dh == sh) {
    BitBlt(dc_, dest.left, dest.top, dw, dh, source, sourceRect.left, sourceRect.top, SRCCOPY);
    return;
  }
  ApplyStretchMode(dc_, mode);
  StretchBlt(dc_, dest.left, dest.top, dw, dh, source, sourceRect.left, sourceRect.top, sw, sh, SRCCOPY);
}

void TCanvas::TransparentCopy(const RECT& dest, HDC source, const RECT& sourceRect, TColor transparent) {
  const int dw = dest.right - dest.left, dh = dest.bottom - dest.top;
  const int sw = sourceRect.right - sourceRect.left, sh = sourceRect.bottom - sourceRect.top;
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
  SetStretchBltMode(dc_, COLORONCOLOR);
  TransparentBlt(dc_, dest.left, dest.top, dw, dh, source, sourceRect.left, sourceRect.top, sw, sh,
                 ColorToRGB(transparent));
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) { DrawBitmap(dc_, x, y, bitmap); }

void TCanvas::StretchDraw(const RECT& dest, const TBitmap& bitmap, TStretchMode mode) {
  StretchBitmap(dc_, dest, bitmap, mode);
}

void TCanvas::DrawTransparent(int x, int y, const TBitmap& bitmap, TColor transparent) {
  if (bitmap.Empty()) return;
  TBitmapDc source(bitmap);
  TransparentCopy(RECT{x, y, x + bitmap.Width(), y + bitmap.Height()}, source.Dc(),
                  RECT{0, 0, bitmap.Width(), bitmap.Height()}, transparent);
}

// ---- TBitmapDc ------------------------------------------------------------------------

TBitmapDc::TBitmapDc(const TBitmap& bitmap) : width_(bitmap.Width()), height_(bitmap.Height()) {
  BITMAPINFO info = DescribeBitmap(bitmap);
  if (bitmap.Empty()) {  // a 1 x 1 stand-in keeps the context usable
    info.bmiHeader.biWidth = 1;
    info.bmiHeader.biHeight = -1;
  }
  void* bits = nullptr;
  bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  dc_.reset(CreateCompatibleDC(nullptr));
  if (!bitmap_ || !dc_) throw Win32Error("Cannot make a device context for a picture");
  if (!bitmap.Empty()) std::memcpy(bits, bitmap.Bits(), bitmap.RowStride() * static_cast<size_t>(height_));
  original_ = SelectObject(dc_.get(), bitmap_.get());
}

TBitmapDc::~TBitmapDc() {
  if (original_) SelectObject(dc_.get(), original_);
}

// Both share one layout (24 bits, top-down rows), so the rows copy as they are.
void TBitmapDc::CopyTo(TBitmap& bitmap) const {
  ::GdiFlush();
  DIBSECTION section{};
  if (bitmap.Empty() || bitmap.Width() != width_ || bitmap.Height() != height_ ||
      ::GetObjectW(bitmap_.get(), sizeof(section), &section) != sizeof(section) || !section.dsBm.bmBits)
    return;
  std::memcpy(bitmap.ScanLine(0), section.dsBm.bmBits, bitmap.RowStride() * static_cast<size_t>(height_));
}

// ---- free functions ---------------------------------------------------------------------

void DrawBitmap(HDC dc, int x, int y, const TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  const BITMAPINFO info = DescribeBitmap(bitmap);
  SetDIBitsToDevice(dc, x, y, bitmap.Width(), bitmap.Height(), 0, 0, 0, bitmap.Height(), bitmap.Bits(), &info,
                    DIB_RGB_COLORS);
}

void StretchBitmap(HDC dc, const RECT& dest, const TBitmap& bitmap, TStretchMode mode) {
  const int dw = dest.right - dest.left, dh = dest.bottom - dest.top;
  if (bitmap.Empty() || dw <= 0 || dh <= 0) return;
  const BITMAPINFO info = DescribeBitmap(bitmap);
  const int oldMode = GetStretchBltMode(dc);
  ApplyStretchMode(dc, mode);
  StretchDIBits(dc, dest.left, dest.top, dw, dh, 0, 0, bitmap.Width(), bitmap.Height(), bitmap.Bits(), &info,
                DIB_RGB_COLORS, SRCCOPY);
  SetStretchBltMode(dc, oldMode);
}

RegionHandle RegionFromRects(const std::vector<RECT>& rects) {
  std::vector<std::uint8_t> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  auto* region = reinterpret_cast<RGNDATA*>(data.data());
  region->rdh.dwSize = sizeof(RGNDATAHEADER);
  region->rdh.iType = RDH_RECTANGLES;
  region->rdh.nCount = static_cast<DWORD>(rects.size());
  region->rdh.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
  RECT bounds{0, 0, 0, 0};
  for (const RECT& rect : rects) UnionRect(&bounds, &bounds, &rect);
  region->rdh.rcBound = bounds;
  if (!rects.empty()) std::memcpy(region->Buffer, rects.data(), rects.size() * sizeof(RECT));
  RegionHandle handle(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), region));
  if (!handle) throw Win32Error("Cannot make a window region");
  return handle;
}

}  // namespace zentavo
