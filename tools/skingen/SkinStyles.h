#pragma once
#include <string>
#include <vector>

#include "framework/Color.h"

namespace zentavo {

// How a default skin looks: its palette and the few shape choices that set the skins
// apart. The painter draws every bitmap of a skin from this alone.
struct SkinStyle {
  std::string name;  // the package's file name without ".ssk"

  // Palette (RGBColor values).
  TColor titleTop, titleBottom;  // title bar gradient
  TColor titleText;
  TColor frame;                  // window borders and outlines
  TColor form;                   // window background
  TColor accent;                 // selections, filled progress, ticks
  TColor accentText;             // text on the accent colour
  TColor menuBar;
  TColor menuItem;
  TColor control;                // edit-like controls
  TColor buttonTop, buttonBottom;
  TColor text;
  TColor closeButton;            // face of the close title button

  // Shapes.
  int titleHeight = 26;
  int corner = 0;              // radius of the window's top corners; > 0 cuts them out
  int bottomCorner = 0;        // radius of the bottom corners; > 0 cuts them out
  bool fiveSection = false;    // title from five pieces: a tab behind the caption
  bool bottomThreeSect = false;
  bool roundButtons = false;   // title buttons as round glyphs on the transparent colour
  bool buttonCorners = true;   // push buttons with cut-out (transparent) corners
  bool checkboxTrans = true;   // check boxes and radio buttons on the transparent colour
  bool tabTrans = true;        // tabs with cut-out corners
  bool glossy = false;         // a light band in the upper half of bars and buttons
  bool checkedMenuIcon = true;
  bool specialThumb = false;   // the scroll thumb meets the engine's three-equal-parts rule
};

// The eighteen default skins, in skin-menu order (index 1 first).
const std::vector<SkinStyle>& DefaultSkinStyles();

}  // namespace zentavo
