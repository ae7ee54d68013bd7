// Redrawing the RPM chart window's chart (626 x 390: title, axes with their
// labels, the two speed lines and the round cursor) against drawing the same
// two lines and circle with Cairo on a surface of the same size, timed in the
// same run. The ratio tells what the chart's frame around the three shapes
// costs on each redraw.
#include <benchmark/benchmark.h>
#include <cairo.h>

#include <algorithm>
#include <chrono>
#include <memory>

#include "app/frmSpeed.h"
#include "canvas/zr_gdiplus_unit.h"
#include "chart/ChartAxis.h"
#include "chart/PlotStartup.h"
#include "platform/vcl/Forms.h"

namespace {

struct TStarted {
  TStarted() {
    InitializeCanvasGdiPlus();
    Application->Initialize();
    InitializeChart();
  }
};

// The window as it opens in demo mode (K 512, 2 poles, ratio 1), its chart
// redrawn onto a bitmap of its size.
struct TSpeedChartRedraw {
  TSpeedChartRedraw() {
    static TStarted started;
    Window = std::make_unique<TfrmSpeed>(nullptr);
    Window->FGovernorValue = 512;
    Window->FormShow(Window.get());
    Chart = Window->SpeedChart;
    Bitmap.SetPixelFormat(pf24bit);
    Bitmap.SetSize(Chart->GetWidth(), Chart->GetHeight());
    Run();
  }
  int Run() {
    Chart->Draw(Bitmap.GetCanvas(), TRect{0, 0, Chart->GetWidth(), Chart->GetHeight()});
    return Chart->ChartRect.Right;
  }
  std::unique_ptr<TfrmSpeed> Window;
  TChart* Chart = nullptr;
  TBitmap Bitmap;
};

// The same red and fuchsia lines and the cursor circle at the pixels the
// chart puts them, stroked and filled by Cairo with antialiasing.
struct TCairoShapes {
  explicit TCairoShapes(TSpeedChartRedraw& C) {
    TChart* chart = C.Chart;
    W = chart->GetWidth();
    H = chart->GetHeight();
    X0 = chart->GetBottomAxis()->CalcXPosValue(0);
    X1 = chart->GetBottomAxis()->CalcXPosValue(100);
    Y0 = chart->GetLeftAxis()->CalcYPosValue(0);
    Y1 = chart->GetLeftAxis()->CalcYPosValue(C.Window->RpmMax());
    P1 = chart->GetRightAxis()->CalcYPosValue(C.Window->PropRpmMax());
    Cx = chart->GetBottomAxis()->CalcXPosValue(50);
    Cy = chart->GetLeftAxis()->CalcYPosValue(C.Window->CursorRpm());
    Surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, W, H);
    Cr = cairo_create(Surface);
  }
  ~TCairoShapes() {
    cairo_destroy(Cr);
    cairo_surface_destroy(Surface);
  }
  int Run() {
    cairo_set_line_width(Cr, 1);
    cairo_set_source_rgb(Cr, 1, 0, 0);
    cairo_move_to(Cr, X0 + 0.5, Y0 + 0.5);
    cairo_line_to(Cr, X1 + 0.5, Y1 + 0.5);
    cairo_stroke(Cr);
    cairo_set_source_rgb(Cr, 1, 0, 1);
    cairo_move_to(Cr, X0 + 0.5, Y0 + 0.5);
    cairo_line_to(Cr, X1 + 0.5, P1 + 0.5);
    cairo_stroke(Cr);
    cairo_arc(Cr, Cx, Cy, 6, 0, 6.283185307179586);
    cairo_set_source_rgb(Cr, 1, 0, 0);
    cairo_fill_preserve(Cr);
    cairo_set_source_rgb(Cr, 0, 0, 0);
    cairo_stroke(Cr);
    cairo_surface_flush(Surface);
    return 0;
  }
  int W, H, X0, X1, Y0, Y1, P1, Cx, Cy;
  cairo_surface_t* Surface;
  cairo_t* Cr;
};

template <class F>
double Best(F&& Run) {
  double best = 1e9;
  for (int i = 0; i < 20; ++i) {
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(Run());
    best = std::min(
        best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}

void BM_SpeedChartRedraw(benchmark::State& state) {
  TSpeedChartRedraw c;
  for (auto _ : state) benchmark::DoNotOptimize(c.Run());
}
BENCHMARK(BM_SpeedChartRedraw)->Unit(benchmark::kMicrosecond);

void BM_CairoLinesAndCircle(benchmark::State& state) {
  TSpeedChartRedraw c;
  TCairoShapes cairo(c);
  for (auto _ : state) benchmark::DoNotOptimize(cairo.Run());
}
BENCHMARK(BM_CairoLinesAndCircle)->Unit(benchmark::kMicrosecond);

// The figure: the chart's redraw over the bare Cairo shapes, best of twenty
// each, in the same run.
void BM_SpeedChartAgainstCairo(benchmark::State& state) {
  TSpeedChartRedraw chart;
  TCairoShapes cairo(chart);
  double ratio = 0;
  for (auto _ : state) {
    const double base = Best([&] { return cairo.Run(); });
    ratio = Best([&] { return chart.Run(); }) / base;
  }
  state.counters["ratio"] = ratio;
}
BENCHMARK(BM_SpeedChartAgainstCairo)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
