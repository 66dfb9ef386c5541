#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/DateTime.h"

namespace zentavo {

// Dated, verified copies of the ledger and putting one back. Every copy is made through
// SQLite's online backup (never a plain file copy, which could catch a file in the middle
// of a write) and is checked before it counts.

// What a ledger file holds, for the list a person picks a copy from.
struct LedgerSummary {
  std::int64_t entries = 0;
  double income = 0;
  double outgo = 0;
};

// Checks that the file is a whole ledger: it opens with the ledger's key, passes SQLite's
// integrity check and has the table of entries. Throws an Error naming the file.
LedgerSummary VerifyLedgerFile(const std::string& path);

// How a copy reads its source: all pages under one read lock (quickest), or a few pages at a
// time with the lock let go in between, so that a writer on another connection never waits
// long (a change then makes the copy start over, and the copy holds the state after it).
enum class TCopyPace { AllAtOnce, InSteps };

// Copies the ledger into `folder` (made when missing) under BackupFileName(now), as one
// consistent state even while another connection writes it, then verifies the copy. A copy
// that fails is removed and the error thrown. Returns the copy's path.
std::string BackupLedger(const std::string& ledgerPath, const std::string& folder, TDateTime now,
                         TCopyPace pace = TCopyPace::AllAtOnce);

struct BackupCopy {
  std::string path;
  TDateTime when = 0;
};
// What a copy holds, for the list to pick from: noted beside the copy when it was taken
// (a file of the copy's name plus ".summary"), else read from the copy itself (which costs
// a read of all its entries). Throws an Error for a copy that cannot be read.
LedgerSummary BackupSummary(const std::string& copyPath);

// The dated copies in `folder`, newest first; none when there is no folder.
std::vector<BackupCopy> ListBackups(const std::string& folder);

// Removes the copies the keep rule lets go (see BackupsToRemove) and returns their paths.
// A copy that cannot be removed is left where it is.
std::vector<std::string> PruneBackups(const std::string& folder, TDateTime now);

// Puts a copy in the ledger's place. The copy is verified; the current ledger, when there
// is one, is first copied into `folder` itself; the copy is then written beside the ledger,
// verified again and moved over it in one step. Until that step nothing has changed, so
// any failure (and any interruption) leaves the old ledger whole. No connection may hold
// the ledger meanwhile. Returns the path of the current ledger's own copy ("" if none).
std::string RestoreLedger(const std::string& backupPath, const std::string& ledgerPath, const std::string& folder,
                          TDateTime now);

}  // namespace zentavo
