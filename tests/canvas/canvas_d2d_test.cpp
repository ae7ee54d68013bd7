// Where the Direct2D canvas draws otherwise than the GDI+ canvas: square
// ends on flat caps, its own dash patterns, ClearRect and ResetClipRect
// doing nothing, the radius rules of FillRect and DrawRect, the one-point
// gradient, oblique italics and text clipped to its rectangle.
#include <gtest/gtest.h>

#include "canvas/zr_canvas_d2d_text.h"
#include "canvas_classes.h"

namespace {

using namespace canvas_test;

std::unique_ptr<TzrCanvasD2D> OpenD2D(int W, int H) {
  auto c = std::make_unique<TzrCanvasD2D>(W, H);
  EXPECT_TRUE(c->BeginScene());
  c->SetMatrix(IdentityMatrix);
  c->Clear(0);
  return c;
}

TEST(CanvasD2D, FlatCapsAreDrawnSquare) {
  auto c = OpenD2D(40, 10);
  c->SetStrokeThickness(4);
  c->SetStrokeCap(zrCapFlat);
  c->DrawLine({10, 5}, {30, 5}, 1);
  c->EndScene();
  EXPECT_EQ(Pixel(*c, 31, 5), 0xFF000000u);  // the square end reaches 2 further
  EXPECT_EQ(Raw(*c, 33, 5), 0u);
}

TEST(CanvasD2D, PresetDashesAreDirect2DPatternsInStrokeWidths) {
  // dash: 2 on, 2 off; the square caps add 1 (half of 2) at both ends of a dash
  auto c = OpenD2D(40, 12);
  c->SetStrokeThickness(2);
  c->SetStrokeCap(zrCapRound);
  c->SetStrokeDash(zrDashDash);  // the base loads 3,1; this canvas uses 2,2
  c->DrawLine({0, 3}, {40, 3}, 1);
  c->SetStrokeCap(zrCapFlat);
  c->SetStrokeDash(zrDashDot);  // 0 on, 2 off: square dots
  c->DrawLine({0, 9}, {40, 9}, 1);
  c->EndScene();
  // dashes from 0 to 4, 8 to 12 …: pixel 6 lies in a gap (with 3,1 it would be ink)
  EXPECT_EQ(Alpha(Pixel(*c, 2, 3)), 255);
  EXPECT_LT(Alpha(Pixel(*c, 6, 3)), 64);
  // dots centred on 0, 4, 8 … each 2 wide: pixel 4 ink, pixel 6 empty
  EXPECT_EQ(Alpha(Pixel(*c, 4, 9)), 255);
  EXPECT_EQ(Alpha(Pixel(*c, 6, 9)), 0);
}

TEST(CanvasD2D, ClearRectAndResetClipRectDoNothing) {
  auto c = OpenD2D(10, 10);
  c->Clear(0xFFFFFFFF);
  c->ClearRect(zrRect(0, 0, 5, 5), 0xFFFF0000);
  const uint32_t s = c->SaveCanvas();
  c->IntersectClipRect(zrRect(0, 0, 5, 10));
  c->ResetClipRect();  // the clip stays
  c->GetFill()->SetSolidColor(0xFF0000FF);
  c->FillRect(zrRect(0, 0, 10, 10), 0, 0, 0, 1);
  c->RestoreCanvas(s);
  c->EndScene();
  EXPECT_EQ(Pixel(*c, 2, 2), 0xFF0000FFu);
  EXPECT_EQ(Pixel(*c, 7, 2), 0xFFFFFFFFu);
}

TEST(CanvasD2D, RadiusRulesOfFillAndDraw) {
  const struct {
    const char* Name;
    bool Fill;
    float Radius;
    TzrCorners Corners;
    bool CornerPixelInked;  // pixel (1, 1) of a 20 x 20 rectangle at (2, 2)
  } cases[] = {
      {"draw with radii 1E-41 is a plain rectangle", false, 1E-41f, AllCorners, true},
      {"fill with radii 1E-41 and corners builds the outline", true, 1E-41f, AllCorners, true},
      {"fill with radii 5 and no corners is a plain rectangle", true, 5, 0, true},
      {"draw with radii 5 and no corners has square corners", false, 5, 0, true},
      {"fill with radii 5 and corners is rounded", true, 5, AllCorners, false},
      {"draw with radii 5 and corners is rounded", false, 5, AllCorners, false},
  };
  for (const auto& k : cases) {
    auto c = OpenD2D(24, 24);
    c->SetStrokeThickness(2);
    c->GetFill()->SetSolidColor(0xFF000000);
    if (k.Fill)
      c->FillRect(zrRect(2, 2, 22, 22), k.Radius, k.Radius, k.Corners, 1);
    else
      c->DrawRect(zrRect(2, 2, 22, 22), k.Radius, k.Radius, k.Corners, 1);
    c->EndScene();
    const uint8_t a = Alpha(Pixel(*c, 2, 2));
    EXPECT_EQ(a > 200, k.CornerPixelInked) << k.Name << ": alpha " << int(a);
  }
}

TEST(CanvasD2D, RadiusBeyondHalfTheSideBecomesHalfTheSide) {
  // 10 x 10 with xRadius 8: rx = 5 (kx = 0.4477152502 x 5), the same
  // outline as radius 5
  auto c = OpenD2D(24, 12);
  c->GetFill()->SetSolidColor(0xFF000000);
  c->FillRect(zrRect(0, 0, 10, 10), 8, 8, AllCorners, 1);
  c->FillRect(zrRect(12, 0, 22, 10), 5, 5, AllCorners, 1);
  c->EndScene();
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) EXPECT_EQ(Raw(*c, x, y), Raw(*c, x + 12, y)) << x << "," << y;
  // the circle's coverage of pixel (1, 1): about 0.55
  EXPECT_NEAR(Alpha(Raw(*c, 1, 1)), 140, 8);
}

TEST(CanvasD2D, GradientStopsAndOnePointGradient) {
  auto c = OpenD2D(100, 20);
  TzrGradient& g = *c->GetFill()->GetGradient();
  c->GetFill()->SetStyle(zrBrushGradient);
  g.GetPoints()->Clear();
  g.GetPoints()->AddPoint(0xFFFF0000, 0);
  c->GetFill()->SetSolidColor(0xFF00FF00);
  c->FillRect(zrRect(0, 0, 100, 10), 0, 0, 0, 1);  // transparent black, not the solid colour
  g.GetPoints()->AddPoint(0xFF0000FF, 1);
  c->ApplyFillD2D(zrRect(0, 10, 100, 20), 1);
  auto* linear = dynamic_cast<ID2D1LinearGradientBrush*>(c->GetBrush());
  ASSERT_TRUE(linear);
  EXPECT_EQ(linear->GetGradientStopCollection()->GetGradientStopCount(), 2u);
  g.GetPoints()->GetPoint(0)->SetOffset(0.2f);
  g.GetPoints()->GetPoint(1)->SetOffset(0.8f);
  g.SetStyle(zrRadialGradient);
  c->ApplyFillD2D(zrRect(0, 10, 100, 20), 1);
  auto* radial = dynamic_cast<ID2D1RadialGradientBrush*>(c->GetBrush());
  ASSERT_TRUE(radial);
  std::vector<float> positions;
  for (const auto& s : radial->GetGradientStopCollection()->Stops())
    positions.push_back(s.position);
  // 0.2 and 0.8 plus the two end stops, reversed: 1, 0.8, 0.2, 0 (kept sorted)
  EXPECT_EQ(positions.size(), 4u);
  // reversed: the centre (0) takes the last point's colour, the rim (1) the first's
  EXPECT_EQ(radial->GetGradientStopCollection()->Stops().front().color.b, 1);
  EXPECT_EQ(radial->GetGradientStopCollection()->Stops().back().color.r, 1);
  EXPECT_NEAR(positions[1], 0.2f, 1e-6);
  EXPECT_NEAR(positions[2], 0.8f, 1e-6);
  EXPECT_EQ(radial->GetCenter().x, 50);  // width x 0.5, not moved by Left
  EXPECT_EQ(radial->GetRadiusY(), 5);
  c->EndScene();
  EXPECT_EQ(Raw(*c, 50, 5), 0u);
}

TEST(CanvasD2D, ItalicStylesAskForObliqueFaces) {
  const struct {
    TzrFontStyle Style;
    DWRITE_FONT_WEIGHT Weight;
    DWRITE_FONT_STYLE Slant;
  } cases[] = {
      {zrFontRegular, DWRITE_FONT_WEIGHT_NORMAL, DWRITE_FONT_STYLE_NORMAL},
      {zrFontBold, DWRITE_FONT_WEIGHT_BOLD, DWRITE_FONT_STYLE_NORMAL},
      {zrFontItalic, DWRITE_FONT_WEIGHT_NORMAL, DWRITE_FONT_STYLE_OBLIQUE},
      {zrFontBoldItalic, DWRITE_FONT_WEIGHT_BOLD, DWRITE_FONT_STYLE_OBLIQUE},
      {zrFontUnderline, DWRITE_FONT_WEIGHT_NORMAL, DWRITE_FONT_STYLE_NORMAL},
      {zrFontStrikeout, DWRITE_FONT_WEIGHT_NORMAL, DWRITE_FONT_STYLE_NORMAL},
  };
  auto c = OpenD2D(10, 10);  // the shared factories live while a canvas does
  for (const auto& k : cases) {
    EXPECT_EQ(FontWeightToDWrite(k.Style), k.Weight) << k.Style;
    EXPECT_EQ(FontStyleToDWrite(k.Style), k.Slant) << k.Style;
    TzrFont font;
    font.SetStyle(k.Style);
    auto layout = MakeTextLayoutD2D(font, zrRect(0, 0, 100, 20), u"x", false, zrTextAlignNear,
                                    zrTextAlignNear);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->Format().GetFontStyle(), k.Slant);
  }
  // the slanted text leans: its outline differs from the upright one
  TzrPathData upright, oblique;
  c->TextToPath(upright, zrRect(0, 0, 60, 30), u"l", false, zrTextAlignNear, zrTextAlignNear);
  c->GetFont()->SetStyle(zrFontItalic);
  c->TextToPath(oblique, zrRect(0, 0, 60, 30), u"l", false, zrTextAlignNear, zrTextAlignNear);
  c->EndScene();
  EXPECT_NE(upright.GetBounds().Right - upright.GetBounds().Left,
            oblique.GetBounds().Right - oblique.GetBounds().Left);
}

TEST(CanvasD2D, TextIsClippedToItsRectangle) {
  auto c = OpenD2D(100, 30);
  c->GetFont()->SetSize(20);
  c->GetFill()->SetSolidColor(0xFF000000);
  c->FillText(zrRect(0, 0, 30, 30), zrRect(0, 0, 100, 30), u"WWWWWW", false, 1, zrTextAlignNear,
              zrTextAlignNear);
  c->EndScene();
  int inside = 0, outside = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 100; ++x) (x < 30 ? inside : outside) += Alpha(Raw(*c, x, y)) > 0;
  EXPECT_GT(inside, 20);
  EXPECT_EQ(outside, 0);
}

TEST(CanvasD2D, TextToPathPutsEachLineAtItsBaselineFromTheOrigin) {
  auto c = OpenD2D(10, 10);
  c->GetFont()->SetSize(20);
  TzrPathData path;
  ASSERT_TRUE(c->TextToPath(path, zrRect(50, 50, 200, 200), u"I\nI", true, zrTextAlignNear,
                            zrTextAlignNear));
  c->EndScene();
  std::vector<TzrRect> figures;
  for (const TzrPathPoint& p : path.PathData) {
    if (p.Kind == zrPathPointMoveTo)
      figures.push_back(zrRect(p.Point.X, p.Point.Y, p.Point.X, p.Point.Y));
    if (p.Kind == zrPathPointClose || figures.empty()) continue;
    TzrRect& r = figures.back();
    r = zrRect(std::min(r.Left, p.Point.X), std::min(r.Top, p.Point.Y),
               std::max(r.Right, p.Point.X), std::max(r.Bottom, p.Point.Y));
  }
  ASSERT_EQ(figures.size(), 2u);
  EXPECT_LT(figures[0].Left, 10);  // relative to (0, 0), not to the rectangle's corner
  EXPECT_LT(figures[0].Bottom, 25);
  EXPECT_NEAR(figures[1].Top - figures[0].Top, figures[1].Bottom - figures[0].Bottom, 0.01);
  EXPECT_GT(figures[1].Top - figures[0].Top, 18);  // one line further down
  EXPECT_EQ(path.PathData.back().Kind, zrPathPointClose);
}

}  // namespace
