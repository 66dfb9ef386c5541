#include "skin/FrameGeometry.h"

#include <algorithm>

#include "skin/SkinGeometry.h"

namespace zentavo {

namespace {

// The client area never comes nearer than this to the left, right and bottom edges.
constexpr int kMinInset = 4;
// Room the icon takes before the caption.
constexpr int kIconRoom = 18;
constexpr int kIconSize = 16;
constexpr TColor kGapLineGrey = 0x808080;
constexpr TColor kGapLineWhite = 0xFFFFFF;

int ButtonCount(const TFrameWindow& window) {
  return int(window.HasClose) + int(window.HasMaximize) + int(window.HasMinimize);
}

int TitleBufferHeight(const TSkinMetrics& metrics, const TFrameWindow& window) {
  return std::max(TitleHeight(metrics, window), window.NativeCaptionHeight);
}

// The row of the icon, and of the buttons of a minimized window. A minimized title is
// about 26 rows high whatever the skin, so its buttons are centred on that; a normal icon
// keeps off the top edge.
int IconRow(const TSkinMetrics& metrics, const TFrameSkin& skin, const TFrameWindow& window) {
  if (window.Minimized) {
    const int bh = skin.ButtonHeight();
    int y0 = std::max((26 - bh) / 2, 0);
    if (bh + y0 < 22) y0 += 2;
    return y0;
  }
  return metrics.IconPosY <= 3 ? 4 : metrics.IconPosY;
}

int CaptionStart(const TSkinMetrics& metrics) {
  return metrics.IconPosX + kIconRoom;
}

int TitleButtonArea(const TFrameSkin& skin, const TFrameWindow& window) {
  int area = ButtonArea(skin, window);
  // Five-section titles put piece 3 between the caption and the buttons.
  if (skin.TitleFiveSect && !window.Minimized) area += skin.W(TFrameImage::Title3);
  return area;
}

}  // namespace

int TitleHeight(const TSkinMetrics& metrics, const TFrameWindow& window) {
  return window.HasCaption && window.Skinned ? metrics.SkinTitleHeight : 0;
}

int FormNativeCaptionHeight(int formHeight, int clientHeight, bool hasMainMenu, bool isMDIChild) {
  const int menuRow = hasMainMenu && !isMDIChild ? 20 : 0;
  return std::max(formHeight - clientHeight - menuRow - 4, 23);
}

int ForeignNativeCaptionHeight(int windowHeight, int clientHeight) {
  return windowHeight - clientHeight;
}

TNcCalcResult NcCalcClientRect(const TSkinMetrics& metrics, const TFrameWindow& window, const TRect& computed,
                               int x, int y, int cx, int cy) {
  TNcCalcResult out{computed, window.ExtraBand, false};
  // A foreign window's metrics are not known before it is initialized.
  if (window.IsForeign && !window.Initialized) return out;
  out.changed = true;
  TRect& r = out.client;
  const int T = TitleHeight(metrics, window);
  const int O = window.NativeCaptionHeight;
  // The band only exists while the native caption is the taller; any other answer clears
  // it, so a band left from an earlier layout is never painted over the client.
  out.extraBand = 0;
  if (window.MaximizedMDIChild()) {
    r.top = 0;
  } else if (T == 0) {
    r.top = y;
  } else if (O > 0) {
    out.extraBand = O > T ? O - T : 0;
    r.top = y + std::max(T, O);
  }
  if (window.HasBorder) {
    r.right = x + cx - std::max(metrics.RightBorderWidth, kMinInset);
    r.left = x + std::max(metrics.LeftBorderWidth, kMinInset);
    if (O > 0) r.bottom = y + cy - std::max(metrics.BottomBorderHeight, kMinInset);
  } else {
    r.right = x + cx;
    r.left = x;
    if (O > 0) r.bottom = y + cy;
  }
  // A window smaller than its frame gets an empty client area, never an inverted one.
  r.right = std::max(r.right, r.left);
  r.bottom = std::max(r.bottom, r.top);
  return out;
}

int ButtonArea(int buttonCount, int buttonWidth) {
  return buttonWidth * buttonCount + 2 * (buttonCount - 1) + 15;
}

int ButtonArea(const TFrameSkin& skin, const TFrameWindow& window) {
  return ButtonArea(ButtonCount(window), skin.ButtonWidth());
}

TTitleText TitleTextRoom(const TSkinMetrics& metrics, const TFrameSkin& skin, const TFrameWindow& window) {
  TTitleText out;
  out.bufferWidth = window.Width;
  out.bufferHeight = TitleBufferHeight(metrics, window);
  out.captionX = CaptionStart(metrics);
  out.textRoom = std::max(0, window.Width - out.captionX - TitleButtonArea(skin, window) - 4);
  return out;
}

TTitleLayout TitleLayout(const TSkinMetrics& metrics, const TFrameSkin& skin, const TFrameWindow& window,
                         int textWidth) {
  using enum TFrameImage;
  TTitleLayout out;
  const int W = window.Width;
  const int Hb = TitleBufferHeight(metrics, window);
  const int captionX = CaptionStart(metrics);
  // The pieces are laid out as if an icon were there; only the text moves into its place.
  out.captionX = window.HasIcon ? captionX : captionX - kIconRoom;
  out.captionY = window.Minimized ? 4 : metrics.CaptionTop;
  out.iconX = std::max(metrics.IconPosX, 0);
  out.iconY = IconRow(metrics, skin, window);

  if (window.Minimized) {
    out.pieces.push_back({MinimizedTitle, {0, 0, W, window.Height}});
    return out;
  }
  const auto natural = [&](TFrameImage image, int x) {
    out.pieces.push_back({image, Bounds(x, 0, skin.W(image), skin.H(image))});
  };
  const TFrameImage rightEnd = skin.TitleFiveSect ? Title5 : Title3;
  const int xr = W - skin.W(rightEnd);
  natural(rightEnd, xr);
  natural(Title1, 0);
  int x = skin.W(Title1);
  TFrameImage filler = Title2;
  if (skin.TitleFiveSect) {
    // Piece 2 runs under the caption; piece 3 closes it just after the text.
    const int te = captionX + textWidth;
    out.pieces.push_back({Title2, {x, 0, te + 2, skin.H(Title2)}});
    natural(Title3, te + 2);
    x = te + 2 + skin.W(Title3);
    filler = Title4;
  }
  if (x < xr) out.pieces.push_back({filler, {x, 0, xr, skin.H(filler)}});
  TFrameImage last = filler;
  if (W - TitleButtonArea(skin, window) < skin.W(Title1)) {
    // Too narrow for the left piece and the buttons: the left piece is squeezed in front
    // of the right end.
    natural(rightEnd, xr);
    out.pieces.push_back({Title1, {0, 0, xr, Hb}});
    last = Title1;
  }
  const int h = skin.H(last);
  if (h < Hb) {
    if (window.HasBorder)
      out.fills.push_back({{metrics.LeftBorderWidth, h + window.ExtraBand, W - metrics.RightBorderWidth, Hb},
                           metrics.FormColor});
    else
      out.fills.push_back({{0, h, W, Hb}, metrics.FormColor});
  }
  return out;
}

TTitleButtons TitleButtonLayout(const TSkinMetrics& metrics, const TFrameSkin& skin,
                                const TFrameWindow& window) {
  TTitleButtons out;
  const int bw = skin.ButtonWidth(), bh = skin.ButtonHeight();
  const int y0 = IconRow(metrics, skin, window);
  if (window.HasIcon) {
    const int xi = std::max(metrics.IconPosX, 0);
    out.hasIconHit = true;
    out.iconHitRect = {xi, y0, xi + kIconSize - 1, y0 + kIconSize - 1};
  }
  int x = window.Minimized ? window.Width - bw - 5 : window.Width - metrics.ButtonPosX - bw;
  const int row = window.Minimized ? y0 : metrics.ButtonPosY;
  const auto add = [&](int element, int normal) {
    out.buttons.push_back({element,
                           Bounds(x, row, bw, bh),
                           {x, row, x + bw - 1, row + bh - 1},
                           {normal, normal + 1, normal + 2}});
    x -= bw + 2;
  };
  if (window.HasClose) add(kCloseElement, 16);
  if (window.HasMaximize) add(kMaximizeElement, window.Maximized ? 10 : 7);
  if (window.HasMinimize) add(kMinimizeElement, 13);
  if (window.HasHelp) add(kHelpElement, 4);
  return out;
}

TPoint FramePointOfClient(const TSkinMetrics& metrics, const TFrameWindow& window, int clientX, int clientY) {
  const int T = TitleHeight(metrics, window);
  const TRect client =
      NcCalcClientRect(metrics, window, {0, T, window.Width, window.Height}, 0, 0, window.Width, window.Height).client;
  return TPoint{clientX + client.left, clientY + client.top};
}

int HitTestTitle(const TTitleButtons& layout, int x, int y) {
  int hit = kNoElement;
  if (layout.hasIconHit && PointInRect(x, y, layout.iconHitRect)) hit = kIconElement;
  for (const TTitleButton& b : layout.buttons)
    if (PointInRect(x, y, b.hitRect)) hit = b.element;
  return hit;
}

int ButtonFrame(const TTitleButton& button, bool hot, bool pressed) {
  return button.frames[hot ? (pressed ? 2 : 1) : 0];
}

TBorderLayout BorderLayout(const TSkinMetrics& metrics, const TFrameSkin& skin, const TFrameWindow& window) {
  using enum TFrameImage;
  TBorderLayout out;
  out.visible = window.HasBorder && !window.Minimized;
  if (!out.visible) return out;
  const int W = window.Width, H = window.Height;
  const int L = metrics.LeftBorderWidth, R = metrics.RightBorderWidth, B = metrics.BottomBorderHeight;
  const int T = TitleHeight(metrics, window);
  const int E = window.ExtraBand, M = window.MenuBarHeight;
  const int t = window.MaximizedMDIChild() ? 0 : T;
  out.sides.push_back({LeftBorder, {0, t, skin.W(LeftBorder), H - B}});
  out.sides.push_back({RightBorder, {W - skin.W(RightBorder), t, W, H - B}});

  out.bottomWidth = W;
  out.bottomHeight = skin.H(Bottom1);
  out.bottomY = H - B;
  if (skin.BottomThreeSect) {
    const int w1 = skin.W(Bottom1), w3 = skin.W(Bottom3);
    out.bottom.push_back({Bottom1, Bounds(0, 0, w1, skin.H(Bottom1))});
    out.bottom.push_back({Bottom3, Bounds(W - w3, 0, w3, skin.H(Bottom3))});
    out.bottom.push_back({Bottom2, {w1, 0, W - w3, skin.H(Bottom1)}});
  } else {
    out.bottomFromThirds = true;
  }

  // The client keeps kMinInset pixels from the edges; where the skin's border is thinner
  // the gap is painted here. Beside the menu bar it takes the menu bar's colour with a
  // grey and a white line under the bar; the lines and the form colour start below the
  // menu bar, band included.
  const TColor menu = metrics.MenuColors[0];
  const int menuTop = T + E, below = T + E + M;
  const auto side = [&](int left, int right) {
    out.gapFills.push_back({{left, below, right, H - B}, metrics.FormColor});
    if (M > 0) {
      out.gapFills.push_back({{left, menuTop, right, below}, menu});
      if (menu != metrics.FormColor) {
        out.gapFills.push_back({{left, below, right, below + 1}, kGapLineGrey});
        out.gapFills.push_back({{left, below + 1, right, below + 2}, kGapLineWhite});
      }
    }
    if (E > 0) out.gapFills.push_back({{L, T, W - R, T + E}, menu});
  };
  if (L < kMinInset) side(L, kMinInset);
  if (B < kMinInset) out.gapFills.push_back({{L, H - kMinInset, W - R, H - B}, metrics.FormColor});
  if (R < kMinInset) side(W - kMinInset, W - R);
  return out;
}

}  // namespace zentavo
