// A list box scrolled by one wheel step (no animation), with the repaint of
// the rows that come into view, against drawing the same visible rows (a
// filled rectangle and a text each) in raw Cairo and Pango in the same run.
// Two sizes run one after the other in the same run, 10,000 and 30,000
// items; each step time is the best of interleaved repetitions of the list
// and the raw drawing. Counters: "ratio_to_raw" (goal at most 2 at both
// sizes) and, on the larger list, "growth" (its step over the smaller
// list's; goal: flat, at most 1.3).
#include <benchmark/benchmark.h>
#include <gtk/gtk.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "canvas/zr_gdiplus_unit.h"
#include "controls/zr_controls_register.h"
#include "controls/zr_effects.h"
#include "controls/zr_listbox.h"
#include "controls/zr_objects.h"
#include "controls/zr_scroll_bar.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_brush.h"
#include "scene/zr_scene.h"
#include "scene/zr_scene_unit.h"

namespace {

constexpr int kWidth = 240, kHeight = 600;
constexpr float kRow = 24;

using Clock = std::chrono::steady_clock;

void Pump() {
  while (g_main_context_iteration(nullptr, FALSE)) {
  }
}

// The rows a 600-high viewport shows at once, drawn as the list draws them.
double RawCairoSeconds(int Passes, int FirstRow) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kWidth, kHeight);
  cairo_t* cr = cairo_create(surface);
  PangoLayout* layout = pango_cairo_create_layout(cr);
  PangoFontDescription* font = pango_font_description_from_string("Sans 9");
  pango_layout_set_font_description(layout, font);
  const int rows = int(kHeight / kRow) + 1;
  const auto start = Clock::now();
  for (int p = 0; p < Passes; ++p) {
    cairo_set_source_rgb(cr, 0x40 / 255.0, 0x40 / 255.0, 0x40 / 255.0);
    cairo_paint(cr);
    for (int r = 0; r < rows; ++r) {
      const double y = r * kRow;
      cairo_rectangle(cr, 0, y, kWidth, kRow);
      cairo_set_source_rgba(cr, 0, 0, 0, (r % 2) ? 0x20 / 255.0 : 0);
      cairo_fill(cr);
      const std::string text = "Item " + std::to_string(FirstRow + r);
      pango_layout_set_text(layout, text.c_str(), -1);
      cairo_move_to(cr, 3, y + 4);
      cairo_set_source_rgb(cr, 0xEE / 255.0, 0xEE / 255.0, 0xEE / 255.0);
      pango_cairo_show_layout(cr, layout);
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

struct TBenchList {
  TzoRurev Scene{nullptr};
  TzrListBox* List = nullptr;
  explicit TBenchList(int AItems) {
    InitializeCanvasGdiPlus();
    InitializeScene();
    RegisterShapes();
    RegisterEffectClasses();
    RegisterStandardControls();
    Scene.CreateEmbedded(kWidth, kHeight, [](TObject*) {});
    auto* root = new TzrVisualObject(&Scene);
    Scene.AddObject(root);
    root->SetBounds(0, 0, kWidth, kHeight);
    List = new TzrListBox(&Scene);
    List->SetBounds(0, 0, kWidth, kHeight);
    List->SetAnimated(false);
    List->SetAlternatingRowBackground(true);
    List->SetParent(root);
    List->BeginUpdate();
    for (int i = 0; i < AItems; ++i) {
      auto* item = new TzrListBoxItem(&Scene);
      item->SetText(UTF8ToUTF16("Item " + std::to_string(i)));
      item->SetHeight(kRow);
      item->SetParent(List);
    }
    List->EndUpdate();
    List->SetItemIndex(3);
    // The list takes its style, and with it its bars, at the first paint.
    // The style may wait for a timer: wait for it (two seconds at most).
    for (int i = 0; i < 200 && !List->GetVScrollBar(); ++i) {
      Scene.UpdateBuffer();
      Pump();
      if (!List->GetVScrollBar()) g_usleep(10000);
    }
    if (TzrScrollBar* bar = List->GetVScrollBar()) bar->SetValue(AItems * kRow / 2);
    Pump();
  }
};

void BM_RawCairoVisibleRows(benchmark::State& state) {
  for (auto _ : state) RawCairoSeconds(1, 5000);
}

// The time of one wheel step, from a run of Steps steps.
double StepSeconds(TzrListBox* AList, int Steps) {
  int direction = -120;
  const auto start = Clock::now();
  for (int i = 0; i < Steps; ++i) {
    bool handled = false;
    AList->MouseWheel(0, direction, handled);
    direction = -direction;
    Pump();
  }
  return std::chrono::duration<double>(Clock::now() - start).count() / Steps;
}

double gSmallerStep = 0;  // the step of the first (smaller) list of the run

void BM_ListBoxWheelStep(benchmark::State& state) {
  const int items = int(state.range(0));
  {
    // The first list of a run takes the style sheet in: not timed.
    static TBenchList warmUp(10);
  }
  TBenchList bench(items);
  if (!bench.List->GetVScrollBar()) {
    state.SkipWithError("the list has no scroll bar");
    return;
  }
  double best = 1e9, raw = 1e9;
  for (auto _ : state) {
    // Interleaved, so that a busy moment of the machine hits both sides.
    best = std::min(best, StepSeconds(bench.List, 20));
    raw = std::min(raw, RawCairoSeconds(20, 5000) / 20);
  }
  state.counters["step_us"] = best * 1e6;
  state.counters["raw_us"] = raw * 1e6;
  state.counters["ratio_to_raw"] = best / raw;
  std::printf(
      "list box, %d rows: one step %.0f us = %.2fx raw Cairo of the visible rows (goal <= 2x)\n",
      items, best * 1e6, best / raw);
  if (gSmallerStep == 0) {
    gSmallerStep = best;
    return;
  }
  state.counters["growth"] = best / gSmallerStep;
  std::printf("list box growth to %d rows: %.2fx (goal <= 1.3x)\n", items, best / gSmallerStep);
}

}  // namespace

BENCHMARK(BM_RawCairoVisibleRows)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ListBoxWheelStep)
    ->Arg(10000)
    ->Arg(30000)
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);
