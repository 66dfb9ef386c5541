#include "skin/SkinPackageWriter.h"

#include <random>

#include "core/Error.h"
#include "skin/PkwareCipher.h"

namespace zentavo {

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
void PutBytes(std::vector<std::uint8_t>& out, const void* data, std::size_t size) {
  const auto* p = static_cast<const std::uint8_t*>(data);
  out.insert(out.end(), p, p + size);
}

std::uint32_t Checked32(std::size_t value) {
  if (value > 0xFFFFFFFFu) throw Error("Skin package larger than 4 GB");
  return static_cast<std::uint32_t>(value);
}

std::vector<std::uint8_t> Encrypt(const PackageEntryData& entry, const std::string& password) {
  PkwareCipher cipher(password);
  std::mt19937 random(entry.crc ^ entry.uncompressedSize);
  std::vector<std::uint8_t> out;
  out.reserve(PkwareCipher::kHeaderSize + entry.deflated.size());
  const std::uint32_t check = entry.timeCheck ? std::uint32_t{entry.time} << 16 : entry.crc;
  for (int i = 0; i < PkwareCipher::kHeaderSize - 1; ++i)
    out.push_back(cipher.Encrypt(static_cast<std::uint8_t>(random())));
  out.push_back(cipher.Encrypt(static_cast<std::uint8_t>(check >> 24)));
  for (std::uint8_t b : entry.deflated) out.push_back(cipher.Encrypt(b));
  return out;
}

}  // namespace

std::vector<std::uint8_t> WriteSkinPackage(const std::vector<PackageEntryData>& entries,
                                           const PackageOptions& options) {
  const bool encrypted = !options.password.empty();
  std::vector<std::uint8_t> out;
  std::vector<std::uint8_t> central;
  for (const PackageEntryData& entry : entries) {
    const std::vector<std::uint8_t> data = encrypted ? Encrypt(entry, options.password) : entry.deflated;
    const std::uint32_t flags = (encrypted ? 1u : 0u) | (entry.timeCheck ? 8u : 0u);
    const std::uint32_t localAt = Checked32(out.size());
    // Local header. With a data descriptor the sizes and CRC follow the data instead.
    Put32(out, 0x04034b50);
    Put16(out, 20);
    Put16(out, flags);
    Put16(out, 8);  // deflate
    Put16(out, entry.time);
    Put16(out, entry.date);
    Put32(out, entry.timeCheck ? 0 : entry.crc);
    Put32(out, entry.timeCheck ? 0 : Checked32(data.size()));
    Put32(out, entry.timeCheck ? 0 : entry.uncompressedSize);
    Put16(out, static_cast<std::uint32_t>(entry.name.size()));
    Put16(out, static_cast<std::uint32_t>(entry.extra.size()));
    PutBytes(out, entry.name.data(), entry.name.size());
    PutBytes(out, entry.extra.data(), entry.extra.size());
    PutBytes(out, data.data(), data.size());
    if (entry.timeCheck) {
      Put32(out, 0x08074b50);
      Put32(out, entry.crc);
      Put32(out, Checked32(data.size()));
      Put32(out, entry.uncompressedSize);
    }
    Put32(central, 0x02014b50);
    Put16(central, 20);
    Put16(central, 20);
    Put16(central, flags);
    Put16(central, 8);
    Put16(central, entry.time);
    Put16(central, entry.date);
    Put32(central, entry.crc);
    Put32(central, Checked32(data.size()));
    Put32(central, entry.uncompressedSize);
    Put16(central, static_cast<std::uint32_t>(entry.name.size()));
    Put16(central, static_cast<std::uint32_t>(entry.extra.size()));
    Put16(central, static_cast<std::uint32_t>(entry.comment.size()));
    Put16(central, 0);
    Put16(central, 0);
    Put32(central, 0);
    Put32(central, localAt);
    PutBytes(central, entry.name.data(), entry.name.size());
    PutBytes(central, entry.extra.data(), entry.extra.size());
    PutBytes(central, entry.comment.data(), entry.comment.size());
  }
  const std::uint32_t centralAt = Checked32(out.size());
  PutBytes(out, central.data(), central.size());
  Put32(out, 0x06054b50);
  Put16(out, 0);
  Put16(out, 0);
  Put16(out, static_cast<std::uint32_t>(entries.size()));
  Put16(out, static_cast<std::uint32_t>(entries.size()));
  Put32(out, Checked32(central.size()));
  Put32(out, centralAt);
  Put16(out, 0);  // no archive comment: the end record is the last 22 bytes
  out[0] = static_cast<std::uint8_t>(options.mark[0]);
  out[1] = static_cast<std::uint8_t>(options.mark[1]);
  return out;
}

}  // namespace zentavo
