#include "framework/win/CheckBox.h"

namespace zentavo {

namespace {

WPARAM CheckOf(TCheckBoxState state) {
  switch (state) {
    case TCheckBoxState::cbChecked:
      return BST_CHECKED;
    case TCheckBoxState::cbGrayed:
      return BST_INDETERMINATE;
    default:
      return BST_UNCHECKED;
  }
}

TCheckBoxState StateOf(LRESULT check) {
  if (check & BST_INDETERMINATE) return TCheckBoxState::cbGrayed;
  return (check & BST_CHECKED) ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked;
}

}  // namespace

// ---- TCustomCheckBox ------------------------------------------------------------------

// Check boxes and radio buttons take their parent's colour unless given one.
TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TWinControl(owner) {
  parentColor_ = true;
  SetBounds(0, 0, 97, 17);
}

// A two-state box cannot show grayed; it takes the three-state kind while it must.
DWORD TCustomCheckBox::ButtonStyle() const {
  return allowGrayed_ || state_ == TCheckBoxState::cbGrayed ? BS_AUTO3STATE : BS_AUTOCHECKBOX;
}

void TCustomCheckBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClassName = L"BUTTON";
  params.style |= WS_TABSTOP | ButtonStyle() | (alignment_ == TAlignment::taLeftJustify ? BS_LEFTTEXT : 0);
}

void TCustomCheckBox::CreateHandleDone() {
  SendMessageW(Handle(), BM_SETCHECK, CheckOf(state_), 0);
}

void TCustomCheckBox::UpdateButtonStyle() {
  if (!HandleAllocated()) return;
  const DWORD style = static_cast<DWORD>(GetWindowLongW(Handle(), GWL_STYLE));
  if ((style & BS_TYPEMASK) != ButtonStyle()) SendMessageW(Handle(), BM_SETSTYLE, ButtonStyle(), TRUE);
}

TCheckBoxState TCustomCheckBox::State() {
  if (HandleAllocated()) state_ = StateOf(SendMessageW(Handle(), BM_GETCHECK, 0, 0));
  return state_;
}

void TCustomCheckBox::SetState(TCheckBoxState state) {
  state_ = state;
  UpdateButtonStyle();
  if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, CheckOf(state_), 0);
}

void TCustomCheckBox::SetAllowGrayed(bool allow) {
  allowGrayed_ = allow;
  UpdateButtonStyle();
}

void TCustomCheckBox::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  if (!HandleAllocated()) return;
  LONG style = GetWindowLongW(Handle(), GWL_STYLE);
  style = alignment_ == TAlignment::taLeftJustify ? style | BS_LEFTTEXT : style & ~BS_LEFTTEXT;
  SetWindowLongW(Handle(), GWL_STYLE, style);
  InvalidateRect(Handle(), nullptr, TRUE);
}

void TCustomCheckBox::WndProc(TMessage& message) {
  if (message.Msg == CN_BASE + WM_COMMAND) {
    if (HIWORD(message.WParam) == BN_CLICKED) {
      State();  // the box has moved on by itself
      UpdateButtonStyle();
      if (OnClick) OnClick(this);
    }
    return;
  }
  TWinControl::WndProc(message);
}

// ---- TRadioButton ---------------------------------------------------------------------

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner) {
  parentColor_ = true;
  SetBounds(0, 0, 113, 17);
}

void TRadioButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClassName = L"BUTTON";
  params.style |= WS_TABSTOP | BS_AUTORADIOBUTTON;
}

void TRadioButton::CreateHandleDone() {
  SendMessageW(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool TRadioButton::Checked() {
  if (HandleAllocated()) checked_ = SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
  return checked_;
}

void TRadioButton::StoreChecked(bool checked) {
  checked_ = checked;
  if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::SetChecked(bool checked) {
  StoreChecked(checked);
  if (!checked || !parent_) return;
  for (TControl* sibling : parent_->Controls()) {
    if (auto* radio = dynamic_cast<TRadioButton*>(sibling); radio && radio != this)
      radio->StoreChecked(false);
  }
}

void TRadioButton::WndProc(TMessage& message) {
  if (message.Msg == CN_BASE + WM_COMMAND) {
    if (HIWORD(message.WParam) == BN_CLICKED) {
      SetChecked(true);
      if (OnClick) OnClick(this);
    }
    return;
  }
  TWinControl::WndProc(message);
}

}  // namespace zentavo
