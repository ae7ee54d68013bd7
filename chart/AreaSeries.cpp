// The area series: stacking groups, the origin it fills down to, its value
// range, depth order, legend symbol and gallery variants.

#include "chart/AreaSeries.h"

#include "chart/AxisPanel.h"
#include "chart/ChartAxis.h"
#include "chart/PlotConst.h"
#include "chart/PlotGradient.h"
#include "chart/SeriesMarks.h"
#include "chart/SeriesRtti.h"
#include "platform/rtl/SysUtils.h"

namespace {

TCustomAxisPanel* ChartOf(const TChartSeries* Series) {
  return dynamic_cast<TCustomAxisPanel*>(Series->GetParentChart());
}

}  // namespace

const TClassInfo* TAreaSeries::Class() {
  using S = TAreaSeries;
  static const TClassInfo* info = [] {
    TClassDecl<S> d("TAreaSeries", TCustomSeries::Class());
    DeclareCommonProperties(d);
    DeclareLineAreaProperties(d);
    d.Enum("AreaBrush", &S::GetAreaBrush, &S::SetAreaBrush, LineBrushStyleInfo())
        .Default(bsSolid)
        .Prop("AreaChartBrush", &S::GetAreaChartBrush, &S::SetAreaChartBrush)
        .Prop("AreaColor", &S::GetAreaColor, &S::SetAreaColor)
        .Default(clDefault)
        .Prop("AreaLinesPen", &S::GetAreaLinesPen, &S::SetAreaLinesPen)
        .Prop("DrawArea", &S::GetDrawArea, &S::SetDrawArea)
        .Stored(&S::AlwaysStored)
        .Enum("MultiArea", &S::GetMultiArea, &S::SetMultiArea, MultiAreaInfo())
        .Default(maNone)
        .Prop("StackGroup", &S::GetStackGroup, &S::SetStackGroup)
        .Default(0)
        .Prop("UseYOrigin", &S::GetUseYOrigin, &S::SetUseYOrigin)
        .Default(0)
        .Prop("YOrigin", &S::GetYOrigin, &S::SetYOrigin);
    return static_cast<const TClassInfo*>(d);
  }();
  return info;
}

TAreaSeries::TAreaSeries(TComponent* AOwner) : TCustomSeries(AOwner) {
  FDrawArea = true;
  AllowSinglePoint = false;
  FPointer->ChangeVisible(false);
  FPointer->DefaultVisible = false;
  DrawBetweenPoints = true;
}

void TAreaSeries::Assign(TPersistent* Source) {
  auto* series = dynamic_cast<TChartSeries*>(Source);
  if (Source && !series) throw EInvalidCast("Invalid class typecast");
  TCustomSeries::Assign(Source);
  FDrawArea = true;
  FDrawLine = true;
  auto* s = dynamic_cast<TAreaSeries*>(Source);
  if (s && s->ClassType() == ClassType()) {
    FOrigin = s->FOrigin;
    FStackGroup = s->FStackGroup;
    FUseOrigin = s->FUseOrigin;
  } else {
    FPointer->ChangeVisible(false);
  }
}

TMultiArea TAreaSeries::GetMultiArea() const {
  switch (FStacked) {
    case cssStack:
      return maStacked;
    case cssStack100:
      return maStacked100;
    default:
      return maNone;
  }
}

void TAreaSeries::SetMultiArea(TMultiArea Value) {
  SetStacked(Value == maStacked ? cssStack : Value == maStacked100 ? cssStack100 : cssNone);
}

bool TAreaSeries::SameClassOrigin(const TChartSeries* Series) const {
  auto* a = dynamic_cast<const TAreaSeries*>(Series);
  return TCustomSeries::SameClassOrigin(Series) && a && a->FStackGroup == FStackGroup;
}

int TAreaSeries::GetOriginPos(int ValueIndex) const {
  if (FUseOrigin) return CalcPosValue(FOrigin);
  return TCustomSeries::GetOriginPos(ValueIndex);
}

void TAreaSeries::CalcZOrder() {
  if (GetMultiArea() == maNone) {
    TCustomSeries::CalcZOrder();
    return;
  }
  if (TCustomAxisPanel* chart = ChartOf(this))
    for (int i = 0; i < chart->SeriesCount(); ++i) {
      TChartSeries* s = chart->GetSeries(i);
      if (s == this) break;
      if (s->GetActive() && SameClassOrigin(s)) {
        IZOrder = s->GetZOrder();
        return;
      }
    }
  const TCustomSeriesStack saved = FStacked;
  FStacked = cssNone;
  TCustomSeries::CalcZOrder();
  FStacked = saved;
}

bool TAreaSeries::DrawSeriesForward(int ValueIndex) const {
  if (GetMultiArea() != maNone) return !MandatoryAxis()->GetInverted();
  return TCustomSeries::DrawSeriesForward(ValueIndex);
}

double TAreaSeries::WithOrigin(double Value, bool IsMin) const {
  if (!FUseOrigin) return Value;
  return IsMin ? std::min(Value, FOrigin) : std::max(Value, FOrigin);
}

double TAreaSeries::MaxXValue() {
  const double v = TCustomSeries::MaxXValue();
  return YMandatory ? v : WithOrigin(v, false);
}
double TAreaSeries::MinXValue() {
  const double v = TCustomSeries::MinXValue();
  return YMandatory ? v : WithOrigin(v, true);
}
double TAreaSeries::MaxYValue() {
  const double v = TCustomSeries::MaxYValue();
  return YMandatory ? WithOrigin(v, false) : v;
}
double TAreaSeries::MinYValue() {
  const double v = TCustomSeries::MinYValue();
  return YMandatory ? WithOrigin(v, true) : v;
}

void TAreaSeries::ResetBrush() {
  FAreaBrush->SetStyle(bsSolid);
  FAreaBrush->SetColor(clDefault);
  FAreaBrush->SetBackColor(clDefault);
  TCustomSeries::ResetBrush();
}

void TAreaSeries::CreateSubGallery(
    const std::function<void(const std::string& Name)>& AddSubChart) {
  TCustomSeries::CreateSubGallery(AddSubChart);
  for (const std::string* t :
       {&PlotMsg_Stairs, &PlotMsg_Marks, &PlotMsg_Colors, &PlotMsg_Hollow, &PlotMsg_NoLines,
        &PlotMsg_Stack, &PlotMsg_Stack100, &PlotMsg_Points, &PlotMsg_Gradient})
    AddSubChart(*t);
}

void TAreaSeries::SetSubGallery(TChartSeries* Series, int Index) {
  auto* s = dynamic_cast<TAreaSeries*>(Series);
  if (!s) return;
  switch (Index) {
    case 1:
      s->SetStairs(true);
      break;
    case 2:
      s->GetMarks()->SetVisible(true);
      break;
    case 3:
      s->SetColorEachPoint(true);
      break;
    case 4:
      s->SetAreaBrush(bsClear);
      break;
    case 5:
      s->GetAreaLinesPen()->Hide();
      break;
    case 6:
      s->SetMultiArea(maStacked);
      break;
    case 7:
      s->SetMultiArea(maStacked100);
      break;
    case 8:
      s->GetPointer()->SetVisible(true);
      break;
    case 9:
      s->GetGradientProp()->SetVisible(true);
      break;
    default:
      TCustomSeries::SetSubGallery(Series, Index);
  }
}

void TAreaSeries::PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle) {
  (void)ValueIndex;
  TCustomAxisPanel* chart = ChartOf(this);
  if (!chart) return;
  TCanvas3D* c = chart->GetCanvas();
  BackColor = GetAreaBrushColor(c->GetBrush()->GetColor());
  c->AssignVisiblePen(FAreaLinesPen.get());
  BrushStyle = FAreaBrush->GetStyle();
}

void TAreaSeries::DrawLegendShape(int ValueIndex, const TRect& Rect) {
  TCustomAxisPanel* chart = ChartOf(this);
  if (!chart) return;
  const TColor item = ValueIndex == -1 ? GetSeriesColor() : LegendItemColor(ValueIndex);
  if (FAreaBrush->HasGradient())
    chart->SetBrushCanvas(GetSeriesColor(), FAreaBrush.get(), FBrush->GetBackColor());
  else if (FAreaBrush->GetStyle() != bsSolid || FAreaBrush->HasGraphic()) {
    const TColor color = FAreaBrush->GetColor() == clDefault ? item : FAreaBrush->GetColor();
    chart->SetBrushCanvas(color, FAreaBrush.get(), color == item ? clWhite : item);
  } else {
    chart->SetBrushCanvas(item, FBrush.get(), FBrush->GetBackColor());
  }
  TCustomSeries::DrawLegendShape(ValueIndex, Rect);
}

const TClassInfo* THorizAreaSeries::Class() {
  static const TClassInfo* info =
      TClassDecl<THorizAreaSeries>("THorizAreaSeries", TAreaSeries::Class());
  return info;
}

THorizAreaSeries::THorizAreaSeries(TComponent* AOwner) : TAreaSeries(AOwner) {
  SetHorizontal();
  XValues()->SetOrder(loNone);
  YValues()->SetOrder(loAscending);
  FAreaBrush->GetGradient()->SetDirection(gdRightLeft);
}

void THorizAreaSeries::DrawMark(int ValueIndex, const std::string& Text,
                                TSeriesMarkPosition& Position) {
  TMarksCallout* callout = GetMarks()->GetCallout();
  const int length = callout->GetLength() + callout->GetDistance();
  Position.LeftTop.Y = Position.ArrowTo.Y - Position.Height / 2;
  Position.LeftTop.X += length + Position.Width / 2;
  Position.ArrowTo.X += length;
  Position.ArrowFrom.Y = Position.ArrowTo.Y;
  Position.ArrowFrom.X += callout->GetDistance();
  TAreaSeries::DrawMark(ValueIndex, Text, Position);
}
