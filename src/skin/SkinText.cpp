#include "skin/SkinText.h"

namespace zentavo {

namespace {

// The shortening rule over characters of any encoding; step gives the byte length of the
// character at a position.
template <class Step>
std::string Ellipsize(const TTextWidth& width, std::string_view text, int maxWidth, Step step) {
  if (width(text) <= maxWidth) return std::string(text);
  std::size_t i = 0;
  while (i < text.size()) {
    i += step(i);
    if (i >= text.size()) break;
    std::string candidate(text.substr(0, i));
    candidate += "...";
    if (width(candidate) >= maxWidth) return candidate;
  }
  return std::string(text);
}

}  // namespace

std::string EllipsizeText(const TTextWidth& width, std::string_view text, int maxWidth,
                          const TLeadByte& isLeadByte) {
  return Ellipsize(width, text, maxWidth, [&](std::size_t i) -> std::size_t {
    // Two bytes when a lead byte has its trail byte.
    return isLeadByte && isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
  });
}

std::string EllipsizeUtf8Text(const TTextWidth& width, std::string_view text, int maxWidth) {
  return Ellipsize(width, text, maxWidth, [&](std::size_t i) -> std::size_t {
    std::size_t n = 1;
    while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80) ++n;
    return n;
  });
}

std::string StripAmpersands(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (c != '&') out += c;
  return out;
}

}  // namespace zentavo
