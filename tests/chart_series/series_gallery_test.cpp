// Writes build/gallery/chart_series.png: lines, stairs, stacked and 100 %
// areas, every pointer style, horizontal line and area, the all-at-once
// polyline and curve, a smoothed line, outline and shadow, and 3D bands,
// areas, stairs and pointers in orthogonal and rotated views.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "platform/rtl/Streams.h"
#include "platform/vcl/GraphicsCodec.h"
#include "series_fixture.h"
#include "tests/support/GalleryPng.h"

namespace {

constexpr int kCellWidth = 200, kCellHeight = 150, kColumns = 4, kRows = 5;

// One chart drawn by Setup's series into cell (Col, Row) of the sheet.
void Cell(TBitmap& Sheet, int Col, int Row, const std::function<void(TSeriesChart&)>& Setup) {
  TSeriesChart f(kCellWidth, kCellHeight);
  Setup(f);
  if (!f.Panel.GetView3D()) {
    f.Canvas->GetPen()->SetColor(clSilver);
    f.Canvas->GetPen()->SetStyle(psSolid);
    f.Canvas->GetPen()->SetWidth(1);
    f.Canvas->GetBrush()->SetStyle(bsClear);
    f.Canvas->Rectangle(19, 9, 182, 132);
  }
  f.DrawAll();
  for (int y = 0; y < kCellHeight; ++y) {
    const uint8_t* from = f.Canvas->Bitmap.GetScanLine(y);
    uint8_t* to = Sheet.GetScanLine(Row * kCellHeight + y) + 3 * Col * kCellWidth;
    std::copy(from, from + 3 * kCellWidth, to);
  }
}

template <class S>
S& Wave(TSeriesChart& F, double Base, double Amplitude, double Phase, int Points = 11) {
  S& s = F.template Add<S>();
  for (int i = 0; i < Points; ++i)
    s.AddXY(i * 10.0 / (Points - 1), Base + Amplitude * std::sin(i * 0.8 + Phase));
  return s;
}

TEST(SeriesGallery, WritesTheSheet) {
  TBitmap sheet;
  sheet.SetPixelFormat(pf24bit);
  sheet.SetSize(kColumns * kCellWidth, kRows * kCellHeight);

  // Row 0: lines, stairs, stacked and 100 % areas.
  Cell(sheet, 0, 0, [](TSeriesChart& f) {
    auto& a = Wave<TLineSeries>(f, 60, 25, 0);
    a.SetSeriesColor(clRed);
    a.GetLinePen()->SetWidth(2);
    auto& b = Wave<TLineSeries>(f, 35, 20, 1.5);
    b.SetSeriesColor(clBlue);
    b.GetPointer()->SetVisible(true);
  });
  Cell(sheet, 1, 0, [](TSeriesChart& f) {
    auto& a = Wave<TLineSeries>(f, 70, 15, 0, 8);
    a.SetStairs(true);
    a.SetSeriesColor(clNavy);
    auto& b = Wave<TLineSeries>(f, 30, 15, 0, 8);
    b.SetStairs(true);
    b.SetInvertedStairs(true);
    b.SetSeriesColor(clMaroon);
  });
  Cell(sheet, 2, 0, [](TSeriesChart& f) {
    const TColor colors[] = {TColor(0x4080F0), TColor(0x40C060), TColor(0xC08040)};
    for (int k = 0; k < 3; ++k) {
      auto& s = Wave<TAreaSeries>(f, 20, 8, k);
      s.SetSeriesColor(colors[k]);
      s.SetMultiArea(maStacked);
    }
  });
  Cell(sheet, 3, 0, [](TSeriesChart& f) {
    const TColor colors[] = {TColor(0x4080F0), TColor(0x40C060), TColor(0xC08040)};
    for (int k = 0; k < 3; ++k) {
      auto& s = Wave<TAreaSeries>(f, 20, 12, k * 2);
      s.SetSeriesColor(colors[k]);
      s.SetMultiArea(maStacked100);
    }
  });

  // Row 1: every pointer style, plain and dressed; horizontal line and area.
  auto styles = [](TSeriesChart& f, bool Dressed) {
    auto& s = f.Add<TPointSeries>();
    s.SetSeriesColor(TColor(0x2060D0));
    for (int i = 0; i < 16; ++i) {
      s.AddXY(1 + (i % 4) * 2.7, 85 - (i / 4) * 24);
      TSeriesPointer* p = s.GetPointer()->Get(i);
      p->SetStyle(TSeriesPointerStyle(i));
      p->SetSize(8);
      if (!Dressed) continue;
      p->GetShadow()->SetVisible(true);
      p->GetShadow()->SetSize(3);
      p->GetGradient()->SetVisible(true);
      p->SetTransparency(i % 3 == 0 ? 40 : 0);
    }
  };
  Cell(sheet, 0, 1, [&](TSeriesChart& f) { styles(f, false); });
  Cell(sheet, 1, 1, [&](TSeriesChart& f) { styles(f, true); });
  Cell(sheet, 2, 1, [](TSeriesChart& f) {
    auto& s = f.Add<THorizLineSeries>();
    for (int i = 0; i <= 10; ++i) s.AddXY(5 + 3 * std::sin(i * 0.7), i * 10);
    s.SetSeriesColor(clPurple);
    s.GetPointer()->SetVisible(true);
    s.GetPointer()->SetStyle(psDiamond);
  });
  Cell(sheet, 3, 1, [](TSeriesChart& f) {
    auto& s = f.Add<THorizAreaSeries>();
    for (int i = 0; i <= 10; ++i) s.AddXY(5 + 3 * std::sin(i * 0.7), i * 10);
    s.SetSeriesColor(clTeal);
  });

  // Row 2: dsAll, dsCurve, a smoothed line, outline and shadow.
  Cell(sheet, 0, 2, [](TSeriesChart& f) {
    auto& a = Wave<TAreaSeries>(f, 30, 15, 0);
    a.SetDrawStyle(dsAll);
    a.SetSeriesColor(TColor(0x80C0FF));
    auto& b = Wave<TLineSeries>(f, 70, 15, 1);
    b.SetDrawStyle(dsAll);
    b.SetSeriesColor(clRed);
    b.GetPointer()->SetVisible(true);
    b.DisplayLast = 0.75f;
  });
  Cell(sheet, 1, 2, [](TSeriesChart& f) {
    auto& a = Wave<TAreaSeries>(f, 30, 15, 0, 6);
    a.SetDrawStyle(dsCurve);
    a.SetSeriesColor(TColor(0x80FFC0));
    auto& b = Wave<TLineSeries>(f, 70, 15, 1, 6);
    b.SetDrawStyle(dsCurve);
    b.SetSeriesColor(clRed);
    b.GetPointer()->SetVisible(true);
  });
  Cell(sheet, 2, 2, [](TSeriesChart& f) {
    auto& raw = Wave<TPointSeries>(f, 50, 35, 0, 6);
    raw.SetSeriesColor(clBlack);
    raw.GetPointer()->SetSize(3);
    auto& s = Wave<TLineSeries>(f, 50, 35, 0, 6);
    s.SetSeriesColor(clRed);
    s.SetSmoothed(true);
  });
  Cell(sheet, 3, 2, [](TSeriesChart& f) {
    auto& s = Wave<TLineSeries>(f, 50, 30, 0);
    s.SetSeriesColor(clLime);
    s.GetLinePen()->SetWidth(4);
    s.GetOutLine()->SetVisible(true);
    s.GetOutLine()->SetColor(clBlack);
    s.GetShadow()->SetVisible(true);
    s.GetShadow()->SetSize(8);
    s.GetShadow()->SetColor(clGray);
  });

  // Rows 3 and 4: 3D bands, areas, stairs and pointers.
  Cell(sheet, 0, 3, [](TSeriesChart& f) {
    f.Begin3D(12, 12, true, 2);
    auto& a = Wave<TLineSeries>(f, 60, 20, 0);
    a.SetSeriesColor(clRed);
    auto& b = Wave<TLineSeries>(f, 35, 20, 1.5);
    b.SetSeriesColor(clBlue);
    b.SetLineHeight(6);
  });
  Cell(sheet, 1, 3, [](TSeriesChart& f) {
    f.Begin3D(12, 12, true, 2);
    auto& a = Wave<TAreaSeries>(f, 55, 20, 0);
    a.SetSeriesColor(TColor(0x4080F0));
    auto& b = Wave<TAreaSeries>(f, 30, 15, 2);
    b.SetSeriesColor(TColor(0x40C060));
  });
  Cell(sheet, 2, 3, [](TSeriesChart& f) {
    f.Begin3D(12, 12, false, 2);
    auto& a = Wave<TLineSeries>(f, 60, 20, 0);
    a.SetSeriesColor(clRed);
    auto& b = Wave<TLineSeries>(f, 35, 20, 1.5);
    b.SetSeriesColor(clBlue);
    b.SetLineHeight(6);
  });
  Cell(sheet, 3, 3, [](TSeriesChart& f) {
    f.Begin3D(12, 12, false, 2);
    auto& a = Wave<TAreaSeries>(f, 55, 20, 0);
    a.SetSeriesColor(TColor(0x4080F0));
    auto& b = Wave<TAreaSeries>(f, 30, 15, 2);
    b.SetSeriesColor(TColor(0x40C060));
  });
  Cell(sheet, 0, 4, [](TSeriesChart& f) {
    f.Begin3D(15, 15, true);
    auto& s = Wave<TLineSeries>(f, 50, 25, 0, 8);
    s.SetStairs(true);
    s.SetSeriesColor(TColor(0x60A0E0));
  });
  Cell(sheet, 1, 4, [](TSeriesChart& f) {
    f.Begin3D(15, 15, true);
    auto& s = Wave<TAreaSeries>(f, 50, 25, 0, 8);
    s.SetStairs(true);
    s.SetSeriesColor(TColor(0x60E0A0));
  });
  Cell(sheet, 2, 4, [](TSeriesChart& f) {
    f.Begin3D(12, 12, true);
    auto& s = f.Add<TPointSeries>();
    const TSeriesPointerStyle shapes[] = {psRectangle, psTriangle, psDownTriangle, psCircle,
                                          psDiamond,   psStar,     psDonut,        psHexagon};
    for (int i = 0; i < 8; ++i) {
      s.AddXY(1 + i * 1.15, 30 + (i % 2) * 40);
      s.GetPointer()->Get(i)->SetStyle(shapes[i]);
      s.GetPointer()->Get(i)->SetSize(7);
    }
    s.SetSeriesColor(TColor(0x2080E0));
  });
  Cell(sheet, 3, 4, [](TSeriesChart& f) {
    f.Begin3D(12, 12, true);
    const TColor colors[] = {TColor(0x4080F0), TColor(0x40C060), TColor(0xC08040)};
    for (int k = 0; k < 3; ++k) {
      auto& s = Wave<TAreaSeries>(f, 20, 8, k);
      s.SetSeriesColor(colors[k]);
      s.SetMultiArea(maStacked);
    }
  });

  WriteGalleryPng(sheet, "chart_series.png");
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery" /
                                      "chart_series.png"));
}

}  // namespace
