#pragma once
#include <array>
#include <optional>

#include "framework/Bitmap.h"
#include "skin/SuiSkinReader.h"

namespace zentavo {

// Images cut from the loaded skin once per skin load, so that painters need not cut them on
// every paint. Painters read the sets and never change them.
class TsuiSkinRes {
 public:
  virtual ~TsuiSkinRes() = default;

  // Remembers the reader (not owned) and rebuilds from it.
  void Load(const TsuiSkinReader* reader) {
    reader_ = reader;
    Rebuild();
  }
  virtual void Rebuild() {}
  const TsuiSkinReader* Reader() const { return reader_; }

 protected:
  // The reader when it holds a skin, else none.
  const TsuiSkinReader* LoadedReader() const { return reader_ && reader_->Loaded() ? reader_ : nullptr; }

 private:
  const TsuiSkinReader* reader_ = nullptr;
};

// The scroll bar images. Index 0..4 of the thumb pieces: top cap, upper filler, grip, lower
// filler, bottom cap (left cap .. right cap when horizontal). Transparent pixels of the
// arrows and pieces are already in the scroll bar colour.
class TsuiSkinScrollBtnRes : public TsuiSkinRes {
 public:
  void Rebuild() override;

  TBitmap VertUpArrow, VertDownArrow;     // frame 1 of the three-state arrow strips
  TBitmap HorzLeftArrow, HorzRightArrow;  // the same turned a quarter anticlockwise
  std::array<TBitmap, 5> VertThumbPieces;
  std::array<TBitmap, 5> HorzThumbPieces;
  // The whole thumb and its turned copy, for the one skin family whose thumb is not cut.
  std::optional<TBitmap> SpecialThumb, SpecialThumbHorz;
  bool HasSpecialThumb = false;
  // The thumb bitmap's width: the scroll bars' thickness (before their 16-pixel limit).
  // Kept from the previous skin when a skin has no thumb.
  int ThumbWidth = 0;
};

// The progress bar images: left cap, filled part, empty part, right cap; the vertical ones
// turned a quarter anticlockwise (bottom cap, filled, empty, top cap).
class TsuiSkinProgressBarRes : public TsuiSkinRes {
 public:
  void Rebuild() override;

  std::array<TBitmap, 4> HorzImages;
  std::array<TBitmap, 4> VertImages;
  int LeftCapWidth = 0;
  int RightCapWidth = 0;
};

}  // namespace zentavo
