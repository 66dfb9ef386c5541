#include "ledger/CsvText.h"

namespace zentavo {

namespace {

bool NeedsQuotes(std::string_view field) {
  if (field.find_first_of(",\"\r\n") != std::string_view::npos) return true;
  return !field.empty() && (field.front() == ' ' || field.back() == ' ' || field.front() == '\t' ||
                            field.back() == '\t');
}

}  // namespace

void AppendCsvRecord(std::string& out, const std::vector<std::string>& fields) {
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i) out += ',';
    const std::string& field = fields[i];
    if (!NeedsQuotes(field)) {
      out += field;
      continue;
    }
    out += '"';
    for (char c : field) {
      if (c == '"') out += '"';
      out += c;
    }
    out += '"';
  }
  out += "\r\n";
}

CsvError::CsvError(int line, const std::string& reason)
    : Error("line " + std::to_string(line) + ": " + reason), line_(line) {}

CsvReader::CsvReader(std::string_view text) : text_(text) {
  if (text_.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark) at_ = kUtf8ByteOrderMark.size();
}

bool CsvReader::Next(CsvRecord& record) {
  if (at_ >= text_.size()) return false;
  record.line = line_;
  record.fields.assign(1, std::string());
  const auto lineEnd = [&](size_t i) {
    // CR LF, a lone LF or a lone CR each end a line.
    if (text_[i] == '\r') return i + 1 < text_.size() && text_[i + 1] == '\n' ? size_t{2} : size_t{1};
    return text_[i] == '\n' ? size_t{1} : size_t{0};
  };
  bool quoted = false, closed = false;
  while (at_ < text_.size()) {
    const char c = text_[at_];
    std::string& field = record.fields.back();
    if (quoted) {
      if (c == '"') {
        if (at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
          field += '"';
          at_ += 2;
        } else {
          quoted = false;
          closed = true;
          ++at_;
        }
        continue;
      }
      if (const size_t end = lineEnd(at_)) {
        field.append(text_.substr(at_, end));
        at_ += end;
        ++line_;
        continue;
      }
      field += c;
      ++at_;
      continue;
    }
    if (const size_t end = lineEnd(at_)) {
      at_ += end;
      ++line_;
      return true;
    }
    if (c == ',') {
      record.fields.emplace_back();
      closed = false;
      ++at_;
      continue;
    }
    if (closed) throw CsvError(line_, "text after a closing quote");
    if (c == '"') {
      if (!field.empty()) throw CsvError(line_, "a quote inside an unquoted field");
      quoted = true;
      ++at_;
      continue;
    }
    field += c;
    ++at_;
  }
  if (quoted) throw CsvError(record.line, "a quoted field is not closed");
  return true;
}

}  // namespace zentavo
