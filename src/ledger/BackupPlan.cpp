#include "ledger/BackupPlan.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace zentavo {

namespace {

constexpr std::string_view kPrefix = "money-";
constexpr std::string_view kExtension = ".mdb";

bool ReadDigits(std::string_view text, size_t at, size_t count, int& value) {
  if (at + count > text.size()) return false;
  value = 0;
  for (size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
  }
  return true;
}

struct DatedCopy {
  std::string name;
  TDateTime when;
  int sequence;
};

int MonthIndex(TDateTime value) {
  const DateTimeParts parts = DecodeDateTime(value);
  return parts.year * 12 + parts.month - 1;
}

// "-N" after the time, or 1 when there is none; 0 for anything else.
int SequenceOf(std::string_view rest) {
  if (rest.empty()) return 1;
  if (rest.size() < 2 || rest[0] != '-') return 0;
  int value = 0;
  if (!ReadDigits(rest, 1, rest.size() - 1, value) || value < 2) return 0;
  return value;
}

}  // namespace

std::string BackupFileName(TDateTime when, int sequence) {
  const DateTimeParts p = DecodeDateTime(when);
  char text[48];
  std::snprintf(text, sizeof text, "money-%04d%02d%02d-%02d%02d%02d", p.year, p.month, p.day, p.hour, p.minute,
                p.second);
  std::string name = text;
  if (sequence > 1) name += "-" + std::to_string(sequence);
  return name + std::string(kExtension);
}

std::optional<TDateTime> BackupTimeOf(std::string_view name) {
  if (name.size() < kPrefix.size() + 15 + kExtension.size() || name.substr(0, kPrefix.size()) != kPrefix ||
      name.substr(name.size() - kExtension.size()) != kExtension)
    return std::nullopt;
  const std::string_view stamp = name.substr(kPrefix.size(), name.size() - kPrefix.size() - kExtension.size());
  int year, month, day, hour, minute, second;
  if (!ReadDigits(stamp, 0, 4, year) || !ReadDigits(stamp, 4, 2, month) || !ReadDigits(stamp, 6, 2, day) ||
      stamp[8] != '-' || !ReadDigits(stamp, 9, 2, hour) || !ReadDigits(stamp, 11, 2, minute) ||
      !ReadDigits(stamp, 13, 2, second) || SequenceOf(stamp.substr(15)) == 0)
    return std::nullopt;
  if (!IsValidDate(year, month, day) || hour > 23 || minute > 59 || second > 59) return std::nullopt;
  return EncodeDateTime(year, month, day, hour, minute, second);
}

std::vector<std::string> BackupsToRemove(const std::vector<std::string>& names, TDateTime now) {
  std::vector<DatedCopy> copies;
  for (const std::string& name : names) {
    const std::optional<TDateTime> when = BackupTimeOf(name);
    if (!when) continue;
    const std::string_view stamp(name.data() + kPrefix.size(), name.size() - kPrefix.size() - kExtension.size());
    copies.push_back({name, *when, SequenceOf(stamp.substr(15))});
  }
  // Newest first.
  std::sort(copies.begin(), copies.end(), [](const DatedCopy& a, const DatedCopy& b) {
    if (a.when != b.when) return a.when > b.when;
    return a.sequence > b.sequence;
  });
  const int thisMonth = MonthIndex(now);
  std::set<int> monthsKept;
  std::vector<std::string> removed;
  for (size_t i = 0; i < copies.size(); ++i) {
    const int month = MonthIndex(copies[i].when);
    const bool monthly = month <= thisMonth && month > thisMonth - kKeptMonthlyBackups && monthsKept.insert(month).second;
    if (i < static_cast<size_t>(kKeptNewestBackups) || monthly) continue;
    removed.push_back(copies[i].name);
  }
  return removed;
}

}  // namespace zentavo
