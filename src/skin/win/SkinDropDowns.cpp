#include "skin/win/SkinDropDowns.h"

#include <commctrl.h>

#include <utility>

#include "framework/win/Canvas.h"
#include "framework/win/DateTimePicker.h"
#include "framework/win/Font.h"
#include "framework/win/Handles.h"
#include "skin/Skin2Define.h"
#include "skin/win/SkinDropDownButtons.h"
#include "skin/win/SkinEngine.h"
#include "skin/win/SkinGuard.h"
#include "skin/win/SkinOutline.h"
#include "skin/win/SkinRegion.h"
#include "skin/win/SkinSystem.h"

namespace zentavo {

namespace {

// A simple combo box shows its list all the time and has no button to skin.
bool IsSimple(HWND combo) {
  return (::GetWindowLongW(combo, GWL_STYLE) & 3) == CBS_SIMPLE;
}

TDropDownColors SkinColors(const TsuiSkinEngine& engine, TColor inner) {
  return {static_cast<TColor>(ColorToRGB(engine.GetSkinColor(SKIN2_CONTROLBORDERCOLOR))),
          static_cast<TColor>(ColorToRGB(inner)),
          static_cast<TColor>(ColorToRGB(engine.GetSkinColor(SKIN2_CONTROLCOLOR)))};
}

// The combo box look copied onto `target` (its client area, or its whole window) where it
// covers, in one copy; the native text stays. While the list is dropped down, it is
// outlined in the border colour too.
void PaintComboLook(HWND target, bool wholeWindow, const RECT& client, const COMBOBOXINFO& info,
                    const TDropDownColors& colors, bool enabled, bool rightToLeft) {
  const TComboLook look = ComboLook(ToTRect(client), ToTRect(info.rcButton), rightToLeft);
  const TBitmap picture = ComposeComboLook(look, colors, enabled);
  {
    WindowDc dc(target, wholeWindow);
    if (dc.get()) {
      DcStateGuard state(dc.get());
      const RegionHandle area = CreateRegionFromRects(ComboLookArea(look));
      ::SelectClipRgn(dc.get(), area.get());
      DrawBitmap(dc.get(), 0, 0, picture);
    }
  }
  // On the list's own window rather than on the screen: the same pixels, but nothing is
  // drawn over windows that lie above the list.
  if (info.hwndList && ::IsWindowVisible(info.hwndList))
    FrameWindowOutline(info.hwndList, colors.border, 0, false);
}

bool ComboInfo(HWND combo, COMBOBOXINFO& info) {
  info = COMBOBOXINFO{};
  info.cbSize = sizeof(info);
  return combo && SafeGetComboBoxInfo(combo, &info);
}

void BringToFront(TWinControl& control) {
  if (control.HandleAllocated())
    ::SetWindowPos(control.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// Makes a button window of the wrapper's inside the control, along its right edge and in
// front of the native parts. An error on the way frees it again and gives none: the native
// button then stays.
template <class T, class Wrapper>
T* MakeButtonWindow(TComponent& owner, Wrapper& wrapper, TWinControl& control, bool visible) {
  T* window = nullptr;
  try {
    window = &owner.Make<T>(wrapper);
    window->SetParent(&control);
    window->SetAlign(TAlign::alRight);
    window->Show(visible);
    BringToFront(*window);
    return window;
  } catch (...) {
    if (window) {
      window->ForgetOwnerWrapper();
      Guarded([&] { owner.FreeComponent(window); });
    }
    return nullptr;
  }
}

}  // namespace

// ---- TsuiSkinComboBox -----------------------------------------------------------------

void TsuiSkinComboBox::Paint() {
  const TControl* control = Control();
  HWND window = GetHandle();
  COMBOBOXINFO info;
  if (!control || !ComboInfo(window, info) || IsSimple(window)) return;
  RECT client;
  ::GetClientRect(window, &client);
  PaintComboLook(window, false, client, info, SkinColors(Engine(), control->Color()), control->Enabled(),
                 ReadsRightToLeft(window));
}

// ---- TsuiSkinComboBoxEx ---------------------------------------------------------------

void TsuiSkinComboBoxEx::AfterMessage(TMessage& message) {
  TsuiSkinControlVCL::AfterMessage(message);
  // The inner combo box draws its item through its parent, after its button and edge.
  if (message.Msg == WM_DRAWITEM) Repaint();
}

void TsuiSkinComboBoxEx::Paint() {
  const TControl* control = Control();
  HWND window = GetHandle();
  if (!control || !window) return;
  HWND inner = reinterpret_cast<HWND>(::SendMessageW(window, CBEM_GETCOMBOCONTROL, 0, 0));
  COMBOBOXINFO info;
  if (!ComboInfo(inner, info) || IsSimple(inner)) return;
  RECT client;
  ::GetClientRect(window, &client);
  PaintComboLook(inner, true, client, info, SkinColors(Engine(), control->Color()), control->Enabled(),
                 ReadsRightToLeft(window));
}

// ---- TsuiSkinExtComboboxLikeControl ---------------------------------------------------

TsuiSkinExtComboboxLikeControl::~TsuiSkinExtComboboxLikeControl() {
  FreeComboButton();
}

TDropDownColors TsuiSkinExtComboboxLikeControl::DropDownColors() const {
  const TControl* control = Control();
  return SkinColors(Engine(), control ? control->Color() : Engine().GetSkinColor(SKIN2_CONTROLCOLOR));
}

bool TsuiSkinExtComboboxLikeControl::ControlGoing() const {
  const TControl* control = Control();
  return !control || control->HasState(csDestroying);
}

void TsuiSkinExtComboboxLikeControl::Initialize() {
  TsuiSkinBorderWinControl::Initialize();
  comboButton_ = nullptr;
  auto* control = dynamic_cast<TWinControl*>(Control());
  if (!control || control->HasState(csDesigning)) return;
  comboButton_ = MakeButtonWindow<TsuiSkinInternalComboButton>(Engine(), *this, *control, true);
}

void TsuiSkinExtComboboxLikeControl::Detach() {
  TsuiSkinBorderWinControl::Detach();
  FreeComboButton();
}

void TsuiSkinExtComboboxLikeControl::FreeComboButton() {
  TsuiSkinInternalComboButton* button = std::exchange(comboButton_, nullptr);
  if (!button) return;
  button->ForgetOwnerWrapper();
  Guarded([&] { Engine().FreeComponent(button); });
}

void TsuiSkinExtComboboxLikeControl::ComboButtonGone(const TsuiSkinInternalComboButton& button) {
  if (comboButton_ == &button) comboButton_ = nullptr;
}

void TsuiSkinExtComboboxLikeControl::SkinChanged() {
  TsuiSkinBorderWinControl::SkinChanged();
  if (comboButton_) comboButton_->Show(Engine().IsSkinning() && UsesComboButton());
}

void TsuiSkinExtComboboxLikeControl::AfterMessage(TMessage& message) {
  TsuiSkinBorderWinControl::AfterMessage(message);
  switch (message.Msg) {
    case CM_VISIBLECHANGED:
      if (const TControl* control = Control(); comboButton_ && control)
        comboButton_->Show(control->Visible() && UsesComboButton());
      break;
    case WM_DESTROY:
      // The button goes with a control that is being freed; one that only makes its window
      // anew keeps it as a child.
      if (ControlGoing()) FreeComboButton();
      break;
    default:
      break;
  }
}

void TsuiSkinExtComboboxLikeControl::Paint() {
  TsuiSkinBorderWinControl::Paint();
  if (comboButton_ && GetHandle()) comboButton_->Repaint();
}

// ---- TsuiSkinDateTimePicker -----------------------------------------------------------

TsuiSkinDateTimePicker::~TsuiSkinDateTimePicker() {
  FreeSpinButtons();
}

bool TsuiSkinDateTimePicker::UsesComboButton() const {
  const auto* picker = dynamic_cast<const TDateTimePicker*>(Control());
  return picker && picker->UsesDropDown();
}

HWND TsuiSkinDateTimePicker::NativeSpinButtons() const {
  HWND window = GetHandle();
  return window ? ::FindWindowExW(window, nullptr, UPDOWN_CLASSW, nullptr) : nullptr;
}

void TsuiSkinDateTimePicker::Initialize() {
  TsuiSkinExtComboboxLikeControl::Initialize();
  spinButtons_ = nullptr;
  auto* picker = dynamic_cast<TDateTimePicker*>(Control());
  if (!picker || picker->HasState(csDesigning)) return;
  if (ComboButton()) ComboButton()->Show(UsesComboButton());
  if (picker->Tag == kNoSpinButtonsTag) return;
  // Shown by the picker's kind, not by whether the drop-down button could be made: spin
  // buttons over a drop-down button would leave no way to the calendar.
  spinButtons_ = MakeButtonWindow<TsuiSkinInternalUpDown>(*picker, *this, *picker, !UsesComboButton());
}

void TsuiSkinDateTimePicker::Detach() {
  TsuiSkinExtComboboxLikeControl::Detach();
  FreeSpinButtons();
}

void TsuiSkinDateTimePicker::FreeSpinButtons() {
  TsuiSkinInternalUpDown* spin = std::exchange(spinButtons_, nullptr);
  if (!spin) return;
  spin->ForgetOwnerWrapper();
  if (ControlGoing()) return;  // the picker frees what it owns
  // The picker lives on without the skin: its own spin buttons come back.
  if (HWND native = NativeSpinButtons()) ::ShowWindow(native, SW_SHOW);
  Guarded([&] { spin->Owner()->FreeComponent(spin); });
}

void TsuiSkinDateTimePicker::SpinButtonsGone(const TsuiSkinInternalUpDown& spinButtons) {
  if (spinButtons_ == &spinButtons) spinButtons_ = nullptr;
}

void TsuiSkinDateTimePicker::SkinChanged() {
  TsuiSkinExtComboboxLikeControl::SkinChanged();
  ApplySpinButtons();
}

void TsuiSkinDateTimePicker::AfterMessage(TMessage& message) {
  TsuiSkinExtComboboxLikeControl::AfterMessage(message);
  // A picker wrapped before its window was made (or making it anew) has native spin
  // buttons the last skin change did not see.
  if (message.Msg == WM_CREATE) ApplySpinButtons();
}

void TsuiSkinDateTimePicker::ApplySpinButtons() {
  if (!spinButtons_) return;
  const bool skinning = Engine().IsSkinning();
  spinButtons_->Show(skinning && !UsesComboButton());
  if (skinning) BringToFront(*spinButtons_);
  if (HWND native = NativeSpinButtons()) ::ShowWindow(native, skinning ? SW_HIDE : SW_SHOW);
}

}  // namespace zentavo
