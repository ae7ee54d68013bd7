// Unit colour routines, the convex hull (including far-off coordinates),
// points on circles and spirals, and device pie angles.

#include <gtest/gtest.h>

#include <cmath>

#include "chart/PlotUnitRoutines.h"

namespace {

TEST(PlotColours, DarkBrightAndRGBA) {
  EXPECT_EQ(ApplyDark(TColor(0xFF102030), 0x18), TColor(0x000818));
  EXPECT_EQ(ApplyBright(TColor(0x10F020), 0x20), TColor(0x30FF40));
  EXPECT_EQ(ApplyBright(TColor(0x0000E0), 0x20), TColor(0x2020FF));  // 256 clamps
  EXPECT_EQ(RGBA(1, 2, 3, 4), TColor(0x04030201));
  EXPECT_EQ(RGBA(TRGBA{1, 2, 3, 4}), TColor(0x04030201));
}

TEST(PlotRectangles, FromPolygonTriangleAndContainment) {
  TTrianglePoints t = {{1, 2}, {5, -3}, {0, 0}};
  EXPECT_EQ(RectFromTriangle(t), (TRect{0, -3, 6, 3}));
  EXPECT_EQ(RectFromPolygon(t, 1), (TRect{1, 2, 2, 3}));
  EXPECT_TRUE(RectangleInRectangle(TRect{0, 0, 10, 10}, TRect{0, 0, 10, 10}));
  EXPECT_FALSE(RectangleInRectangle(TRect{0, 0, 11, 10}, TRect{0, 0, 10, 10}));
  EXPECT_FLOAT_EQ(PlotHypot(3, 4), 5.0f);
}

TEST(ConvexHull, SquareEndsWithPivot) {
  TPointArray p = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  ASSERT_TRUE(ConvexHull(p));
  EXPECT_EQ(p, (TPointArray{{10, 10}, {0, 10}, {0, 0}, {10, 0}}));
}

TEST(ConvexHull, FewPointsAreLeftAlone) {
  TPointArray two = {{5, 5}, {1, 1}};
  EXPECT_FALSE(ConvexHull(two));
  EXPECT_EQ(two, (TPointArray{{5, 5}, {1, 1}}));
  TPointArray three = {{5, 5}, {1, 1}, {9, 0}};
  EXPECT_TRUE(ConvexHull(three));
  EXPECT_EQ(three, (TPointArray{{5, 5}, {1, 1}, {9, 0}}));
}

TEST(ConvexHull, CubeCornersWithoutDepthGiveTheRectangle) {
  // The eight corners of a cube seen without projection: each twice.
  TPointArray p = {{2, 9}, {2, 9}, {2, 1}, {8, 1}, {8, 1}, {8, 9}, {2, 1}, {8, 9}};
  ASSERT_TRUE(ConvexHull(p));
  ASSERT_EQ(p.size(), 4u);
  EXPECT_EQ(p.back(), (TPoint{8, 1}));
  for (TPoint c : {TPoint{2, 9}, TPoint{2, 1}, TPoint{8, 9}})
    EXPECT_NE(std::find(p.begin(), p.end(), c), p.end()) << c.X << "," << c.Y;
}

TEST(ConvexHull, FindsPivotWhenEveryPointIsFarDown) {
  const int far = 20'000'000;
  TPointArray p = {{0, far}, {10, far}, {10, far + 10}, {0, far + 10}};
  ASSERT_TRUE(ConvexHull(p));
  EXPECT_EQ(p, (TPointArray{{10, far + 10}, {0, far + 10}, {0, far}, {10, far}}));
}

TEST(PointFromCircle, QuarterTurns) {
  TRect r{0, 0, 100, 60};
  struct Case {
    double deg;
    bool cw;
    float x, y;
  } cases[] = {{0, false, 100, 30}, {90, false, 50, 0}, {90, true, 50, 60},
               {180, false, 0, 30}, {360, false, 100, 30}};
  for (const Case& c : cases) {
    TPointF p = PointFromCircle(r, c.deg, c.cw);
    EXPECT_NEAR(p.x, c.x, 1e-4) << c.deg;
    EXPECT_NEAR(p.y, c.y, 1e-4) << c.deg;
  }
  // Without twist the spiral is the circle, turning clockwise on screen.
  EXPECT_EQ(PointFromSpiral(TRect{0, 0, 100, 100}, 90, 0), (TPoint{50, 100}));
}

TEST(CalcPieAngles, RaysGiveAnglesInRange) {
  float s, e;
  CalcPieAngles(0, 0, 100, 100, 100, 50, 100, 50, s, e);  // both rays at the right
  EXPECT_FLOAT_EQ(s, 0);
  EXPECT_FLOAT_EQ(e, 360);
  CalcPieAngles(0, 0, 100, 100, 50, 0, 0, 50, s, e);  // top, then left
  EXPECT_FLOAT_EQ(s, 90);
  EXPECT_FLOAT_EQ(e, 180);
  CalcPieAngles(0, 0, 100, 100, 50, 100, 100, 50, s, e);  // bottom
  EXPECT_FLOAT_EQ(s, 270);
}

}  // namespace
