// Our inflater against zlib's on streams that zlib's deflate makes at every level, strategy and
// memory level, with flushes and parameter switches part-way that put stored blocks between
// coded ones. Every stream comes from a fixed seed, so a failure names one it can repeat.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "native/support/ZlibDeflater.h"
#include "skin/Inflate.h"

namespace zentavo {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kStrategies[] = {Z_DEFAULT_STRATEGY, Z_FILTERED, Z_FIXED, Z_HUFFMAN_ONLY, Z_RLE};
constexpr int kSeedsPerMemLevel = 5;

std::string StrategyName(int strategy) {
  switch (strategy) {
    case Z_FILTERED:
      return "filtered";
    case Z_FIXED:
      return "fixed";
    case Z_HUFFMAN_ONLY:
      return "huffmanOnly";
    case Z_RLE:
      return "rle";
    default:
      return "default";
  }
}

// One piece of input, and whether it is random bytes: streams with switches may deflate those
// at level 0, so they go out as stored blocks between blocks of the level around them.
struct Piece {
  std::size_t begin;
  std::size_t end;
  bool incompressible;
};

// Input of pieces that reach every kind of block content: literal runs over alphabets of
// every size and skew (short and long codes), repeats of earlier input at lengths 3..258 and
// distances 1..32768 (zlib's deflate uses those up to 32506), runs of one byte, and random
// stretches nothing can compress.
Bytes MakeInput(std::mt19937& random, std::size_t size, std::vector<Piece>& pieces) {
  Bytes data;
  auto below = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
  while (data.size() < size) {
    const std::size_t begin = data.size();
    bool incompressible = false;
    switch (below(8)) {
      case 0:
      case 1: {  // literals, skewed: low symbols are far more frequent than high ones
        const std::size_t alphabet = 2 + below(255);
        const std::size_t count = 1 + below(3000);
        for (std::size_t i = 0; i < count; ++i) {
          const std::size_t a = below(alphabet), b = below(alphabet);
          data.push_back(static_cast<std::uint8_t>('0' + std::min(a, b) * std::min(a, b) / alphabet));
        }
        break;
      }
      case 2:
      case 3:
      case 4: {  // a repeat, ended by a byte that is unlikely to continue it
        if (data.empty()) break;
        const std::size_t length = below(4) == 0 ? (below(2) ? 3 : 258) : 3 + below(256);
        const std::size_t reach = std::min<std::size_t>(data.size(), 32768);
        const std::size_t distance = 1 + below(std::min<std::size_t>(reach, std::size_t{1} << below(16)));
        for (std::size_t i = 0; i < length; ++i) data.push_back(data[data.size() - distance]);
        data.push_back(static_cast<std::uint8_t>(random()));
        break;
      }
      case 5: {  // one byte many times
        const std::uint8_t byte = static_cast<std::uint8_t>(random());
        data.insert(data.end(), 1 + below(1200), byte);
        break;
      }
      case 6: {  // random bytes
        const std::size_t count = 1 + below(below(4) == 0 ? 40000 : 3000);
        for (std::size_t i = 0; i < count; ++i) data.push_back(static_cast<std::uint8_t>(random()));
        incompressible = count > 200;
        break;
      }
      default: {  // words
        static const char* const kWords[] = {"income ", "outgo ", "ledger ", "skin ", "12.50 ", "\r\n"};
        for (std::size_t i = 1 + below(200); i > 0; --i)
          for (const char* c = kWords[below(6)]; *c; ++c) data.push_back(static_cast<std::uint8_t>(*c));
        break;
      }
    }
    if (data.size() > begin) pieces.push_back({begin, data.size(), incompressible});
  }
  return data;
}

struct Stream {
  Bytes data;
  Bytes deflated;
  std::string description;
};

// Makes one stream. The odd seeds change things between pieces: flushes of every kind,
// level 0 around random stretches, and now and then another level and strategy altogether.
Stream MakeStream(int level, int strategy, int memLevel, int seed) {
  std::mt19937 random(static_cast<unsigned>(seed * 1000003 + level * 1009 + strategy * 101 + memLevel));
  const std::size_t size = random() % 8 == 0 ? 40000 + random() % 80000 : random() % 24000;
  std::vector<Piece> pieces;
  Stream s;
  s.data = MakeInput(random, size, pieces);
  const bool switches = seed % 2 == 1;
  zentavo::testing::ZlibDeflater deflater(level, -15, memLevel, strategy, s.data.size());
  int currentLevel = level, currentStrategy = strategy;
  std::ostringstream what;
  what << "level " << level << ", strategy " << StrategyName(strategy) << ", memLevel " << memLevel
       << ", seed " << seed << ", " << s.data.size() << " bytes in " << pieces.size() << " pieces";
  for (const Piece& piece : pieces) {
    int flush = Z_NO_FLUSH;
    if (switches) {
      int wantLevel = level, wantStrategy = strategy;
      if (piece.incompressible && random() % 2) wantLevel = 0;
      if (random() % 16 == 0) {
        wantLevel = static_cast<int>(random() % 10);
        wantStrategy = kStrategies[random() % 5];
      }
      if (wantLevel != currentLevel || wantStrategy != currentStrategy) {
        deflater.Switch(wantLevel, wantStrategy);
        currentLevel = wantLevel;
        currentStrategy = wantStrategy;
      }
      static constexpr int kFlushes[] = {Z_NO_FLUSH,      Z_NO_FLUSH,   Z_NO_FLUSH,   Z_NO_FLUSH, Z_NO_FLUSH,
                                         Z_PARTIAL_FLUSH, Z_SYNC_FLUSH, Z_FULL_FLUSH, Z_BLOCK};
      flush = kFlushes[random() % 9];
    }
    deflater.Feed(s.data.data() + piece.begin, piece.end - piece.begin, flush);
  }
  deflater.Feed(nullptr, 0, Z_FINISH);
  if (!deflater.Ok()) what << " (zlib's deflate failed)";
  s.deflated = deflater.Take();
  s.description = what.str();
  return s;
}

// zlib's inflate of a whole raw stream; false unless it reaches the end of the stream.
bool ZlibInflate(const Bytes& stream, std::size_t expectedSize, Bytes& out) {
  z_stream z{};
  if (inflateInit2(&z, -15) != Z_OK) return false;
  out.assign(expectedSize + 1, 0);
  z.next_in = const_cast<Bytef*>(stream.data());
  z.avail_in = static_cast<uInt>(stream.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  const int rc = inflate(&z, Z_FINISH);
  out.resize(z.total_out);
  inflateEnd(&z);
  return rc == Z_STREAM_END;
}

::testing::AssertionResult InflatesLikeZlib(const Stream& s) {
  Bytes expected;
  if (!ZlibInflate(s.deflated, s.data.size(), expected) || expected != s.data)
    return ::testing::AssertionFailure() << s.description << ": zlib does not give the input back";
  Bytes ours;
  const InflateResult result = InflateBuffer(s.deflated.data(), s.deflated.size(), ours, 1u << 30);
  if (result != InflateResult::kDone)
    return ::testing::AssertionFailure() << s.description << ": result " << static_cast<int>(result)
                                         << " after " << ours.size() << " bytes";
  if (ours != expected) {
    const auto diff = std::mismatch(ours.begin(), ours.end(), expected.begin(), expected.end());
    return ::testing::AssertionFailure()
           << s.description << ": " << ours.size() << " bytes instead of " << expected.size()
           << ", first difference at byte " << (diff.first - ours.begin());
  }
  return ::testing::AssertionSuccess();
}

struct Settings {
  int level;
  int strategy;
};

void PrintTo(const Settings& settings, std::ostream* os) {
  *os << "level " << settings.level << ", strategy " << StrategyName(settings.strategy);
}

class InflateLikeZlib : public ::testing::TestWithParam<Settings> {};

// Every memory level, half of the streams with switches part-way.
TEST_P(InflateLikeZlib, AtEveryMemoryLevel) {
  const Settings& settings = GetParam();
  int failures = 0;
  for (int memLevel = 1; memLevel <= 9; ++memLevel)
    for (int seed = 0; seed < kSeedsPerMemLevel && failures < 5; ++seed) {
      const ::testing::AssertionResult same =
          InflatesLikeZlib(MakeStream(settings.level, settings.strategy, memLevel, seed));
      EXPECT_TRUE(same);
      failures += same ? 0 : 1;
    }
}

std::vector<Settings> AllSettings() {
  std::vector<Settings> all;
  for (int strategy : kStrategies)
    for (int level = 0; level <= 9; ++level) all.push_back({level, strategy});
  return all;
}

INSTANTIATE_TEST_SUITE_P(Deflated, InflateLikeZlib, ::testing::ValuesIn(AllSettings()), [](const auto& info) {
  return StrategyName(info.param.strategy) + "Level" + std::to_string(info.param.level);
});

}  // namespace
}  // namespace zentavo
