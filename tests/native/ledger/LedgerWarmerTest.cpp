#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <thread>

#include "LedgerTestFolder.h"
#include "core/Error.h"
#include "core/Period.h"
#include "ledger/LedgerDatabase.h"
#include "ledger/LedgerStore.h"
#include "ledger/LedgerWarmer.h"

using namespace zentavo;

namespace {

const Period kAll = MainPeriodPreset(7, EncodeDateTime(2024, 3, 5, 12));
// Small slices, so that a few thousand entries take many of them.
constexpr std::chrono::microseconds kTinyBudget{1};

class LedgerWarmerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateLedger(path_);
    store_.ConnectLedger(path_);
  }

  // `count` entries, one a minute from `first` (or all at `first` when `sameTime`), then a
  // fresh connection, whose cache holds nothing yet.
  void Seed(int count, bool sameTime = false, TDateTime first = EncodeDateTime(2020, 1, 1)) {
    store_.ExecuteLedgerCommand({"BEGIN", {}});
    for (int i = 0; i < count; ++i) {
      const TDateTime at = sameTime ? first : first + i / 1440.0;
      store_.ExecuteLedgerCommand(AddOutgoStatement(at, at, "Food", "lunch number " + std::to_string(i), "12.5"));
    }
    store_.ExecuteLedgerCommand({"COMMIT", {}});
    store_.ConnectLedger(path_);
  }

  // Steps until the warming ends; false when it did not within `maxSteps`.
  bool WarmToTheEnd(LedgerWarmer& warmer, int maxSteps = 100000) {
    for (int i = 0; i < maxSteps; ++i) {
      if (!warmer.Step(kTinyBudget)) return true;
    }
    return false;
  }

  std::size_t CountAll() { return store_.LoadEntries(PeriodQuery(kAll)).size(); }

  LedgerTestFolder folder_;
  std::string path_ = folder_.File("money.mdb");
  LedgerStore store_;
};

}  // namespace

TEST_F(LedgerWarmerTest, AWarmedLedgerAnswersTheAllQueryWithoutReadingTheFile) {
  Seed(6000);
  // The measure can tell: a cold connection reads pages for the same query.
  EXPECT_EQ(CountAll(), 6000u);
  EXPECT_GT(store_.CacheUse().misses, 10);

  store_.ConnectLedger(path_);
  LedgerWarmer warmer(store_);
  EXPECT_TRUE(warmer.Step(kTinyBudget));
  EXPECT_FALSE(warmer.Finished());
  ASSERT_TRUE(WarmToTheEnd(warmer));
  EXPECT_TRUE(warmer.Finished());
  EXPECT_FALSE(warmer.Step(kTinyBudget));
  const LedgerCacheUse warmed = store_.CacheUse();
  EXPECT_GT(warmed.bytes, 0);
  EXPECT_EQ(CountAll(), 6000u);
  EXPECT_EQ(store_.CacheUse().misses, warmed.misses);
}

TEST_F(LedgerWarmerTest, AnEmptyOrTinyLedgerIsWarmedInOneStep) {
  LedgerWarmer empty(store_);
  EXPECT_FALSE(empty.Step(kTinyBudget));
  EXPECT_TRUE(empty.Finished());

  Seed(3);
  LedgerWarmer tiny(store_);
  EXPECT_FALSE(tiny.Step(kTinyBudget));
  EXPECT_EQ(CountAll(), 3u);
}

TEST_F(LedgerWarmerTest, QueriesAndWritesBetweenSlicesSeeTheLedgerAsItIs) {
  Seed(5000);
  LedgerWarmer warmer(store_);
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(warmer.Step(kTinyBudget));

  // This connection writes before and behind the slices' position.
  store_.ExecuteLedgerCommand(AddIncomeStatement(EncodeDateTime(2019, 6, 1), EncodeDateTime(2019, 6, 1), "Salary",
                                                 "early", "100"));
  store_.ExecuteLedgerCommand(AddIncomeStatement(EncodeDateTime(2030, 6, 1), EncodeDateTime(2030, 6, 1), "Salary",
                                                 "late", "100"));
  EXPECT_EQ(CountAll(), 5002u);
  ASSERT_TRUE(warmer.Step(kTinyBudget));

  // Another connection (another program) writes between two slices: no lock is left for it
  // to wait for, and the cached pages do not hide its row.
  {
    LedgerStore other;
    other.ConnectLedger(path_, std::chrono::milliseconds(0));
    other.ExecuteLedgerCommand(AddOutgoStatement(EncodeDateTime(2020, 1, 2), EncodeDateTime(2020, 1, 2), "Food",
                                                 "from elsewhere", "1"));
    other.ExecuteLedgerCommand(DeleteEntryStatement(1));
  }
  ASSERT_TRUE(WarmToTheEnd(warmer));
  const std::vector<LedgerEntry> entries = store_.LoadEntries(PeriodQuery(kAll));
  EXPECT_EQ(entries.size(), 5002u);
  int fromElsewhere = 0, first = 0;
  for (const LedgerEntry& entry : entries) {
    fromElsewhere += entry.note == "from elsewhere";
    first += entry.key == "1";
  }
  EXPECT_EQ(fromElsewhere, 1);
  EXPECT_EQ(first, 0);

  // And after the warming, a write from elsewhere still shows.
  LedgerStore other;
  other.ConnectLedger(path_, std::chrono::milliseconds(0));
  other.ExecuteLedgerCommand(DeleteEntryStatement(2));
  EXPECT_EQ(CountAll(), 5001u);
}

TEST_F(LedgerWarmerTest, AClosedLedgerEndsTheWarming) {
  Seed(3000);
  LedgerWarmer warmer(store_);
  ASSERT_TRUE(warmer.Step(kTinyBudget));
  store_.DisconnectLedger();
  EXPECT_FALSE(warmer.Step(kTinyBudget));
  EXPECT_TRUE(warmer.Finished());
  // Reconnected, the ended warming stays ended; a new one starts over.
  store_.ConnectLedger(path_);
  EXPECT_FALSE(warmer.Step(kTinyBudget));
  LedgerWarmer again(store_);
  EXPECT_TRUE(again.Step(kTinyBudget));
}

TEST_F(LedgerWarmerTest, ARunOfOneTimeLongerThanASliceIsPassedOver) {
  Seed(4000, true);
  // Entries after the run, written after it and so on pages of their own at the end.
  const TDateTime later = EncodeDateTime(2021, 5, 1);
  store_.ExecuteLedgerCommand({"BEGIN", {}});
  for (int i = 0; i < 500; ++i)
    store_.ExecuteLedgerCommand(AddOutgoStatement(later + i / 1440.0, later, "Food", "after the run", "1"));
  store_.ExecuteLedgerCommand({"COMMIT", {}});
  store_.ConnectLedger(path_);

  LedgerWarmer warmer(store_);
  ASSERT_TRUE(WarmToTheEnd(warmer, 1000));
  const std::int64_t misses = store_.CacheUse().misses;
  EXPECT_EQ(store_.LoadEntries(PeriodQuery(Period{later, later + 1})).size(), 500u);
  EXPECT_EQ(store_.CacheUse().misses, misses);
}

TEST_F(LedgerWarmerTest, ALockedLedgerEndsTheWarmingAndQueriesStillWaitForTheLock) {
  Seed(3000);
  store_.ConnectLedger(path_, std::chrono::milliseconds(5000));
  LedgerWarmer warmer(store_);
  ASSERT_TRUE(warmer.Step(kTinyBudget));
  SqliteDatabase holder = OpenLedgerDatabase(path_, SQLITE_OPEN_READWRITE);
  ExecuteLedgerSql(holder.get(), path_, "BEGIN EXCLUSIVE");
  EXPECT_FALSE(warmer.Step(kTinyBudget));
  EXPECT_TRUE(warmer.Finished());

  // The user's query waits for the lock as before: released while it waits, it succeeds.
  std::thread release([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    ExecuteLedgerSql(holder.get(), path_, "COMMIT");
  });
  std::size_t count = 0;
  EXPECT_NO_THROW(count = CountAll());
  release.join();
  EXPECT_EQ(count, 3000u);
}

TEST_F(LedgerWarmerTest, AnIndexLargerThanTheCacheIsWarmedOnlyUntilTheCacheIsNearlyFull) {
  Seed(20000);
  // A cache of 32 pages of 16 KiB holds a fraction of the index of 20,000 entries.
  store_.ExecuteLedgerCommand({"PRAGMA cache_size=-512", {}});
  LedgerWarmer warmer(store_);
  ASSERT_TRUE(WarmToTheEnd(warmer));
  EXPECT_GE(store_.CacheUse().bytes, 512 * 1024 / 10 * 9);
  // The end of the index was left unread rather than read into a cache that drops it again.
  const std::int64_t misses = store_.CacheUse().misses;
  const TDateTime lastDay = EncodeDateTime(2020, 1, 1) + 19999 / 1440.0 - 1;
  EXPECT_GT(store_.LoadEntries(PeriodQuery(Period{lastDay, lastDay + 2})).size(), 0u);
  EXPECT_GT(store_.CacheUse().misses, misses);
}

TEST(LedgerStoreQueryRow, GivesTheFirstRowAsPlainValuesOrNothing) {
  LedgerTestFolder folder;
  const std::string path = folder.File("money.mdb");
  CreateLedger(path);
  LedgerStore store;
  store.ConnectLedger(path);
  const auto row = store.QueryRow({"Select 7, 2.5, 'text', Null, x'41', ?", {std::string("bound")}});
  ASSERT_TRUE(row.has_value());
  ASSERT_EQ(row->size(), 6u);
  EXPECT_EQ(std::get<std::int64_t>((*row)[0]), 7);
  EXPECT_EQ(std::get<double>((*row)[1]), 2.5);
  EXPECT_EQ(std::get<std::string>((*row)[2]), "text");
  EXPECT_TRUE(std::holds_alternative<std::nullptr_t>((*row)[3]));
  EXPECT_EQ(std::get<std::string>((*row)[4]), "A");
  EXPECT_EQ(std::get<std::string>((*row)[5]), "bound");
  EXPECT_FALSE(store.QueryRow({"Select 1 From MoneyLog", {}}).has_value());
  EXPECT_THROW(store.QueryRow({"Select nonsense From MoneyLog", {}}), Error);
  store.DisconnectLedger();
  EXPECT_THROW(store.QueryRow({"Select 1", {}}), Error);
  EXPECT_EQ(store.CacheUse().bytes, 0);
}
