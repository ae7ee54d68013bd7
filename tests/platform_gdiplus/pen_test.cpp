#include <gtest/gtest.h>

#include <string>

#include "tests/platform_gdiplus/pixels.h"

using namespace Gdiplus;
using gdiplus_test::Near;
using gdiplus_test::Surface;

namespace {

constexpr ARGB kBlack = 0xFF000000;

bool Inked(Surface& s, int x, int y) { return (s.At(x, y) >> 24) > 200; }
bool Clear(Surface& s, int x, int y) { return (s.At(x, y) >> 24) < 40; }

// The on/off pattern along row y from x0 to x1, one character a pixel.
std::string Row(Surface& s, int y, int x0, int x1) {
  std::string r;
  for (int x = x0; x < x1; ++x) r += Inked(s, x, y) ? '#' : (Clear(s, x, y) ? '.' : '?');
  return r;
}

}  // namespace

TEST(GdiPlusPen, WidthAndCaps) {
  struct Case {
    LineCap cap;
    bool beyondEnd;  // the cap reaches 3 pixels past the end point
  } cases[] = {{LineCapFlat, false}, {LineCapSquare, true}, {LineCapRound, true}};
  for (const Case& c : cases) {
    Surface s(60, 30);
    Pen pen(Color(kBlack), 8);
    pen.SetLineCap(c.cap, c.cap, DashCapFlat);
    s.G.DrawLine(&pen, 10, 15, 50, 15);
    EXPECT_TRUE(Inked(s, 30, 12));
    EXPECT_TRUE(Inked(s, 30, 18));
    EXPECT_TRUE(Clear(s, 30, 20));
    EXPECT_EQ(Inked(s, 52, 15), c.beyondEnd) << c.cap;
    EXPECT_EQ(Inked(s, 7, 15), c.beyondEnd) << c.cap;
  }
}

TEST(GdiPlusPen, JoinsShapeTheOuterCorner) {
  struct Case {
    LineJoin join;
    bool cornerTip;  // the outer corner pixel of a right angle is inked
  } cases[] = {{LineJoinMiter, true}, {LineJoinBevel, false}, {LineJoinRound, false}};
  for (const Case& c : cases) {
    Surface s(60, 60);
    Pen pen(Color(kBlack), 10);
    pen.SetLineJoin(c.join);
    PointF pts[3] = {{10, 50}, {10, 10}, {50, 10}};
    s.G.DrawLines(&pen, pts, 3);
    EXPECT_EQ(Inked(s, 6, 6), c.cornerTip) << c.join;
    EXPECT_TRUE(Inked(s, 10, 10));
  }
}

TEST(GdiPlusPen, DashStylesRepeatInUnitsOfTheWidth) {
  struct Case {
    DashStyle style;
    const char* pattern;  // width 2: each unit is two pixels
  } cases[] = {
      {DashStyleSolid, "################"},      {DashStyleDash, "######..######.."},
      {DashStyleDot, "##..##..##..##.."},        {DashStyleDashDot, "######..##..####"},
      {DashStyleDashDotDot, "######..##..##.."},
  };
  for (const Case& c : cases) {
    Surface s(40, 10);
    Pen pen(Color(kBlack), 2);
    pen.SetDashStyle(c.style);
    s.G.DrawLine(&pen, 0, 5, 40, 5);
    EXPECT_EQ(Row(s, 5, 0, 16), c.pattern) << c.style;
  }
}

TEST(GdiPlusPen, CustomDashAndOffset) {
  Surface s(40, 10);
  Pen pen(Color(kBlack), 1);
  REAL dashes[] = {4, 2};
  pen.SetDashPattern(dashes, 2);
  EXPECT_EQ(pen.GetDashStyle(), DashStyleCustom);
  pen.SetDashOffset(1);
  s.G.DrawLine(&pen, 0, 5.5f, 40, 5.5f);
  EXPECT_EQ(Row(s, 5, 0, 12), "###..####..#");
  REAL bad[] = {-1, 2};
  EXPECT_EQ(pen.SetDashPattern(bad, 2), InvalidParameter);
}

TEST(GdiPlusPen, RoundDashCapRoundsEveryDash) {
  Surface s(60, 20);
  Pen pen(Color(kBlack), 4);
  pen.SetLineCap(LineCapRound, LineCapRound, DashCapRound);
  REAL dashes[] = {2, 3};
  pen.SetDashPattern(dashes, 2);
  s.G.DrawLine(&pen, 10, 10, 50, 10);
  // dash 8 px from x = 10, rounded by 2 px: ink to about x = 20, gap to 30
  EXPECT_TRUE(Inked(s, 19, 10));
  EXPECT_TRUE(Clear(s, 24, 10));
  EXPECT_TRUE(Inked(s, 8, 10));
}

TEST(GdiPlusPen, InsetAlignmentKeepsTheStrokeInside) {
  Surface s(40, 40);
  Pen pen(Color(kBlack), 6);
  pen.SetAlignment(PenAlignmentInset);
  s.G.DrawRectangle(&pen, RectF(10, 10, 20, 20));
  EXPECT_TRUE(Inked(s, 11, 20));
  EXPECT_TRUE(Inked(s, 15, 20));
  EXPECT_TRUE(Clear(s, 8, 20));
  EXPECT_TRUE(Clear(s, 20, 20));
}

TEST(GdiPlusPen, GradientPenPaintsAlongTheLine) {
  Surface s(100, 10);
  LinearGradientBrush grad(PointF(0, 0), PointF(100, 0), Color(0xFFFF0000), Color(0xFF0000FF));
  grad.SetWrapMode(WrapModeClamp);
  Pen pen(&grad, 4);
  s.G.DrawLine(&pen, 0, 5, 100, 5);
  EXPECT_TRUE(Near(s.At(1, 5), 0xFFFC0003, 6));
  EXPECT_TRUE(Near(s.At(98, 5), 0xFF0300FC, 6));
  pen.SetColor(Color(0xFF00FF00));
  Color c;
  pen.GetColor(&c);
  EXPECT_EQ(c.GetValue(), 0xFF00FF00u);
}
