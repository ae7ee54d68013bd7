// One paint of an axis panel: depth orders, 3D sizes, the layout of the
// axes and their margins, then walls, axes, series, marks, titles and the
// legend in a fixed order, with the tool and user events at fixed points.

#include <algorithm>
#include <cmath>

#include "chart/AxisPanel.h"
#include "chart/PlotCPU.h"
#include "chart/PlotGeometry.h"

namespace {

// Keeps a flag's value and brings it back when the scope ends.
class TKeepBool {
 public:
  explicit TKeepBool(bool& Field) : FField(Field), FOld(Field) {}
  ~TKeepBool() { FField = FOld; }
  TKeepBool(const TKeepBool&) = delete;
  TKeepBool& operator=(const TKeepBool&) = delete;

 private:
  bool& FField;
  bool FOld;
};

}  // namespace

void TCustomAxisPanel::BroadcastToolEvent(TChartToolEvent Event) { (void)Event; }

void TCustomAxisPanel::BroadcastAnimationEvent(TChartToolEvent Event) { (void)Event; }

void TCustomAxisPanel::BroadcastSeriesToolEvent(TChartToolEvent Event, TChartSeries* Series) {
  (void)Event, (void)Series;
}

void TCustomAxisPanel::ToolsAndAnimations(TChartToolEvent Event) {
  BroadcastToolEvent(Event);
  BroadcastAnimationEvent(Event);
}

void TCustomAxisPanel::DoOnBeforeDrawChart() {
  if (OnBeforeDrawChart) OnBeforeDrawChart(this);
}

void TCustomAxisPanel::DoOnBeforeDrawAxes() {
  if (OnBeforeDrawAxes) OnBeforeDrawAxes(this);
}

void TCustomAxisPanel::DoOnBeforeDrawSeries() {
  if (OnBeforeDrawSeries) OnBeforeDrawSeries(this);
}

void TCustomAxisPanel::DoOnAfterDraw() {
  if (OnAfterDraw) OnAfterDraw(this);
}

std::vector<TChartSeries*> TCustomAxisPanel::ActiveSeries() const {
  std::vector<TChartSeries*> result;
  for (TChartSeries* s : FSeriesList->Items())
    if (s->GetActive()) result.push_back(s);
  return result;
}

void TCustomAxisPanel::CalcInvertedRotation() {
  InvertedRotation = false;
  if (!GetView3D()) return;
  TView3DOptions* o = GetView3DOptions();
  InvertedRotation = o->GetOrthogonal() ? o->GetOrthoAngle() > 90 : o->GetRotation() <= 179;
}

void TCustomAxisPanel::InternalDraw(const TRect& UserRectangle) {
  TKeepBool keepRepaint(AutoRepaint);
  AutoRepaint = false;
  TCanvas3D* c = GetCanvas();
  const bool fullRotation = c->GetSupportsFullRotation();
  CalcInvertedRotation();
  if (!fullRotation) PanelPaint(UserRectangle);
  ToolsAndAnimations(cteBeforeDraw);
  DoOnBeforeDrawChart();
  for (TChartSeries* s : ActiveSeries()) s->DoBeforeDrawChart();
  if (fullRotation) {
    CalcDepthOrders();
    CalcWallsRect();
  }
  if (!IsEmbedded) {
    if (fullRotation) {
      c->Projection(Width3D, ChartBounds, ChartRect);
      PanelPaint(UserRectangle);
    }
    DrawTitlesAndLegend(true);
  }
  if (!fullRotation) {
    CalcDepthOrders();
    CalcWallsRect();
  }
  for (TChartSeries* s : ActiveSeries()) s->BeforeCalcAxis();
  LayAxesOut();
  for (TChartSeries* s : ActiveSeries()) s->CalcDepthPositions();
  CalcAxesMargins();
  if (!IsEmbedded && !fullRotation) c->Projection(Width3D, ChartBounds, ChartRect);
  DrawAxesSeries();
  DrawTitlesAndLegend(false);
  if (GetZoom()->GetActive()) DrawZoomRectangle();
  ToolsAndAnimations(cteAfterDraw);
  c->ResetState();
  DoOnAfterDraw();
}

void TCustomAxisPanel::CalcDepthOrders() {
  FMaxZOrder = 0;
  const bool ordered = ApplyZOrder && GetView3D();
  if (ordered) {
    FMaxZOrder = -1;
    for (TChartSeries* s : ActiveSeries())
      if (!s->IInternalUse) s->CalcZOrder();
  }
  if (FDepthAxis->GetInverted()) return;
  for (TChartSeries* s : ActiveSeries())
    if (!s->IInternalUse) s->IZOrder = ordered ? FMaxZOrder - s->IZOrder : 0;
}

void TCustomAxisPanel::CalcSize3DWalls() {
  if (!GetView3D()) {
    FSeriesWidth3D = FSeriesHeight3D = Width3D = Height3D = 0;
    return;
  }
  TView3DOptions* o = GetView3DOptions();
  const int n = ApplyZOrder ? std::max(1, FMaxZOrder + 1) : 1;
  double p = F3DPercent * 0.001;
  if (!o->GetOrthogonal()) p *= 2;
  FSeriesWidth3D = PlotRound(ChartWidth * p);
  const double ratio = o->CalcOrthoRatio();
  if (ratio > 1) FSeriesWidth3D = PlotRound(FSeriesWidth3D / ratio);
  FSeriesHeight3D = PlotRound(FSeriesWidth3D * ratio);
  Height3D = n * FSeriesHeight3D;
  Width3D = n * FSeriesWidth3D;
}

void TCustomAxisPanel::LayAxesOut() {
  const std::vector<TChartAxis*>& axes = FAxes->Items();
  for (TChartAxis* a : axes) {
    a->IsVisible = CalcIsAxisVisible(a);
    if (a->HasSubAxes())
      for (int i = 0; i < a->GetSubAxes()->Count(); ++i)
        static_cast<TChartAxis*>(a->GetSubAxes()->GetItem(i))->IsVisible = a->IsVisible;
    a->AdjustMaxMin();
  }
  for (TChartAxis* a : axes) a->InternalCalcPositions();
  TRect r = ChartRect;
  for (TChartAxis* a : axes) {
    if (!a->IsVisible) {
      if (FAxes->CalcPosLabels) a->InflateAxisRect(r, FAxes->CalcPosLabels(a, 0));
      continue;
    }
    TRect rest = r;
    a->CalcRect(rest, a->GetResizeChart());
    TRect common{std::max(r.Left, rest.Left), std::max(r.Top, rest.Top),
                 std::min(r.Right, rest.Right), std::min(r.Bottom, rest.Bottom)};
    if (common.Left < common.Right && common.Top < common.Bottom) r = common;
  }
  ChartRect = r;
  ReCalcWidthHeight();
  for (TChartAxis* a : axes) a->InternalCalcPositions();
}

TRect TCustomAxisPanel::SeriesMargins(TChartAxis* Axis) {
  TRect m{};
  const bool autoMin = Axis->GetAutomatic() || Axis->GetAutomaticMinimum();
  const bool autoMax = Axis->GetAutomatic() || Axis->GetAutomaticMaximum();
  if (!autoMin && !autoMax) return m;
  for (TChartSeries* s : ActiveSeries()) {
    if (!s->AssociatedToAxis(Axis)) continue;
    int a = 0, b = 0;
    if (Axis->GetHorizontal()) {
      s->CalcHorizMargins(a, b);
      if (autoMin) m.Left = std::max(m.Left, a);
      if (autoMax) m.Right = std::max(m.Right, b);
    } else {
      s->CalcVerticalMargins(a, b);
      if (autoMin) m.Bottom = std::max(m.Bottom, b);
      if (autoMax) m.Top = std::max(m.Top, a);
    }
  }
  return m;
}

void TCustomAxisPanel::CalcAxesMargins() {
  for (TChartAxis* a : FAxes->Items()) {
    if (a->IsDepthAxis() && !GetView3D()) continue;
    TRect m = SeriesMargins(a);
    const int lo = a->GetMinimumOffset(), hi = a->GetMaximumOffset();
    const bool offset = lo != 0 || hi != 0;
    const bool inv = a->GetInverted();
    if (offset) {
      if (a->GetHorizontal()) {
        (inv ? m.Right : m.Left) += lo;
        (inv ? m.Left : m.Right) += hi;
      } else {
        (inv ? m.Top : m.Bottom) += lo;
        (inv ? m.Bottom : m.Top) += hi;
      }
    }
    if (a->IGapSize > 0) {
      if (a->GetHorizontal())
        (inv ? m.Left : m.Right) += a->IGapSize;
      else
        (inv ? m.Bottom : m.Top) += a->IGapSize;
    }
    a->AdjustMaxMinRect(m);
    a->CalcRoundScales();
    if (offset && a->GetLabelsVisible())
      a->FPosTitle = a->InflateAxisPos(a->FPosLabels, a->SizeLabels());
  }
  for (TChartAxis* a : FAxes->Items()) {
    const bool autoAny = a->GetAutomatic() || a->GetAutomaticMinimum() || a->GetAutomaticMaximum();
    if (!autoAny) continue;
    TRect m{};
    for (TChartSeries* s : ActiveSeries()) s->RecalcAxisMargins(a, m);
    if (m != TRect{}) a->AdjustMaxMinRect(m);
  }
}

bool TCustomAxisPanel::DrawBackWallAfter(int Z) {
  TCanvas3D* c = GetCanvas();
  if (c->GetSupportsFullRotation()) return false;
  TFourPoints p;
  c->FourPointsFromRect(ChartRect, Z, p);
  return !PlotCull(p);
}

void TCustomAxisPanel::DrawAxes() {
  if (!FAxisVisible) return;
  TCanvas3D* c = GetCanvas();
  c->BeginEntity("Axes", nullptr, nullptr);
  DoOnBeforeDrawAxes();
  const bool bottomLater = DrawBackWallAfter(0);
  for (TChartAxis* a : FAxes->Items()) {
    if (!a->IsVisible) continue;
    if (a == FBottomAxis && bottomLater) continue;
    a->Draw(true);
  }
  c->EndEntity();
}

void TCustomAxisPanel::DrawAxesSeries() {
  DrawWalls();
  if (FAxisBehind) {
    ToolsAndAnimations(cteBeforeDrawAxes);
    DrawAxes();
  }
  ToolsAndAnimations(cteBeforeDrawSeries);
  PrecomputeInParallel();
  DoOnBeforeDrawSeries();
  DrawAllSeries();
  ToolsAndAnimations(cteAfterDrawSeries);
  if (!FAxisBehind) {
    ToolsAndAnimations(cteBeforeDrawAxes);
    DrawAxes();
  }
}

bool TCustomAxisPanel::ParallelPrecompute(TChartSeries* S) const {
  return ParallelThreads > 1 && S->CanBeforeParallel();
}

void TCustomAxisPanel::PrecomputeInParallel() {
  const std::vector<TChartSeries*> active = ActiveSeries();
  if (std::none_of(active.begin(), active.end(),
                   [this](TChartSeries* s) { return ParallelPrecompute(s); }))
    return;
  const int count = SeriesCount();
  TPlotCPU::ParallelFor(
      0, count - 1, ParallelThreads,
      [this](int i) {
        TChartSeries* s = GetSeries(i);
        if (s->GetActive() && s->CanBeforeParallel()) s->DoBeforeParallel();
      },
      tpNormal);
}

void TCustomAxisPanel::DrawAllSeries() {
  TCanvas3D* c = GetCanvas();
  c->BeginEntity("Series", nullptr, nullptr);
  const int count = SeriesCount();
  if (count > 0) {
    std::vector<TChartSeries*> order = FSeriesList->Items();
    if (!c->GetSupportsFullRotation() && !order.front()->DrawSeriesAscending())
      std::reverse(order.begin(), order.end());
    for (TChartSeries* s : order)
      if (s->GetActive()) DrawSeries(s);
    for (TChartSeries* s : order) {
      if (!s->GetActive() || !s->MarksOnTop()) continue;
      FSeriesClipped = false;
      const bool named = c->SupportsID;
      if (named) c->BeginEntity(SeriesNameOrIndex(s) + "_Top", nullptr, nullptr);
      DrawSeriesMarks(s);
      if (named) c->EndEntity();
    }
  }
  c->EndEntity();
}

std::string TCustomAxisPanel::SeriesNameOrIndex(TChartSeries* S) const {
  if (!S->GetName().empty()) return S->GetName();
  return "Series" + std::to_string(SeriesIndexOf(S));
}

void TCustomAxisPanel::ClipSeries() {
  if (!CanClip()) return;
  TRect r = ChartRect;
  --r.Top;
  ++r.Bottom;
  GetCanvas()->ClipCube(r, 0, Width3D);
  FSeriesClipped = true;
}

void TCustomAxisPanel::UnclipSeries() {
  if (!FSeriesClipped) return;
  GetCanvas()->UnClipRectangle();
  FSeriesClipped = false;
}

void TCustomAxisPanel::DrawSeriesMarks(TChartSeries* S) {
  if (S->Count() == 0 || !S->HasMarksToDraw()) return;
  const bool clip = S->MarksClip();
  if (clip) ClipSeries();
  TCanvas3D* c = GetCanvas();
  c->BeginEntity("Marks", nullptr, nullptr);
  try {
    S->DrawMarks();
  } catch (...) {
    c->EndEntity();
    if (clip) UnclipSeries();
    throw;
  }
  c->EndEntity();
  if (clip) UnclipSeries();
}

void TCustomAxisPanel::DrawSeries(TChartSeries* S) {
  FSeriesClipped = false;
  const bool interleaved =
      !GetCanvas()->GetSupportsFullRotation() && GetView3D() && S->MoreSameZOrder();
  if (interleaved)
    DrawSeriesInterleaved(S);
  else
    DrawSeriesNormal(S);
}

void TCustomAxisPanel::DrawSeriesNormal(TChartSeries* S) {
  S->CalcFirstLastVisibleIndex();
  if (S->FFirstVisibleIndex == -1) return;
  if (!S->IHideWhenVisible && S->UseAxis() && FClipPoints) ClipSeries();
  TCanvas3D* c = GetCanvas();
  c->BeginEntity(SeriesNameOrIndex(S), nullptr, nullptr);
  S->DoBeforeDrawValues();
  if (!S->IHideWhenVisible) {
    if (!ParallelPrecompute(S)) S->DoBeforeParallel();
    S->DrawAllValues();
    UnclipSeries();
    if (!S->MarksOnTop()) DrawSeriesMarks(S);
  }
  UnclipSeries();
  S->DoAfterDrawValues();
  c->EndEntity();
}

void TCustomAxisPanel::DrawSeriesInterleaved(TChartSeries* S) {
  if (!S->FirstInZOrder()) return;
  const int own = SeriesIndexOf(S);
  const int count = SeriesCount();
  const int z = S->GetZOrder();
  auto sameDepth = [&](TChartSeries* t) { return t->GetActive() && t->GetZOrder() == z; };
  int first = -1, last = -1;
  for (int i = own; i < count; ++i) {
    TChartSeries* t = GetSeries(i);
    if (!sameDepth(t)) continue;
    t->CalcFirstLastVisibleIndex();
    if (t->FFirstVisibleIndex == -1) continue;
    first = first == -1 ? t->FFirstVisibleIndex : std::min(first, t->FFirstVisibleIndex);
    last = std::max(last, t->FLastVisibleIndex);
    t->DoBeforeDrawValues();
    if (FClipPoints && !FSeriesClipped) ClipSeries();
  }
  if (first != -1) {
    std::vector<int> points = S->SortDrawPoints(first, last, true);
    if (points.empty())
      for (int v = first; v <= last; ++v) points.push_back(v);
    if (!S->DrawValuesForward()) std::reverse(points.begin(), points.end());
    for (int v : points) DrawPointAcrossSeries(S, own, v);
  }
  UnclipSeries();
  for (int i = own; i < count; ++i) {
    TChartSeries* t = GetSeries(i);
    if (!sameDepth(t) || t->FFirstVisibleIndex == -1) continue;
    if (!t->MarksOnTop()) DrawSeriesMarks(t);
    t->DoAfterDrawValues();
  }
}

void TCustomAxisPanel::DrawPointAcrossSeries(TChartSeries* S, int Own, int V) {
  const int count = SeriesCount();
  std::vector<int> order = S->SortDrawSeries(Own, count, V);
  if (order.empty())
    for (int i = Own; i < count; ++i) order.push_back(i);
  const bool forwards = V >= S->Count() || S->DrawSeriesForward(V);
  if (!forwards) std::reverse(order.begin(), order.end());
  for (int i : order) {
    TChartSeries* t = GetSeries(i);
    if (t->GetActive() && t->GetZOrder() == S->GetZOrder() && t->Count() > V && !t->HasZValues)
      t->DrawValue(V);
  }
}
