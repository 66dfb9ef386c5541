// Times a skin change on the engine for each default skin: from writing SkinFile to the end
// of the skin load (OnSkinChanged), and counts the live GDI objects after 50 changes between
// two skins against the count after the first change.
//
//   winbench_skin_engine [skins folder]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/win/Application.h"
#include "framework/win/Form.h"
#include "framework/win/Handles.h"
#include "framework/win/WideText.h"
#include "skin/win/SkinEngine.h"

using namespace zentavo;
using Clock = std::chrono::steady_clock;

namespace {

class TfrmBench : public TForm {
 public:
  explicit TfrmBench(TComponent* owner) : TForm(owner), engine(Make<TsuiSkinEngine>()) {
    engine.SetActive(true);
    SetBounds(50, 50, 400, 300);
    FormCreated();
  }
  TsuiSkinEngine& engine;
};

std::string Utf8(const std::filesystem::path& path) {
  const auto text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path folder = argc > 1 ? std::filesystem::path(argv[1]) : std::filesystem::path(ZENTAVO_DIST_SKINS);
  std::vector<std::filesystem::path> skins;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
    if (entry.path().extension() == ".ssk") skins.push_back(entry.path());
  std::sort(skins.begin(), skins.end());
  if (skins.size() < 2) {
    std::printf("no skins in %s (run make dist first)\n", Utf8(folder).c_str());
    return 1;
  }

  Application().Initialize();
  auto form = MakeComponent<TfrmBench>(nullptr);
  form->Show();
  TsuiSkinEngine& engine = form->engine;
  Clock::time_point loaded;
  engine.OnSkinChanged = [&](TComponent*) { loaded = Clock::now(); };

  std::printf("SkinFile written -> skin loaded (goal < 10 ms), best and median of 7\n");
  for (const auto& skin : skins) {
    std::vector<double> times;
    for (int run = 0; run < 7; ++run) {
      const auto start = Clock::now();
      engine.SetSkinFile(Utf8(skin));
      times.push_back(std::chrono::duration<double, std::milli>(loaded - start).count());
      Application().ProcessMessages();
    }
    std::sort(times.begin(), times.end());
    std::printf("  %-18s %6.2f ms  %6.2f ms\n", Utf8(skin.filename()).c_str(), times.front(), times[times.size() / 2]);
  }

  engine.SetSkinFile(Utf8(skins[0]));
  Application().ProcessMessages();
  const long afterFirst = LiveHandleCount(HandleKind::Gdi);
  for (int i = 0; i < 50; ++i) {
    engine.SetSkinFile(Utf8(skins[(i + 1) % 2]));
    Application().ProcessMessages();
  }
  engine.SetSkinFile(Utf8(skins[0]));
  Application().ProcessMessages();
  std::printf("live GDI objects: %ld after the first change, %ld after 50 more between %s and %s (goal: equal)\n",
              afterFirst, LiveHandleCount(HandleKind::Gdi), Utf8(skins[0].filename()).c_str(),
              Utf8(skins[1].filename()).c_str());
  return 0;
}
