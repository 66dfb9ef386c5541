#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/DateTime.h"
#include "core/Period.h"

namespace zentavo {

// A value bound to one "?" of a statement: Null, an integer, a number or a text.
using LedgerValue = std::variant<std::nullptr_t, std::int64_t, double, std::string>;

// One statement against the ledger: a fixed SQL text whose values are bound as parameters,
// never spliced into the text, so quotes and percent signs in notes are stored exactly.
struct LedgerStatement {
  std::string text;
  std::vector<LedgerValue> values;  // in the order of the "?" in the text
};

// The currency every entry is written with.
inline constexpr std::string_view kLedgerCurrency = "RMB";

// The amount as it is stored: the amount text read as a number (failing with "'<text>' is
// not a valid floating point value"), rounded to two decimals half away from zero on its
// written digits (12.345 gives 12.35).
double LedgerAmount(std::string_view amountText);

// The time text an entry is written with, "yyyy-mm-dd hh:nn:ss": the day of `date` and the
// time of day of `timeOfDay` (the editor's two pickers; one full instant may be passed as
// both).
std::string EntryTimeText(TDateTime date, TDateTime timeOfDay);

// The period query: entries whose time lies within the period, both ends included to the
// second. Rows come in the database's order; the list orders them itself.
LedgerStatement PeriodQuery(const Period& period);
// Every entry, whatever its time text holds (an export of the whole ledger).
LedgerStatement AllEntriesQuery();

// The inserts of a new entry. `amountText` is converted by LedgerAmount, so a bad amount
// fails here, before anything is run.
LedgerStatement AddIncomeStatement(TDateTime date, TDateTime timeOfDay, std::string_view category,
                                   std::string_view note, std::string_view amountText);
LedgerStatement AddOutgoStatement(TDateTime date, TDateTime timeOfDay, std::string_view category,
                                  std::string_view note, std::string_view amountText);

// The changes of an existing entry: time, category, note, amount and currency; never the
// flow, so the statement must match the entry's own flow.
LedgerStatement ChangeIncomeStatement(TDateTime date, TDateTime timeOfDay, std::string_view category,
                                      std::string_view note, std::string_view amountText, std::int64_t key);
LedgerStatement ChangeOutgoStatement(TDateTime date, TDateTime timeOfDay, std::string_view category,
                                     std::string_view note, std::string_view amountText, std::int64_t key);

LedgerStatement DeleteEntryStatement(std::int64_t key);

// One entry by its key, read like the period query's rows (used where a caller must learn
// an entry's flow before changing it).
LedgerStatement EntryQuery(std::int64_t key);

}  // namespace zentavo
