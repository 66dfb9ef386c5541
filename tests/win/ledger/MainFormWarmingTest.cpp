#include <gtest/gtest.h>
#include <windows.h>

#include "core/Period.h"
#include "ledger/win/MainForm.h"
#include "win/support/ProgramFolder.h"

using namespace zentavo;
using namespace zentavo::testing;

namespace {

constexpr int kEntries = 4000;

// The main window over a ledger of a few thousand entries, one an hour from 2024-01-01,
// with "now" fixed in March 2024.
class MainWindowWarming : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.CreateLedgerFile();
    LedgerStore store;
    store.ConnectLedger(folder.LedgerFile());
    store.ExecuteLedgerCommand({"BEGIN", {}});
    for (int i = 0; i < kEntries; ++i) {
      const TDateTime at = EncodeDateTime(2024, 1, 1) + i / 24.0;
      store.ExecuteLedgerCommand(AddOutgoStatement(at, at, "Food", "lunch", "1"));
    }
    store.ExecuteLedgerCommand({"COMMIT", {}});
  }

  // Shown, with no message handled yet: the first list is there, nothing is painted.
  TfrmMain& Show(bool warm = true) {
    common = MakeComponent<TfrmCommon>(nullptr, folder.Folder());
    main = MakeComponent<TfrmMain>(nullptr, *common);
    main->Now = [] { return EncodeDateTime(2024, 3, 31, 10, 0, 0); };
    main->WarmLedgerWhenIdle = warm;
    main->Show();
    return *main;
  }
  bool WarmToTheEnd() {
    return Application().ProcessMessagesUntil([this] { return !main->WarmingLedger(); }, 20000);
  }
  int ListAll() {
    main->SetPeriodPreset(7);
    main->actionQuery.Execute();
    return main->listViewInfo.RowCount();
  }

  ProgramFolder folder{::testing::UnitTest::GetInstance()->current_test_info()->name()};
  ComponentPtr<TfrmCommon> common;
  ComponentPtr<TfrmMain> main;
};

}  // namespace

TEST_F(MainWindowWarming, OnceIdleTheLedgerIsReadSoTheAllQueryReadsNoPage) {
  Show();
  EXPECT_TRUE(main->WarmingLedger());
  ASSERT_TRUE(WarmToTheEnd());
  const LedgerCacheUse warmed = main->Ledger().CacheUse();
  EXPECT_GT(warmed.bytes, 0);
  EXPECT_EQ(ListAll(), kEntries);
  EXPECT_EQ(main->Ledger().CacheUse().misses, warmed.misses);
}

TEST_F(MainWindowWarming, QueriesAndWritesBeforeTheWarmingEndsListTheLedgerAsItIs) {
  Show();
  ASSERT_TRUE(main->WarmingLedger());
  EXPECT_EQ(ListAll(), kEntries);
  main->Ledger().ExecuteLedgerCommand(
      AddIncomeStatement(EncodeDateTime(2024, 3, 1), EncodeDateTime(2024, 3, 1), "Salary", "pay", "100"));
  folder.Delete(1);  // from another connection, as another program would
  EXPECT_EQ(ListAll(), kEntries);
  ASSERT_TRUE(WarmToTheEnd());
  folder.Add(false, EncodeDateTime(2024, 2, 1), "2");
  EXPECT_EQ(ListAll(), kEntries + 1);
}

TEST_F(MainWindowWarming, ClosingTheWindowEndsTheWarmingAndTheConnection) {
  Show();
  ASSERT_TRUE(main->WarmingLedger());
  main->Close();
  EXPECT_FALSE(main->WarmingLedger());
  EXPECT_FALSE(main->Ledger().Connected());
  Pump();
  EXPECT_FALSE(main->Ledger().Connected());
}

TEST_F(MainWindowWarming, TurnedOffNothingIsReadAhead) {
  Show(false);
  EXPECT_FALSE(main->WarmingLedger());
  Pump();
  const LedgerCacheUse listed = main->Ledger().CacheUse();
  EXPECT_EQ(ListAll(), kEntries);
  EXPECT_GT(main->Ledger().CacheUse().misses, listed.misses);
}
