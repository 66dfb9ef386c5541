#pragma once
#include <cstdint>
#include <string>

namespace zentavo {

// A key with its modifiers, as menus store them: the virtual key in the low byte, Shift,
// Ctrl and Alt as the top bits. 0 is no short-cut.
using TShortCut = std::uint16_t;

enum TShiftFlag : unsigned { ssShift = 1, ssCtrl = 2, ssAlt = 4 };

constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

constexpr TShortCut ShortCut(unsigned key, unsigned shift) {
  return static_cast<TShortCut>((key & 0xFF) | ((shift & ssShift) ? scShift : 0) | ((shift & ssCtrl) ? scCtrl : 0) |
                                ((shift & ssAlt) ? scAlt : 0));
}
constexpr unsigned ShortCutKey(TShortCut shortCut) { return shortCut & 0xFF; }
constexpr unsigned ShortCutShift(TShortCut shortCut) {
  return ((shortCut & scShift) ? ssShift : 0u) | ((shortCut & scCtrl) ? ssCtrl : 0u) | ((shortCut & scAlt) ? ssAlt : 0u);
}

// The text a menu shows beside its item: modifiers "Ctrl+", "Shift+", "Alt+" (in that
// order) before the key's name ("F5", "Del", "Enter", "A"); empty for no short-cut or a
// key without a name.
std::string ShortCutToText(TShortCut shortCut);
// The reverse, for texts of that form (modifier names in any order, case ignored); 0 when
// the text names no key.
TShortCut TextToShortCut(const std::string& text);

}  // namespace zentavo
