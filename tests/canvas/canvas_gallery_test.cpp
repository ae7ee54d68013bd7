// Writes what both canvas classes draw of the same picture side by side to
// gallery/canvas_classes.png in the build folder (GDI+ left, Direct2D right),
// for looking at; the test checks that both drew in the same places.
#include <gtest/gtest.h>

#include <filesystem>

#include "canvas_classes.h"
#include "scene/zr_bitmap.h"

namespace {

using namespace canvas_test;

constexpr int kW = 320, kH = 275;

void Gradient(TzrBrush& B, TzrGradientStyle Style) {
  B.SetStyle(zrBrushGradient);
  TzrGradient& g = *B.GetGradient();
  g.SetStyle(Style);
  g.GetPoints()->Clear();
  g.GetPoints()->AddPoint(0xFF1E50C8, 0);
  g.GetPoints()->AddPoint(0xFFFFD200, 0.5f);
  g.GetPoints()->AddPoint(0xFFC8281E, 1);
  g.GetStartPosition()->SetPoint({0, 0});
  g.GetStopPosition()->SetPoint({1, 0});
}

void Shapes(TzrCanvas& C) {
  C.GetFill()->SetSolidColor(0xFF3C8CDC);
  C.GetStroke()->SetSolidColor(0xFF202020);
  C.SetStrokeThickness(3);
  C.FillRect(zrRect(10, 10, 90, 60), 12, 12, AllCorners, 1);
  C.DrawRect(zrRect(10, 10, 90, 60), 12, 12, AllCorners, 1);
  C.FillRect(zrRect(100, 10, 150, 60), 10, 10, AllCorners, 0.6f, zrCornerBevel);
  C.DrawRect(zrRect(160, 10, 210, 60), 10, 10, AllCorners, 1, zrCornerInnerRound);
  C.GetFill()->SetSolidColor(0xFF50B450);
  C.FillEllipse(zrRect(220, 10, 310, 60), 1);
  C.DrawEllipse(zrRect(220, 10, 310, 60), 1);
  const TzrStrokeDash dashes[] = {zrDashDash, zrDashDot, zrDashDashDot, zrDashDashDotDot};
  for (int i = 0; i < 4; ++i) {
    C.SetStrokeDash(dashes[i]);
    C.DrawLine({10, 72.0f + 6 * i}, {150, 72.0f + 6 * i}, 1);
  }
  C.SetStrokeDash(zrDashSolid);
  C.SetStrokeThickness(8);
  C.SetStrokeCap(zrCapFlat);
  C.DrawLine({170, 80}, {220, 80}, 1);
  C.SetStrokeCap(zrCapRound);
  C.DrawLine({240, 80}, {290, 80}, 1);
}

void Gradients(TzrCanvas& C) {
  Gradient(*C.GetFill(), zrLinearGradient);
  C.FillRect(zrRect(10, 100, 150, 140), 0, 0, 0, 1);
  // drawn at the origin, moved by the matrix
  const uint32_t s = C.SaveCanvas();
  C.SetMatrix(TzrMatrix{1, 0, 0, 0, 1, 0, 220, 95, 1});
  Gradient(*C.GetFill(), zrRadialGradient);
  C.FillEllipse(zrRect(0, 0, 60, 50), 1);
  C.RestoreCanvas(s);
}

void TextAndBitmaps(TzrCanvas& C, TzrBitmap& Checker) {
  C.GetFill()->SetStyle(zrBrushSolid);
  C.GetFill()->SetSolidColor(0xFF000000);
  C.GetFont()->SetSize(16);
  C.FillText(zrRect(10, 150, 200, 175), zrRect(0, 0, kW, kH), u"Throttle 50 %", false, 1,
             zrTextAlignNear, zrTextAlignCenter);
  C.GetFont()->SetStyle(zrFontBoldItalic);
  C.FillText(zrRect(10, 175, 200, 200), zrRect(0, 0, kW, kH), u"Bold italic", false, 1,
             zrTextAlignNear, zrTextAlignCenter);
  C.GetFont()->SetStyle(zrFontUnderline);
  C.FillText(zrRect(10, 200, 200, 225), zrRect(0, 0, kW, kH), u"Underlined \u7535\u673A", false, 1,
             zrTextAlignNear, zrTextAlignCenter);
  // the outline of two lines of text, filled where it came from
  C.GetFont()->SetStyle(zrFontRegular);
  C.GetFont()->SetSize(14);
  TzrPathData outline;
  if (C.TextToPath(outline, zrRect(0, 0, 150, 40), u"Outline\nTwo lines", true, zrTextAlignNear,
                   zrTextAlignNear)) {
    C.GetFill()->SetSolidColor(0xFF8020A0);
    const TzrRect b = outline.GetBounds();
    C.FillPath(outline, zrRect(10 + b.Left, 232 + b.Top, 10 + b.Right, 232 + b.Bottom), 1);
  }
  C.DrawBitmap(Checker, zrRect(0, 0, 4, 4), zrRect(220, 150, 300, 230), 1, true);
  C.DrawBitmap(Checker, zrRect(0, 0, 4, 4), zrRect(160, 100, 200, 140), 0.5f, false);
}

void Picture(TzrCanvas& C, TzrBitmap& Checker) {
  C.Clear(0xFFF4F4F4);
  Shapes(C);
  Gradients(C);
  TextAndBitmaps(C, Checker);
}

TEST(CanvasGallery, BothClassesDrawTheSamePicture) {
  TzrBitmap checker(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) checker.GetScanline(y)[x] = (x + y) % 2 ? 0xFF000000 : 0xFFE0A020;
  auto gdi = TzrCanvasGdiPlus::ClassRef()->Create(kW, kH);
  auto d2d = TzrCanvasD2D::ClassRef()->Create(kW, kH);
  for (TzrCanvas* c : {gdi.get(), d2d.get()}) {
    ASSERT_TRUE(c->BeginScene());
    c->SetMatrix(IdentityMatrix);
    Picture(*c, checker);
    c->EndScene();
  }
  // side by side with a gap
  cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 2 * kW + 10, kH);
  cairo_t* cr = cairo_create(sheet);
  gdi->FlushBuffer(0, 0, reinterpret_cast<TzrHandle>(cr));
  d2d->FlushBuffer(kW + 10, 0, reinterpret_cast<TzrHandle>(cr));
  const std::filesystem::path folder = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
  std::filesystem::create_directories(folder);
  EXPECT_EQ(cairo_surface_write_to_png(sheet, (folder / "canvas_classes.png").c_str()),
            CAIRO_STATUS_SUCCESS);
  cairo_destroy(cr);
  cairo_surface_destroy(sheet);
  // the same places are inked: the middle of each shape
  const int spots[][2] = {{50, 35}, {235, 35}, {80, 120}, {250, 120}, {260, 190}};
  for (const auto& p : spots)
    EXPECT_TRUE(Near(Pixel(*gdi, p[0], p[1]), Pixel(*d2d, p[0], p[1]), 40))
        << p[0] << "," << p[1] << ": " << Hex(Pixel(*gdi, p[0], p[1])) << " against "
        << Hex(Pixel(*d2d, p[0], p[1]));
}

}  // namespace
