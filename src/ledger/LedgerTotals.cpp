#include "ledger/LedgerTotals.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/Number.h"

namespace zentavo {

TotalsFlow ClassifyByFlowText(std::string_view flowText, std::string_view incomeText,
                              std::string_view outgoText) {
  return {flowText == incomeText, flowText == outgoText};
}

TotalsFlow ClassifyByEntryFlow(const LedgerEntry& entry) {
  return {entry.flow == EntryFlow::Income, entry.flow == EntryFlow::Outgo};
}

namespace {

constexpr int kMaxTotalDecimals = 15;

// The most decimals a total can need: those of its most precise amount text (the program
// writes two). Texts in exponent form ("1E-6") count by their value's position.
int AmountDecimals(std::string_view text) {
  const std::size_t point = text.find('.');
  const std::size_t exponent = text.find_first_of("Ee");
  int decimals = 0;
  if (point != std::string_view::npos) {
    decimals = static_cast<int>(std::min(exponent, text.size()) - point - 1);
  }
  if (exponent != std::string_view::npos) {
    int power = 0;
    const char* begin = text.data() + exponent + 1;
    if (begin < text.data() + text.size() && *begin == '+') ++begin;
    std::from_chars(begin, text.data() + text.size(), power);
    decimals -= std::clamp(power, -kMaxTotalDecimals, kMaxTotalDecimals);
  }
  return std::clamp(decimals, 0, kMaxTotalDecimals);
}

// Rounds away the binary noise of the sum (0.1 + 0.2 - 0.3 is 5.55E-17 in doubles, which
// the general form would show), keeping every decimal the amounts themselves have.
double RoundToAmountDecimals(double sum, int decimals) {
  return StrToFloat(FormatFixed(sum, decimals));
}

}  // namespace

void TotalsSum::Add(std::string_view amountText, TotalsFlow flow) {
  const double amount = StrToFloat(amountText);
  decimals_ = std::max(decimals_, AmountDecimals(amountText));
  if (flow.income) {
    sums_.total += amount;
    sums_.income += amount;
  }
  if (flow.outgo) {
    sums_.total -= amount;
    sums_.outgo += amount;
  }
}

LedgerTotals TotalsSum::Result() const {
  LedgerTotals totals = sums_;
  if (!std::isfinite(totals.total) || !std::isfinite(totals.income) || !std::isfinite(totals.outgo)) {
    return totals;
  }
  totals.total = RoundToAmountDecimals(totals.total, decimals_);
  totals.income = RoundToAmountDecimals(totals.income, decimals_);
  totals.outgo = RoundToAmountDecimals(totals.outgo, decimals_);
  return totals;
}

LedgerTotals SumTotals(std::span<const LedgerEntry> rows,
                       const std::function<TotalsFlow(const LedgerEntry&)>& classify) {
  TotalsSum sum;
  for (const LedgerEntry& row : rows) sum.Add(row.amount, classify(row));
  return sum.Result();
}

std::string TotalsLine(const LedgerTotals& totals) {
  return "总计：" + FormatGeneral(totals.total) + "元  其中收入" + FormatGeneral(totals.income) + "元  支出" +
         FormatGeneral(totals.outgo) + "元";
}

}  // namespace zentavo
