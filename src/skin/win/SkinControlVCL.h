#pragma once
#include <windows.h>

#include <memory>

#include "framework/win/Control.h"
#include "skin/win/SkinControl.h"

namespace zentavo {

// The wrapper of a framework control: it replaces the control's WindowProc by its own and
// chains to the one it saved.
//
// Either side may go first. The procedure placed in the control holds the link and the
// saved procedure; the wrapper only watches that procedure's life. When the wrapper goes,
// the link is cleared (messages then go straight to the saved procedure) and, if the
// control still holds the wrapper's procedure and restoring is wanted, the saved one is
// put back. When the control goes first its procedure dies with it, and the wrapper never
// touches the control again.
class TsuiSkinControlVCL : public TsuiSkinControl {
 public:
  TsuiSkinControlVCL(TControl& control, TsuiSkinWindow& window);
  ~TsuiSkinControlVCL() override;

  // The control, or nullptr once the control has gone or no longer holds the wrapper's
  // procedure.
  TControl* Control() const;
  // False: when the wrapper goes the control keeps a procedure that passes every message
  // straight to the saved one, instead of getting the saved one back.
  void SetRestoresProcedure(bool restores) { restoresProcedure_ = restores; }
  bool RestoresProcedure() const { return restoresProcedure_; }

  RECT GetControlRect() const override;
  HWND GetHandle() const override;
  bool GetEnabled() const override;

 protected:
  // The message through the control's own procedure (the one the wrapper saved).
  void CallSaved(TMessage& message) { (*saved_)(message); }
  bool PassesOn() const override;
  void ReleaseControl() override;
  void PaintWindowlessChildren(HDC dc) override;

 private:
  class TProcedure;

  TControl* control_;
  std::shared_ptr<TWndMethod> saved_;
  std::weak_ptr<void> installed_;  // alive while the control holds the wrapper's procedure
  bool restoresProcedure_ = true;
};

}  // namespace zentavo
