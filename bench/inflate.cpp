// Our inflater against zlib's on the same raw deflate streams; prints the throughput ratio.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdio>
#include <random>
#include <vector>

#include "skin/Inflate.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Skin-like data: a bitmap's rows of few colours with gradients, 4 MB.
Bytes SampleData() {
  Bytes data;
  std::mt19937 random(5);
  for (int row = 0; row < 1024; ++row)
    for (int x = 0; x < 1365; ++x) {
      const int band = (x / 40 + row / 30) % 6;
      data.push_back(static_cast<std::uint8_t>(band * 40 + (random() % 3)));
      data.push_back(static_cast<std::uint8_t>(row / 4));
      data.push_back(static_cast<std::uint8_t>(x / 6));
    }
  return data;
}

Bytes Deflate(const Bytes& data) {
  z_stream z{};
  deflateInit2(&z, 6, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
  Bytes out(deflateBound(&z, data.size()));
  z.next_in = const_cast<Bytef*>(data.data());
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

const Bytes& Plain() {
  static const Bytes data = SampleData();
  return data;
}
const Bytes& Packed() {
  static const Bytes data = Deflate(Plain());
  return data;
}

void BM_OurInflate(benchmark::State& state) {
  Bytes out;
  for (auto _ : state) {
    out.clear();
    zentavo::InflateBuffer(Packed().data(), Packed().size(), out, 1u << 30);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Plain().size()));
}

void BM_ZlibInflate(benchmark::State& state) {
  Bytes out(Plain().size());
  for (auto _ : state) {
    z_stream z{};
    inflateInit2(&z, -15);
    z.next_in = const_cast<Bytef*>(Packed().data());
    z.avail_in = static_cast<uInt>(Packed().size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    inflate(&z, Z_FINISH);
    inflateEnd(&z);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Plain().size()));
}

BENCHMARK(BM_OurInflate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZlibInflate)->Unit(benchmark::kMillisecond);

// Prints the ratio of the two throughputs after the runs.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const double time = run.GetAdjustedRealTime();
      if (run.benchmark_name().find("Our") != std::string::npos) ours_ = time;
      if (run.benchmark_name().find("Zlib") != std::string::npos) zlib_ = time;
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    if (ours_ > 0 && zlib_ > 0)
      std::printf("inflate throughput, ours / zlib: %.2f (%zu bytes from %zu)\n", zlib_ / ours_, Plain().size(),
                  Packed().size());
  }

 private:
  double ours_ = 0, zlib_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  return 0;
}
