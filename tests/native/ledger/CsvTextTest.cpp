// Comma-separated records: quoting on the way out, every quoting case and each malformed
// record on the way in, with the line each record starts on.
#include <gtest/gtest.h>

#include "ledger/CsvText.h"

namespace zentavo::test {
namespace {

std::vector<CsvRecord> ReadAll(std::string_view text) {
  CsvReader reader(text);
  std::vector<CsvRecord> records;
  CsvRecord record;
  while (reader.Next(record)) records.push_back(record);
  return records;
}

using Fields = std::vector<std::string>;

TEST(CsvText, FieldsAreQuotedOnlyWhenTheyMustBe) {
  std::string out;
  AppendCsvRecord(out, {"plain", "a,b", "say \"hi\"", "two\nlines", " padded", "", "午饭"});
  EXPECT_EQ(out, "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\" padded\",,午饭\r\n");
}

TEST(CsvText, WrittenRecordsReadBackByteForByteAndKeepTheirStartingLines) {
  const std::vector<Fields> written = {{"a", "b,c"}, {"\"quoted\"", "line\r\nbreak\nand\rmore"}, {"", ""}, {"末"}};
  std::string text(kUtf8ByteOrderMark);
  for (const Fields& fields : written) AppendCsvRecord(text, fields);
  const std::vector<CsvRecord> read = ReadAll(text);
  ASSERT_EQ(read.size(), written.size());
  for (size_t i = 0; i < written.size(); ++i) EXPECT_EQ(read[i].fields, written[i]) << i;
  EXPECT_EQ(read[0].line, 1);
  EXPECT_EQ(read[1].line, 2);
  EXPECT_EQ(read[2].line, 6);  // the three quoted breaks took three more lines
  EXPECT_EQ(read[3].line, 7);
}

TEST(CsvText, LineEndsOfEveryKindEndRecordsAndTheLastNeedsNone) {
  const std::vector<CsvRecord> read = ReadAll("a\nb\rc\r\n\r\nd");
  ASSERT_EQ(read.size(), 5u);
  EXPECT_EQ(read[2].fields, Fields{"c"});
  EXPECT_EQ(read[3].fields, Fields{""});  // an empty line
  EXPECT_EQ(read[4].fields, Fields{"d"});
  EXPECT_EQ(read[4].line, 5);
  EXPECT_TRUE(ReadAll("").empty());
}

TEST(CsvText, MalformedRecordsNameTheirLine) {
  const auto errorOf = [](std::string_view text) -> std::string {
    try {
      ReadAll(text);
    } catch (const CsvError& e) {
      return e.what();
    }
    return "no error";
  };
  EXPECT_EQ(errorOf("ok\nab\"c\n"), "line 2: a quote inside an unquoted field");
  EXPECT_EQ(errorOf("ok\n\"ab\"c\n"), "line 2: text after a closing quote");
  EXPECT_EQ(errorOf("ok\nok\n\"open,\nstill open"), "line 3: a quoted field is not closed");
}

}  // namespace
}  // namespace zentavo::test
