#include <gtest/gtest.h>

#include "core/Period.h"

using namespace zentavo;

namespace {

// A period as "start .. stop" with milliseconds, so failures show the instants.
std::string Text(const Period& p) {
  return FormatDateTimeMs(p.start) + " .. " + FormatDateTimeMs(p.stop);
}

class MainPeriodPresetTest : public ::testing::Test {
 protected:
  const TDateTime now_ = EncodeDateTime(2024, 3, 5, 14, 30, 15, 250);
};

}  // namespace

TEST_F(MainPeriodPresetTest, IndexesZeroAndOneAreToday) {
  EXPECT_EQ(Text(MainPeriodPreset(0, now_)), "2024-03-05 00:00:00.000 .. 2024-03-05 23:59:59.999");
  EXPECT_EQ(Text(MainPeriodPreset(1, now_)), "2024-03-05 00:00:00.000 .. 2024-03-05 23:59:59.999");
  const Period today = MainPeriodPreset(1, now_);
  EXPECT_EQ(today.start, EncodeDateTime(2024, 3, 5));
  EXPECT_EQ(today.stop, EncodeDateTime(2024, 3, 5, 23, 59, 59, 999));
  EXPECT_EQ(FormatDateTime(today.stop), "2024-03-05 23:59:59");
}

TEST_F(MainPeriodPresetTest, IndexTwoIsYesterday) {
  EXPECT_EQ(Text(MainPeriodPreset(2, now_)), "2024-03-04 00:00:00.000 .. 2024-03-04 23:59:59.999");
  EXPECT_EQ(Text(MainPeriodPreset(2, EncodeDateTime(2024, 3, 1, 8))),
            "2024-02-29 00:00:00.000 .. 2024-02-29 23:59:59.999");
  EXPECT_EQ(Text(MainPeriodPreset(2, EncodeDateTime(2023, 3, 1, 8))),
            "2023-02-28 00:00:00.000 .. 2023-02-28 23:59:59.999");
  EXPECT_EQ(Text(MainPeriodPreset(2, EncodeDateTime(2024, 1, 1, 0, 0, 1))),
            "2023-12-31 00:00:00.000 .. 2023-12-31 23:59:59.999");
  EXPECT_EQ(Text(MainPeriodPreset(2, EncodeDateTime(1899, 12, 30, 12))),
            "1899-12-29 00:00:00.000 .. 1899-12-29 23:59:59.999");
}

TEST_F(MainPeriodPresetTest, IndexThreeIsThisMonth) {
  EXPECT_EQ(Text(MainPeriodPreset(3, now_)), "2024-03-01 00:00:00.000 .. 2024-03-31 23:59:59.999");
  EXPECT_EQ(Text(MainPeriodPreset(3, EncodeDateTime(2023, 2, 10))),
            "2023-02-01 00:00:00.000 .. 2023-02-28 23:59:59.999");
}

TEST_F(MainPeriodPresetTest, IndexFourIsTheMonthOneCalendarMonthBack) {
  EXPECT_EQ(Text(MainPeriodPreset(4, now_)), "2024-02-01 00:00:00.000 .. 2024-02-29 23:59:59.999");
  EXPECT_EQ(Text(MainPeriodPreset(4, EncodeDateTime(2024, 3, 31, 23, 59, 59, 999))),
            "2024-02-01 00:00:00.000 .. 2024-02-29 23:59:59.999");
  EXPECT_EQ(Text(MainPeriodPreset(4, EncodeDateTime(2023, 3, 31, 12))),
            "2023-02-01 00:00:00.000 .. 2023-02-28 23:59:59.999");
  EXPECT_EQ(Text(MainPeriodPreset(4, EncodeDateTime(2024, 1, 1))),
            "2023-12-01 00:00:00.000 .. 2023-12-31 23:59:59.999");
  EXPECT_EQ(Text(MainPeriodPreset(4, EncodeDateTime(2024, 5, 31))),
            "2024-04-01 00:00:00.000 .. 2024-04-30 23:59:59.999");
}

TEST_F(MainPeriodPresetTest, IndexesFiveAndSixAreThisAndLastYear) {
  EXPECT_EQ(Text(MainPeriodPreset(5, now_)), "2024-01-01 00:00:00.000 .. 2024-12-31 23:59:59.999");
  EXPECT_EQ(Text(MainPeriodPreset(6, now_)), "2023-01-01 00:00:00.000 .. 2023-12-31 23:59:59.999");
  EXPECT_EQ(Text(MainPeriodPreset(6, EncodeDateTime(2024, 1, 1))),
            "2023-01-01 00:00:00.000 .. 2023-12-31 23:59:59.999");
  EXPECT_EQ(Text(MainPeriodPreset(6, EncodeDateTime(2024, 12, 31, 23, 59, 59, 999))),
            "2023-01-01 00:00:00.000 .. 2023-12-31 23:59:59.999");
}

TEST_F(MainPeriodPresetTest, IndexSevenAndAnyOtherIsEverything) {
  for (int index : {7, 8, -1, 100}) {
    const Period all = MainPeriodPreset(index, now_);
    EXPECT_EQ(Text(all), "1900-01-01 00:00:00.000 .. 3000-01-01 00:00:00.000") << index;
    EXPECT_EQ(FormatDateTime(all.stop), "3000-01-01 00:00:00");
  }
}

TEST(ReportPeriodPreset, IndexZeroLeavesTheDatesUnchanged) {
  const TDateTime now = EncodeDateTime(2024, 3, 31, 9);
  EXPECT_FALSE(ReportPeriodPreset(0, now).has_value());
  for (int index : {1, 2, 3, 4, 5, 6, 7, 8, -1}) {
    const std::optional<Period> period = ReportPeriodPreset(index, now);
    ASSERT_TRUE(period.has_value()) << index;
    EXPECT_EQ(Text(*period), Text(MainPeriodPreset(index, now))) << index;
  }
  EXPECT_EQ(Text(*ReportPeriodPreset(4, now)), "2024-02-01 00:00:00.000 .. 2024-02-29 23:59:59.999");
}
