#pragma once
#include <windows.h>

#include <string>

#include "framework/Color.h"
#include "framework/win/Handles.h"

namespace zentavo {

// A control's font description; the GDI font is made on first use and again after a
// change, and freed with the TFont.
class TFont {
 public:
  TFont();
  TFont(const TFont& other);
  TFont& operator=(const TFont& other);

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  int Height() const { return height_; }  // negative: character height in pixels
  void SetHeight(int height);
  bool Bold() const { return bold_; }
  void SetBold(bool bold);
  TColor Color = clWindowText;

  HFONT Handle() const;

 private:
  std::string name_;
  int height_;
  bool bold_ = false;
  mutable FontHandle handle_;
};

// The colour a TColor stands for, with system colours resolved.
COLORREF ColorToRGB(TColor color);

}  // namespace zentavo
