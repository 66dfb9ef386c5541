#include "framework/win/FileDialogs.h"

#include <commdlg.h>

#include <vector>

#include "framework/win/WideText.h"

namespace zentavo {

std::function<std::optional<std::string>(const TFileDialogRequest&)> FileDialogOverride;

std::optional<std::string> ChooseFile(const TFileDialogRequest& request) {
  if (FileDialogOverride) return FileDialogOverride(request);
  // The filter is pairs of texts, each ended by a zero, the list by a second zero.
  std::wstring filter = Widen(request.filterName);
  filter.push_back(L'\0');
  filter += Widen(request.pattern);
  filter.push_back(L'\0');
  filter.push_back(L'\0');
  std::vector<wchar_t> file(32768, L'\0');
  const std::wstring proposed = Widen(request.fileName);
  proposed.copy(file.data(), std::min(proposed.size(), file.size() - 1));
  const std::wstring folder = Widen(request.folder);
  const std::wstring extension = Widen(request.defaultExtension);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = request.owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                 (request.save ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST);
  const BOOL chosen = request.save ? ::GetSaveFileNameW(&dialog) : ::GetOpenFileNameW(&dialog);
  if (!chosen) return std::nullopt;
  return Narrow(std::wstring(file.data()));
}

}  // namespace zentavo
