#pragma once
#include <filesystem>
#include <random>
#include <string>

// A fresh folder under the system's temporary folder, removed with everything in it.
class LedgerTestFolder {
 public:
  LedgerTestFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / ("zentavo-ledger-" + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~LedgerTestFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  LedgerTestFolder(const LedgerTestFolder&) = delete;
  LedgerTestFolder& operator=(const LedgerTestFolder&) = delete;

  std::string File(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};
