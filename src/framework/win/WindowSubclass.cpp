#include "framework/win/WindowSubclass.h"

#include <commctrl.h>

#include <utility>

#include "framework/win/Win32Error.h"

namespace zentavo {

namespace {
// Each token has its own id, so that two tokens on one window never replace each other.
UINT_PTR nextSubclassId = 1;
int attachedCount = 0;
}  // namespace

int WindowSubclass::AttachedCount() { return attachedCount; }

WindowSubclass::WindowSubclass(HWND window, Handler handler)
    : window_(window), handler_(std::move(handler)), id_(nextSubclassId++) {
  if (!SetWindowSubclass(window_, Procedure, id_, reinterpret_cast<DWORD_PTR>(this))) {
    window_ = nullptr;
    throw Win32Error("Cannot subclass the window");
  }
  ++attachedCount;
}

WindowSubclass::~WindowSubclass() { Detach(); }

void WindowSubclass::Detach() {
  if (!window_) return;
  RemoveWindowSubclass(window_, Procedure, id_);
  window_ = nullptr;
  --attachedCount;
}

void WindowSubclass::Default(TMessage& message) {
  if (passedOn_) *passedOn_ = true;
  message.Result = window_ ? DefSubclassProc(window_, message.Msg, message.WParam, message.LParam) : 0;
}

LRESULT CALLBACK WindowSubclass::Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR self) {
  auto& token = *reinterpret_cast<WindowSubclass*>(self);
  TMessage message{msg, wParam, lParam, 0};
  // Per call, since a handler's Default may bring nested messages back here.
  bool passedOn = false;
  bool* outer = std::exchange(token.passedOn_, &passedOn);
  bool failed = false;
  try {
    token.handler_(token, message);
  } catch (...) {
    // Unwinding through the window system is undefined; the message goes its usual way
    // unless the handler had passed it on already.
    failed = true;
  }
  token.passedOn_ = outer;
  LRESULT result = failed && !passedOn ? DefSubclassProc(window, msg, wParam, lParam) : message.Result;
  if (msg == WM_NCDESTROY) token.Detach();
  return result;
}

}  // namespace zentavo
