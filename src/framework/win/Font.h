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
  bool Italic() const { return logFont_.lfItalic != 0; }
  void SetItalic(bool italic);
  bool Underline() const { return logFont_.lfUnderline != 0; }
  void SetUnderline(bool underline);
  TColor Color = clWindowText;

  // The whole description as the system gives it (the caption and menu fonts of the
  // non-client metrics); the colour stays.
  void Assign(const LOGFONTW& font);
  LOGFONTW LogFont() const;

  HFONT Handle() const;

 private:
  std::string name_;
  int height_;
  bool bold_ = false;
  LOGFONTW logFont_{};  // the rest of the description: width, italic, charset, quality, …
  mutable FontHandle handle_;
};

// The fonts of the system's window frames and menus (non-client metrics).
enum class TSystemFont { Caption, SmallCaption, Menu, Status, Message };
// False, with font untouched, when the system does not answer.
bool ReadSystemFont(TSystemFont which, LOGFONTW& font);
// The same, with the default GUI font when the system does not answer.
LOGFONTW SystemFont(TSystemFont which);

// The colour a TColor stands for, with system colours resolved.
COLORREF ColorToRGB(TColor color);

}  // namespace zentavo
