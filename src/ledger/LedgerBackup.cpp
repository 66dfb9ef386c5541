#include "ledger/LedgerBackup.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>

#include "core/Format.h"
#include "ledger/BackupPlan.h"
#include "ledger/LedgerDatabase.h"
#include "ledger/LedgerStore.h"

namespace zentavo {

namespace fs = std::filesystem;

namespace {

std::string Utf8(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

constexpr const char* kSummaryExtension = ".summary";

void RemoveQuietly(const std::string& path) {
  std::error_code ignored;
  fs::remove(LedgerFilePath(path), ignored);
  fs::remove(LedgerFilePath(path + "-journal"), ignored);
  fs::remove(LedgerFilePath(path + kSummaryExtension), ignored);
}

// The summary is only a shortcut for the list: failing to write it loses nothing.
void WriteSummary(const std::string& copyPath, const LedgerSummary& summary) {
  std::ofstream out(LedgerFilePath(copyPath + kSummaryExtension), std::ios::binary | std::ios::trunc);
  char line[96];
  std::snprintf(line, sizeof line, "%lld %.2f %.2f\n", static_cast<long long>(summary.entries), summary.income,
                summary.outgo);
  out << line;
}

std::optional<LedgerSummary> ReadSummary(const std::string& copyPath) {
  std::ifstream in(LedgerFilePath(copyPath + kSummaryExtension), std::ios::binary);
  LedgerSummary summary;
  long long entries = 0;
  if (!(in >> entries >> summary.income >> summary.outgo)) return std::nullopt;
  summary.entries = entries;
  return summary;
}

LedgerSummary SumEntries(sqlite3* db, const std::string& path) {
  SqliteStatement sums = PrepareLedgerSql(
      db, path,
      "SELECT COUNT(*), TOTAL(CASE WHEN MoneyLogFlow=1 THEN MoneyLogMoney END),"
      " TOTAL(CASE WHEN MoneyLogFlow=0 THEN MoneyLogMoney END) FROM moneyLog");
  const int rc = sqlite3_step(sums.get());
  if (rc != SQLITE_ROW) throw LedgerError(path, rc, db);
  return {sqlite3_column_int64(sums.get(), 0), sqlite3_column_double(sums.get(), 1),
          sqlite3_column_double(sums.get(), 2)};
}

// The source side of a copy: read-write when possible, so that a journal a crashed write
// left behind is rolled back before anything is read; read-only when the file or folder
// allows no more.
SqliteDatabase OpenSource(const std::string& path) {
  if (!LedgerFileExists(path)) throw Error(Format("Ledger database '%s' does not exist", {path}));
  try {
    return OpenLedgerDatabase(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_EXRESCODE);
  } catch (const Error&) {
    return OpenLedgerDatabase(path, SQLITE_OPEN_READONLY | SQLITE_OPEN_EXRESCODE);
  }
}

// Copies every page of `source` into a new file at `target`, in one step: the source is
// read under one read transaction, so a writer on another connection waits or is not seen.
void CopyLedger(const std::string& sourcePath, const std::string& target, TCopyPace pace = TCopyPace::AllAtOnce) {
  if (LedgerFileExists(target)) throw Error(Format("Ledger copy '%s' exists already", {target}));
  SqliteDatabase source = OpenSource(sourcePath);
  sqlite3_busy_timeout(source.get(), 5000);
  SqliteDatabase copy = OpenLedgerDatabase(target, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_EXRESCODE);
  sqlite3_backup* backup = sqlite3_backup_init(copy.get(), "main", source.get(), "main");
  if (!backup) throw LedgerError(target, sqlite3_errcode(copy.get()), copy.get());
  constexpr int kPagesPerStep = 64;
  int rc = SQLITE_OK;
  do {
    rc = sqlite3_backup_step(backup, pace == TCopyPace::InSteps ? kPagesPerStep : -1);
    if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) sqlite3_sleep(50);
    else if (rc == SQLITE_OK) sqlite3_sleep(1);  // the source is free in between
  } while (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED);
  sqlite3_backup_finish(backup);
  if (rc != SQLITE_DONE) {
    // The error belongs to whichever side failed; the copy's handle tells both.
    const int copyRc = sqlite3_errcode(copy.get());
    throw LedgerError(copyRc != SQLITE_OK ? target : sourcePath, copyRc != SQLITE_OK ? copyRc : rc,
                      copyRc != SQLITE_OK ? copy.get() : source.get());
  }
}

std::string FreeBackupPath(const fs::path& folder, TDateTime now) {
  for (int sequence = 1;; ++sequence) {
    const fs::path candidate = folder / BackupFileName(now, sequence);
    std::error_code error;
    if (!fs::exists(candidate, error)) return Utf8(candidate);
  }
}

}  // namespace

LedgerSummary VerifyLedgerFile(const std::string& path) {
  if (!LedgerFileExists(path)) throw Error(Format("Ledger database '%s' does not exist", {path}));
  SqliteDatabase db = OpenLedgerDatabase(path, SQLITE_OPEN_READONLY | SQLITE_OPEN_EXRESCODE);
  // The check visits the index and the table alternately: with the default small cache it
  // reads and decrypts the same pages again and again (a minute for a million entries,
  // against under three seconds with room for the whole index).
  const std::string cacheSize = "PRAGMA cache_size=-" + std::to_string(kLedgerPageCacheBytes / 1024);
  ExecuteLedgerSql(db.get(), path, cacheSize.c_str());
  {
    SqliteStatement check = PrepareLedgerSql(db.get(), path, "PRAGMA integrity_check(1)");
    const int rc = sqlite3_step(check.get());
    if (rc != SQLITE_ROW) throw LedgerError(path, rc, db.get());
    const auto* answer = reinterpret_cast<const char*>(sqlite3_column_text(check.get(), 0));
    const std::string verdict = answer ? answer : "";
    if (verdict != "ok") throw Error(Format("Ledger database '%s' is damaged (%s)", {path, verdict}));
  }
  return SumEntries(db.get(), path);
}

LedgerSummary BackupSummary(const std::string& copyPath) {
  if (const std::optional<LedgerSummary> noted = ReadSummary(copyPath)) return *noted;
  SqliteDatabase db = OpenLedgerDatabase(copyPath, SQLITE_OPEN_READONLY | SQLITE_OPEN_EXRESCODE);
  return SumEntries(db.get(), copyPath);
}

std::string BackupLedger(const std::string& ledgerPath, const std::string& folder, TDateTime now,
                         TCopyPace pace) {
  const fs::path dir = LedgerFilePath(folder);
  std::error_code error;
  fs::create_directories(dir, error);
  if (error) throw Error(Format("The backup folder '%s' cannot be made (%s)", {folder, error.message()}));
  const std::string target = FreeBackupPath(dir, now);
  try {
    CopyLedger(ledgerPath, target, pace);
    WriteSummary(target, VerifyLedgerFile(target));
  } catch (const Error& e) {
    RemoveQuietly(target);
    throw Error(Format("The backup of '%s' failed and was not kept: %s", {ledgerPath, e.what()}));
  }
  return target;
}

std::vector<BackupCopy> ListBackups(const std::string& folder) {
  std::vector<BackupCopy> copies;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(LedgerFilePath(folder), error)) {
    const std::string name = Utf8(entry.path().filename());
    if (const auto when = BackupTimeOf(name)) copies.push_back({Utf8(entry.path()), *when});
  }
  std::sort(copies.begin(), copies.end(), [](const BackupCopy& a, const BackupCopy& b) {
    if (a.when != b.when) return a.when > b.when;
    return a.path.size() != b.path.size() ? a.path.size() > b.path.size() : a.path > b.path;
  });
  return copies;
}

std::vector<std::string> PruneBackups(const std::string& folder, TDateTime now) {
  std::vector<std::string> names;
  for (const BackupCopy& copy : ListBackups(folder)) names.push_back(Utf8(LedgerFilePath(copy.path).filename()));
  std::vector<std::string> removed;
  for (const std::string& name : BackupsToRemove(names, now)) {
    const fs::path path = LedgerFilePath(folder) / LedgerFilePath(name);
    std::error_code error;
    if (fs::remove(path, error)) {
      removed.push_back(Utf8(path));
      fs::remove(LedgerFilePath(Utf8(path) + kSummaryExtension), error);
    }
  }
  return removed;
}

std::string RestoreLedger(const std::string& backupPath, const std::string& ledgerPath, const std::string& folder,
                          TDateTime now) {
  VerifyLedgerFile(backupPath);
  const std::string safety = LedgerFileExists(ledgerPath) ? BackupLedger(ledgerPath, folder, now) : std::string();
  const std::string beside = ledgerPath + ".restoring";
  RemoveQuietly(beside);  // left by an earlier restore that was cut short
  try {
    CopyLedger(backupPath, beside);
    VerifyLedgerFile(beside);
    std::error_code error;
    fs::rename(LedgerFilePath(beside), LedgerFilePath(ledgerPath), error);
    if (error) throw Error(Format("Ledger database '%s' cannot be replaced (%s)", {ledgerPath, error.message()}));
  } catch (...) {
    RemoveQuietly(beside);
    throw;
  }
  return safety;
}

}  // namespace zentavo
