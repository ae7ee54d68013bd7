#pragma once
// An axis panel without walls: its titles-and-legend slot draws a top and
// a foot title (empty, so invisible, until given lines) and, when one is
// attached, a legend in the order the chart control uses; legend symbols
// are painted by that legend's symbol. Its
// walls take only the room of the depth, it counts its repaints and takes a palette
// colour as free when no other series uses it.

#include <memory>

#include "chart/AxisPanel.h"
#include "chart/ChartTitle.h"
#include "chart/Legend.h"

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
    const bool legend = Legend != nullptr && Legend->ShouldDraw();
    if (!BeforeSeries) {
      if (legend && !Legend->GetDrawBehind()) Legend->DrawLegend();
      return;
    }
    if (legend && Legend->Vertical()) PlaceLegend();
    Title->DrawTitle();
    Foot->DrawTitle();
    if (legend && !Legend->Vertical()) PlaceLegend();
  }
  void DrawLegendShape(const TRect& Rect, TGraphic* Graphic) override {
    if (Legend == nullptr) return;
    if (Graphic != nullptr && Legend->GetSymbol()->GetUseImages()) {
      GetCanvas()->StretchDraw(Rect, Graphic);
      return;
    }
    Legend->GetSymbol()->Draw(GetCanvas()->GetBrush()->GetColor(), Rect);
  }
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

  // The legend takes its room, and draws now when drawn behind the series.
  void PlaceLegend() {
    Legend->CalcRect();
    if (Legend->GetDrawBehind()) Legend->DrawLegend();
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
  // Not owned; nil draws no legend.
  TCustomChartLegend* Legend = nullptr;
  std::unique_ptr<TChartTitle> Title;
  std::unique_ptr<TChartFootTitle> Foot;
};
