#include "framework/win/Handles.h"

namespace zentavo {

namespace {
std::atomic<long> gdiCount{0};
std::atomic<long> userCount{0};
std::atomic<long> failedFrees{0};
}  // namespace

long FailedFreeCount() { return failedFrees.load(); }
void CountFailedFree() { ++failedFrees; }

long LiveHandleCount(HandleKind kind) { return kind == HandleKind::Gdi ? gdiCount.load() : userCount.load(); }

void AdjustLiveHandleCount(HandleKind kind, long delta) {
  (kind == HandleKind::Gdi ? gdiCount : userCount) += delta;
}

WindowDc::WindowDc(HWND window, bool wholeWindow)
    : window_(window), dc_(wholeWindow ? GetWindowDC(window) : GetDC(window)) {
  AdjustLiveHandleCount(HandleKind::Gdi, +1);
}

WindowDc::~WindowDc() {
  ReleaseDC(window_, dc_);
  AdjustLiveHandleCount(HandleKind::Gdi, -1);
}

}  // namespace zentavo
