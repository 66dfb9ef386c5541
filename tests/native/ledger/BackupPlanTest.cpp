// Names of the ledger's dated copies and the rule that decides which copies stay.
#include <gtest/gtest.h>

#include <algorithm>

#include "ledger/BackupPlan.h"

namespace zentavo::test {
namespace {

TEST(BackupPlan, NamesCarryTheTimeToTheSecondAndReadBack) {
  const TDateTime when = EncodeDateTime(2026, 12, 9, 7, 5, 3, 999);
  EXPECT_EQ(BackupFileName(when), "money-20261209-070503.mdb");
  EXPECT_EQ(BackupFileName(when, 3), "money-20261209-070503-3.mdb");
  EXPECT_EQ(BackupTimeOf("money-20261209-070503.mdb"), EncodeDateTime(2026, 12, 9, 7, 5, 3));
  EXPECT_EQ(BackupTimeOf("money-20261209-070503-3.mdb"), EncodeDateTime(2026, 12, 9, 7, 5, 3));
  for (const char* other : {"money.mdb", "money-20261209-070503.mdb.tmp", "money-20261309-070503.mdb",
                            "money-20260229-070503.mdb", "money-20261209-246503.mdb", "money-20261209-070503-1.mdb",
                            "money-20261209-070503-x.mdb", "money-2026120-9070503.mdb", "notes.txt"})
    EXPECT_FALSE(BackupTimeOf(other)) << other;
}

TEST(BackupPlan, TheTenNewestAndTheNewestOfEachOfTwelveMonthsStay) {
  // Two years of copies: one on the 1st and one on the 15th of every month, 2025 and 2026.
  std::vector<std::string> names;
  for (int year : {2025, 2026})
    for (int month = 1; month <= 12; ++month)
      for (int day : {1, 15}) names.push_back(BackupFileName(EncodeDateTime(year, month, day, 12)));
  names.push_back("money.mdb");
  names.push_back("readme.txt");
  const TDateTime now = EncodeDateTime(2026, 12, 20, 9);
  const std::vector<std::string> removed = BackupsToRemove(names, now);
  const auto kept = [&](const std::string& name) {
    return std::find(removed.begin(), removed.end(), name) == removed.end();
  };
  // Ten newest: December 15 back to August 1 of 2026.
  for (int month = 8; month <= 12; ++month)
    for (int day : {1, 15}) EXPECT_TRUE(kept(BackupFileName(EncodeDateTime(2026, month, day, 12))));
  // January to July 2026: only the 15th, the month's newest.
  for (int month = 1; month <= 7; ++month) {
    EXPECT_TRUE(kept(BackupFileName(EncodeDateTime(2026, month, 15, 12)))) << month;
    EXPECT_FALSE(kept(BackupFileName(EncodeDateTime(2026, month, 1, 12)))) << month;
  }
  // All of 2025 is more than twelve months back.
  for (int month = 1; month <= 12; ++month) EXPECT_FALSE(kept(BackupFileName(EncodeDateTime(2025, month, 15, 12))));
  EXPECT_TRUE(kept("money.mdb"));
  EXPECT_TRUE(kept("readme.txt"));
  EXPECT_EQ(removed.size(), 7u + 24u);
}

TEST(BackupPlan, CopiesOfOneSecondAreOrderedByTheirSequenceAndCopiesFromTheFutureAreNotMonthly) {
  const TDateTime second = EncodeDateTime(2026, 12, 1, 8);
  std::vector<std::string> names;
  for (int sequence = 1; sequence <= 11; ++sequence) names.push_back(BackupFileName(second, sequence));
  // A copy dated after "now" (a clock set back) counts among the newest but holds no month.
  names.push_back(BackupFileName(EncodeDateTime(2027, 3, 1)));
  const std::vector<std::string> removed = BackupsToRemove(names, EncodeDateTime(2026, 12, 2));
  // Newest: the 2027 copy and sequences 11 down to 3; December's newest is sequence 11.
  EXPECT_EQ(removed, (std::vector<std::string>{BackupFileName(second, 2), BackupFileName(second, 1)}));
}

}  // namespace
}  // namespace zentavo::test
