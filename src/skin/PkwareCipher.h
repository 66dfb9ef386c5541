#pragma once
#include <cstdint>
#include <string_view>

namespace zentavo {

// The traditional PKWARE stream cipher of ZIP archives: three 32-bit keys, started from
// fixed values and stirred by every password byte, then by every plain byte. Weak by
// today's measure, but it is what skin packages use.
class PkwareCipher {
 public:
  // The header that precedes the data of an encrypted entry.
  static constexpr int kHeaderSize = 12;

  explicit PkwareCipher(std::string_view password);

  std::uint8_t Decrypt(std::uint8_t cipher) {
    const std::uint8_t plain = cipher ^ KeyByte();
    Update(plain);
    return plain;
  }
  std::uint8_t Encrypt(std::uint8_t plain) {
    const std::uint8_t cipher = plain ^ KeyByte();
    Update(plain);
    return cipher;
  }
  void Decrypt(std::uint8_t* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) data[i] = Decrypt(data[i]);
  }

 private:
  std::uint8_t KeyByte() const {
    const std::uint32_t temp = (keys_[2] & 0xFFFF) | 2;
    return static_cast<std::uint8_t>((temp * (temp ^ 1)) >> 8);
  }
  void Update(std::uint8_t plain);

  std::uint32_t keys_[3];
};

}  // namespace zentavo
