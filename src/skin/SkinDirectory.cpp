#include "skin/SkinDirectory.h"

#include <cstring>
#include <unordered_set>

#include "core/Error.h"

namespace zentavo {

namespace {

const char kFailedToRead[] = "Failed to read skin file!";

std::uint32_t Read32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// True when [offset, offset + length) lies inside a file of `size` bytes.
bool Inside(std::uint64_t offset, std::uint64_t length, std::size_t size) {
  return offset + length <= size;
}

}  // namespace

std::vector<Sk2Record> ParseSkinDirectory(const std::vector<std::uint8_t>& file) {
  if (file.size() < kSk2HeaderSize || Read32(file.data() + 12) != kSk2HeaderSize) throw Error(kFailedToRead);
  std::vector<Sk2Record> records;
  std::unordered_set<std::uint32_t> visited;
  std::uint32_t offset = Read32(file.data() + 20);
  for (;;) {
    if (!Inside(offset, kSk2RecordSize, file.size()) || !visited.insert(offset).second)
      throw Error(kFailedToRead);
    const std::uint8_t* r = file.data() + offset;
    const std::uint32_t next = Read32(r + 73);
    if (next == 0) break;  // the closing record carries no value
    Sk2Record record;
    record.name.assign(reinterpret_cast<const char*>(r),
                       strnlen(reinterpret_cast<const char*>(r), kSk2NameSize));
    record.type = r[64];
    const std::uint32_t dataOffset = Read32(r + 65);
    const std::uint32_t dataSize = Read32(r + 69);
    if (record.type <= static_cast<std::uint8_t>(SkinValueType::kString)) {
      if (!Inside(dataOffset, dataSize, file.size())) throw Error(kFailedToRead);
      if ((record.type == static_cast<std::uint8_t>(SkinValueType::kInteger) && dataSize != 4) ||
          (record.type == static_cast<std::uint8_t>(SkinValueType::kByte) && dataSize != 1))
        throw Error(kFailedToRead);
      record.data.assign(file.begin() + dataOffset, file.begin() + dataOffset + dataSize);
    }
    records.push_back(std::move(record));
    offset = next;
  }
  return records;
}

std::vector<std::uint8_t> BuildSkinDirectory(const std::vector<Sk2Record>& records) {
  std::vector<std::uint8_t> out(kSk2HeaderSize, 0);
  std::memcpy(out.data(), "SK2 SKINDATA", 12);  // not read back; names the file to a person
  Put32(out, 12, kSk2HeaderSize);
  Put32(out, 16, static_cast<std::uint32_t>(records.size()));
  Put32(out, 20, kSk2HeaderSize);
  for (const Sk2Record& record : records) {
    if (record.name.size() > kSk2NameSize) throw Error("Skin value name too long: " + record.name);
    const std::size_t at = out.size();
    out.resize(at + kSk2RecordSize + record.data.size(), 0);
    std::memcpy(out.data() + at, record.name.data(), record.name.size());
    out[at + 64] = record.type;
    Put32(out, at + 65, static_cast<std::uint32_t>(at + kSk2RecordSize));
    Put32(out, at + 69, static_cast<std::uint32_t>(record.data.size()));
    Put32(out, at + 73, static_cast<std::uint32_t>(out.size()));
    if (!record.data.empty())
      std::memcpy(out.data() + at + kSk2RecordSize, record.data.data(), record.data.size());
  }
  out.resize(out.size() + kSk2RecordSize, 0);  // the closing record: next offset 0
  return out;
}

}  // namespace zentavo
