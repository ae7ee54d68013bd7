#pragma once
// A 300 x 200 chart whose titles-and-legend slot lays out and draws a
// legend, its chart rectangle 20 pixels inside the bounds, drawing through
// a recording canvas. Series are area series: their legend symbol is the
// legend's own plain symbol in the series colour.

#include <cmath>
#include <string>
#include <vector>

#include "chart/AreaSeries.h"
#include "chart/Legend.h"
#include "tests/chart_series/series_fixture.h"

struct TLegendChart : TSeriesChart {
  explicit TLegendChart(int Width = 300, int Height = 200)
      : TSeriesChart(Width, Height), Legend(&Panel) {
    Panel.Legend = &Legend;
    Rect = TRect{20, 20, Width - 20, Height - 20};
    Reset();
  }
  ~TLegendChart() { Panel.Legend = nullptr; }

  // The chart rectangle back to Rect, as every drawing pass starts.
  void Reset() {
    Panel.ChartRect = Rect;
    Panel.ReCalcWidthHeight();
  }
  // An area series titled Title with the values Y at x 0, 1, 2 ...
  // and the point labels Labels.
  TAreaSeries& Area(const std::string& Title, std::vector<double> Y, TColor Color = clRed,
                    std::vector<std::string> Labels = {}) {
    auto& s = Add<TAreaSeries>();
    s.SetTitle(Title);
    s.SetSeriesColor(Color);
    for (size_t i = 0; i < Y.size(); ++i)
      s.AddXY(double(i), Y[i], i < Labels.size() ? Labels[i] : std::string());
    return s;
  }
  // The legend's place before the series, as the chart's drawing pass does.
  void Layout() {
    Reset();
    Panel.DrawTitlesAndLegend(true);
  }
  // Layout, then the legend drawn after the series.
  void Draw() {
    Layout();
    Canvas->ClearLog();
    Panel.DrawTitlesAndLegend(false);
  }
  // Height of "W" in the legend font, as the layout measures it.
  int TextHeight() {
    Canvas->AssignFont(Legend.GetFont());
    return Canvas->TextHeight("W");
  }
  // The texts the last drawing wrote, in order.
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const std::string& c : Canvas->Calls("TextOut(")) {
      size_t second = c.find(',', c.find(',') + 1);
      out.push_back(c.substr(second + 1, c.size() - second - 2));
    }
    return out;
  }
  // X of the TextOut call that wrote Text, -1 when none.
  int TextX(const std::string& Text) const {
    for (const std::string& c : Canvas->Calls("TextOut(")) {
      size_t second = c.find(',', c.find(',') + 1);
      if (c.substr(second + 1, c.size() - second - 2) == Text) return std::stoi(c.substr(8));
    }
    return -1;
  }

  TRect Rect;
  TChartLegend Legend;
};
