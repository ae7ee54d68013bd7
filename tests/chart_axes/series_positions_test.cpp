// A series' positions on its axes: the visible range, paging, drawing
// order, z order and the mouse entering and leaving it.

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/AxisPanelFixture.h"

namespace {

// Records the order its points are drawn in; point Hit lies under (Hit, Hit).
class TOrderSeries : public TChartSeries {
 public:
  void DrawValue(int ValueIndex) override { Drawn.push_back(ValueIndex); }
  int Clicked(int X, int Y) override { return X == Hit && Y == Hit ? Hit : -1; }
  std::vector<int> Drawn;
  int Hit = 5;
};

struct TSeriesOnAxis {
  TTestAxisPanel Panel;
  TOrderSeries Series;
  explicit TSeriesOnAxis(int Points, double Min = 10, double Max = 20) {
    Series.SetParentChart(&Panel);
    for (int i = 0; i < Points; ++i) Series.AddXY(i, i);
    Panel.GetBottomAxis()->SetMinMax(Min, Max);
    Panel.PlaceAxes(TRect{0, 0, 100, 100});
  }
  ~TSeriesOnAxis() { Series.SetParentChart(nullptr); }
};

TEST(SeriesPositions, PositionsGoThroughTheAxes) {
  TSeriesOnAxis f(100);
  EXPECT_EQ(f.Series.CalcXPos(15), 50);
  EXPECT_EQ(f.Series.CalcXPosValue(20), 100);
  EXPECT_EQ(f.Series.CalcPosValue(0), f.Panel.GetLeftAxis()->CalcYPosValue(0));
  EXPECT_NEAR(f.Series.XScreenToValue(50), 15, 1e-9);
  EXPECT_EQ(f.Series.XValueToText(1234.5), "1,234.5");
  EXPECT_TRUE(f.Series.IsPointInChartRect(15));
  EXPECT_FALSE(f.Series.IsPointInChartRect(30));
}

TEST(SeriesPositions, VisibleRangeFollowsTheAxis) {
  TSeriesOnAxis f(100);
  f.Series.CalcFirstLastVisibleIndex();
  EXPECT_EQ(f.Series.FFirstVisibleIndex, 10);
  EXPECT_EQ(f.Series.FLastVisibleIndex, 20);

  f.Series.DrawBetweenPoints = true;
  f.Series.CalcFirstLastVisibleIndex();
  EXPECT_EQ(f.Series.FLastVisibleIndex, 21);

  f.Series.CalcVisiblePoints = false;
  f.Series.CalcFirstLastVisibleIndex();
  EXPECT_EQ(f.Series.FFirstVisibleIndex, 0);
  EXPECT_EQ(f.Series.FLastVisibleIndex, 99);
  EXPECT_EQ(f.Series.VisibleCount(), 100);
}

TEST(SeriesPositions, AllPointsLeftOfTheRangeShowNothing) {
  TSeriesOnAxis f(5, 10, 20);
  f.Series.CalcFirstLastVisibleIndex();
  EXPECT_EQ(f.Series.FFirstVisibleIndex, -1);
  EXPECT_EQ(f.Series.FLastVisibleIndex, -1);
  EXPECT_EQ(f.Series.VisibleCount(), 0);
  f.Series.DrawAllValues();
  EXPECT_TRUE(f.Series.Drawn.empty());
}

TEST(SeriesPositions, UnorderedSeriesShowsAllAndCountsInsideBothRanges) {
  TSeriesOnAxis f(0);
  for (double x : {15.0, 5.0, 12.0, 18.0, 30.0}) f.Series.AddXY(x, x < 13 ? 50 : 500);
  f.Series.NotMandatoryValueList->SetOrder(loNone);
  f.Panel.GetLeftAxis()->SetMinMax(0, 100);
  f.Panel.PlaceAxes(TRect{0, 0, 100, 100});
  f.Series.CalcFirstLastVisibleIndex();
  EXPECT_EQ(f.Series.FFirstVisibleIndex, 0);
  EXPECT_EQ(f.Series.FLastVisibleIndex, 4);
  // All are visible by index, but only x = 12 lies within 10..20 and 0..100.
  f.Series.FLastVisibleIndex = 3;
  EXPECT_EQ(f.Series.VisibleCount(), 1);
}

TEST(SeriesPositions, InvertedAxisDrawsLastToFirst) {
  TSeriesOnAxis f(100, 10, 13);
  f.Series.CalcFirstLastVisibleIndex();
  f.Series.DrawAllValues();
  EXPECT_EQ(f.Series.Drawn, (std::vector<int>{10, 11, 12, 13}));
  f.Panel.GetBottomAxis()->SetInverted(true);
  f.Series.Drawn.clear();
  f.Series.DrawAllValues();
  EXPECT_EQ(f.Series.Drawn, (std::vector<int>{13, 12, 11, 10}));
  EXPECT_EQ(f.Series.FirstDisplayedIndex(), 13);
  EXPECT_EQ(f.Series.LastDisplayedIndex(), 10);
}

TEST(SeriesPositions, PagesOfTenOverTwentyFivePoints) {
  TSeriesOnAxis f(25);
  // A longer series gives the chart ten pages, so page 9 can be chosen.
  TChartSeries longer;
  longer.SetParentChart(&f.Panel);
  for (int i = 0; i < 100; ++i) longer.AddXY(i, i);
  f.Panel.SetMaxPointsPerPage(10);
  struct {
    int Page, First, Last;
  } cases[] = {{1, 0, 9}, {3, 20, 24}, {9, 10, 19}};
  for (auto c : cases) {
    f.Panel.GetPages()->SetCurrent(c.Page);
    int first = 0, last = 0;
    f.Series.CalcFirstLastPage(first, last);
    EXPECT_EQ(first, c.First) << c.Page;
    EXPECT_EQ(last, c.Last) << c.Page;
  }
  longer.SetParentChart(nullptr);
}

TEST(SeriesPositions, ZOrderIn3DAnd2D) {
  TTestAxisPanel panel;
  TChartSeries a, b, c;
  std::vector<TChartSeries*> all{&a, &b, &c};
  for (TChartSeries* s : all) s->SetParentChart(&panel);
  panel.FSeriesWidth3D = 10;
  for (bool view3D : {true, false}) {
    panel.SetView3D(view3D);
    panel.SetMaxZOrder(-1);
    for (TChartSeries* s : all) s->CalcZOrder();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(all[size_t(i)]->GetZOrder(), view3D ? i : 0);
  }
  panel.SetView3D(true);
  panel.SetMaxZOrder(-1);
  for (TChartSeries* s : all) s->CalcZOrder();
  c.CalcDepthPositions();
  EXPECT_EQ(c.StartZ, 20);
  EXPECT_EQ(c.EndZ, 30);
  EXPECT_EQ(c.MiddleZ, 25);
  EXPECT_TRUE(b.FirstInZOrder());
  EXPECT_FALSE(b.MoreSameZOrder());
  b.SetZOrder(0);
  EXPECT_FALSE(b.FirstInZOrder());
  EXPECT_TRUE(b.MoreSameZOrder());
  for (TChartSeries* s : all) s->SetParentChart(nullptr);
}

TEST(SeriesPositions, MouseEntersAndLeavesOnce) {
  TSeriesOnAxis f(10);
  int entered = 0, left = 0;
  f.Series.OnMouseEnter = [&](TObject*) { ++entered; };
  f.Series.OnMouseLeave = [&](TObject*) { ++left; };
  EXPECT_FALSE(f.Series.CheckMouse(1, 1));
  EXPECT_EQ(left, 0);
  EXPECT_TRUE(f.Series.CheckMouse(5, 5));
  EXPECT_TRUE(f.Series.CheckMouse(5, 5));
  EXPECT_FALSE(f.Series.CheckMouse(1, 1));
  EXPECT_FALSE(f.Series.CheckMouse(2, 2));
  EXPECT_EQ(entered, 1);
  EXPECT_EQ(left, 1);

  TChartSeries& base = f.Series;
  EXPECT_EQ(base.Clicked(4.6f, 5.4f), 5);
  EXPECT_EQ(f.Series.IClickedPart, scpSegment);
}

TEST(SeriesPositions, MouseDownCallsClickOrDoubleClick) {
  TSeriesOnAxis f(10);
  EXPECT_FALSE(f.Series.RaiseClicked());
  std::vector<int> clicks, doubles;
  f.Series.OnClick = [&](TChartSeries*, int i, TMouseButton, TShiftState, int, int) {
    clicks.push_back(i);
  };
  f.Series.OnDblClick = [&](TChartSeries*, int i, TMouseButton, TShiftState, int, int) {
    doubles.push_back(i);
  };
  EXPECT_TRUE(f.Series.RaiseClicked());
  f.Series.MouseDown(3, false, mbLeft, 0, 0, 0);
  f.Series.MouseDown(4, false, mbLeft, ssDouble, 0, 0);
  EXPECT_EQ(clicks, std::vector<int>{3});
  EXPECT_EQ(doubles, std::vector<int>{4});
}

}  // namespace
