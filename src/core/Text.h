#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace zentavo {

// Splits at every occurrence of the separator; two separators in a row give an empty
// part, a text without the separator gives one part.
std::vector<std::string> SplitText(std::string_view text, std::string_view separator);

// Equality of texts ignoring the case of ASCII letters (names of keys, properties,
// components and entries compare this way).
bool SameText(std::string_view a, std::string_view b);

}  // namespace zentavo
