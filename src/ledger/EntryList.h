#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ledger/LedgerEntry.h"
#include "ledger/LedgerTotals.h"

namespace zentavo {

// The rows of the main window's entry list in list order (key texts compared as strings)
// and the texts of their six columns: key, time, flow text, category, amount, note.
// The window's list view only asks it for cell texts, so a refill sorts once instead of
// re-sorting after every added row. The texts of all rows share one buffer: a million
// rows cost one allocation per buffer growth instead of one per text.
class EntryList {
 public:
  static constexpr int kColumnCount = 6;

  // The language's flow texts; column 2 shows them and the totals compare against them.
  void SetFlowTexts(std::string incomeText, std::string outgoText);
  const std::string& IncomeText() const { return incomeText_; }
  const std::string& OutgoText() const { return outgoText_; }

  void Clear();
  // Appends a row; call Sort once all rows are in.
  void Append(const LedgerEntry& entry);
  // Puts the rows in list order (stable, like sorting again after every added row).
  void Sort();

  int Count() const { return static_cast<int>(order_.size()); }
  // The row at a list position, as read from the ledger.
  LedgerEntry Row(int index) const;
  // Column 2: the income or outgo text, empty for any other flow.
  const std::string& FlowText(EntryFlow flow) const;
  std::string CellText(int row, int column) const;
  // A stored text of a row without a copy: columns 0, 1, 3, 4 and 5.
  std::string_view Text(int row, int column) const;
  EntryFlow Flow(int row) const { return rows_[order_.at(static_cast<size_t>(row))].flow; }

  // The totals of every listed row, counted by its flow text as shown.
  LedgerTotals Totals() const;

 private:
  // Where a row's five texts (key, time, category, amount, note) lie in texts_; they
  // follow each other, so only their lengths are kept.
  struct StoredRow {
    std::size_t start = 0;
    std::array<std::uint32_t, 5> lengths{};
    EntryFlow flow = EntryFlow::Outgo;
  };
  enum Field { kKey, kTime, kCategory, kAmount, kNote };
  std::string_view TextOf(const StoredRow& row, Field field) const;

  std::string texts_;
  std::vector<StoredRow> rows_;       // in the order they came
  std::vector<std::uint32_t> order_;  // list position -> index into rows_
  std::string incomeText_;
  std::string outgoText_;
  std::string noText_;
};

}  // namespace zentavo
