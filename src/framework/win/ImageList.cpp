#include "framework/win/ImageList.h"

#include "framework/win/Canvas.h"
#include "framework/win/Font.h"
#include "core/Error.h"
#include "framework/win/Win32Error.h"

namespace zentavo {

TImageList::TImageList(TComponent* owner, int width, int height)
    : TComponent(owner), width_(width), height_(height) {
  list_.reset(ImageList_Create(width_, height_, ILC_COLOR24 | ILC_MASK, 4, 4));
  if (!list_) throw Win32Error("Cannot make an image list");
}

int TImageList::Count() const { return ImageList_GetImageCount(list_.get()); }

int TImageList::AddMasked(const TBitmap& strip, TColor maskColor) {
  if (strip.Empty() || strip.Height() != height_ || strip.Width() % width_ != 0)
    throw Error("A picture strip for the image list must be " + std::to_string(height_) +
                " pixels high and a multiple of " + std::to_string(width_) + " wide");
  TBitmapDc pictures(strip);
  // The image list copies the pixels; the bitmap must not be selected meanwhile.
  const int first = Count();
  HBITMAP copy = static_cast<HBITMAP>(CopyImage(pictures.Bitmap(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  BitmapHandle owned(copy);
  if (!owned || ImageList_AddMasked(list_.get(), owned.get(), ColorToRGB(maskColor)) < 0)
    throw Win32Error("Cannot add pictures to the image list");
  return first;
}

void TImageList::Delete(int index) {
  if (index >= 0 && index < Count()) ImageList_Remove(list_.get(), index);
}

void TImageList::Clear() { ImageList_RemoveAll(list_.get()); }

void TImageList::Draw(HDC dc, int x, int y, int index, bool enabled) const {
  if (index < 0 || index >= Count()) return;
  ImageList_DrawEx(list_.get(), index, dc, x, y, 0, 0, CLR_NONE, CLR_DEFAULT,
                   enabled ? ILD_TRANSPARENT : ILD_TRANSPARENT | ILD_BLEND50);
}

}  // namespace zentavo
