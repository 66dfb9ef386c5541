#include "framework/win/ExtCtrls.h"

#include "framework/win/WideText.h"

namespace zentavo {

namespace {

constexpr TColor kBtnShadow = SystemColor(COLOR_BTNSHADOW);
constexpr TColor kBtnHighlight = SystemColor(COLOR_BTNHIGHLIGHT);

// Draws `width` nested one-pixel frames, light on the top and left edges and dark on the
// bottom and right ones, and shrinks rect by the frames drawn.
void Frame3D(TCanvas& canvas, RECT& rect, TColor topLeft, TColor bottomRight, int width) {
  for (int i = 0; i < width && rect.right - rect.left > 1 && rect.bottom - rect.top > 1; ++i) {
    canvas.SetBrushColor(topLeft);
    canvas.FillRect(RECT{rect.left, rect.top, rect.right - 1, rect.top + 1});
    canvas.FillRect(RECT{rect.left, rect.top, rect.left + 1, rect.bottom - 1});
    canvas.SetBrushColor(bottomRight);
    canvas.FillRect(RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom});
    canvas.FillRect(RECT{rect.right - 1, rect.top, rect.right, rect.bottom});
    InflateRect(&rect, -1, -1);
  }
}

void DrawBevel(TCanvas& canvas, RECT& rect, TPanelBevel bevel, TColor face, int width) {
  switch (bevel) {
    case TPanelBevel::bvNone:
      return;
    case TPanelBevel::bvRaised:
      Frame3D(canvas, rect, kBtnHighlight, kBtnShadow, width);
      return;
    case TPanelBevel::bvLowered:
      Frame3D(canvas, rect, kBtnShadow, kBtnHighlight, width);
      return;
    case TPanelBevel::bvSpace:
      Frame3D(canvas, rect, face, face, width);
      return;
  }
}

}  // namespace

// ---- TCustomPanel ---------------------------------------------------------------------

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 185, 41);
}

void TCustomPanel::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.style |= WS_CLIPCHILDREN;
}

void TCustomPanel::SetBevelOuter(TPanelBevel bevel) {
  bevelOuter_ = bevel;
  Invalidate();
}

void TCustomPanel::SetBevelInner(TPanelBevel bevel) {
  bevelInner_ = bevel;
  Invalidate();
}

void TCustomPanel::SetBevelWidth(int width) {
  bevelWidth_ = width < 1 ? 1 : width;
  Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  Invalidate();
}

RECT TCustomPanel::InnerRect() const {
  RECT rect = ClientRect();
  int inset = (bevelOuter_ != TPanelBevel::bvNone ? bevelWidth_ : 0) +
              (bevelInner_ != TPanelBevel::bvNone ? bevelWidth_ : 0);
  InflateRect(&rect, -inset, -inset);
  return rect;
}

// The native text change repaints only what DefWindowProc thinks is the caption; the
// centred caption needs the whole inner area again.
void TCustomPanel::TextChanged() {
  TCustomControl::TextChanged();
  Invalidate();
}

void TCustomPanel::Paint(TCanvas& canvas) {
  RECT rect = ClientRect();
  const TColor face = EffectiveColor();
  DrawBevel(canvas, rect, bevelOuter_, face, bevelWidth_);
  DrawBevel(canvas, rect, bevelInner_, face, bevelWidth_);
  if (Caption().empty()) return;
  canvas.SetTransparentText(true);
  canvas.SetTextColor(Enabled() ? Font.Color : clGrayText);
  UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
  if (alignment_ == TAlignment::taCenter) format |= DT_CENTER;
  if (alignment_ == TAlignment::taRightJustify) format |= DT_RIGHT;
  canvas.DrawText(Caption(), rect, format);
}

// ---- TImage ---------------------------------------------------------------------------

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 105, 105);
}

void TImage::SetPicture(TBitmap picture) {
  picture_ = std::move(picture);
  Invalidate();
}

void TImage::SetStretch(bool stretch) {
  stretch_ = stretch;
  Invalidate();
}

void TImage::SetCenter(bool center) {
  center_ = center;
  Invalidate();
}

void TImage::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Invalidate();
}

RECT TImage::DestRect() const {
  if (stretch_) return ClientRect();
  int x = 0, y = 0;
  if (center_) {
    x = (Width() - picture_.Width()) / 2;
    y = (Height() - picture_.Height()) / 2;
  }
  return RECT{x, y, x + picture_.Width(), y + picture_.Height()};
}

void TImage::Paint(HDC dc) {
  if (picture_.Empty()) return;
  const RECT dest = DestRect();
  TCanvas canvas(dc);
  if (!transparent_) {
    canvas.StretchDraw(dest, picture_);
    return;
  }
  TBitmapDc source(picture_);
  canvas.TransparentCopy(dest, source.Dc(), RECT{0, 0, picture_.Width(), picture_.Height()},
                         picture_.TransparentColor());
}

}  // namespace zentavo
