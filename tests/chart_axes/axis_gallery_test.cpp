// Writes build/gallery/chart_axes.png: whole drawing passes of the axis
// panel in 2D and in orthogonal 3D, with grids, minor ticks and minor grid,
// logarithmic and date-time labels, rotated labels, the three line modes,
// axis titles, and top and foot titles (English and Chinese).

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "chart/ChartAxisTitle.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/Streams.h"
#include "platform/vcl/GraphicsCodec.h"
#include "tests/support/AxisPanelFixture.h"
#include "tests/support/GalleryPng.h"

namespace {

constexpr int kW = 420, kH = 300;

// One chart of the sheet: a panel with a series of 11 points on the bottom
// and left axes, set up by Setup and drawn whole onto the sheet at Col, Row.
void Chart(TBitmap& Sheet, int Col, int Row, const std::function<void(TTestAxisPanel&)>& Setup) {
  TTestAxisPanel panel;
  panel.SetBounds(0, 0, kW, kH);
  panel.SetColor(clWhite);
  panel.SetView3D(false);
  TChartSeries series;
  for (int i = 0; i <= 10; ++i) series.AddXY(i * 10, 1 + i * i * 10);
  series.SetParentChart(&panel);
  Setup(panel);
  for (TChartAxis* a : panel.GetAxes()->Items()) {
    a->GetGrid()->SetColor(0xC8C8C8);
    a->GetMinorTicks()->SetColor(clGray);
  }
  std::unique_ptr<TBitmap> b(panel.PlotCreateBitmap(clWhite, TRect{0, 0, kW, kH}, pf24bit, 0));
  Sheet.GetCanvas()->Draw(Col * kW, Row * kH, b.get());
  series.SetParentChart(nullptr);
}

TEST(AxisGallery, WritesAxes) {
  TBitmap sheet;
  sheet.SetPixelFormat(pf24bit);
  sheet.SetSize(3 * kW, 2 * kH);
  sheet.GetCanvas()->GetBrush()->SetColor(clWhite);
  sheet.GetCanvas()->FillRect(TRect{0, 0, 3 * kW, 2 * kH});

  // 2D: linear bottom axis with minor grid, logarithmic left axis, titles.
  Chart(sheet, 0, 0, [](TTestAxisPanel& p) {
    p.Title->SetCaption("RPM & Prop_RPM");
    p.Foot->SetCaption("Linear and logarithmic");
    p.GetBottomAxis()->GetMinorGrid()->SetVisible(true);
    p.GetBottomAxis()->GetMinorGrid()->SetColor(0xE0E0E0);
    p.GetBottomAxis()->GetAxisTitle()->SetCaption("Throttle %");
    TChartAxis* left = p.GetLeftAxis();
    left->SetLogarithmic(true);
    left->SetMinorTickCount(8);
    left->GetAxisTitle()->SetCaption("RPM");
  });
  // 2D: date-time bottom axis with labels turned 90 degrees, right axis
  // with labels at 45 degrees, Chinese titles.
  Chart(sheet, 1, 0, [](TTestAxisPanel& p) {
    TChartSeries* s = p.GetSeries(0);
    s->XValues()->SetDateTime(true);
    for (int i = 0; i < s->Count(); ++i) s->SetXValue(i, EncodeDate(2026, 1, 1) + i * 3);
    s->SetVertAxis(aRightAxis);
    p.Title->SetCaption("转速与螺旋桨转速");
    p.Foot->SetCaption("时间");
    TChartAxis* bottom = p.GetBottomAxis();
    bottom->SetDateTimeFormat("dd/mm");
    bottom->SetLabelsAngle(90);
    bottom->GetAxisTitle()->SetCaption("日期");
    TChartAxis* right = p.GetRightAxis();
    right->SetLabelsAngle(45);
    right->GetAxisTitle()->SetCaption("电流 A");
  });
  // 2D: centred grid every other tick, inner ticks, alternate labels.
  Chart(sheet, 2, 0, [](TTestAxisPanel& p) {
    p.Title->SetCaption("Centred grid, inner ticks, alternate labels");
    p.Title->SetAlignment(taLeftJustify);
    TChartAxis* bottom = p.GetBottomAxis();
    bottom->SetGridCentered(true);
    bottom->SetLabelsAlternate(true);
    bottom->SetDesiredIncrement(5);
    TChartAxis* left = p.GetLeftAxis();
    left->SetTickInnerLength(6);
    left->GetGrid()->SetDrawEvery(2);
  });
  // Orthogonal 3D: the three line modes.
  const TPenLineMode modes[] = {lmLine, lmCylinder, lmRectangle};
  const char* names[] = {"lmLine", "lmCylinder", "lmRectangle"};
  for (int i = 0; i < 3; ++i) {
    Chart(sheet, i, 1, [&](TTestAxisPanel& p) {
      p.SetView3D(true);
      p.GetView3DOptions()->SetOrthogonal(true);
      p.SetChart3DPercent(30);
      p.Title->SetCaption(std::string("3D axes, ") + names[i]);
      p.Foot->SetCaption(i == 2 ? "三维坐标轴" : "Orthogonal");
      for (TChartAxis* a : {p.GetBottomAxis(), p.GetLeftAxis()}) {
        a->GetAxis()->SetLineMode(modes[i]);
        a->GetAxis()->SetColor(0x804000);
        a->SetMinorTickCount(1);
      }
      p.GetLeftAxis()->GetAxisTitle()->SetCaption(i == 2 ? "转速" : "RPM");
    });
  }
  WriteGalleryPng(sheet, "chart_axes.png");
  SUCCEED();
}

}  // namespace
