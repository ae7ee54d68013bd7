#include <cmath>
#include <functional>

#include "shapes_fixture.h"
#include "tests/platform_gdiplus/color_near.h"

namespace {

using color_test::Near;

constexpr TzrColor White = 0xFFFFFFFF, Red = 0xFFFF0000, Blue = 0xFF0000FF;

// A point on the circle of radius R about (Cx, Cy) at Angle degrees (screen
// angles: positive turns downwards).
TzrPoint OnCircle(float Cx, float Cy, float R, float Angle) {
  const float a = Angle * float(M_PI) / 180;
  return {Cx + R * std::cos(a), Cy + R * std::sin(a)};
}

// Every shape is placed at (10, 10) in the scene, so local (x, y) is pixel
// (x + 10, y + 10).
TEST_F(ShapesTest, ShapesPaintTheirFillAndOutlineInsideTheShapeRectangle) {
  struct Probe {
    TzrPoint Local;
    TzrColor Expected;
  };
  struct Case {
    const char* Name;
    std::function<TzrShape*(ShapesTest&)> Build;
    std::vector<Probe> Probes;
  };
  const std::vector<Case> cases = {
      {"rectangle without stroke fills its whole rectangle",
       [](ShapesTest& t) {
         auto* r = t.Make<TzrRectangle>(10, 10, 40, 30);
         Paint(r, Red, Blue, 4);
         r->GetStroke()->SetStyle(zrBrushNone);
         return r;
       },
       {{{0.5f, 0.5f}, Red}, {{39.5f, 29.5f}, Red}, {{40.5f, 15}, White}}},
      {"stroke 4: outline and fill inset by 2",
       [](ShapesTest& t) {
         auto* r = t.Make<TzrRectangle>(10, 10, 40, 30);
         Paint(r, Red, Blue, 4);
         return r;
       },
       // Outline centred on 2 covers 0..4 on every side; inside it the fill.
       {{{0.5f, 15}, Blue},
        {{3.5f, 15}, Blue},
        {{39.5f, 15}, Blue},
        {{36.5f, 15}, Blue},
        {{20, 0.5f}, Blue},
        {{20, 29.5f}, Blue},
        {{4.5f, 15}, Red},
        {{20, 4.5f}, Red},
        {{40.5f, 15}, White}}},
      {"sides rectangle with only the top side",
       [](ShapesTest& t) {
         auto* r = t.Make<TzrSidesRectangle>(10, 10, 40, 30);
         Paint(r, Red, Blue, 1);
         r->SetSides(1 << zrSideTop);
         return r;
       },
       {{{20, 0.5f}, Blue}, {{0.5f, 15}, Red}, {{39.5f, 15}, Red}, {{20, 29.5f}, Red}}},
      {"sides rectangle without sides still strokes its round corners",
       [](ShapesTest& t) {
         auto* r = t.Make<TzrSidesRectangle>(10, 10, 40, 30);
         Paint(r, Red, Blue, 2);
         r->SetSides(0);
         r->SetxRadius(5);
         r->SetyRadius(5);
         return r;
       },
       // The top-left arc about (6, 6) of radius 5 passes (2.46, 2.46).
       {{{2.5f, 2.5f}, Blue},
        {{37.5f, 2.5f}, Blue},
        {{2.5f, 27.5f}, Blue},
        {{37.5f, 27.5f}, Blue},
        {{20, 0.5f}, Red},
        {{0.5f, 15}, Red},
        {{20, 29.5f}, Red},
        {{39.5f, 15}, Red}}},
      {"circle centred on the shorter side",
       [](ShapesTest& t) {
         auto* c = t.Make<TzrCircle>(10, 10, 80, 40);
         Paint(c, Red, Blue, 1);
         c->GetStroke()->SetStyle(zrBrushNone);
         return c;
       },
       {{{40, 20}, Red}, {{21, 20}, Red}, {{59, 20}, Red}, {{18, 20}, White}, {{62, 20}, White}}},
      {"pie 0 to -90 is the upper right quarter",
       [](ShapesTest& t) {
         auto* p = t.Make<TzrPie>(10, 10, 100, 100);
         Paint(p, Red, Blue, 1);
         p->GetStroke()->SetStyle(zrBrushNone);
         return p;
       },
       {{{75, 25}, Red}, {{25, 25}, White}, {{25, 75}, White}, {{75, 75}, White}}},
      {"arc 30 / -90 sweeps 90 degrees from 30",
       [](ShapesTest& t) {
         auto* a = t.Make<TzrArc>(10, 10, 100, 100);
         Paint(a, Red, Blue, 4);
         a->GetFill()->SetStyle(zrBrushNone);
         a->SetStartAngle(30);
         a->SetEndAngle(-90);
         return a;
       },
       // Radius (100 - 4) / 2 = 48 about (50, 50); the arc runs from 30 to -60.
       {{OnCircle(50, 50, 48, 20), Blue},
        {OnCircle(50, 50, 48, -50), Blue},
        {OnCircle(50, 50, 48, 45), White},
        {OnCircle(50, 50, 48, -75), White},
        {{50, 50}, White}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TzrShape* shape = c.Build(*this);
    Scene.DrawAll();
    for (const Probe& p : c.Probes) {
      const int x = int(std::floor(p.Local.X)) + 10, y = int(std::floor(p.Local.Y)) + 10;
      EXPECT_TRUE(Near(Scene.Pixel(x, y), p.Expected, 40))
          << "at local " << p.Local.X << "," << p.Local.Y;
    }
    delete shape;
  }
}

TEST_F(ShapesTest, RoundRectangleRadiusIsHalfTheShorterSideOfTheShapeRectangle) {
  for (const auto& [w, h] : {std::pair{100.0f, 20.0f}, std::pair{20.0f, 100.0f}}) {
    auto* r = Make<TzrRoundRect>(10, 10, w, h);
    Recorder->Forget();
    Scene.DrawAll();
    ASSERT_EQ(Recorder->Rects.size(), 1u);
    EXPECT_EQ(Recorder->Rects[0].XRadius, 9.5f) << w << " x " << h;
    EXPECT_EQ(Recorder->Rects[0].YRadius, 9.5f);
    delete r;
  }
}

TEST_F(ShapesTest, CircleIsTheShortSidesSquareCentredInTheShapeRectangle) {
  auto* c = Make<TzrCircle>(0, 0, 60, 30);
  c->SetStrokeThickness(2);
  Scene.DrawAll();
  ASSERT_EQ(Recorder->Ellipses.size(), 1u);
  EXPECT_EQ(Recorder->Ellipses[0], zrRect(16, 1, 44, 29));
}

TEST_F(ShapesTest, HitTestsFollowTheOutlineNotTheRectangle) {
  auto* ellipse = Make<TzrEllipse>(10, 10, 100, 50);
  ellipse->SetStrokeThickness(10);  // the hit test ignores the stroke inset
  EXPECT_EQ(Root->ObjectByPoint(11, 35), ellipse);
  EXPECT_EQ(Root->ObjectByPoint(13, 13), Root);
  EXPECT_EQ(Root->ObjectByPoint(108, 35), ellipse);
  ellipse->SetWidth(0);
  for (const TzrPoint& p : {TzrPoint{10, 35}, TzrPoint{10, 10}})
    EXPECT_FALSE(ellipse->PointInObject(p.X, p.Y));

  auto* pie = Make<TzrPie>(50, 50, 100, 100);
  EXPECT_EQ(Root->ObjectByPoint(125, 75), pie);
  EXPECT_EQ(Root->ObjectByPoint(75, 125), Root) << "inside the ellipse, outside the slice";

  // A circle that is wider than high is hit over its whole ellipse.
  auto* circle = Make<TzrCircle>(0, 160, 100, 40);
  EXPECT_EQ(Root->ObjectByPoint(3, 180), circle);
}

// Setters that change the outline rebuild effect images; corners and angles
// only repaint.
TEST_F(ShapesTest, SettersMarkEffectsOrOnlyRepaint) {
  struct Case {
    const char* Name;
    std::function<void(TzrRectangle*)> Change;
    bool Effects;
    bool Compares = true;  // the same value again does nothing
  };
  const std::vector<Case> cases = {
      {"xRadius", [](TzrRectangle* r) { r->SetxRadius(3); }, true},
      {"yRadius", [](TzrRectangle* r) { r->SetyRadius(3); }, true},
      {"CornerType", [](TzrRectangle* r) { r->SetCornerType(zrCornerBevel); }, true},
      {"Sides", [](TzrRectangle* r) { r->SetSides(1); }, true},
      {"StrokeThickness", [](TzrRectangle* r) { r->SetStrokeThickness(2); }, true},
      {"StrokeDash", [](TzrRectangle* r) { r->SetStrokeDash(zrDashDot); }, true},
      {"Fill colour", [](TzrRectangle* r) { r->GetFill()->SetSolidColor(Red); }, true},
      {"Stroke brush copied",
       [](TzrRectangle* r) {
         TzrBrush b(zrBrushSolid, Blue);
         b.SetSolidColor(Red);
         r->SetStroke(&b);
       },
       true, false},
      {"Corners", [](TzrRectangle* r) { r->SetCorners(1); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    auto* r = Make<TzrRectangle>(20, 20, 40, 40);
    (new TTestGlow(&Owner))->SetParent(r);
    Scene.DrawAll();
    ASSERT_FALSE(r->GetEffectsStale());
    c.Change(r);
    EXPECT_EQ(r->GetEffectsStale(), c.Effects);
    EXPECT_TRUE(Scene.Covered(zrRect(20, 20, 60, 60))) << "repainted";
    Scene.Rects.clear();
    c.Change(r);
    if (c.Compares) {
      EXPECT_TRUE(Scene.Rects.empty()) << "the same value again does nothing";
    }
    delete r;
  }
}

TEST_F(ShapesTest, BrushChangesInsideAnUpdateMarkEffectsWithoutRepainting) {
  auto* r = Make<TzrRectangle>(20, 20, 40, 40);
  Scene.DrawAll();
  r->BeginUpdate();
  r->GetFill()->SetSolidColor(Red);
  EXPECT_TRUE(Scene.Rects.empty());
  EXPECT_TRUE(r->GetEffectsStale());
  r->EndUpdate();
}

TEST_F(ShapesTest, FillAndStrokeAreCopiedNeverTaken) {
  auto* r = Make<TzrRectangle>(0, 0, 10, 10);
  TzrBrush mine(zrBrushSolid, Blue);
  mine.SetSolidColor(Red);
  r->SetFill(&mine);
  EXPECT_NE(r->GetFill(), &mine);
  EXPECT_EQ(r->GetFill()->GetSolidColor(), Red);
  mine.SetSolidColor(Blue);
  EXPECT_EQ(r->GetFill()->GetSolidColor(), Red);
}

TEST_F(ShapesTest, LineRunsAlongTheShapeRectangleByItsType) {
  struct Case {
    TzrLineType Type;
    TzrPoint On, Off;
  };
  // 40 x 20 with stroke 2: the shape rectangle is (1, 1, 39, 19).
  for (const Case& c :
       {Case{zrLineNormal, {20, 10}, {20, 1}}, Case{zrLineHorizontal, {20, 1}, {20, 10}},
        Case{zrLineVertical, {1, 10}, {20, 10}}}) {
    auto* line = Make<TzrLine>(10, 10, 40, 20);
    Paint(line, Red, Blue, 2);
    line->SetLineType(c.Type);
    Scene.DrawAll();
    EXPECT_TRUE(Near(Scene.Pixel(int(c.On.X) + 10, int(c.On.Y) + 10), Blue, 90)) << c.Type;
    EXPECT_TRUE(Near(Scene.Pixel(int(c.Off.X) + 10, int(c.Off.Y) + 10), White)) << c.Type;
    delete line;
  }
}

}  // namespace
