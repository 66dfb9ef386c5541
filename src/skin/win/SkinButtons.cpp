#include "skin/win/SkinButtons.h"

#include <algorithm>
#include <string>
#include <utility>

#include "framework/Bitmap.h"
#include "framework/win/Buttons.h"
#include "framework/win/Canvas.h"
#include "framework/win/CheckBox.h"
#include "framework/win/Form.h"
#include "framework/win/Handles.h"
#include "framework/win/StdCtrls.h"
#include "framework/win/WideText.h"
#include "skin/ButtonLooks.h"
#include "skin/Skin2Define.h"
#include "skin/SkinBlit.h"
#include "skin/win/SkinEngine.h"
#include "skin/win/SkinSystem.h"

namespace zentavo {

namespace {

TForm* ParentForm(TControl& control) {
  for (TControl* c = &control; c; c = c->Parent())
    if (auto* form = dynamic_cast<TForm*>(c)) return form;
  return nullptr;
}

// The control and every parent up to its form are shown and enabled, and its window exists.
bool CanFocus(TWinControl& control) {
  if (!control.HandleAllocated()) return false;
  for (TControl* c = &control; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

// Captions in the skin's control font colour while skinning, in their own otherwise.
void ApplyControlFontColor(TControl& control, const TsuiSkinEngine& engine, TColor saved) {
  control.Font.Color = engine.IsSkinning() ? engine.GetSkinColor(SKIN2_CONTROLFONTCOLOR) : saved;
  control.Invalidate();
}

}  // namespace

// ---- Push button ------------------------------------------------------------------------

bool TsuiSkinButton::BeforeMessage(TMessage& message) {
  if (TakeOverPainting(message) || HoldBackPress(message)) return false;
  switch (message.Msg) {
    case WM_KEYDOWN:
      return message.WParam != VK_RETURN && message.WParam != VK_SPACE;
    case WM_KILLFOCUS:
      RepaintLosingFocus();
      return false;
    case CM_GOTFOCUS:
    case CM_LOSTFOCUS:
      Repaint();
      return false;
    default:
      return true;
  }
}

void TsuiSkinButton::AfterMessage(TMessage& message) {
  TsuiSkinControlVCL::AfterMessage(message);
  switch (message.Msg) {
    case WM_SETFOCUS:
      Repaint();
      break;
    case WM_CHAR:
      if (message.WParam == VK_RETURN || message.WParam == 0) {
        SetState(kDown, false);
        Repaint();
        clickPending_ = true;
      }
      break;
    case WM_GETDLGCODE: {
      // The enter key stays with the button (its key-down pressed the face, its
      // character clicks), instead of going to the form as a dialog key.
      const auto* key = reinterpret_cast<const MSG*>(message.LParam);
      if (key && ((key->message == WM_KEYDOWN && key->wParam == VK_RETURN) ||
                  (key->message == WM_CHAR && key->wParam == VK_RETURN)))
        message.Result |= DLGC_WANTMESSAGE;
      break;
    }
    default:
      break;
  }
  // Last: the click may free the form, and the wrapper with it.
  if (std::exchange(clickPending_, false)) ClickControl();
}

void TsuiSkinButton::MouseDown() {
  auto* control = dynamic_cast<TWinControl*>(Control());
  if (!control) return;
  TForm* form = ParentForm(*control);
  if (!form || !IsFormActive(form)) return;
  if (CanFocus(*control)) {
    try {
      control->SetFocus();
    } catch (...) {
    }
  }
  pressedByMouse_ = true;
}

void TsuiSkinButton::MouseUp() {
  clickPending_ = std::exchange(pressedByMouse_, false);
}

void TsuiSkinButton::KeyUp(WPARAM key) {
  auto* control = dynamic_cast<TWinControl*>(Control());
  if (key != VK_SPACE || !control || !Engine().IsSkinning() || !control->Enabled()) return;
  if (!control->HandleAllocated() || ::GetFocus() != control->Handle()) return;
  SetState(kDown, false);
  Repaint();
  clickPending_ = true;
}

// The click's handler is the program's: its errors go where they would without the skin.
void TsuiSkinButton::ClickControl() {
  if (auto* button = dynamic_cast<TButton*>(Control())) CallProgramHandler([button] { button->Click(); });
}

namespace {
TButtonFaceOptions SkinnedButtonFaceOptions(const TsuiSkinEngine& engine, int width, int height, bool down,
                                            bool focused) {
  TButtonFaceOptions options;
  options.width = width;
  options.height = height;
  options.formColor = engine.FormColor();
  options.maskCorners = engine.GetSkinFlag(SKIN2_BUTTONTRANS) != 0;
  options.maskColor = engine.GetSkinColor(SKIN2_TRANSCOLOR);
  options.focused = focused;
  options.down = down;
  return options;
}
}  // namespace

TBitmap ComposeSkinnedButtonFace(const TsuiSkinEngine& engine, int width, int height, bool hot, bool down,
                                 bool focused) {
  TBitmap canvas(std::max(width, 0), std::max(height, 0));
  ComposeSkinnedButtonFaceOn(canvas, engine, hot, down, focused);
  return canvas;
}

void ComposeSkinnedButtonFaceOn(TBitmap& canvas, const TsuiSkinEngine& engine, bool hot, bool down, bool focused) {
  TBitmap face;
  const bool hasFace = engine.GetSkinBitmap(SKIN2_BUTTON, face, ButtonFaceFrame(down, hot), 3);
  ComposeButtonFaceOn(canvas, hasFace ? &face : nullptr,
                      SkinnedButtonFaceOptions(engine, canvas.Width(), canvas.Height(), down, focused));
}

void TsuiSkinButton::Compose(TPaintSurface& surface) {
  TControl* control = Control();
  if (!control) return;
  ComposeSkinnedButtonFaceOn(surface.Pixels(), Engine(), Hot(), Down(), ShowsFocus());
  control->Font.Color = Engine().GetSkinColor(SKIN2_BUTTONFONTCOLOR);
  DrawCaption(surface.Dc(), Widen(control->Caption()), GetControlRect(), &control->Font);
}

// ---- Check boxes and radio buttons ----------------------------------------------------------

void TsuiSkinGlyphButton::Initialize() {
  if (TControl* control = Control()) savedFontColor_ = control->Font.Color;
}

void TsuiSkinGlyphButton::SkinChanged() {
  if (TControl* control = Control()) ApplyControlFontColor(*control, Engine(), savedFontColor_);
}

bool TsuiSkinGlyphButton::BeforeMessage(TMessage& message) { return !TakeOverPainting(message); }

// The control paints itself first, into the picture, and the glyph box goes over its box.
void TsuiSkinGlyphButton::Compose(TPaintSurface& surface) {
  TControl* control = Control();
  HWND window = GetHandle();
  if (!control || !window) return;
  TMessage print{WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.Dc()), PRF_CLIENT | PRF_ERASEBKGND, 0};
  CallSaved(print);
  surface.Flush();
  TBitmap glyph;
  TColor mask = kNoMask;
  if (!Glyph(glyph, mask)) return;
  const TBitmap box = ComposeGlyphBox(glyph, ColorToRGB(control->EffectiveColor()), mask);
  TCaptionSide side = TCaptionSide::Right;
  if (auto* checkBox = dynamic_cast<TCustomCheckBox*>(control)) {
    if (checkBox->Alignment() == TAlignment::taLeftJustify) side = TCaptionSide::Left;
    if (checkBox->Alignment() == TAlignment::taCenter) side = TCaptionSide::Centre;
  }
  const bool onLeft = GlyphBoxOnLeft(side, ReadsRightToLeft(window));
  const TPoint at = GlyphBoxPosition(control->Width(), control->Height(), glyph.Width(), glyph.Height(), onLeft);
  DrawBitmapRect(surface.Pixels(), at.x, at.y, box, TRect{0, 0, box.Width(), box.Height()});
}

void TsuiSkinCheckBox::AfterMessage(TMessage& message) {
  TsuiSkinGlyphButton::AfterMessage(message);
  if (message.Msg == BM_SETCHECK || message.Msg == WM_LBUTTONDBLCLK) Repaint();
}

bool TsuiSkinCheckBox::Glyph(TBitmap& glyph, TColor& mask) const {
  auto* checkBox = dynamic_cast<TCustomCheckBox*>(Control());
  if (!checkBox) return false;
  TGlyphCheck state = TGlyphCheck::Unchecked;
  if (checkBox->State() == TCheckBoxState::cbChecked) state = TGlyphCheck::Checked;
  if (checkBox->State() == TCheckBoxState::cbGrayed) state = TGlyphCheck::Grayed;
  if (!Engine().GetSkinBitmap(SKIN2_CHECKBOX, glyph, CheckBoxGlyphFrame(state, checkBox->Enabled()), 6))
    return false;
  mask = Engine().GetSkinFlag(SKIN2_CHECKBOXTRANS) ? Engine().GetSkinColor(SKIN2_TRANSCOLOR) : kNoMask;
  return !glyph.Empty();
}

bool TsuiSkinRadioButton::BeforeMessage(TMessage& message) {
  if (message.Msg == WM_LBUTTONDBLCLK) {
    if (TControl* control = Control(); control && control->OnDblClick)
      CallProgramHandler([control] { control->OnDblClick(control); });
    return false;
  }
  return TsuiSkinGlyphButton::BeforeMessage(message);
}

void TsuiSkinRadioButton::AfterMessage(TMessage& message) {
  TsuiSkinGlyphButton::AfterMessage(message);
  if (message.Msg == BM_SETCHECK) Repaint();
}

bool TsuiSkinRadioButton::Glyph(TBitmap& glyph, TColor& mask) const {
  auto* radio = dynamic_cast<TRadioButton*>(Control());
  if (!radio) return false;
  if (!Engine().GetSkinBitmap(SKIN2_RADIOBUTTON, glyph, RadioButtonGlyphFrame(radio->Checked(), radio->Enabled()), 4))
    return false;
  mask = Engine().GetSkinColor(SKIN2_TRANSCOLOR);
  return !glyph.Empty();
}

// ---- Group box --------------------------------------------------------------------------

bool TsuiSkinGroupBox::BeforeMessage(TMessage& message) { return !TakeOverPainting(message); }

// The labels and other window-less controls inside the box are painted onto this picture
// after it, so the box's colour never covers them.
void TsuiSkinGroupBox::Compose(TPaintSurface& surface) {
  TControl* control = Control();
  HWND window = GetHandle();
  if (!control || !window) return;
  HDC dc = surface.Dc();
  DcStateGuard state(dc);
  ::SelectObject(dc, control->Font.Handle());
  SIZE zero{};
  ::GetTextExtentPoint32W(dc, L"0", 1, &zero);
  const COLORREF color = ColorToRGB(control->EffectiveColor());
  ComposeGroupBoxOn(surface.Pixels(), zero.cy, color, Engine().GetSkinColor(SKIN2_CONTROLBORDERCOLOR));

  const std::wstring caption = Widen(control->Caption());
  if (caption.empty()) return;
  const bool rightToLeft = ReadsRightToLeft(window);
  const UINT reading = rightToLeft ? DT_RTLREADING : 0;
  RECT measured{0, 0, 0, zero.cy};
  ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &measured, DT_CALCRECT | DT_SINGLELINE | reading);
  const int captionWidth = measured.right - measured.left;
  const int left = GroupBoxCaptionLeft(surface.Width(), captionWidth, rightToLeft);
  RECT rect{left, 0, left + captionWidth, measured.bottom - measured.top};
  ::SetBkMode(dc, OPAQUE);
  ::SetBkColor(dc, color);
  ::SetTextColor(dc, Engine().GetSkinColor(SKIN2_CONTROLFONTCOLOR));
  ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &rect, DT_SINGLELINE | reading);
}

// ---- Label ------------------------------------------------------------------------------

void TsuiSkinLabel::Initialize() {
  if (TControl* control = Control()) savedFontColor_ = control->Font.Color;
}

void TsuiSkinLabel::SkinChanged() {
  if (TControl* control = Control()) ApplyControlFontColor(*control, Engine(), savedFontColor_);
}

// ---- Speed button -----------------------------------------------------------------------

bool TsuiSkinSpeedButton::BeforeMessage(TMessage& message) {
  TControl* control = Control();
  switch (message.Msg) {
    case WM_ERASEBKGND:
      message.Result = 1;
      return false;
    case WM_PAINT:
      if (Engine().IsSkinning()) PaintOn(reinterpret_cast<HDC>(message.WParam));
      return control && control->Tag == kOwnPaintingTag;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetState(kDown, true);
      Repaint();
      return true;
    default:
      return true;
  }
}

// Outside its parent's painting the button asks its parent for a paint of its place, in
// which the parent hands it the paint's context.
void TsuiSkinSpeedButton::Paint() {
  TControl* control = Control();
  TWinControl* parent = control ? control->Parent() : nullptr;
  if (!parent || !parent->HandleAllocated()) return;
  const RECT bounds = control->BoundsRect();
  ::InvalidateRect(parent->Handle(), &bounds, FALSE);
  ::UpdateWindow(parent->Handle());
}

void TsuiSkinSpeedButton::PaintOn(HDC dc) {
  auto* button = dynamic_cast<TSpeedButton*>(Control());
  if (!dc || !button || !button->Visible()) return;
  const int width = button->Width(), height = button->Height();
  if (button->Tag == kOwnPaintingTag) {
    TCanvas canvas(dc);
    canvas.SetBrushColor(clBtnFace);
    for (const RECT& strip : {RECT{0, 0, width, 2}, RECT{0, height - 2, width, height}, RECT{0, 0, 2, height},
                              RECT{width - 2, 0, width, height}})
      canvas.FillRect(strip);
    canvas.SetBrushColor(Engine().GetSkinColor(SKIN2_CONTROLBORDERCOLOR));
    canvas.FillRect(RECT{0, 0, 1, height + 1});
    return;
  }
  const bool enabled = button->Enabled();
  TFlatButtonColors colors;
  colors.form = Engine().FormColor();
  colors.on = Engine().GetSkinColor(SKIN2_TOOLBARONCOLOR);
  colors.down = Engine().GetSkinColor(SKIN2_TOOLBARDOWNCOLOR);
  colors.border = Engine().GetSkinColor(SKIN2_TOOLBARBORDERCOLOR);
  TBitmap picture =
      ComposeFlatButtonBack(width, height, SpeedButtonLook(Down(), Hot(), button->Down(), enabled), colors);

  DcStateGuard state(dc);
  ::SelectObject(dc, button->Font.Handle());
  const UINT reading = ReadsRightToLeft(button->Parent() ? button->Parent()->Handle() : nullptr) ? DT_RTLREADING : 0;
  const std::wstring caption = Widen(button->Caption());
  RECT measured{0, 0, width, 0};
  if (!caption.empty())
    ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &measured, DT_CALCRECT | reading);
  const TSize captionSize =
      caption.empty() ? TSize{} : TSize{measured.right - measured.left, measured.bottom - measured.top};
  const TBitmap& glyph = button->Glyph();
  const int numGlyphs = std::max(button->NumGlyphs(), 1);
  const TSize glyphSize = glyph.Empty() ? TSize{} : TSize{glyph.Width() / numGlyphs, glyph.Height()};
  TButtonLayout layout = button->Layout();
  if (reading && layout == TButtonLayout::blGlyphLeft) layout = TButtonLayout::blGlyphRight;
  else if (reading && layout == TButtonLayout::blGlyphRight) layout = TButtonLayout::blGlyphLeft;
  const TButtonFaceSpacing spacing = ResolveButtonFaceSpacing(TSize{width, height}, glyphSize, captionSize, layout,
                                                              button->Margin(), button->Spacing());
  // Kept, so that the layout stays where it was first put when the button is resized.
  if (button->Margin() != spacing.margin) button->SetMargin(spacing.margin);
  if (button->Spacing() != spacing.spacing) button->SetSpacing(spacing.spacing);
  const TButtonFaceLayout face =
      LayoutButtonFace(TSize{width, height}, glyphSize, captionSize, layout, spacing.margin, spacing.spacing);
  const int shift = Down() ? 1 : 0;
  if (glyphSize.cx > 0 && glyphSize.cy > 0)
    DrawSpeedButtonGlyph(picture, glyph, numGlyphs, enabled, TPoint{face.glyph.x + shift, face.glyph.y + shift});
  DrawBitmap(dc, 0, 0, picture);
  if (caption.empty()) return;
  RECT captionRect{face.caption.left + shift, face.caption.top + shift, face.caption.right + shift,
                   face.caption.bottom + shift};
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, enabled ? ColorToRGB(button->Font.Color) : 0x808080);
  ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &captionRect,
              DT_SINGLELINE | DT_CENTER | DT_VCENTER | reading);
}

}  // namespace zentavo
