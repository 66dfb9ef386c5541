#pragma once
#include <filesystem>

#include "SkinStyles.h"

namespace zentavo {

// The transparent colour of every default skin.
inline constexpr TColor kSkinTransparent = RGBColor(255, 0, 255);

// Draws every bitmap of the skin and writes the folder skinpack builds from: skin.ini
// with the colours, positions, flags and the bitmap order, and one BMP file per bitmap.
void WriteDefaultSkin(const SkinStyle& style, const std::filesystem::path& folder);

}  // namespace zentavo
