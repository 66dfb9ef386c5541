#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace zentavo {

// Splits at every occurrence of the separator; two separators in a row give an empty
// part, a text without the separator gives one part.
std::vector<std::string> SplitText(std::string_view text, std::string_view separator);

}  // namespace zentavo
