// The fast line series: which lines it draws for repeated pixels, pixel
// columns, nulls and stairs, one segment per added point without a repaint,
// the one-polyline mode, margins and clicks.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/FastLineSeries.h"
#include "tests/support/AxisPanelFixture.h"
#include "tests/support/RecordingCanvas.h"

namespace {

// Axes 0 … 400 on a chart rectangle 400 x 400 from the canvas' corner, so a
// point given in pixels lands on those pixels.
struct TFastChart {
  TFastChart() {
    Canvas = new TRecordingCanvas(420, 420);
    Panel.SetInternalCanvas(Canvas);
    Canvas->InitWindow(Canvas->Bitmap.GetCanvas(), nullptr, clWhite, false, TRect{0, 0, 420, 420});
    Panel.SetView3D(false);
    Series.SetParentChart(&Panel);
    Panel.GetBottomAxis()->SetMinMax(0, 400);
    Panel.GetLeftAxis()->SetMinMax(0, 400);
    Panel.PlaceAxes(TRect{0, 0, 400, 400});
  }
  ~TFastChart() { Series.SetParentChart(nullptr); }
  // Adds a point at pixel (X, Y).
  void Add(int X, int Y) { Series.AddXY(X, At(Y)); }
  double At(int Y) const {
    const TChartAxis* a = Panel.GetLeftAxis();
    for (int v = 0; v <= 400; ++v)
      if (a->CalcYPosValue(v) == Y) return v;
    return -1;
  }
  // The LineTo calls of one whole pass.
  std::vector<std::string> Pass() {
    Series.DoBeforeParallel();
    Canvas->ClearLog();
    Series.DrawAllValues();
    return Canvas->Calls("LineTo(");
  }
  TTestAxisPanel Panel;
  TFastLineSeries Series;
  TRecordingCanvas* Canvas = nullptr;
};

using Lines = std::vector<std::string>;

TEST(FastLineSeries, PixelColumns) {
  struct Case {
    const char* name;
    TDrawAllPointsStyle style;
    Lines lines;
  } cases[] = {
      {"daMinMax", daMinMax, {"LineTo(10,5)", "LineTo(10,12)", "LineTo(10,20)", "LineTo(11,8)"}},
      {"daFirst", daFirst, {"LineTo(10,5)", "LineTo(11,8)"}},
  };
  for (const Case& c : cases) {
    TFastChart f;
    f.Series.SetDrawAllPoints(false);
    f.Series.SetDrawAllPointsStyle(c.style);
    for (auto [x, y] : {std::pair{9, 10}, {10, 5}, {10, 20}, {10, 12}, {11, 8}}) f.Add(x, y);
    int x, y;
    f.Series.CalcPosition(2, x, y);
    ASSERT_EQ(x, 10);
    ASSERT_EQ(y, 20);
    EXPECT_EQ(f.Pass(), c.lines) << c.name;
  }
}

TEST(FastLineSeries, LastColumnIsStroked) {
  TFastChart f;
  f.Series.SetDrawAllPoints(false);
  f.Series.SetDrawAllPointsStyle(daMinMax);
  for (auto [x, y] : {std::pair{9, 10}, {10, 5}, {10, 20}, {10, 12}}) f.Add(x, y);
  EXPECT_EQ(f.Pass(), (Lines{"LineTo(10,5)", "LineTo(10,12)", "LineTo(10,20)"}));
}

TEST(FastLineSeries, RepeatedPixelIsJoinedOnce) {
  TFastChart f;
  f.Series.SetTreatNulls(tnDontPaint);
  for (auto [x, y] : {std::pair{5, 5}, {8, 8}, {8, 8}, {9, 9}}) f.Add(x, y);
  EXPECT_EQ(f.Pass(), (Lines{"LineTo(8,8)", "LineTo(9,9)"}));
}

TEST(FastLineSeries, NullPoints) {
  struct Case {
    TTreatNullsStyle treat;
    Lines lines;
  } cases[] = {
      {tnDontPaint, {"LineTo(20,20)", "LineTo(50,50)"}},
      {tnIgnore, {"LineTo(20,20)", "LineTo(30,30)", "LineTo(40,40)", "LineTo(50,50)"}},
  };
  for (const Case& c : cases) {
    TFastChart f;
    f.Add(10, 10);
    f.Add(20, 20);
    f.Series.AddNullXY(30, f.At(30));
    f.Add(40, 40);
    f.Add(50, 50);
    f.Series.SetTreatNulls(c.treat);
    EXPECT_EQ(f.Pass(), c.lines) << c.treat;
    if (c.treat == tnDontPaint) {
      Lines moves = f.Canvas->Calls("MoveTo(");
      EXPECT_NE(std::find(moves.begin(), moves.end(), "MoveTo(40,40)"), moves.end());
    }
  }
}

TEST(FastLineSeries, AddingWithoutAutoRepaintDrawsOneSegment) {
  TFastChart f;
  f.Add(10, 10);
  f.Add(20, 30);
  f.Pass();
  f.Series.SetAutoRepaint(false);
  const int repaints = f.Panel.Repaints;
  const std::pair<int, int> more[] = {{30, 25}, {40, 60}, {50, 15}};
  std::pair<int, int> from{20, 30};
  for (auto [x, y] : more) {
    f.Canvas->ClearLog();
    f.Add(x, y);
    EXPECT_EQ(f.Canvas->Calls("LineTo("),
              Lines{"LineTo(" + std::to_string(x) + "," + std::to_string(y) + ")"});
    EXPECT_EQ(f.Canvas->Calls("MoveTo("), Lines{"MoveTo(" + std::to_string(from.first) + "," +
                                                std::to_string(from.second) + ")"});
    from = {x, y};
  }
  EXPECT_EQ(f.Panel.Repaints, repaints);
}

TEST(FastLineSeries, PolylineOnlyWithoutStairs) {
  for (bool stairs : {false, true}) {
    TFastChart f;
    f.Series.SetDrawStyle(flAll);
    f.Series.SetStairs(stairs);
    for (int i = 0; i < 5; ++i) f.Add(10 + 10 * i, 100 - 7 * i);
    EXPECT_EQ(f.Series.ShouldDrawAsPolyline(), !stairs);
    Lines lines = f.Pass();
    EXPECT_EQ(f.Canvas->Count("Polyline("), stairs ? 0u : 1u);
    EXPECT_EQ(lines.size(), stairs ? 8u : 0u);
    if (!stairs) EXPECT_EQ(f.Series.Points().size(), 5u);
    if (stairs) EXPECT_EQ(lines[0], "LineTo(20,100)");
  }
}

TEST(FastLineSeries, PenWidthWidensHorizontalMargins) {
  for (auto [width, extra] : {std::pair{1, 1}, {4, 3}}) {
    TFastLineSeries s;
    s.GetLinePen()->SetWidth(width);
    int l = 0, r = 0;
    s.CalcHorizMargins(l, r);
    EXPECT_EQ(l, extra);
    EXPECT_EQ(r, extra);
  }
}

TEST(FastLineSeries, IsALineSeriesWhosePenColoursTheSeries) {
  TFastLineSeries s;
  TCustomLineSeries* line = &s;
  EXPECT_EQ(line->GetLinePen(), s.GetPen());
  EXPECT_TRUE(TFastLineSeries::Class()->InheritsFrom(TCustomLineSeries::Class()));
  TPlotPen red;
  red.SetColor(clRed);
  red.SetWidth(3);
  s.SetLinePen(&red);
  EXPECT_EQ(s.GetLinePen()->GetWidth(), 3);
  EXPECT_EQ(s.GetSeriesColor(), clRed);
}

TEST(FastLineSeries, ClickedFindsTheSegment) {
  TFastChart f;
  for (auto [x, y] : {std::pair{10, 10}, {50, 10}, {50, 90}}) f.Add(x, y);
  f.Series.CalcFirstLastVisibleIndex();
  EXPECT_EQ(f.Series.Clicked(50, 90), 2);
  EXPECT_EQ(f.Series.Clicked(30, 11), 0);
  EXPECT_EQ(f.Series.Clicked(51, 60), 1);
  EXPECT_EQ(f.Series.Clicked(30, 40), -1);
}

}  // namespace
