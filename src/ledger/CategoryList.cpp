#include "ledger/CategoryList.h"

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "core/Error.h"

namespace zentavo {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The system error number of a failed file operation, from the C library's errno (the
// same names on Windows and elsewhere). A missing file in a missing folder is the "path
// not found" of the system, reported as an invalid file name.
int SystemErrorNumber(int error, const fs::path& file) {
  switch (error) {
    case ENOENT: {
      std::error_code ignored;
      return fs::is_directory(file.parent_path().empty() ? fs::path(".") : file.parent_path(), ignored) ? 2 : 3;
    }
    case ENOTDIR:
    case EINVAL:
    case ENAMETOOLONG:
      return 3;
    case EMFILE:
    case ENFILE:
      return 4;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EBUSY:
      return 5;
    case ENOSPC:
    case EFBIG:
      return 101;
    default:
      return error != 0 ? error : EIO;
  }
}

[[noreturn]] void ThrowFileError(int error, const fs::path& file) {
  throw Error(CategoryFileErrorText(SystemErrorNumber(error, file)));
}

struct FileBytes {
  std::string bytes;
  int error = 0;  // errno of a read that stopped early, 0 when the whole file was read
};

// Reads as much of the file as it can; a failure to open is thrown at once.
FileBytes ReadBytes(const fs::path& file) {
  errno = 0;
  std::ifstream in(file, std::ios::binary);
  if (!in) ThrowFileError(errno, file);
  FileBytes result;
  char buffer[16384];
  for (;;) {
    errno = 0;
    in.read(buffer, sizeof buffer);
    result.bytes.append(buffer, static_cast<size_t>(in.gcount()));
    if (in.bad()) {
      result.error = errno != 0 ? errno : EIO;
      break;
    }
    if (!in) break;  // end of file
  }
  return result;
}

// Splits decoded text into lines: CR LF or LF ends a line; nothing follows a final line end.
template <class Visit>
void ForEachLine(std::string_view text, Visit visit) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r' && end < text.size()) line.remove_suffix(1);
    visit(std::string(line));
    start = end + 1;
  }
}

// Appends bytes to the file (creating it when missing). A failed write is undone by cutting
// the file back to its old size, so no half line stays behind.
void AppendBytes(const fs::path& file, std::string_view bytes) {
  std::error_code sizeError;
  const bool existed = fs::exists(file, sizeError);
  const std::uintmax_t oldSize = existed ? fs::file_size(file, sizeError) : 0;
  errno = 0;
  std::ofstream out(file, std::ios::binary | std::ios::app);
  if (!out) ThrowFileError(errno, file);
  errno = 0;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  if (out) {
    out.close();
    if (out) return;
  }
  const int error = errno != 0 ? errno : ENOSPC;
  out.close();
  std::error_code ignored;
  if (existed && !sizeError) {
    fs::resize_file(file, oldSize, ignored);
  } else if (!existed) {
    fs::remove(file, ignored);
  }
  ThrowFileError(error, file);
}

// Replaces the file with new contents through a temporary file beside it, so that a failure
// at any point leaves the old file untouched.
void ReplaceBytes(const fs::path& file, std::string_view bytes) {
  fs::path temporary = file;
  temporary += ".tmp";
  errno = 0;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) ThrowFileError(errno, temporary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    out.close();
    if (!out) {
      const int error = errno != 0 ? errno : ENOSPC;
      std::error_code ignored;
      fs::remove(temporary, ignored);
      ThrowFileError(error, file);
    }
  }
  std::error_code error;
  fs::rename(temporary, file, error);
  if (error) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    const std::error_condition condition = error.default_error_condition();
    ThrowFileError(condition.category() == std::generic_category() ? condition.value() : EACCES, file);
  }
}

}  // namespace

std::string CategoryFileErrorText(int number) {
  switch (number) {
    case 2:
      return "File not found";
    case 3:
      return "Invalid filename";
    case 4:
      return "Too many open files";
    case 5:
      return "File access denied";
    case 100:
      return "Read beyond end of file";
    case 101:
      return "Disk full";
    case 106:
      return "Invalid numeric input";
    default:
      return "I/O error " + std::to_string(number);
  }
}

bool CategoryListExists(const std::string& path) {
  std::error_code error;
  return fs::exists(fs::u8path(path), error) || error;
}

void ReadCategoryList(const std::string& path, const std::function<void(const std::string& line)>& line,
                      const CategoryTextCodec& codec) {
  const fs::path file = fs::u8path(path);
  FileBytes read = ReadBytes(file);
  ForEachLine(codec.decode(read.bytes), line);
  if (read.error != 0) ThrowFileError(read.error, file);
}

bool SaveCategory(const std::string& path, const std::string& category, const CategoryTextCodec& codec) {
  const fs::path file = fs::u8path(path);
  const bool exists = CategoryListExists(path);
  std::string bytes;
  std::string text;
  if (exists) {
    FileBytes read = ReadBytes(file);
    if (read.error != 0) ThrowFileError(read.error, file);
    bytes = std::move(read.bytes);
    text = codec.decode(bytes);
    bool found = false;
    ForEachLine(text, [&](const std::string& line) { found = found || line == category; });
    if (found) return false;
  }

  // A last line without its line end would otherwise run into the new one.
  const std::string_view separator = !text.empty() && text.back() != '\n' ? kLineEnd : std::string_view();
  const bool utf8File = std::string_view(bytes).substr(0, kUtf8Bom.size()) == kUtf8Bom;
  const bool otherBom = !utf8File && bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
                        static_cast<unsigned char>(bytes[1]) == 0xFE;
  if (utf8File) {
    AppendBytes(file, std::string(separator) + category + std::string(kLineEnd));
    return true;
  }
  if (!otherBom) {
    if (std::optional<std::string> encoded = codec.encode(std::string(separator) + category)) {
      AppendBytes(file, *encoded + std::string(kLineEnd));
      return true;
    }
  }
  if (!exists) {
    AppendBytes(file, std::string(kUtf8Bom) + category + std::string(kLineEnd));
    return true;
  }
  ReplaceBytes(file, std::string(kUtf8Bom) + text + std::string(separator) + category + std::string(kLineEnd));
  return true;
}

}  // namespace zentavo
