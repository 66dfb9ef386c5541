#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/Period.h"
#include "ledger/LedgerEntry.h"

namespace zentavo {

class LedgerStore;

// One day's totals: the day key and the whole-number income and outgo sums. The sums are
// 64-bit: a 32-bit sum would wrap round to a negative day after a few large amounts.
struct TDayData {
  std::string key;
  std::int64_t income = 0;
  std::int64_t outgo = 0;
};

// What the statistics window shows of each day (the index of its data-content box).
enum class DataContent : int { IncomeMinusOutgo = 0, Income = 1, Outgo = 2 };

// The day table of one query: one slot per day, opened by the first row of that day, so
// days keep the order in which they first appeared among the rows. (A slot per row, most
// of them left empty, would show the same days; only the opened ones are kept.) Finding a
// row's day goes through a hash of the keys: a million rows cost a million look-ups, not
// a comparison with every earlier slot each.
class DayTable {
 public:
  void Reset();
  // Adds a row's income and outgo to its day's slot, opening the slot for a new day.
  void AddToDay(std::string_view key, std::int64_t income, std::int64_t outgo);
  // Reads one ledger row: day key = the first ten characters of its time text; its amount,
  // rounded half to even, counts as income or outgo by its flow (other flows add 0 and 0).
  void AddEntry(const LedgerEntry& entry);

  const std::vector<TDayData>& Days() const { return days_; }

 private:
  std::vector<TDayData> days_;
  std::unordered_map<std::string, std::size_t> dayIndex_;  // key -> its slot in days_
  static constexpr std::size_t kNoDay = static_cast<std::size_t>(-1);
  std::size_t lastDay_ = kNoDay;  // the slot of the row before
};

// The whole number nearest to an amount, a tie going to the even neighbour (2.5 -> 2,
// 3.5 -> 4). An amount beyond the 64-bit range fails with a clear error.
std::int64_t RoundAmount(double amount);

// The value a day shows for a content index: income - outgo for 0 and any index that is no
// item (-1 when text was typed into the box), income for 1, outgo for 2.
double DayValue(const TDayData& day, int content);

// One chart point per day, in table order: its day key and value.
struct DayPoint {
  std::string label;
  double value = 0;
};
std::vector<DayPoint> DayPoints(const DayTable& table, int content);

// Runs the period query on `store` and fills `table` with its rows in delivery order.
// The table is emptied first, so a failure leaves it empty.
void QueryDays(LedgerStore& store, const Period& period, DayTable& table);

}  // namespace zentavo
