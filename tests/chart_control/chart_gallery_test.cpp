// Writes build/gallery/chart_walls.png (a 3D chart with thick walls in the
// orthogonal and in a rotated view, titles in English and Chinese) and
// build/gallery/chart_palettes.png (one chart per built-in palette).

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "chart/AreaSeries.h"
#include "chart/ColorPalettes.h"
#include "chart/SeriesPointer.h"
#include "chart_fixture.h"
#include "tests/support/GalleryPng.h"

namespace {

void Place(TBitmap& Sheet, TChart& C, int X, int Y) {
  std::unique_ptr<TBitmap> b(
      C.PlotCreateBitmap(clWhite, TRect{0, 0, C.GetWidth(), C.GetHeight()}, pf24bit, 0));
  Sheet.GetCanvas()->Draw(X, Y, b.get());
}

void WallsChart(TBitmap& Sheet, int Col, int Row, bool Orthogonal, const char* Title) {
  TChartFixture f;
  f.Chart.SetView3D(true);
  f.Chart.SetBounds(0, 0, 420, 320);
  f.Chart.GetTitle()->SetCaption(Title);
  f.Chart.GetLegend()->SetVisible(false);
  TView3DOptions* v = f.Chart.GetView3DOptions();
  v->SetOrthogonal(Orthogonal);
  if (!Orthogonal) {
    v->SetRotation(340);
    v->SetElevation(345);
    v->SetPerspective(0);
  }
  f.Chart.GetWalls()->SetSize(6);
  f.Chart.GetRightWall()->SetVisible(true);
  f.Chart.GetBackWall()->SetTransparent(false);
  f.Chart.GetBackWall()->SetColor(TColor(0xF0E8E0));
  auto& area = f.Add<TAreaSeries>({});
  auto& line = f.Add<TLineSeries>({});
  for (int i = 0; i <= 10; ++i) {
    area.AddXY(i, 40 + 25 * std::sin(i * 0.6));
    line.AddXY(i, 60 + 20 * std::cos(i * 0.5));
  }
  area.SetSeriesColor(clTeal);
  line.SetSeriesColor(clRed);
  Place(Sheet, f.Chart, Col * 420, Row * 320);
}

}  // namespace

TEST(ChartGallery, WritesWallsIn3D) {
  TBitmap sheet;
  sheet.SetPixelFormat(pf24bit);
  sheet.SetSize(2 * 420, 2 * 320);
  WallsChart(sheet, 0, 0, true, "Walls, orthogonal view");
  WallsChart(sheet, 1, 0, false, "Walls, rotated view");
  WallsChart(sheet, 0, 1, true, "墙壁，正交视图");
  WallsChart(sheet, 1, 1, false, "墙壁，旋转视图");
  WriteGalleryPng(sheet, "chart_walls.png");
}

TEST(ChartGallery, WritesOneChartPerPalette) {
  constexpr int kW = 220, kH = 160, kCols = 6;
  const int count = ColorPalettes()->Count();
  TBitmap sheet;
  sheet.SetPixelFormat(pf24bit);
  sheet.SetSize(kCols * kW, ((count + kCols - 1) / kCols) * kH);
  sheet.GetCanvas()->GetBrush()->SetColor(clWhite);
  sheet.GetCanvas()->FillRect(TRect{0, 0, sheet.GetWidth(), sheet.GetHeight()});
  for (int p = 0; p < count; ++p) {
    TChartFixture f;
    f.Chart.SetBounds(0, 0, kW, kH);
    f.Chart.GetLegend()->SetVisible(false);
    f.Chart.GetTitle()->SetCaption(std::to_string(p) + " " + ColorPalettes()->GetName(p));
    f.Chart.SetColorPaletteIndex(p);
    for (int s = 0; s < 8; ++s) {
      auto& line = f.Add<TLineSeries>({});
      line.GetLinePen()->SetWidth(2);
      line.GetPointer()->SetVisible(true);
      for (int i = 0; i <= 6; ++i) line.AddXY(i, s * 10 + 8 * std::sin(i + s));
    }
    Place(sheet, f.Chart, (p % kCols) * kW, (p / kCols) * kH);
  }
  WriteGalleryPng(sheet, "chart_palettes.png");
}
