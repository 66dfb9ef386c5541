#include "app/win/StartupClock.h"

#include <windows.h>

namespace zentavo {

namespace {
double splashMilliseconds = 0;

double FileTimeMilliseconds(const FILETIME& time) {
  ULARGE_INTEGER value;
  value.LowPart = time.dwLowDateTime;
  value.HighPart = time.dwHighDateTime;
  return static_cast<double>(value.QuadPart) / 10000.0;  // 100-nanosecond units
}
}  // namespace

double MillisecondsSinceProcessStart() {
  FILETIME created{}, exited{}, kernel{}, user{}, now{};
  if (!::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
  ::GetSystemTimeAsFileTime(&now);
  return FileTimeMilliseconds(now) - FileTimeMilliseconds(created);
}

void NoteSplashTime(double milliseconds) { splashMilliseconds += milliseconds; }

double SplashMilliseconds() { return splashMilliseconds; }

}  // namespace zentavo
