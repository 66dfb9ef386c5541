#pragma once
#include <windows.h>

#include <functional>

#include "framework/win/Message.h"

namespace zentavo {

// Subclasses a window the framework did not make (a dialog, a native child, a list
// view's header) for the token's life. Several tokens may sit on one window: the one
// installed last sees a message first, and any of them may go first without cutting out
// the others. The token lets go at WM_NCDESTROY by itself. Errors of the handler end at
// the token: the message then takes the default path.
class WindowSubclass {
 public:
  // The handler decides every message: it calls Default for the procedures below it, or
  // sets message.Result and returns.
  using Handler = std::function<void(WindowSubclass& token, TMessage& message)>;

  WindowSubclass(HWND window, Handler handler);
  ~WindowSubclass();
  WindowSubclass(const WindowSubclass&) = delete;
  WindowSubclass& operator=(const WindowSubclass&) = delete;

  // Passes the message to the procedures below this one.
  void Default(TMessage& message);
  // The window, or nullptr once the token let go of it.
  HWND Window() const { return window_; }
  // Lets go of the window now; the destructor does it too. Not from inside the handler's
  // own message: defer that to the message loop.
  void Detach();
  // Windows held by a token right now, over all tokens: what is left subclassed.
  static int AttachedCount();

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                    DWORD_PTR self);
  HWND window_;
  Handler handler_;
  UINT_PTR id_;
  bool* passedOn_ = nullptr;  // the current call's "Default was called"
};

}  // namespace zentavo
