// Laying out a 10,000-pixel horizontal axis and working out its 10,000
// point labels (each measured and tested against its neighbour), against
// measuring the same 10,000 texts with Pango directly.
#include <benchmark/benchmark.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "bench/best_time.h"
#include "chart/PlotStartup.h"
#include "tests/support/AxisPanelFixture.h"

namespace {

constexpr int kPoints = 10000;

std::vector<std::string> Texts() {
  std::vector<std::string> texts;
  for (int i = 0; i < kPoints; ++i) texts.push_back("P" + std::to_string(i));
  return texts;
}

// The chart library is started once for the whole program.
struct TChartStarted {
  TChartStarted() { InitializeChart(); }
};

struct TLabelledAxis {
  TLabelledAxis() {
    static TChartStarted started;
    const std::vector<std::string> texts = Texts();
    Series.SetParentChart(&Panel);
    for (int i = 0; i < kPoints; ++i) Series.AddXY(i, 1, texts[size_t(i)]);
    Panel.GetBottomAxis()->SetMinMax(0, kPoints - 1);
    Panel.PlaceAxes(TRect{0, 0, kPoints, 400});
  }
  ~TLabelledAxis() { Series.SetParentChart(nullptr); }
  int Run() {
    TRect r{0, 0, kPoints, 400};
    TChartAxis* axis = Panel.GetBottomAxis();
    axis->CalcRect(r, true);
    axis->CalcLabels();
    return axis->GetItems()->Count();
  }
  TTestAxisPanel Panel;
  TChartSeries Series;
};

struct TPangoMeasure {
  TPangoMeasure() : Texts(::Texts()) {
    surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 16, 16);
    cr = cairo_create(surface);
    layout = pango_cairo_create_layout(cr);
    PangoFontDescription* font = pango_font_description_from_string("Sans 8");
    pango_layout_set_font_description(layout, font);
    pango_font_description_free(font);
  }
  ~TPangoMeasure() {
    g_object_unref(layout);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
  }
  int Run() {
    int total = 0;
    for (const std::string& t : Texts) {
      pango_layout_set_text(layout, t.c_str(), -1);
      int w = 0, h = 0;
      pango_layout_get_pixel_size(layout, &w, &h);
      total += w;
    }
    return total;
  }
  std::vector<std::string> Texts;
  cairo_surface_t* surface;
  cairo_t* cr;
  PangoLayout* layout;
};

void BM_PangoMeasure(benchmark::State& state) {
  TPangoMeasure m;
  for (auto _ : state) benchmark::DoNotOptimize(m.Run());
}
BENCHMARK(BM_PangoMeasure)->Unit(benchmark::kMillisecond);

// The same texts measured through the chart's canvas, as the axis does.
void BM_CanvasMeasure(benchmark::State& state) {
  TLabelledAxis a;
  const std::vector<std::string> texts = Texts();
  a.Panel.PrepareFont3D(a.Panel.GetBottomAxis()->GetLabelsFont());
  for (auto _ : state) {
    int total = 0;
    for (const std::string& t : texts) total += a.Panel.GetCanvas()->TextWidth(t);
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(BM_CanvasMeasure)->Unit(benchmark::kMillisecond);

void BM_AxisLabels(benchmark::State& state) {
  TLabelledAxis a;
  for (auto _ : state) benchmark::DoNotOptimize(a.Run());
}
BENCHMARK(BM_AxisLabels)->Unit(benchmark::kMillisecond);

// The axis costs at most twice the bare measuring of its texts, both timed
// in the same run (best of five, so a stray pause does not count).
void BM_LabelsAgainstPango(benchmark::State& state) {
  TLabelledAxis a;
  TPangoMeasure m;
  double ratio = 0;
  for (auto _ : state)
    ratio = BestSeconds([&] { return a.Run(); }, 5) / BestSeconds([&] { return m.Run(); }, 5);
  state.counters["ratio"] = ratio;
  if (ratio > 2) state.SkipWithError("axis labels cost more than twice the measuring");
}
BENCHMARK(BM_LabelsAgainstPango)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
