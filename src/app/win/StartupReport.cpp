#include "app/win/StartupReport.h"

#include <windows.h>

#include <cstdio>
#include <fstream>

#include "app/win/StartupClock.h"
#include "core/Error.h"

namespace zentavo {

std::optional<StartupReport> StartupReport::Requested() {
  wchar_t file[MAX_PATH];
  const DWORD length = ::GetEnvironmentVariableW(kStartupReportVariable, file, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return std::nullopt;
  return StartupReport(std::filesystem::path(std::wstring(file, length)));
}

void StartupReport::Note(const std::string& step) { steps_.emplace_back(step, MillisecondsSinceProcessStart()); }

void StartupReport::WriteAtFirstPaint(int listedRows) {
  Note("first_paint");
  const double firstPaint = steps_.back().second;
  std::ofstream out(file_, std::ios::trunc);
  auto line = [&out](const std::string& name, double milliseconds) {
    char value[32];
    std::snprintf(value, sizeof value, "%.1f", milliseconds);
    out << name << ' ' << value << '\n';
  };
  for (const auto& [step, milliseconds] : steps_) line(step, milliseconds);
  const double splash = SplashMilliseconds();
  line("splash", splash);
  line("first_paint_without_splash", firstPaint - splash);
  out << "listed_rows " << listedRows << '\n';
  out.flush();
  if (!out) throw Error("The start-up report could not be written");
}

}  // namespace zentavo
