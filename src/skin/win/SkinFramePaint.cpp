// The skinned frame's pictures: the non-client sizing, the paint of title, buttons and
// borders, and the window's shape. The pictures are composed by the portable frame code;
// only the caption text and the icon are drawn with GDI.
#include <algorithm>

#include "framework/win/Canvas.h"
#include "framework/win/Font.h"
#include "framework/win/Handles.h"
#include "framework/win/WideText.h"
#include "skin/SkinText.h"
#include "skin/win/SkinEngine.h"
#include "skin/win/SkinFrameWindow.h"
#include "skin/win/SkinRegion.h"
#include "skin/win/SkinSystem.h"

namespace zentavo {

namespace {

constexpr int kIconSize = 16;

// The icon shown when the window names none: the program's own, at title size.
HICON ProgramSmallIcon() {
  static HICON icon = static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, kIconSize, kIconSize, LR_SHARED));
  return icon;
}

// The part of a stretched piece that lands on the window, composed on its own and copied
// in one call: the same pixels the portable picture of the whole window gets.
void DrawPieceOnWindow(HDC dc, const TFrameImages& images, const TFramePiece& piece) {
  const int w = piece.dest.right - piece.dest.left;
  const int h = piece.dest.bottom - piece.dest.top;
  if (w <= 0 || h <= 0 || !images.Get(piece.image)) return;
  TBitmap part(w, h);
  DrawFramePieces(images, part, {piece}, -piece.dest.left, -piece.dest.top);
  DrawBitmap(dc, piece.dest.left, piece.dest.top, part);
}

void FillOnWindow(HDC dc, const TFrameFill& fill) {
  if (fill.rect.right <= fill.rect.left || fill.rect.bottom <= fill.rect.top) return;
  BrushHandle brush(CreateSolidBrush(ColorToRGB(fill.color)));
  const RECT r{fill.rect.left, fill.rect.top, fill.rect.right, fill.rect.bottom};
  ::FillRect(dc, &r, brush.get());
}

}  // namespace

void TsuiSkinFrameWindow::NcCalcSize(TMessage& message) {
  if (!message.WParam) {
    message.Result = 0;
    return;
  }
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam);
  if (!params || !params->lppos) return;
  const WINDOWPOS& pos = *params->lppos;
  const RECT& computed = params->rgrc[0];
  TFrameWindow state = FrameState();
  state.Width = pos.cx;
  state.Height = pos.cy;
  const TNcCalcResult answer =
      NcCalcClientRect(Engine().Metrics(), state, TRect{computed.left, computed.top, computed.right, computed.bottom},
                       pos.x, pos.y, pos.cx, pos.cy);
  if (!answer.changed) return;
  extraBand_ = answer.extraBand;
  params->rgrc[0] = RECT{answer.client.left, answer.client.top, answer.client.right, answer.client.bottom};
  params->rgrc[1] = params->rgrc[0];
  message.Result = WVR_VALIDRECTS;
}

void TsuiSkinFrameWindow::PaintFrame() {
  if (!Engine().IsSkinning() || !skinned_ || !IsWindow(WindowHandle())) return;
  const TFrameImages images = ReadFrameImages(Engine().Reader());
  const TFrameSkin skin = ReadFrameSkin(Engine().Reader(), images);
  const TFrameWindow state = FrameState();
  WindowDc dc(WindowHandle(), true);
  if (!dc.get()) return;
  if (hasCaption_ && !state.MaximizedMDIChild()) PaintTitle(dc.get(), images, skin, state);
  if (hasBorder_ && !state.Minimized) PaintBorders(dc.get(), images, skin, state);
}

void TsuiSkinFrameWindow::PaintTitle(HDC dc, const TFrameImages& images, const TFrameSkin& skin,
                               const TFrameWindow& state) {
  const TSkinMetrics& metrics = Engine().Metrics();
  TFont font;
  GetCaptionFont(font);

  // The caption, shortened to the room the title leaves it, measured in the caption font.
  MemoryDcHandle measure(CreateCompatibleDC(dc));
  const TTitleText room = TitleTextRoom(metrics, skin, state);
  std::string caption;
  int captionWidth = 0;
  {
    TCanvas canvas(measure.get());
    canvas.SetFont(font);
    const TTextWidth width = [&](std::string_view text) { return canvas.TextWidth(std::string(text)); };
    caption = EllipsizeUtf8Text(width, Narrow(WindowCaption()), room.textRoom);
    captionWidth = caption.empty() ? 0 : width(caption);
  }

  const TTitleLayout layout = TitleLayout(metrics, skin, state, captionWidth);
  const TTitleButtons buttons = TitleButtonLayout(metrics, skin, state);
  // The mouse in the window's own coordinates: the element hot is the one drawn under it.
  POINT cursor{};
  GetCursorPos(&cursor);
  RECT window{};
  GetWindowRect(WindowHandle(), &window);
  const TTitlePaint paint = ComposeTitle(images, metrics, skin, state, layout, buttons, cursor.x - window.left,
                                         cursor.y - window.top, buttonPressed_, titleBuffer_);
  hotButton_ = paint.hotButton;
  drawnButtons_ = TDrawnTitleButtons{paint.minimizeDrawn, paint.maximizeDrawn, paint.closeDrawn};

  const TBitmap& out = FrameOutputBuffer(titleBuffer_, skin.TitleNeedsRegion, metrics, titleRegionBuffer_);
  if (out.Empty()) return;

  // Icon and caption go on the composed picture, so the title reaches the screen in one copy.
  TBitmapDc picture(out);
  if (state.HasIcon) {
    HICON icon = GetWindowIcon();
    if (!icon) icon = ProgramSmallIcon();
    if (icon) DrawIconEx(picture.Dc(), layout.iconX, layout.iconY, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
  }
  if (!caption.empty()) {
    TCanvas canvas(picture.Dc());
    canvas.SetFont(font);
    canvas.SetTransparentText(true);
    canvas.SetTextColor(drawnActive_ ? metrics.TitleFontColor : TColor(GetSysColor(COLOR_INACTIVECAPTION)));
    canvas.TextOut(layout.captionX, layout.captionY, caption);
  }
  BitBlt(dc, 0, 0, picture.Width(), picture.Height(), picture.Dc(), 0, 0, SRCCOPY);
}

void TsuiSkinFrameWindow::PaintBorders(HDC dc, const TFrameImages& images, const TFrameSkin& skin,
                                 const TFrameWindow& state) {
  const TSkinMetrics& metrics = Engine().Metrics();
  const TBorderLayout layout = BorderLayout(metrics, skin, state);
  if (!layout.visible) return;
  for (const TFramePiece& piece : layout.sides) DrawPieceOnWindow(dc, images, piece);
  ComposeBottom(images, layout, bottomBuffer_);
  const TBitmap& out = FrameOutputBuffer(bottomBuffer_, skin.BottomNeedsRegion, metrics, bottomRegionBuffer_);
  if (!out.Empty()) DrawBitmap(dc, 0, layout.bottomY, out);
  for (const TFrameFill& fill : layout.gapFills) FillOnWindow(dc, fill);
}

void TsuiSkinFrameWindow::UpdateRegion() {
  HWND window = WindowHandle();
  if (IsWindows95() || !CanShapeWindow() || !IsWindow(window)) return;
  const int w = WindowWidth();
  const int h = WindowHeight();
  const TFrameImages images = ReadFrameImages(Engine().Reader());
  const TFrameSkin skin = ReadFrameSkin(Engine().Reader(), images);
  const TSkinMetrics& metrics = Engine().Metrics();
  if (skin.TitleNeedsRegion || skin.BottomNeedsRegion) {
    // The shape comes from the pictures of the last paint; ones of another size are
    // composed afresh first, or a grown window would lose the new part of its title.
    const TFrameWindow state = FrameState();
    if (titleBuffer_.Width() != w)
      ComposeTitle(images, metrics, skin, state, TitleLayout(metrics, skin, state, 0),
                   TitleButtonLayout(metrics, skin, state), -10000, -10000, false, titleBuffer_);
    if (bottomBuffer_.Width() != w) ComposeBottom(images, BorderLayout(metrics, skin, state), bottomBuffer_);
  }
  ApplyWindowRegion(window, FrameRegion(metrics, skin, titleBuffer_, bottomBuffer_, w, h));
}

}  // namespace zentavo
