#include "framework/Bitmap.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

#include "core/Error.h"

namespace zentavo {

namespace {

const char kInvalidBitmap[] = "Bitmap image is not valid";

// Bigger than any skin picture by far; keeps a forged header from asking for gigabytes.
constexpr std::int64_t kMaxDimension = 16384;
constexpr std::int64_t kMaxPixels = 16 * 1024 * 1024;

constexpr std::uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3, kBiAlphaBitfields = 6;

[[noreturn]] void Invalid() {
  throw Error(kInvalidBitmap);
}

std::uint32_t Read16(const std::uint8_t* p) {
  return p[0] | (p[1] << 8);
}
std::uint32_t Read32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
void Write16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}
void Write32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Write16(out, v & 0xFFFF);
  Write16(out, v >> 16);
}

struct Rgb {
  std::uint8_t b = 0, g = 0, r = 0;
};

// One colour channel of a bit-field image: where it sits and how to widen it to 8 bits.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  int bits = 0;
  explicit Channel(std::uint32_t m) : mask(m) {
    if (mask == 0) return;
    while (!((mask >> shift) & 1)) ++shift;
    while (bits < 32 - shift && ((mask >> (shift + bits)) & 1)) ++bits;
  }
  std::uint8_t Get(std::uint32_t pixel) const {
    if (bits == 0) return 0;
    const std::uint32_t v = (pixel & mask) >> shift;
    if (bits >= 8) return static_cast<std::uint8_t>(v >> (bits - 8));
    // Widen so that the channel's maximum becomes 255.
    const std::uint32_t max = (1u << bits) - 1;
    return static_cast<std::uint8_t>((v * 255 + max / 2) / max);
  }
};

// The parsed headers and the checks that guard every later read.
struct BmpImage {
  const std::uint8_t* data = nullptr;
  std::size_t size = 0;
  int width = 0;
  int height = 0;
  bool topDown = false;
  int bits = 0;
  std::uint32_t compression = kBiRgb;
  std::uint32_t masks[3] = {};
  std::vector<Rgb> palette;
  std::size_t pixelOffset = 0;

  void Parse(const std::uint8_t* bytes, std::size_t length) {
    data = bytes;
    size = length;
    if (size < 14 + 12 || data[0] != 'B' || data[1] != 'M') Invalid();
    pixelOffset = Read32(data + 10);
    const std::uint32_t headerSize = Read32(data + 14);
    if (headerSize < 12 || headerSize > size - 14) Invalid();
    const std::uint8_t* h = data + 14;
    std::int64_t rawHeight;
    std::uint32_t colorsUsed = 0;
    int paletteEntrySize = 4;
    if (headerSize == 12) {  // the old core header: 16-bit sizes, 3-byte palette entries
      width = static_cast<int>(Read16(h + 4));
      rawHeight = static_cast<std::int16_t>(Read16(h + 6));
      bits = static_cast<int>(Read16(h + 10));
      paletteEntrySize = 3;
    } else {
      if (headerSize < 16) Invalid();
      width = static_cast<std::int32_t>(Read32(h + 4));
      rawHeight = static_cast<std::int32_t>(Read32(h + 8));
      bits = static_cast<int>(Read16(h + 14));
      if (headerSize >= 20) compression = Read32(h + 16);
      if (headerSize >= 36) colorsUsed = Read32(h + 32);
    }
    topDown = rawHeight < 0;
    const std::int64_t absHeight = rawHeight < 0 ? -rawHeight : rawHeight;
    if (width <= 0 || absHeight == 0 || width > kMaxDimension || absHeight > kMaxDimension ||
        width * absHeight > kMaxPixels)
      Invalid();
    height = static_cast<int>(absHeight);

    std::size_t after = 14 + headerSize;  // where masks or palette start
    switch (compression) {
      case kBiRgb:
        if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) Invalid();
        if (bits == 16) {
          masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
        } else if (bits == 32) {
          masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
        }
        break;
      case kBiRle8:
        if (bits != 8 || topDown) Invalid();
        break;
      case kBiRle4:
        if (bits != 4 || topDown) Invalid();
        break;
      case kBiBitfields:
      case kBiAlphaBitfields:
        if (bits != 16 && bits != 32) Invalid();
        if (headerSize >= 52) {  // the masks are part of a version 2 or later header
          for (int i = 0; i < 3; ++i) masks[i] = Read32(h + 40 + 4 * i);
        } else {
          if (size < after + 12) Invalid();
          for (int i = 0; i < 3; ++i) masks[i] = Read32(data + after + 4 * i);
          after += compression == kBiAlphaBitfields ? 16 : 12;
        }
        break;
      default:
        Invalid();
    }

    if (bits <= 8) {
      const std::uint32_t maxColors = 1u << bits;
      const std::uint32_t count = colorsUsed == 0 || colorsUsed > maxColors ? maxColors : colorsUsed;
      // A palette shorter than declared is damage; indices past a short palette are black.
      if (after > size || (size - after) / paletteEntrySize < count) Invalid();
      palette.resize(maxColors);
      for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint8_t* e = data + after + i * paletteEntrySize;
        palette[i] = Rgb{e[0], e[1], e[2]};
      }
      after += count * paletteEntrySize;
    }
    if (pixelOffset == 0) pixelOffset = after;  // some writers leave the offset out
    if (pixelOffset > size) Invalid();
  }
};

std::size_t UncompressedStride(const BmpImage& img) {
  return ((static_cast<std::size_t>(img.width) * img.bits + 31) / 32) * 4;
}

// Checked before the picture is made, so that a short file claiming a large picture costs
// no large allocation.
void CheckUncompressedSize(const BmpImage& img) {
  if ((img.size - img.pixelOffset) / UncompressedStride(img) < static_cast<std::size_t>(img.height)) Invalid();
}

void DecodeUncompressed(const BmpImage& img, TBitmap& out) {
  const std::size_t stride = UncompressedStride(img);
  const Channel red(img.masks[0]), green(img.masks[1]), blue(img.masks[2]);
  for (int row = 0; row < img.height; ++row) {
    const std::uint8_t* src = img.data + img.pixelOffset + static_cast<std::size_t>(row) * stride;
    std::uint8_t* dst = out.ScanLine(img.topDown ? row : img.height - 1 - row);
    for (int x = 0; x < img.width; ++x, dst += 3) {
      Rgb c;
      switch (img.bits) {
        case 1:
          c = img.palette[(src[x >> 3] >> (7 - (x & 7))) & 1];
          break;
        case 4:
          c = img.palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F];
          break;
        case 8:
          c = img.palette[src[x]];
          break;
        case 16: {
          const std::uint32_t p = Read16(src + 2 * x);
          c = Rgb{blue.Get(p), green.Get(p), red.Get(p)};
          break;
        }
        case 24:
          c = Rgb{src[3 * x], src[3 * x + 1], src[3 * x + 2]};
          break;
        default: {
          const std::uint32_t p = Read32(src + 4 * x);
          c = Rgb{blue.Get(p), green.Get(p), red.Get(p)};
          break;
        }
      }
      dst[0] = c.b, dst[1] = c.g, dst[2] = c.r;
    }
  }
}

// Run-length encoded 4- and 8-bit images. Pixels the runs skip stay black; runs that
// reach past the right edge are clipped; running out of data before the end-of-bitmap
// mark is damage.
void DecodeRle(const BmpImage& img, TBitmap& out) {
  const bool four = img.compression == kBiRle4;
  const std::uint8_t* p = img.data + img.pixelOffset;
  const std::uint8_t* end = img.data + img.size;
  int x = 0;
  int y = 0;  // counted from the bottom row
  auto put = [&](int index) {
    if (x < img.width && y < img.height) {
      const Rgb& c = img.palette[index];
      std::uint8_t* dst = out.ScanLine(img.height - 1 - y) + 3 * x;
      dst[0] = c.b, dst[1] = c.g, dst[2] = c.r;
    }
    ++x;
  };
  for (;;) {
    if (end - p < 2) Invalid();
    const int count = p[0];
    const int value = p[1];
    p += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i) put(four ? ((i & 1) ? value & 0x0F : value >> 4) : value);
      continue;
    }
    if (value == 0) {  // end of line
      x = 0;
      ++y;
    } else if (value == 1) {  // end of bitmap
      return;
    } else if (value == 2) {  // move right and up
      if (end - p < 2) Invalid();
      x += p[0];
      y += p[1];
      p += 2;
    } else {  // absolute run of `value` pixels, padded to a 16-bit boundary
      const int bytes = four ? (value + 1) / 2 : value;
      const int padded = (bytes + 1) & ~1;
      if (end - p < padded) Invalid();
      for (int i = 0; i < value; ++i) put(four ? ((i & 1) ? p[i / 2] & 0x0F : p[i / 2] >> 4) : p[i]);
      p += padded;
    }
    if (y > img.height) Invalid();  // a run far beyond the last row is damage, not a picture
  }
}

}  // namespace

TBitmap::TBitmap(int width, int height) {
  SetSize(width, height);
}

TBitmap::TBitmap(const TBitmap& other)
    : width_(other.width_),
      height_(other.height_),
      stride_(other.stride_),
      pixels_(other.rows_, other.rows_ + other.stride_ * static_cast<std::size_t>(other.height_)),
      rows_(pixels_.data()),
      sourceBits_(other.sourceBits_),
      transparent_(other.transparent_),
      transparentMode_(other.transparentMode_),
      transparentColor_(other.transparentColor_) {}

TBitmap& TBitmap::operator=(const TBitmap& other) {
  if (this != &other) *this = TBitmap(other);
  return *this;
}

TBitmap TBitmap::Over(std::uint8_t* rows, int width, int height) {
  TBitmap view;
  if (!rows || width <= 0 || height <= 0) return view;
  view.width_ = width;
  view.height_ = height;
  view.stride_ = ((static_cast<std::size_t>(width) * 3 + 3) / 4) * 4;
  view.rows_ = rows;
  return view;
}

void TBitmap::SetSize(int width, int height) {
  if (width < 0 || height < 0) width = height = 0;
  width_ = width;
  height_ = height;
  stride_ = ((static_cast<std::size_t>(width) * 3 + 3) / 4) * 4;
  pixels_.assign(stride_ * static_cast<std::size_t>(height), 0);
  rows_ = pixels_.data();
}

TColor TBitmap::Pixel(int x, int y) const {
  const std::uint8_t* p = ScanLine(y) + 3 * static_cast<std::size_t>(x);
  return RGBColor(p[2], p[1], p[0]);
}

void TBitmap::SetPixel(int x, int y, TColor colour) {
  std::uint8_t* p = ScanLine(y) + 3 * static_cast<std::size_t>(x);
  p[0] = static_cast<std::uint8_t>(colour >> 16);
  p[1] = static_cast<std::uint8_t>(colour >> 8);
  p[2] = static_cast<std::uint8_t>(colour);
}

void TBitmap::Fill(TColor colour) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) SetPixel(x, y, colour);
}

TColor TBitmap::TransparentColor() const {
  if (transparentMode_ == TTransparentMode::tmFixed) return transparentColor_;
  return Empty() ? 0 : Pixel(0, height_ - 1);
}

void TBitmap::SetTransparentColor(TColor colour) {
  transparentColor_ = colour;
  transparentMode_ = TTransparentMode::tmFixed;
}

void TBitmap::LoadFromMemory(const std::uint8_t* data, std::size_t size) {
  BmpImage img;
  img.Parse(data, size);
  const bool rle = img.compression == kBiRle4 || img.compression == kBiRle8;
  if (!rle) CheckUncompressedSize(img);
  TBitmap decoded(img.width, img.height);
  if (rle) {
    DecodeRle(img, decoded);
  } else {
    DecodeUncompressed(img, decoded);
  }
  width_ = decoded.width_;
  height_ = decoded.height_;
  stride_ = decoded.stride_;
  pixels_ = std::move(decoded.pixels_);
  rows_ = pixels_.data();
  sourceBits_ = img.bits;
}

void TBitmap::LoadFromFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw Error("Cannot open file \"" + file.string() + "\"");
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
  LoadFromMemory(bytes.data(), bytes.size());
}

std::vector<std::uint8_t> TBitmap::SaveToMemory() const {
  const std::uint32_t imageSize = static_cast<std::uint32_t>(stride_ * height_);
  std::vector<std::uint8_t> out;
  out.reserve(54 + imageSize);
  out.push_back('B');
  out.push_back('M');
  Write32(out, 54 + imageSize);
  Write32(out, 0);
  Write32(out, 54);
  Write32(out, 40);
  Write32(out, static_cast<std::uint32_t>(width_));
  Write32(out, static_cast<std::uint32_t>(height_));
  Write16(out, 1);
  Write16(out, 24);
  Write32(out, kBiRgb);
  Write32(out, imageSize);
  Write32(out, 2835);  // 72 dots per inch
  Write32(out, 2835);
  Write32(out, 0);
  Write32(out, 0);
  for (int y = height_ - 1; y >= 0; --y) out.insert(out.end(), ScanLine(y), ScanLine(y) + stride_);
  return out;
}

void TBitmap::SaveToFile(const std::filesystem::path& file) const {
  const std::vector<std::uint8_t> bytes = SaveToMemory();
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw Error("Cannot create file \"" + file.string() + "\"");
}

}  // namespace zentavo
