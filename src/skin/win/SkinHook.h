#pragma once
#include <windows.h>

namespace zentavo {

// The window-creation hook of the skin engine: one per thread of the first engine made
// outside design mode. It refuses size grips while skinning and wraps dialogs, message
// boxes and late windows as they are activated.
void InstallSkinHook();
void RemoveSkinHook();
bool SkinHookInstalled();

// The last foreign window whose frame wrapper let go of it at its destruction; a window
// activated while it closes is not wrapped again.
HWND LastClosedDialog();
void SetLastClosedDialog(HWND window);

}  // namespace zentavo
