// Fills: solid colours with opacity, linear and radial gradients, bitmap
// brushes, rounded and shaped corners, ellipses, paths and path hit tests.
#include <gtest/gtest.h>

#include "canvas_fixture.h"
#include "scene/zr_bitmap.h"

namespace {

using namespace canvas_test;

void SetGradient(TzrBrush& B, std::initializer_list<std::pair<TzrColor, float>> Points,
                 TzrPoint Start = {0, 0}, TzrPoint Stop = {1, 0}) {
  B.SetStyle(zrBrushGradient);
  TzrGradient& g = *B.GetGradient();
  g.GetPoints()->Clear();
  for (const auto& p : Points) g.GetPoints()->AddPoint(p.first, p.second);
  g.GetStartPosition()->SetPoint(Start);
  g.GetStopPosition()->SetPoint(Stop);
}

TEST(CanvasFill, SolidFillScalesAlphaByOpacity) {
  auto c = NewCanvas(10, 10);
  c->GetFill()->SetSolidColor(0xFF0000FF);
  c->FillRect(zrRect(0, 0, 10, 10), 0, 0, AllCorners, 0.5f);
  EXPECT_TRUE(Near(Pixel(*c, 5, 5), 0x800000FF));
  c->GetFill()->SetStyle(zrBrushNone);
  c->Clear(0);
  c->FillRect(zrRect(0, 0, 10, 10), 0, 0, AllCorners, 1);
  EXPECT_EQ(Raw(*c, 5, 5), 0u);
}

TEST(CanvasFill, LinearGradientHoldsItsEndColoursBeyondTheStops) {
  auto c = NewCanvas(100, 10);
  // points at 0.2 and 0.8 give four stops: red at 0 and 0.2, blue at 0.8 and 1
  SetGradient(*c->GetFill(), {{0xFFFF0000, 0.2f}, {0xFF0000FF, 0.8f}});
  c->FillRect(zrRect(0, 0, 100, 10), 0, 0, 0, 1);
  EXPECT_TRUE(Near(Pixel(*c, 5, 5), 0xFFFF0000));
  EXPECT_TRUE(Near(Pixel(*c, 19, 5), 0xFFFF0000, 6));
  EXPECT_TRUE(Near(Pixel(*c, 50, 5), 0xFF800080, 6));
  EXPECT_TRUE(Near(Pixel(*c, 95, 5), 0xFF0000FF));
}

TEST(CanvasFill, LinearGradientAxisMultipliesRightAndBottom) {
  auto c = NewCanvas(130, 10);
  SetGradient(*c->GetFill(), {{0xFF000000, 0}, {0xFFFFFFFF, 1}});
  // R = (10, 0, 110, 10): the axis runs from x = 10 to x = 10 + 1 * 110
  c->FillRect(zrRect(10, 0, 110, 10), 0, 0, 0, 1);
  EXPECT_TRUE(Near(Pixel(*c, 65, 5), 0xFF808080, 6));
  EXPECT_EQ(Raw(*c, 5, 5), 0u);
}

TEST(CanvasFill, GradientWithManyStopsIsDrawnWhole) {
  auto c = NewCanvas(300, 4);
  TzrBrush& b = *c->GetFill();
  SetGradient(b, {});
  // 120 stops, more than a fixed table of 101 holds: bands of 20 stops,
  // black and white in turn
  for (int i = 0; i < 120; ++i)
    b.GetGradient()->GetPoints()->AddPoint((i / 20) % 2 ? 0xFFFFFFFF : 0xFF000000, i / 119.0f);
  c->FillRect(zrRect(0, 0, 300, 4), 0, 0, 0, 1);
  EXPECT_TRUE(Near(Pixel(*c, 25, 2), 0xFF000000, 8));
  EXPECT_TRUE(Near(Pixel(*c, 75, 2), 0xFFFFFFFF, 8));
  EXPECT_TRUE(Near(Pixel(*c, 225, 2), 0xFF000000, 8));
  EXPECT_TRUE(Near(Pixel(*c, 280, 2), 0xFFFFFFFF, 8));
}

TEST(CanvasFill, GradientWithOnePointFillsWithTheBrushColour) {
  auto c = NewCanvas(10, 10);
  SetGradient(*c->GetFill(), {{0xFFFF0000, 0}});
  c->GetFill()->SetSolidColor(0xFF00FF00);
  c->FillRect(zrRect(0, 0, 10, 10), 0, 0, 0, 1);
  EXPECT_TRUE(Near(Pixel(*c, 5, 5), 0xFF00FF00));
}

TEST(CanvasFill, RadialGradientRunsFromTheEdgeToTheCentre) {
  auto c = NewCanvas(101, 101);
  SetGradient(*c->GetFill(), {{0xFF0000FF, 0}, {0xFFFF0000, 1}});
  c->GetFill()->GetGradient()->SetStyle(zrRadialGradient);
  c->FillRect(zrRect(0, 0, 101, 101), 0, 0, 0, 1);
  EXPECT_TRUE(Near(Pixel(*c, 50, 50), 0xFFFF0000, 12));  // centre: position 1
  EXPECT_TRUE(Near(Pixel(*c, 50, 2), 0xFF0000FF, 24));   // near the edge: position 0
  EXPECT_EQ(Alpha(Pixel(*c, 1, 1)), 0);                  // outside the ellipse: nothing
}

TEST(CanvasFill, BitmapBrushTilesAndStretches) {
  TzrBitmap tile(2, 2);
  tile.Clear(0xFF00FF00);
  tile.ClearRect(zrRect(0, 0, 1, 1), 0xFFFF0000);
  auto c = NewCanvas(8, 8);
  TzrBrush& b = *c->GetFill();
  b.SetStyle(zrBrushBitmap);
  b.GetBitmap()->SetBitmap(&tile);
  c->FillRect(zrRect(0, 0, 8, 8), 0, 0, 0, 1);
  EXPECT_TRUE(Near(Pixel(*c, 4, 4), 0xFFFF0000));
  EXPECT_TRUE(Near(Pixel(*c, 5, 4), 0xFF00FF00));
  b.GetBitmap()->SetWrapMode(zrWrapTileStretch);
  c->Clear(0);
  c->FillRect(zrRect(0, 0, 8, 8), 0, 0, 0, 1);
  EXPECT_TRUE(Near(Pixel(*c, 1, 1), 0xFFFF0000, 8));
  EXPECT_TRUE(Near(Pixel(*c, 6, 6), 0xFF00FF00, 8));
}

TEST(CanvasFill, EmptyBitmapBrushPaintsNothing) {
  auto c = NewCanvas(8, 8);
  c->GetFill()->SetStyle(zrBrushBitmap);
  c->FillRect(zrRect(0, 0, 8, 8), 0, 0, 0, 1);
  EXPECT_EQ(Raw(*c, 4, 4), 0u);
}

struct CornerCase {
  TzrCornerType Type;
  bool Corner;  // pixel (2, 2), near the corner point
  bool Middle;  // pixel (7, 7)
  bool Inner;   // pixel (4, 4), inside a round corner, outside an inner one
};

TEST(CanvasFill, CornerTypesShapeTheChosenCorners) {
  const CornerCase cases[] = {{zrCornerRound, false, true, true},
                              {zrCornerBevel, false, true, false},
                              {zrCornerInnerRound, false, true, false},
                              {zrCornerInnerLine, false, true, false}};
  for (const CornerCase& k : cases) {
    auto c = NewCanvas(40, 40);
    c->FillRect(zrRect(0, 0, 40, 40), 10, 10, 1 << zrCornerTopLeft, 1, k.Type);
    EXPECT_EQ(Alpha(Pixel(*c, 2, 2)) > 200, k.Corner) << k.Type;
    EXPECT_EQ(Alpha(Pixel(*c, 7, 7)) > 200, k.Middle) << k.Type;
    EXPECT_EQ(Alpha(Pixel(*c, 4, 4)) > 200, k.Inner) << k.Type;
    EXPECT_EQ(Alpha(Pixel(*c, 38, 1)), 255) << k.Type;  // other corners stay square
    EXPECT_EQ(Alpha(Pixel(*c, 1, 38)), 255) << k.Type;
  }
}

TEST(CanvasFill, NoCornersOrNoRadiusFillsAPlainRectangle) {
  auto c = NewCanvas(20, 20);
  c->FillRect(zrRect(0, 0, 20, 20), 5, 5, 0, 1);
  EXPECT_EQ(Raw(*c, 0, 0), 0xFFFFFFFFu);
  c->Clear(0);
  c->FillRect(zrRect(0, 0, 20, 20), 0, 0, AllCorners, 1);
  EXPECT_EQ(Raw(*c, 0, 0), 0xFFFFFFFFu);
  c->Clear(0);
  c->FillRect(zrRect(0, 0, 20, 20), 30, 30, AllCorners, 1);  // radius cut to half: a circle
  EXPECT_EQ(Raw(*c, 1, 1), 0u);
  EXPECT_EQ(Raw(*c, 10, 10), 0xFFFFFFFFu);
}

TEST(CanvasFill, EllipseFillsItsInscribedShape) {
  auto c = NewCanvas(40, 20);
  c->GetFill()->SetSolidColor(0xFF00FF00);
  c->FillEllipse(zrRect(0, 0, 40, 20), 1);
  EXPECT_EQ(Raw(*c, 20, 10), 0xFF00FF00u);
  EXPECT_EQ(Raw(*c, 1, 1), 0u);
}

void Triangle(TzrPathData& p) {
  p.MoveTo({0, 0});
  p.LineTo({10, 0});
  p.LineTo({0, 10});
  p.ClosePath();
}

TEST(CanvasFill, PathIsStretchedFromItsBoundsIntoTheRectangle) {
  auto c = NewCanvas(40, 40);
  TzrPathData p;
  Triangle(p);
  c->FillPath(p, zrRect(20, 20, 40, 40), 1);
  EXPECT_EQ(Raw(*c, 22, 22), 0xFFFFFFFFu);
  EXPECT_EQ(Raw(*c, 37, 37), 0u);
  EXPECT_EQ(Raw(*c, 5, 5), 0u);
}

TEST(CanvasFill, PathHitTest) {
  auto c = NewCanvas(4, 4);
  TzrPathData tri;
  Triangle(tri);
  TzrPathData line;
  line.MoveTo({0, 0});
  line.LineTo({10, 0});  // no area
  TzrPathData curve;
  curve.MoveTo({0, 0});
  curve.CurveTo({0, 10}, {10, 10}, {10, 0});
  curve.ClosePath();
  struct Case {
    const TzrPathData* Path;
    TzrPoint Point;
    bool Inside;
  };
  const TzrRect r = zrRect(100, 100, 200, 200);
  const Case cases[] = {{&tri, {110, 110}, true},   {&tri, {190, 190}, false},
                        {&tri, {50, 50}, false},    {&line, {150, 150}, false},
                        {&curve, {150, 140}, true}, {&curve, {102, 198}, false}};
  for (const Case& k : cases)
    EXPECT_EQ(c->PtInPath(k.Point, r, *k.Path), k.Inside) << k.Point.X << "," << k.Point.Y;
  EXPECT_FALSE(c->PtInPath({150, 150}, r, TzrPathData()));
}

}  // namespace
