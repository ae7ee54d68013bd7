// A small scene drawn through the canvas and written to canvas_scene.png in
// the build folder, to be looked at; a few pixels are checked.
#include <gtest/gtest.h>

#include "canvas/zr_filter_gdiplus.h"
#include "canvas_fixture.h"
#include "scene/zr_bitmap.h"

namespace {

using namespace canvas_test;

void DrawScene(TzrCanvas& c) {
  c.SetMatrix(IdentityMatrix);
  c.Clear(0xFFF0F0F0);
  // a panel with a vertical gradient and rounded corners
  TzrBrush& fill = *c.GetFill();
  fill.SetStyle(zrBrushGradient);
  TzrGradientPoints& points = *fill.GetGradient()->GetPoints();
  points.Clear();
  points.AddPoint(0xFF3A6EA5, 0);
  points.AddPoint(0xFF1B3A5C, 1);
  c.FillRect(zrRect(10, 10, 310, 70), 8, 8, AllCorners, 1);
  c.GetStroke()->SetSolidColor(0xFF0B1A2C);
  c.SetStrokeThickness(2);
  c.DrawRect(zrRect(10, 10, 310, 70), 8, 8, AllCorners, 1);
  // a caption in Latin and Chinese
  fill.SetStyle(zrBrushSolid);
  fill.SetSolidColor(0xFFFFFFFF);
  c.GetFont()->SetSize(18);
  c.FillText(zrRect(10, 10, 310, 70), zrRect(10, 10, 310, 70), u"Motor \u7535\u673A 42%", false, 1,
             zrTextAlignCenter, zrTextAlignCenter);
  // a dashed circle, an arc, a polygon and a path under a clip
  c.GetStroke()->SetSolidColor(0xFFD04020);
  c.SetStrokeThickness(3);
  c.SetStrokeDash(zrDashDash);
  c.DrawEllipse(zrRect(20, 90, 100, 170), 1);
  c.SetStrokeDash(zrDashSolid);
  c.SetStrokeCap(zrCapRound);
  c.DrawArc({160, 130}, {35, 35}, 180, 270, 1);
  fill.SetSolidColor(0xFF40A040);
  c.FillPolygon({{220, 170}, {260, 90}, {300, 170}, {220, 170}}, 0.7f);
  const uint32_t state = c.SaveCanvas();
  c.IntersectClipRect(zrRect(0, 180, 160, 230));
  fill.SetSolidColor(0xFF8040C0);
  c.FillRect(zrRect(20, 185, 300, 225), 20, 20, AllCorners, 1, zrCornerInnerRound);
  c.RestoreCanvas(state);
  c.DrawRectSides(zrRect(170, 185, 300, 225), 10, 10, AllCorners, 1,
                  (1 << zrSideTop) | (1 << zrSideBottom));
}

TEST(CanvasScene, SceneIsDrawnAndWrittenAsPng) {
  auto c = NewCanvas(320, 240);
  DrawScene(*c);
  EXPECT_TRUE(Near(Pixel(*c, 160, 12), 0xFF3A6EA5, 24));  // top of the panel
  EXPECT_TRUE(Near(Pixel(*c, 5, 5), 0xFFF0F0F0));         // background
  EXPECT_TRUE(Near(Pixel(*c, 140, 205), 0xFF8040C0, 4));  // clipped shape, left part
  EXPECT_TRUE(Near(Pixel(*c, 200, 205), 0xFFF0F0F0));     // cut off by the clip
  TzrBitmap picture;
  picture.Assign(c.get());
  const std::string file = std::string(ESCTOOL_BINARY_DIR) + "/canvas_scene.png";
  ASSERT_TRUE(TzrFilterGdiPlus().SaveToFile(file, picture, ""));
  TzrBitmap back;
  back.LoadFromFile(file);
  EXPECT_EQ(back.GetWidth(), 320);
}

TEST(CanvasScene, BitmapCanvasDrawsTheSameScene) {
  TzrBitmap b(320, 240);
  TzrCanvasGdiPlus c(&b);
  DrawScene(c);
  auto buffered = NewCanvas(320, 240);
  DrawScene(*buffered);
  EXPECT_TRUE(Near(zrUnpremultyAlpha(b.GetPixels(160, 12)), Pixel(*buffered, 160, 12), 2));
  EXPECT_TRUE(Near(zrUnpremultyAlpha(b.GetPixels(260, 150)), Pixel(*buffered, 260, 150), 2));
}

}  // namespace
