// Filling 10,000 rounded rectangles through the canvas against the same
// drawing with Cairo directly, in the same run; the ratio of the two times
// is the cost of the canvas and the drawing layer under it.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/rounded_rects.h"
#include "canvas/zr_canvas_gdiplus.h"
#include "canvas/zr_gdiplus_unit.h"

namespace {

using namespace rounded_rects;

void BM_Canvas(benchmark::State& state) {
  InitializeCanvasGdiPlus();
  const std::vector<TzrRect> rects = Rects();
  TzrCanvasGdiPlus canvas(800, 600);
  canvas.SetMatrix(IdentityMatrix);
  canvas.GetFill()->SetSolidColor(0xCC3366CC);
  for (auto _ : state) {
    for (const TzrRect& r : rects) canvas.FillRect(r, kRadius, kRadius, AllCorners, 1);
    canvas.GetGraphics()->Flush();
  }
  state.SetItemsProcessed(state.iterations() * kCount);
}

}  // namespace

BENCHMARK(BM_CairoDirect)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Canvas)->Unit(benchmark::kMillisecond);
