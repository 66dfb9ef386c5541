#pragma once
#include <windows.h>

#include <memory>
#include <optional>

#include "framework/Bitmap.h"
#include "framework/win/ExtCtrls.h"
#include "skin/ScrollBarLook.h"

namespace zentavo {

class TsuiSkinScrollWinControl;
class TsuiSkinScrollBar;

// A small window placed exactly over a native scroll bar and showing the skinned bar from
// its Buffer, in one copy and without erasing first. Its owner is the engine, its parent
// the covered control's parent; it stays above the control in z-order, and the control
// clips its siblings, so the native bar never shows through.
class TsuiSkinScrollOverlay : public TCustomPanel {
  ZENTAVO_CLASS(TsuiSkinScrollOverlay, TCustomPanel)
 public:
  explicit TsuiSkinScrollOverlay(TComponent* owner);
  ~TsuiSkinScrollOverlay() override;

  // The picture, drawn by the wrapper at the overlay's size.
  TBitmap Buffer;
  // Copies the Buffer to the screen now; the window's own paints copy it too.
  void ShowBuffer();
  // Moves the window just above `control` in z-order unless it is above it already.
  void KeepAbove(HWND control);
  // Sits in `parent` from now on (the covered control may have moved to another parent).
  void FollowParent(TWinControl* parent);
  // Bounds and visibility, touching the window only when they change.
  void Place(const RECT& bounds);
  void Show(bool visible);

 protected:
  void WndProc(TMessage& message) override;
  void Paint(TCanvas& canvas) override;
  // Drawn over the Buffer by GDI (the focus rectangle of a scroll bar control).
  virtual void PaintOver(HDC) {}
  // Whether this overlay still exists after something that may have freed it.
  std::weak_ptr<void> Alive() const { return alive_; }
  // The press position of a mouse message of this window, in screen coordinates.
  POINT ScreenPoint(const TMessage& message);
  void ReleaseOwnCapture();

 private:
  std::shared_ptr<void> alive_ = std::make_shared<char>();
};

// The overlay over one of a control's window scroll bars. Presses on it go to the control
// as presses on its own bar, so the system does the scrolling, the repeat and the thumb
// tracking.
class TsuiSkinInternalScrollBar : public TsuiSkinScrollOverlay {
  ZENTAVO_CLASS(TsuiSkinInternalScrollBar, TsuiSkinScrollOverlay)
 public:
  TsuiSkinInternalScrollBar(TComponent* owner, TsuiSkinScrollWinControl& ownerWrapper, bool isHorizontal);
  ~TsuiSkinInternalScrollBar() override;

  bool IsHorizontal() const { return isHorizontal_; }
  // The covered control; none once it or its wrapper has gone.
  TControl* Target() const;
  TsuiSkinScrollWinControl* OwnerWrapper() const { return ownerWrapper_; }
  // The wrapper lets go of the overlay before freeing it.
  void ForgetOwnerWrapper() { ownerWrapper_ = nullptr; }
  // What the Buffer was last drawn for; none once the skin changed.
  std::optional<TScrollOverlayPlace> DrawnPlace;

 protected:
  void WndProc(TMessage& message) override;

 private:
  void Forward(UINT nonClientMessage, const TMessage& message);
  TsuiSkinScrollWinControl* ownerWrapper_;
  bool isHorizontal_;
};

// The overlay over a scroll bar control. Mouse messages go to the control in its own
// client coordinates; the control tracks and scrolls by itself.
class TsuiSkinInternalScrollBar2 : public TsuiSkinScrollOverlay {
  ZENTAVO_CLASS(TsuiSkinInternalScrollBar2, TsuiSkinScrollOverlay)
 public:
  TsuiSkinInternalScrollBar2(TComponent* owner, TsuiSkinScrollBar& ownerWrapper);
  ~TsuiSkinInternalScrollBar2() override;

  TControl* Target() const;
  TsuiSkinScrollBar* OwnerWrapper() const { return ownerWrapper_; }
  void ForgetOwnerWrapper() { ownerWrapper_ = nullptr; }
  // The focus rectangle over the thumb while the control has the focus.
  void SetFocusRect(std::optional<RECT> rect) { focusRect_ = rect; }

 protected:
  void WndProc(TMessage& message) override;
  void PaintOver(HDC dc) override;

 private:
  TsuiSkinScrollBar* ownerWrapper_;
  std::optional<RECT> focusRect_;
};

}  // namespace zentavo
