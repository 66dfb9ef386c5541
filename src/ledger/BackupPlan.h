#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/DateTime.h"

namespace zentavo {

// Where dated copies of the ledger go and which of them are kept. Copies are named
// "money-YYYYMMDD-HHNNSS.mdb" after the time they were taken; a second copy within the
// same second gets "-2", "-3", ... before the extension. Other files are never touched.

inline constexpr std::string_view kBackupFolderName = "backups";
inline constexpr int kKeptNewestBackups = 10;
inline constexpr int kKeptMonthlyBackups = 12;

// The name for a copy taken at `when`, with `sequence` > 1 for a further copy in the same
// second.
std::string BackupFileName(TDateTime when, int sequence = 1);

// The time a copy's name tells (to the second), or nothing for a name of another form.
std::optional<TDateTime> BackupTimeOf(std::string_view fileName);

// The copies among `names` that the keep rule lets go, as at `now`: kept are the ten
// newest, and the newest copy of each of the twelve calendar months up to and including
// the month of `now`. Names of another form are never in the result.
std::vector<std::string> BackupsToRemove(const std::vector<std::string>& names, TDateTime now);

}  // namespace zentavo
