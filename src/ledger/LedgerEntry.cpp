#include "ledger/LedgerEntry.h"

#include <algorithm>
#include <charconv>
#include <system_error>

#include "core/Error.h"
#include "core/Format.h"

namespace zentavo {

// Strict: a sign and digits only, within 64 bits. A key that does not fit is refused
// rather than wrapped, since a wrapped key could name another row.
std::int64_t EntryKeyFromText(std::string_view text) {
  std::string_view digits = text;
  if (digits.size() > 1 && digits[0] == '+' && digits[1] != '-') digits.remove_prefix(1);
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
    throw Error(Format("'%s' is not a valid integer value", {text}));
  }
  return value;
}

bool KeyTextLess(std::string_view a, std::string_view b) { return a < b; }

void SortEntriesByKeyText(std::vector<LedgerEntry>& entries) {
  std::stable_sort(entries.begin(), entries.end(),
                   [](const LedgerEntry& a, const LedgerEntry& b) { return KeyTextLess(a, b); });
}

}  // namespace zentavo
