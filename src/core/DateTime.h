#pragma once
#include <string>
#include <string_view>

namespace zentavo {

// An instant as a day number: whole days since 1899-12-30, the fraction is the time of day.
// Before 1899-12-30 the value is negative and the magnitude of the fraction is still the
// time of day (1899-12-29 06:00 is -1.25), as stored instants and the ledger's clock have it.
using TDateTime = double;

struct DateTimeParts {
  int year, month, day, hour, minute, second, millisecond;
};

// Throws zentavo::Error for a date outside 0001-01-01..9999-12-31 or an impossible time.
// The local date and time now, to the millisecond.
TDateTime LocalNow();

TDateTime EncodeDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                         int millisecond = 0);
// Milliseconds are rounded to the nearest, so every encoded value decodes to its parts.
// Throws zentavo::Error for a value that is not finite or outside the supported years.
DateTimeParts DecodeDateTime(TDateTime value);

bool IsLeapYear(int year);
// Throws zentavo::Error for a month outside 1..12.
int DaysInMonth(int year, int month);
bool IsValidDate(int year, int month, int day);

// Texts: milliseconds are dropped, never rounded into the second (23:59:59.999 prints as
// 23:59:59, so a day's end stays on its day).
std::string FormatDateTime(TDateTime value);    // "yyyy-mm-dd hh:nn:ss"
std::string FormatDate(TDateTime value);        // "yyyy-mm-dd"
std::string FormatTime(TDateTime value);        // "hh:nn:ss"
std::string FormatDateTimeMs(TDateTime value);  // "yyyy-mm-dd hh:nn:ss.zzz"

// Reading texts; blanks around the text are ignored, the failures carry the text as given.
// "yyyy-m-d": a four-digit year, month and day of one or two digits, hyphens between.
// Fails with "'<text>' is not a valid date".
TDateTime StrToDate(std::string_view text);
// "h:n", "h:n:s" or "h:n:s.zzz" (24-hour, one or two digits each, three for milliseconds).
// Fails with "'<text>' is not a valid time". The result is a time of day (date part 0).
TDateTime StrToTime(std::string_view text);
// A date as StrToDate reads it, optionally followed by one blank and a time as StrToTime
// reads it. Fails with "'<text>' is not a valid date and time".
TDateTime ParseDateTime(std::string_view text);

// The date part (midnight of the value's day) and the time of day (0 <= t < 1), split the
// way DecodeDateTime sees the value, so that CombineDateTime(DateOf(v), TimeOf(v)) == v to
// the millisecond.
TDateTime DateOf(TDateTime value);
TDateTime TimeOf(TDateTime value);
// The day of `date` at the time of day of `timeOfDay`: what a date picker does when the
// user changes only the date.
TDateTime CombineDateTime(TDateTime date, TDateTime timeOfDay);

}  // namespace zentavo
