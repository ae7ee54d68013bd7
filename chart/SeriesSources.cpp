#include "chart/SeriesSources.h"

#include <algorithm>

#include "chart/ChartSeries.h"
#include "chart/ChartValueList.h"
#include "platform/rtl/RttiDecl.h"

// ---------------- TDataSourcesList ----------------

int TDataSourcesList::IndexOf(const TComponent* Component) const {
  auto it = std::find(List.begin(), List.end(), Component);
  return it == List.end() ? -1 : static_cast<int>(it - List.begin());
}

int TDataSourcesList::Add(TComponent* Component) {
  return Series->InternalSetDataSource(Component, false);
}

void TDataSourcesList::Remove(TComponent* Component) {
  auto it = std::find(List.begin(), List.end(), Component);
  if (it != List.end()) List.erase(it);
}

int TDataSourcesList::InheritedAdd(TComponent* Component) {
  List.push_back(Component);
  return Count() - 1;
}

void TDataSourcesList::Clear() {
  Series->RemoveAllLinkedSeries();
  List.clear();
  if (!Series->ManualData) Series->Clear();
}

// ---------------- TPlotSeriesSource ----------------

namespace {
const TEnumInfo& LoadModeInfo() {
  static const TEnumInfo info("TSourceLoadMode", {"lmClear", "lmAppend"});
  return info;
}
}  // namespace

const TClassInfo* TPlotSeriesSource::Class() {
  using S = TPlotSeriesSource;
  static const TClassInfo* info =
      TClassDecl<S>("TPlotSeriesSource", TComponent::Class())
          .Prop("Active", &S::GetActive, &S::SetActive)
          .Default(0)
          .Enum("LoadMode", &S::GetLoadMode, &S::SetLoadMode, LoadModeInfo())
          .Default(lmClear)
          .Prop("Series", &S::GetSeries, &S::SetSeries);
  return info;
}

TPlotSeriesSource::TPlotSeriesSource(TComponent* AOwner) : TComponent(AOwner) {}

TPlotSeriesSource::~TPlotSeriesSource() {
  Destroying();
  Close();
}

void TPlotSeriesSource::SetSeries(TChartSeries* Value) {
  if (FSeries == Value) return;
  Close();
  TChartSeries* old = FSeries;
  if (old) old->RemoveFreeNotification(this);
  FSeries = Value;
  if (Value) {
    Value->FreeNotification(this);
    Value->SetDataSource(this);
  } else if (old && old->GetDataSource() == this) {
    old->SetDataSource(nullptr);
  }
}

void TPlotSeriesSource::SetActive(bool Value) {
  if (FActive == Value) return;
  if (FSeries) {
    if (Value) {
      if (!IsLoading()) Load();
    } else if (!IsDestroying() && !FSeries->IsDestroying() && FLoadMode != lmAppend &&
               !KeepDataOnClose) {
      FSeries->Clear();
    }
  }
  FActive = Value;
}

bool TPlotSeriesSource::HasSeries(TChartSeries* Series) const {
  const TComponent* source = Series ? Series->GetDataSource() : nullptr;
  return source && source->ClassType()->Name() == ClassType()->Name();
}

void TPlotSeriesSource::Close() {
  if (IsLoading()) return;
  // While the component goes, its series keeps its points.
  if (IsDestroying()) {
    FActive = false;
    return;
  }
  SetActive(false);
}

void TPlotSeriesSource::Refresh() {
  if (FActive && !IsLoading()) Load();
}

void TPlotSeriesSource::Loaded() {
  TComponent::Loaded();
  Refresh();
}

void TPlotSeriesSource::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FSeries) {
    FSeries->RemoveFreeNotification(this);
    FSeries = nullptr;
  }
}

std::vector<const TClassInfo*>& PlotSources() {
  static std::vector<const TClassInfo*> sources;
  return sources;
}

// ---------------- TSeriesDetail ----------------

TSeriesDetail::~TSeriesDetail() {
  const std::vector<TChartSeries*> items = FItems;
  FItems.clear();
  for (TChartSeries* s : items) delete s;
}

void TSeriesDetail::SetAggregate(TDetailAggregate Value) {
  if (FAggregate == Value) return;
  FAggregate = Value;
  ReCalculate();
}

TChartSeries* TSeriesDetail::CreateNew() {
  auto* series = dynamic_cast<TChartSeries*>(IParent->ClassType()->Create(IParent));
  if (!series) series = new TChartSeries(IParent);
  series->ManualData = true;
  series->ParentSeries = IParent;
  Add(series);
  return series;
}

double TSeriesDetail::Calculate(const TChartValueList* List) const {
  const int n = List->Count();
  if (n == 0) return 0;
  double sum = 0;
  double low = List->GetValue(0);
  double high = low;
  for (int i = 0; i < n; ++i) {
    const double v = List->GetValue(i);
    sum += v;
    low = std::min(low, v);
    high = std::max(high, v);
  }
  switch (FAggregate) {
    case daSum:
      return sum;
    case daCount:
      return n;
    case daAverage:
      return sum / n;
    case daMin:
      return low;
    case daMax:
      return high;
  }
  return 0;
}

void TSeriesDetail::ReCalculate() {
  IParent->BeginUpdate();
  while (IParent->Count() < Count())
    IParent->Add(0.0, Get(IParent->Count())->GetTitle(), clDefault);
  for (int i = 0; i < Count(); ++i)
    IParent->MandatoryValueList->SetValue(i, Calculate(Get(i)->MandatoryValueList));
  IParent->Repaint();
  IParent->EndUpdate();
}
