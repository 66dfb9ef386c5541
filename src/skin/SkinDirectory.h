#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace zentavo {

// The directory file inside a skin package ("SKINDATA.SK2"): a 24-byte header, then a
// chain of 77-byte records, each naming one value and pointing at its data.
enum class SkinValueType : std::uint8_t {
  kBitmap = 0,   // a Windows BMP file image
  kInteger = 1,  // 4 bytes, signed
  kByte = 2,     // 1 byte
  kString = 3,   // ANSI text without terminator
};

struct Sk2Record {
  std::string name;
  std::uint8_t type = 0;  // a SkinValueType, or any other value, which readers pass over
  std::vector<std::uint8_t> data;
};

constexpr std::size_t kSk2HeaderSize = 24;
constexpr std::size_t kSk2RecordSize = 77;
constexpr std::size_t kSk2NameSize = 64;

// Walks the record chain of a directory file and returns the records in chain order.
// Anything outside the format raises zentavo::Error("Failed to read skin file!"): a
// header size other than 24, a record or its data beyond the end of the file, an integer
// or byte whose size is not 4 or 1, or a chain that comes back to a record it has already
// visited (which would otherwise never end).
std::vector<Sk2Record> ParseSkinDirectory(const std::vector<std::uint8_t>& file);

// Writes a directory file: header, then each record followed by its data, then the
// record that ends the chain. Names longer than 64 bytes raise zentavo::Error.
std::vector<std::uint8_t> BuildSkinDirectory(const std::vector<Sk2Record>& records);

}  // namespace zentavo
