#include "skin/win/SkinOutline.h"

#include "framework/win/Control.h"
#include "framework/win/Font.h"
#include "framework/win/Handles.h"

namespace zentavo {

void FrameWindowOutline(HWND window, TColor color, TColor innerColor, bool withInner) {
  RECT bounds;
  if (!window || !::GetWindowRect(window, &bounds)) return;
  WindowDc dc(window, true);
  if (!dc.get()) return;
  RECT outline{0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top};
  BrushHandle outer(::CreateSolidBrush(ColorToRGB(color)));
  ::FrameRect(dc.get(), &outline, outer.get());
  if (!withInner) return;
  ::InflateRect(&outline, -1, -1);
  BrushHandle inner(::CreateSolidBrush(ColorToRGB(innerColor)));
  ::FrameRect(dc.get(), &outline, inner.get());
}

void FrameControlOutline(TWinControl& control, TColor color, TColor innerColor, bool withInner) {
  if (control.HandleAllocated()) FrameWindowOutline(control.Handle(), color, innerColor, withInner);
}

}  // namespace zentavo
