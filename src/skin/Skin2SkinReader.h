#pragma once
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/Bitmap.h"

namespace zentavo {

// Results of ExtractPackageEntry.
constexpr int kExtractDone = 0;
constexpr int kExtractFailed = 1;         // no package, not a package, no such entry, damaged data
constexpr int kExtractWrongPassword = 2;  // wrong or empty password, or the size check failed

// Extracts one entry of a skin package (a ZIP archive marked "SK" in its first two bytes,
// with its end record in the last 22 bytes) into `outputFile`: finds the entry by name
// in any letter case, decrypts it when it is encrypted (traditional PKWARE) and inflates
// it. Returns 0, 1 or 2; on any result but 0 the output file does not exist afterwards.
int ExtractPackageEntry(const std::filesystem::path& packageFile, std::string_view entryName,
                        const std::filesystem::path& outputFile, std::string_view password);

// A skin package read into memory: its bitmaps, integers, bytes and strings, each list in
// file order. Look-ups ignore letter case and answer the first value of a name.
class Tsk2SkinFileReader {
 public:
  // Reads the whole package or raises zentavo::Error: "Wrong password!", "Failed to read
  // skin file!", or the error of a bitmap that cannot be decoded.
  Tsk2SkinFileReader(const std::filesystem::path& packageFile, std::string_view password);

  // The reader keeps ownership; null when there is no bitmap of that name.
  TBitmap* GetBitmap(std::string_view name) const;
  // -1 when there is none (a stored -1 looks the same).
  int GetInteger(std::string_view name) const;
  // 0 when there is none.
  int GetByte(std::string_view name) const;
  // Every bitmap gets fixed-colour transparency with that colour.
  void SetTransparentColor(TColor colour);

  // The lists themselves; the texts are "NAME=VALUE".
  const std::vector<std::pair<std::string, std::unique_ptr<TBitmap>>>& Bitmaps() const { return bitmaps_; }
  const std::vector<std::string>& Integers() const { return integers_; }
  const std::vector<std::string>& Bytes() const { return bytes_; }
  const std::vector<std::string>& Strings() const { return strings_; }

 private:
  std::vector<std::pair<std::string, std::unique_ptr<TBitmap>>> bitmaps_;
  std::vector<std::string> integers_;
  std::vector<std::string> bytes_;
  std::vector<std::string> strings_;
};

// Compares ASCII names without regard to letter case, as every skin look-up does.
bool SameSkinName(std::string_view a, std::string_view b);

}  // namespace zentavo
