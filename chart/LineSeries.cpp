// The line, horizontal line and point series: their settings after
// construction and copying, published properties and gallery variants.

#include "chart/LineSeries.h"

#include "chart/AxisPanel.h"
#include "chart/PlotConst.h"
#include "chart/PlotGradient.h"
#include "chart/SeriesMarks.h"
#include "chart/SeriesRtti.h"
#include "platform/rtl/RttiDecl.h"

// ---------------- line ----------------

const TClassInfo* TLineSeries::Class() {
  static const TClassInfo* info =
      DeclareLineProperties(TClassDecl<TLineSeries>("TLineSeries", TCustomSeries::Class()));
  return info;
}

TLineSeries::TLineSeries(TComponent* AOwner) : TCustomSeries(AOwner) {
  FDrawLine = true;
  AllowSinglePoint = false;
  FPointer->ChangeVisible(false);
  FPointer->DefaultVisible = false;
  IMandatoryPen2D = true;
  DrawBetweenPoints = true;
}

void TLineSeries::Assign(TPersistent* Source) {
  TCustomSeries::Assign(Source);
  auto* s = dynamic_cast<TChartSeries*>(Source);
  if (s && s->ClassType() != ClassType() && !dynamic_cast<TLineSeries*>(s))
    FPointer->ChangeVisible(false);
  FDrawArea = false;
  FDrawLine = true;
}

void TLineSeries::CreateSubGallery(
    const std::function<void(const std::string& Name)>& AddSubChart) {
  TCustomSeries::CreateSubGallery(AddSubChart);
  for (const std::string* t :
       {&PlotMsg_Stairs, &PlotMsg_Points, &PlotMsg_Height, &PlotMsg_Hollow, &PlotMsg_Colors,
        &PlotMsg_Marks, &PlotMsg_NoBorder, &PlotMsg_Outline})
    AddSubChart(*t);
}

void TLineSeries::SetSubGallery(TChartSeries* Series, int Index) {
  auto* s = dynamic_cast<TLineSeries*>(Series);
  if (!s) return;
  switch (Index) {
    case 1:
      s->SetStairs(true);
      break;
    case 2:
      s->GetPointer()->SetVisible(true);
      break;
    case 3:
      s->SetLineHeight(5);
      break;
    case 4:
      s->SetLineBrush(bsClear);
      break;
    case 5:
      s->SetColorEachPoint(true);
      break;
    case 6:
      s->GetMarks()->SetVisible(true);
      break;
    case 7:
      s->GetPen()->Hide();
      break;
    case 8:
      s->GetOutLine()->Show();
      break;
    default:
      TCustomSeries::SetSubGallery(Series, Index);
  }
}

void TLineSeries::PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle) {
  (void)ValueIndex;
  (void)BackColor;
  if (auto* chart = dynamic_cast<TCustomAxisPanel*>(GetParentChart()))
    chart->GetCanvas()->AssignVisiblePen(FPen.get());
  BrushStyle = FBrush->GetStyle();
}

const TClassInfo* THorizLineSeries::Class() {
  static const TClassInfo* info =
      TClassDecl<THorizLineSeries>("THorizLineSeries", TLineSeries::Class());
  return info;
}

THorizLineSeries::THorizLineSeries(TComponent* AOwner) : TLineSeries(AOwner) {
  SetHorizontal();
  CalcVisiblePoints = false;
  XValues()->SetOrder(loNone);
  YValues()->SetOrder(loAscending);
}

int THorizLineSeries::CalcMarkLength(int ValueIndex) {
  (void)ValueIndex;
  return MaxMarkWidth();
}

void THorizLineSeries::DrawMark(int ValueIndex, const std::string& Text,
                                TSeriesMarkPosition& Position) {
  TMarksCallout* callout = GetMarks()->GetCallout();
  int length = callout->GetLength() + callout->GetDistance();
  int distance = callout->GetDistance();
  int shift = length;
  if (Position.ArrowFrom.X < GetOriginPos(ValueIndex)) {
    length = -length;
    distance = -distance;
    shift = length - Position.Width;
  }
  Position.LeftTop.X += shift + Position.Width / 2;
  Position.LeftTop.Y += Position.Height / 2;
  Position.ArrowTo.X += length;
  Position.ArrowFrom.X += distance;
  TLineSeries::DrawMark(ValueIndex, Text, Position);
}

// ---------------- point ----------------

const TClassInfo* TPointSeries::Class() {
  static const TClassInfo* info =
      DeclarePointProperties(TClassDecl<TPointSeries>("TPointSeries", TCustomSeries::Class()));
  return info;
}

TPointSeries::TPointSeries(TComponent* AOwner) : TCustomSeries(AOwner) { FixedSettings(); }

void TPointSeries::FixedSettings() {
  FPointer->ChangeVisible(true);
  FPointer->DefaultVisible = true;
  FDrawArea = false;
  FDrawLine = false;
  FClickableLine = false;
}

void TPointSeries::Assign(TPersistent* Source) {
  TCustomSeries::Assign(Source);
  FixedSettings();
}

void TPointSeries::SetColorEachPoint(bool Value) {
  TCustomSeries::SetColorEachPoint(Value);
  if (Value) FPointer->SetColor(clDefault);
}

void TPointSeries::SetTransparency(int Value) {
  TCustomSeries::SetTransparency(Value);
  FPointer->SetTransparency(Value);
}

void TPointSeries::CreateSubGallery(
    const std::function<void(const std::string& Name)>& AddSubChart) {
  TCustomSeries::CreateSubGallery(AddSubChart);
  for (const std::string* t :
       {&PlotMsg_Colors, &PlotMsg_Marks, &PlotMsg_Hollow, &PlotMsg_NoBorder, &PlotMsg_Gradient})
    AddSubChart(*t);
  if (!CanDoExtra()) return;
  for (const std::string* t : {&PlotMsg_Point2D, &PlotMsg_Triangle, &PlotMsg_Star, &PlotMsg_Circle,
                               &PlotMsg_DownTri, &PlotMsg_Cross, &PlotMsg_Diamond, &PlotMsg_Hexagon,
                               &PlotMsg_GalleryDonut, &PlotMsg_GalleryArrow})
    AddSubChart(*t);
}

void TPointSeries::SetSubGallery(TChartSeries* Series, int Index) {
  auto* s = dynamic_cast<TPointSeries*>(Series);
  if (!s) return;
  TSeriesPointer* p = s->GetPointer();
  static const TSeriesPointerStyle shapes[] = {psTriangle,     psStar,  psCircle,
                                               psDownTriangle, psCross, psDiamond,
                                               psHexagon,      psDonut, psArrow};
  switch (Index) {
    case 1:
      s->SetColorEachPoint(true);
      break;
    case 2:
      s->GetMarks()->SetVisible(true);
      break;
    case 3:
      p->GetBrush()->SetStyle(bsClear);
      break;
    case 4:
      p->GetPen()->Hide();
      break;
    case 5:
      p->GetGradient()->SetVisible(true);
      break;
    case 6:
      p->SetDraw3D(false);
      break;
    default:
      if (Index >= 7 && Index <= 15) {
        p->SetStyle(shapes[Index - 7]);
        if (shapes[Index - 7] == psCircle) p->SetSize(8);
      } else {
        TCustomSeries::SetSubGallery(Series, Index);
      }
  }
}
