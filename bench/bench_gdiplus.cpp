// Filling 10,000 rounded rectangles through the drawing layer against the
// same drawing with Cairo directly; the ratio of the two times is the cost
// of the layer.
#include <benchmark/benchmark.h>
#include <cairo.h>

#include <vector>

#include "platform/gdiplus/GdiPlus.h"
#include "scene/zr_geometry.h"

namespace {

constexpr int kCount = 10000;
constexpr float kRadius = 6;
// Control points of a quarter ellipse lie 0.5522847498 radii from its ends.
constexpr float kKappa = 0.4477152502f;

std::vector<TzrRect> Rects() {
  std::vector<TzrRect> rects;
  for (int i = 0; i < kCount; ++i) {
    float x = float((i * 37) % 760), y = float((i * 53) % 570);
    rects.push_back(zrRect(x, y, x + 40, y + 30));
  }
  return rects;
}

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

void AddRounded(cairo_t* cr, const TzrRect& r) {
  float k = kRadius * kKappa;
  cairo_move_to(cr, r.Left, r.Top + kRadius);
  cairo_curve_to(cr, r.Left, r.Top + k, r.Left + k, r.Top, r.Left + kRadius, r.Top);
  cairo_line_to(cr, r.Right - kRadius, r.Top);
  cairo_curve_to(cr, r.Right - k, r.Top, r.Right, r.Top + k, r.Right, r.Top + kRadius);
  cairo_line_to(cr, r.Right, r.Bottom - kRadius);
  cairo_curve_to(cr, r.Right, r.Bottom - k, r.Right - k, r.Bottom, r.Right - kRadius, r.Bottom);
  cairo_line_to(cr, r.Left + kRadius, r.Bottom);
  cairo_curve_to(cr, r.Left + k, r.Bottom, r.Left, r.Bottom - k, r.Left, r.Bottom - kRadius);
  cairo_close_path(cr);
}

void BM_CairoDirect(benchmark::State& state) {
  const std::vector<TzrRect> rects = Rects();
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 800, 600);
  cairo_t* cr = cairo_create(surface);
  for (auto _ : state) {
    for (const TzrRect& r : rects) {
      cairo_new_path(cr);
      AddRounded(cr, r);
      cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
      cairo_set_source_rgba(cr, 0.2, 0.4, 0.8, 0.8);
      cairo_fill(cr);
    }
    cairo_surface_flush(surface);
  }
  state.SetItemsProcessed(state.iterations() * kCount);
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
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
