#pragma once
#include <stdexcept>
#include <string>

namespace zentavo {

// An operation failure. The message is the English text the user sees in the standard
// error display, so it is written for people, not for logs.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace zentavo
