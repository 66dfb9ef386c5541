#include "core/Decimal.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace zentavo {

DecimalDigits ShortestDecimal(double value) {
  DecimalDigits number;
  if (value == 0) return number;
  // Shortest round-trip scientific form, e.g. "-1.2345e+01".
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
  const std::string_view form(text, static_cast<std::size_t>(result.ptr - text));
  std::size_t at = 0;
  if (form[at] == '-') {
    number.negative = true;
    ++at;
  }
  const std::size_t e = form.find('e');
  for (; at < e; ++at) {
    if (form[at] != '.') number.digits += form[at];
  }
  int power = 0;
  const char* first = form.data() + e + 1;
  if (*first == '+') ++first;
  std::from_chars(first, form.data() + form.size(), power);
  number.exponent = power + 1;
  while (!number.digits.empty() && number.digits.back() == '0') number.digits.pop_back();
  return number;
}

void RoundDigits(DecimalDigits& number, int keep) {
  const int count = static_cast<int>(number.digits.size());
  if (keep >= count) return;
  if (keep < 0) {
    // Even the first digit lies more than one place beyond the rounding position.
    number = DecimalDigits{};
    return;
  }
  const bool up = number.digits[static_cast<std::size_t>(keep)] >= '5';
  number.digits.resize(static_cast<std::size_t>(keep));
  if (up) {
    int i = keep - 1;
    for (; i >= 0 && number.digits[static_cast<std::size_t>(i)] == '9'; --i) {
      number.digits[static_cast<std::size_t>(i)] = '0';
    }
    if (i >= 0) {
      ++number.digits[static_cast<std::size_t>(i)];
    } else {
      // All nines (or nothing kept): the carry makes a new leading digit.
      number.digits.insert(number.digits.begin(), '1');
      ++number.exponent;
    }
  }
  while (!number.digits.empty() && number.digits.back() == '0') number.digits.pop_back();
  if (number.digits.empty()) number = DecimalDigits{};
}

void RoundToDecimals(DecimalDigits& number, int decimals) {
  RoundDigits(number, number.exponent + decimals);
}

std::string IntegerDigits(const DecimalDigits& number) {
  if (number.IsZero() || number.exponent <= 0) return {};
  const auto whole = static_cast<std::size_t>(number.exponent);
  std::string text = number.digits.substr(0, whole);
  text.resize(whole, '0');
  return text;
}

std::string FractionDigits(const DecimalDigits& number) {
  if (number.IsZero()) return {};
  if (number.exponent >= 0) {
    const auto whole = static_cast<std::size_t>(number.exponent);
    return whole < number.digits.size() ? number.digits.substr(whole) : std::string();
  }
  return std::string(static_cast<std::size_t>(-number.exponent), '0') + number.digits;
}

std::string NonFiniteText(double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

}  // namespace zentavo
