#pragma once
#include <windows.h>

#include "skin/DropDownLooks.h"
#include "skin/WrapperKind.h"
#include "skin/win/SkinControlVCL.h"
#include "skin/win/SkinScrolled.h"

namespace zentavo {

class TsuiSkinInternalComboButton;
class TsuiSkinInternalUpDown;

// Controls with a drop-down button: combo boxes, extended combo boxes and date-time
// pickers. They keep their native behaviour; the skin repaints their outline and button
// after they have painted, or covers their native buttons with windows of its own.

// The combo box: outline and drop-down button painted over the control after each of its
// paints; the list's outline while it is dropped down. Simple combo boxes, whose list is
// always shown, keep their native look.
class TsuiSkinComboBox : public TsuiSkinControlVCL {
 public:
  using TsuiSkinControlVCL::TsuiSkinControlVCL;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinComboBox; }
  void Paint() override;
};

// The extended combo box: the same look on its inner combo box, repainted also after the
// inner box has drawn its item.
class TsuiSkinComboBoxEx : public TsuiSkinControlVCL {
 public:
  using TsuiSkinControlVCL::TsuiSkinControlVCL;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinComboBoxEx; }
  void AfterMessage(TMessage& message) override;
  void Paint() override;
};

// The base of controls whose drop-down button is covered by a skinned button window of
// their own; never made by itself.
class TsuiSkinExtComboboxLikeControl : public TsuiSkinBorderWinControl {
 public:
  using TsuiSkinBorderWinControl::TsuiSkinBorderWinControl;
  ~TsuiSkinExtComboboxLikeControl() override;

  void Initialize() override;
  void Detach() override;
  void SkinChanged() override;
  void AfterMessage(TMessage& message) override;
  void Paint() override;

  // None at design time, after Detach, or when it could not be made.
  TsuiSkinInternalComboButton* ComboButton() const { return comboButton_; }
  // For the button: it is being freed by someone else (its owner, the engine).
  void ComboButtonGone(const TsuiSkinInternalComboButton& button);
  // The skin's colours for the button and the outline.
  TDropDownColors DropDownColors() const;

 protected:
  // Whether the control shows a drop-down button at all.
  virtual bool UsesComboButton() const { return true; }
  // The control is being freed, not only losing its window.
  bool ControlGoing() const;

 private:
  void FreeComboButton();
  TsuiSkinInternalComboButton* comboButton_ = nullptr;
};

// The date-time picker: the skinned drop-down button for dates chosen from a calendar,
// skinned spin buttons (drawn as a wrapped up-down) for times and dates in spin mode; the
// native spin buttons are hidden while the skin is on. A picker tagged kNoSpinButtonsTag
// keeps its native spin buttons.
class TsuiSkinDateTimePicker : public TsuiSkinExtComboboxLikeControl {
 public:
  using TsuiSkinExtComboboxLikeControl::TsuiSkinExtComboboxLikeControl;
  ~TsuiSkinDateTimePicker() override;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinDateTimePicker; }
  static constexpr int kNoSpinButtonsTag = 9998;

  void Initialize() override;
  void Detach() override;
  void SkinChanged() override;
  void AfterMessage(TMessage& message) override;

  TsuiSkinInternalUpDown* SpinButtons() const { return spinButtons_; }
  void SpinButtonsGone(const TsuiSkinInternalUpDown& spinButtons);
  // The picker's own spin buttons, when it has them.
  HWND NativeSpinButtons() const;

 protected:
  bool UsesComboButton() const override;

 private:
  // Ours while skinning and the picker has no drop-down button, the native ones otherwise.
  void ApplySpinButtons();
  void FreeSpinButtons();
  TsuiSkinInternalUpDown* spinButtons_ = nullptr;
};

}  // namespace zentavo
