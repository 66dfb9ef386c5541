// Dated copies of the ledger and putting one back: consistency under a writer, damaged and
// foreign copies refused and removed, the old ledger whole after any failure or a kill in
// the middle of a restore.
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "LedgerTestFolder.h"
#include "core/Error.h"
#include "ledger/LedgerBackup.h"
#include "ledger/LedgerDatabase.h"
#include "ledger/LedgerStatement.h"
#include "ledger/LedgerStore.h"

namespace zentavo::test {
namespace {

namespace fs = std::filesystem;

const TDateTime kNow = EncodeDateTime(2026, 12, 10, 9, 30, 0);

void AddEntries(const std::string& ledger, int count, const char* amount = "2.50") {
  LedgerStore store;
  store.ConnectLedger(ledger);
  for (int i = 0; i < count; ++i)
    store.ExecuteLedgerCommand(AddOutgoStatement(kNow, kNow, "Food", "note " + std::to_string(i), amount));
}

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void FlipBytes(const std::string& path, std::streamoff at, int count) {
  std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
  for (int i = 0; i < count; ++i) {
    file.seekg(at + i);
    const char c = static_cast<char>(file.get() ^ 0x5A);
    file.seekp(at + i);
    file.put(c);
  }
}

size_t FilesIn(const fs::path& folder) {
  std::error_code ignored;
  size_t count = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder, ignored)) ++count;
  return count;
}

class LedgerBackupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateLedger(ledger);
    AddEntries(ledger, 30);
  }
  LedgerTestFolder folder;
  std::string ledger = folder.File("money.mdb");
  std::string backups = folder.File("backups");
};

TEST_F(LedgerBackupTest, ACopyIsDatedVerifiedAndSummedAndASecondOneInTheSameSecondGetsItsOwnName) {
  const std::string first = BackupLedger(ledger, backups, kNow);
  const std::string second = BackupLedger(ledger, backups, kNow);
  EXPECT_EQ(fs::path(first).filename(), "money-20261210-093000.mdb");
  EXPECT_EQ(fs::path(second).filename(), "money-20261210-093000-2.mdb");
  const LedgerSummary summary = VerifyLedgerFile(first);
  EXPECT_EQ(summary.entries, 30);
  EXPECT_DOUBLE_EQ(summary.outgo, 75.0);
  EXPECT_DOUBLE_EQ(summary.income, 0.0);
  const std::vector<BackupCopy> listed = ListBackups(backups);
  ASSERT_EQ(listed.size(), 2u);
  EXPECT_EQ(listed[0].path, second);  // newest first
  // The list's summary is noted beside the copy, and read from the copy when it is not.
  EXPECT_TRUE(fs::exists(first + ".summary"));
  EXPECT_EQ(BackupSummary(first).entries, 30);
  fs::remove(first + ".summary");
  EXPECT_DOUBLE_EQ(BackupSummary(first).outgo, 75.0);
  // Pruning takes a copy's note with it.
  for (int day = 1; day <= 12; ++day) BackupLedger(ledger, backups, EncodeDateTime(2026, 12, day, 8));
  const std::vector<std::string> removed = PruneBackups(backups, kNow);
  ASSERT_FALSE(removed.empty());
  for (const std::string& path : removed) EXPECT_FALSE(fs::exists(path + ".summary")) << path;
}

TEST_F(LedgerBackupTest, CopiesTakenWhileAnotherConnectionWritesHoldWholeTransactions) {
  std::atomic<bool> stop{false};
  std::thread writer([&] {
    SqliteDatabase db = OpenLedgerDatabase(ledger, SQLITE_OPEN_READWRITE);
    sqlite3_busy_timeout(db.get(), 10000);  // the copies hold read locks while they read
    for (int t = 0; t < 40 && !stop; ++t) {
      // Ten rows per transaction: a consistent copy holds 30 + a multiple of ten.
      ExecuteLedgerSql(db.get(), ledger, "BEGIN IMMEDIATE");
      for (int i = 0; i < 10; ++i)
        ExecuteLedgerSql(db.get(), ledger,
                         "INSERT INTO moneyLog(MoneyLogTime,MoneyLogFlow,OutgoType,MoneyLogNote,MoneyLogMoney,"
                         "MoneyCurrency) VALUES('2026-12-10 09:30:00',0,'Food','x',1,'RMB')");
      ExecuteLedgerSql(db.get(), ledger, "COMMIT");
    }
  });
  std::vector<std::int64_t> counts;
  for (int i = 0; i < 5; ++i) counts.push_back(VerifyLedgerFile(BackupLedger(ledger, backups, kNow)).entries);
  stop = true;
  writer.join();
  for (std::int64_t count : counts) EXPECT_EQ(count % 10, 0) << count;
}

TEST_F(LedgerBackupTest, ADamagedLedgerGivesNoCopyAndADamagedCopyIsRefused) {
  const std::string copy = BackupLedger(ledger, backups, kNow);
  FlipBytes(copy, 4096 + 200, 8);  // inside the second page
  EXPECT_THROW(VerifyLedgerFile(copy), Error);

  FlipBytes(ledger, 4096 + 200, 8);
  fs::remove(copy);
  try {
    BackupLedger(ledger, backups, kNow);
    FAIL() << "a damaged ledger was copied";
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("was not kept"), std::string::npos) << e.what();
  }
  EXPECT_EQ(FilesIn(backups), 0u);  // the failed copy is gone
}

TEST_F(LedgerBackupTest, ARestoreOfAForeignOrDamagedCopyLeavesTheLedgerAsItWas) {
  const std::string before = Bytes(ledger);
  // A ledger with another password.
  const std::string foreign = folder.File("foreign.mdb");
  {
    SqliteDatabase db = OpenLedgerDatabase(foreign, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, "other");
    ExecuteLedgerSql(db.get(), foreign, "CREATE TABLE moneyLog(MoneyLogID INTEGER PRIMARY KEY)");
  }
  EXPECT_THROW(RestoreLedger(foreign, ledger, backups, kNow), Error);
  const std::string damaged = BackupLedger(ledger, folder.File("elsewhere"), kNow);
  FlipBytes(damaged, 4096 + 100, 4);
  EXPECT_THROW(RestoreLedger(damaged, ledger, backups, kNow), Error);
  EXPECT_THROW(RestoreLedger(folder.File("missing.mdb"), ledger, backups, kNow), Error);
  EXPECT_EQ(Bytes(ledger), before);
  EXPECT_FALSE(fs::exists(ledger + ".restoring"));
}

TEST_F(LedgerBackupTest, ARestorePutsTheCopyInPlaceAfterCopyingTheCurrentLedger) {
  const std::string copy = BackupLedger(ledger, folder.File("elsewhere"), kNow);
  AddEntries(ledger, 5);
  const std::string safety = RestoreLedger(copy, ledger, backups, kNow);
  EXPECT_EQ(VerifyLedgerFile(ledger).entries, 30);
  EXPECT_EQ(VerifyLedgerFile(safety).entries, 35);
  LedgerStore store;
  store.ConnectLedger(ledger);  // a ledger the program opens as before
  EXPECT_EQ(store.LoadEntries(PeriodQuery({kNow, kNow})).size(), 30u);
}

// A restore in a child process, killed after `delay` (never, when negative); its exit.
void RestoreInChild(const std::string& copy, const std::string& ledger, const std::string& backups,
                    std::chrono::microseconds delay) {
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    try {
      RestoreLedger(copy, ledger, backups, kNow);
    } catch (...) {
      _exit(1);
    }
    _exit(0);
  }
  if (delay.count() >= 0) {
    usleep(static_cast<useconds_t>(delay.count()));
    kill(child, SIGKILL);
  }
  int status = 0;
  waitpid(child, &status, 0);
}

TEST_F(LedgerBackupTest, AProcessKilledDuringARestoreLeavesTheOldOrTheNewLedgerWhole) {
  const std::string copy = BackupLedger(ledger, folder.File("elsewhere"), kNow);  // 30 entries
  AddEntries(ledger, 7);                                                         // 37 now
  // How long a whole restore takes here; the kills are spread over it and a little past.
  const auto start = std::chrono::steady_clock::now();
  RestoreInChild(copy, ledger, backups, std::chrono::microseconds(-1));
  const auto whole = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
  ASSERT_EQ(VerifyLedgerFile(ledger).entries, 30);
  int oldSeen = 0, newSeen = 0;
  constexpr int kRounds = 12;
  for (int round = 0; round < kRounds; ++round) {
    if (VerifyLedgerFile(ledger).entries == 30) AddEntries(ledger, 7);  // the old ledger again
    RestoreInChild(copy, ledger, backups, whole * (round + 1) / (kRounds - 2));
    const std::int64_t entries = VerifyLedgerFile(ledger).entries;
    EXPECT_TRUE(entries == 37 || entries == 30) << entries;
    (entries == 30 ? newSeen : oldSeen) += 1;
  }
  EXPECT_GT(newSeen, 0);  // the last kills come after the restore has finished
  std::printf("killed restores: %d left the old ledger, %d the new one\n", oldSeen, newSeen);
}

}  // namespace
}  // namespace zentavo::test
