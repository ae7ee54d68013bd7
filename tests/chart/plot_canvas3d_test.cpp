// The GDI chart canvas: projections, the buffer, clips, pies and donuts,
// the 3D canvas's own operations.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "chart/PlotClip.h"
#include "chart/PlotUnitRoutines.h"
#include "tests/support/RecordingCanvas.h"

using ::testing::ElementsAre;

namespace {

TEST(PlotCanvas3DProjection, TwoDPassLeavesPointsSingleFormAddsOffsets) {
  TView3DOptions options;
  options.SetZoom(200);
  options.SetHorizOffset(7);
  options.SetVertOffset(-3);
  TRecordingCanvas c(100, 100);
  c.InitWindow(c.Bitmap.GetCanvas(), &options, clWhite, false, TRect{0, 0, 100, 100});
  c.Projection(40, TRect{}, TRect{0, 0, 100, 100});
  for (int z : {0, 15, -30}) EXPECT_EQ(c.Calculate3DPosition(12, 34, z), (TPoint{12, 34}));
  TPointF p{12, 34};
  c.Calculate3DPosition(p, 15);
  EXPECT_FLOAT_EQ(p.x, 19);  // zoom stays 1 in 2D; the offsets are added
  EXPECT_FLOAT_EQ(p.y, 31);
}

TEST(PlotCanvas3DProjection, OrthogonalAnglesMoveDepthSideways) {
  struct Case {
    int Angle;
    TPoint At10;
  } cases[] = {{45, {60, 40}}, {135, {40, 40}}, {90, {60, 40}}};
  for (const Case& k : cases) {
    TView3DOptions options;
    options.SetOrthoAngle(k.Angle);
    TRecordingCanvas c(100, 100);
    c.Begin3D(&options, 20);
    EXPECT_EQ(c.Calculate3DPosition(50, 50, 10), k.At10) << "angle " << k.Angle;
    if (k.Angle == 90) {
      EXPECT_DOUBLE_EQ(c.GetOrthoY(), 1);
    }
    // The way back from the screen.
    int x = k.At10.X, y = k.At10.Y;
    c.Calculate2DPosition(x, y, 10);
    EXPECT_EQ((TPoint{x, y}), (TPoint{50, 50}));
  }
}

TEST(PlotCanvas3DProjection, PerspectiveStrengthPerPixelOfDepth) {
  struct Case {
    int Width;
    double Zoom;
  } cases[] = {{600, 100}, {120, 100}, {15, 200}};
  for (const Case& k : cases) {
    TView3DOptions options;
    options.SetOrthogonal(false);
    options.SetPerspective(15);
    options.SetZoom(k.Zoom);
    TRecordingCanvas c(k.Width, 50);
    c.Begin3D(&options, 20);
    EXPECT_DOUBLE_EQ(c.GetZoomPerspec(), 15 * k.Zoom * 0.01 / 120 / k.Width);
  }
}

TEST(PlotCanvas3DProjection, RotatedViewOfSamplePoints) {
  TView3DOptions options;
  options.SetOrthogonal(false);
  options.SetPerspective(0);
  TRecordingCanvas c(200, 100);
  c.Begin3D(&options, 40);  // rotation and elevation 345
  // The centre of rotation stays put.
  EXPECT_EQ(c.Calculate3DPosition(100, 50, 20), (TPoint{100, 50}));
  // Hand-computed: rotation -345 and elevation -345 degrees.
  const double r = -345 * M_PI / 180;
  auto expect = [&](int x, int y, int z) {
    double dx = x - 100, dy = y - 50, dz = z - 20;
    double a = dz * std::cos(r) - dx * std::sin(r);
    return TPoint{int(std::nearbyint(dx * std::cos(r) + dz * std::sin(r))) + 100,
                  int(std::nearbyint(dy * std::cos(r) - a * std::sin(r))) + 50};
  };
  for (auto [x, y, z] : {std::tuple{0, 0, 0}, {200, 100, 40}, {30, 70, 5}})
    EXPECT_EQ(c.Calculate3DPosition(x, y, z), expect(x, y, z));
  // Perspective 15 on the 200-pixel area divides by the depth term.
  options.SetPerspective(15);
  c.Begin3D(&options, 40);
  const double perspec = 15.0 / 120 / 200;
  auto withPerspective = [&](int x, int y, int z) {
    double dx = x - 100, dy = y - 50, dz = z - 20;
    double a = dz * std::cos(r) - dx * std::sin(r);
    double f = 1 / ((a * std::cos(r) + dy * std::sin(r)) * perspec + 1);
    return TPoint{int(std::nearbyint((dx * std::cos(r) + dz * std::sin(r)) * f)) + 100,
                  int(std::nearbyint((dy * std::cos(r) - a * std::sin(r)) * f)) + 50};
  };
  for (auto [x, y, z] : {std::tuple{0, 0, 0}, {200, 100, 40}, {30, 70, 5}, {0, 50, 40}})
    EXPECT_EQ(c.Calculate3DPosition(x, y, z), withPerspective(x, y, z));
  EXPECT_TRUE(c.GetHasPerspec());
}

TEST(PlotCanvas3DBuffer, RedrawOnlyFromAFinishedBufferedPass) {
  TBitmap screen;
  screen.SetSize(50, 40);
  TPlotCanvas3D c;
  EXPECT_FALSE(c.ReDrawBitmap());
  TRect r = c.InitWindow(screen.GetCanvas(), nullptr, clWhite, false, TRect{5, 5, 45, 35});
  EXPECT_EQ(r, (TRect{0, 0, 40, 30}));
  ASSERT_NE(c.GetBitmap(), nullptr);
  c.GetBrush()->SetColor(clRed);
  c.GetPen()->SetStyle(psClear);
  c.Rectangle(0, 0, 41, 31);
  c.ShowImage(screen.GetCanvas(), screen.GetCanvas(), TRect{5, 5, 45, 35});
  EXPECT_EQ(screen.GetCanvas()->GetPixels(6, 6), clRed);
  EXPECT_EQ(screen.GetCanvas()->GetPixels(2, 2), clWhite);
  EXPECT_TRUE(c.ReDrawBitmap());
  TBitmap* copy = nullptr;
  EXPECT_FALSE(c.RenderToBitmap(copy, TRect{0, 0, 39, 30}));
  EXPECT_EQ(copy, nullptr);
  EXPECT_TRUE(c.RenderToBitmap(copy, TRect{0, 0, 40, 30}));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->GetCanvas()->GetPixels(3, 3), clRed);
  delete copy;
  TBitmap* kept = c.GetBitmap();
  c.InitWindow(screen.GetCanvas(), nullptr, clWhite, false, TRect{5, 5, 45, 35});
  EXPECT_EQ(c.GetBitmap(), kept);  // same size: the buffer stays
  c.Invalidate();
  EXPECT_FALSE(c.ReDrawBitmap());
}

TEST(PlotCanvas3DClip, NestedClipsComeBackInOrder) {
  ClearClipRegionHistory();
  TRecordingCanvas c(50, 50);
  c.Fill(clWhite);
  c.GetPen()->SetStyle(psClear);
  c.GetBrush()->SetColor(clRed);
  c.ClipRectangle(TRect{0, 0, 30, 30});
  c.ClipRectangle(TRect{10, 10, 40, 40});
  c.Rectangle(0, 0, 51, 51);
  EXPECT_EQ(c.Pixel(5, 5), clWhite);
  EXPECT_EQ(c.Pixel(20, 20), clRed);
  c.UnClipRectangle();  // back to the first clip
  c.GetBrush()->SetColor(clBlue);
  c.Rectangle(0, 0, 51, 51);
  EXPECT_EQ(c.Pixel(5, 5), clBlue);
  EXPECT_EQ(c.Pixel(35, 35), clWhite);
  c.UnClipRectangle();  // no clip at all
  c.GetBrush()->SetColor(clLime);
  c.Rectangle(0, 0, 51, 51);
  EXPECT_EQ(c.Pixel(35, 35), clLime);
  EXPECT_TRUE(ClipRegionHistory.empty());
}

TEST(PlotCanvas3DClip, TwoDCubeClipLeavesTheRightEdge) {
  TRecordingCanvas c(50, 50);
  c.ClearLog();
  c.ClipCube(TRect{10, 10, 30, 30}, 0, 10);
  c.UnClipRectangle();
  EXPECT_EQ(c.Calls("ClipRectangle").at(0), "ClipRectangle(11,11,30,29)");
}

TEST(PlotCanvas3DPie, AnglesGiveEllipseRadiusOrSlice) {
  TRecordingCanvas full(100, 100);
  full.Pie(TRect{10, 10, 90, 90}, 0, 360);
  EXPECT_EQ(full.Count("Ellipse"), 1u);
  EXPECT_EQ(full.Count("Pie("), 0u);

  TRecordingCanvas thin(100, 100);
  thin.Fill(clWhite);
  thin.Pie(TRect{10, 10, 90, 90}, 10, 10.001);
  EXPECT_EQ(thin.Count("Ellipse"), 0u);
  EXPECT_EQ(thin.Count("LineTo"), 1u);  // only the radius
  EXPECT_EQ(thin.Pixel(30, 30), clWhite);

  TRecordingCanvas almost(100, 100);
  almost.Pie(TRect{0, 0, 20, 20}, 0, 359.5);  // both rays round to one point
  EXPECT_EQ(almost.Count("Ellipse"), 1u);
  EXPECT_EQ(almost.Count("LineTo"), 1u);

  TRecordingCanvas quarter(100, 100);
  quarter.Fill(clWhite);
  quarter.GetBrush()->SetColor(clRed);
  quarter.Pie(TRect{10, 10, 90, 90}, 0, 90);
  EXPECT_EQ(quarter.Pixel(65, 35), clRed);    // upper right
  EXPECT_EQ(quarter.Pixel(35, 65), clWhite);  // lower left
}

TEST(PlotCanvas3DDonut, HoleZeroIsAPieFullTurnIsARing) {
  TRecordingCanvas c(100, 100);
  c.Fill(clWhite);
  c.GetBrush()->SetColor(clRed);
  c.Donut(50, 50, 40, 40, 0, 90, 0);
  EXPECT_EQ(c.Pixel(60, 40), clRed);  // near the centre: a pie has no hole
  EXPECT_EQ(c.Pixel(40, 60), clWhite);

  TRecordingCanvas ring(100, 100);
  ring.Fill(clWhite);
  ring.GetBrush()->SetColor(clBlue);
  ring.Donut(50, 50, 40, 40, 30, 390, 50);
  EXPECT_EQ(ring.Pixel(50, 50), clWhite);  // the hole
  for (TPoint p : {TPoint{50, 15}, TPoint{15, 50}, TPoint{85, 50}, TPoint{50, 85}})
    EXPECT_EQ(ring.Pixel(p.X, p.Y), clBlue) << p.X << "," << p.Y;
}

TEST(PlotCanvas3DFrontPlane, NestedPairsSwitchRotationOnce) {
  TRecordingCanvas c;
  c.ClearLog();
  c.FrontPlaneBegin();
  c.FrontPlaneBegin();
  c.FrontPlaneEnd();
  c.FrontPlaneEnd();
  EXPECT_THAT(c.Log, ElementsAre("DisableRotation()", "EnableRotation()"));
}

TEST(PlotCanvas3DHull, TwoDCubeHullIsTheRectangleTopRightLast) {
  TRecordingCanvas c;
  TPointArray hull = c.CubeHull(TRect{10, 20, 30, 40}, 0, 10);
  ASSERT_EQ(hull.size(), 4u);
  EXPECT_EQ(hull.back(), (TPoint{30, 20}));
  TPointArray square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  ConvexHull(square);
  EXPECT_EQ(square, (TPointArray{{10, 10}, {0, 10}, {0, 0}, {10, 0}}));
}

TEST(PlotCanvas3DShapes, DiamondIsFlatAtMidDepthAndPointFromCircle) {
  TRecordingCanvas c;
  c.ClearLog();
  c.Diamond(0, 0, 10, 20, 0, 9);
  EXPECT_THAT(c.Calls("Polygon"), ElementsAre("Polygon(5,0,10,10,5,20,0,10)"));
  TPointF top = c.PointFromCircle(TRect{0, 0, 100, 50}, 90);
  EXPECT_NEAR(top.x, 50, 1e-4);
  EXPECT_NEAR(top.y, 0, 1e-4);
  float s = 1, e = 1;
  TCanvas3D::CalcPieAngles(0, 0, 100, 100, 100, 50, 100, 50, s, e);
  EXPECT_FLOAT_EQ(s, 0);
  EXPECT_FLOAT_EQ(e, 360);
}

TEST(PlotCanvas3DShadow, FlatShadowFullTurnIsAnEllipseElseAPie) {
  TPlotShadow shadow;
  shadow.SetSmooth(false);
  TRecordingCanvas c;
  c.SmoothShadow(&shadow, TRect{10, 10, 60, 60}, true, 0, {}, 0, 0, 360);
  EXPECT_EQ(c.Count("Ellipse"), 1u);
  c.ClearLog();
  c.SmoothShadow(&shadow, TRect{10, 10, 60, 60}, true, 0, {}, 0, 0, 359.99);
  EXPECT_EQ(c.Count("PieAngles"), 1u);
}

TEST(PlotCanvas3DShadow, OffsetsPerDirectionAndHorizontalSizeOfText) {
  struct Case {
    TShadowDirection Direction;
    TRect Expected;
  } cases[] = {{sdRightBottom, {13, 14, 33, 24}}, {sdLeftTop, {7, 6, 27, 16}},
               {sdRightTop, {13, 6, 33, 16}},     {sdLeftBottom, {7, 14, 27, 24}},
               {sdCenter, {7, 6, 33, 24}}};
  for (const Case& k : cases) {
    TPlotShadow shadow;
    shadow.SetHorizSize(3);
    shadow.SetVertSize(4);
    shadow.SetSmooth(false);
    shadow.SetTransparency(0);
    shadow.SetDirection(k.Direction);
    TRecordingCanvas c;
    shadow.Draw(&c, TRect{10, 10, 30, 20});
    const TRect& e = k.Expected;
    EXPECT_EQ(c.Calls("SmoothShadow").at(0),
              "SmoothShadow(" + std::to_string(e.Left) + "," + std::to_string(e.Top) + "," +
                  std::to_string(e.Right) + "," + std::to_string(e.Bottom) + ",0,0,0)");
  }
}

TEST(PlotCanvas3DShadow, SmoothShadowDarkensTheBufferAroundTheShape) {
  TBitmap screen;
  screen.SetSize(80, 80);
  TPlotCanvas3D c;
  c.InitWindow(screen.GetCanvas(), nullptr, clWhite, false, TRect{0, 0, 80, 80});
  c.GetBrush()->SetColor(clWhite);
  c.FillRect(TRect{0, 0, 80, 80});
  TPlotShadow shadow;
  shadow.SetSize(6);
  shadow.SetColor(clBlack);
  shadow.SetTransparency(0);
  shadow.Draw(&c, TRect{10, 10, 50, 50});
  TCanvas* buffer = c.GetBitmap()->GetCanvas();
  EXPECT_LT(buffer->GetPixels(35, 35) & 0xFF, 40);      // inside: dark
  EXPECT_EQ(buffer->GetPixels(75, 75), clWhite);         // far away: untouched
  int edge = buffer->GetPixels(53, 35) & 0xFF;           // the blurred edge
  EXPECT_GT(edge, 40);
  EXPECT_LT(edge, 255);
}

}  // namespace

namespace {

TEST(PlotCanvas3DDonut, SectorKeepsItsHoleOpen) {
  TRecordingCanvas c(100, 100);
  c.Fill(clWhite);
  c.GetBrush()->SetColor(clRed);
  c.Donut(50, 50, 40, 40, 45, 200, 40);
  auto at = [&](double Degrees, double Radius) {
    double a = Degrees * M_PI / 180;
    return c.Pixel(int(std::lround(50 + Radius * std::cos(a))),
                   int(std::lround(50 - Radius * std::sin(a))));
  };
  EXPECT_EQ(at(120, 30), clRed);     // in the ring sector
  EXPECT_EQ(at(120, 8), clWhite);    // in the hole
  EXPECT_EQ(at(300, 30), clWhite);   // outside the sweep
  EXPECT_EQ(at(300, 8), clWhite);
}

}  // namespace

namespace {

TEST(PlotCanvas3DFont, FontsFollowTheThreeDZoomUnlessTurnedOff) {
  struct Case {
    TCanvasZoomText ZoomText;
    double Zoom;
    float Size;
  } cases[] = {{ztManual, 200, 20}, {ztAuto, 150, 15}, {ztNo, 200, 10}, {ztManual, 100, 10}};
  for (const Case& k : cases) {
    TView3DOptions options;
    options.SetZoomText(k.ZoomText);
    options.SetZoom(k.Zoom);
    TRecordingCanvas c;
    c.SetView3DOptions(&options);
    c.SetZoomText(false);
    TPlotFont font;
    font.SetSizeFloat(10);
    c.AssignFont3D(&font);
    EXPECT_FLOAT_EQ(c.GetFont()->GetSizeFloat(), k.Size) << k.ZoomText << " " << k.Zoom;
  }
}

TEST(PlotCanvas3DNeutral, OpacityMultipliesAcrossNestedBlends) {
  TPlotNeutralCanvas c;
  EXPECT_EQ(c.BeginBlending(TRect{}, 50), nullptr);
  c.BeginBlending(TRect{}, 50);
  EXPECT_FLOAT_EQ(c.GetOpacity(), 0.25f);
  c.EndBlending(nullptr);
  EXPECT_FLOAT_EQ(c.GetOpacity(), 0.5f);
  c.EndBlending(nullptr);
  EXPECT_FLOAT_EQ(c.GetOpacity(), 1.0f);
  c.SetTextAlign(6);
  EXPECT_EQ(c.GetTextAlign(), 6u);
}

}  // namespace

namespace {

double Rad(int Degrees) { return Degrees * std::numbers::pi / 180; }

// The number of points of every polygon drawn, in order.
std::vector<size_t> PolygonSizes(const TRecordingCanvas& c) {
  std::vector<size_t> out;
  for (const std::string& call : c.Calls("Polygon("))
    out.push_back((size_t(std::count(call.begin(), call.end(), ',')) + 1) / 2);
  return out;
}

// A flat-view slice centred on (100, 75), radii 50 x 30, 20 pixels thick.
void Slice(TRecordingCanvas& c, int From, int To, int BevelPercent = 0, bool DarkSides = false,
           int BevelBright = 0, bool BevelBorder = false) {
  c.Pie3D(100, 75, 50, 30, 0, 20, Rad(From), Rad(To), DarkSides, true, 0, nullptr, BevelPercent,
          edNone, 0, BevelBright, BevelBorder, false);
}

}  // namespace

// The walls come in an order set by where the edges lie against the centre;
// a flat side has 4 points, a wall 2 per degree plus 2, the top face one
// per degree plus the centre twice.
TEST(PlotCanvas3DPie3D, SidesComeInTheOrderOfTheSliceEdges) {
  struct Case {
    int From, To;
    std::vector<size_t> Sizes;
  } cases[] = {
      {150, 300, {4, 4, 242, 153}},             // start left, end right: St En Out
      {120, 420, {4, 4, 362, 303}},             // the same past 180: only the front half 180-360
      {30, 300, {4, 4, 242, 273}},              // start right, wide: St En Out
      {300, 350, {4, 102, 4, 53}},              // both right, narrow: En Out St
      {200, 260, {4, 122, 4, 63}},              // both left, narrow: St Out En
      {200, 460, {4, 4, 322, 263}},             // both left, wide: En St Out
      {300, 460, {122, 4, 4, 163}},             // start right, end left: Out St En
      {330, 610, {4, 362, 142, 62, 4, 283}},    // start right, end left, wide: En Out St
  };
  for (const Case& k : cases) {
    TRecordingCanvas c(200, 150);
    Slice(c, k.From, k.To);
    EXPECT_EQ(PolygonSizes(c), k.Sizes) << k.From << ".." << k.To;
  }
}

// A bevel's flat side runs from the centre over the bevel's slope down to
// the outer rim.
TEST(PlotCanvas3DPie3D, BevelledSideFollowsTheSlope) {
  TRecordingCanvas plain(200, 150);
  Slice(plain, 180, 250);
  EXPECT_EQ(plain.Calls("Polygon(")[0], "Polygon(100,75,50,75,50,95,100,95)");
  TRecordingCanvas bevel(200, 150);
  Slice(bevel, 180, 250, 50);  // a bevel 10 pixels deep
  EXPECT_EQ(bevel.Calls("Polygon(")[0], "Polygon(100,75,60,75,50,85,50,95,100,95)");
}

// The bevel ring sits between the smaller top face and the outer wall; its
// brush stays changed for the top face unless darkened sides restore it,
// and its pen is hidden unless it has a border.
TEST(PlotCanvas3DPie3D, BevelRingShadesAndKeepsItsBrushForTheTop) {
  const TColor dark = ApplyDark(clRed, 32);
  struct Case {
    bool DarkSides;
    int Bright;
    bool Border;
    TColor Top, Ring, Wall;
  } cases[] = {
      {false, 60, false, ApplyBright(clRed, 60), ApplyBright(clRed, 60), clRed},
      {true, 60, true, clRed, ApplyBright(dark, 60), dark},
      {true, -60, false, clRed, ApplyDark(dark, 60), dark},
      {false, 0, false, clRed, clRed, clRed},
  };
  for (const Case& k : cases) {
    TRecordingCanvas c(200, 150);
    c.Fill(clWhite);
    c.GetBrush()->SetColor(clRed);
    Slice(c, 180, 360, 50, k.DarkSides, k.Bright, k.Border);  // the front half
    EXPECT_EQ(c.Pixel(100, 85), k.Top) << k.Bright;    // top face: down to y 95
    EXPECT_EQ(c.Pixel(100, 105), k.Ring) << k.Bright;  // ring: 95 to 115
    EXPECT_EQ(c.Pixel(100, 120), k.Wall) << k.Bright;  // outer wall: 115 to 125
    EXPECT_EQ(c.GetPen()->GetStyle(), k.Border ? psSolid : psClear) << k.Bright;
  }
}

// With arcs the front wall and the top face are device paths with smooth
// rims; they still fill.
TEST(PlotCanvas3DPie3D, ArcsDrawFrontWallAndTopAsPaths) {
  TRecordingCanvas c(200, 150);
  c.Fill(clWhite);
  c.GetBrush()->SetColor(clRed);
  c.Pie3DUsingArcs = true;
  Slice(c, 200, 340);
  EXPECT_EQ(PolygonSizes(c), (std::vector<size_t>{4, 4}));  // only the flat sides
  EXPECT_EQ(c.Calls("MoveTo"), (std::vector<std::string>{"MoveTo(53,85)", "MoveTo(100,75)"}));
  EXPECT_EQ(c.Pixel(100, 120), clRed);  // the front wall
  EXPECT_EQ(c.Pixel(100, 95), clRed);   // the top face
  EXPECT_EQ(c.Pixel(100, 70), clWhite);

  TRecordingCanvas whole(200, 150);
  whole.Pie3DUsingArcs = true;
  whole.Pie3D(100, 75, 50, 30, 0, 20, 0, 0, false, true, 0, nullptr, 0, edNone, 0, 0, false,
              false);
  EXPECT_EQ(PolygonSizes(whole).back(), 361u);  // a whole turn stays a polygon
}
