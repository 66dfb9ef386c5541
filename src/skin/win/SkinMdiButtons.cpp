#include "skin/win/SkinMdiButtons.h"

#include <windowsx.h>

#include "framework/win/Canvas.h"
#include "skin/MenuItemLayout.h"
#include "skin/SkinBlit.h"

namespace zentavo {

TsuiSkinMenuBarControlButton::TsuiSkinMenuBarControlButton(TComponent* owner) : TCustomPanel(owner) {
  SetBevelOuter(TPanelBevel::bvNone);
  SetBounds(0, 0, 18, 18);
}

void TsuiSkinMenuBarControlButton::SetGlyph(const TBitmap& glyph) {
  glyph_ = glyph;
  glyph_.SetTransparent(true);
  Invalidate();
}

TBitmap TsuiSkinMenuBarControlButton::Face() const {
  return ComposeMdiControlButton(Width(), Height(), static_cast<TColor>(ColorToRGB(EffectiveColor())), glyph_,
                                 hot_);
}

void TsuiSkinMenuBarControlButton::Paint(TCanvas& canvas) {
  DrawBitmap(canvas.Handle(), 0, 0, Face());
}

// A click is a press and a release over the button.
void TsuiSkinMenuBarControlButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
      message.Result = 1;  // the face covers the whole button
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      hot_ = message.Msg == CM_MOUSEENTER;
      Invalidate();
      break;
    case WM_LBUTTONDOWN:
      pressed_ = true;
      ::SetCapture(Handle());
      break;
    case WM_LBUTTONUP: {
      const bool wasPressed = pressed_;
      pressed_ = false;
      if (::GetCapture() == Handle()) ::ReleaseCapture();
      const POINT at{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
      const RECT client = ClientRect();
      if (wasPressed && ::PtInRect(&client, at) && OnClick) {
        OnClick(this);
        return;  // the click may have freed the button
      }
      break;
    }
    default:
      break;
  }
  TCustomPanel::WndProc(message);
}

TBitmap MdiControlGlyph(int frame) {
  static const TBitmap strip = MdiControlGlyphStrip();
  TBitmap glyph = CopyBitmapRect(strip, {16 * (frame - 1), 0, 16 * frame, 16});
  glyph.SetTransparent(true);
  return glyph;
}

}  // namespace zentavo
