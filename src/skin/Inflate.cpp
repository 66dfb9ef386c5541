#include "skin/Inflate.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>

namespace zentavo {

namespace {

constexpr std::size_t kInputBufferSize = 16 * 1024;
constexpr std::size_t kWindowFlushAt = 64 * 1024;  // write position that triggers a flush
constexpr std::size_t kWindowKeep = 32 * 1024;     // what back-references may reach
constexpr std::size_t kMaxMatch = 258;
constexpr int kMaxLiteralCodes = 286;
constexpr int kMaxDistanceCodes = 30;
// A stream that ends inside a code reads zero bits past the end for its look-ahead; more
// than this many bytes of them means the stream is cut short (and stops a loop of empty
// blocks running on padding for ever).
constexpr int kMaxOverrunBytes = 16;

constexpr std::uint16_t kLengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                           31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::uint8_t kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                           2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::uint16_t kDistanceBase[30] = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                                             33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                                             1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::uint8_t kDistanceExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                             6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
// Order in which a dynamic block lists the code lengths of the code-length code.
constexpr std::uint8_t kCodeLengthOrder[19] = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                               11, 4,  12, 3, 13, 2, 14, 1, 15};

// Internal signal of a damaged stream; never leaves this file.
struct Damaged {};
struct TooLarge {};

// Extra-bit counts per literal/length symbol and per distance symbol, as the table
// entries carry them.
struct ExtraTables {
  std::uint8_t literal[288] = {};
  std::uint8_t distance[32] = {};
  ExtraTables() {
    for (int i = 0; i < 29; ++i) literal[257 + i] = kLengthExtra[i];
    for (int i = 0; i < 30; ++i) distance[i] = kDistanceExtra[i];
  }
};
const ExtraTables kExtra;

struct FixedTrees {
  THuffmanTree literal;
  THuffmanTree distance;
  FixedTrees() {
    std::uint8_t lengths[288];
    std::fill(lengths, lengths + 144, 8);
    std::fill(lengths + 144, lengths + 256, 9);
    std::fill(lengths + 256, lengths + 280, 7);
    std::fill(lengths + 280, lengths + 288, 8);
    literal.Build(lengths, 288, kExtra.literal);
    std::fill(lengths, lengths + 32, 5);
    distance.Build(lengths, 32, kExtra.distance);
  }
};

// The fixed codes never change: built once, on first use, and kept until the program ends.
const FixedTrees& Fixed() {
  static const FixedTrees trees;
  return trees;
}

// Reads the input as a little-endian bit stream through a 16 KB buffer, 32 bits at a time.
class BitReader {
 public:
  explicit BitReader(InflateSource& source) : source_(source) {}

  // Makes sure at least 32 bits are in the bit buffer.
  void Need32() {
    if (bitCount_ >= 32) return;
    if (end_ - pos_ >= 4) {
      std::uint32_t word;
      std::memcpy(&word, buffer_ + pos_, 4);
      pos_ += 4;
      bits_ |= static_cast<std::uint64_t>(LittleEndian(word)) << bitCount_;
      bitCount_ += 32;
      return;
    }
    SlowRefill(32);
  }
  // Makes sure at least 56 bits are in the bit buffer: one load of eight bytes, of which
  // the whole ones that fit are counted. The bits above the count then hold the following
  // input bytes (or zeros), which the next load ORs over with the same values; anything
  // that takes input bytes without going through the bit buffer must clear them first.
  void Need56() {
    if (bitCount_ >= 56) return;
    if (end_ - pos_ >= 8) {
      std::uint64_t word;
      std::memcpy(&word, buffer_ + pos_, 8);
      if constexpr (std::endian::native == std::endian::big) word = __builtin_bswap64(word);
      bits_ |= word << bitCount_;
      const int bytes = (63 - bitCount_) >> 3;
      pos_ += static_cast<std::size_t>(bytes);
      bitCount_ += bytes * 8;
      return;
    }
    SlowRefill(56);
  }
  int Available() const { return bitCount_; }
  std::uint32_t Peek() const { return static_cast<std::uint32_t>(bits_); }
  void Drop(int n) {
    bits_ >>= n;
    bitCount_ -= n;
  }
  // Reads n bits (n <= 16) in stream order.
  std::uint32_t Take(int n) {
    Need32();
    const std::uint32_t value = Peek() & ((1u << n) - 1);
    Drop(n);
    return value;
  }
  void AlignToByte() { Drop(bitCount_ & 7); }
  // Copies n bytes that follow the current (byte-aligned) position.
  void CopyBytes(std::uint8_t* out, std::size_t n) {
    while (n > 0 && bitCount_ >= 8) {
      *out++ = static_cast<std::uint8_t>(bits_);
      Drop(8);
      --n;
    }
    if (n == 0) return;
    // The counted bits are used up; the bits above them were read ahead from the very bytes
    // copied now and would be ORed into the input that follows them.
    bits_ = 0;
    while (n > 0) {
      if (pos_ == end_ && !FillBuffer()) throw Damaged{};
      const std::size_t piece = std::min(n, end_ - pos_);
      std::memcpy(out, buffer_ + pos_, piece);
      out += piece;
      pos_ += piece;
      n -= piece;
    }
  }
  // True when the bits used so far include padding past the end of the input.
  bool Overran() const { return overrunBytes_ * 8 > bitCount_; }

 private:
  static std::uint32_t LittleEndian(std::uint32_t word) {
    if constexpr (std::endian::native == std::endian::big) return __builtin_bswap32(word);
    return word;
  }
  bool FillBuffer() {
    pos_ = 0;
    end_ = 0;
    while (end_ < kInputBufferSize) {
      const std::size_t got = source_.Read(buffer_ + end_, kInputBufferSize - end_);
      if (got == 0) break;
      end_ += got;
    }
    return end_ > 0;
  }
  // Byte by byte, across a buffer refill, with zero padding once the input has ended.
  void SlowRefill(int want) {
    while (bitCount_ < want) {
      if (pos_ == end_ && !FillBuffer()) {
        if (++overrunBytes_ > kMaxOverrunBytes) throw Damaged{};
        bitCount_ += 8;  // zero padding
        continue;
      }
      bits_ |= static_cast<std::uint64_t>(buffer_[pos_++]) << bitCount_;
      bitCount_ += 8;
    }
  }

  InflateSource& source_;
  std::uint8_t buffer_[kInputBufferSize];
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  std::uint64_t bits_ = 0;
  int bitCount_ = 0;
  int overrunBytes_ = 0;
};

// The sliding output window: 64 KB plus one longest match. When the write position passes
// 64 KB the oldest 32 KB go to the sink and the rest moves down.
class Window {
 public:
  Window(InflateSink& sink, std::uint64_t limit) : sink_(sink), limit_(limit) {}

  void Put(std::uint8_t byte) {
    data_[pos_++] = byte;
    if (pos_ > kWindowFlushAt) Flush();
  }
  void Copy(std::size_t distance, std::size_t length) {
    if (distance > pos_ + flushed_) throw Damaged{};  // before the start of the output
    std::uint8_t* to = data_ + pos_;
    const std::uint8_t* from = to - distance;
    if (distance >= length) {
      std::memcpy(to, from, length);
    } else if (distance == 1) {
      std::memset(to, *from, length);
    } else {
      // Overlapping: the last `distance` bytes repeat. Copying from the pattern's start in
      // ever longer runs (each a whole number of repeats) needs few copies, none overlapping.
      std::size_t done = 0;
      while (done < length) {
        const std::size_t run = std::min(length - done, static_cast<std::size_t>(to + done - from));
        std::memcpy(to + done, from, run);
        done += run;
      }
    }
    pos_ += length;
    if (pos_ > kWindowFlushAt) Flush();
  }
  std::uint8_t* Reserve(std::size_t n, std::size_t& granted) {
    granted = std::min(n, kWindowFlushAt + kMaxMatch - pos_);
    return data_ + pos_;
  }
  void Commit(std::size_t n) {
    pos_ += n;
    if (pos_ > kWindowFlushAt) Flush();
  }
  void Finish() {
    CheckLimit(pos_);
    sink_.Write(data_, pos_);
    flushed_ += pos_;
    pos_ = 0;
  }

 private:
  void CheckLimit(std::size_t more) {
    if (flushed_ + more > limit_) throw TooLarge{};
  }
  void Flush() {
    CheckLimit(kWindowKeep);
    sink_.Write(data_, kWindowKeep);
    flushed_ += kWindowKeep;
    std::memmove(data_, data_ + kWindowKeep, pos_ - kWindowKeep);
    pos_ -= kWindowKeep;
  }

  InflateSink& sink_;
  std::uint64_t limit_;
  std::uint64_t flushed_ = 0;
  std::size_t pos_ = 0;
  std::uint8_t data_[kWindowFlushAt + kMaxMatch];
};

// Decodes one symbol: one table look-up, then the code's bits are dropped.
inline std::uint32_t Decode(BitReader& in, const THuffmanTree& tree) {
  const std::uint32_t entry = tree.table[in.Peek() & ((1u << tree.bits) - 1)];
  if (entry == THuffmanTree::kUnused) throw Damaged{};
  in.Drop((entry >> 16) & 0xFF);
  return entry;
}

void InflateCodes(BitReader& in, Window& out, const THuffmanTree& literals, const THuffmanTree& distances) {
  for (;;) {
    if (in.Available() < 15) in.Need56();
    std::uint32_t entry = Decode(in, literals);
    // Runs of literals: a refill only when fewer bits remain than the longest code.
    while ((entry & 0xFFFF) < 256) {
      out.Put(static_cast<std::uint8_t>(entry));
      if (in.Available() < 15) in.Need56();
      entry = Decode(in, literals);
    }
    const std::uint32_t symbol = entry & 0xFFFF;
    if (symbol == 256) return;
    if (symbol > 285) throw Damaged{};
    // A length code may have used the last counted bit. One refill covers the rest of the
    // match: up to 5 length extra bits, a 15-bit distance code and 13 distance extra bits.
    if (in.Available() < 33) in.Need56();
    const int lengthExtra = entry >> 24;
    const std::size_t length = kLengthBase[symbol - 257] + (in.Peek() & ((1u << lengthExtra) - 1));
    in.Drop(lengthExtra);
    const std::uint32_t distanceEntry = Decode(in, distances);
    const std::uint32_t distanceSymbol = distanceEntry & 0xFFFF;
    if (distanceSymbol >= 30) throw Damaged{};
    const int distanceExtra = distanceEntry >> 24;
    const std::size_t distance = kDistanceBase[distanceSymbol] + (in.Peek() & ((1u << distanceExtra) - 1));
    in.Drop(distanceExtra);
    out.Copy(distance, length);
  }
}

void InflateStored(BitReader& in, Window& out) {
  in.AlignToByte();
  std::size_t length = in.Take(16);
  in.Take(16);  // the complement of the length: not checked
  while (length > 0) {
    std::size_t granted;
    std::uint8_t* to = out.Reserve(length, granted);
    in.CopyBytes(to, granted);
    out.Commit(granted);
    length -= granted;
  }
}

struct DynamicTrees {
  THuffmanTree codeLengths{{}, 7, 0};
  THuffmanTree literal;
  THuffmanTree distance;
};

void ReadDynamicTrees(BitReader& in, DynamicTrees& trees) {
  const int literalCount = static_cast<int>(in.Take(5)) + 257;
  const int distanceCount = static_cast<int>(in.Take(5)) + 1;
  const int codeLengthCount = static_cast<int>(in.Take(4)) + 4;
  if (literalCount > kMaxLiteralCodes || distanceCount > kMaxDistanceCodes) throw Damaged{};

  std::uint8_t codeLengthLengths[19] = {};
  for (int i = 0; i < codeLengthCount; ++i) codeLengthLengths[kCodeLengthOrder[i]] = in.Take(3);
  if (!trees.codeLengths.Build(codeLengthLengths, 19, nullptr)) throw Damaged{};

  std::uint8_t lengths[kMaxLiteralCodes + kMaxDistanceCodes];
  const int total = literalCount + distanceCount;
  for (int i = 0; i < total;) {
    in.Need32();
    const std::uint32_t symbol = Decode(in, trees.codeLengths) & 0xFFFF;
    if (symbol < 16) {
      lengths[i++] = static_cast<std::uint8_t>(symbol);
      continue;
    }
    std::uint8_t value = 0;
    int repeat;
    if (symbol == 16) {
      if (i == 0) throw Damaged{};
      value = lengths[i - 1];
      repeat = 3 + static_cast<int>(in.Take(2));
    } else if (symbol == 17) {
      repeat = 3 + static_cast<int>(in.Take(3));
    } else {
      repeat = 11 + static_cast<int>(in.Take(7));
    }
    if (i + repeat > total) throw Damaged{};
    std::fill(lengths + i, lengths + i + repeat, value);
    i += repeat;
  }
  if (!trees.literal.Build(lengths, literalCount, kExtra.literal)) throw Damaged{};
  if (!trees.distance.Build(lengths + literalCount, distanceCount, kExtra.distance)) throw Damaged{};
}

class BufferSource : public InflateSource {
 public:
  BufferSource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::size_t Read(std::uint8_t* data, std::size_t size) override {
    const std::size_t n = std::min(size, size_ - pos_);
    if (n > 0) std::memcpy(data, data_ + pos_, n);
    pos_ += n;
    return n;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

class VectorSink : public InflateSink {
 public:
  explicit VectorSink(std::vector<std::uint8_t>& out) : out_(out) {}
  void Write(const std::uint8_t* data, std::size_t size) override {
    out_.insert(out_.end(), data, data + size);
  }

 private:
  std::vector<std::uint8_t>& out_;
};

}  // namespace

bool THuffmanTree::Build(const std::uint8_t* lengths, int count, const std::uint8_t* extraBits) {
  int counts[16] = {};
  int longest = 0;
  for (int i = 0; i < count; ++i) {
    if (lengths[i] > limit) return false;
    ++counts[lengths[i]];
    longest = std::max<int>(longest, lengths[i]);
  }
  // Canonical codes: the first code of each length follows the last of the length before.
  int nextCode[16] = {};
  int left = 1;
  int code = 0;
  for (int len = 1; len <= 15; ++len) {
    left = (left << 1) - counts[len];
    if (left < 0) return false;  // over-subscribed
    code = (code + counts[len - 1] * (len > 1 ? 1 : 0)) << 1;
    nextCode[len] = code;
  }
  bits = longest;
  table.assign(std::size_t{1} << bits, kUnused);
  for (int symbol = 0; symbol < count; ++symbol) {
    const int len = lengths[symbol];
    if (len == 0) continue;
    const int value = nextCode[len]++;
    int reversed = 0;
    for (int b = 0; b < len; ++b) reversed |= ((value >> b) & 1) << (len - 1 - b);
    const std::uint32_t entry = static_cast<std::uint32_t>(symbol) | (static_cast<std::uint32_t>(len) << 16) |
                                (static_cast<std::uint32_t>(extraBits ? extraBits[symbol] : 0) << 24);
    for (std::size_t i = reversed; i < table.size(); i += std::size_t{1} << len) table[i] = entry;
  }
  return true;
}

InflateResult Inflate(InflateSource& source, InflateSink& sink, std::uint64_t outputLimit) {
  // Both are large; keep them off the stack.
  auto in = std::make_unique<BitReader>(source);
  auto out = std::make_unique<Window>(sink, outputLimit);
  DynamicTrees dynamic;
  try {
    bool final = false;
    while (!final) {
      final = in->Take(1) != 0;
      switch (in->Take(2)) {
        case 0:
          InflateStored(*in, *out);
          break;
        case 1:
          InflateCodes(*in, *out, Fixed().literal, Fixed().distance);
          break;
        case 2:
          ReadDynamicTrees(*in, dynamic);
          InflateCodes(*in, *out, dynamic.literal, dynamic.distance);
          break;
        default:
          break;  // reserved type 3: an empty block
      }
    }
    if (in->Overran()) return InflateResult::kDamaged;
    out->Finish();
  } catch (const Damaged&) {
    return InflateResult::kDamaged;
  } catch (const TooLarge&) {
    return InflateResult::kTooLarge;
  }
  return InflateResult::kDone;
}

InflateResult InflateBuffer(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& out,
                            std::uint64_t outputLimit) {
  BufferSource source(data, size);
  VectorSink sink(out);
  return Inflate(source, sink, outputLimit);
}

}  // namespace zentavo
