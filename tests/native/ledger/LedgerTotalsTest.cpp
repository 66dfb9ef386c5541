#include <gtest/gtest.h>

#include "core/Error.h"
#include "ledger/LedgerEntry.h"
#include "ledger/LedgerTotals.h"

using namespace zentavo;

namespace {

LedgerEntry Row(const char* key, EntryFlow flow, const char* amount) {
  LedgerEntry entry;
  entry.key = key;
  entry.flow = flow;
  entry.amount = amount;
  return entry;
}

std::vector<std::string> Keys(const std::vector<LedgerEntry>& entries) {
  std::vector<std::string> keys;
  for (const LedgerEntry& entry : entries) keys.push_back(entry.key);
  return keys;
}

}  // namespace

TEST(LedgerTotalsTest, TheTotalsLineOfTheMainWindow) {
  const std::vector<LedgerEntry> rows = {Row("1", EntryFlow::Income, "100"), Row("2", EntryFlow::Outgo, "30"),
                                         Row("3", EntryFlow::Income, "20.5")};
  const LedgerTotals totals = SumTotals(rows, ClassifyByEntryFlow);
  EXPECT_EQ(totals.total, 90.5);
  EXPECT_EQ(totals.income, 120.5);
  EXPECT_EQ(totals.outgo, 30);
  EXPECT_EQ(TotalsLine(totals), "总计：90.5元  其中收入120.5元  支出30元");
  EXPECT_EQ(TotalsLine(SumTotals({}, ClassifyByEntryFlow)), "总计：0元  其中收入0元  支出0元");
  // Cents add up without binary noise in the text.
  const std::vector<LedgerEntry> cents = {Row("1", EntryFlow::Income, "0.1"),
                                          Row("2", EntryFlow::Income, "0.2"),
                                          Row("3", EntryFlow::Outgo, "0.3")};
  EXPECT_EQ(TotalsLine(SumTotals(cents, ClassifyByEntryFlow)), "总计：0元  其中收入0.3元  支出0.3元");
}

TEST(LedgerTotalsTest, RowsCountByTheirFlowTextAsTheWindowComparesIt) {
  std::vector<LedgerEntry> rows = {Row("1", EntryFlow::Income, "10"), Row("2", EntryFlow::Outgo, "4"),
                                   Row("3", static_cast<EntryFlow>(7), "1000")};
  // The window shows flow texts; a row of another flow has an empty text and counts nowhere.
  const auto byText = [](std::string_view income, std::string_view outgo) {
    return [=](const LedgerEntry& entry) {
      const std::string_view text = entry.flow == EntryFlow::Income  ? income
                                    : entry.flow == EntryFlow::Outgo ? outgo
                                                                     : std::string_view();
      return ClassifyByFlowText(text, income, outgo);
    };
  };
  EXPECT_EQ(TotalsLine(SumTotals(rows, byText("Income", "Outgo"))), "总计：6元  其中收入10元  支出4元");
  // Comparison is exact: "income" is not "Income".
  EXPECT_FALSE(ClassifyByFlowText("income", "Income", "Outgo").income);
  // Two equal flow texts (both missing from a language file) count every row both ways.
  EXPECT_EQ(TotalsLine(SumTotals(rows, byText("", ""))), "总计：0元  其中收入1014元  支出1014元");
}

TEST(LedgerTotalsTest, AnAmountThatIsNoNumberFailsTheTotals) {
  const std::vector<LedgerEntry> rows = {Row("1", EntryFlow::Income, "10"),
                                         Row("2", static_cast<EntryFlow>(3), "ten")};
  try {
    SumTotals(rows, ClassifyByEntryFlow);
    FAIL() << "no error";
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(), "'ten' is not a valid floating point value");
  }
}

TEST(LedgerOrderTest, KeysSortAsTextsAndEqualKeysKeepTheirOrder) {
  std::vector<LedgerEntry> rows = {Row("9", EntryFlow::Income, "a"), Row("11", EntryFlow::Income, "1"),
                                   Row("2", EntryFlow::Income, "1"), Row("10", EntryFlow::Income, "1"),
                                   Row("1", EntryFlow::Income, "1"), Row("9", EntryFlow::Income, "b")};
  SortEntriesByKeyText(rows);
  EXPECT_EQ(Keys(rows), (std::vector<std::string>{"1", "10", "11", "2", "9", "9"}));
  EXPECT_EQ(rows[4].amount, "a");
  EXPECT_EQ(rows[5].amount, "b");
}

TEST(LedgerOrderTest, KeyTextsAreReadStrictly) {
  EXPECT_EQ(EntryKeyFromText("17"), 17);
  EXPECT_EQ(EntryKeyFromText("+5"), 5);
  EXPECT_EQ(EntryKeyFromText("9223372036854775807"), INT64_MAX);
  for (const char* bad : {"", "1x", " 1", "+-1", "9223372036854775808", "0x10"}) {
    try {
      EntryKeyFromText(bad);
      ADD_FAILURE() << bad;
    } catch (const Error& error) {
      EXPECT_EQ(error.what(), std::string("'") + bad + "' is not a valid integer value");
    }
  }
}
