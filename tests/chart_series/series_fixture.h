#pragma once
// A chart of 200 x 150 pixels drawn through a recording canvas: the bottom
// axis runs 0..10 over x 20..180, the left axis 0..100 over y 130..10.
// Series draw through their own drawing entry (DrawAllValues), so tests see
// every call the series makes and every pixel it sets.

#include <memory>

#include "chart/AreaSeries.h"
#include "chart/LineSeries.h"
#include "tests/support/AxisPanelFixture.h"
#include "tests/support/RecordingCanvas.h"

struct TSeriesChart {
  explicit TSeriesChart(int Width = 200, int Height = 150) {
    Canvas = new TRecordingCanvas(Width, Height);
    Panel.SetInternalCanvas(Canvas);
    Panel.SetBounds(0, 0, Width, Height);
    Panel.SetView3D(false);
    Canvas->InitWindow(Canvas->Bitmap.GetCanvas(), nullptr, clWhite, false,
                       TRect{0, 0, Width, Height});
    Canvas->Fill(clWhite);
    Panel.ChartBounds = TRect{0, 0, Width, Height};
    Panel.GetBottomAxis()->SetMinMax(0, 10);
    Panel.GetLeftAxis()->SetMinMax(0, 100);
    Place(TRect{20, 10, 180, 130});
  }
  ~TSeriesChart() {
    for (auto& s : Series) s->SetParentChart(nullptr);
  }

  void Place(const TRect& R) {
    Panel.PlaceAxes(R);
    Panel.GetTopAxis()->SetMinMax(0, 10);
    Panel.GetRightAxis()->SetMinMax(0, 100);
    Panel.PlaceAxes(R);
  }

  // A series of class S in the chart, with points (X, Y) in turn.
  template <class S>
  S& Add(std::initializer_list<double> XY = {}) {
    auto* s = new S();
    Series.emplace_back(s);
    Panel.AddSeries(s);
    const std::vector<double> v(XY);
    for (size_t i = 0; i + 1 < v.size(); i += 2) s->AddXY(v[i], v[i + 1]);
    return *s;
  }

  // A 3D pass over the whole canvas, series depth Depth at the front, the
  // depth offset (Width3D, Height3D) as the axis panel computes it.
  void Begin3D(int Width3D, int Height3D, bool Orthogonal = true, int SeriesCount = 1) {
    Panel.SetView3D(true);
    TView3DOptions* o = Panel.GetView3DOptions();
    o->SetOrthogonal(Orthogonal);
    if (!Orthogonal) {
      o->SetRotation(340);
      o->SetElevation(345);
      o->SetPerspective(0);
    }
    Panel.FSeriesWidth3D = Width3D;
    Panel.FSeriesHeight3D = Height3D;
    Panel.Width3D = Width3D * SeriesCount;
    Panel.Height3D = Height3D * SeriesCount;
    Canvas->Begin3D(o, Width3D * SeriesCount);
    Canvas->Fill(clWhite);
  }

  // Every series of the chart drawn as the drawing pass does: smoothing,
  // depth rows, then the series from the back to the front.
  void DrawAll() {
    Panel.SetMaxZOrder(-1);
    for (auto& s : Series) {
      s->DoBeforeDrawChart();
      s->CalcZOrder();
    }
    for (auto it = Series.rbegin(); it != Series.rend(); ++it)
      Draw(*static_cast<TCustomSeries*>(it->get()));
  }

  // Visible range, depths and all values, as the drawing pass does.
  void Draw(TCustomSeries& S) {
    S.CalcFirstLastVisibleIndex();
    S.CalcDepthPositions();
    S.DrawAllValues();
  }

  bool IsWhite(int X, int Y) { return Canvas->Pixel(X, Y) == clWhite; }
  // Whether any pixel within Radius of (X, Y) is not white.
  bool Inked(int X, int Y, int Radius = 1) {
    for (int y = Y - Radius; y <= Y + Radius; ++y)
      for (int x = X - Radius; x <= X + Radius; ++x)
        if (!IsWhite(x, y)) return true;
    return false;
  }
  int CountColor(TColor C) {
    int n = 0;
    for (int y = 0; y < Canvas->Bitmap.GetHeight(); ++y)
      for (int x = 0; x < Canvas->Bitmap.GetWidth(); ++x)
        if (Canvas->Pixel(x, y) == C) ++n;
    return n;
  }

  TTestAxisPanel Panel;
  TRecordingCanvas* Canvas;  // owned by the panel
  std::vector<std::unique_ptr<TChartSeries>> Series;
};
