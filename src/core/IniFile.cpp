#include "core/IniFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/Error.h"
#include "core/Text.h"

namespace zentavo {

namespace {

std::string_view Trim(std::string_view text) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::string CleanValue(std::string_view raw) {
  std::string_view value = Trim(raw);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  if (value.size() > IniFile::MaxValueLength) value = value.substr(0, IniFile::MaxValueLength);
  return std::string(value);
}

}  // namespace

std::optional<int> ParseInteger(std::string_view text) {
  text = Trim(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (!text.empty() && text.front() == '$') {
    base = 16;
    text.remove_prefix(1);
  } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  long long value = 0;
  for (char c : text) {
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else return std::nullopt;
    value = value * base + digit;
    if (value > (base == 16 ? 0xFFFFFFFFLL : 2147483648LL)) return std::nullopt;
  }
  if (base == 16) return static_cast<int>(static_cast<unsigned>(value)) * (negative ? -1 : 1);
  if (negative) value = -value;
  if (value > 2147483647LL) return std::nullopt;
  return static_cast<int>(value);
}

IniFile IniFile::Parse(std::string_view text) {
  IniFile file;
  std::string current;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view raw = text.substr(start, end - start);
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    Line line{std::string(raw)};
    std::string_view trimmed = Trim(raw);
    if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.find(']') != std::string_view::npos) {
      current = std::string(Trim(trimmed.substr(1, trimmed.find(']') - 1)));
      line.isSection = true;
      line.section = current;
    } else if (size_t equals = trimmed.find('='); equals != std::string_view::npos && trimmed.front() != ';') {
      line.isKey = true;
      line.section = current;
      line.key = std::string(Trim(trimmed.substr(0, equals)));
    }
    file.lines_.push_back(std::move(line));
    start = end + 1;
  }
  return file;
}

IniFile IniFile::Load(const std::string& path) {
  std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
  if (!in) return IniFile();
  std::ostringstream content;
  content << in.rdbuf();
  return Parse(content.str());
}

const IniFile::Line* IniFile::Find(std::string_view section, std::string_view key) const {
  for (const Line& line : lines_) {
    if (line.isKey && SameText(line.section, section) && SameText(line.key, key)) return &line;
  }
  return nullptr;
}

std::optional<std::string> IniFile::Read(std::string_view section, std::string_view key) const {
  const Line* line = Find(section, key);
  if (!line) return std::nullopt;
  std::string_view text = line->text;
  return CleanValue(text.substr(text.find('=') + 1));
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                 const std::string& fallback) const {
  return Read(section, key).value_or(fallback);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
  auto text = Read(section, key);
  if (!text) return fallback;
  return ParseInteger(*text).value_or(fallback);
}

std::vector<std::string> IniFile::Keys(std::string_view section) const {
  std::vector<std::string> keys;
  for (const Line& line : lines_) {
    if (!line.isKey || !SameText(line.section, section)) continue;
    const bool known = std::any_of(keys.begin(), keys.end(), [&](const std::string& key) { return SameText(key, line.key); });
    if (!known) keys.push_back(line.key);
  }
  return keys;
}

void IniFile::Write(std::string_view section, std::string_view key, std::string_view value) {
  std::string text = std::string(key) + "=" + std::string(value);
  for (Line& line : lines_) {
    if (line.isKey && SameText(line.section, section) && SameText(line.key, key)) {
      line.text = text;
      return;
    }
  }
  // After the section's last key, or a new section at the end.
  size_t insertAt = lines_.size();
  bool sectionFound = false;
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].isSection && SameText(lines_[i].section, section)) {
      sectionFound = true;
      insertAt = i + 1;
    } else if (sectionFound && lines_[i].isKey && SameText(lines_[i].section, section)) {
      insertAt = i + 1;
    } else if (sectionFound && lines_[i].isSection) {
      break;
    }
  }
  if (!sectionFound) {
    lines_.push_back(Line{"[" + std::string(section) + "]", std::string(section), "", true, false});
    insertAt = lines_.size();
  }
  lines_.insert(lines_.begin() + insertAt, Line{text, std::string(section), std::string(key), false, true});
}

std::string IniFile::Text() const {
  std::string text;
  for (const Line& line : lines_) {
    text += line.text;
    text += "\r\n";
  }
  return text;
}

void IniFile::Save(const std::string& path) const {
  auto target = std::filesystem::u8path(path);
  auto temporary = target;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << Text();
    out.flush();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      throw Error("Unable to write to " + path);
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, target, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    throw Error("Unable to write to " + path);
  }
}

}  // namespace zentavo
