// Building and sampling an interpolated B-spline of N points at 600 steps,
// against a plain linear interpolation over the same points.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

#include "chart/BSpline.h"

namespace {

constexpr int kSteps = 600;

std::vector<TVertex> Points(int n) {
  std::vector<TVertex> points(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i)
    points[static_cast<size_t>(i)] = {double(i), std::sin(i * 0.37) * 100};
  return points;
}

void BM_BaselineLinear(benchmark::State& state) {
  const std::vector<TVertex> points = Points(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    double sum = 0;
    const double last = double(points.size() - 1);
    for (int k = 0; k <= kSteps; ++k) {
      const double u = last * k / kSteps;
      const size_t i = std::min(static_cast<size_t>(u), points.size() - 2);
      const double f = u - double(i);
      sum += points[i].Y * (1 - f) + points[i + 1].Y * f;
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_BaselineLinear)->Arg(100)->Arg(1000)->Arg(10000);

void BM_InterpolatedSpline(benchmark::State& state) {
  const std::vector<TVertex> points = Points(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    TBSpline spline(points.data(), static_cast<int>(points.size()) - 1);
    spline.SetInterpolated(true);
    double sum = 0;
    for (int k = 0; k <= kSteps; ++k) sum += spline.Value(double(k) / kSteps).Y;
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_InterpolatedSpline)->Arg(100)->Arg(1000)->Arg(10000)->Arg(100000);

// Rebuilds and samples an interpolated curve of N points; seconds taken.
double RebuildAndSample(const std::vector<TVertex>& Points) {
  const auto start = std::chrono::steady_clock::now();
  TBSpline spline(Points.data(), static_cast<int>(Points.size()) - 1);
  spline.SetInterpolated(true);
  double sum = 0;
  for (int k = 0; k <= kSteps; ++k) sum += spline.Value(double(k) / kSteps).Y;
  benchmark::DoNotOptimize(sum);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The rebuild grows linearly: the time per point at 100,000 points stays
// within 1.5 times the time per point at 10,000, measured in the same run
// (best of several tries of each, so a stray pause does not count). The
// allocator keeps freed memory meanwhile: otherwise the kernel's page faults
// on memory handed back and taken again, not the curve, set the times.
void BM_LinearGrowth(benchmark::State& state) {
  mallopt(M_MMAP_THRESHOLD, 512 << 20);
  mallopt(M_TRIM_THRESHOLD, 1024 << 20);
  const std::vector<TVertex> small = Points(10000);
  const std::vector<TVertex> large = Points(100000);
  double ratio = 0;
  for (auto _ : state) {
    double bestSmall = 1e9;
    double bestLarge = 1e9;
    for (int i = 0; i < 5; ++i) {
      bestSmall = std::min(bestSmall, RebuildAndSample(small));
      bestLarge = std::min(bestLarge, RebuildAndSample(large));
    }
    ratio = (bestLarge / 100000) / (bestSmall / 10000);
  }
  state.counters["per_point_ratio"] = ratio;
  if (ratio > 1.5) state.SkipWithError("time per point grows faster than linearly");
}
BENCHMARK(BM_LinearGrowth)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
