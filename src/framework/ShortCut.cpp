#include "framework/ShortCut.h"

#include <array>
#include <string_view>
#include <utility>

#include "core/Text.h"

namespace zentavo {

namespace {

// Names of the keys that have no character of their own, by virtual key code.
constexpr std::array<std::pair<unsigned, std::string_view>, 24> kKeyNames{{
    {0x08, "BkSp"}, {0x09, "Tab"},   {0x0D, "Enter"}, {0x1B, "Esc"},    {0x20, "Space"},  {0x21, "PgUp"},
    {0x22, "PgDn"}, {0x23, "End"},   {0x24, "Home"},  {0x25, "Left"},   {0x26, "Up"},     {0x27, "Right"},
    {0x28, "Down"}, {0x2D, "Ins"},   {0x2E, "Del"},   {0x6A, "Num *"}, {0x6B, "Num +"}, {0x6D, "Num -"},
    {0x6E, "Num ."}, {0x6F, "Num /"}, {0xBA, ";"},    {0xBB, "="},      {0xBC, ","},      {0xBD, "-"},
}};

std::string KeyName(unsigned key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
  if (key >= 0x60 && key <= 0x69) return "Num " + std::to_string(key - 0x60);
  if (key >= 0x70 && key <= 0x87) return "F" + std::to_string(key - 0x70 + 1);
  for (const auto& [code, name] : kKeyNames) {
    if (code == key) return std::string(name);
  }
  return {};
}

unsigned KeyOfName(std::string_view name) {
  for (unsigned key = 1; key < 256; ++key) {
    const std::string known = KeyName(key);
    if (!known.empty() && SameText(known, name)) return key;
  }
  return 0;
}

}  // namespace

std::string ShortCutToText(TShortCut shortCut) {
  const std::string key = KeyName(ShortCutKey(shortCut));
  if (key.empty()) return {};
  std::string text;
  if (shortCut & scCtrl) text += "Ctrl+";
  if (shortCut & scShift) text += "Shift+";
  if (shortCut & scAlt) text += "Alt+";
  return text + key;
}

TShortCut TextToShortCut(const std::string& text) {
  std::string_view rest = text;
  unsigned shift = 0;
  for (;;) {
    bool found = false;
    for (auto [prefix, flag] : {std::pair<std::string_view, unsigned>{"Ctrl+", ssCtrl}, {"Shift+", ssShift},
                                {"Alt+", ssAlt}}) {
      if (rest.size() > prefix.size() && SameText(rest.substr(0, prefix.size()), prefix)) {
        shift |= flag;
        rest.remove_prefix(prefix.size());
        found = true;
      }
    }
    if (!found) break;
  }
  const unsigned key = KeyOfName(rest);
  return key ? ShortCut(key, shift) : TShortCut{0};
}

}  // namespace zentavo
