// Times paging through the main window's entry list over a ledger of a million entries
// ("all" period), with the skin on (the list's scroll bars covered by skinned overlays that
// follow every step) and with the engine switched off. Each step pages the list view down
// and paints what the message loop would paint next. Goal: skinned within 10 % of
// unskinned.
//
// The page is turned with the list's own scroll message, not the page-down key: under Wine
// the key takes about 40 s per press in an owner-data list of a million rows, skinned or not
// (the list view's focus and selection handling), which would hide the scroll bars' share.
//
//   winbench_skinned_list_scroll [skin package]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchLedger.h"
#include "app/win/CommonForm.h"
#include "core/Period.h"
#include "framework/win/Application.h"
#include "framework/win/ListView.h"
#include "framework/win/WideText.h"
#include "ledger/win/MainForm.h"
#include "skin/win/SkinEngine.h"

using namespace zentavo;
using namespace zentavo::bench;

namespace {

constexpr int kSteps = 200;
constexpr int kRounds = 5;

void Paint(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  GdiFlush();
}

void Settle(HWND window) {
  for (int i = 0; i < 5; ++i) Application().ProcessMessages();
  Paint(window);
}

// 200 page-down steps from the top of the list; the time of all of them in ms.
double PageDown(TfrmMain& main) {
  HWND list = main.listViewInfo.Handle();
  SendMessageW(list, WM_VSCROLL, SB_TOP, 0);
  Settle(main.Handle());
  const auto start = Clock::now();
  for (int step = 0; step < kSteps; ++step) {
    SendMessageW(list, WM_VSCROLL, SB_PAGEDOWN, 0);
    SendMessageW(list, WM_VSCROLL, SB_ENDSCROLL, 0);
    Paint(main.Handle());
  }
  return Milliseconds(start);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

std::string DefaultPackage() {
  return std::string(ZENTAVO_DIST_SKINS) + "/XPBlue.ssk";
}

}  // namespace

int main(int argc, char** argv) {
  const std::string package = argc > 1 ? argv[1] : DefaultPackage();
  const std::string folder = BenchFolder(1000000);
  Application().Initialize();
  TfrmCommon common(nullptr, folder);
  TfrmMain main(nullptr, common);
  main.Now = [] { return EncodeDateTime(2024, 12, 15, 12, 0, 0); };
  main.Show();
  Application().ProcessMessages();
  TsuiSkinEngine& engine = main.suiSkinEngine;
  engine.SetSkinFile(package);
  engine.SetActive(true);
  if (!engine.IsSkinning()) {
    std::printf("the skin %s could not be loaded\n", package.c_str());
    return 1;
  }
  main.SetPeriodPreset(7);
  main.actionQuery.Execute();
  main.listViewInfo.SetFocus();
  Settle(main.Handle());
  std::printf("entry list: %d rows; %d page-down steps (scroll + paint), %d rounds each\n",
              main.listViewInfo.RowCount(), kSteps, kRounds);

  // Alternating, so that both see the same state of the machine.
  std::vector<double> skinned, plain;
  for (int round = 0; round < kRounds; ++round) {
    engine.SetActive(true);
    Settle(main.Handle());
    skinned.push_back(PageDown(main));
    engine.SetActive(false);
    Settle(main.Handle());
    plain.push_back(PageDown(main));
  }
  for (int round = 0; round < kRounds; ++round)
    std::printf("  round %d: skinned %7.1f ms, unskinned %7.1f ms\n", round + 1, skinned[round], plain[round]);
  const double s = Median(skinned), p = Median(plain);
  std::printf("median of %d steps: skinned %.1f ms (%.2f ms/step), unskinned %.1f ms (%.2f ms/step): %+.1f %% "
              "(goal within 10 %%)\n",
              kSteps, s, s / kSteps, p, p / kSteps, 100.0 * (s - p) / p);
  return 0;
}
