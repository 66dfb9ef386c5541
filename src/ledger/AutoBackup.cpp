#include "ledger/AutoBackup.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "core/Error.h"
#include "ledger/LedgerBackup.h"
#include "ledger/LedgerDatabase.h"

namespace zentavo {

bool NewestBackupIsCurrent(const std::string& ledgerPath, const std::string& folder) {
  const std::vector<BackupCopy> copies = ListBackups(folder);
  if (copies.empty()) return false;
  std::error_code error;
  const auto changed = std::filesystem::last_write_time(LedgerFilePath(ledgerPath), error);
  if (error) return false;
  const auto copied = std::filesystem::last_write_time(LedgerFilePath(copies.front().path), error);
  return !error && copied > changed;
}

LedgerAutoBackup::LedgerAutoBackup(std::string ledgerPath, std::string folder, std::function<TDateTime()> now)
    : ledgerPath_(std::move(ledgerPath)), folder_(std::move(folder)), now_(std::move(now)) {}

LedgerAutoBackup::~LedgerAutoBackup() { Wait(); }

void LedgerAutoBackup::StartOfRun() {
  if (NewestBackupIsCurrent(ledgerPath_, folder_)) return;
  Run();
}

void LedgerAutoBackup::Changed() {
  {
    std::lock_guard lock(mutex_);
    if (std::exchange(changeSeen_, true)) return;
  }
  Run();
}

void LedgerAutoBackup::Run() {
  // One copy at a time: a second one waits for the first (which is then nearly done).
  Wait();
  const TDateTime now = now_();
  running_ = true;
  worker_ = std::thread([this, now] {
    std::string copy, failure;
    try {
      copy = BackupLedger(ledgerPath_, folder_, now, TCopyPace::InSteps);
      PruneBackups(folder_, now);
    } catch (const std::exception& e) {
      failure = e.what();
    }
    std::lock_guard lock(mutex_);
    if (!copy.empty()) lastCopy_ = copy;
    if (!failure.empty() && !failureTold_) failure_ = failure;
    running_ = false;
  });
}

bool LedgerAutoBackup::Busy() const { return running_; }

void LedgerAutoBackup::Wait() {
  if (worker_.joinable()) worker_.join();
}

std::optional<std::string> LedgerAutoBackup::TakeFailure() {
  std::lock_guard lock(mutex_);
  if (!failure_) return std::nullopt;
  failureTold_ = true;
  return std::exchange(failure_, std::nullopt);
}

std::string LedgerAutoBackup::LastCopy() const {
  std::lock_guard lock(mutex_);
  return lastCopy_;
}

}  // namespace zentavo
