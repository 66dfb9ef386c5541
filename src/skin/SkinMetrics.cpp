#include "skin/SkinMetrics.h"

#include <algorithm>

namespace zentavo {

namespace {

int BitmapWidth(const TsuiSkinReader& reader, int key) {
  const TBitmap* bitmap = reader.GetBitmap(key);
  return bitmap ? bitmap->Width() : 0;
}

int BitmapHeight(const TsuiSkinReader& reader, int key) {
  const TBitmap* bitmap = reader.GetBitmap(key);
  return bitmap ? bitmap->Height() : 0;
}

}  // namespace

int MinimumWindowWidth(bool titleFiveSect, int title1Width, int title3Width, int buttonStripWidth) {
  const int buttons = buttonStripWidth / 6 + 35;
  if (titleFiveSect) return title1Width + title3Width + buttons;
  return title1Width + std::max(title3Width, buttons);
}

TSkinMetrics ReadSkinMetrics(const TsuiSkinReader& reader) {
  TSkinMetrics m;
  m.FormColor = reader.GetColor(SKIN2_FORMCOLOR);
  m.TitleRegionMinY = reader.GetPosition(SKIN2_TITLEBARREGIONMINY);
  m.TitleRegionMaxY = reader.GetPosition(SKIN2_TITLEBARREGIONMAXY);
  m.BottomRegionMinY = reader.GetPosition(SKIN2_BOTTOMREGIONMINY);
  m.BottomRegionMaxY = reader.GetPosition(SKIN2_BOTTOMREGIONMAXY);
  m.MinimumWindowWidth =
      MinimumWindowWidth(reader.GetFlag(SKIN2_TITLEFIVESECT) != 0, BitmapWidth(reader, SKIN2_TITLEBAR1),
                         BitmapWidth(reader, SKIN2_TITLEBAR3), BitmapWidth(reader, SKIN2_TITLEBUTTONS));
  m.SkinTitleHeight = BitmapHeight(reader, SKIN2_TITLEBAR1);
  m.LeftBorderWidth = BitmapWidth(reader, SKIN2_FORMLEFTBORDER);
  m.RightBorderWidth = BitmapWidth(reader, SKIN2_FORMRIGHTBORDER);
  m.BottomBorderHeight = BitmapHeight(reader, SKIN2_FORMBOTTOMBORDER1);
  m.TransparentColor = reader.GetColor(SKIN2_TRANSCOLOR);
  m.TitleFontColor = reader.GetColor(SKIN2_TITLEFONTCOLOR);
  m.IconPosX = reader.GetPosition(SKIN2_TITLEBARICONPOSX);
  m.IconPosY = reader.GetPosition(SKIN2_TITLEBARICONPOSY);
  m.CaptionTop = reader.GetPosition(SKIN2_TITLEBARCAPTIONTOP);
  m.ButtonPosX = reader.GetPosition(SKIN2_TITLEBARBUTTONPOSX);
  m.ButtonPosY = reader.GetPosition(SKIN2_TITLEBARBUTTONPOSY);
  for (int i = 0; i < static_cast<int>(m.MenuColors.size()); ++i)
    m.MenuColors[i] = reader.GetColor(SKIN2_MENUBARSTARTCOLOR + i);
  return m;
}

}  // namespace zentavo
