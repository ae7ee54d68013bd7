// Zooming the chart: to given values (animated when asked), to the zoom's
// rectangle, by a percentage; the zoom history and undoing.

#include "chart/Chart.h"
#include "chart/ChartSeries.h"

double AnimatedZoomFactor = 3.0;

void TCustomChart::SaveScalesOnce() {
  if (!RestoredAxisScales) return;
  FSavedScales = SaveScales();
  RestoredAxisScales = false;
}

void TCustomChart::RefreshNow() {
  Invalidate();
  if (!HandleAllocated() || GetSurface()->GetWidth() == 0) return;
  Paint();
  FlushCanvas();
}

namespace {

// One step of an animated zoom: the axis' limits move a part of the way to
// the target.
void StepTowards(TChartAxis* Axis, double TargetMin, double TargetMax) {
  const double mn = Axis->GetMinimum(), mx = Axis->GetMaximum();
  Axis->SetMinMax(mn + (TargetMin - mn) / AnimatedZoomFactor,
                  mx - (mx - TargetMax) / AnimatedZoomFactor);
}

}  // namespace

void TCustomChart::DoZoom(double TopMin, double TopMax, double BottomMin, double BottomMax,
                          double LeftMin, double LeftMax, double RightMin, double RightMax) {
  SaveScalesOnce();
  TPlotZoom* zoom = GetZoom();
  const bool vertical = zoom->GetDirection() != tzdHorizontal;
  const bool horizontal = zoom->GetDirection() != tzdVertical;
  if (zoom->GetAnimated()) {
    for (int step = 1; step < zoom->GetAnimatedSteps(); ++step) {
      if (vertical) {
        StepTowards(GetLeftAxis(), LeftMin, LeftMax);
        StepTowards(GetRightAxis(), RightMin, RightMax);
      }
      if (horizontal) {
        StepTowards(GetTopAxis(), TopMin, TopMax);
        StepTowards(GetBottomAxis(), BottomMin, BottomMax);
      }
      RefreshNow();
    }
  }
  if (vertical) {
    GetLeftAxis()->SetMinMax(LeftMin, LeftMax);
    GetRightAxis()->SetMinMax(RightMin, RightMax);
  }
  if (horizontal) {
    GetTopAxis()->SetMinMax(TopMin, TopMax);
    GetBottomAxis()->SetMinMax(BottomMin, BottomMax);
  }
  SetZoomed(true);
  if (OnZoom) OnZoom(this);
}

void TCustomChart::ZoomRect(const TRect& Rect) {
  TPlotZoom* zoom = GetZoom();
  zoom->X0 = Rect.Left;
  zoom->Y0 = Rect.Top;
  zoom->X1 = Rect.Right;
  zoom->Y1 = Rect.Bottom;
  CalcZoomPoints();
}

void TCustomChart::CalcZoomPoints() {
  TPlotZoom* zoom = GetZoom();
  zoom->Check();
  TChartSeries* reference = nullptr;
  const auto& series = GetSeriesList()->Items();
  for (auto it = series.rbegin(); it != series.rend() && !reference; ++it)
    if ((*it)->GetActive() && (*it)->CanZoomScroll()) reference = *it;
  double xMin[2], xMax[2], yMin[2], yMax[2];  // [0] top / left, [1] bottom / right
  if (reference && reference->FZoomSeries) {
    xMin[0] = xMin[1] = reference->XScreenToValue(zoom->X0);
    xMax[0] = xMax[1] = reference->XScreenToValue(zoom->X1);
    yMin[0] = yMin[1] = reference->YScreenToValue(zoom->Y1);
    yMax[0] = yMax[1] = reference->YScreenToValue(zoom->Y0);
  } else {
    TChartAxis* horiz[2] = {GetTopAxis(), GetBottomAxis()};
    TChartAxis* vert[2] = {GetLeftAxis(), GetRightAxis()};
    for (int i = 0; i < 2; ++i) {
      xMin[i] = horiz[i]->CalcPosPoint(zoom->X0);
      xMax[i] = horiz[i]->CalcPosPoint(zoom->X1);
      yMin[i] = vert[i]->CalcPosPoint(zoom->Y1);
      yMax[i] = vert[i]->CalcPosPoint(zoom->Y0);
    }
  }
  DoZoom(xMin[0], xMax[0], xMin[1], xMax[1], yMin[0], yMax[0], yMin[1], yMax[1]);
  if (zoom->GetHistory()) AddZoomSnapshot();
}

void TCustomChart::ZoomPercent(double PercentZoom) {
  const TPlotZoomDirection direction = GetZoom()->GetDirection();
  // The axis' values at its ends, moved in by the percentage when the axis
  // zooms in this direction.
  auto range = [&](TChartAxis* Axis, double& Min, double& Max) {
    const bool horizontal = Axis->GetHorizontal();
    Min = Axis->CalcPosPoint(horizontal ? Axis->IStartPos : Axis->IEndPos);
    Max = Axis->CalcPosPoint(horizontal ? Axis->IEndPos : Axis->IStartPos);
    const bool zoomed = horizontal ? direction != tzdVertical : direction != tzdHorizontal;
    if (!zoomed) return;
    const double d = (Max - Min) * (PercentZoom - 100) * 0.01;
    Min += d;
    Max -= d;
  };
  double l0, l1, r0, r1, t0, t1, b0, b1;
  range(GetLeftAxis(), l0, l1);
  range(GetRightAxis(), r0, r1);
  range(GetTopAxis(), t0, t1);
  range(GetBottomAxis(), b0, b1);
  DoZoom(t0, t1, b0, b1, l0, l1, r0, r1);
  Invalidate();
}

// ---------------- history and undo ----------------

void TCustomChart::AddZoomSnapshot() {
  auto snapshot = std::make_unique<TZoomSnapshot>();
  for (TChartAxis* a : {GetLeftAxis(), GetTopAxis(), GetRightAxis(), GetBottomAxis()}) {
    snapshot->AxesMinMax.push_back(a->GetMinimum());
    snapshot->AxesMinMax.push_back(a->GetMaximum());
  }
  TChartCustomAxes* custom = GetCustomAxes();
  snapshot->CustomCount = custom->Count();
  for (int i = 0; i < custom->Count(); ++i)
    snapshot->CustomMinMax.push_back({custom->Get(i)->GetMinimum(), custom->Get(i)->GetMaximum()});
  GetZoom()->GetAxesHistory().push_back(std::move(snapshot));
}

void TCustomChart::RemoveZoomSnapshot() {
  auto& history = GetZoom()->GetAxesHistory();
  if (!history.empty()) history.pop_back();
}

// The side axes take the limits of the snapshot before the last; custom
// axes stay as they are.
void TCustomChart::ZoomBackOne() {
  auto& history = GetZoom()->GetAxesHistory();
  if (history.size() < 2) return;
  const std::vector<double>& v = history[history.size() - 2]->AxesMinMax;
  GetLeftAxis()->SetMinMax(v[0], v[1]);
  GetTopAxis()->SetMinMax(v[2], v[3]);
  GetRightAxis()->SetMinMax(v[4], v[5]);
  GetBottomAxis()->SetMinMax(v[6], v[7]);
}

void TCustomChart::UndoZoom() {
  TPlotZoom* zoom = GetZoom();
  const size_t snapshots = zoom->GetHistory() ? zoom->GetAxesHistory().size() : 0;
  if (snapshots > 1) {
    ZoomBackOne();
    RemoveZoomSnapshot();
  } else {
    if (snapshots == 1) RemoveZoomSnapshot();
    if (!RestoredAxisScales) {
      RestoreScales(FSavedScales);
      RestoredAxisScales = true;
    }
  }
  SetZoomed(false);
  TCustomAxisPanel::UndoZoom();
}
