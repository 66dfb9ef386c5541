#include "skin/SkinTempCopy.h"

#include <fstream>
#include <string>

#include "core/Error.h"

namespace zentavo {

std::filesystem::path NumberedFileName(const std::filesystem::path& stem, std::string_view extension,
                                       const std::function<bool(const std::filesystem::path&)>& exists) {
  const std::filesystem::path::string_type ext(extension.begin(), extension.end());
  std::filesystem::path name = stem.native() + ext;
  for (int counter = 1; exists(name); ++counter) {
    const std::string number = std::to_string(counter);
    name = stem.native() + std::filesystem::path::string_type(number.begin(), number.end()) + ext;
  }
  return name;
}

std::filesystem::path SaveTemporaryCopy(const std::vector<std::uint8_t>& bytes, std::string_view extension,
                                        const TTemporaryCopyIo& io, int attempts) {
  std::filesystem::path name;
  for (int attempt = 0; attempt < attempts; ++attempt) {
    name = NumberedFileName(io.newStem(), extension, io.exists);
    if (io.save(name, bytes)) return name;
  }
  const auto text = name.u8string();
  throw Error("Unable to write to " + std::string(text.begin(), text.end()));
}

TTemporaryCopyIo FileSystemCopyIo(std::function<std::filesystem::path()> newStem) {
  TTemporaryCopyIo io;
  io.newStem = std::move(newStem);
  io.exists = [](const std::filesystem::path& file) {
    std::error_code ec;
    return std::filesystem::exists(file, ec);
  };
  io.save = [](const std::filesystem::path& file, const std::vector<std::uint8_t>& data) {
    bool written = false;
    {
      std::ofstream out(file, std::ios::binary | std::ios::trunc);
      if (out) {
        out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
        out.close();
        written = !out.fail();
      }
    }
    if (!written) {
      // A half-written copy must not be mistaken for the skin, nor block the name.
      std::error_code ignored;
      std::filesystem::remove(file, ignored);
    }
    return written;
  };
  return io;
}

}  // namespace zentavo
