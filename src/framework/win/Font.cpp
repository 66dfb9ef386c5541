#include "framework/win/Font.h"

#include "framework/win/WideText.h"

namespace zentavo {

// Tahoma 8 points at 96 dpi; the prefix links it to a CJK font so Chinese shows too.
TFont::TFont() : name_("Tahoma"), height_(-11) {}

TFont::TFont(const TFont& other)
    : Color(other.Color), name_(other.name_), height_(other.height_), bold_(other.bold_) {}

TFont& TFont::operator=(const TFont& other) {
  if (this != &other) {
    name_ = other.name_;
    height_ = other.height_;
    bold_ = other.bold_;
    Color = other.Color;
    handle_.reset();
  }
  return *this;
}

void TFont::SetName(const std::string& name) {
  name_ = name;
  handle_.reset();
}

void TFont::SetHeight(int height) {
  height_ = height;
  handle_.reset();
}

void TFont::SetBold(bool bold) {
  bold_ = bold;
  handle_.reset();
}

HFONT TFont::Handle() const {
  if (!handle_) {
    LOGFONTW font{};
    font.lfHeight = height_;
    font.lfWeight = bold_ ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    std::wstring face = Widen(name_);
    wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    handle_.reset(CreateFontIndirectW(&font));
  }
  return handle_.get();
}

COLORREF ColorToRGB(TColor color) {
  if (IsSystemColor(color)) return GetSysColor(static_cast<int>(color & 0xFF));
  return static_cast<COLORREF>(color & 0x00FFFFFF);
}

}  // namespace zentavo
