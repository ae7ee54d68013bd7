// Moving a series onto another one (of another class): settings, events,
// dependent series, series tools, place and name.

#include "chart/ChartException.h"
#include "chart/ChartUtilities.h"
#include "chart/SeriesSources.h"
#include "platform/rtl/Rtti.h"

namespace {

void CopyEvents(TChartSeries* From, TChartSeries* To) {
  To->AfterDrawValues = From->AfterDrawValues;
  To->BeforeDrawValues = From->BeforeDrawValues;
  To->OnAfterAdd = From->OnAfterAdd;
  To->OnBeforeAdd = From->OnBeforeAdd;
  To->OnClearValues = From->OnClearValues;
  To->OnClick = From->OnClick;
  To->OnDblClick = From->OnDblClick;
  To->OnGetMarkText = From->OnGetMarkText;
}

// Every series fed by From is fed by To instead.
void MoveDependents(TChartSeries* From, TChartSeries* To) {
  const std::vector<TChartSeries*> fed = From->LinkedSeries();
  for (TChartSeries* s : fed) {
    if (s == To) continue;
    if (s->DataSources()->IndexOf(To) == -1) s->DataSources()->InheritedAdd(To);
    To->AddLinkedSeries(s);
    s->DataSources()->Remove(From);
    From->RemoveLinkedSeries(s);
  }
}

void MoveSeriesTools(TChartSeries* From, TChartSeries* To) {
  auto* chart = dynamic_cast<TCustomChart*>(From->GetParentChart());
  if (!chart) return;
  for (TPlotCustomTool* t : chart->GetTools()->Items())
    if (auto* tool = dynamic_cast<TPlotCustomToolSeries*>(t); tool && tool->GetSeries() == From)
      tool->SetSeries(To);
}

// To stands where From stands in the chart's series list.
void TakePlace(TChartSeries* From, TChartSeries* To) {
  auto* chart = dynamic_cast<TCustomAxisPanel*>(From->GetParentChart());
  if (!chart || To->GetParentChart() != chart) return;
  TChartSeriesList* list = chart->GetSeriesList();
  const int to = list->IndexOf(To);
  if (to == -1) return;
  list->Delete(to);
  list->Insert(list->IndexOf(From), To);
}

}  // namespace

void AssignSeries(TChartSeries*& OldSeries, TChartSeries*& NewSeries) {
  if (OldSeries == NewSeries) return;
  NewSeries->Assign(OldSeries);
  CopyEvents(OldSeries, NewSeries);
  MoveDependents(OldSeries, NewSeries);
  MoveSeriesTools(OldSeries, NewSeries);
  TakePlace(OldSeries, NewSeries);
  const std::string name = OldSeries->GetName();
  delete OldSeries;
  OldSeries = nullptr;
  NewSeries->SetName(name);
  if (TChartSeriesPanel* chart = NewSeries->GetParentChart())
    chart->BroadcastSeriesEvent(NewSeries, seChangeTitle);
  NewSeries->CheckDataSource();
  if (NewSeries->ManualData) NewSeries->RefreshSeries();
}

void ChangeSeriesType(TChartSeries*& Series, const TClassInfo* SeriesClass) {
  if (Series->ClassType() == SeriesClass) return;
  TObject* made = SeriesClass ? SeriesClass->Create(Series->GetOwner()) : nullptr;
  TChartSeries* fresh = dynamic_cast<TChartSeries*>(made);
  if (!fresh) {
    delete made;
    throw ChartException("Class " + (SeriesClass ? SeriesClass->Name() : std::string("(none)")) +
                         " is no series");
  }
  fresh->SetParentChart(Series->GetParentChart());
  AssignSeries(Series, fresh);
  Series = fresh;
}

void ChangeAllSeriesType(TCustomAxisPanel* Chart, const TClassInfo* SeriesClass) {
  for (int i = 0; i < Chart->SeriesCount(); ++i) {
    TChartSeries* s = Chart->GetSeries(i);
    ChangeSeriesType(s, SeriesClass);
  }
}
