#include "framework/win/CustomControl.h"

namespace zentavo {

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

void TCustomControl::PaintWindow(HDC dc) {
  TCanvas canvas(dc);
  canvas.SetFont(Font);
  Paint(canvas);
}

void TCustomControl::PaintToDc(HDC dc) {
  DcStateGuard state(dc);
  RECT client = ClientRect();
  BrushHandle background(CreateSolidBrush(ColorToRGB(EffectiveColor())));
  FillRect(dc, &client, background.get());
  PaintWindow(dc);
}

}  // namespace zentavo
