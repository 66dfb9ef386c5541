#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "framework/win/WindowSubclass.h"
#include "skin/win/SkinControl.h"

namespace zentavo {

// The wrapper of a child window of a foreign window (a control of a system dialog). It
// subclasses the window for its life; when it goes the window gets its procedure back, if
// the window still exists. A window destroyed first lets go of the subclass by itself.
class TsuiSkinControlWnd : public TsuiSkinControl {
 public:
  // Throws when the window cannot be subclassed.
  TsuiSkinControlWnd(HWND handle, TsuiSkinWindow& window);
  ~TsuiSkinControlWnd() override;

  // The window, or nullptr once it has been destroyed or let go.
  HWND Handle() const;
  int WindowWidth() const;
  int WindowHeight() const;
  std::string WindowText() const;

  RECT GetControlRect() const override;
  HWND GetHandle() const override { return Handle(); }
  bool GetEnabled() const override;

 protected:
  void ReleaseControl() override;
  // The message through the window's own procedure, below the wrapper's subclass; from
  // inside one of the window's messages.
  void CallSaved(TMessage& message) {
    if (subclass_) subclass_->Default(message);
  }

 private:
  std::unique_ptr<WindowSubclass> subclass_;
};

}  // namespace zentavo
