// skinpack: skin packages from the command line, through the program's own package reader.
#include <iostream>
#include <string>
#include <vector>

#include "SkinPack.h"

#ifdef _WIN32
#include <windows.h>

#include "framework/win/WideText.h"

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(zentavo::Narrow(argv[i]));
  SetConsoleOutputCP(CP_UTF8);
  return zentavo::RunSkinPack(args, std::cout, std::cerr);
}
#else
int main(int argc, char** argv) {
  return zentavo::RunSkinPack(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
#endif
