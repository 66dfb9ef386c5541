#pragma once
#include <filesystem>
#include <string>

#include "core/DateTime.h"

namespace zentavo {

// A throw-away program folder for the pictures: the distribution's language files and
// category lists, a config.ini naming the interface language, and a ledger of sample
// entries in March 2024; with skins, also the skin packages, one of them chosen, as an
// installed program has them. Removed again on destruction.
class ScratchProgram {
 public:
  // data: the distribution folder (language\...); name: the folder's name under the
  // system's temporary folder; skins: a folder of skin packages, or empty for none.
  ScratchProgram(const std::filesystem::path& data, const std::string& name, bool chinese,
                 const std::filesystem::path& skins = {});
  ~ScratchProgram();
  ScratchProgram(const ScratchProgram&) = delete;
  ScratchProgram& operator=(const ScratchProgram&) = delete;

  // With a trailing backslash, as the program's windows take it.
  const std::string& Folder() const { return programFolder_; }

  // The day the sample month is looked at from: its list is "this month".
  static TDateTime Today() { return EncodeDateTime(2024, 3, 31, 10, 0, 0); }

 private:
  std::filesystem::path folder_;
  std::string programFolder_;
};

}  // namespace zentavo
