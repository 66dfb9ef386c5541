// Feeds arbitrary bytes to the BMP decoder: it must either decode or raise its error.
#include <cstdint>

#include "core/Error.h"
#include "framework/Bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    zentavo::TBitmap bitmap;
    bitmap.LoadFromMemory(data, size);
    if (!bitmap.Empty()) (void)bitmap.Pixel(bitmap.Width() - 1, bitmap.Height() - 1);
  } catch (const zentavo::Error&) {
  }
  return 0;
}
