#include "skin/ControlClassMap.h"

#include <algorithm>
#include <utility>

namespace zentavo {

void TControlClassMap::Register(std::string frameworkClass, TWrapperKind wrapper) {
  rows_.push_back({std::move(frameworkClass), wrapper});
}

std::optional<TWrapperKind> TControlClassMap::Find(const std::vector<std::string_view>& classChain) const {
  // Row order, not chain order, decides: the latest row naming any class of the chain.
  for (auto row = rows_.rbegin(); row != rows_.rend(); ++row) {
    if (std::find(classChain.begin(), classChain.end(), row->frameworkClass) != classChain.end()) {
      return row->wrapper;
    }
  }
  return std::nullopt;
}

std::optional<TWrapperKind> TControlClassMap::Find(const TClassInfo& controlClass) const {
  std::vector<std::string_view> chain;
  for (const TClassInfo* info = &controlClass; info; info = info->parent) {
    chain.emplace_back(info->name);
  }
  return Find(chain);
}

TControlClassMap MakeStandardControlClassMap() {
  using K = TWrapperKind;
  // General classes first: the backward search lets every later, more specific row win
  // (TCustomGrid and TCustomPanel over TCustomControl, TCustomListView and
  // TCustomComboBox over TCustomListControl, TCustomComboBoxEx over TCustomComboBox).
  static const std::pair<const char*, K> kRows[] = {
      {"TCustomControl", K::TsuiSkinScrollWinControl},
      {"TCustomFrame", K::TsuiSkinFrame},
      {"TScrollBox", K::TsuiSkinScrollWinControl},
      {"TCoolBar", K::TsuiSkinPanel},
      {"TToolBar", K::TsuiSkinToolBar},
      {"TCustomStatusBar", K::TsuiSkinStatusBar},
      {"TDateTimePicker", K::TsuiSkinDateTimePicker},
      {"TCustomTreeView", K::TsuiSkinScrollWinControl},
      {"TCustomUpDown", K::TsuiSkinUpDown},
      {"TCustomHotKey", K::TsuiSkinBorderWinControl},
      {"TProgressBar", K::TsuiSkinProgressBar},
      {"TTrackBar", K::TsuiSkinTrackBar},
      {"TCustomTabControl", K::TsuiSkinTabControl},
      {"TCustomGrid", K::TsuiSkinGrid},
      {"TSpeedButton", K::TsuiSkinSpeedButton},
      {"TCustomPanel", K::TsuiSkinPanel},
      {"TCustomGroupBox", K::TsuiSkinGroupBox},
      {"TScrollBar", K::TsuiSkinScrollBar},
      {"TCustomListControl", K::TsuiSkinScrollWinControl},
      {"TCustomListView", K::TsuiSkinListView},
      {"TRadioButton", K::TsuiSkinRadioButton},
      {"TCustomComboBox", K::TsuiSkinComboBox},
      {"TCustomComboBoxEx", K::TsuiSkinComboBoxEx},
      {"TCustomCheckBox", K::TsuiSkinCheckBox},
      {"TCustomEdit", K::TsuiSkinScrollWinControl},
      {"TButton", K::TsuiSkinButton},
      {"TLabel", K::TsuiSkinLabel},
  };
  TControlClassMap map;
  for (const auto& [frameworkClass, wrapper] : kRows) map.Register(frameworkClass, wrapper);
  return map;
}

TControlClassMap& ControlClassMap() {
  static TControlClassMap map = MakeStandardControlClassMap();
  return map;
}

}  // namespace zentavo
