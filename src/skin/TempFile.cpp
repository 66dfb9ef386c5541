#include "skin/TempFile.h"

#include "core/Error.h"

#ifdef _WIN32
#include <objbase.h>
#include <windows.h>
#else
#include <cstdio>
#include <random>
#endif

namespace zentavo {

#ifdef _WIN32

std::filesystem::path NewTemporaryFileName() {
  wchar_t folder[MAX_PATH + 2];
  const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
  if (length == 0 || length > MAX_PATH) throw Error("Cannot find the temporary folder");
  std::wstring name(folder, length);
  if (name.back() != L'\\') name += L'\\';
  GUID guid;
  if (FAILED(CoCreateGuid(&guid))) throw Error("Cannot create a temporary file name");
  wchar_t text[40];
  StringFromGUID2(guid, text, 40);
  return std::filesystem::path(name + text);
}

#else

std::filesystem::path NewTemporaryFileName() {
  // Seeded from the system's entropy once per thread, so that names differ between runs
  // and between threads.
  thread_local std::mt19937_64 random{std::random_device{}()};
  const std::uint64_t a = random();
  const std::uint64_t b = random();
  char text[40];
  std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%04X-%012llX}", static_cast<unsigned>(a >> 32),
                static_cast<unsigned>((a >> 16) & 0xFFFF), static_cast<unsigned>(a & 0xFFFF),
                static_cast<unsigned>(b >> 48), static_cast<unsigned long long>(b & 0xFFFFFFFFFFFFull));
  return std::filesystem::temp_directory_path() / text;
}

#endif

}  // namespace zentavo
