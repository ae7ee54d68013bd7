#include "chart/FastLineSeries.h"

#include <algorithm>
#include <climits>

#include "chart/AxisPanel.h"
#include "chart/ChartAxis.h"
#include "chart/PlotBlend.h"
#include "chart/PlotCanvas.h"
#include "chart/PlotConst.h"
#include "chart/PlotGeometry.h"
#include "chart/PlotHover.h"
#include "chart/SeriesMarks.h"
#include "platform/rtl/RttiDecl.h"

namespace {

const TEnumInfo& PointsStyleInfo() {
  static const TEnumInfo info("TDrawAllPointsStyle", {"daFirst", "daMinMax"});
  return info;
}

const TEnumInfo& DrawStyleInfo() {
  static const TEnumInfo info("TFastLineDrawStyle", {"flSegments", "flAll"});
  return info;
}

}  // namespace

TFastLineSeries::TFastLineSeries(TComponent* AOwner) : TCustomLineSeries(AOwner) {
  GetPen()->InitColor(clDefault);
  GetPen()->InitEndStyle(esFlat);
  AllowSinglePoint = false;
  DrawBetweenPoints = true;
  IMandatoryPen = true;
  FTreatNulls = tnIgnore;
  TPlotHover* hover = GetSelected()->GetHover();
  hover->SetVisible(false);
  hover->DefaultVisible = false;
}

const TClassInfo* TFastLineSeries::Class() {
  using F = TFastLineSeries;
  static const TClassInfo* info =
      TClassDecl<F>("TFastLineSeries", TCustomLineSeries::Class())
          .Prop("AutoRepaint", &F::GetAutoRepaint, &F::SetAutoRepaint)
          .Default(1)
          .Prop("ClickTolerance", &F::GetClickTolerance, &F::SetClickTolerance)
          .Default(0)
          .Prop("DrawAllPoints", &F::GetDrawAllPoints, &F::SetDrawAllPoints)
          .Default(1)
          .Enum("DrawAllPointsStyle", &F::GetDrawAllPointsStyle, &F::SetDrawAllPointsStyle,
                PointsStyleInfo())
          .Default(daFirst)
          .Enum("DrawStyle", &F::GetDrawStyle, &F::SetDrawStyle, DrawStyleInfo())
          .Default(flSegments)
          .Prop("FastPen", &F::GetFastPen, &F::SetFastPen)
          .Default(0)
          .Prop("IgnoreNulls", &F::GetIgnoreNulls, &F::SetIgnoreNulls)
          .Default(1)
          .Prop("InvertedStairs", &F::GetInvertedStairs, &F::SetInvertedStairs)
          .Default(0)
          .Prop("LinePen", &F::GetLinePen, &F::SetLinePen)
          .Prop("Stairs", &F::GetStairs, &F::SetStairs)
          .Default(0);
  return info;
}

void TFastLineSeries::Assign(TPersistent* Source) {
  if (auto* s = dynamic_cast<TFastLineSeries*>(Source)) {
    FAutoRepaint = s->FAutoRepaint;
    FClickTolerance = s->FClickTolerance;
    FDAPStyle = s->FDAPStyle;
    FDrawAll = s->FDrawAll;
    FDrawStyle = s->FDrawStyle;
    FFastPen = s->FFastPen;
    FIgnoreNulls = s->FIgnoreNulls;
    FInvertedStairs = s->FInvertedStairs;
    FStairs = s->FStairs;
  }
  TCustomLineSeries::Assign(Source);
}

void TFastLineSeries::SetDrawAllPointsStyle(TDrawAllPointsStyle Value) {
  if (FDAPStyle == Value) return;
  FDAPStyle = Value;
  Repaint();
}

void TFastLineSeries::SetDrawStyle(TFastLineDrawStyle Value) {
  if (FDrawStyle == Value) return;
  FDrawStyle = Value;
  Repaint();
}

void TFastLineSeries::SetLinePen(TPlotPen* Value) {
  GetPen()->Assign(Value);
  SetSeriesColor(GetPen()->GetColor());
}

void TFastLineSeries::SetSeriesColor(TColor Color) {
  TCustomLineSeries::SetSeriesColor(Color);
  GetPen()->SetColor(Color);
}

// ---------------- state of a pass ----------------

TCanvas3D* TFastLineSeries::Canvas() const {
  auto* chart = dynamic_cast<TCustomPlotPanel*>(FParent);
  return chart ? chart->GetCanvas() : nullptr;
}

bool TFastLineSeries::ShouldDrawAsPolyline() const {
  auto* chart = dynamic_cast<TCustomPlotPanel*>(FParent);
  return FDrawAll && FDrawStyle == flAll && FTreatNulls == tnIgnore && !FStairs && chart &&
         !chart->GetView3D();
}

bool TFastLineSeries::UseFastLine() const {
  if (!FFastPen) return false;
  TCanvas3D* c = Canvas();
  return !(c && c->GetSupportsFullRotation()) || !ShouldDrawAsPolyline();
}

void TFastLineSeries::CalcPosition(int ValueIndex, int& X, int& Y) const {
  X = FGetHorizAxis->CalcXPosValue(FX->GetValue(ValueIndex));
  Y = FGetVertAxis->CalcYPosValue(FY->GetValue(ValueIndex));
}

void TFastLineSeries::PrepareCanvas() {
  TCanvas3D* c = Canvas();
  TPlotPen* pen = GetPen();
  c->AssignVisiblePenColor(pen, pen->GetColor() == clDefault ? GetSeriesColor() : pen->GetColor());
  c->GetBrush()->SetStyle(bsClear);
  c->SetBackMode(cbmTransparent);
}

void TFastLineSeries::PrepareLegendCanvas(int ValueIndex, TColor& BackColor,
                                          TBrushStyle& BrushStyle) {
  (void)ValueIndex;
  (void)BackColor;
  (void)BrushStyle;
  PrepareCanvas();
}

void TFastLineSeries::DoMove(int X, int Y) {
  auto* chart = dynamic_cast<TCustomPlotPanel*>(FParent);
  if (chart->GetView3D())
    Canvas()->MoveTo3D(X, Y, MiddleZ);
  else
    Canvas()->MoveTo(X, Y);
}

void TFastLineSeries::Line(int X, int Y) {
  TCanvas3D* c = Canvas();
  auto* chart = dynamic_cast<TCustomPlotPanel*>(FParent);
  if (chart->GetView3D())
    c->LineTo3D(X, Y, MiddleZ);
  else if (UseFastLine())
    c->FastLineTo(X, Y);
  else
    c->LineTo(X, Y);
}

void TFastLineSeries::LineToPoint(int X, int Y) {
  const bool bracket = UseFastLine() && !IDrawingAllValues;
  if (bracket) Canvas()->SetFastLine(true);
  if (FStairs) {
    if (FInvertedStairs)
      Line(OldX, Y);
    else
      Line(X, OldY);
  }
  Line(X, Y);
  if (bracket) Canvas()->SetFastLine(false);
  OldX = X;
  OldY = Y;
}

// ---------------- drawing ----------------

void TFastLineSeries::DoBeforeParallel() {
  CalcFirstLastVisibleIndex();
  if (FFirstVisibleIndex < 0) return;
  CalcPosition(FFirstVisibleIndex < 1 ? 0 : FFirstVisibleIndex - 1, OldX, OldY);
  if (!ShouldDrawAsPolyline()) return;
  const int first = FFirstVisibleIndex > 0 ? FFirstVisibleIndex - 1 : FFirstVisibleIndex;
  const size_t n = FLastVisibleIndex - first + 1;
  const bool kept = IPoints.size() == n;
  if (!kept) IPoints.resize(n);
  IPoints[0] = TPoint{OldX, OldY};
  const bool newX = !(ReuseXValues && kept), newY = !(ReuseYValues && kept);
  for (size_t k = 1; k < n; ++k) {
    const int i = first + static_cast<int>(k);
    if (newX) IPoints[k].X = FGetHorizAxis->CalcXPosValue(FX->GetValue(i));
    if (newY) IPoints[k].Y = FGetVertAxis->CalcYPosValue(FY->GetValue(i));
  }
}

void TFastLineSeries::DrawAllValues() {
  TCanvas3D* c = Canvas();
  if (c == nullptr || FFirstVisibleIndex < 0) return;
  IDrawingAllValues = true;
  TPlotBlend* blend = nullptr;
  const bool blending = FTransparency != 0 && c->GetSupportsAlpha();
  if (blending) blend = c->BeginBlending(PlotZeroRect, FTransparency);
  PrepareCanvas();
  const bool polyline = ShouldDrawAsPolyline();
  if (!polyline) {
    DoMove(OldX, OldY);
    if (!FDrawAll) {
      IMin = IMax = OldY;
      ISameX = false;
    }
  }
  const bool fast = UseFastLine();
  if (fast) c->SetFastLine(true);
  if (polyline) {
    c->Polyline(std::span<const TPoint>(IPoints));
  } else {
    if (FFirstVisibleIndex > 0) DrawValue(FFirstVisibleIndex);
    for (int i = FFirstVisibleIndex + 1; i <= FLastVisibleIndex; ++i) DrawValue(i);
  }
  if (blending) c->EndBlending(blend);
  if (fast) c->SetFastLine(false);
  IDrawingAllValues = false;
}

void TFastLineSeries::ColumnStroke(bool Last) {
  TCanvas3D* c = Canvas();
  const bool inverted = FGetVertAxis->GetInverted();
  auto to = [&](int Y) {
    if (dynamic_cast<TCustomPlotPanel*>(FParent)->GetView3D())
      c->LineTo3D(OldX, Y, MiddleZ);
    else
      c->LineTo(OldX, Y);
  };
  if (inverted) {
    to(IMax);
    if (Last) {
      to(IMin);
      to(IMax);
    } else {
      to(IMin);
    }
    return;
  }
  to(IMin);
  to(IMax);
}

void TFastLineSeries::DrawValue(int ValueIndex) {
  int X, Y;
  CalcPosition(ValueIndex, X, Y);
  if (FTreatNulls == tnIgnore && FDrawAll) {
    LineToPoint(X, Y);
    return;
  }
  const bool moves = X != OldX || ((FDrawAll || FDAPStyle == daMinMax) && Y != OldY);
  if (!IsNull(ValueIndex)) {
    if (!moves) return;
    const bool afterNull = FColors && ValueIndex > 0 && IsNull(ValueIndex - 1);
    if (afterNull && (FTreatNulls == tnDontPaint ||
                      (FTreatNulls == tnSkip && ValueIndex == FFirstVisibleIndex + 1))) {
      DoMove(X, Y);
      OldX = X;
      OldY = Y;
      return;
    }
  } else {
    switch (FTreatNulls) {
      case tnIgnore:
        if (!moves) return;
        break;
      case tnSkip:
        return;
      case tnDontPaint:
        if (!FDrawAll) {
          if (FDAPStyle == daFirst) {
            DoMove(X, Y);
          } else {
            OldX = X;
            OldY = Y;
          }
        }
        return;
    }
  }
  if (FDrawAll || FDAPStyle == daFirst) {
    LineToPoint(X, Y);
    return;
  }
  if (X != OldX) {
    if (ISameX) ColumnStroke(false);
    LineToPoint(X, Y);
    ISameX = false;
    IMin = INT_MAX;
    IMax = INT_MIN;
    return;
  }
  IMin = std::min(IMin, Y);
  IMax = std::max(IMax, Y);
  ISameX = true;
  if (ValueIndex == FLastVisibleIndex) ColumnStroke(true);
}

void TFastLineSeries::NotifyNewValue(TChartSeries* Sender, int ValueIndex) {
  if (FAutoRepaint) {
    TCustomLineSeries::NotifyNewValue(Sender, ValueIndex);
    return;
  }
  if (OnAfterAdd) OnAfterAdd(Sender, ValueIndex);
  NotifyValue(veAdd, ValueIndex);
  TCanvas3D* c = Canvas();
  if (c == nullptr || !FActive || FGetHorizAxis == nullptr || FGetVertAxis == nullptr) return;
  int px, py;
  CalcPosition(ValueIndex > 0 ? ValueIndex - 1 : 0, px, py);
  if (!FDrawAll && px != OldX) {
    OldX = px;
    OldY = py;
  }
  c->AssignVisiblePenColor(
      GetPen(), GetPen()->GetColor() == clDefault ? GetSeriesColor() : GetPen()->GetColor());
  DoMove(OldX, OldY);
  DrawValue(ValueIndex);
}

void TFastLineSeries::CalcFirstLastVisibleIndex() {
  TCustomLineSeries::CalcFirstLastVisibleIndex();
  if (FDrawAll || FFirstVisibleIndex < 1 || FFirstVisibleIndex != FLastVisibleIndex) return;
  int x0, y;
  CalcPosition(FFirstVisibleIndex - 1, x0, y);
  int j = FFirstVisibleIndex - 1;
  for (int x; j > 0; --j) {
    CalcPosition(j - 1, x, y);
    if (x != x0) break;
  }
  FFirstVisibleIndex = j;
}

// ---------------- clicking, margins, legend, gallery ----------------

int TFastLineSeries::Clicked(int X, int Y) {
  if (FFirstVisibleIndex < 0) return -1;
  auto* chart = dynamic_cast<TCustomPlotPanel*>(FParent);
  if (chart && chart->GetView3D()) Canvas()->Calculate2DPosition(X, Y, MiddleZ);
  const TPoint p{X, Y};
  int ox = 0, oy = 0;
  for (int i = FFirstVisibleIndex; i <= FLastVisibleIndex; ++i) {
    int px, py;
    CalcPosition(i, px, py);
    if (px == X && py == Y) return i;
    if (i > FFirstVisibleIndex) {
      bool hit;
      if (FStairs && !FInvertedStairs)
        hit = PointInLine(p, px, py, px, oy, FClickTolerance) ||
              PointInLine(p, ox, oy, px, oy, FClickTolerance);
      else if (FStairs)
        hit = PointInLine(p, ox, oy, ox, py, FClickTolerance) ||
              PointInLine(p, ox, py, px, py, FClickTolerance);
      else
        hit = PointInLine(p, ox, oy, px, py, FClickTolerance);
      if (hit) return i - 1;
    }
    ox = px;
    oy = py;
  }
  return -1;
}

void TFastLineSeries::CalcHorizMargins(int& LeftMargin, int& RightMargin) {
  TCustomLineSeries::CalcHorizMargins(LeftMargin, RightMargin);
  const int w = GetPen()->GetWidth();
  const int e = w - (w - 2) / 2;
  LeftMargin += e;
  RightMargin += e;
}

void TFastLineSeries::CalcVerticalMargins(int& TopMargin, int& BottomMargin) {
  TCustomLineSeries::CalcVerticalMargins(TopMargin, BottomMargin);
  if (FGetVertAxis == nullptr || Count() == 0) return;
  const int w = GetPen()->GetWidth();
  const int e = w - (w - 2) / 2;
  if (MaxYValue() >= FGetVertAxis->GetMaximum()) TopMargin += e;
  if (MinYValue() <= FGetVertAxis->GetMinimum()) BottomMargin += e;
}

void TFastLineSeries::DrawLegendShape(int ValueIndex, const TRect& Rect) {
  (void)ValueIndex;
  TCanvas3D* c = Canvas();
  if (c == nullptr) return;
  const int y = (Rect.Top + Rect.Bottom) / 2;
  c->MoveTo(Rect.Left, y);
  c->LineTo(Rect.Right, y);
}

void TFastLineSeries::DrawMark(int ValueIndex, const std::string& Text,
                               TSeriesMarkPosition& Position) {
  GetMarks()->ApplyArrowLength(&Position);
  TCustomLineSeries::DrawMark(ValueIndex, Text, Position);
}

void TFastLineSeries::CreateSubGallery(
    const std::function<void(const std::string& Name)>& AddSubChart) {
  TCustomLineSeries::CreateSubGallery(AddSubChart);
  AddSubChart(PlotMsg_Marks);
  AddSubChart(PlotMsg_Dotted);
  AddSubChart(PlotMsg_Stairs);
}

void TFastLineSeries::SetSubGallery(TChartSeries* Series, int Index) {
  auto* s = dynamic_cast<TFastLineSeries*>(Series);
  if (s == nullptr) return;
  switch (Index) {
    case 1:
      s->GetMarks()->SetVisible(true);
      break;
    case 2:
      s->GetPen()->SetSmallDots(true);
      break;
    case 3:
      s->SetStairs(true);
      break;
    default:
      TCustomLineSeries::SetSubGallery(Series, Index);
  }
}
