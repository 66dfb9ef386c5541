// Times the ledger's copies and its comma-separated exchange over a million entries: a
// verified backup (all at once and in steps, as the program takes its own), the check of
// a copy, a restore, and an export and import of the whole ledger.
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "ledger/LedgerBackup.h"
#include "ledger/LedgerCsv.h"
#include "ledger/LedgerStatement.h"
#include "ledger/LedgerStore.h"
#include "win/BenchLedger.h"

using namespace zentavo;
using namespace zentavo::bench;
namespace fs = std::filesystem;

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 1000000;
  const fs::path root = fs::temp_directory_path() / ("zentavo-ledger-data-bench-" + std::to_string(count));
  fs::create_directories(root);
  const std::string ledger = (root / "money.mdb").string();
  if (!fs::exists(ledger)) {
    const auto start = Clock::now();
    Seed(ledger, count);
    std::printf("seeded %d entries in %.0f ms\n", count, Milliseconds(start));
  }
  std::printf("ledger: %.1f MiB\n", static_cast<double>(fs::file_size(ledger)) / (1 << 20));
  const std::string backups = (root / "backups").string();
  fs::remove_all(backups);
  const TDateTime now = LocalNow();

  auto start = Clock::now();
  const std::string copy = BackupLedger(ledger, backups, now);
  std::printf("backup, verified (all at once): %.0f ms\n", Milliseconds(start));
  start = Clock::now();
  BackupLedger(ledger, backups, now, TCopyPace::InSteps);
  std::printf("backup, verified (in steps, as the program takes its own): %.0f ms\n", Milliseconds(start));
  start = Clock::now();
  const LedgerSummary summary = VerifyLedgerFile(copy);
  std::printf("integrity check and summary of a copy (%lld entries): %.0f ms\n",
              static_cast<long long>(summary.entries), Milliseconds(start));
  start = Clock::now();
  RestoreLedger(copy, ledger, backups, now);
  std::printf("restore (check, copy of the current ledger, copy beside, check, replace): %.0f ms\n",
              Milliseconds(start));

  const std::string csv = (root / "all.csv").string();
  start = Clock::now();
  std::vector<LedgerEntry> entries;
  {
    LedgerStore store;
    store.ConnectLedger(ledger);
    entries = store.LoadEntries(AllEntriesQuery());
  }
  WriteLedgerCsvFile(csv, LedgerCsvText(std::move(entries)));
  std::printf("export of every entry: %.0f ms (%.1f MiB)\n", Milliseconds(start),
              static_cast<double>(fs::file_size(csv)) / (1 << 20));

  const std::string target = (root / "imported.mdb").string();
  fs::remove(target);
  CreateLedger(target);
  start = Clock::now();
  const std::vector<LedgerStatement> inserts = LedgerCsvInserts(ReadLedgerCsvFile(csv));
  const double parsed = Milliseconds(start);
  LedgerStore store;
  store.ConnectLedger(target);
  store.ExecuteLedgerCommands(inserts);
  std::printf("import of every entry: %.0f ms (checking %.0f ms, storing in one transaction %.0f ms)\n",
              Milliseconds(start), parsed, Milliseconds(start) - parsed);
  fs::remove_all(backups);
  fs::remove(target);
  return 0;
}
