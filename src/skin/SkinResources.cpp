#include "skin/SkinResources.h"

#include "skin/SkinBlit.h"
#include "skin/SkinImages.h"

namespace zentavo {

namespace {

TBitmap TurnedLeft(TBitmap bitmap) {
  RotateQuarterLeft(bitmap);
  return bitmap;
}

// One skin family draws its whole thumb unscaled; it is told by its colours.
bool IsSpecialThumb(const TBitmap& thumb, TColor bar) {
  return bar == 0xCBCBCB && thumb.Height() == 33 && thumb.Width() > 1 && thumb.Pixel(1, 10) == 0xB23901;
}

}  // namespace

void TsuiSkinScrollBtnRes::Rebuild() {
  VertUpArrow = VertDownArrow = HorzLeftArrow = HorzRightArrow = TBitmap();
  VertThumbPieces = {};
  HorzThumbPieces = {};
  SpecialThumb.reset();
  SpecialThumbHorz.reset();
  HasSpecialThumb = false;  // no stale flag without its images
  const TsuiSkinReader* reader = LoadedReader();
  if (!reader) return;

  const TColor trans = reader->GetColor(SKIN2_TRANSCOLOR);
  const TColor bar = reader->GetColor(SKIN2_SCROLLBARCOLOR);
  CutStateImage(reader->GetBitmap(SKIN2_SCROLLBARUPBUTTON), VertUpArrow, 3, 1);
  CutStateImage(reader->GetBitmap(SKIN2_SCROLLBARDOWNBUTTON), VertDownArrow, 3, 1);
  HorzLeftArrow = TurnedLeft(VertUpArrow);
  HorzRightArrow = TurnedLeft(VertDownArrow);
  for (TBitmap* arrow : {&VertUpArrow, &VertDownArrow, &HorzLeftArrow, &HorzRightArrow})
    ReplaceColor(*arrow, trans, bar);

  const TBitmap* thumb = reader->GetBitmap(SKIN2_SCROLLBAR);
  if (!thumb) return;
  const int H = thumb->Height(), W = thumb->Width();
  if (IsSpecialThumb(*thumb, bar)) {
    HasSpecialThumb = true;
    SpecialThumb = *thumb;
    SpecialThumbHorz = TurnedLeft(*thumb);
  }

  // Caps of three rows, the rest in three parts, the grip taking what the division leaves;
  // the five pieces tile the thumb. A thumb too short for fillers gets one-row blank middles
  // in the bar colour. Caps of a thumb under three rows are what rows there are.
  auto& v = VertThumbPieces;
  v[0] = CopyBitmapRect(*thumb, {0, 0, W, 3});
  v[4] = CopyBitmapRect(*thumb, {0, H - 3, W, H});
  const int f = (H - 6) / 3;
  if (f > 0) {
    v[1] = CopyBitmapRect(*thumb, {0, 3, W, f + 3});
    v[2] = CopyBitmapRect(*thumb, {0, f + 3, W, H - f - 3});
    v[3] = CopyBitmapRect(*thumb, {0, H - f - 3, W, H - 3});
  } else {
    for (int i = 1; i <= 3; ++i) {
      v[i].SetSize(W, 1);
      if (bar >= 0 && bar <= 0xFFFFFF) v[i].Fill(bar);
    }
  }
  for (int i = 0; i < 5; ++i) {
    HorzThumbPieces[i] = TurnedLeft(v[i]);
    ReplaceColor(v[i], trans, bar);
    ReplaceColor(HorzThumbPieces[i], trans, bar);
  }
  ThumbWidth = W;
}

void TsuiSkinProgressBarRes::Rebuild() {
  HorzImages = {};
  VertImages = {};
  LeftCapWidth = RightCapWidth = 0;  // no widths left over from the previous skin
  const TsuiSkinReader* reader = LoadedReader();
  if (!reader) return;
  const int keys[4] = {SKIN2_PROGRESSBAR1, SKIN2_PROGRESSBAR2, SKIN2_PROGRESSBAR3, SKIN2_PROGRESSBAR4};
  for (int k = 0; k < 4; ++k) {
    if (const TBitmap* image = reader->GetBitmap(keys[k])) HorzImages[k] = *image;
    VertImages[k] = TurnedLeft(HorzImages[k]);
  }
  LeftCapWidth = HorzImages[0].Width();
  RightCapWidth = HorzImages[3].Width();
}

}  // namespace zentavo
