// Geometries: hit tests of rectangles, paths and groups under both fill
// modes, the sink's figure rules, simplification, and stroke-style dashes.
#include <gtest/gtest.h>

#include "d2d_fixture.h"

namespace {

using namespace d2d_test;

// Two nested squares as two figures of one path: the ring between them is
// filled under both rules, the inner square only under winding (same turn).
std::shared_ptr<ID2D1PathGeometry> NestedSquares(ID2D1Factory& F, D2D1_FILL_MODE Mode) {
  auto g = F.CreatePathGeometry();
  std::shared_ptr<ID2D1GeometrySink> sink;
  EXPECT_EQ(g->Open(&sink), S_OK);
  sink->SetFillMode(Mode);
  for (float s : {0.0f, 3.0f}) {
    sink->BeginFigure({s, s}, D2D1_FIGURE_BEGIN_FILLED);
    sink->AddLine({10 - s, s});
    sink->AddLine({10 - s, 10 - s});
    sink->AddLine({s, 10 - s});
    sink->EndFigure(D2D1_FIGURE_END_CLOSED);
  }
  EXPECT_EQ(sink->Close(), S_OK);
  return g;
}

bool Contains(const ID2D1Geometry& G, float X, float Y, const D2D1_MATRIX_3X2_F* M = nullptr) {
  BOOL in = 0;
  EXPECT_EQ(G.FillContainsPoint({X, Y}, M, 1.0f, &in), S_OK);
  return in != 0;
}

TEST(D2DGeometry, FillModesDecideWhatNestedFiguresCover) {
  ID2D1Factory f;
  auto alternate = NestedSquares(f, D2D1_FILL_MODE_ALTERNATE);
  auto winding = NestedSquares(f, D2D1_FILL_MODE_WINDING);
  EXPECT_TRUE(Contains(*alternate, 1, 5));
  EXPECT_FALSE(Contains(*alternate, 5, 5));
  EXPECT_TRUE(Contains(*winding, 5, 5));
  EXPECT_FALSE(Contains(*winding, 11, 5));
  EXPECT_EQ(alternate->GetFigureCount(), 2u);
}

TEST(D2DGeometry, RectangleHitTestFollowsTheWorldTransform) {
  ID2D1Factory f;
  auto r = f.CreateRectangleGeometry({0, 0, 10, 10});
  D2D1_MATRIX_3X2_F shift;
  shift._31 = 100;
  EXPECT_TRUE(Contains(*r, 5, 5));
  EXPECT_FALSE(Contains(*r, 5, 5, &shift));
  EXPECT_TRUE(Contains(*r, 105, 5, &shift));
}

TEST(D2DGeometry, GroupJoinsItsGeometriesUnderItsFillMode) {
  ID2D1Factory f;
  auto a = f.CreateRectangleGeometry({0, 0, 10, 10});
  auto b = f.CreateRectangleGeometry({5, 0, 15, 10});
  ID2D1Geometry* parts[] = {a.get(), b.get()};
  auto winding = f.CreateGeometryGroup(D2D1_FILL_MODE_WINDING, parts, 2);
  auto alternate = f.CreateGeometryGroup(D2D1_FILL_MODE_ALTERNATE, parts, 2);
  EXPECT_EQ(winding->GetSourceGeometryCount(), 2u);
  EXPECT_TRUE(Contains(*winding, 7, 5));  // the overlap
  EXPECT_FALSE(Contains(*alternate, 7, 5));
  EXPECT_TRUE(Contains(*alternate, 12, 5));
}

TEST(D2DGeometry, SinkEndsOpenFiguresAndRefusesWorkAfterClose) {
  ID2D1Factory f;
  auto g = f.CreatePathGeometry();
  std::shared_ptr<ID2D1GeometrySink> sink;
  ASSERT_EQ(g->Open(&sink), S_OK);
  std::shared_ptr<ID2D1GeometrySink> second;
  EXPECT_EQ(g->Open(&second), D2DERR_WRONG_STATE);
  sink->AddLine({1, 1});  // before any figure: ignored
  sink->BeginFigure({0, 0}, D2D1_FIGURE_BEGIN_FILLED);
  sink->AddBezier({{1, 0}, {2, 1}, {2, 2}});
  sink->BeginFigure({5, 5}, D2D1_FIGURE_BEGIN_FILLED);  // ends the first one open
  sink->AddLine({6, 5});
  EXPECT_EQ(sink->Close(), S_OK);
  EXPECT_EQ(sink->Close(), D2DERR_WRONG_STATE);
  sink->AddLine({9, 9});
  TRecordingSink out;
  EXPECT_EQ(g->Simplify(D2D1_GEOMETRY_SIMPLIFICATION_OPTION_CUBICS_AND_LINES, nullptr, 0, &out),
            S_OK);
  const std::vector<std::string> want = {"M 0,0", "C 1,0 2,1 2,2", "E", "M 5,5", "L 6,5", "E"};
  EXPECT_EQ(out.Steps, want);
  EXPECT_EQ(out.Closes, 1);
}

TEST(D2DGeometry, SimplifyToLinesFlattensCurvesWithinTheTolerance) {
  ID2D1Factory f;
  auto g = f.CreatePathGeometry();
  std::shared_ptr<ID2D1GeometrySink> sink;
  g->Open(&sink);
  sink->BeginFigure({0, 0}, D2D1_FIGURE_BEGIN_FILLED);
  sink->AddBezier({{0, 100}, {100, 100}, {100, 0}});
  sink->EndFigure(D2D1_FIGURE_END_CLOSED);
  sink->Close();
  TRecordingSink coarse, fine;
  g->Simplify(D2D1_GEOMETRY_SIMPLIFICATION_OPTION_LINES, nullptr, 5, &coarse);
  g->Simplify(D2D1_GEOMETRY_SIMPLIFICATION_OPTION_LINES, nullptr, 0.05f, &fine);
  for (const auto& s : fine.Steps) EXPECT_NE(s[0], 'C');
  EXPECT_GT(fine.Steps.size(), coarse.Steps.size());
  EXPECT_EQ(fine.Steps.back(), "Z");
}

TEST(D2DStrokeStyle, PresetDashesAreInStrokeWidths) {
  ID2D1Factory f;
  const struct {
    D2D1_DASH_STYLE Style;
    std::vector<FLOAT> Dashes;
  } cases[] = {
      {D2D1_DASH_STYLE_SOLID, {}},
      {D2D1_DASH_STYLE_DASH, {2, 2}},
      {D2D1_DASH_STYLE_DOT, {0, 2}},
      {D2D1_DASH_STYLE_DASH_DOT, {2, 2, 0, 2}},
      {D2D1_DASH_STYLE_DASH_DOT_DOT, {2, 2, 0, 2, 0, 2}},
  };
  const FLOAT ignored[] = {7, 7};
  for (const auto& c : cases) {
    D2D1_STROKE_STYLE_PROPERTIES p;
    p.dashStyle = c.Style;
    auto s = f.CreateStrokeStyle(p, ignored, 2);  // dashes count for custom only
    ASSERT_TRUE(s);
    EXPECT_EQ(s->Dashes(), c.Dashes) << c.Style;
  }
  D2D1_STROKE_STYLE_PROPERTIES custom;
  custom.dashStyle = D2D1_DASH_STYLE_CUSTOM;
  EXPECT_EQ(f.CreateStrokeStyle(custom, ignored, 2)->Dashes(), std::vector<FLOAT>({7, 7}));
  EXPECT_FALSE(f.CreateStrokeStyle(custom, nullptr, 0));
  const FLOAT negative[] = {1, -1};
  EXPECT_FALSE(f.CreateStrokeStyle(custom, negative, 2));
}

}  // namespace
