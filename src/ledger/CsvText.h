#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/Error.h"

namespace zentavo {

// Comma-separated text as spreadsheet programs read and write it: records end with CR LF;
// a field holding a comma, a quote, a line break or blanks at either end is enclosed in
// quotes, with its quotes doubled. Fields are kept byte for byte (UTF-8 passes through).

// The UTF-8 byte-order mark, which tells spreadsheet programs the file's encoding.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

void AppendCsvRecord(std::string& out, const std::vector<std::string>& fields);

// A malformed record: the line it starts on (1 for the first) and what is wrong.
class CsvError : public Error {
 public:
  CsvError(int line, const std::string& reason);
  int Line() const { return line_; }

 private:
  int line_;
};

struct CsvRecord {
  int line = 0;  // where the record starts; a quoted line break makes it span more
  std::vector<std::string> fields;
};

// Reads records one by one. A byte-order mark at the start is skipped; a last record
// without its line end is still a record; an empty line is a record of one empty field.
// A quote inside an unquoted field, text after a closing quote, or a quote left open at the
// end fail with CsvError.
class CsvReader {
 public:
  explicit CsvReader(std::string_view text);
  // False at the end of the text.
  bool Next(CsvRecord& record);

 private:
  std::string_view text_;
  size_t at_ = 0;
  int line_ = 1;
};

}  // namespace zentavo
