#pragma once
// A chart as the series see it: counts repaints, records the broadcast
// events and the series that join and leave, and hands out four side axes
// and a depth axis as bare identities.

#include <algorithm>
#include <vector>

#include "chart/ChartSeries.h"

class FakeSeriesPanel : public TChartSeriesPanel {
 public:
  void Invalidate() override { ++Repaints; }
  bool IsPanelDestroying() const override { return false; }
  bool IsPanelLoading() const override { return false; }

  void InternalAddSeries(TChartSeries* Series) override {
    SeriesList.push_back(Series);
    Series->Added();
  }
  void RemoveSeries(TChartSeries* Series) override {
    std::erase(SeriesList, Series);
    Series->Removed();
  }
  int SeriesIndexOf(const TCustomChartSeries* Series) const override {
    for (size_t i = 0; i < SeriesList.size(); ++i)
      if (SeriesList[i] == Series) return static_cast<int>(i);
    return -1;
  }
  void BroadcastSeriesEvent(TCustomChartSeries*, TChartSeriesEvent Event) override {
    Events.push_back(Event);
  }
  void CheckDatasource(TChartSeries*) override { ++DataSourceChecks; }

  TColor GetFreeSeriesColor(bool, TChartSeries*) override { return FreeColor; }
  TColor GetDefaultColor(int Index) const override { return 0x100 + Index; }
  void ColorPaletteChanged() override { ++PaletteChanges; }
  bool HoverVisible() const override { return Hover; }

  int GetCursor() const override { return Cursor; }
  void SetCursor(int Value) override { Cursor = Value; }
  int GetOriginalCursor() const override { return 0; }

  TChartAxis* GetTopAxis() const override { return Axis(0); }
  TChartAxis* GetBottomAxis() const override { return Axis(1); }
  TChartAxis* GetLeftAxis() const override { return Axis(2); }
  TChartAxis* GetRightAxis() const override { return Axis(3); }
  TChartAxis* GetDepthAxis() const { return Axis(4); }
  TChartAxis* GetCustomAxis() const { return Axis(5); }
  bool IsHorizontalAxis(const TChartAxis* A) const override { return A == Axis(0) || A == Axis(1); }
  bool IsDepthAxis(const TChartAxis* A) const override { return A == Axis(4); }

  int GetMaxValuesCount() const override { return 0; }
  double MinXValue(TChartAxis*) const override { return 0; }
  double MaxXValue(TChartAxis*) const override { return 0; }
  double MinYValue(TChartAxis*) const override { return 0; }
  double MaxYValue(TChartAxis*) const override { return 0; }

  int Repaints = 0;
  int DataSourceChecks = 0;
  int PaletteChanges = 0;
  int Cursor = 0;
  bool Hover = true;
  TColor FreeColor = 0x123456;
  std::vector<TChartSeries*> SeriesList;
  std::vector<TChartSeriesEvent> Events;

 private:
  // Axes are only compared, never used: their identities are addresses.
  TChartAxis* Axis(int i) const {
    return reinterpret_cast<TChartAxis*>(const_cast<char*>(&FAxes[i]));
  }
  char FAxes[6] = {};
};
