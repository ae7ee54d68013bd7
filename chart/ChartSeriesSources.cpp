// The series' side of data sources, functions and detail series.

#include <strings.h>

#include <algorithm>

#include "chart/ChartException.h"
#include "chart/ChartSeries.h"
#include "chart/ChartSeriesPanel.h"
#include "chart/PlotConst.h"
#include "chart/PlotFunction.h"
#include "chart/SeriesSources.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Rtti.h"

// ---------------- what the chart answers by default ----------------

bool TChartSeriesPanel::IsValidDataSource(TChartSeries* Series, TComponent* Component) {
  return Series->IsValidDataSource(Component);
}

void TChartSeriesPanel::CheckOtherSeries(TChartSeries* Series, TChartSeries* Other) {
  if (!Other || !Other->HasDataSources()) return;
  if (Other->GetDataSource() == Series) throw ChartException(PlotMsg_CircularSeries);
  if (!dynamic_cast<TChartSeries*>(Other->GetDataSource())) return;
  for (TComponent* c : Other->DataSources()->List)
    CheckOtherSeries(Series, dynamic_cast<TChartSeries*>(c));
}

// ---------------- the source list ----------------

TComponent* TChartSeries::GetDataSource() const {
  if (!FDataSources || FDataSources->Count() == 0) return nullptr;
  return FDataSources->Get(0);
}

void TChartSeries::SetDataSource(TComponent* Value) {
  if (Value) {
    InternalSetDataSource(Value, true);
    return;
  }
  if (TComponent* first = GetDataSource()) InternalRemoveDataSource(first);
}

TDataSourcesList* TChartSeries::DataSources() {
  if (!FDataSources) FDataSources = std::make_unique<TDataSourcesList>(this);
  return FDataSources.get();
}

bool TChartSeries::IsValidDataSource(TComponent* Component) const {
  auto* series = dynamic_cast<TChartSeries*>(Component);
  return series && series != this && IsValidSeriesSource(series);
}

bool TChartSeries::IsValidSeriesSource(TChartSeries* Source) const {
  return !FFunction || FFunction->IsValidSource(Source);
}

void TChartSeries::CheckOtherSeries(TChartSeries* Series) {
  if (FParent) FParent->CheckOtherSeries(this, Series);
}

namespace {
std::string SourceName(const TComponent* Component) {
  if (!Component->GetName().empty()) return Component->GetName();
  return Component->ClassType()->Name();
}
}  // namespace

int TChartSeries::InternalSetDataSource(TComponent* Component, bool ClearOthers) {
  if (FParent) {
    if (!FParent->IsValidDataSource(this, Component))
      throw ChartException(Format(PlotMsg_SeriesInvDataSource, {SourceName(Component)}));
  } else if (!IsValidDataSource(Component)) {
    throw ChartException(PlotMsg_SeriesSetDataSource);
  }
  if (DataSources()->IndexOf(Component) != -1) return -1;
  if (auto* series = dynamic_cast<TChartSeries*>(Component)) CheckOtherSeries(series);
  if (ClearOthers && !IsLoading()) FDataSources->Clear();
  const int result = InternalAddDataSource(Component);
  CheckDataSource();
  return result;
}

int TChartSeries::InternalAddDataSource(TComponent* Component) {
  if (!Component) return -1;
  const int result = DataSources()->InheritedAdd(Component);
  ManualData = false;
  if (auto* series = dynamic_cast<TChartSeries*>(Component)) {
    series->AddLinkedSeries(this);
    return result;
  }
  Component->FreeNotification(this);
  auto* source = dynamic_cast<TPlotSeriesSource*>(Component);
  TChartSeries* old = source ? source->GetSeries() : nullptr;
  if (!old || old == this) return result;
  const bool wasActive = source->GetActive();
  source->Close();
  if (source->GetOwner() == old) {
    old->RemoveComponent(source);
    InsertComponent(source);
  }
  old->RemoveFreeNotification(source);
  source->InitSeries(this);
  FreeNotification(source);
  if (wasActive) source->Open();
  return result;
}

void TChartSeries::InternalRemoveDataSource(TComponent* Component) {
  if (IsDestroying()) {
    if (FDataSources) FDataSources->Remove(Component);
    return;
  }
  if (!dynamic_cast<TChartSeries*>(Component)) Component->RemoveFreeNotification(this);
  if (FParent && GetDataSource()) FParent->RemovedDataSource(this, Component);
  const int index = FDataSources ? FDataSources->IndexOf(Component) : -1;
  if (index == 0) {
    FDataSources->Clear();
    CheckDataSource();
  } else if (index > 0) {
    if (auto* series = dynamic_cast<TChartSeries*>(Component)) series->RemoveLinkedSeries(this);
    FDataSources->Remove(Component);
    CheckDataSource();
  } else if (FFunction && FFunction->NoSourceRequired) {
    CheckDataSource();
  }
}

void TChartSeries::RemoveDataSource(TComponent* Component) {
  if (FDataSources) FDataSources->Remove(Component);
}

// ---------------- the function ----------------

void TChartSeries::SetFunction(TPlotFunction* Value) {
  if (FFunction == Value) return;
  TPlotFunction* old = FFunction;
  FFunction = nullptr;
  if (old) {
    old->InitParent(nullptr);
    old->RemoveFreeNotification(this);
    delete old;
  }
  FFunction = Value;
  if (Value) {
    if (TChartSeries* former = Value->GetParentSeries(); former && former != this)
      former->ForgetFunction(Value);
    Value->InitParent(this);
    ManualData = false;
    Value->FreeNotification(this);
  }
  CheckDataSource();
}

void TChartSeries::ForgetFunction(TPlotFunction* Value) {
  if (FFunction != Value) return;
  FFunction = nullptr;
  Value->RemoveFreeNotification(this);
}

TChartValueList* TChartSeries::GetYValueList(const std::string& Name) const {
  for (int i = 2; i < FValuesList.Count(); ++i) {
    TChartValueList* list = FValuesList.Get(i);
    if (strcasecmp(list->GetName().c_str(), Name.c_str()) == 0) return list;
  }
  return MandatoryValueList;
}

// ---------------- detail series ----------------

TSeriesDetail* TChartSeries::Detail() {
  if (!FDetail) FDetail = std::make_unique<TSeriesDetail>(this);
  return FDetail.get();
}

int TChartSeries::Add(const std::vector<double>& DetailValues, const std::string& Label,
                      TColor Color) {
  TSeriesDetail* detail = Detail();
  while (detail->Count() < Count()) detail->CreateNew();
  TChartSeries* series = detail->CreateNew();
  series->SetTitle(Label);
  const TSeriesRecalcOptions options = series->GetRecalcOptions();
  series->SetRecalcOptions(0);
  series->AddArray(DetailValues);
  series->SetRecalcOptions(options);
  const int index = Add(detail->Calculate(series->MandatoryValueList), Label, Color);
  series->SetSeriesColor(GetValueColor(index));
  RefreshSeries();
  return index;
}
