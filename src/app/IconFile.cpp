#include "app/IconFile.h"

#include <stdexcept>

namespace zentavo {

namespace {

void Put16(std::vector<std::uint8_t>& out, unsigned value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// The picture as the icon format keeps it: a bitmap header of twice the height (colour
// rows and mask rows), the colour rows bottom to top, then the mask rows (a set bit is a
// see-through pixel), each mask row padded to four bytes.
std::vector<std::uint8_t> IconPicture(const IconImage& image) {
  const int size = image.size;
  const int maskStride = ((size + 31) / 32) * 4;
  std::vector<std::uint8_t> out;
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(size));
  Put32(out, static_cast<std::uint32_t>(size * 2));
  Put16(out, 1);   // planes
  Put16(out, 32);  // bits per pixel
  Put32(out, 0);   // no compression
  Put32(out, static_cast<std::uint32_t>(size * size * 4 + maskStride * size));
  for (int i = 0; i < 4; ++i) Put32(out, 0);
  for (int y = size - 1; y >= 0; --y)
    out.insert(out.end(), image.bgra.begin() + static_cast<std::ptrdiff_t>(y) * size * 4,
               image.bgra.begin() + static_cast<std::ptrdiff_t>(y + 1) * size * 4);
  for (int y = size - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(static_cast<size_t>(maskStride), 0);
    for (int x = 0; x < size; ++x)
      if (image.bgra[(static_cast<size_t>(y) * size + x) * 4 + 3] == 0) row[x / 8] |= 0x80 >> (x % 8);
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace

std::vector<std::uint8_t> EncodeIconFile(const std::vector<IconImage>& images) {
  std::vector<std::uint8_t> out;
  Put16(out, 0);  // reserved
  Put16(out, 1);  // an icon, not a cursor
  Put16(out, static_cast<unsigned>(images.size()));
  std::vector<std::vector<std::uint8_t>> pictures;
  for (const IconImage& image : images) {
    if (image.size < 1 || image.size > 256 || image.bgra.size() != static_cast<size_t>(image.size) * image.size * 4)
      throw std::invalid_argument("an icon image of 1 to 256 pixels with four bytes a pixel");
    pictures.push_back(IconPicture(image));
  }
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    const int size = images[i].size;
    out.push_back(static_cast<std::uint8_t>(size == 256 ? 0 : size));  // 0 stands for 256
    out.push_back(static_cast<std::uint8_t>(size == 256 ? 0 : size));
    out.push_back(0);  // no palette
    out.push_back(0);
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, static_cast<std::uint32_t>(pictures[i].size()));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(pictures[i].size());
  }
  for (const auto& picture : pictures) out.insert(out.end(), picture.begin(), picture.end());
  return out;
}

}  // namespace zentavo
