#pragma once
#include <string>
#include <string_view>

namespace zentavo {

// Numbers as text. Every rounding is half away from zero on the shortest decimal form of
// the double (see core/Decimal.h), so 12.345 rounds like the digits 12.345 and not like the
// binary value just below them.

// The general form of a number: at most 15 significant digits, no trailing
// zeros, a decimal point only when needed, no grouping; scientific notation only when the
// rounded magnitude is >= 1e15 or below 1e-5 (not zero), written like "1E15", "1.5E-6",
// "-1.23456789012346E20". 0 → "0", 0.1+0.2 → "0.3". NaN and infinities give "NAN", "INF",
// "-INF".
std::string FormatGeneral(double value);

// Fixed notation with exactly `decimals` digits after a full stop (none and no point for
// 0), no grouping. A value that rounds to zero has no sign.
std::string FormatFixed(double value, int decimals);

// Reads a number: optional blanks around it, an optional sign, digits with at most one full
// stop (at least one digit), an optional exponent ("E" or "e", optional sign, digits).
// Anything else, including an empty text, "1.2.3", "1,5" or a value beyond the double
// range, fails with "'<text>' is not a valid floating point value".
double StrToFloat(std::string_view text);

// The digit symbols put in place of the pattern's "." and "," (UTF-8, may be several
// bytes, e.g. a non-breaking space as group separator).
struct NumberSymbols {
  std::string decimal = ".";
  std::string group = ",";
};

// Number patterns: "0" a digit always shown, "#" a digit shown when
// significant, "." the decimal point, "," anywhere before it turns on thousands groups,
// text in '…' or "…" and every other character copied literally; up to three sections
// "positive;negative;zero" (the negative section prints the magnitude, it adds no sign).
// Not supported: scientific notation ("E+0").
// Note that "%" is only a literal character: "##0.## %" does NOT multiply by 100, the value
// already is the percentage (25 → "25 %", 33.333 → "33.33 %").
// Examples: "#,##0.###" 1234567.5 → "1,234,567.5", -50 → "-50", 0.0004 → "0".
// An empty pattern gives FormatGeneral.
std::string FormatFloatPattern(double value, std::string_view pattern, const NumberSymbols& symbols = {});

}  // namespace zentavo
