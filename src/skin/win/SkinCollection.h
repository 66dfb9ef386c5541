#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "skin/SuiSkinReader.h"

namespace zentavo {

class TsuiSkinEngine;

// A further skin a form may carry beside the engine's own: its file, password and a reader
// of its own. The engine never switches to an item's reader.
class TsuiSkinCollectionItem {
 public:
  TsuiSkinCollectionItem();

  std::string SkinFile;
  std::string Password;
  TsuiSkinReader& Reader() { return reader_; }
  const TsuiSkinReader& Reader() const { return reader_; }

  // What a form keeps of the item: the bytes of the file at SkinFile, when there is one.
  std::optional<std::vector<std::uint8_t>> SkinData() const;
  // Loads kept bytes into the item's reader through a temporary copy ("SUISKNT.sui" in the
  // temporary folder, numbered when taken), removed afterwards; SkinFile keeps its text.
  void ReadSkinData(const std::vector<std::uint8_t>& block);

 private:
  TsuiSkinReader reader_;
};

class TsuiSkinCollection {
 public:
  explicit TsuiSkinCollection(TsuiSkinEngine* owner = nullptr) : owner_(owner) {}
  TsuiSkinCollection(const TsuiSkinCollection&) = delete;
  TsuiSkinCollection& operator=(const TsuiSkinCollection&) = delete;

  TsuiSkinEngine* Owner() const { return owner_; }
  int Count() const { return static_cast<int>(items_.size()); }
  TsuiSkinCollectionItem& Items(int index) const { return *items_.at(index); }
  TsuiSkinCollectionItem& Add();
  void Clear() { items_.clear(); }
  // Replaces the items with copies of the other collection's files and passwords, each with
  // an empty reader of its own.
  void Assign(const TsuiSkinCollection& other);

 private:
  TsuiSkinEngine* owner_;
  std::vector<std::unique_ptr<TsuiSkinCollectionItem>> items_;
};

// The bytes of a file, or none when no regular file is there or it cannot be read.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& file);
// Whether a regular file (not a folder) is there; the name is UTF-8 with "\" separators.
bool SkinFileExists(const std::string& file);

}  // namespace zentavo
