// Deciphering (AES-256 in EAX mode) and digesting (MD5) a 256 KiB firmware
// image, against a plain copy of the same buffer as the baseline.

#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "link/Pdfutils.h"

namespace {

constexpr size_t kImageSize = 256 * 1024;

std::vector<uint8_t> RandomImage() {
  std::vector<uint8_t> image(kImageSize);
  std::mt19937 random(42);
  for (uint8_t& b : image) b = static_cast<uint8_t>(random());
  return image;
}

void BM_CopyImage(benchmark::State& state) {
  const auto image = RandomImage();
  std::vector<uint8_t> out(kImageSize);
  for (auto _ : state) {
    std::memcpy(out.data(), image.data(), kImageSize);
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kImageSize);
}
BENCHMARK(BM_CopyImage);

void BM_DecipherAndDigestImage(benchmark::State& state) {
  const auto image = RandomImage();
  std::vector<uint8_t> out(kImageSize);
  const std::string keyText = std::to_string(kImageSize) + "V1.0";
  for (auto _ : state) {
    DecipherFirmwareBytes(keyText, image.data(), out.data(), kImageSize);
    benchmark::DoNotOptimize(Md5Hex(out.data(), kImageSize));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kImageSize);
}
BENCHMARK(BM_DecipherAndDigestImage);

void BM_DigestImage(benchmark::State& state) {
  const auto image = RandomImage();
  for (auto _ : state) benchmark::DoNotOptimize(Md5Hex(image.data(), kImageSize));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kImageSize);
}
BENCHMARK(BM_DigestImage);

}  // namespace
