#include "core/Number.h"

#include <charconv>
#include <cmath>
#include <system_error>
#include <vector>

#include "core/Decimal.h"
#include "core/Error.h"

namespace zentavo {
namespace {

// The general form shows at most this many significant digits.
constexpr int kGeneralDigits = 15;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Most amounts are whole cents far inside 15 digits. Such a value is the double nearest to
// its cents / 100, and no other decimal of at most 15 digits maps to that double, so the
// general form is the cents written out: no digit strings needed, which matters when a
// million amounts are listed.
bool WriteCents(double value, std::string& text) {
  if (!(std::fabs(value) < 1e13)) return false;
  const double cents = std::nearbyint(value * 100);
  if (cents / 100 != value) return false;
  const long long whole = static_cast<long long>(std::fabs(cents));
  if (whole == 0) {
    text = "0";
    return true;
  }
  char buffer[32];
  char* end = buffer;
  if (cents < 0) *end++ = '-';
  end = std::to_chars(end, buffer + sizeof(buffer), whole / 100).ptr;
  const int fraction = static_cast<int>(whole % 100);
  if (fraction != 0) {
    *end++ = '.';
    *end++ = static_cast<char>('0' + fraction / 10);
    if (fraction % 10 != 0) *end++ = static_cast<char>('0' + fraction % 10);
  }
  text.assign(buffer, end);
  return true;
}

// The layout of one section of a FormatFloat pattern.
struct PatternSection {
  std::string_view text;
  int integerPlaces = 0;     // "0" and "#" before the decimal point
  int minIntegerDigits = 0;  // placeholders from the first "0" before the point on
  int maxDecimals = 0;       // placeholders after the point
  int minDecimals = 0;       // up to the last "0" after the point
  bool grouped = false;
};

// Calls visit(c, quoted) for every character of a section, telling literal text in quotes
// apart from pattern characters.
template <class Visit>
void WalkSection(std::string_view text, Visit visit) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\'' || c == '"') {
      const std::size_t close = text.find(c, i + 1);
      const std::size_t end = close == std::string_view::npos ? text.size() : close;
      for (std::size_t j = i + 1; j < end; ++j) visit(text[j], true);
      i = end;
    } else {
      visit(c, false);
    }
  }
}

PatternSection AnalyseSection(std::string_view text) {
  PatternSection section;
  section.text = text;
  bool afterPoint = false;
  bool zeroSeen = false;
  WalkSection(text, [&](char c, bool quoted) {
    if (quoted) return;
    if (c == '.') {
      afterPoint = true;
    } else if (c == ',' && !afterPoint) {
      section.grouped = true;
    } else if (c == '0' || c == '#') {
      if (afterPoint) {
        ++section.maxDecimals;
        if (c == '0') section.minDecimals = section.maxDecimals;
      } else {
        ++section.integerPlaces;
        zeroSeen = zeroSeen || c == '0';
        if (zeroSeen) ++section.minIntegerDigits;
      }
    }
  });
  return section;
}

std::vector<std::string_view> SplitSections(std::string_view pattern) {
  std::vector<std::string_view> sections;
  std::size_t start = 0;
  char quote = 0;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == '\'' || c == '"') {
      quote = c;
    } else if (c == ';' && sections.size() < 2) {
      sections.push_back(pattern.substr(start, i - start));
      start = i + 1;
    }
  }
  sections.push_back(pattern.substr(start));
  return sections;
}

// Writes a rounded number through one section: integer digits fill the integer
// placeholders from the right (extra digits go where the first placeholder is), fraction
// digits fill the fraction placeholders from the left, literals stay where they are.
std::string RenderSection(const PatternSection& section, const DecimalDigits& number, bool withSign,
                          const NumberSymbols& symbols) {
  std::string integer = IntegerDigits(number);
  if (static_cast<int>(integer.size()) < section.minIntegerDigits) {
    integer.insert(0, static_cast<std::size_t>(section.minIntegerDigits) - integer.size(), '0');
  }
  std::string fraction = FractionDigits(number);
  if (static_cast<int>(fraction.size()) < section.minDecimals) {
    fraction.resize(static_cast<std::size_t>(section.minDecimals), '0');
  }
  const int length = static_cast<int>(integer.size());

  std::string out = withSign ? "-" : "";
  auto emitInteger = [&](int from, int to) {
    for (int pos = std::max(from, 0); pos < to; ++pos) {
      out += integer[static_cast<std::size_t>(pos)];
      const int remaining = length - pos - 1;
      if (section.grouped && remaining > 0 && remaining % 3 == 0) out += symbols.group;
    }
  };
  int integerIndex = 0;
  int fractionIndex = 0;
  bool afterPoint = false;
  WalkSection(section.text, [&](char c, bool quoted) {
    if (quoted) {
      out += c;
    } else if (!afterPoint && (c == '0' || c == '#')) {
      const int first = length - section.integerPlaces;
      if (integerIndex == 0) emitInteger(0, first);
      emitInteger(first + integerIndex, first + integerIndex + 1);
      ++integerIndex;
    } else if (!afterPoint && c == '.') {
      afterPoint = true;
      if (section.integerPlaces == 0) emitInteger(0, length);
      if (!fraction.empty()) out += symbols.decimal;
    } else if (afterPoint && (c == '0' || c == '#')) {
      if (fractionIndex < static_cast<int>(fraction.size())) {
        out += fraction[static_cast<std::size_t>(fractionIndex)];
      }
      ++fractionIndex;
    } else if (c != ',' && !(afterPoint && c == '.')) {
      out += c;
    }
  });
  return out;
}

}  // namespace

std::string FormatGeneral(double value) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  if (std::string cents; WriteCents(value, cents)) return cents;
  DecimalDigits number = ShortestDecimal(value);
  RoundDigits(number, kGeneralDigits);
  if (number.IsZero()) return "0";
  std::string text = number.negative ? "-" : "";
  // exponent > 15: 1e15 and up; exponent < -4: below 1e-5 (0.00001 is 0.1 × 10^-4).
  if (number.exponent > kGeneralDigits || number.exponent < -4) {
    text += number.digits[0];
    if (number.digits.size() > 1) text += "." + number.digits.substr(1);
    text += "E" + std::to_string(number.exponent - 1);
    return text;
  }
  const std::string integer = IntegerDigits(number);
  const std::string fraction = FractionDigits(number);
  text += integer.empty() ? "0" : integer;
  if (!fraction.empty()) text += "." + fraction;
  return text;
}

std::string FormatFixed(double value, int decimals) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  decimals = std::max(decimals, 0);
  DecimalDigits number = ShortestDecimal(value);
  RoundToDecimals(number, decimals);
  const std::string integer = IntegerDigits(number);
  std::string text = number.negative ? "-" : "";
  text += integer.empty() ? "0" : integer;
  if (decimals > 0) {
    std::string fraction = FractionDigits(number);
    fraction.resize(static_cast<std::size_t>(decimals), '0');
    text += "." + fraction;
  }
  return text;
}

double StrToFloat(std::string_view text) {
  const auto fail = [&] { return Error("'" + std::string(text) + "' is not a valid floating point value"); };
  std::string_view rest = text;
  while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
  while (!rest.empty() && rest.back() == ' ') rest.remove_suffix(1);
  std::size_t at = 0;
  if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) at = 1;
  // from_chars takes a '-' but no '+'.
  const std::string_view number = rest.substr(!rest.empty() && rest.front() == '+' ? 1 : 0);

  // Check the whole grammar ourselves: from_chars would also take "inf", "nan" and hex.
  int digits = 0;
  int points = 0;
  for (; at < rest.size() && (IsDigit(rest[at]) || rest[at] == '.'); ++at) {
    if (rest[at] == '.') {
      ++points;
    } else {
      ++digits;
    }
  }
  if (digits == 0 || points > 1) throw fail();
  if (at < rest.size() && (rest[at] == 'e' || rest[at] == 'E')) {
    ++at;
    if (at < rest.size() && (rest[at] == '+' || rest[at] == '-')) ++at;
    int exponentDigits = 0;
    for (; at < rest.size() && IsDigit(rest[at]); ++at) ++exponentDigits;
    if (exponentDigits == 0) throw fail();
  }
  if (at != rest.size()) throw fail();

  double value = 0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec != std::errc() || result.ptr != number.data() + number.size()) throw fail();
  return value;
}

std::string FormatFloatPattern(double value, std::string_view pattern, const NumberSymbols& symbols) {
  if (pattern.empty()) return FormatGeneral(value);
  if (!std::isfinite(value)) return NonFiniteText(value);
  const std::vector<std::string_view> sections = SplitSections(pattern);
  const bool negativeSection = value < 0 && sections.size() > 1 && !sections[1].empty();
  PatternSection section = AnalyseSection(sections[negativeSection ? 1 : 0]);
  DecimalDigits number = ShortestDecimal(value);
  RoundToDecimals(number, section.maxDecimals);
  if (number.IsZero() && sections.size() > 2 && !sections[2].empty()) {
    section = AnalyseSection(sections[2]);
  }
  return RenderSection(section, number, number.negative && !negativeSection, symbols);
}

}  // namespace zentavo
