// Times the skinned program as a person sees it: the main window, the entry editor and the
// statistics window shown over a sample ledger, skinned by the main window's engine.
//   (a) a skin change, from writing SkinFile until a message loop pass leaves nothing to
//       paint, for each default skin (10 rounds through all of them);
//   (b) frame plus client paint of each step of a 200-step resize of the main window,
//       under three skins of different frames and unskinned for comparison;
//   (c) live GDI objects after the first change and after 50 more between two skins.
// Then (a) in one round and (b) for the skin preview program's gallery, which holds every
// control kind, under its own engine.
//
//   winbench_skinned_windows [skins folder]
// The language files are taken from the folder above the skins folder when it has them.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchLedger.h"
#include "GalleryForm.h"
#include "framework/win/Application.h"
#include "framework/win/Form.h"
#include "framework/win/Handles.h"
#include "framework/win/WideText.h"
#include "ledger/win/MainForm.h"
#include "ledger/win/TemplateForm.h"
#include "program/win/ProgramWindows.h"
#include "report/win/ReportForm.h"
#include "skin/win/SkinEngine.h"

using namespace zentavo;
using namespace zentavo::bench;
namespace fs = std::filesystem;

namespace {

constexpr int kSwitchRounds = 10;
constexpr int kResizeSteps = 200;
constexpr int kLeakSwitches = 50;
constexpr int kMaxPasses = 200;
// Square blue, rounded grey, dark with a caption tab.
const char* const kResizeSkins[] = {"XPBlue", "MacOS", "SportsBlack"};

std::string Utf8(const fs::path& path) {
  return Narrow(path.wstring());
}

std::vector<fs::path> Packages(const fs::path& folder) {
  std::vector<fs::path> skins;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec))
    if (entry.path().extension() == ".ssk") skins.push_back(entry.path());
  std::sort(skins.begin(), skins.end());
  return skins;
}

// The p-th percentile (0..1) by the nearest-rank rule.
double Percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  const auto rank = static_cast<std::size_t>(std::ceil(p * static_cast<double>(values.size())));
  return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}
double Worst(const std::vector<double>& values) {
  return *std::max_element(values.begin(), values.end());
}

// Runs the message loop until a pass leaves no paint and no posted message waiting (the
// engine may post its follow-up work), then waits for the drawing to reach the screen.
// Answers false when the queue never emptied.
bool PaintEverything() {
  for (int pass = 0; pass < kMaxPasses; ++pass) {
    Application().ProcessMessages();
    if ((HIWORD(GetQueueStatus(QS_PAINT | QS_POSTMESSAGE)) & (QS_PAINT | QS_POSTMESSAGE)) == 0) {
      GdiFlush();
      return true;
    }
  }
  GdiFlush();
  return false;
}

struct SwitchTimes {
  std::vector<std::vector<double>> painted;  // per skin, ms
  std::vector<std::vector<double>> loaded;
  int unsettled = 0;
};

// Rounds through every skin, each change starting from the skin before it.
SwitchTimes TimeSwitches(TsuiSkinEngine& engine, const std::vector<fs::path>& skins, int rounds) {
  SwitchTimes times;
  times.painted.resize(skins.size());
  times.loaded.resize(skins.size());
  for (int round = 0; round < rounds; ++round) {
    for (std::size_t i = 0; i < skins.size(); ++i) {
      const std::string file = Utf8(skins[i]);
      const auto start = Clock::now();
      engine.SetSkinFile(file);
      times.loaded[i].push_back(Milliseconds(start));
      if (!PaintEverything()) ++times.unsettled;
      times.painted[i].push_back(Milliseconds(start));
    }
  }
  return times;
}

// perSkin false: the summary line only.
void PrintSwitches(const char* what, const SwitchTimes& times, const std::vector<fs::path>& skins,
                   bool perSkin = true) {
  std::printf("%s: skin change, SkinFile written -> nothing left to paint (goal <= 100 ms)\n", what);
  if (perSkin)
    std::printf("  %-18s %9s %9s   %s\n", "skin", "median", "worst", "(SkinFile returned: median)");
  std::vector<double> all, allLoaded;
  for (std::size_t i = 0; i < skins.size(); ++i) {
    const auto& painted = times.painted[i];
    all.insert(all.end(), painted.begin(), painted.end());
    allLoaded.insert(allLoaded.end(), times.loaded[i].begin(), times.loaded[i].end());
    if (perSkin)
      std::printf("  %-18s %6.1f ms %6.1f ms   (%.1f ms)\n", Utf8(skins[i].stem()).c_str(),
                  Percentile(painted, 0.5), Worst(painted), Percentile(times.loaded[i], 0.5));
  }
  std::printf("  all %zu changes: median %.1f ms, worst %.1f ms (SkinFile returned: median %.1f ms)",
              all.size(), Percentile(all, 0.5), Worst(all), Percentile(allLoaded, 0.5));
  if (times.unsettled) std::printf(", %d never settled within %d loop passes", times.unsettled, kMaxPasses);
  std::printf("\n");
}

// Resizes the window in a triangle wave over the size range, repainting frame and client
// at each step, and answers the step times in ms.
std::vector<double> TimeResize(HWND window, SIZE from, SIZE to) {
  RECT original;
  GetWindowRect(window, &original);
  std::vector<double> times;
  for (int step = 0; step < kResizeSteps; ++step) {
    const int phase = step % 100;
    const double t = (phase < 50 ? phase : 100 - phase) / 50.0;
    const int width = from.cx + static_cast<int>((to.cx - from.cx) * t);
    const int height = from.cy + static_cast<int>((to.cy - from.cy) * t);
    const auto start = Clock::now();
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    times.push_back(Milliseconds(start));
  }
  SetWindowPos(window, nullptr, 0, 0, original.right - original.left, original.bottom - original.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  PaintEverything();
  return times;
}

std::vector<fs::path> ResizeSkins(const std::vector<fs::path>& skins) {
  std::vector<fs::path> chosen;
  for (const char* name : kResizeSkins)
    for (const fs::path& skin : skins)
      if (skin.stem() == name) chosen.push_back(skin);
  if (chosen.empty()) chosen.push_back(skins.front());
  return chosen;
}

void PrintResizeTimes(const char* name, const std::vector<double>& times) {
  std::printf("  %-18s median %5.1f ms, p95 %5.1f ms, worst %5.1f ms\n", name, Percentile(times, 0.5),
              Percentile(times, 0.95), Worst(times));
}

// Resizes under a few skins of different frame kinds, then with the engine switched off:
// the part of the time the system and the controls take whatever the skin.
void PrintResize(const char* what, HWND window, TsuiSkinEngine& engine, const std::vector<fs::path>& skins) {
  RECT r;
  GetWindowRect(window, &r);
  const SIZE from{r.right - r.left, r.bottom - r.top};
  const SIZE to{from.cx + 300, from.cy + 200};
  std::printf(
      "%s: %d-step resize from %ldx%ld to %ldx%ld, frame + client paint per step (goal p95 <= 16 ms)\n", what,
      kResizeSteps, from.cx, from.cy, to.cx, to.cy);
  std::vector<double> all;
  for (const fs::path& skin : ResizeSkins(skins)) {
    engine.SetSkinFile(Utf8(skin));
    PaintEverything();
    const std::vector<double> times = TimeResize(window, from, to);
    all.insert(all.end(), times.begin(), times.end());
    PrintResizeTimes(Utf8(skin.stem()).c_str(), times);
  }
  std::printf("  all %zu skinned steps: p95 %.1f ms\n", all.size(), Percentile(all, 0.95));
  engine.SetActive(false);
  PaintEverything();
  PrintResizeTimes("(unskinned)", TimeResize(window, from, to));
  engine.SetActive(true);
  PaintEverything();
}

struct GdiCount {
  long live;     // handles the program's wrappers own
  DWORD system;  // what the system counts for the process (0 where it does not)
};
GdiCount CountGdi() {
  return {LiveHandleCount(HandleKind::Gdi), GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)};
}

void PrintLeaks(TsuiSkinEngine& engine, const fs::path& first, const fs::path& second) {
  engine.SetSkinFile(Utf8(first));
  PaintEverything();
  const GdiCount before = CountGdi();
  // Ends on the first skin again, so both counts are taken under the same skin.
  for (int i = 0; i < kLeakSwitches; ++i) {
    engine.SetSkinFile(Utf8(i % 2 == 0 ? second : first));
    PaintEverything();
  }
  const GdiCount after = CountGdi();
  std::printf("GDI objects after the first change / after %d more between %s and %s (goal: unchanged)\n",
              kLeakSwitches, Utf8(first.stem()).c_str(), Utf8(second.stem()).c_str());
  std::printf("  owned by the program's handle wrappers: %ld / %ld\n", before.live, after.live);
  std::printf("  counted by the system (GetGuiResources): %lu / %lu\n", before.system, after.system);
}

// A program folder with the language files and a ledger of 20,000 entries over ten years
// (about 170 in the month shown), made anew on each run.
std::string ProgramFolder(const fs::path& data) {
  const fs::path root = fs::temp_directory_path() / "zentavo-skinned-windows-bench";
  fs::remove_all(root);
  fs::create_directories(root);
  if (fs::exists(data / "language"))
    fs::copy(data / "language", root / "language", fs::copy_options::recursive);
  const std::string folder = Utf8(root) + "\\";
  Seed(folder + "money.mdb", 20000);
  return folder;
}

void BenchProgram(const std::vector<fs::path>& skins, const fs::path& data) {
  ProgramWindows windows(ProgramFolder(data));
  TfrmMain& main = windows.Main();
  main.Now = [] { return EncodeDateTime(2024, 12, 15, 12, 0, 0); };
  windows.Report().Now = main.Now;
  main.Show();
  main.actionOutGoAdd.Execute();
  windows.Editor().SetBounds(main.Left() + 60, main.Top() + 80, windows.Editor().Width(),
                             windows.Editor().Height());
  main.N2_1.Click();
  PaintEverything();
  std::printf("program: main window %d entries listed; editor %s, statistics %s\n",
              main.listViewInfo.RowCount(), windows.Editor().Showing() ? "shown" : "NOT shown",
              windows.Report().Showing() ? "shown" : "NOT shown");

  TsuiSkinEngine& engine = main.suiSkinEngine;
  PrintLeaks(engine, skins[0], skins[1]);
  PrintSwitches("program", TimeSwitches(engine, skins, kSwitchRounds), skins);
  PrintResize("program main window", main.Handle(), engine, skins);
  // How the change grows with the windows shown.
  windows.Editor().Hide();
  windows.Report().Hide();
  PaintEverything();
  PrintSwitches("program, main window alone", TimeSwitches(engine, skins, 2), skins, false);
}

void BenchGallery(const std::vector<fs::path>& skins) {
  TfrmGallery& gallery = Application().CreateForm<TfrmGallery>();
  gallery.Show();
  PaintEverything();
  PrintSwitches("gallery", TimeSwitches(gallery.suiSkinEngine, skins, 1), skins);
  PrintResize("gallery", gallery.Handle(), gallery.suiSkinEngine, skins);
  Application().DestroyComponents();
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path folder = argc > 1 ? fs::path(argv[1]) : fs::path(ZENTAVO_DIST_SKINS);
  const std::vector<fs::path> skins = Packages(folder);
  if (skins.size() < 2) {
    std::printf("no skins in %s (run make dist first)\n", Utf8(folder).c_str());
    return 1;
  }
  Application().Initialize();
  // Boxes would stop the run; the bench only reports.
  Application().MessageBoxOverride = [](HWND, const std::string& text, const std::string&, UINT) {
    std::printf("message box: %s\n", text.c_str());
    return IDOK;
  };
  BenchProgram(skins, folder.parent_path());
  BenchGallery(skins);
  return 0;
}
