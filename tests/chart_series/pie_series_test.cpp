// Pie series: slice angles, the other slice and its legend, exploding,
// concentric and automatic layouts, donut holes, hit testing, the chart's
// 3D view while a pie is active, and slice colours on the canvas in 2D and
// 3D.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "chart/Legend.h"
#include "chart/PlotView3D.h"
#include "pie_fixture.h"

namespace {

constexpr double Pi = std::numbers::pi;

double Deg(double Radians) { return Radians * 180 / Pi; }

// The pixel at angle A (degrees, counter-clockwise) on fraction K of the
// pie's radii.
TPoint At(const TPieSeries& P, double A, double K) {
  const double t = A * Pi / 180;
  return TPoint{P.GetCircleXCenter() + int(std::lround(P.GetXRadius() * K * std::cos(t))),
                P.GetCircleYCenter() - int(std::lround(P.GetYRadius() * K * std::sin(t)))};
}

TEST(PieSeries, SliceAnglesFollowTheAbsoluteValues) {
  struct Case {
    std::initializer_list<double> Values;
    int AngleSize;
    std::vector<double> Sizes;
  };
  const Case cases[] = {
      {{1, 1, 2}, 360, {90, 90, 180}},
      {{1, 1, 2}, 180, {45, 45, 90}},
      {{1, -1, 2}, 360, {90, 90, 180}},
      {{0, 0}, 360, {360, 0}},  // a zero total: the first slice takes the whole angle
  };
  for (const Case& c : cases) {
    TSeriesChart f;
    auto& p = PlainPie(f, c.Values);
    p.SetAngleSize(c.AngleSize);
    PaintPies(f);
    ASSERT_EQ(p.Angles().size(), c.Sizes.size());
    double start = 0;
    for (size_t i = 0; i < c.Sizes.size(); ++i) {
      const TPieAngle& a = p.Angles()[i];
      EXPECT_NEAR(Deg(a.StartAngle), start, 1e-9) << i;
      EXPECT_NEAR(Deg(a.EndAngle - a.StartAngle), c.Sizes[i], 1e-9) << i;
      EXPECT_NEAR(a.MidAngle, (a.StartAngle + a.EndAngle) / 2, 1e-12);
      start += c.Sizes[i];
    }
  }
}

TEST(PieSeries, OtherSliceGroupsSmallValuesForOnePaint) {
  TSeriesChart f;
  auto& p = PlainPie(f, {50, 45, 3, 2});
  p.GetOtherSlice()->SetStyle(poBelowPercent);
  p.GetOtherSlice()->SetValue(10);
  for (int paint = 0; paint < 2; ++paint) {  // a second paint does not add it again
    PaintPies(f);
    ASSERT_EQ(p.Count(), 5);
    EXPECT_TRUE(p.BelongsToOtherSlice(2));
    EXPECT_TRUE(p.BelongsToOtherSlice(3));
    EXPECT_EQ(p.GetxValue(4), PieOtherSliceX);
    EXPECT_EQ(p.GetyValue(4), 5);
    EXPECT_EQ(p.GetXLabel(4), "Other");
  }
  // The grouped values count once: the other slice is 5 % of the circle,
  // drawn after the kept ones.
  EXPECT_NEAR(Deg(p.Angles()[4].EndAngle - p.Angles()[4].StartAngle), 18, 1e-9);
  EXPECT_NEAR(Deg(p.Angles()[4].EndAngle), 360, 1e-9);
  EXPECT_EQ(p.Angles()[2].EndAngle, p.Angles()[2].StartAngle);

  EXPECT_EQ(p.CountLegendItems(), 3);
  EXPECT_EQ(p.LegendToValueIndex(2), 4);
  p.GetOtherSlice()->LegendDrawing = true;
  EXPECT_EQ(p.CountLegendItems(), 2);
  EXPECT_EQ(p.LegendToValueIndex(0), 2);
  EXPECT_EQ(p.LegendToValueIndex(1), 3);
  p.GetOtherSlice()->LegendDrawing = false;

  p.GetOtherSlice()->SetStyle(poNone);
  PaintPies(f);
  EXPECT_EQ(p.Count(), 4);
  EXPECT_FALSE(p.BelongsToOtherSlice(3));
}

TEST(PieSeries, OtherSliceLegendListsTheGroupedPoints) {
  TSeriesChart f(300, 200);
  auto& p = PlainPie(f, {});
  const char* labels[] = {"Alpha", "Beta", "Gamma", "Delta"};
  const double values[] = {50, 45, 3, 2};
  for (int i = 0; i < 4; ++i) p.Add(values[i], labels[i]);
  p.GetOtherSlice()->SetStyle(poBelowPercent);
  p.GetOtherSlice()->SetValue(10);
  EXPECT_FALSE(p.GetOtherSlice()->HasLegend());
  TChartLegend* legend = p.GetOtherSlice()->GetLegend();
  EXPECT_EQ(legend->GetSeries(), &p);
  EXPECT_FALSE(legend->GetVisible());
  PaintPies(f);
  EXPECT_EQ(f.Canvas->Count("TextOut"), 0u);  // an invisible legend draws nothing

  legend->SetVisible(true);
  f.Canvas->ClearLog();
  const TRect chartRect = f.Panel.ChartRect;
  PaintPies(f);
  std::string texts;
  for (const std::string& c : f.Canvas->Calls("TextOut")) texts += c;
  EXPECT_NE(texts.find("Gamma"), std::string::npos) << texts;
  EXPECT_NE(texts.find("Delta"), std::string::npos) << texts;
  EXPECT_EQ(texts.find("Alpha"), std::string::npos) << texts;
  EXPECT_EQ(texts.find("Other"), std::string::npos) << texts;
  EXPECT_FALSE(p.GetOtherSlice()->LegendDrawing);
  EXPECT_EQ(f.Panel.ChartRect, chartRect);

  p.GetOtherSlice()->SetLegend(nullptr);
  EXPECT_FALSE(p.GetOtherSlice()->HasLegend());
}

TEST(PieSeries, ExplodeBiggestMovesTheSliceAndShrinksTheCircle) {
  TSeriesChart plain, exploded;
  PlainPie(plain, {1, 5, 5});
  auto& p = PlainPie(exploded, {1, 5, 5}, {clRed, clLime, clBlue});
  p.SetExplodeBiggest(30);
  PaintPies(plain);
  PaintPies(exploded);
  EXPECT_EQ(p.ExplodedSlice().Get(0), 0);
  EXPECT_EQ(p.ExplodedSlice().Get(1), 30);
  EXPECT_EQ(p.ExplodedSlice().Get(2), 0);
  auto* q = static_cast<TPieSeries*>(plain.Series[0].get());
  EXPECT_LT(p.GetXRadius(), q->GetXRadius());
  int ox, oy;
  p.CalcExplodedOffset(1, ox, oy);
  EXPECT_NE(ox, 0);
  // The exploded slice stays inside the chart rectangle.
  const TRect chart = exploded.Panel.ChartRect;
  EXPECT_GE(p.GetCircleXCenter() + ox - p.GetXRadius(), chart.Left - 1);
  EXPECT_LE(p.GetCircleYCenter() - oy + p.GetYRadius(), chart.Bottom + 1);
  // Its middle is painted off the circle's centre line in the lime colour.
  const double mid = Deg(p.Angles()[1].MidAngle);
  const TPoint m = At(p, mid, 0.5);
  EXPECT_EQ(exploded.Canvas->Pixel(m.X + ox, m.Y - oy), clLime);
}

TEST(PieSeries, ConcentricPiesAreRingsAroundEachOther) {
  TSeriesChart f(200, 200);
  f.Place(TRect{0, 0, 200, 200});
  auto& inner = PlainPie(f, {1, 1});
  auto& outer = PlainPie(f, {1, 1});
  inner.SetMultiPie(mpConcentric);
  outer.SetMultiPie(mpConcentric);
  int innerDonut = -1, outerDonut = -1, innerRadius = 0, outerRadius = 0;
  PaintPies(f, [&](TPieSeries& p) {
    (&p == &inner ? innerDonut : outerDonut) = p.GetDonutPercent();
    (&p == &inner ? innerRadius : outerRadius) = p.GetXRadius();
  });
  EXPECT_EQ(innerDonut, 0);
  EXPECT_EQ(innerRadius * 2, outerRadius);
  EXPECT_EQ(outerDonut, 50);
  EXPECT_EQ(outer.GetDonutPercent(), 0);  // given back after the paint
}

TEST(PieSeries, FourAutomaticPiesShareATwoByTwoGrid) {
  TSeriesChart f(200, 200);
  f.Place(TRect{0, 0, 200, 200});
  std::vector<TPieSeries*> pies;
  for (int i = 0; i < 4; ++i) pies.push_back(&PlainPie(f, {1, 2}));
  pies[0]->SetCircled(false);  // shared by all four
  for (int i = 0; i < 4; ++i) {
    auto* p = pies[i];
    TRect cell;
    PaintPies(f, [&](TPieSeries& s) {
      if (&s == p) cell = f.Panel.ChartRect;
    });
    const int col = i % 2, row = i / 2;
    EXPECT_EQ(cell, (TRect{col * 100, row * 100, col * 100 + 90, row * 100 + 90})) << i;
    EXPECT_EQ(p->GetCircleXCenter(), col * 100 + 45) << i;
    EXPECT_EQ(p->GetCircleYCenter(), row * 100 + 45) << i;
  }
  EXPECT_EQ(f.Panel.ChartRect, (TRect{0, 0, 200, 200}));  // given back after the paint
}

TEST(PieSeries, DonutSkipsZeroSlicesAndBevelAddsARing) {
  TSeriesChart f;
  auto& p = PlainPie(f, {1, 0, 1}, {clRed, clGreen, clBlue});
  p.SetDonutPercent(50);
  PaintPies(f);
  EXPECT_EQ(f.Canvas->Count("Donut"), 0u);  // the canvas logs no Donut of its own
  EXPECT_EQ(f.CountColor(clGreen), 0);
  EXPECT_EQ(f.Canvas->Pixel(p.GetCircleXCenter(), p.GetCircleYCenter()), clWhite);
  EXPECT_EQ(f.Canvas->Pixel(At(p, 90, 0.75).X, At(p, 90, 0.75).Y), clRed);
  EXPECT_EQ(f.Canvas->Pixel(At(p, 270, 0.75).X, At(p, 270, 0.75).Y), clBlue);

  TSeriesChart b;
  auto& q = PlainPie(b, {1}, {clNavy});
  q.SetBevelPercent(20);
  PaintPies(b);
  const TPoint rim = At(q, 30, 0.95), body = At(q, 30, 0.5);
  EXPECT_EQ(b.Canvas->Pixel(body.X, body.Y), clNavy);
  EXPECT_NE(b.Canvas->Pixel(rim.X, rim.Y), clNavy);
  EXPECT_NE(b.Canvas->Pixel(rim.X, rim.Y), clWhite);
}

TEST(PieSeries, ClickedFindsTheSliceUnderThePoint) {
  TSeriesChart f;
  auto& p = PlainPie(f, {1, 1, 2});
  p.SetCircled(false);
  PaintPies(f);
  struct Case {
    double Angle, K;
    int Expected;
  };
  const Case cases[] = {{45, 0.5, 0},   {135, 0.9, 1}, {260, 0.3, 2},
                        {315, 0.99, 2}, {45, 1.2, -1}, {200, 1.5, -1}};
  for (const Case& c : cases) {
    const TPoint pt = At(p, c.Angle, c.K);
    EXPECT_EQ(p.CalcClickedPie(pt.X, pt.Y, false), c.Expected) << c.Angle << " " << c.K;
    EXPECT_EQ(p.Clicked(pt.X, pt.Y), c.Expected) << c.Angle << " " << c.K;
  }
  EXPECT_EQ(p.Clicked(0, 0), -1);

  p.SetDonutPercent(50);  // the hole belongs to no slice
  PaintPies(f);
  EXPECT_EQ(p.CalcClickedPie(p.GetCircleXCenter() + 2, p.GetCircleYCenter() - 2, false), -1);
  const TPoint ring = At(p, 45, 0.75);
  EXPECT_EQ(p.CalcClickedPie(ring.X, ring.Y, false), 0);
}

TEST(PieSeries, ActivePieSetsItsViewAndGivesTheChartsBack) {
  TSeriesChart f;
  TView3DOptions* o = f.Panel.GetView3DOptions();
  o->SetOrthogonal(true);
  o->SetRotation(345);
  o->SetElevation(340);
  auto& p = PlainPie(f, {1, 2});
  EXPECT_FALSE(o->GetOrthogonal());
  EXPECT_EQ(o->GetElevation(), 315);
  EXPECT_TRUE(p.HasBackup3D());
  p.SetActive(false);
  EXPECT_TRUE(o->GetOrthogonal());
  EXPECT_EQ(o->GetElevation(), 340);
  EXPECT_EQ(int(o->GetRotationFloat()), 345);
  EXPECT_FALSE(p.HasBackup3D());
  p.SetActive(true);
  EXPECT_EQ(o->GetElevation(), 315);
  p.SetParentChart(nullptr);
  EXPECT_EQ(o->GetElevation(), 340);
  f.Series.clear();
}

TEST(PieSeries, SliceColoursReachTheCanvasIn2DAnd3D) {
  const TColor colors[] = {clRed, clLime, clBlue, clYellow};
  for (bool view3D : {false, true}) {
    TSeriesChart f(220, 220);
    if (view3D) f.Begin3D(10, 10, true);
    f.Place(TRect{10, 10, 210, 210});
    auto& p = PlainPie(f, {1, 1, 1, 1}, {clRed, clLime, clBlue, clYellow});
    p.SetDark3D(false);
    if (view3D) {
      TView3DOptions* o = f.Panel.GetView3DOptions();
      o->SetOrthogonal(true);  // the top face seen straight on
    }
    PaintPies(f);
    for (int i = 0; i < 4; ++i) {
      TPoint pt = At(p, 45 + 90 * i, 0.5);
      if (view3D) pt = f.Canvas->Calculate3DPosition(pt.X, pt.Y, 0);
      EXPECT_EQ(f.Canvas->Pixel(pt.X, pt.Y), colors[i]) << view3D << " " << i;
    }
    EXPECT_EQ(f.Canvas->Pixel(3, 3), clWhite);
  }
}

TEST(PieSeries, EditingKeepsTheSliceListsInStep) {
  TSeriesChart f;
  auto& p = PlainPie(f, {1, 2, 3});
  p.ExplodedSlice().Put(2, 40);
  p.SliceHeights().Put(1, 50);
  p.SwapValueIndex(0, 2);
  EXPECT_EQ(p.ExplodedSlice().Get(0), 40);
  EXPECT_EQ(p.ExplodedSlice().Get(2), 0);
  EXPECT_EQ(p.SliceHeights().Get(1), 50);
  p.Delete(0);
  EXPECT_EQ(p.ExplodedSlice().Get(0), 0);
  EXPECT_EQ(p.SliceHeights().Get(0), 50);
  EXPECT_EQ(p.ExplodedSlice().Get(99), 0);  // reads 0 past the end
  p.ClearLists();
  EXPECT_EQ(p.SliceHeights().Count(), 0);
  EXPECT_EQ(p.Count(), 0);
}

TEST(PieSeries, AssignFormattingCopiesThePiesLook) {
  TPieSeries a, b;
  a.SetAngleSize(180);
  a.SetDonutPercent(30);
  a.ExplodedSlice().Put(1, 20);
  a.GetOtherSlice()->SetText("Rest");
  a.GetPieMarks()->SetLegSize(7);
  a.SetRotationAngle(90);
  a.SetCustomXRadius(33);
  b.SetColorEachPoint(false);
  b.AssignFormatting(&a);
  EXPECT_EQ(b.GetAngleSize(), 180);
  EXPECT_EQ(b.GetDonutPercent(), 30);
  EXPECT_EQ(b.ExplodedSlice().Get(1), 20);
  EXPECT_EQ(b.GetOtherSlice()->GetText(), "Rest");
  EXPECT_EQ(b.GetPieMarks()->GetLegSize(), 7);
  EXPECT_EQ(b.GetRotationAngle(), 90);
  EXPECT_EQ(b.GetCustomXRadius(), 33);
  EXPECT_TRUE(b.GetColorEachPoint());
}

TEST(PieSeries, SamplesAndSubGallery) {
  TSeriesChart f;
  auto& p = PlainPie(f, {});
  p.FillSampleValues();
  ASSERT_EQ(p.Count(), 8);
  for (int i = 0; i < 8; ++i) {
    EXPECT_GE(p.GetyValue(i), 1);
    EXPECT_LE(p.GetyValue(i), 1000);
  }
  EXPECT_EQ(p.GetXLabel(0), "Cars");
  EXPECT_EQ(p.GetXLabel(7), "Chairs");

  std::vector<std::string> names;
  p.CreateSubGallery([&](const std::string& N) { names.push_back(N); });
  ASSERT_EQ(names.size(), 9u);
  EXPECT_EQ(names[0], "Normal");
  EXPECT_EQ(names[5], "Semi Pie");
  EXPECT_EQ(names[8], "Concentric");

  p.SetSubGallery(&p, 4);  // two marked slices
  ASSERT_EQ(p.Count(), 2);
  EXPECT_EQ(p.GetXLabel(1), "B");
  EXPECT_EQ(p.GetyValue(1), 72);
  EXPECT_TRUE(p.GetMarks()->GetVisible());
  p.SetSubGallery(&p, 5);
  EXPECT_EQ(p.GetAngleSize(), 180);
  p.SetSubGallery(&p, 2);
  EXPECT_EQ(p.ExplodedSlice().Get(1), 30);
}

}  // namespace
