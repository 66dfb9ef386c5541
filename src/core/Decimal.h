#pragma once
#include <string>

namespace zentavo {

// A finite double as the decimal number it is written as: the shortest digits that read
// back as the same double (so 12.345 is 12345 × 10^-3, not the binary 12.3449999…). The
// number formats round on these digits, half away from zero, so a value rounds the way its
// written form suggests ("amounts as written").
struct DecimalDigits {
  bool negative = false;
  std::string digits;  // significant digits, no leading or trailing zeros; empty for zero
  int exponent = 0;    // the value is 0.<digits> × 10^exponent

  bool IsZero() const { return digits.empty(); }
};

// The value must be finite. Negative zero gives a zero without sign.
DecimalDigits ShortestDecimal(double value);

// Keeps the first `keep` significant digits (none when keep <= 0), rounding half away from
// zero; a result of zero loses its sign, so nothing prints as "-0".
void RoundDigits(DecimalDigits& number, int keep);
// Rounds to `decimals` digits after the decimal point (decimals >= 0).
void RoundToDecimals(DecimalDigits& number, int decimals);

// The digits before the decimal point, without leading zeros ("" below 1), and those after
// it, without trailing zeros.
std::string IntegerDigits(const DecimalDigits& number);
std::string FractionDigits(const DecimalDigits& number);

// "NAN", "INF" or "-INF": the texts every number format gives for values that are no number.
std::string NonFiniteText(double value);

}  // namespace zentavo
