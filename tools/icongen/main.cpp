// icongen: writes the program's icon (the coin the program draws for its windows) as
// Zentavo.ico into the folder given, for the setup program's shortcuts and entries.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "app/AppIcon.h"
#include "app/IconFile.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: icongen FOLDER\n");
    return 2;
  }
  std::vector<zentavo::IconImage> images;
  for (int size : {16, 24, 32, 48, 64, 256}) images.push_back(zentavo::DrawAppIcon(size));
  const std::vector<std::uint8_t> bytes = zentavo::EncodeIconFile(images);
  const std::filesystem::path file = std::filesystem::path(argv[1]) / "Zentavo.ico";
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) {
    std::fprintf(stderr, "icongen: cannot write %s\n", file.string().c_str());
    return 1;
  }
  return 0;
}
