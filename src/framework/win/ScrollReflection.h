#pragma once
#include <memory>

#include "framework/win/Control.h"
#include "framework/win/WindowSubclass.h"

namespace zentavo {

// Scroll bars, track bars and up-down controls report moves to their parent window with
// WM_HSCROLL / WM_VSCROLL (lParam = their own window). This hands those messages to the
// control itself as CN_BASE + the message, the way WM_COMMAND and WM_NOTIFY reach the
// child that sent them, whatever kind of window the parent is.
class ScrollReflection {
 public:
  // Watches the parent of the control's window; call once the window exists.
  void Attach(TWinControl& control);
  void Detach() { subclass_.reset(); }

 private:
  std::unique_ptr<WindowSubclass> subclass_;
};

}  // namespace zentavo
