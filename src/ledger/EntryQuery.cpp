#include "ledger/EntryQuery.h"

#include <cstdio>
#include <cstring>
#include <limits>

#include "core/DateTime.h"
#include "core/Format.h"
#include "core/Number.h"

namespace zentavo {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
char FoldLetter(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

bool StartsWithFolded(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (FoldLetter(text[i]) != prefix[i]) return false;
  }
  return true;
}

EntryQueryError TermError(std::string_view term, std::string_view reason) {
  return EntryQueryError(Format("'%s': %s", {std::string(term), std::string(reason)}));
}

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

int Digits(std::string_view text) {
  int value = 0;
  for (const char c : text) value = value * 10 + (c - '0');
  return value;
}

// YYYY, YYYY-MM or YYYY-MM-DD, by shape only.
bool LooksLikeDate(std::string_view t) {
  if (t.size() != 4 && t.size() != 7 && t.size() != 10) return false;
  if (!AllDigits(t.substr(0, 4))) return false;
  if (t.size() >= 7 && (t[4] != '-' || !AllDigits(t.substr(5, 2)))) return false;
  if (t.size() == 10 && (t[7] != '-' || !AllDigits(t.substr(8, 2)))) return false;
  return true;
}

// Digits with at most two decimals after a point.
bool LooksLikeAmount(std::string_view t) {
  const std::size_t point = t.find('.');
  if (point == std::string_view::npos) return AllDigits(t);
  const std::string_view decimals = t.substr(point + 1);
  return AllDigits(t.substr(0, point)) && AllDigits(decimals) && decimals.size() <= 2;
}

struct TimeSpan {
  std::string from, to;
};

// The first and last second of the year, month or day a date-shaped text names. `term` is
// the whole term, for the message.
TimeSpan DateSpan(std::string_view date, std::string_view term) {
  const int year = Digits(date.substr(0, 4));
  if (year < 1) throw TermError(term, "there is no year 0");
  int firstMonth = 1, lastMonth = 12;
  if (date.size() >= 7) {
    firstMonth = lastMonth = Digits(date.substr(5, 2));
    if (firstMonth < 1 || firstMonth > 12) {
      throw TermError(term, Format("there is no month %s", {std::string(date.substr(5, 2))}));
    }
  }
  int firstDay = 1, lastDay = DaysInMonth(year, lastMonth);
  if (date.size() == 10) {
    firstDay = lastDay = Digits(date.substr(8, 2));
    if (firstDay < 1 || firstDay > DaysInMonth(year, firstMonth)) {
      throw TermError(term, Format("there is no day %s", {std::string(date)}));
    }
  }
  char from[32], to[32];
  std::snprintf(from, sizeof from, "%04d-%02d-%02d 00:00:00", year, firstMonth, firstDay);
  std::snprintf(to, sizeof to, "%04d-%02d-%02d 23:59:59", year, lastMonth, lastDay);
  return {from, to};
}

QueryTerm TimeTerm(std::string_view first, std::string_view last, std::string_view term) {
  QueryTerm result;
  result.kind = QueryTermKind::Time;
  result.timeFrom = DateSpan(first, term).from;
  result.timeTo = DateSpan(last, term).to;
  if (result.timeFrom > result.timeTo) throw TermError(term, "the start is after the end");
  return result;
}

QueryTerm AmountTerm(double low, bool lowIncluded, double high, bool highIncluded) {
  QueryTerm result;
  result.kind = QueryTermKind::Amount;
  result.amountLow = low;
  result.amountHigh = high;
  result.lowIncluded = lowIncluded;
  result.highIncluded = highIncluded;
  return result;
}

QueryTerm WordTerm(std::string_view word) {
  QueryTerm result;
  result.kind = QueryTermKind::Word;
  result.text = FoldLetters(word);
  return result;
}

// A term without quotes and without its minus sign; `term` is the term as typed.
QueryTerm PlainTerm(std::string_view t, std::string_view term) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  if (StartsWithFolded(t, "is:")) {
    const std::string flow = FoldLetters(t.substr(3));
    QueryTerm result;
    result.kind = QueryTermKind::Flow;
    if (flow == "income") {
      result.flow = EntryFlow::Income;
    } else if (flow == "outgo") {
      result.flow = EntryFlow::Outgo;
    } else {
      throw TermError(term, "is: is followed by income or outgo");
    }
    return result;
  }
  if (LooksLikeDate(t)) return TimeTerm(t, t, term);
  if (const std::size_t dots = t.find(".."); dots != std::string_view::npos) {
    const std::string_view first = t.substr(0, dots), last = t.substr(dots + 2);
    if (LooksLikeDate(first) && LooksLikeDate(last)) return TimeTerm(first, last, term);
    if (LooksLikeAmount(first) && LooksLikeAmount(last)) {
      const double low = StrToFloat(first), high = StrToFloat(last);
      if (low > high) throw TermError(term, "the start is after the end");
      return AmountTerm(low, true, high, true);
    }
    return WordTerm(t);
  }
  static constexpr struct {
    std::string_view op;
    bool low, included;
  } kComparisons[] = {
      {">=", true, true}, {"<=", false, true}, {">", true, false}, {"<", false, false}, {"=", true, true}};
  for (const auto& c : kComparisons) {
    if (t.substr(0, c.op.size()) != c.op) continue;
    const std::string_view number = t.substr(c.op.size());
    if (!LooksLikeAmount(number)) break;
    const double value = StrToFloat(number);
    if (c.op == "=") return AmountTerm(value, true, value, true);
    return c.low ? AmountTerm(value, c.included, kInfinity, true)
                 : AmountTerm(-kInfinity, true, value, c.included);
  }
  return WordTerm(t);
}

}  // namespace

std::string FoldLetters(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) c = FoldLetter(c);
  return folded;
}

// The first byte of the word is looked for quickly (memchr, or a test that takes a letter
// in either case); only there are the other bytes compared. A note is some tens of bytes,
// so a million entries take tens of milliseconds.
bool ContainsFolded(std::string_view text, std::string_view folded) {
  if (folded.empty()) return true;
  if (text.size() < folded.size()) return false;
  const char* p = text.data();
  const char* const last = text.data() + (text.size() - folded.size());
  const char first = folded[0];
  const auto restMatches = [&](const char* at) {
    for (std::size_t j = 1; j < folded.size(); ++j) {
      if (FoldLetter(at[j]) != folded[j]) return false;
    }
    return true;
  };
  if (first >= 'a' && first <= 'z') {
    for (; p <= last; ++p) {
      if ((*p | 0x20) == first && restMatches(p)) return true;
    }
    return false;
  }
  while (p <= last) {
    const void* hit = std::memchr(p, first, static_cast<std::size_t>(last - p) + 1);
    if (hit == nullptr) return false;
    p = static_cast<const char*>(hit);
    if (restMatches(p)) return true;
    ++p;
  }
  return false;
}

EntryQuery ParseEntryQuery(std::string_view text) {
  EntryQuery query;
  std::size_t i = 0;
  while (true) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i == text.size()) break;
    const std::size_t start = i;
    bool negated = false;
    if (text[i] == '-' && i + 1 < text.size() && !IsBlank(text[i + 1])) {
      negated = true;
      ++i;
    }
    bool category = false;
    if (StartsWithFolded(text.substr(i), "cat:")) {
      category = true;
      i += 4;
    }
    QueryTerm term;
    if (i < text.size() && text[i] == '"') {
      // Quoted: blanks belong to the text; the closing quote ends the term.
      const std::size_t close = text.find('"', i + 1);
      if (close == std::string_view::npos) throw TermError(text.substr(start), "the quote is not closed");
      term = WordTerm(text.substr(i + 1, close - i - 1));
      i = close + 1;
    } else {
      const std::size_t begin = i;
      while (i < text.size() && !IsBlank(text[i])) ++i;
      const std::string_view word = text.substr(begin, i - begin);
      const std::string_view typed = text.substr(start, i - start);
      if (category) {
        if (word.empty()) throw TermError(typed, "cat: is followed by no category");
        term = WordTerm(word);
      } else {
        term = PlainTerm(word, typed);
      }
    }
    if (category) term.kind = QueryTermKind::Category;
    term.negated = negated;
    query.terms.push_back(std::move(term));
  }
  return query;
}

EntryQuery ParseEntryQuery(const std::vector<std::string>& arguments) {
  std::string text;
  for (const std::string& argument : arguments) {
    if (!text.empty()) text += ' ';
    text += argument;
  }
  return ParseEntryQuery(text);
}

bool TermMatches(const QueryTerm& term, const EntryFields& entry) {
  bool match = false;
  switch (term.kind) {
    case QueryTermKind::Word:
      match = ContainsFolded(entry.category, term.text) || ContainsFolded(entry.note, term.text);
      break;
    case QueryTermKind::Category:
      match = entry.category.size() == term.text.size() && ContainsFolded(entry.category, term.text);
      break;
    case QueryTermKind::Flow:
      match = entry.flow == term.flow;
      break;
    case QueryTermKind::Time:
      match = entry.time >= term.timeFrom && entry.time <= term.timeTo;
      break;
    case QueryTermKind::Amount: {
      const double a = entry.amount;  // NaN fails every comparison
      match = (term.lowIncluded ? a >= term.amountLow : a > term.amountLow) &&
              (term.highIncluded ? a <= term.amountHigh : a < term.amountHigh);
      break;
    }
  }
  return match != term.negated;
}

bool QueryMatches(const EntryQuery& query, const EntryFields& entry) {
  for (const QueryTerm& term : query.terms) {
    if (!TermMatches(term, entry)) return false;
  }
  return true;
}

}  // namespace zentavo
