#include "core/Format.h"

#include <cstdlib>

#include "core/Error.h"
#include "core/Number.h"

namespace zentavo {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Reads an unsigned decimal number at `at`; -1 when there is none.
int ReadCount(std::string_view pattern, std::size_t& at) {
  if (at >= pattern.size() || !IsDigit(pattern[at])) return -1;
  int value = 0;
  for (; at < pattern.size() && IsDigit(pattern[at]); ++at) {
    if (value < 100'000) value = value * 10 + (pattern[at] - '0');
  }
  return value;
}

std::string FormatInteger(std::int64_t value, int minDigits) {
  // Through unsigned so that the most negative value has a magnitude too.
  const std::uint64_t magnitude =
      value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  std::string digits = std::to_string(magnitude);
  if (static_cast<int>(digits.size()) < minDigits) {
    digits.insert(0, static_cast<std::size_t>(minDigits) - digits.size(), '0');
  }
  return value < 0 ? "-" + digits : digits;
}

}  // namespace

std::string Format(std::string_view pattern, std::initializer_list<FormatArg> args) {
  const auto invalid = [&] {
    return Error("Format '" + std::string(pattern) + "' invalid or incompatible with argument");
  };
  std::string out;
  std::size_t next = 0;
  for (std::size_t at = 0; at < pattern.size(); ++at) {
    if (pattern[at] != '%') {
      out += pattern[at];
      continue;
    }
    ++at;
    if (at < pattern.size() && pattern[at] == '%') {
      out += '%';
      continue;
    }
    // "%" [index ":"] ["-"] [width] ["." precision] type
    int number = ReadCount(pattern, at);
    if (number >= 0 && at < pattern.size() && pattern[at] == ':') {
      next = static_cast<std::size_t>(number);
      ++at;
      number = -1;
    }
    bool left = false;
    if (number < 0 && at < pattern.size() && pattern[at] == '-') {
      left = true;
      ++at;
    }
    const int width = number >= 0 ? number : ReadCount(pattern, at);
    int precision = -1;
    if (at < pattern.size() && pattern[at] == '.') {
      ++at;
      precision = ReadCount(pattern, at);
      if (precision < 0) throw invalid();
    }
    if (at >= pattern.size() || next >= args.size()) throw invalid();
    const FormatArg& arg = args.begin()[next++];

    std::string piece;
    switch (pattern[at]) {
      case 's':
      case 'S':
        if (arg.Text() == nullptr) throw invalid();
        piece = *arg.Text();
        if (precision >= 0 && static_cast<std::size_t>(precision) < piece.size()) {
          piece.resize(static_cast<std::size_t>(precision));
        }
        break;
      case 'd':
      case 'D':
        if (arg.Integer() == nullptr) throw invalid();
        piece = FormatInteger(*arg.Integer(), precision);
        break;
      case 'f':
      case 'F':
        if (arg.Number() == nullptr) throw invalid();
        piece = FormatFixed(*arg.Number(), precision >= 0 ? std::min(precision, 18) : 2);
        break;
      default:
        throw invalid();
    }
    if (width > 0 && static_cast<std::size_t>(width) > piece.size()) {
      const std::string pad(static_cast<std::size_t>(width) - piece.size(), ' ');
      piece = left ? piece + pad : pad + piece;
    }
    out += piece;
  }
  return out;
}

std::string FormatAmount(double value) {
  return FormatFixed(value, 2);
}

}  // namespace zentavo
