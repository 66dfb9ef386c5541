#pragma once

namespace zentavo {

// The control wrapper classes the attachment tables hand out. The tables only decide which
// wrapper a control or child window gets; the wrappers themselves live on the Win32 side,
// which turns a kind into an object.
enum class TWrapperKind {
  // Framework controls.
  TsuiSkinBorderWinControl,
  TsuiSkinScrollWinControl,
  TsuiSkinFrame,
  TsuiSkinPanel,
  TsuiSkinToolBar,
  TsuiSkinStatusBar,
  TsuiSkinDateTimePicker,
  TsuiSkinUpDown,
  TsuiSkinProgressBar,
  TsuiSkinTrackBar,
  TsuiSkinTabControl,
  TsuiSkinGrid,
  TsuiSkinSpeedButton,
  TsuiSkinGroupBox,
  TsuiSkinScrollBar,
  TsuiSkinListView,
  TsuiSkinRadioButton,
  TsuiSkinComboBox,
  TsuiSkinComboBoxEx,
  TsuiSkinCheckBox,
  TsuiSkinButton,
  TsuiSkinLabel,
  // Child windows of foreign windows.
  TsuiSkinWndComboBox,
  TsuiSkinWndButton,
  TsuiSkinWndCheckBox,
  TsuiSkinWndRadioButton,
  TsuiSkinWndTabControl,
  TsuiSkinWndToolbarWindow32,
};

// The wrapper class's name, for diagnostics and test output.
const char* WrapperKindName(TWrapperKind kind);

}  // namespace zentavo
