#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zentavo {

// Direction of an entry, the column MoneyLogFlow. A row written by another program may hold
// any other integer; such a value is kept as it is (it has neither flow text nor category).
enum class EntryFlow : int { Outgo = 0, Income = 1 };

// One row of the table moneyLog as the program handles it. Every field is text as the list
// shows it, except the flow.
struct LedgerEntry {
  std::string key;   // MoneyLogID as decimal text, e.g. "17"
  std::string time;  // MoneyLogTime as stored: "yyyy-mm-dd hh:nn:ss"
  EntryFlow flow = EntryFlow::Outgo;
  std::string category;  // IncomeType for income, OutgoType for outgo, else empty
  std::string amount;    // MoneyLogMoney in general form (FormatGeneral): "12.5", "100"
  std::string note;      // MoneyLogNote
};

// The integer value of a key text, as the list's column 0 is read before a change or a
// delete. Fails with "'<text>' is not a valid integer value".
std::int64_t EntryKeyFromText(std::string_view text);

// The list order: key texts compared as strings, so "1" < "10" < "11" < "2" < "9". Keys
// are digit strings, for which byte order and the system's locale comparison agree.
bool KeyTextLess(std::string_view a, std::string_view b);
inline bool KeyTextLess(const LedgerEntry& a, const LedgerEntry& b) { return KeyTextLess(a.key, b.key); }

// Sorts into the list order; equal keys keep their relative order. O(n log n) once for a
// whole result, instead of re-sorting after every added row.
void SortEntriesByKeyText(std::vector<LedgerEntry>& entries);

}  // namespace zentavo
