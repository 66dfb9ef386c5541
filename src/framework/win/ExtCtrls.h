#pragma once
#include "framework/Bitmap.h"
#include "framework/win/Control.h"
#include "framework/win/CustomControl.h"
#include "framework/win/StdCtrls.h"

namespace zentavo {

enum class TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };

// A plain container of our own window class: filled with its colour, framed by an outer
// and an inner bevel, with its caption centred (or aligned) on one line.
class TCustomPanel : public TCustomControl {
  ZENTAVO_CLASS(TCustomPanel, TCustomControl)
 public:
  explicit TCustomPanel(TComponent* owner);

  TPanelBevel BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TPanelBevel bevel);
  TPanelBevel BevelInner() const { return bevelInner_; }
  void SetBevelInner(TPanelBevel bevel);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int width);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  // The client area inside the bevels, where the caption goes.
  RECT InnerRect() const;

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint(TCanvas& canvas) override;
  void TextChanged() override;

 private:
  TPanelBevel bevelOuter_ = TPanelBevel::bvRaised;
  TPanelBevel bevelInner_ = TPanelBevel::bvNone;
  int bevelWidth_ = 1;
  TAlignment alignment_ = TAlignment::taCenter;
};

class TPanel : public TCustomPanel {
  ZENTAVO_CLASS(TPanel, TCustomPanel)
 public:
  using TCustomPanel::TCustomPanel;
};

// A picture drawn by its parent: at its own size from the top left, centred, or stretched
// to the control; with Transparent, pixels of the picture's transparent colour leave the
// parent's background showing.
class TImage : public TGraphicControl {
  ZENTAVO_CLASS(TImage, TGraphicControl)
 public:
  explicit TImage(TComponent* owner);

  const TBitmap& Picture() const { return picture_; }
  void SetPicture(TBitmap picture);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);
  bool Center() const { return center_; }
  void SetCenter(bool center);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  // The rectangle the picture covers, in the control's coordinates.
  RECT DestRect() const;

 protected:
  void Paint(HDC dc) override;

 private:
  TBitmap picture_;
  bool stretch_ = false;
  bool center_ = false;
  bool transparent_ = false;
};

}  // namespace zentavo
