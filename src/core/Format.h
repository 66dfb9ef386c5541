#pragma once
#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace zentavo {

// One argument of Format: a text, an integer or a floating-point number. Booleans and
// single characters are refused at compile time: neither is a text for %s nor an integer for %d.
class FormatArg {
 public:
  FormatArg(const char* text) : value_(std::string(text)) {}
  FormatArg(std::string text) : value_(std::move(text)) {}
  FormatArg(std::string_view text) : value_(std::string(text)) {}
  template <std::integral T>
  requires(!std::same_as<T, bool> && !std::same_as<T, char>) FormatArg(T value)
      : value_(static_cast<std::int64_t>(value)) {}
  // Deleted so that they do not quietly convert to double.
  FormatArg(bool) = delete;
  FormatArg(char) = delete;
  FormatArg(double value) : value_(value) {}
  FormatArg(float value) : value_(static_cast<double>(value)) {}

  const std::string* Text() const { return std::get_if<std::string>(&value_); }
  const std::int64_t* Integer() const { return std::get_if<std::int64_t>(&value_); }
  const double* Number() const { return std::get_if<double>(&value_); }

 private:
  std::variant<std::string, std::int64_t, double> value_;
};

// Formats the placeholders the program's texts use:
//   %s a text, %d an integer, %f a number in fixed notation (2 decimals unless a precision
//   says otherwise, rounded like FormatAmount), %% a percent sign;
//   each as "%" [index ":"] ["-"] [width] ["." precision] type: the index picks the
//   argument (later ones follow it), width pads with blanks (on the right after "-"),
//   precision is the most characters of %s, the least digits of %d, the decimals of %f.
// A placeholder of another kind, a placeholder whose argument has another kind (a %s or
// %f given an integer, a %d given a text or number), a missing argument or a lone "%"
// throws zentavo::Error("Format '<pattern>' invalid or incompatible with argument").
// Arguments left over are ignored.
std::string Format(std::string_view pattern, std::initializer_list<FormatArg> args);

// An amount as the ledger stores it: fixed notation, exactly two decimals,
// rounded half away from zero on the decimal digits as written (12.345 → "12.35", 1.005 →
// "1.01", -0.125 → "-0.13"), a full stop, no grouping; a value that rounds to zero and
// negative zero print "0.00".
std::string FormatAmount(double value);

}  // namespace zentavo
