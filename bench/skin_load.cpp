// Loads every skin package of a folder through the program's skin reader and prints the
// time of each.
//   bench_skin_load [FOLDER]   (default: dist/Zentavo/skins)
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "skin/SuiSkinReader.h"

int main(int argc, char** argv) {
  const std::filesystem::path folder = argc > 1 ? argv[1] : ZENTAVO_DIST_SKINS;
  if (!std::filesystem::is_directory(folder)) {
    std::fprintf(stderr, "no skin folder %s (make dist first)\n", folder.string().c_str());
    return 1;
  }
  double slowest = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() != ".ssk") continue;
    constexpr int kRuns = 20;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kRuns; ++i) zentavo::TsuiSkinReader reader(entry.path(), "");
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() / kRuns;
    slowest = std::max(slowest, ms);
    std::printf("%-20s %6.2f ms\n", entry.path().filename().string().c_str(), ms);
  }
  std::printf("slowest load: %.2f ms\n", slowest);
  return 0;
}
