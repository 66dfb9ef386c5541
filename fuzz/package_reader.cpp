// Feeds arbitrary bytes to the skin package reader as a package file: any outcome but a
// crash, a leak or a hang is fine.
#include <cstdint>
#include <filesystem>
#include <fstream>

#include "core/Error.h"
#include "skin/Skin2SkinReader.h"
#include "skin/TempFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zentavo::TemporaryFile package;
  {
    std::ofstream out(package.Path(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  // The first byte picks the password: none, the right one of the seed packages, or another.
  const char* passwords[] = {"", "secret", "other"};
  const char* password = passwords[size > 0 ? data[size - 1] % 3 : 0];
  try {
    zentavo::Tsk2SkinFileReader reader(package.Path(), password);
    (void)reader.GetInteger("SKIN2_FORMCOLOR");
  } catch (const zentavo::Error&) {
  }
  zentavo::TemporaryFile entry;
  zentavo::ExtractPackageEntry(package.Path(), "SKINDATA.SK2", entry.Path(), password);
  return 0;
}
