// Marks of a pie: placed outside the slice along its middle angle or inside
// it, empty slices, legs, rotation, and tails that face the slice.

#include <gtest/gtest.h>

#include <numbers>

#include "chart/Callout.h"
#include "chart/ChartSeriesTypes.h"
#include "pie_fixture.h"

namespace {

constexpr double Pi = std::numbers::pi;

TPieSeries& MarkedPie(TSeriesChart& F, std::initializer_list<double> Values) {
  auto& p = PlainPie(F, Values, {clBlue, clGreen, clNavy});
  p.GetMarks()->SetVisible(true);
  return p;
}

TSeriesMarkPosition* MarkAt(TPieSeries& P, int Index) {
  return P.GetMarks()->GetPositions()->Get(Index);
}

TEST(PieMarks, SingleFullSliceHasItsMarkAtTheRight) {
  TSeriesChart f(300, 200);
  auto& p = MarkedPie(f, {5});
  int cx = 0, cy = 0, rx = 0;
  PaintPies(f, [&](TPieSeries& s) {
    cx = s.GetCircleXCenter();
    cy = s.GetCircleYCenter();
    rx = s.GetXRadius();
  });
  TSeriesMarkPosition* m = MarkAt(p, 0);
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->ArrowFrom, TPoint(cx + rx, cy));
  EXPECT_EQ(m->ArrowTo, TPoint(cx + rx + 8, cy));
  EXPECT_EQ(m->LeftTop.X, cx + rx + 8);
}

TEST(PieMarks, ZeroSliceHasAMarkOnlyWhenAskedFor) {
  for (bool empty : {false, true}) {
    TSeriesChart f(300, 200);
    auto& p = MarkedPie(f, {1, 0, 1});
    p.GetPieMarks()->SetEmptySlice(empty);
    PaintPies(f);
    EXPECT_NE(MarkAt(p, 0), nullptr);
    EXPECT_EQ(MarkAt(p, 1) != nullptr, empty);
  }
}

TEST(PieMarks, InsideSliceCentresTheMarkAndHidesTheArrowMeanwhile) {
  for (bool inside : {false, true}) {
    TSeriesChart f(300, 200);
    auto& p = MarkedPie(f, {1, 1});
    p.GetMarks()->GetArrow()->SetColor(clRed);
    p.GetPieMarks()->SetInsideSlice(inside);
    int cx = 0, cy = 0, ry = 0;
    PaintPies(f, [&](TPieSeries& s) {
      cx = s.GetCircleXCenter();
      cy = s.GetCircleYCenter();
      ry = s.GetYRadius();
    });
    EXPECT_TRUE(p.GetMarks()->GetArrow()->GetVisible());
    EXPECT_EQ(f.CountColor(clRed) > 0, !inside);
    TSeriesMarkPosition* m = MarkAt(p, 0);  // the slice from 0 to 180 degrees
    ASSERT_NE(m, nullptr);
    if (!inside) continue;
    EXPECT_EQ(m->LeftTop.X + m->Width / 2, cx);
    EXPECT_EQ(m->LeftTop.Y + m->Height / 2, cy - ry / 2);
  }
}

TEST(PieMarks, LegBendsTheArrowBeforeTheMark) {
  TSeriesChart f(400, 300);
  auto& p = MarkedPie(f, {1, 3});  // the first slice's middle at 45 degrees
  p.GetMarks()->GetCallout()->SetLength(30);
  p.GetPieMarks()->SetLegSize(10);
  PaintPies(f);
  TSeriesMarkPosition* m = MarkAt(p, 0);
  ASSERT_NE(m, nullptr);
  EXPECT_TRUE(m->HasMid);
  EXPECT_EQ(m->MidPoint.Y, m->ArrowTo.Y);
  EXPECT_EQ(m->ArrowTo.X - m->MidPoint.X, 10);
  EXPECT_EQ(m->LeftTop.X, m->ArrowTo.X);

  p.GetPieMarks()->SetLegSize(0);
  PaintPies(f);
  EXPECT_FALSE(MarkAt(p, 0)->HasMid);
}

TEST(PieMarks, RotatedTextIsNeverUpsideDown) {
  struct Case {
    double Angle;
    int Rotation;
    TRotateStyle Style;
    int Expected;
  };
  const Case cases[] = {
      {Pi, 0, rsRadial, 360},        {0, 0, rsRadial, 0},
      {Pi / 4, 0, rsRadial, 45},     {Pi / 2, 0, rsRadial, 270},
      {3 * Pi / 2, 0, rsRadial, 90}, {0, 0, rsTangencial, 270},
      {Pi / 4, 30, rsRadial, 75},    {Pi / 2, 0, rsTangencial, 360},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PieMarkTextAngle(c.Angle, c.Rotation, c.Style), c.Expected)
        << c.Angle << " " << c.Rotation << " " << int(c.Style);
}

TEST(PieMarks, TailEdgeAndEndFollowTheQuadrant) {
  struct Case {
    double Degrees;
    TTailEdge Edge;
    TTailAlign Align;
    TPoint End;  // of a callout from (100, 100) with margin 2
  };
  const Case cases[] = {
      {20, tteLeft, ttaFar, {102, 98}},    {60, tteBottom, ttaNear, {102, 98}},
      {100, tteBottom, ttaFar, {98, 98}},  {150, tteRight, ttaFar, {98, 98}},
      {200, tteRight, ttaNear, {98, 102}}, {250, tteTop, ttaFar, {98, 102}},
      {300, tteTop, ttaNear, {102, 102}},  {330, tteLeft, ttaNear, {102, 102}},
  };
  for (const Case& c : cases) {
    TTailAlign align = ttaCenter;
    const TTailEdge edge = PieMarkQuadrant(align, c.Degrees * Pi / 180, 0);
    EXPECT_EQ(edge, c.Edge) << c.Degrees;
    EXPECT_EQ(align, c.Align) << c.Degrees;
    EXPECT_EQ(PieTailEnd(100, 100, 2, edge, align), c.End) << c.Degrees;
  }
  TTailAlign align = ttaCenter;
  EXPECT_EQ(PieMarkQuadrant(align, Pi / 3, 360), tteBottom);  // 420 degrees is 60
}

TEST(PieMarks, AutomaticTailKeepsTheLastEdgeAndGivesTheAlignmentBack) {
  TSeriesChart f(400, 300);
  auto& p = MarkedPie(f, {1, 1});
  p.SetRotationAngle(150);  // the last slice's middle at 270 + 150 = 60 degrees
  TMarksTail* tail = p.GetMarks()->GetTail();
  tail->SetVisible(true);
  tail->SetAlign(ttaCenter);
  PaintPies(f);
  EXPECT_EQ(tail->GetEdge(), tteBottom);
  EXPECT_EQ(tail->GetAlign(), ttaCenter);
  EXPECT_TRUE(tail->GetCustomPoint());
  EXPECT_FALSE(p.FAutoMarkPointer);
}

}  // namespace
