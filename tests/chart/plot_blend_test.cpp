// Blending a saved background back: 0, 50 and 100 percent on the device
// and the per-pixel paths, a mask, and a destination smaller than the
// background; writes build/gallery/chart_blend.png.

#include <gtest/gtest.h>

#include <filesystem>

#include "chart/PlotBlend.h"
#include "platform/rtl/Streams.h"
#include "platform/vcl/GraphicsCodec.h"

namespace {

std::unique_ptr<TBitmap> Filled(TPixelFormat f, int w, int h, TColor c) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(f);
  b->SetSize(w, h);
  b->GetCanvas()->GetBrush()->SetColor(c);
  b->GetCanvas()->FillRect(Rect(0, 0, w, h));
  return b;
}

int Red(TBitmap& b, int x, int y) { return int(b.GetCanvas()->GetPixels(x, y) & 0xFF); }

struct PathGuard {
  explicit PathGuard(bool perPixel) { PlotBlendPerPixel = perPixel; }
  ~PathGuard() { PlotBlendPerPixel = false; }
};

TEST(PlotBlendBitmaps, PercentOfTheDestinationRemainsOnBothPaths) {
  struct Case {
    double percent;
    int red;
  } cases[] = {{0, 0}, {50, 100}, {100, 200}};
  for (bool perPixel : {false, true})
    for (const Case& c : cases) {
      PathGuard guard(perPixel);
      auto bg = Filled(pf24bit, 4, 4, TColor(0));     // background black
      auto dst = Filled(pf32bit, 4, 4, TColor(200));  // shape red 200
      PlotBlendBitmaps(bg.get(), dst.get(), TPoint{0, 0}, nullptr, c.percent);
      EXPECT_NEAR(Red(*dst, 2, 2), c.red, 2) << perPixel << " " << c.percent;
    }
}

TEST(PlotBlendBitmaps, MaskWeighsEachChannel) {
  auto bg = Filled(pf24bit, 2, 1, TColor(0xFFFFFF));
  auto dst = Filled(pf24bit, 2, 1, TColor(0));
  auto mask = Filled(pf24bit, 2, 1, TColor(0x000080));  // red weighs 128, the others 0
  PlotBlendBitmaps(bg.get(), dst.get(), TPoint{0, 0}, mask.get(), 0);
  TColor c = dst->GetCanvas()->GetPixels(1, 0);
  EXPECT_EQ(int(c & 0xFF), 127);
  EXPECT_EQ(int((c >> 8) & 0xFF), 0);
  EXPECT_EQ(int((c >> 16) & 0xFF), 0);
}

TEST(PlotBlendBitmaps, OnlyTheOverlapIsBlended) {
  for (bool perPixel : {false, true}) {
    PathGuard guard(perPixel);
    auto bg = Filled(pf24bit, 10, 10, TColor(0));
    auto dst = Filled(pf24bit, 6, 6, TColor(200));
    PlotBlendBitmaps(bg.get(), dst.get(), TPoint{3, 4}, nullptr, 0);
    EXPECT_EQ(Red(*dst, 2, 5), 200) << perPixel;  // left of the point
    EXPECT_EQ(Red(*dst, 3, 3), 200) << perPixel;  // above it
    EXPECT_EQ(Red(*dst, 3, 4), 0) << perPixel;
    EXPECT_EQ(Red(*dst, 5, 5), 0) << perPixel;
    // Entirely outside: nothing happens.
    PlotBlendBitmaps(bg.get(), dst.get(), TPoint{6, 0}, nullptr, 0);
    EXPECT_EQ(Red(*dst, 5, 0), 200) << perPixel;
  }
}

TEST(ChartBlendGallery, WritesTheSheet) {
  auto sheet = Filled(pf32bit, 330, 80, clWhite);
  TCanvas* s = sheet->GetCanvas();
  s->GetBrush()->SetColor(clSilver);
  for (int x = 0; x < 330; x += 20) s->FillRect(Rect(x, 0, x + 10, 80));
  int x = 10;
  for (double percent : {0.0, 25.0, 50.0, 75.0, 100.0}) {
    // Save the background, draw the shape, then mix the background back.
    auto saved = Filled(pf24bit, 50, 50, clWhite);
    saved->GetCanvas()->CopyRect(Rect(0, 0, 50, 50), s, Rect(x, 15, x + 50, 65));
    s->GetBrush()->SetColor(clRed);
    s->GetPen()->SetColor(clMaroon);
    s->Ellipse(x, 15, x + 50, 65);
    PlotBlendBitmaps(saved.get(), sheet.get(), TPoint{x, 15}, nullptr, percent);
    x += 62;
  }
  EXPECT_EQ(Red(*sheet, 25, 40), 0xC0);  // percent 0: the background back (silver stripe)
  std::filesystem::path dir = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
  std::filesystem::create_directories(dir);
  std::vector<uint8_t> bgra;
  for (int y = 0; y < sheet->GetHeight(); ++y)
    bgra.insert(bgra.end(), sheet->GetScanLine(y), sheet->GetScanLine(y) + sheet->GetWidth() * 4);
  std::vector<uint8_t> png =
      EncodeGraphic(bgra, sheet->GetWidth(), sheet->GetHeight(), u"image/png");
  TFileStream out((dir / "chart_blend.png").string(), fmCreate);
  out.WriteBuffer(png.data(), int32_t(png.size()));
}

}  // namespace
