// Line, point and area drawing on the test chart, checked at sample pixels
// and in the canvas log: nulls, the partly drawn series, pointers over
// lines, coordinates beyond the canvas' range and 3D darkening.

#include <gtest/gtest.h>

#include <regex>

#include "chart/ChartVisualsList.h"
#include "chart/PlotHover.h"
#include "chart/PlotUnitRoutines.h"
#include "series_fixture.h"

namespace {

// Point (x, y) of the test chart: x 0..10 over 20..180, y 0..100 over 130..10.
TPoint At(double X, double Y) { return TPoint{int(20 + X * 16), int(130 - Y * 1.2)}; }

TEST(SeriesDraw, NullPointsByTreatNulls) {
  const struct {
    TTreatNullsStyle Style;
    bool ToNull, Skipping;
  } cases[] = {{tnDontPaint, false, false}, {tnIgnore, true, false}, {tnSkip, false, true}};
  for (const auto& c : cases) {
    TSeriesChart f;
    auto& s = f.Add<TLineSeries>({2, 20});
    s.AddNullXY(5, 80);
    s.AddXY(8, 20);
    s.SetTreatNulls(c.Style);
    s.SetSeriesColor(clBlue);
    f.Draw(s);
    const TPoint a = At(2, 20), n = At(5, 80), b = At(8, 20);
    const TPoint toNull{(a.X + n.X) / 2, (a.Y + n.Y) / 2};
    EXPECT_EQ(f.Inked(toNull.X, toNull.Y), c.ToNull) << int(c.Style);
    EXPECT_EQ(f.Inked((a.X + b.X) / 2, a.Y), c.Skipping) << int(c.Style);
    EXPECT_FALSE(f.Inked((n.X + b.X) / 2 + 8, (n.Y + b.Y) / 2 + 8, 0)) << int(c.Style);
  }
}

// The points of the first Polyline call.
std::vector<int> PolylineArgs(TRecordingCanvas& C) {
  std::vector<int> v;
  for (const std::string& call : C.Calls("Polyline")) {
    std::smatch m;
    std::string args = call.substr(9, call.size() - 10);
    std::stringstream in(args);
    for (std::string n; std::getline(in, n, ',');) v.push_back(std::stoi(n));
    break;
  }
  return v;
}

TEST(SeriesDraw, DisplayLastDrawsPartOfTheSeries) {
  {
    TSeriesChart f;
    auto& s = f.Add<TLineSeries>();
    for (int i = 0; i < 10; ++i) s.AddXY(i, 50);
    s.SetDrawStyle(dsAll);
    s.DisplayLast = 0.5f;
    f.Draw(s);
    const std::vector<int> p = PolylineArgs(*f.Canvas);
    ASSERT_EQ(p.size(), 12u);  // points 0..5, no partial point
    EXPECT_EQ(p[10], At(5, 50).X);
  }
  TSeriesChart f;
  auto& s = f.Add<TLineSeries>();
  for (int i = 0; i < 10; ++i) s.AddXY(i, 50);
  s.SetDrawStyle(dsAll);
  s.SetSeriesColor(clRed);
  s.GetPointer()->SetVisible(true);
  s.GetPointer()->GetPen()->Hide();
  s.DisplayLast = 0.55f;
  f.Draw(s);
  const std::vector<int> p = PolylineArgs(*f.Canvas);
  ASSERT_EQ(p.size(), 14u);  // points 0..5 and the partial point at x 5.5
  EXPECT_EQ(p[12], At(5.5, 50).X);
  // Point 5's pointer is solid; point 6's is half see-through.
  const TPoint five = At(5, 50), six = At(6, 50);
  EXPECT_EQ(f.Canvas->Pixel(five.X, five.Y - 2), clRed);
  const TColor half = f.Canvas->Pixel(six.X, six.Y - 2);
  EXPECT_EQ(half & 0xFF, 0xFFu);
  EXPECT_NEAR(int((half >> 8) & 0xFF), 128, 16);
  EXPECT_TRUE(f.IsWhite(At(7, 50).X, At(7, 50).Y - 2));
}

TEST(SeriesDraw, PointersLieOverLinesUnlessBehind) {
  for (bool behind : {false, true}) {
    TSeriesChart f;
    auto& s = f.Add<TLineSeries>({1, 20, 3, 50, 5, 20, 7, 50});
    s.SetSeriesColor(clBlue);
    s.GetLinePen()->SetWidth(5);
    s.GetPointer()->SetVisible(true);
    s.GetPointer()->SetColor(clRed);
    s.GetPointer()->GetPen()->Hide();
    s.SetPointerBehind(behind);
    f.Draw(s);
    for (int i = 0; i < 4; ++i) {
      const TPoint p = At(1 + 2 * i, i % 2 ? 50 : 20);
      EXPECT_EQ(f.Canvas->Pixel(p.X, p.Y), behind ? clBlue : clRed) << i << " " << behind;
    }
  }
}

TEST(SeriesDraw, ShadowAndOutlinePassesKeepTheSeriesColour) {
  TSeriesChart f;
  auto& s = f.Add<TLineSeries>({1, 50, 9, 50});  // y 70
  s.SetSeriesColor(clLime);
  s.GetLinePen()->SetWidth(4);
  s.GetOutLine()->SetVisible(true);
  s.GetShadow()->SetVisible(true);
  s.GetShadow()->SetSize(8);
  s.GetShadow()->SetColor(clGray);
  f.Draw(s);
  f.Draw(s);  // a second pass looks the same
  const struct {
    int Y;
    TColor Color;
  } column[] = {{66, clWhite}, {67, clBlack}, {69, clLime}, {72, clBlack},
                {73, clWhite}, {77, clGray},  {80, clWhite}};
  for (const auto& c : column) EXPECT_EQ(f.Canvas->Pixel(100, c.Y), c.Color) << c.Y;
  EXPECT_EQ(s.GetSeriesColor(), clLime);
}

// A template block that keeps the path it is given.
class TPathBlock : public TVisualBlock {
 public:
  void AddPathPoint(float X, float Y, TColor C) override {
    Path.push_back({int(X), int(Y), int(C)});
  }
  void ClearPath() override { Path.clear(); }
  void SetFormatting(TPlotPen*, TPlotBrush*, bool, TColor C, uint8_t) override { Color = C; }
  void Repaint() override {}
  TControl* Editor(TComponent*, bool) override { return nullptr; }
  std::vector<std::vector<int>> Path;
  TColor Color = 0;
};

TEST(SeriesDraw, TemplateBlockTakesThePointsInsteadOfSegments) {
  TSeriesChart f;
  auto& s = f.Add<TLineSeries>({1, 50, 9, 25});
  s.SetSeriesColor(clBlue);
  TPathBlock block;
  s.Visuals()->SetTemplate(&block);
  f.Draw(s);
  EXPECT_EQ(block.Color, clBlue);
  const std::vector<std::vector<int>> path{{At(1, 50).X, 150 - At(1, 50).Y, int(clBlue)},
                                           {At(9, 25).X, 150 - At(9, 25).Y, int(clBlue)}};
  EXPECT_EQ(block.Path, path);
  EXPECT_FALSE(f.Inked(At(5, 37.5).X, At(5, 37.5).Y, 2));  // no segment drawn
  s.Visuals()->SetTemplate(nullptr);
}

TEST(SeriesDraw, HoveredSegmentTakesTheHoverPen) {
  TSeriesChart f;
  f.Panel.SetHoverVisible(true);
  auto& s = f.Add<TLineSeries>({1, 50, 5, 50, 9, 50});
  s.SetSeriesColor(clBlue);
  TPlotHover* hover = s.GetSelected()->GetHover();
  hover->SetVisible(true);
  hover->GetPen()->SetColor(clRed);
  hover->GetPen()->SetVisible(true);
  s.IClickedPart = scpSegment;
  s.GetSelected()->SetHoverIndex(1);  // the segment from point 1 to point 2
  f.Draw(s);
  EXPECT_EQ(f.Canvas->Pixel(At(3, 50).X, At(3, 50).Y), clBlue);
  EXPECT_EQ(f.Canvas->Pixel(At(7, 50).X, At(7, 50).Y), clRed);
}

TEST(SeriesDraw, HiddenValueDrawsToTheEdgeOfItsBand) {
  TSeriesChart f;
  auto& s = f.Add<TLineSeries>({1, 50, 5, 50, 9, 80});
  TChartAxis* left = f.Panel.GetLeftAxis();
  for (const auto& c : {std::pair{40.0, 60.0}, std::pair{0.0, 10.0}}) {
    s.InitDrawValue(2);
    f.Canvas->ClearLog();
    s.DrawHiddenValue(2, c.first, c.second, 10, left);
    // The point moves to value A less half the size; the line is hidden
    // when the previous value (50) lies inside A..B.
    const int y = left->CalcYPosValue(c.first) - 5;
    EXPECT_EQ(f.Canvas->Calls("LineTo"),
              std::vector<std::string>{"LineTo(" + std::to_string(At(9, 0).X) + "," +
                                       std::to_string(y) + ")"});
    EXPECT_EQ(s.OldY, y);
    const bool hidden = c.first <= 50 && 50 <= c.second;
    EXPECT_EQ(f.Canvas->GetPen()->GetStyle() == psClear, hidden) << c.first;
  }
}

TEST(SeriesDraw, PointSeriesDrawsPointersOnly) {
  TSeriesChart f;
  auto& s = f.Add<TPointSeries>({1, 20, 9, 20});
  f.Draw(s);
  EXPECT_TRUE(f.Inked(At(1, 20).X, At(1, 20).Y));
  EXPECT_TRUE(f.Inked(At(9, 20).X, At(9, 20).Y));
  EXPECT_FALSE(f.Inked(At(5, 20).X, At(5, 20).Y, 3));
}

TEST(SeriesDraw, LineWithoutPenAndPointerStillDrawsIn2D) {
  TSeriesChart f;
  auto& s = f.Add<TLineSeries>({1, 20, 9, 20});
  s.GetLinePen()->Hide();
  f.Draw(s);
  EXPECT_TRUE(s.GetLinePen()->GetVisible());
  EXPECT_TRUE(f.Inked(At(5, 20).X, At(5, 20).Y));
}

TEST(SeriesDraw, HugeValuesAreCutAtTheCanvasLimit) {
  for (bool stairs : {false, true}) {
    TSeriesChart f;
    auto& s = f.Add<TLineSeries>({1, 10, 5, 1e9, 9, 10});
    s.SetStairs(stairs);
    f.Draw(s);
    const std::vector<std::string> calls = f.Canvas->Calls();
    ASSERT_FALSE(calls.empty());
    std::regex number("-?[0-9]+");
    for (const std::string& call : calls)
      for (auto it = std::sregex_iterator(call.begin(), call.end(), number);
           it != std::sregex_iterator(); ++it)
        EXPECT_LE(std::abs(std::stoll(it->str())), 32767) << call;
    // The rising line still leaves the plot upwards from point 0.
    EXPECT_TRUE(
        f.Inked(At(1, 10).X + (stairs ? 40 : 1), stairs ? At(1, 10).Y : At(1, 10).Y - 40, 2))
        << stairs;
  }
}

TEST(SeriesDraw, RisingSegmentIsDarkenedIn3D) {
  const TColor color = TColor(0x00C08040);
  const TColor dark = ApplyDark(color, 64);
  const struct {
    double From, To;
    bool Dark;
  } cases[] = {{20, 36.7, true}, {36.7, 20, false}};  // 20 pixels over 10 pixels
  for (const auto& c : cases) {
    TSeriesChart f;
    f.Begin3D(20, 10);  // depth ratio 0.5
    auto& s = f.Add<TLineSeries>({4, c.From, 4.625, c.To});
    s.SetSeriesColor(color);
    s.GetLinePen()->Hide();
    f.Draw(s);
    EXPECT_EQ(f.CountColor(dark) > 20, c.Dark) << c.From;
    EXPECT_EQ(f.CountColor(color) > 20, !c.Dark) << c.From;
  }
}

TEST(SeriesDraw, AreaFillsDownToTheOrigin) {
  TSeriesChart f;
  auto& s = f.Add<TAreaSeries>({1, 50, 9, 50});
  s.SetSeriesColor(clGreen);
  f.Draw(s);
  EXPECT_EQ(f.Canvas->Pixel(At(5, 25).X, At(5, 25).Y), clGreen);
  EXPECT_TRUE(f.IsWhite(At(5, 75).X, At(5, 75).Y));
  // Stairs fill at the previous level up to the next point.
  TSeriesChart g;
  auto& t = g.Add<TAreaSeries>({1, 20, 5, 80, 9, 20});
  t.SetStairs(true);
  t.SetSeriesColor(clGreen);
  g.Draw(t);
  EXPECT_TRUE(g.IsWhite(At(4, 50).X, At(4, 50).Y));
  EXPECT_EQ(g.Canvas->Pixel(At(6, 50).X, At(6, 50).Y), clGreen);
}

}  // namespace
