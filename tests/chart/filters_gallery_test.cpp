// Writes build/gallery/chart_filter_classes.png: every registered filter,
// prepared for the gallery, applied to one sample picture, to be looked at.

#include <gtest/gtest.h>

#include <filesystem>

#include "chart/PlotFilters.h"
#include "platform/rtl/Rtti.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"
#include "platform/vcl/GraphicsCodec.h"

namespace {

void DrawSample(TBitmap& b) {
  b.SetPixelFormat(pf24bit);
  b.SetSize(80, 60);
  TCanvas* c = b.GetCanvas();
  c->GetBrush()->SetColor(TColor(0x804020));
  c->FillRect(TRect{0, 0, 80, 60});
  c->GetBrush()->SetColor(clYellow);
  c->FillRect(TRect{0, 0, 40, 30});
  c->GetBrush()->SetColor(clRed);
  c->GetPen()->SetColor(clWhite);
  c->GetPen()->SetWidth(2);
  c->Ellipse(30, 15, 70, 55);
  c->GetBrush()->SetColor(clLime);
  c->FillRect(TRect{8, 38, 24, 54});
  c->GetFont()->SetHeight(-11);
  c->GetFont()->SetColor(clBlack);
  c->GetBrush()->SetStyle(bsClear);
  c->TextOut(4, 4, u"Abc");
}

TEST(ChartFilterGallery, EveryFilterClassOnOnePicture) {
  ASSERT_NE(PlotFilterClasses, nullptr);
  const int cols = 6, cellW = 130, cellH = 150;
  const int count = PlotFilterClasses->GetCount() + 1;  // the original first
  TBitmap sheet;
  sheet.SetPixelFormat(pf32bit);
  sheet.SetSize(cols * cellW, ((count + cols - 1) / cols) * cellH);
  TCanvas* s = sheet.GetCanvas();
  s->GetFont()->SetHeight(-11);
  TBitmap original;
  DrawSample(original);
  for (int i = 0; i < count; ++i) {
    const int x = (i % cols) * cellW + 5, y = (i / cols) * cellH + 5;
    TBitmap picture;
    DrawSample(picture);
    std::string label = "original";
    if (i > 0) {
      const TClassInfo* c = GetClass(PlotFilterClasses->Get(i - 1));
      ASSERT_NE(c, nullptr);
      std::unique_ptr<TObject> made(c->Create(nullptr));
      auto* filter = dynamic_cast<TPlotFilter*>(made.get());
      ASSERT_NE(filter, nullptr);
      filter->PrepareForGallery();
      filter->Apply(&picture);
      label = filter->Description();
    }
    s->Draw(x, y + 16, &picture);
    s->GetBrush()->SetStyle(bsClear);
    s->TextOut(x, y, label);
  }
  std::filesystem::path dir = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
  std::filesystem::create_directories(dir);
  std::vector<uint8_t> bgra;
  for (int y = 0; y < sheet.GetHeight(); ++y)
    bgra.insert(bgra.end(), sheet.GetScanLine(y), sheet.GetScanLine(y) + sheet.GetWidth() * 4);
  std::vector<uint8_t> png = EncodeGraphic(bgra, sheet.GetWidth(), sheet.GetHeight(), u"image/png");
  TFileStream out((dir / "chart_filter_classes.png").string(), fmCreate);
  out.WriteBuffer(png.data(), int32_t(png.size()));
  EXPECT_EQ(count, 26);
}

}  // namespace
