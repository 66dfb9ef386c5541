#include "skin/WrapperKind.h"

namespace zentavo {

const char* WrapperKindName(TWrapperKind kind) {
  switch (kind) {
    case TWrapperKind::TsuiSkinBorderWinControl:
      return "TsuiSkinBorderWinControl";
    case TWrapperKind::TsuiSkinScrollWinControl:
      return "TsuiSkinScrollWinControl";
    case TWrapperKind::TsuiSkinFrame:
      return "TsuiSkinFrame";
    case TWrapperKind::TsuiSkinPanel:
      return "TsuiSkinPanel";
    case TWrapperKind::TsuiSkinToolBar:
      return "TsuiSkinToolBar";
    case TWrapperKind::TsuiSkinStatusBar:
      return "TsuiSkinStatusBar";
    case TWrapperKind::TsuiSkinDateTimePicker:
      return "TsuiSkinDateTimePicker";
    case TWrapperKind::TsuiSkinUpDown:
      return "TsuiSkinUpDown";
    case TWrapperKind::TsuiSkinProgressBar:
      return "TsuiSkinProgressBar";
    case TWrapperKind::TsuiSkinTrackBar:
      return "TsuiSkinTrackBar";
    case TWrapperKind::TsuiSkinTabControl:
      return "TsuiSkinTabControl";
    case TWrapperKind::TsuiSkinGrid:
      return "TsuiSkinGrid";
    case TWrapperKind::TsuiSkinSpeedButton:
      return "TsuiSkinSpeedButton";
    case TWrapperKind::TsuiSkinGroupBox:
      return "TsuiSkinGroupBox";
    case TWrapperKind::TsuiSkinScrollBar:
      return "TsuiSkinScrollBar";
    case TWrapperKind::TsuiSkinListView:
      return "TsuiSkinListView";
    case TWrapperKind::TsuiSkinRadioButton:
      return "TsuiSkinRadioButton";
    case TWrapperKind::TsuiSkinComboBox:
      return "TsuiSkinComboBox";
    case TWrapperKind::TsuiSkinComboBoxEx:
      return "TsuiSkinComboBoxEx";
    case TWrapperKind::TsuiSkinCheckBox:
      return "TsuiSkinCheckBox";
    case TWrapperKind::TsuiSkinButton:
      return "TsuiSkinButton";
    case TWrapperKind::TsuiSkinLabel:
      return "TsuiSkinLabel";
    case TWrapperKind::TsuiSkinWndComboBox:
      return "TsuiSkinWndComboBox";
    case TWrapperKind::TsuiSkinWndButton:
      return "TsuiSkinWndButton";
    case TWrapperKind::TsuiSkinWndCheckBox:
      return "TsuiSkinWndCheckBox";
    case TWrapperKind::TsuiSkinWndRadioButton:
      return "TsuiSkinWndRadioButton";
    case TWrapperKind::TsuiSkinWndTabControl:
      return "TsuiSkinWndTabControl";
    case TWrapperKind::TsuiSkinWndToolbarWindow32:
      return "TsuiSkinWndToolbarWindow32";
  }
  return "?";
}

}  // namespace zentavo
