// A string grid of 10,000 rows and four columns scrolled by one row (the
// columns move and their cell pools are refilled) with the repaint of the
// visible rows, against drawing the same visible cells' texts in raw Cairo
// and Pango in the same run. The counter "ratio_to_raw" is the grid's time
// per step over the raw drawing's time per pass (goal: a small constant,
// not growing with the number of rows).
#include <benchmark/benchmark.h>
#include <gtk/gtk.h>
#include <pango/pangocairo.h>

#include <chrono>
#include <string>

#include "canvas/zr_gdiplus_unit.h"
#include "controls/zr_controls_register.h"
#include "controls/zr_effects.h"
#include "controls/zr_grid.h"
#include "controls/zr_objects.h"
#include "controls/zr_scroll_bar.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_scene.h"
#include "scene/zr_scene_unit.h"

namespace {

constexpr int kWidth = 540, kHeight = 420, kRows = 10000, kColumns = 4;
constexpr float kRow = 21;
constexpr float kColumnWidths[kColumns] = {62, 148, 148, 148};

using Clock = std::chrono::steady_clock;

void Pump() {
  while (g_main_context_iteration(nullptr, FALSE)) {
  }
}

std::string CellText(int Col, int Row) {
  return Col == 0 ? std::to_string(Row) : std::to_string(Row * 7 % 1000 + Col) + ".25";
}

// The visible rows' cells: a text each, with the stripes and lines the grid draws.
double RawCairoSeconds(int Passes, int FirstRow) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kWidth, kHeight);
  cairo_t* cr = cairo_create(surface);
  PangoLayout* layout = pango_cairo_create_layout(cr);
  PangoFontDescription* font = pango_font_description_from_string("Sans 9");
  pango_layout_set_font_description(layout, font);
  const int rows = int(kHeight / kRow) + 2;
  const auto start = Clock::now();
  for (int p = 0; p < Passes; ++p) {
    cairo_set_source_rgb(cr, 0x40 / 255.0, 0x40 / 255.0, 0x40 / 255.0);
    cairo_paint(cr);
    for (int r = 0; r < rows; ++r) {
      const double y = r * kRow;
      double x = 0;
      for (int c = 0; c < kColumns; ++c) {
        const std::string text = CellText(c, FirstRow + r);
        pango_layout_set_text(layout, text.c_str(), -1);
        cairo_move_to(cr, x + 3, y + 3);
        cairo_set_source_rgb(cr, 0xEA / 255.0, 0xEA / 255.0, 0xEA / 255.0);
        pango_cairo_show_layout(cr, layout);
        x += kColumnWidths[c];
      }
      cairo_move_to(cr, 0, y - 0.5);
      cairo_line_to(cr, x, y - 0.5);
      cairo_set_source_rgb(cr, 0x20 / 255.0, 0x20 / 255.0, 0x20 / 255.0);
      cairo_stroke(cr);
    }
    cairo_surface_flush(surface);
  }
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  pango_font_description_free(font);
  g_object_unref(layout);
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
  return seconds;
}

struct TBenchGrid {
  TzoRurev Scene{nullptr};
  TzrStringGrid* Grid = nullptr;
  TBenchGrid() {
    InitializeCanvasGdiPlus();
    InitializeScene();
    RegisterShapes();
    RegisterEffectClasses();
    RegisterStandardControls();
    Scene.CreateEmbedded(kWidth, kHeight, [](TObject*) {});
    auto* root = new TzrVisualObject(&Scene);
    Scene.AddObject(root);
    root->SetBounds(0, 0, kWidth, kHeight);
    Grid = new TzrStringGrid(&Scene);
    Grid->SetBounds(0, 0, kWidth, kHeight);
    Grid->SetAnimated(false);
    Grid->SetRowCount(kRows);
    for (float width : kColumnWidths) {
      auto* column = new TzrStringColumn(Grid);
      column->SetWidth(width);
      column->SetParent(Grid);
    }
    Grid->SetParent(root);
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kColumns; ++c) Grid->SetCells(c, r, UTF8ToUTF16(CellText(c, r)));
    // The grid takes its style, and with it its bars, at the first paint.
    Scene.UpdateBuffer();
    Pump();
    if (TzrScrollBar* bar = Grid->GetVScrollBar()) bar->SetValue(kRows * kRow / 2);
    Pump();
  }
};

void BM_RawCairoVisibleCells(benchmark::State& state) {
  for (auto _ : state) RawCairoSeconds(1, kRows / 2);
}

void BM_StringGridScrollStep(benchmark::State& state) {
  TBenchGrid bench;
  TzrScrollBar* bar = bench.Grid->GetVScrollBar();
  float step = kRow;
  int steps = 0;
  const auto start = Clock::now();
  for (auto _ : state) {
    if (bar) bar->SetValue(bar->GetValue() + step);
    step = -step;
    Pump();
    ++steps;
  }
  const double perStep = std::chrono::duration<double>(Clock::now() - start).count() / steps;
  const double raw = RawCairoSeconds(50, kRows / 2) / 50;
  state.counters["ratio_to_raw"] = perStep / raw;
  state.counters["cells"] = double(bench.Grid->PoolSize() * kColumns);
}

}  // namespace

BENCHMARK(BM_RawCairoVisibleCells)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StringGridScrollStep)->Unit(benchmark::kMicrosecond);
