#pragma once
// What a series asks of the chart it belongs to. The axis panel derives
// from this class and answers; series and their per-point lists reach the
// chart only through it, so they work (and are tested) without a panel.

#include "platform/vcl/Graphics.h"

class TComponent;

class TChartAxis;
class TChartSeries;
class TCustomChartSeries;

// Events the chart broadcasts to its listeners about its series.
enum TChartSeriesEvent {
  seAdd,
  seRemove,
  seChangeTitle,
  seChangeColor,
  seSwap,
  seChangeActive,
  seDataChanged,
  seAfterRemove
};

class TChartSeriesPanel {
 public:
  virtual ~TChartSeriesPanel() = default;

  // Schedules a repaint of the chart.
  virtual void Invalidate() = 0;
  virtual bool IsPanelDestroying() const = 0;
  virtual bool IsPanelLoading() const = 0;

  virtual void InternalAddSeries(TChartSeries* Series) = 0;
  virtual void RemoveSeries(TChartSeries* Series) = 0;
  // Position of Series in the chart's series list, -1 when absent.
  virtual int SeriesIndexOf(const TCustomChartSeries* Series) const = 0;
  virtual void BroadcastSeriesEvent(TCustomChartSeries* Series, TChartSeriesEvent Event) = 0;
  virtual void CheckDatasource(TChartSeries* Series) = 0;
  // Whether Component may feed Series; the series' own test here.
  virtual bool IsValidDataSource(TChartSeries* Series, TComponent* Component);
  // Raises ChartException when Other depends on Series.
  virtual void CheckOtherSeries(TChartSeries* Series, TChartSeries* Other);
  // Component has left Series' sources.
  virtual void RemovedDataSource(TChartSeries* Series, TComponent* Component) {
    (void)Series;
    (void)Component;
  }

  // A palette colour no other series uses.
  virtual TColor GetFreeSeriesColor(bool CheckBackground, TChartSeries* Series) = 0;
  // The chart's palette colour for Index.
  virtual TColor GetDefaultColor(int Index) const = 0;
  virtual void ColorPaletteChanged() = 0;

  // The chart's hover settings are visible.
  virtual bool HoverVisible() const = 0;

  // The chart's mouse cursor, and the one it had before any series changed it.
  virtual int GetCursor() const = 0;
  virtual void SetCursor(int Value) = 0;
  virtual int GetOriginalCursor() const = 0;

  // The four side axes and what a series needs to know of an axis.
  virtual TChartAxis* GetTopAxis() const = 0;
  virtual TChartAxis* GetBottomAxis() const = 0;
  virtual TChartAxis* GetLeftAxis() const = 0;
  virtual TChartAxis* GetRightAxis() const = 0;
  virtual bool IsHorizontalAxis(const TChartAxis* Axis) const = 0;
  virtual bool IsDepthAxis(const TChartAxis* Axis) const = 0;

  // The largest point count of the chart's series, and the value range of
  // the series that use an axis (sample values fit the chart's data).
  virtual int GetMaxValuesCount() const = 0;
  virtual double MinXValue(TChartAxis* Axis) const = 0;
  virtual double MaxXValue(TChartAxis* Axis) const = 0;
  virtual double MinYValue(TChartAxis* Axis) const = 0;
  virtual double MaxYValue(TChartAxis* Axis) const = 0;
};
