#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace zentavo {

// The system's dialogs for choosing a file to read or a file to write.
struct TFileDialogRequest {
  HWND owner = nullptr;
  std::string filterName;  // e.g. "Comma-separated text (*.csv)"
  std::string pattern;     // e.g. "*.csv"
  std::string defaultExtension;  // without the dot; added when the user types none
  std::string fileName;    // proposed name (save) or first choice (open)
  std::string folder;      // where the dialog opens; "" for the system's choice
  bool save = false;       // a file to write: asks before replacing an existing one
};

// The chosen file (UTF-8 path), or nothing when the user cancelled.
std::optional<std::string> ChooseFile(const TFileDialogRequest& request);

// Tests answer in place of a person.
extern std::function<std::optional<std::string>(const TFileDialogRequest&)> FileDialogOverride;

}  // namespace zentavo
