#include "core/Text.h"

namespace zentavo {

std::vector<std::string> SplitText(std::string_view text, std::string_view separator) {
  std::vector<std::string> parts;
  if (separator.empty()) {
    parts.emplace_back(text);
    return parts;
  }
  for (auto at = text.find(separator); at != std::string_view::npos; at = text.find(separator)) {
    parts.emplace_back(text.substr(0, at));
    text.remove_prefix(at + separator.size());
  }
  parts.emplace_back(text);
  return parts;
}

}  // namespace zentavo
