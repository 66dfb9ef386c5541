#pragma once
#include <memory>

#include "framework/win/WindowSubclass.h"
#include "skin/win/SkinFrameWindow.h"

namespace zentavo {

// The skinned frame of a window we did not make: a system dialog, a message box, a common
// dialog. It reaches the window through a subclass token, grows the window by the skin's
// frame while skinned, and frees itself when the window is destroyed.
class TsuiSkinWindowWnd : public TsuiSkinFrameWindow {
 public:
  TsuiSkinWindowWnd(HWND window, bool isForeign, TsuiSkinEngine& engine);
  ~TsuiSkinWindowWnd() override;

  HWND InnerDialog() const { return innerDialog_ ? innerDialog_->Window() : nullptr; }
  bool HeightFixed() const { return heightFixed_; }

  void ApplyFrameState() override;
  void CallDefault(TMessage& message) override;
  void CaptureMetrics() override;
  void AttachControls() override;
  void DetachControls() override;
  bool BeforeDefault(TMessage& message) override;
  void AfterDefault(TMessage& message) override;
  void AttachWindow() override;
  void DetachWindow() override;

 private:
  bool WindowAlive() const;
  void WindowDestroyed();
  void HookInnerDialog();
  // Gives the window back the size it had before the skin grew it.
  void ShrinkBack();
  // Answers the colour messages of the inner dialog with the skin's form brush.
  void InnerDialogProc(WindowSubclass& token, TMessage& message);

  std::unique_ptr<WindowSubclass> subclass_;
  std::unique_ptr<WindowSubclass> innerDialog_;
  LONG_PTR capturedStyle_ = 0;
  LONG_PTR eraseStyle_ = 0;
  bool eraseStyleCaptured_ = false;
  bool heightFixed_ = false;
  bool windowGone_ = false;
  // What applying the skin added to the window's size, taken off again exactly.
  int grownWidth_ = 0;
  int grownHeight_ = 0;
  bool grown_ = false;
};

}  // namespace zentavo
