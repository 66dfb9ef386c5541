#include "skin/PkwareCipher.h"

#include "skin/Crc32.h"

namespace zentavo {

PkwareCipher::PkwareCipher(std::string_view password) : keys_{0x12345678u, 0x23456789u, 0x34567890u} {
  for (char c : password) Update(static_cast<std::uint8_t>(c));
}

void PkwareCipher::Update(std::uint8_t plain) {
  keys_[0] = Crc32Step(keys_[0], plain);
  keys_[1] = (keys_[1] + (keys_[0] & 0xFF)) * 0x08088405u + 1;
  keys_[2] = Crc32Step(keys_[2], static_cast<std::uint8_t>(keys_[1] >> 24));
}

}  // namespace zentavo
