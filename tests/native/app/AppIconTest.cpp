#include <gtest/gtest.h>

#include "app/AppIcon.h"

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
