#include "ledger/EntryList.h"

namespace zentavo {

void EntryList::SetFlowTexts(std::string incomeText, std::string outgoText) {
  incomeText_ = std::move(incomeText);
  outgoText_ = std::move(outgoText);
}

void EntryList::Clear() {
  rows_.clear();
  order_.clear();
}

namespace {

// The first eight bytes of a key text as a big-endian number, zero-padded: comparing
// these compares the texts byte by byte as far as they reach, so a million keys sort as
// integers and only ties of longer keys compare the texts.
std::uint64_t KeyPrefix(const std::string& key) {
  std::uint64_t prefix = 0;
  for (size_t i = 0; i < 8; ++i)
    prefix = (prefix << 8) | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
  return prefix;
}

}  // namespace

void EntryList::Sort() {
  std::vector<std::pair<std::uint64_t, std::uint32_t>> keyed(rows_.size());
  for (size_t i = 0; i < rows_.size(); ++i) keyed[i] = {KeyPrefix(rows_[i].key), static_cast<std::uint32_t>(i)};
  std::stable_sort(keyed.begin(), keyed.end(), [this](const auto& a, const auto& b) {
    if (a.first != b.first) return a.first < b.first;
    return KeyTextLess(rows_[a.second], rows_[b.second]);
  });
  order_.resize(keyed.size());
  for (size_t i = 0; i < keyed.size(); ++i) order_[i] = keyed[i].second;
}

const std::string& EntryList::FlowText(const LedgerEntry& entry) const {
  if (entry.flow == EntryFlow::Outgo) return outgoText_;
  if (entry.flow == EntryFlow::Income) return incomeText_;
  return noText_;
}

std::string EntryList::CellText(int row, int column) const {
  const LedgerEntry& entry = Row(row);
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
  // Arrival order: the sums are the same up to binary noise, which SumTotals rounds away.
  return SumTotals(rows_, [this](const LedgerEntry& entry) {
    return ClassifyByFlowText(FlowText(entry), incomeText_, outgoText_);
  });
}

}  // namespace zentavo
