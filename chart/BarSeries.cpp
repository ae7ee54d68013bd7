// The bar series' settings: construction, published properties, keeping
// the bar series of one chart in the same mode, copying, the legend and the
// gallery variants with their sample values.

#include "chart/BarSeries.h"

#include "chart/AxisPanel.h"
#include "chart/Callout.h"
#include "chart/CustomSeries.h"
#include "chart/PlotConst.h"
#include "chart/PlotGradient.h"
#include "chart/PlotShadow.h"
#include "chart/SeriesMarks.h"
#include "platform/rtl/RttiDecl.h"

namespace {

const TEnumInfo& BarStyleInfo() {
  static const TEnumInfo info(
      "TBarStyle", {"bsRectangle", "bsPyramid", "bsInvPyramid", "bsCilinder", "bsEllipse",
                    "bsArrow", "bsRectGradient", "bsCone", "bsBevel", "bsSlantCube", "bsDiamond",
                    "bsInvArrow", "bsInvCone", "bsCustom", "bsRoundRectangle"});
  return info;
}

const TEnumInfo& MultiBarInfo() {
  static const TEnumInfo info(
      "TMultiBar", {"mbNone", "mbSide", "mbStacked", "mbStacked100", "mbSideAll", "mbSelfStack"});
  return info;
}

const TEnumInfo& BarRoundInfo() {
  static const TEnumInfo info("TBarRound", {"brNone", "brAtValue", "brBothEnds"});
  return info;
}

const TEnumInfo& MarksLocationInfo() {
  static const TEnumInfo info("TMarksLocation", {"mlStart", "mlCenter", "mlEnd"});
  return info;
}

}  // namespace

// ---------------- type information ----------------

const TClassInfo* TCustomBarSeries::Class() {
  using S = TCustomBarSeries;
  static const TClassInfo* info =
      TClassDecl<S>("TCustomBarSeries", TChartSeries::Class())
          .Prop("AutoBarSize", &S::GetAutoBarSize, &S::SetAutoBarSize)
          .Default(0)
          .Prop("AutoMarkPosition", &S::GetAutoMarkPosition, &S::SetAutoMarkPosition)
          .Stored(false)
          .Prop("BarBrush", &S::GetBarBrush, &S::SetBarBrush)
          .Prop("BarPen", &S::GetBarPen, &S::SetBarPen)
          .Enum("BarRound", &S::GetBarRound, &S::SetBarRound, BarRoundInfo())
          .Default(brAtValue)
          .Enum("BarStyle", &S::GetBarStyleProp, &S::SetBarStyle, BarStyleInfo())
          .Default(bsRectangle)
          .Prop("BarWidthPercent", &S::GetBarWidthPercent, &S::SetBarWidthPercent)
          .Default(70)
          .Prop("BevelSize", &S::GetBevelSize, &S::SetBevelSize)
          .Default(1)
          .Prop("ConePercent", &S::GetConePercent, &S::SetConePercent)
          .Default(0)
          .Prop("Dark3D", &S::GetDark3D, &S::SetDark3D)
          .Default(1)
          .Prop("DarkPen", &S::GetDarkPen, &S::SetDarkPen)
          .Default(0)
          .Prop("DepthPercent", &S::GetDepthPercent, &S::SetDepthPercent)
          .Default(100)
          .Prop("Emboss", &S::GetEmboss, &S::SetEmboss)
          .Prop("Gradient", &S::GetGradient, &S::SetGradient)
          .Prop("GradientRelative", &S::GetGradientRelative, &S::SetGradientRelative)
          .Default(0)
          .Enum("MarksLocation", &S::GetMarksLocation, &S::SetMarksLocation, MarksLocationInfo())
          .Default(mlEnd)
          .Prop("MarksOnBar", &S::GetMarksOnBar, &S::SetMarksOnBar)
          .Default(0)
          .Enum("MultiBar", &S::GetMultiBar, &S::SetMultiBar, MultiBarInfo())
          .Default(mbSide)
          .Prop("OffsetPercent", &S::GetOffsetPercent, &S::SetOffsetPercent)
          .Default(0)
          .Prop("RoundSize", &S::GetRoundSize, &S::SetRoundSize)
          .Default(16)
          .Prop("SelfStack", &S::GetSelfStack, &S::SetSelfStack)
          .Prop("Shadow", &S::GetShadow, &S::SetShadow)
          .Prop("SideMargins", &S::GetSideMargins, &S::SetSideMargins)
          .Default(1)
          .Prop("Sides", &S::GetSides, &S::SetSides)
          .Default(32)
          .Prop("StackGroup", &S::GetStackGroup, &S::SetStackGroup)
          .Default(0)
          .Prop("TickLines", &S::GetTickLines, &S::SetTickLines)
          .Stored(&S::HasTickLines)
          .Prop("UseYOrigin", &S::GetUseYOrigin, &S::SetUseYOrigin)
          .Default(1)
          .Prop("YOrigin", &S::GetYOrigin, &S::SetYOrigin)
          .Event<S>("OnGetBarStyle", &S::OnGetBarStyle);
  return info;
}

const TClassInfo* TBarSeries::Class() {
  using S = TBarSeries;
  static const TClassInfo* info =
      TClassDecl<S>("TBarSeries", TCustomBarSeries::Class())
          .Prop("CustomBarWidth", &S::GetCustomBarWidth, &S::SetCustomBarWidth)
          .Default(0);
  return info;
}

const TClassInfo* THorizBarSeries::Class() {
  using S = THorizBarSeries;
  static const TClassInfo* info =
      TClassDecl<S>("THorizBarSeries", TCustomBarSeries::Class())
          .Prop("CustomBarHeight", &S::GetCustomBarHeight, &S::SetCustomBarHeight)
          .Default(0);
  return info;
}

// ---------------- construction ----------------

TCustomBarSeries::TCustomBarSeries(TComponent* AOwner) : TChartSeries(AOwner) {
  FEmboss = std::make_unique<TPlotEmboss>(ChangedCallback());
  FEmboss->InitValues(FEmboss->GetVisible(), clGray, FEmboss->GetSize());
  FShadow = std::make_unique<TPlotShadow>(ChangedCallback());
  FShadow->InitValues(FShadow->GetVisible(), clGray, FShadow->GetSize());
  FSelfStack = std::make_unique<TSelfStack>(this);
  FBrush->GetGradient()->SetVisible(false);
  TSeriesMarks* marks = GetMarks();
  marks->DefaultVisible = true;
  marks->SetVisible(true);
  marks->SetOnTop(true);
  marks->GetCallout()->DefaultLength = 20;
  marks->GetCallout()->SetLength(20);
}

TCustomBarSeries::~TCustomBarSeries() {
  FSelfStack.reset();
  FEmboss.reset();
  FShadow.reset();
  FTickLines.reset();
}

TBarSeries::TBarSeries(TComponent* AOwner) : TCustomBarSeries(AOwner) {
  FBrush->GetGradient()->SetDirection(gdTopBottom);
  MandatoryValueList->SetName(PlotMsg_ValuesBar);
}

THorizBarSeries::THorizBarSeries(TComponent* AOwner) : TCustomBarSeries(AOwner) {
  SetHorizontal();
  XValues()->SetOrder(loNone);
  YValues()->SetOrder(loAscending);
  FBrush->GetGradient()->SetDirection(gdLeftRight);
  MandatoryValueList->SetName(PlotMsg_ValuesBar);
}

TCustomAxisPanel* TCustomBarSeries::Chart() const {
  return dynamic_cast<TCustomAxisPanel*>(GetParentChart());
}

// ---------------- properties ----------------

bool TCustomBarSeries::GetAutoMarkPosition() const {
  return MarksIfAny() ? MarksIfAny()->GetAutoPosition() : true;
}

void TCustomBarSeries::SetAutoMarkPosition(bool Value) { GetMarks()->SetAutoPosition(Value); }

void TCustomBarSeries::SetBarRound(TBarRound Value) {
  if (FBarRound == Value) return;
  FBarRound = Value;
  Repaint();
}

void TCustomBarSeries::SetBarStyle(TBarStyle Value) {
  if (FBarStyle == Value) return;
  FBarStyle = Value;
  if (Value == bsRectangle) FBrush->GetGradient()->SetVisible(false);
  Repaint();
}

void TCustomBarSeries::SetMarksLocation(TMarksLocation Value) {
  if (FMarksLocation == Value) return;
  FMarksLocation = Value;
  Repaint();
}

void TCustomBarSeries::SetMultiBar(TMultiBar Value) {
  if (FMultiBar == Value) return;
  FMultiBar = Value;
  SetOtherBars(true);
  Repaint();
}

void TCustomBarSeries::SetSideMargins(bool Value) {
  SetBooleanProperty(FSideMargins, Value);
  SetOtherBars(true);
}

void TCustomBarSeries::SetEmboss(TPlotEmboss* Value) { FEmboss->Assign(Value); }
void TCustomBarSeries::SetShadow(TPlotShadow* Value) { FShadow->Assign(Value); }
void TCustomBarSeries::SetSelfStack(TSelfStack* Value) { FSelfStack->Assign(Value); }
TPlotGradient* TCustomBarSeries::GetGradient() const { return FBrush->GetGradient(); }
void TCustomBarSeries::SetGradient(TPlotGradient* Value) { FBrush->GetGradient()->Assign(Value); }

TPlotHiddenPen* TCustomBarSeries::GetTickLines() const {
  if (!FTickLines) {
    auto* self = const_cast<TCustomBarSeries*>(this);
    FTickLines =
        std::make_unique<TPlotHiddenPen>([self](TObject* Sender) { self->CanvasChanged(Sender); });
    FTickLines->InitEndStyle(esFlat);
  }
  return FTickLines.get();
}

void TCustomBarSeries::SetTickLines(TPlotHiddenPen* Value) {
  if (!Value) {
    FTickLines.reset();
    return;
  }
  GetTickLines()->Assign(Value);
}

// ---------------- the bar series of one chart ----------------

void TCustomBarSeries::SetOtherBars(bool Propagate) {
  TCustomAxisPanel* chart = Chart();
  if (!chart) return;
  for (int i = 0; i < chart->SeriesCount(); ++i) {
    auto* s = dynamic_cast<TCustomBarSeries*>(chart->GetSeries(i));
    if (!s || !s->ClassType()->InheritsFrom(ClassType())) continue;
    if (!Propagate) {
      FMultiBar = s->FMultiBar;
      FSideMargins = s->FSideMargins;
      CalcVisiblePoints = FMultiBar != mbSelfStack;
      return;
    }
    s->FMultiBar = FMultiBar;
    s->FSideMargins = FSideMargins;
    s->CalcVisiblePoints = FMultiBar != mbSelfStack;
  }
}

void TCustomBarSeries::SetParentChart(TChartSeriesPanel* Value) {
  TChartSeries::SetParentChart(Value);
  SetOtherBars(false);
}

// ---------------- copying ----------------

void TCustomBarSeries::Assign(TPersistent* Source) {
  if (auto* s = dynamic_cast<TCustomBarSeries*>(Source)) {
    FBarStyle = s->FBarStyle;
    FMultiBar = s->FMultiBar;
    FOrigin = s->FOrigin;
    FSelfStack->Assign(s->FSelfStack.get());
    FStackGroup = s->FStackGroup;
    FUseOrigin = s->FUseOrigin;
  }
  TChartSeries::Assign(Source);
}

void TCustomBarSeries::AssignFormatting(TChartSeries* Source) {
  auto* s = dynamic_cast<TCustomBarSeries*>(Source);
  if (!s) {
    TChartSeries::AssignFormatting(Source);
    return;
  }
  FBarWidthPercent = s->FBarWidthPercent;
  FBarRound = s->FBarRound;
  FBevelSize = s->FBevelSize;
  FConePercent = s->FConePercent;
  FCustomBarSize = s->FCustomBarSize;
  FDark3D = s->FDark3D;
  FDarkPen = s->FDarkPen;
  FDepthPercent = s->FDepthPercent;
  FEmboss->Assign(s->FEmboss.get());
  FGradientRelative = s->FGradientRelative;
  FMarksLocation = s->FMarksLocation;
  FMarksOnBar = s->FMarksOnBar;
  FOffsetPercent = s->FOffsetPercent;
  FRoundSize = s->FRoundSize;
  FShadow->Assign(s->FShadow.get());
  FSideMargins = s->FSideMargins;
  SetTickLines(s->FTickLines.get());
  TChartSeries::AssignFormatting(Source);
}

// ---------------- legend ----------------

void TCustomBarSeries::PrepareLegendCanvas(int ValueIndex, TColor& BackColor,
                                           TBrushStyle& BrushStyle) {
  PrepareBarPen(ValueIndex);
  BrushStyle = FBrush->GetStyle();
  BackColor = FBrush->GetColor();
  if (BackColor == TColor(0x20000000) && Chart()) BackColor = Chart()->GetBackColor();
}

void TCustomBarSeries::DrawLegendShape(int ValueIndex, const TRect& Rect) {
  if (FBrush->HasGraphic() && Chart())
    Chart()->GetCanvas()->GetBrush()->SetImage(FBrush->GetImage());
  TChartSeries::DrawLegendShape(ValueIndex, Rect);
}

// ---------------- gallery and sample values ----------------

void TCustomBarSeries::PrepareForGallery() {
  SetBarWidthPercent(85);
  SetBarStyle(bsRectGradient);
  GetGradient()->SetVisible(true);
  SetMultiBar(mbNone);
  SetDarkPen(130);
}

void TCustomBarSeries::CreateSubGallery(
    const std::function<void(const std::string& Name)>& AddSubChart) {
  TChartSeries::CreateSubGallery(AddSubChart);
  for (const std::string* t :
       {&PlotMsg_Colors, &PlotMsg_Pyramid, &PlotMsg_Ellipse, &PlotMsg_InvPyramid})
    AddSubChart(*t);
  if (SubGalleryStack())
    for (const std::string* t : {&PlotMsg_Stack, &PlotMsg_Stack100, &PlotMsg_SelfStack})
      AddSubChart(*t);
  AddSubChart(PlotMsg_Sides);
  AddSubChart(PlotMsg_SideAll);
}

void TCustomBarSeries::SetSubGallery(TChartSeries* Series, int Index) {
  auto* s = dynamic_cast<TCustomBarSeries*>(Series);
  if (!s) return;
  switch (Index) {
    case 0:
      return;
    case 1:
      s->SetColorEachPoint(true);
      return;
    case 2:
      s->SetBarStyle(bsPyramid);
      return;
    case 3:
      s->SetBarStyle(bsEllipse);
      return;
    case 4:
      s->SetBarStyle(bsInvPyramid);
      return;
    default:
      break;
  }
  TCustomAxisPanel* chart = s->Chart();
  if (chart && chart->SeriesCount() == 1) {
    s->FillSampleValues(2);
    s->SetColorEachPoint(false);
    s->GetMarks()->SetVisible(false);
    auto* other = static_cast<TCustomBarSeries*>(s->ClassType()->Create(chart->GetOwner()));
    other->SetName(PlotGetUniqueName(chart->GetOwner(), "Series"));
    chart->AddSeries(other);
    other->SetTitle("");
    other->FillSampleValues(2);
    other->SetColorEachPoint(false);
    other->GetMarks()->SetVisible(false);
    other->GetGradient()->SetVisible(true);
    other->SetBarWidthPercent(s->FBarWidthPercent);
    other->SetSubGallery(other, Index);
  }
  if (!SubGalleryStack()) Index += 3;
  static const TMultiBar modes[] = {mbStacked, mbStacked100, mbSelfStack, mbSide, mbSideAll};
  if (Index >= 5 && Index <= 9)
    s->SetMultiBar(modes[Index - 5]);
  else
    TChartSeries::SetSubGallery(Series, Index);
}

int TCustomBarSeries::NumSampleValues() const {
  TCustomAxisPanel* chart = Chart();
  if (!chart || chart->SeriesCount() <= 1) return 6;
  for (int i = 0; i < chart->SeriesCount(); ++i) {
    auto* s = dynamic_cast<TCustomBarSeries*>(chart->GetSeries(i));
    if (s && s != this && s->Count() > 0) return s->Count();
  }
  return 6;
}

void TCustomBarSeries::AddSampleValues(int NumValues, bool OnlyMandatory) {
  bool ownX = false;
  if (TCustomAxisPanel* chart = Chart())
    for (int i = 0; i < chart->SeriesCount() && !ownX; ++i) {
      TChartSeries* s = chart->GetSeries(i);
      if (s == this || s->ClassType() != ClassType()) continue;
      for (int k = 0; k < s->Count(); ++k)
        if (s->NotMandatoryValueList->GetValue(k) != k) ownX = true;
    }
  TChartSeries::AddSampleValues(NumValues, ownX ? OnlyMandatory : true);
}

int TCustomBarSeries::AddBar(double AValue, const std::string& ALabel, TColor AColor) {
  return Add(AValue, ALabel, AColor);
}
