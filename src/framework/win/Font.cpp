#include "framework/win/Font.h"

#include "framework/win/WideText.h"

namespace zentavo {

// Tahoma 8 points at 96 dpi; the prefix links it to a CJK font so Chinese shows too.
TFont::TFont() : name_("Tahoma"), height_(-11) {
  logFont_.lfCharSet = DEFAULT_CHARSET;
  logFont_.lfQuality = DEFAULT_QUALITY;
}

TFont::TFont(const TFont& other)
    : Color(other.Color), name_(other.name_), height_(other.height_), bold_(other.bold_), logFont_(other.logFont_) {}

TFont& TFont::operator=(const TFont& other) {
  if (this != &other) {
    name_ = other.name_;
    height_ = other.height_;
    bold_ = other.bold_;
    logFont_ = other.logFont_;
    Color = other.Color;
    handle_.reset();
  }
  return *this;
}

void TFont::SetItalic(bool italic) {
  logFont_.lfItalic = italic;
  handle_.reset();
}

void TFont::SetUnderline(bool underline) {
  logFont_.lfUnderline = underline;
  handle_.reset();
}

void TFont::Assign(const LOGFONTW& font) {
  logFont_ = font;
  name_ = Narrow(std::wstring(font.lfFaceName, wcsnlen(font.lfFaceName, LF_FACESIZE)));
  height_ = font.lfHeight;
  bold_ = font.lfWeight >= FW_BOLD;
  handle_.reset();
}

LOGFONTW TFont::LogFont() const {
  LOGFONTW font = logFont_;
  font.lfHeight = height_;
  // A weight the system gave stays unless boldness was changed since.
  if (bold_ != (font.lfWeight >= FW_BOLD)) font.lfWeight = bold_ ? FW_BOLD : FW_NORMAL;
  std::wstring face = Widen(name_);
  wmemset(font.lfFaceName, 0, LF_FACESIZE);
  wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  return font;
}

// The structure's full Unicode size: a smaller one reads the ANSI layout's fonts wrongly.
bool ReadSystemFont(TSystemFont which, LOGFONTW& font) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return false;
  switch (which) {
    case TSystemFont::Caption:
      font = metrics.lfCaptionFont;
      break;
    case TSystemFont::SmallCaption:
      font = metrics.lfSmCaptionFont;
      break;
    case TSystemFont::Menu:
      font = metrics.lfMenuFont;
      break;
    case TSystemFont::Status:
      font = metrics.lfStatusFont;
      break;
    case TSystemFont::Message:
      font = metrics.lfMessageFont;
      break;
  }
  return true;
}

LOGFONTW SystemFont(TSystemFont which) {
  LOGFONTW font{};
  if (!ReadSystemFont(which, font)) GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
  return font;
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
    const LOGFONTW font = LogFont();
    handle_.reset(CreateFontIndirectW(&font));
  }
  return handle_.get();
}

COLORREF ColorToRGB(TColor color) {
  if (IsSystemColor(color)) return GetSysColor(static_cast<int>(color & 0xFF));
  return static_cast<COLORREF>(color & 0x00FFFFFF);
}

}  // namespace zentavo
