#pragma once
#include <windows.h>

#include "framework/Bitmap.h"
#include "framework/win/ExtCtrls.h"

namespace zentavo {

// One of the three small buttons that stand at the right end of an MDI main form's menu bar
// while a document window is maximized (close, restore, minimize). It paints its glyph on its
// colour in one copy, framed in black while the mouse is over it, and never erases its
// background separately.
class TsuiSkinMenuBarControlButton : public TCustomPanel {
  ZENTAVO_CLASS(TsuiSkinMenuBarControlButton, TCustomPanel)
 public:
  explicit TsuiSkinMenuBarControlButton(TComponent* owner);

  const TBitmap& Glyph() const { return glyph_; }
  void SetGlyph(const TBitmap& glyph);
  bool Hot() const { return hot_; }
  // The picture as it is painted.
  TBitmap Face() const;

 protected:
  void WndProc(TMessage& message) override;
  void Paint(TCanvas& canvas) override;

 private:
  TBitmap glyph_;
  bool hot_ = false;
  bool pressed_ = false;
};

// Frame 1 to 3 of the MDI control glyph strip: a bar at the bottom, two overlapping windows,
// a cross.
TBitmap MdiControlGlyph(int frame);

}  // namespace zentavo
