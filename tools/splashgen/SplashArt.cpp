#include "SplashArt.h"

#include <algorithm>
#include <cmath>

#include "PixelFont.h"

namespace zentavo::splash {

namespace {

// The card: a rounded rectangle a little inside the picture, so the outline stands free.
constexpr double kLeft = 6, kTop = 6, kRight = kWidth - 6, kBottom = kHeight - 6, kRadius = 30;
constexpr double kOutline = 3;

struct Rgb {
  double r, g, b;
};

Rgb Mix(const Rgb& a, const Rgb& b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Distance from the card's edge to a point: negative inside.
double CardDistance(double x, double y) {
  const double cx = (kLeft + kRight) / 2, cy = (kTop + kBottom) / 2;
  const double hx = (kRight - kLeft) / 2 - kRadius, hy = (kBottom - kTop) / 2 - kRadius;
  const double qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
  const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
  return outside + std::min(std::max(qx, qy), 0.0) - kRadius;
}

class Canvas {
 public:
  Canvas() : pixels_(static_cast<std::size_t>(kWidth) * kHeight, Rgb{128, 128, 128}) {}
  Rgb& At(int x, int y) { return pixels_[static_cast<std::size_t>(y) * kWidth + x]; }

  // Lays colour over the card where the mask covers it, the mask's top left at (left, top).
  void Paint(const Mask& mask, int left, int top, const Rgb& colour, double opacity = 1.0) {
    for (int y = 0; y < mask.height; ++y)
      for (int x = 0; x < mask.width; ++x) {
        const int px = left + x, py = top + y;
        if (px < 0 || py < 0 || px >= kWidth || py >= kHeight || !InsideCard(px, py)) continue;
        const double cover = mask.At(x, y) * opacity;
        if (cover > 0) At(px, py) = Mix(At(px, py), colour, cover);
      }
  }

  TBitmap ToBitmap() {
    TBitmap picture(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) {
        if (!InsideCard(x, y)) {
          picture.SetPixel(x, y, kSeeThrough);
          continue;
        }
        const Rgb& c = At(x, y);
        auto channel = [](double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); };
        TColor colour = RGBColor(channel(c.r), channel(c.g), channel(c.b));
        // The card must not have a see-through hole where a blend happens to hit the grey.
        if (colour == kSeeThrough) colour = RGBColor(128, 128, 129);
        picture.SetPixel(x, y, colour);
      }
    return picture;
  }

 private:
  std::vector<Rgb> pixels_;
};

// A mask of a filled shape given by a coverage function over pixel centres, supersampled.
template <class Inside>
Mask ShapeMask(int width, int height, Inside inside) {
  Mask mask(width, height);
  constexpr int kSamples = 4;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      int hits = 0;
      for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx)
          hits += inside(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples);
      mask.Ref(x, y) = static_cast<float>(hits) / (kSamples * kSamples);
    }
  return mask;
}

const Rgb kDeepTop{30, 86, 128}, kDeepBottom{12, 38, 66}, kOutlineColour{222, 186, 92};
const Rgb kWhite{255, 255, 255}, kShadow{4, 16, 30}, kGold{236, 200, 110}, kMist{196, 222, 242};

void DrawCard(Canvas& canvas) {
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      if (!InsideCard(x, y)) continue;
      const double d = CardDistance(x + 0.5, y + 0.5);
      // A deep blue lit from the upper left.
      const double t =
          std::clamp((y - kTop) / (kBottom - kTop) * 0.8 + (x - kLeft) / (kRight - kLeft) * 0.2, 0.0, 1.0);
      Rgb fill = Mix(kDeepTop, kDeepBottom, t);
      // The outline, its inner edge smoothed into the fill; the outer edge is the picture's
      // edge and stays hard (the window shows what is behind it, not the grey).
      const double band = std::clamp(-d - kOutline, 0.0, 1.0);
      canvas.At(x, y) = Mix(kOutlineColour, fill, band);
    }
}

// Coins standing in a row as a rising bar chart: the program counts money.
void DrawEmblem(Canvas& canvas) {
  const int baseY = 268;
  const int heights[] = {26, 42, 60, 84};
  for (int i = 0; i < 4; ++i) {
    const int left = 300 + i * 24;
    const Mask bar = ShapeMask(18, heights[i], [&](double x, double y) {
      const double r = 4;
      const double qx = std::abs(x - 9) - (9 - r),
                   qy = std::abs(y - heights[i] / 2.0) - (heights[i] / 2.0 - r);
      return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) <= r;
    });
    canvas.Paint(bar, left, baseY - heights[i], kWhite, 0.10 + 0.04 * i);
  }
  const Mask ring = ShapeMask(120, 120, [](double x, double y) {
    const double r = std::hypot(x - 60, y - 60);
    return r <= 58 && r >= 50;
  });
  canvas.Paint(ring, 330, -34, kWhite, 0.07);
  const Mask disc = ShapeMask(70, 70, [](double x, double y) { return std::hypot(x - 35, y - 35) <= 34; });
  canvas.Paint(disc, 18, 226, kWhite, 0.05);
}

// Text centred on the card at the given top, with a soft shadow below it.
void DrawCentred(Canvas& canvas, const Mask& text, int top, const Rgb& colour, bool shadow) {
  const int left = (kWidth - text.width) / 2;
  if (shadow) canvas.Paint(text, left + 2, top + 3, kShadow, 0.55);
  canvas.Paint(text, left, top, colour);
}

}  // namespace

bool InsideCard(int x, int y) {
  return CardDistance(x + 0.5, y + 0.5) < 0;
}

TBitmap DrawSplash(Language language) {
  Canvas canvas;
  DrawCard(canvas);
  DrawEmblem(canvas);
  // 12 grid rows at 5 pixels: letters 60 pixels high.
  DrawCentred(canvas, SmoothText(TitleFont(), U"Zentavo", 60, 3, 1), 58, kWhite, true);
  const Mask rule = ShapeMask(200, 3, [](double, double) { return true; });
  canvas.Paint(rule, (kWidth - 200) / 2, 148, kGold, 0.9);
  if (language == Language::English) {
    DrawCentred(canvas, SmoothText(SmallFont(), U"Personal income & expenses", 22, 3, 1), 166, kMist, false);
  } else {
    DrawCentred(canvas, SmoothText(ChineseFont(), U"\u4E2A\u4EBA\u8BB0\u8D26", 40, 3, 2), 162, kGold, true);
  }
  return canvas.ToBitmap();
}

}  // namespace zentavo::splash
