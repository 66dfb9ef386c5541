#include "core/DateTime.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <ctime>

#include "core/Error.h"

namespace zentavo {

TDateTime LocalNow() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto sinceEpoch = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch());
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &seconds);
#else
  localtime_r(&seconds, &local);
#endif
  return EncodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                        local.tm_sec, static_cast<int>(sinceEpoch.count() % 1000));
}
namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;
// Day 0 (1899-12-30) counted from 1970-01-01, the epoch of the civil-date algorithms.
constexpr std::int64_t kOleEpochInUnixDays = -25'569;
// Day numbers of 0001-01-01 and 9999-12-31, the years that we encode and decode.
constexpr double kFirstDay = -693'593.0;
constexpr double kLastDay = 2'958'465.0;

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's days_from_civil).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

// The inverse of DaysFromCivil (civil_from_days).
void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2));
}

bool IsValidTime(int hour, int minute, int second, int millisecond) {
  return hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60 &&
         millisecond >= 0 && millisecond < 1000;
}

// Joins a whole day number and a time of day in milliseconds: before day 0 the
// time is subtracted, so that the magnitude of the fraction stays the time of day.
TDateTime Join(double day, std::int64_t msOfDay) {
  const double time = static_cast<double>(msOfDay) / static_cast<double>(kMsPerDay);
  return day < 0 ? day - time : day + time;
}

// Splits a value into its whole day number and its time of day in whole milliseconds,
// rounding to the nearest millisecond; a time that rounds up to 24:00 moves to the next
// calendar day (day + 1 also for negative days: day numbers themselves are linear).
void Split(TDateTime value, std::int64_t& day, std::int64_t& msOfDay) {
  if (!std::isfinite(value) || value <= kFirstDay - 1.0 || value >= kLastDay + 1.0) {
    throw Error("Invalid argument to date decode");
  }
  const double whole = std::trunc(value);
  day = static_cast<std::int64_t>(whole);
  msOfDay = std::llround(std::fabs(value - whole) * static_cast<double>(kMsPerDay));
  if (msOfDay >= kMsPerDay) {
    msOfDay -= kMsPerDay;
    ++day;
  }
  if (static_cast<double>(day) > kLastDay) {
    throw Error("Invalid argument to date decode");
  }
}

// A tiny reader over the text for the fixed date and time forms; every Read* consumes only
// on success.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {
    while (!text_.empty() && text_.front() == ' ') text_.remove_prefix(1);
    while (!text_.empty() && text_.back() == ' ') text_.remove_suffix(1);
  }
  bool AtEnd() const { return text_.empty(); }
  bool ReadChar(char c) {
    if (text_.empty() || text_.front() != c) return false;
    text_.remove_prefix(1);
    return true;
  }
  bool ReadNumber(std::size_t minDigits, std::size_t maxDigits, int& value) {
    std::size_t n = 0;
    while (n < text_.size() && n < maxDigits && text_[n] >= '0' && text_[n] <= '9') ++n;
    if (n < minDigits || (n < text_.size() && text_[n] >= '0' && text_[n] <= '9')) return false;
    value = 0;
    for (std::size_t i = 0; i < n; ++i) value = value * 10 + (text_[i] - '0');
    text_.remove_prefix(n);
    return true;
  }

 private:
  std::string_view text_;
};

bool ReadDate(Scanner& in, double& day) {
  int y = 0, m = 0, d = 0;
  if (!in.ReadNumber(4, 4, y) || !in.ReadChar('-') || !in.ReadNumber(1, 2, m) || !in.ReadChar('-') ||
      !in.ReadNumber(1, 2, d) || !IsValidDate(y, m, d)) {
    return false;
  }
  day = static_cast<double>(DaysFromCivil(y, static_cast<unsigned>(m), static_cast<unsigned>(d)) -
                            kOleEpochInUnixDays);
  return true;
}

bool ReadTime(Scanner& in, std::int64_t& msOfDay) {
  int h = 0, n = 0, s = 0, ms = 0;
  if (!in.ReadNumber(1, 2, h) || !in.ReadChar(':') || !in.ReadNumber(1, 2, n)) return false;
  if (in.ReadChar(':')) {
    if (!in.ReadNumber(1, 2, s)) return false;
    if (in.ReadChar('.') && !in.ReadNumber(3, 3, ms)) return false;
  }
  if (!IsValidTime(h, n, s, ms)) return false;
  msOfDay = ((h * 60LL + n) * 60 + s) * 1000 + ms;
  return true;
}

std::string Quoted(std::string_view text, const char* what) {
  return "'" + std::string(text) + "' is not a valid " + what;
}

}  // namespace

bool IsLeapYear(int year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) throw Error("Invalid month " + std::to_string(month));
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
         day <= DaysInMonth(year, month);
}

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int millisecond) {
  if (!IsValidDate(year, month, day)) throw Error("Invalid argument to date encode");
  if (!IsValidTime(hour, minute, second, millisecond)) {
    throw Error("Invalid argument to time encode");
  }
  const std::int64_t days =
      DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kOleEpochInUnixDays;
  return Join(static_cast<double>(days), ((hour * 60LL + minute) * 60 + second) * 1000 + millisecond);
}

DateTimeParts DecodeDateTime(TDateTime value) {
  std::int64_t day = 0, ms = 0;
  Split(value, day, ms);
  DateTimeParts parts{};
  CivilFromDays(day + kOleEpochInUnixDays, parts.year, parts.month, parts.day);
  parts.millisecond = static_cast<int>(ms % 1000);
  parts.second = static_cast<int>(ms / 1000 % 60);
  parts.minute = static_cast<int>(ms / 60'000 % 60);
  parts.hour = static_cast<int>(ms / 3'600'000);
  return parts;
}

std::string FormatDateTime(TDateTime value) {
  const DateTimeParts p = DecodeDateTime(value);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day, p.hour, p.minute,
                p.second);
  return text;
}

std::string FormatDate(TDateTime value) {
  return FormatDateTime(value).substr(0, 10);
}

std::string FormatTime(TDateTime value) {
  return FormatDateTime(value).substr(11);
}

std::string FormatDateTimeMs(TDateTime value) {
  char ms[8];
  std::snprintf(ms, sizeof ms, ".%03d", DecodeDateTime(value).millisecond);
  return FormatDateTime(value) + ms;
}

TDateTime StrToDate(std::string_view text) {
  Scanner in(text);
  double day = 0;
  if (!ReadDate(in, day) || !in.AtEnd()) throw Error(Quoted(text, "date"));
  return day;
}

TDateTime StrToTime(std::string_view text) {
  Scanner in(text);
  std::int64_t ms = 0;
  if (!ReadTime(in, ms) || !in.AtEnd()) throw Error(Quoted(text, "time"));
  return Join(0, ms);
}

TDateTime ParseDateTime(std::string_view text) {
  Scanner in(text);
  double day = 0;
  std::int64_t ms = 0;
  if (!ReadDate(in, day) || (!in.AtEnd() && (!in.ReadChar(' ') || !ReadTime(in, ms))) || !in.AtEnd()) {
    throw Error(Quoted(text, "date and time"));
  }
  return Join(day, ms);
}

TDateTime DateOf(TDateTime value) {
  std::int64_t day = 0, ms = 0;
  Split(value, day, ms);
  return static_cast<double>(day);
}

TDateTime TimeOf(TDateTime value) {
  std::int64_t day = 0, ms = 0;
  Split(value, day, ms);
  return Join(0, ms);
}

TDateTime CombineDateTime(TDateTime date, TDateTime timeOfDay) {
  std::int64_t day = 0, ms = 0, ignoredDay = 0, ignoredMs = 0;
  Split(date, day, ignoredMs);
  Split(timeOfDay, ignoredDay, ms);
  return Join(static_cast<double>(day), ms);
}

}  // namespace zentavo
