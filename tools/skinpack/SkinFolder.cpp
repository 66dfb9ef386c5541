#include "SkinFolder.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "core/Error.h"
#include "core/Format.h"
#include "core/IniFile.h"
#include "core/Text.h"
#include "framework/Bitmap.h"
#include "skin/Skin2Define.h"

namespace zentavo {

namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw Error(Format("Cannot read '%s'", {file.string()}));
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& file, const void* data, std::size_t size) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!out) throw Error(Format("Cannot write '%s'", {file.string()}));
}

std::vector<std::uint8_t> Int32Bytes(std::int32_t value) {
  std::vector<std::uint8_t> bytes(4);
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i));
  return bytes;
}

std::int32_t Int32Of(const std::vector<std::uint8_t>& bytes) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
  return static_cast<std::int32_t>(value);
}

// "#RRGGBB" is a colour as designers write it; the package holds it as R | G << 8 | B << 16.
std::int32_t ColorValue(const std::string& name, const std::string& text) {
  if (text.size() == 7 && text[0] == '#') {
    unsigned rgb = 0;
    if (std::sscanf(text.c_str() + 1, "%6x", &rgb) == 1) return RGBColor(rgb >> 16, rgb >> 8, rgb);
  }
  if (const std::optional<int> value = ParseInteger(text)) return *value;
  throw Error(Format("skin.ini: the colour %s=%s is neither #RRGGBB nor an integer", {name, text}));
}

std::string ColorText(std::int32_t value) {
  if (value < 0 || value > 0xFFFFFF) return std::to_string(value);
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
  return text;
}

bool IsColorKey(std::string_view name) {
  const int first = SkinKeyGroupFirst(SkinKeyGroup::kColor);
  for (int i = 0; i < SkinKeyGroupCount(SkinKeyGroup::kColor); ++i)
    if (SameText(kSkinKeyNames[static_cast<size_t>(first + i)], name)) return true;
  return false;
}

}  // namespace

std::vector<Sk2Record> ReadSkinFolder(const fs::path& folder) {
  const fs::path iniFile = folder / "skin.ini";
  if (!fs::exists(iniFile)) throw Error(Format("'%s' does not exist", {iniFile.string()}));
  const IniFile ini = IniFile::Load(iniFile.string());
  std::vector<Sk2Record> records;
  for (const std::string& name : ini.Keys("colors")) {
    records.push_back({name, static_cast<std::uint8_t>(SkinValueType::kInteger),
                       Int32Bytes(ColorValue(name, ini.ReadString("colors", name, "")))});
  }
  for (const std::string& name : ini.Keys("positions")) {
    const std::optional<int> value = ParseInteger(ini.ReadString("positions", name, ""));
    if (!value) throw Error(Format("skin.ini: the position %s is not an integer", {name}));
    records.push_back({name, static_cast<std::uint8_t>(SkinValueType::kInteger), Int32Bytes(*value)});
  }
  for (const std::string& name : ini.Keys("flags")) {
    const std::optional<int> value = ParseInteger(ini.ReadString("flags", name, ""));
    if (!value || *value < 0 || *value > 255) throw Error(Format("skin.ini: the flag %s is not 0 to 255", {name}));
    records.push_back({name, static_cast<std::uint8_t>(SkinValueType::kByte), {static_cast<std::uint8_t>(*value)}});
  }
  for (const std::string& name : ini.Keys("strings")) {
    const std::string text = ini.ReadString("strings", name, "");
    records.push_back({name, static_cast<std::uint8_t>(SkinValueType::kString),
                       std::vector<std::uint8_t>(text.begin(), text.end())});
  }
  std::vector<std::pair<std::string, fs::path>> bitmaps;
  for (const std::string& name : ini.Keys("bitmaps")) bitmaps.emplace_back(name, folder / ini.ReadString("bitmaps", name, ""));
  if (bitmaps.empty()) {
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
      const std::string stem = entry.path().stem().string();
      if (SameText(entry.path().extension().string(), ".bmp") && stem.size() > 6 && SameText(stem.substr(0, 6), "SKIN2_"))
        bitmaps.emplace_back(stem, entry.path());
    }
    std::sort(bitmaps.begin(), bitmaps.end());
  }
  for (const auto& [name, file] : bitmaps) {
    std::vector<std::uint8_t> image = ReadBytes(file);
    TBitmap check;
    try {
      check.LoadFromMemory(image.data(), image.size());
    } catch (const Error& error) {
      throw Error(Format("'%s' is no bitmap the program can read: %s", {file.string(), std::string(error.what())}));
    }
    records.push_back({name, static_cast<std::uint8_t>(SkinValueType::kBitmap), std::move(image)});
  }
  return records;
}

void WriteSkinFolder(const std::vector<Sk2Record>& records, const fs::path& folder) {
  fs::create_directories(folder);
  IniFile ini;
  for (const Sk2Record& record : records) {
    switch (static_cast<SkinValueType>(record.type)) {
      case SkinValueType::kInteger: {
        const std::int32_t value = Int32Of(record.data);
        if (IsColorKey(record.name)) {
          ini.Write("colors", record.name, ColorText(value));
        } else {
          ini.Write("positions", record.name, std::to_string(value));
        }
        break;
      }
      case SkinValueType::kByte:
        ini.Write("flags", record.name, std::to_string(record.data.at(0)));
        break;
      case SkinValueType::kString:
        ini.Write("strings", record.name, std::string(record.data.begin(), record.data.end()));
        break;
      case SkinValueType::kBitmap:
        ini.Write("bitmaps", record.name, record.name + ".bmp");
        WriteBytes(folder / (record.name + ".bmp"), record.data.data(), record.data.size());
        break;
    }
  }
  ini.Save((folder / "skin.ini").string());
}

}  // namespace zentavo
