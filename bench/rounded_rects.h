#pragma once
// The baseline the drawing benchmarks compare against: 10,000 rounded
// rectangles filled with Cairo directly.
#include <benchmark/benchmark.h>
#include <cairo.h>

#include <vector>

#include "scene/zr_geometry.h"

namespace rounded_rects {

constexpr int kCount = 10000;
constexpr float kRadius = 6;
// Control points of a quarter ellipse lie 0.5522847498 radii from its ends.
constexpr float kKappa = 0.4477152502f;

inline std::vector<TzrRect> Rects() {
  std::vector<TzrRect> rects;
  for (int i = 0; i < kCount; ++i) {
    float x = float((i * 37) % 760), y = float((i * 53) % 570);
    rects.push_back(zrRect(x, y, x + 40, y + 30));
  }
  return rects;
}

inline void AddRounded(cairo_t* cr, const TzrRect& r) {
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

inline void BM_CairoDirect(benchmark::State& state) {
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

}  // namespace rounded_rects
