// What the mouse finds on a line, point or area series (pointers, points,
// segments and the areas under them), the pointer click event, the pens
// shown while the mouse hovers, and the series' legend symbol.

#include <cmath>

#include "chart/AxisPanel.h"
#include "chart/ChartAxis.h"
#include "chart/CustomSeries.h"
#include "chart/PlotBlend.h"
#include "chart/PlotHover.h"
#include "chart/PlotRoutines.h"

namespace {

TCustomAxisPanel* ChartOf(const TChartSeries* Series) {
  return dynamic_cast<TCustomAxisPanel*>(Series->GetParentChart());
}

bool Has(THoverElements Set, THoverElement Element) { return (Set & (1u << Element)) != 0; }

}  // namespace

// ---------------- hit testing ----------------

int TCustomSeries::Clicked(int X, int Y) {
  TCustomAxisPanel* chart = ChartOf(this);
  if (chart && chart->GetView3D() && chart->GetCanvas())
    chart->GetCanvas()->Calculate2DPosition(X, Y, StartZ);
  const int base = TCustomLineSeries::Clicked(X, Y);
  if (base != -1 || FFirstVisibleIndex == -1 || FLastVisibleIndex == -1) return base;
  const int first = FClickableLine ? std::max(0, FFirstVisibleIndex - 1) : FFirstVisibleIndex;
  const int last = FLastVisibleIndex;
  TChartAxis* along = YMandatory ? GetHorizAxisInUse() : GetVertAxisInUse();
  const bool down = along && along->GetInverted();
  const int step = down ? -1 : 1;
  const int start = down ? last : first, stop = down ? first - 1 : last + 1;
  TPoint previous{0, 0};
  for (int i = start; i != stop; i += step) {
    if (i >= Count()) continue;
    FPointer->GetSelected()->SetHoverIndex(-1);
    const TPoint P{CalcXPos(i), CalcYPos(i)};
    BottomPos = GetOriginPos(i);
    if (FPointer->GetVisible() && ClickedPointer(i, P.X, P.Y, X, Y)) {
      FPointer->GetSelected()->SetHoverIndex(i);
      return i;
    }
    if (P.X == X && P.Y == Y) {
      IClickedPart = scpSegment;
      return i;
    }
    if (i != start && FClickableLine &&
        (ClickedSegment(i, previous, P, X, Y) ||
         (FDrawArea && ClickedArea(i, previous, P, X, Y)))) {
      IClickedPart = scpSegment;
      return down ? i : i - 1;
    }
    OldBottomPos = BottomPos;
    previous = P;
  }
  return -1;
}

bool TCustomSeries::ClickedSegment(int Index, TPoint Previous, TPoint P, int X, int Y) {
  (void)Index;
  TCustomAxisPanel* chart = ChartOf(this);
  const TPoint m{X, Y};
  if (chart && chart->GetView3D()) {
    const int w = chart->FSeriesWidth3D, h = chart->FSeriesHeight3D;
    const TPoint q[4] = {P, {P.X + w, P.Y - h}, {Previous.X + w, Previous.Y - h}, Previous};
    return PointInPolygon(m, q, 4);
  }
  const int t = FClickTolerance;
  if (!FStairs) return PointInLine(m, Previous.X, Previous.Y, P.X, P.Y, t);
  if (FInvertedStairs)
    return PointInLine(m, Previous.X, Previous.Y, Previous.X, P.Y, t) ||
           PointInLine(m, Previous.X, P.Y, P.X, P.Y, t);
  return PointInLine(m, Previous.X, Previous.Y, P.X, Previous.Y, t) ||
         PointInLine(m, P.X, Previous.Y, P.X, P.Y, t);
}

bool TCustomSeries::ClickedArea(int Index, TPoint Previous, TPoint P, int X, int Y) const {
  const int o0 = GetOriginPos(Index - 1 >= 0 ? Index - 1 : Index), o1 = GetOriginPos(Index);
  TPoint q[4];
  if (YMandatory) {
    if (FStairs) {
      q[0] = Previous;
      q[1] = {P.X, Previous.Y};
      q[2] = {P.X, o0};
      q[3] = {Previous.X, o0};
    } else if (FInvertedStairs) {
      q[0] = {Previous.X, P.Y};
      q[1] = P;
      q[2] = {P.X, o1};
      q[3] = {Previous.X, o1};
    } else {
      q[0] = Previous;
      q[1] = P;
      q[2] = {P.X, o1};
      q[3] = {Previous.X, o0};
    }
  } else {
    const int a = FInvertedStairs ? P.X : Previous.X;
    const int b = FStairs ? Previous.X : P.X;
    q[0] = {a, Previous.Y};
    q[1] = {b, P.Y};
    q[2] = {o1, P.Y};
    q[3] = {o0, Previous.Y};
  }
  return PointInPolygon(TPoint{X, Y}, q, 4);
}

bool TCustomSeries::ClickedPointer(int ValueIndex, int tmpX, int tmpY, int X, int Y) {
  if (DoGetPointerStyle(ValueIndex) == psNothing) return false;
  PreparePointer(ValueIndex);
  int h, v;
  FPointer->InternalGet(ValueIndex)->CalcSize(h, v);
  const bool hit =
      std::abs(tmpX - X) < FClickTolerance + h && std::abs(tmpY - Y) < FClickTolerance + v;
  if (hit) IClickedPart = scpPointer;
  return hit;
}

void TCustomSeries::MouseDown(int ValueIndex, bool OnPointer, TMouseButton Button,
                              TShiftState Shift, int X, int Y) {
  TCustomLineSeries::MouseDown(ValueIndex, OnPointer, Button, Shift, X, Y);
  if (!OnPointer || !OnClickPointer) return;
  if (auto* panel = dynamic_cast<TCustomPlotPanel*>(FParent)) panel->CancelMouse = false;
  OnClickPointer(this, ValueIndex, X, Y);
}

bool TCustomSeries::RaiseClicked() const {
  return TCustomLineSeries::RaiseClicked() || (FPointer->GetVisible() && OnClickPointer);
}

// ---------------- hover ----------------

bool TCustomSeries::HoverEnabled() const {
  if (FParent && !FParent->HoverVisible()) return false;
  return (FSelected && FSelected->GetHover()->GetVisible()) ||
         (FPointer->HasSelected() && FPointer->GetSelected()->GetHover()->GetVisible());
}

bool TCustomSeries::HoverPointerEnabled() const {
  if (FParent && !FParent->HoverVisible()) return false;
  return FPointer->HasSelected() && FPointer->GetSelected()->GetHover()->GetVisible();
}

int TCustomSeries::HoverOverPointer() const {
  if (IClickedPart != scpPointer || !FPointer->HasSelected()) return -1;
  return FPointer->GetSelected()->GetHoverIndex();
}

bool TCustomSeries::PreparePointerHoverPen(int ValueIndex) {
  if (!HoverPointerEnabled()) return false;
  const int segment = HoverOverSegment();
  bool result;
  if (segment != -1) {
    result = (Has(FHoverElement, heNext) && ValueIndex == segment + 1) ||
             (Has(FHoverElement, hePrevious) && ValueIndex == segment);
  } else {
    result = Has(FHoverElement, heCurrent) &&
             (ValueIndex == HoverOverPointer() ||
              (Has(FHoverElement, heJoin) && ValueIndex == HoverOverMark()));
  }
  if (!result) return false;
  auto* panel = dynamic_cast<TCustomPlotPanel*>(FParent);
  if (!panel || !panel->GetCanvas()) return false;
  TPlotPen* pen = FPointer->GetSelected()->GetHover()->GetPen();
  panel->GetCanvas()->AssignVisiblePenColor(pen, pen->GetColor());
  return true;
}

bool TCustomSeries::PrepareHoverPen(int ValueIndex) {
  if (ValueIndex == -1) return false;
  TChartAxis* along = YMandatory ? GetHorizAxisInUse() : GetVertAxisInUse();
  if (along && along->GetInverted()) ValueIndex += YMandatory ? 1 : -1;
  if (FParent && !FParent->HoverVisible()) return false;
  if (!FSelected || !FSelected->GetHover()->GetVisible()) return false;
  const int pointer = HoverOverPointer(), mark = HoverOverMark();
  bool result;
  if (pointer != -1 || mark != -1) {
    const int hovered = IClickedPart == scpPointer ? pointer : FSelected->GetHoverIndex();
    result = (Has(FHoverElement, heNext) && hovered == ValueIndex) ||
             (Has(FHoverElement, hePrevious) && hovered == ValueIndex + 1);
  } else {
    result = HoverOverSegment() == ValueIndex && Has(FHoverElement, heCurrent);
  }
  if (!result) return false;
  auto* panel = dynamic_cast<TCustomPlotPanel*>(FParent);
  if (!panel || !panel->GetCanvas()) return false;
  TPlotPen* pen = FSelected->GetHover()->GetPen();
  panel->GetCanvas()->AssignVisiblePenColor(pen, pen->GetColor());
  return true;
}

bool TCustomSeries::ShouldHoverMark(int ValueIndex) const {
  if (TCustomLineSeries::ShouldHoverMark(ValueIndex)) return true;
  return ValueIndex != -1 && ValueIndex == HoverOverPointer() && Has(FHoverElement, heCurrent) &&
         Has(FHoverElement, heJoin);
}

// ---------------- legend ----------------

void TCustomSeries::LinePrepareCanvas(TCanvas3D* ACanvas, TColor AColor) {
  if (ACanvas->GetMonochrome()) AColor = clWhite;
  TCustomAxisPanel* chart = ChartOf(this);
  if (chart && chart->GetView3D()) {
    if (FBrush->HasGraphic()) {
      chart->SetBrushCanvas(AColor, FBrush.get(), clWhite);
    } else {
      ACanvas->GetBrush()->SetStyle(FBrush->GetStyle());
      ACanvas->GetBrush()->SetColor(AColor);
    }
    ACanvas->AssignVisiblePen(FPen.get());
    return;
  }
  ACanvas->GetBrush()->SetStyle(bsClear);
  const bool show = !FDrawArea && !FPointer->GetVisible() && !FPen->GetVisible();
  if (show) {
    auto saved = FPen->OnChange;
    FPen->OnChange = nullptr;
    FPen->SetVisible(true);
    ACanvas->AssignVisiblePenColor(FPen.get(), AColor);
    FPen->SetVisible(false);
    FPen->OnChange = saved;
    return;
  }
  ACanvas->AssignVisiblePenColor(FPen.get(), AColor);
}

void TCustomSeries::DrawLegendShape(int ValueIndex, const TRect& Rect) {
  TCustomAxisPanel* chart = ChartOf(this);
  if (!chart) return;
  TCanvas3D* c = chart->GetCanvas();
  TColor color = ValueIndex == -1 ? GetSeriesColor() : LegendItemColor(ValueIndex);
  TSeriesPointer* p = FPointer->InternalGet(ValueIndex);
  auto line = [&] {
    TPlotBlend* blend = GetTransparency() ? c->BeginBlending(Rect, GetTransparency()) : nullptr;
    if (!PrepareHoverPen(ValueIndex) && chart->LegendPen == nullptr)
      LinePrepareCanvas(c, FPen->GetColor() == 0 ? color : FPen->GetColor());
    if (c->GetPen()->GetWidth() > Rect.Height() / 2) c->GetPen()->SetWidth(Rect.Height() / 2);
    if (chart->GetView3D())
      c->Rectangle(Rect);
    else
      c->DoHorizLine(Rect.Left, Rect.Right, (Rect.Top + Rect.Bottom) / 2);
    if (blend) c->EndBlending(blend);
  };
  if (!p->GetVisible()) {
    if (!FDrawLine || FDrawArea) {
      PrepareHoverPen(ValueIndex);
      TCustomLineSeries::DrawLegendShape(ValueIndex, Rect);
    } else {
      line();
    }
    return;
  }
  auto pointer = [&] {
    TSeriesPointerStyle style = p->GetStyle();
    TColor c2 = color;
    if (OnGetPointerStyle) {
      style = OnGetPointerStyle(this, ValueIndex);
      c2 = p->GetColor() == clDefault ? color : p->GetColor();
    }
    if (style == psVisual && HasVisuals() && ValueIndex >= 0 && Visuals()->GetVisual(ValueIndex))
      return;
    PlotPointerDrawLegend(p, c2, Rect, FPen->GetVisible(), style);
  };
  if (FPointerBehind) pointer();
  if (FDrawLine) line();
  if (!FPointerBehind) pointer();
}
