#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string_view>
#include <vector>

namespace zentavo {

// Where the bytes of a skin kept inside a form go so that the reader can load them from a
// file: a name in the temporary folder that no file holds yet.

// stem + extension; while a file of that name exists, a counter starting at 1 goes between
// them (stem1.sui, stem2.sui, ...).
std::filesystem::path NumberedFileName(const std::filesystem::path& stem, std::string_view extension,
                                       const std::function<bool(const std::filesystem::path&)>& exists);

// The file operations SaveTemporaryCopy uses; tests replace them.
struct TTemporaryCopyIo {
  std::function<std::filesystem::path()> newStem;  // a fresh stem for each attempt
  std::function<bool(const std::filesystem::path&)> exists;
  // Writes the whole file; false (and no file left behind) when it cannot.
  std::function<bool(const std::filesystem::path&, const std::vector<std::uint8_t>&)> save;
};

// Enough for a name clash or a file the virus scanner holds for a moment; a full disk or a
// folder without write access fails every time, and the load then reports it.
constexpr int kTemporaryCopyAttempts = 5;

// Saves the bytes under NumberedFileName(newStem(), extension); a failed save is tried again
// under a fresh stem, at most `attempts` times in all. Returns the name saved; when every
// attempt failed, raises zentavo::Error "Unable to write to <last name tried>".
std::filesystem::path SaveTemporaryCopy(const std::vector<std::uint8_t>& bytes, std::string_view extension,
                                        const TTemporaryCopyIo& io, int attempts = kTemporaryCopyAttempts);

// The real file system; stems from `newStem`.
TTemporaryCopyIo FileSystemCopyIo(std::function<std::filesystem::path()> newStem);

}  // namespace zentavo
