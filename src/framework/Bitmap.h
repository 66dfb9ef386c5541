#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "framework/Color.h"

namespace zentavo {


enum class TTransparentMode {
  tmAuto,   // the transparent colour is the bottom-left pixel
  tmFixed,  // the transparent colour is the one set
};

// A picture with portable pixels, so skin packages can be read and checked without Win32.
//
// Pixels are 24-bit, three bytes per pixel in the order blue, green, red; rows run top to
// bottom, each padded to a multiple of 4 bytes. That is exactly the memory of a top-down
// 24-bit DIB (biHeight = -Height), so the Windows side can hand Bits() to a DIB section
// in one copy.
class TBitmap {
 public:
  TBitmap() = default;
  TBitmap(int width, int height);  // black
  // A copy always owns its pixels, also when made of a view.
  TBitmap(const TBitmap& other);
  TBitmap& operator=(const TBitmap& other);
  TBitmap(TBitmap&&) noexcept = default;
  TBitmap& operator=(TBitmap&&) noexcept = default;
  // A bitmap over rows it does not own, laid out as above (a device's picture memory):
  // what is drawn on it lands in that memory. The rows must outlive the view; SetSize or
  // a load gives the bitmap pixels of its own again.
  static TBitmap Over(std::uint8_t* rows, int width, int height);
  bool OwnsPixels() const { return rows_ == pixels_.data(); }

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  // Resizes to width x height, all black.
  void SetSize(int width, int height);

  std::size_t RowStride() const { return stride_; }
  std::uint8_t* ScanLine(int y) { return rows_ + static_cast<std::size_t>(y) * stride_; }
  const std::uint8_t* ScanLine(int y) const { return rows_ + static_cast<std::size_t>(y) * stride_; }
  const std::uint8_t* Bits() const { return rows_; }

  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor colour);
  void Fill(TColor colour);

  // Bits per pixel of the image this bitmap was read from (24 when made in memory).
  // PixelFormat24 records a conversion to 24 bits: the pixels already are 24-bit.
  int SourceBitsPerPixel() const { return sourceBits_; }
  void SetPixelFormat24() { sourceBits_ = 24; }

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value) { transparent_ = value; }
  TTransparentMode TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TTransparentMode mode) { transparentMode_ = mode; }
  // The fixed colour, or in automatic mode the bottom-left pixel.
  TColor TransparentColor() const;
  // Switches to fixed-colour transparency with that colour.
  void SetTransparentColor(TColor colour);

  // Reads a Windows BMP file image: 1, 4, 8, 16, 24 or 32 bits per pixel, uncompressed,
  // bit fields or RLE4/RLE8, bottom-up or top-down. A damaged image raises
  // zentavo::Error and leaves the bitmap as it was.
  void LoadFromMemory(const std::uint8_t* data, std::size_t size);
  void LoadFromFile(const std::filesystem::path& file);
  // Writes an uncompressed 24-bit bottom-up BMP image.
  std::vector<std::uint8_t> SaveToMemory() const;
  void SaveToFile(const std::filesystem::path& file) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::size_t stride_ = 0;
  std::vector<std::uint8_t> pixels_;
  std::uint8_t* rows_ = nullptr;  // pixels_.data(), or the rows of a view
  int sourceBits_ = 24;
  bool transparent_ = false;
  TTransparentMode transparentMode_ = TTransparentMode::tmAuto;
  TColor transparentColor_ = 0;
};

}  // namespace zentavo
