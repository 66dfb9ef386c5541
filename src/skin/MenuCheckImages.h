#pragma once
#include <vector>

#include "framework/Bitmap.h"

namespace zentavo {

// The pictures the menus draw for a checked item: image 0 is the check mark. Each picture
// keeps the colour that stands for "transparent" in it. One list serves every engine; the
// skin's own mark replaces image 0 when a skin brings one.
class TMenuCheckImages {
 public:
  // Starts with the built-in mark: a 16 x 16 green tick with a grey shadow on white, white
  // being its transparent colour.
  TMenuCheckImages();

  int Count() const { return static_cast<int>(images_.size()); }
  const TBitmap& Image(int index) const { return images_.at(index).bitmap; }
  TColor MaskColor(int index) const { return images_.at(index).mask; }
  void Delete(int index);
  int Add(const TBitmap& bitmap, TColor mask);

 private:
  struct Entry {
    TBitmap bitmap;
    TColor mask;
  };
  std::vector<Entry> images_;
};

// The built-in mark, drawn in code.
TBitmap DefaultMenuCheckMark();
constexpr TColor kCheckMarkGreen = RGBColor(0, 128, 0);
constexpr TColor kCheckMarkShadow = RGBColor(128, 128, 128);

// The one list of the program.
TMenuCheckImages& MenuCheckImages();

}  // namespace zentavo
