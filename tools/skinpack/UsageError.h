#pragma once
#include <string>

namespace zentavo {

// A command line the tool cannot run: reported with the usage text and exit code 3.
struct UsageError {
  std::string message;
};

}  // namespace zentavo
