#pragma once
#include <filesystem>
#include <vector>

#include "skin/SkinDirectory.h"

namespace zentavo {

// A skin as a designer keeps it: a folder with skin.ini and one BMP file per bitmap.
//   [colors]     SKIN2_… colour keys = #RRGGBB (or a plain integer)
//   [positions]  SKIN2_… position keys = integer
//   [flags]      SKIN2_… flag keys = 0 .. 255
//   [strings]    any name = text
//   [bitmaps]    name = file.bmp, in package order (without it: every SKIN2_*.bmp of the
//                folder, by name)
// Integers come first in the package (colours, then positions), then bytes, strings and
// bitmaps, each in the order of the file.

// Reads the folder into directory records; a missing file or a value that is no number
// raises zentavo::Error naming it.
std::vector<Sk2Record> ReadSkinFolder(const std::filesystem::path& folder);

// Writes records back as a folder (created when missing) that ReadSkinFolder reads into
// the same values.
void WriteSkinFolder(const std::vector<Sk2Record>& records, const std::filesystem::path& folder);

}  // namespace zentavo
