// Shadow attributes, where a shadow falls, the blur kernel and the smooth
// shadow on 24- and 32-bit backgrounds, partly outside and clipped; writes
// build/gallery/chart_shadows.png.

#include <gtest/gtest.h>

#include <filesystem>

#include "chart/PlotShadow.h"
#include "platform/gdi/Gdi.h"
#include "platform/rtl/Streams.h"
#include "platform/vcl/GraphicsCodec.h"

namespace {

TEST(PlotShadow, DefaultsEmbossAndAssignKeepsClip) {
  TPlotShadow s;
  EXPECT_TRUE(s.GetVisible());
  EXPECT_EQ(s.GetColor(), clSilver);
  EXPECT_EQ(s.GetDirection(), sdRightBottom);
  EXPECT_EQ(s.GetTransparency(), 50);
  EXPECT_FALSE(s.ShouldDraw());  // no size
  TPlotEmboss e;
  EXPECT_FALSE(e.GetVisible());
  EXPECT_EQ(e.GetDirection(), sdLeftTop);

  int calls = 0;
  TPlotShadow a([&](TObject*) { ++calls; });
  a.SetClip(true);
  a.SetSize(3);
  a.SetSize(3);
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(a.GetSize(), 3);
  TPlotShadow b;
  b.SetHorizSize(-7);
  b.SetSmoothBlur(20);
  a.Assign(&b);
  EXPECT_EQ(calls, 3);  // no notification
  EXPECT_TRUE(a.GetClip());
  EXPECT_EQ(a.GetHorizSize(), -7);
  EXPECT_EQ(a.GetSmoothBlur(), 20);
  EXPECT_EQ(a.GetSize(), 7);
}

TEST(PlotShadow, OffsetPerDirection) {
  const TRect r{10, 10, 20, 20};
  struct Case {
    TShadowDirection d;
    TRect want;
  } cases[] = {{sdLeftTop, {7, 8, 17, 18}},    {sdLeftBottom, {7, 12, 17, 22}},
               {sdRightTop, {13, 8, 23, 18}},  {sdRightBottom, {13, 12, 23, 22}},
               {sdCenter, {7, 8, 23, 22}}};
  for (const Case& c : cases) {
    TPlotShadow s;
    s.SetHorizSize(3);
    s.SetVertSize(2);
    s.SetDirection(c.d);
    EXPECT_EQ(s.OffsetRectangle(r), c.want) << c.d;
  }
}

TEST(PlotShadow, FourPointsTurnAboutTheCentre) {
  TFourPoints p;
  TPlotShadow::RectToFourPoints(TRect{0, 0, 10, 4}, 0, p);
  EXPECT_EQ(p[0], (TPoint{0, 0}));
  EXPECT_EQ(p[2], (TPoint{10, 4}));
  TPlotShadow::RectToFourPoints(TRect{0, 0, 10, 4}, 90, p);
  EXPECT_EQ(p[0], (TPoint{3, 7}));  // (-5, -2) turned to (-2, 5) about (5, 2)
}

TEST(PlotShadowKernel, WeightsAndDegenerateBases) {
  EXPECT_EQ(PlotShadowKernel(4, 0),
            (std::vector<int>{9526, 26646, 55556, 86334, 100000, 86334, 55556, 26646, 9526}));
  // A base of 0 or below would make infinite weights: no blur instead.
  for (float alpha : {-180.0f, -200.0f, -1000.0f})
    EXPECT_EQ(PlotShadowKernel(4, alpha), std::vector<int>{100000}) << alpha;
  EXPECT_EQ(PlotShadowKernel(0, 0), std::vector<int>{100000});
  EXPECT_EQ(PlotShadowKernel(100000, 0).size(), 16383u);
}

std::unique_ptr<TBitmap> Filled(TPixelFormat f, int w, int h, TColor c) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(f);
  b->SetSize(w, h);
  b->GetCanvas()->GetBrush()->SetColor(c);
  b->GetCanvas()->FillRect(Rect(0, 0, w, h));
  return b;
}

int Blue(TBitmap& b, int x, int y) { return b.GetScanLine(y)[x * (b.BitsPerPixel() / 8)]; }

// A black 10 x 10 mask square inside white, laid on a white background.
TEST(PlotShadowSmooth, DarkensOnlyWhereTheMaskFallsOnBothPixelSizes) {
  for (TPixelFormat f : {pf24bit, pf32bit}) {
    auto mask = Filled(f, 20, 20, clWhite);
    mask->GetCanvas()->GetBrush()->SetColor(clBlack);
    mask->GetCanvas()->FillRect(Rect(5, 5, 15, 15));
    auto bg = Filled(f, 40, 40, clWhite);
    PlotShadowSmooth(mask.get(), bg.get(), 10, 10, 20, 20, 4, 0, nullptr, false);
    EXPECT_EQ(Blue(*bg, 20, 20), 0) << f;     // the middle of the square is black
    EXPECT_EQ(Blue(*bg, 5, 5), 255) << f;     // off the mask
    EXPECT_EQ(Blue(*bg, 11, 11), 255) << f;   // white mask corner
    int edge = Blue(*bg, 15, 20);             // the square's edge is blurred
    EXPECT_GT(edge, 0) << f;
    EXPECT_LT(edge, 255) << f;
  }
}

TEST(PlotShadowSmooth, PartlyOutsideTouchesOnlyCoveredPixels) {
  auto mask = Filled(pf24bit, 10, 10, clBlack);
  auto bg = Filled(pf32bit, 8, 8, clWhite);
  PlotShadowSmooth(mask.get(), bg.get(), -5, 4, 10, 10, 2, 0, nullptr, false);
  EXPECT_EQ(Blue(*bg, 0, 7), 0);
  EXPECT_EQ(Blue(*bg, 4, 7), 0);
  EXPECT_EQ(Blue(*bg, 5, 7), 255);  // right of the mask's end
  EXPECT_EQ(Blue(*bg, 0, 3), 255);  // above it
  // Entirely outside: nothing at all.
  PlotShadowSmooth(mask.get(), bg.get(), 50, 50, 10, 10, 2, 0, nullptr, false);
}

TEST(PlotShadowSmooth, ClipFlagKeepsPixelsOutsideTheClipRegion) {
  auto mask = Filled(pf32bit, 10, 10, clBlack);
  for (bool clipOn : {false, true}) {
    auto bg = Filled(pf32bit, 10, 10, clWhite);
    gdi::HRGN rgn = gdi::CreateRectRgn(0, 0, 5, 10);
    gdi::SelectClipRgn(bg->GetCanvas()->GetHandle(), rgn);
    gdi::DeleteObject(rgn);
    PlotShadowSmooth(mask.get(), bg.get(), 0, 0, 10, 10, 2, 0, bg->GetCanvas(), clipOn);
    EXPECT_EQ(Blue(*bg, 2, 5), 0) << clipOn;
    EXPECT_EQ(Blue(*bg, 7, 5), clipOn ? 255 : 0) << clipOn;
  }
}

TEST(PlotShadowSmooth, WithoutBackgroundTheMaskIsBlurred) {
  auto mask = Filled(pf24bit, 12, 1, clWhite);
  mask->GetCanvas()->GetBrush()->SetColor(clBlack);
  mask->GetCanvas()->FillRect(Rect(6, 0, 12, 1));
  PlotShadowSmooth(mask.get(), nullptr, 0, 0, 12, 1, 3, 0, nullptr, false);
  EXPECT_EQ(Blue(*mask, 0, 0), 255);
  EXPECT_EQ(Blue(*mask, 11, 0), 0);
  EXPECT_GT(Blue(*mask, 5, 0), Blue(*mask, 6, 0));
  // With SmoothBlur -180 the kernel has one weight: the mask stays sharp.
  auto sharp = Filled(pf24bit, 12, 1, clWhite);
  sharp->GetCanvas()->GetBrush()->SetColor(clBlack);
  sharp->GetCanvas()->FillRect(Rect(6, 0, 12, 1));
  PlotShadowSmooth(sharp.get(), nullptr, 0, 0, 12, 1, 3, -180, nullptr, false);
  EXPECT_EQ(Blue(*sharp, 5, 0), 255);
  EXPECT_EQ(Blue(*sharp, 6, 0), 0);
}

void WritePng(TBitmap& sheet, const char* name) {
  std::filesystem::path dir = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
  std::filesystem::create_directories(dir);
  std::vector<uint8_t> bgra;
  for (int y = 0; y < sheet.GetHeight(); ++y)
    bgra.insert(bgra.end(), sheet.GetScanLine(y), sheet.GetScanLine(y) + sheet.GetWidth() * 4);
  std::vector<uint8_t> png = EncodeGraphic(bgra, sheet.GetWidth(), sheet.GetHeight(), u"image/png");
  TFileStream out((dir / name).string(), fmCreate);
  out.WriteBuffer(png.data(), int32_t(png.size()));
}

// Smooth shadows of a box, an ellipse and a ring at two blurs, then a flat one.
TEST(ChartShadowGallery, WritesTheSheet) {
  auto sheet = Filled(pf32bit, 400, 130, TColor(0xF0E8E0));
  TCanvas* s = sheet->GetCanvas();
  struct Shape {
    int x;
    int blur;
    int kind;  // 0 box, 1 ellipse, 2 ring
  } shapes[] = {{10, 0, 0}, {100, 0, 1}, {190, 60, 2}, {280, 200, 0}};
  for (const Shape& sh : shapes) {
    const int B = 8;
    auto mask = Filled(pf32bit, 80, 80, clWhite);
    TCanvas* m = mask->GetCanvas();
    m->GetBrush()->SetColor(TColor(0x404040));
    m->GetPen()->SetStyle(psClear);
    if (sh.kind == 0) m->FillRect(Rect(B / 2, B / 2, 80 - B / 2, 80 - B / 2));
    if (sh.kind >= 1) m->Ellipse(B / 2, B / 2, 80 - B / 2, 80 - B / 2);
    if (sh.kind == 2) {
      m->GetBrush()->SetColor(clWhite);
      m->Ellipse(24, 24, 56, 56);
    }
    PlotShadowSmooth(mask.get(), sheet.get(), sh.x + 8, 28, 80, 80, B, float(sh.blur), nullptr,
                     false);
    s->GetBrush()->SetColor(clTeal);
    s->GetPen()->SetColor(clNavy);
    if (sh.kind == 0) s->Rectangle(sh.x, 20, sh.x + 72, 92);
    else s->Ellipse(sh.x, 20, sh.x + 72, 92);
  }
  // A flat shadow: the box moved by the shadow's offset, filled in one colour.
  TPlotShadow flat;
  flat.SetSize(6);
  TRect box = flat.OffsetRectangle(Rect(330, 20, 390, 80));
  s->GetBrush()->SetColor(clGray);
  s->GetPen()->SetStyle(psClear);
  s->FillRect(box);
  s->GetPen()->SetStyle(psSolid);
  s->GetBrush()->SetColor(clYellow);
  s->Rectangle(330, 20, 390, 80);
  WritePng(*sheet, "chart_shadows.png");
  EXPECT_LT(Blue(*sheet, 90, 60), 0xC0);   // the smooth shadow right of the first box
  EXPECT_EQ(Blue(*sheet, 5, 60), 0xF0);    // the background left of it
  EXPECT_EQ(Blue(*sheet, 393, 80), 0x80);  // the flat shadow, grey
}

}  // namespace
