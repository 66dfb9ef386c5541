#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zentavo {

// Where the inflater takes its compressed bytes from. Read fills up to `size` bytes and
// returns how many it gave; 0 means the input has ended. It may throw (a failed read).
class InflateSource {
 public:
  virtual ~InflateSource() = default;
  virtual std::size_t Read(std::uint8_t* data, std::size_t size) = 0;
};

// Where the inflated bytes go, in pieces of up to 32 KB. It may throw (a failed write).
class InflateSink {
 public:
  virtual ~InflateSink() = default;
  virtual void Write(const std::uint8_t* data, std::size_t size) = 0;
};

// The decoding table of one Huffman code: 2^bits entries indexed by the next `bits`
// input bits (least significant bit first), so every code decodes with one look-up.
// An entry packs the symbol (bits 0-15), the code length (16-23) and the number of extra
// bits after the code (24-31); entries that no code reaches hold all ones.
struct THuffmanTree {
  static constexpr std::uint32_t kUnused = 0xFFFFFFFFu;

  std::vector<std::uint32_t> table;
  int limit = 15;  // longest code length the code may declare: 7 for code lengths
  int bits = 0;    // longest code length in use

  // Builds the table from one code length per symbol (0 = unused). `extraBits` gives
  // the extra-bit count per symbol, or is null. Returns false for an over-subscribed code
  // or a length above the limit; an incomplete code is accepted, its gaps stay unused.
  bool Build(const std::uint8_t* lengths, int count, const std::uint8_t* extraBits);
};

enum class InflateResult {
  kDone,      // a final block has been inflated
  kDamaged,   // a read beyond the data, a bad code, a distance too far back, too many codes
  kTooLarge,  // the output would pass the given limit
};

// Inflates one raw deflate stream (RFC 1951) from `source` into `sink`. Input goes
// through a 16 KB buffer read as 32-bit little-endian words; output through a window of
// 64 KB plus one longest match, of which the oldest 32 KB are written out whenever the
// write position passes 64 KB. Stops with kTooLarge as soon as more than `outputLimit`
// bytes would be written, so a small damaged package cannot fill the disk.
InflateResult Inflate(InflateSource& source, InflateSink& sink, std::uint64_t outputLimit);

// Convenience for memory-to-memory use (tests, benchmarks, fuzzing).
InflateResult InflateBuffer(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& out,
                            std::uint64_t outputLimit);

}  // namespace zentavo
