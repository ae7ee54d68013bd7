// The stack blur of a 512 x 512 bitmap at radii 2, 16 and 128, each timed
// against copying the same pixels in the same run. The counter "copies" is
// the blur's time in copies of the bitmap; it stays flat as the radius
// grows, since the running sums cost the same at every radius.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "controls/zr_blur.h"
#include "scene/zr_bitmap.h"

namespace {

constexpr int kSide = 512;

void Fill(TzrBitmap& B) {
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) {
      const uint32_t a = uint32_t((x * 7 + y * 13) & 0xFF);
      B.GetScanline(y)[x] = a << 24 | (a / 2) << 16 | (a / 3) << 8 | (a / 4);
    }
}

// Seconds for one copy of the bitmap's pixels, from a batch of copies.
double CopySeconds(const TzrBitmap& Source) {
  std::vector<TzrColor> target(size_t(kSide) * kSide);
  constexpr int kCopies = 50;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kCopies; ++i) {
    std::copy_n(Source.GetStartLine(), target.size(), target.data());
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
  }
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / kCopies;
}

void BM_Blur(benchmark::State& state) {
  TzrBitmap source(kSide, kSide), work(kSide, kSide);
  Fill(source);
  const double copy = CopySeconds(source);
  double blurred = 0;
  for (auto _ : state) {
    std::copy_n(source.GetStartLine(), size_t(kSide) * kSide, work.GetStartLine());
    const auto start = std::chrono::steady_clock::now();
    Blur(nullptr, &work, int(state.range(0)));
    blurred += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    benchmark::DoNotOptimize(work.GetStartLine());
  }
  state.counters["copies"] = blurred / double(state.iterations()) / copy;
}

}  // namespace

BENCHMARK(BM_Blur)->Arg(2)->Arg(16)->Arg(128)->Unit(benchmark::kMillisecond);
