// The plot grid's paint handler: two black rules in a state given back afterwards.

#include <gtest/gtest.h>

#include "app/frmInterface.h"
#include "canvas/zr_canvas_gdiplus.h"
#include "canvas/zr_gdiplus_unit.h"
#include "controls/zr_grid.h"
#include "scene/zr_brush.h"
#include "scene/zr_colors.h"

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

}  // namespace
