#include "skin/SkinText.h"

namespace zentavo {

std::string EllipsizeText(const TTextWidth& width, std::string_view text, int maxWidth,
                          const TLeadByte& isLeadByte) {
  if (width(text) <= maxWidth) return std::string(text);
  std::size_t i = 0;
  while (i < text.size()) {
    // Step over one character: two bytes when a lead byte has its trail byte.
    const bool pair = isLeadByte && isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
    i += pair ? 2 : 1;
    if (i >= text.size()) break;
    std::string candidate(text.substr(0, i));
    candidate += "...";
    if (width(candidate) >= maxWidth) return candidate;
  }
  return std::string(text);
}

std::string StripAmpersands(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (c != '&') out += c;
  return out;
}

}  // namespace zentavo
