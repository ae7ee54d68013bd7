// The circled series base (circle rectangle, screen ratio, shared radii,
// rotation, angle conversions, back colour) and the circular frames drawn
// around its circle.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "chart/CircularFrame.h"
#include "chart/PlotGradient.h"
#include "pie_fixture.h"
#include "platform/rtl/Rtti.h"
#include "scene/zr_stream.h"
#include "scene/zr_stream_text.h"

namespace {

constexpr double Pi = std::numbers::pi;

TRect CircleOf(TSeriesChart& F, TPieSeries& P, const TRect& ChartRect) {
  F.Panel.ChartRect = ChartRect;
  P.DoBeforeDrawValues();
  const TRect r = P.GetCircleRect();
  P.DoAfterDrawValues();
  return r;
}

TEST(CircledSeries, CircleRectangleFromTheChartRectangle) {
  TSeriesChart f(400, 300);
  auto& p = PlainPie(f, {1});
  p.SetCircled(false);
  EXPECT_EQ(CircleOf(f, p, TRect{0, 0, 301, 200}), (TRect{0, 0, 300, 200}));
  EXPECT_EQ(p.GetCircleXCenter(), 150);
  EXPECT_EQ(CircleOf(f, p, TRect{10, 10, 12, 11}), (TRect{10, 10, 14, 14}));  // at least 4

  // Square screen pixels narrow 300 x 200 to a round 200 x 200.
  TRect r{0, 0, 300, 200};
  TCircledSeries::AdjustScreenRatio(1280, 1024, 1280.0 / 1024, 150, 100, r, false);
  EXPECT_EQ(r, (TRect{50, 0, 250, 200}));
  // Pixels twice as tall as wide: the circle is half as many pixels high
  // as wide.
  r = TRect{0, 0, 300, 200};
  TCircledSeries::AdjustScreenRatio(1000, 1000, 0.5, 150, 100, r, false);
  EXPECT_EQ(r, (TRect{0, 25, 300, 175}));
  // Printing never corrects for the screen.
  r = TRect{0, 0, 300, 200};
  TCircledSeries::AdjustScreenRatio(1000, 1000, 0.5, 150, 100, r, true);
  EXPECT_EQ(r, (TRect{50, 0, 250, 200}));
}

TEST(CircledSeries, CustomRadiiAreSharedByTheChartsPies) {
  TSeriesChart f(400, 300);
  auto& a = PlainPie(f, {1});
  auto& b = PlainPie(f, {1});
  a.SetCustomXRadius(50);
  EXPECT_EQ(b.GetCustomXRadius(), 50);
  EXPECT_EQ(CircleOf(f, b, TRect{0, 0, 300, 200}).Width(), 100);

  b.SetUniqueCustomRadius(false);
  EXPECT_FALSE(a.GetUniqueCustomRadius());
  a.SetCustomYRadius(30);
  EXPECT_EQ(b.GetCustomYRadius(), 0);

  b.SetCircled(false);  // Circled is shared and resets the other pies' radii
  EXPECT_FALSE(a.GetCircled());
  EXPECT_EQ(a.GetCustomXRadius(), 0);
  EXPECT_EQ(a.GetCustomYRadius(), 0);
  EXPECT_EQ(b.GetCustomXRadius(), 50);
}

TEST(CircledSeries, RotationAndAngleConversions) {
  TPieSeries p;
  struct Case {
    int Set, Stored;
  };
  for (const Case& c : {Case{400, 40}, Case{-30, -30}, Case{360, 0}, Case{-400, -40}}) {
    p.SetRotationAngle(c.Set);
    EXPECT_EQ(p.GetRotationAngle(), c.Stored) << c.Set;
  }
  p.SetRotationAngle(350);
  p.Rotate(20);
  EXPECT_EQ(p.GetRotationAngle(), 10);

  TSeriesChart f(400, 300);
  auto& q = PlainPie(f, {1});
  q.SetCircled(false);
  CircleOf(f, q, TRect{0, 0, 200, 100});  // centre (100, 50), radii 100 x 50
  struct Point {
    int X, Y;
    double Angle;
  };
  for (const Point& t : {Point{100, 80, 3 * Pi / 2}, Point{100, 20, Pi / 2}, Point{150, 50, 0},
                         Point{50, 50, Pi}, Point{200, 0, Pi / 4}})
    EXPECT_NEAR(q.PointToAngle(t.X, t.Y), t.Angle, 1e-9) << t.X << "," << t.Y;
  int x, y;
  q.AngleToPos(Pi / 2, 100, 50, x, y);
  EXPECT_EQ(TPoint(x, y), TPoint(100, 0));
  q.SetRotationAngle(90);
  EXPECT_NEAR(q.PointToAngle(150, 50), 3 * Pi / 2, 1e-9);
  q.AngleToPos(0, 100, 50, x, y);
  EXPECT_EQ(TPoint(x, y), TPoint(100, 0));
}

TEST(CircledSeries, CircleBackColour) {
  TSeriesChart f;
  auto& p = PlainPie(f, {1});
  f.Panel.SetColor(clAqua);
  EXPECT_EQ(p.CalcCircleBackColor(), clAqua);
  f.Panel.Printing = true;
  EXPECT_EQ(p.CalcCircleBackColor(), clWhite);
  f.Panel.Printing = false;
  p.SetCircleBackColor(clMaroon);
  EXPECT_EQ(p.CalcCircleBackColor(), clMaroon);
}

// ---------------- frames ----------------

TEST(CircularFrame, WidthAndBandRatios) {
  TCircularFrame frame;
  EXPECT_FLOAT_EQ(frame.CalcWidth(TRect{0, 0, 200, 100}), 10);
  struct Case {
    double In[3], Out[3];
  };
  const Case cases[] = {{{30, 30, 30}, {100.0 / 3, 100.0 / 3, 100.0 / 3}},
                        {{0, 0, 0}, {0, 0, 0}},  // no division by a zero sum
                        {{25, 60, 15}, {25, 60, 15}},
                        {{10, 20, 20}, {20, 40, 40}}};
  for (const Case& c : cases) {
    double a = c.In[0], b = c.In[1], d = c.In[2];
    TCircularFrame::RationaliseValues(a, b, d);
    EXPECT_NEAR(a, c.Out[0], 1e-9);
    EXPECT_NEAR(b, c.Out[1], 1e-9);
    EXPECT_NEAR(d, c.Out[2], 1e-9);
  }
}

TEST(CircularFrame, BandsFillRingsAndAClearBandStaysEmpty) {
  TSeriesChart f(220, 220);
  TCircularFrame frame;
  frame.SetParent(&f.Panel);
  frame.SetCircled(true);
  frame.SetWidth(40);                // 80 pixels of frame on a 200-pixel circle
  frame.FrameElementWidths[0] = 25;  // inner
  frame.FrameElementWidths[1] = 50;  // middle
  frame.FrameElementWidths[2] = 25;  // outer
  for (TFrameBrush* b : {frame.GetInnerBrush(), frame.GetMiddleBrush(), frame.GetOuterBrush()})
    b->GetGradient()->SetVisible(false);
  frame.GetOuterBrush()->SetStyle(bsClear);
  frame.GetMiddleBrush()->SetColor(clRed);
  frame.GetInnerBrush()->SetColor(clBlue);
  frame.Draw(TRect{10, 10, 210, 210});
  // Outer band 20 px, middle 40 px, inner 20 px from the edge inwards; each
  // band is an ellipse over the ones outside it.
  EXPECT_EQ(f.Canvas->Pixel(110, 15), clWhite);  // the clear outer ring
  EXPECT_EQ(f.Canvas->Pixel(110, 35), clRed);    // the middle band still moved in
  EXPECT_EQ(f.Canvas->Pixel(110, 75), clBlue);
  EXPECT_EQ(f.Canvas->Pixel(110, 110), clBlue);

  frame.SetTotalAngle(90);  // a quarter arc from 135 degrees, closed to the centre
  f.Canvas->Fill(clWhite);
  frame.GetOuterBrush()->SetStyle(bsSolid);
  frame.GetOuterBrush()->SetColor(clLime);
  frame.Draw(TRect{10, 10, 210, 210});
  EXPECT_EQ(f.Canvas->Pixel(20, 110), clLime);    // 180 degrees, outer band
  EXPECT_EQ(f.Canvas->Pixel(40, 110), clRed);     // 180 degrees, middle band
  EXPECT_EQ(f.Canvas->Pixel(200, 110), clWhite);  // 0 degrees
  EXPECT_EQ(f.Canvas->Pixel(110, 20), clWhite);   // 90 degrees
  EXPECT_EQ(f.Canvas->Pixel(32, 65), clLime);     // 150 degrees
  EXPECT_EQ(f.Canvas->Pixel(188, 65), clWhite);   // 30 degrees
}

TEST(CircularFrame, SeriesFrameShrinksTheCircle) {
  TSeriesChart f(220, 220);
  auto& p = PlainPie(f, {1}, {clNavy});
  p.SetCircled(false);
  TFramedBorder* frame = p.GetFrame();
  EXPECT_FALSE(frame->GetVisible());
  EXPECT_TRUE(frame->GetCircled());
  EXPECT_EQ(frame->GetWidth(), 4);
  frame->SetVisible(true);
  frame->SetWidth(10);
  f.Panel.ChartRect = TRect{10, 10, 210, 210};
  p.CalcFirstLastVisibleIndex();
  p.DoBeforeDrawValues();
  p.DrawAllValues();
  EXPECT_EQ(p.GetCircleRect(), (TRect{30, 30, 190, 190}));
  EXPECT_FALSE(p.GetShadow()->GetVisible());
  EXPECT_EQ(f.Canvas->Pixel(110, 110), clNavy);
  EXPECT_NE(f.Canvas->Pixel(110, 15), clWhite);  // the frame's outer band
  p.DoAfterDrawValues();
}

TEST(CircularFrame, StreamWithParentSeriesLoads) {
  RegisterClass(TPieSeries::Class());
  const std::string form =
      "object Series1: TPieSeries\n"
      "  Frame.ParentSeries = Series1\n"
      "  Frame.Visible = True\n"
      "  Frame.Width = 7\n"
      "  RotationAngle = 30\n"
      "end\n";
  TMemoryStream text, binary;
  text.WriteBuffer(form.data(), int32_t(form.size()));
  text.SetPosition(0);
  ObjectTextToBinary(&text, &binary);
  binary.SetPosition(0);
  TPieSeries p;
  TReader r(&binary);
  ASSERT_NO_THROW(r.ReadRootComponent(&p));
  ASSERT_TRUE(p.HasFrame());
  EXPECT_TRUE(p.GetFrame()->GetVisible());
  EXPECT_EQ(p.GetFrame()->GetWidth(), 7);
  EXPECT_EQ(p.GetRotationAngle(), 30);
}

}  // namespace
