#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/Error.h"
#include "framework/Bitmap.h"

namespace zentavo {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, std::uint32_t v) {
  b.push_back(v & 0xFF);
  b.push_back((v >> 8) & 0xFF);
}
void Put32(Bytes& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

// A BMP file image with a 40-byte header (plus masks when given), palette and pixel data.
Bytes Bmp(int width, int height, int bits, std::uint32_t compression, const Bytes& palette,
          const Bytes& pixels, const std::vector<std::uint32_t>& masks = {}) {
  const std::uint32_t offset = 14 + 40 + static_cast<std::uint32_t>(4 * masks.size() + palette.size());
  Bytes b{'B', 'M'};
  Put32(b, offset + static_cast<std::uint32_t>(pixels.size()));
  Put32(b, 0);
  Put32(b, offset);
  Put32(b, 40);
  Put32(b, static_cast<std::uint32_t>(width));
  Put32(b, static_cast<std::uint32_t>(height));
  Put16(b, 1);
  Put16(b, bits);
  Put32(b, compression);
  Put32(b, static_cast<std::uint32_t>(pixels.size()));
  Put32(b, 0);
  Put32(b, 0);
  Put32(b, static_cast<std::uint32_t>(palette.size() / 4));
  Put32(b, 0);
  for (std::uint32_t m : masks) Put32(b, m);
  b.insert(b.end(), palette.begin(), palette.end());
  b.insert(b.end(), pixels.begin(), pixels.end());
  return b;
}

// Palette entries are blue, green, red, reserved.
const Bytes kPalette = {0, 0, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0};
constexpr TColor kBlack = 0, kRed = RGBColor(255, 0, 0), kGreen = RGBColor(0, 255, 0),
                 kBlue = RGBColor(0, 0, 255);

TBitmap Load(const Bytes& image) {
  TBitmap b;
  b.LoadFromMemory(image.data(), image.size());
  return b;
}

// Each case is a 3x2 image, bottom-up unless its height is negative: bottom row red,
// green, blue; top row blue, black, red.
void ExpectPattern(const TBitmap& b) {
  ASSERT_EQ(b.Width(), 3);
  ASSERT_EQ(b.Height(), 2);
  EXPECT_EQ(b.Pixel(0, 1), kRed);
  EXPECT_EQ(b.Pixel(1, 1), kGreen);
  EXPECT_EQ(b.Pixel(2, 1), kBlue);
  EXPECT_EQ(b.Pixel(0, 0), kBlue);
  EXPECT_EQ(b.Pixel(1, 0), kBlack);
  EXPECT_EQ(b.Pixel(2, 0), kRed);
}

TEST(BitmapDecode, PalettedDepths) {
  // Indices: 0 black, 1 red, 2 green, 3 blue. Rows are padded to four bytes.
  ExpectPattern(Load(Bmp(3, 2, 8, 0, kPalette, {1, 2, 3, 0, 3, 0, 1, 0})));
  ExpectPattern(Load(Bmp(3, 2, 4, 0, kPalette, {0x12, 0x30, 0, 0, 0x30, 0x10, 0, 0})));
  const Bytes twoColours = {0, 0, 0, 0, 0, 0, 255, 0};  // black, red
  const TBitmap mono = Load(Bmp(3, 2, 1, 0, twoColours, {0b10100000, 0, 0, 0, 0b01000000, 0, 0, 0}));
  EXPECT_EQ(mono.Pixel(0, 1), kRed);
  EXPECT_EQ(mono.Pixel(1, 1), kBlack);
  EXPECT_EQ(mono.Pixel(2, 1), kRed);
  EXPECT_EQ(mono.Pixel(1, 0), kRed);
  EXPECT_EQ(mono.SourceBitsPerPixel(), 1);
}

TEST(BitmapDecode, TrueColourDepthsAndTopDown) {
  ExpectPattern(Load(Bmp(3, 2, 24, 0, {}, {0,   0, 255, 0, 255, 0, 255, 0, 0,   0, 0, 0,  //
                                           255, 0, 0,   0, 0,   0, 0,   0, 255, 0, 0, 0})));
  ExpectPattern(Load(Bmp(3, -2, 24, 0, {}, {255, 0, 0,   0, 0,   0, 0,   0, 255, 0, 0, 0,  //
                                            0,   0, 255, 0, 255, 0, 255, 0, 0,   0, 0, 0})));
  ExpectPattern(Load(Bmp(3, 2, 32, 0, {}, {0,   0, 255, 9, 0, 255, 0, 9, 255, 0, 0,   9,  //
                                           255, 0, 0,   9, 0, 0,   0, 9, 0,   0, 255, 9})));
  // 16 bits, 5-5-5 without masks, then 5-6-5 with bit fields.
  ExpectPattern(Load(Bmp(3, 2, 16, 0, {},
                         {0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0, 0,  //
                          0x1F, 0x00, 0x00, 0x00, 0x00, 0x7C, 0, 0})));
  ExpectPattern(Load(Bmp(3, 2, 16, 3, {},
                         {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0, 0,  //
                          0x1F, 0x00, 0x00, 0x00, 0x00, 0xF8, 0, 0},
                         {0xF800, 0x07E0, 0x001F})));
}

TEST(BitmapDecode, RunLengthEncoded) {
  // Bottom row: an absolute run of red, green, blue (padded to 16 bits). Top row: a run of
  // one blue, a move one to the right (the skipped pixel stays black), a run of one red.
  ExpectPattern(Load(Bmp(3, 2, 8, 1, kPalette, {0, 3, 1, 2, 3, 0, 0, 0, 1, 3, 0, 2, 1, 0, 1, 1, 0, 1})));
  ExpectPattern(
      Load(Bmp(3, 2, 4, 2, kPalette, {0, 3, 0x12, 0x30, 0, 0, 1, 0x30, 0, 2, 1, 0, 1, 0x10, 0, 1})));
  // A run of four alternates its two nibbles; runs past the right edge are clipped.
  const TBitmap alternating = Load(Bmp(3, 1, 4, 2, kPalette, {5, 0x13, 0, 1}));
  EXPECT_EQ(alternating.Pixel(0, 0), kRed);
  EXPECT_EQ(alternating.Pixel(1, 0), kBlue);
  EXPECT_EQ(alternating.Pixel(2, 0), kRed);
}

TEST(BitmapDecode, DamagedImagesRaiseAndLeaveTheBitmapAsItWas) {
  const Bytes good = Bmp(3, 2, 8, 0, kPalette, {1, 2, 3, 0, 3, 0, 1, 0});
  std::vector<Bytes> damaged;
  damaged.push_back(Bytes(good.begin(), good.end() - 1));        // pixel data cut short
  damaged.push_back(Bytes(good.begin(), good.begin() + 20));     // header cut short
  damaged.push_back(Bmp(3, 2, 7, 0, kPalette, Bytes(8)));        // no such depth
  damaged.push_back(Bmp(0, 2, 8, 0, kPalette, Bytes(8)));        // no width
  damaged.push_back(Bmp(3, 0, 8, 0, kPalette, Bytes(8)));        // no height
  damaged.push_back(Bmp(3, 2, 8, 9, kPalette, Bytes(8)));        // unknown compression
  damaged.push_back(Bmp(3, 2, 8, 2, kPalette, Bytes(8)));        // RLE4 on 8 bits
  damaged.push_back(Bmp(3, 2, 8, 1, kPalette, {1, 1, 0, 0}));    // RLE without its end
  damaged.push_back(Bmp(3, 2, 8, 1, kPalette, {0, 5, 1, 2}));    // absolute run cut short
  damaged.push_back(Bmp(3, -2, 8, 1, kPalette, {0, 1}));         // RLE cannot be top-down
  damaged.push_back(Bmp(100000, 100000, 24, 0, {}, Bytes(16)));  // forged size
  damaged.push_back(Bmp(4000, 4000, 8, 1, kPalette, {0, 2, 0, 255, 0, 2, 0, 255, 0, 2, 0, 255}));
  Bytes shortPalette = Bmp(3, 2, 8, 0, kPalette, {1, 2, 3, 0, 3, 0, 1, 0});
  shortPalette[46] = 200;  // 200 colours declared, 4 present
  damaged.push_back(shortPalette);
  Bytes wrongMagic = good;
  wrongMagic[0] = 'X';
  damaged.push_back(wrongMagic);

  for (std::size_t i = 0; i < damaged.size(); ++i) {
    TBitmap bitmap;
    bitmap.LoadFromMemory(good.data(), good.size());
    EXPECT_THROW(bitmap.LoadFromMemory(damaged[i].data(), damaged[i].size()), Error) << "case " << i;
    ExpectPattern(bitmap);
  }
}

TEST(BitmapDecode, SavedImagesReadBackAndShareTheDibLayout) {
  TBitmap original(5, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) original.SetPixel(x, y, RGBColor(x * 50, y * 100, 7));
  EXPECT_EQ(original.RowStride(), 16u);             // 15 bytes padded to a multiple of four
  EXPECT_EQ(original.ScanLine(0)[3 * 4 + 0], 7);    // blue first
  EXPECT_EQ(original.ScanLine(0)[3 * 4 + 2], 200);  // red last
  const Bytes saved = original.SaveToMemory();
  const TBitmap copy = Load(saved);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(copy.Pixel(x, y), original.Pixel(x, y));
  // Automatic transparency takes the bottom-left pixel; a fixed colour replaces it.
  EXPECT_EQ(copy.TransparentColor(), RGBColor(0, 200, 7));
  TBitmap fixed = copy;
  fixed.SetTransparentColor(kRed);
  EXPECT_EQ(fixed.TransparentMode(), TTransparentMode::tmFixed);
  EXPECT_EQ(fixed.TransparentColor(), kRed);
}

// A view draws into memory it does not own (a window's picture); copies of it are
// independent bitmaps, and resizing it gives it pixels of its own.
TEST(BitmapView, DrawsIntoTheGivenRowsAndCopiesOwnTheirPixels) {
  // 5 pixels: 15 bytes, padded to 16 per row.
  std::vector<std::uint8_t> rows(16 * 3, 0xEE);
  TBitmap view = TBitmap::Over(rows.data(), 5, 3);
  ASSERT_FALSE(view.OwnsPixels());
  EXPECT_EQ(view.RowStride(), 16u);
  EXPECT_EQ(view.Pixel(4, 2), 0xEEEEEE);
  view.SetPixel(1, 2, 0x123456);  // 0xBBGGRR, stored blue, green, red
  EXPECT_EQ(rows[2 * 16 + 3], 0x12);
  EXPECT_EQ(rows[2 * 16 + 5], 0x56);
  EXPECT_EQ(rows[15], 0xEE);  // the row padding stays as it was

  TBitmap copy = view;
  EXPECT_TRUE(copy.OwnsPixels());
  copy.SetPixel(1, 2, 0xABCDEF);
  EXPECT_EQ(view.Pixel(1, 2), 0x123456);
  EXPECT_EQ(copy.Pixel(1, 2), 0xABCDEF);
  TBitmap assigned(2, 2);
  assigned = view;
  EXPECT_EQ(assigned.Width(), 5);
  EXPECT_EQ(assigned.Pixel(1, 2), 0x123456);
  EXPECT_TRUE(assigned.OwnsPixels());

  TBitmap moved = std::move(view);  // still a view of the same rows
  moved.SetPixel(0, 0, 0x010203);
  EXPECT_EQ(rows[0], 0x01);

  moved.SetSize(2, 2);
  EXPECT_TRUE(moved.OwnsPixels());
  moved.SetPixel(0, 0, 0xFFFFFF);
  EXPECT_EQ(rows[0], 0x01);
  EXPECT_TRUE(TBitmap::Over(nullptr, 4, 4).Empty());
}

}  // namespace
}  // namespace zentavo
