#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zentavo {

// One entry of a package to write. The data is already a raw deflate stream: this side
// needs no compressor, so the tool that builds packages brings its own.
struct PackageEntryData {
  std::string name;
  std::vector<std::uint8_t> deflated;
  std::uint32_t crc = 0;  // CRC-32 of the uncompressed data
  std::uint32_t uncompressedSize = 0;
  std::uint16_t time = 0;           // DOS time; the check value when `timeCheck` is set
  std::uint16_t date = 0;           // DOS date
  bool timeCheck = false;           // flag bit 3: data descriptor after the data
  std::vector<std::uint8_t> extra;  // extra field, in local header and central directory
  std::string comment;              // entry comment, in the central directory
};

struct PackageOptions {
  std::string password;       // empty: entries are stored unencrypted
  char mark[2] = {'S', 'K'};  // the first two bytes; "PK" gives a plain ZIP archive
};

// Writes a package: local headers and data, central directory, and the end record as the
// last 22 bytes. With a password every entry gets the traditional PKWARE encryption; its
// 12-byte header is filled from a generator seeded by the entry, so that the same input
// always gives the same package.
std::vector<std::uint8_t> WriteSkinPackage(const std::vector<PackageEntryData>& entries,
                                           const PackageOptions& options);

}  // namespace zentavo
