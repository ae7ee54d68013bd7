// The operations the canvas base class builds on the backend's: dash
// presets, polygons, arcs, rectangles with chosen sides, text size, copies.
#include <gtest/gtest.h>

#include <vector>

#include "canvas_fixture.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_bitmap.h"

namespace {

using namespace canvas_test;

// Records the paths the base hands to FillPath and DrawPath.
class TRecordingCanvas : public TzrCanvasGdiPlus {
 public:
  TRecordingCanvas() : TzrCanvasGdiPlus(20, 20) {}
  void FillPath(const TzrPathData& APath, const TzrRect& ARect, float AOpacity) override {
    Filled.push_back(APath.PathData);
    Rects.push_back(ARect);
    TzrCanvasGdiPlus::FillPath(APath, ARect, AOpacity);
  }
  void DrawPath(const TzrPathData& APath, const TzrRect& ARect, float AOpacity) override {
    Drawn.push_back(APath.PathData);
    Rects.push_back(ARect);
    TzrCanvasGdiPlus::DrawPath(APath, ARect, AOpacity);
  }
  std::vector<std::vector<TzrPathPoint>> Filled, Drawn;
  std::vector<TzrRect> Rects;
};

using Kinds = std::vector<TzrPathPointKind>;
Kinds KindsOf(const std::vector<TzrPathPoint>& P) {
  Kinds k;
  for (const auto& e : P) k.push_back(e.Kind);
  return k;
}
constexpr auto M = zrPathPointMoveTo;
constexpr auto L = zrPathPointLineTo;
constexpr auto C = zrPathPointCurveTo;
constexpr auto Z = zrPathPointClose;

TEST(CanvasBase, StartsWithBlackStrokeWhiteFillAndZeroMatrix) {
  TzrCanvasGdiPlus c(8, 8);
  EXPECT_EQ(c.GetMatrix(), ZeroMatrix);
  EXPECT_EQ(c.GetStroke()->GetStyle(), zrBrushSolid);
  EXPECT_EQ(c.GetStroke()->GetSolidColor(), 0xFF000000u);
  EXPECT_EQ(c.GetFill()->GetSolidColor(), 0xFFFFFFFFu);
  EXPECT_EQ(c.GetStrokeThickness(), 0);
  EXPECT_EQ(c.GetStrokeDash(), zrDashSolid);
  EXPECT_EQ(c.GetFont()->GetFamily(), "Tahoma");
  // nothing shows before the matrix is set
  c.Clear(0);
  c.FillRect(zrRect(0, 0, 8, 8), 0, 0, 0, 1);
  EXPECT_EQ(Raw(c, 4, 4), 0u);
  c.SetMatrix(IdentityMatrix);
  c.FillRect(zrRect(0, 0, 8, 8), 0, 0, 0, 1);
  EXPECT_EQ(Raw(c, 4, 4), 0xFFFFFFFFu);
}

TEST(CanvasBase, DashPresetsLoadTheirPatterns) {
  struct Case {
    TzrStrokeDash Dash;
    std::vector<float> Pattern;
  };
  const Case cases[] = {{zrDashDash, {3, 1}},
                        {zrDashDot, {1, 1}},
                        {zrDashDashDot, {3, 1, 1, 1}},
                        {zrDashDashDotDot, {3, 1, 1, 1, 1, 1}},
                        {zrDashSolid, {}}};
  TzrCanvasGdiPlus c(4, 4);
  for (const Case& k : cases) {
    c.SetCustomDash({7, 2}, 5);
    c.SetStrokeDash(k.Dash);
    EXPECT_EQ(c.GetDash(), k.Pattern) << k.Dash;
    EXPECT_EQ(c.GetDashOffset(), 0) << k.Dash;
    EXPECT_EQ(c.GetStrokeDash(), k.Dash);
  }
}

TEST(CanvasBase, SettingTheSameDashOrCustomKeepsTheCustomPattern) {
  TzrCanvasGdiPlus c(4, 4);
  c.SetCustomDash({4, 2, 1}, 1.5f);
  EXPECT_EQ(c.GetStrokeDash(), zrDashCustom);
  c.SetStrokeDash(zrDashCustom);
  EXPECT_EQ(c.GetDash(), (std::vector<float>{4, 2, 1}));
  EXPECT_EQ(c.GetDashOffset(), 1.5f);
  c.SetStrokeDash(zrDashDot);
  c.GetDash();
  c.SetCustomDash({2, 2}, 0);
  c.SetStrokeDash(zrDashCustom);
  EXPECT_EQ(c.GetDash(), (std::vector<float>{2, 2}));
}

TEST(CanvasBase, PolygonsBecomePathsWithCloseMarkers) {
  TRecordingCanvas c;
  const TzrPolygon tri = {{0, 0}, {10, 0}, {0, 10}};
  c.FillPolygon(tri, 1);
  c.DrawPolygon(tri, 1);
  EXPECT_EQ(KindsOf(c.Filled[0]), (Kinds{M, L, Z}));  // the third point only closes
  EXPECT_EQ(c.Filled[0][2].Point, (TzrPoint{0, 10}));
  EXPECT_EQ(KindsOf(c.Drawn[0]), (Kinds{M, L, L}));  // an open polyline stays open
  EXPECT_EQ(c.Rects[0], zrRect(0, 0, 10, 0.001f));   // bounds skip the close entry

  TRecordingCanvas c2;
  c2.FillPolygon({{0, 0}, {10, 0}, {10, 10}, ClosePolygon, {12, 12}, {18, 12}, {18, 18}}, 1);
  EXPECT_EQ(KindsOf(c2.Filled[0]), (Kinds{M, L, L, Z, M, L, Z}));
  EXPECT_EQ(c2.Filled[0][3].Point, (TzrPoint{0, 0}));  // the marker keeps no coordinates
  EXPECT_EQ(c2.Rects[0], zrRect(0, 0, 18, 12));        // the last point only closes
}

TEST(CanvasBase, FilledTriangleNeedsItsFirstPointAgain) {
  TRecordingCanvas c;
  c.SetMatrix(IdentityMatrix);
  c.Clear(0);
  c.FillPolygon({{0, 0}, {19, 0}, {0, 19}}, 1);
  EXPECT_EQ(Raw(c, 3, 3), 0u);
  c.FillPolygon({{0, 0}, {19, 0}, {0, 19}, {0, 0}}, 1);
  EXPECT_EQ(Raw(c, 3, 3), 0xFFFFFFFFu);
  EXPECT_EQ(Raw(c, 17, 17), 0u);
}

TEST(CanvasBase, ArcsGoThroughAPathStretchedOverItsBounds) {
  TRecordingCanvas c;
  c.DrawArc({10, 10}, {5, 5}, 0, 90, 1);
  ASSERT_EQ(c.Drawn.size(), 1u);
  EXPECT_EQ(KindsOf(c.Drawn[0]), (Kinds{M, C, C, C}));
  EXPECT_EQ(c.Drawn[0].front().Point, (TzrPoint{15, 10}));
  EXPECT_NEAR(c.Drawn[0].back().Point.X, 10, 1e-4);
  EXPECT_NEAR(c.Drawn[0].back().Point.Y, 15, 1e-4);
  c.FillArc({10, 10}, {5, 5}, 0, 360, 1);
  EXPECT_EQ(c.Filled[0].size(), 13u);
}

TEST(CanvasBase, RectSidesWithAllSidesAndNoCornersIsOneFigure) {
  TRecordingCanvas c;
  // the radius is cut to half of the 20 wide rectangle
  c.DrawRectSides(zrRect(0, 0, 20, 40), 30, 4, 0, 1, AllSides);
  const auto& p = c.Drawn[0];
  EXPECT_EQ(KindsOf(p), (Kinds{M, L, L, L, L, L, L, L, L, L, L, L, L}));
  EXPECT_EQ(p[0].Point, (TzrPoint{0, 4}));
  EXPECT_EQ(p[2].Point, (TzrPoint{10, 0}));  // L + rx with rx = W / 2
  EXPECT_EQ(p.back().Point, p.front().Point);
  EXPECT_EQ(c.Rects[0], zrRect(0, 0, 20, 40));
}

TEST(CanvasBase, RectSidesSkipsSidesWithMoves) {
  TRecordingCanvas c;
  c.DrawRectSides(zrRect(0, 0, 20, 20), 4, 4, AllCorners, 1, 0, zrCornerRound);
  // four corner curves joined by moves, no lines
  EXPECT_EQ(KindsOf(c.Drawn[0]), (Kinds{M, C, C, C, M, C, C, C, M, C, C, C, M, C, C, C}));
  EXPECT_EQ(c.Drawn[0][1].Point, (TzrPoint{0, 2}));  // control points at half the radius
  EXPECT_EQ(c.Drawn[0][2].Point, (TzrPoint{2, 0}));

  TRecordingCanvas top;
  top.DrawRectSides(zrRect(0, 0, 20, 20), 0, 0, 0, 1, 1 << zrSideTop);
  EXPECT_EQ(KindsOf(top.Drawn[0]), (Kinds{M, M, L, L, L, M, M, M, M, M, M, M}));

  TRecordingCanvas inner;
  inner.DrawRectSides(zrRect(0, 0, 20, 20), 4, 4, 1 << zrCornerTopLeft, 1, 0, zrCornerInnerLine);
  EXPECT_EQ(inner.Drawn[0][1].Point, (TzrPoint{2, 4}));
  EXPECT_EQ(inner.Drawn[0][2].Point, (TzrPoint{4, 2}));
  EXPECT_EQ(inner.Drawn[0][3].Point, (TzrPoint{4, 0}));
}

TEST(CanvasBase, RectSidesDrawsOnlyTheChosenSides) {
  auto c = NewCanvas(40, 40);
  c->SetStrokeThickness(2);
  c->DrawRectSides(zrRect(5, 5, 35, 35), 0, 0, 0, 1, (1 << zrSideTop) | (1 << zrSideRight));
  EXPECT_EQ(Alpha(Pixel(*c, 20, 5)), 255);   // top
  EXPECT_EQ(Alpha(Pixel(*c, 34, 20)), 255);  // right
  EXPECT_EQ(Alpha(Pixel(*c, 20, 34)), 0);    // bottom
  EXPECT_EQ(Alpha(Pixel(*c, 5, 20)), 0);     // left
}

TEST(CanvasBase, TextSizeOfEmptyTextIsZeroWideAndAllTall) {
  TzrCanvasGdiPlus c(0, 0);  // no buffer yet: measuring still works
  EXPECT_EQ(c.TextWidth(u""), 0);
  EXPECT_EQ(c.TextHeight(u""), 10000);
  EXPECT_GT(c.TextWidth(u"Hello"), 10);
  EXPECT_LT(c.TextHeight(u"Hello"), 30);
}

TEST(CanvasBase, CopiesOfTheSurface) {
  auto c = NewCanvas(6, 4);
  c->ClearRect(zrRect(0, 0, 6, 4), 0xFF112233);
  TzrBitmap b;
  b.Assign(c.get());
  ASSERT_EQ(b.GetWidth(), 6);
  ASSERT_EQ(b.GetHeight(), 4);
  EXPECT_EQ(b.GetPixels(5, 3), 0xFF112233u);

  std::vector<uint32_t> bits(24);
  c->SaveToBits(bits.data());
  EXPECT_EQ(bits[23], 0xFF112233u);

  TMemoryStream s;
  c->SaveToStream(&s);
  EXPECT_GT(s.GetSize(), 0);  // an opaque buffer is written as JPEG
  s.SetPosition(0);
  TzrBitmap back;
  back.LoadFromStream(&s);
  EXPECT_EQ(back.GetWidth(), 6);

  TzrFont notABitmap;
  EXPECT_THROW(notABitmap.Assign(c.get()), EConvertError);
}

}  // namespace
