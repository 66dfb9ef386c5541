// skingen: writes the default skins as skin folders.
//   skingen OUT_FOLDER [NAME...]   (all eighteen without names)
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "SkinFolderWriter.h"
#include "core/Error.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: skingen OUT_FOLDER [NAME...]\n");
    return 3;
  }
  const std::filesystem::path out = argv[1];
  const std::vector<std::string> names(argv + 2, argv + argc);
  try {
    for (const zentavo::SkinStyle& style : zentavo::DefaultSkinStyles()) {
      if (!names.empty() && std::find(names.begin(), names.end(), style.name) == names.end()) continue;
      zentavo::WriteDefaultSkin(style, out / style.name);
      std::printf("%s\n", style.name.c_str());
    }
  } catch (const zentavo::Error& error) {
    std::fprintf(stderr, "skingen: %s\n", error.what());
    return 1;
  }
  return 0;
}
