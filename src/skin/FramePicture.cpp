#include "skin/FramePicture.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "skin/FrameComposer.h"
#include "skin/SkinBlit.h"

namespace zentavo {

namespace {

// A cursor position no title element reaches, whatever the window's size.
constexpr int kFarAway = -30000;

void CopyWhole(TBitmap& picture, int x, int y, const TBitmap& buffer) {
  DrawBitmapRect(picture, x, y, buffer, {0, 0, buffer.Width(), buffer.Height()});
}

// Every pixel that no rectangle of the region covers takes the colour.
void PaintOutsideRegion(TBitmap& picture, const std::vector<TRect>& region, TColor color) {
  const int W = picture.Width(), H = picture.Height();
  std::vector<bool> inside(static_cast<std::size_t>(W) * H, false);
  for (const TRect& r : region) {
    const TRect v = Intersect(r, {0, 0, W, H});
    for (int y = v.top; y < v.bottom; ++y)
      std::fill_n(inside.begin() + static_cast<std::ptrdiff_t>(y) * W + v.left, std::max(v.Width(), 0), true);
  }
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x)
      if (!inside[static_cast<std::size_t>(y) * W + x]) picture.SetPixel(x, y, color);
}

}  // namespace

TFrameWindow FramePictureWindow(const TSkinMetrics& metrics, const TFramePictureOptions& options) {
  TFrameWindow w;
  w.Width = options.Width;
  w.Height = options.Height;
  w.HasCaption = true;
  w.HasBorder = options.HasBorder;
  w.HasIcon = options.HasIcon;
  w.HasClose = options.HasClose;
  w.HasMaximize = options.HasMaximize;
  w.HasMinimize = options.HasMinimize;
  w.HasHelp = options.HasHelp;
  w.Maximized = options.Zoomed;
  w.Minimized = options.Iconic;
  w.MenuBarHeight = options.MenuBarHeight;
  w.NativeCaptionHeight = options.NativeCaptionHeight;
  const TRect whole{0, 0, options.Width, options.Height};
  w.ExtraBand = NcCalcClientRect(metrics, w, whole, 0, 0, options.Width, options.Height).extraBand;
  return w;
}

TBitmap RenderFramePicture(const TsuiSkinReader& reader, const TSkinMetrics& metrics,
                           const TFramePictureOptions& options) {
  const int W = std::max(options.Width, 0), H = std::max(options.Height, 0);
  TBitmap picture(W, H);
  picture.Fill(metrics.FormColor);
  const TFrameImages images = ReadFrameImages(reader);
  const TFrameSkin skin = ReadFrameSkin(reader, images);
  const TFrameWindow window = FramePictureWindow(metrics, options);

  // The title, with the caption's drawn width never wider than the room it is shortened to.
  TBitmap title, titleRegion;
  if (window.HasCaption && !window.MaximizedMDIChild()) {
    const int textWidth = std::clamp(options.CaptionWidth, 0, TitleTextRoom(metrics, skin, window).textRoom);
    const TFrameCursor cursor = options.Cursor.value_or(TFrameCursor{kFarAway, kFarAway});
    const TPoint at = FramePointOfClient(metrics, window, cursor.x, cursor.y);
    ComposeTitle(images, metrics, skin, window, TitleLayout(metrics, skin, window, textWidth),
                 TitleButtonLayout(metrics, skin, window), at.x, at.y, options.Pressed, title);
    CopyWhole(picture, 0, 0, FrameOutputBuffer(title, skin.TitleNeedsRegion, metrics, titleRegion));
  }

  // Sides, bottom, then the gap fills, which on a very low window may reach into the bottom.
  const TBorderLayout borders = BorderLayout(metrics, skin, window);
  TBitmap bottom, bottomRegion;
  if (borders.visible) {
    DrawFramePieces(images, picture, borders.sides);
    ComposeBottom(images, borders, bottom);
    CopyWhole(picture, 0, borders.bottomY,
              FrameOutputBuffer(bottom, skin.BottomNeedsRegion, metrics, bottomRegion));
    DrawFrameFills(picture, borders.gapFills);
  }

  PaintOutsideRegion(picture, FrameRegion(metrics, skin, title, bottom, W, H), options.OutsideColor);
  return picture;
}

}  // namespace zentavo
