// New series and functions, and clones of series, tools, animations and
// whole charts.

#include "chart/ChartException.h"
#include "chart/ChartUtilities.h"
#include "chart/PlotFunction.h"
#include "chart/PlotRoutines.h"
#include "chart/SeriesSources.h"
#include "platform/rtl/Rtti.h"

namespace {

// An object of Class owned by Owner, as T; raises ChartException (freeing
// what was made) when the class makes none of that kind.
template <class T>
T* CreateOf(const TClassInfo* Class, TComponent* Owner) {
  TObject* made = Class ? Class->Create(Owner) : nullptr;
  auto* result = dynamic_cast<T*>(made);
  if (result) return result;
  delete made;
  throw ChartException("Class " + (Class ? Class->Name() : std::string("(none)")) +
                       " cannot be created here");
}

// Puts the flag back when the clone is done, also when it failed.
class TManualDataForced {
 public:
  TManualDataForced(TChartSeries* Series, bool Force) : FSeries(Series), FOld(Series->ManualData) {
    if (Force) FSeries->ManualData = true;
  }
  ~TManualDataForced() { FSeries->ManualData = FOld; }
  TManualDataForced(const TManualDataForced&) = delete;
  TManualDataForced& operator=(const TManualDataForced&) = delete;

 private:
  TChartSeries* FSeries;
  bool FOld;
};

// The clone of each series of Source that fed a series feeds its clone.
void MapSeriesSources(TCustomChart* Source, const std::vector<TChartSeries*>& Clones) {
  for (int i = 0; i < Source->SeriesCount(); ++i) {
    TChartSeries* original = Source->GetSeries(i);
    if (!original->HasDataSources() || original->DataSources()->Count() == 0) continue;
    TChartSeries* clone = Clones[size_t(i)];
    clone->DataSources()->Clear();
    for (TComponent* c : original->DataSources()->List) {
      auto* fed = dynamic_cast<TChartSeries*>(c);
      const int index = fed ? Source->SeriesIndexOf(fed) : -1;
      if (index != -1) clone->DataSources()->Add(Clones[size_t(index)]);
    }
  }
}

}  // namespace

std::string GetNewSeriesName(TComponent* Owner) { return PlotGetUniqueName(Owner, "Series"); }

TPlotFunction* CreateNewPlotFunction(TChartSeries* Series, const TClassInfo* FunctionClass) {
  auto* function = CreateOf<TPlotFunction>(FunctionClass, Series->GetOwner());
  function->SetParentSeries(Series);
  function->SetName(PlotGetUniqueName(Series->GetOwner(), "PlotFunction"));
  return function;
}

TChartSeries* CreateNewSeries(TComponent* AOwner, TCustomAxisPanel* Chart,
                              const TClassInfo* SeriesClass, const TClassInfo* FunctionClass) {
  TComponent* owner = AOwner ? AOwner : Chart;
  if (Chart) {
    for (TChartSeries* s : Chart->GetSeriesList()->Items())
      if (s->GetOwner() == Chart) owner = Chart;
  }
  auto* series = CreateOf<TChartSeries>(SeriesClass, owner);
  series->SetName(GetNewSeriesName(owner));
  if (Chart) series->SetParentChart(Chart);
  if (FunctionClass) CreateNewPlotFunction(series, FunctionClass);
  return series;
}

TChartSeries* CloneChartSeries(TChartSeries* Source) {
  return CloneChartSeries(Source, Source->GetOwner(),
                          dynamic_cast<TCustomAxisPanel*>(Source->GetParentChart()));
}

TChartSeries* CloneChartSeries(TChartSeries* Source, TCustomAxisPanel* Chart) {
  return CloneChartSeries(Source, Source->GetOwner(), Chart);
}

TChartSeries* CloneChartSeries(TChartSeries* Source, TComponent* AOwner, TCustomAxisPanel* Chart) {
  const TClassInfo* functionClass =
      Source->GetFunction() ? Source->GetFunction()->ClassType() : nullptr;
  TChartSeries* clone = CreateNewSeries(AOwner, Chart, Source->ClassType(), functionClass);
  clone->Assign(Source);
  return clone;
}

TPlotCustomTool* CloneChartTool(TPlotCustomTool* Source, TComponent* AOwner) {
  auto* tool = CreateOf<TPlotCustomTool>(Source->ClassType(), AOwner);
  tool->SetName(PlotGetUniqueName(AOwner, "ChartTool"));
  tool->Assign(Source);
  return tool;
}

TPlotCustomAnimation* CloneChartAnimation(TPlotCustomAnimation* Source, TComponent* AOwner) {
  auto* animation = CreateOf<TPlotCustomAnimation>(Source->ClassType(), AOwner);
  animation->SetName(PlotGetUniqueName(AOwner, "ChartAnimation"));
  animation->Assign(Source);
  return animation;
}

void CloneChart(TCustomChart* Dest, TCustomChart* Source, TComponent* AOwner,
                bool ForceManualData) {
  Dest->FreeAllSeries();
  Dest->GetTools()->Clear();
  Dest->Assign(Source);
  std::vector<TChartSeries*> clones;
  for (TChartSeries* s : Source->GetSeriesList()->Items()) {
    TManualDataForced forced(s, ForceManualData);
    clones.push_back(CloneChartSeries(s, AOwner, Dest));
  }
  MapSeriesSources(Source, clones);
  for (TPlotCustomTool* t : Source->GetTools()->Items())
    CloneChartTool(t, AOwner)->SetParentChart(Dest);
}
