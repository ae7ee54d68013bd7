// Writes build/gallery/chart_bars.png: every bar style flat and in 3D, each
// way of sharing a category, horizontal bars, marks at the start, centre
// and end of the bars and beyond them (with Chinese labels), tick lines,
// gradients, shadows and rounded bars.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "bar_fixture.h"
#include "chart/PlotGradient.h"
#include "chart/PlotShadow.h"
#include "tests/support/GalleryPng.h"

namespace {

constexpr int kCellWidth = 200, kCellHeight = 150, kColumns = 4, kRows = 6;

void Cell(TBitmap& Sheet, int Col, int Row, const std::function<void(TSeriesChart&)>& Setup,
          bool Marks = false) {
  TSeriesChart f(kCellWidth, kCellHeight);
  Setup(f);
  if (!f.Panel.GetView3D()) {
    f.Canvas->GetPen()->SetColor(clSilver);
    f.Canvas->GetPen()->SetStyle(psSolid);
    f.Canvas->GetPen()->SetWidth(1);
    f.Canvas->GetBrush()->SetStyle(bsClear);
    f.Canvas->Rectangle(19, 9, 182, 132);
  }
  DrawBars(f, Marks);
  for (int y = 0; y < kCellHeight; ++y) {
    const uint8_t* from = f.Canvas->Bitmap.GetScanLine(y);
    uint8_t* to = Sheet.GetScanLine(Row * kCellHeight + y) + 3 * Col * kCellWidth;
    std::copy(from, from + 3 * kCellWidth, to);
  }
}

const TColor kColors[] = {TColor(0x3060E0), TColor(0x40B050), TColor(0xC07830), TColor(0x2090F0)};

// Bars of the styles First.. (at most 8), one per category 1..8.
void Styles(TSeriesChart& F, int First, int Last) {
  auto& s = F.Add<TBarSeries>();
  for (int i = First; i <= Last; ++i) s.AddXY(1 + (i - First) * 1.1, 45 + 12 * ((i * 7) % 4));
  s.SetMultiBar(mbNone);
  s.SetBarWidthPercent(75);
  s.SetColorEachPoint(true);
  s.GetMarks()->SetVisible(false);
  s.OnGetBarStyle = [First](TCustomBarSeries*, int Index, TBarStyle& Style) {
    Style = TBarStyle(First + Index);
  };
}

// Count series of bars sharing the categories in Mode.
std::vector<TBarSeries*> Shared(TSeriesChart& F, TMultiBar Mode, int Count = 3, int Points = 5) {
  std::vector<TBarSeries*> all;
  for (int k = 0; k < Count; ++k) {
    auto& s = F.Add<TBarSeries>();
    for (int i = 0; i < Points; ++i) s.AddXY(1 + i * 2, 12 + 9 * ((i + 2 * k) % 4) + 4 * k);
    s.SetSeriesColor(kColors[k]);
    s.GetMarks()->SetVisible(false);
    all.push_back(&s);
  }
  all[0]->SetMultiBar(Mode);
  return all;
}

THorizBarSeries& HorizBars(TSeriesChart& F, TColor Color, double Shift) {
  F.Panel.GetBottomAxis()->SetMinMax(0, 100);
  F.Panel.GetLeftAxis()->SetMinMax(0, 6);
  F.Place(TRect{20, 10, 180, 130});
  auto& s = F.Add<THorizBarSeries>();
  for (int i = 0; i < 5; ++i) s.AddXY(20 + 12 * ((i + int(Shift)) % 4) + Shift, 1 + i);
  s.SetSeriesColor(Color);
  s.GetMarks()->SetVisible(false);
  return s;
}

TBarSeries& MarkedBars(TSeriesChart& F, TMarksLocation Location) {
  auto& s = F.Add<TBarSeries>();
  for (int i = 0; i < 4; ++i) s.AddXY(1.5 + i * 2.3, 35 + 15 * i);
  s.SetSeriesColor(kColors[3]);
  s.SetMultiBar(mbNone);
  s.SetMarksOnBar(true);
  s.SetMarksLocation(Location);
  s.GetMarks()->SetVisible(true);
  return s;
}

TEST(BarGallery, WritesTheSheet) {
  TBitmap sheet;
  sheet.SetPixelFormat(pf24bit);
  sheet.SetSize(kColumns * kCellWidth, kRows * kCellHeight);

  // Row 0: the fifteen styles flat, then in an orthogonal and a rotated view.
  Cell(sheet, 0, 0, [](TSeriesChart& f) { Styles(f, 0, 7); });
  Cell(sheet, 1, 0, [](TSeriesChart& f) { Styles(f, 8, 14); });
  Cell(sheet, 2, 0, [](TSeriesChart& f) {
    f.Begin3D(14, 14, true);
    Styles(f, 0, 7);
  });
  Cell(sheet, 3, 0, [](TSeriesChart& f) {
    f.Begin3D(14, 14, false);
    Styles(f, 8, 14);
  });

  // Rows 1 and 2: the ways of sharing a category.
  const TMultiBar modes[] = {mbNone, mbSide, mbStacked, mbStacked100, mbSideAll, mbSelfStack};
  for (int m = 0; m < 6; ++m)
    Cell(sheet, m % 4, 1 + m / 4, [&](TSeriesChart& f) {
      if (modes[m] == mbSideAll) f.Panel.GetBottomAxis()->SetMinMax(-1, 15);
      if (modes[m] == mbStacked) f.Panel.GetLeftAxis()->SetMinMax(0, 160);
      if (modes[m] == mbSelfStack) {
        f.Panel.GetBottomAxis()->SetMinMax(-1, 3);
        f.Panel.GetLeftAxis()->SetMinMax(0, 220);
      }
      f.Place(TRect{20, 10, 180, 130});
      Shared(f, modes[m], 3, modes[m] == mbSideAll ? 4 : 5);
    });
  // Row 2 continued: horizontal bars side by side with English labels
  // beyond them, stacked in 3D.
  Cell(
      sheet, 2, 2,
      [](TSeriesChart& f) {
        auto& a = HorizBars(f, kColors[0], 0);
        HorizBars(f, kColors[1], 5).SetBarStyle(bsCilinder);
        const char* labels[] = {"Motor", "ESC", "Servo", "Battery", "Prop"};
        for (int i = 0; i < 5; ++i) a.SetXLabel(i, labels[i]);
        a.GetMarks()->SetVisible(true);
        a.GetMarks()->SetStyle(smsLabel);
      },
      true);
  Cell(sheet, 3, 2, [](TSeriesChart& f) {
    f.Begin3D(12, 12, true);
    auto& a = HorizBars(f, kColors[0], 0);
    HorizBars(f, kColors[1], 3);
    a.SetMultiBar(mbStacked);
  });

  // Row 3: marks on the bars at the start, centre and end, and marks beyond
  // the bars with Chinese labels.
  Cell(
      sheet, 0, 3, [](TSeriesChart& f) { MarkedBars(f, mlStart); }, true);
  Cell(
      sheet, 1, 3, [](TSeriesChart& f) { MarkedBars(f, mlCenter); }, true);
  Cell(
      sheet, 2, 3, [](TSeriesChart& f) { MarkedBars(f, mlEnd); }, true);
  Cell(
      sheet, 3, 3,
      [](TSeriesChart& f) {
        f.Panel.GetLeftAxis()->SetMinMax(-60, 60);
        f.Place(TRect{20, 10, 180, 130});
        auto& s = f.Add<TBarSeries>();
        const char* labels[] = {"电机", "电调", "舵机", "电池"};
        for (int i = 0; i < 4; ++i)
          s.AddXY(1.5 + i * 2.3, i % 2 ? -15 - 5 * i : 15 + 5 * i, labels[i]);
        s.SetSeriesColor(kColors[2]);
        s.SetMultiBar(mbNone);
        s.GetMarks()->SetStyle(smsLabel);
      },
      true);

  // Row 4: tick lines flat and in 3D, gradients plain and relative.
  Cell(sheet, 0, 4, [](TSeriesChart& f) {
    TBarSeries* s = Shared(f, mbNone, 1)[0];
    s->GetTickLines()->Show();
    s->GetTickLines()->SetColor(clWhite);
    f.Panel.GetLeftAxis()->Tick = {30, 50, 70, 90, 110};
    s->SetBarStyle(bsCilinder);
  });
  Cell(sheet, 1, 4, [](TSeriesChart& f) {
    f.Begin3D(14, 14, true);
    TBarSeries* s = Shared(f, mbNone, 1)[0];
    s->GetTickLines()->Show();
    s->GetTickLines()->SetColor(clBlack);
    f.Panel.GetLeftAxis()->Tick = {30, 50, 70, 90, 110};
  });
  Cell(sheet, 2, 4, [](TSeriesChart& f) {
    for (TBarSeries* s : Shared(f, mbSide, 2)) s->SetBarStyle(bsRectGradient);
  });
  Cell(sheet, 3, 4, [](TSeriesChart& f) {
    f.Panel.GetLeftAxis()->SetMinMax(-60, 60);
    f.Place(TRect{20, 10, 180, 130});
    auto& s = f.Add<TBarSeries>();
    for (int i = 0; i < 8; ++i) s.AddXY(1 + i * 1.1, (i - 3.5) * 15);
    s.SetSeriesColor(kColors[0]);
    s.SetMultiBar(mbNone);
    s.GetMarks()->SetVisible(false);
    s.GetGradient()->SetVisible(true);
    s.SetGradientRelative(true);
  });

  // Row 5: shadow and emboss, rounded ends, bevel and transparency, dark pens.
  Cell(sheet, 0, 5, [](TSeriesChart& f) {
    TBarSeries* s = Shared(f, mbNone, 1)[0];
    s->GetShadow()->SetSize(5);
    s->GetShadow()->SetSmooth(false);
    s->GetEmboss()->SetSize(2);
    s->GetEmboss()->SetSmooth(false);
  });
  Cell(sheet, 1, 5, [](TSeriesChart& f) {
    f.Panel.GetLeftAxis()->SetMinMax(-60, 60);
    f.Place(TRect{20, 10, 180, 130});
    auto& s = f.Add<TBarSeries>();
    for (int i = 0; i < 5; ++i) s.AddXY(1 + i * 2, i % 2 ? -40 : 45);
    s.SetSeriesColor(kColors[1]);
    s.SetMultiBar(mbNone);
    s.GetMarks()->SetVisible(false);
    s.SetBarStyle(bsRoundRectangle);
    s.SetRoundSize(20);
  });
  Cell(sheet, 2, 5, [](TSeriesChart& f) {
    auto all = Shared(f, mbSide, 2);
    all[0]->SetBarStyle(bsBevel);
    all[0]->SetBevelSize(3);
    all[1]->SetTransparency(50);
    all[1]->SetBarWidthPercent(100);
  });
  Cell(sheet, 3, 5, [](TSeriesChart& f) {
    f.Begin3D(14, 14, false);
    for (TBarSeries* s : Shared(f, mbSide, 2)) {
      s->SetBarStyle(bsCone);
      s->SetDarkPen(100);
      s->SetConePercent(30);
    }
  });

  WriteGalleryPng(sheet, "chart_bars.png");
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery" /
                                      "chart_bars.png"));
}

}  // namespace
