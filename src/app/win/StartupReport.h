#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zentavo {

// The environment variable that asks for a start-up report: the file to write it to.
inline constexpr const wchar_t* kStartupReportVariable = L"ZENTAVO_STARTUP_REPORT";

// Start-up figures for the start-up benchmark, which can only time the program from the
// outside. The main window notes the times of its steps and, once it has painted its first
// list, writes them with the splash's share to the requested file and ends the program.
class StartupReport {
 public:
  // A report when the environment asks for one.
  static std::optional<StartupReport> Requested();
  explicit StartupReport(std::filesystem::path file) : file_(std::move(file)) {}

  // Notes that `step` was reached now, in milliseconds since the process was created.
  void Note(const std::string& step);
  // Notes the first paint with the list as the last step, and writes "step milliseconds"
  // lines: the steps, the splash's share, and the first paint with the splash's time taken
  // out; then the rows the list shows. Throws when the file cannot be written.
  void WriteAtFirstPaint(int listedRows);

 private:
  std::filesystem::path file_;
  std::vector<std::pair<std::string, double>> steps_;
};

}  // namespace zentavo
