// Opens the program's windows over a sample ledger in a throw-away program folder and saves
// pictures of them.
//   screenshots DATA_FOLDER OUT_FOLDER
//     the main window, the entry editor, and the statistics window in its bar, line and pie
//     views
//   screenshots --skins SKINS_FOLDER DATA_FOLDER OUT_FOLDER
//     the main window with its delete question under each skin package of SKINS_FOLDER,
//     and for a few skins the other windows and the Chinese texts
//   screenshots --check-content SKINS_FOLDER DATA_FOLDER
//     compares the windows under each package with the plain ones and prints what the
//     skin loses; ends with 1 when anything is lost
// DATA_FOLDER holds the distribution's data files (language\...); OUT_FOLDER receives the
// BMP pictures.
#include <windows.h>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "Pictures.h"
#include "framework/win/Application.h"

using namespace zentavo;
namespace fs = std::filesystem;

int wmain(int argc, wchar_t** argv) {
  const bool skins = argc == 5 && std::wstring(argv[1]) == L"--skins";
  const bool check = argc == 4 && std::wstring(argv[1]) == L"--check-content";
  if (check) {
    Application().Initialize();
    try {
      return CheckSkinnedContent(argv[2], argv[3]) == 0 ? 0 : 1;
    } catch (const std::exception& error) {
      std::fprintf(stderr, "screenshots: %s\n", error.what());
      return 1;
    }
  }
  if (argc != 3 && !skins) {
    std::fprintf(stderr,
                 "usage: screenshots DATA_FOLDER OUT_FOLDER\n"
                 "       screenshots --skins SKINS_FOLDER DATA_FOLDER OUT_FOLDER\n"
                 "       screenshots --check-content SKINS_FOLDER DATA_FOLDER\n");
    return 2;
  }
  const fs::path out = argv[argc - 1];
  fs::create_directories(out);
  Application().Initialize();
  try {
    if (skins)
      SaveSkinPictures(argv[2], argv[3], out);
    else
      SaveWindowPictures(argv[1], out);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "screenshots: %s\n", error.what());
    return 1;
  }
  return 0;
}
