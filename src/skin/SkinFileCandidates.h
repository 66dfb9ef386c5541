#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zentavo {

// The folders a skin package is looked for in, after the path as given: the program's
// folder, the Windows folder and the system folder, each with or without a trailing "\".
struct TSkinFileFolders {
  std::string programFolder;
  std::string windowsFolder;
  std::string systemFolder;
};

// The file-name part of a path: what follows the last "\", "/" or drive ":".
std::string ExtractSkinFileName(std::string_view path);
// The folder with "\" appended when it does not end in one (an empty folder stays empty).
std::string WithTrailingBackslash(std::string folder);

// Where a skin package named by `value` is found: the value itself when a file exists there,
// else each folder plus the value's file-name part, in the order programFolder,
// windowsFolder, systemFolder. None when no candidate exists. `fileExists` answers for
// regular files only. A value without a file-name part (empty, or ending in a separator) is
// tried as given only: a folder is never a candidate.
std::optional<std::string> ResolveSkinFile(const std::string& value, const TSkinFileFolders& folders,
                                           const std::function<bool(const std::string&)>& fileExists);

}  // namespace zentavo
