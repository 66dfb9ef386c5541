#pragma once
#include <windows.h>

#include "framework/Bitmap.h"
#include "framework/win/Message.h"
#include "skin/FrameComposer.h"
#include "skin/FrameGeometry.h"
#include "skin/win/SkinWindow.h"

namespace zentavo {

// The skinned frame of one top-level window: it sizes the non-client area for the skin's
// title and borders, paints them from the skin, shapes the window, and handles the title
// bar's mouse, the window commands and activation. The two variants serve our own forms
// and foreign windows (system dialogs, message boxes); they differ in how they reach the
// window's message path and in the facts they read about the window.
//
// Life: made by MakeSkinFrame, which runs Start (attach the window, then its controls,
// then apply the skin); the final classes' destructors run Teardown while the whole object
// is alive.
class TsuiSkinFrameWindow : public TsuiSkinWindow {
 public:
  TsuiSkinFrameWindow(HWND window, bool isForeign, TsuiSkinEngine& engine);
  ~TsuiSkinFrameWindow() override;

  // The window's message handler once attached.
  void FrameWindowProc(TMessage& message);

  void SetSkinned(bool skinned) override;
  void FrameSkinLoaded() override;
  void SysMinimize() override;
  void SysMaximizeRestore() override;
  void SysClose() override;
  void SysContextHelp();
  void ShowSystemMenu();
  void ShowSystemMenuAt(POINT screen);

  void InitializeFrame();
  void PaintFrame();
  void UpdateRegion();
  void SetHasCaption(bool value);
  void SetHasBorder(bool value);

  bool Skinned() const { return skinned_; }
  bool Initialized() const { return initialized_; }
  bool HasCaption() const { return hasCaption_; }
  bool HasBorder() const { return hasBorder_; }
  bool DrawnActive() const { return drawnActive_; }
  int HotButton() const { return hotButton_; }
  bool ButtonPressed() const { return buttonPressed_; }
  int ExtraBand() const { return extraBand_; }
  int NativeCaptionHeight() const { return nativeCaptionHeight_; }
  int SavedClientWidth() const { return savedClientWidth_; }
  int SavedClientHeight() const { return savedClientHeight_; }
  int TitleHeight() const;
  // The window's state as the frame geometry reads it.
  TFrameWindow FrameState() const;
  const TBitmap& TitleBuffer() const { return titleBuffer_; }
  const TBitmap& BottomBuffer() const { return bottomBuffer_; }

  // The window's own facts, overridden by the variants.
  virtual void ApplyFrameState() = 0;
  virtual void CallDefault(TMessage& message) = 0;
  virtual void CaptureMetrics() {}
  virtual void AttachControls() = 0;
  virtual void DetachControls() = 0;
  virtual bool CanShapeWindow() const { return true; }
  virtual int MenuBarHeight() const { return 0; }
  virtual HICON GetWindowIcon() const { return nullptr; }
  virtual bool HasHelpButton() const { return false; }
  virtual bool IsMDIChild() const { return false; }
  virtual bool HasIcon() const { return false; }
  virtual bool HasCloseButton() const { return true; }
  virtual bool HasMaximizeButton() const { return false; }
  virtual bool HasMinimizeButton() const { return false; }
  virtual bool InitWhileHidden() const { return false; }
  // False: the message goes no further (not to the window's own procedure).
  virtual bool BeforeDefault(TMessage&) { return true; }
  virtual void AfterDefault(TMessage&) {}
  virtual void AttachWindow() = 0;
  virtual void DetachWindow() = 0;

  // Attaches the window and its controls and applies the skin; MakeSkinFrame calls it.
  void Start();

 protected:
  // The frame's side of the destruction: unwraps the controls and gives the window its
  // procedure back. Final classes call it from their destructors.
  void Teardown();
  void RecomputeFrame() const;
  // Every control wrapper takes the skin as it now is and repaints.
  void RefreshControls();
  int WindowWidth() const;
  int WindowHeight() const;
  std::wstring WindowCaption() const;

  bool hasCaption_ = true;
  bool hasBorder_ = true;
  bool skinned_ = false;
  bool initialized_ = false;
  bool drawnActive_ = true;
  bool buttonPressed_ = false;
  bool mdiMaximizeSent_ = false;
  int hotButton_ = kNoElement;
  int savedClientWidth_ = 0;
  int savedClientHeight_ = 0;
  int nativeCaptionHeight_ = 0;
  int extraBand_ = 0;

 private:
  void NcCalcSize(TMessage& message);
  void PaintTitle(HDC dc, const TFrameImages& images, const TFrameSkin& skin, const TFrameWindow& window);
  void PaintBorders(HDC dc, const TFrameImages& images, const TFrameSkin& skin, const TFrameWindow& window);
  bool HandledBeforeDefault(TMessage& message);
  void HandleAfterDefault(TMessage& message);

  TBitmap titleBuffer_;
  TBitmap bottomBuffer_;
  TBitmap titleRegionBuffer_;
  TBitmap bottomRegionBuffer_;
  bool tornDown_ = false;
};

// The frame for a window: ours when a form has it, the foreign variant otherwise.
std::unique_ptr<TsuiSkinWindow> MakeSkinFrame(TsuiSkinEngine& engine, HWND window, bool isForeign, bool isForm);

}  // namespace zentavo
