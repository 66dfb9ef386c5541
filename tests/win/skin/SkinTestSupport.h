#pragma once
// Forms, frame wrappers and folders for the engine tests.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/win/Application.h"
#include "framework/win/Form.h"
#include "skin/ButtonLooks.h"
#include "skin/MenuCheckImages.h"
#include "skin/Skin2Define.h"
#include "skin/TempFile.h"
#include "skin/win/SkinAttach.h"
#include "skin/win/SkinEngine.h"
#include "win/skin/SkinPackages.h"

namespace zentavo::testing {

// A default skin package, made for the tests by the build.
inline std::string DefaultSkin(const std::string& name) {
  return std::string(ZENTAVO_DEFAULT_SKINS) + "/" + name + ".ssk";
}

// Lets posted messages, timers and paints run.
inline void Settle() {
  for (int i = 0; i < 3; ++i) {
    Application().ProcessMessages();
    ::Sleep(20);
  }
  Application().ProcessMessages();
}

// The wrapper of a framework control among the engine's skinned windows.
template <class W>
W& WrapperOf(const TsuiSkinEngine& engine, const TControl& control) {
  for (const auto& window : engine.SkinnedWindows())
    for (const auto& wrapper : window->Controls())
      if (auto* vcl = dynamic_cast<W*>(wrapper.get()); vcl && vcl->Control() == &control) return *vcl;
  throw std::runtime_error("not wrapped");
}

// Pixels of `shown` from (atX, atY) on that differ from `expected`.
inline int CountDiffering(const TBitmap& shown, const TBitmap& expected, int atX = 0, int atY = 0) {
  int differing = 0;
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x)
      if (shown.Pixel(atX + x, atY + y) != expected.Pixel(x, y)) ++differing;
  return differing;
}

// The first visible system dialog of this thread; none when no dialog is open.
inline HWND FindVisibleDialog() {
  HWND found = nullptr;
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND window, LPARAM result) -> BOOL {
        wchar_t name[16] = {};
        ::GetClassNameW(window, name, 16);
        if (std::wstring(name) != L"#32770" || !::IsWindowVisible(window)) return TRUE;
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// A push button of width x height as the loaded skin must show it (without its caption).
inline TBitmap ExpectedButtonFace(const TsuiSkinEngine& engine, int width, int height, int frame, bool focused,
                                  bool down) {
  TBitmap face;
  EXPECT_TRUE(engine.GetSkinBitmap(SKIN2_BUTTON, face, frame, 3));
  TButtonFaceOptions o;
  o.width = width;
  o.height = height;
  o.formColor = engine.FormColor();
  o.maskCorners = engine.GetSkinFlag(SKIN2_BUTTONTRANS) != 0;
  o.maskColor = engine.GetSkinColor(SKIN2_TRANSCOLOR);
  o.focused = focused;
  o.down = down;
  return ComposeButtonFace(&face, o);
}

// A plain form built in code, optionally with an engine made while it is being built.
class TfrmSkinTest : public TForm {
 public:
  explicit TfrmSkinTest(TComponent* owner, bool withEngine = false) : TForm(owner) {
    if (withEngine) engine = &Make<TsuiSkinEngine>();
    SetBounds(10, 10, 200, 150);
    FormCreated();
  }
  TsuiSkinEngine* engine = nullptr;
};

// An engine on a host form with a default skin loaded and switched on, and a form of the
// test's own kind to put controls on; ShowSkinned shows the form and wraps it.
template <class Form>
class SkinnedFormTest : public ::testing::Test {
 protected:
  void StartEngine(const std::string& skin) {
    Application().Initialize();
    host = MakeComponent<TfrmSkinTest>(nullptr, true);
    engine().SetSkinFile(DefaultSkin(skin));
    engine().SetActive(true);
    form = MakeComponent<Form>(nullptr);
  }
  void ShowSkinned() {
    form->Show();
    engine().SkinWindow(form->Handle());
    ::SetForegroundWindow(form->Handle());
    Settle();
  }
  void TearDown() override {
    form.reset();
    host.reset();
  }
  TsuiSkinEngine& engine() { return *host->engine; }
  template <class W>
  W& WrapperOf(const TControl& control) {
    return testing::WrapperOf<W>(engine(), control);
  }
  // A bitmap of the loaded skin, or one frame of it.
  TBitmap SkinBitmap(int key, int frame = 0, int frames = 0) {
    TBitmap bitmap;
    EXPECT_TRUE(engine().GetSkinBitmap(key, bitmap, frame, frames));
    return bitmap;
  }
  // A control of the test's form, placed.
  template <class T>
  T& Add(int left, int top, int width, int height) {
    T& control = form->template Make<T>();
    control.SetParent(form.get());
    control.SetBounds(left, top, width, height);
    return control;
  }

  ComponentPtr<TfrmSkinTest> host;
  ComponentPtr<Form> form;
};

// A frame wrapper that writes down what the engine asks of it.
class FakeFrame : public TsuiSkinWindow {
 public:
  FakeFrame(HWND window, bool foreign, TsuiSkinEngine& engine, std::vector<std::string>& log, std::string name)
      : TsuiSkinWindow(window, foreign, engine), log_(log), name_(std::move(name)) {}
  ~FakeFrame() override { log_.push_back(name_ + (Engine().RemovingWindow() ? " freed while removing" : " freed")); }
  void SetSkinned(bool skinned) override { log_.push_back(name_ + (skinned ? " on" : " off")); }
  void FrameSkinLoaded() override { log_.push_back(name_ + " loaded"); }
  void SysMinimize() override { log_.push_back(name_ + " minimize"); }
  void SysMaximizeRestore() override { log_.push_back(name_ + " maximize"); }
  void SysClose() override { log_.push_back(name_ + " close"); }
  void Draw(TDrawnTitleButtons buttons) { drawnButtons_ = buttons; }

 private:
  std::vector<std::string>& log_;
  std::string name_;
};

// Installs a factory of fake frames, named after the window's position in `names`.
class FakeFrames {
 public:
  FakeFrames() {
    TsuiSkinEngine::WindowWrapperFactory = [this](TsuiSkinEngine& engine, HWND window, bool foreign, bool isForm) {
      std::string name = "?";
      for (auto& [handle, text] : names)
        if (handle == window) name = text;
      log.push_back(name + (isForm ? " wrapped as form" : " wrapped as window"));
      return std::make_unique<FakeFrame>(window, foreign, engine, log, name);
    };
  }
  ~FakeFrames() { TsuiSkinEngine::WindowWrapperFactory = nullptr; }
  FakeFrame& Frame(const TsuiSkinEngine& engine, int index) {
    return static_cast<FakeFrame&>(*engine.SkinnedWindows().at(index));
  }
  std::vector<std::pair<HWND, std::string>> names;
  std::vector<std::string> log;
};

// A folder of its own, removed afterwards.
class ScratchFolder {
 public:
  ScratchFolder() : path_(NewTemporaryFileName()) { std::filesystem::create_directories(path_); }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// The check mark list is shared by every engine: each test starts from the built-in mark.
inline void ResetMenuCheckImages() {
  TMenuCheckImages& images = MenuCheckImages();
  while (images.Count() > 0) images.Delete(0);
  images.Add(DefaultMenuCheckMark(), clWhite);
}

// A frame wrapper stand-in that holds control wrappers as the real frames do and lets them
// go when it is freed: a foreign window's children get their procedures back, a form's
// controls as the frame is told.
class ControlFrame : public TsuiSkinWindow {
 public:
  ControlFrame(HWND window, bool foreign, TsuiSkinEngine& engine, bool restoreProcedures = true)
      : TsuiSkinWindow(window, foreign, engine), restoreProcedures_(restoreProcedures) {}
  ~ControlFrame() override {
    if (IsForeign())
      DetachForeignControls(*this);
    else
      DetachFormControls(*this, restoreProcedures_);
  }
  void SetSkinned(bool) override {}
  void FrameSkinLoaded() override {}
  void SysMinimize() override {}
  void SysMaximizeRestore() override {}
  void SysClose() override {}

 private:
  bool restoreProcedures_;
};

// An engine on a form of its own with a small skin loaded and switched on: it IsSkinning.
class SkinningEngine {
 public:
  SkinningEngine() {
    WriteBytes(folder / "basic.ssk", SkinPackageBytes(BasicSkin()));
    engine.SetSkinFile(Utf8(folder / "basic.ssk"));
    engine.SetActive(true);
  }
  ScratchFolder folder;
  ComponentPtr<TfrmSkinTest> host = MakeComponent<TfrmSkinTest>(nullptr);
  TsuiSkinEngine& engine = host->Make<TsuiSkinEngine>();
};

}  // namespace zentavo::testing
