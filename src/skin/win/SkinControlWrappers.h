#pragma once
#include <windows.h>

#include <memory>

#include "skin/WrapperKind.h"
#include "skin/win/SkinButtons.h"
#include "skin/win/SkinControlVCL.h"
#include "skin/win/SkinControlWnd.h"
#include "skin/win/SkinDropDowns.h"
#include "skin/win/SkinOtherControls.h"
#include "skin/win/SkinScrolled.h"
#include "skin/win/SkinTabsBars.h"

namespace zentavo {

// The wrapper classes of the two tables, in their class hierarchy: the framework controls'
// families in their own headers, the wrappers of foreign windows' controls here. The
// classes declared here still have only the base behaviour (message path, state
// tracking, SM_ISSKINNED) plus the answers that need no painting.

// Declares a table wrapper that adds only its identity to its base.
#define ZENTAVO_SKIN_WRAPPER(Class, Base)                                     \
  class Class : public Base {                                                 \
   public:                                                                    \
    using Base::Base;                                                         \
    TWrapperKind WrapperKind() const override { return TWrapperKind::Class; } \
  }

// Child windows of foreign windows.

ZENTAVO_SKIN_WRAPPER(TsuiSkinWndComboBox, TsuiSkinBorderWndControl);
ZENTAVO_SKIN_WRAPPER(TsuiSkinWndButton, TsuiSkinControlWnd);
ZENTAVO_SKIN_WRAPPER(TsuiSkinWndCheckBox, TsuiSkinControlWnd);
ZENTAVO_SKIN_WRAPPER(TsuiSkinWndRadioButton, TsuiSkinControlWnd);
ZENTAVO_SKIN_WRAPPER(TsuiSkinWndTabControl, TsuiSkinControlWnd);
ZENTAVO_SKIN_WRAPPER(TsuiSkinWndToolbarWindow32, TsuiSkinControlWnd);

#undef ZENTAVO_SKIN_WRAPPER

// A started wrapper of the given kind for a framework control; throws for a kind of the
// foreign table.
std::unique_ptr<TsuiSkinControl> MakeControlWrapper(TWrapperKind kind, TControl& control,
                                                    TsuiSkinWindow& frame);
// A started wrapper of the given kind for a child window of a foreign window; throws for a
// kind of the framework table, or when the window cannot be subclassed.
std::unique_ptr<TsuiSkinControl> MakeWindowWrapper(TWrapperKind kind, HWND window, TsuiSkinWindow& frame);

}  // namespace zentavo
