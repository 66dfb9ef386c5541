#include "framework/win/Buttons.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/win/Canvas.h"
#include "framework/win/WideText.h"

namespace zentavo {

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 23, 22);
}

void TSpeedButton::SetFlat(bool flat) {
  flat_ = flat;
  Invalidate();
}

void TSpeedButton::SetDown(bool down) {
  if (groupIndex_ == 0) down = false;
  if (down == down_ || (down_ && !AllowAllUp)) return;
  down_ = down;
  Invalidate();
  if (!down_ || !parent_) return;
  for (TControl* sibling : parent_->Controls()) {
    auto* other = dynamic_cast<TSpeedButton*>(sibling);
    if (other && other != this && other->groupIndex_ == groupIndex_ && other->down_) {
      other->down_ = false;
      other->Invalidate();
    }
  }
}

void TSpeedButton::SetGroupIndex(int index) {
  groupIndex_ = index;
  if (groupIndex_ == 0 && down_) {
    down_ = false;
    Invalidate();
  }
}

void TSpeedButton::SetGlyph(TBitmap glyph, int numGlyphs) {
  glyph_ = std::move(glyph);
  numGlyphs_ = std::clamp(numGlyphs, 1, 4);
  Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout layout) {
  layout_ = layout;
  Invalidate();
}

void TSpeedButton::SetMargin(int margin) {
  margin_ = margin;
  Invalidate();
}

void TSpeedButton::SetSpacing(int spacing) {
  spacing_ = spacing;
  Invalidate();
}

void TSpeedButton::Click() {
  if (groupIndex_ != 0) SetDown(!down_);
  if (OnClick) OnClick(this);
}

// Images of the strip: up, disabled, clicked, down; a missing one falls back to the up
// image. Pixels of the bottom-left colour are transparent.
void TSpeedButton::DrawGlyph(HDC dc, POINT at, bool pressed) {
  if (glyph_.Empty()) return;
  int image = 0;
  if (!Enabled() && numGlyphs_ > 1)
    image = 1;
  else if (pressing_ && hot_ && numGlyphs_ > 2)
    image = 2;
  else if (down_ && numGlyphs_ > 3)
    image = 3;
  const int width = glyph_.Width() / numGlyphs_;
  if (pressed) {
    ++at.x;
    ++at.y;
  }
  TBitmapDc source(glyph_);
  TCanvas canvas(dc);
  canvas.TransparentCopy(RECT{at.x, at.y, at.x + width, at.y + glyph_.Height()}, source.Dc(),
                         RECT{image * width, 0, (image + 1) * width, glyph_.Height()},
                         glyph_.Pixel(0, glyph_.Height() - 1));
}

void TSpeedButton::Paint(HDC dc) {
  DcStateGuard state(dc);
  RECT client = ClientRect();
  const bool pressed = Pressed();
  if (!flat_) {
    DrawFrameControl(dc, &client, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  } else if (pressed || (hot_ && Enabled())) {
    DrawEdge(dc, &client, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  }

  SelectObject(dc, Font.Handle());
  const std::wstring text = Widen(Caption());
  RECT measured{0, 0, Width(), 0};
  if (!text.empty())
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, DT_CALCRECT | DT_SINGLELINE);
  const TSize captionSize =
      text.empty() ? TSize{} : TSize{measured.right - measured.left, measured.bottom - measured.top};
  const TSize glyphSize = glyph_.Empty() ? TSize{} : TSize{glyph_.Width() / numGlyphs_, glyph_.Height()};
  const TButtonFaceLayout face =
      LayoutButtonFace(TSize{Width(), Height()}, glyphSize, captionSize, layout_, margin_, spacing_);
  RECT captionRect{face.caption.left, face.caption.top, face.caption.right, face.caption.bottom};

  DrawGlyph(dc, POINT{face.glyph.x, face.glyph.y}, pressed);
  if (text.empty()) return;
  if (pressed) OffsetRect(&captionRect, 1, 1);
  SetBkMode(dc, TRANSPARENT);
  if (!Enabled()) {
    // Embossed: a light copy below right, the grey text on top.
    OffsetRect(&captionRect, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &captionRect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    OffsetRect(&captionRect, -1, -1);
  }
  SetTextColor(dc, ColorToRGB(Enabled() ? Font.Color : SystemColor(COLOR_BTNSHADOW)));
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &captionRect,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TSpeedButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_MOUSEENTER:
      hot_ = true;
      Invalidate();
      break;
    case CM_MOUSELEAVE:
      hot_ = false;
      pressing_ = false;
      Invalidate();
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressing_ = hot_ = true;
      Invalidate();
      return;
    case WM_LBUTTONUP: {
      const bool click = pressing_;
      pressing_ = false;
      Invalidate();
      const POINT point{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
      const RECT client = ClientRect();
      if (click && PtInRect(&client, point)) Click();
      return;
    }
    default:
      break;
  }
  TGraphicControl::WndProc(message);
}

}  // namespace zentavo
