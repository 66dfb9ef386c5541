#include <gtest/gtest.h>

#include <cmath>

#include "ledger/EntryQuery.h"

using namespace zentavo;

namespace {

EntryFields Entry(std::string_view time, EntryFlow flow, std::string_view category, std::string_view note,
                  double amount) {
  return EntryFields{time, flow, category, note, amount};
}

bool Matches(std::string_view query, const EntryFields& entry) {
  return QueryMatches(ParseEntryQuery(query), entry);
}

std::string ErrorOf(std::string_view query) {
  try {
    ParseEntryQuery(query);
  } catch (const EntryQueryError& error) {
    return error.what();
  }
  return "";
}

const EntryFields kLunch =
    Entry("2024-03-05 12:30:00", EntryFlow::Outgo, "Food", "Lunch with Bob 午饭", 35.5);
const EntryFields kPay = Entry("2024-03-31 23:59:59", EntryFlow::Income, "Salary", "March pay", 5000);

}  // namespace

TEST(EntryQueryTest, EmptyQueryMatchesEveryEntry) {
  EXPECT_TRUE(ParseEntryQuery("").terms.empty());
  EXPECT_TRUE(ParseEntryQuery(" \t ").terms.empty());
  EXPECT_TRUE(Matches("", kLunch));
}

TEST(EntryQueryTest, WordsLookInCategoryAndNoteFoldingOnlyLatinLetters) {
  EXPECT_TRUE(Matches("lunch", kLunch));
  EXPECT_TRUE(Matches("LUNCH", kLunch));
  EXPECT_TRUE(Matches("fOo", kLunch));  // in the category
  EXPECT_TRUE(Matches("b", kLunch));
  EXPECT_TRUE(Matches("午饭", kLunch));
  EXPECT_TRUE(Matches("午", kLunch));
  EXPECT_FALSE(Matches("晚饭", kLunch));
  EXPECT_FALSE(Matches("dinner", kLunch));
  // A word never spans the category and the note.
  EXPECT_FALSE(Matches("foodlunch", kLunch));
  // Every word must match.
  EXPECT_TRUE(Matches("lunch bob", kLunch));
  EXPECT_FALSE(Matches("lunch alice", kLunch));
  // Only A-Z fold: other letters compare exactly.
  const EntryFields accented = Entry("2024-01-01 00:00:00", EntryFlow::Outgo, "", "Ärger café", 1);
  EXPECT_TRUE(Matches("ärger", Entry("2024-01-01 00:00:00", EntryFlow::Outgo, "", "ärger", 1)));
  EXPECT_FALSE(Matches("ärger", accented));
  EXPECT_TRUE(Matches("CAFé", accented));
  EXPECT_FALSE(Matches("CAFÉ", accented));
  // Words made of characters that look like operators but are of no form.
  EXPECT_TRUE(Matches("12.5", Entry("2024-01-01 00:00:00", EntryFlow::Outgo, "", "paid 12.5 cash", 1)));
  EXPECT_EQ(ParseEntryQuery("-").terms.at(0).kind, QueryTermKind::Word);
  EXPECT_EQ(ParseEntryQuery(">1.234").terms.at(0).kind, QueryTermKind::Word);
  EXPECT_EQ(ParseEntryQuery("2024-3").terms.at(0).kind, QueryTermKind::Word);
  EXPECT_EQ(ParseEntryQuery("a..b").terms.at(0).kind, QueryTermKind::Word);
  EXPECT_EQ(ParseEntryQuery("100").terms.at(0).kind, QueryTermKind::Word);
}

TEST(EntryQueryTest, QuotedTextKeepsItsBlanks) {
  const EntryFields bus = Entry("2024-01-01 08:00:00", EntryFlow::Outgo, "Travel", "bus  fare to work", 2);
  EXPECT_TRUE(Matches("\"BUS  FARE\"", bus));
  EXPECT_FALSE(Matches("\"bus fare\"", bus));  // one blank is not two
  EXPECT_TRUE(Matches("\"fare to\" work", bus));
  EXPECT_TRUE(Matches("\"\"", bus));
  EXPECT_TRUE(Matches("cat:\"travel\"", bus));
  EXPECT_TRUE(
      Matches("cat:\"Eating Out\"", Entry("2024-01-01 00:00:00", EntryFlow::Outgo, "eating out", "", 1)));
  // A quoted form is a word, whatever it holds.
  EXPECT_EQ(ParseEntryQuery("\"2024\"").terms.at(0).kind, QueryTermKind::Word);
  // Several arguments are one list.
  EXPECT_EQ(ParseEntryQuery(std::vector<std::string>{"\"bus", "fare\"", "-x"}).terms.size(), 2u);
  EXPECT_EQ(ParseEntryQuery(std::vector<std::string>{"\"bus", "fare\"", "-x"}).terms[0].text, "bus fare");
}

TEST(EntryQueryTest, CategoryIsComparedWhole) {
  EXPECT_TRUE(Matches("cat:food", kLunch));
  EXPECT_TRUE(Matches("CAT:FOOD", kLunch));
  EXPECT_FALSE(Matches("cat:foo", kLunch));
  EXPECT_FALSE(Matches("cat:lunch", kLunch));  // the note is not the category
  EXPECT_TRUE(Matches("cat:餐饮", Entry("2024-01-01 00:00:00", EntryFlow::Outgo, "餐饮", "", 1)));
  EXPECT_TRUE(Matches("cat:\"\"", Entry("2024-01-01 00:00:00", EntryFlow::Outgo, "", "x", 1)));
}

TEST(EntryQueryTest, FlowTerms) {
  EXPECT_TRUE(Matches("is:outgo", kLunch));
  EXPECT_FALSE(Matches("is:income", kLunch));
  EXPECT_TRUE(Matches("IS:Income", kPay));
  const EntryFields other = Entry("2024-01-01 00:00:00", static_cast<EntryFlow>(7), "", "", 1);
  EXPECT_FALSE(Matches("is:income", other));
  EXPECT_FALSE(Matches("is:outgo", other));
  EXPECT_TRUE(Matches("-is:outgo", other));
}

TEST(EntryQueryTest, DatesCoverTheirFirstAndLastSecond) {
  const auto at = [](std::string_view time) { return Entry(time, EntryFlow::Outgo, "", "", 1); };
  EXPECT_TRUE(Matches("2024", at("2024-01-01 00:00:00")));
  EXPECT_TRUE(Matches("2024", at("2024-12-31 23:59:59")));
  EXPECT_FALSE(Matches("2024", at("2023-12-31 23:59:59")));
  EXPECT_FALSE(Matches("2024", at("2025-01-01 00:00:00")));
  EXPECT_TRUE(Matches("2024-02", at("2024-02-29 23:59:59")));
  EXPECT_FALSE(Matches("2024-02", at("2024-03-01 00:00:00")));
  EXPECT_TRUE(Matches("2023-02", at("2023-02-28 23:59:59")));
  EXPECT_TRUE(Matches("2024-03-05", at("2024-03-05 00:00:00")));
  EXPECT_TRUE(Matches("2024-03-05", at("2024-03-05 23:59:59")));
  EXPECT_FALSE(Matches("2024-03-05", at("2024-03-04 23:59:59")));
  EXPECT_FALSE(Matches("2024-03-05", at("2024-03-06 00:00:00")));
  // Ranges run from the start of the first to the end of the last, of any two kinds.
  EXPECT_TRUE(Matches("2023..2024-01", at("2023-01-01 00:00:00")));
  EXPECT_TRUE(Matches("2023..2024-01", at("2024-01-31 23:59:59")));
  EXPECT_FALSE(Matches("2023..2024-01", at("2024-02-01 00:00:00")));
  EXPECT_TRUE(Matches("2024-03-05..2024-03-05", at("2024-03-05 23:59:59")));
  EXPECT_TRUE(Matches("2024-03..2024-03-01", at("2024-03-01 12:00:00")));
  EXPECT_TRUE(Matches("2024..2024", at("2024-06-01 12:00:00")));
  EXPECT_EQ(ParseEntryQuery("2024..2025").terms.at(0).kind, QueryTermKind::Time);
}

TEST(EntryQueryTest, AmountsCompareWithTheirBounds) {
  const auto of = [](double amount) {
    return Entry("2024-01-01 00:00:00", EntryFlow::Outgo, "", "", amount);
  };
  EXPECT_TRUE(Matches(">35", of(35.01)));
  EXPECT_FALSE(Matches(">35", of(35)));
  EXPECT_TRUE(Matches(">=35", of(35)));
  EXPECT_FALSE(Matches(">=35", of(34.99)));
  EXPECT_TRUE(Matches("<35.5", of(35.49)));
  EXPECT_FALSE(Matches("<35.5", of(35.5)));
  EXPECT_TRUE(Matches("<=35.5", of(35.5)));
  EXPECT_TRUE(Matches("=12.35", of(12.35)));
  EXPECT_FALSE(Matches("=12.35", of(12.36)));
  EXPECT_TRUE(Matches("=0", of(0)));
  EXPECT_TRUE(Matches("10..20", of(10)));
  EXPECT_TRUE(Matches("10..20", of(20)));
  EXPECT_FALSE(Matches("10..20", of(20.01)));
  EXPECT_TRUE(Matches("7.5..7.5", of(7.5)));
  // A four-digit whole number is a year; with a point it is an amount.
  EXPECT_EQ(ParseEntryQuery("1000..2000").terms.at(0).kind, QueryTermKind::Time);
  EXPECT_EQ(ParseEntryQuery("1000.0..2000").terms.at(0).kind, QueryTermKind::Amount);
  EXPECT_TRUE(Matches("1000.0..2000", of(2000)));
  EXPECT_TRUE(Matches(">=1000 <=2000", of(1500)));
  // A stored amount that is no number matches no amount term.
  EXPECT_FALSE(Matches(">=0", of(std::nan(""))));
  EXPECT_TRUE(Matches("->=0", of(std::nan(""))));
}

TEST(EntryQueryTest, NegationInvertsEveryKind) {
  EXPECT_FALSE(Matches("-lunch", kLunch));
  EXPECT_TRUE(Matches("-dinner", kLunch));
  EXPECT_FALSE(Matches("-\"with bob\"", kLunch));
  EXPECT_TRUE(Matches("-\"with alice\"", kLunch));
  EXPECT_FALSE(Matches("-cat:food", kLunch));
  EXPECT_TRUE(Matches("-cat:salary", kLunch));
  EXPECT_FALSE(Matches("-cat:\"food\"", kLunch));
  EXPECT_FALSE(Matches("-is:outgo", kLunch));
  EXPECT_TRUE(Matches("-is:income", kLunch));
  EXPECT_FALSE(Matches("-2024-03", kLunch));
  EXPECT_TRUE(Matches("-2024-04", kLunch));
  EXPECT_FALSE(Matches("-2024-03-01..2024-03-31", kLunch));
  EXPECT_FALSE(Matches("->30", kLunch));
  EXPECT_TRUE(Matches("->40", kLunch));
  EXPECT_FALSE(Matches("-30..40", kLunch));
  EXPECT_TRUE(Matches("-午饭 is:income", kPay));
  // A minus in the middle of a word is part of it; "--x" is "not -x".
  EXPECT_TRUE(Matches("a-b", Entry("2024-01-01 00:00:00", EntryFlow::Outgo, "", "A-B", 1)));
  EXPECT_TRUE(Matches("--x", Entry("2024-01-01 00:00:00", EntryFlow::Outgo, "", "x", 1)));
  EXPECT_FALSE(Matches("--x", Entry("2024-01-01 00:00:00", EntryFlow::Outgo, "", "-x", 1)));
}

TEST(EntryQueryTest, UnreadableQueriesNameTheirTerm) {
  EXPECT_EQ(ErrorOf("lunch \"bus fare"), "'\"bus fare': the quote is not closed");
  EXPECT_EQ(ErrorOf("-\"x"), "'-\"x': the quote is not closed");
  EXPECT_EQ(ErrorOf("cat:\"Eating out"), "'cat:\"Eating out': the quote is not closed");
  EXPECT_EQ(ErrorOf("cat:"), "'cat:': cat: is followed by no category");
  EXPECT_EQ(ErrorOf("x -cat: y"), "'-cat:': cat: is followed by no category");
  EXPECT_EQ(ErrorOf("2024-03..2024-02"), "'2024-03..2024-02': the start is after the end");
  EXPECT_EQ(ErrorOf("2024-03-02..2024-03-01"), "'2024-03-02..2024-03-01': the start is after the end");
  EXPECT_EQ(ErrorOf("20..10"), "'20..10': the start is after the end");
  EXPECT_EQ(ErrorOf("2023-02-29"), "'2023-02-29': there is no day 2023-02-29");
  EXPECT_EQ(ErrorOf("2024-04-31"), "'2024-04-31': there is no day 2024-04-31");
  EXPECT_EQ(ErrorOf("2024-13"), "'2024-13': there is no month 13");
  EXPECT_EQ(ErrorOf("2024-00-10"), "'2024-00-10': there is no month 00");
  EXPECT_EQ(ErrorOf("-2024-13..2025"), "'-2024-13..2025': there is no month 13");
  EXPECT_EQ(ErrorOf("0000"), "'0000': there is no year 0");
  EXPECT_EQ(ErrorOf("is:both"), "'is:both': is: is followed by income or outgo");
  EXPECT_EQ(ErrorOf("2024-02-29 10..20.5 cat:x \"a b\""), "");
}

TEST(EntryQueryTest, ContainsFoldedFindsAtEveryPosition) {
  EXPECT_TRUE(ContainsFolded("abc", "abc"));
  EXPECT_TRUE(ContainsFolded("xxABC", "abc"));
  EXPECT_FALSE(ContainsFolded("ab", "abc"));
  EXPECT_FALSE(ContainsFolded("abxabyab", "abc"));
  EXPECT_TRUE(ContainsFolded("aab", "ab"));
  EXPECT_TRUE(ContainsFolded("1.5", "1.5"));
  EXPECT_FALSE(ContainsFolded("1,5", "1.5"));
  EXPECT_TRUE(ContainsFolded("", ""));
  // "@" is 0x40, which a careless letter test would take for "`" (0x60).
  EXPECT_FALSE(ContainsFolded("@", "`"));
  EXPECT_FALSE(ContainsFolded("[", "{"));
}
