// How bar series share their categories: slots, stack groups, thickness,
// bar rectangles, stacking origins, depth, value ranges and the mode that
// every bar series of a chart keeps in common.

#include <gtest/gtest.h>

#include "bar_fixture.h"
#include "chart/ChartAxis.h"
#include "chart/PlotConst.h"
#include "chart/PlotGradient.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_stream.h"
#include "scene/zr_stream_text.h"

namespace {

struct TBarLayout {
  int NumBars, MaxBarPoints, OrderPos, BarSize;
};

TBarLayout LayoutOf(const TCustomBarSeries& S) {
  return {S.INumBars, S.IMaxBarPoints, S.IOrderPos, S.IBarSize};
}

void ExpectLayout(const TCustomBarSeries& S, TBarLayout E, const char* What) {
  SCOPED_TRACE(What);
  EXPECT_EQ(S.INumBars, E.NumBars);
  EXPECT_EQ(S.IMaxBarPoints, E.MaxBarPoints);
  EXPECT_EQ(S.IOrderPos, E.OrderPos);
  EXPECT_EQ(S.IBarSize, E.BarSize);
}

// The bottom axis is 160 pixels long: with 70 % of the slot filled, a
// category slot of n + 1 points gives 112 / (n + 1) pixels to share.
TEST(BarLayout, SideBySideSeriesTakeSlotsLeftAndRightOfTheCategory) {
  TSeriesChart f;
  auto& a = AddBars(f, {10, 20, 30, 40, 50});
  auto& b = AddBars(f, {15, 25, 35, 45, 55}, clBlue);
  LayoutBars(f);
  ASSERT_EQ(f.Panel.GetBottomAxis()->IAxisSize, 160);
  // 112 / 6 / 2 = 9.33 -> 9, made even -> 10.
  ExpectLayout(a, {2, 6, 1, 10}, "first");
  ExpectLayout(b, {2, 6, 2, 10}, "second");
  const int category = a.TChartSeries::CalcXPos(2);  // x of category 2
  EXPECT_EQ(category, 52);
  const TRect ra = a.CalcBarBounds(2), rb = b.CalcBarBounds(2);
  EXPECT_EQ(ra, (TRect{42, a.CalcYPosValue(30), 53, 130}));
  EXPECT_EQ(rb, (TRect{52, b.CalcYPosValue(35), 63, 130}));
  EXPECT_LT(ra.Left, category);
  EXPECT_GE(rb.Left, category);
}

TEST(BarLayout, CategoryCountKeepsTheLargestSeriesWithItsSideMargin) {
  TSeriesChart f;
  auto& a = AddBars(f, {1, 2, 3, 4, 5});
  auto& b = AddBars(f, {1, 2, 3, 4, 5, 6});
  LayoutBars(f);
  // A stores 5 + 1; B's 6 is not larger than that, so no second margin.
  EXPECT_EQ(a.IMaxBarPoints, 6);
  EXPECT_EQ(b.IMaxBarPoints, 6);
  b.SetSideMargins(false);  // reaches A as well
  LayoutBars(f);
  EXPECT_FALSE(a.GetSideMargins());
  EXPECT_EQ(a.IMaxBarPoints, 6);
  EXPECT_EQ(b.BarMargin(), b.IBarSize * 2 / 2);
}

TEST(BarLayout, StackGroupsShareSlotsInTheOrderOfTheirFirstSeries) {
  TSeriesChart f;
  auto& a = AddBars(f, {10, 20});
  auto& b = AddBars(f, {10, 20});
  auto& c = AddBars(f, {10, 20});
  a.SetMultiBar(mbStacked);
  c.SetStackGroup(1);
  LayoutBars(f);
  // 112 / 3 / 2 = 18.67 -> 19 -> 20.
  ExpectLayout(a, {2, 3, 1, 20}, "group 0, first");
  ExpectLayout(b, {2, 3, 1, 20}, "group 0, second");
  ExpectLayout(c, {2, 3, 2, 20}, "group 1");
  // B stands on A; C starts from the origin in its own slot.
  EXPECT_EQ(b.CalcBarBounds(1).Bottom, a.CalcBarBounds(1).Top);
  EXPECT_EQ(c.CalcBarBounds(1).Bottom, 130);
  EXPECT_EQ(c.CalcBarBounds(1).Left, a.CalcBarBounds(1).Left + 20);
  EXPECT_EQ(b.MaxYValue(), 40);
}

TEST(BarLayout, StackedBarsOfMixedSignsStackUpAndDownSeparately) {
  TSeriesChart f;
  f.Panel.GetLeftAxis()->SetMinMax(-50, 100);
  f.Place(TRect{20, 10, 180, 130});
  auto& a = AddBars(f, {30, -20});
  auto& b = AddBars(f, {-10, -15});
  auto& c = AddBars(f, {40, 5});
  a.SetMultiBar(mbStacked);
  LayoutBars(f);
  const struct {
    TCustomBarSeries* S;
    int Index;
    double From, To;
  } table[] = {
      {&a, 0, 0, 30},  {&b, 0, 0, -10},   {&c, 0, 30, 70},
      {&a, 1, 0, -20}, {&b, 1, -20, -35}, {&c, 1, 0, 5},
  };
  for (const auto& t : table) {
    SCOPED_TRACE(testing::Message() << "series " << t.S->SeriesIndex() << " point " << t.Index);
    EXPECT_DOUBLE_EQ(t.S->PointOrigin(t.Index, false), t.From);
    const TRect r = t.S->CalcBarBounds(t.Index);
    EXPECT_EQ(r.Bottom, a.CalcYPosValue(t.From));
    EXPECT_EQ(r.Top, a.CalcYPosValue(t.To));
  }
  EXPECT_DOUBLE_EQ(c.PointOrigin(1, true), 40);  // |-20| + |-15| + 5
  EXPECT_DOUBLE_EQ(b.MinYValue(), -35);
}

TEST(BarLayout, HundredPercentStacksScaleToTheTotalAndAllZeroIndexesGiveZero) {
  TSeriesChart f;
  auto& a = AddBars(f, {25, 0, 10});
  auto& b = AddBars(f, {75, 0, 30});
  a.SetMultiBar(mbStacked100);
  LayoutBars(f);
  EXPECT_EQ(b.CalcBarBounds(0).Bottom, b.CalcYPosValue(25));
  EXPECT_EQ(b.CalcBarBounds(0).Top, b.CalcYPosValue(100));
  EXPECT_EQ(a.CalcYPos(1), 0);
  EXPECT_EQ(a.GetOriginPos(1), 0);
  EXPECT_EQ(b.MaxYValue(), 100);
  EXPECT_EQ(b.MinYValue(), 0);
}

TEST(BarLayout, DepthPercentShrinksTheDepthFromBothSides) {
  const struct { int Percent, Start, End; } table[] = {{0, 0, 40}, {50, 10, 30}, {100, 0, 40}};
  for (const auto& t : table) {
    SCOPED_TRACE(t.Percent);
    TSeriesChart f;
    f.Begin3D(40, 40);
    auto& s = AddBars(f, {10, 20});
    s.SetDepthPercent(t.Percent);
    LayoutBars(f);
    EXPECT_EQ(s.StartZ, t.Start);
    EXPECT_EQ(s.EndZ, t.End);
  }
}

TEST(BarLayout, FullWidthBarsWithoutSharingTouchTheirNeighbours) {
  TSeriesChart f;
  auto& s = AddBars(f, {10, 20, 30});
  s.SetMultiBar(mbNone);
  s.SetBarWidthPercent(100);
  LayoutBars(f);
  // Pen width 1: the right edge is the next bar's left edge plus one.
  EXPECT_EQ(s.CalcBarBounds(0).Right, s.CalcBarBounds(1).Left + 1);
  EXPECT_EQ(s.CalcBarBounds(1).Right, s.CalcBarBounds(2).Left + 1);
  EXPECT_EQ(s.CalcBarBounds(2).Right, s.CalcBarBounds(2).Left + s.IBarSize + 1);
  s.GetPen()->SetWidth(4);
  EXPECT_EQ(s.CalcBarBounds(0).Right, s.CalcBarBounds(1).Left + 1 - 2);
}

TEST(BarLayout, OddThicknessIsMadeEvenAndCustomWidthIsKept) {
  TSeriesChart f;
  auto& s = f.Add<TBarSeries>();
  for (int i = 0; i < 15; ++i) s.Add(10);
  s.SetMultiBar(mbNone);
  LayoutBars(f);
  EXPECT_EQ(s.IMaxBarPoints, 16);
  EXPECT_EQ(s.IBarSize, 8);  // 112 / 16 = 7
  s.SetCustomBarWidth(7);
  LayoutBars(f);
  EXPECT_EQ(s.IBarSize, 7);
}

TEST(BarLayout, MultiBarReachesEveryBarSeriesAndNewOnesAdoptIt) {
  TSeriesChart f;
  auto& a = AddBars(f, {1});
  auto& b = AddBars(f, {1});
  auto& c = AddBars(f, {1});
  b.SetMultiBar(mbStacked100);
  EXPECT_EQ(a.GetMultiBar(), mbStacked100);
  EXPECT_EQ(c.GetMultiBar(), mbStacked100);
  auto& d = AddBars(f, {1});
  EXPECT_EQ(d.GetMultiBar(), mbStacked100);
  c.SetMultiBar(mbSelfStack);
  EXPECT_FALSE(a.CalcVisiblePoints);
  // Horizontal bars are of another class and keep their own mode.
  auto& h = AddBars<THorizBarSeries>(f, {1});
  EXPECT_EQ(h.GetMultiBar(), mbSide);
}

TEST(BarLayout, SideAllSelfStackAndOffsetPlaceBarsAlongTheCategoryAxis) {
  TSeriesChart f;
  auto& a = AddBars(f, {10, 20});
  auto& b = AddBars(f, {30, 40, 50});
  a.SetMultiBar(mbSideAll);
  LayoutBars(f);
  EXPECT_EQ(b.IPreviousCount, 2);
  EXPECT_EQ(b.MaxXValue(), 4);
  // B's first bar follows A's two along the axis.
  EXPECT_EQ(b.CalcXPos(0), b.CalcXPosValue(2) - b.IBarSize / 2);
  a.SetMultiBar(mbSelfStack);
  b.GetSelfStack()->SetUsePosition(true);
  b.GetSelfStack()->SetPosition(7);
  LayoutBars(f);
  EXPECT_EQ(a.MinXValue(), 0);  // its place in the chart's list
  EXPECT_EQ(b.MinXValue(), 7);
  EXPECT_DOUBLE_EQ(b.PointOrigin(2, false), 70);  // 30 + 40 on the same side
  EXPECT_EQ(b.MaxYValue(), 120);
  a.SetMultiBar(mbNone);
  a.SetOffsetPercent(50);
  LayoutBars(f);
  EXPECT_EQ(a.CalcXPos(0), a.CalcXPosValue(0) - a.IBarSize / 2 + a.IBarSize / 2);
}

TEST(BarLayout, HorizontalBarsRunFromTheLeftOrigin) {
  TSeriesChart f;
  auto& s = AddBars<THorizBarSeries>(f, {5, 8});
  f.Panel.GetLeftAxis()->SetMinMax(0, 10);
  f.Place(TRect{20, 10, 180, 130});
  LayoutBars(f);
  EXPECT_FALSE(s.YMandatory);
  EXPECT_EQ(s.NotMandatoryAxis(), f.Panel.GetLeftAxis());
  const TRect r = s.CalcBarBounds(1);
  EXPECT_EQ(r.Left, s.CalcXPosValue(0));
  EXPECT_EQ(r.Right, s.CalcXPosValue(8));
  EXPECT_EQ(r.Top, s.CalcYPosValue(1) - s.IBarSize / 2);
  EXPECT_EQ(r.Bottom, r.Top + s.IBarSize - 1);
  EXPECT_EQ(s.MaxXValue(), 8);
}

TEST(BarLayout, DrawOrderOfStackedSeriesKeepsGroupsTogether) {
  TSeriesChart f;
  auto& a = AddBars(f, {10, -10});
  auto& b = AddBars(f, {10, -10});
  auto& c = AddBars(f, {10, -10});
  a.SetMultiBar(mbStacked);
  b.SetStackGroup(1);
  // Positive values go after the last of their group, negative ones
  // before the first.
  EXPECT_EQ(a.SortDrawSeries(0, 3, 0), (std::vector<int>{0, 2, 1}));
  EXPECT_EQ(a.SortDrawSeries(0, 3, 1), (std::vector<int>{2, 0, 1}));
  a.SetMultiBar(mbSelfStack);
  auto& d = AddBars(f, {5, -3, 4, -2});
  EXPECT_EQ(d.SortDrawPoints(0, 3, true), (std::vector<int>{3, 1, 0, 2}));
  EXPECT_TRUE(a.SortDrawPoints(0, 1, true).size() == 2);
  a.SetMultiBar(mbSide);
  EXPECT_TRUE(a.SortDrawPoints(0, 1, true).empty());
}

TEST(BarLayout, CopyingTakesTheModeAndTheLook) {
  TBarSeries a, b;
  a.SetBarStyle(bsCone);
  a.SetYOrigin(5);
  a.SetStackGroup(3);
  a.SetBarWidthPercent(40);
  a.SetRoundSize(9);
  a.GetTickLines()->SetColor(clBlue);
  a.SetValueFormat("0.0");
  b.Assign(&a);
  EXPECT_EQ(b.GetBarStyleProp(), bsCone);
  EXPECT_EQ(b.GetYOrigin(), 5);
  EXPECT_EQ(b.GetStackGroup(), 3);
  // Copying takes the look too (through the formatting).
  EXPECT_EQ(b.GetBarWidthPercent(), 40);
  TBarSeries c;
  c.AssignFormatting(&a);
  EXPECT_EQ(c.GetBarWidthPercent(), 40);
  EXPECT_EQ(c.GetBarStyleProp(), bsRectangle);
  // Then the series base's formatting.
  EXPECT_EQ(c.GetValueFormat(), "0.0");
  EXPECT_EQ(b.GetRoundSize(), 9);
  ASSERT_TRUE(b.HasTickLines());
  EXPECT_EQ(b.GetTickLines()->GetColor(), clBlue);
  a.SetTickLines(nullptr);
  b.AssignFormatting(&a);
  EXPECT_FALSE(b.HasTickLines());
}

TEST(BarLayout, ValueMarginsMakeRoomForMarksOnTheValueSide) {
  TSeriesChart f;
  auto& s = AddBars(f, {10, 20});
  s.GetMarks()->SetVisible(true);
  LayoutBars(f);
  int top = 0, bottom = 0;
  s.CalcVerticalMargins(top, bottom);
  EXPECT_GT(top, s.GetMarks()->GetCallout()->GetLength());
  EXPECT_EQ(bottom, 0);
  int left = 0, right = 0;
  s.CalcHorizMargins(left, right);
  EXPECT_EQ(left, s.IBarSize);
  EXPECT_EQ(right, s.IBarSize);
  s.SetMarksOnBar(true);
  top = bottom = 0;
  s.CalcVerticalMargins(top, bottom);
  // Half the pen width rounds to even (0), plus two, plus one.
  EXPECT_EQ(top, 0 + 2 + 1);
}

TEST(BarLayout, SettingsStreamUnderTheirNamesAndReadBack) {
  TBarSeries bar;
  bar.SetMultiBar(mbStacked);
  bar.SetBarStyle(bsCone);
  bar.SetCustomBarWidth(12);
  bar.SetYOrigin(2.5);
  bar.SetUseYOrigin(false);
  TMemoryStream binary, text;
  {
    TWriter w(&binary);
    w.WriteRootComponent(&bar);
  }
  binary.SetPosition(0);
  ObjectBinaryToText(&binary, &text);
  const std::string s(static_cast<const char*>(text.Memory()), size_t(text.GetSize()));
  for (const char* line : {"MultiBar = mbStacked", "BarStyle = bsCone", "CustomBarWidth = 12",
                           "UseYOrigin = False", "YOrigin = 2.5"})
    EXPECT_NE(s.find(line), std::string::npos) << line << "\n" << s;
  for (const char* name : {"BarWidthPercent", "SideMargins", "TickLines", "AutoMarkPosition"})
    EXPECT_EQ(s.find(name), std::string::npos) << name;
  binary.SetPosition(0);
  TBarSeries back;
  {
    TReader r(&binary);
    r.ReadRootComponent(&back);
  }
  EXPECT_EQ(back.GetMultiBar(), mbStacked);
  EXPECT_EQ(back.GetBarStyleProp(), bsCone);
  EXPECT_EQ(back.GetCustomBarWidth(), 12);
  EXPECT_FALSE(back.GetUseYOrigin());
  EXPECT_EQ(THorizBarSeries::Class()->FindProperty("CustomBarWidth"), nullptr);
  EXPECT_NE(THorizBarSeries::Class()->FindProperty("CustomBarHeight"), nullptr);
}

TEST(BarLayout, GalleryVariantsBuildASecondSeriesForTheSharingModes) {
  TBarSeries probe;
  std::vector<std::string> names;
  probe.CreateSubGallery([&](const std::string& N) { names.push_back(N); });
  ASSERT_EQ(names.size(), 10u);
  EXPECT_EQ(names[5], PlotMsg_Stack);
  EXPECT_EQ(names[9], PlotMsg_SideAll);

  TSeriesChart f;
  auto& s = f.Add<TBarSeries>();
  s.PrepareForGallery();
  EXPECT_EQ(s.GetMultiBar(), mbNone);
  EXPECT_TRUE(s.GetGradient()->GetVisible());
  s.SetSubGallery(&s, 6);
  ASSERT_EQ(f.Panel.SeriesCount(), 2);
  auto* other = dynamic_cast<TBarSeries*>(f.Panel.GetSeries(1));
  ASSERT_NE(other, nullptr);
  f.Series.emplace_back(other);
  EXPECT_EQ(s.Count(), 2);
  EXPECT_EQ(other->Count(), 2);
  EXPECT_EQ(other->GetTitle(), "");
  EXPECT_EQ(s.GetMultiBar(), mbStacked100);
  EXPECT_EQ(other->GetMultiBar(), mbStacked100);
  EXPECT_EQ(other->GetBarWidthPercent(), 85);
  EXPECT_EQ(s.NumSampleValues(), 2);
}

TEST(BarLayout, VisibleRangeTakesBarsThatReachIntoTheChart) {
  TSeriesChart f;
  f.Panel.ChartRect = TRect{20, 10, 180, 130};
  auto& s = f.Add<TBarSeries>();
  for (double x : {-0.5, 2.0, 5.0, 10.5, 13.0}) s.AddXY(x, 50);
  s.SetMultiBar(mbNone);
  s.SetCustomBarWidth(20);  // 10 pixels, 0.625 categories, each side
  LayoutBars(f);
  s.CalcFirstLastVisibleIndex();
  // -0.5 and 10.5 lie outside the axis, but their bars reach into it.
  EXPECT_EQ(s.FFirstVisibleIndex, 0);
  EXPECT_EQ(s.FLastVisibleIndex, 3);
  f.Panel.SetMaxPointsPerPage(1);
  f.Panel.SetPage(3);
  s.CalcFirstLastVisibleIndex();
  EXPECT_EQ(s.FFirstVisibleIndex, 2);
  EXPECT_EQ(s.FLastVisibleIndex, 2);
  s.SetMultiBar(mbSelfStack);
  s.CalcFirstLastVisibleIndex();
  EXPECT_EQ(s.FFirstVisibleIndex, 0);
  EXPECT_EQ(s.FLastVisibleIndex, 4);
}

}  // namespace
