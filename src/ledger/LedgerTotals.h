#pragma once
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "ledger/LedgerEntry.h"

namespace zentavo {

// How one listed row counts in the totals. Both tests are made separately, as the main
// window makes them on its flow texts: a row can count as both (when the two flow texts
// are equal) or as neither (another flow).
struct TotalsFlow {
  bool income = false;
  bool outgo = false;
};

// The main window compares the flow text of a row with its msgFlowIncome and msgFlowOutgo
// texts, exactly and case-sensitively.
TotalsFlow ClassifyByFlowText(std::string_view flowText, std::string_view incomeText,
                              std::string_view outgoText);
// Without texts (ledgertool): the entry's flow itself.
TotalsFlow ClassifyByEntryFlow(const LedgerEntry& entry);

// The three sums of a period, in 64-bit floating point.
struct LedgerTotals {
  double total = 0;
  double income = 0;
  double outgo = 0;
};

// Sums amounts in the order they are added. Every amount text is converted with
// StrToFloat, also that of a row of neither flow, so an amount that is no number fails the
// whole sum with "'<text>' is not a valid floating point value". The sums are rounded to
// the most decimals any amount text has, so that adding two-decimal amounts in binary
// floating point cannot show noise such as "5.55111512312578E-17" where the total is 0.
class TotalsSum {
 public:
  void Add(std::string_view amountText, TotalsFlow flow);
  LedgerTotals Result() const;

 private:
  LedgerTotals sums_;
  int decimals_ = 0;
};

// The rows' totals through TotalsSum.
LedgerTotals SumTotals(std::span<const LedgerEntry> rows,
                       const std::function<TotalsFlow(const LedgerEntry&)>& classify);

// The totals line of the main window (UTF-8): "总计：" total "元  其中收入" income "元  支出"
// outgo "元", each number in general form. These words are fixed, not language texts.
std::string TotalsLine(const LedgerTotals& totals);

}  // namespace zentavo
