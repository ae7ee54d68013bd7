// Which part of the chart a point hits, and the chart's mouse handling:
// click events, the start of zoom and panning, hover and the cursor.

#include "chart/Chart.h"
#include "chart/SeriesMarks.h"

namespace {

bool InsideEdgesIncluded(const TRect& R, TPoint P) {
  return P.X >= R.Left && P.X <= R.Right && P.Y >= R.Top && P.Y <= R.Bottom;
}

}  // namespace

// ---------------- the clicked part ----------------

bool TCustomChart::ClickedSeries(TChartSeries* S, TPoint P, TChartClickedPart& Part) {
  if (S->GetMarks()->GetVisible()) {
    const int mark = S->GetMarks()->Clicked(P);
    if (mark != -1) {
      Part.Part = cpSeriesMarks;
      Part.PointIndex = mark;
      Part.ASeries = S;
      return true;
    }
  }
  const int index = S->Clicked(P);
  if (index == -1) return false;
  Part.ASeries = S;
  for (int i = 0; i < S->Count(); ++i) {
    if (S->ClickedPointer(i, S->CalcXPos(i), S->CalcYPos(i), P)) {
      Part.Part = cpSeriesPointer;
      Part.PointIndex = i;
      return true;
    }
  }
  Part.Part = cpSeries;
  Part.PointIndex = index;
  return true;
}

bool TCustomChart::ClickedAxes(TPoint P, TChartClickedPart& Part) {
  for (TChartAxis* a : GetAxes()->Items()) {
    if (a->Clicked(P)) {
      Part.Part = cpAxis;
      Part.AAxis = a;
      return true;
    }
    if (!a->HasTitle()) continue;
    TChartAxisTitle* t = a->GetAxisTitle();
    if (t->GetVisible() && !t->GetCaption().empty() && t->Clicked(P)) {
      Part.Part = cpAxisTitle;
      Part.AAxis = a;
      return true;
    }
  }
  return false;
}

bool TCustomChart::ClickedTitles(TPoint P, TChartClickedPart& Part) {
  const std::pair<TChartTitle*, TChartClickedPartStyle> titles[] = {{GetTitle(), cpTitle},
                                                                    {GetSubTitle(), cpSubTitle},
                                                                    {GetFoot(), cpFoot},
                                                                    {GetSubFoot(), cpSubFoot}};
  for (const auto& [title, style] : titles) {
    if (!title->Clicked(P)) continue;
    Part.Part = style;
    return true;
  }
  return false;
}

TChartClickedPart TCustomChart::CalcNeedClickedPart(TPoint Pos, bool OnlyNeeded) {
  TChartClickedPart part;
  int item = LegendItemAt(Pos, true);
  if (item != -1) {
    part.Part = cpLegend;
    part.PointIndex = item;
    return part;
  }
  const auto& series = GetSeriesList()->Items();
  for (auto it = series.rbegin(); it != series.rend(); ++it) {
    TChartSeries* s = *it;
    if (!s->GetActive()) continue;
    if (OnlyNeeded && !s->RaiseClicked() && !OnClickSeries) continue;
    if (ClickedSeries(s, Pos, part)) return part;
  }
  if (ClickedAxes(Pos, part)) return part;
  item = LegendItemAt(Pos, false);
  if (item != -1) {
    part.Part = cpLegend;
    part.PointIndex = item;
    return part;
  }
  if (ClickedTitles(Pos, part)) return part;
  if (InsideEdgesIncluded(ChartRect, Pos) && CountActiveSeries() > 0) part.Part = cpChartRect;
  return part;
}

// ---------------- pressing a button ----------------

bool TCustomChart::BackgroundClick(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (!OnClickBackGround) return false;
  CancelMouse = true;
  OnClickBackGround(this, Button, Shift, X, Y);
  return CancelMouse;
}

// Zoom takes the press when allowed with its button and keys; else panning
// with the scroll button and keys.
bool TCustomChart::StartZoomOrPanning(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (!ActiveSeriesCanZoomScroll()) return false;
  bool started = false;
  TPlotZoom* zoom = GetZoom();
  if (zoom->GetAllow() && Button == zoom->GetMouseButton() &&
      (Shift & zoom->GetKeyShift()) == zoom->GetKeyShift()) {
    if (zoom->GetDirection() == tzdVertical) X = ChartRect.Left;
    if (zoom->GetDirection() == tzdHorizontal) Y = ChartRect.Top;
    zoom->Activate(X, Y);
    if (zoom->GetDirection() == tzdVertical) zoom->X1 = ChartRect.Right;
    if (zoom->GetDirection() == tzdHorizontal) zoom->Y1 = ChartRect.Bottom;
    if (zoom->X0 != zoom->X1 || zoom->Y0 != zoom->Y1) TryDrawZoom();
    started = true;
  } else if (GetAllowPanning() != pmNone && Button == GetScrollMouseButton() &&
             (Shift & PlotScrollKeyShift) == PlotScrollKeyShift) {
    GetPanning()->Activate(X, Y);
    if (!GetPanning()->GetInsideBounds() && GetParent()) SetMouseCapture(true);
    started = true;
  }
  if (started) SetCursor(OriginalCursor);
  return started;
}

bool TCustomChart::HandleClickedPart(const TChartClickedPart& Part, TMouseButton Button,
                                     TShiftState Shift, int X, int Y) {
  bool handled = false;
  switch (Part.Part) {
    case cpLegend:
      handled = LegendMouseDown(Part.PointIndex);
      if (OnClickLegend) {
        CancelMouse = true;
        OnClickLegend(this, Button, Shift, X, Y);
        handled = CancelMouse;
      }
      return handled;
    case cpAxis:
      if (OnClickAxis) {
        CancelMouse = true;
        OnClickAxis(this, Part.AAxis, Button, Shift, X, Y);
        handled = CancelMouse;
      }
      break;
    case cpSeries:
    case cpSeriesPointer: {
      auto* s = static_cast<TChartSeries*>(Part.ASeries);
      CancelMouse = false;
      s->MouseDown(Part.PointIndex, Part.Part == cpSeriesPointer, Button, Shift, X, Y);
      handled = CancelMouse;
      if (OnClickSeries) {
        CancelMouse = true;
        OnClickSeries(this, s, Part.PointIndex, Button, Shift, X, Y);
        handled = CancelMouse;
      }
      break;
    }
    case cpTitle:
    case cpFoot:
    case cpSubTitle:
    case cpSubFoot:
      if (OnClickTitle) {
        TChartTitle* t = Part.Part == cpTitle      ? GetTitle()
                         : Part.Part == cpFoot     ? GetFoot()
                         : Part.Part == cpSubTitle ? GetSubTitle()
                                                   : GetSubFoot();
        CancelMouse = true;
        OnClickTitle(this, t, Button, Shift, X, Y);
        handled = CancelMouse;
      }
      break;
    case cpChartRect:
      handled = BackgroundClick(Button, Shift, X, Y);
      break;
    default:
      return false;
  }
  if (!handled) handled = StartZoomOrPanning(Button, Shift, X, Y);
  return handled;
}

void TCustomChart::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomAxisPanel::MouseDown(Button, Shift, X, Y);
  if (CancelMouse || GetZoom()->GetActive() || GetPanning()->GetActive()) return;
  CancelMouse = false;
  BroadcastMouseEvent(cmeDown, Button, Shift, X, Y);
  if (!CancelMouse) {
    const TChartClickedPart part = CalcNeedClickedPart(TPoint{X, Y}, true);
    if (!HandleClickedPart(part, Button, Shift, X, Y)) BackgroundClick(Button, Shift, X, Y);
  }
  CancelMouse = false;
}

// ---------------- moving and releasing ----------------

void TCustomChart::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomAxisPanel::MouseMove(Shift, X, Y);
  if (!(GetComponentState() & csDesigning)) BroadcastMouseEvent(cmeMove, mbLeft, Shift, X, Y);
  if (CancelMouse) return;
  if (GetZoom()->GetActive()) {
    DragZoom(X, Y);
    return;
  }
  if (GetPanning()->GetActive()) {
    DragPanning(X, Y);
    return;
  }
  HoverAndCursor(X, Y);
}

void TCustomChart::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  CancelMouse = false;
  TCustomAxisPanel::MouseUp(Button, Shift, X, Y);
  if (GetZoom()->GetActive() && Button == GetZoom()->GetMouseButton()) EndZoomDrag(X, Y);
  if (GetPanning()->GetActive()) {
    GetPanning()->SetActive(false);
    if (!GetPanning()->GetInsideBounds() && GetParent()) SetMouseCapture(false);
  }
  BroadcastMouseEvent(cmeUp, Button, Shift, X, Y);
}
