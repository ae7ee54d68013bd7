#pragma once
// An axis panel whose walls, titles and legend do nothing: it counts its
// repaints and takes a palette colour as free when no other series uses it.

#include "chart/AxisPanel.h"

class TTestAxisPanel : public TCustomAxisPanel {
 public:
  explicit TTestAxisPanel(TComponent* AOwner = nullptr) : TCustomAxisPanel(AOwner) {}

  void CalcWallsRect() override {}
  int CalcWallSize(TChartAxis*) override { return 0; }
  void DrawTitlesAndLegend(bool) override {}
  void DrawLegendShape(const TRect&, TGraphic*) override {}
  void DrawWalls() override {}
  bool IsFreeSeriesColor(TColor AColor, bool, TChartSeries* ASeries) override {
    for (int i = 0; i < SeriesCount(); ++i) {
      TChartSeries* s = GetSeries(i);
      if (s != ASeries && s->GetSeriesColor() == AColor) return false;
    }
    return true;
  }
  void Invalidate() override {
    ++Repaints;
    TCustomAxisPanel::Invalidate();
  }

  // Lays the chart rectangle out as given and places every axis on it.
  void PlaceAxes(const TRect& R) {
    ChartRect = R;
    ChartWidth = R.Right - R.Left;
    ChartHeight = R.Bottom - R.Top;
    for (TChartAxis* a : GetAxes()->Items()) {
      a->AdjustMaxMin();
      a->InternalCalcPositions();
    }
  }

  int Repaints = 0;
};
