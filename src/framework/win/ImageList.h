#pragma once
#include <windows.h>
#include <commctrl.h>

#include "framework/Bitmap.h"
#include "framework/Component.h"
#include "framework/win/Handles.h"

namespace zentavo {

struct ImageListTraits {
  using Handle = HIMAGELIST;
  static constexpr HandleKind kind = HandleKind::Gdi;
  static bool Free(HIMAGELIST list) { return ImageList_Destroy(list) != FALSE; }
};
using ImageListHandle = UniqueHandle<ImageListTraits>;

// Pictures of one size for menus, tool bars and buttons, each with a mask made from a
// colour that stands for "transparent".
class TImageList : public TComponent {
  ZENTAVO_CLASS(TImageList, TComponent)
 public:
  explicit TImageList(TComponent* owner, int width = 16, int height = 16);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const;
  // Adds every picture of a strip (its width a multiple of Width()); pixels of maskColor
  // become transparent. Returns the index of the first one added.
  int AddMasked(const TBitmap& strip, TColor maskColor);
  // Removes one picture; the ones after it move up by one.
  void Delete(int index);
  void Clear();
  // Draws a picture; a disabled one is drawn faded.
  void Draw(HDC dc, int x, int y, int index, bool enabled = true) const;
  HIMAGELIST Handle() const { return list_.get(); }

 private:
  int width_, height_;
  ImageListHandle list_;
};

}  // namespace zentavo
