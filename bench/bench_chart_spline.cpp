// Building and sampling an interpolated B-spline of N points at 600 steps,
// against a plain linear interpolation over the same points.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "chart/BSpline.h"

namespace {

constexpr int kSteps = 600;

std::vector<TVertex> Points(int n) {
  std::vector<TVertex> points(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) points[static_cast<size_t>(i)] = {double(i), std::sin(i * 0.37) * 100};
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

}  // namespace
