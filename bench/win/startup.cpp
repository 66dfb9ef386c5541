// Times the program's start: from the creation of the process to the main window's first
// paint with its current-month list, the splash's time taken out, with an empty ledger and
// with a million entries. Only the program can see both ends, so the real executable is
// started from a program folder made for it, with ZENTAVO_STARTUP_REPORT naming the file
// it writes its figures to before it ends itself.
//
//   winbench_startup [RUNS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "BenchLedger.h"
#include "app/win/StartupReport.h"

using namespace zentavo;
using namespace zentavo::bench;
namespace fs = std::filesystem;

namespace {

using Figures = std::map<std::string, double>;

// The distribution folder's data (language files, skins, category lists), this build's
// program, and the ledger given.
fs::path MakeProgramFolder(const std::string& name, const fs::path& ledger) {
  const fs::path folder = fs::temp_directory_path() / "zentavo-startup-bench" / name;
  fs::create_directories(folder);
  for (const auto& item : fs::directory_iterator(ZENTAVO_DIST)) {
    if (item.path().extension() == ".exe" || item.path().filename() == "money.mdb") continue;
    fs::copy(item.path(), folder / item.path().filename(),
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  }
  fs::copy_file(ZENTAVO_PROGRAM, folder / "Zentavo.exe", fs::copy_options::overwrite_existing);
  if (!fs::exists(folder / "splash-en.bmp")) {
    // Without its picture the splash reports an error and the program waits for a person.
    std::printf("%s has no splash pictures: run make dist first\n", folder.string().c_str());
  }
  const fs::path target = folder / "money.mdb";
  std::error_code ignored;
  if (!fs::exists(target) || fs::file_size(target, ignored) != fs::file_size(ledger, ignored)) {
    fs::copy_file(ledger, target, fs::copy_options::overwrite_existing);
  }
  return folder;
}

// A million entries over the ten years up to today, so that the current month the program
// lists holds its share (about 8,500); made again when the month has changed.
fs::path MillionUpToNow() {
  const fs::path folder = fs::temp_directory_path() / "zentavo-startup-bench";
  fs::create_directories(folder);
  const fs::path ledger = folder / "million-up-to-now.mdb";
  const std::string monthText = FormatDateTime(LocalNow()).substr(0, 7);  // yyyy-mm
  if (fs::exists(ledger)) {
    LedgerStore store;
    store.ConnectLedger(ledger.string());
    const auto last = store.QueryRow({"Select max(MoneyLogTime) From MoneyLog", {}});
    const auto* text = last ? std::get_if<std::string>(&last->front()) : nullptr;
    store.DisconnectLedger();
    if (text != nullptr && text->compare(0, monthText.size(), monthText) == 0) return ledger;
    fs::remove(ledger);
  }
  const auto start = Clock::now();
  Seed(ledger.string(), 1000000, LocalNow());
  std::printf("seeded 1000000 entries up to now in %.0f ms\n", Milliseconds(start));
  return ledger;
}

// One start: the program's own figures, and the time until it had ended as seen from here.
bool StartOnce(const fs::path& folder, Figures& figures, double& untilEnded) {
  const fs::path report = folder / "startup-report.txt";
  std::error_code ignored;
  fs::remove(report, ignored);
  ::SetEnvironmentVariableW(kStartupReportVariable, report.wstring().c_str());
  std::wstring command = L"\"" + (folder / "Zentavo.exe").wstring() + L"\"";
  STARTUPINFOW startup{sizeof(startup)};
  PROCESS_INFORMATION process{};
  const auto start = Clock::now();
  if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.wstring().c_str(),
                        &startup, &process)) {
    std::printf("could not start %ls (error %lu)\n", command.c_str(), ::GetLastError());
    return false;
  }
  const bool ended = ::WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0;
  untilEnded = Milliseconds(start);
  if (!ended) ::TerminateProcess(process.hProcess, 1);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  std::ifstream in(report);
  std::string line;
  figures.clear();
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string name;
    double value = 0;
    if (fields >> name >> value) figures[name] = value;
  }
  if (!ended || !figures.count("first_paint_without_splash")) {
    std::printf("the program wrote no start-up report%s\n",
                ended ? "" : " and had to be ended (an error box waiting for a person?)");
    return false;
  }
  return true;
}

void Measure(const char* what, const fs::path& folder, int runs) {
  std::vector<double> startups;
  for (int run = 0; run < runs; ++run) {
    Figures figures;
    double untilEnded = 0;
    if (!StartOnce(folder, figures, untilEnded)) continue;
    startups.push_back(figures["first_paint_without_splash"]);
    // The steps as times since the process was created, the splash's time included.
    std::printf("%s: start-up %6.1f ms without the splash's %4.0f ms; main window at %.0f, ledger opened "
                "%.0f to %.0f, start sequence %.0f to %.0f, paint %.0f to %.0f; %d rows listed; ended after %.0f ms\n",
                what, figures["first_paint_without_splash"], figures["splash"], figures["main_window_components"],
                figures["ledger_opening"], figures["ledger_opened"], figures["start_sequence"],
                figures["first_query_listed"], figures["paint_begins"], figures["first_paint"],
                static_cast<int>(figures["listed_rows"]), untilEnded);
  }
  if (startups.empty()) return;
  std::sort(startups.begin(), startups.end());
  std::printf("%s: start-up best %.1f ms, median %.1f ms over %zu runs\n", what, startups.front(),
              startups[startups.size() / 2], startups.size());
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const fs::path million = MillionUpToNow();
  const fs::path empty = fs::path(ZENTAVO_DIST) / "money.mdb";
  Measure("empty ledger", MakeProgramFolder("empty", empty), runs);
  Measure("1,000,000 entries", MakeProgramFolder("million", million), runs);
  return 0;
}
