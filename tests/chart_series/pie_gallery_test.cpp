// Writes build/gallery/chart_pie.png and chart_pie_zh.png (slice labels in
// English and in Chinese): 2D and 3D pies, an exploded slice, a donut, a
// bevel ring, patterns, a half pie, concentric rings, a circular frame,
// marks inside the slices and marks outside with legs and tails, a 3D donut
// with slices of their own heights, and an other slice with its own legend.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "chart/Callout.h"
#include "chart/CircularFrame.h"
#include "chart/Legend.h"
#include "chart/PlotGradient.h"
#include "chart/PlotView3D.h"
#include "pie_fixture.h"
#include "tests/support/GalleryPng.h"

namespace {

constexpr int kCellWidth = 260, kCellHeight = 220, kColumns = 4, kRows = 4;

using Labels = std::vector<std::string>;

const Labels kEnglish = {"Cars", "Phones", "Tables", "Lamps", "Bikes"};
const Labels kChinese = {"汽车", "手机", "桌子", "台灯", "自行车"};
const double kValues[] = {35, 20, 15, 18, 12};
const TColor kColors[] = {TColor(0x3050E0), TColor(0x40B040), TColor(0xE08030), TColor(0x20C0E0),
                          TColor(0xA040A0)};

TPieSeries& Pie(TSeriesChart& F, const Labels& L, int N = 5) {
  auto& p = F.Add<TPieSeries>();
  p.GetMarks()->SetVisible(false);
  for (int i = 0; i < N; ++i) p.Add(kValues[i], L[i], kColors[i]);
  return p;
}

// A rotated 3D view of the whole cell, depth Depth.
void View3D(TSeriesChart& F, int Depth) {
  F.Begin3D(Depth, Depth, true);
  TView3DOptions* o = F.Panel.GetView3DOptions();
  o->SetOrthogonal(false);
  o->SetRotation(0);
  o->SetElevation(305);
  o->SetPerspective(0);
  F.Canvas->Begin3D(o, Depth);
  F.Canvas->Fill(clWhite);
}

void Cell(TBitmap& Sheet, int Col, int Row, const std::string& Caption,
          const std::function<void(TSeriesChart&)>& Setup) {
  TSeriesChart f(kCellWidth, kCellHeight);
  f.Place(TRect{10, 24, kCellWidth - 10, kCellHeight - 10});
  Setup(f);
  TCanvas* c = f.Canvas->Bitmap.GetCanvas();
  c->GetFont()->SetColor(clBlack);
  c->GetBrush()->SetStyle(bsClear);
  c->TextOut(6, 4, Caption);
  PaintPies(f);
  for (int y = 0; y < kCellHeight; ++y) {
    const uint8_t* from = f.Canvas->Bitmap.GetScanLine(y);
    uint8_t* to = Sheet.GetScanLine(Row * kCellHeight + y) + 3 * Col * kCellWidth;
    std::copy(from, from + 3 * kCellWidth, to);
  }
}

void WriteSheet(const Labels& L, const std::string& Name) {
  TBitmap sheet;
  sheet.SetPixelFormat(pf24bit);
  sheet.SetSize(kColumns * kCellWidth, kRows * kCellHeight);
  Cell(sheet, 0, 0, "2D, gradient",
       [&](TSeriesChart& f) { Pie(f, L).GetCircleGradient()->SetVisible(true); });
  Cell(sheet, 1, 0, "3D", [&](TSeriesChart& f) {
    View3D(f, 25);
    Pie(f, L).GetCircleGradient()->SetVisible(false);
  });
  Cell(sheet, 2, 0, "exploded, shadow", [&](TSeriesChart& f) {
    auto& p = Pie(f, L);
    p.SetExplodeBiggest(25);
    p.GetShadow()->SetSize(6);
  });
  Cell(sheet, 3, 0, "donut 50 %", [&](TSeriesChart& f) { Pie(f, L).SetDonutPercent(50); });
  Cell(sheet, 0, 1, "bevel", [&](TSeriesChart& f) {
    auto& p = Pie(f, L);
    p.GetCircleGradient()->SetVisible(false);
    p.SetBevelPercent(15);
    p.GetBevel()->SetBright(80);
  });
  Cell(sheet, 1, 1, "patterns, dark pen", [&](TSeriesChart& f) {
    auto& p = Pie(f, L);
    p.GetCircleGradient()->SetVisible(false);
    p.SetUsePatterns(true);
    p.SetDarkPen(60);
  });
  Cell(sheet, 2, 1, "half pie, rotated 90", [&](TSeriesChart& f) {
    auto& p = Pie(f, L);
    p.SetAngleSize(180);
    p.SetRotationAngle(90);
  });
  Cell(sheet, 3, 1, "concentric", [&](TSeriesChart& f) {
    for (int k = 0; k < 3; ++k) {
      auto& p = Pie(f, L);
      p.SetMultiPie(mpConcentric);
      p.SetRotationAngle(30 * k);
    }
  });
  Cell(sheet, 0, 2, "circular frame", [&](TSeriesChart& f) {
    auto& p = Pie(f, L);
    p.GetFrame()->SetVisible(true);
    p.GetFrame()->SetWidth(12);
  });
  Cell(sheet, 1, 2, "marks inside", [&](TSeriesChart& f) {
    auto& p = Pie(f, L);
    p.GetCircleGradient()->SetVisible(false);
    p.GetMarks()->SetVisible(true);
    p.GetMarks()->SetTransparent(true);
    p.GetMarks()->GetFont()->SetColor(clWhite);
    p.GetPieMarks()->SetInsideSlice(true);
  });
  Cell(sheet, 2, 2, "marks, legs, tails", [&](TSeriesChart& f) {
    auto& p = Pie(f, L);
    p.GetMarks()->SetVisible(true);
    p.GetMarks()->GetArrow()->SetColor(clBlack);
    p.GetMarks()->GetCallout()->SetLength(12);
    p.GetMarks()->GetTail()->SetVisible(true);
    p.GetPieMarks()->SetLegSize(10);
  });
  Cell(sheet, 3, 2, "3D donut, heights", [&](TSeriesChart& f) {
    View3D(f, 30);
    auto& p = Pie(f, L);
    p.GetCircleGradient()->SetVisible(false);
    p.SetDonutPercent(40);
    for (int i = 0; i < 5; ++i) p.SliceHeights().Put(i, 40 + 15 * i);
  });
  Cell(sheet, 0, 3, "other slice below 16 %, its legend", [&](TSeriesChart& f) {
    auto& p = Pie(f, L);
    p.GetOtherSlice()->SetStyle(poBelowPercent);
    p.GetOtherSlice()->SetValue(16);
    p.GetOtherSlice()->SetColor(clGray);
    p.GetOtherSlice()->GetLegend()->SetVisible(true);
  });
  for (int col = 1; col < kColumns; ++col) Cell(sheet, col, 3, "", [](TSeriesChart&) {});
  WriteGalleryPng(sheet, Name);
}

TEST(PieGallery, WritesTheSheets) {
  WriteSheet(kEnglish, "chart_pie.png");
  WriteSheet(kChinese, "chart_pie_zh.png");
}

}  // namespace
