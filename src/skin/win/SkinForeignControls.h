#pragma once
#include <windows.h>

#include "skin/WrapperKind.h"
#include "skin/win/SkinControlWnd.h"
#include "skin/win/SkinScrolled.h"

namespace zentavo {

// The controls of system dialogs (message boxes, common dialogs, property sheets). They
// are plain windows of the system's classes: the wrappers learn everything through window
// messages and system calls and draw captions in the system's menu font, since such a
// window has no font of ours.

// The push button. The wrapper keeps the press from the button and clicks it itself with
// the notification the dialog expects; the button never holds the mouse. Foreign windows
// tell nobody when the mouse leaves them, so a timer watches for that.
class TsuiSkinWndButton : public TsuiSkinControlWnd {
 public:
  using TsuiSkinControlWnd::TsuiSkinControlWnd;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinWndButton; }
  // A press accepted; the next left-button release the button receives clicks it.
  bool PressedByMouse() const { return pressedByMouse_; }
  bool HasHoverTimer() const { return hoverTimer_ != 0; }
  static constexpr UINT kHoverInterval = 138;

  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void MouseDown() override;
  void MouseUp() override;
  void KeyUp(WPARAM key) override;
  void Initialize() override;
  void Detach() override;
  void TimerTick();

 protected:
  bool Composes() const override { return true; }
  void Compose(TPaintSurface& surface) override;

 private:
  void Click();
  void StopHoverTimer();
  bool pressedByMouse_ = false;
  bool pressedByKey_ = false;
  bool firstPaintDone_ = false;
  UINT_PTR hoverTimer_ = 0;
};

// Check boxes and radio buttons paint themselves; the skin's glyph then covers their box
// at the control's top-left corner.
class TsuiSkinWndGlyphButton : public TsuiSkinControlWnd {
 public:
  using TsuiSkinControlWnd::TsuiSkinControlWnd;
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;

 protected:
  bool Composes() const override { return true; }
  void Compose(TPaintSurface& surface) override;
  // The glyph for the control's state, and the colour drawn transparent (kNoMask: none).
  virtual bool Glyph(TBitmap& glyph, TColor& mask) const = 0;
  // The check state the control reports.
  LRESULT CheckState() const;
};

class TsuiSkinWndCheckBox : public TsuiSkinWndGlyphButton {
 public:
  using TsuiSkinWndGlyphButton::TsuiSkinWndGlyphButton;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinWndCheckBox; }

 protected:
  bool Glyph(TBitmap& glyph, TColor& mask) const override;
};

class TsuiSkinWndRadioButton : public TsuiSkinWndGlyphButton {
 public:
  using TsuiSkinWndGlyphButton::TsuiSkinWndGlyphButton;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinWndRadioButton; }

 protected:
  bool Glyph(TBitmap& glyph, TColor& mask) const override;
};

// The combo box (also the inner one of an extended combo box) paints itself; the wrapper
// then draws the skin's outline and drop-down button over it. Without the system's combo
// box information it draws nothing at all.
class TsuiSkinWndComboBox : public TsuiSkinBorderWndControl {
 public:
  using TsuiSkinBorderWndControl::TsuiSkinBorderWndControl;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinWndComboBox; }
  void Paint() override;
};

// The tab control of a property sheet, drawn whole with its tabs at the top whatever its
// style. While skinning its tabs take their default height; the height they had before
// comes back when the skin goes.
class TsuiSkinWndTabControl : public TsuiSkinControlWnd {
 public:
  using TsuiSkinControlWnd::TsuiSkinControlWnd;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinWndTabControl; }
  int NativeTabHeight() const { return nativeTabHeight_; }

  bool BeforeMessage(TMessage& message) override;
  void Paint() override;
  void Initialize() override;
  void SkinChanged() override;

 private:
  int TabHeight() const;
  int nativeTabHeight_ = 0;
};

// Tool bars of dialogs keep their own look; only on the 9x platform are they made flat
// and transparent.
class TsuiSkinWndToolbarWindow32 : public TsuiSkinControlWnd {
 public:
  using TsuiSkinControlWnd::TsuiSkinControlWnd;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinWndToolbarWindow32; }
  void Initialize() override;
};

}  // namespace zentavo
