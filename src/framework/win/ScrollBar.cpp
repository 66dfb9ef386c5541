#include "framework/win/ScrollBar.h"

#include <algorithm>

namespace zentavo {

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 17);
}

void TScrollBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.baseClassName = L"SCROLLBAR";
  params.style |= WS_TABSTOP | (kind_ == TScrollBarKind::sbVertical ? SBS_VERT : SBS_HORZ);
}

void TScrollBar::CreateHandleDone() {
  PushInfo();
}

void TScrollBar::SetKind(TScrollBarKind kind) {
  if (kind == kind_) return;
  kind_ = kind;
  RecreateWnd();
}

int TScrollBar::Clamp(int position) const {
  const int last = std::max(min_, max_ - std::max(pageSize_ - 1, 0));
  return std::clamp(position, min_, last);
}

void TScrollBar::SetParams(int position, int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  position_ = Clamp(position);
  PushInfo();
}

void TScrollBar::SetPageSize(int pageSize) {
  pageSize_ = std::clamp(pageSize, 0, max_ - min_ + 1);
  position_ = Clamp(position_);
  PushInfo();
}

void TScrollBar::PushInfo() {
  if (!HandleAllocated()) return;
  SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL};
  info.nMin = min_;
  info.nMax = max_;
  info.nPage = static_cast<UINT>(pageSize_);
  info.nPos = position_;
  SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

// A scroll bar control does not move its thumb by itself: each request is answered here.
void TScrollBar::Scroll(WORD code) {
  int position = position_;
  switch (code) {
    case SB_LINEUP:
      position -= SmallChange;
      break;
    case SB_LINEDOWN:
      position += SmallChange;
      break;
    case SB_PAGEUP:
      position -= LargeChange;
      break;
    case SB_PAGEDOWN:
      position += LargeChange;
      break;
    case SB_TOP:
      position = min_;
      break;
    case SB_BOTTOM:
      position = max_;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{sizeof(info), SIF_TRACKPOS};
      GetScrollInfo(Handle(), SB_CTL, &info);
      position = info.nTrackPos;
      break;
    }
    default:
      return;
  }
  position = Clamp(position);
  if (position == position_) return;
  position_ = position;
  PushInfo();
  if (OnChange) OnChange(this);
}

void TScrollBar::WndProc(TMessage& message) {
  if (message.Msg == CN_BASE + WM_HSCROLL || message.Msg == CN_BASE + WM_VSCROLL) {
    Scroll(LOWORD(message.WParam));
    message.Result = 0;
    return;
  }
  TWinControl::WndProc(message);
}

}  // namespace zentavo
