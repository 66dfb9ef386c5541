#pragma once
#include <cstddef>
#include <cstdint>

namespace zentavo {

// The CRC-32 of ZIP archives (reflected polynomial 0xEDB88320). The table is shared with
// the traditional PKWARE cipher, whose key update is one CRC step.
const std::uint32_t* Crc32Table();

// Continues a CRC over more data: start with crc = 0, feed the previous result back in.
std::uint32_t Crc32(std::uint32_t crc, const void* data, std::size_t size);

// One CRC step as the cipher's key update uses it: no pre- or post-inversion.
inline std::uint32_t Crc32Step(std::uint32_t crc, std::uint8_t byte) {
  return Crc32Table()[(crc ^ byte) & 0xFF] ^ (crc >> 8);
}

}  // namespace zentavo
