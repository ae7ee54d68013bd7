#include <gtest/gtest.h>

#include <vector>

#include "tests/platform_gdiplus/pixels.h"

using namespace Gdiplus;
using gdiplus_test::Near;
using gdiplus_test::Surface;

TEST(GdiPlusBrush, LinearGradientRunsBetweenItsPointsAndTilesBeyond) {
  struct Case {
    WrapMode wrap;
    ARGB beyond;  // colour 25 % past the end point
  } cases[] = {
      {WrapModeTile, 0xFFBF0040}, {WrapModeTileFlipX, 0xFF4000BF}, {WrapModeClamp, 0xFF0000FF}};
  for (const Case& c : cases) {
    Surface s(200, 10);
    LinearGradientBrush b(PointF(0, 0), PointF(100, 0), Color(0xFFFF0000), Color(0xFF0000FF));
    b.SetWrapMode(c.wrap);
    s.G.FillRectangle(&b, RectF(0, 0, 200, 10));
    EXPECT_TRUE(Near(s.At(0, 5), 0xFFFE0001, 4));
    EXPECT_TRUE(Near(s.At(50, 5), 0xFF7F0080, 4));
    EXPECT_TRUE(Near(s.At(125, 5), c.beyond, 4)) << c.wrap;
  }
}

TEST(GdiPlusBrush, PresetBlendTakesAnyNumberOfStops) {
  // 301 stops alternating black and white every 1/300: far more than a fixed table of 101
  const int n = 301;
  std::vector<Color> colors;
  std::vector<REAL> positions;
  for (int i = 0; i < n; ++i) {
    colors.push_back(Color(i % 2 ? 0xFFFFFFFF : 0xFF000000));
    positions.push_back(REAL(i) / (n - 1));
  }
  LinearGradientBrush b(PointF(0, 0), PointF(300, 0), Color(0xFFFF0000), Color(0xFFFF0000));
  ASSERT_EQ(b.SetInterpolationColors(colors.data(), positions.data(), n), Ok);
  EXPECT_EQ(b.GetInterpolationColorCount(), n);
  Surface s(300, 4);
  s.G.FillRectangle(&b, RectF(0, 0, 300, 4));
  // stop i sits at x = i; pixel centres fall halfway between stops: mid grey
  // everywhere, never the end colours' red
  for (int x : {0, 100, 200, 299}) EXPECT_TRUE(Near(s.At(x, 2), 0xFF808080, 4)) << x;
}

TEST(GdiPlusBrush, PresetBlendHoldsOuterColoursBeyondItsStops) {
  Color colors[] = {Color(0xFFFF0000), Color(0xFF0000FF)};
  REAL positions[] = {0.2f, 0.8f};
  LinearGradientBrush b(PointF(0, 0), PointF(100, 0), Color(0xFF00FF00), Color(0xFF00FF00));
  ASSERT_EQ(b.SetInterpolationColors(colors, positions, 2), Ok);
  b.SetWrapMode(WrapModeClamp);
  Surface s(100, 4);
  s.G.FillRectangle(&b, RectF(0, 0, 100, 4));
  EXPECT_TRUE(Near(s.At(10, 2), 0xFFFF0000));
  EXPECT_TRUE(Near(s.At(90, 2), 0xFF0000FF));
  EXPECT_TRUE(Near(s.At(50, 2), 0xFF7F0080, 4));
  REAL unordered[] = {0.8f, 0.2f};
  EXPECT_EQ(b.SetInterpolationColors(colors, unordered, 2), InvalidParameter);
}

TEST(GdiPlusBrush, BrushTransformScalesTheGradient) {
  LinearGradientBrush b(PointF(0, 0), PointF(1, 0), Color(0xFF000000), Color(0xFFFFFFFF));
  b.SetWrapMode(WrapModeClamp);
  b.ScaleTransform(100, 1);  // the unit gradient stretched over 100 pixels
  Surface s(100, 4);
  s.G.FillRectangle(&b, RectF(0, 0, 100, 4));
  EXPECT_TRUE(Near(s.At(50, 2), 0xFF808080, 4));
  EXPECT_TRUE(Near(s.At(25, 2), 0xFF404040, 4));
}

TEST(GdiPlusBrush, PathGradientRunsFromOutlineToCentre) {
  GraphicsPath ellipse;
  ellipse.AddEllipse(RectF(0, 0, 100, 100));
  PathGradientBrush b(&ellipse);
  PointF centre;
  b.GetCenterPoint(&centre);
  EXPECT_NEAR(centre.X, 50, 0.5);
  EXPECT_NEAR(centre.Y, 50, 0.5);
  Color colors[] = {Color(0xFF000000), Color(0xFFFFFFFF)};  // edge black, centre white
  REAL positions[] = {0, 1};
  b.SetInterpolationColors(colors, positions, 2);
  Surface s(100, 100);
  s.G.FillRectangle(&b, RectF(0, 0, 100, 100));
  EXPECT_TRUE(Near(s.At(50, 50), 0xFFFFFFFF, 6));
  EXPECT_TRUE(Near(s.At(75, 50), 0xFF7F7F7F, 6));  // halfway out
  EXPECT_TRUE(Near(s.At(50, 24), 0xFF7F7F7F, 8));
  EXPECT_EQ(s.At(2, 2), 0u);  // outside the ellipse nothing is painted
}

TEST(GdiPlusBrush, TextureTilesClampsAndScales) {
  Bitmap tile(2, 2, PixelFormat32bppARGB);
  tile.SetPixel(0, 0, Color(0xFFFF0000));
  tile.SetPixel(1, 0, Color(0xFF00FF00));
  tile.SetPixel(0, 1, Color(0xFF0000FF));
  tile.SetPixel(1, 1, Color(0xFFFFFFFF));
  {
    Surface s(8, 8);
    s.G.SetInterpolationMode(InterpolationModeNearestNeighbor);
    TextureBrush b(&tile, WrapModeTile);
    s.G.FillRectangle(&b, RectF(0, 0, 8, 8));
    EXPECT_TRUE(Near(s.At(4, 0), 0xFFFF0000));
    EXPECT_TRUE(Near(s.At(5, 7), 0xFFFFFFFF));
  }
  {
    Surface s(8, 8);
    TextureBrush b(&tile, WrapModeClamp);
    s.G.FillRectangle(&b, RectF(0, 0, 8, 8));
    EXPECT_TRUE(Near(s.At(1, 0), 0xFF00FF00));
    EXPECT_EQ(s.At(4, 4), 0u);  // clamp paints nothing outside the image
  }
  {
    Surface s(8, 8);
    TextureBrush b(&tile, WrapModeClamp);
    b.ScaleTransform(4, 4);  // each texel covers 4 x 4 pixels
    s.G.FillRectangle(&b, RectF(0, 0, 8, 8));
    EXPECT_TRUE(Near(s.At(1, 1), 0xFFFF0000, 8));
    EXPECT_TRUE(Near(s.At(6, 1), 0xFF00FF00, 8));
    EXPECT_TRUE(Near(s.At(6, 6), 0xFFFFFFFF, 8));
  }
}

TEST(GdiPlusBrush, TextureWithColourMatrixFadesTheImage) {
  Bitmap tile(4, 4, PixelFormat32bppARGB);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) tile.SetPixel(x, y, Color(0xFFFF0000));
  ColorMatrix cm = {};
  for (int i = 0; i < 5; ++i) cm.m[i][i] = 1;
  cm.m[3][3] = 0.5f;
  ImageAttributes attrs;
  attrs.SetColorMatrix(&cm, ColorMatrixFlagsDefault, ColorAdjustTypeBitmap);
  TextureBrush b(&tile, RectF(0, 0, 4, 4), &attrs);
  EXPECT_EQ(b.GetWrapMode(), WrapModeTile);
  Surface s(8, 8);
  s.G.FillRectangle(&b, RectF(0, 0, 8, 8));
  EXPECT_TRUE(Near(s.At(6, 6), 0x80FF0000));
}

TEST(GdiPlusBrush, SolidBrushClonesAreIndependent) {
  SolidBrush a(Color(0xFF112233));
  Brush* b = a.Clone();
  a.SetColor(Color(0xFF445566));
  Color c;
  static_cast<SolidBrush*>(b)->GetColor(&c);
  EXPECT_EQ(c.GetValue(), 0xFF112233u);
  EXPECT_EQ(b->GetType(), BrushTypeSolidColor);
  delete b;
}
