// Painting bars, checked at sample pixels: hidden and zero bars, thin bars,
// rounded ends, gradients, tick lines, the cylinder settings of 3D bars,
// and which bar the mouse finds.

#include <gtest/gtest.h>

#include "bar_fixture.h"
#include "chart/Canvas3D.h"
#include "chart/ChartAxis.h"
#include "chart/ChartSeriesTypes.h"
#include "chart/PlotCanvas3D.h"
#include "chart/PlotGradient.h"
#include "chart/PlotShadow.h"
#include "chart/PlotUnitRoutines.h"

namespace {

int Red(TColor C) { return int(uint32_t(C) & 0xFF); }
int Green(TColor C) { return int((uint32_t(C) >> 8) & 0xFF); }

// One wide bar series without a pen, 40 pixels thick.
TBarSeries& WideBars(TSeriesChart& F, std::initializer_list<double> Values) {
  auto& s = AddBars(F, Values);
  s.SetMultiBar(mbNone);
  s.SetCustomBarWidth(40);
  s.GetPen()->Hide();
  return s;
}

void NegativeLeftAxis(TSeriesChart& F) {
  F.Panel.GetLeftAxis()->SetMinMax(-50, 100);  // y = 130 - (v + 50) * 0.8
  F.Place(TRect{20, 10, 180, 130});
}

TEST(BarDraw, ClNoneBarIsNotDrawnAndCastsNoShadow) {
  TSeriesChart f;
  auto& s = AddBars(f, {50, 60, 70});
  s.SetMultiBar(mbNone);
  s.SetCustomBarWidth(20);
  s.SetValueColor(1, clNone);
  TPlotShadow* shadow = s.GetShadow();
  shadow->SetSize(6);
  shadow->SetSmooth(false);
  shadow->SetTransparency(0);
  DrawBars(f);
  // Bar 0 at x 10..30 with its shadow 6 pixels to the right.
  EXPECT_EQ(f.Canvas->Pixel(20, 100), clRed);
  EXPECT_EQ(f.Canvas->Pixel(33, 100), clGray);
  // Bar 1 at x 26..46 (its shadow to 52) is not there at all.
  for (int x = 38; x <= 41; ++x) EXPECT_TRUE(f.IsWhite(x, 100)) << x;
  EXPECT_EQ(f.Canvas->Pixel(45, 100), clRed);  // bar 2 starts at 42
}

TEST(BarDraw, ZeroValueIsALineWhenSideBySideAndNothingWhenStacked) {
  for (TMultiBar mode : {mbSide, mbStacked}) {
    SCOPED_TRACE(mode);
    TSeriesChart f;
    auto& s = AddBars(f, {50, 0, 50});
    s.SetMultiBar(mode);
    s.SetCustomBarWidth(8);
    s.GetPen()->SetColor(clBlack);
    DrawBars(f);
    const int x = s.CalcXPos(1) + s.IBarSize / 2;
    if (mode == mbSide)
      EXPECT_EQ(f.Canvas->Pixel(x, 130), clRed);  // in the bar colour, not the pen's
    else
      EXPECT_FALSE(f.Inked(x, 130, 2));
  }
}

TEST(BarDraw, BarNarrowerThanItsPenIsAnOutlineInItsColour) {
  TSeriesChart f;
  auto& s = AddBars(f, {80});
  s.SetMultiBar(mbNone);
  s.SetCustomBarWidth(2);
  s.GetPen()->SetWidth(4);
  s.GetPen()->SetColor(clBlack);
  DrawBars(f);
  EXPECT_EQ(f.CountColor(clBlack), 0);
  EXPECT_EQ(f.Canvas->Pixel(20, 100), clRed);
}

TEST(BarDraw, RoundedEndsSitAtTheValueEnd) {
  const struct {
    double Value;
    bool RoundTop;
  } table[] = {{-40, false}, {60, true}};
  for (const auto& t : table) {
    SCOPED_TRACE(t.Value);
    TSeriesChart f;
    NegativeLeftAxis(f);
    auto& s = WideBars(f, {0, 0, 0, 0, 0, t.Value});
    s.SetBarStyle(bsRoundRectangle);
    DrawBars(f);
    const TRect r = OrientRectangle(s.CalcBarBounds(5));
    const TPoint topLeft{r.Left + 1, r.Top + 1}, bottomLeft{r.Left + 1, r.Bottom - 2};
    const TPoint middle{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    EXPECT_EQ(f.Canvas->Pixel(middle.X, middle.Y), clRed);
    EXPECT_EQ(f.IsWhite(topLeft.X, topLeft.Y), t.RoundTop);
    EXPECT_EQ(f.IsWhite(bottomLeft.X, bottomLeft.Y), !t.RoundTop);
  }
}

TEST(BarDraw, RelativeGradientOfANegativeBarIsSwappedOnlyWhilePainting) {
  TSeriesChart f;
  NegativeLeftAxis(f);
  auto& s = WideBars(f, {0, 0, 0, 0, 0, -40});
  TPlotGradient* g = s.GetGradient();
  g->SetVisible(true);
  g->SetStartColor(clWhite);
  s.SetGradientRelative(true);
  const int repaints = f.Panel.Repaints;
  DrawBars(f);
  EXPECT_EQ(f.Panel.Repaints, repaints);  // painting asks for no new paint
  // The bar hangs from y 90 (the origin) to y 122. The gradient runs from
  // the start colour at the bottom to the end colour at the top; swapped,
  // the value end at the bottom takes the bar colour, as a positive bar's
  // value end at the top does.
  const TColor origin = f.Canvas->Pixel(100, 92), end = f.Canvas->Pixel(100, 120);
  EXPECT_GT(Red(end), 200);
  EXPECT_LT(Green(end), 60);
  EXPECT_GT(Green(origin), 190);
  EXPECT_EQ(g->GetStartColor(), clWhite);
  EXPECT_EQ(g->GetEndColor(), clRed);
}

TEST(BarDraw, RelativeGradientOfEqualValuesIsTheFullBarColour) {
  TSeriesChart f;
  auto& s = WideBars(f, {50, 50, 50});
  s.SetUseYOrigin(false);  // the ratio divides by the value range, 0 here
  s.SetGradientRelative(true);
  s.GetGradient()->SetVisible(true);
  s.GetGradient()->SetStartColor(clWhite);
  s.GetGradient()->SetEndColor(clBlue);
  DrawBars(f);
  EXPECT_EQ(s.GetGradient()->GetEndColor(), clRed);
  const TColor top = f.Canvas->Pixel(20, 72);  // the value end, at y 70
  EXPECT_GT(Red(top), 230);
  EXPECT_LT(Green(top), 30);
}

TEST(BarDraw, TickLinesCrossTheBarBetweenItsEnds) {
  TSeriesChart f;
  auto& s = WideBars(f, {0, 0, 0, 0, 0, 80});
  s.GetTickLines()->Show();
  s.GetTickLines()->SetColor(clBlue);
  f.Panel.GetLeftAxis()->Tick = {20, 50, 70};  // 20 lies above the bar's top (34)
  DrawBars(f);
  EXPECT_EQ(f.Canvas->Pixel(100, 50), clBlue);
  EXPECT_EQ(f.Canvas->Pixel(100, 70), clBlue);
  EXPECT_EQ(f.Canvas->Pixel(100, 60), clRed);
  EXPECT_TRUE(f.IsWhite(100, 20));
  EXPECT_TRUE(f.IsWhite(75, 50));
}

TEST(BarDraw, CylinderSidesAreSetPerBarAndRestored) {
  for (bool vertical : {true, false}) {
    SCOPED_TRACE(vertical);
    TSeriesChart f;
    f.Begin3D(20, 20);
    TCustomBarSeries& s = vertical ? static_cast<TCustomBarSeries&>(AddBars(f, {40, 60}))
                                   : AddBars<THorizBarSeries>(f, {4, 6});
    s.SetBarStyle(bsCilinder);
    s.SetSides(6);
    const int sides = PlotNumCylinderSides, points = NumCirclePoints;
    int seenSides = 0, seenPoints = 0;
    s.OnCalcBounds = nullptr;
    s.OnGetBarStyle = [&](TCustomBarSeries*, int, TBarStyle&) {
      seenSides = PlotNumCylinderSides;
      seenPoints = NumCirclePoints;
    };
    DrawBars(f);
    // The style hook runs before the bar's settings: they are the canvas's own.
    EXPECT_EQ(seenSides, sides);
    EXPECT_EQ(seenPoints, points);
    EXPECT_EQ(PlotNumCylinderSides, sides);
    EXPECT_EQ(NumCirclePoints, points);
    EXPECT_GT(f.CountColor(clRed) + f.CountColor(ApplyDark(clRed, DarkColorQuantity)), 0);
  }
}

TEST(BarClick, ShapesDecideWhatTheMouseHits) {
  const struct {
    TBarStyle Style;
    TPoint P;
    bool Hit;
  } table[] = {
      // The bar spans x 80..120 and y 34..130 (value 80 at category 5).
      {bsRectangle, {82, 40}, true},   {bsPyramid, {82, 40}, false},
      {bsPyramid, {100, 40}, true},    {bsInvPyramid, {82, 125}, false},
      {bsInvPyramid, {82, 40}, true},  {bsEllipse, {81, 36}, false},
      {bsEllipse, {100, 80}, true},    {bsDiamond, {82, 40}, false},
      {bsDiamond, {100, 80}, true},    {bsArrow, {100, 38}, true},
      {bsRectangle, {60, 100}, false}, {bsRectangle, {100, 20}, false},
  };
  for (const auto& t : table) {
    SCOPED_TRACE(testing::Message() << t.Style << " at " << t.P.X << "," << t.P.Y);
    TSeriesChart f;
    auto& s = WideBars(f, {0, 0, 0, 0, 0, 80});
    s.SetBarStyle(t.Style);
    DrawBars(f);
    EXPECT_EQ(s.Clicked(t.P.X, t.P.Y), t.Hit ? 5 : -1);
  }
}

TEST(BarClick, CubesAndDiamondsIn3DAndHorizontalBars) {
  for (TBarStyle style : {bsRectangle, bsDiamond}) {
    SCOPED_TRACE(style);
    TSeriesChart f;
    f.Begin3D(20, 20);
    auto& s = WideBars(f, {0, 0, 0, 0, 0, 80});
    s.SetBarStyle(style);
    DrawBars(f);
    const TRect r = OrientRectangle(s.CalcBarBounds(5));
    EXPECT_EQ(s.Clicked((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2), 5);
    EXPECT_EQ(s.Clicked(r.Right + 40, r.Top), -1);
    // Beside the front face's corner, only the cube's depth reaches.
    EXPECT_EQ(s.Clicked(r.Left + 2, r.Top + 2), style == bsRectangle ? 5 : -1);
  }
  TSeriesChart f;
  f.Panel.GetLeftAxis()->SetMinMax(0, 10);
  f.Place(TRect{20, 10, 180, 130});
  auto& h = AddBars<THorizBarSeries>(f, {5, 8});
  DrawBars(f);
  const TRect r = h.CalcBarBounds(1);
  EXPECT_EQ(h.Clicked(r.Right - 2, (r.Top + r.Bottom) / 2), 1);
  EXPECT_EQ(h.Clicked(r.Right + 5, (r.Top + r.Bottom) / 2), -1);
}

TEST(BarDraw, DarkPenOutlinesInTheDarkenedBarColourAndTransparencyBlends) {
  TSeriesChart f;
  auto& s = AddBars(f, {0, 0, 0, 0, 0, 80});
  s.SetMultiBar(mbNone);
  s.SetCustomBarWidth(40);
  s.SetDarkPen(100);
  DrawBars(f);
  const TRect r = s.CalcBarBounds(5);  // x 80..121, y 34..130
  EXPECT_EQ(f.Canvas->Pixel(r.Left, 80), ApplyDark(clRed, 155));
  EXPECT_EQ(f.Canvas->Pixel(100, 80), clRed);

  TSeriesChart g;
  auto& t = WideBars(g, {0, 0, 0, 0, 0, 80});
  t.SetTransparency(50);
  DrawBars(g);
  const TColor half = g.Canvas->Pixel(100, 80);
  EXPECT_EQ(Red(half), 255);
  EXPECT_NEAR(Green(half), 128, 2);
}

TEST(BarMarks, MarksOnTheBarSitAtItsStartCentreOrEnd) {
  const struct {
    TMarksLocation Location;
    int Top;  // of an 18 pixel box on the bar from y 88 to 130
  } table[] = {{mlStart, 130 - 9 - 18}, {mlCenter, 88 + 21 - 9}, {mlEnd, 88 + 9}};
  for (const auto& t : table) {
    SCOPED_TRACE(t.Location);
    TSeriesChart f;
    auto& s = f.Add<TBarSeries>();
    s.AddXY(3, 35);
    s.SetMultiBar(mbNone);
    s.SetMarksOnBar(true);
    s.SetMarksLocation(t.Location);
    DrawBars(f, true);
    const int repaints = f.Panel.Repaints;
    DrawBars(f, true);
    EXPECT_EQ(f.Panel.Repaints, repaints);  // painting asks for no new paint
    const TSeriesMarkPosition* p = s.GetMarks()->GetPositions()->Get(0);
    ASSERT_NE(p, nullptr);
    ASSERT_EQ(p->Height, 18);
    EXPECT_EQ(p->LeftTop.Y, t.Top);
    const TRect r = s.CalcBarBounds(0);
    EXPECT_EQ(p->LeftTop.X + p->Width / 2, (r.Left + r.Right) / 2);
    EXPECT_FALSE(s.GetMarks()->GetArrow()->GetVisible());
  }
}

TEST(BarMarks, MarksBeyondTheBarsStandOffTheirValueEnd) {
  TSeriesChart f;
  f.Panel.GetLeftAxis()->SetMinMax(-50, 100);
  f.Place(TRect{20, 10, 180, 130});
  auto& s = f.Add<TBarSeries>();
  s.AddXY(3, 40);
  s.AddXY(6, -30);
  s.SetMultiBar(mbNone);
  DrawBars(f, true);
  const int off =
      s.GetMarks()->GetCallout()->GetLength() + s.GetMarks()->GetCallout()->GetDistance();
  const TSeriesMarkPosition* up = s.GetMarks()->GetPositions()->Get(0);
  const TSeriesMarkPosition* down = s.GetMarks()->GetPositions()->Get(1);
  ASSERT_TRUE(up && down);
  // Above a rising bar, below a hanging one, clear of its end.
  EXPECT_EQ(up->LeftTop.Y + up->Height - 1, s.CalcYPos(0) - off);
  EXPECT_EQ(down->LeftTop.Y, s.CalcYPos(1) + off + 1);
  const TRect r = s.CalcBarBounds(0);
  EXPECT_EQ(up->ArrowTo.X, r.Left + s.IBarSize / 2);
}

}  // namespace
