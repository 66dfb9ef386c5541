#include "core/SystemText.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace zentavo {

namespace {

std::string Utf16LeToUtf8(std::string_view bytes) {
  std::string out;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    char32_t unit = static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
    if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
      char32_t low = static_cast<unsigned char>(bytes[i + 2]) | (static_cast<unsigned char>(bytes[i + 3]) << 8);
      if (low >= 0xDC00 && low < 0xE000) {
        unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      }
    }
    if (unit < 0x80) {
      out += static_cast<char>(unit);
    } else if (unit < 0x800) {
      out += static_cast<char>(0xC0 | (unit >> 6));
      out += static_cast<char>(0x80 | (unit & 0x3F));
    } else if (unit < 0x10000) {
      out += static_cast<char>(0xE0 | (unit >> 12));
      out += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (unit & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (unit >> 18));
      out += static_cast<char>(0x80 | ((unit >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (unit & 0x3F));
    }
  }
  return out;
}

#ifdef _WIN32
std::wstring ToWide(UINT codePage, std::string_view text) {
  if (text.empty()) return {};
  int size = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(size, L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
  return wide;
}

std::string FromWide(UINT codePage, std::wstring_view wide, bool* lossy) {
  if (wide.empty()) return {};
  BOOL usedDefault = FALSE;
  BOOL* check = codePage == CP_UTF8 ? nullptr : &usedDefault;
  int size = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, check);
  std::string text(size, '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size, nullptr, check);
  if (lossy) *lossy = usedDefault != FALSE;
  return text;
}
#endif

}  // namespace

std::string DecodeSystemText(std::string_view bytes, [[maybe_unused]] unsigned codePage) {
  if (bytes.substr(0, 3) == kUtf8Bom) return std::string(bytes.substr(3));
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF && static_cast<unsigned char>(bytes[1]) == 0xFE)
    return Utf16LeToUtf8(bytes.substr(2));
#ifdef _WIN32
  const UINT source = codePage != kSystemCodePage && IsValidCodePage(codePage) ? codePage : CP_ACP;
  return FromWide(CP_UTF8, ToWide(source, bytes), nullptr);
#else
  return std::string(bytes);
#endif
}

std::optional<std::string> EncodeSystemText(std::string_view utf8) {
#ifdef _WIN32
  std::wstring wide = ToWide(CP_UTF8, utf8);
  bool lossy = false;
  std::string text = FromWide(CP_ACP, wide, &lossy);
  // The round trip catches code pages that map a character to a look-alike silently.
  if (lossy || ToWide(CP_ACP, text) != wide) return std::nullopt;
  return text;
#else
  return std::string(utf8);
#endif
}

}  // namespace zentavo
