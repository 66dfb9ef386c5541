#pragma once
#include <filesystem>

namespace zentavo {

// A fresh name for a temporary file: the system's temporary folder followed by a new GUID
// in registry text form ({0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}), without extension.
// On Windows the folder is GetTempPath's and the GUID CoCreateGuid's; elsewhere the folder
// is the standard temporary directory and the GUID is random.
std::filesystem::path NewTemporaryFileName();

// Deletes a file when it goes out of scope, whatever happened in between.
class TemporaryFile {
 public:
  TemporaryFile() : path_(NewTemporaryFileName()) {}
  ~TemporaryFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace zentavo
