#pragma once
#include <windows.h>

#include <memory>
#include <vector>

namespace zentavo {

class TsuiSkinControl;
class TsuiSkinEngine;

// The title buttons a frame drew at its last paint; the window menu enables its items
// from them.
struct TDrawnTitleButtons {
  bool minimize = false;
  bool maximize = false;
  bool close = false;
};

// The frame wrapper of one skinned top-level window, as the engine and the control wrappers
// see it: the engine keeps one per wrapped window, switches them on and off, tells them
// about skin loads and lets its window menu act on them; the frame owns the wrappers of the
// window's controls. A wrapper never owns the window it serves.
class TsuiSkinWindow {
 public:
  TsuiSkinWindow(HWND window, bool isForeign, TsuiSkinEngine& engine);
  virtual ~TsuiSkinWindow();
  TsuiSkinWindow(const TsuiSkinWindow&) = delete;
  TsuiSkinWindow& operator=(const TsuiSkinWindow&) = delete;

  // The window served; a form's frame follows the form when its window is made anew.
  virtual HWND WindowHandle() const { return window_; }
  bool IsForeign() const { return foreign_; }
  TsuiSkinEngine& Engine() const { return engine_; }
  const TDrawnTitleButtons& DrawnButtons() const { return drawnButtons_; }

  // The wrappers of the window's controls, in attachment order.
  std::vector<std::unique_ptr<TsuiSkinControl>>& Controls() { return controls_; }
  // False: the window is left to itself (its owner opted out, or it draws its own frame).
  bool Allowed() const { return allowed_; }
  void SetAllowed(bool allowed) { allowed_ = allowed; }
  // Set when the wrapper's teardown has begun.
  bool Destroying() const { return destroying_; }
  // The window has an animation or progress child: button hover timers stay off.
  bool HasAnimatedChild() const { return hasAnimatedChild_; }
  void SetHasAnimatedChild(bool value) { hasAnimatedChild_ = value; }

  // Applies or removes the skinned look of the window.
  virtual void SetSkinned(bool skinned) = 0;
  // A skin was loaded: the frame re-reads what it caches from the skin.
  virtual void FrameSkinLoaded() = 0;
  // The window menu's commands.
  virtual void SysMinimize() = 0;
  virtual void SysMaximizeRestore() = 0;
  virtual void SysClose() = 0;

 protected:
  TDrawnTitleButtons drawnButtons_;
  std::vector<std::unique_ptr<TsuiSkinControl>> controls_;
  bool allowed_ = true;
  bool destroying_ = false;
  bool hasAnimatedChild_ = false;

 private:
  HWND window_;
  bool foreign_;
  TsuiSkinEngine& engine_;
};

}  // namespace zentavo
