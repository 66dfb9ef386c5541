// The program's own copies: one at the start unless nothing changed since the newest, one
// after the first change of a run, a failure told once, and writes never held up for long.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "LedgerTestFolder.h"
#include "ledger/AutoBackup.h"
#include "ledger/LedgerBackup.h"
#include "ledger/LedgerStatement.h"
#include "ledger/LedgerStore.h"

namespace zentavo::test {
namespace {

namespace fs = std::filesystem;

class AutoBackupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateLedger(ledger);
    Add(3);
  }
  void Add(int count) {
    LedgerStore store;
    store.ConnectLedger(ledger);
    store.ExecuteLedgerCommands(std::vector<LedgerStatement>(count, AddIncomeStatement(clock, clock, "Salary", "", "10")));
  }
  // A second later at every copy, so that each gets a name of its own.
  std::function<TDateTime()> Clock() {
    return [this] { return clock += 1.0 / 86400; };
  }
  LedgerTestFolder folder;
  std::string ledger = folder.File("money.mdb");
  std::string backups = folder.File("backups");
  TDateTime clock = EncodeDateTime(2026, 12, 10, 8);
};

TEST_F(AutoBackupTest, TheStartCopiesOnlyAChangedLedgerAndTheFirstChangeOfARunCopiesOnce) {
  {
    LedgerAutoBackup backup(ledger, backups, Clock());
    backup.StartOfRun();
    backup.Wait();
    EXPECT_EQ(ListBackups(backups).size(), 1u);
    EXPECT_EQ(VerifyLedgerFile(backup.LastCopy()).entries, 3);
    Add(1);
    backup.Changed();
    backup.Wait();
    Add(1);
    backup.Changed();  // not the first change: no copy
    backup.Wait();
    EXPECT_EQ(ListBackups(backups).size(), 2u);
    EXPECT_EQ(VerifyLedgerFile(backup.LastCopy()).entries, 4);
    EXPECT_FALSE(backup.TakeFailure());
  }
  {
    // The next run: the ledger changed after the last copy, so the start copies it.
    LedgerAutoBackup backup(ledger, backups, Clock());
    backup.StartOfRun();
    backup.Wait();
    EXPECT_EQ(ListBackups(backups).size(), 3u);
  }
  {
    // Nothing changed since: no copy.
    LedgerAutoBackup backup(ledger, backups, Clock());
    backup.StartOfRun();
    backup.Wait();
    EXPECT_EQ(ListBackups(backups).size(), 3u);
  }
}

TEST_F(AutoBackupTest, AFailureIsToldOnceAndTheLedgerIsUntouched) {
  // A file where the folder should be: no copy can be made.
  { std::ofstream(backups) << "in the way"; }
  LedgerAutoBackup backup(ledger, backups, Clock());
  backup.StartOfRun();
  backup.Wait();
  const auto failure = backup.TakeFailure();
  ASSERT_TRUE(failure);
  EXPECT_NE(failure->find("cannot be made"), std::string::npos) << *failure;
  Add(1);
  backup.Changed();
  backup.Wait();
  EXPECT_FALSE(backup.TakeFailure());  // told once per run
  EXPECT_EQ(VerifyLedgerFile(ledger).entries, 4);
}

TEST_F(AutoBackupTest, WritesGoOnWhileACopyIsTakenAndTheCopyIsWhole) {
  Add(3000);  // enough pages for the copy to take a while in steps
  LedgerAutoBackup backup(ledger, backups, Clock());
  backup.StartOfRun();
  LedgerStore store;
  store.ConnectLedger(ledger, std::chrono::milliseconds(500));  // a writer that would not wait long
  int written = 0;
  while (backup.Busy() && written < 200) {
    store.ExecuteLedgerCommand(AddOutgoStatement(clock, clock, "Food", "", "1"));
    ++written;
  }
  backup.Wait();
  EXPECT_GT(written, 0);  // the copy's own connection and key take longer than one write
  EXPECT_FALSE(backup.TakeFailure());
  const std::int64_t copied = VerifyLedgerFile(backup.LastCopy()).entries;
  EXPECT_GE(copied, 3003);
  EXPECT_LE(copied, 3003 + written);
}

}  // namespace
}  // namespace zentavo::test
