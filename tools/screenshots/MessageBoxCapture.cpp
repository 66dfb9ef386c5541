#include "MessageBoxCapture.h"

#include <exception>

#include "core/Error.h"
#include "framework/win/WindowCapture.h"

namespace zentavo {

namespace {

// A thread timer carries no data of its own: the one capture under way is kept here.
struct PendingCapture {
  HWND owner = nullptr;
  int answer = IDCANCEL;
  UINT_PTR timer = 0;
  int ticksLeft = 0;
  bool taken = false;
  TBitmap picture;
  std::exception_ptr error;  // of the capture, raised again once the box has closed
};
PendingCapture* pending = nullptr;

constexpr UINT kTickMs = 250;
constexpr int kTicks = 40;  // ten seconds for the box to appear

// The visible dialog-class window of this thread that `owner` owns; any owner when null.
HWND FindOpenBox(HWND owner) {
  struct Search {
    HWND owner;
    HWND found;
  } search{owner, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(window) ||
            (s.owner && GetWindow(window, GW_OWNER) != s.owner))
          return TRUE;
        s.found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (!pending) return;
  PendingCapture& capture = *pending;
  HWND box = FindOpenBox(capture.owner);
  if (!box && --capture.ticksLeft > 0) return;
  // Stopped before capturing: the capture runs the message loop, which would tick again.
  KillTimer(nullptr, capture.timer);
  capture.timer = 0;
  if (!box) {
    // A box of another owner would keep the caller waiting for ever: it is answered
    // unseen, and the caller reports that no box came.
    if (HWND other = FindOpenBox(nullptr))
      PostMessageW(other, WM_COMMAND, MAKEWPARAM(capture.answer, BN_CLICKED), 0);
    return;
  }
  // Nothing may leave a timer callback; the box is answered whatever happens.
  try {
    capture.picture = CaptureWindow(box);
    capture.taken = true;
  } catch (...) {
    capture.error = std::current_exception();
  }
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(capture.answer, BN_CLICKED), 0);
}

}  // namespace

TBitmap CaptureMessageBox(HWND owner, const std::function<void()>& open, int answer) {
  PendingCapture capture;
  capture.owner = owner;
  capture.answer = answer;
  capture.ticksLeft = kTicks;
  struct Stop {
    PendingCapture& capture;
    ~Stop() {
      if (capture.timer) KillTimer(nullptr, capture.timer);
      pending = nullptr;
    }
  } stop{capture};
  pending = &capture;
  capture.timer = SetTimer(nullptr, 0, kTickMs, Tick);
  open();
  if (capture.error) std::rethrow_exception(capture.error);
  if (!capture.taken) throw Error("no message box opened");
  return std::move(capture.picture);
}

}  // namespace zentavo
