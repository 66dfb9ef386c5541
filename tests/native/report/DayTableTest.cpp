#include <gtest/gtest.h>

#include "core/Error.h"
#include "ledger/LedgerStatement.h"
#include "ledger/LedgerStore.h"
#include "native/ledger/LedgerTestFolder.h"
#include "report/DayTable.h"

using namespace zentavo;

namespace {

class DayTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateLedger(path_);
    store_.ConnectLedger(path_);
  }
  void Add(bool income, const char* when, const char* amount) {
    const TDateTime at = ParseDateTime(when);
    store_.ExecuteLedgerCommand(income ? AddIncomeStatement(at, at, "c", "", amount)
                                       : AddOutgoStatement(at, at, "c", "", amount));
  }
  std::vector<double> Values(const Period& period, int content) {
    QueryDays(store_, period, table_);
    std::vector<double> values;
    for (const DayPoint& point : DayPoints(table_, content)) values.push_back(point.value);
    return values;
  }
  std::vector<std::string> Labels() {
    std::vector<std::string> labels;
    for (const DayPoint& point : DayPoints(table_, 0)) labels.push_back(point.label);
    return labels;
  }

  LedgerTestFolder folder_;
  std::string path_ = folder_.File("money.mdb");
  LedgerStore store_;
  DayTable table_;
  const Period all_{ParseDateTime("1900-01-01 00:00:00"), ParseDateTime("3000-01-01 00:00:00")};
};

TEST_F(DayTableTest, OnePointPerDayForEachContent) {
  Add(true, "2024-03-05 09:00:00", "100");
  Add(false, "2024-03-05 12:00:00", "30");
  Add(false, "2024-03-05 19:00:00", "20");
  Add(true, "2024-03-07 10:00:00", "50");
  EXPECT_EQ(Values(all_, 0), (std::vector<double>{50, 50}));
  EXPECT_EQ(Labels(), (std::vector<std::string>{"2024-03-05", "2024-03-07"}));
  EXPECT_EQ(Values(all_, 1), (std::vector<double>{100, 50}));
  EXPECT_EQ(Values(all_, 2), (std::vector<double>{50, 0}));
  // No item selected (text typed into the box): income minus outgo.
  EXPECT_EQ(Values(all_, -1), (std::vector<double>{50, 50}));
}

TEST_F(DayTableTest, AmountsAreRoundedHalfToEvenBeforeTheyAreSummed) {
  Add(false, "2024-03-05 09:00:00", "2.5");
  Add(false, "2024-03-05 10:00:00", "2.5");
  Add(true, "2024-03-06 10:00:00", "0.4");
  Add(true, "2024-03-07 10:00:00", "3.5");
  EXPECT_EQ(Values(all_, 2), (std::vector<double>{4, 0, 0}));
  EXPECT_EQ(Values(all_, 1), (std::vector<double>{0, 0, 4}));
  EXPECT_EQ(RoundAmount(-2.5), -2);
  EXPECT_EQ(RoundAmount(-3.5), -4);
  EXPECT_THROW(RoundAmount(1e19), Error);
}

TEST_F(DayTableTest, DaysKeepTheOrderOfTheirFirstRowAndOtherFlowsCountZero) {
  // Rows arrive in time order through the period index; a day of other flows still counts.
  Add(true, "2024-03-07 10:00:00", "7");
  Add(true, "2024-03-05 10:00:00", "5");
  store_.ExecuteLedgerCommand(LedgerStatement{
      "Insert Into moneyLog(MoneyLogTime,MoneyLogFlow,MoneyLogNote,MoneyLogMoney,MoneyCurrency) "
      "Values('2024-03-06 10:00:00',5,'',99,'RMB')",
      {}});
  EXPECT_EQ(Values(all_, 1), (std::vector<double>{5, 0, 7}));
  EXPECT_EQ(Labels(), (std::vector<std::string>{"2024-03-05", "2024-03-06", "2024-03-07"}));
}

TEST_F(DayTableTest, EachQueryReplacesTheWholeTable) {
  Add(true, "2024-03-05 10:00:00", "5");
  Add(true, "2024-04-05 10:00:00", "6");
  EXPECT_EQ(Values(all_, 1).size(), 2u);
  const Period april{ParseDateTime("2024-04-01 00:00:00"), ParseDateTime("2024-04-30 23:59:59")};
  EXPECT_EQ(Values(april, 1), (std::vector<double>{6}));
  EXPECT_EQ(Labels(), (std::vector<std::string>{"2024-04-05"}));
  const Period empty{ParseDateTime("2025-01-01 00:00:00"), ParseDateTime("2025-01-31 23:59:59")};
  EXPECT_TRUE(Values(empty, 0).empty());
}

TEST_F(DayTableTest, ABadRowFailsTheQueryAndLeavesTheTableEmpty) {
  Add(true, "2024-03-05 10:00:00", "5");
  store_.ExecuteLedgerCommand(LedgerStatement{
      "Insert Into moneyLog(MoneyLogTime,MoneyLogFlow,MoneyLogNote,MoneyLogMoney,MoneyCurrency) "
      "Values('2024-03-06 10:00:00',1,'','a lot','RMB')",
      {}});
  EXPECT_THROW(QueryDays(store_, all_, table_), Error);
  EXPECT_TRUE(table_.Days().empty());
}

TEST(DayTable, SumsAreWideEnoughForLargeDays) {
  DayTable table;
  for (int i = 0; i < 3; ++i) table.AddToDay("2024-03-05", 2000000000, 0);
  ASSERT_EQ(table.Days().size(), 1u);
  EXPECT_EQ(DayValue(table.Days()[0], 1), 6e9);
}

}  // namespace
