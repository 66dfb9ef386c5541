#include "framework/win/Timer.h"

#include <map>

#include "framework/win/Application.h"

namespace zentavo {

namespace {
// Thread timers carry no pointer of their own: the running ones by id.
std::map<UINT_PTR, TTimer*>& RunningTimers() {
  static std::map<UINT_PTR, TTimer*> timers;
  return timers;
}
}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) { Restart(); }

TTimer::~TTimer() {
  enabled_ = false;
  Restart();
}

void TTimer::SetInterval(unsigned milliseconds) {
  if (milliseconds == interval_) return;
  interval_ = milliseconds;
  Restart();
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Restart();
}

void TTimer::Restart() {
  if (id_) {
    KillTimer(nullptr, id_);
    RunningTimers().erase(id_);
    id_ = 0;
  }
  if (!enabled_ || interval_ == 0 || HasState(csDestroying)) return;
  id_ = SetTimer(nullptr, 0, interval_, Tick);
  if (id_) RunningTimers()[id_] = this;
}

void CALLBACK TTimer::Tick(HWND, UINT, UINT_PTR id, DWORD) {
  auto found = RunningTimers().find(id);
  if (found == RunningTimers().end()) return;
  TTimer* timer = found->second;
  try {
    if (timer->OnTimer) timer->OnTimer(timer);
  } catch (...) {
    Application().HandleException(std::current_exception());
  }
}

}  // namespace zentavo
