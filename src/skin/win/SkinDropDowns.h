#pragma once
#include <windows.h>

#include "skin/WrapperKind.h"
#include "skin/win/SkinControlVCL.h"
#include "skin/win/SkinScrolled.h"

namespace zentavo {

// Controls with a drop-down button: combo boxes, extended combo boxes and date-time
// pickers.

// The base of controls with a drop-down button of their own; never made by itself.
class TsuiSkinExtComboboxLikeControl : public TsuiSkinBorderWinControl {
 public:
  using TsuiSkinBorderWinControl::TsuiSkinBorderWinControl;
};

class TsuiSkinComboBox : public TsuiSkinControlVCL {
 public:
  using TsuiSkinControlVCL::TsuiSkinControlVCL;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinComboBox; }
};

class TsuiSkinComboBoxEx : public TsuiSkinControlVCL {
 public:
  using TsuiSkinControlVCL::TsuiSkinControlVCL;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinComboBoxEx; }
};

class TsuiSkinDateTimePicker : public TsuiSkinExtComboboxLikeControl {
 public:
  using TsuiSkinExtComboboxLikeControl::TsuiSkinExtComboboxLikeControl;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinDateTimePicker; }
};

}  // namespace zentavo
