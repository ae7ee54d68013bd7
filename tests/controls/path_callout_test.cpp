#include <algorithm>

#include "shapes_fixture.h"
#include "tests/platform_gdiplus/color_near.h"

namespace {

using color_test::Near;

constexpr TzrColor White = 0xFFFFFFFF, Red = 0xFFFF0000, Blue = 0xFF0000FF;

std::vector<TzrPoint> Points(const TzrPathData& Path) {
  std::vector<TzrPoint> points;
  for (const TzrPathPoint& p : Path.PathData) points.push_back(p.Point);
  return points;
}

bool HasPoint(const TzrPathData& Path, TzrPoint P) {
  const auto points = Points(Path);
  return std::find(points.begin(), points.end(), P) != points.end();
}

// The three points after the first line that leaves the body's top (or the
// given side): the pointer's base start, apex and base end.
std::vector<TzrPoint> Pointer(const TzrPathData& Path, TzrPoint Apex) {
  const auto points = Points(Path);
  auto at = std::find(points.begin(), points.end(), Apex);
  if (at == points.begin() || at == points.end() || at + 1 == points.end()) return {};
  return {*(at - 1), *at, *(at + 1)};
}

// ---------------------------------------------------------------- paths

TEST_F(ShapesTest, EmptyPathDrawsNothingAndOnePointFallsBackToTheRectangle) {
  auto* path = Make<TzrPath>(10, 10, 100, 100);
  Scene.DrawAll();
  EXPECT_TRUE(Recorder->Paths.empty());
  EXPECT_EQ(Root->ObjectByPoint(15, 15), path) << "no points: the rectangle";
  path->GetPathData()->SetPathString("M 10,10");
  EXPECT_EQ(Root->ObjectByPoint(15, 15), path);
  path->GetPathData()->SetPathString("M 0,0 L 0,1 L 1,0.5 Z");
  EXPECT_EQ(Root->ObjectByPoint(15, 60), path);
  EXPECT_EQ(Root->ObjectByPoint(100, 15), Root) << "outside the stretched triangle";
}

TEST_F(ShapesTest, PathHitTestStretchesThePathWhateverTheWrapMode) {
  auto* path = Make<TzrPath>(0, 0, 200, 100);
  path->GetPathData()->SetPathString("M 0,0 L 10,0 L 10,10 L 0,10 Z M 2,2 L 8,2 L 8,8 L 2,8 Z");
  path->SetWrapMode(zrPathOriginal);
  EXPECT_EQ(Root->ObjectByPoint(100, 50), Root) << "the hole, stretched to the middle";
  EXPECT_EQ(Root->ObjectByPoint(195, 50), path);
  Scene.DesignTime = true;
  EXPECT_EQ(Root->ObjectByPoint(100, 50), path) << "design time: the rectangle";
}

TEST_F(ShapesTest, PathWrapModesMapTheBoundsOntoTheShapeRectangle) {
  struct Case {
    TzrPathWrap Mode;
    std::vector<TzrRect> Dst;
  };
  // A 200 x 100 path in a 100 x 60 shape with stroke 2 (shape rectangle
  // 1..99 x 1..59); fitting shrinks it to 98 x 49, centred on whole pixels.
  const std::vector<Case> cases = {
      {zrPathOriginal, {zrRect(1, 1, 201, 101)}},
      {zrPathFit, {zrRect(1, 5, 99, 54)}},
      {zrPathStretch, {zrRect(1, 1, 99, 59)}},
  };
  for (const Case& c : cases) {
    auto* path = Make<TzrPath>(10, 10, 100, 60);
    path->SetStrokeThickness(2);
    path->GetPathData()->SetPathString("M 0,0 L 200,0 L 200,100 Z");
    path->SetWrapMode(c.Mode);
    Recorder->Forget();
    Scene.DrawAll();
    EXPECT_EQ(Recorder->Paths, c.Dst) << c.Mode;
    delete path;
  }
}

TEST_F(ShapesTest, TiledPathDrawsRoundedCountsPlusOne) {
  auto* path = Make<TzrPath>(10, 10, 35, 10);
  path->GetStroke()->SetStyle(zrBrushNone);
  path->GetPathData()->SetPathString("M 0,0 L 10,0 L 10,10 L 0,10 Z");
  path->SetWrapMode(zrPathTile);
  Scene.DrawAll();
  // 35 / 10 = 3.5 rounds to even 4, plus one: 5 columns; 10 / 10: 2 rows.
  ASSERT_EQ(Recorder->Paths.size(), 10u);
  EXPECT_EQ(Recorder->Paths.back(), zrRect(40, 10, 50, 20));
  EXPECT_TRUE(Near(Scene.Pixel(46, 15), White)) << "clipped to the object";

  // With a stroke each tile is spaced by the stroke on both sides.
  path->GetStroke()->SetStyle(zrBrushSolid);
  path->SetStrokeThickness(2);
  Recorder->Forget();
  Scene.DrawAll();
  ASSERT_EQ(Recorder->Paths.size(), 10u);
  EXPECT_EQ(Recorder->Paths[0], zrRect(1, 1, 11, 11));
  EXPECT_EQ(Recorder->Paths[1], zrRect(1, 13, 11, 23));
  EXPECT_EQ(Recorder->Paths[2], zrRect(13, 1, 23, 11));
}

// A path without width or height used to divide by zero for its tile count.
TEST_F(ShapesTest, TiledPathWithoutAreaTilesNothing) {
  for (const char* text : {"M 0,0 L 0,10", "M 0,5 L 10,5", "M 3,3"}) {
    auto* path = Make<TzrPath>(10, 10, 35, 10);
    path->GetPathData()->SetPathString(text);
    path->SetWrapMode(zrPathTile);
    Recorder->Forget();
    Scene.DrawAll();
    EXPECT_TRUE(Recorder->Paths.empty()) << text;
    delete path;
  }
}

TEST_F(ShapesTest, ScrollArrowsAreFittedTriangles) {
  auto* right = Make<TzrScrollArrowRight>(0, 0, 200, 100);
  Paint(right, Red, Red, 1);
  auto* left = Make<TzrScrollArrowLeft>(0, 100, 200, 100);
  Paint(left, Blue, Blue, 1);
  EXPECT_EQ(right->GetWrapMode(), zrPathFit);
  EXPECT_EQ(right->GetPathData()->GetBounds(), zrRect(0, 0, 100, 100));
  Scene.DrawAll();
  // The 100 x 100 triangle is scaled to 99 and centred: x 50.5 .. 149.5.
  EXPECT_TRUE(Near(Scene.Pixel(45, 50), White));
  EXPECT_TRUE(Near(Scene.Pixel(55, 50), Red));
  EXPECT_TRUE(Near(Scene.Pixel(145, 50), Red, 60)) << "the right arrow's tip";
  EXPECT_TRUE(Near(Scene.Pixel(145, 20), White)) << "narrow at the right arrow's tip";
  EXPECT_TRUE(Near(Scene.Pixel(145, 120), Blue)) << "wide at the left arrow's base";
  EXPECT_TRUE(Near(Scene.Pixel(45, 150), White));
  EXPECT_TRUE(Near(Scene.Pixel(155, 150), White));
}

// ---------------------------------------------------------------- callout

TEST_F(ShapesTest, CalloutOutlineFollowsTheCornerAndPointerTables) {
  auto* callout = Make<TzrCalloutRectangle>(0, 0, 50, 50);
  callout->SetxRadius(2);
  callout->SetyRadius(2);
  callout->CreatePath();
  const std::vector<TzrPathPoint> expected = {
      {zrPathPointMoveTo, {0.5f, 13.5f}},   {zrPathPointCurveTo, {0.5f, 12.5f}},
      {zrPathPointCurveTo, {1.5f, 11.5f}},  {zrPathPointCurveTo, {2.5f, 11.5f}},
      {zrPathPointLineTo, {13, 11.5f}},     {zrPathPointLineTo, {24.5f, 0.5f}},
      {zrPathPointLineTo, {36, 11.5f}},     {zrPathPointLineTo, {47.5f, 11.5f}},
      {zrPathPointCurveTo, {48.5f, 11.5f}}, {zrPathPointCurveTo, {49.5f, 12.5f}},
      {zrPathPointCurveTo, {49.5f, 13.5f}}, {zrPathPointLineTo, {49.5f, 47.5f}},
      {zrPathPointCurveTo, {49.5f, 48.5f}}, {zrPathPointCurveTo, {48.5f, 49.5f}},
      {zrPathPointCurveTo, {47.5f, 49.5f}}, {zrPathPointLineTo, {2.5f, 49.5f}},
      {zrPathPointCurveTo, {1.5f, 49.5f}},  {zrPathPointCurveTo, {0.5f, 48.5f}},
      {zrPathPointCurveTo, {0.5f, 47.5f}},  {zrPathPointLineTo, {0.5f, 13.5f}},
  };
  EXPECT_EQ(callout->GetPath().PathData, expected);
}

TEST_F(ShapesTest, CalloutPointerPlacement) {
  struct Case {
    TzrCalloutPosition Position;
    float Offset;
    TzrPoint Apex;
    std::vector<TzrPoint> Expected;
  };
  // 50 x 50, stroke 1, width 23, length 11: the edges are 0.5 and 49.5, the
  // pulled-in side lies at 11.5 (top, left) or 38.5 (bottom, right).
  const std::vector<Case> cases = {
      {zrCalloutTop, 5, {17, 0.5f}, {{5.5f, 11.5f}, {17, 0.5f}, {28.5f, 11.5f}}},
      {zrCalloutTop, -5, {33, 0.5f}, {{21.5f, 11.5f}, {33, 0.5f}, {44.5f, 11.5f}}},
      {zrCalloutBottom, 0, {24.5f, 49.5f}, {{36, 38.5f}, {24.5f, 49.5f}, {13, 38.5f}}},
      {zrCalloutBottom, 5, {17, 49.5f}, {{28.5f, 38.5f}, {17, 49.5f}, {5.5f, 38.5f}}},
      {zrCalloutRight, 0, {49.5f, 24.5f}, {{38.5f, 13}, {49.5f, 24.5f}, {38.5f, 36}}},
      {zrCalloutRight, 5, {49.5f, 17}, {{38.5f, 5.5f}, {49.5f, 17}, {38.5f, 28.5f}}},
      // Right and left count a negative offset from the bottom edge downwards.
      {zrCalloutRight, -5, {49.5f, 56}, {{38.5f, 44.5f}, {49.5f, 56}, {38.5f, 67.5f}}},
      {zrCalloutLeft, 0, {0.5f, 24.5f}, {{11.5f, 36}, {0.5f, 24.5f}, {11.5f, 13}}},
      {zrCalloutLeft, 5, {0.5f, 17}, {{11.5f, 28.5f}, {0.5f, 17}, {11.5f, 5.5f}}},
  };
  for (const Case& c : cases) {
    auto* callout = Make<TzrCalloutRectangle>(0, 0, 50, 50);
    callout->SetCalloutPosition(c.Position);
    callout->SetCalloutOffset(c.Offset);
    EXPECT_EQ(Pointer(callout->GetPath(), c.Apex), c.Expected) << c.Position << " " << c.Offset;
    delete callout;
  }
}

TEST_F(ShapesTest, CalloutRadiiCornersAndMissingSides) {
  // Radii larger than half the 40 x 20 body are cut to 20 and 10.
  auto* big = Make<TzrCalloutRectangle>(0, 0, 40, 31);
  big->GetStroke()->SetStyle(zrBrushNone);
  big->SetxRadius(30);
  big->SetyRadius(30);
  big->CreatePath();
  EXPECT_EQ(big->GetPath().PathData.front().Point, (TzrPoint{0, 21}));
  EXPECT_EQ(big->GetPath().PathData[3].Point, (TzrPoint{20, 11}));

  // No corners: square whatever the corner type.
  auto* square = Make<TzrCalloutRectangle>(0, 0, 50, 50);
  square->SetxRadius(5);
  square->SetyRadius(5);
  square->SetCorners(0);
  square->CreatePath();
  EXPECT_TRUE(HasPoint(square->GetPath(), {0.5f, 11.5f}));
  EXPECT_TRUE(HasPoint(square->GetPath(), {49.5f, 49.5f}));
  for (const TzrPathPoint& p : square->GetPath().PathData) EXPECT_NE(p.Kind, zrPathPointCurveTo);

  // A missing side is pushed out by half the stroke, also on the callout
  // side's neighbours, and is moved over instead of drawn.
  auto* open = Make<TzrCalloutRectangle>(0, 0, 50, 50);
  open->SetCalloutPosition(zrCalloutLeft);
  open->SetSides(AllSides & ~(1 << zrSideBottom));
  open->CreatePath();
  EXPECT_TRUE(HasPoint(open->GetPath(), {49.5f, 50}));
  EXPECT_TRUE(HasPoint(open->GetPath(), {11.5f, 50}));
  int moves = 0;
  for (const TzrPathPoint& p : open->GetPath().PathData) moves += p.Kind == zrPathPointMoveTo;
  EXPECT_GE(moves, 2);
}

TEST_F(ShapesTest, CalloutWithoutBottomSideIsFilledButNotStrokedThere) {
  auto* closed = Make<TzrCalloutRectangle>(10, 10, 50, 50);
  Paint(closed, Red, Blue, 1);
  auto* open = Make<TzrCalloutRectangle>(100, 10, 50, 50);
  Paint(open, Red, Blue, 1);
  open->SetSides(AllSides & ~(1 << zrSideBottom));
  Scene.DrawAll();
  EXPECT_TRUE(Near(Scene.Pixel(35, 59), Blue, 60));
  EXPECT_TRUE(Near(Scene.Pixel(125, 59), Red, 3));
  EXPECT_TRUE(Near(Scene.Pixel(100, 40), Blue, 60)) << "the left side is still stroked";
}

TEST_F(ShapesTest, CalloutSettersRebuildThePathAndRepaint) {
  auto* callout = Make<TzrCalloutRectangle>(10, 10, 50, 50);
  Scene.DrawAll();
  callout->SetCalloutLength(5);
  EXPECT_EQ(callout->GetPath().PathData.front().Point, (TzrPoint{0.5f, 5.5f}));
  EXPECT_TRUE(Scene.Covered(zrRect(10, 10, 60, 60)));
  Scene.Rects.clear();
  callout->SetCalloutLength(5);
  EXPECT_TRUE(Scene.Rects.empty());
}

}  // namespace
