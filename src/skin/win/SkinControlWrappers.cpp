#include "skin/win/SkinControlWrappers.h"

#include <string>

#include "core/Error.h"

namespace zentavo {

std::unique_ptr<TsuiSkinControl> MakeControlWrapper(TWrapperKind kind, TControl& control,
                                                    TsuiSkinWindow& frame) {
  using K = TWrapperKind;
  switch (kind) {
    case K::TsuiSkinBorderWinControl:
      return MakeSkinControl<TsuiSkinBorderWinControl>(control, frame);
    case K::TsuiSkinScrollWinControl:
      return MakeSkinControl<TsuiSkinScrollWinControl>(control, frame);
    case K::TsuiSkinFrame:
      return MakeSkinControl<TsuiSkinFrame>(control, frame);
    case K::TsuiSkinPanel:
      return MakeSkinControl<TsuiSkinPanel>(control, frame);
    case K::TsuiSkinToolBar:
      return MakeSkinControl<TsuiSkinToolBar>(control, frame);
    case K::TsuiSkinStatusBar:
      return MakeSkinControl<TsuiSkinStatusBar>(control, frame);
    case K::TsuiSkinDateTimePicker:
      return MakeSkinControl<TsuiSkinDateTimePicker>(control, frame);
    case K::TsuiSkinUpDown:
      return MakeSkinControl<TsuiSkinUpDown>(control, frame);
    case K::TsuiSkinProgressBar:
      return MakeSkinControl<TsuiSkinProgressBar>(control, frame);
    case K::TsuiSkinTrackBar:
      return MakeSkinControl<TsuiSkinTrackBar>(control, frame);
    case K::TsuiSkinTabControl:
      return MakeSkinControl<TsuiSkinTabControl>(control, frame);
    case K::TsuiSkinGrid:
      return MakeSkinControl<TsuiSkinGrid>(control, frame);
    case K::TsuiSkinSpeedButton:
      return MakeSkinControl<TsuiSkinSpeedButton>(control, frame);
    case K::TsuiSkinGroupBox:
      return MakeSkinControl<TsuiSkinGroupBox>(control, frame);
    case K::TsuiSkinScrollBar:
      return MakeSkinControl<TsuiSkinScrollBar>(control, frame);
    case K::TsuiSkinListView:
      return MakeSkinControl<TsuiSkinListView>(control, frame);
    case K::TsuiSkinRadioButton:
      return MakeSkinControl<TsuiSkinRadioButton>(control, frame);
    case K::TsuiSkinComboBox:
      return MakeSkinControl<TsuiSkinComboBox>(control, frame);
    case K::TsuiSkinComboBoxEx:
      return MakeSkinControl<TsuiSkinComboBoxEx>(control, frame);
    case K::TsuiSkinCheckBox:
      return MakeSkinControl<TsuiSkinCheckBox>(control, frame);
    case K::TsuiSkinButton:
      return MakeSkinControl<TsuiSkinButton>(control, frame);
    case K::TsuiSkinLabel:
      return MakeSkinControl<TsuiSkinLabel>(control, frame);
    default:
      break;
  }
  throw Error(std::string(WrapperKindName(kind)) + " does not wrap framework controls");
}

std::unique_ptr<TsuiSkinControl> MakeWindowWrapper(TWrapperKind kind, HWND window, TsuiSkinWindow& frame) {
  using K = TWrapperKind;
  switch (kind) {
    case K::TsuiSkinWndComboBox:
      return MakeSkinControl<TsuiSkinWndComboBox>(window, frame);
    case K::TsuiSkinWndButton:
      return MakeSkinControl<TsuiSkinWndButton>(window, frame);
    case K::TsuiSkinWndCheckBox:
      return MakeSkinControl<TsuiSkinWndCheckBox>(window, frame);
    case K::TsuiSkinWndRadioButton:
      return MakeSkinControl<TsuiSkinWndRadioButton>(window, frame);
    case K::TsuiSkinWndTabControl:
      return MakeSkinControl<TsuiSkinWndTabControl>(window, frame);
    case K::TsuiSkinWndToolbarWindow32:
      return MakeSkinControl<TsuiSkinWndToolbarWindow32>(window, frame);
    default:
      break;
  }
  throw Error(std::string(WrapperKindName(kind)) + " does not wrap foreign windows");
}

}  // namespace zentavo
