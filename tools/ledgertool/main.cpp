// ledgertool: the ledger from the command line, through the program's own store, statement,
// totals and period code.
#include <iostream>
#include <string>
#include <vector>

#include "LedgerTool.h"
#include "zentavo/Version.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "framework/win/WideText.h"
#endif

namespace {

int Run(const std::vector<std::string>& args) {
  std::ios::sync_with_stdio(false);
  if (args.size() == 1 && args[0] == "--version") {
    std::cout << "ledgertool " << zentavo::kVersion << "\n";
    return 0;
  }
  return zentavo::RunLedgerTool(args, std::cout, std::cerr, zentavo::LocalNow);
}

}  // namespace

#ifdef _WIN32
// Arguments arrive in UTF-16 so that any text survives whatever the ANSI code page; the
// output is UTF-8 bytes, unchanged by newline translation.
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(zentavo::Narrow(argv[i]));
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  SetConsoleOutputCP(CP_UTF8);
  return Run(args);
}
#else
int main(int argc, char** argv) {
  return Run(std::vector<std::string>(argv + 1, argv + argc));
}
#endif
