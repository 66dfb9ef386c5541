#pragma once
#include <string>
#include <vector>

#include "framework/ShortCut.h"
#include "framework/win/Control.h"

namespace zentavo {

// Values and styles of the controls below live in the object until the window exists and
// are pushed to it when it is made; a style that Windows reads only at creation
// (orientation, tick style) makes the window anew when it changes.

enum class TProgressBarOrientation { pbHorizontal, pbVertical };

// A bar that fills from Min to Max (superclassed "msctls_progress32").
class TProgressBar : public TWinControl {
  ZENTAVO_CLASS(TProgressBar, TWinControl)
 public:
  explicit TProgressBar(TComponent* owner);
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  void SetRange(int min, int max);
  void SetPosition(int position);
  // Moves the position on by Step, wrapping to Min past Max as the native bar does.
  void StepIt();
  int Step = 10;
  TProgressBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TProgressBarOrientation orientation);
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool smooth);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;

 private:
  int min_ = 0, max_ = 100, position_ = 0;
  TProgressBarOrientation orientation_ = TProgressBarOrientation::pbHorizontal;
  bool smooth_ = false;
};

enum class TTrackBarOrientation { trHorizontal, trVertical };
enum class TTickStyle { tsNone, tsAuto, tsManual };
enum class TTickMark { tmBottomRight, tmTopLeft, tmBoth };

// A slider (superclassed "msctls_trackbar32"). Ticks: none, one every Frequency values
// (tsAuto), or only at the ends and where SetTick put them (tsManual). The user's moves run
// OnChange; moves from code do not.
class TTrackBar : public TWinControl {
  ZENTAVO_CLASS(TTrackBar, TWinControl)
 public:
  explicit TTrackBar(TComponent* owner);
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  void SetRange(int min, int max);
  void SetPosition(int position);
  int Frequency() const { return frequency_; }
  void SetFrequency(int frequency);
  int PageSize() const { return pageSize_; }
  void SetPageSize(int pageSize);
  TTickStyle TickStyle() const { return tickStyle_; }
  void SetTickStyle(TTickStyle style);
  TTickMark TickMarks() const { return tickMarks_; }
  void SetTickMarks(TTickMark marks);
  TTrackBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TTrackBarOrientation orientation);
  // Adds a tick at a value (shown with tsManual).
  void SetTick(int value);
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void WndProc(TMessage& message) override;

 private:
  int min_ = 0, max_ = 10, position_ = 0, frequency_ = 1, pageSize_ = 2;
  TTickStyle tickStyle_ = TTickStyle::tsAuto;
  TTickMark tickMarks_ = TTickMark::tmBottomRight;
  TTrackBarOrientation orientation_ = TTrackBarOrientation::trHorizontal;
  std::vector<int> ticks_;
};

enum class TUDOrientation { udHorizontal, udVertical };

// A pair of arrows that count a position between Min and Max (superclassed
// "msctls_updown32"), optionally showing it in an associated edit box. The user's clicks
// run OnClick; setting the position from code does not.
class TCustomUpDown : public TWinControl {
  ZENTAVO_CLASS(TCustomUpDown, TWinControl)
 public:
  explicit TCustomUpDown(TComponent* owner);
  ~TCustomUpDown() override;
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position();
  void SetRange(int min, int max);
  void SetPosition(int position);
  int Increment() const { return increment_; }
  void SetIncrement(int increment);
  TUDOrientation Orientation() const { return orientation_; }
  void SetOrientation(TUDOrientation orientation);
  bool Wrap() const { return wrap_; }
  void SetWrap(bool wrap);
  // The control that shows the position (an edit box); the arrows sit at its right edge.
  TWinControl* Associate() const { return associate_; }
  void SetAssociate(TWinControl* associate);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  int min_ = 0, max_ = 100, position_ = 0, increment_ = 1;
  TUDOrientation orientation_ = TUDOrientation::udVertical;
  bool wrap_ = false;
  TWinControl* associate_ = nullptr;
};

class TUpDown : public TCustomUpDown {
  ZENTAVO_CLASS(TUpDown, TCustomUpDown)
 public:
  using TCustomUpDown::TCustomUpDown;
};

// A box that shows the key combination the user presses (superclassed "msctls_hotkey32").
class TCustomHotKey : public TWinControl {
  ZENTAVO_CLASS(TCustomHotKey, TWinControl)
 public:
  explicit TCustomHotKey(TComponent* owner);
  TShortCut HotKey();
  void SetHotKey(TShortCut hotKey);
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void WndProc(TMessage& message) override;

 private:
  TShortCut hotKey_ = 0;
};

class THotKey : public TCustomHotKey {
  ZENTAVO_CLASS(THotKey, TCustomHotKey)
 public:
  using TCustomHotKey::TCustomHotKey;
};

struct TStatusPanel {
  std::string text;
  int width;  // -1: up to the right edge
};

// A status line at the bottom of its parent (superclassed "msctls_statusbar32"): one simple
// text, or panels of given widths, with an optional size grip at its right end.
class TCustomStatusBar : public TWinControl {
  ZENTAVO_CLASS(TCustomStatusBar, TWinControl)
 public:
  explicit TCustomStatusBar(TComponent* owner);
  // Shows SimpleText across the whole bar instead of the panels (so does a bar without
  // panels).
  bool SimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool simple);
  const std::string& SimpleText() const { return simpleText_; }
  void SetSimpleText(const std::string& text);
  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool sizeGrip);
  int PanelCount() const { return static_cast<int>(panels_.size()); }
  const TStatusPanel& Panel(int index) const { return panels_.at(index); }
  void AddPanel(const std::string& text, int width);
  void SetPanelText(int index, const std::string& text);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void ColorChanged() override;
  void WndProc(TMessage& message) override;

 private:
  void PushPanels();
  // The native bar paints its own background: it is told the effective colour, which
  // changes with the parent's when the bar takes its parent's colour.
  void PushColor();
  COLORREF pushedColor_ = CLR_INVALID;
  bool simplePanel_ = false;
  std::string simpleText_;
  bool sizeGrip_ = true;
  std::vector<TStatusPanel> panels_;
};

class TStatusBar : public TCustomStatusBar {
  ZENTAVO_CLASS(TStatusBar, TCustomStatusBar)
 public:
  using TCustomStatusBar::TCustomStatusBar;
};

}  // namespace zentavo
