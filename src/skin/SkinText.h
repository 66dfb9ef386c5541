#pragma once
#include <functional>
#include <string>
#include <string_view>

namespace zentavo {

// Text helpers of the skinned captions, menus and controls. Texts are 8-bit strings in the
// system code page; widths come from the caller's measure (the canvas font on Windows).
using TTextWidth = std::function<int(std::string_view)>;
// Whether a byte starts a two-byte character in the system code page (code page 936 for
// the Chinese interface). Without it every byte is a character.
using TLeadByte = std::function<bool(unsigned char)>;

// The text if it fits in maxWidth; otherwise the shortest "first i characters + ..." (i
// below the length) that is at least maxWidth wide, so the result may be up to one
// character wider than maxWidth; the whole text when no such candidate reaches maxWidth.
// A two-byte character is never split.
std::string EllipsizeText(const TTextWidth& width, std::string_view text, int maxWidth,
                          const TLeadByte& isLeadByte = nullptr);

// The same rule over UTF-8 text: a character of several bytes is never split.
std::string EllipsizeUtf8Text(const TTextWidth& width, std::string_view text, int maxWidth);

// The text with every "&" removed.
std::string StripAmpersands(std::string_view text);

}  // namespace zentavo
