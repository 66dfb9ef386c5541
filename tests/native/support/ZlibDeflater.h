#pragma once
// zlib's deflate as the reference that the inflater's tests and fuzz targets compress with.
#include <zlib.h>

#include <cstdint>
#include <vector>

namespace zentavo::testing {

// Runs zlib's deflate (raw when windowBits is negative) into a buffer that grows as needed.
class ZlibDeflater {
 public:
  using Bytes = std::vector<std::uint8_t>;

  ZlibDeflater(int level, int windowBits, int memLevel, int strategy, std::size_t sizeHint)
      : out_(sizeHint + kSlack) {
    ok_ = deflateInit2(&z_, level, Z_DEFLATED, windowBits, memLevel, strategy) == Z_OK;
  }
  ~ZlibDeflater() { deflateEnd(&z_); }
  ZlibDeflater(const ZlibDeflater&) = delete;
  ZlibDeflater& operator=(const ZlibDeflater&) = delete;

  // False once zlib refused a setting or a call.
  bool Ok() const { return ok_; }

  // Gives deflate the bytes with `flush` and keeps calling until it has taken them all and
  // has output room to spare (with Z_FINISH: until the stream has ended).
  void Feed(const std::uint8_t* data, std::size_t size, int flush) {
    z_.next_in = const_cast<Bytef*>(data);
    z_.avail_in = static_cast<uInt>(size);
    while (ok_) {
      MakeRoom();
      const int rc = deflate(&z_, flush);
      if (rc == Z_STREAM_ERROR) ok_ = false;
      if (flush == Z_FINISH ? rc == Z_STREAM_END : z_.avail_in == 0 && z_.avail_out != 0) return;
    }
  }
  // Switches level and strategy; zlib first closes the current block with what it holds.
  void Switch(int level, int strategy) {
    MakeRoom();
    int rc = deflateParams(&z_, level, strategy);
    if (rc == Z_BUF_ERROR) {  // the pending block did not fit: emit it, then switch
      Feed(nullptr, 0, Z_BLOCK);
      rc = deflateParams(&z_, level, strategy);
    }
    if (rc != Z_OK) ok_ = false;
  }
  Bytes Take() {
    out_.resize(z_.total_out);
    return std::move(out_);
  }

 private:
  static constexpr std::size_t kSlack = 256 * 1024;  // more than one block ever needs
  void MakeRoom() {
    if (out_.size() - z_.total_out < kSlack) out_.resize(out_.size() * 2 + kSlack);
    z_.next_out = out_.data() + z_.total_out;
    z_.avail_out = static_cast<uInt>(out_.size() - z_.total_out);
  }

  z_stream z_{};
  Bytes out_;
  bool ok_ = false;
};

}  // namespace zentavo::testing
