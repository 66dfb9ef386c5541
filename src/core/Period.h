#pragma once
#include <optional>

#include "core/DateTime.h"

namespace zentavo {

// A query period: both ends are included (a day ends at 23:59:59.999).
struct Period {
  TDateTime start;
  TDateTime stop;
};

// The period of a `PeriodPreset` index of the main window's period box at
// the local instant `now`: 0 and 1 today, 2 yesterday, 3 this month, 4 previous month (the
// month of the date one calendar month back), 5 this year, 6 last year; 7 and any other
// index (negative ones too) 1900-01-01 00:00:00 to 3000-01-01 00:00:00.
Period MainPeriodPreset(int index, TDateTime now);

// The statistics window's presets: as MainPeriodPreset, except that index 0
// gives no period, meaning "leave the dates as they are".
std::optional<Period> ReportPeriodPreset(int index, TDateTime now);

}  // namespace zentavo
