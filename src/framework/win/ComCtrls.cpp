#include "framework/win/ComCtrls.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/win/WideText.h"

namespace zentavo {


// ---- TProgressBar ---------------------------------------------------------------------

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 150, 17);
}

void TProgressBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClassName = PROGRESS_CLASSW;
  if (orientation_ == TProgressBarOrientation::pbVertical) params.style |= PBS_VERTICAL;
  if (smooth_) params.style |= PBS_SMOOTH;
}

void TProgressBar::CreateHandleDone() {
  SendMessageW(Handle(), PBM_SETRANGE32, min_, max_);
  SendMessageW(Handle(), PBM_SETPOS, position_, 0);
}

void TProgressBar::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  position_ = std::clamp(position_, min_, max_);
  if (HandleAllocated()) CreateHandleDone();
}

void TProgressBar::SetPosition(int position) {
  position_ = std::clamp(position, min_, max_);
  if (HandleAllocated()) SendMessageW(Handle(), PBM_SETPOS, position_, 0);
}

void TProgressBar::StepIt() {
  int next = position_ + Step;
  if (next > max_) next = min_ + (next - max_);
  SetPosition(next);
}

void TProgressBar::SetOrientation(TProgressBarOrientation orientation) {
  if (orientation == orientation_) return;
  orientation_ = orientation;
  RecreateWnd();
}

void TProgressBar::SetSmooth(bool smooth) {
  if (smooth == smooth_) return;
  smooth_ = smooth;
  RecreateWnd();
}

// ---- TTrackBar ------------------------------------------------------------------------

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 150, 45);
}

void TTrackBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClassName = TRACKBAR_CLASSW;
  params.style |= WS_TABSTOP | (orientation_ == TTrackBarOrientation::trVertical ? TBS_VERT : TBS_HORZ);
  if (tickStyle_ == TTickStyle::tsNone) params.style |= TBS_NOTICKS;
  if (tickStyle_ == TTickStyle::tsAuto) params.style |= TBS_AUTOTICKS;
  if (tickMarks_ == TTickMark::tmTopLeft) params.style |= TBS_TOP;
  if (tickMarks_ == TTickMark::tmBoth) params.style |= TBS_BOTH;
}

void TTrackBar::CreateHandleDone() {
  HWND window = Handle();
  SendMessageW(window, TBM_SETRANGEMIN, FALSE, min_);
  SendMessageW(window, TBM_SETRANGEMAX, FALSE, max_);
  SendMessageW(window, TBM_SETPAGESIZE, 0, pageSize_);
  if (tickStyle_ == TTickStyle::tsAuto) SendMessageW(window, TBM_SETTICFREQ, frequency_, 0);
  for (int tick : ticks_) SendMessageW(window, TBM_SETTIC, 0, tick);
  SendMessageW(window, TBM_SETPOS, TRUE, position_);
}

void TTrackBar::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  position_ = std::clamp(position_, min_, max_);
  if (!HandleAllocated()) return;
  SendMessageW(Handle(), TBM_SETRANGEMIN, FALSE, min_);
  SendMessageW(Handle(), TBM_SETRANGEMAX, TRUE, max_);
  SendMessageW(Handle(), TBM_SETPOS, TRUE, position_);
}

void TTrackBar::SetPosition(int position) {
  position_ = std::clamp(position, min_, max_);
  if (HandleAllocated()) SendMessageW(Handle(), TBM_SETPOS, TRUE, position_);
}

void TTrackBar::SetFrequency(int frequency) {
  frequency_ = std::max(1, frequency);
  if (HandleAllocated() && tickStyle_ == TTickStyle::tsAuto)
    SendMessageW(Handle(), TBM_SETTICFREQ, frequency_, 0);
}

void TTrackBar::SetPageSize(int pageSize) {
  pageSize_ = pageSize;
  if (HandleAllocated()) SendMessageW(Handle(), TBM_SETPAGESIZE, 0, pageSize_);
}

void TTrackBar::SetTickStyle(TTickStyle style) {
  if (style == tickStyle_) return;
  tickStyle_ = style;
  RecreateWnd();
}

void TTrackBar::SetTickMarks(TTickMark marks) {
  if (marks == tickMarks_) return;
  tickMarks_ = marks;
  RecreateWnd();
}

void TTrackBar::SetOrientation(TTrackBarOrientation orientation) {
  if (orientation == orientation_) return;
  orientation_ = orientation;
  RecreateWnd();
}

void TTrackBar::SetTick(int value) {
  ticks_.push_back(value);
  if (HandleAllocated()) SendMessageW(Handle(), TBM_SETTIC, 0, value);
}

void TTrackBar::WndProc(TMessage& message) {
  if (message.Msg == CN_BASE + WM_HSCROLL || message.Msg == CN_BASE + WM_VSCROLL) {
    const int position = static_cast<int>(SendMessageW(Handle(), TBM_GETPOS, 0, 0));
    if (position != position_) {
      position_ = position;
      if (OnChange) OnChange(this);
    }
    message.Result = 0;
    return;
  }
  TWinControl::WndProc(message);
}

// ---- TCustomUpDown --------------------------------------------------------------------

TCustomUpDown::TCustomUpDown(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 17, 25);
}

TCustomUpDown::~TCustomUpDown() = default;

void TCustomUpDown::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClassName = UPDOWN_CLASSW;
  params.style |= UDS_ARROWKEYS | UDS_SETBUDDYINT | UDS_NOTHOUSANDS;
  if (orientation_ == TUDOrientation::udHorizontal) params.style |= UDS_HORZ;
  if (wrap_) params.style |= UDS_WRAP;
  if (associate_) params.style |= UDS_ALIGNRIGHT;
}

void TCustomUpDown::CreateHandleDone() {
  HWND window = Handle();
  SendMessageW(window, UDM_SETRANGE32, min_, max_);
  UDACCEL accel{0, static_cast<UINT>(increment_)};
  SendMessageW(window, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
  if (associate_) SendMessageW(window, UDM_SETBUDDY, reinterpret_cast<WPARAM>(associate_->Handle()), 0);
  SendMessageW(window, UDM_SETPOS32, 0, position_);
}

int TCustomUpDown::Position() {
  if (HandleAllocated()) position_ = static_cast<int>(SendMessageW(Handle(), UDM_GETPOS32, 0, 0));
  return position_;
}

void TCustomUpDown::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  position_ = std::clamp(Position(), min_, max_);
  if (!HandleAllocated()) return;
  SendMessageW(Handle(), UDM_SETRANGE32, min_, max_);
  SendMessageW(Handle(), UDM_SETPOS32, 0, position_);
}

void TCustomUpDown::SetPosition(int position) {
  position_ = std::clamp(position, min_, max_);
  if (HandleAllocated()) SendMessageW(Handle(), UDM_SETPOS32, 0, position_);
}

void TCustomUpDown::SetIncrement(int increment) {
  increment_ = std::max(1, increment);
  if (!HandleAllocated()) return;
  UDACCEL accel{0, static_cast<UINT>(increment_)};
  SendMessageW(Handle(), UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
}

void TCustomUpDown::SetOrientation(TUDOrientation orientation) {
  if (orientation == orientation_) return;
  Position();
  orientation_ = orientation;
  RecreateWnd();
}

void TCustomUpDown::SetWrap(bool wrap) {
  if (wrap == wrap_) return;
  Position();
  wrap_ = wrap;
  RecreateWnd();
}

void TCustomUpDown::SetAssociate(TWinControl* associate) {
  if (associate == associate_) return;
  Position();
  associate_ = associate;
  // UDS_ALIGNRIGHT places the arrows beside the associate; it is a creation style.
  RecreateWnd();
}

void TCustomUpDown::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component == associate_) {
    associate_ = nullptr;
    if (HandleAllocated()) SendMessageW(Handle(), UDM_SETBUDDY, 0, 0);
  }
}

void TCustomUpDown::WndProc(TMessage& message) {
  if (message.Msg == CN_BASE + WM_HSCROLL || message.Msg == CN_BASE + WM_VSCROLL) {
    if (LOWORD(message.WParam) == SB_THUMBPOSITION) {
      Position();
      if (OnClick) OnClick(this);
    }
    message.Result = 0;
    return;
  }
  TWinControl::WndProc(message);
}

// ---- TCustomHotKey --------------------------------------------------------------------

namespace {

WPARAM NativeHotKey(TShortCut shortCut) {
  BYTE modifiers = 0;
  if (shortCut & scShift) modifiers |= HOTKEYF_SHIFT;
  if (shortCut & scCtrl) modifiers |= HOTKEYF_CONTROL;
  if (shortCut & scAlt) modifiers |= HOTKEYF_ALT;
  return MAKEWORD(ShortCutKey(shortCut), modifiers);
}

TShortCut FromNativeHotKey(LRESULT native) {
  const BYTE modifiers = HIBYTE(LOWORD(native));
  unsigned shift = 0;
  if (modifiers & HOTKEYF_SHIFT) shift |= ssShift;
  if (modifiers & HOTKEYF_CONTROL) shift |= ssCtrl;
  if (modifiers & HOTKEYF_ALT) shift |= ssAlt;
  return ShortCut(LOBYTE(LOWORD(native)), shift);
}

}  // namespace

TCustomHotKey::TCustomHotKey(TComponent* owner) : TWinControl(owner) {
  color_ = clWindow;
  SetBounds(0, 0, 121, 19);
}

void TCustomHotKey::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClassName = HOTKEY_CLASSW;
  params.style |= WS_TABSTOP;
  params.exStyle |= WS_EX_CLIENTEDGE;
}

void TCustomHotKey::CreateHandleDone() {
  SendMessageW(Handle(), HKM_SETHOTKEY, NativeHotKey(hotKey_), 0);
}

TShortCut TCustomHotKey::HotKey() {
  if (HandleAllocated()) hotKey_ = FromNativeHotKey(SendMessageW(Handle(), HKM_GETHOTKEY, 0, 0));
  return hotKey_;
}

void TCustomHotKey::SetHotKey(TShortCut hotKey) {
  hotKey_ = hotKey;
  if (HandleAllocated()) SendMessageW(Handle(), HKM_SETHOTKEY, NativeHotKey(hotKey_), 0);
}

void TCustomHotKey::WndProc(TMessage& message) {
  if (message.Msg == CN_BASE + WM_COMMAND) {
    if (HIWORD(message.WParam) == EN_CHANGE && OnChange) OnChange(this);
    return;
  }
  TWinControl::WndProc(message);
}

// ---- TCustomStatusBar -----------------------------------------------------------------

TCustomStatusBar::TCustomStatusBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 200, 19);
}

void TCustomStatusBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClassName = STATUSCLASSNAMEW;
  params.style |= CCS_BOTTOM | (sizeGrip_ ? SBARS_SIZEGRIP : 0);
}

void TCustomStatusBar::CreateHandleDone() {
  pushedColor_ = CLR_INVALID;
  PushColor();
  PushPanels();
}

void TCustomStatusBar::ColorChanged() {
  PushColor();
  TWinControl::ColorChanged();
}

void TCustomStatusBar::PushColor() {
  if (!HandleAllocated()) return;
  const COLORREF color = ColorToRGB(EffectiveColor());
  if (color == pushedColor_) return;
  pushedColor_ = color;
  SendMessageW(Handle(), SB_SETBKCOLOR, 0, static_cast<LPARAM>(color));
}

void TCustomStatusBar::WndProc(TMessage& message) {
  if (message.Msg == WM_PAINT) PushColor();
  TWinControl::WndProc(message);
}

void TCustomStatusBar::PushPanels() {
  if (!HandleAllocated()) return;
  HWND window = Handle();
  std::vector<int> edges;
  int right = 0;
  for (const TStatusPanel& panel : panels_) {
    right = panel.width < 0 ? -1 : right + panel.width;
    edges.push_back(right);
    if (right < 0) break;
  }
  if (!edges.empty()) SendMessageW(window, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (size_t i = 0; i < edges.size(); ++i)
    SendMessageW(window, SB_SETTEXTW, i, reinterpret_cast<LPARAM>(Widen(panels_[i].text).c_str()));
  const bool simple = simplePanel_ || panels_.empty();
  SendMessageW(window, SB_SIMPLE, simple, 0);
  if (simple)
    SendMessageW(window, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(Widen(simpleText_).c_str()));
}

void TCustomStatusBar::SetSimplePanel(bool simple) {
  simplePanel_ = simple;
  PushPanels();
}

void TCustomStatusBar::SetSimpleText(const std::string& text) {
  simpleText_ = text;
  if (HandleAllocated() && (simplePanel_ || panels_.empty()))
    SendMessageW(Handle(), SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(Widen(simpleText_).c_str()));
}

void TCustomStatusBar::SetSizeGrip(bool sizeGrip) {
  if (sizeGrip == sizeGrip_) return;
  sizeGrip_ = sizeGrip;
  RecreateWnd();
}

void TCustomStatusBar::AddPanel(const std::string& text, int width) {
  panels_.push_back({text, width});
  PushPanels();
}

void TCustomStatusBar::SetPanelText(int index, const std::string& text) {
  panels_.at(index).text = text;
  if (HandleAllocated() && !simplePanel_)
    SendMessageW(Handle(), SB_SETTEXTW, index, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

}  // namespace zentavo
