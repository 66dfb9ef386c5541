#pragma once
// Skin packages made in code for the Windows tests: the directory file of the given
// records in a package whose entry is stored in deflate's uncompressed blocks, so that no
// compressor is needed here.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "framework/Bitmap.h"
#include "skin/Crc32.h"
#include "skin/Skin2Define.h"
#include "skin/SkinDirectory.h"
#include "skin/SkinPackageWriter.h"

namespace zentavo::testing {

using Bytes = std::vector<std::uint8_t>;

inline Bytes StoredDeflate(const Bytes& data) {
  Bytes out;
  std::size_t at = 0;
  do {
    const std::size_t length = std::min<std::size_t>(data.size() - at, 65535);
    const bool last = at + length == data.size();
    out.push_back(last ? 1 : 0);
    out.push_back(static_cast<std::uint8_t>(length));
    out.push_back(static_cast<std::uint8_t>(length >> 8));
    out.push_back(static_cast<std::uint8_t>(~length));
    out.push_back(static_cast<std::uint8_t>(~length >> 8));
    out.insert(out.end(), data.begin() + at, data.begin() + at + length);
    at += length;
  } while (at < data.size());
  return out;
}

inline Sk2Record Colour(int key, TColor value) {
  Sk2Record r{std::string(SkinKeyName(SkinKeyGroup::kColor, key)), 1, Bytes(4)};
  for (int i = 0; i < 4; ++i) r.data[i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i));
  return r;
}
inline Sk2Record Flag(int key, std::uint8_t value) {
  return {std::string(SkinKeyName(SkinKeyGroup::kFlag, key)), 2, Bytes{value}};
}
inline Sk2Record Picture(int key, const TBitmap& bitmap) {
  return {std::string(SkinKeyName(SkinKeyGroup::kBitmap, key)), 0, bitmap.SaveToMemory()};
}
inline Sk2Record Picture(int key, int width, int height, TColor fill = 0x808080) {
  TBitmap bitmap(width, height);
  bitmap.Fill(fill);
  return Picture(key, bitmap);
}

inline Bytes SkinPackageBytes(const std::vector<Sk2Record>& records, const std::string& password = "") {
  const Bytes directory = BuildSkinDirectory(records);
  PackageEntryData entry;
  entry.name = "SKINDATA.SK2";
  entry.deflated = StoredDeflate(directory);
  entry.crc = Crc32(0, directory.data(), directory.size());
  entry.uncompressedSize = static_cast<std::uint32_t>(directory.size());
  PackageOptions options;
  options.password = password;
  return WriteSkinPackage({entry}, options);
}

// A small skin with a title, borders and the given form colour.
inline std::vector<Sk2Record> BasicSkin(TColor formColour = 0xD8E9EC) {
  return {Colour(SKIN2_TRANSCOLOR, 0xFF00FF), Colour(SKIN2_FORMCOLOR, formColour),
          Picture(SKIN2_TITLEBAR1, 30, 24),   Picture(SKIN2_TITLEBAR3, 40, 24),
          Picture(SKIN2_TITLEBUTTONS, 306, 17), Picture(SKIN2_FORMLEFTBORDER, 4, 8)};
}

inline void WriteBytes(const std::filesystem::path& file, const Bytes& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::string Utf8(const std::filesystem::path& path) {
  const auto text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace zentavo::testing
