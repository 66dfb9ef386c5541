#pragma once
#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "core/DateTime.h"

namespace zentavo {

// The program's own dated copies of its ledger: one when it starts (unless the newest copy
// is newer than the ledger's last change) and one after the first change of each run. A
// copy is taken on a worker thread through a connection of its own, a few pages at a time,
// so the windows never wait for it; a change made meanwhile only makes it start over.
class LedgerAutoBackup {
 public:
  // `now` gives the local time (tests fix it).
  LedgerAutoBackup(std::string ledgerPath, std::string folder, std::function<TDateTime()> now = LocalNow);
  ~LedgerAutoBackup();  // waits for a copy under way
  LedgerAutoBackup(const LedgerAutoBackup&) = delete;
  LedgerAutoBackup& operator=(const LedgerAutoBackup&) = delete;

  // The copy of the start.
  void StartOfRun();
  // Tells of a change to the ledger; the first one of the run starts a copy.
  void Changed();

  bool Busy() const;
  void Wait();
  // The failure of the last copy, once: the program tells the user once per run.
  std::optional<std::string> TakeFailure();
  // The last copy made, or "" (for tests and the log).
  std::string LastCopy() const;

 private:
  void Run();
  std::string ledgerPath_;
  std::string folder_;
  std::function<TDateTime()> now_;
  std::thread worker_;
  std::atomic<bool> running_{false};
  mutable std::mutex mutex_;
  bool changeSeen_ = false;
  bool failureTold_ = false;
  std::optional<std::string> failure_;
  std::string lastCopy_;
};

// Whether the newest copy in `folder` was written after the ledger's last change, so that
// a copy now would hold nothing new.
bool NewestBackupIsCurrent(const std::string& ledgerPath, const std::string& folder);

}  // namespace zentavo
