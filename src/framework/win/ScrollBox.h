#pragma once
#include "framework/win/Control.h"

namespace zentavo {

// A container whose children may reach past its client area: with AutoScroll, scroll bars
// appear while they do, and scrolling moves the children.
class TScrollingWinControl : public TWinControl {
  ZENTAVO_CLASS(TScrollingWinControl, TWinControl)
 public:
  explicit TScrollingWinControl(TComponent* owner);
  bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool autoScroll);
  // How far the contents are scrolled.
  int HorzPosition() const { return scroll_.x; }
  int VertPosition() const { return scroll_.y; }
  void ScrollTo(int x, int y);
  // Measures the children again (after moving or adding some) and sets the bars.
  void UpdateScrollRange();

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void WndProc(TMessage& message) override;

 private:
  SIZE ContentSize() const;
  void Scroll(int bar, WORD code);
  bool autoScroll_ = true;
  POINT scroll_{0, 0};
  bool updating_ = false;
};

enum class TBorderStyle { bsNone, bsSingle };

// A scrolling container with a sunken border.
class TScrollBox : public TScrollingWinControl {
  ZENTAVO_CLASS(TScrollBox, TScrollingWinControl)
 public:
  explicit TScrollBox(TComponent* owner);
  // Read when the window is made.
  TBorderStyle BorderStyle = TBorderStyle::bsSingle;

 protected:
  void CreateParams(TCreateParams& params) override;
};

// A reusable group of controls built in code like a form, placed inside a form: the
// frame owns the controls it makes.
class TCustomFrame : public TScrollingWinControl {
  ZENTAVO_CLASS(TCustomFrame, TScrollingWinControl)
 public:
  explicit TCustomFrame(TComponent* owner);
};

class TFrame : public TCustomFrame {
  ZENTAVO_CLASS(TFrame, TCustomFrame)
 public:
  using TCustomFrame::TCustomFrame;
};

}  // namespace zentavo
