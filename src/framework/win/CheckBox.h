#pragma once
#include "framework/win/StdCtrls.h"

namespace zentavo {

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// A box the user ticks (superclassed "BUTTON"). A click moves unchecked → checked →
// grayed (with AllowGrayed) → unchecked and runs OnClick; setting the state from code
// runs nothing. Code may show the grayed state without AllowGrayed: the user's next click
// then leaves it for unchecked, and grayed is not offered again.
class TCustomCheckBox : public TWinControl {
  ZENTAVO_CLASS(TCustomCheckBox, TWinControl)
 public:
  explicit TCustomCheckBox(TComponent* owner);

  TCheckBoxState State();
  void SetState(TCheckBoxState state);
  bool Checked() { return State() == TCheckBoxState::cbChecked; }
  void SetChecked(bool checked) {
    SetState(checked ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked);
  }
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool allow);
  // taRightJustify puts the caption right of the box, taLeftJustify left of it.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void WndProc(TMessage& message) override;

 private:
  DWORD ButtonStyle() const;
  void UpdateButtonStyle();
  TCheckBoxState state_ = TCheckBoxState::cbUnchecked;
  bool allowGrayed_ = false;
  TAlignment alignment_ = TAlignment::taRightJustify;
};

class TCheckBox : public TCustomCheckBox {
  ZENTAVO_CLASS(TCheckBox, TCustomCheckBox)
 public:
  using TCustomCheckBox::TCustomCheckBox;
};

// One choice of several (superclassed "BUTTON"): the radio buttons that share a parent
// form a group of which at most one is checked, whether the user or code checks it. The
// user's choice runs OnClick.
class TRadioButton : public TWinControl {
  ZENTAVO_CLASS(TRadioButton, TWinControl)
 public:
  explicit TRadioButton(TComponent* owner);
  bool Checked();
  void SetChecked(bool checked);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void WndProc(TMessage& message) override;

 private:
  void StoreChecked(bool checked);
  bool checked_ = false;
};

}  // namespace zentavo
