// Up-downs, the status bar's grip, tool buttons and the column header without windows.
#include <gtest/gtest.h>

#include "skin/HeaderLook.h"
#include "skin/ToolButtonLook.h"
#include "skin/UpDownLook.h"

namespace zentavo::test {
namespace {

constexpr TColor kForm = 0x102030, kDown = 0x405060, kBorder = 0x708090, kLine = 0x0000FF;

TEST(UpDownLook, TheHalvesLeaveTheMiddleRowOutAndPressesOnTheirEdgesCount) {
  const TUpDownHalves v = UpDownHalves(17, 20, true);
  EXPECT_EQ(v.first, (TRect{0, 0, 17, 10}));
  EXPECT_EQ(v.second, (TRect{0, 11, 17, 20}));
  EXPECT_EQ(UpDownPressedPart(v, 5, 10), -1);  // the first half's bottom edge counts
  EXPECT_EQ(UpDownPressedPart(v, 5, 11), 1);
  EXPECT_EQ(UpDownPressedPart(v, 5, 20), 1);
  EXPECT_EQ(UpDownPressedPart(v, 18, 5), 0);  // past the right edge
  const TUpDownHalves h = UpDownHalves(30, 15, false);
  EXPECT_EQ(h.first, (TRect{0, 0, 15, 15}));
  EXPECT_EQ(h.second, (TRect{16, 0, 30, 15}));
  EXPECT_EQ(UpDownPressedPart(h, 15, 3), -1);
  EXPECT_EQ(UpDownPressedPart(h, 16, 3), 1);
}

TEST(UpDownLook, ThePressedHalfIsFilledInTheDownColourAndItsArrowMovesDownRight) {
  const TUpDownColors colors{kForm, kDown, kBorder};
  const TBitmap rest = ComposeUpDown(17, 20, true, 0, true, colors);
  const TBitmap pressed = ComposeUpDown(17, 20, true, 1, true, colors);
  EXPECT_EQ(rest.Pixel(0, 0), kBorder);
  EXPECT_EQ(rest.Pixel(16, 9), kBorder);
  EXPECT_EQ(rest.Pixel(1, 1), kForm);
  EXPECT_EQ(rest.Pixel(8, 10), kForm);  // the gap row
  EXPECT_EQ(pressed.Pixel(1, 12), kDown);
  EXPECT_EQ(pressed.Pixel(1, 1), kForm);
  // Up arrow's tip at x = (17 - 6) div 2 + 3 = 8, y = (10 - 6) div 2 + 1 = 3.
  EXPECT_EQ(rest.Pixel(8, 3), 0);
  EXPECT_EQ(rest.Pixel(8, 2), kForm);
  // Down arrow of the second half (9 high) at x = 5, y = 11 + (9 - 6) div 2 + 1 = 13; one
  // pixel lower right while pressed.
  EXPECT_EQ(rest.Pixel(5, 13), 0);
  EXPECT_EQ(pressed.Pixel(6, 14), 0);
  EXPECT_EQ(pressed.Pixel(5, 13), kDown);
}

TEST(UpDownLook, TheGripDrawsFourDiagonalsRisingFromTheLastRow) {
  const int w = 200, h = 22;
  const TPoint origin = StatusGripOrigin(w, h);
  EXPECT_EQ(origin, (TPoint{180, 3}));
  const TBitmap grip = ComposeStatusGrip(w, h, kForm, kLine);
  EXPECT_EQ(grip.Width(), 19);
  EXPECT_EQ(grip.Height(), 19);
  auto at = [&](int x, int y) { return grip.Pixel(x - origin.x, y - origin.y); };
  // The first line from (W - 15, H - 1) up to (W - 1, H - 15), its end left out.
  EXPECT_EQ(at(w - 15, h - 1), kLine);
  EXPECT_EQ(at(w - 2, h - 14), kLine);
  EXPECT_EQ(at(w - 1 - 1, h - 15), kForm);
  // The others start 5, 9 and 13 pixels right of the square's left edge.
  EXPECT_EQ(at(w - 11, h - 1), kLine);
  EXPECT_EQ(at(w - 7, h - 1), kLine);
  EXPECT_EQ(at(w - 3, h - 1), kLine);
  EXPECT_EQ(at(w - 2, h - 2), kLine);
  EXPECT_EQ(at(w - 3, h - 2), kForm);
  EXPECT_EQ(at(w - 2, h - 3), kForm);  // the last line ends before the right edge
  EXPECT_EQ(at(w - 20, 3), kForm);
}

TEST(ToolButtonLook, TheHotDropDownButtonShowsItsArrowAndDividerAndPlacesItsContent) {
  const TFlatButtonColors colors{kForm, 0x111111, kDown, kBorder};
  TToolButtonFace face{40, 22, TFlatButtonLook::Hot, true, true};
  const TBitmap b = ComposeToolButton(face, colors);
  EXPECT_EQ(b.Pixel(0, 0), kBorder);
  EXPECT_EQ(b.Pixel(3, 3), 0x111111);
  EXPECT_EQ(b.Pixel(40 - 14, 5), 0);  // divider
  for (int x = 31; x <= 35; ++x) EXPECT_EQ(b.Pixel(x, 11), 0) << x;
  EXPECT_EQ(b.Pixel(30, 11), 0x111111);
  EXPECT_EQ(b.Pixel(33, 13), 0);
  EXPECT_EQ(b.Pixel(32, 13), 0x111111);
  face.showArrow = false;
  EXPECT_EQ(ComposeToolButton(face, colors).Pixel(40 - 14, 5), 0x111111);

  TToolButtonContent content{false, true, true, 16, 16, 20};
  EXPECT_EQ(ToolButtonImageAt(face, content), (TPoint{(40 - 14 - 16) / 2, 3}));
  EXPECT_EQ(ToolButtonCaptionRect(face, content), (TRect{(40 - 14 - 20) / 2, 20, 40, 22}));
  content.list = true;
  EXPECT_EQ(ToolButtonImageAt(face, content), (TPoint{5, 3}));
  EXPECT_EQ(ToolButtonCaptionRect(face, content).left, 16 + 7);
  content.hasImages = content.imageDrawn = false;
  EXPECT_EQ(ToolButtonCaptionRect(face, content), (TRect{8, 3, 40, 22}));
  content.list = false;
  face.look = TFlatButtonLook::Pressed;
  EXPECT_EQ(ToolButtonCaptionRect(face, content).top, 5);
}

TEST(HeaderLook, CaptionsStartByAlignmentAndOneThatDoesNotFitStartsFourPixelsIn) {
  const TRect column{100, 0, 200, 20};  // w = 94
  EXPECT_EQ(PlaceHeaderCaption(column, THeaderAlignment::Left, 30, 0).textX, 104);
  EXPECT_EQ(PlaceHeaderCaption(column, THeaderAlignment::Right, 30, 0).textX, 100 + (94 - 30) - 2);
  EXPECT_EQ(PlaceHeaderCaption(column, THeaderAlignment::Right, 90, 0).textX, 104);  // 94 - 90 < 6
  EXPECT_EQ(PlaceHeaderCaption(column, THeaderAlignment::Centre, 30, 0).textX, 100 + (94 - 30 - 2) / 2);
  EXPECT_EQ(PlaceHeaderCaption(column, THeaderAlignment::Centre, 88, 0).textX, 104);  // v = 2
  // An image goes first, the caption past it.
  const THeaderPlacement withImage = PlaceHeaderCaption(column, THeaderAlignment::Right, 30, 16);
  EXPECT_EQ(withImage.imageX, 100 + (94 - 30 - 16) - 2);
  EXPECT_EQ(withImage.textX, withImage.imageX + 18);
  EXPECT_EQ(HeaderCaptionRoom(column, 104), 94);
}

TEST(HeaderLook, ColumnsEndInASeparatorAndAColumnOfNoWidthDoublesIt) {
  const std::vector<TRect> columns{{0, 0, 50, 20}, {50, 0, 50, 20}, {50, 0, 120, 20}};
  const TBitmap header = ComposeHeader(200, 20, columns, kForm, kBorder);
  EXPECT_EQ(header.Pixel(49, 5), kBorder);
  EXPECT_EQ(header.Pixel(48, 5), kBorder);  // the zero-width column's second line
  EXPECT_EQ(header.Pixel(47, 5), kForm);
  EXPECT_EQ(header.Pixel(119, 5), kBorder);
  EXPECT_EQ(header.Pixel(118, 5), kForm);
  EXPECT_EQ(header.Pixel(150, 5), kForm);      // right of the last column
  EXPECT_EQ(header.Pixel(10, 19), kBorder);    // the bottom line
  EXPECT_EQ(header.Pixel(119, 19), kBorder);
  EXPECT_EQ(header.Pixel(120, 19), kForm);     // only as far as the last column
  EXPECT_EQ(ComposeHeader(50, 20, {}, kForm, kBorder).Pixel(10, 19), kForm);
}

}  // namespace
}  // namespace zentavo::test
