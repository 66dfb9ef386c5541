#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentavo {

// An ini file as the system's profile functions read it: "[section]" lines followed by
// "key=value" lines; section and key names compare without regard to case and the first
// match wins; blanks around names and values are dropped, and one pair of matching quotes
// around a value is removed; a value is cut to MaxValueLength characters. Lines that are
// neither (comments, blank lines) are kept when the file is written back.
class IniFile {
 public:
  static constexpr size_t MaxValueLength = 2047;

  IniFile() = default;
  static IniFile Parse(std::string_view text);
  // A missing or unreadable file reads as an empty one.
  static IniFile Load(const std::string& path);

  std::optional<std::string> Read(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key, const std::string& fallback) const;
  // The default unless the value is a whole integer (decimal, or hex written $1F / 0x1F).
  int ReadInteger(std::string_view section, std::string_view key, int fallback) const;

  // The key names of a section (of every section of that name), in file order, each once.
  std::vector<std::string> Keys(std::string_view section) const;

  // Sets the key, adding the section and key when they do not exist yet.
  void Write(std::string_view section, std::string_view key, std::string_view value);
  std::string Text() const;
  // Writes the whole file through a temporary file, so a failed write leaves the old one.
  void Save(const std::string& path) const;

 private:
  struct Line {
    std::string text;
    std::string section;  // for section lines: the name
    std::string key;      // for key lines: the name
    bool isSection = false;
    bool isKey = false;
  };
  const Line* Find(std::string_view section, std::string_view key) const;
  std::vector<Line> lines_;
};

// Reads a whole integer the way the settings do: optional sign, decimal digits, or hex
// after "$" or "0x"; nothing else around it but blanks.
std::optional<int> ParseInteger(std::string_view text);

}  // namespace zentavo
