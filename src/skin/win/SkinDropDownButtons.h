#pragma once
#include <windows.h>

#include "framework/win/ComCtrls.h"
#include "framework/win/ExtCtrls.h"

namespace zentavo {

class TsuiSkinExtComboboxLikeControl;
class TsuiSkinDateTimePicker;

// The small windows that cover a control's native buttons with skinned ones. Each sits
// inside the control at its right edge and hands every press to the native button below,
// which still opens the drop-down or changes the value.

// The skinned drop-down button. Its owner is the engine; its parent the control it serves.
class TsuiSkinInternalComboButton : public TCustomPanel {
  ZENTAVO_CLASS(TsuiSkinInternalComboButton, TCustomPanel)
 public:
  TsuiSkinInternalComboButton(TComponent* owner, TsuiSkinExtComboboxLikeControl& ownerWrapper);
  ~TsuiSkinInternalComboButton() override;

  // The control it serves; none once the control or its wrapper has gone.
  TControl* Target() const;
  TsuiSkinExtComboboxLikeControl* OwnerWrapper() const { return ownerWrapper_; }
  // The wrapper lets go of the button before freeing it.
  void ForgetOwnerWrapper() { ownerWrapper_ = nullptr; }
  void Show(bool visible);
  // Draws the button now: the control below may have painted over it.
  void Repaint();

 protected:
  void WndProc(TMessage& message) override;
  void Paint(TCanvas& canvas) override;

 private:
  void DrawOn(HDC dc);
  TsuiSkinExtComboboxLikeControl* ownerWrapper_;
};

// The skinned spin buttons of a date-time picker: an up-down of the framework, owned by
// the picker and drawn like any wrapped up-down.
class TsuiSkinInternalUpDown : public TCustomUpDown {
  ZENTAVO_CLASS(TsuiSkinInternalUpDown, TCustomUpDown)
 public:
  TsuiSkinInternalUpDown(TComponent* owner, TsuiSkinDateTimePicker& ownerWrapper);
  ~TsuiSkinInternalUpDown() override;

  TControl* Target() const;
  TsuiSkinDateTimePicker* OwnerWrapper() const { return ownerWrapper_; }
  void ForgetOwnerWrapper() { ownerWrapper_ = nullptr; }
  void Show(bool visible);

 protected:
  void WndProc(TMessage& message) override;

 private:
  TsuiSkinDateTimePicker* ownerWrapper_;
};

}  // namespace zentavo
