#include "ledger/EntryList.h"

#include <algorithm>
#include <array>
#include <utility>

namespace zentavo {

void EntryList::SetFlowTexts(std::string incomeText, std::string outgoText) {
  incomeText_ = std::move(incomeText);
  outgoText_ = std::move(outgoText);
}

void EntryList::Clear() {
  texts_.clear();
  rows_.clear();
  order_.clear();
}

void EntryList::Append(const LedgerEntry& entry) {
  StoredRow row;
  row.start = texts_.size();
  row.flow = entry.flow;
  const std::string* texts[] = {&entry.key, &entry.time, &entry.category, &entry.amount, &entry.note};
  for (size_t i = 0; i < row.lengths.size(); ++i) {
    row.lengths[i] = static_cast<std::uint32_t>(texts[i]->size());
    texts_ += *texts[i];
  }
  rows_.push_back(row);
}

std::string_view EntryList::TextOf(const StoredRow& row, Field field) const {
  std::size_t start = row.start;
  for (int i = 0; i < field; ++i) start += row.lengths[static_cast<size_t>(i)];
  return std::string_view(texts_).substr(start, row.lengths[static_cast<size_t>(field)]);
}

LedgerEntry EntryList::Row(int index) const {
  const StoredRow& row = rows_[order_.at(static_cast<size_t>(index))];
  return LedgerEntry{std::string(TextOf(row, kKey)),      std::string(TextOf(row, kTime)), row.flow,
                     std::string(TextOf(row, kCategory)), std::string(TextOf(row, kAmount)),
                     std::string(TextOf(row, kNote))};
}

namespace {

// The first eight bytes of a key text as a big-endian number, zero-padded: comparing
// these compares the texts byte by byte as far as they reach, so a million keys sort as
// integers and only ties of longer keys compare the texts.
std::uint64_t KeyPrefix(std::string_view key) {
  std::uint64_t prefix = 0;
  for (size_t i = 0; i < 8; ++i)
    prefix = (prefix << 8) | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
  return prefix;
}

}  // namespace

namespace {

using KeyedRow = std::pair<std::uint64_t, std::uint32_t>;  // key prefix, row index

// Stable least-significant-byte-first radix sort on the prefixes: eight counting passes
// instead of twenty comparisons per row, and a pass whose byte is the same in every row
// (most of them: key texts are digits or padding) is skipped.
void RadixSortByPrefix(std::vector<KeyedRow>& rows) {
  std::vector<KeyedRow> buffer(rows.size());
  for (int shift = 0; shift < 64; shift += 8) {
    std::array<std::size_t, 257> start{};
    for (const KeyedRow& row : rows) ++start[((row.first >> shift) & 0xFF) + 1];
    if (std::find(start.begin(), start.end(), rows.size()) != start.end()) continue;
    for (size_t i = 1; i < start.size(); ++i) start[i] += start[i - 1];
    for (const KeyedRow& row : rows) buffer[start[(row.first >> shift) & 0xFF]++] = row;
    rows.swap(buffer);
  }
}

}  // namespace

void EntryList::Sort() {
  std::vector<KeyedRow> keyed(rows_.size());
  for (size_t i = 0; i < rows_.size(); ++i)
    keyed[i] = {KeyPrefix(TextOf(rows_[i], kKey)), static_cast<std::uint32_t>(i)};
  RadixSortByPrefix(keyed);
  // Keys longer than the prefix may tie on it; only those runs compare whole texts.
  for (auto run = keyed.begin(); run != keyed.end();) {
    auto end = std::find_if(run, keyed.end(), [&](const KeyedRow& row) { return row.first != run->first; });
    if (end - run > 1) {
      std::stable_sort(run, end, [this](const KeyedRow& a, const KeyedRow& b) {
        return KeyTextLess(TextOf(rows_[a.second], kKey), TextOf(rows_[b.second], kKey));
      });
    }
    run = end;
  }
  order_.resize(keyed.size());
  for (size_t i = 0; i < keyed.size(); ++i) order_[i] = keyed[i].second;
}

const std::string& EntryList::FlowText(EntryFlow flow) const {
  if (flow == EntryFlow::Outgo) return outgoText_;
  if (flow == EntryFlow::Income) return incomeText_;
  return noText_;
}

std::string_view EntryList::Text(int index, int column) const {
  static constexpr Field kFields[] = {kKey, kTime, kKey, kCategory, kAmount, kNote};
  if (column < 0 || column >= kColumnCount || column == 2) return {};
  return TextOf(rows_[order_.at(static_cast<size_t>(index))], kFields[column]);
}

std::string EntryList::CellText(int index, int column) const {
  if (column == 2) return FlowText(Flow(index));
  return std::string(Text(index, column));
}

LedgerTotals EntryList::Totals() const {
  // Arrival order: the sums are the same up to binary noise, which SumTotals rounds away.
  TotalsSum sum;
  for (const StoredRow& row : rows_)
    sum.Add(TextOf(row, kAmount), ClassifyByFlowText(FlowText(row.flow), incomeText_, outgoText_));
  return sum.Result();
}

}  // namespace zentavo
