#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "core/DateTime.h"
#include "core/Error.h"

using namespace zentavo;

namespace {

// The message of the zentavo::Error that `call` throws ("" if it throws none).
template <class Call>
std::string ErrorOf(Call call) {
  try {
    call();
  } catch (const Error& e) {
    return e.what();
  }
  return {};
}

}  // namespace

TEST(EncodeDateTime, CountsDaysFromTheOleEpoch) {
  EXPECT_EQ(EncodeDateTime(1899, 12, 30), 0.0);
  EXPECT_EQ(EncodeDateTime(1900, 1, 1), 2.0);
  EXPECT_EQ(EncodeDateTime(2024, 3, 5), 45356.0);
  EXPECT_EQ(EncodeDateTime(1, 1, 1), -693593.0);
  EXPECT_EQ(EncodeDateTime(9999, 12, 31), 2958465.0);
  EXPECT_EQ(EncodeDateTime(2024, 3, 5, 12), 45356.5);
}

TEST(EncodeDateTime, SubtractsTheTimeBeforeTheEpochAsOleDoes) {
  EXPECT_EQ(EncodeDateTime(1899, 12, 29, 6), -1.25);
  EXPECT_EQ(EncodeDateTime(1899, 12, 29), -1.0);
  const DateTimeParts p = DecodeDateTime(-1.25);
  EXPECT_EQ(p.year, 1899);
  EXPECT_EQ(p.month, 12);
  EXPECT_EQ(p.day, 29);
  EXPECT_EQ(p.hour, 6);
  EXPECT_EQ(FormatDateTime(EncodeDateTime(1800, 6, 15, 18, 30, 15)), "1800-06-15 18:30:15");
}

TEST(EncodeDateTime, RefusesImpossibleDatesAndTimes) {
  EXPECT_EQ(ErrorOf([] { EncodeDateTime(2023, 2, 29); }), "Invalid argument to date encode");
  EXPECT_EQ(ErrorOf([] { EncodeDateTime(2024, 13, 1); }), "Invalid argument to date encode");
  EXPECT_EQ(ErrorOf([] { EncodeDateTime(2024, 4, 31); }), "Invalid argument to date encode");
  EXPECT_EQ(ErrorOf([] { EncodeDateTime(0, 1, 1); }), "Invalid argument to date encode");
  EXPECT_EQ(ErrorOf([] { EncodeDateTime(10000, 1, 1); }), "Invalid argument to date encode");
  EXPECT_EQ(ErrorOf([] { EncodeDateTime(2024, 1, 1, 24); }), "Invalid argument to time encode");
  EXPECT_EQ(ErrorOf([] { EncodeDateTime(2024, 1, 1, 0, 60); }), "Invalid argument to time encode");
  EXPECT_EQ(ErrorOf([] { EncodeDateTime(2024, 1, 1, 0, 0, 60); }), "Invalid argument to time encode");
  EXPECT_EQ(ErrorOf([] { EncodeDateTime(2024, 1, 1, 0, 0, 0, 1000); }), "Invalid argument to time encode");
  EXPECT_NO_THROW(EncodeDateTime(2024, 2, 29, 23, 59, 59, 999));
}

TEST(DecodeDateTime, RoundTripsEveryPartToTheMillisecond) {
  const int dates[][3] = {{1, 1, 1},     {1899, 12, 29}, {1899, 12, 30}, {1900, 1, 1},
                          {2000, 2, 29}, {2024, 3, 5},   {3000, 1, 1},   {9999, 12, 31}};
  const int times[][4] = {{0, 0, 0, 0}, {23, 59, 59, 999}, {12, 0, 0, 1}, {6, 30, 15, 500}};
  for (const auto& d : dates) {
    for (const auto& t : times) {
      const DateTimeParts p = DecodeDateTime(EncodeDateTime(d[0], d[1], d[2], t[0], t[1], t[2], t[3]));
      EXPECT_EQ((std::array{p.year, p.month, p.day, p.hour, p.minute, p.second, p.millisecond}),
                (std::array{d[0], d[1], d[2], t[0], t[1], t[2], t[3]}));
    }
  }
}

TEST(DecodeDateTime, CarriesATimeThatRoundsToMidnightIntoTheNextDay) {
  EXPECT_EQ(FormatDateTimeMs(EncodeDateTime(2024, 2, 28) + 0.9999999999), "2024-02-29 00:00:00.000");
}

TEST(DecodeDateTime, RefusesValuesOutsideTheYears) {
  EXPECT_EQ(ErrorOf([] { DecodeDateTime(3e6); }), "Invalid argument to date decode");
  EXPECT_EQ(ErrorOf([] { DecodeDateTime(-7e5); }), "Invalid argument to date decode");
  EXPECT_EQ(ErrorOf([] { DecodeDateTime(std::nan("")); }), "Invalid argument to date decode");
}

TEST(DaysInMonth, KnowsLeapYears) {
  EXPECT_EQ(DaysInMonth(2024, 2), 29);
  EXPECT_EQ(DaysInMonth(2023, 2), 28);
  EXPECT_EQ(DaysInMonth(1900, 2), 28);
  EXPECT_EQ(DaysInMonth(2000, 2), 29);
  EXPECT_EQ(DaysInMonth(2023, 1), 31);
  EXPECT_EQ(DaysInMonth(2023, 4), 30);
  EXPECT_EQ(DaysInMonth(2023, 12), 31);
  EXPECT_THROW(DaysInMonth(2023, 0), Error);
  EXPECT_THROW(DaysInMonth(2023, 13), Error);
}

TEST(FormatDateTime, WritesTheTimeTextForm) {
  EXPECT_EQ(FormatDateTime(EncodeDateTime(2024, 3, 5, 7, 8, 9)), "2024-03-05 07:08:09");
  EXPECT_EQ(FormatDateTime(EncodeDateTime(2024, 3, 5)), "2024-03-05 00:00:00");
  EXPECT_EQ(FormatDate(EncodeDateTime(2024, 3, 5, 7, 8, 9)), "2024-03-05");
  EXPECT_EQ(FormatTime(EncodeDateTime(2024, 3, 5, 7, 8, 9)), "07:08:09");
  EXPECT_EQ(FormatDateTimeMs(EncodeDateTime(2024, 3, 5, 7, 8, 9, 45)), "2024-03-05 07:08:09.045");
  EXPECT_EQ(FormatDate(EncodeDateTime(1, 1, 1)), "0001-01-01");
}

TEST(FormatDateTime, DropsTheMillisecondsOfADaysEndWithoutRoundingUp) {
  const TDateTime end = EncodeDateTime(2024, 3, 5, 23, 59, 59, 999);
  EXPECT_EQ(FormatDateTime(end), "2024-03-05 23:59:59");
  EXPECT_EQ(FormatDate(end), "2024-03-05");
  EXPECT_EQ(FormatTime(end), "23:59:59");
  EXPECT_EQ(FormatDateTimeMs(end), "2024-03-05 23:59:59.999");
  EXPECT_EQ(FormatDateTime(EncodeDateTime(2024, 12, 31, 23, 59, 59, 999)), "2024-12-31 23:59:59");
}

TEST(StrToDate, ReadsYearMonthDaySeparatedByHyphens) {
  EXPECT_EQ(StrToDate("2024-03-05"), EncodeDateTime(2024, 3, 5));
  EXPECT_EQ(StrToDate("2024-3-5"), EncodeDateTime(2024, 3, 5));
  EXPECT_EQ(StrToDate(" 1900-01-01 "), EncodeDateTime(1900, 1, 1));
  EXPECT_EQ(StrToDate("1899-12-29"), -1.0);
}

TEST(StrToDate, FailsWithTheTextInTheMessage) {
  for (const char* text : {"", "2024", "2024-03", "2024/03/05", "2024-02-30", "2024-13-01", "24-03-05",
                           "2024-03-05x", "2024-003-05", "2024-03-05 12:00:00", "abc"}) {
    EXPECT_EQ(ErrorOf([&] { StrToDate(text); }), "'" + std::string(text) + "' is not a valid date");
  }
}

TEST(StrToTime, ReadsHoursMinutesAndSeconds) {
  EXPECT_EQ(StrToTime("12:00:00"), 0.5);
  EXPECT_EQ(StrToTime("06:00"), 0.25);
  EXPECT_EQ(StrToTime("6:0:0"), 0.25);
  EXPECT_EQ(FormatDateTimeMs(StrToTime("23:59:59.999")), "1899-12-30 23:59:59.999");
  EXPECT_EQ(FormatTime(StrToTime("07:08:09")), "07:08:09");
}

TEST(StrToTime, FailsWithTheTextInTheMessage) {
  for (const char* text :
       {"", "12", "24:00:00", "12:60", "12:00:60", "12-00-00", "12:00:00.5", "12:00:00x", "ab:cd"}) {
    EXPECT_EQ(ErrorOf([&] { StrToTime(text); }), "'" + std::string(text) + "' is not a valid time");
  }
}

TEST(ParseDateTime, ReadsTheTimeTextWithOrWithoutMilliseconds) {
  EXPECT_EQ(ParseDateTime("2024-03-05 12:00:00"), EncodeDateTime(2024, 3, 5, 12));
  EXPECT_EQ(ParseDateTime("2024-03-05 23:59:59.999"), EncodeDateTime(2024, 3, 5, 23, 59, 59, 999));
  EXPECT_EQ(ParseDateTime("2024-03-05"), EncodeDateTime(2024, 3, 5));
  EXPECT_EQ(ParseDateTime("1899-12-29 06:00:00"), -1.25);
  for (const char* text : {"", "2024-03-05 12", "2024-03-05T12:00:00", "2024-03-05  12:00:00",
                           "2024-03-05 25:00:00", "12:00:00"}) {
    EXPECT_EQ(ErrorOf([&] { ParseDateTime(text); }),
              "'" + std::string(text) + "' is not a valid date and time");
  }
}

TEST(DateOfTimeOf, SplitAndCombineAtTheMillisecond) {
  const TDateTime value = EncodeDateTime(2024, 3, 5, 23, 59, 59, 999);
  EXPECT_EQ(DateOf(value), EncodeDateTime(2024, 3, 5));
  EXPECT_EQ(FormatDateTimeMs(TimeOf(value)), "1899-12-30 23:59:59.999");
  EXPECT_EQ(CombineDateTime(DateOf(value), TimeOf(value)), value);

  const TDateTime before = EncodeDateTime(1899, 12, 29, 6);
  EXPECT_EQ(DateOf(before), -1.0);
  EXPECT_EQ(TimeOf(before), 0.25);
  EXPECT_EQ(CombineDateTime(DateOf(before), TimeOf(before)), before);
}

TEST(CombineDateTime, KeepsThePickersTimeOfDayWhenTheDateChanges) {
  const TDateTime stop = EncodeDateTime(2024, 3, 31, 23, 59, 59, 999);
  const TDateTime picked = EncodeDateTime(2024, 4, 15, 10, 20, 30);
  EXPECT_EQ(CombineDateTime(picked, stop), EncodeDateTime(2024, 4, 15, 23, 59, 59, 999));
  EXPECT_EQ(FormatDateTimeMs(CombineDateTime(EncodeDateTime(1899, 12, 1), stop)), "1899-12-01 23:59:59.999");
  EXPECT_EQ(FormatDateTimeMs(CombineDateTime(EncodeDateTime(1900, 1, 1), stop)), "1900-01-01 23:59:59.999");
}
