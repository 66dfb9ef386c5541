#pragma once
#include <cstdint>
#include <vector>

namespace zentavo {

// The program's icon, drawn in code so that no image file is needed: a gold coin with a
// raised rim and an embossed "Z". Pixels are BGRA, 8 bits each, rows top to bottom,
// alpha not premultiplied; edges are anti-aliased by supersampling.
struct IconImage {
  int size = 0;
  std::vector<std::uint8_t> bgra;  // size * size * 4
};

IconImage DrawAppIcon(int size);

}  // namespace zentavo
