#pragma once
#include <windows.h>

#include <memory>

#include "skin/WrapperKind.h"
#include "skin/win/SkinButtons.h"
#include "skin/win/SkinControlVCL.h"
#include "skin/win/SkinControlWnd.h"
#include "skin/win/SkinDropDowns.h"
#include "skin/win/SkinForeignControls.h"
#include "skin/win/SkinOtherControls.h"
#include "skin/win/SkinScrolled.h"
#include "skin/win/SkinTabsBars.h"

namespace zentavo {

// A started wrapper of the given kind for a framework control; throws for a kind of the
// foreign table.
std::unique_ptr<TsuiSkinControl> MakeControlWrapper(TWrapperKind kind, TControl& control,
                                                    TsuiSkinWindow& frame);
// A started wrapper of the given kind for a child window of a foreign window; throws for a
// kind of the framework table, or when the window cannot be subclassed.
std::unique_ptr<TsuiSkinControl> MakeWindowWrapper(TWrapperKind kind, HWND window, TsuiSkinWindow& frame);

}  // namespace zentavo
