#pragma once
#include <windows.h>

#include <optional>
#include <string>

namespace zentavo {

// An open registry key, closed with the object. Opening never creates the key.
class RegistryKey {
 public:
  // Nothing when the key does not exist or cannot be opened with that access.
  static std::optional<RegistryKey> Open(HKEY root, const std::string& path, REGSAM access);
  ~RegistryKey();
  RegistryKey(RegistryKey&& other) noexcept;
  RegistryKey& operator=(RegistryKey&&) = delete;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  bool HasValue(const std::string& name) const;
  std::optional<std::string> ReadString(const std::string& name) const;
  // Fails with "Failed to set data for '<name>'".
  void WriteString(const std::string& name, const std::string& value);
  // A value that is not there is no error; answers whether it was deleted.
  bool DeleteValue(const std::string& name);

 private:
  explicit RegistryKey(HKEY key) : key_(key) {}
  HKEY key_;
};

}  // namespace zentavo
