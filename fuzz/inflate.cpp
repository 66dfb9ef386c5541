// Feeds arbitrary bytes to the inflater as a raw deflate stream, with a small output limit.
#include <cstdint>
#include <vector>

#include "skin/Inflate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> out;
  zentavo::InflateBuffer(data, size, out, 1 << 20);
  return 0;
}
