#pragma once
#include <windows.h>

#include <memory>

#include "skin/WrapperKind.h"
#include "skin/win/SkinButtons.h"
#include "skin/win/SkinControlVCL.h"
#include "skin/win/SkinControlWnd.h"
#include "skin/win/SkinScrolled.h"

namespace zentavo {

// The wrapper classes of the two tables, in their class hierarchy. The button family
// (SkinButtons.h) and the scrolled controls (SkinScrolled.h) paint; the classes declared
// here still have only the base behaviour (message path, state tracking, SM_ISSKINNED)
// plus the answers that need no painting.

// The base of controls with a drop-down button of their own; never made by itself.
class TsuiSkinExtComboboxLikeControl : public TsuiSkinBorderWinControl {
 public:
  using TsuiSkinBorderWinControl::TsuiSkinBorderWinControl;
};

// Declares a table wrapper that adds only its identity to its base.
#define ZENTAVO_SKIN_WRAPPER(Class, Base)                                     \
  class Class : public Base {                                                 \
   public:                                                                    \
    using Base::Base;                                                         \
    TWrapperKind WrapperKind() const override { return TWrapperKind::Class; } \
  }
// The same for wrappers whose control takes its colour from its parent (the form, whose
// colour the frame sets from the skin).
#define ZENTAVO_SKIN_WRAPPER_PARENT_COLOR(Class, Base)                        \
  class Class : public Base {                                                 \
   public:                                                                    \
    using Base::Base;                                                         \
    TWrapperKind WrapperKind() const override { return TWrapperKind::Class; } \
    bool WantsParentColor() const override { return true; }                   \
  }

ZENTAVO_SKIN_WRAPPER(TsuiSkinComboBox, TsuiSkinControlVCL);
ZENTAVO_SKIN_WRAPPER(TsuiSkinComboBoxEx, TsuiSkinControlVCL);
ZENTAVO_SKIN_WRAPPER_PARENT_COLOR(TsuiSkinStatusBar, TsuiSkinControlVCL);
ZENTAVO_SKIN_WRAPPER(TsuiSkinTabControl, TsuiSkinControlVCL);
ZENTAVO_SKIN_WRAPPER(TsuiSkinUpDown, TsuiSkinControlVCL);
ZENTAVO_SKIN_WRAPPER(TsuiSkinTrackBar, TsuiSkinControlVCL);
ZENTAVO_SKIN_WRAPPER(TsuiSkinProgressBar, TsuiSkinControlVCL);
ZENTAVO_SKIN_WRAPPER_PARENT_COLOR(TsuiSkinToolBar, TsuiSkinControlVCL);
ZENTAVO_SKIN_WRAPPER(TsuiSkinGrid, TsuiSkinScrollWinControl);
ZENTAVO_SKIN_WRAPPER(TsuiSkinListView, TsuiSkinScrollWinControl);
ZENTAVO_SKIN_WRAPPER(TsuiSkinDateTimePicker, TsuiSkinExtComboboxLikeControl);

// Child windows of foreign windows.

ZENTAVO_SKIN_WRAPPER(TsuiSkinWndComboBox, TsuiSkinBorderWndControl);
ZENTAVO_SKIN_WRAPPER(TsuiSkinWndButton, TsuiSkinControlWnd);
ZENTAVO_SKIN_WRAPPER(TsuiSkinWndCheckBox, TsuiSkinControlWnd);
ZENTAVO_SKIN_WRAPPER(TsuiSkinWndRadioButton, TsuiSkinControlWnd);
ZENTAVO_SKIN_WRAPPER(TsuiSkinWndTabControl, TsuiSkinControlWnd);
ZENTAVO_SKIN_WRAPPER(TsuiSkinWndToolbarWindow32, TsuiSkinControlWnd);

#undef ZENTAVO_SKIN_WRAPPER
#undef ZENTAVO_SKIN_WRAPPER_PARENT_COLOR

// A started wrapper of the given kind for a framework control; throws for a kind of the
// foreign table.
std::unique_ptr<TsuiSkinControl> MakeControlWrapper(TWrapperKind kind, TControl& control,
                                                    TsuiSkinWindow& frame);
// A started wrapper of the given kind for a child window of a foreign window; throws for a
// kind of the framework table, or when the window cannot be subclassed.
std::unique_ptr<TsuiSkinControl> MakeWindowWrapper(TWrapperKind kind, HWND window, TsuiSkinWindow& frame);

}  // namespace zentavo
