#pragma once
#include <windows.h>

#include <string>

namespace zentavo {

// True when the caption marks this character as its accelerator ("&Save" for S or s); a
// doubled ampersand is a literal one.
bool IsAccelerator(WPARAM character, const std::string& caption);

}  // namespace zentavo
