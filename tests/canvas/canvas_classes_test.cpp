// What both canvas classes draw alike: fills with opacity, shaped corners,
// gradients and their stops, ellipses, paths and hit tests, lines, saved
// states and clips, bitmaps and text.
#include "canvas_classes.h"

#include <gtest/gtest.h>

#include "scene/zr_bitmap.h"

namespace {

using namespace canvas_test;

void SetGradient(TzrBrush& B, std::initializer_list<std::pair<TzrColor, float>> Points) {
  B.SetStyle(zrBrushGradient);
  TzrGradient& g = *B.GetGradient();
  g.GetPoints()->Clear();
  for (const auto& p : Points) g.GetPoints()->AddPoint(p.first, p.second);
  g.GetStartPosition()->SetPoint({0, 0});
  g.GetStopPosition()->SetPoint({1, 0});
}

// Kinds move, line, line, close, move, line: a closed triangle and an open
// final segment.
TzrPathData& TriangleAndTail(TzrPathData& P) {
  P.MoveTo({0, 0});
  P.LineTo({20, 0});
  P.LineTo({0, 20});
  P.ClosePath();
  P.MoveTo({10, 18});
  P.LineTo({20, 20});
  return P;
}

TEST_P(CanvasClasses, SolidFillsScaleAlphaAndNoneDrawsNothing) {
  auto c = Open(10, 10);
  c->GetFill()->SetSolidColor(0xFF0000FF);
  c->FillRect(zrRect(0, 0, 10, 5), 0, 0, AllCorners, 0.5f);
  c->GetFill()->SetStyle(zrBrushNone);
  c->FillRect(zrRect(0, 5, 10, 10), 0, 0, AllCorners, 1);
  Finish(*c);
  EXPECT_TRUE(Near(Pixel(*c, 5, 2), 0x800000FF));
  EXPECT_EQ(Raw(*c, 5, 7), 0u);
}

TEST_P(CanvasClasses, RoundedCornersLeaveTheCornerEmpty) {
  auto c = Open(40, 40);
  c->GetFill()->SetSolidColor(0xFF00FF00);
  c->FillRect(zrRect(0, 0, 40, 40), 10, 10, 1 << zrCornerTopLeft, 1);
  Finish(*c);
  EXPECT_EQ(Alpha(Pixel(*c, 1, 1)), 0);
  EXPECT_TRUE(Near(Pixel(*c, 38, 1), 0xFF00FF00));  // a corner not in the set stays square
  EXPECT_TRUE(Near(Pixel(*c, 20, 20), 0xFF00FF00));
}

TEST_P(CanvasClasses, LinearGradientAddsEndStopsAndMultipliesRightAndBottom) {
  auto c = Open(130, 20);
  SetGradient(*c->GetFill(), {{0xFFFF0000, 0.2f}, {0xFF0000FF, 0.8f}});
  c->FillRect(zrRect(0, 0, 100, 10), 0, 0, 0, 1);
  SetGradient(*c->GetFill(), {{0xFF000000, 0}, {0xFFFFFFFF, 1}});
  // (10, 10, 110, 20): the axis runs from x = 10 to x = 10 + 1 * 110
  c->FillRect(zrRect(10, 10, 110, 20), 0, 0, 0, 1);
  Finish(*c);
  EXPECT_TRUE(Near(Pixel(*c, 5, 5), 0xFFFF0000));
  EXPECT_TRUE(Near(Pixel(*c, 50, 5), 0xFF800080, 8));
  EXPECT_TRUE(Near(Pixel(*c, 95, 5), 0xFF0000FF));
  EXPECT_TRUE(Near(Pixel(*c, 65, 15), 0xFF808080, 8));
}

TEST_P(CanvasClasses, GradientWithMoreStopsThanAFixedTableIsDrawnWhole) {
  auto c = Open(300, 4);
  TzrBrush& b = *c->GetFill();
  SetGradient(b, {});
  // 120 points, more than a table of 101 stops holds: bands of 20 points
  for (int i = 0; i < 120; ++i)
    b.GetGradient()->GetPoints()->AddPoint((i / 20) % 2 ? 0xFFFFFFFF : 0xFF000000, i / 119.0f);
  c->FillRect(zrRect(0, 0, 300, 4), 0, 0, 0, 1);
  Finish(*c);
  EXPECT_TRUE(Near(Pixel(*c, 25, 2), 0xFF000000, 8));
  EXPECT_TRUE(Near(Pixel(*c, 75, 2), 0xFFFFFFFF, 8));
  EXPECT_TRUE(Near(Pixel(*c, 280, 2), 0xFFFFFFFF, 8));
}

TEST_P(CanvasClasses, RadialGradientRunsFromTheRimToTheCentre) {
  auto c = Open(101, 101);
  SetGradient(*c->GetFill(), {{0xFF0000FF, 0}, {0xFFFF0000, 1}});
  c->GetFill()->GetGradient()->SetStyle(zrRadialGradient);
  c->FillRect(zrRect(0, 0, 101, 101), 0, 0, 0, 1);
  Finish(*c);
  EXPECT_TRUE(Near(Pixel(*c, 50, 50), 0xFFFF0000, 12));
  EXPECT_TRUE(Near(Pixel(*c, 50, 2), 0xFF0000FF, 24));
}

TEST_P(CanvasClasses, EllipsesFillAndStrokeInsideTheirRectangle) {
  auto c = Open(40, 40);
  c->GetFill()->SetSolidColor(0xFFFF0000);
  c->FillEllipse(zrRect(0, 0, 40, 40), 1);
  c->SetStrokeThickness(2);
  c->GetStroke()->SetSolidColor(0xFF0000FF);
  c->DrawEllipse(zrRect(10, 10, 30, 30), 1);
  Finish(*c);
  EXPECT_EQ(Alpha(Pixel(*c, 2, 2)), 0);
  EXPECT_TRUE(Near(Pixel(*c, 20, 20), 0xFFFF0000));
  EXPECT_TRUE(Near(Pixel(*c, 20, 10), 0xFF0000FF, 40));
}

TEST_P(CanvasClasses, PathKindsFillTheTriangleAndHitTestIt) {
  auto c = Open(40, 40);
  TzrPathData path;
  TriangleAndTail(path);
  c->GetFill()->SetSolidColor(0xFF00FF00);
  c->FillPath(path, zrRect(0, 0, 40, 40), 1);  // stretched twice
  EXPECT_TRUE(c->PtInPath({8, 8}, zrRect(0, 0, 40, 40), path));
  EXPECT_FALSE(c->PtInPath({36, 8}, zrRect(0, 0, 40, 40), path));
  EXPECT_FALSE(c->PtInPath({8, 8}, zrRect(10, 10, 40, 40), path));  // outside the rectangle
  Finish(*c);
  EXPECT_TRUE(Near(Pixel(*c, 8, 8), 0xFF00FF00));
  EXPECT_EQ(Alpha(Pixel(*c, 36, 8)), 0);
}

TEST_P(CanvasClasses, BrokenAndFlatPathsDrawNothingAndDoNotFault) {
  auto c = Open(20, 20);
  c->GetFill()->SetSolidColor(0xFFFF0000);
  c->SetStrokeThickness(2);
  TzrPathData curve;  // a curve entry without its two followers
  curve.MoveTo({0, 0});
  curve.LineTo({10, 10});
  curve.PathData.push_back({zrPathPointCurveTo, {20, 0}});
  c->FillPath(curve, zrRect(0, 0, 20, 20), 1);
  TzrPathData flat;  // bounds without height
  flat.MoveTo({0, 5});
  flat.LineTo({20, 5});
  c->FillPath(flat, zrRect(0, 0, 20, 20), 1);
  c->DrawPath(flat, zrRect(0, 0, 20, 20), 1);
  EXPECT_FALSE(c->PtInPath({10, 5}, zrRect(0, 0, 20, 20), flat));
  Finish(*c);
  EXPECT_EQ(Alpha(Pixel(*c, 10, 5)), 0);
}

TEST_P(CanvasClasses, SavedStatesRestoreBrushesMatrixAndClipAndIgnoreASecondRestore) {
  auto c = Open(20, 10);
  c->GetFill()->SetSolidColor(0xFFFF0000);
  const uint32_t s = c->SaveCanvas();
  ASSERT_NE(s, zrNoState);
  c->IntersectClipRect(zrRect(0, 0, 10, 10));
  c->GetFill()->SetSolidColor(0xFF0000FF);
  c->SetMatrix(TzrMatrix{2, 0, 0, 0, 2, 0, 0, 0, 1});
  c->FillRect(zrRect(0, 0, 10, 5), 0, 0, AllCorners, 1);  // covers (0..20, 0..10), clipped
  c->RestoreCanvas(s);
  c->FillRect(zrRect(10, 5, 15, 10), 0, 0, AllCorners, 1);  // red again, no clip
  c->GetFill()->SetSolidColor(0xFF00FF00);
  c->RestoreCanvas(s);  // a free entry: nothing, the green stays
  c->FillRect(zrRect(15, 5, 20, 10), 0, 0, AllCorners, 1);
  Finish(*c);
  EXPECT_EQ(Pixel(*c, 5, 2), 0xFF0000FFu);
  EXPECT_EQ(Raw(*c, 15, 2), 0u);
  EXPECT_EQ(Pixel(*c, 12, 7), 0xFFFF0000u);
  EXPECT_EQ(Pixel(*c, 17, 7), 0xFF00FF00u);
}

TEST_P(CanvasClasses, ExcludedRectangleStaysEmpty) {
  auto c = Open(20, 20);
  c->GetFill()->SetSolidColor(0xFFFF0000);
  const uint32_t s = c->SaveCanvas();
  c->ExcludeClipRect(zrRect(5, 5, 15, 15));
  c->FillRect(zrRect(0, 0, 20, 20), 0, 0, 0, 1);
  c->RestoreCanvas(s);
  Finish(*c);
  EXPECT_EQ(Raw(*c, 10, 10), 0u);
  EXPECT_EQ(Pixel(*c, 2, 10), 0xFFFF0000u);
  EXPECT_EQ(Pixel(*c, 10, 17), 0xFFFF0000u);
}

// Under a moved or scaled matrix only the rectangle, in the matrix's
// space, stays empty; everything around it, also left of and above it, is
// drawn.
TEST_P(CanvasClasses, ExcludedRectangleFollowsTheMatrixAndCutsNothingElse) {
  const struct {
    const char* Name;
    TzrMatrix M;
    TzrRect Excluded;  // in the matrix's space; (6, 6, 12, 12) on the target
  } cases[] = {{"moved", TzrMatrix{1, 0, 0, 0, 1, 0, 4, 3, 1}, zrRect(2, 3, 8, 9)},
               {"scaled and moved", TzrMatrix{2, 0, 0, 0, 2, 0, -2, -4, 1}, zrRect(4, 5, 7, 8)}};
  for (const auto& k : cases) {
    auto c = Open(20, 20);
    c->GetFill()->SetSolidColor(0xFFFF0000);
    const uint32_t s = c->SaveCanvas();
    c->SetMatrix(k.M);
    c->ExcludeClipRect(k.Excluded);
    c->SetMatrix(IdentityMatrix);
    c->FillRect(zrRect(0, 0, 20, 20), 0, 0, 0, 1);
    c->RestoreCanvas(s);
    Finish(*c);
    EXPECT_EQ(Raw(*c, 8, 8), 0u) << k.Name;
    EXPECT_EQ(Raw(*c, 11, 11), 0u) << k.Name;
    for (const TzrPoint p : {TzrPoint{1, 1}, TzrPoint{8, 2}, TzrPoint{2, 8}, TzrPoint{5, 5},
                             TzrPoint{12, 12}, TzrPoint{17, 8}, TzrPoint{8, 17}})
      EXPECT_EQ(Pixel(*c, int(p.X), int(p.Y)), 0xFFFF0000u)
          << k.Name << " at " << p.X << ", " << p.Y;
  }
}

TEST_P(CanvasClasses, BitmapPartIsStretchedIntoTheTarget) {
  TzrBitmap b(2, 1);
  b.Clear(0xFF0000FF);
  b.ClearRect(zrRect(1, 0, 2, 1), 0xFF00FF00);
  auto c = Open(20, 10);
  c->DrawBitmap(b, zrRect(1, 0, 2, 1), zrRect(0, 0, 10, 10), 1, true);
  c->DrawBitmap(b, zrRect(0, 0, 2, 1), zrRect(10, 0, 20, 10), 0.5f, true);
  Finish(*c);
  EXPECT_EQ(Pixel(*c, 5, 5), 0xFF00FF00u);
  EXPECT_TRUE(Near(Pixel(*c, 12, 5), 0x800000FF));
}

TEST_P(CanvasClasses, TextIsDrawnMeasuredWithTrailingBlanksAndOutlined) {
  auto c = Open(120, 40);
  c->GetFont()->SetSize(16);
  c->GetFill()->SetSolidColor(0xFF000000);
  c->FillText(zrRect(0, 0, 120, 40), zrRect(0, 0, 120, 40), u"Motor", false, 1, zrTextAlignNear,
              zrTextAlignNear);
  TzrRect plain = zrRect(0, 0, 120, 40), blank = plain, empty = zrRect(3, 4, 50, 60);
  c->MeasureText(plain, plain, u"Motor", false, zrTextAlignNear, zrTextAlignNear);
  c->MeasureText(blank, blank, u"Motor ", false, zrTextAlignNear, zrTextAlignNear);
  c->MeasureText(empty, empty, u"", false, zrTextAlignNear, zrTextAlignNear);
  EXPECT_GT(zrRectWidth(blank), zrRectWidth(plain) + 2);
  EXPECT_GT(zrRectHeight(plain), 12);
  EXPECT_EQ(empty.Right, empty.Left);
  EXPECT_EQ(empty.Bottom, 60);
  TzrPathData path;
  path.MoveTo({1, 1});
  EXPECT_FALSE(
      c->TextToPath(path, zrRect(0, 0, 100, 40), u"", false, zrTextAlignNear, zrTextAlignNear));
  EXPECT_EQ(path.PathData.size(), 1u);
  EXPECT_TRUE(
      c->TextToPath(path, zrRect(0, 0, 100, 40), u"I", false, zrTextAlignNear, zrTextAlignNear));
  EXPECT_GT(path.PathData.size(), 3u);
  Finish(*c);
  int ink = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 120; ++x) ink += Alpha(Pixel(*c, x, y)) > 128;
  EXPECT_GT(ink, 40);
}

TEST_P(CanvasClasses, SingularMatrixDrawsNothingAndLeavesTheCanvasWhole) {
  auto c = Open(10, 10);
  TzrMatrix flat = IdentityMatrix;
  flat.m22 = 0;  // an object scaled to no height
  c->SetMatrix(flat);
  c->FillRect(zrRect(0, 0, 10, 10), 0, 0, 0, 1);
  c->DrawLine({0, 0}, {10, 10}, 1);
  c->FillText(zrRect(0, 0, 10, 10), zrRect(0, 0, 10, 10), u"x", false, 1, zrTextAlignNear,
              zrTextAlignNear);
  const uint32_t s = c->SaveCanvas();
  c->IntersectClipRect(zrRect(0, 0, 10, 10));
  c->FillRect(zrRect(0, 0, 10, 10), 0, 0, 0, 1);
  c->RestoreCanvas(s);
  EXPECT_EQ(Raw(*c, 5, 5), 0u);
  c->SetMatrix(IdentityMatrix);
  c->FillRect(zrRect(0, 0, 10, 10), 0, 0, 0, 1);
  Finish(*c);
  EXPECT_EQ(Raw(*c, 5, 5), 0xFFFFFFFFu);
}

INSTANTIATE_TEST_SUITE_P(Both, CanvasClasses, CANVAS_CLASSES);

}  // namespace
