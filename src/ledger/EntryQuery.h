#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/Error.h"
#include "ledger/LedgerEntry.h"

namespace zentavo {

// A find query, read from the text a person types. A query is a list of terms separated
// by blanks; an entry matches when it matches every term. Texts compare without regard to
// the case of A-Z; every other byte compares exactly (so Chinese text matches as typed).
//
//   word              the category or the note contains "word"
//   "two words"       the category or the note contains the text between the quotes
//   -term             the entry does not match term (any kind below)
//   cat:TEXT          the category is TEXT, whole;  cat:"TEXT WITH BLANKS"
//   is:income         income entries;  is:outgo  outgo entries
//   YYYY  YYYY-MM  YYYY-MM-DD          the time lies in that year, month or day
//   A..B              of two such dates: from the start of A to the end of B, inclusive
//   >N >=N <N <=N =N  the amount against N (a non-negative number, at most two decimals)
//   N..M              the amount from N to M, inclusive
//
// A four-digit whole number is always a year, so an amount range of such numbers is written
// 1000.0..2000 or >=1000 <=2000. A term of none of these forms is a word. An empty query
// matches every entry.

// A query that cannot be read: the message names the term ("'2024-13': there is no month
// 13"), for showing as it is.
class EntryQueryError : public Error {
 public:
  using Error::Error;
};

enum class QueryTermKind { Word, Category, Flow, Time, Amount };

struct QueryTerm {
  QueryTermKind kind = QueryTermKind::Word;
  bool negated = false;
  // Word and Category: the text with A-Z folded to a-z.
  std::string text;
  // Flow.
  EntryFlow flow = EntryFlow::Income;
  // Time: "yyyy-mm-dd hh:nn:ss" bounds, both included, compared as texts like the period
  // query compares them.
  std::string timeFrom, timeTo;
  // Amount: bounds, each included or not; an open side is an infinity.
  double amountLow = 0, amountHigh = 0;
  bool lowIncluded = true, highIncluded = true;
};

struct EntryQuery {
  std::vector<QueryTerm> terms;  // in the order typed
};

// Reads a query; throws EntryQueryError naming the first term that cannot be read.
EntryQuery ParseEntryQuery(std::string_view text);
// Several arguments are the same list as one text with blanks between them.
EntryQuery ParseEntryQuery(const std::vector<std::string>& arguments);

// The fields of an entry a query looks at. `amount` is NaN when the stored amount is no
// number; such an entry matches no amount term (and every negated one).
struct EntryFields {
  std::string_view time;
  EntryFlow flow = EntryFlow::Outgo;
  std::string_view category;
  std::string_view note;
  double amount = 0;
};

bool TermMatches(const QueryTerm& term, const EntryFields& entry);
bool QueryMatches(const EntryQuery& query, const EntryFields& entry);

// A-Z folded to a-z, every other byte as it is.
std::string FoldLetters(std::string_view text);
// Whether `text` contains `folded` (already folded) with A-Z of `text` folded.
bool ContainsFolded(std::string_view text, std::string_view folded);

}  // namespace zentavo
