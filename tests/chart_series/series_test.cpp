// The line, point and area series' settings: fixed settings after copying,
// stacking shared across series, origins and ranges, per-point pointers,
// margins, smoothing and the published properties.

#include <gtest/gtest.h>

#include <memory>

#include "chart/SeriesMarks.h"
#include "chart/SmoothingFunction.h"
#include "platform/rtl/SysUtils.h"
#include "series_fixture.h"

namespace {

TEST(CustomSeries, PointSeriesKeepsItsFixedSettingsAfterAssign) {
  TSeriesChart f;
  auto& point = f.Add<TPointSeries>({1, 10});
  auto& line = f.Add<TLineSeries>({1, 10});
  EXPECT_TRUE(point.GetPointer()->GetVisible());
  EXPECT_FALSE(point.GetDrawLine());
  EXPECT_FALSE(point.GetClickableLine());
  line.SetStairs(true);
  point.Assign(&line);
  EXPECT_TRUE(point.GetPointer()->GetVisible());
  EXPECT_FALSE(point.GetDrawLine());
  EXPECT_FALSE(point.GetDrawArea());
  EXPECT_FALSE(point.GetClickableLine());

  // A line series copied from a point series hides its pointer again.
  point.SetClickTolerance(3);
  line.Assign(&point);
  EXPECT_FALSE(line.GetPointer()->GetVisible());
  EXPECT_TRUE(line.GetDrawLine());
  EXPECT_EQ(line.GetClickTolerance(), 3);
}

TEST(CustomSeries, AreaAssignFromANonSeriesIsAnInvalidCast) {
  TAreaSeries area;
  TPlotPen pen;
  EXPECT_THROW(area.Assign(&pen), EInvalidCast);
}

TEST(CustomSeries, StackedReachesEverySeriesOfTheClass) {
  TSeriesChart f;
  auto& a = f.Add<TLineSeries>();
  auto& b = f.Add<TLineSeries>();
  auto& c = f.Add<TLineSeries>();
  auto& point = f.Add<TPointSeries>();
  b.SetStacked(cssStack);
  EXPECT_EQ(a.GetStacked(), cssStack);
  EXPECT_EQ(b.GetStacked(), cssStack);
  EXPECT_EQ(c.GetStacked(), cssStack);
  EXPECT_EQ(point.GetStacked(), cssNone);

  auto& area = f.Add<TAreaSeries>();
  area.SetMultiArea(maStacked);
  EXPECT_EQ(area.GetStacked(), cssStack);
  EXPECT_EQ(area.GetMultiArea(), maStacked);
  area.SetStacked(cssOverlap);
  EXPECT_EQ(area.GetMultiArea(), maNone);
}

TEST(CustomSeries, StackedPositionsAndRanges) {
  TSeriesChart f;
  auto& a = f.Add<TAreaSeries>({1, 20, 2, 30});
  auto& b = f.Add<TAreaSeries>({1, 10, 2, 50});
  a.SetMultiArea(maStacked);
  EXPECT_DOUBLE_EQ(b.PointOrigin(1, false), 30);
  EXPECT_DOUBLE_EQ(b.PointOrigin(1, true), 80);
  EXPECT_EQ(b.CalcYPos(0), f.Panel.GetLeftAxis()->CalcYPosValue(30));
  EXPECT_EQ(b.GetOriginPos(0), f.Panel.GetLeftAxis()->CalcYPosValue(20));
  EXPECT_DOUBLE_EQ(b.MaxYValue(), 80);
  EXPECT_DOUBLE_EQ(a.MaxYValue(), 30);

  a.SetMultiArea(maStacked100);
  EXPECT_DOUBLE_EQ(b.MaxYValue(), 100);
  EXPECT_EQ(b.CalcYPos(1), f.Panel.GetLeftAxis()->CalcYPosValue(100));
  EXPECT_EQ(a.CalcYPos(1), f.Panel.GetLeftAxis()->CalcYPosValue(30 * 100.0 / 80));

  // Another stack group does not stack on the first.
  b.SetStackGroup(1);
  EXPECT_DOUBLE_EQ(b.PointOrigin(1, false), 0);
}

TEST(CustomSeries, Stack100OfZerosSitsAtTheAxisEnd) {
  TSeriesChart f;
  auto& a = f.Add<TLineSeries>({1, 0});
  auto& b = f.Add<TLineSeries>({1, 0});
  a.SetStacked(cssStack100);
  EXPECT_EQ(b.CalcYPos(0), f.Panel.GetLeftAxis()->IEndPos);
  EXPECT_EQ(a.CalcYPos(0), f.Panel.GetLeftAxis()->IEndPos);
}

TEST(CustomSeries, OriginFollowsAxisAndYOrigin) {
  TSeriesChart f;
  auto& area = f.Add<TAreaSeries>({1, 40, 2, 60});
  EXPECT_EQ(area.GetOriginPos(0), 130);  // bottom of the plot
  f.Panel.GetLeftAxis()->SetInverted(true);
  f.Place(TRect{20, 10, 180, 130});
  EXPECT_EQ(area.GetOriginPos(0), 10);
  f.Panel.GetLeftAxis()->SetInverted(false);
  f.Place(TRect{20, 10, 180, 130});
  area.SetUseYOrigin(true);
  area.SetYOrigin(50);
  EXPECT_EQ(area.GetOriginPos(0), 70);
  area.SetYOrigin(-10);
  EXPECT_DOUBLE_EQ(area.MinYValue(), -10);
  EXPECT_DOUBLE_EQ(area.MaxYValue(), 60);

  auto& horiz = f.Add<THorizAreaSeries>({40, 1, 60, 2});
  EXPECT_EQ(horiz.GetOriginPos(0), 20);  // left of the plot
}

TEST(CustomSeries, PerPointPointersAreMadeFromTheSeriesPointer) {
  TSeriesChart f;
  auto& s = f.Add<TPointSeries>({0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7});
  TSeriesPointerItems* p = s.GetPointer();
  p->SetStyle(psDiamond);
  EXPECT_EQ(p->Count(), 0);
  TSeriesPointer* five = p->Get(5);
  EXPECT_EQ(p->Count(), 6);
  EXPECT_EQ(five->GetStyle(), psDiamond);
  EXPECT_EQ(p->InternalGet(3), p);  // entries 0..4 stay empty
  EXPECT_EQ(p->InternalGet(5), five);

  p->Get(2)->SetStyle(psStar);
  p->Get(3)->SetStyle(psCross);
  s.Delete(2);
  EXPECT_EQ(p->Count(), 5);
  EXPECT_EQ(p->InternalGet(2)->GetStyle(), psCross);
  EXPECT_EQ(p->InternalGet(4), five);

  p->Put(4, nullptr);
  EXPECT_EQ(p->InternalGet(4), p);
  p->Put(9, nullptr);  // beyond the list: nothing
  EXPECT_EQ(p->Count(), 5);
  p->Delete(7);
  EXPECT_EQ(p->Count(), 5);
  p->Clear();
  EXPECT_EQ(p->Count(), 0);
}

TEST(CustomSeries, MarginsForPointerAndPens) {
  TSeriesChart f;
  auto& line = f.Add<TLineSeries>({1, 10, 2, 20});
  const struct {
    int Width;
    bool Stairs;
    int Expected;
  } cases[] = {{1, false, 0}, {2, false, 2}, {5, false, 3}, {3, true, 3}};  // 2.5 rounds to 2
  for (const auto& c : cases) {
    line.GetLinePen()->SetWidth(c.Width);
    line.SetStairs(c.Stairs);
    int l = 0, r = 0, t = 0, b = 0;
    line.CalcHorizMargins(l, r);
    line.CalcVerticalMargins(t, b);
    EXPECT_EQ(l, c.Expected) << c.Width;
    EXPECT_EQ(b, c.Expected) << c.Width;
  }
  line.GetPointer()->SetVisible(true);
  line.GetLinePen()->SetWidth(1);
  line.SetStairs(false);
  int l = 0, r = 0;
  line.CalcHorizMargins(l, r);
  EXPECT_EQ(l, 5);  // half size 4 and a 1-pixel pen
}

TEST(CustomSeries, MarksPlacementAndMargins) {
  TSeriesChart f;
  auto& line = f.Add<TLineSeries>({1, 10, 2, 20});
  TSeriesMarks* marks = line.GetMarks();
  marks->GetCallout()->SetDistance(2);
  int t = 0, b = 0;
  line.CalcVerticalMargins(t, b);
  EXPECT_EQ(t, 0);  // hidden marks need no room
  marks->SetVisible(true);
  line.CalcVerticalMargins(t, b);
  EXPECT_EQ(t, 10);  // length 8 and distance 2

  // A vertical series' box stands above its point at the series' front depth.
  line.StartZ = 5;
  TSeriesMarkPosition p;
  p.ArrowFrom = p.ArrowTo = TPoint{60, 80};
  p.LeftTop = TPoint{50, 70};
  p.Width = 20;
  p.Height = 10;
  line.DrawMark(0, "10", p);
  EXPECT_EQ(marks->GetZPosition(), 5);
  EXPECT_EQ(p.LeftTop.Y, 60);
  EXPECT_EQ(p.ArrowTo.Y, 70);
  EXPECT_EQ(p.ArrowFrom.Y, 78);

  // A horizontal series' box stands beside its point, away from the origin.
  auto& horiz = f.Add<THorizLineSeries>({5, 1, 6, 2});
  TSeriesMarks* hm = horiz.GetMarks();
  hm->SetVisible(true);
  hm->GetCallout()->SetDistance(2);
  const int origin = horiz.GetOriginPos(0);
  TSeriesMarkPosition h;
  h.ArrowFrom = h.ArrowTo = TPoint{origin + 40, 50};
  h.LeftTop = TPoint{origin + 30, 40};
  h.Width = 20;
  h.Height = 10;
  horiz.DrawMark(0, "5", h);
  EXPECT_EQ(h.LeftTop.X, origin + 30 + 10 + 10);
  EXPECT_EQ(h.LeftTop.Y, 45);
  EXPECT_EQ(h.ArrowTo.X, origin + 50);
  EXPECT_EQ(h.ArrowFrom.X, origin + 42);
  int l = 0, r = 0;
  horiz.CalcHorizMargins(l, r);
  EXPECT_EQ(r, horiz.MaxMarkWidth());

  auto& area = f.Add<THorizAreaSeries>({5, 1, 6, 2});
  area.GetMarks()->GetCallout()->SetDistance(2);
  TSeriesMarkPosition a;
  a.ArrowFrom = TPoint{100, 52};
  a.ArrowTo = TPoint{100, 50};
  a.LeftTop = TPoint{90, 40};
  a.Width = 20;
  a.Height = 10;
  area.DrawMark(0, "5", a);
  EXPECT_EQ(a.LeftTop, (TPoint{110, 45}));
  EXPECT_EQ(a.ArrowTo, (TPoint{110, 50}));
  EXPECT_EQ(a.ArrowFrom, (TPoint{102, 50}));

  // The "Marks" entry of each sub-gallery shows the marks.
  for (auto [index, make] :
       {std::pair<int, TChartSeries* (*)()>{6, []() -> TChartSeries* { return new TLineSeries; }},
        {2, []() -> TChartSeries* { return new TPointSeries; }},
        {2, []() -> TChartSeries* { return new TAreaSeries; }}}) {
    std::unique_ptr<TChartSeries> source(make()), target(make());
    std::vector<std::string> names;
    source->CreateSubGallery([&](const std::string& N) { names.push_back(N); });
    ASSERT_GT(names.size(), size_t(index));
    EXPECT_EQ(names[index], "Marks");
    source->SetSubGallery(target.get(), index);
    EXPECT_TRUE(target->GetMarks()->GetVisible()) << names[0];
  }
}

TEST(CustomSeries, SmoothedLineDrawsACurveAndGivesThePointsBack) {
  TSeriesChart f;
  auto& line = f.Add<TLineSeries>({0, 10, 2, 80, 4, 30, 6, 60, 8, 20});
  line.SetSmoothed(true);
  line.DoBeforeDrawChart();
  ASSERT_NE(line.SmoothSeries(), nullptr);
  EXPECT_EQ(line.SmoothSeries()->Count(), 5);
  EXPECT_EQ(line.Count(), 41);                          // eight steps per point
  EXPECT_NEAR(line.YValues()->GetValue(10), 80, 1e-9);  // passes through point 1

  line.SetSmoothed(false);
  line.DoBeforeDrawChart();
  EXPECT_EQ(line.SmoothSeries(), nullptr);
  ASSERT_EQ(line.Count(), 5);
  EXPECT_DOUBLE_EQ(line.YValues()->GetValue(1), 80);
  EXPECT_EQ(line.GetFunction(), nullptr);

  // A series freed while smoothed frees its hidden copy cleanly.
  auto* other = new TLineSeries();
  other->AddArray(std::vector<double>{1, 5, 2, 8});
  other->SetSmoothed(true);
  other->DoBeforeDrawChart();
  EXPECT_NE(other->SmoothSeries(), nullptr);
  delete other;
}

TEST(CustomSeries, PublishedPropertiesAndGalleries) {
  const struct {
    const TClassInfo* Class;
    const char* Name;
    bool Published;
  } cases[] = {
      {TLineSeries::Class(), "LinePen", true},     {TLineSeries::Class(), "Stacked", true},
      {TLineSeries::Class(), "OutLine", true},     {TLineSeries::Class(), "AreaColor", false},
      {TAreaSeries::Class(), "MultiArea", true},   {TAreaSeries::Class(), "Stacked", false},
      {TAreaSeries::Class(), "LineHeight", false}, {TPointSeries::Class(), "Pointer", true},
      {TPointSeries::Class(), "Stairs", false},    {THorizLineSeries::Class(), "Stairs", true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.Class->FindProperty(c.Name) != nullptr, c.Published)
        << c.Class->Name() << "." << c.Name;

  std::vector<std::string> names;
  TPointSeries point;
  point.CreateSubGallery([&](const std::string& N) { names.push_back(N); });
  ASSERT_EQ(names.size(), 16u);
  EXPECT_EQ(names[15], "Arrow");
  TPointSeries target;
  point.SetSubGallery(&target, 9);
  EXPECT_EQ(target.GetPointer()->GetStyle(), psCircle);
  EXPECT_EQ(target.GetPointer()->GetHorizSize(), 8);
  TAreaSeries area, stacked;
  area.SetSubGallery(&stacked, 7);
  EXPECT_EQ(stacked.GetMultiArea(), maStacked100);
  EXPECT_EQ(SeriesHatchStyle(7), bsVertical);
}

}  // namespace
