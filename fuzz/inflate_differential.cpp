// Our inflater against zlib's, two ways per input. As a raw deflate stream: what zlib
// inflates to the end we must inflate to the same bytes, and we may accept a stream zlib
// rejects only by decoding on past the point where zlib stopped. As data: zlib deflates it
// under settings taken from its first bytes, with flushes and switches part-way, and we
// must give back exactly the data. A disagreement aborts with a note of what differed.
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "native/support/ZlibDeflater.h"
#include "skin/Inflate.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kOutputLimit = 256 * 1024;  // enough for several window flushes
constexpr int kStrategies[] = {Z_DEFAULT_STRATEGY, Z_FILTERED, Z_FIXED, Z_HUFFMAN_ONLY, Z_RLE};
constexpr int kFlushes[] = {Z_NO_FLUSH, Z_PARTIAL_FLUSH, Z_SYNC_FLUSH, Z_FULL_FLUSH, Z_BLOCK};

void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "inflate differs from zlib: %s\n", what);
  std::abort();
}

bool IsPrefix(const Bytes& shorter, const Bytes& longer) {
  return shorter.size() <= longer.size() && std::equal(shorter.begin(), shorter.end(), longer.begin());
}

void CompareOnRawStream(const std::uint8_t* data, std::size_t size) {
  static Bytes zlibOut(kOutputLimit + 1);  // one byte more than the limit tells "too large"
  z_stream z{};
  if (inflateInit2(&z, -15) != Z_OK) return;
  z.next_in = const_cast<Bytef*>(data);
  z.avail_in = static_cast<uInt>(size);
  z.next_out = zlibOut.data();
  z.avail_out = static_cast<uInt>(zlibOut.size());
  const int rc = inflate(&z, Z_NO_FLUSH);
  const Bytes theirs(zlibOut.begin(), zlibOut.begin() + static_cast<std::ptrdiff_t>(z.total_out));
  inflateEnd(&z);

  Bytes ours;
  const zentavo::InflateResult result = zentavo::InflateBuffer(data, size, ours, kOutputLimit);
  if (rc == Z_STREAM_END && theirs.size() <= kOutputLimit) {
    Require(result == zentavo::InflateResult::kDone, "zlib inflates the stream, we do not");
    Require(ours == theirs, "both inflate the stream, to different bytes");
  } else if (rc == Z_STREAM_END) {
    Require(result == zentavo::InflateResult::kTooLarge, "the stream passes the limit, we do not say so");
  } else if (result == zentavo::InflateResult::kDone) {
    // Accepted where zlib is stricter (a reserved block type, a stored length without its
    // complement, an incomplete code): only for damage, not for a cut stream or one that is
    // too large, and with everything zlib gave before it stopped.
    Require(rc == Z_DATA_ERROR, "zlib wants more input or output, we say the stream is done");
    Require(IsPrefix(theirs, ours), "we accept a stream zlib rejects, and differ before its error");
  }
  // Whatever the results, the bytes given out so far are the same stream.
  Require(IsPrefix(ours, theirs) || IsPrefix(theirs, ours), "the outputs part ways");
}

// The first four bytes choose the settings: level and strategy; memory level and window size;
// how many times the input repeats (long distances, window flushes); and where, how often and
// with what the stream changes part-way (flush kind, or a new level and strategy).
void CompareOnRoundTrip(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return;
  const int level = data[0] % 10;
  const int strategy = kStrategies[data[0] / 10 % 5];
  const int memLevel = 1 + data[1] % 9;
  const int windowBits = -(9 + data[1] / 9 % 7);
  const std::size_t copies = 1 + data[2] % 16;
  const int control = data[3];

  Bytes plain;
  for (std::size_t i = 0; i < copies; ++i) plain.insert(plain.end(), data, data + size);

  zentavo::testing::ZlibDeflater deflater(level, windowBits, memLevel, strategy, plain.size());
  // Pieces of a length set by the control byte; between them a flush or a switch, chosen by
  // the input byte at the piece's end so each boundary can differ.
  const std::size_t piece = control & 0x80 ? plain.size() + 1 : 1 + (plain.size() >> (control & 7));
  for (std::size_t at = 0; at < plain.size() && deflater.Ok(); at += piece) {
    const std::size_t n = std::min(piece, plain.size() - at);
    const std::uint8_t choice = plain[at + n - 1];
    deflater.Feed(plain.data() + at, n, kFlushes[choice % 5]);
    if (control & 0x40 && choice % 3 == 0) deflater.Switch(choice / 3 % 10, kStrategies[choice / 30 % 5]);
  }
  deflater.Feed(nullptr, 0, Z_FINISH);
  if (!deflater.Ok()) return;  // a setting zlib refuses: nothing to compare
  const Bytes stream = deflater.Take();

  Bytes ours;
  Require(zentavo::InflateBuffer(stream.data(), stream.size(), ours, plain.size()) ==
              zentavo::InflateResult::kDone,
          "zlib deflated the data, we cannot inflate it");
  Require(ours == plain, "zlib deflated the data, we inflate other bytes");
  if (!plain.empty()) {
    ours.clear();
    Require(zentavo::InflateBuffer(stream.data(), stream.size(), ours, plain.size() - 1) ==
                zentavo::InflateResult::kTooLarge,
            "a limit one byte short of the data is not reported");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CompareOnRawStream(data, size);
  CompareOnRoundTrip(data, size);
  return 0;
}
