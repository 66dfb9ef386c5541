#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <type_traits>

#include "core/Error.h"
#include "core/Format.h"

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

std::string Invalid(const std::string& pattern) {
  return "Format '" + pattern + "' invalid or incompatible with argument";
}

}  // namespace

TEST(FormatAmount, RoundsHalfAwayFromZeroOnTheWrittenDigits) {
  EXPECT_EQ(FormatAmount(12.5), "12.50");
  EXPECT_EQ(FormatAmount(3), "3.00");
  EXPECT_EQ(FormatAmount(7), "7.00");
  EXPECT_EQ(FormatAmount(0.125), "0.13");
  EXPECT_EQ(FormatAmount(12.345), "12.35");  // binary 12.3449999…
  EXPECT_EQ(FormatAmount(1.005), "1.01");    // binary 1.00499999…
  EXPECT_EQ(FormatAmount(2.675), "2.68");    // binary 2.67499999…
  EXPECT_EQ(FormatAmount(12.344), "12.34");
  EXPECT_EQ(FormatAmount(0.995), "1.00");
  EXPECT_EQ(FormatAmount(9.999), "10.00");
  EXPECT_EQ(FormatAmount(0.005), "0.01");
  EXPECT_EQ(FormatAmount(0.004), "0.00");
  EXPECT_EQ(FormatAmount(0.1 + 0.2), "0.30");
}

TEST(FormatAmount, RoundsNegativesAwayFromZeroToo) {
  EXPECT_EQ(FormatAmount(-0.125), "-0.13");
  EXPECT_EQ(FormatAmount(-12.345), "-12.35");
  EXPECT_EQ(FormatAmount(-1.005), "-1.01");
  EXPECT_EQ(FormatAmount(-3), "-3.00");
  EXPECT_EQ(FormatAmount(-12.344), "-12.34");
}

TEST(FormatAmount, NeverPrintsANegativeZero) {
  EXPECT_EQ(FormatAmount(0), "0.00");
  EXPECT_EQ(FormatAmount(-0.0), "0.00");
  EXPECT_EQ(FormatAmount(-0.001), "0.00");
  EXPECT_EQ(FormatAmount(-0.004999), "0.00");
}

TEST(FormatAmount, WritesBigValuesInFullWithoutGrouping) {
  EXPECT_EQ(FormatAmount(1234567.891), "1234567.89");
  EXPECT_EQ(FormatAmount(123456789.995), "123456790.00");
  EXPECT_EQ(FormatAmount(99999999999.995), "100000000000.00");
  EXPECT_EQ(FormatAmount(1e20), "100000000000000000000.00");
  EXPECT_EQ(FormatAmount(-1.5e17), "-150000000000000000.00");
  EXPECT_EQ(FormatAmount(1e-20), "0.00");
}

TEST(Format, FillsTextIntegerAndNumberPlaceholders) {
  EXPECT_EQ(Format("Delete %d entries?", {3}), "Delete 3 entries?");
  EXPECT_EQ(Format("%s %s", {"2024-03-05", std::string("12:00:00")}), "2024-03-05 12:00:00");
  EXPECT_EQ(
      Format("'%s %s',%d,'%s','%s',%f,'%s'", {"2024-03-05", "12:00:00", 0, "food", "note", 12.345, "RMB"}),
      "'2024-03-05 12:00:00',0,'food','note',12.35,'RMB'");
  EXPECT_EQ(Format("%f", {0.125}), "0.13");
  EXPECT_EQ(Format("%f", {-0.0}), "0.00");
  EXPECT_EQ(Format("100%%", {}), "100%");
  EXPECT_EQ(Format("%d%%", {50}), "50%");
  EXPECT_EQ(Format("no placeholders", {}), "no placeholders");
  EXPECT_EQ(Format("%d", {std::numeric_limits<std::int64_t>::min()}), "-9223372036854775808");
  EXPECT_EQ(Format("%d", {-42L}), "-42");
  EXPECT_EQ(Format("%s", {std::string_view("view")}), "view");
  EXPECT_EQ(Format("中文 %s", {"文本"}), "中文 文本");
}

TEST(Format, TakesIndexWidthAndPrecision) {
  EXPECT_EQ(Format("%1:s %0:s %s", {"a", "b", "c"}), "b a b");
  EXPECT_EQ(Format("[%5d]", {42}), "[   42]");
  EXPECT_EQ(Format("[%-5d]", {42}), "[42   ]");
  EXPECT_EQ(Format("[%.4d]", {42}), "[0042]");
  EXPECT_EQ(Format("[%.4d]", {-42}), "[-0042]");
  EXPECT_EQ(Format("[%.2s]", {"abc"}), "[ab]");
  EXPECT_EQ(Format("[%.3f]", {1.0005}), "[1.001]");
  EXPECT_EQ(Format("[%.0f]", {2.5}), "[3]");
  EXPECT_EQ(Format("[%8.2f]", {-1.005}), "[   -1.01]");
}

// A bool or a char would otherwise slip through as a double.
static_assert(!std::is_constructible_v<FormatArg, bool>);
static_assert(!std::is_constructible_v<FormatArg, char>);
static_assert(std::is_constructible_v<FormatArg, unsigned short>);

TEST(Format, RefusesPlaceholdersThatDoNotMatchTheirArguments) {
  EXPECT_EQ(ErrorOf([] { Format("%s", {5}); }), Invalid("%s"));
  EXPECT_EQ(ErrorOf([] { Format("%f", {5}); }), Invalid("%f"));
  EXPECT_EQ(ErrorOf([] { Format("%d", {"5"}); }), Invalid("%d"));
  EXPECT_EQ(ErrorOf([] { Format("%d", {5.0}); }), Invalid("%d"));
  EXPECT_EQ(ErrorOf([] { Format("%s", {5.0}); }), Invalid("%s"));
  EXPECT_EQ(ErrorOf([] { Format("%f", {"5"}); }), Invalid("%f"));
}

TEST(Format, RefusesMissingArgumentsAndUnknownPlaceholders) {
  EXPECT_EQ(ErrorOf([] { Format("%d", {}); }), Invalid("%d"));
  EXPECT_EQ(ErrorOf([] { Format("%d and %d", {1}); }), Invalid("%d and %d"));
  EXPECT_EQ(ErrorOf([] { Format("%2:d", {1, 2}); }), Invalid("%2:d"));
  EXPECT_EQ(ErrorOf([] { Format("50%", {1}); }), Invalid("50%"));
  EXPECT_EQ(ErrorOf([] { Format("%x", {1}); }), Invalid("%x"));
  EXPECT_EQ(ErrorOf([] { Format("%q", {1}); }), Invalid("%q"));
  EXPECT_EQ(ErrorOf([] { Format("%.d", {1}); }), Invalid("%.d"));
}

TEST(Format, DeleteQuestionAcceptsOnlyOneIntegerPlaceholder) {
  // The main window formats msgDelete with the number of selected rows.
  EXPECT_EQ(Format("Delete the %d selected entries?", {2}), "Delete the 2 selected entries?");
  EXPECT_EQ(Format("Delete the selected entries?", {2}), "Delete the selected entries?");
  EXPECT_THROW(Format("Delete %s?", {2}), Error);
  EXPECT_THROW(Format("Delete %d of %d?", {2}), Error);
  EXPECT_THROW(Format("Delete %f?", {2}), Error);
}
