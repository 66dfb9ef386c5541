#include "skin/Skin2SkinReader.h"

#include <charconv>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>

#include "core/Error.h"
#include "skin/Inflate.h"
#include "skin/PkwareCipher.h"
#include "skin/SkinDirectory.h"
#include "skin/TempFile.h"

namespace zentavo {

namespace {

constexpr std::uint32_t kEndRecordSignature = 0x06054b50;
constexpr std::size_t kEndRecordSize = 22;
constexpr std::size_t kCentralEntrySize = 46;
constexpr std::size_t kLocalHeaderSize = 30;
constexpr std::size_t kMaxNameLength = 259;
constexpr std::size_t kCipherPiece = 1024;
// The directory file is read into memory; a skin's is a few hundred kilobytes.
constexpr std::uintmax_t kMaxDirectoryFileSize = 256u * 1024 * 1024;

std::uint32_t Read16(const std::uint8_t* p) {
  return p[0] | (p[1] << 8);
}
std::uint32_t Read32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

char UpperAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The package file, open for reading only so that others may read and write it meanwhile.
class PackageFile {
 public:
  explicit PackageFile(const std::filesystem::path& file) : in_(file, std::ios::binary) {
    if (in_) {
      in_.seekg(0, std::ios::end);
      size_ = static_cast<std::uint64_t>(in_.tellg());
    }
  }
  bool IsOpen() const { return static_cast<bool>(in_); }
  std::uint64_t Size() const { return size_; }
  bool ReadAt(std::uint64_t offset, void* data, std::size_t size) {
    if (offset + size > size_) return false;
    in_.clear();
    in_.seekg(static_cast<std::streamoff>(offset));
    in_.read(static_cast<char*>(data), static_cast<std::streamsize>(size));
    return static_cast<std::size_t>(in_.gcount()) == size;
  }
  std::ifstream& Stream() { return in_; }

 private:
  std::ifstream in_;
  std::uint64_t size_ = 0;
};

// The entry's data as it stands in the file, from the current position to the end.
class FileSource : public InflateSource {
 public:
  explicit FileSource(std::ifstream& in) : in_(in) {}
  std::size_t Read(std::uint8_t* data, std::size_t size) override {
    in_.read(reinterpret_cast<char*>(data), static_cast<std::streamsize>(size));
    return static_cast<std::size_t>(in_.gcount());
  }

 private:
  std::ifstream& in_;
};

// The entry's data decrypted in pieces of 1 KB as the inflater asks for it.
class DecryptingSource : public InflateSource {
 public:
  DecryptingSource(InflateSource& inner, PkwareCipher& cipher) : inner_(inner), cipher_(cipher) {}
  std::size_t Read(std::uint8_t* data, std::size_t size) override {
    const std::size_t got = inner_.Read(data, std::min(size, kCipherPiece));
    cipher_.Decrypt(data, got);
    return got;
  }

 private:
  InflateSource& inner_;
  PkwareCipher& cipher_;
};

class FileSink : public InflateSink {
 public:
  explicit FileSink(std::ofstream& out) : out_(out) {}
  void Write(const std::uint8_t* data, std::size_t size) override {
    out_.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out_) throw Error("write failed");
  }

 private:
  std::ofstream& out_;
};

struct CentralEntry {
  std::uint32_t flags = 0;
  std::uint32_t time = 0;
  std::uint32_t crc = 0;
  std::uint32_t uncompressedSize = 0;
  std::uint32_t localHeaderOffset = 0;
};

bool SameUpper(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  return true;
}

// Steps 2 to 4: the mark, the end record and the central directory walk.
bool FindEntry(PackageFile& package, std::string_view entryName, CentralEntry& found) {
  std::uint8_t head[4];
  if (!package.ReadAt(0, head, 4) || head[0] != 'S' || head[1] != 'K') return false;
  if (package.Size() < kEndRecordSize) return false;
  const std::uint64_t endRecordAt = package.Size() - kEndRecordSize;
  std::uint8_t end[kEndRecordSize];
  if (!package.ReadAt(endRecordAt, end, kEndRecordSize)) return false;
  if (Read32(end) != kEndRecordSignature || Read16(end + 20) != 0) return false;

  std::uint64_t pos = Read32(end + 16);
  while (pos < endRecordAt) {
    std::uint8_t fixed[kCentralEntrySize];
    if (!package.ReadAt(pos, fixed, kCentralEntrySize)) return false;
    const std::size_t nameLength = Read16(fixed + 28);
    const std::size_t extraLength = Read16(fixed + 30);
    const std::size_t commentLength = Read16(fixed + 32);
    if (nameLength > kMaxNameLength) return false;
    char name[kMaxNameLength];
    if (!package.ReadAt(pos + kCentralEntrySize, name, nameLength)) return false;
    if (SameUpper(std::string_view(name, nameLength), entryName)) {
      found.flags = Read16(fixed + 8);
      found.time = Read16(fixed + 12);
      found.crc = Read32(fixed + 16);
      found.uncompressedSize = Read32(fixed + 24);
      found.localHeaderOffset = Read32(fixed + 42);
      return true;
    }
    pos += kCentralEntrySize + nameLength + extraLength + commentLength;
  }
  return false;
}

// Steps 5 to 8 on an open output: 0 when the stream inflated without error.
int ExtractInto(PackageFile& package, const CentralEntry& entry, std::ofstream& out,
                std::string_view password, bool& sizeExceeded) {
  std::uint8_t local[kLocalHeaderSize];
  if (!package.ReadAt(entry.localHeaderOffset, local, kLocalHeaderSize)) return kExtractFailed;
  std::uint64_t dataAt =
      std::uint64_t{entry.localHeaderOffset} + kLocalHeaderSize + Read16(local + 26) + Read16(local + 28);
  const bool encrypted = entry.flags & 1;
  FileSource file(package.Stream());
  std::optional<PkwareCipher> cipher;
  std::optional<DecryptingSource> decrypting;
  if (encrypted) {
    if (password.empty()) return kExtractWrongPassword;
    cipher.emplace(password);
    std::uint8_t header[PkwareCipher::kHeaderSize];
    if (!package.ReadAt(dataAt, header, sizeof header)) return kExtractFailed;
    cipher->Decrypt(header, sizeof header);
    const std::uint32_t check = (entry.flags & 8) ? entry.time << 16 : entry.crc;
    if (header[PkwareCipher::kHeaderSize - 1] != (check >> 24)) return kExtractWrongPassword;
    decrypting.emplace(file, *cipher);
    dataAt += PkwareCipher::kHeaderSize;
  }
  package.Stream().clear();
  package.Stream().seekg(static_cast<std::streamoff>(std::min(dataAt, package.Size())));
  FileSink sink(out);
  InflateSource& source = encrypted ? static_cast<InflateSource&>(*decrypting) : file;
  switch (Inflate(source, sink, entry.uncompressedSize)) {
    case InflateResult::kDone:
      return kExtractDone;
    case InflateResult::kTooLarge:
      sizeExceeded = true;
      return kExtractFailed;
    default:
      return kExtractFailed;
  }
}

}  // namespace

bool SameSkinName(std::string_view a, std::string_view b) {
  return SameUpper(a, b);
}

int ExtractPackageEntry(const std::filesystem::path& packageFile, std::string_view entryName,
                        const std::filesystem::path& outputFile, std::string_view password) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(packageFile, ec)) return kExtractFailed;
  PackageFile package(packageFile);
  if (!package.IsOpen()) return kExtractFailed;
  CentralEntry entry;
  if (!FindEntry(package, entryName, entry)) return kExtractFailed;

  int result;
  bool sizeExceeded = false;
  {
    std::ofstream out(outputFile, std::ios::binary | std::ios::trunc);
    if (!out) return kExtractFailed;
    try {
      result = ExtractInto(package, entry, out, password, sizeExceeded);
    } catch (const std::exception&) {
      result = kExtractFailed;  // a failed read or write
    }
    out.close();
    if (!out) result = kExtractFailed;
  }
  if (result != kExtractWrongPassword) {
    const std::uintmax_t size = std::filesystem::file_size(outputFile, ec);
    if (result == kExtractDone && size == 0) {
      result = kExtractFailed;
    }
    if (sizeExceeded || (result == kExtractDone && size != entry.uncompressedSize)) {
      result = kExtractWrongPassword;
    } else if (result == kExtractFailed && (entry.flags & 1)) {
      // Garbage behind an encryption header that passed the one-byte check is most likely
      // a wrong password that matched the check by chance. Without encryption the same
      // damage is a damaged package, not a password matter, and stays result 1.
      result = kExtractWrongPassword;
    }
  }
  if (result != kExtractDone) std::filesystem::remove(outputFile, ec);
  return result;
}

Tsk2SkinFileReader::Tsk2SkinFileReader(const std::filesystem::path& packageFile, std::string_view password) {
  std::vector<std::uint8_t> file;
  {
    TemporaryFile temporary;
    const int result = ExtractPackageEntry(packageFile, "SKINDATA.SK2", temporary.Path(), password);
    if (result == kExtractWrongPassword) throw Error("Wrong password!");
    if (result != kExtractDone) throw Error("Failed to read skin file!");
    std::error_code ec;
    if (std::filesystem::file_size(temporary.Path(), ec) > kMaxDirectoryFileSize || ec)
      throw Error("Failed to read skin file!");
    std::ifstream in(temporary.Path(), std::ios::binary);
    file.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!in.eof() && !in) throw Error("Failed to read skin file!");
  }
  for (Sk2Record& record : ParseSkinDirectory(file)) {
    switch (static_cast<SkinValueType>(record.type)) {
      case SkinValueType::kBitmap: {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->LoadFromMemory(record.data.data(), record.data.size());
        bitmaps_.emplace_back(std::move(record.name), std::move(bitmap));
        break;
      }
      case SkinValueType::kInteger: {
        const std::int32_t value = static_cast<std::int32_t>(Read32(record.data.data()));
        integers_.push_back(record.name + "=" + std::to_string(value));
        break;
      }
      case SkinValueType::kByte:
        bytes_.push_back(record.name + "=" + std::to_string(record.data[0]));
        break;
      case SkinValueType::kString:
        strings_.push_back(record.name + "=" + std::string(record.data.begin(), record.data.end()));
        break;
      default:
        break;  // a type this reader does not know: passed over
    }
  }
}

namespace {

// The value part of the first "NAME=VALUE" text whose name matches, or null.
const std::string* FindValue(const std::vector<std::string>& texts, std::string_view name,
                             std::size_t& valueAt) {
  for (const std::string& text : texts) {
    const std::size_t eq = text.find('=');
    if (eq != std::string::npos && SameUpper(std::string_view(text).substr(0, eq), name)) {
      valueAt = eq + 1;
      return &text;
    }
  }
  return nullptr;
}

// The reader wrote the value itself, so it parses; the fallback only guards a name that
// contains an equals sign.
int ParseValue(const std::string& text, std::size_t at, int fallback) {
  int value = fallback;
  std::from_chars(text.data() + at, text.data() + text.size(), value);
  return value;
}

}  // namespace

TBitmap* Tsk2SkinFileReader::GetBitmap(std::string_view name) const {
  for (const auto& [bitmapName, bitmap] : bitmaps_)
    if (SameUpper(bitmapName, name)) return bitmap.get();
  return nullptr;
}

int Tsk2SkinFileReader::GetInteger(std::string_view name) const {
  std::size_t at = 0;
  const std::string* text = FindValue(integers_, name, at);
  return text ? ParseValue(*text, at, -1) : -1;
}

int Tsk2SkinFileReader::GetByte(std::string_view name) const {
  std::size_t at = 0;
  const std::string* text = FindValue(bytes_, name, at);
  return text ? ParseValue(*text, at, 0) : 0;
}

void Tsk2SkinFileReader::SetTransparentColor(TColor colour) {
  for (auto& entry : bitmaps_) entry.second->SetTransparentColor(colour);
}

}  // namespace zentavo
