#include <gtest/gtest.h>

#include "core/Decimal.h"

using namespace zentavo;

namespace {

std::string Text(const DecimalDigits& d) {
  return (d.negative ? "-0." : "0.") + d.digits + "e" + std::to_string(d.exponent);
}

}  // namespace

TEST(ShortestDecimal, GivesTheDigitsAsWritten) {
  EXPECT_EQ(Text(ShortestDecimal(12.345)), "0.12345e2");
  EXPECT_EQ(Text(ShortestDecimal(-1.005)), "-0.1005e1");
  EXPECT_EQ(Text(ShortestDecimal(100)), "0.1e3");
  EXPECT_EQ(Text(ShortestDecimal(0.0004)), "0.4e-3");
  EXPECT_EQ(Text(ShortestDecimal(0)), "0.e0");
  EXPECT_EQ(Text(ShortestDecimal(-0.0)), "0.e0");
}

TEST(RoundDigits, RoundsHalfAwayFromZeroAndCarries) {
  DecimalDigits d = ShortestDecimal(-9.995);
  RoundToDecimals(d, 2);
  EXPECT_EQ(Text(d), "-0.1e2");
  d = ShortestDecimal(0.004);
  RoundToDecimals(d, 2);
  EXPECT_EQ(Text(d), "0.e0");
  d = ShortestDecimal(-0.005);
  RoundToDecimals(d, 2);
  EXPECT_EQ(Text(d), "-0.1e-1");
  d = ShortestDecimal(-0.0004);
  RoundToDecimals(d, 2);
  EXPECT_EQ(Text(d), "0.e0");
  d = ShortestDecimal(123.4);
  RoundDigits(d, 3);
  EXPECT_EQ(Text(d), "0.123e3");
  EXPECT_EQ(IntegerDigits(ShortestDecimal(1.5e3)), "1500");
  EXPECT_EQ(FractionDigits(ShortestDecimal(1.5e-3)), "0015");
  EXPECT_EQ(IntegerDigits(ShortestDecimal(0.5)), "");
}
