#include "framework/win/Registry.h"

#include "core/Error.h"
#include "framework/win/WideText.h"

namespace zentavo {

std::optional<RegistryKey> RegistryKey::Open(HKEY root, const std::string& path, REGSAM access) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, Widen(path).c_str(), 0, access, &key) != ERROR_SUCCESS) return std::nullopt;
  return RegistryKey(key);
}

RegistryKey::~RegistryKey() {
  if (key_) RegCloseKey(key_);
}

RegistryKey::RegistryKey(RegistryKey&& other) noexcept : key_(other.key_) { other.key_ = nullptr; }

bool RegistryKey::HasValue(const std::string& name) const {
  return RegQueryValueExW(key_, Widen(name).c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::optional<std::string> RegistryKey::ReadString(const std::string& name) const {
  std::wstring wideName = Widen(name);
  DWORD type = 0, bytes = 0;
  if (RegQueryValueExW(key_, wideName.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS) return std::nullopt;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
  std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
  if (RegQueryValueExW(key_, wideName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &bytes) !=
      ERROR_SUCCESS)
    return std::nullopt;
  value.resize(wcsnlen(value.c_str(), value.size()));
  return Narrow(value);
}

void RegistryKey::WriteString(const std::string& name, const std::string& value) {
  std::wstring data = Widen(value);
  LONG result = RegSetValueExW(key_, Widen(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                               static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
  if (result != ERROR_SUCCESS) throw Error("Failed to set data for '" + name + "'");
}

bool RegistryKey::DeleteValue(const std::string& name) {
  return RegDeleteValueW(key_, Widen(name).c_str()) == ERROR_SUCCESS;
}

}  // namespace zentavo
