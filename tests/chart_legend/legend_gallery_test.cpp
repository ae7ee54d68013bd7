// Writes build/gallery/chart_legend.png: legends on the four sides,
// listing series and listing values, with check boxes and radio buttons, a
// title, dividing lines, right-side and continuous symbols, in English and
// in Chinese.

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <filesystem>
#include <functional>

#include "legend_fixture.h"
#include "tests/support/GalleryPng.h"

namespace {

constexpr int kCellWidth = 300, kCellHeight = 200, kColumns = 4, kRows = 3;

const TColor kColors[] = {TColor(0x3050E0), TColor(0x40B040), TColor(0xD08030),
                          TColor(0x9040A0), TColor(0x30A0D0), TColor(0x606060)};

// The chart rectangle's outline, then the legend, copied into the sheet.
void Cell(TBitmap& Sheet, int Col, int Row, const std::function<void(TLegendChart&)>& Setup) {
  TLegendChart f(kCellWidth, kCellHeight);
  Setup(f);
  f.Layout();
  TCanvas3D* c = f.Panel.GetCanvas();
  c->GetPen()->SetColor(clSilver);
  c->GetPen()->SetStyle(psSolid);
  c->GetPen()->SetWidth(1);
  c->GetBrush()->SetStyle(bsClear);
  c->Rectangle(f.Panel.ChartRect);
  f.Panel.DrawTitlesAndLegend(false);
  for (int y = 0; y < kCellHeight; ++y) {
    const uint8_t* from = f.Canvas->Bitmap.GetScanLine(y);
    uint8_t* to = Sheet.GetScanLine(Row * kCellHeight + y) + 3 * Col * kCellWidth;
    std::copy(from, from + 3 * kCellWidth, to);
  }
}

void SeriesNamed(TLegendChart& F, const std::vector<std::string>& Names) {
  for (size_t i = 0; i < Names.size(); ++i) F.Area(Names[i], {1, 2, 3}, kColors[i % 6]);
}

void Values(TLegendChart& F, const std::vector<std::string>& Labels) {
  std::vector<double> y;
  for (size_t i = 0; i < Labels.size(); ++i) y.push_back(1200 + 850.5 * i);
  auto& s = F.Area("RPM", y, kColors[0], Labels);
  s.SetColorEachPoint(true);
  for (size_t i = 0; i < Labels.size(); ++i) s.SetValueColor(int(i), kColors[i % 6]);
}

TEST(LegendGallery, WritesTheSheet) {
  ASSERT_TRUE(gtk_init_check(nullptr, nullptr)) << "check boxes need a display";
  TBitmap sheet;
  sheet.SetPixelFormat(pf24bit);
  sheet.SetSize(kColumns * kCellWidth, kRows * kCellHeight);
  const std::vector<std::string> en = {"Throttle", "Motor speed", "Current", "Voltage"};
  const std::vector<std::string> zh = {"油门", "电机转速", "电流", "电压"};

  // Row 0: the four sides, listing series.
  Cell(sheet, 0, 0, [&](TLegendChart& f) { SeriesNamed(f, en); });
  Cell(sheet, 1, 0, [&](TLegendChart& f) {
    SeriesNamed(f, zh);
    f.Legend.SetAlignment(laLeft);
  });
  Cell(sheet, 2, 0, [&](TLegendChart& f) {
    SeriesNamed(f, en);
    f.Legend.SetAlignment(laTop);
  });
  Cell(sheet, 3, 0, [&](TLegendChart& f) {
    SeriesNamed(f, zh);
    f.Legend.SetAlignment(laBottom);
  });

  // Row 1: values with their texts, the program's bottom last values,
  // a justified bottom grid, and a title with dividing lines.
  Cell(sheet, 0, 1, [&](TLegendChart& f) { Values(f, {"Idle", "Cruise", "Climb", "Full"}); });
  Cell(sheet, 1, 1, [&](TLegendChart& f) {
    Values(f, {"怠速", "巡航", "爬升", "全速"});
    f.Legend.SetTextStyle(ltsRightValue);
    f.Legend.SetAlignment(laLeft);
  });
  Cell(sheet, 2, 1, [&](TLegendChart& f) {
    for (int i = 0; i < 14; ++i) f.Area("Cell " + std::to_string(i + 1), {1}, kColors[i % 6]);
    f.Legend.SetAlignment(laBottom);
  });
  Cell(sheet, 3, 1, [&](TLegendChart& f) {
    SeriesNamed(f, zh);
    f.Legend.GetTitle()->SetCaption("图例");
    f.Legend.GetDividingLines()->SetVisible(true);
    f.Legend.GetDividingLines()->SetColor(clGray);
  });

  // Row 2: check boxes, radio buttons, right-side and continuous symbols.
  Cell(sheet, 0, 2, [&](TLegendChart& f) {
    SeriesNamed(f, en);
    f.Series[1]->SetActive(false);
    f.Legend.SetCheckBoxes(true);
  });
  Cell(sheet, 1, 2, [&](TLegendChart& f) {
    SeriesNamed(f, zh);
    f.Legend.SetCheckBoxes(true);
    f.Legend.SetCheckBoxesStyle(cbsRadio);
    f.Legend.SetAlignment(laBottom);
  });
  Cell(sheet, 2, 2, [&](TLegendChart& f) {
    SeriesNamed(f, en);
    f.Legend.GetSymbol()->SetPosition(spRight);
    f.Legend.GetTitle()->SetCaption("Legend");
  });
  Cell(sheet, 3, 2, [&](TLegendChart& f) {
    Values(f, {"Idle", "Cruise", "Climb", "Full", "Peak"});
    f.Legend.GetSymbol()->SetContinuous(true);
    f.Legend.GetSymbol()->SetSquared(false);
    f.Legend.GetSymbol()->SetWidthUnits(lcsPixels);
    f.Legend.GetSymbol()->SetWidth(24);
    f.Legend.SetFontSeriesColor(true);
  });

  WriteGalleryPng(sheet, "chart_legend.png");
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery" /
                                      "chart_legend.png"));
}

}  // namespace
