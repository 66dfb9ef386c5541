#pragma once
#include <array>

#include "framework/Bitmap.h"
#include "skin/FrameGeometry.h"
#include "skin/SuiSkinReader.h"

namespace zentavo {

// Composes the frame's off-screen pictures from the skin's bitmaps: the title bar with its
// buttons and the bottom border, and for the window as a whole the side borders and gap
// fills. The caption text and the icon are drawn on the title buffer afterwards by the
// caller.

// The frame's skin bitmaps, owned by the reader; absent ones are null.
struct TFrameImages {
  std::array<const TBitmap*, kFrameImageCount> bitmaps{};
  const TBitmap* Get(TFrameImage image) const { return bitmaps[static_cast<int>(image)]; }
};

TFrameImages ReadFrameImages(const TsuiSkinReader& reader);
// Sizes of the images and the frame flags of the reader's skin.
TFrameSkin ReadFrameSkin(const TsuiSkinReader& reader, const TFrameImages& images);
// Sizes only, flags left to the caller.
TFrameSkin FrameSkinOfImages(const TFrameImages& images);

// Draws the pieces (each whole image stretched to its destination) offset by (dx, dy).
void DrawFramePieces(const TFrameImages& images, TBitmap& canvas, const std::vector<TFramePiece>& pieces,
                     int dx = 0, int dy = 0);
void DrawFrameFills(TBitmap& canvas, const std::vector<TFrameFill>& fills, int dx = 0, int dy = 0);

// What the title paint found: the element under the cursor and the buttons it drew.
struct TTitlePaint {
  int hotButton = kNoElement;
  bool closeDrawn = false, maximizeDrawn = false, minimizeDrawn = false;
};

// Sizes buffer to the title, fills it with FormColor and draws the pieces, the fills and
// the buttons. The cursor is in the window's coordinates (FramePointOfClient); a
// hot button shows its hot frame, or its pressed frame while the button is down.
TTitlePaint ComposeTitle(const TFrameImages& images, const TSkinMetrics& metrics, const TFrameSkin& skin,
                         const TFrameWindow& window, const TTitleLayout& layout, const TTitleButtons& buttons,
                         int cursorX, int cursorY, bool pressed, TBitmap& buffer);

// Sizes buffer to the bottom border and composes it; nothing when the borders are hidden.
void ComposeBottom(const TFrameImages& images, const TBorderLayout& layout, TBitmap& buffer);

// The side borders and gap fills onto a picture of the whole window.
void DrawSideBorders(const TFrameImages& images, const TBorderLayout& layout, TBitmap& window);

// For shaped windows: buffer drawn over FormColor with its TransparentColor pixels left
// out, so the region builder and the screen see the same picture.
void ComposeRegionBuffer(const TBitmap& buffer, TColor formColor, TColor transparentColor, TBitmap& out);

// What goes on screen for a composed title or bottom buffer: when the skin shapes that part
// of the window, the buffer over FormColor composed into regionBuffer; otherwise the buffer.
const TBitmap& FrameOutputBuffer(const TBitmap& buffer, bool needsRegion, const TSkinMetrics& metrics,
                                 TBitmap& regionBuffer);

// The window's shape, as rectangles, from the title and bottom buffers as the last paint
// left them; the whole window when the skin asks for no region.
std::vector<TRect> FrameRegion(const TSkinMetrics& metrics, const TFrameSkin& skin, const TBitmap& title,
                               const TBitmap& bottom, int width, int height);

}  // namespace zentavo
