#include <gtest/gtest.h>

#include <random>

#include "core/Error.h"
#include "ledger/EntryList.h"

using namespace zentavo;

namespace {

LedgerEntry Entry(std::string key, EntryFlow flow, std::string amount, std::string category = "c") {
  return LedgerEntry{std::move(key),      "2024-03-05 10:00:00", flow,
                     std::move(category), std::move(amount),     "n"};
}

}  // namespace

TEST(EntryList, ListsInKeyTextOrderWithFlowTexts) {
  EntryList list;
  list.SetFlowTexts("Income", "Outgo");
  for (const char* key : {"9", "1", "11", "2", "10"}) list.Append(Entry(key, EntryFlow::Income, "1"));
  list.Append(Entry("3", static_cast<EntryFlow>(7), "1", ""));
  list.Sort();
  std::vector<std::string> keys;
  for (int i = 0; i < list.Count(); ++i) keys.push_back(list.CellText(i, 0));
  EXPECT_EQ(keys, (std::vector<std::string>{"1", "10", "11", "2", "3", "9"}));
  EXPECT_EQ(list.CellText(0, 2), "Income");
  EXPECT_EQ(list.CellText(4, 2), "");  // another flow has no flow text
  EXPECT_EQ(list.CellText(0, 1), "2024-03-05 10:00:00");
  EXPECT_EQ(list.CellText(0, 5), "n");
}

TEST(EntryList, TotalsCountRowsByTheirShownFlowText) {
  EntryList list;
  list.SetFlowTexts("Income", "Outgo");
  list.Append(Entry("1", EntryFlow::Income, "100"));
  list.Append(Entry("2", EntryFlow::Income, "20.5"));
  list.Append(Entry("3", EntryFlow::Outgo, "30"));
  list.Append(Entry("4", static_cast<EntryFlow>(2), "1000"));
  EXPECT_EQ(TotalsLine(list.Totals()), "总计：90.5元  其中收入120.5元  支出30元");

  // With both flow texts empty (no language file) every row, the other flow's included,
  // shows the empty text and so counts as income and as outgo.
  list.SetFlowTexts("", "");
  LedgerTotals both = list.Totals();
  EXPECT_EQ(both.income, 1150.5);
  EXPECT_EQ(both.outgo, 1150.5);
  EXPECT_EQ(both.total, 0);
}

TEST(EntryList, EmptyListTotalsAreZeroAndBadAmountsFail) {
  EntryList list;
  EXPECT_EQ(TotalsLine(list.Totals()), "总计：0元  其中收入0元  支出0元");
  list.Append(Entry("1", EntryFlow::Income, "abc"));
  EXPECT_THROW(list.Totals(), Error);
}

TEST(EntryList, LongKeysStillSortAsTexts) {
  EntryList list;
  for (const char* key : {"1234567890", "99999999", "123456789", "12345678", "100000000", "123456780"})
    list.Append(Entry(key, EntryFlow::Outgo, "1"));
  list.Sort();
  std::vector<std::string> keys;
  for (int i = 0; i < list.Count(); ++i) keys.push_back(list.Row(i).key);
  EXPECT_EQ(keys, (std::vector<std::string>{"100000000", "12345678", "123456780", "123456789", "1234567890",
                                            "99999999"}));
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

// The list order is a stable sort of the arrival order by key text, whatever the keys'
// lengths; equal keys (rows of another program's table) keep their arrival order.
TEST(EntryList, OrderEqualsAStableTextSortOfTheArrivalOrder) {
  std::mt19937 random(11);
  std::uniform_int_distribution<int> digits(1, 12);
  std::uniform_int_distribution<int> digit(0, 9);
  std::vector<LedgerEntry> arrived;
  EntryList list;
  for (int i = 0; i < 5000; ++i) {
    std::string key;
    if (i % 7 == 0 && !arrived.empty()) {
      key = arrived[static_cast<size_t>(i / 2)].key;  // a repeated key
    } else {
      for (int d = digits(random); d > 0; --d) key += static_cast<char>('0' + digit(random));
    }
    arrived.push_back(Entry(key, EntryFlow::Income, "1", std::to_string(i)));
    list.Append(arrived.back());
  }
  list.Sort();
  SortEntriesByKeyText(arrived);
  ASSERT_EQ(list.Count(), static_cast<int>(arrived.size()));
  for (int i = 0; i < list.Count(); ++i) {
    ASSERT_EQ(list.Row(i).key, arrived[static_cast<size_t>(i)].key) << i;
    ASSERT_EQ(list.Row(i).category, arrived[static_cast<size_t>(i)].category) << i;
  }
}
