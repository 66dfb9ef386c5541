#include "framework/win/ScrollBox.h"

#include <algorithm>

#include "framework/Properties.h"

namespace zentavo {

namespace {

constexpr int kLineStep = 8;

// The skin engine frames a scroll box after its published BorderStyle.
const bool scrollBoxPropertiesRegistered = [] {
  RegisterProperty(
      TScrollBox::StaticClassInfo(),
      {"BorderStyle", "TBorderStyle",
       [](const TComponent& c) {
         return TPropertyValue(static_cast<long long>(static_cast<const TScrollBox&>(c).BorderStyle));
       },
       [](TComponent& c, const TPropertyValue& v) {
         static_cast<TScrollBox&>(c).BorderStyle = static_cast<TBorderStyle>(std::get<long long>(v));
       }});
  return true;
}();

}  // namespace

TScrollingWinControl::TScrollingWinControl(TComponent* owner) : TWinControl(owner) {}

void TScrollingWinControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.style |= WS_CLIPCHILDREN;
}

void TScrollingWinControl::CreateHandleDone() {
  UpdateScrollRange();
}

void TScrollingWinControl::SetAutoScroll(bool autoScroll) {
  autoScroll_ = autoScroll;
  if (!autoScroll_) ScrollTo(0, 0);
  UpdateScrollRange();
}

// The extent of the children as if nothing were scrolled.
SIZE TScrollingWinControl::ContentSize() const {
  SIZE size{0, 0};
  for (TControl* child : Controls()) {
    if (!child->Visible()) continue;
    size.cx = std::max<LONG>(size.cx, child->BoundsRect().right + scroll_.x);
    size.cy = std::max<LONG>(size.cy, child->BoundsRect().bottom + scroll_.y);
  }
  return size;
}

void TScrollingWinControl::UpdateScrollRange() {
  // Showing or hiding a bar resizes the client area, which brings a WM_SIZE back here.
  if (!HandleAllocated() || updating_) return;
  updating_ = true;
  const SIZE content = autoScroll_ ? ContentSize() : SIZE{0, 0};
  for (int pass = 0; pass < 2; ++pass) {  // the first bar shown may make the second one needed
    RECT client;
    GetClientRect(Handle(), &client);
    SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE};
    info.nMax = std::max<LONG>(content.cx - 1, 0);
    info.nPage = static_cast<UINT>(client.right);
    SetScrollInfo(Handle(), SB_HORZ, &info, TRUE);
    info.nMax = std::max<LONG>(content.cy - 1, 0);
    info.nPage = static_cast<UINT>(client.bottom);
    SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
  }
  updating_ = false;
  RECT client;
  GetClientRect(Handle(), &client);
  ScrollTo(std::min<LONG>(scroll_.x, std::max<LONG>(0, content.cx - client.right)),
           std::min<LONG>(scroll_.y, std::max<LONG>(0, content.cy - client.bottom)));
}

void TScrollingWinControl::ScrollTo(int x, int y) {
  x = std::max(0, x);
  y = std::max(0, y);
  const int dx = scroll_.x - x, dy = scroll_.y - y;
  if (dx == 0 && dy == 0) return;
  scroll_ = POINT{x, y};
  for (TControl* child : Controls()) {
    const RECT bounds = child->BoundsRect();
    child->SetBounds(bounds.left + dx, bounds.top + dy, bounds.right - bounds.left,
                     bounds.bottom - bounds.top);
  }
  if (!HandleAllocated()) return;
  SetScrollPos(Handle(), SB_HORZ, x, TRUE);
  SetScrollPos(Handle(), SB_VERT, y, TRUE);
  Invalidate();
}

void TScrollingWinControl::Scroll(int bar, WORD code) {
  SCROLLINFO info{sizeof(info), SIF_ALL};
  GetScrollInfo(Handle(), bar, &info);
  int position = bar == SB_HORZ ? scroll_.x : scroll_.y;
  switch (code) {
    case SB_LINEUP:
      position -= kLineStep;
      break;
    case SB_LINEDOWN:
      position += kLineStep;
      break;
    case SB_PAGEUP:
      position -= static_cast<int>(info.nPage);
      break;
    case SB_PAGEDOWN:
      position += static_cast<int>(info.nPage);
      break;
    case SB_TOP:
      position = 0;
      break;
    case SB_BOTTOM:
      position = info.nMax;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      position = info.nTrackPos;
      break;
    default:
      return;
  }
  position = std::clamp(position, 0, std::max(0, info.nMax - static_cast<int>(info.nPage) + 1));
  if (bar == SB_HORZ)
    ScrollTo(position, scroll_.y);
  else
    ScrollTo(scroll_.x, position);
}

void TScrollingWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
      // Bars of the control's own window only; a child scroll bar's message has its window.
      if (message.LParam) break;
      Scroll(message.Msg == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(message.WParam));
      message.Result = 0;
      return;
    case WM_SIZE:
      TWinControl::WndProc(message);
      UpdateScrollRange();
      return;
    default:
      break;
  }
  TWinControl::WndProc(message);
}

TScrollBox::TScrollBox(TComponent* owner) : TScrollingWinControl(owner) {
  SetBounds(0, 0, 185, 41);
}

void TScrollBox::CreateParams(TCreateParams& params) {
  TScrollingWinControl::CreateParams(params);
  if (BorderStyle == TBorderStyle::bsSingle) params.exStyle |= WS_EX_CLIENTEDGE;
}

TCustomFrame::TCustomFrame(TComponent* owner) : TScrollingWinControl(owner) {
  SetBounds(0, 0, 320, 240);
}

}  // namespace zentavo
