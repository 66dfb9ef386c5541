#include "SkinStyles.h"

namespace zentavo {

namespace {

constexpr TColor Hex(unsigned rgb) { return RGBColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

SkinStyle Style(std::string name, unsigned titleTop, unsigned titleBottom, unsigned titleText, unsigned frame,
                unsigned form, unsigned accent) {
  SkinStyle s;
  s.name = std::move(name);
  s.titleTop = Hex(titleTop);
  s.titleBottom = Hex(titleBottom);
  s.titleText = Hex(titleText);
  s.frame = Hex(frame);
  s.form = Hex(form);
  s.accent = Hex(accent);
  s.accentText = Hex(0xFFFFFF);
  s.menuBar = Hex(form);
  s.menuItem = Hex(0xFFFFFF);
  s.control = Hex(0xFFFFFF);
  s.buttonTop = Hex(0xFFFFFF);
  s.buttonBottom = Hex(form);
  s.text = Hex(0x000000);
  s.closeButton = Hex(0xC8432F);
  return s;
}

std::vector<SkinStyle> MakeStyles() {
  std::vector<SkinStyle> skins;

  // 1: quiet grey-blue, square corners, flat.
  SkinStyle calmness = Style("Calmness", 0x8FA6BC, 0x6E869E, 0xFFFFFF, 0x5B7085, 0xE9EDF1, 0x6E869E);
  calmness.closeButton = Hex(0x6E869E);
  calmness.checkedMenuIcon = false;
  skins.push_back(calmness);

  // 2, 3: faceted "diamond" title with a five-piece tab behind the caption.
  SkinStyle diamondBlue = Style("DiamondBlue", 0x5C8FD6, 0x1D4E9E, 0xFFFFFF, 0x173E7A, 0xE4ECF7, 0x2F6BC4);
  diamondBlue.fiveSection = true;
  diamondBlue.corner = 6;
  diamondBlue.glossy = true;
  skins.push_back(diamondBlue);
  SkinStyle diamondGreen = Style("DiamondGreen", 0x5FBF7A, 0x1E7D3C, 0xFFFFFF, 0x17602E, 0xE6F3E9, 0x2E9A4E);
  diamondGreen.fiveSection = true;
  diamondGreen.corner = 6;
  diamondGreen.glossy = true;
  skins.push_back(diamondGreen);

  // 4: glassy green with round buttons.
  SkinStyle glassGreen = Style("GlassGreen", 0xB8E6C4, 0x55A86C, 0x0F3D1E, 0x3F8553, 0xEEF7F0, 0x3F9E5A);
  glassGreen.glossy = true;
  glassGreen.roundButtons = true;
  glassGreen.corner = 8;
  glassGreen.bottomCorner = 4;
  glassGreen.bottomThreeSect = true;
  skins.push_back(glassGreen);

  // 5: dark glass.
  SkinStyle longhorn = Style("Longhorn", 0x4A5A6E, 0x1B2430, 0xFFFFFF, 0x10161E, 0xE3E7EC, 0x3C7FC8);
  longhorn.glossy = true;
  longhorn.corner = 7;
  longhorn.menuBar = Hex(0xD5DBE3);
  skins.push_back(longhorn);

  // 6: light aluminium with traffic-light buttons.
  SkinStyle macOs = Style("MacOS", 0xEDEDED, 0xC9C9C9, 0x2B2B2B, 0x8C8C8C, 0xECECEC, 0x3875D7);
  macOs.roundButtons = true;
  macOs.corner = 5;
  macOs.closeButton = Hex(0xE0443E);
  macOs.glossy = true;
  skins.push_back(macOs);

  // 7: media player black and blue.
  SkinStyle mp10 = Style("MP10", 0x3A4660, 0x0B1020, 0xD8E6FF, 0x050810, 0xDDE3EE, 0x2A72D8);
  mp10.fiveSection = true;
  mp10.roundButtons = true;
  mp10.corner = 10;
  mp10.bottomCorner = 6;
  mp10.bottomThreeSect = true;
  mp10.glossy = true;
  skins.push_back(mp10);

  // 8: messenger blue and white.
  SkinStyle msn = Style("MSN", 0xA9C8F0, 0x6C9BD8, 0x0E2A57, 0x4D78B5, 0xF2F6FC, 0x3E78C9);
  msn.corner = 4;
  msn.glossy = true;
  skins.push_back(msn);

  // 9: one flat blue.
  SkinStyle oneBlue = Style("OneBlue", 0x2F6FD0, 0x2F6FD0, 0xFFFFFF, 0x2556A3, 0xF0F4FA, 0x2F6FD0);
  oneBlue.buttonCorners = false;
  oneBlue.checkboxTrans = false;
  oneBlue.tabTrans = false;
  skins.push_back(oneBlue);

  // 10: the default: neutral silver; the one skin whose scroll thumb is cut in three.
  SkinStyle silver = Style("Silver", 0xE4E6EA, 0xB5BAC2, 0x1E2430, 0x7B828E, 0xE8EAED, 0x5A7FB5);
  silver.glossy = true;
  silver.corner = 4;
  silver.specialThumb = true;
  skins.push_back(silver);

  // 11, 12: sporty stripes.
  SkinStyle sportsBlack = Style("SportsBlack", 0x2E2E2E, 0x000000, 0xF5C400, 0x000000, 0xDADADA, 0xF5C400);
  sportsBlack.accentText = Hex(0x000000);
  sportsBlack.fiveSection = true;
  sportsBlack.bottomThreeSect = true;
  sportsBlack.closeButton = Hex(0xF5C400);
  skins.push_back(sportsBlack);
  SkinStyle sportsBlue = Style("SportsBlue", 0x1C64C8, 0x0A2F6E, 0xFFFFFF, 0x061E47, 0xDDE7F5, 0xFF8A00);
  sportsBlue.fiveSection = true;
  sportsBlue.bottomThreeSect = true;
  sportsBlue.closeButton = Hex(0xFF8A00);
  skins.push_back(sportsBlue);

  // 13: warm yellow and sky.
  SkinStyle midsummer = Style("Midsummer", 0xFFD75E, 0xF2A516, 0x3B2500, 0xC07E00, 0xFFF8E6, 0x4AA3DF);
  midsummer.corner = 9;
  midsummer.roundButtons = true;
  midsummer.checkedMenuIcon = false;
  skins.push_back(midsummer);

  // 14: deep green jewel.
  SkinStyle emerald = Style("Emerald", 0x1FA37A, 0x0B5E45, 0xFFFFFF, 0x07402F, 0xE3F2EC, 0x14906A);
  emerald.fiveSection = true;
  emerald.corner = 6;
  emerald.bottomCorner = 6;
  emerald.bottomThreeSect = true;
  emerald.glossy = true;
  skins.push_back(emerald);

  // 15: terracotta and cream.
  SkinStyle warm = Style("Warm", 0xD9875B, 0xA8522C, 0xFFF6EC, 0x7A3A1D, 0xF8EEE4, 0xC0643A);
  warm.corner = 5;
  skins.push_back(warm);

  // 16-18: the classic luna colours.
  SkinStyle xpBlue = Style("XPBlue", 0x3D8BF2, 0x0A4FD0, 0xFFFFFF, 0x0831A8, 0xECE9D8, 0x316AC5);
  xpBlue.corner = 8;
  xpBlue.closeButton = Hex(0xD9542B);
  xpBlue.glossy = true;
  xpBlue.buttonTop = Hex(0xFFFFFF);
  xpBlue.buttonBottom = Hex(0xD6D0C0);
  skins.push_back(xpBlue);
  SkinStyle xpGreen = Style("XPGreen", 0xA6C96A, 0x6E9B37, 0xFFFFFF, 0x4E7425, 0xECE9D8, 0x7BA344);
  xpGreen.corner = 8;
  xpGreen.closeButton = Hex(0xC9562E);
  xpGreen.glossy = true;
  xpGreen.buttonBottom = Hex(0xD6D0C0);
  skins.push_back(xpGreen);
  SkinStyle xpSilver = Style("XPSilver", 0xF2F2F6, 0xB9BACB, 0x202040, 0x8A8AA0, 0xE0DFE3, 0x7E7E9E);
  xpSilver.corner = 8;
  xpSilver.closeButton = Hex(0xC8432F);
  xpSilver.glossy = true;
  skins.push_back(xpSilver);
  return skins;
}

}  // namespace

const std::vector<SkinStyle>& DefaultSkinStyles() {
  static const std::vector<SkinStyle> styles = MakeStyles();
  return styles;
}

}  // namespace zentavo
