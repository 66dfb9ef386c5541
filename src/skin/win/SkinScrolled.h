#pragma once
#include <windows.h>

#include "skin/WrapperKind.h"
#include "skin/win/SkinControlVCL.h"
#include "skin/win/SkinControlWnd.h"

namespace zentavo {

// Edit-like controls: the outline over the system's sunken edge.
class TsuiSkinBorderWinControl : public TsuiSkinControlVCL {
 public:
  using TsuiSkinControlVCL::TsuiSkinControlVCL;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinBorderWinControl; }
};

// Controls with window scroll bars: the outline and an overlay over each native bar.
class TsuiSkinScrollWinControl : public TsuiSkinBorderWinControl {
 public:
  using TsuiSkinBorderWinControl::TsuiSkinBorderWinControl;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinScrollWinControl; }
};

// The scroll bar control, covered by an overlay of its own.
class TsuiSkinScrollBar : public TsuiSkinControlVCL {
 public:
  using TsuiSkinControlVCL::TsuiSkinControlVCL;
  TWrapperKind WrapperKind() const override { return TWrapperKind::TsuiSkinScrollBar; }
};

// The base of foreign controls with a border to skin; never made by itself.
class TsuiSkinBorderWndControl : public TsuiSkinControlWnd {
 public:
  using TsuiSkinControlWnd::TsuiSkinControlWnd;
};

}  // namespace zentavo
