#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "ledger/LedgerEntry.h"
#include "ledger/LedgerStatement.h"

namespace zentavo {

// Entries as comma-separated text for spreadsheet programs and other bookkeeping programs:
// UTF-8 with a byte-order mark, a header, then one record per entry with the columns time
// ("yyyy-mm-dd hh:nn:ss"), flow ("income" or "outgo"), category, amount (two decimals, a
// full stop) and note.

inline constexpr std::string_view kLedgerCsvHeader = "time,flow,category,amount,note";

// Entries in time order (equal times by key), so that exporting a ledger imported from an
// export gives the same bytes. A flow other than income and outgo is written as its number.
std::string LedgerCsvText(std::vector<LedgerEntry> entries);

// The inserts of the text's entries, in its order. Every record is checked before any
// statement is made; the first bad one fails with CsvError ("line N: reason"), where N is
// the line the record starts on. The header line is optional; blank lines are skipped.
std::vector<LedgerStatement> LedgerCsvInserts(std::string_view text);

// The whole of a file (UTF-8 path), or an Error naming it.
std::string ReadLedgerCsvFile(const std::string& path);
// Writes the file whole or not at all: the text goes beside it first and then takes its
// place, so a full disk never leaves half a file under the name.
void WriteLedgerCsvFile(const std::string& path, const std::string& text);

}  // namespace zentavo
