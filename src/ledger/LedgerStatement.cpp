#include "ledger/LedgerStatement.h"

#include "core/Format.h"
#include "core/Number.h"
#include "ledger/LedgerEntry.h"

namespace zentavo {
namespace {

// The statements' fixed texts: the ledger's own statements with each quoted value replaced
// by a parameter.
constexpr std::string_view kPeriodQuery = "Select * From MoneyLog Where MoneyLogTime>=? and MoneyLogTime <=?";
constexpr std::string_view kAddIncome =
    "Insert Into moneyLog(MoneyLogTime,MoneyLogFlow,IncomeType,MoneyLogNote,MoneyLogMoney,MoneyCurrency) "
    "Values(?,?,?,?,?,?)";
constexpr std::string_view kAddOutgo =
    "Insert Into moneyLog(MoneyLogTime,MoneyLogFlow,OutgoType,MoneyLogNote,MoneyLogMoney,MoneyCurrency) "
    "Values(?,?,?,?,?,?)";
constexpr std::string_view kChangeIncome =
    "UPDATE moneyLog set MoneyLogTime=?,IncomeType=?,MoneyLogNote=?,MoneyLogMoney=?,MoneyCurrency=? "
    "WHERE MoneyLogID=?";
constexpr std::string_view kChangeOutgo =
    "UPDATE moneyLog set MoneyLogTime=?,OutGoType=?,MoneyLogNote=?,MoneyLogMoney=?,MoneyCurrency=? "
    "WHERE MoneyLogID=?";
// Jet's "Delete * FROM" is not SQL that SQLite accepts; this is the same delete.
constexpr std::string_view kDeleteEntry = "DELETE FROM MoneyLog Where MoneyLogID=?";
constexpr std::string_view kEntryQuery = "Select * From MoneyLog Where MoneyLogID=?";
constexpr std::string_view kAllEntriesQuery = "Select * From MoneyLog";

LedgerStatement AddStatement(std::string_view text, EntryFlow flow, TDateTime date, TDateTime timeOfDay,
                             std::string_view category, std::string_view note, std::string_view amountText) {
  // The amount is converted first: a bad amount must fail before any value is used.
  const double amount = LedgerAmount(amountText);
  return {std::string(text),
          {EntryTimeText(date, timeOfDay), static_cast<std::int64_t>(flow), std::string(category),
           std::string(note), amount, std::string(kLedgerCurrency)}};
}

LedgerStatement ChangeStatement(std::string_view text, TDateTime date, TDateTime timeOfDay,
                                std::string_view category, std::string_view note, std::string_view amountText,
                                std::int64_t key) {
  const double amount = LedgerAmount(amountText);
  return {std::string(text),
          {EntryTimeText(date, timeOfDay), std::string(category), std::string(note), amount,
           std::string(kLedgerCurrency), key}};
}

}  // namespace

// The two-decimal text is read back, so the stored double is exactly the one its text
// names: 12.345 (binary 12.3449999…) is stored as 12.35, not 12.34.
double LedgerAmount(std::string_view amountText) {
  return StrToFloat(FormatAmount(StrToFloat(amountText)));
}

std::string EntryTimeText(TDateTime date, TDateTime timeOfDay) {
  return FormatDate(date) + " " + FormatTime(timeOfDay);
}

// Both bounds are cut to the second by FormatDateTime, so a stop of 23:59:59.999 takes in an
// entry written at 23:59:59.
LedgerStatement AllEntriesQuery() { return {std::string(kAllEntriesQuery), {}}; }

LedgerStatement PeriodQuery(const Period& period) {
  return {std::string(kPeriodQuery), {FormatDateTime(period.start), FormatDateTime(period.stop)}};
}

LedgerStatement AddIncomeStatement(TDateTime date, TDateTime timeOfDay, std::string_view category,
                                   std::string_view note, std::string_view amountText) {
  return AddStatement(kAddIncome, EntryFlow::Income, date, timeOfDay, category, note, amountText);
}

LedgerStatement AddOutgoStatement(TDateTime date, TDateTime timeOfDay, std::string_view category,
                                  std::string_view note, std::string_view amountText) {
  return AddStatement(kAddOutgo, EntryFlow::Outgo, date, timeOfDay, category, note, amountText);
}

LedgerStatement ChangeIncomeStatement(TDateTime date, TDateTime timeOfDay, std::string_view category,
                                      std::string_view note, std::string_view amountText, std::int64_t key) {
  return ChangeStatement(kChangeIncome, date, timeOfDay, category, note, amountText, key);
}

LedgerStatement ChangeOutgoStatement(TDateTime date, TDateTime timeOfDay, std::string_view category,
                                     std::string_view note, std::string_view amountText, std::int64_t key) {
  return ChangeStatement(kChangeOutgo, date, timeOfDay, category, note, amountText, key);
}

LedgerStatement DeleteEntryStatement(std::int64_t key) {
  return {std::string(kDeleteEntry), {key}};
}

LedgerStatement EntryQuery(std::int64_t key) {
  return {std::string(kEntryQuery), {key}};
}

}  // namespace zentavo
