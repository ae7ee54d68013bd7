#pragma once
// The shortest of several timed runs, in seconds, so that a stray pause of
// the machine does not count against either side of a ratio.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

template <class F>
double BestSeconds(F&& Run, int Runs = 3) {
  double best = 1e9;
  for (int i = 0; i < Runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(Run());
    best = std::min(
        best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}
