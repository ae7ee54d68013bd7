// Filling 10,000 rounded rectangles through the Direct2D canvas against the
// same drawing with Cairo directly, in the same run: the cost of the canvas,
// its per-call geometries and brushes, and the layer under it.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/rounded_rects.h"
#include "canvas/zr_canvas_d2d.h"
#include "canvas/zr_d2d_unit.h"

namespace {

using namespace rounded_rects;

void BM_CanvasD2D(benchmark::State& state) {
  LoadDirect2D();
  const std::vector<TzrRect> rects = Rects();
  TzrCanvasD2D canvas(800, 600);
  canvas.GetFill()->SetSolidColor(0xCC3366CC);
  for (auto _ : state) {
    canvas.BeginScene();
    canvas.SetMatrix(IdentityMatrix);
    for (const TzrRect& r : rects) canvas.FillRect(r, kRadius, kRadius, AllCorners, 1);
    canvas.EndScene();
  }
  state.SetItemsProcessed(state.iterations() * kCount);
}

}  // namespace

BENCHMARK(BM_CairoDirect)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CanvasD2D)->Unit(benchmark::kMillisecond);
