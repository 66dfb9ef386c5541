#include "skin/win/SkinEngine.h"

#include <filesystem>
#include <utility>

#include "core/Error.h"
#include "framework/Properties.h"
#include "framework/win/Application.h"
#include "framework/win/Font.h"
#include "framework/win/Form.h"
#include "framework/win/Screen.h"
#include "framework/win/WideText.h"
#include "skin/MenuCheckImages.h"
#include "skin/SkinImages.h"
#include "skin/SkinTempCopy.h"
#include "skin/TempFile.h"
#include "skin/win/SkinFrameWindow.h"
#include "skin/win/SkinGuard.h"
#include "skin/win/SkinHook.h"
#include "skin/win/SkinMenuPainter.h"
#include "skin/win/SkinMessages.h"
#include "skin/win/SkinSystem.h"

namespace zentavo {

TsuiSkinEngine::TWindowWrapperFactory TsuiSkinEngine::WindowWrapperFactory;

namespace {

TsuiSkinEngine* singleEngine = nullptr;

template <class Get, class Set>
void Publish(const char* name, const char* type, Get get, Set set) {
  RegisterProperty(TsuiSkinEngine::StaticClassInfo(),
                   {name, type,
                    [get](const TComponent& c) { return TPropertyValue(get(static_cast<const TsuiSkinEngine&>(c))); },
                    [set](TComponent& c, const TPropertyValue& v) { set(static_cast<TsuiSkinEngine&>(c), v); }});
}

const bool enginePropertiesRegistered = [] {
  using E = TsuiSkinEngine;
  using V = TPropertyValue;
  auto text = [](const V& v) { return std::get<std::string>(v); };
  auto flag = [](const V& v) { return std::get<bool>(v); };
  Publish("Active", "Boolean", [](const E& e) { return e.Active(); }, [=](E& e, const V& v) { e.SetActive(flag(v)); });
  Publish("Ready", "Boolean", [](const E& e) { return e.Ready(); }, [=](E& e, const V& v) { e.SetReady(flag(v)); });
  Publish("Password", "String", [](const E& e) { return e.Password(); },
          [=](E& e, const V& v) { e.SetPassword(text(v)); });
  Publish("SkinFile", "String", [](const E& e) { return e.SkinFile(); },
          [=](E& e, const V& v) { e.SetSkinFile(text(v)); });
  Publish("ResSysMenuMin", "String", [](const E& e) { return e.ResSysMenuMin(); },
          [=](E& e, const V& v) { e.SetResSysMenuMin(text(v)); });
  Publish("ResSysMenuMax", "String", [](const E& e) { return e.ResSysMenuMax(); },
          [=](E& e, const V& v) { e.SetResSysMenuMax(text(v)); });
  Publish("ResSysMenuClose", "String", [](const E& e) { return e.ResSysMenuClose(); },
          [=](E& e, const V& v) { e.SetResSysMenuClose(text(v)); });
  Publish("DisabledTag", "Integer", [](const E& e) { return static_cast<long long>(e.DisabledTag()); },
          [](E& e, const V& v) { e.SetDisabledTag(static_cast<int>(std::get<long long>(v))); });
  Publish("DrawScrollBar", "Boolean", [](const E& e) { return e.DrawScrollBar(); },
          [=](E& e, const V& v) { e.SetDrawScrollBar(flag(v)); });
  Publish("Version", "String", [](const E& e) { return e.Version(); },
          [=](E& e, const V& v) { e.SetVersion(text(v)); });
  Publish("BuiltIn", "Boolean", [](const E& e) { return e.BuiltIn(); }, [=](E& e, const V& v) { e.SetBuiltIn(flag(v)); });
  Publish("SkinDialogs", "Boolean", [](const E& e) { return e.SkinDialogs(); },
          [=](E& e, const V& v) { e.SetSkinDialogs(flag(v)); });
  Publish("SkinAllForms", "Boolean", [](const E& e) { return e.SkinAllForms(); },
          [=](E& e, const V& v) { e.SetSkinAllForms(flag(v)); });
  return true;
}();

std::string SystemFolder(UINT(WINAPI* query)(LPWSTR, UINT)) {
  wchar_t buffer[MAX_PATH];
  const UINT length = query(buffer, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return WithTrailingBackslash(Narrow(std::wstring_view(buffer, length)));
}

std::string ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return WithTrailingBackslash(Narrow(path.substr(0, path.find_last_of(L"\\/") + 1)));
}

std::filesystem::path FilePath(const std::string& utf8) { return std::filesystem::path(Widen(utf8)); }


}  // namespace

TsuiSkinEngine::TsuiSkinEngine(TComponent* owner) : TComponent(owner), reader_({}, {}) {
  (void)enginePropertiesRegistered;
  if (!owner || !owner->Is<TForm>()) throw Error("Must be placed on a Form");
  // Refused here rather than after joining the form, so that no second engine is left
  // behind in the form's components.
  for (int i = 0; i < owner->ComponentCount(); ++i)
    if (owner->Components(i)->Is<TsuiSkinEngine>()) throw Error("One form can only catch one TsuiSkinEngine!");
  SetState(csLoading, owner->HasState(csLoading));

  reader_.OnChange = [this](TsuiSkinReader&) { SkinLoaded(); };

  systemMenu_ = MakeComponent<TPopupMenu>(nullptr);
  const char* captions[] = {resSysMenuMin_.c_str(), resSysMenuMax_.c_str(), "-", resSysMenuClose_.c_str()};
  for (const char* caption : captions) {
    TMenuItem& item = systemMenu_->Make<TMenuItem>();
    item.SetCaption(caption);
    systemMenu_->Items().Add(item);
  }
  auto act = [this](void (TsuiSkinWindow::*command)()) {
    return [this, command](TComponent*) {
      if (systemMenuWindow_) (systemMenuWindow_->*command)();
    };
  };
  systemMenu_->Items().Items(0)->OnClick = act(&TsuiSkinWindow::SysMinimize);
  systemMenu_->Items().Items(1)->OnClick = act(&TsuiSkinWindow::SysMaximizeRestore);
  systemMenu_->Items().Items(3)->OnClick = act(&TsuiSkinWindow::SysClose);
  systemMenu_->OnPopup = [this](TComponent*) { SystemMenuPopup(); };
  SkinMenu(*this, *systemMenu_);

  if (!singleEngine && !Designing()) {
    singleEngine = this;
    InstallSkinHook();
  }
}

TsuiSkinEngine::~TsuiSkinEngine() {
  ReleaseWindows();
  ForgetSingleEngine();
}

void TsuiSkinEngine::ForgetSingleEngine() {
  if (singleEngine != this) return;
  singleEngine = nullptr;
  RemoveSkinHook();
}

void TsuiSkinEngine::BeforeDestruction() {
  if (HasState(csDestroying)) return;
  // The wrappers let go of their windows while the forms are still whole.
  ReleaseWindows();
  ForgetSingleEngine();
  TComponent::BeforeDestruction();
}

void TsuiSkinEngine::ReleaseWindows() {
  systemMenuWindow_ = nullptr;
  if (leavingTimer_) KillTimer(nullptr, std::exchange(leavingTimer_, 0));
  FreeLeaving();
  // Always the first of the list, as each wrapper's teardown may look at the rest.
  while (!skinnedWindows_.empty()) {
    std::unique_ptr<TsuiSkinWindow> first = std::move(skinnedWindows_.front());
    skinnedWindows_.erase(skinnedWindows_.begin());
    Guarded([&] { first.reset(); });
  }
}

TsuiSkinEngine* TsuiSkinEngine::SingleEngine() { return singleEngine; }

TForm& TsuiSkinEngine::OwnerForm() const { return static_cast<TForm&>(*Owner()); }

bool TsuiSkinEngine::Reading() const { return HasState(csLoading) || (Owner() && Owner()->HasState(csLoading)); }

void TsuiSkinEngine::Loaded() {
  if (!Designing()) SkinWindow(OwnerForm().Handle());
}

void TsuiSkinEngine::SetSkinFile(const std::string& value) {
  const TSkinFileFolders folders{ProgramFolder(), SystemFolder(GetWindowsDirectoryW), SystemFolder(GetSystemDirectoryW)};
  const std::optional<std::string> found = ResolveSkinFile(value, folders, SkinFileExists);
  if (!found) return;
  skinFile_ = *found;
  current_ = &reader_;
  try {
    reader_.Load(FilePath(skinFile_), password_);
  } catch (...) {
    skinFile_.clear();
    if (Designing()) return;
    throw;
  }
}

void TsuiSkinEngine::SkinLoaded() {
  formBrush_.reset();
  metrics_ = ReadSkinMetrics(*current_);
  formBrush_.reset(CreateSolidBrush(ColorToRGB(metrics_.FormColor)));

  scrollBtnRes_.Load(current_);
  progressBarRes_.Load(current_);

  if (const TBitmap* icon = current_->GetBitmap(SKIN2_CHECKEDMENUICON); icon && !icon->Empty()) {
    TBitmap mark = *icon;
    mark.SetTransparentColor(metrics_.TransparentColor);
    mark.SetTransparent(true);
    TMenuCheckImages& images = MenuCheckImages();
    if (images.Count() > 0) images.Delete(0);
    images.Add(mark, metrics_.TransparentColor);
  }

  // Every wrapped window is switched off and on, so that frames, menus and controls take
  // the new skin; hidden meanwhile so the change shows in one step.
  for (size_t i = 0; i < skinnedWindows_.size(); ++i) {
    TsuiSkinWindow* wrapper = skinnedWindows_[i].get();
    Guarded([&] {
      if (active_) {
        HWND window = wrapper->WindowHandle();
        const bool visible = IsWindowVisible(window) != FALSE;
        if (!SafeGetAncestor(window, GA_PARENT)) ShowWindow(window, SW_HIDE);
        wrapper->SetSkinned(false);
        wrapper->SetSkinned(true);
        if (visible) {
          ShowWindow(window, SW_SHOW);
          if (i == 0) SetActiveWindow(window);
        }
      }
      wrapper->FrameSkinLoaded();
    });
  }
  JoinShownForms();
  if (OnSkinChanged) OnSkinChanged(this);
}

// Forms are skinned together when the main form is first shown while skinning; when the
// skinning only starts later (no readable package at start-up, or Active set afterwards),
// the forms already made join then.
void TsuiSkinEngine::JoinShownForms() {
  if (!skinAllForms_ || !IsSkinning()) return;
  TForm* main = Application().MainForm();
  if (main && main->Showing()) SkinAllScreenForms();
}

void TsuiSkinEngine::SetActive(bool value) {
  active_ = value;
  if (Designing()) return;
  for (size_t i = 0; i < skinnedWindows_.size(); ++i) {
    TsuiSkinWindow* wrapper = skinnedWindows_[i].get();
    Guarded([&] { wrapper->SetSkinned(value); });
  }
  if (!Reading()) JoinShownForms();
}

void TsuiSkinEngine::SetSkinAllForms(bool value) {
  skinAllForms_ = value;
  if (Designing() || Reading()) return;
  if (value)
    SkinAllScreenForms();
  else
    UnskinOtherForms();
}

void TsuiSkinEngine::SetBuiltIn(bool value) {
  const bool reading = Reading();
  if (!Designing() && !reading) throw Error("BuiltIn property only can be specified at design time!");
  if (!reading && value && !SkinFileExists(skinFile_)) throw Error("Please specify the SkinFile property first!");
  builtIn_ = value;
}

std::optional<std::vector<std::uint8_t>> TsuiSkinEngine::SkinData() const {
  if (!builtIn_) return std::nullopt;
  return ReadWholeFile(skinFile_);
}

void TsuiSkinEngine::ReadSkinData(const std::vector<std::uint8_t>& block) {
  const std::filesystem::path copy = SaveTemporaryCopy(block, ".sui", FileSystemCopyIo(NewTemporaryFileName));
  struct Remove {
    const std::filesystem::path& file;
    ~Remove() {
      std::error_code ignored;
      std::filesystem::remove(file, ignored);
    }
  } remove{copy};
  const std::string remembered = skinFile_;
  SetSkinFile(Narrow(copy.native()));
  skinFile_ = remembered;
}

bool TsuiSkinEngine::GetSkinBitmap(int key, TBitmap& destination, int frameIndex, int frameCount) const {
  const TBitmap* bitmap = current_->GetBitmap(key);
  if (!bitmap) return false;
  if (frameIndex != 0 && frameCount != 0)
    CutStateImage(bitmap, destination, frameCount, frameIndex);
  else
    destination = *bitmap;
  return true;
}

void TsuiSkinEngine::AddWindow(HWND window, bool isForeign) {
  if (!window) return;
  for (const auto& wrapper : skinnedWindows_)
    if (wrapper->WindowHandle() == window) return;
  const bool isForm = FindFormByHandle(window) != nullptr;
  std::unique_ptr<TsuiSkinWindow> wrapper = WindowWrapperFactory
                                                ? WindowWrapperFactory(*this, window, isForeign, isForm)
                                                : MakeSkinFrame(*this, window, isForeign, isForm);
  if (!wrapper) return;
  TsuiSkinWindow& added = *wrapper;
  skinnedWindows_.push_back(std::move(wrapper));
  added.FrameSkinLoaded();
}

void TsuiSkinEngine::RemoveWindow(HWND window) {
  for (const auto& wrapper : skinnedWindows_)
    if (wrapper->WindowHandle() == window) return RemoveWindow(*wrapper);
}

void TsuiSkinEngine::RemoveWindow(TsuiSkinWindow& wrapper) {
  for (auto it = skinnedWindows_.begin(); it != skinnedWindows_.end(); ++it) {
    if (it->get() != &wrapper) continue;
    std::unique_ptr<TsuiSkinWindow> freed = std::move(*it);
    skinnedWindows_.erase(it);
    if (systemMenuWindow_ == freed.get()) systemMenuWindow_ = nullptr;
    removingWindow_ = true;
    Guarded([&] { freed.reset(); });
    removingWindow_ = false;
    return;
  }
}

void TsuiSkinEngine::RemoveWindowSoon(TsuiSkinWindow& wrapper) {
  for (auto it = skinnedWindows_.begin(); it != skinnedWindows_.end(); ++it) {
    if (it->get() != &wrapper) continue;
    if (systemMenuWindow_ == it->get()) systemMenuWindow_ = nullptr;
    leaving_.push_back(std::move(*it));
    skinnedWindows_.erase(it);
    // A thread timer: it fires from whatever message loop runs next, modal ones included.
    if (!leavingTimer_) leavingTimer_ = SetTimer(nullptr, 0, 0, &TsuiSkinEngine::FreeLeavingWindows);
    return;
  }
}

void CALLBACK TsuiSkinEngine::FreeLeavingWindows(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  TsuiSkinEngine* engine = singleEngine;
  if (!engine || engine->leavingTimer_ != timer) return;
  engine->leavingTimer_ = 0;
  engine->FreeLeaving();
}

void TsuiSkinEngine::FreeLeaving() {
  while (!leaving_.empty()) {
    std::unique_ptr<TsuiSkinWindow> freed = std::move(leaving_.front());
    leaving_.erase(leaving_.begin());
    removingWindow_ = true;
    Guarded([&] { freed.reset(); });
    removingWindow_ = false;
  }
}

void TsuiSkinEngine::SkinAllScreenForms() {
  for (int i = 0; i < Screen().FormCount(); ++i) {
    TForm* form = Screen().Forms(i);
    if (form->Tag == disabledTag_ || form->ClassName() == "TfrmMSNPopForm") continue;
    HWND window = form->Handle();
    if (window && SendMessageW(window, SM_ISSKINNED, 0, 0) == 0) SkinWindow(window);
  }
}

void TsuiSkinEngine::UnskinOtherForms() {
  HWND own = OwnerForm().HandleAllocated() ? OwnerForm().Handle() : nullptr;
  std::vector<HWND> others;
  for (const auto& wrapper : skinnedWindows_)
    if (wrapper->WindowHandle() != own) others.push_back(wrapper->WindowHandle());
  for (HWND window : others) RemoveWindow(window);
}

void TsuiSkinEngine::SetSystemMenuCaption(int index, const std::string& caption) {
  if (systemMenu_ && systemMenu_->Items().Count() > index) systemMenu_->Items().Items(index)->SetCaption(caption);
}

void TsuiSkinEngine::SetResSysMenuMin(const std::string& value) {
  resSysMenuMin_ = value;
  SetSystemMenuCaption(0, value);
}

void TsuiSkinEngine::SetResSysMenuMax(const std::string& value) {
  resSysMenuMax_ = value;
  SetSystemMenuCaption(1, value);
}

void TsuiSkinEngine::SetResSysMenuClose(const std::string& value) {
  resSysMenuClose_ = value;
  SetSystemMenuCaption(3, value);
}

void TsuiSkinEngine::SystemMenuPopup() {
  if (!systemMenuWindow_) return;
  const TDrawnTitleButtons& drawn = systemMenuWindow_->DrawnButtons();
  TMenuItem& items = systemMenu_->Items();
  items.Items(3)->SetEnabled(drawn.close);
  items.Items(1)->SetEnabled(drawn.maximize);
  items.Items(0)->SetEnabled(drawn.minimize);
}

}  // namespace zentavo
