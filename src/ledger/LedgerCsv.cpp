#include "ledger/LedgerCsv.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/DateTime.h"
#include "core/Format.h"
#include "core/Number.h"
#include "core/Text.h"
#include "ledger/CsvText.h"
#include "ledger/LedgerDatabase.h"

namespace zentavo {

namespace {

constexpr size_t kColumns = 5;

std::string FlowText(EntryFlow flow) {
  switch (flow) {
    case EntryFlow::Income:
      return "income";
    case EntryFlow::Outgo:
      return "outgo";
  }
  return std::to_string(static_cast<int>(flow));
}

bool IsHeader(const CsvRecord& record) {
  return record.line == 1 && !record.fields.empty() && SameText(record.fields[0], "time");
}

bool IsBlank(const CsvRecord& record) { return record.fields.size() == 1 && record.fields[0].empty(); }

LedgerStatement InsertOf(const CsvRecord& record) {
  const auto fail = [&](const std::string& reason) { throw CsvError(record.line, reason); };
  if (record.fields.size() != kColumns)
    fail("expected 5 fields (time, flow, category, amount, note), found " + std::to_string(record.fields.size()));
  const std::string& time = record.fields[0];
  const std::string& flow = record.fields[1];
  const std::string& category = record.fields[2];
  const std::string& amount = record.fields[3];
  const std::string& note = record.fields[4];
  TDateTime when = 0;
  try {
    when = ParseDateTime(time);
  } catch (const Error&) {
    fail("'" + time + "' is not a time of the form yyyy-mm-dd hh:nn:ss");
  }
  const bool income = SameText(flow, "income");
  if (!income && !SameText(flow, "outgo")) fail("the flow '" + flow + "' is neither income nor outgo");
  try {
    LedgerAmount(amount);
  } catch (const Error&) {
    fail("'" + amount + "' is not an amount");
  }
  return income ? AddIncomeStatement(when, when, category, note, amount)
                          : AddOutgoStatement(when, when, category, note, amount);
}

}  // namespace

std::string LedgerCsvText(std::vector<LedgerEntry> entries) {
  std::stable_sort(entries.begin(), entries.end(), [](const LedgerEntry& a, const LedgerEntry& b) {
    if (a.time != b.time) return a.time < b.time;
    if (a.key.size() != b.key.size()) return a.key.size() < b.key.size();  // keys are digit strings
    return a.key < b.key;
  });
  std::string text(kUtf8ByteOrderMark);
  text += kLedgerCsvHeader;
  text += "\r\n";
  for (const LedgerEntry& entry : entries)
    AppendCsvRecord(text, {entry.time, FlowText(entry.flow), entry.category,
                           FormatFixed(StrToFloat(entry.amount), 2), entry.note});
  return text;
}

std::vector<LedgerStatement> LedgerCsvInserts(std::string_view text) {
  std::vector<LedgerStatement> inserts;
  CsvReader reader(text);
  CsvRecord record;
  while (reader.Next(record)) {
    if (IsHeader(record) || IsBlank(record)) continue;
    inserts.push_back(InsertOf(record));
  }
  return inserts;
}

std::string ReadLedgerCsvFile(const std::string& path) {
  std::ifstream in(LedgerFilePath(path), std::ios::binary);
  if (!in) throw Error(Format("The file '%s' cannot be read", {path}));
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw Error(Format("The file '%s' cannot be read", {path}));
  return text;
}

void WriteLedgerCsvFile(const std::string& path, const std::string& text) {
  const std::filesystem::path target = LedgerFilePath(path);
  const std::filesystem::path beside = LedgerFilePath(path + ".writing");
  std::error_code error;
  {
    std::ofstream out(beside, std::ios::binary | std::ios::trunc);
    if (out) out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    if (!out) {
      out.close();
      std::filesystem::remove(beside, error);
      throw Error(Format("The file '%s' cannot be written", {path}));
    }
  }
  std::filesystem::rename(beside, target, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(beside, ignored);
    throw Error(Format("The file '%s' cannot be written (%s)", {path, error.message()}));
  }
}

}  // namespace zentavo
