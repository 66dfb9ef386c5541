#include <gtest/gtest.h>

#include <stdexcept>

#include "app/AppIcon.h"
#include "app/IconFile.h"

using namespace zentavo;

namespace {
const std::uint8_t* Pixel(const IconImage& image, int x, int y) { return &image.bgra[(y * image.size + x) * 4]; }
}  // namespace

TEST(AppIcon, RoundCoinOnATransparentSquareInEverySize) {
  for (int size : {16, 32, 48}) {
    IconImage icon = DrawAppIcon(size);
    ASSERT_EQ(icon.bgra.size(), size_t(size * size * 4));
    EXPECT_EQ(Pixel(icon, 0, 0)[3], 0) << size;                // corners are clear
    EXPECT_EQ(Pixel(icon, size - 1, size - 1)[3], 0) << size;
    const std::uint8_t* rim = Pixel(icon, size / 2, size / 16 + 1);
    EXPECT_EQ(rim[3], 255) << size;                            // the coin is opaque
    EXPECT_GT(rim[2], rim[0]) << size;                         // gold: more red than blue
    int partial = 0;
    for (int i = 0; i < size * size; ++i) partial += icon.bgra[i * 4 + 3] > 0 && icon.bgra[i * 4 + 3] < 255;
    EXPECT_GT(partial, 0) << size;                             // anti-aliased edge
  }
}

TEST(IconFile, HoldsEachImageWithItsAlphaAndAMaskOfItsSeeThroughPixels) {
  const std::vector<IconImage> images = {DrawAppIcon(16), DrawAppIcon(256)};
  const std::vector<std::uint8_t> file = EncodeIconFile(images);
  const auto u16 = [&](size_t at) { return static_cast<unsigned>(file[at] | file[at + 1] << 8); };
  const auto u32 = [&](size_t at) { return u16(at) | u16(at + 2) << 16; };
  ASSERT_GE(file.size(), 6u + 32u);
  EXPECT_EQ(u16(0), 0u);
  EXPECT_EQ(u16(2), 1u);  // an icon
  EXPECT_EQ(u16(4), 2u);
  EXPECT_EQ(file[6], 16);
  EXPECT_EQ(file[22], 0);  // 256 is written as 0
  const unsigned firstSize = u32(6 + 8), firstOffset = u32(6 + 12);
  const unsigned secondSize = u32(22 + 8), secondOffset = u32(22 + 12);
  EXPECT_EQ(firstOffset, 38u);
  EXPECT_EQ(secondOffset, firstOffset + firstSize);
  EXPECT_EQ(secondOffset + secondSize, file.size());
  // The 16-pixel picture: header of twice the height, colour rows bottom up, then the mask.
  EXPECT_EQ(u32(firstOffset + 4), 16u);
  EXPECT_EQ(u32(firstOffset + 8), 32u);
  EXPECT_EQ(firstSize, 40u + 16 * 16 * 4 + 16 * 4);
  const IconImage& small = images[0];
  // Pixel (x 8, y 0) is the first colour row's ninth pixel only after turning the rows over.
  const size_t colour = firstOffset + 40 + (15 * 16 + 8) * 4;
  for (int c = 0; c < 4; ++c) EXPECT_EQ(file[colour + c], small.bgra[(0 * 16 + 8) * 4 + c]);
  // The corner is see-through in the picture, so its mask bit is set (last mask row = top row).
  ASSERT_EQ(small.bgra[3], 0);
  const size_t topMaskRow = firstOffset + 40 + 16 * 16 * 4 + 15 * 4;
  EXPECT_EQ(file[topMaskRow] & 0x80, 0x80);
  // The centre is opaque: its bit is clear.
  const size_t middleMaskRow = firstOffset + 40 + 16 * 16 * 4 + (15 - 8) * 4;
  EXPECT_EQ(file[middleMaskRow + 1] & 0x80, 0);
  EXPECT_THROW(EncodeIconFile({IconImage{300, std::vector<std::uint8_t>(300 * 300 * 4)}}), std::invalid_argument);
}
