#include "skin/FrameComposer.h"

#include "skin/RegionRuns.h"
#include "skin/SkinBlit.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinImages.h"
#include "skin/SkinPieces.h"

namespace zentavo {

namespace {

constexpr int kFrameImageKeys[kFrameImageCount] = {
    SKIN2_TITLEBAR1,         SKIN2_TITLEBAR2,         SKIN2_TITLEBAR3,         SKIN2_TITLEBAR4,
    SKIN2_TITLEBAR5,         SKIN2_MINIMIZEDTITLE,    SKIN2_FORMLEFTBORDER,    SKIN2_FORMRIGHTBORDER,
    SKIN2_FORMBOTTOMBORDER1, SKIN2_FORMBOTTOMBORDER2, SKIN2_FORMBOTTOMBORDER3, SKIN2_TITLEBUTTONS,
};

}  // namespace

TFrameImages ReadFrameImages(const TsuiSkinReader& reader) {
  TFrameImages out;
  for (int i = 0; i < kFrameImageCount; ++i) out.bitmaps[i] = reader.GetBitmap(kFrameImageKeys[i]);
  return out;
}

TFrameSkin FrameSkinOfImages(const TFrameImages& images) {
  TFrameSkin skin;
  for (int i = 0; i < kFrameImageCount; ++i)
    if (const TBitmap* b = images.bitmaps[i]) skin.sizes[i] = {b->Width(), b->Height()};
  return skin;
}

TFrameSkin ReadFrameSkin(const TsuiSkinReader& reader, const TFrameImages& images) {
  TFrameSkin skin = FrameSkinOfImages(images);
  skin.TitleFiveSect = reader.GetFlag(SKIN2_TITLEFIVESECT) != 0;
  skin.BottomThreeSect = reader.GetFlag(SKIN2_BOTTOMBORDERTHREESECT) != 0;
  skin.TitleButtonsTransparent = reader.GetFlag(SKIN2_TITLEBTNTRANS) != 0;
  skin.TitleNeedsRegion = reader.GetFlag(SKIN2_TITLEBARNEEDREGION) != 0;
  skin.BottomNeedsRegion = reader.GetFlag(SKIN2_BOTTOMBORDERNEEDREGION) != 0;
  return skin;
}

void DrawFramePieces(const TFrameImages& images, TBitmap& canvas, const std::vector<TFramePiece>& pieces,
                     int dx, int dy) {
  for (const TFramePiece& p : pieces) {
    const TBitmap* b = images.Get(p.image);
    if (!b) continue;
    const TRect to{p.dest.left + dx, p.dest.top + dy, p.dest.right + dx, p.dest.bottom + dy};
    StretchBitmapRect(canvas, to, *b, {0, 0, b->Width(), b->Height()});
  }
}

void DrawFrameFills(TBitmap& canvas, const std::vector<TFrameFill>& fills, int dx, int dy) {
  for (const TFrameFill& f : fills)
    FillRectColor(canvas, {f.rect.left + dx, f.rect.top + dy, f.rect.right + dx, f.rect.bottom + dy},
                  f.color);
}

TTitlePaint ComposeTitle(const TFrameImages& images, const TSkinMetrics& metrics, const TFrameSkin& skin,
                         const TFrameWindow& window, const TTitleLayout& layout, const TTitleButtons& buttons,
                         int cursorX, int cursorY, bool pressed, TBitmap& buffer) {
  const TTitleText size = TitleTextRoom(metrics, skin, window);
  buffer.SetSize(std::max(size.bufferWidth, 0), std::max(size.bufferHeight, 0));
  buffer.Fill(metrics.FormColor);
  DrawFramePieces(images, buffer, layout.pieces);
  DrawFrameFills(buffer, layout.fills);

  TTitlePaint out;
  out.hotButton = HitTestTitle(buttons, cursorX, cursorY);
  const TBitmap* strip = images.Get(TFrameImage::TitleButtons);
  const TColor mask = skin.TitleButtonsTransparent ? metrics.TransparentColor : kNoMask;
  TBitmap face;
  for (const TTitleButton& b : buttons.buttons) {
    switch (b.element) {
      case kCloseElement:
        out.closeDrawn = true;
        break;
      case kMaximizeElement:
        out.maximizeDrawn = true;
        break;
      case kMinimizeElement:
        out.minimizeDrawn = true;
        break;
      default:
        break;
    }
    const bool hot = PointInRect(cursorX, cursorY, b.hitRect);
    CutStateImage(strip, face, kTitleButtonFrames, ButtonFrame(b, hot, pressed));
    if (!face.Empty())
      DrawBitmapRect(buffer, b.rect.left, b.rect.top, face, {0, 0, face.Width(), face.Height()}, mask);
  }
  return out;
}

void ComposeBottom(const TFrameImages& images, const TBorderLayout& layout, TBitmap& buffer) {
  if (!layout.visible) return;
  buffer.SetSize(std::max(layout.bottomWidth, 0), std::max(layout.bottomHeight, 0));
  if (layout.bottomFromThirds)
    DrawHorzThreePart(images.Get(TFrameImage::Bottom1), buffer,
                      {0, 0, layout.bottomWidth, layout.bottomHeight}, kNoMask, false);
  else
    DrawFramePieces(images, buffer, layout.bottom);
}

void DrawSideBorders(const TFrameImages& images, const TBorderLayout& layout, TBitmap& window) {
  if (!layout.visible) return;
  DrawFramePieces(images, window, layout.sides);
  DrawFrameFills(window, layout.gapFills);
}

void ComposeRegionBuffer(const TBitmap& buffer, TColor formColor, TColor transparentColor, TBitmap& out) {
  out.SetSize(buffer.Width(), buffer.Height());
  out.Fill(formColor);
  DrawBitmapRect(out, 0, 0, buffer, {0, 0, buffer.Width(), buffer.Height()}, transparentColor);
}

const TBitmap& FrameOutputBuffer(const TBitmap& buffer, bool needsRegion, const TSkinMetrics& metrics,
                                 TBitmap& regionBuffer) {
  if (!needsRegion) return buffer;
  ComposeRegionBuffer(buffer, metrics.FormColor, metrics.TransparentColor, regionBuffer);
  return regionBuffer;
}

std::vector<TRect> FrameRegion(const TSkinMetrics& metrics, const TFrameSkin& skin, const TBitmap& title,
                               const TBitmap& bottom, int width, int height) {
  if (!skin.TitleNeedsRegion && !skin.BottomNeedsRegion) return {{0, 0, width, height}};
  TWindowRegionInput in;
  in.titleImage = &title;
  in.bottomImage = &bottom;
  in.width = width;
  in.height = height;
  in.transColor = metrics.TransparentColor;
  in.titleMinY = metrics.TitleRegionMinY;
  in.titleMaxY = metrics.TitleRegionMaxY;
  in.bottomMinY = metrics.BottomRegionMinY;
  in.bottomMaxY = metrics.BottomRegionMaxY;
  in.useTitle = skin.TitleNeedsRegion;
  in.useBottom = skin.BottomNeedsRegion;
  return BuildWindowRegion(in);
}

}  // namespace zentavo
