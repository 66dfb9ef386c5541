#include "app/win/WindowFade.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "framework/win/Application.h"

namespace zentavo {

namespace {

// About one screen refresh; the opacity follows the clock, so a late frame does not make
// the fade longer.
constexpr double kFrameMs = 1000.0 / 60.0;

void SetOpacity(HWND window, int alpha) {
  ::SetLayeredWindowAttributes(window, 0, static_cast<BYTE>(alpha), LWA_ALPHA);
}

// Our own fade: the window is layered and its opacity follows the clock.
void StepWindowOpacity(HWND window, int durationMs, TFadeDirection direction) {
  const bool fadingIn = direction == TFadeDirection::In;
  if (fadingIn == (::IsWindowVisible(window) != FALSE)) return;  // already where the fade would take it
  const LONG_PTR exStyle = ::GetWindowLongPtrW(window, GWL_EXSTYLE);
  if (!(exStyle & WS_EX_LAYERED)) ::SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
  SetOpacity(window, FadeAlpha(0, durationMs, direction));
  if (fadingIn) ::ShowWindow(window, SW_SHOWNA);

  using Clock = std::chrono::steady_clock;
  const Clock::time_point start = Clock::now();
  for (;;) {
    if (!::IsWindow(window)) return;  // gone while its messages were handled
    const double elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    SetOpacity(window, FadeAlpha(elapsed, durationMs, direction));
    Application().ProcessMessages();
    if (elapsed >= durationMs) break;
    const double wait = std::min(kFrameMs, durationMs - elapsed);
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::ceil(wait)), QS_ALLINPUT);
  }
  if (!::IsWindow(window)) return;
  if (!fadingIn) {
    ::ShowWindow(window, SW_HIDE);
    // Hidden, the window may be opaque again: shown later without a fade, it is seen.
    SetOpacity(window, 255);
  }
}

}  // namespace

bool SystemAnimationBlends() {
  static const bool blends = [] {
    HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return !ntdll || !::GetProcAddress(ntdll, "wine_get_version");
  }();
  return blends;
}

void FadeWindow(HWND window, int durationMs, TFadeDirection direction) {
  const bool fadingIn = direction == TFadeDirection::In;
  if (SystemAnimationBlends() && !(::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) &&
      ::AnimateWindow(window, static_cast<DWORD>(std::max(durationMs, 0)),
                      AW_BLEND | (fadingIn ? 0 : AW_HIDE)))
    return;
  StepWindowOpacity(window, durationMs, direction);
}

}  // namespace zentavo
