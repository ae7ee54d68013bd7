// Drawing a 2D pie of 1,000 slices on a 600 x 600 chart against the same
// 1,000 sectors filled and stroked with Cairo directly.
#include <benchmark/benchmark.h>
#include <cairo.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numbers>
#include <vector>

#include "chart/PieSeries.h"
#include "chart/PlotCanvas3D.h"
#include "chart/PlotStartup.h"
#include "tests/support/AxisPanelFixture.h"

namespace {

constexpr int kSlices = 1000;
constexpr int kW = 600, kH = 600;

double Value(int I) { return 1 + (I * 37 % 100); }

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

struct TPieChart {
  TPieChart() {
    static TChartStarted started;
    Canvas = new TBitmapCanvas();
    Panel.SetInternalCanvas(Canvas);
    Panel.SetView3D(false);
    Series.SetParentChart(&Panel);
    Series.GetMarks()->SetVisible(false);
    Series.GetShadow()->SetVisible(false);
    Series.BeginUpdate();
    for (int i = 0; i < kSlices; ++i) Series.Add(Value(i));
    Series.EndUpdate();
    Panel.PlaceAxes(TRect{0, 0, kW, kH});
  }
  ~TPieChart() { Series.SetParentChart(nullptr); }
  int Run() {
    Series.DoBeforeDrawChart();
    Series.CalcFirstLastVisibleIndex();
    Series.CalcDepthPositions();
    Series.DoBeforeDrawValues();
    Series.DrawAllValues();
    Series.DoAfterDrawValues();
    return Series.FLastVisibleIndex;
  }
  TTestAxisPanel Panel;
  TPieSeries Series;
  TBitmapCanvas* Canvas = nullptr;
};

// The same sectors (angles from the series), each filled in its colour and
// outlined one pixel wide.
struct TCairoPie {
  TCairoPie() {
    surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kW, kH);
    cr = cairo_create(surface);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    TPieChart chart;
    chart.Run();
    for (const TPieAngle& a : chart.Series.Angles()) Angles.push_back({a.StartAngle, a.EndAngle});
    cx = chart.Series.GetCircleXCenter();
    cy = chart.Series.GetCircleYCenter();
    r = chart.Series.GetXRadius();
  }
  ~TCairoPie() {
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
  }
  int Run() {
    cairo_set_line_width(cr, 1);
    int i = 0;
    for (const auto& [s, e] : Angles) {
      cairo_move_to(cr, cx, cy);
      cairo_arc_negative(cr, cx, cy, r, -s, -e);
      cairo_close_path(cr);
      cairo_set_source_rgb(cr, (i * 53 % 256) / 255.0, (i * 97 % 256) / 255.0, 0.5);
      cairo_fill_preserve(cr);
      cairo_set_source_rgb(cr, 0, 0, 0);
      cairo_stroke(cr);
      ++i;
    }
    cairo_surface_flush(surface);
    return i;
  }
  std::vector<std::pair<double, double>> Angles;
  double cx = 0, cy = 0, r = 0;
  cairo_surface_t* surface;
  cairo_t* cr;
};

template <class F>
double Best(F&& Run) {
  double best = 1e9;
  for (int i = 0; i < 3; ++i) {
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(Run());
    best = std::min(
        best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}

void BM_CairoSectors(benchmark::State& state) {
  TCairoPie c;
  for (auto _ : state) benchmark::DoNotOptimize(c.Run());
}
BENCHMARK(BM_CairoSectors)->Unit(benchmark::kMillisecond);

void BM_Pie2D(benchmark::State& state) {
  TPieChart f;
  for (auto _ : state) benchmark::DoNotOptimize(f.Run());
}
BENCHMARK(BM_Pie2D)->Unit(benchmark::kMillisecond);

// The pie costs at most three times the bare Cairo sectors, both timed in
// the same run (best of three).
void BM_PieAgainstCairo(benchmark::State& state) {
  TPieChart pie;
  TCairoPie cairo;
  double ratio = 0;
  for (auto _ : state) {
    const double base = Best([&] { return cairo.Run(); });
    ratio = Best([&] { return pie.Run(); }) / base;
  }
  state.counters["ratio"] = ratio;
  if (ratio > 3) state.SkipWithError("the pie costs more than three times the Cairo sectors");
}
BENCHMARK(BM_PieAgainstCairo)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
