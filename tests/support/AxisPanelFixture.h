#pragma once
// An axis panel without walls or legend: its titles-and-legend slot draws
// a top and a foot title (empty, so invisible, until given lines), its
// walls take only the room of the depth, it counts its repaints and takes a palette
// colour as free when no other series uses it.

#include <memory>

#include "chart/AxisPanel.h"
#include "chart/ChartTitle.h"

class TTestAxisPanel : public TCustomAxisPanel {
 public:
  explicit TTestAxisPanel(TComponent* AOwner = nullptr)
      : TCustomAxisPanel(AOwner),
        Title(std::make_unique<TChartTitle>(this)),
        Foot(std::make_unique<TChartFootTitle>(this)) {}

  // The 3D sizes, and room for the depth at the top right.
  void CalcWallsRect() override {
    CalcSize3DWalls();
    ChartRect.Right -= Width3D;
    ChartRect.Top += Height3D;
    ReCalcWidthHeight();
  }
  int CalcWallSize(TChartAxis*) override { return 0; }
  void DrawTitlesAndLegend(bool BeforeSeries) override {
    if (!BeforeSeries) return;
    Title->DrawTitle();
    Foot->DrawTitle();
  }
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
  std::unique_ptr<TChartTitle> Title;
  std::unique_ptr<TChartFootTitle> Foot;
};
