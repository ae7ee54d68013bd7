#include "chart/ChartAxis.h"

#include "chart/AxisPanel.h"
#include "chart/ChartException.h"
#include "chart/ChartLists.h"
#include "chart/PlotConst.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/RttiDecl.h"
#include "scene/zr_stream.h"

namespace {

const TEnumInfo& LabelStyleInfo() {
  static const TEnumInfo info(
      "TAxisLabelStyle", {"talAuto", "talNone", "talValue", "talMark", "talText", "talPointValue"});
  return info;
}

const TEnumInfo& UnitsInfo() {
  static const TEnumInfo info("TPlotUnits", {"muPercent", "muPixels"});
  return info;
}

// The collection an axis joins: none for the first six axes of a panel
// (its standard axes) and for an axis without a panel.
TCollection* CollectionFor(TCollection* Collection) {
  auto* axes = dynamic_cast<TChartCustomAxes*>(Collection);
  if (!axes || !axes->Panel()) return nullptr;
  if (axes->OwnerAxis()) return Collection;
  if (axes == axes->Panel()->GetCustomAxes() && axes->Panel()->GetAxes()->Count() < 6)
    return nullptr;
  return Collection;
}

}  // namespace

const TClassInfo* TChartAxis::Class() {
  using A = TChartAxis;
  static const TClassInfo* info =
      TClassDecl<A>("TChartAxis", TCollectionItem::Class())
          .Prop("Automatic", &A::GetAutomatic, &A::SetAutomatic)
          .Default(1)
          .Prop("AutomaticMaximum", &A::GetAutomaticMaximum, &A::SetAutomaticMaximum)
          .Default(1)
          .Prop("AutomaticMinimum", &A::GetAutomaticMinimum, &A::SetAutomaticMinimum)
          .Default(1)
          .Prop("Axis", &A::GetAxis, &A::SetAxis)
          .Prop("AxisValuesFormat", &A::GetAxisValuesFormat, &A::SetAxisValuesFormat)
          .Stored(&A::IsFormatStored)
          .Prop("DateTimeFormat", &A::GetDateTimeFormat, &A::SetDateTimeFormat)
          .Prop("ExactDateTime", &A::GetExactDateTime, &A::SetExactDateTime)
          .Default(1)
          .Prop("Grid", &A::GetGrid, &A::SetGrid)
          .Prop("GridCentered", &A::GetGridCentered, &A::SetGridCentered)
          .Default(0)
          .Prop("Increment", &A::GetIncrement, &A::SetDesiredIncrement)
          .Stored(&A::IsIncrementStored)
          .Prop("Inverted", &A::GetInverted, &A::SetInverted)
          .Default(0)
          .Prop("Horizontal", &A::GetHorizontal, &A::SetHorizontal)
          .Stored(&A::IsCustomStored)
          .Prop("OtherSide", &A::GetOtherSide, &A::SetOtherSide)
          .Stored(&A::IsCustomStored)
          .Prop("Labels", &A::GetLabelsVisible, &A::SetLabelsVisible)
          .Default(1)
          .Prop("LabelsFont", &A::GetLabelsFont, &A::SetLabelsFont)
          .Stored(false)
          .Prop("LabelsFormat", &A::GetLabelsFormat, &A::SetLabelsFormat)
          .Prop("LabelsAlternate", &A::GetLabelsAlternate, &A::SetLabelsAlternate)
          .Default(0)
          .Prop("LabelsAngle", &A::GetLabelsAngle, &A::SetLabelsAngle)
          .Default(0)
          .Enum("LabelsAlign", &A::GetLabelsAlign, &A::SetLabelsAlign, AxisLabelAlignInfo())
          .Default(alDefault)
          .Prop("LabelsBehind", &A::GetLabelsBehind, &A::SetLabelsBehind)
          .Default(0)
          .Prop("LabelsExponent", &A::GetLabelsExponent, &A::SetLabelsExponent)
          .Default(0)
          .Prop("LabelsGridIgnoresLabelSize", &A::GetLabelsGridIgnoresLabelSize,
                &A::SetLabelsGridIgnoresLabelSize)
          .Default(0)
          .Prop("LabelsMultiLine", &A::GetLabelsMultiLine, &A::SetLabelsMultiLine)
          .Default(0)
          .Prop("LabelsOnAxis", &A::GetLabelsOnAxis, &A::SetLabelsOnAxis)
          .Default(1)
          .Prop("LabelsSeparation", &A::GetLabelsSeparation, &A::SetLabelsSeparation)
          .Default(10)
          .Prop("LabelsSize", &A::GetLabelsSize, &A::SetLabelsSize)
          .Default(0)
          .Enum("LabelStyle", &A::GetLabelStyle, &A::SetLabelStyle, LabelStyleInfo())
          .Default(talAuto)
          .Prop("Logarithmic", &A::GetLogarithmic, &A::SetLogarithmic)
          .Default(0)
          .Prop("LogarithmicBase", &A::GetLogarithmicBase, &A::SetLogarithmicBase)
          .Stored(&A::IsLogBaseStored)
          .Prop("Maximum", &A::GetMaximum, &A::SetMaximum)
          .Stored(&A::IsMaximumStored)
          .Prop("MaximumOffset", &A::GetMaximumOffset, &A::SetMaximumOffset)
          .Default(0)
          .Prop("MaximumRound", &A::GetMaximumRound, &A::SetMaximumRound)
          .Default(0)
          .Prop("Minimum", &A::GetMinimum, &A::SetMinimum)
          .Stored(&A::IsMinimumStored)
          .Prop("MinimumOffset", &A::GetMinimumOffset, &A::SetMinimumOffset)
          .Default(0)
          .Prop("MinimumRound", &A::GetMinimumRound, &A::SetMinimumRound)
          .Default(0)
          .Prop("MinorGrid", &A::GetMinorGrid, &A::SetMinorGrid)
          .Prop("MinorTickCount", &A::GetMinorTickCount, &A::SetMinorTickCount)
          .Default(3)
          .Prop("MinorTickLength", &A::GetMinorTickLength, &A::SetMinorTickLength)
          .Default(2)
          .Prop("MinorTicks", &A::GetMinorTicks, &A::SetMinorTicks)
          .Prop("StartPosition", &A::GetStartPosition, &A::SetStartPosition)
          .Stored(&A::IsStartStored)
          .Prop("EndPosition", &A::GetEndPosition, &A::SetEndPosition)
          .Stored(&A::IsEndStored)
          .Prop("PositionPercent", &A::GetPositionPercent, &A::SetPositionPercent)
          .Stored(&A::IsPercentStored)
          .Enum("PositionUnits", &A::GetPositionUnits, &A::SetPositionUnits, UnitsInfo())
          .Default(muPercent)
          .Prop("RoundFirstLabel", &A::GetRoundFirstLabel, &A::SetRoundFirstLabel)
          .Default(1)
          .Prop("Shape", &A::GetShape, &A::SetShape)
          .Stored(&A::HasShape)
          .Prop("Title", &A::GetAxisTitle, &A::SetAxisTitle)
          .Prop("SubAxes", &A::GetSubAxes, &A::SetSubAxes)
          .Stored(&A::HasSubAxes)
          .Prop("TickInnerLength", &A::GetTickInnerLength, &A::SetTickInnerLength)
          .Default(0)
          .Prop("TickLength", &A::GetTickLength, &A::SetTickLength)
          .Default(4)
          .Prop("TickOnLabelsOnly", &A::GetTickOnLabelsOnly, &A::SetTickOnLabelsOnly)
          .Default(1)
          .Prop("Ticks", &A::GetTicks, &A::SetTicks)
          .Prop("TicksInner", &A::GetTicksInner, &A::SetTicksInner)
          .Prop("TitleSize", &A::GetTitleSize, &A::SetTitleSize)
          .Default(0)
          .Prop("Visible", &A::GetVisible, &A::SetVisible)
          .Default(1)
          .Prop("ZPosition", &A::GetZPosition, &A::SetZPosition)
          .Stored(&A::IsZPositionStored);
  return info;
}

TChartAxis::TChartAxis(TCustomAxisPanel* Chart)
    : TChartAxis(Chart ? static_cast<TCollection*>(Chart->GetCustomAxes()) : nullptr) {}

TChartAxis::TChartAxis(TCollection* Collection) : TCollectionItem(CollectionFor(Collection)) {
  auto* axes = dynamic_cast<TChartCustomAxes*>(Collection);
  TCustomAxisPanel* panel = axes ? axes->Panel() : nullptr;
  FResizeChart = !GetCollection();
  if (axes && axes->OwnerAxis()) FMaster = axes->OwnerAxis();
  Init(panel);
  if (FMaster) {
    FHorizontal = FMaster->FHorizontal;
    FOtherSide = FMaster->FOtherSide;
    FGrid->SetVisible(false);
    SetCalcPosValue();
    return;
  }
  if (!panel) return;
  panel->GetAxes()->Add(this);
  panel->ApplyThemeAxes(this);
}

void TChartAxis::Init(TCustomAxisPanel* Chart) {
  FParentChart = Chart;
  SetCalcPosValue();
  ISeriesList = std::make_unique<TCustomSeriesList>();
  CreateParts();
}

void TChartAxis::CreateParts() {
  TNotifyEvent changed = [this](TObject* Sender) {
    if (FParentChart) FParentChart->CanvasChanged(Sender);
  };
  FAxisItems = std::make_unique<TAxisItems>(this);
  FLabels = std::make_unique<TAxisLabels>(this);
  FTicks = std::make_unique<TTicks>(changed);
  FTicksInner = std::make_unique<TTicks>(changed);
  FMinorTicks = std::make_unique<TTicks>(changed);
  FGrid = std::make_unique<TAxisGridPen>(changed);
  FMinorGrid = std::make_unique<TPlotHiddenPen>(changed);
  FAxis = std::make_unique<TChartAxisPen>(changed);
}

TChartAxis::~TChartAxis() {
  FShape.reset();
  FSubAxes.reset();
  FMinorTicks.reset();
  FTicks.reset();
  FTicksInner.reset();
  FGrid.reset();
  FMinorGrid.reset();
  FAxis.reset();
  FAxisTitle.reset();
  FAxisItems.reset();
  FLabels.reset();
  DetachSeries();
  ISeriesList.reset();
  if (FParentChart) FParentChart->GetAxes()->Remove(this);
  Transform.reset();
  Tick.clear();
}

// Series that used this axis as a custom axis go back to the standard ones.
void TChartAxis::DetachSeries() {
  if (!FParentChart || FParentChart->IsPanelDestroying()) return;
  for (int i = 0; i < FParentChart->SeriesCount(); ++i) {
    TChartSeries* s = FParentChart->GetSeries(i);
    if (s->GetCustomHorizAxis() == this) {
      s->SetCustomHorizAxis(nullptr);
      s->SetHorizAxis(aBottomAxis);
    }
    if (s->GetCustomVertAxis() == this) {
      s->SetCustomVertAxis(nullptr);
      s->SetVertAxis(aLeftAxis);
    }
  }
}

void TChartAxis::Assign(TPersistent* Source) {
  auto* a = dynamic_cast<TChartAxis*>(Source);
  if (!a) return TCollectionItem::Assign(Source);
  FAxis->Assign(a->FAxis.get());
  FAxisItems->CopyFrom(a->FAxisItems.get());
  FLabels->Assign(a->FLabels.get());
  FTicks->Assign(a->FTicks.get());
  FTicksInner->Assign(a->FTicksInner.get());
  FTitleSize = a->FTitleSize;
  FGrid->Assign(a->FGrid.get());
  FMinorTicks->Assign(a->FMinorTicks.get());
  FMinorGrid->Assign(a->FMinorGrid.get());
  FTickLength = a->FTickLength;
  FMinorTickLength = a->FMinorTickLength;
  FMinorTickCount = a->FMinorTickCount;
  FTickInnerLength = a->FTickInnerLength;
  FAxisValuesFormat = a->FAxisValuesFormat;
  FDesiredIncrement = a->FDesiredIncrement;
  FMaximumValue = a->FMaximumValue;
  FMaximumOffset = a->FMaximumOffset;
  FMaximumRound = a->FMaximumRound;
  FMinimumValue = a->FMinimumValue;
  FMinimumOffset = a->FMinimumOffset;
  FMinimumRound = a->FMinimumRound;
  FAutomatic = a->FAutomatic;
  FAutomaticMaximum = a->FAutomaticMaximum;
  FAutomaticMinimum = a->FAutomaticMinimum;
  SetAxisTitle(a->FAxisTitle.get());
  FDateTimeFormat = a->FDateTimeFormat;
  FLogarithmic = a->FLogarithmic;
  FLogarithmicBase = a->FLogarithmicBase;
  FInverted = a->FInverted;
  FExactDateTime = a->FExactDateTime;
  FTickOnLabelsOnly = a->FTickOnLabelsOnly;
  IDepthAxis = a->IDepthAxis;
  FStartPosition = a->FStartPosition;
  FEndPosition = a->FEndPosition;
  FPositionPercent = a->FPositionPercent;
  FPosUnits = a->FPosUnits;
  FVisible = a->FVisible;
  FHorizontal = a->FHorizontal;
  FOtherSide = a->FOtherSide;
  SetShape(a->FShape.get());
  SetSubAxes(a->HasSubAxes() ? a->FSubAxes.get() : nullptr);
  SetCalcPosValue();
}

void TChartAxis::DefineProperties(TFiler* Filer) {
  TCollectionItem::DefineProperties(Filer);
  Filer->DefineBinaryProperty(
      "Items", [this](TStream* S) { FAxisItems->ReadItems(S); },
      [this](TStream* S) { FAxisItems->WriteItems(S); }, !FAxisItems->GetAuto());
}

TChartAxis* TChartAxis::GetParentAxis() const {
  auto* axes = dynamic_cast<TChartCustomAxes*>(GetCollection());
  return axes ? axes->OwnerAxis() : nullptr;
}

bool TChartAxis::IsCustom() const {
  if (GetParentAxis()) return true;
  return FParentChart && FParentChart->GetAxes()->IndexOf(this) >= 6;
}

void TChartAxis::SetDepthAxis(bool Value) {
  IDepthAxis = Value;
  SetCalcPosValue();
}

void TChartAxis::AssignToSub(TChartAxis* Axis) {
  Axis->FHorizontal = FHorizontal;
  Axis->FOtherSide = FOtherSide;
  Axis->FInverted = FInverted;
  Axis->FLogarithmic = FLogarithmic;
  Axis->FLogarithmicBase = FLogarithmicBase;
  Axis->SetCalcPosValue();
}

TChartAxisTitle* TChartAxis::GetAxisTitle() {
  if (FAxisTitle) return FAxisTitle.get();
  FAxisTitle = std::make_unique<TChartAxisTitle>(FParentChart);
  if (!FHorizontal) {
    const bool left = FParentChart && FParentChart->GetLeftAxis() == this;
    FAxisTitle->InitDefaultAngle(left || !FOtherSide ? 90 : 270);
  }
  return FAxisTitle.get();
}

void TChartAxis::SetAxisTitle(TChartAxisTitle* Value) {
  if (!Value) {
    FAxisTitle.reset();
    return;
  }
  GetAxisTitle()->Assign(Value);
}

TAxisBackShape* TChartAxis::GetShape() {
  if (!FShape) FShape = std::make_unique<TAxisBackShape>(FParentChart);
  return FShape.get();
}

void TChartAxis::SetShape(TAxisBackShape* Value) {
  if (!Value) {
    FShape.reset();
    return;
  }
  GetShape()->Assign(Value);
}

TChartCustomAxes* TChartAxis::GetSubAxes() {
  if (!FSubAxes) FSubAxes = std::make_unique<TChartCustomAxes>(FParentChart, this);
  return FSubAxes.get();
}

void TChartAxis::SetSubAxes(TChartCustomAxes* Value) {
  if (!Value) {
    FSubAxes.reset();
    return;
  }
  GetSubAxes()->Assign(Value);
}

bool TChartAxis::HasSubAxes() const { return FSubAxes && FSubAxes->Count() > 0; }

// ---------------- setters that repaint ----------------

bool TChartAxis::PanelReading() const { return FParentChart && FParentChart->IsPanelLoading(); }

void TChartAxis::RepaintBool(bool& Field, bool Value) {
  if (FParentChart)
    FParentChart->SetBooleanProperty(Field, Value);
  else
    Field = Value;
}

void TChartAxis::RepaintInt(int& Field, int Value) {
  if (FParentChart)
    FParentChart->SetIntegerProperty(Field, Value);
  else
    Field = Value;
}

void TChartAxis::RepaintDouble(double& Field, double Value) {
  if (FParentChart)
    FParentChart->SetDoubleProperty(Field, Value);
  else
    Field = Value;
}

void TChartAxis::RepaintString(std::string& Field, const std::string& Value) {
  if (FParentChart)
    FParentChart->SetStringProperty(Field, Value);
  else
    Field = Value;
}

void TChartAxis::SetAutomatic(bool Value) {
  RepaintBool(FAutomatic, Value);
  if (PanelReading()) return;
  FAutomaticMinimum = Value;
  FAutomaticMaximum = Value;
}

void TChartAxis::SetAutomaticMaximum(bool Value) {
  RepaintBool(FAutomaticMaximum, Value);
  if (!Value)
    FAutomatic = false;
  else if (FAutomaticMinimum)
    FAutomatic = true;
}

void TChartAxis::SetAutomaticMinimum(bool Value) {
  RepaintBool(FAutomaticMinimum, Value);
  if (!Value)
    FAutomatic = false;
  else if (FAutomaticMaximum)
    FAutomatic = true;
}

void TChartAxis::SetInverted(bool Value) {
  if (FMaster) FMaster->FInverted = Value;
  RepaintBool(FInverted, Value);
}

void TChartAxis::SetHorizontal(bool Value) {
  RepaintBool(FHorizontal, Value);
  SetCalcPosValue();
}

void TChartAxis::SetOtherSide(bool Value) { RepaintBool(FOtherSide, Value); }
void TChartAxis::SetAxisValuesFormat(const std::string& Value) {
  RepaintString(FAxisValuesFormat, Value);
}
void TChartAxis::SetDateTimeFormat(const std::string& Value) {
  RepaintString(FDateTimeFormat, Value);
}
void TChartAxis::SetExactDateTime(bool Value) { RepaintBool(FExactDateTime, Value); }
void TChartAxis::SetMaximumOffset(int Value) { RepaintInt(FMaximumOffset, Value); }
void TChartAxis::SetMinimumOffset(int Value) { RepaintInt(FMinimumOffset, Value); }
void TChartAxis::SetMaximumRound(bool Value) { RepaintBool(FMaximumRound, Value); }
void TChartAxis::SetMinimumRound(bool Value) { RepaintBool(FMinimumRound, Value); }
void TChartAxis::SetMinorTickCount(int Value) { RepaintInt(FMinorTickCount, Value); }
void TChartAxis::SetMinorTickLength(int Value) { RepaintInt(FMinorTickLength, Value); }
void TChartAxis::SetTickInnerLength(int Value) { RepaintInt(FTickInnerLength, Value); }
void TChartAxis::SetTickLength(int Value) { RepaintInt(FTickLength, Value); }
void TChartAxis::SetTickOnLabelsOnly(bool Value) { RepaintBool(FTickOnLabelsOnly, Value); }
void TChartAxis::SetTitleSize(int Value) { RepaintInt(FTitleSize, Value); }
void TChartAxis::SetVisible(bool Value) { RepaintBool(FVisible, Value); }
void TChartAxis::SetStartPosition(double Value) { RepaintDouble(FStartPosition, Value); }
void TChartAxis::SetEndPosition(double Value) { RepaintDouble(FEndPosition, Value); }
void TChartAxis::SetPositionPercent(double Value) { RepaintDouble(FPositionPercent, Value); }

void TChartAxis::SetPositionUnits(TPlotUnits Value) {
  if (FPosUnits == Value) return;
  FPosUnits = Value;
  if (FParentChart) FParentChart->Invalidate();
}

void TChartAxis::SetZPosition(double Value) {
  RepaintDouble(FZPosition, Value);
  if (FZPosition == 0) FZPosition = 0.01;
}

bool TChartAxis::IsZPositionStored() const {
  if (IDepthAxis) return false;
  return FOtherSide ? FZPosition != 100 : FZPosition > 0.011;
}

// ---------------- labels ----------------

TAxisLabelStyle TChartAxis::CalcLabelStyle() {
  const TAxisLabelStyle style = FLabels->GetStyle();
  return style == talAuto ? InternalCalcLabelStyle() : style;
}

TAxisLabelStyle TChartAxis::InternalCalcLabelStyle() {
  if (TChartAxis* parent = GetParentAxis()) return parent->InternalCalcLabelStyle();
  TAxisLabelStyle result = talNone;
  if (!FParentChart) return result;
  for (int i = 0; i < FParentChart->SeriesCount(); ++i) {
    TChartSeries* s = FParentChart->GetSeries(i);
    if (!s->GetActive() || !s->AssociatedToAxis(this)) continue;
    result = s->AxisLabelStyle(this);
    if (result != talValue) break;
  }
  return result;
}

// ---------------- depth axis ----------------

const TClassInfo* TChartDepthAxis::Class() {
  using A = TChartDepthAxis;
  static const TClassInfo* info =
      TClassDecl<A>("TChartDepthAxis", TChartAxis::Class())
          .Prop("LabelsAsSeriesTitles", &A::GetLabelsAsSeriesTitles, &A::SetLabelsAsSeriesTitles)
          .Default(1)
          .Prop("Visible", &A::GetVisible, &A::SetVisible)
          .Default(0);
  return info;
}

TChartDepthAxis::TChartDepthAxis(TCustomAxisPanel* Chart) : TChartAxis(Chart) {}
TChartDepthAxis::TChartDepthAxis(TCollection* Collection) : TChartAxis(Collection) {}

void TChartDepthAxis::SetLabelsAsSeriesTitles(bool Value) {
  if (GetParentChart())
    GetParentChart()->SetBooleanProperty(FLabelsAsTitles, Value);
  else
    FLabelsAsTitles = Value;
}

TAxisLabelStyle TChartDepthAxis::InternalCalcLabelStyle() {
  TCustomAxisPanel* chart = GetParentChart();
  if (!chart) return talText;
  for (int i = 0; i < chart->SeriesCount(); ++i) {
    TChartSeries* s = chart->GetSeries(i);
    if (!s->GetActive()) continue;
    if (s->HasZValues || s->MaxZValue() != s->MinZValue()) return talValue;
  }
  return talText;
}

void TChartDepthAxis::SetInverted(bool Value) {
  TChartAxis::SetInverted(Value);
  TCustomAxisPanel* chart = GetParentChart();
  if (!chart) return;
  TChartAxis* other = this == chart->GetDepthAxis()
                          ? static_cast<TChartAxis*>(chart->GetDepthTopAxis())
                          : chart->GetDepthAxis();
  if (other && other != this) other->InternalSetInverted(Value);
}
