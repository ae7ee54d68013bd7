#include <gtest/gtest.h>

#include "tests/platform_gdiplus/pixels.h"

using namespace Gdiplus;
using gdiplus_test::Near;
using gdiplus_test::Surface;

TEST(GdiPlusGraphics, SolidFillCoversExactlyTheRectangle) {
  Surface s(40, 40);
  SolidBrush red(Color(0xFFFF0000));
  ASSERT_EQ(s.G.FillRectangle(&red, RectF(10, 10, 20, 20)), Ok);
  EXPECT_TRUE(Near(s.At(10, 10), 0xFFFF0000));
  EXPECT_TRUE(Near(s.At(29, 29), 0xFFFF0000));
  EXPECT_EQ(s.At(9, 10), 0u);
  EXPECT_EQ(s.At(30, 29), 0u);
}

TEST(GdiPlusGraphics, TranslucentFillBlendsOverWhatIsThere) {
  Surface s(10, 10);
  s.G.Clear(Color(0xFF0000FF));
  SolidBrush halfRed(Color(0x80FF0000));
  s.G.FillRectangle(&halfRed, RectF(0, 0, 10, 10));
  EXPECT_TRUE(Near(s.At(5, 5), 0xFF80007F));
  // source copy replaces the pixels, alpha and all
  s.G.SetCompositingMode(CompositingModeSourceCopy);
  s.G.FillRectangle(&halfRed, RectF(0, 0, 5, 10));
  EXPECT_TRUE(Near(s.At(2, 5), 0x80FF0000));
}

TEST(GdiPlusGraphics, PixelOffsetNoneCentresPixelsOnWholeCoordinates) {
  // without the half-pixel offset a one-pixel line at y = 5 fills row 5 alone
  Surface s(20, 20);
  s.G.SetPixelOffsetMode(PixelOffsetModeNone);
  Pen pen(Color(0xFF000000), 1);
  s.G.DrawLine(&pen, 0, 5, 20, 5);
  EXPECT_TRUE(Near(s.At(10, 5), 0xFF000000));
  EXPECT_EQ(s.At(10, 4) >> 24, 0u);
  EXPECT_EQ(s.At(10, 6) >> 24, 0u);
  // with it, the same line straddles rows 4 and 5 at half strength
  Surface h(20, 20);
  h.G.DrawLine(&pen, 0, 5, 20, 5);
  EXPECT_NEAR(int(h.At(10, 4) >> 24), 128, 3);
  EXPECT_NEAR(int(h.At(10, 5) >> 24), 128, 3);
}

TEST(GdiPlusGraphics, ClipRectanglesLeaveOutsidePixelsUntouched) {
  Surface s(40, 40);
  s.G.Clear(Color(0xFF00FF00));
  s.G.SetClip(RectF(0, 0, 10, 10));
  s.G.SetClip(RectF(30, 30, 10, 10), CombineModeUnion);
  s.G.ExcludeClip(RectF(0, 0, 5, 5));
  SolidBrush blue(Color(0xFF0000FF));
  s.G.FillRectangle(&blue, RectF(0, 0, 40, 40));
  struct Case {
    int x, y;
    ARGB expected;
  } cases[] = {{7, 7, 0xFF0000FF},   {35, 35, 0xFF0000FF}, {2, 2, 0xFF00FF00},
               {20, 20, 0xFF00FF00}, {10, 5, 0xFF00FF00},  {29, 35, 0xFF00FF00}};
  for (const Case& c : cases) EXPECT_TRUE(Near(s.At(c.x, c.y), c.expected)) << c.x << "," << c.y;
  EXPECT_FALSE(s.G.IsVisible(20, 20));
  EXPECT_TRUE(s.G.IsVisible(35, 35));
}

TEST(GdiPlusGraphics, ClipFollowsTheWorldTransformAtTheTimeItIsSet) {
  Surface s(40, 40);
  s.G.TranslateTransform(20, 20);
  s.G.SetClip(RectF(0, 0, 10, 10));  // device (20, 20)-(30, 30)
  s.G.ResetTransform();
  SolidBrush black(Color(0xFF000000));
  s.G.FillRectangle(&black, RectF(0, 0, 40, 40));
  EXPECT_TRUE(Near(s.At(25, 25), 0xFF000000));
  EXPECT_EQ(s.At(15, 15), 0u);
  RectF bounds;
  s.G.GetClipBounds(&bounds);
  EXPECT_FLOAT_EQ(bounds.X, 20);
  EXPECT_FLOAT_EQ(bounds.Width, 10);
}

TEST(GdiPlusGraphics, PathClipAndEmptyClip) {
  Surface s(40, 40);
  GraphicsPath circle;
  circle.AddEllipse(RectF(0, 0, 40, 40));
  s.G.SetClip(&circle);
  SolidBrush black(Color(0xFF000000));
  s.G.FillRectangle(&black, RectF(0, 0, 40, 40));
  EXPECT_TRUE(Near(s.At(20, 20), 0xFF000000));
  EXPECT_EQ(s.At(1, 1), 0u);  // a corner lies outside the circle
  s.G.SetClip(RectF(0, 0, 0, 0));
  EXPECT_TRUE(s.G.IsClipEmpty());
  SolidBrush red(Color(0xFFFF0000));
  s.G.FillRectangle(&red, RectF(0, 0, 40, 40));
  EXPECT_TRUE(Near(s.At(20, 20), 0xFF000000));
}

TEST(GdiPlusGraphics, RestoreReturnsTransformClipAndSettingsAndDropsLaterStates) {
  Surface s(40, 40);
  GraphicsState outer = s.G.Save();
  s.G.TranslateTransform(5, 5);
  s.G.SetClip(RectF(0, 0, 10, 10));
  s.G.SetInterpolationMode(InterpolationModeNearestNeighbor);
  GraphicsState inner = s.G.Save();
  s.G.ScaleTransform(2, 2);
  ASSERT_EQ(s.G.Restore(outer), Ok);
  Matrix m;
  s.G.GetTransform(&m);
  EXPECT_TRUE(m.IsIdentity());
  EXPECT_EQ(s.G.GetInterpolationMode(), InterpolationModeBilinear);
  SolidBrush black(Color(0xFF000000));
  s.G.FillRectangle(&black, RectF(0, 0, 40, 40));
  EXPECT_TRUE(Near(s.At(30, 30), 0xFF000000));  // clip is gone
  EXPECT_NE(s.G.Restore(inner), Ok);            // dropped with the outer state
}

TEST(GdiPlusGraphics, ClearHonoursTheClipAndWritesStraightColour) {
  Surface s(20, 20);
  s.G.SetClip(RectF(0, 0, 10, 20));
  s.G.Clear(Color(0x80FF0000));
  EXPECT_TRUE(Near(s.At(5, 5), 0x80FF0000));
  EXPECT_EQ(s.At(15, 5), 0u);
}

TEST(GdiPlusGraphics, FillRegionUsesWorldCoordinates) {
  Surface s(40, 40);
  Region r(RectF(0, 0, 10, 10));
  r.Union(RectF(20, 0, 10, 10));
  s.G.TranslateTransform(0, 10);
  SolidBrush black(Color(0xFF000000));
  s.G.FillRegion(&black, &r);
  EXPECT_TRUE(Near(s.At(5, 15), 0xFF000000));
  EXPECT_TRUE(Near(s.At(25, 15), 0xFF000000));
  EXPECT_EQ(s.At(15, 15), 0u);
  EXPECT_EQ(s.At(5, 5), 0u);
}

TEST(GdiPlusGraphics, GraphicsOnCallerSurfaceAndMissingObjects) {
  cairo_surface_t* buffer = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 8);
  {
    Graphics g(buffer);
    SolidBrush white(Color(0xFFFFFFFF));
    EXPECT_EQ(g.FillRectangle(&white, RectF(0, 0, 8, 8)), Ok);
    EXPECT_EQ(g.FillRectangle(nullptr, RectF(0, 0, 8, 8)), InvalidParameter);
    EXPECT_EQ(g.DrawLine(nullptr, 0, 0, 1, 1), InvalidParameter);
  }
  cairo_surface_flush(buffer);
  EXPECT_EQ(reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(buffer))[0], 0xFFFFFFFFu);
  cairo_surface_destroy(buffer);
  Graphics none(static_cast<Image*>(nullptr));
  SolidBrush white(Color(0xFFFFFFFF));
  EXPECT_EQ(none.FillRectangle(&white, RectF(0, 0, 1, 1)), WrongState);
}
