#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "SkinTestData.h"
#include "native/support/ZlibDeflater.h"
#include "skin/Inflate.h"

namespace zentavo {
namespace {

using test::Bytes;

// Writes bit fields least significant bit first, as deflate streams are packed.
class BitWriter {
 public:
  void Put(std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
      if (bit_ == 0) out_.push_back(0);
      out_.back() |= ((value >> i) & 1) << bit_;
      bit_ = (bit_ + 1) & 7;
    }
  }
  void AlignAndPutBytes(const Bytes& bytes) {
    bit_ = 0;
    out_.insert(out_.end(), bytes.begin(), bytes.end());
  }
  const Bytes& Data() const { return out_; }

 private:
  Bytes out_;
  int bit_ = 0;
};

InflateResult InflateBytes(const Bytes& stream, Bytes& out, std::uint64_t limit = 1u << 30) {
  out.clear();
  return InflateBuffer(stream.data(), stream.size(), out, limit);
}

struct RoundTripCase {
  const char* name;
  std::size_t size;
  int level;
  int strategy;
};

class InflateRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

// Sizes beyond 64 KB make the window flush and back-references reach across a flush.
TEST_P(InflateRoundTrip, GivesBackWhatZlibCompressed) {
  const RoundTripCase& c = GetParam();
  const Bytes data = test::SampleData(c.size, static_cast<unsigned>(c.size));
  Bytes out;
  ASSERT_EQ(InflateBytes(test::Deflate(data, c.level, c.strategy), out), InflateResult::kDone);
  EXPECT_EQ(out, data);
}

INSTANTIATE_TEST_SUITE_P(Blocks, InflateRoundTrip,
                         ::testing::Values(RoundTripCase{"empty", 0, 6, Z_DEFAULT_STRATEGY},
                                           RoundTripCase{"one", 1, 6, Z_DEFAULT_STRATEGY},
                                           RoundTripCase{"stored", 70000, 0, Z_DEFAULT_STRATEGY},
                                           RoundTripCase{"fixed", 150000, 6, Z_FIXED},
                                           RoundTripCase{"dynamic", 300000, 9, Z_DEFAULT_STRATEGY},
                                           RoundTripCase{"huffmanOnly", 50000, 6, Z_HUFFMAN_ONLY},
                                           RoundTripCase{"runs", 90000, 6, Z_RLE}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Inflate, OverlappingCopiesRepeatTheirPattern) {
  Bytes data(200000, 'a');
  for (std::size_t i = 100000; i < data.size(); ++i) data[i] = "xyz"[i % 3];
  Bytes out;
  ASSERT_EQ(InflateBytes(test::Deflate(data), out), InflateResult::kDone);
  EXPECT_EQ(out, data);
}

// Canonical Huffman codes for the given lengths, as values to write most significant bit first.
std::vector<std::uint32_t> CanonicalCodes(const std::vector<int>& lengths) {
  std::vector<std::uint32_t> codes(lengths.size());
  std::uint32_t code = 0;
  for (int len = 1; len <= 15; ++len) {
    for (std::size_t s = 0; s < lengths.size(); ++s)
      if (lengths[s] == len) codes[s] = code++;
    code <<= 1;
  }
  return codes;
}

void PutCode(BitWriter& w, std::uint32_t code, int length) {
  for (int i = length - 1; i >= 0; --i) w.Put((code >> i) & 1, 1);
}

// A dynamic block whose two length symbols with 5 extra bits have the longest codes (15 bits)
// and whose literals have codes of every length from 1 to 13, so the length codes end at every
// position in the bit buffer, down to its last counted bit.
TEST(Inflate, LengthExtraBitsAfterTheLongestCodes) {
  std::vector<int> literalLengths(286, 0);
  for (int k = 0; k < 13; ++k) literalLengths['a' + k] = k + 1;
  literalLengths[256] = 14;
  literalLengths[283] = 15;  // lengths 195..226
  literalLengths[284] = 15;  // lengths 227..258

  const std::vector<int> distanceLengths = {1, 1};  // distances 1 and 2
  const auto literalCodes = CanonicalCodes(literalLengths);
  const auto distanceCodes = CanonicalCodes(distanceLengths);

  BitWriter w;
  w.Put(1, 1);
  w.Put(2, 2);
  w.Put(286 - 257, 5);
  w.Put(2 - 1, 5);
  w.Put(19 - 4, 4);
  // The code-length code lists 16, 17, 18 first (unused here), then 0..15 in some order, all
  // four bits long: code length n is written as the four bits of n.
  for (int i = 0; i < 19; ++i) w.Put(i < 3 ? 0 : 4, 3);
  auto putLengths = [&](const std::vector<int>& lengths) {
    for (int len : lengths) PutCode(w, static_cast<std::uint32_t>(len), 4);
  };
  putLengths(literalLengths);
  putLengths(distanceLengths);

  std::mt19937 random(11);
  Bytes expected;
  auto literal = [&](int k) {
    PutCode(w, literalCodes['a' + k], literalLengths['a' + k]);
    expected.push_back(static_cast<std::uint8_t>('a' + k));
  };
  literal(0);
  literal(1);
  for (int i = 0; i < 4000; ++i) {
    if (random() % 3 == 0) {
      literal(static_cast<int>(random() % 13));
      continue;
    }
    const int symbol = 283 + static_cast<int>(random() % 2);
    const std::uint32_t extra = random() % 31;
    const std::size_t distance = 1 + random() % 2;
    PutCode(w, literalCodes[symbol], 15);
    w.Put(extra, 5);
    PutCode(w, distanceCodes[distance - 1], 1);
    for (std::size_t n = (symbol == 283 ? 195 : 227) + extra; n > 0; --n)
      expected.push_back(expected[expected.size() - distance]);
  }
  PutCode(w, literalCodes[256], 14);

  Bytes out;
  ASSERT_EQ(InflateBytes(w.Data(), out), InflateResult::kDone);
  EXPECT_TRUE(out == expected)
      << out.size() << " bytes instead of " << expected.size() << ", first difference at "
      << (std::mismatch(out.begin(), out.end(), expected.begin(), expected.end()).first - out.begin());
}

// Stored blocks copied straight from the input between blocks that were read ahead with codes:
// the bits read ahead before a stored block must not come back after it.
TEST(Inflate, StoredBlocksBetweenCodedBlocks) {
  for (std::size_t stored = 1; stored <= 2000; stored += 111) {
    Bytes data = test::SampleData(30000, static_cast<unsigned>(stored));
    std::mt19937 random(static_cast<unsigned>(stored));
    Bytes noise(stored);
    for (auto& b : noise) b = static_cast<std::uint8_t>(random());
    zentavo::testing::ZlibDeflater deflater(6, -15, 8, Z_DEFAULT_STRATEGY, 200000);
    deflater.Feed(data.data(), data.size(), Z_NO_FLUSH);
    deflater.Switch(0, Z_DEFAULT_STRATEGY);  // ends the dynamic block; the noise goes out stored
    deflater.Feed(noise.data(), noise.size(), Z_NO_FLUSH);
    deflater.Switch(6, Z_DEFAULT_STRATEGY);
    deflater.Feed(data.data(), data.size(), Z_FINISH);
    ASSERT_TRUE(deflater.Ok());
    const Bytes stream = deflater.Take();

    Bytes expected = data;
    expected.insert(expected.end(), noise.begin(), noise.end());
    expected.insert(expected.end(), data.begin(), data.end());
    Bytes out;
    ASSERT_EQ(InflateBytes(stream, out), InflateResult::kDone) << stored << " stored bytes";
    EXPECT_TRUE(out == expected) << stored << " stored bytes";
  }
}

// zlib's deflate never reaches further back than 32506 bytes; the format allows 32768. Fixed
// codes: literals, then matches at the farthest distances once the window has been flushed.
TEST(Inflate, FarthestDistancesAfterAWindowFlush) {
  BitWriter w;
  w.Put(1, 1);
  w.Put(1, 2);
  Bytes expected;
  std::mt19937 random(3);
  for (int i = 0; i < 100000; ++i) {
    const std::uint8_t byte = static_cast<std::uint8_t>(random() % 144);  // 8-bit codes 0x30 + byte
    PutCode(w, 0x30u + byte, 8);
    expected.push_back(byte);
  }
  // Length 258 (symbol 285, code 0xC5) or 10 (symbol 264, code 8); distance symbol 29 (code
  // 29) is 24577 plus 13 extra bits.
  for (const std::size_t distance : {32768, 32767, 32507, 24577, 32768}) {
    for (const std::size_t length : {258, 10}) {
      PutCode(w, length == 258 ? 0xC5 : 8, length == 258 ? 8 : 7);
      PutCode(w, 29, 5);
      w.Put(static_cast<std::uint32_t>(distance - 24577), 13);
      for (std::size_t n = 0; n < length; ++n) expected.push_back(expected[expected.size() - distance]);
    }
  }
  PutCode(w, 0, 7);
  Bytes out;
  ASSERT_EQ(InflateBytes(w.Data(), out), InflateResult::kDone);
  EXPECT_TRUE(out == expected);
}

TEST(Inflate, TruncatedStreamsAreDamagedAtEveryCut) {
  const Bytes data = test::SampleData(20000);
  const Bytes stream = test::Deflate(data);
  Bytes out;
  for (std::size_t cut = 0; cut + 1 < stream.size(); cut += 97) {
    const Bytes part(stream.begin(), stream.begin() + cut);
    EXPECT_EQ(InflateBytes(part, out), InflateResult::kDamaged) << "cut at " << cut;
  }
}

TEST(Inflate, StoredBlockTakesItsLengthAndIgnoresTheComplement) {
  BitWriter w;
  w.Put(1, 1);  // final
  w.Put(0, 2);  // stored
  w.AlignAndPutBytes({5, 0, 0x12, 0x34, 'h', 'e', 'l', 'l', 'o'});
  Bytes out;
  ASSERT_EQ(InflateBytes(w.Data(), out), InflateResult::kDone);
  EXPECT_EQ(out, test::Text("hello"));
}

TEST(Inflate, ReservedBlockTypeIsEmpty) {
  BitWriter w;
  w.Put(0, 1);
  w.Put(3, 2);  // reserved, not final
  w.Put(1, 1);
  w.Put(0, 2);
  w.AlignAndPutBytes({2, 0, 0xFD, 0xFF, 'o', 'k'});
  Bytes out;
  ASSERT_EQ(InflateBytes(w.Data(), out), InflateResult::kDone);
  EXPECT_EQ(out, test::Text("ok"));
}

TEST(Inflate, EndlessReservedBlocksEndAsDamaged) {
  const Bytes stream(64, 0x36);  // 0b110110: non-final reserved blocks for ever
  Bytes out;
  EXPECT_EQ(InflateBytes(stream, out), InflateResult::kDamaged);
}

TEST(Inflate, TooManyCodesInADynamicBlockIsDamage) {
  for (const auto& [literals, distances] : {std::pair{30, 0}, std::pair{0, 30}, std::pair{31, 31}}) {
    BitWriter w;
    w.Put(1, 1);
    w.Put(2, 2);
    w.Put(literals, 5);   // 257 + 30 = 287 literal/length codes
    w.Put(distances, 5);  // 1 + 30 = 31 distance codes
    w.Put(15, 4);
    for (int i = 0; i < 19; ++i) w.Put(4, 3);
    for (int i = 0; i < 40; ++i) w.Put(0, 8);
    Bytes out;
    EXPECT_EQ(InflateBytes(w.Data(), out), InflateResult::kDamaged) << literals << " " << distances;
  }
}

TEST(Inflate, OverSubscribedCodeLengthCodeIsDamage) {
  BitWriter w;
  w.Put(1, 1);
  w.Put(2, 2);
  w.Put(0, 5);
  w.Put(0, 5);
  w.Put(15, 4);
  for (int i = 0; i < 19; ++i) w.Put(1, 3);  // nineteen codes of length 1
  for (int i = 0; i < 8; ++i) w.Put(0, 8);
  Bytes out;
  EXPECT_EQ(InflateBytes(w.Data(), out), InflateResult::kDamaged);
}

TEST(Inflate, DistanceBeforeTheStartIsDamage) {
  // Fixed codes: literal 'A' (8 bits 0x71), then length 3 (symbol 257, 7 bits 0000001)
  // at distance 2 (distance symbol 1, 5 bits 00001): one byte of history, two asked for.
  BitWriter w;
  w.Put(1, 1);
  w.Put(1, 2);
  auto code = [&](std::uint32_t value, int bits) {  // Huffman codes go most significant bit first
    for (int i = bits - 1; i >= 0; --i) w.Put((value >> i) & 1, 1);
  };
  code(0x30 + 'A', 8);
  code(1, 7);
  code(1, 5);
  code(0, 7);  // end of block
  Bytes out;
  EXPECT_EQ(InflateBytes(w.Data(), out), InflateResult::kDamaged);
}

TEST(Inflate, StopsAtTheOutputLimit) {
  const Bytes data = test::SampleData(100000);
  const Bytes stream = test::Deflate(data);
  Bytes out;
  EXPECT_EQ(InflateBytes(stream, out, data.size()), InflateResult::kDone);
  EXPECT_EQ(InflateBytes(stream, out, data.size() - 1), InflateResult::kTooLarge);
  EXPECT_EQ(InflateBytes(stream, out, 1000), InflateResult::kTooLarge);
  EXPECT_LE(out.size(), 1000u);
}

TEST(HuffmanTree, OneLookUpTableOfTheLongestLength) {
  // Lengths 2,1,3,3 give codes 10, 0, 110, 111; the table is indexed by reversed bits.
  const std::uint8_t lengths[] = {2, 1, 3, 3};
  const std::uint8_t extra[] = {0, 0, 4, 0};
  THuffmanTree tree;
  ASSERT_TRUE(tree.Build(lengths, 4, extra));
  EXPECT_EQ(tree.bits, 3);
  ASSERT_EQ(tree.table.size(), 8u);
  EXPECT_EQ(tree.table[0b000], 1u | (1u << 16));
  EXPECT_EQ(tree.table[0b001], 0u | (2u << 16));
  EXPECT_EQ(tree.table[0b011], 2u | (3u << 16) | (4u << 24));
  EXPECT_EQ(tree.table[0b111], 3u | (3u << 16));

  const std::uint8_t incomplete[] = {2, 0, 0, 0};
  ASSERT_TRUE(tree.Build(incomplete, 4, nullptr));
  EXPECT_EQ(tree.table[0b01], THuffmanTree::kUnused);

  THuffmanTree limited{{}, 7, 0};
  const std::uint8_t tooLong[] = {8, 1};
  EXPECT_FALSE(limited.Build(tooLong, 2, nullptr));
}

}  // namespace
}  // namespace zentavo
