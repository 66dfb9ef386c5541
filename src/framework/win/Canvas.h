#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Bitmap.h"
#include "framework/Color.h"
#include "framework/win/Font.h"
#include "framework/win/Handles.h"

namespace zentavo {

// How a stretched copy picks its pixels: the nearest source pixel, or a smoothed mix.
enum class TStretchMode { Nearest, Smooth };

// Drawing on a device context it does not own. The brush, pen and font it selects are
// owned for the canvas's life; the context's state is put back when it goes.
class TCanvas {
 public:
  explicit TCanvas(HDC dc);
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  HDC Handle() const { return dc_; }

  TColor BrushColor() const { return brushColor_; }
  void SetBrushColor(TColor color);
  TColor PenColor() const { return penColor_; }
  void SetPen(TColor color, int width = 1);
  void SetFont(const TFont& font);
  void SetTextColor(TColor color);
  // Text drawn over what is there (true) or on the brush colour (false).
  void SetTransparentText(bool transparent);

  void FillRect(const RECT& rect);
  // A one-pixel outline in the brush colour.
  void FrameRect(const RECT& rect);
  // Filled with the brush, outlined with the pen.
  void Polygon(const std::vector<POINT>& points);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void TextOut(int x, int y, const std::string& text);
  // Returns the height of the drawn text; with DT_CALCRECT, measures into rect instead.
  int DrawText(const std::string& text, RECT& rect, UINT format);
  SIZE TextExtent(const std::string& text);
  int TextWidth(const std::string& text) { return TextExtent(text).cx; }
  void DrawFocusRect(const RECT& rect);

  // Copies a rectangle of another context, stretched when the sizes differ.
  void CopyRect(const RECT& dest, HDC source, const RECT& sourceRect, TStretchMode mode = TStretchMode::Nearest);
  // The same, leaving the destination where the source has the transparent colour.
  void TransparentCopy(const RECT& dest, HDC source, const RECT& sourceRect, TColor transparent);
  // Portable bitmaps: at their own size, stretched, or with a transparent colour.
  void Draw(int x, int y, const TBitmap& bitmap);
  void StretchDraw(const RECT& dest, const TBitmap& bitmap, TStretchMode mode = TStretchMode::Nearest);
  void DrawTransparent(int x, int y, const TBitmap& bitmap, TColor transparent);

 private:
  HDC dc_;
  int saved_;
  TColor brushColor_ = clWhite;
  TColor penColor_ = clBlack;
  BrushHandle brush_;
  PenHandle pen_;
  FontHandle font_;
};

// A portable bitmap as a GDI bitmap (a DIB section with the same pixels) selected into a
// memory context, for GDI calls that need a source context or an HBITMAP.
class TBitmapDc {
 public:
  explicit TBitmapDc(const TBitmap& bitmap);
  ~TBitmapDc();
  TBitmapDc(const TBitmapDc&) = delete;
  TBitmapDc& operator=(const TBitmapDc&) = delete;
  HDC Dc() const { return dc_.get(); }
  HBITMAP Bitmap() const { return bitmap_.get(); }
  // What GDI drew on the context, back into a portable bitmap of the same size.
  void CopyTo(TBitmap& bitmap) const;
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  MemoryDcHandle dc_;
  BitmapHandle bitmap_;
  HGDIOBJ original_ = nullptr;
  int width_, height_;
};

// Copies a portable bitmap to a context in one call, at (x, y) or stretched to dest.
void DrawBitmap(HDC dc, int x, int y, const TBitmap& bitmap);
void StretchBitmap(HDC dc, const RECT& dest, const TBitmap& bitmap, TStretchMode mode);

// A region made of rectangles (the runs of a window shape), empty for none.
RegionHandle RegionFromRects(const std::vector<RECT>& rects);

}  // namespace zentavo
