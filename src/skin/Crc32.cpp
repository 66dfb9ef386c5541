#include "skin/Crc32.h"

#include <array>

namespace zentavo {

namespace {

constexpr std::array<std::uint32_t, 256> MakeTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

// Computed by the compiler, so it exists before any static initialiser could need it.
constexpr std::array<std::uint32_t, 256> kTable = MakeTable();

}  // namespace

const std::uint32_t* Crc32Table() {
  return kTable.data();
}

std::uint32_t Crc32(std::uint32_t crc, const void* data, std::size_t size) {
  const auto* p = static_cast<const std::uint8_t*>(data);
  crc = ~crc;
  for (std::size_t i = 0; i < size; ++i) crc = Crc32Step(crc, p[i]);
  return ~crc;
}

}  // namespace zentavo
