#include "chart/ChartSeries.h"

#include <algorithm>

#include "chart/PlotConst.h"
#include "chart/PlotFunction.h"
#include "chart/PlotHover.h"
#include "chart/SeriesLegend.h"
#include "chart/SeriesMarks.h"
#include "chart/SeriesSources.h"
#include "platform/rtl/RttiDecl.h"

namespace {
const TEnumInfo& HoverElementInfo() {
  static const TEnumInfo info("THoverElement", {"hePrevious", "heCurrent", "heNext", "heJoin"});
  return info;
}
const TEnumInfo& HorizAxisInfo() {
  static const TEnumInfo info("THorizAxis",
                              {"aTopAxis", "aBottomAxis", "aBothHorizAxis", "aCustomHorizAxis"});
  return info;
}

const TEnumInfo& VertAxisInfo() {
  static const TEnumInfo info("TVertAxis",
                              {"aLeftAxis", "aRightAxis", "aBothVertAxis", "aCustomVertAxis"});
  return info;
}
}  // namespace

const TClassInfo* TChartSeries::Class() {
  using S = TChartSeries;
  static const TClassInfo* info =
      TClassDecl<S>("TChartSeries", TCustomChartSeries::Class())
          .Set("HoverElement", &S::GetHoverElement, &S::SetHoverElement, HoverElementInfo())
          .Default(0)
          .Prop("Legend", &S::GetLegend, &S::SetLegend)
          .Stored(&S::HasLegend)
          .Prop("LegendTitle", &S::GetLegendTitle, &S::SetLegendTitle)
          .Stored(false)
          .Prop("ShowInLegend", &S::GetShowInLegend, &S::SetShowInLegend)
          .Stored(false)
          .Prop("Selected", &S::GetSelected, &S::SetSelected)
          .Stored(&S::HasSelected)
          .Prop("Marks", &S::GetMarks, &S::SetMarks)
          .Stored(&S::HasMarks)
          .Prop("Active", &S::GetActive, &S::SetActive)
          .Default(1)
          .Prop("ColorEachPoint", &S::GetColorEachPoint, &S::SetColorEachPoint)
          .Default(0)
          .Prop("ColorSource", &S::GetColorSource, &S::SetColorSource)
          .Prop("Cursor", &S::GetCursor, &S::SetCursor)
          .Default(0)
          .Prop("DataSource", &S::GetDataSource, &S::SetDataSource)
          .Stored(&S::IsDataSourceStored)
          .Prop("Depth", &S::GetDepth, &S::SetDepth)
          .Default(-1)
          .Enum("HorizAxis", &S::GetHorizAxis, &S::SetHorizAxis, HorizAxisInfo())
          .Default(aBottomAxis)
          .Prop("PercentFormat", &S::GetPercentFormat, &S::SetPercentFormat)
          .Stored(&S::IsPercentFormatStored)
          .Prop("SeriesColor", &S::GetSeriesColor, &S::SetSeriesColor)
          .Stored(&S::IsColorStored)
          .Prop("Title", &S::GetTitle, &S::SetTitle)
          .Prop("ValueFormat", &S::GetValueFormat, &S::SetValueFormat)
          .Stored(&S::IsValueFormatStored)
          .Enum("VertAxis", &S::GetVertAxis, &S::SetVertAxis, VertAxisInfo())
          .Default(aLeftAxis)
          .Prop("XLabelsSource", &S::GetLabelsSource, &S::SetLabelsSource)
          .Prop("XValues", &S::XValues, &S::SetXValues)
          .Prop("YValues", &S::YValues, &S::SetYValues)
          .Prop("ZOrder", &S::GetZOrder, &S::SetZOrder)
          .Default(-1);
  return info;
}

TChartSeries::TChartSeries(TComponent* AOwner)
    : TCustomChartSeries(AOwner),
      FLabels(std::make_unique<TLabelsList>(this)),
      FPercentFormat(PlotMsg_DefPercentFormat),
      FValueFormat(PlotMsg_DefValueFormat) {
  FX = new TChartValueList(this, PlotMsg_ValuesX);
  FX->SetOrder(loAscending);
  FY = new TChartValueList(this, PlotMsg_ValuesY);
  MandatoryValueList = FY;
  NotMandatoryValueList = FX;
}

TChartSeries::~TChartSeries() {
  Destroying();
  FDetail.reset();
  if (TPlotFunction* function = FFunction) {
    FFunction = nullptr;
    function->InitParent(nullptr);
    function->RemoveFreeNotification(this);
    delete function;
  }
  if (FDataSources)
    for (TComponent* c : FDataSources->List)
      if (!dynamic_cast<TChartSeries*>(c)) c->RemoveFreeNotification(this);
  for (TChartSeries* source : FSeriesSources) source->DropLinkedSeries(this);
  FSeriesSources.clear();
  Clear();
  // Series fed by this one lose it from their sources.
  for (TChartSeries* linked : FLinkedSeries) {
    linked->DropSeriesSource(this);
    linked->RemoveDataSource(this);
  }
  FLinkedSeries.clear();
  SetParentChart(nullptr);
}

// ---------------- chart membership ----------------

void TChartSeries::SetActive(bool Value) {
  if (FActive == Value) return;
  FActive = Value;
  Repaint();
  if (FParent) FParent->BroadcastSeriesEvent(this, seChangeActive);
}

void TChartSeries::SetParentChart(TChartSeriesPanel* Value) {
  if (FParent == Value) return;
  if (FParent) FParent->RemoveSeries(this);
  FParent = Value;
  SyncLegendChart();
  if (FMarks) FMarks->SetParent(dynamic_cast<TCustomPlotPanel*>(FParent));
  if (FParent) FParent->InternalAddSeries(this);
}

void TChartSeries::Added() {
  if (!FParent) return;
  if (FColor == clDefault) {
    ChangeInternalColor(FParent->GetFreeSeriesColor(true, nullptr));
    NotifyColorChanged();
  }
  RecalcGetAxis();
  CheckDataSource();
}

void TChartSeries::Removed() {
  if (FParent) {
    if (FCursor == FParent->GetCursor()) FParent->SetCursor(FParent->GetOriginalCursor());
  }
  RemoveAllLinkedSeries();
  FParent = nullptr;
  SyncLegendChart();
}

void TChartSeries::SetParentComponent(TComponent* Value) {
  if (auto* chart = dynamic_cast<TChartSeriesPanel*>(Value)) SetParentChart(chart);
}

TComponent* TChartSeries::GetParentComponent() const { return dynamic_cast<TComponent*>(FParent); }

// ---------------- series fed by this one ----------------

void TChartSeries::AddLinkedSeries(TChartSeries* Series) {
  if (!Series || Series == this) return;
  if (std::find(FLinkedSeries.begin(), FLinkedSeries.end(), Series) != FLinkedSeries.end()) return;
  FLinkedSeries.push_back(Series);
  Series->FSeriesSources.push_back(this);
}

void TChartSeries::RemoveLinkedSeries(TChartSeries* Series) {
  DropLinkedSeries(Series);
  if (Series) Series->DropSeriesSource(this);
}

void TChartSeries::RemoveAllLinkedSeries() {
  const std::vector<TChartSeries*> sources = FSeriesSources;
  for (TChartSeries* source : sources) source->RemoveLinkedSeries(this);
}

void TChartSeries::DropLinkedSeries(TChartSeries* Series) { std::erase(FLinkedSeries, Series); }

void TChartSeries::DropSeriesSource(TChartSeries* Series) { std::erase(FSeriesSources, Series); }

void TChartSeries::CheckDataSource() {
  if (IUpdating != 0 || !FParent) return;
  FParent->CheckDatasource(this);
}

// ---------------- axes ----------------

void TChartSeries::SetHorizAxis(THorizAxis Value) {
  if (FHorizAxis == Value) return;
  FHorizAxis = Value;
  if (Value != aCustomHorizAxis && !IsLoading()) FCustomHorizAxis = nullptr;
  RecalcGetAxis();
  Repaint();
}

void TChartSeries::SetVertAxis(TVertAxis Value) {
  if (FVertAxis == Value) return;
  FVertAxis = Value;
  if (Value != aCustomVertAxis && !IsLoading()) FCustomVertAxis = nullptr;
  RecalcGetAxis();
  Repaint();
}

void TChartSeries::SetCustomHorizAxis(TChartAxis* Axis) {
  FCustomHorizAxis = Axis;
  FHorizAxis = Axis ? aCustomHorizAxis : aBottomAxis;
  RecalcGetAxis();
  Repaint();
}

void TChartSeries::SetCustomVertAxis(TChartAxis* Axis) {
  FCustomVertAxis = Axis;
  FVertAxis = Axis ? aCustomVertAxis : aLeftAxis;
  RecalcGetAxis();
  Repaint();
}

void TChartSeries::RecalcGetAxis() {
  if (!FParent) {
    FGetHorizAxis = FGetVertAxis = nullptr;
    return;
  }
  if (FHorizAxis == aTopAxis)
    FGetHorizAxis = FParent->GetTopAxis();
  else if (FHorizAxis == aCustomHorizAxis && FCustomHorizAxis)
    FGetHorizAxis = FCustomHorizAxis;
  else
    FGetHorizAxis = FParent->GetBottomAxis();
  if (FVertAxis == aRightAxis)
    FGetVertAxis = FParent->GetRightAxis();
  else if (FVertAxis == aCustomVertAxis && FCustomVertAxis)
    FGetVertAxis = FCustomVertAxis;
  else
    FGetVertAxis = FParent->GetLeftAxis();
}

bool TChartSeries::AssociatedToAxis(TChartAxis* Axis) const {
  if (!UseAxis() || !Axis || !FParent) return false;
  if (FParent->IsDepthAxis(Axis)) return true;
  if (FParent->IsHorizontalAxis(Axis)) return FHorizAxis == aBothHorizAxis || Axis == FGetHorizAxis;
  return FVertAxis == aBothVertAxis || Axis == FGetVertAxis;
}

TChartValueList* TChartSeries::ValueListOfAxis(TChartAxis* Axis) const {
  if (!AssociatedToAxis(Axis)) return nullptr;
  return FParent->IsHorizontalAxis(Axis) ? FX : FY;
}

TAxisLabelStyle TChartSeries::AxisLabelStyle(TChartAxis* Axis) const {
  if (HasZValues || !FParent) return talValue;
  const bool horizontal = FParent->IsHorizontalAxis(Axis);
  if (horizontal != YMandatory) return talValue;
  if (HasPointLabels()) return talPointValue;
  return HasLabels() ? talText : talValue;
}

// ---------------- other properties ----------------

void TChartSeries::SetZOrder(int Value) {
  if (FZOrder == Value) return;
  FZOrder = Value;
  if (Value == -1) IZOrder = 0;
  Repaint();
}

void TChartSeries::SetTreatNulls(TTreatNullsStyle Value) {
  if (FTreatNulls == Value) return;
  FTreatNulls = Value;
  Repaint();
}

void TChartSeries::SetColorSource(const std::string& Value) {
  if (FColorSource == Value) return;
  FColorSource = Value;
  CheckDataSource();
}

void TChartSeries::SetLabelsSource(const std::string& Value) {
  if (FLabelsSource == Value) return;
  FLabelsSource = Value;
  CheckDataSource();
}

void TChartSeries::SetXValues(TChartValueList* Value) {
  FX->Assign(Value);
  Repaint();
}

void TChartSeries::SetYValues(TChartValueList* Value) {
  FY->Assign(Value);
  Repaint();
}

void TChartSeries::SetXValue(int ValueIndex, double Value) {
  FX->Value[ValueIndex] = Value;
  FX->SetModified(true);
  Repaint();
}

void TChartSeries::SetYValue(int ValueIndex, double Value) {
  FY->Value[ValueIndex] = Value;
  FY->SetModified(true);
  Repaint();
}

void TChartSeries::SetHorizontal() {
  MandatoryValueList = FX;
  NotMandatoryValueList = FY;
  YMandatory = false;
}

void TChartSeries::ReplaceList(TChartValueList* Old, TChartValueList* New) {
  if (FValuesList.IndexOf(New) >= 0) FValuesList.Extract(New);
  const int index = FValuesList.IndexOf(Old);
  if (index < 0) return;
  New->SetName(Old->GetName());
  if (Old == FX) FX = New;
  if (Old == FY) FY = New;
  if (Old == MandatoryValueList) MandatoryValueList = New;
  if (Old == NotMandatoryValueList) NotMandatoryValueList = New;
  FValuesList.Replace(index, New);
}

TVisualsList* TChartSeries::Visuals() {
  if (!FVisuals) FVisuals = std::make_unique<TVisualsList>(this);
  return FVisuals.get();
}

void TChartSeries::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomChartSeries::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFunction) {
    FFunction = nullptr;
  } else if (Operation == opRemove && FDataSources) {
    InternalRemoveDataSource(AComponent);
  }
  if (Operation == opRemove && FVisuals && AComponent == FVisuals->GetTemplate())
    FVisuals->TemplateRemoved();
}

TPlotPictureList* TChartSeries::Pictures() {
  if (!FPictures) FPictures = std::make_unique<TPlotPictureList>(this);
  return FPictures.get();
}

bool TChartSeries::HasLabels() const {
  return std::any_of(FLabels->List.begin(), FLabels->List.end(),
                     [](const std::string& s) { return !s.empty(); });
}

// ---------------- slots the series kinds override ----------------

bool TChartSeries::ClickedPointer(int ValueIndex, int tmpX, int tmpY, int X, int Y) {
  (void)ValueIndex;
  (void)tmpX;
  (void)tmpY;
  (void)X;
  (void)Y;
  return false;
}

int TChartSeries::Clicked(int X, int Y) {
  (void)X;
  (void)Y;
  return -1;
}

void TChartSeries::PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle) {
  (void)ValueIndex;
  (void)BackColor;
  (void)BrushStyle;
}

std::vector<int> TChartSeries::SortDrawPoints(int First, int Last, bool Ascending) {
  (void)First;
  (void)Last;
  (void)Ascending;
  return {};
}

std::vector<int> TChartSeries::SortDrawSeries(int A, int B, int C) {
  (void)A;
  (void)B;
  (void)C;
  return {};
}

void TChartSeries::CreateSubGallery(
    const std::function<void(const std::string& Name)>& AddSubChart) {
  AddSubChart(PlotMsg_Normal);
}
