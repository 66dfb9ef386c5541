#pragma once
#include <windows.h>

#include "skin/ScrollBarLook.h"
#include "skin/WrapperKind.h"
#include "skin/win/SkinControlVCL.h"
#include "skin/win/SkinControlWnd.h"
#include "skin/win/SkinScrollOverlay.h"

namespace zentavo {

// Edit-like controls: the outline over the system's sunken edge, in the skin's border
// colour with the control's own colour inside it. Controls that say they have no border
// get none.
class TsuiSkinBorderWinControl : public TsuiSkinControlVCL {
 public:
  using TsuiSkinControlVCL::TsuiSkinControlVCL;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinBorderWinControl; }
  void Paint() override;
};

// Controls with window scroll bars: the outline and an overlay over each native bar.
// Windows keeps drawing, scrolling and tracking its own bars; every paint of the control
// reads their geometry again and puts the overlays over them.
class TsuiSkinScrollWinControl : public TsuiSkinBorderWinControl {
 public:
  using TsuiSkinBorderWinControl::TsuiSkinBorderWinControl;
  ~TsuiSkinScrollWinControl() override;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinScrollWinControl; }

  void AfterMessage(TMessage& message) override;
  void Paint() override;
  void SkinChanged() override;
  void Initialize() override;
  void Detach() override;

  // Each overlay over its shown native bar with the bar drawn into it, or hidden; the
  // square between two shown bars in the form colour. Nothing while the engine's
  // DrawScrollBar is off.
  void PlaceOverlays();
  // None for single-line edits, and after Detach.
  TsuiSkinInternalScrollBar* VertOverlay() const { return vertOverlay_; }
  TsuiSkinInternalScrollBar* HorzOverlay() const { return horzOverlay_; }

  // For the overlays: one is being freed by someone else (its owner, the engine); the
  // overlays were pressed and the system may have drawn its own bar.
  void OverlayGone(const TsuiSkinInternalScrollBar& overlay);
  void Refresh() { Repaint(); }

 private:
  TsuiSkinInternalScrollBar* MakeOverlay(bool horizontal);
  TScrollOverlayPlace PlaceOverlay(TsuiSkinInternalScrollBar* overlay, HWND window, TWinControl& parent,
                                   bool vertical);
  void HideOverlays();
  void FreeOverlays();

  TsuiSkinInternalScrollBar* vertOverlay_ = nullptr;
  TsuiSkinInternalScrollBar* horzOverlay_ = nullptr;
};

// The scroll bar control, covered by an overlay of its own that shows the skinned bar and
// the focus rectangle on the thumb.
class TsuiSkinScrollBar : public TsuiSkinControlVCL {
 public:
  using TsuiSkinControlVCL::TsuiSkinControlVCL;
  ~TsuiSkinScrollBar() override;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinScrollBar; }

  void AfterMessage(TMessage& message) override;
  void Paint() override;
  void SkinChanged() override;
  void Initialize() override;
  void Detach() override;

  TsuiSkinInternalScrollBar2* Overlay() const { return overlay_; }
  void OverlayGone(const TsuiSkinInternalScrollBar2& overlay);
  void Refresh() { Repaint(); }

 private:
  void FreeOverlay();
  TsuiSkinInternalScrollBar2* overlay_ = nullptr;
};

// The base of foreign controls with a border to skin: the outline with the system's window
// colour inside; never made by itself.
class TsuiSkinBorderWndControl : public TsuiSkinControlWnd {
 public:
  using TsuiSkinControlWnd::TsuiSkinControlWnd;
  void Paint() override;
};

}  // namespace zentavo
