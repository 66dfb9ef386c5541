#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "Pictures.h"
#include "ProgramShots.h"
#include "ScratchProgram.h"
#include "SideBySide.h"
#include "core/Error.h"
#include "framework/win/WideText.h"
#include "ledger/win/MainForm.h"
#include "skin/win/SkinEngine.h"

namespace zentavo {

namespace fs = std::filesystem;

namespace {

// Skins shown in Chinese too: a square, blue one and a rounded, grey one.
const std::vector<std::string> kDetailedSkins = {"XPBlue", "MacOS"};
// The main window side by side for the project's front page.
const std::vector<std::string> kTrioSkins = {"XPBlue", "MacOS", "SportsBlack"};
constexpr int kGap = 16;

std::vector<fs::path> Packages(const fs::path& folder) {
  std::vector<fs::path> packages;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().extension() == ".ssk") packages.push_back(entry.path());
  std::sort(packages.begin(), packages.end());
  if (packages.empty()) throw Error("no skin packages in " + Narrow(folder.wstring()));
  return packages;
}

bool Listed(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

void Save(const TBitmap& picture, const fs::path& file) {
  picture.SaveToFile(file);
  std::printf("screenshots: %s\n", Narrow(file.wstring()).c_str());
}

// Loads the package into the main window's engine, as the Skin menu does.
void UseSkin(ProgramShots& shots, const fs::path& package) {
  shots.Windows().Main().suiSkinEngine.SetSkinFile(Narrow(package.wstring()));
}

// The main window with an entry selected and, beside it, the question deleting it asks.
TBitmap MainWithQuestion(ProgramShots& shots, TBitmap* mainOnly = nullptr) {
  shots.SelectFirstEntry();
  TBitmap main = shots.MainWindow();
  const TBitmap box = shots.DeleteQuestion();
  TBitmap row = SideBySide({&main, &box}, kGap, clWhite);
  if (mainOnly) *mainOnly = std::move(main);
  return row;
}

}  // namespace

void SaveSkinPictures(const fs::path& skins, const fs::path& data, const fs::path& out) {
  const std::vector<fs::path> packages = Packages(skins);
  std::map<std::string, TBitmap> trio;
  {
    // Installed with the packages, the program starts skinned, so every one of its windows
    // is; a later change reaches them all.
    const ScratchProgram program(data, "zentavo-skin-pictures", false, skins);
    ProgramShots shots(program.Folder());
    for (const fs::path& package : packages) {
      const std::string name = Narrow(package.stem().wstring());
      UseSkin(shots, package);
      TBitmap main;
      Save(MainWithQuestion(shots, &main), out / (name + ".bmp"));
      if (Listed(kTrioSkins, name)) trio[name] = std::move(main);
      Save(shots.Editor(), out / (name + "-editor.bmp"));
      Save(shots.OpenFileDialog(), out / (name + "-open.bmp"));
      Save(shots.Statistics(0), out / (name + "-statistics.bmp"));
      shots.HideStatistics();
    }
  }
  if (trio.size() == kTrioSkins.size()) {
    std::vector<const TBitmap*> row;
    for (const std::string& name : kTrioSkins) row.push_back(&trio[name]);
    Save(SideBySide(row, kGap, clWhite), out / "three-skins.bmp");
  }

  // The language is read once at start, from the program folder: Chinese needs windows of
  // their own.
  const ScratchProgram program(data, "zentavo-skin-pictures-zh", true, skins);
  ProgramShots shots(program.Folder());
  for (const fs::path& package : packages) {
    const std::string name = Narrow(package.stem().wstring());
    if (!Listed(kDetailedSkins, name)) continue;
    UseSkin(shots, package);
    Save(MainWithQuestion(shots), out / (name + "-zh.bmp"));
  }
}

}  // namespace zentavo
