#pragma once
#include <windows.h>

#include "framework/win/Control.h"

namespace zentavo {

// Runs OnTimer every Interval milliseconds while Enabled, through the thread's message
// loop (modal loops included, as a message box's). Errors of OnTimer reach the
// application's error display.
class TTimer : public TComponent {
  ZENTAVO_CLASS(TTimer, TComponent)
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned milliseconds);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  TNotifyEvent OnTimer;

 private:
  void Restart();
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);
  unsigned interval_ = 1000;
  bool enabled_ = true;
  UINT_PTR id_ = 0;
};

}  // namespace zentavo
