// The scene's repaint cycle against baselines in the same run:
// - a full repaint of a 1280 x 800 scene of 200 controls (a rounded, filled
//   and outlined box each) against the same drawing in raw Cairo (goal: at
//   most 1.3 times the baseline);
// - one control changing, which repaints only its dirty rectangle (pixels
//   painted per pass reported), against the full repaint;
// - the CPU time of an idle second with a static scene shown, against a bare
//   window (needs a display).
#include <benchmark/benchmark.h>
#include <gtk/gtk.h>

#include <vector>

#include "bench/rounded_rects.h"
#include "canvas/zr_gdiplus_unit.h"
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
      pixels = double((r.Right - r.Left) * (r.Bottom - r.Top));
  }
  state.counters["pixels_painted"] = pixels;
  state.counters["pixels_full"] = double(kWidth) * kHeight;
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
BENCHMARK(BM_IdleSecondBareWindow)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IdleSecondStaticScene)->Iterations(1)->Unit(benchmark::kMillisecond);
