// The chart's mouse drags: the zoom's rubber band and the end of a zoom
// drag, panning the axes, and scrolling the vertical axes.

#include <cmath>
#include <cstdlib>

#include "chart/Chart.h"

// Erases the band where it was drawn. A band without size was never drawn
// in XOR mode (the press draws none), and drawing one would leave a dot of
// the thick pen behind.
void TCustomChart::EraseZoomBand() {
  TPlotZoom* zoom = GetZoom();
  if (zoom->X0 == zoom->X1 && zoom->Y0 == zoom->Y1 && !zoom->GetFullRepaint()) return;
  TryDrawZoom();
}

// The band follows the mouse: erased where it was, drawn where it is.
void TCustomChart::DragZoom(int X, int Y) {
  TPlotZoom* zoom = GetZoom();
  if (zoom->GetDirection() == tzdVertical) X = ChartRect.Right;
  if (zoom->GetDirection() == tzdHorizontal) Y = ChartRect.Bottom;
  if (X == zoom->X1 && Y == zoom->Y1) return;
  EraseZoomBand();
  if (zoom->GetKeepAspectRatio()) {
    zoom->CorrectAspectRatio(ChartRect, X, Y);
  } else {
    zoom->X1 = X;
    zoom->Y1 = Y;
  }
  if (!zoom->GetFullRepaint()) DrawZoomRectangle();
}

// A drag longer than MinimumPixels zooms in when it went right (down for a
// vertical-only zoom) or UpLeftZooms is on, and undoes the zoom otherwise.
void TCustomChart::EndZoomDrag(int X, int Y) {
  TPlotZoom* zoom = GetZoom();
  const TPlotZoomDirection direction = zoom->GetDirection();
  zoom->SetActive(false);
  EraseZoomBand();
  InternalCanvas->GetPen()->SetMode(pmCopy);
  if (!zoom->GetKeepAspectRatio()) {
    if (direction != tzdVertical) zoom->X1 = X;
    if (direction != tzdHorizontal) zoom->Y1 = Y;
  }
  const int minimum = zoom->GetMinimumPixels();
  const bool counts = (direction == tzdVertical || std::abs(zoom->X1 - zoom->X0) > minimum) &&
                      (direction == tzdHorizontal || std::abs(zoom->Y1 - zoom->Y0) > minimum);
  if (!counts) return;
  const bool zoomIn = zoom->GetUpLeftZooms() ||
                      (direction == tzdVertical ? zoom->Y1 > zoom->Y0 : zoom->X1 > zoom->X0);
  if (zoomIn)
    CalcZoomPoints();
  else
    UndoZoom();
  Invalidate();
}

// Linear axes move by the values the pixels span; logarithmic ones by the
// ratio at each end. A limit that comes out not finite stays.
void TCustomChart::ShiftAxis(TChartAxis* Axis, int Old, int New) {
  const double mn = Axis->GetMinimumOffset() != 0 ? Axis->GetMinimum() : Axis->IMinimum;
  const double mx = Axis->GetMaximumOffset() != 0 ? Axis->GetMaximum() : Axis->IMaximum;
  double newMin, newMax;
  if (!Axis->GetLogarithmic()) {
    const double d = Axis->CalcPosPoint(Old) - Axis->CalcPosPoint(New);
    newMin = mn + d;
    newMax = mx + d;
  } else {
    const int delta = New - Old;
    newMin = mn + (mn - Axis->CalcPosPoint(Axis->CalcPosValue(mn) + delta));
    newMax = mx + (mx - Axis->CalcPosPoint(Axis->CalcPosValue(mx) + delta));
    if (newMin > newMax) {
      newMin = mn;
      newMax = mx;
    }
  }
  if (!std::isfinite(newMin)) newMin = mn;
  if (!std::isfinite(newMax)) newMax = mx;
  bool allow = true;
  if (OnAllowScroll) OnAllowScroll(Axis, newMin, newMax, allow);
  if (allow) Axis->SetMinMax(newMin, newMax);
}

void TCustomChart::DragPanning(int X, int Y) {
  TPlotPanning* panning = GetPanning();
  const bool inside =
      X >= ChartRect.Left && X <= ChartRect.Right && Y >= ChartRect.Top && Y <= ChartRect.Bottom;
  if (panning->GetInsideBounds() && !inside) {
    panning->SetActive(false);
    return;
  }
  if (X == panning->X1 && Y == panning->Y1) return;
  SaveScalesOnce();
  const TPanningMode mode = GetAllowPanning();
  bool shifted = false;
  if (X != panning->X1 && (mode == pmHorizontal || mode == pmBoth)) {
    for (TChartAxis* a : GetAxes()->Items())
      if (a->GetHorizontal() && !a->IsDepthAxis()) ShiftAxis(a, panning->X1, X);
    shifted = true;
  }
  if (Y != panning->Y1 && (mode == pmVertical || mode == pmBoth)) {
    for (TChartAxis* a : GetAxes()->Items())
      if (!a->GetHorizontal() && !a->IsDepthAxis()) ShiftAxis(a, panning->Y1, Y);
    shifted = true;
  }
  panning->X1 = X;
  panning->Y1 = Y;
  if (!shifted) return;
  if (OnScroll) OnScroll(this);
  Invalidate();
}

// OnAllowScroll may refuse; the values it gives back are not used.
void TCustomChart::ScrollVerticalAxes(bool Up) {
  SaveScalesOnce();
  for (TChartAxis* a : GetAxes()->Items()) {
    if (a->GetHorizontal()) continue;
    double d = (a->GetMaximum() - a->GetMinimum()) * 3 * 0.01;
    if (!Up) d = -d;
    bool allow = true;
    if (OnAllowScroll) {
      double mn = a->GetMinimum() + d, mx = a->GetMaximum() + d;
      OnAllowScroll(a, mn, mx, allow);
    }
    if (allow) a->Scroll(d, false);
  }
}
