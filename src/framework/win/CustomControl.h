#pragma once
#include "framework/win/Canvas.h"
#include "framework/win/Control.h"

namespace zentavo {

// A window control of our own window class that paints itself on a canvas: the base of
// panels, grids and other controls that Windows has no class for.
class TCustomControl : public TWinControl {
  ZENTAVO_CLASS(TCustomControl, TWinControl)
 public:
  explicit TCustomControl(TComponent* owner);
  // Draws the control's client area onto any context (a printer, a test's bitmap) the
  // way it appears on screen, background included.
  void PaintToDc(HDC dc);

 protected:
  // Paints over the background, which is already filled in the control's colour.
  virtual void Paint(TCanvas&) {}
  void PaintWindow(HDC dc) override;
};

}  // namespace zentavo
