// The skin preview program: every control kind the skin engine wraps, under a skin
// package picked from the Skin menu or named on the command line.
//   skinview.exe [PACKAGE] [--mdi] [--screenshot FILE] [--check-skinned [FOLDER]]
//                [--check-content [FOLDER]]
// PACKAGE: a package file, or a name found by the engine (its skins folder); --mdi shows
// an MDI main form with two documents instead of the gallery; --screenshot saves the main
// window as a BMP picture and ends; --check-skinned shows the gallery under every package
// of FOLDER (default: the skins folder beside the program) in turn, asks each of its controls whether it is skinned, prints
// the ones that are not and ends with 1 if there were any; --check-content compares the
// gallery under every package of FOLDER with the gallery without a skin and prints what a
// skin loses (texts and controls not drawn, the transparent colour on the screen, holes in
// the outline, another client size), ending with 1 if anything was lost.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "GalleryForm.h"
#include "PreviewForms.h"
#include "app/win/CommonForm.h"
#include "core/Error.h"
#include "framework/win/Application.h"
#include "framework/win/WideText.h"
#include "framework/win/WindowCapture.h"
#include "framework/win/WindowContent.h"
#include "skin/Skin2Define.h"
#include "skin/ControlClassMap.h"
#include "skin/win/SkinMessages.h"

using namespace zentavo;
namespace fs = std::filesystem;

namespace {

struct Options {
  std::string package;
  bool mdi = false;
  std::wstring screenshot;
  bool checkSkinned = false;
  bool checkContent = false;
  std::string checkFolder;
};

Options ReadOptions() {
  Options options;
  int count = 0;
  LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
  for (int i = 1; args && i < count; ++i) {
    const std::wstring arg = args[i];
    if (arg == L"--mdi") {
      options.mdi = true;
    } else if (arg == L"--check-skinned" || arg == L"--check-content") {
      (arg == L"--check-skinned" ? options.checkSkinned : options.checkContent) = true;
      if (i + 1 < count && std::wstring(args[i + 1]).rfind(L"--", 0) != 0) options.checkFolder = Narrow(args[++i]);
    } else if (arg == L"--screenshot" && i + 1 < count) {
      options.screenshot = args[++i];
    } else {
      options.package = Narrow(arg);
    }
  }
  LocalFree(args);
  return options;
}

// The packages of a folder (the skins folder beside the program), by name.
std::vector<fs::path> SkinPackages(const std::string& folder = ExecutableFolder() + "skins") {
  std::vector<fs::path> packages;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(fs::u8path(folder), error)) {
    if (entry.path().extension() == ".ssk") packages.push_back(entry.path());
  }
  std::sort(packages.begin(), packages.end());
  return packages;
}

// Loads a package; a locked one asks for its password until it opens or the user cancels.
void LoadSkin(TsuiSkinEngine& engine, TfrmPassword& passwordBox, const std::string& package) {
  for (;;) {
    try {
      engine.SetSkinFile(package);
      return;
    } catch (const Error& error) {
      std::string password;
      if (std::string(error.what()) != "Wrong password!" || !passwordBox.Ask(package, password)) {
        Application().ShowException(error.what());
        return;
      }
      engine.SetPassword(password);
    }
  }
}

// The Skin menu: one item per package, then the switch of the engine.
void FillSkinMenu(TForm& form, TMenuItem& skinMenu, TMenuItem& active, TsuiSkinEngine& engine,
                  TfrmPassword& passwordBox) {
  for (const fs::path& package : SkinPackages()) {
    auto& item = form.Make<TMenuItem>();
    item.SetCaption(Narrow(package.stem().wstring()));
    const std::string path = Narrow(package.wstring());
    item.OnClick = [&engine, &passwordBox, path](TComponent*) { LoadSkin(engine, passwordBox, path); };
    skinMenu.Add(item);
  }
  auto& line = form.Make<TMenuItem>();
  line.SetCaption("-");
  skinMenu.Add(line);
  skinMenu.Add(active);
  active.OnClick = [&engine, &active](TComponent*) {
    engine.SetActive(!engine.Active());
    active.SetChecked(engine.Active());
  };
}

bool OwnedBy(const TComponent& component, const TComponent& owner) {
  for (const TComponent* c = component.Owner(); c; c = c->Owner())
    if (c == &owner) return true;
  return false;
}

// Every control the form owns, on it or inside its controls, that the engine's class
// table names, whose answer to "is skinned" is not 1. The skin's own windows (overlays,
// the menu bar) belong to the engine and the frame, not to the form.
void CollectUnskinned(const TWinControl& parent, const TForm& form, const TsuiSkinEngine& engine,
                      std::vector<std::string>& unskinned) {
  for (TControl* control : parent.Controls()) {
    if (!OwnedBy(*control, form) || OwnedBy(*control, engine)) continue;
    if (ControlClassMap().Find(control->ClassInfo()) && control->Perform(SM_ISSKINNED) != 1)
      unskinned.push_back(control->ClassName() + std::string(" ") + control->Name() + " \"" + control->Caption() + "\"");
    if (auto* windowed = dynamic_cast<const TWinControl*>(control)) CollectUnskinned(*windowed, form, engine, unskinned);
  }
}

// Shows the gallery under each package and reports the controls left unskinned.
int CheckSkinned(TfrmGallery& gallery, const std::string& folder) {
  const std::vector<fs::path> packages = folder.empty() ? SkinPackages() : SkinPackages(folder);
  int failures = 0;
  for (const fs::path& package : packages) {
    gallery.suiSkinEngine.SetSkinFile(Narrow(package.wstring()));
    Application().ProcessMessages();
    std::vector<std::string> unskinned;
    CollectUnskinned(gallery, gallery, gallery.suiSkinEngine, unskinned);
    for (const std::string& control : unskinned)
      std::printf("%s: not skinned: %s\n", Narrow(package.stem().wstring()).c_str(), control.c_str());
    failures += static_cast<int>(unskinned.size());
  }
  std::printf("check-skinned: %zu packages, %d controls not skinned\n", packages.size(), failures);
  std::fflush(stdout);
  return failures == 0 && !packages.empty() ? 0 : 1;
}

// The gallery without a skin, then under each package: what the skin loses.
int CheckContent(TfrmGallery& gallery, const std::string& folder) {
  const std::vector<fs::path> packages = folder.empty() ? SkinPackages() : SkinPackages(folder);
  Application().ProcessMessages();
  const TWindowContent plain = CaptureContent(gallery);
  int faults = 0, failedSkins = 0;
  for (const fs::path& package : packages) {
    const std::string skin = Narrow(package.stem().wstring());
    gallery.suiSkinEngine.SetSkinFile(Narrow(package.wstring()));
    Application().ProcessMessages();
    ::RedrawWindow(gallery.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const auto found = CompareContent(plain, CaptureContent(gallery),
                                      gallery.suiSkinEngine.GetSkinColor(SKIN2_TRANSCOLOR));
    for (const std::string& fault : found) std::printf("%s, gallery: %s\n", skin.c_str(), fault.c_str());
    faults += static_cast<int>(found.size());
    if (!found.empty()) ++failedSkins;
  }
  std::printf("check-content: the gallery under %zu skins, %d of them with faults, %d faults\n", packages.size(),
              failedSkins, faults);
  std::fflush(stdout);
  return faults == 0 && !packages.empty() ? 0 : 1;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  TApplication& application = Application();
  int exitCode = 0;
  try {
    application.Initialize();
    application.SetTitle("Skin preview");
    const Options options = ReadOptions();
    TForm* main = nullptr;
    TsuiSkinEngine* engine = nullptr;
    if (options.mdi) {
      auto& frame = application.CreateForm<TfrmMdiPreview>();
      main = &frame;
      engine = &frame.suiSkinEngine;
      auto& passwordBox = application.CreateForm<TfrmPassword>();
      FillSkinMenu(frame, frame.N_Skin, frame.N_Active, *engine, passwordBox);
      frame.Show();
      for (const char* caption : {"First document", "Second document"})
        application.CreateForm<TfrmDocument>(caption).Show();
      // Documents opened after the main window was shown join its skin here.
      engine->SkinAllScreenForms();
      frame.Cascade();
      if (!options.package.empty()) LoadSkin(*engine, passwordBox, options.package);
    } else {
      auto& gallery = application.CreateForm<TfrmGallery>();
      main = &gallery;
      engine = &gallery.suiSkinEngine;
      auto& passwordBox = application.CreateForm<TfrmPassword>();
      auto& dialog = application.CreateForm<TfrmDialog>();
      auto& toolWindow = application.CreateForm<TfrmToolWindow>();
      gallery.N_Dialog.OnClick = [&dialog](TComponent*) { dialog.Show(); };
      gallery.N_ToolWindow.OnClick = [&toolWindow](TComponent*) { toolWindow.Show(); };
      FillSkinMenu(gallery, gallery.N_Skin, gallery.N_Active, *engine, passwordBox);
      gallery.Show();
      if (!options.package.empty()) LoadSkin(*engine, passwordBox, options.package);
    }
    if (options.checkSkinned) {
      exitCode = CheckSkinned(static_cast<TfrmGallery&>(*main), options.checkFolder);
    } else if (options.checkContent) {
      exitCode = CheckContent(static_cast<TfrmGallery&>(*main), options.checkFolder);
    } else if (!options.screenshot.empty()) {
      CaptureWindow(main->Handle()).SaveToFile(fs::path(options.screenshot));
    } else {
      application.Run();
    }
  } catch (...) {
    application.HandleException(std::current_exception());
    exitCode = 1;
  }
  application.DestroyComponents();
  return exitCode;
}
