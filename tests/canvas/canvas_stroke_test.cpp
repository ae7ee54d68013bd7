// Strokes with caps, joins and dashes; bitmaps drawn with opacity; canvases
// bound to a bitmap.
#include <gtest/gtest.h>

#include "canvas_fixture.h"
#include "scene/zr_bitmap.h"

namespace {

using namespace canvas_test;

bool Painted(const TzrCanvas& C, int X, int Y) { return Alpha(Pixel(C, X, Y)) > 128; }

TEST(CanvasStroke, LineCapsReachBeyondTheEndsOnlyWhenRound) {
  for (TzrStrokeCap cap : {zrCapFlat, zrCapRound}) {
    auto c = NewCanvas(40, 20);
    c->SetStrokeThickness(6);
    c->SetStrokeCap(cap);
    c->DrawLine({10, 10}, {30, 10}, 1);
    EXPECT_TRUE(Painted(*c, 20, 10));
    EXPECT_EQ(Painted(*c, 31, 10), cap == zrCapRound) << cap;
    EXPECT_EQ(Painted(*c, 8, 10), cap == zrCapRound) << cap;
  }
}

TEST(CanvasStroke, DashPatternsAreInUnitsOfThePenWidth) {
  auto c = NewCanvas(60, 10);
  c->SetStrokeThickness(4);
  c->SetStrokeDash(zrDashDash);  // dash 12, gap 4
  c->DrawLine({0, 5}, {60, 5}, 1);
  EXPECT_TRUE(Painted(*c, 6, 5));
  EXPECT_FALSE(Painted(*c, 14, 5));
  EXPECT_TRUE(Painted(*c, 22, 5));
  EXPECT_FALSE(Painted(*c, 30, 5));
  c->Clear(0);
  c->SetCustomDash({1, 1}, 1);  // the offset shifts the pattern by one width
  c->DrawLine({0, 5}, {60, 5}, 1);
  EXPECT_FALSE(Painted(*c, 2, 5));
  EXPECT_TRUE(Painted(*c, 6, 5));
}

TEST(CanvasStroke, PathSegmentsRestartTheDash) {
  auto c = NewCanvas(60, 10);
  c->SetStrokeThickness(2);
  c->SetCustomDash({3, 3}, 0);  // dash 6, gap 6
  TzrPathData p;
  p.MoveTo({0, 5});
  p.LineTo({10, 5});
  p.LineTo({20, 5});
  c->DrawPath(p, zrRect(0, 5, 20, 5.001f), 1);
  // the second segment starts with a dash again at x = 10
  EXPECT_TRUE(Painted(*c, 11, 5));
  EXPECT_FALSE(Painted(*c, 8, 5));
}

struct JoinCase {
  TzrStrokeJoin Join;
  bool Outer;  // pixel (6, 6): only the miter reaches it
  bool Arc;    // pixel (7, 7): the round join reaches it, the bevel does not
};

TEST(CanvasStroke, RectangleCornersFollowTheJoin) {
  const JoinCase cases[] = {
      {zrJoinMiter, true, true}, {zrJoinRound, false, true}, {zrJoinBevel, false, false}};
  for (const JoinCase& k : cases) {
    auto c = NewCanvas(60, 60);
    c->SetStrokeThickness(8);
    c->SetStrokeJoin(k.Join);
    c->DrawRect(zrRect(10, 10, 50, 50), 0, 0, 0, 1);
    EXPECT_EQ(Painted(*c, 6, 6), k.Outer) << k.Join;
    EXPECT_EQ(Painted(*c, 7, 7), k.Arc) << k.Join;
    EXPECT_TRUE(Painted(*c, 30, 10)) << k.Join;
    EXPECT_FALSE(Painted(*c, 30, 30)) << k.Join;
  }
}

TEST(CanvasStroke, RoundedOutlineLeavesTheCornerPointOut) {
  auto c = NewCanvas(40, 40);
  c->SetStrokeThickness(2);
  c->DrawRect(zrRect(5, 5, 35, 35), 10, 10, AllCorners, 1);
  EXPECT_TRUE(Painted(*c, 20, 5));
  EXPECT_FALSE(Painted(*c, 5, 5));
  // no corners: a closed four-corner outline
  c->Clear(0);
  c->DrawRect(zrRect(5, 5, 35, 35), 10, 10, 0, 1);
  EXPECT_TRUE(Painted(*c, 5, 5));
}

TEST(CanvasStroke, NoStrokeBrushDrawsNothing) {
  auto c = NewCanvas(20, 20);
  c->GetStroke()->SetStyle(zrBrushNone);
  c->SetStrokeThickness(4);
  c->DrawLine({0, 10}, {20, 10}, 1);
  c->DrawRect(zrRect(2, 2, 18, 18), 0, 0, 0, 1);
  c->DrawEllipse(zrRect(2, 2, 18, 18), 1);
  for (int x = 0; x < 20; ++x) EXPECT_EQ(Raw(*c, x, 10), 0u);
}

TEST(CanvasStroke, GradientStrokePaintsItsColours) {
  auto c = NewCanvas(20, 20);
  TzrBrush& s = *c->GetStroke();
  s.SetStyle(zrBrushGradient);
  s.GetGradient()->GetPoints()->Clear();
  s.GetGradient()->GetPoints()->AddPoint(0xFFFF0000, 0);
  s.GetGradient()->GetPoints()->AddPoint(0xFFFF0000, 1);
  c->SetStrokeThickness(4);
  c->DrawLine({0, 10}, {20, 10}, 0.5f);
  EXPECT_TRUE(Near(Pixel(*c, 10, 10), 0x80FF0000, 4));
}

TzrBitmap& RedBitmap() {
  static TzrBitmap b(10, 10);
  b.Clear(0xFFFF0000);
  return b;
}

TEST(CanvasStroke, BitmapsAreDrawnWithOpacity) {
  struct Case {
    float Opacity;
    uint8_t Alpha;
  };
  for (Case k : {Case{1, 255}, Case{0.5f, 128}, Case{1.5f, 255}, Case{0, 0}, Case{-0.5f, 0}}) {
    auto c = NewCanvas(20, 20);
    c->DrawBitmap(RedBitmap(), zrRect(0, 0, 10, 10), zrRect(0, 0, 20, 20), k.Opacity);
    EXPECT_NEAR(Alpha(Pixel(*c, 10, 10)), k.Alpha, 2) << k.Opacity;
    if (k.Alpha) {
      EXPECT_TRUE(Near(Pixel(*c, 10, 10) | 0xFF000000, 0xFFFF0000)) << k.Opacity;
    }
  }
}

TEST(CanvasStroke, BitmapChangesShowWithoutACopy) {
  TzrBitmap b(4, 4);
  b.Clear(0xFF0000FF);
  auto c = NewCanvas(4, 4);
  c->DrawBitmap(b, zrRect(0, 0, 4, 4), zrRect(0, 0, 4, 4), 1, true);
  EXPECT_EQ(Raw(*c, 1, 1), 0xFF0000FFu);
  b.Clear(0xFF00FF00);  // same size: the cached image shares the pixels
  c->DrawBitmap(b, zrRect(0, 0, 4, 4), zrRect(0, 0, 4, 4), 1, true);
  EXPECT_EQ(Raw(*c, 1, 1), 0xFF00FF00u);
  b.SetSize(2, 2);  // a new size drops the cached image
  EXPECT_EQ(b.GetHandle(), 0u);
  b.Clear(0xFFFFFFFF);
  c->DrawBitmap(b, zrRect(0, 0, 2, 2), zrRect(0, 0, 4, 4), 1, true);
  EXPECT_EQ(Raw(*c, 3, 3), 0xFFFFFFFFu);
}

TEST(CanvasStroke, BitmapCanvasDrawsIntoTheBitmapsPixels) {
  TzrBitmap b(10, 10);
  auto c = DefaultCanvasClass->CreateFromBitmap(&b);
  c->SetMatrix(IdentityMatrix);
  EXPECT_FALSE(c->GetBuffered());
  EXPECT_EQ(c->GetWidth(), 10);
  c->GetFill()->SetSolidColor(0xFF00FF00);
  c->FillRect(zrRect(0, 0, 5, 10), 0, 0, 0, 1);
  EXPECT_EQ(b.GetPixels(2, 2), 0xFF00FF00u);
  EXPECT_EQ(b.GetPixels(7, 2), 0u);
  c->ClearRect(zrRect(8, 8, 10, 10), 0xFF123456);
  EXPECT_EQ(b.GetPixels(9, 9), 0xFF123456u);
  EXPECT_EQ(DefaultCanvasClass->GetBitmapScanline(&b, 9), b.GetStartLine() + 90);
  EXPECT_EQ(DefaultCanvasClass->GetBitmapScanline(&b, 10), nullptr);
  EXPECT_EQ(DefaultCanvasClass->GetBitmapScanline(&b, -1), nullptr);
}

TEST(CanvasStroke, CanvasOfAnEmptyBitmapDrawsNothing) {
  TzrBitmap empty;
  TzrCanvasGdiPlus c(&empty);
  c.SetMatrix(IdentityMatrix);
  c.FillRect(zrRect(0, 0, 5, 5), 0, 0, 0, 1);
  c.ClearRect(zrRect(0, 0, 5, 5), 0xFFFFFFFF);
  EXPECT_EQ(c.GetGraphics(), nullptr);
}

TEST(CanvasStroke, ThumbnailScalesIntoABitmapCanvasOnly) {
  TzrBitmap source(40, 20);
  source.Clear(0xFF0000FF);
  TzrBitmap thumb(10, 5);
  TzrCanvasGdiPlus c(&thumb);
  c.SetMatrix(IdentityMatrix);
  c.DrawThumbnail(source, 10, 999);
  EXPECT_EQ(thumb.GetPixels(9, 4), 0xFF0000FFu);
  auto buffered = NewCanvas(10, 5);
  buffered->DrawThumbnail(source, 10, 5);
  EXPECT_EQ(Raw(*buffered, 2, 2), 0u);
}

}  // namespace
