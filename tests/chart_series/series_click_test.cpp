// What a click finds on line, point and area series: points, segments
// within the click tolerance, pointers, areas, inverted axes; the pointer
// click event; and the legend symbol's parts in order.

#include <gtest/gtest.h>

#include "series_fixture.h"

namespace {

// Points at (20, 106), (84, 58) and (148, 106); the middle of the first
// segment is (52, 82).
struct TClickChart : TSeriesChart {
  template <class S>
  S& Series() {
    S& s = Add<S>({0, 20, 4, 60, 8, 20});
    s.CalcFirstLastVisibleIndex();
    return s;
  }
};

TEST(SeriesClick, PointsAndSegmentsOfALine) {
  TClickChart f;
  auto& s = f.Series<TLineSeries>();
  const struct {
    int X, Y, Tolerance, Index;
    TSeriesClickedPartStyle Part;
  } cases[] = {
      {84, 58, 0, 1, scpSegment},   // exactly on a point, pointer hidden
      {52, 82, 0, 0, scpSegment},   // a segment answers its first point
      {116, 82, 0, 1, scpSegment},  // the second segment
      {52, 85, 0, -1, scpNone},     // 3 pixels off
      {52, 84, 1, 0, scpSegment},   // 2 pixels off, tolerance 1
      {52, 84, 0, -1, scpNone},     // 2 pixels off, tolerance 0
  };
  for (const auto& c : cases) {
    s.SetClickTolerance(c.Tolerance);
    s.IClickedPart = scpNone;
    EXPECT_EQ(s.Clicked(c.X, c.Y), c.Index) << c.X << "," << c.Y << " t" << c.Tolerance;
    if (c.Index != -1) EXPECT_EQ(s.IClickedPart, c.Part) << c.X << "," << c.Y;
  }
}

TEST(SeriesClick, InvertedAxisAnswersTheSecondPoint) {
  TClickChart f;
  auto& s = f.Series<TLineSeries>();
  f.Panel.GetBottomAxis()->SetInverted(true);
  f.Place(TRect{20, 10, 180, 130});
  s.CalcFirstLastVisibleIndex();
  // Inverted: points 2, 1, 0 at x 52, 116, 180 from left to right; the
  // scan runs right to left, so a segment answers the point at its right
  // end, its second on screen.
  EXPECT_EQ(s.Clicked(84, 82), 1);
  EXPECT_EQ(s.Clicked(148, 82), 0);
}

TEST(SeriesClick, PointSeriesAnswersOnlyPointers) {
  TClickChart f;
  auto& s = f.Series<TPointSeries>();
  EXPECT_EQ(s.Clicked(52, 82), -1);
  EXPECT_EQ(s.Clicked(86, 60), 1);
  EXPECT_EQ(s.IClickedPart, scpPointer);
  EXPECT_EQ(s.Clicked(89, 58), -1);  // 5 pixels: beyond half size 4

  s.OnGetPointerStyle = [](TChartSeries*, int Index) {
    return Index == 1 ? psNothing : psRectangle;
  };
  EXPECT_EQ(s.Clicked(86, 60), -1);
  EXPECT_EQ(s.Clicked(22, 104), 0);
}

TEST(SeriesClick, AreaUnderTheLineIsHit) {
  TClickChart f;
  auto& s = f.Series<TAreaSeries>();
  EXPECT_EQ(s.Clicked(52, 120), 0);
  EXPECT_EQ(s.Clicked(120, 120), 1);
  EXPECT_EQ(s.Clicked(52, 40), -1);
  s.SetClickableLine(false);
  EXPECT_EQ(s.Clicked(52, 120), -1);
}

TEST(SeriesClick, PointerClickEventAndCancel) {
  TClickChart f;
  auto& s = f.Series<TPointSeries>();
  int clicked = -1;
  EXPECT_FALSE(s.RaiseClicked());
  s.OnClickPointer = [&](TCustomSeries*, int Index, int, int) { clicked = Index; };
  EXPECT_TRUE(s.RaiseClicked());
  f.Panel.CancelMouse = true;
  s.MouseDown(2, false, mbLeft, 0, 0, 0);
  EXPECT_EQ(clicked, -1);
  EXPECT_TRUE(f.Panel.CancelMouse);
  s.MouseDown(2, true, mbLeft, 0, 0, 0);
  EXPECT_EQ(clicked, 2);
  EXPECT_FALSE(f.Panel.CancelMouse);
}

TEST(SeriesClick, LegendSymbolDrawsPointerOverLine) {
  for (bool behind : {false, true}) {
    TClickChart f;
    auto& s = f.Series<TLineSeries>();
    s.GetPointer()->SetVisible(true);
    s.SetPointerBehind(behind);
    f.Canvas->ClearLog();
    s.DrawLegendShape(-1, TRect{0, 0, 20, 10});
    std::vector<std::string> calls;
    for (const std::string& c : f.Canvas->Calls())
      if (c.rfind("SetBackMode", 0) != 0) calls.push_back(c);
    const std::vector<std::string> pointer{"Rectangle(6,1,15,10)"};
    const std::vector<std::string> line{"MoveTo(0,5)", "LineTo(20,5)"};
    std::vector<std::string> expected = behind ? pointer : line;
    for (const auto& c : behind ? line : pointer) expected.push_back(c);
    EXPECT_EQ(calls, expected) << behind;
  }
}

}  // namespace
