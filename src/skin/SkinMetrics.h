#pragma once
#include <array>

#include "framework/Color.h"
#include "skin/SuiSkinReader.h"

namespace zentavo {

// The values of the loaded skin that every painter needs, read once per skin load.
struct TSkinMetrics {
  int SkinTitleHeight = 0;     // height of SKIN2_TITLEBAR1
  int LeftBorderWidth = 0;     // width of SKIN2_FORMLEFTBORDER
  int RightBorderWidth = 0;    // width of SKIN2_FORMRIGHTBORDER
  int BottomBorderHeight = 0;  // height of SKIN2_FORMBOTTOMBORDER1
  TColor TransparentColor = 0;
  TColor FormColor = 0;
  TColor TitleFontColor = 0;
  int IconPosX = 0, IconPosY = 0;
  int CaptionTop = 0;
  int ButtonPosX = 0, ButtonPosY = 0;
  int TitleRegionMinY = 0, TitleRegionMaxY = 0;
  int BottomRegionMinY = 0, BottomRegionMaxY = 0;
  // SKIN2_MENUBARSTARTCOLOR .. SKIN2_SELECTEDMENUFONTCOLOR, in key order.
  std::array<TColor, 13> MenuColors{};
  int MinimumWindowWidth = 0;
};

// The narrowest a skinned window may get: both title ends and room for three title buttons
// (a sixth of the 18-frame button strip) plus 35 pixels. A five-piece title has its buttons
// beside piece 3; otherwise they sit over piece 3, so the wider of the two counts.
int MinimumWindowWidth(bool titleFiveSect, int title1Width, int title3Width, int buttonStripWidth);

// Every metric from the reader; a reader without a skin gives the look-ups' missing values
// (-1 colours and positions, zero sizes).
TSkinMetrics ReadSkinMetrics(const TsuiSkinReader& reader);

}  // namespace zentavo
