#pragma once
// A 2D chart control of 400 x 300 pixels drawn once onto a bitmap, so its
// chart rectangle, axes, titles and legend are laid out as on screen.

#include <memory>
#include <vector>

#include "chart/Chart.h"
#include "chart/FastLineSeries.h"
#include "chart/Legend.h"
#include "chart/LineSeries.h"

struct TChartFixture {
  static constexpr int kWidth = 400, kHeight = 300;

  TChartFixture() {
    Chart.SetBounds(0, 0, kWidth, kHeight);
    Chart.SetView3D(false);
    Chart.SetColor(clWhite);
  }
  ~TChartFixture() {
    for (auto& s : Series) s->SetParentChart(nullptr);
  }

  template <class S>
  S& Add(std::initializer_list<double> XY) {
    auto* s = new S();
    Series.emplace_back(s);
    Chart.AddSeries(s);
    const std::vector<double> v(XY);
    for (size_t i = 0; i + 1 < v.size(); i += 2) s->AddXY(v[i], v[i + 1]);
    return *s;
  }

  // Draws the chart onto a new bitmap and keeps it.
  TBitmap* Draw() {
    Picture.reset(Chart.PlotCreateBitmap(clWhite, TRect{0, 0, kWidth, kHeight}, pf24bit, 0));
    return Picture.get();
  }
  TColor Pixel(int X, int Y) { return Picture->GetCanvas()->GetPixels(X, Y); }

  TChart Chart;
  std::vector<std::unique_ptr<TChartSeries>> Series;
  std::unique_ptr<TBitmap> Picture;
};
