#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/Bitmap.h"
#include "framework/Component.h"
#include "framework/win/Control.h"
#include "framework/win/Handles.h"
#include "framework/win/Menu.h"
#include "skin/SkinFileCandidates.h"
#include "skin/SkinMetrics.h"
#include "skin/SkinResources.h"
#include "skin/SuiSkinReader.h"
#include "skin/win/SkinCollection.h"
#include "skin/win/SkinWindow.h"

namespace zentavo {

class TForm;

// The one component through which the application is skinned. It sits on the main form,
// owns the skin reader and the two resource sets, caches what painters need of the loaded
// skin, keeps the frame wrappers of all skinned top-level windows and owns the window menu
// of every skinned title bar. Writing SkinFile finds and loads a package and re-skins every
// wrapped window.
class TsuiSkinEngine : public TComponent {
  ZENTAVO_CLASS(TsuiSkinEngine, TComponent)
 public:
  // The owner must be a form ("Must be placed on a Form") without an engine of its own yet
  // ("One form can only catch one TsuiSkinEngine!").
  explicit TsuiSkinEngine(TComponent* owner);
  ~TsuiSkinEngine() override;

  // Published properties.
  bool Active() const { return active_; }
  void SetActive(bool value);
  bool Ready() const { return current_->Loaded(); }
  void SetReady(bool) {}
  const std::string& Password() const { return password_; }
  void SetPassword(const std::string& value) { password_ = value; }
  const std::string& SkinFile() const { return skinFile_; }
  void SetSkinFile(const std::string& value);
  const std::string& ResSysMenuMin() const { return resSysMenuMin_; }
  void SetResSysMenuMin(const std::string& value);
  const std::string& ResSysMenuMax() const { return resSysMenuMax_; }
  void SetResSysMenuMax(const std::string& value);
  const std::string& ResSysMenuClose() const { return resSysMenuClose_; }
  void SetResSysMenuClose(const std::string& value);
  int DisabledTag() const { return disabledTag_; }
  void SetDisabledTag(int value) { disabledTag_ = value; }
  bool DrawScrollBar() const { return drawScrollBar_; }
  void SetDrawScrollBar(bool value) { drawScrollBar_ = value; }
  std::string Version() const { return "4.1"; }
  void SetVersion(const std::string&) {}
  bool BuiltIn() const { return builtIn_; }
  void SetBuiltIn(bool value);
  bool SkinDialogs() const { return skinDialogs_; }
  void SetSkinDialogs(bool value) { skinDialogs_ = value; }
  bool SkinAllForms() const { return skinAllForms_; }
  void SetSkinAllForms(bool value);
  TsuiSkinCollection& AdditionalBuiltInSkins() { return additionalBuiltInSkins_; }
  void SetAdditionalBuiltInSkins(const TsuiSkinCollection& value) { additionalBuiltInSkins_.Assign(value); }
  // Called with the engine at the end of every skin load.
  TNotifyEvent OnSkinChanged;

  // The skin kept inside the form: the bytes a form stores (when BuiltIn is set and the
  // file at SkinFile exists), and loading such bytes through a temporary copy, after which
  // SkinFile reads as before.
  std::optional<std::vector<std::uint8_t>> SkinData() const;
  void ReadSkinData(const std::vector<std::uint8_t>& block);

  // For the painters and wrappers.
  bool IsSkinning() const { return active_ && Ready() && !Designing(); }
  const TsuiSkinReader& Reader() const { return *current_; }
  const TSkinMetrics& Metrics() const { return metrics_; }
  TColor FormColor() const { return metrics_.FormColor; }
  HBRUSH FormBrush() const { return formBrush_.get(); }
  const TsuiSkinScrollBtnRes& ScrollBtnRes() const { return scrollBtnRes_; }
  const TsuiSkinProgressBarRes& ProgressBarRes() const { return progressBarRes_; }
  // False when the loaded skin lacks the bitmap; with frameIndex and frameCount set, the
  // destination gets that frame (1-based), otherwise a copy of the whole bitmap.
  bool GetSkinBitmap(int key, TBitmap& destination, int frameIndex = 0, int frameCount = 0) const;
  TColor GetSkinColor(int key) const { return current_->GetColor(key); }
  int GetSkinFlag(int key) const { return current_->GetFlag(key); }

  // The frame wrappers, one per wrapped top-level window.
  const std::vector<std::unique_ptr<TsuiSkinWindow>>& SkinnedWindows() const { return skinnedWindows_; }
  void AddWindow(HWND window, bool isForeign);
  void SkinWindow(HWND window) { AddWindow(window, false); }
  void RemoveWindow(HWND window);
  void RemoveWindow(TsuiSkinWindow& wrapper);
  // For a wrapper whose window is being destroyed: out of the list now, freed from the
  // message loop once the window's messages are done.
  void RemoveWindowSoon(TsuiSkinWindow& wrapper);
  bool RemovingWindow() const { return removingWindow_; }
  void SkinAllScreenForms();
  void UnskinOtherForms();
  // Makes the frame wrapper of a window (isForm: an application form has it); none leaves
  // the window unwrapped. The frame painters install it.
  using TWindowWrapperFactory =
      std::function<std::unique_ptr<TsuiSkinWindow>(TsuiSkinEngine&, HWND window, bool isForeign, bool isForm)>;
  static TWindowWrapperFactory WindowWrapperFactory;

  // The window menu shown by skinned title bars, acting on SystemMenuWindow.
  TPopupMenu& SystemMenu() { return *systemMenu_; }
  TsuiSkinWindow* SystemMenuWindow() const { return systemMenuWindow_; }
  void SetSystemMenuWindow(TsuiSkinWindow* window) { systemMenuWindow_ = window; }

  // The engine the window hooks report to: the first one made, until it goes.
  static TsuiSkinEngine* SingleEngine();

  TForm& OwnerForm() const;

 protected:
  void Loaded() override;
  void BeforeDestruction() override;
  bool Designing() const { return HasState(csDesigning); }
  // While the form builds its components and assigns their properties.
  bool Reading() const;

 private:
  void SkinLoaded();
  void SystemMenuPopup();
  void SetSystemMenuCaption(int index, const std::string& caption);
  void ReleaseWindows();
  void ForgetSingleEngine();
  void JoinShownForms();
  void FreeLeaving();
  static void CALLBACK FreeLeavingWindows(HWND, UINT, UINT_PTR timer, DWORD);

  bool active_ = false;
  std::string password_;
  std::string skinFile_;
  std::string resSysMenuMin_ = "Mi&nimize";
  std::string resSysMenuMax_ = "Ma&ximize/Restore";
  std::string resSysMenuClose_ = "&Close";
  int disabledTag_ = 9999;
  bool drawScrollBar_ = true;
  bool builtIn_ = false;
  bool skinDialogs_ = true;
  bool skinAllForms_ = true;
  bool removingWindow_ = false;

  TsuiSkinReader reader_;
  TsuiSkinReader* current_ = &reader_;
  TSkinMetrics metrics_;
  BrushHandle formBrush_;
  TsuiSkinScrollBtnRes scrollBtnRes_;
  TsuiSkinProgressBarRes progressBarRes_;
  TsuiSkinCollection additionalBuiltInSkins_{this};
  std::vector<std::unique_ptr<TsuiSkinWindow>> skinnedWindows_;
  std::vector<std::unique_ptr<TsuiSkinWindow>> leaving_;
  UINT_PTR leavingTimer_ = 0;
  ComponentPtr<TPopupMenu> systemMenu_;
  TsuiSkinWindow* systemMenuWindow_ = nullptr;
};

}  // namespace zentavo
