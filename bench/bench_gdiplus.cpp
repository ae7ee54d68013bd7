// Filling 10,000 rounded rectangles through the drawing layer against the
// same drawing with Cairo directly; the ratio of the two times is the cost
// of the layer.
#include <benchmark/benchmark.h>
#include <cairo.h>

#include <vector>

#include "bench/rounded_rects.h"
#include "platform/gdiplus/GdiPlus.h"
#include "scene/zr_geometry.h"

namespace {

using namespace rounded_rects;

// The outline corner by corner: straight sides between quarter-ellipse Béziers.
void AddRounded(Gdiplus::GraphicsPath& p, const TzrRect& r) {
  using Gdiplus::PointF;
  float k = kRadius * kKappa;
  p.StartFigure();
  p.AddBezier(PointF(r.Left, r.Top + kRadius), PointF(r.Left, r.Top + k), PointF(r.Left + k, r.Top),
              PointF(r.Left + kRadius, r.Top));
  p.AddBezier(PointF(r.Right - kRadius, r.Top), PointF(r.Right - k, r.Top),
              PointF(r.Right, r.Top + k), PointF(r.Right, r.Top + kRadius));
  p.AddBezier(PointF(r.Right, r.Bottom - kRadius), PointF(r.Right, r.Bottom - k),
              PointF(r.Right - k, r.Bottom), PointF(r.Right - kRadius, r.Bottom));
  p.AddBezier(PointF(r.Left + kRadius, r.Bottom), PointF(r.Left + k, r.Bottom),
              PointF(r.Left, r.Bottom - k), PointF(r.Left, r.Bottom - kRadius));
  p.CloseFigure();
}

void BM_DrawingLayer(benchmark::State& state) {
  const std::vector<TzrRect> rects = Rects();
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 800, 600);
  Gdiplus::Graphics g(surface);
  g.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
  g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
  for (auto _ : state) {
    for (const TzrRect& r : rects) {
      // a new path and brush per shape, as the canvas makes them
      Gdiplus::GraphicsPath path;
      AddRounded(path, r);
      Gdiplus::SolidBrush brush(Gdiplus::Color(0xCC3366CC));
      g.FillPath(&brush, &path);
    }
    g.Flush();
  }
  state.SetItemsProcessed(state.iterations() * kCount);
  cairo_surface_destroy(surface);
}

}  // namespace

BENCHMARK(BM_CairoDirect)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawingLayer)->Unit(benchmark::kMillisecond);
