#pragma once
// Builders for the test packages: everything is made in code, nothing binary is kept.
#include <zlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "framework/Bitmap.h"
#include "skin/Crc32.h"
#include "skin/SkinDirectory.h"
#include "skin/SkinPackageWriter.h"
#include "skin/TempFile.h"

namespace zentavo::test {

using Bytes = std::vector<std::uint8_t>;

// A raw deflate stream made by zlib. Strategy Z_FIXED gives fixed-code blocks, level 0
// stored blocks, the default dynamic blocks.
inline Bytes Deflate(const Bytes& data, int level = 6, int strategy = Z_DEFAULT_STRATEGY) {
  z_stream z{};
  deflateInit2(&z, level, Z_DEFLATED, -15, 8, strategy);
  Bytes out(deflateBound(&z, data.size()) + 16);
  z.next_in = const_cast<Bytef*>(data.data());
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

inline Bytes Text(const std::string& s) {
  return Bytes(s.begin(), s.end());
}

// Data with enough repetition to compress and enough variety to need dynamic codes.
inline Bytes SampleData(std::size_t size, unsigned seed = 1) {
  std::mt19937 random(seed);
  const std::string words[] = {"income ", "outgo ", "ledger ", "skin ",
                               "window ", "12.50 ", "\r\n",    "bitmap "};
  Bytes out;
  while (out.size() < size) {
    if (random() % 5 == 0) {
      out.push_back(static_cast<std::uint8_t>(random()));
    } else {
      const std::string& w = words[random() % 8];
      out.insert(out.end(), w.begin(), w.end());
    }
  }
  out.resize(size);
  return out;
}

inline PackageEntryData Entry(const std::string& name, const Bytes& data, int level = 6,
                              int strategy = Z_DEFAULT_STRATEGY) {
  PackageEntryData e;
  e.name = name;
  e.deflated = Deflate(data, level, strategy);
  e.crc = Crc32(0, data.data(), data.size());
  e.uncompressedSize = static_cast<std::uint32_t>(data.size());
  e.time = 0x6B2D;
  e.date = 0x5A21;
  return e;
}

inline Sk2Record IntegerRecord(const std::string& name, std::int32_t value) {
  Sk2Record r{name, 1, Bytes(4)};
  for (int i = 0; i < 4; ++i)
    r.data[i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i));
  return r;
}
inline Sk2Record ByteRecord(const std::string& name, std::uint8_t value) {
  return {name, 2, Bytes{value}};
}
inline Sk2Record StringRecord(const std::string& name, const std::string& value) {
  return {name, 3, Text(value)};
}
inline Sk2Record BitmapRecord(const std::string& name, const TBitmap& bitmap) {
  return {name, 0, bitmap.SaveToMemory()};
}

// A folder of its own per test, removed afterwards.
class ScratchFolder {
 public:
  ScratchFolder() : path_(NewTemporaryFileName()) { std::filesystem::create_directories(path_); }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline void WriteFile(const std::filesystem::path& file, const Bytes& data) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
}

inline Bytes ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A skin package holding one directory file with the given records.
inline Bytes SkinPackage(const std::vector<Sk2Record>& records, const std::string& password = "") {
  PackageOptions options;
  options.password = password;
  return WriteSkinPackage({Entry("SKINDATA.SK2", BuildSkinDirectory(records))}, options);
}

}  // namespace zentavo::test
