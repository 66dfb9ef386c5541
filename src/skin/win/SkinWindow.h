#pragma once
#include <windows.h>

namespace zentavo {

class TsuiSkinEngine;

// The title buttons a frame drew at its last paint; the window menu enables its items
// from them.
struct TDrawnTitleButtons {
  bool minimize = false;
  bool maximize = false;
  bool close = false;
};

// The frame wrapper of one skinned top-level window, as the engine sees it: the engine keeps
// one per wrapped window, switches them on and off, tells them about skin loads and lets its
// window menu act on them. The frame painters derive from it; a wrapper never owns the
// window it serves.
class TsuiSkinWindow {
 public:
  TsuiSkinWindow(HWND window, bool isForeign, TsuiSkinEngine& engine)
      : window_(window), foreign_(isForeign), engine_(engine) {}
  virtual ~TsuiSkinWindow() = default;
  TsuiSkinWindow(const TsuiSkinWindow&) = delete;
  TsuiSkinWindow& operator=(const TsuiSkinWindow&) = delete;

  HWND WindowHandle() const { return window_; }
  bool IsForeign() const { return foreign_; }
  TsuiSkinEngine& Engine() const { return engine_; }
  const TDrawnTitleButtons& DrawnButtons() const { return drawnButtons_; }

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

 private:
  HWND window_;
  bool foreign_;
  TsuiSkinEngine& engine_;
};

}  // namespace zentavo
