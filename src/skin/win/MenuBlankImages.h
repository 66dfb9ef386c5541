#pragma once
#include "framework/win/ImageList.h"

namespace zentavo {

// An empty image list, given to main menus that have none of their own while they are
// skinned, and taken back when the skin goes. One list serves the whole program; it is made
// on first use and lives until the program ends.
TImageList& MenuBlankImages();

}  // namespace zentavo
