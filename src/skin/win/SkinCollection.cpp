#include "skin/win/SkinCollection.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/win/WideText.h"
#include "skin/SkinTempCopy.h"

namespace zentavo {

bool SkinFileExists(const std::string& file) {
  if (file.empty()) return false;
  const DWORD attributes = GetFileAttributesW(Widen(file).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& file) {
  if (!SkinFileExists(file)) return std::nullopt;
  std::ifstream in(std::filesystem::path(Widen(file)), std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

TsuiSkinCollectionItem::TsuiSkinCollectionItem() : reader_({}, {}) {}

std::optional<std::vector<std::uint8_t>> TsuiSkinCollectionItem::SkinData() const { return ReadWholeFile(SkinFile); }

void TsuiSkinCollectionItem::ReadSkinData(const std::vector<std::uint8_t>& block) {
  const std::string remembered = SkinFile;
  const std::filesystem::path copy = SaveTemporaryCopy(
      block, ".sui", FileSystemCopyIo([] { return std::filesystem::temp_directory_path() / "SUISKNT"; }));
  struct Remove {
    const std::filesystem::path& file;
    ~Remove() {
      std::error_code ignored;
      std::filesystem::remove(file, ignored);
    }
  } remove{copy};
  reader_.Load(copy, Password);
  SkinFile = remembered;
}

TsuiSkinCollectionItem& TsuiSkinCollection::Add() {
  items_.push_back(std::make_unique<TsuiSkinCollectionItem>());
  return *items_.back();
}

void TsuiSkinCollection::Assign(const TsuiSkinCollection& other) {
  if (&other == this) return;
  std::vector<std::unique_ptr<TsuiSkinCollectionItem>> copies;
  for (const auto& item : other.items_) {
    auto copy = std::make_unique<TsuiSkinCollectionItem>();
    copy->SkinFile = item->SkinFile;
    copy->Password = item->Password;
    copies.push_back(std::move(copy));
  }
  items_ = std::move(copies);
}

}  // namespace zentavo
