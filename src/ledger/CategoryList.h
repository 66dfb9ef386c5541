#pragma once
// The category list files incomeType.dat and outgoType.dat: one category per line, used in
// file order exactly as written (no trimming, duplicates and empty lines kept), appended to
// with CR LF line ends and never shortened.
//
// Text encoding. The files are read with DecodeSystemText: the system's ANSI code page, or
// UTF-8 / UTF-16 LE when the file starts with that byte-order mark. A new category is
// written
//   - in the system code page, appended, when the file has no byte-order mark and the code
//     page holds every character of the category (the usual case, and the only one older
//     copies of the program can read back);
//   - in UTF-8, appended, when the file already starts with the UTF-8 byte-order mark;
//   - otherwise (a category the code page cannot hold, for example Chinese on a Western
//     system, or a UTF-16 file) the file becomes UTF-8 with a byte-order mark once: its
//     existing lines are decoded and written again in UTF-8 followed by the new line, into a
//     temporary file beside it that then replaces it, so a failure leaves the old file as it
//     was. From then on every later category is appended in UTF-8.
// Writing '?' for the characters the code page lacks would garble the category and, since
// the garbled line never equals the typed one, append it again on every save; the UTF-8
// file reads back exactly and is matched exactly.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/SystemText.h"

namespace zentavo {

// How a list file's bytes become the program's UTF-8 text and back. The system code page
// by default; tests put in a code page of their own.
struct CategoryTextCodec {
  std::function<std::string(std::string_view bytes)> decode = [](std::string_view bytes) { return DecodeSystemText(bytes); };
  std::function<std::optional<std::string>(std::string_view utf8)> encode = EncodeSystemText;
};

// The message of a failed read or write of a category file, by system error number:
// "File not found" (2), "Invalid filename" (3), "Too many open files" (4), "File access
// denied" (5), "Read beyond end of file" (100), "Disk full" (101), "Invalid numeric input"
// (106), otherwise "I/O error <number>".
std::string CategoryFileErrorText(int number);

// Whether the list file exists. When that cannot be told (an unreadable folder), it counts
// as existing, so that reading or saving it reports why.
bool CategoryListExists(const std::string& path);

// Hands every line of the list file at `path` (UTF-8) to `line`, in file order. Lines end
// with CR LF or LF alone; a last line without a line end counts, and a file that ends with
// a line end has no empty line after it. A failure is thrown with CategoryFileErrorText
// (a missing file gives "File not found") after the lines read before it were visited.
void ReadCategoryList(const std::string& path, const std::function<void(const std::string& line)>& line,
                      const CategoryTextCodec& codec = {});

// Adds `category` as the file's new last line unless one line equals it exactly (whole
// line, case-sensitive); an empty category adds one empty line. A missing file is created.
// A last line without a line end first gets one, so the category never joins it. Returns
// whether it wrote. Failures are thrown with CategoryFileErrorText; the file is then as it
// was or holds the new line whole.
bool SaveCategory(const std::string& path, const std::string& category, const CategoryTextCodec& codec = {});

}  // namespace zentavo
