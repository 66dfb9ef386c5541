#pragma once
#include "framework/Bitmap.h"
#include "framework/ButtonFace.h"
#include "framework/win/Control.h"

namespace zentavo {

// A button without a window, drawn by its parent: a picture (Glyph, NumGlyphs images side by
// side for up, disabled, clicked and down) and a caption. Buttons of one parent that share a
// non-zero GroupIndex latch down in turn, one at a time; AllowAllUp lets the down one
// come up again. Flat buttons show their edge only under the mouse or while down.
class TSpeedButton : public TGraphicControl {
  ZENTAVO_CLASS(TSpeedButton, TGraphicControl)
 public:
  explicit TSpeedButton(TComponent* owner);

  bool Flat() const { return flat_; }
  void SetFlat(bool flat);
  bool Down() const { return down_; }
  // Only a grouped button stays down, and a down one comes up only with AllowAllUp.
  void SetDown(bool down);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int index);
  bool AllowAllUp = false;
  const TBitmap& Glyph() const { return glyph_; }
  void SetGlyph(TBitmap glyph, int numGlyphs = 1);
  int NumGlyphs() const { return numGlyphs_; }
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout);
  int Margin() const { return margin_; }
  void SetMargin(int margin);
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);
  // Presses the button: latches a grouped button, then runs OnClick.
  void Click();

 protected:
  void Paint(HDC dc) override;
  void WndProc(TMessage& message) override;

 private:
  bool Pressed() const { return down_ || (pressing_ && hot_); }
  void DrawGlyph(HDC dc, POINT at, bool pressed);
  bool flat_ = false;
  bool down_ = false;
  int groupIndex_ = 0;
  TBitmap glyph_;
  int numGlyphs_ = 1;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  int margin_ = -1;
  int spacing_ = -1;
  bool hot_ = false;
  bool pressing_ = false;
};

}  // namespace zentavo
