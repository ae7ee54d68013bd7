// Reading and flattening a path of 10,000 segments from its text form,
// against a raw loop that only scans the numbers of the same text.
#include <benchmark/benchmark.h>

#include <charconv>
#include <string>

#include "scene/zr_path.h"

namespace {

// Alternating lines and cubic curves wandering over a 1000 x 1000 area.
std::string PathText() {
  std::string text = "M 0,0 ";
  for (int i = 0; i < 10000; ++i) {
    const int x = (i * 37) % 1000, y = (i * 91) % 1000;
    if (i % 2 == 0) {
      text += "L " + std::to_string(x) + "," + std::to_string(y) + " ";
    } else {
      text += "C " + std::to_string(x + 5) + "," + std::to_string(y) + " " + std::to_string(x) +
              "," + std::to_string(y + 5) + " " + std::to_string(x + 10) + ".5," +
              std::to_string(y + 10) + ".25 ";
    }
  }
  return text;
}

void BM_BaselineScanNumbers(benchmark::State& state) {
  const std::string text = PathText();
  for (auto _ : state) {
    double sum = 0;
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
      if ((*p >= '0' && *p <= '9') || *p == '-') {
        double v = 0;
        auto [next, error] = std::from_chars(p, end, v);
        if (error == std::errc()) {
          sum += v;
          p = next;
          continue;
        }
      }
      ++p;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetBytesProcessed(state.iterations() * text.size());
}

void BM_ParsePath(benchmark::State& state) {
  const std::string text = PathText();
  for (auto _ : state) {
    TzrPathData path;
    path.SetPathString(text);
    benchmark::DoNotOptimize(path.PathData.data());
  }
  state.SetBytesProcessed(state.iterations() * text.size());
}

void BM_ParseAndFlattenPath(benchmark::State& state) {
  const std::string text = PathText();
  for (auto _ : state) {
    TzrPathData path;
    path.SetPathString(text);
    TzrPolygon polygon;
    benchmark::DoNotOptimize(path.FlattenToPolygon(polygon, 0.25f));
    benchmark::DoNotOptimize(polygon.data());
  }
  state.SetBytesProcessed(state.iterations() * text.size());
}

}  // namespace

BENCHMARK(BM_BaselineScanNumbers);
BENCHMARK(BM_ParsePath);
BENCHMARK(BM_ParseAndFlattenPath);
