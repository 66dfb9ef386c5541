#pragma once
#include <array>
#include <vector>

#include "framework/Color.h"
#include "framework/Geometry.h"
#include "skin/SkinMetrics.h"

namespace zentavo {

// The arithmetic of the skinned window frame: where the client area goes, how the title bar
// and the bottom border are pieced together, where the title buttons sit and which of them
// is under the mouse. Everything is a pure function of the skin's sizes and the window's
// state, so the Win32 frame only routes messages and applies the results.

// The skin bitmaps the frame is made of.
enum class TFrameImage {
  Title1,
  Title2,
  Title3,
  Title4,
  Title5,
  MinimizedTitle,
  LeftBorder,
  RightBorder,
  Bottom1,
  Bottom2,
  Bottom3,
  TitleButtons,
};
constexpr int kFrameImageCount = 12;
// SKIN2_TITLEBUTTONS holds this many equal frames side by side.
constexpr int kTitleButtonFrames = 18;

struct TImageSize {
  int width = 0;
  int height = 0;
};

// What the frame needs of the loaded skin besides TSkinMetrics. A missing bitmap has size
// 0 x 0 and so takes no room and draws nothing.
struct TFrameSkin {
  std::array<TImageSize, kFrameImageCount> sizes{};
  bool TitleFiveSect = false;            // SKIN2_TITLEFIVESECT
  bool BottomThreeSect = false;          // SKIN2_BOTTOMBORDERTHREESECT
  bool TitleButtonsTransparent = false;  // SKIN2_TITLEBTNTRANS
  bool TitleNeedsRegion = false;         // SKIN2_TITLEBARNEEDREGION
  bool BottomNeedsRegion = false;        // SKIN2_BOTTOMBORDERNEEDREGION

  TImageSize Size(TFrameImage image) const { return sizes[static_cast<int>(image)]; }
  int W(TFrameImage image) const { return Size(image).width; }
  int H(TFrameImage image) const { return Size(image).height; }
  // One title button: a frame of the button strip.
  int ButtonWidth() const { return W(TFrameImage::TitleButtons) / kTitleButtonFrames; }
  int ButtonHeight() const { return H(TFrameImage::TitleButtons); }
};

// The window's side of the frame.
struct TFrameWindow {
  int Width = 0, Height = 0;  // of the whole window
  bool HasCaption = true;
  bool HasBorder = true;
  bool Skinned = true;
  bool IsForeign = false;
  bool Initialized = true;
  bool IsMDIChild = false;
  bool Maximized = false;
  bool Minimized = false;
  bool HasIcon = false;
  bool HasClose = true;
  bool HasMaximize = false;
  bool HasMinimize = false;
  bool HasHelp = false;
  int NativeCaptionHeight = 0;  // the unskinned caption's height
  int ExtraBand = 0;            // rows between skin title and client when the native caption is taller
  int MenuBarHeight = 0;

  bool MaximizedMDIChild() const { return IsMDIChild && Maximized; }
};

// Height of the skinned title: the skin's, while a caption is shown and the skin applied.
int TitleHeight(const TSkinMetrics& metrics, const TFrameWindow& window);

// ---- Non-client sizing ----

// The unskinned caption's height of one of our forms, from its window and client heights:
// without the main menu's row (not counted for MDI children, whose menu goes to the main
// form) and the 4-pixel bottom frame, and never below 23.
int FormNativeCaptionHeight(int formHeight, int clientHeight, bool hasMainMenu, bool isMDIChild);
// A foreign window's: its whole non-client height.
int ForeignNativeCaptionHeight(int windowHeight, int clientHeight);

struct TNcCalcResult {
  TRect client;
  int extraBand = 0;
  bool changed = false;  // false: the default answer stands as it is
};

// The client rectangle for a window at (x, y) of size cx x cy, given the rectangle the
// default handling computed. The client keeps at least 4 pixels from the left, right and
// bottom edges even where the skin's borders are thinner.
TNcCalcResult NcCalcClientRect(const TSkinMetrics& metrics, const TFrameWindow& window, const TRect& computed,
                               int x, int y, int cx, int cy);

// ---- Title bar ----

// Room on the title's right for n buttons of width bw (a minimum of 13 with none).
int ButtonArea(int buttonCount, int buttonWidth);
int ButtonArea(const TFrameSkin& skin, const TFrameWindow& window);

// One bitmap placed on a buffer: the whole image, stretched to dest (copied when the sizes
// agree).
struct TFramePiece {
  TFrameImage image;
  TRect dest;
  bool operator==(const TFramePiece&) const = default;
};

struct TFrameFill {
  TRect rect;
  TColor color;
  bool operator==(const TFrameFill&) const = default;
};

// The title buffer's size and the room left for the caption text. The caller shortens the
// caption to TextRoom and passes its drawn width to TitleLayout.
struct TTitleText {
  int bufferWidth = 0, bufferHeight = 0;
  int captionX = 0;  // where the text starts when the window has an icon
  int textRoom = 0;  // never negative
};
TTitleText TitleTextRoom(const TSkinMetrics& metrics, const TFrameSkin& skin, const TFrameWindow& window);

struct TTitleLayout {
  std::vector<TFramePiece> pieces;  // in drawing order, over a buffer filled with FormColor
  std::vector<TFrameFill> fills;    // after the pieces
  int captionX = 0, captionY = 0;   // where the caption text goes
  int iconX = 0, iconY = 0;         // the 16 x 16 icon (only drawn with HasIcon)
};
// The title for a caption of textWidth pixels (already shortened to the room).
TTitleLayout TitleLayout(const TSkinMetrics& metrics, const TFrameSkin& skin, const TFrameWindow& window,
                         int textWidth);

// ---- Title buttons ----

// Title elements as the frame counts them.
enum TTitleElement {
  kNoElement = -1,
  kIconElement = 0,
  kCloseElement = 1,
  kMaximizeElement = 2,
  kMinimizeElement = 3,
  kHelpElement = 4
};

struct TTitleButton {
  int element = kNoElement;
  TRect rect;     // where it is drawn in the title buffer
  TRect hitRect;  // the drawn pixels, edges included: the mouse is over what it sees
  // Frames (1-based) of the button strip: normal, hot, hot and pressed.
  int frames[3] = {0, 0, 0};
};

struct TTitleButtons {
  std::vector<TTitleButton> buttons;  // from the right: close, maximize/restore, minimize, help
  bool hasIconHit = false;
  TRect iconHitRect;
};
TTitleButtons TitleButtonLayout(const TSkinMetrics& metrics, const TFrameSkin& skin,
                                const TFrameWindow& window);

// A point given in client coordinates, in the window's coordinates (those of the title
// buffer), as the non-client sizing places the client area.
TPoint FramePointOfClient(const TSkinMetrics& metrics, const TFrameWindow& window, int clientX, int clientY);

// The element under the point, given in window coordinates; where hit rectangles overlap,
// the one tested later (icon, then the buttons in order) wins.
int HitTestTitle(const TTitleButtons& layout, int x, int y);
// The strip frame a button shows.
int ButtonFrame(const TTitleButton& button, bool hot, bool pressed);

// ---- Borders ----

struct TBorderLayout {
  std::vector<TFramePiece> sides;  // on the window, straight
  int bottomWidth = 0, bottomHeight = 0;
  std::vector<TFramePiece> bottom;   // on the bottom buffer (three-section skins)
  bool bottomFromThirds = false;     // one-section skins: Bottom1's thirds over the whole buffer
  int bottomY = 0;                   // where the bottom buffer goes on the window
  std::vector<TFrameFill> gapFills;  // on the window, last
  bool visible = false;              // false: no borders at all
};
TBorderLayout BorderLayout(const TSkinMetrics& metrics, const TFrameSkin& skin, const TFrameWindow& window);

}  // namespace zentavo
