#include <gtest/gtest.h>

#include <cmath>

#include "tests/platform_gdiplus/pixels.h"

using namespace Gdiplus;

namespace {

// Two squares, the second inside the first, drawn the same way round.
GraphicsPath NestedSquares(FillMode mode) {
  GraphicsPath p(mode);
  p.AddRectangle(RectF(0, 0, 100, 100));
  p.AddRectangle(RectF(25, 25, 50, 50));
  return p;
}

}  // namespace

TEST(GdiPlusPath, HitTestTable) {
  GraphicsPath ellipse;
  ellipse.AddEllipse(RectF(0, 0, 100, 50));
  GraphicsPath alternate = NestedSquares(FillModeAlternate);
  GraphicsPath winding = NestedSquares(FillModeWinding);
  GraphicsPath curve;  // a closed figure with a bulging Bézier top
  curve.AddBezier(PointF(0, 50), PointF(0, -10), PointF(100, -10), PointF(100, 50));
  curve.CloseFigure();
  GraphicsPath open;  // an open figure fills as if closed
  PointF tri[] = {{0, 0}, {100, 0}, {0, 100}};
  open.AddLines(tri, 3);
  struct Case {
    const char* name;
    const GraphicsPath* path;
    REAL x, y;
    bool inside;
  } cases[] = {
      {"ellipse centre", &ellipse, 50, 25, true},
      {"ellipse corner", &ellipse, 3, 3, false},
      {"ellipse near right end", &ellipse, 98, 25, true},
      {"ellipse above", &ellipse, 50, 55, false},
      {"alternate ring", &alternate, 10, 50, true},
      {"alternate hole", &alternate, 50, 50, false},
      {"winding hole", &winding, 50, 50, true},
      {"curve bulge", &curve, 50, 10, true},
      {"curve above bulge", &curve, 50, 2, false},
      {"open triangle inside", &open, 20, 20, true},
      {"open triangle beyond diagonal", &open, 70, 70, false},
  };
  for (const Case& c : cases) EXPECT_EQ(c.path->IsVisible(c.x, c.y), c.inside) << c.name;
}

TEST(GdiPlusPath, OutlineHitTestFollowsThePen) {
  GraphicsPath p;
  p.AddRectangle(RectF(10, 10, 80, 80));
  Pen thin(Color(0xFF000000), 2);
  Pen wide(Color(0xFF000000), 10);
  EXPECT_TRUE(p.IsOutlineVisible(10.5f, 50, &thin));
  EXPECT_FALSE(p.IsOutlineVisible(14, 50, &thin));
  EXPECT_TRUE(p.IsOutlineVisible(14, 50, &wide));
  EXPECT_FALSE(p.IsOutlineVisible(50, 50, &wide));
}

TEST(GdiPlusPath, FiguresAndPointTypes) {
  GraphicsPath p;
  p.AddLine(0, 0, 10, 0);
  p.AddLine(10, 0, 10, 10);  // joins the open figure without repeating (10, 0)
  p.AddBezier(PointF(10, 10), PointF(5, 15), PointF(0, 15), PointF(0, 10));
  p.CloseFigure();
  p.AddRectangle(RectF(20, 20, 5, 5));
  ASSERT_EQ(p.GetPointCount(), 10);
  PathData d;
  p.GetPathData(&d);
  const uint8_t expected[] = {PathPointTypeStart,  PathPointTypeLine,
                              PathPointTypeLine,   PathPointTypeBezier,
                              PathPointTypeBezier, PathPointTypeBezier | PathPointTypeCloseSubpath,
                              PathPointTypeStart,  PathPointTypeLine,
                              PathPointTypeLine,   PathPointTypeLine | PathPointTypeCloseSubpath};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(d.Types[i], expected[i]) << i;
}

TEST(GdiPlusPath, ArcsBoundsFlatteningAndTransform) {
  GraphicsPath arc;
  arc.AddArc(RectF(0, 0, 100, 50), 0, 90);  // from the right end down to the bottom
  PointF last;
  arc.GetLastPoint(&last);
  EXPECT_NEAR(arc.Points().front().X, 100, 1e-3);
  EXPECT_NEAR(arc.Points().front().Y, 25, 1e-3);
  EXPECT_NEAR(last.X, 50, 1e-3);
  EXPECT_NEAR(last.Y, 50, 1e-3);

  GraphicsPath arc45;  // 45 degrees on a flat ellipse lies on the ray y = x from the centre
  arc45.AddArc(RectF(-100, -50, 200, 100), 0, 45);
  arc45.GetLastPoint(&last);
  EXPECT_NEAR(last.X, last.Y, 1e-2);

  GraphicsPath ellipse;
  ellipse.AddEllipse(RectF(10, 20, 100, 50));
  RectF b;
  ellipse.GetBounds(&b);
  EXPECT_NEAR(b.X, 10, 0.1);
  EXPECT_NEAR(b.Y, 20, 0.1);
  EXPECT_NEAR(b.Width, 100, 0.1);
  EXPECT_NEAR(b.Height, 50, 0.1);
  Pen pen(Color(0xFF000000), 4);
  ellipse.GetBounds(&b, nullptr, &pen);
  EXPECT_NEAR(b.X, 8, 0.2);
  EXPECT_NEAR(b.Width, 104, 0.4);

  GraphicsPath flat(ellipse);
  flat.Flatten(nullptr, 0.1f);
  for (uint8_t t : flat.Types()) EXPECT_NE(t & PathPointTypePathTypeMask, PathPointTypeBezier);
  EXPECT_GT(flat.GetPointCount(), 16);
  for (const PointF& p : flat.Points()) {
    double dx = (p.X - 60) / 50, dy = (p.Y - 45) / 25;
    EXPECT_NEAR(std::hypot(dx, dy), 1.0, 0.01);
  }

  Matrix m;
  m.Translate(5, 5);
  m.Scale(2, 2);
  ellipse.Transform(&m);
  ellipse.GetBounds(&b);
  EXPECT_NEAR(b.X, 25, 0.2);
  EXPECT_NEAR(b.Width, 200, 0.2);
  EXPECT_TRUE(ellipse.IsVisible(125, 95));
}

TEST(GdiPlusRegion, CombinationsAsPixelScans) {
  Region r(RectF(0, 0, 10, 10));
  r.Union(RectF(20, 0, 10, 10));
  r.Exclude(RectF(5, 0, 20, 5));
  struct Case {
    REAL x, y;
    bool in;
  } cases[] = {{2, 2, true}, {7, 2, false}, {7, 7, true}, {15, 7, false}, {27, 2, true}};
  for (const Case& c : cases) EXPECT_EQ(r.IsVisible(c.x, c.y), c.in) << c.x << "," << c.y;
  INT count = 16;
  RectF scans[16];
  ASSERT_EQ(r.GetRegionScans(nullptr, scans, &count), Ok);
  REAL area = 0;
  for (INT i = 0; i < count; ++i) area += scans[i].Width * scans[i].Height;
  EXPECT_FLOAT_EQ(area, 100 + 100 - 25 - 25);

  Region x(RectF(0, 0, 10, 10));
  x.Xor(RectF(5, 5, 10, 10));
  EXPECT_FALSE(x.IsVisible(7, 7));
  EXPECT_TRUE(x.IsVisible(12, 12));
  Region c(RectF(0, 0, 10, 10));
  c.Complement(RectF(0, 0, 20, 10));
  EXPECT_FALSE(c.IsVisible(5, 5));
  EXPECT_TRUE(c.IsVisible(15, 5));
}

TEST(GdiPlusRegion, PathsTransformsAndEmptiness) {
  GraphicsPath circle;
  circle.AddEllipse(RectF(0, 0, 20, 20));
  Region r(&circle);
  EXPECT_TRUE(r.IsVisible(10, 10));
  EXPECT_FALSE(r.IsVisible(1, 1));
  Matrix rot;
  rot.Rotate(45);
  Region square(RectF(0, 0, 10, 10));
  square.Transform(&rot);  // a diamond standing on its corner at the origin
  EXPECT_TRUE(square.IsVisible(0, 5));
  EXPECT_FALSE(square.IsVisible(5, 1));
  Region none(RectF(0, 0, 10, 10));
  none.Intersect(RectF(20, 20, 5, 5));
  EXPECT_TRUE(none.IsEmpty());
  Region inf;
  EXPECT_TRUE(inf.IsInfinite());
  inf.Intersect(RectF(1, 2, 3, 4));
  RectF b;
  inf.GetBounds(&b);
  EXPECT_FLOAT_EQ(b.X, 1);
  EXPECT_FLOAT_EQ(b.Height, 4);
}

TEST(GdiPlusRegion, HugeShapesStayBounded) {
  GraphicsPath big;
  big.AddEllipse(RectF(-1e7f, -1e7f, 2e7f, 2e7f));
  Region r(&big);
  EXPECT_FALSE(r.IsEmpty());
  EXPECT_TRUE(r.IsVisible(0, 0));
  gdiplus_test::Surface s(10, 10);
  s.G.SetClip(&big);
  s.G.SetClip(RectF(-1e12f, -1e12f, 2e12f, 2e12f), CombineModeIntersect);
  SolidBrush black(Color(0xFF000000));
  s.G.FillRectangle(&black, RectF(0, 0, 10, 10));
  EXPECT_EQ(s.At(5, 5), 0xFF000000u);
}

TEST(GdiPlusRegion, BackwardRectanglesCoverTheSameArea) {
  Region r(RectF(10, 10, -10, -10));
  EXPECT_TRUE(r.IsVisible(5, 5));
  EXPECT_FALSE(r.IsVisible(15, 15));
  EXPECT_TRUE(Region(RectF(0, 0, 0, 10)).IsEmpty());
}
