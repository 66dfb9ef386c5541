#pragma once
#include <string>

#include "core/Error.h"

namespace zentavo {

// A failed Win32 call: the given context followed by the system's text for the last
// error code, so the user sees why it failed.
class Win32Error : public Error {
 public:
  explicit Win32Error(const std::string& context);
  Win32Error(const std::string& context, unsigned long code);
};

std::string SystemErrorText(unsigned long code);

}  // namespace zentavo
