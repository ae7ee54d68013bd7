#pragma once
// What a series gallery or editor does with whole series, tools and charts:
// new series and functions with unique names, clones of series, tools,
// animations and charts, moving a series onto another of a new class, and
// painting one series' legend symbol onto any canvas. Also the drag object
// that carries a clicked chart part and a component base that follows one
// chart.

#include <string>

#include "chart/Chart.h"
#include "platform/vcl/Cursors.h"

class TPlotFunction;

// "Series" and the first number no component of Owner bears yet.
std::string GetNewSeriesName(TComponent* Owner);
// A function of FunctionClass owned by the series' owner, named
// "PlotFunction" and the first free number, calculating Series.
TPlotFunction* CreateNewPlotFunction(TChartSeries* Series, const TClassInfo* FunctionClass);
// A series of SeriesClass on Chart (when given), named by GetNewSeriesName,
// with a new function of FunctionClass (when given). Its owner is AOwner,
// else the chart; a chart that owns any of its series owns the new one too.
// Raises ChartException when SeriesClass makes no series.
TChartSeries* CreateNewSeries(TComponent* AOwner, TCustomAxisPanel* Chart,
                              const TClassInfo* SeriesClass,
                              const TClassInfo* FunctionClass = nullptr);
// A series of the same class (and function class) with Source's settings
// and points, owned by AOwner and on Chart; the short forms take the
// source's owner and chart.
TChartSeries* CloneChartSeries(TChartSeries* Source);
TChartSeries* CloneChartSeries(TChartSeries* Source, TCustomAxisPanel* Chart);
TChartSeries* CloneChartSeries(TChartSeries* Source, TComponent* AOwner, TCustomAxisPanel* Chart);
// A tool (animation) of the same class owned by AOwner, named "ChartTool"
// ("ChartAnimation") and the first free number, with Source's settings.
TPlotCustomTool* CloneChartTool(TPlotCustomTool* Source, TComponent* AOwner);
TPlotCustomAnimation* CloneChartAnimation(TPlotCustomAnimation* Source, TComponent* AOwner);
// Dest becomes a copy of Source: its series are freed and its tools
// cleared, the chart settings copied, each series cloned in order (a clone
// fed by a series of Source is fed by that series' clone) and each tool
// cloned onto Dest. ForceManualData clones every series' points as its own
// (the sources' flags are put back afterwards, also on failure).
void CloneChart(TCustomChart* Dest, TCustomChart* Source, TComponent* AOwner, bool ForceManualData);
// NewSeries takes OldSeries' place: its settings, events, dependent series,
// series tools, place in the chart's list and component name. OldSeries is
// freed and set to nil. Nothing when both are the same.
void AssignSeries(TChartSeries*& OldSeries, TChartSeries*& NewSeries);
// Replaces Series by a series of SeriesClass through AssignSeries; nothing
// when it already is of that class.
void ChangeSeriesType(TChartSeries*& Series, const TClassInfo* SeriesClass);
void ChangeAllSeriesType(TCustomAxisPanel* Chart, const TClassInfo* SeriesClass);
// Draws the series' own legend symbol into Rect of ACanvas. A series
// without a chart is put on a chart of its own for the call.
void PaintSeriesLegend(TChartSeries* Series, TCanvas* ACanvas, const TRect& Rect);

// What a drag that starts on a chart carries: the part clicked.
class TPlotDragObject : public TDragObject {
 public:
  explicit TPlotDragObject(const TChartClickedPart& APart) : FPart(APart) {}
  const TChartClickedPart& Part() const { return FPart; }
  virtual void Finished(TObject* Target, int X, int Y, bool Accepted) {
    (void)Target, (void)X, (void)Y, (void)Accepted;
  }
  // The chart's hand over a place that accepts the drop, else no-drop.
  virtual TCursor GetDragCursor(bool Accepted, int X, int Y);

 private:
  TChartClickedPart FPart;
};

// A component that follows one chart; the chart being freed leaves it with
// none.
class TCustomChartLink : public TComponent {
 public:
  using TComponent::TComponent;
  TCustomChart* GetChart() const { return FChart; }
  void SetChart(TCustomChart* Value);
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TCustomChart* FChart = nullptr;
};
