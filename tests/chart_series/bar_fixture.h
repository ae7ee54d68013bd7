#pragma once
// Bar series on the series chart (bottom axis 0..10 over x 20..180, left
// axis over y 130..10), drawn as the chart's drawing pass does: category
// sharing for every series first, then depth, thickness and the values.

#include "chart/BarSeries.h"
#include "chart/Callout.h"
#include "chart/SeriesMarks.h"
#include "series_fixture.h"

// A bar series of class S with Values at categories 0, 1, 2 ...
template <class S = TBarSeries>
S& AddBars(TSeriesChart& F, std::initializer_list<double> Values, TColor Color = clRed) {
  S& s = F.template Add<S>();
  for (double v : Values) s.Add(v);
  s.SetSeriesColor(Color);
  s.GetMarks()->SetVisible(false);
  return s;
}

// Category sharing and thickness of every bar series, without drawing.
inline void LayoutBars(TSeriesChart& F) {
  F.Panel.SetMaxZOrder(-1);
  for (auto& s : F.Series) s->DoBeforeDrawChart();
  for (auto& s : F.Series) {
    s->CalcZOrder();
    s->DoBeforeDrawValues();
    s->CalcDepthPositions();
  }
}

// Every series drawn, back to front, its marks after its values.
inline void DrawBars(TSeriesChart& F, bool Marks = false) {
  LayoutBars(F);
  for (auto it = F.Series.rbegin(); it != F.Series.rend(); ++it) {
    TChartSeries& s = **it;
    s.CalcFirstLastVisibleIndex();
    s.DrawAllValues();
    if (Marks) s.DrawMarks();
  }
}
