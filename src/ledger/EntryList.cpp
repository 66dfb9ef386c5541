#include "ledger/EntryList.h"

namespace zentavo {

void EntryList::SetFlowTexts(std::string incomeText, std::string outgoText) {
  incomeText_ = std::move(incomeText);
  outgoText_ = std::move(outgoText);
}

void EntryList::Sort() { SortEntriesByKeyText(rows_); }

const std::string& EntryList::FlowText(const LedgerEntry& entry) const {
  if (entry.flow == EntryFlow::Outgo) return outgoText_;
  if (entry.flow == EntryFlow::Income) return incomeText_;
  return noText_;
}

std::string EntryList::CellText(int row, int column) const {
  const LedgerEntry& entry = rows_.at(row);
  switch (column) {
    case 0: return entry.key;
    case 1: return entry.time;
    case 2: return FlowText(entry);
    case 3: return entry.category;
    case 4: return entry.amount;
    case 5: return entry.note;
    default: return {};
  }
}

LedgerTotals EntryList::Totals() const {
  return SumTotals(rows_, [this](const LedgerEntry& entry) {
    return ClassifyByFlowText(FlowText(entry), incomeText_, outgoText_);
  });
}

}  // namespace zentavo
