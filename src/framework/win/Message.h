#pragma once
#include <windows.h>

namespace zentavo {

// One message as it flows through a control's WindowProc; handlers set Result.
struct TMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result;
};

// The framework's own notifications, sent through WindowProc like window messages so
// that a replaced WindowProc (a skin wrapper) sees them too.
enum : UINT {
  CM_BASE = 0xB000,
  CM_ACTIVATE = CM_BASE + 0,
  CM_DEACTIVATE = CM_BASE + 1,
  // A dialog key (Enter, Esc) that the focused control does not want, sent to its form;
  // the form offers it to every control until one answers non-zero.
  CM_DIALOGKEY = CM_BASE + 2,
  CM_ENABLEDCHANGED = CM_BASE + 3,
  CM_COLORCHANGED = CM_BASE + 4,
  CM_FONTCHANGED = CM_BASE + 5,
  // A character that may be a control's accelerator (Alt held, or the focused control
  // takes no characters); offered like CM_DIALOGKEY.
  CM_DIALOGCHAR = CM_BASE + 6,
  CM_VISIBLECHANGED = CM_BASE + 9,
  CM_PARENTCOLORCHANGED = CM_BASE + 10,
  CM_MOUSEENTER = CM_BASE + 19,
  CM_MOUSELEAVE = CM_BASE + 20,
  CM_TEXTCHANGED = CM_BASE + 18,
  CM_RECREATEWND = CM_BASE + 36,
  CM_RELEASE = CM_BASE + 33,
  CM_GOTFOCUS = CM_BASE + 44,
  CM_LOSTFOCUS = CM_BASE + 45,
};

}  // namespace zentavo

namespace zentavo {
// Reflected control notifications: a parent's WM_COMMAND / WM_NOTIFY arrives at the
// child that sent it as CN_BASE + the message.
constexpr UINT CN_BASE = 0xBC00;
// Key messages offered to the focused framework control before they are dispatched; a
// non-zero result means the control's path handled the key.
constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;
constexpr UINT CN_SYSCHAR = CN_BASE + WM_SYSCHAR;

// Framework notifications never reach a native window procedure.
constexpr bool IsFrameworkMessage(UINT msg) {
  return (msg >= CM_BASE && msg < CM_BASE + 0x100) || (msg >= CN_BASE && msg < CN_BASE + 0x400);
}
}  // namespace zentavo
