// UTF-8 to UTF-16 conversion against a plain byte copy of the same text.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "platform/rtl/SysUtils.h"

namespace {

std::string SampleText() {
  std::string text;
  for (int i = 0; i < 1000; ++i) text += "Throttle 油门 curve 曲线 ";
  return text;
}

void BM_Utf8ToUtf16(benchmark::State& state) {
  const std::string text = SampleText();
  for (auto _ : state) benchmark::DoNotOptimize(UTF8ToUTF16(text));
  state.SetBytesProcessed(state.iterations() * text.size());
}

void BM_BaselineCopy(benchmark::State& state) {
  const std::string text = SampleText();
  std::string copy(text.size(), '\0');
  for (auto _ : state) {
    std::memcpy(copy.data(), text.data(), text.size());
    benchmark::DoNotOptimize(copy.data());
  }
  state.SetBytesProcessed(state.iterations() * text.size());
}

}  // namespace

BENCHMARK(BM_BaselineCopy);
BENCHMARK(BM_Utf8ToUtf16);
