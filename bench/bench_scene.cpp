// The scene's repaint cycle against baselines in the same run:
// - a full repaint of a 1280 x 800 scene of 200 controls (a rounded, filled
//   and outlined box each) against the same drawing in raw Cairo (goal: at
//   most 1.3 times the baseline);
// - one control changing, which repaints only its dirty rectangle (pixels
//   painted per pass reported), against the full repaint;
// - a page of 200 real styled controls (labels, combo boxes, buttons, check
//   and text boxes, 40 of each) repainted whole, against Cairo and Pango
//   drawing the same boxes and captions (goal: at most 1.3 times), and one
//   of its labels changing its text against that full repaint (goal: at
//   most 5%);
// - the CPU time of an idle second with a static scene shown, against a bare
//   window (needs a display).
#include <benchmark/benchmark.h>
#include <gtk/gtk.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/best_time.h"
#include "bench/rounded_rects.h"
#include "canvas/zr_gdiplus_unit.h"
#include "controls/zr_buttons.h"
#include "controls/zr_checks.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_controls_register.h"
#include "controls/zr_effects.h"
#include "controls/zr_labels.h"
#include "controls/zr_listbox.h"
#include "controls/zr_objects.h"
#include "controls/zr_text_box.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Forms.h"
#include "scene/zr_brush.h"
#include "scene/zr_scene.h"
#include "scene/zr_scene_unit.h"
#include "scene/zr_visual.h"

namespace {

constexpr int kWidth = 1280, kHeight = 800, kControls = 200;

// A control's look: a rounded box filled in one colour with a darker border.
class TBenchBox : public TzrVisualObject {
 public:
  using TzrVisualObject::TzrVisualObject;
  TzrColor Color = 0xFF5B8FD0;
  void Paint() override {
    TzrCanvas* c = GetCanvas();
    c->GetFill()->SetSolidColor(Color);
    c->FillRect(GetLocalRect(), rounded_rects::kRadius, rounded_rects::kRadius, AllCorners, 1);
    c->GetStroke()->SetSolidColor(0xFF203050);
    c->DrawRect(GetLocalRect(), rounded_rects::kRadius, rounded_rects::kRadius, AllCorners, 1);
  }
};

std::vector<TzrRect> Boxes() {
  std::vector<TzrRect> boxes;
  for (int i = 0; i < kControls; ++i) {
    const float x = float(10 + (i % 20) * 63), y = float(10 + (i / 20) * 78);
    boxes.push_back(zrRect(x, y, x + 55, y + 68));
  }
  return boxes;
}

struct TBenchScene {
  TzoRurev Scene{nullptr};
  std::vector<TBenchBox*> Controls;
  TBenchScene() {
    InitializeCanvasGdiPlus();
    InitializeScene();
    Scene.CreateEmbedded(kWidth, kHeight, [](TObject*) {});
    TzrBrush fill(zrBrushSolid, 0xFFF3F5F8);
    Scene.SetFill(&fill);
    auto* root = new TzrVisualObject(&Scene);
    Scene.AddObject(root);
    for (const TzrRect& r : Boxes()) {
      auto* box = new TBenchBox(&Scene);
      box->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
      box->SetParent(root);
      Controls.push_back(box);
    }
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
  }
};

void BM_RawCairoFullRepaint(benchmark::State& state) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kWidth, kHeight);
  cairo_t* cr = cairo_create(surface);
  const std::vector<TzrRect> boxes = Boxes();
  for (auto _ : state) {
    cairo_set_source_rgb(cr, 0xF3 / 255.0, 0xF5 / 255.0, 0xF8 / 255.0);
    cairo_paint(cr);
    for (const TzrRect& r : boxes) {
      rounded_rects::AddRounded(cr, r);
      cairo_set_source_rgb(cr, 0x5B / 255.0, 0x8F / 255.0, 0xD0 / 255.0);
      cairo_fill_preserve(cr);
      cairo_set_source_rgb(cr, 0x20 / 255.0, 0x30 / 255.0, 0x50 / 255.0);
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
    }
    cairo_surface_flush(surface);
  }
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
}

void BM_SceneFullRepaint(benchmark::State& state) {
  TBenchScene bench;
  for (auto _ : state) bench.Scene.UpdateBuffer();
}

void BM_SceneOneControlChange(benchmark::State& state) {
  TBenchScene bench;
  TBenchBox* box = bench.Controls[87];
  double pixels = 0;
  for (auto _ : state) {
    box->Color ^= 0x00FFFF00;
    box->Repaint();
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
    for (const TzrRect& r : bench.Scene.LastPaintedRects())
      pixels += double((r.Right - r.Left) * (r.Bottom - r.Top));
  }
  state.counters["pixels_painted"] = pixels / double(state.iterations());
  state.counters["pixels_full"] = double(kWidth) * kHeight;
}

// ---------------------------------------------------------------- styled page

// Where control I of the page stands: 10 columns of 20 rows.
TzrRect PageCell(int I) {
  const float x = float(10 + (I % 10) * 126), y = float(10 + (I / 10) * 39);
  return zrRect(x, y, x + 118, y + 24);
}

void PumpAll() {
  while (g_main_context_iteration(nullptr, FALSE)) {
  }
}

struct TBenchPage {
  TzoRurev Scene{nullptr};
  std::vector<TzrLabel*> Labels;
  TBenchPage() {
    InitializeCanvasGdiPlus();
    InitializeScene();
    RegisterShapes();
    RegisterEffectClasses();
    RegisterStandardControls();
    Scene.CreateEmbedded(kWidth, kHeight, [](TObject*) {});
    TzrBrush fill(zrBrushSolid, 0xFFF3F5F8);
    Scene.SetFill(&fill);
    auto* root = new TzrVisualObject(&Scene);
    Scene.AddObject(root);
    root->SetBounds(0, 0, kWidth, kHeight);
    for (int i = 0; i < kControls; ++i) {
      const TzrRect r = PageCell(i);
      const std::u16string text = UTF8ToUTF16("Value " + std::to_string(i));
      TzrVisualObject* control = nullptr;
      switch (i % 5) {
        case 0: {
          auto* label = new TzrLabel(&Scene);
          label->SetText(text);
          Labels.push_back(label);
          control = label;
          break;
        }
        case 1: {
          auto* combo = new TzrComboBox(&Scene);
          auto* item = new TzrListBoxItem(&Scene);
          item->SetText(text);
          item->SetParent(combo);
          combo->SetItemIndex(0);
          control = combo;
          break;
        }
        case 2: {
          auto* button = new TzrButton(&Scene);
          button->SetText(text);
          control = button;
          break;
        }
        case 3: {
          auto* check = new TzrCheckBox(&Scene);
          check->SetText(text);
          check->SetIsChecked(i % 2 == 0);
          control = check;
          break;
        }
        default: {
          auto* box = new TzrTextBox(&Scene);
          box->SetText(text);
          control = box;
        }
      }
      control->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
      control->SetParent(root);
    }
    // The controls take their styles at the first paint (some on a timer).
    for (int i = 0; i < 20; ++i) {
      Scene.UpdateBuffer();
      PumpAll();
      g_usleep(5000);
    }
  }
};

// The page as Cairo and Pango draw it: a rounded, filled and outlined box
// with a caption per control.
double RawPageSeconds(int Passes) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kWidth, kHeight);
  cairo_t* cr = cairo_create(surface);
  PangoLayout* layout = pango_cairo_create_layout(cr);
  PangoFontDescription* font = pango_font_description_from_string("Sans 9");
  pango_layout_set_font_description(layout, font);
  const auto start = std::chrono::steady_clock::now();
  for (int p = 0; p < Passes; ++p) {
    cairo_set_source_rgb(cr, 0xF3 / 255.0, 0xF5 / 255.0, 0xF8 / 255.0);
    cairo_paint(cr);
    for (int i = 0; i < kControls; ++i) {
      const TzrRect r = PageCell(i);
      rounded_rects::AddRounded(cr, r);
      cairo_set_source_rgb(cr, 0xE8 / 255.0, 0xE8 / 255.0, 0xE8 / 255.0);
      cairo_fill_preserve(cr);
      cairo_set_source_rgb(cr, 0x70 / 255.0, 0x70 / 255.0, 0x70 / 255.0);
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
      const std::string text = "Value " + std::to_string(i);
      pango_layout_set_text(layout, text.c_str(), -1);
      cairo_move_to(cr, r.Left + 4, r.Top + 4);
      cairo_set_source_rgb(cr, 0, 0, 0);
      pango_cairo_show_layout(cr, layout);
    }
    cairo_surface_flush(surface);
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  pango_font_description_free(font);
  g_object_unref(layout);
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
  return seconds / Passes;
}

void BM_StyledPage(benchmark::State& state) {
  {
    // The first scene of a run with styled controls does not draw: not timed.
    static TBenchPage warmUp;
  }
  TBenchPage page;
  double full = 1e9, raw = 1e9, change = 1e9, pixels = 0;
  int changes = 0;
  for (auto _ : state) {
    // Interleaved, so that a busy moment of the machine hits every side.
    full = std::min(full, BestSeconds([&] {
                      page.Scene.UpdateBuffer();
                      return 0;
                    }));
    raw = std::min(raw, RawPageSeconds(5));
    change = std::min(change, BestSeconds([&] {
                        TzrLabel* label = page.Labels[7];
                        label->SetText(UTF8ToUTF16("Value " + std::to_string(changes++)));
                        PumpAll();
                        for (const TzrRect& r : page.Scene.LastPaintedRects())
                          pixels += double((r.Right - r.Left) * (r.Bottom - r.Top));
                        return 0;
                      }));
  }
  state.counters["full_ms"] = full * 1e3;
  state.counters["raw_ms"] = raw * 1e3;
  state.counters["ratio_to_raw"] = full / raw;
  state.counters["change_share"] = change / full;
  state.counters["pixels_per_change"] = changes ? pixels / changes : 0;
  std::printf(
      "styled page: full repaint %.2f ms = %.2fx Cairo+Pango (goal <= 1.3x); "
      "one label's text change %.1f%% of a full repaint (goal <= 5%%), %.0f pixels\n",
      full * 1e3, full / raw, 100 * change / full, changes ? pixels / changes : 0);
}

// One second of the main loop with the window shown and painted.
void IdleSecond(benchmark::State& state, bool WithScene) {
  if (!gtk_init_check(nullptr, nullptr)) {
    state.SkipWithError("needs a display");
    return;
  }
  InitializeCanvasGdiPlus();
  InitializeScene();
  Application->Initialize();
  TForm form(nullptr);
  form.SetClientSize(kWidth, kHeight);
  if (WithScene) {
    auto* scene = new TzoRurev(&form);
    scene->SetAlign(alClient);
    scene->SetParent(&form);
    auto* root = new TzrVisualObject(&form);
    scene->AddObject(root);
    for (const TzrRect& r : Boxes()) {
      auto* box = new TBenchBox(&form);
      box->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
      box->SetParent(root);
    }
  }
  form.Show();
  for (int i = 0; i < 200; ++i) {
    g_main_context_iteration(nullptr, FALSE);
    g_usleep(5000);
  }
  for (auto _ : state) {
    bool done = false;
    const guint source = g_timeout_add(
        1000,
        [](gpointer d) -> gboolean {
          *static_cast<bool*>(d) = true;
          return G_SOURCE_REMOVE;
        },
        &done);
    while (!done) g_main_context_iteration(nullptr, TRUE);
    (void)source;
  }
}

void BM_IdleSecondBareWindow(benchmark::State& state) { IdleSecond(state, false); }
void BM_IdleSecondStaticScene(benchmark::State& state) { IdleSecond(state, true); }

}  // namespace

BENCHMARK(BM_RawCairoFullRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SceneFullRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SceneOneControlChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StyledPage)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IdleSecondBareWindow)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IdleSecondStaticScene)->Iterations(1)->Unit(benchmark::kMillisecond);
