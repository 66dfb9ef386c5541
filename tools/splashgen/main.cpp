// splashgen: writes the splash pictures of the two interface languages.
//   splashgen OUT_FOLDER      (splash-en.bmp and splash-gb.bmp)
#include <cstdio>
#include <exception>
#include <filesystem>

#include "SplashArt.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: splashgen OUT_FOLDER\n");
    return 3;
  }
  using namespace zentavo::splash;
  const std::filesystem::path out = argv[1];
  try {
    std::filesystem::create_directories(out);
    DrawSplash(Language::English).SaveToFile(out / "splash-en.bmp");
    DrawSplash(Language::Chinese).SaveToFile(out / "splash-gb.bmp");
  } catch (const std::exception& error) {
    std::fprintf(stderr, "splashgen: %s\n", error.what());
    return 1;
  }
  std::printf("splash-en.bmp\nsplash-gb.bmp\n");
  return 0;
}
