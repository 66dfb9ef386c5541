#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <random>

#include "core/Error.h"
#include "core/Number.h"

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

// Whole cents take a short cut; it must agree with the long way for every amount the
// ledger can hold, and leave everything else to it.
TEST(FormatGeneral, WholeCentsPrintAsTheirDecimalDigits) {
  std::mt19937_64 random(7);
  std::uniform_int_distribution<long long> cents(-999999999999999LL, 999999999999999LL);
  for (int i = 0; i < 20000; ++i) {
    const long long c = i < 1000 ? i - 500 : cents(random) / (i % 2 ? 1 : 1000000);
    char expected[64];
    std::snprintf(expected, sizeof expected, "%.2f", static_cast<double>(c) / 100);
    std::string text = expected;
    while (text.find('.') != std::string::npos && (text.back() == '0' || text.back() == '.')) text.pop_back();
    if (text == "-0") text = "0";
    ASSERT_EQ(FormatGeneral(static_cast<double>(c) / 100), text) << c;
  }
  EXPECT_EQ(FormatGeneral(0.1 + 0.2), "0.3");
  EXPECT_EQ(FormatGeneral(0.001), "0.001");
  EXPECT_EQ(FormatGeneral(12345678901234.5), "12345678901234.5");
  EXPECT_EQ(FormatGeneral(1e15), "1E15");
}

TEST(FormatGeneral, WritesPlainNumbersWithoutTrailingZeros) {
  EXPECT_EQ(FormatGeneral(0), "0");
  EXPECT_EQ(FormatGeneral(-0.0), "0");
  EXPECT_EQ(FormatGeneral(100), "100");
  EXPECT_EQ(FormatGeneral(12.5), "12.5");
  EXPECT_EQ(FormatGeneral(12.50), "12.5");
  EXPECT_EQ(FormatGeneral(1234.5), "1234.5");
  EXPECT_EQ(FormatGeneral(-20.75), "-20.75");
  EXPECT_EQ(FormatGeneral(90.5), "90.5");
  EXPECT_EQ(FormatGeneral(12.35), "12.35");
  EXPECT_EQ(FormatGeneral(0.5), "0.5");
  EXPECT_EQ(FormatGeneral(-0.25), "-0.25");
}

TEST(FormatGeneral, KeepsAtMostFifteenSignificantDigits) {
  EXPECT_EQ(FormatGeneral(0.1 + 0.2), "0.3");
  EXPECT_EQ(FormatGeneral(1.0 / 3), "0.333333333333333");
  EXPECT_EQ(FormatGeneral(2.0 / 3), "0.666666666666667");
  EXPECT_EQ(FormatGeneral(-2.0 / 3), "-0.666666666666667");
  EXPECT_EQ(FormatGeneral(123456789012345.6), "123456789012346");
  EXPECT_EQ(FormatGeneral(999999999999999.0), "999999999999999");
  EXPECT_EQ(FormatGeneral(12345.678901234567), "12345.6789012346");
}

TEST(FormatGeneral, TurnsScientificFromTheFifteenDigitBoundary) {
  EXPECT_EQ(FormatGeneral(1e15), "1E15");
  EXPECT_EQ(FormatGeneral(-1e15), "-1E15");
  EXPECT_EQ(FormatGeneral(999999999999999.9), "1E15");  // rounds to 16 digits
  EXPECT_EQ(FormatGeneral(1.5e15), "1.5E15");
  EXPECT_EQ(FormatGeneral(123456789012345678.0), "1.23456789012346E17");
  EXPECT_EQ(FormatGeneral(-1.23456789012346e20), "-1.23456789012346E20");
  EXPECT_EQ(FormatGeneral(1e100), "1E100");
}

TEST(FormatGeneral, TurnsScientificBelowOneHundredThousandth) {
  EXPECT_EQ(FormatGeneral(1e-5), "0.00001");
  EXPECT_EQ(FormatGeneral(-1e-5), "-0.00001");
  EXPECT_EQ(FormatGeneral(1.5e-5), "0.000015");
  EXPECT_EQ(FormatGeneral(0.0001), "0.0001");
  EXPECT_EQ(FormatGeneral(9.9e-6), "9.9E-6");
  EXPECT_EQ(FormatGeneral(1.5e-6), "1.5E-6");
  EXPECT_EQ(FormatGeneral(-1.5e-6), "-1.5E-6");
  EXPECT_EQ(FormatGeneral(1e-300), "1E-300");
}

TEST(FormatGeneral, NamesValuesThatAreNoNumber) {
  EXPECT_EQ(FormatGeneral(std::numeric_limits<double>::infinity()), "INF");
  EXPECT_EQ(FormatGeneral(-std::numeric_limits<double>::infinity()), "-INF");
  EXPECT_EQ(FormatGeneral(std::numeric_limits<double>::quiet_NaN()), "NAN");
}

TEST(FormatFixed, WritesTheGivenNumberOfDecimals) {
  EXPECT_EQ(FormatFixed(2.5, 0), "3");
  EXPECT_EQ(FormatFixed(-2.5, 0), "-3");
  EXPECT_EQ(FormatFixed(1.0005, 3), "1.001");
  EXPECT_EQ(FormatFixed(1, 4), "1.0000");
  EXPECT_EQ(FormatFixed(0.00005, 4), "0.0001");
  EXPECT_EQ(FormatFixed(-0.00004, 4), "0.0000");
}

TEST(StrToFloat, ReadsSignedDecimalNumbers) {
  EXPECT_EQ(StrToFloat("12.5"), 12.5);
  EXPECT_EQ(StrToFloat("7"), 7.0);
  EXPECT_EQ(StrToFloat(" 12.345 "), 12.345);
  EXPECT_EQ(StrToFloat("-20.75"), -20.75);
  EXPECT_EQ(StrToFloat("+3"), 3.0);
  EXPECT_EQ(StrToFloat(".5"), 0.5);
  EXPECT_EQ(StrToFloat("5."), 5.0);
  EXPECT_EQ(StrToFloat("1E15"), 1e15);
  EXPECT_EQ(StrToFloat("1.5e-6"), 1.5e-6);
  EXPECT_EQ(StrToFloat("2e+3"), 2000.0);
  EXPECT_EQ(StrToFloat("0012.50"), 12.5);
}

TEST(StrToFloat, ReadsBackWhatFormatGeneralWrites) {
  for (double value : {0.0, 12.5, -20.75, 1.0 / 3, 1e15, 1.5e-6, -1.23456789012346e20, 1e-5}) {
    const std::string text = FormatGeneral(value);
    EXPECT_EQ(FormatGeneral(StrToFloat(text)), text);
  }
}

TEST(StrToFloat, FailsWithTheTextInTheMessage) {
  for (const char* text : {"", " ", "1.2.3", "abc", "1,5", "12a", "--1", "+-1", "-", ".", "1e", "1e+", "e5",
                           "inf", "nan", "0x10", "1 2", "1e999", "12.50 RMB"}) {
    EXPECT_EQ(ErrorOf([&] { StrToFloat(text); }),
              "'" + std::string(text) + "' is not a valid floating point value");
  }
}

TEST(FormatFloatPattern, GroupsTheChartValueFormat) {
  const char* pattern = "#,##0.###";
  EXPECT_EQ(FormatFloatPattern(1234, pattern), "1,234");
  EXPECT_EQ(FormatFloatPattern(-50, pattern), "-50");
  EXPECT_EQ(FormatFloatPattern(1234567.5, pattern), "1,234,567.5");
  EXPECT_EQ(FormatFloatPattern(0, pattern), "0");
  EXPECT_EQ(FormatFloatPattern(0.0004, pattern), "0");
  EXPECT_EQ(FormatFloatPattern(-0.0004, pattern), "0");
  EXPECT_EQ(FormatFloatPattern(999, pattern), "999");
  EXPECT_EQ(FormatFloatPattern(1000, pattern), "1,000");
  EXPECT_EQ(FormatFloatPattern(-1234567, pattern), "-1,234,567");
  EXPECT_EQ(FormatFloatPattern(0.0005, pattern), "0.001");
  EXPECT_EQ(FormatFloatPattern(1.2345, pattern), "1.235");
  EXPECT_EQ(FormatFloatPattern(999.9996, pattern), "1,000");
  EXPECT_EQ(FormatFloatPattern(1e18, pattern), "1,000,000,000,000,000,000");
}

TEST(FormatFloatPattern, CopiesThePercentLiteralWithoutMultiplying) {
  const char* pattern = "##0.## %";
  EXPECT_EQ(FormatFloatPattern(25, pattern), "25 %");
  EXPECT_EQ(FormatFloatPattern(33.333, pattern), "33.33 %");
  EXPECT_EQ(FormatFloatPattern(66.665, pattern), "66.67 %");
  EXPECT_EQ(FormatFloatPattern(100, pattern), "100 %");
  EXPECT_EQ(FormatFloatPattern(0, pattern), "0 %");
  EXPECT_EQ(FormatFloatPattern(0.5, pattern), "0.5 %");
  EXPECT_EQ(FormatFloatPattern(1234.5, pattern), "1234.5 %");
  EXPECT_EQ(FormatFloatPattern(-12.5, pattern), "-12.5 %");
}

TEST(FormatFloatPattern, UsesTheGivenSymbols) {
  const NumberSymbols german{",", "."};
  EXPECT_EQ(FormatFloatPattern(1234567.5, "#,##0.###", german), "1.234.567,5");
  EXPECT_EQ(FormatFloatPattern(-50, "#,##0.###", german), "-50");
  EXPECT_EQ(FormatFloatPattern(33.333, "##0.## %", german), "33,33 %");
  const NumberSymbols french{",", "\u00A0"};  // a non-breaking space, two bytes in UTF-8
  EXPECT_EQ(FormatFloatPattern(1234567.25, "#,##0.###", french), "1\u00A0234\u00A0567,25");
  EXPECT_EQ(FormatFloatPattern(12, "#,##0.###", french), "12");
}

TEST(FormatFloatPattern, HandlesZerosSectionsAndLiterals) {
  EXPECT_EQ(FormatFloatPattern(5, "000.00"), "005.00");
  EXPECT_EQ(FormatFloatPattern(1.005, "0.00"), "1.01");
  EXPECT_EQ(FormatFloatPattern(-5, "0.0;(0.0)"), "(5.0)");
  EXPECT_EQ(FormatFloatPattern(0, "0.0;(0.0);'zero'"), "zero");
  EXPECT_EQ(FormatFloatPattern(0.01, "0.0;(0.0);'zero'"), "zero");
  EXPECT_EQ(FormatFloatPattern(2, "'#'0\" pcs\""), "#2 pcs");
  EXPECT_EQ(FormatFloatPattern(7, "0 \u5143"), "7 \u5143");
  EXPECT_EQ(FormatFloatPattern(1234.5, ""), "1234.5");
}
