#pragma once
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "core/DateTime.h"

namespace zentavo {

// Exit codes of ledgertool.
inline constexpr int kToolSuccess = 0;
inline constexpr int kToolFailure = 1;  // the operation failed; the message is on stderr
inline constexpr int kToolUsage = 2;    // the command line was wrong; the usage is on stderr

// Runs one ledgertool command. `args` are the arguments after the program name, in UTF-8;
// `now` gives the local time when a command needs it. Results go to `out`, errors and the
// usage text to `err`.
int RunLedgerTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  const std::function<TDateTime()>& now);

}  // namespace zentavo
