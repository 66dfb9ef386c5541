#include "report/DayTable.h"

#include <cfenv>
#include <cmath>

#include "core/Error.h"
#include "core/Format.h"
#include "core/Number.h"
#include "ledger/LedgerStatement.h"
#include "ledger/LedgerStore.h"

namespace zentavo {

void DayTable::Reset() {
  days_.clear();
  dayIndex_.clear();
  lastDay_ = kNoDay;
}

void DayTable::AddToDay(std::string_view key, std::int64_t income, std::int64_t outgo) {
  // Period queries deliver rows in time order, so a row mostly belongs to the day before.
  if (lastDay_ == kNoDay || days_[lastDay_].key != key) {
    auto [slot, added] = dayIndex_.try_emplace(std::string(key), days_.size());
    if (added) days_.push_back(TDayData{std::string(key), 0, 0});
    lastDay_ = slot->second;
  }
  TDayData& day = days_[lastDay_];
  day.income += income;
  day.outgo += outgo;
}

void DayTable::AddEntry(const LedgerEntry& entry) {
  // The list shows the amount as text; the statistics read that text back as a number.
  const std::int64_t amount = RoundAmount(StrToFloat(entry.amount));
  const std::string_view day = std::string_view(entry.time).substr(0, 10);
  switch (entry.flow) {
    case EntryFlow::Income:
      AddToDay(day, amount, 0);
      break;
    case EntryFlow::Outgo:
      AddToDay(day, 0, amount);
      break;
    default:
      AddToDay(day, 0, 0);
  }
}

std::int64_t RoundAmount(double amount) {
  // 2^63: beyond it no 64-bit integer holds the amount.
  if (!(std::fabs(amount) < 9223372036854775808.0)) {
    throw Error(Format("The amount %s is too large to be summed", {FormatGeneral(amount)}));
  }
  // nearbyint rounds in the current mode, which is to nearest with ties to even.
  return static_cast<std::int64_t>(std::nearbyint(amount));
}

double DayValue(const TDayData& day, int content) {
  switch (static_cast<DataContent>(content)) {
    case DataContent::Income:
      return static_cast<double>(day.income);
    case DataContent::Outgo:
      return static_cast<double>(day.outgo);
    default:
      return static_cast<double>(day.income - day.outgo);
  }
}

std::vector<DayPoint> DayPoints(const DayTable& table, int content) {
  std::vector<DayPoint> points;
  points.reserve(table.Days().size());
  for (const TDayData& day : table.Days()) points.push_back(DayPoint{day.key, DayValue(day, content)});
  return points;
}

void QueryDays(LedgerStore& store, const Period& period, DayTable& table) {
  table.Reset();
  try {
    store.LoadEntryAmounts(PeriodQuery(period), [&table](const LedgerEntry& entry) { table.AddEntry(entry); });
  } catch (...) {
    table.Reset();
    throw;
  }
}

}  // namespace zentavo
