#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "Pictures.h"
#include "ProgramShots.h"
#include "ScratchProgram.h"
#include "core/Error.h"
#include "framework/win/WideText.h"
#include "framework/win/WindowContent.h"
#include "ledger/win/MainForm.h"
#include "skin/Skin2Define.h"
#include "skin/win/SkinEngine.h"

namespace zentavo {

namespace fs = std::filesystem;

namespace {

const char* const kWindows[] = {"main window", "entry editor", "statistics window"};

// The three windows as they are shown now.
std::vector<TWindowContent> CaptureWindows(ProgramShots& shots) {
  std::vector<TWindowContent> windows;
  windows.push_back(CaptureContent(shots.Windows().Main()));
  TForm& editor = shots.ShowEditor();
  windows.push_back(CaptureContent(editor));
  editor.Hide();
  windows.push_back(CaptureContent(shots.ShowStatistics(0)));
  shots.HideStatistics();
  return windows;
}

}  // namespace

int CheckSkinnedContent(const fs::path& skins, const fs::path& data) {
  std::vector<fs::path> packages;
  for (const auto& entry : fs::directory_iterator(skins))
    if (entry.path().extension() == ".ssk") packages.push_back(entry.path());
  std::sort(packages.begin(), packages.end());
  if (packages.empty()) throw Error("no skin packages in " + Narrow(skins.wstring()));

  std::vector<TWindowContent> plain;
  {
    const ScratchProgram program(data, "zentavo-content-plain", false);
    ProgramShots shots(program.Folder());
    plain = CaptureWindows(shots);
  }
  int faults = 0, failedWindows = 0;
  const ScratchProgram program(data, "zentavo-content-skinned", false, skins);
  ProgramShots shots(program.Folder());
  TsuiSkinEngine& engine = shots.Windows().Main().suiSkinEngine;
  for (const fs::path& package : packages) {
    const std::string skin = Narrow(package.stem().wstring());
    engine.SetSkinFile(Narrow(package.wstring()));
    const std::vector<TWindowContent> skinned = CaptureWindows(shots);
    for (size_t i = 0; i < plain.size(); ++i) {
      const auto found = CompareContent(plain[i], skinned[i], engine.GetSkinColor(SKIN2_TRANSCOLOR));
      for (const std::string& fault : found)
        std::printf("%s, %s: %s\n", skin.c_str(), kWindows[i], fault.c_str());
      faults += static_cast<int>(found.size());
      if (!found.empty()) ++failedWindows;
    }
  }
  std::printf("check-content: %zu windows under %zu skins, %d of them with faults, %d faults\n", plain.size(),
              packages.size(), failedWindows, faults);
  std::fflush(stdout);
  return faults;
}

}  // namespace zentavo
