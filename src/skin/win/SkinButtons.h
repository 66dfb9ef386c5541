#pragma once
#include <windows.h>

#include "framework/Color.h"
#include "skin/WrapperKind.h"
#include "skin/win/SkinControlVCL.h"

namespace zentavo {

class TBitmap;
class TsuiSkinEngine;

// A push button's face off screen from the loaded skin, for the button's state; the
// caption is drawn over it.
TBitmap ComposeSkinnedButtonFace(const TsuiSkinEngine& engine, int width, int height, bool hot, bool down,
                                 bool focused);
void ComposeSkinnedButtonFaceOn(TBitmap& canvas, const TsuiSkinEngine& engine, bool hot, bool down, bool focused);

// The button-like and caption-like framework controls. Each composes its look off screen
// from the skin and puts it on the control in one copy; only captions are drawn as text.

// The push button: the skin's face in three states, the focus rectangle and the caption.
// The control never sees a left-button press or the space and enter key-downs: the
// wrapper decides when it is clicked.
class TsuiSkinButton : public TsuiSkinControlVCL {
 public:
  using TsuiSkinControlVCL::TsuiSkinControlVCL;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinButton; }
  // A press accepted on an active form; the next left-button release over the button
  // clicks it.
  bool PressedByMouse() const { return pressedByMouse_; }

  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void MouseDown() override;
  void MouseUp() override;
  void KeyUp(WPARAM key) override;
  void Initialize() override { pressedByMouse_ = false; }

 protected:
  bool Composes() const override { return true; }
  void Compose(TPaintSurface& surface) override;

 private:
  void ClickControl();
  bool pressedByMouse_ = false;
  // A release, space key-up or enter character clicked: the click runs at the end of
  // the message, after everything else the wrapper does with it.
  bool clickPending_ = false;
};

// Check boxes and radio buttons paint themselves; the wrapper puts the skin's glyph over
// their box and gives their caption the skin's font colour while skinning.
class TsuiSkinGlyphButton : public TsuiSkinControlVCL {
 public:
  using TsuiSkinControlVCL::TsuiSkinControlVCL;
  void Initialize() override;
  void SkinChanged() override;
  bool BeforeMessage(TMessage& message) override;

 protected:
  bool Composes() const override { return true; }
  void Compose(TPaintSurface& surface) override;
  // The glyph for the control's state, and the colour drawn transparent (kNoMask: none).
  virtual bool Glyph(TBitmap& glyph, TColor& mask) const = 0;

 private:
  TColor savedFontColor_ = 0;
};

class TsuiSkinCheckBox : public TsuiSkinGlyphButton {
 public:
  using TsuiSkinGlyphButton::TsuiSkinGlyphButton;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinCheckBox; }
  void AfterMessage(TMessage& message) override;

 protected:
  bool Glyph(TBitmap& glyph, TColor& mask) const override;
};

class TsuiSkinRadioButton : public TsuiSkinGlyphButton {
 public:
  using TsuiSkinGlyphButton::TsuiSkinGlyphButton;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinRadioButton; }
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;

 protected:
  bool Glyph(TBitmap& glyph, TColor& mask) const override;
};

// The group box: its colour inside, an outline in the skin's border colour, broken by
// the caption. The wrapper paints all of it; the control's own picture never shows.
class TsuiSkinGroupBox : public TsuiSkinControlVCL {
 public:
  using TsuiSkinControlVCL::TsuiSkinControlVCL;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinGroupBox; }
  bool WantsParentColor() const override { return true; }
  bool BeforeMessage(TMessage& message) override;

 protected:
  bool Composes() const override { return true; }
  void Compose(TPaintSurface& surface) override;
};

// Panels take the form's colour through ParentColor and paint themselves.
class TsuiSkinPanel : public TsuiSkinControlVCL {
 public:
  using TsuiSkinControlVCL::TsuiSkinControlVCL;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinPanel; }
  bool WantsParentColor() const override { return true; }
};

class TsuiSkinFrame : public TsuiSkinControlVCL {
 public:
  using TsuiSkinControlVCL::TsuiSkinControlVCL;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinFrame; }
};

// Labels paint themselves in the skin's font colour on the form's colour.
class TsuiSkinLabel : public TsuiSkinControlVCL {
 public:
  using TsuiSkinControlVCL::TsuiSkinControlVCL;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinLabel; }
  bool WantsParentColor() const override { return true; }
  void Initialize() override;
  void SkinChanged() override;

 private:
  TColor savedFontColor_ = 0;
};

// The speed button, drawn flat in the tool bar colours. It still sees the press and
// clicks by itself. Tag 999999 keeps its own painting inside a button-face surround.
class TsuiSkinSpeedButton : public TsuiSkinControlVCL {
 public:
  using TsuiSkinControlVCL::TsuiSkinControlVCL;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinSpeedButton; }
  static constexpr int kOwnPaintingTag = 999999;
  bool BeforeMessage(TMessage& message) override;
  void Paint() override;

 private:
  void PaintOn(HDC dc);
};

}  // namespace zentavo
