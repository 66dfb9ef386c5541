// skinpack: skin packages from the command line, through the program's own package reader.
#include <iostream>
#include <string>
#include <vector>

#include "SkinPack.h"
#include "zentavo/Version.h"

namespace {

int Run(const std::vector<std::string>& args) {
  if (args.size() == 1 && args[0] == "--version") {
    std::cout << "skinpack " << zentavo::kVersion << "\n";
    return 0;
  }
  return zentavo::RunSkinPack(args, std::cout, std::cerr);
}

}  // namespace

#ifdef _WIN32
#include <windows.h>

#include "framework/win/WideText.h"

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(zentavo::Narrow(argv[i]));
  SetConsoleOutputCP(CP_UTF8);
  return Run(args);
}
#else
int main(int argc, char** argv) {
  return Run(std::vector<std::string>(argv + 1, argv + argc));
}
#endif
