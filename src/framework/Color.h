#pragma once
#include <cstdint>

namespace zentavo {

// A colour as Windows stores it: 0x00BBGGRR, red in the low byte. A value whose top byte
// is 0xFF names a system colour by its low byte (the COLOR_… index). Signed, because skin
// look-ups answer -1 for a missing colour, and -1 then matches no pixel.
using TColor = std::int32_t;

constexpr TColor RGBColor(int r, int g, int b) { return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16); }
constexpr bool IsSystemColor(TColor color) { return (static_cast<std::uint32_t>(color) >> 24) == 0xFF; }
constexpr TColor SystemColor(int index) { return static_cast<TColor>(0xFF000000u | static_cast<std::uint32_t>(index & 0xFF)); }

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clBlack = RGBColor(0, 0, 0);
constexpr TColor clWhite = RGBColor(255, 255, 255);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clGrayText = SystemColor(17);

}  // namespace zentavo
