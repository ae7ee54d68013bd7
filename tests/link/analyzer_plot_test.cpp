// The plot grid's paint handler: two black rules in a state given back
// afterwards, drawn over the grid when the scene paints it.

#include <gtest/gtest.h>

#include "app/frmInterface.h"
#include "canvas/zr_canvas_gdiplus.h"
#include "canvas/zr_gdiplus_unit.h"
#include "controls/zr_plot_grid.h"
#include "scene/zr_brush.h"
#include "scene/zr_colors.h"
#include "tests/scene/visual_scene.h"

namespace {

TzrColor Pixel(const TzrCanvas& canvas, int x, int y) {
  return zrUnpremultyAlpha(canvas.GetBufferBits()[x + y * canvas.GetWidth()]);
}

TEST(AnalyzerPlot, PaintDrawsTwoBlackRulesAndRestoresTheCanvas) {
  InitializeCanvasGdiPlus();
  TfrmInterface form(nullptr);
  TzrCanvasGdiPlus canvas(300, 540);
  canvas.SetMatrix(IdentityMatrix);
  canvas.Clear(0);
  canvas.SetStrokeThickness(5);
  canvas.GetStroke()->SetColor("#FF00FF00");
  form.PlotGrid1Paint(form.PlotGrid1, &canvas, TzrRect{0, 0, 300, 540});
  EXPECT_EQ(Pixel(canvas, 271, 300), 0xFF000000u);  // the upright rule
  EXPECT_EQ(Pixel(canvas, 100, 16), 0xFF000000u);   // the level rule
  EXPECT_EQ(Pixel(canvas, 100, 300) >> 24, 0u);     // nothing else
  EXPECT_EQ(Pixel(canvas, 290, 16) >> 24, 0u);      // the level rule ends at 284
  EXPECT_EQ(canvas.GetStrokeThickness(), 5.0f);
  FinalizeCanvasGdiPlus();
}

TEST(AnalyzerPlot, SceneDrawsTheGridThenTheRulesOverIt) {
  InitializeCanvasGdiPlus();
  {
    TfrmInterface form(nullptr);
    TTestRurev scene(520, 330);
    auto* root = new TzrVisualObject(&form);
    scene.AddObject(root);
    root->SetBounds(0, 0, 520, 330);
    form.PlotGrid1->SetParent(root);
    form.PlotGrid1->SetBounds(0, 0, 520, 330);  // the whole test scene, not the page's place
    scene.DrawAll();
    EXPECT_EQ(scene.Pixel(260, 100), 0xFF505050u) << "the grid's centre line";
    EXPECT_EQ(scene.Pixel(261, 100), 0xFF505050u);
    EXPECT_EQ(scene.Pixel(10, 100), 0xFF505050u) << "a major line 25 steps of 10 left of it";
    EXPECT_EQ(scene.Pixel(510, 300), 0xFF505050u) << "and right of it";
    EXPECT_NE(scene.Pixel(250, 100), 0xFF505050u) << "minor lines are fainter";
    EXPECT_NE(scene.Pixel(250, 100), 0xFFFFFFFFu);
    EXPECT_EQ(scene.Pixel(271, 100), 0xFF000000u) << "the handler's rule over the grid";
    EXPECT_EQ(scene.Pixel(100, 16), 0xFF000000u);
  }
  FinalizeCanvasGdiPlus();
}

}  // namespace
