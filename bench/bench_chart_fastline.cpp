// Redrawing a 1,000,000-point fast line on a 1000 x 600 chart: every point
// as one precomputed polyline, and one stroke per pixel column, against the
// same polyline stroked with Cairo directly in strokes of 1,000 points each
// (one stroke of a million vertices costs Cairo seconds, far from what a
// program drawing that many points does).
#include <benchmark/benchmark.h>
#include <cairo.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

#include "bench/best_time.h"
#include "chart/FastLineSeries.h"
#include "chart/PlotCanvas3D.h"
#include "chart/PlotStartup.h"
#include "tests/support/AxisPanelFixture.h"

namespace {

constexpr int kPoints = 1000000;
constexpr int kW = 1000, kH = 600;

double Noise(int I) { return 300 + 200 * std::sin(I * 0.0001) + 40 * std::sin(I * 1.7); }

struct TChartStarted {
  TChartStarted() { InitializeChart(); }
};

// A chart canvas on its own bitmap.
class TBitmapCanvas : public TPlotCanvas3D {
 public:
  TBitmapCanvas() {
    Bitmap.SetPixelFormat(pf24bit);
    Bitmap.SetSize(kW, kH);
    SetUseBuffer(false);
    InitWindow(Bitmap.GetCanvas(), nullptr, clWhite, false, TRect{0, 0, kW, kH});
  }
  TBitmap Bitmap;
};

struct TFastChart {
  explicit TFastChart(bool DrawAll) {
    static TChartStarted started;
    Canvas = new TBitmapCanvas();
    Panel.SetInternalCanvas(Canvas);
    Panel.SetView3D(false);
    Series.SetParentChart(&Panel);
    Series.SetDrawStyle(flAll);
    Series.SetDrawAllPoints(DrawAll);
    Series.SetDrawAllPointsStyle(daMinMax);
    Series.BeginUpdate();
    for (int i = 0; i < kPoints; ++i) Series.AddXY(i, Noise(i));
    Series.EndUpdate();
    Panel.GetBottomAxis()->SetMinMax(0, kPoints - 1);
    Panel.GetLeftAxis()->SetMinMax(0, 600);
    Panel.PlaceAxes(TRect{0, 0, kW, kH});
  }
  ~TFastChart() { Series.SetParentChart(nullptr); }
  int Run() {
    Series.CalcFirstLastVisibleIndex();
    Series.DoBeforeParallel();
    Series.DrawAllValues();
    return Series.FLastVisibleIndex;
  }
  TTestAxisPanel Panel;
  TFastLineSeries Series;
  TBitmapCanvas* Canvas = nullptr;
};

// The pixel polyline the series computes, stroked one pixel wide without
// antialiasing through the pixel centres, as a cosmetic pen draws.
struct TCairoLine {
  TCairoLine() {
    surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kW, kH);
    cr = cairo_create(surface);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    TFastChart chart(true);
    chart.Run();
    for (const TPoint& p : chart.Series.Points()) Points.push_back({p.X + 0.5, p.Y + 0.5});
  }
  ~TCairoLine() {
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
  }
  // Each stroke begins at the last point of the one before, so the chunks
  // join into the same line.
  int Run() {
    constexpr size_t kChunk = 1000;
    cairo_set_source_rgb(cr, 1, 0, 0);
    cairo_set_line_width(cr, 1);
    for (size_t first = 0; first + 1 < Points.size(); first += kChunk) {
      const size_t last = std::min(first + kChunk, Points.size() - 1);
      cairo_move_to(cr, Points[first].first, Points[first].second);
      for (size_t i = first + 1; i <= last; ++i)
        cairo_line_to(cr, Points[i].first, Points[i].second);
      cairo_stroke(cr);
    }
    cairo_surface_flush(surface);
    return 0;
  }
  std::vector<std::pair<double, double>> Points;
  cairo_surface_t* surface;
  cairo_t* cr;
};

void BM_CairoPolyline(benchmark::State& state) {
  TCairoLine c;
  for (auto _ : state) benchmark::DoNotOptimize(c.Run());
}
BENCHMARK(BM_CairoPolyline)->Unit(benchmark::kMillisecond);

void BM_FastLineAllPoints(benchmark::State& state) {
  TFastChart f(true);
  for (auto _ : state) benchmark::DoNotOptimize(f.Run());
}
BENCHMARK(BM_FastLineAllPoints)->Unit(benchmark::kMillisecond);

void BM_FastLineMinMax(benchmark::State& state) {
  TFastChart f(false);
  for (auto _ : state) benchmark::DoNotOptimize(f.Run());
}
BENCHMARK(BM_FastLineMinMax)->Unit(benchmark::kMillisecond);

// Every point costs at most three times the bare Cairo stroke, and one
// stroke per pixel column costs less than it, all timed in the same run
// (best of three).
void BM_FastLineAgainstCairo(benchmark::State& state) {
  TFastChart all(true), minMax(false);
  TCairoLine cairo;
  double ratio = 0, ratioMinMax = 0;
  for (auto _ : state) {
    const double base = BestSeconds([&] { return cairo.Run(); });
    ratio = BestSeconds([&] { return all.Run(); }) / base;
    ratioMinMax = BestSeconds([&] { return minMax.Run(); }) / base;
  }
  state.counters["ratio"] = ratio;
  state.counters["goal"] = 3;
  state.counters["ratio_minmax"] = ratioMinMax;
  if (ratio > 3)
    state.SkipWithError("every point costs more than three times the Cairo stroke");
  else if (ratioMinMax >= 1)
    state.SkipWithError("pixel columns cost more than the Cairo stroke");
}
BENCHMARK(BM_FastLineAgainstCairo)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
