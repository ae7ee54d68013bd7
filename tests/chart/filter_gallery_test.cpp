// Writes build/gallery/chart_filters.png: a picture, its blur and its smooth
// stretches, to be looked at.

#include <gtest/gtest.h>

#include <filesystem>

#include "chart/PlotPicture.h"
#include "platform/rtl/Streams.h"
#include "platform/vcl/GraphicsCodec.h"

namespace {

TEST(ChartFilterGallery, WritesTheSheet) {
  TBitmap source;
  source.SetSize(40, 40);
  TCanvas* c = source.GetCanvas();
  c->GetBrush()->SetColor(clNavy);
  c->FillRect(Rect(0, 0, 40, 40));
  c->GetBrush()->SetColor(clYellow);
  c->GetPen()->SetColor(clRed);
  c->GetPen()->SetWidth(3);
  c->Ellipse(6, 6, 34, 34);
  c->GetFont()->SetHeight(-12);
  c->GetFont()->SetColor(clWhite);
  c->GetBrush()->SetStyle(bsClear);
  c->TextOut(12, 13, u"Ab");

  TPlotPicture picture;
  picture.Assign(&source);
  auto* blur = static_cast<TBlurFilter*>(picture.GetFilters()->Add(TBlurFilter::Class()));
  blur->SetSteps(3);

  TBitmap sheet;
  sheet.SetSize(400, 170);
  TCanvas* s = sheet.GetCanvas();
  s->Draw(10, 10, &source);
  s->Draw(60, 10, picture.Filtered());
  TBitmap best, fast;
  best.SetSize(150, 150);
  fast.SetSize(150, 150);
  TBitmap copy;
  copy.Assign(&source);
  SmoothStretch(&copy, &best, ssBestQuality);
  SmoothStretch(&copy, &fast, ssBestPerformance);
  s->Draw(100, 10, &best);
  s->Draw(250, 10, &fast);

  std::filesystem::path dir = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
  std::filesystem::create_directories(dir);
  std::vector<uint8_t> bgra;
  for (int y = 0; y < sheet.GetHeight(); ++y)
    bgra.insert(bgra.end(), sheet.GetScanLine(y), sheet.GetScanLine(y) + sheet.GetWidth() * 4);
  std::vector<uint8_t> png = EncodeGraphic(bgra, sheet.GetWidth(), sheet.GetHeight(), u"image/png");
  TFileStream out((dir / "chart_filters.png").string(), fmCreate);
  out.WriteBuffer(png.data(), int32_t(png.size()));
  EXPECT_NE(s->GetPixels(175, 85), s->GetPixels(10, 10));  // the stretch drew something
}

}  // namespace
