#include "core/Period.h"

namespace zentavo {
namespace {

Period Days(int year, int month, int firstDay, int lastMonth, int lastDay) {
  return {EncodeDateTime(year, month, firstDay), EncodeDateTime(year, lastMonth, lastDay, 23, 59, 59, 999)};
}

Period WholeDay(TDateTime day) {
  const DateTimeParts d = DecodeDateTime(day);
  return Days(d.year, d.month, d.day, d.month, d.day);
}

Period WholeMonth(int year, int month) {
  return Days(year, month, 1, month, DaysInMonth(year, month));
}

}  // namespace

Period MainPeriodPreset(int index, TDateTime now) {
  const DateTimeParts today = DecodeDateTime(now);
  switch (index) {
    case 0:
    case 1:
      return WholeDay(now);
    case 2:
      // Day numbers are linear also before 1899-12-30, so the previous day is DateOf - 1.
      return WholeDay(DateOf(now) - 1);
    case 3:
      return WholeMonth(today.year, today.month);
    case 4:
      // One calendar month back lands in the previous month whatever the day (31 March
      // goes to the end of February), so only the month matters.
      return today.month == 1 ? WholeMonth(today.year - 1, 12) : WholeMonth(today.year, today.month - 1);
    case 5:
      return Days(today.year, 1, 1, 12, 31);
    case 6:
      return Days(today.year - 1, 1, 1, 12, 31);
    default:
      return {EncodeDateTime(1900, 1, 1), EncodeDateTime(3000, 1, 1)};
  }
}

std::optional<Period> ReportPeriodPreset(int index, TDateTime now) {
  if (index == 0) return std::nullopt;
  return MainPeriodPreset(index, now);
}

}  // namespace zentavo
