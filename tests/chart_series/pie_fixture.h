#pragma once
// Pies drawn on the series chart fixture through the same steps as the
// chart's drawing pass: data preparation and depth for every series, then
// for each series its circle, its slices, its marks and the restore.

#include <functional>

#include "chart/PieSeries.h"
#include "chart/SeriesMarks.h"
#include "series_fixture.h"

// Inspect, when given, sees each pie between its drawing and the restore of
// the chart rectangle and donut hole.
inline void PaintPies(TSeriesChart& F, const std::function<void(TPieSeries&)>& Inspect = nullptr) {
  F.Panel.SetMaxZOrder(-1);
  for (auto& s : F.Series) {
    s->DoBeforeDrawChart();
    s->CalcZOrder();
  }
  for (auto& s : F.Series) {
    if (!s->GetActive()) continue;
    s->CalcFirstLastVisibleIndex();
    if (s->FFirstVisibleIndex == -1) continue;
    s->CalcDepthPositions();
    s->DoBeforeDrawValues();
    s->DrawAllValues();
    if (s->HasMarksToDraw()) s->DrawMarks();
    if (Inspect) Inspect(static_cast<TPieSeries&>(*s));
    s->DoAfterDrawValues();
  }
}

// A pie without marks, gradient, pen or shadow, its slices in the given colours.
inline TPieSeries& PlainPie(TSeriesChart& F, std::initializer_list<double> Values,
                            std::initializer_list<TColor> Colors = {}) {
  auto& p = F.Add<TPieSeries>();
  p.GetMarks()->SetVisible(false);
  p.GetCircleGradient()->SetVisible(false);
  p.GetPen()->SetVisible(false);
  p.GetShadow()->SetVisible(false);
  auto c = Colors.begin();
  for (double v : Values) p.Add(v, "", c != Colors.end() ? *c++ : clDefault);
  return p;
}
