#pragma once
#include <string>

namespace zentavo {

// Start at log-on: one string value named after the program under the system-wide run
// key, holding the executable's full path. Its presence is the state, whatever its data.
inline constexpr const char* kAutoRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\run";
inline constexpr const char* kAutoRunValue = "Zentavo";

// Off when the key cannot be opened with full access.
bool IsAutoRun();
// Does nothing when the key cannot be opened with full access (it is never created); a
// refused write fails with "Failed to set data for 'Zentavo'"; a failed delete is silent.
void SetAutoRun(bool on);
std::string ExecutablePath();

}  // namespace zentavo
