// A list box of 10,000 items scrolled by one wheel step (no animation),
// with the repaint of the rows that come into view, against drawing the
// same visible rows (a filled rectangle and a text each) in raw Cairo and
// Pango in the same run. The counter "ratio_to_raw" is the list's time per
// step over the raw drawing's time per pass (goal: a small constant, not
// growing with the number of items).
#include <benchmark/benchmark.h>
#include <gtk/gtk.h>
#include <pango/pangocairo.h>

#include <chrono>
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

constexpr int kWidth = 240, kHeight = 600, kItems = 10000;
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
  TBenchList() {
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
    for (int i = 0; i < kItems; ++i) {
      auto* item = new TzrListBoxItem(&Scene);
      item->SetText(UTF8ToUTF16("Item " + std::to_string(i)));
      item->SetHeight(kRow);
      item->SetParent(List);
    }
    List->EndUpdate();
    List->SetItemIndex(3);
    // The list takes its style, and with it its bars, at the first paint.
    Scene.UpdateBuffer();
    Pump();
    if (TzrScrollBar* bar = List->GetVScrollBar()) bar->SetValue(kItems * kRow / 2);
    Pump();
  }
};

void BM_RawCairoVisibleRows(benchmark::State& state) {
  for (auto _ : state) RawCairoSeconds(1, 5000);
}

void BM_ListBoxWheelStep(benchmark::State& state) {
  TBenchList bench;
  int direction = -120;
  int steps = 0;
  const auto start = Clock::now();
  for (auto _ : state) {
    bool handled = false;
    bench.List->MouseWheel(0, direction, handled);
    direction = -direction;
    Pump();
    ++steps;
  }
  const double perStep = std::chrono::duration<double>(Clock::now() - start).count() / steps;
  const double raw = RawCairoSeconds(50, 5000) / 50;
  state.counters["ratio_to_raw"] = perStep / raw;
  state.counters["items"] = bench.List->Count();
}

}  // namespace

BENCHMARK(BM_RawCairoVisibleRows)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ListBoxWheelStep)->Unit(benchmark::kMicrosecond);
