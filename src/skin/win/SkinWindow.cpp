#include "skin/win/SkinWindow.h"

#include "skin/win/SkinControl.h"

namespace zentavo {

TsuiSkinWindow::TsuiSkinWindow(HWND window, bool isForeign, TsuiSkinEngine& engine)
    : window_(window), foreign_(isForeign), engine_(engine) {}

TsuiSkinWindow::~TsuiSkinWindow() = default;

}  // namespace zentavo
