#pragma once
#include <cstdint>
#include <vector>

#include "app/AppIcon.h"

namespace zentavo {

// A Windows icon file (".ico") holding the images given, each as a 32-bit picture with its
// alpha and the one-bit mask older systems read, in the order given. Sizes up to 256.
std::vector<std::uint8_t> EncodeIconFile(const std::vector<IconImage>& images);

}  // namespace zentavo
