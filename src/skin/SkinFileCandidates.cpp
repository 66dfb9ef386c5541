#include "skin/SkinFileCandidates.h"

namespace zentavo {

std::string ExtractSkinFileName(std::string_view path) {
  const std::size_t separator = path.find_last_of("\\/:");
  return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

std::string WithTrailingBackslash(std::string folder) {
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

std::optional<std::string> ResolveSkinFile(const std::string& value, const TSkinFileFolders& folders,
                                           const std::function<bool(const std::string&)>& fileExists) {
  if (!value.empty() && fileExists(value)) return value;
  const std::string name = ExtractSkinFileName(value);
  if (name.empty()) return std::nullopt;
  for (const std::string* folder : {&folders.programFolder, &folders.windowsFolder, &folders.systemFolder}) {
    // A folder the system could not name is skipped rather than turned into a bare name,
    // which would be looked for in whatever the current directory happens to be.
    if (folder->empty()) continue;
    std::string candidate = WithTrailingBackslash(*folder) + name;
    if (fileExists(candidate)) return candidate;
  }
  return std::nullopt;
}

}  // namespace zentavo
