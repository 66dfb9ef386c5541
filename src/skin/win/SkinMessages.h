#pragma once
#include <windows.h>

namespace zentavo {

// Private messages between the skin engine's wrappers and the windows they serve.
constexpr UINT SM_ISSKINNED = 0x2AAA;
constexpr UINT SM_ISACTIVE = 0x2AAB;
constexpr UINT SM_REPAINT = 0x2AAC;
constexpr UINT SM_CHILDMENU = 0x83E8;
constexpr UINT SM_MENUBARHEIGHT = 0x83E9;
constexpr UINT SM_CHILDLISTCHANGED = 0x83EA;

}  // namespace zentavo
