// What one paint of a skinned window costs, for the main window and the skin preview
// program's gallery (every control kind):
//   copies to the screen of each composed control per paint (goal 1), DIB sections made
//   per paint once the first is done (goal 0), a full repaint's time skinned against the
//   same window with the engine off, and the live GDI objects after 50 skin changes
//   against after the first (goal: the same).
//
//   winbench_skinned_paint [skins folder]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchLedger.h"
#include "GalleryForm.h"
#include "framework/win/Application.h"
#include "framework/win/Buttons.h"
#include "framework/win/Handles.h"
#include "framework/win/PaintSurface.h"
#include "framework/win/WideText.h"
#include "ledger/win/MainForm.h"
#include "program/win/ProgramWindows.h"
#include "skin/win/SkinEngine.h"

using namespace zentavo;
using namespace zentavo::bench;
namespace fs = std::filesystem;

namespace {

constexpr int kRepaints = 50;
constexpr int kSwitches = 50;

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

void Settle() {
  for (int pass = 0; pass < 200; ++pass) {
    Application().ProcessMessages();
    if ((HIWORD(GetQueueStatus(QS_PAINT | QS_POSTMESSAGE)) & (QS_PAINT | QS_POSTMESSAGE)) == 0) break;
  }
  GdiFlush();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Full repaints of the window and its children: the median time in ms.
double TimeRepaints(HWND window) {
  std::vector<double> times;
  for (int i = 0; i < kRepaints; ++i) {
    const auto start = Clock::now();
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    times.push_back(Milliseconds(start));
  }
  return Median(times);
}

// The first push button among the window's controls.
TButton* FirstButton(TWinControl& parent) {
  for (TControl* control : parent.Controls()) {
    if (auto* button = dynamic_cast<TButton*>(control); button && button->HandleAllocated()) return button;
    if (auto* windowed = dynamic_cast<TWinControl*>(control))
      if (TButton* inner = FirstButton(*windowed)) return inner;
  }
  return nullptr;
}

void BenchWindow(const char* what, TWinControl& window, TsuiSkinEngine& engine,
                 const std::vector<fs::path>& skins) {
  engine.SetSkinFile(Utf8(skins[0]));
  Settle();
  std::printf("%s under %s:\n", what, Utf8(skins[0].stem()).c_str());
  if (TButton* button = FirstButton(window)) {
    RedrawWindow(button->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const long presents = TPaintSurface::Presents(), sections = TPaintSurface::SectionsMade();
    for (int i = 0; i < kRepaints; ++i)
      RedrawWindow(button->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    std::printf(
        "  a push button: %.2f copies to the screen per paint (goal 1), %.2f DIB sections made per paint "
        "(goal 0)\n",
        static_cast<double>(TPaintSurface::Presents() - presents) / kRepaints,
        static_cast<double>(TPaintSurface::SectionsMade() - sections) / kRepaints);
  }
  TimeRepaints(window.Handle());  // every picture made once
  const long presents = TPaintSurface::Presents(), sections = TPaintSurface::SectionsMade();
  const double skinned = TimeRepaints(window.Handle());
  std::printf(
      "  full repaint: %.1f composed copies to the screen per repaint, %.2f DIB sections made per repaint "
      "(goal 0)\n",
      static_cast<double>(TPaintSurface::Presents() - presents) / kRepaints,
      static_cast<double>(TPaintSurface::SectionsMade() - sections) / kRepaints);
  engine.SetActive(false);
  Settle();
  const double plain = TimeRepaints(window.Handle());
  engine.SetActive(true);
  Settle();
  std::printf("  full repaint: median %.2f ms skinned, %.2f ms with the engine off (x %.2f)\n", skinned,
              plain, plain > 0 ? skinned / plain : 0.0);

  engine.SetSkinFile(Utf8(skins[0]));
  Settle();
  const long first = LiveHandleCount(HandleKind::Gdi);
  for (int i = 0; i < kSwitches; ++i) {
    engine.SetSkinFile(Utf8(skins[(i + 1) % skins.size()]));
    Settle();
  }
  engine.SetSkinFile(Utf8(skins[0]));
  Settle();
  std::printf("  live GDI objects: %ld after the first skin change, %ld after %d more (goal: the same)\n",
              first, LiveHandleCount(HandleKind::Gdi), kSwitches + 1);
}

std::string ProgramFolder(const fs::path& data) {
  const fs::path root = fs::temp_directory_path() / "zentavo-skinned-paint-bench";
  fs::remove_all(root);
  fs::create_directories(root);
  if (fs::exists(data / "language"))
    fs::copy(data / "language", root / "language", fs::copy_options::recursive);
  const std::string folder = Utf8(root) + "\\";
  Seed(folder + "money.mdb", 2000);
  return folder;
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
  Application().MessageBoxOverride = [](HWND, const std::string& text, const std::string&, UINT) {
    std::printf("message box: %s\n", text.c_str());
    return IDOK;
  };
  {
    ProgramWindows windows(ProgramFolder(folder.parent_path()));
    TfrmMain& main = windows.Main();
    main.Now = [] { return EncodeDateTime(2024, 12, 15, 12, 0, 0); };
    main.Show();
    Settle();
    BenchWindow("main window", main, main.suiSkinEngine, skins);
  }
  TfrmGallery& gallery = Application().CreateForm<TfrmGallery>();
  gallery.Show();
  Settle();
  BenchWindow("gallery", gallery, gallery.suiSkinEngine, skins);
  Application().DestroyComponents();
  return 0;
}
