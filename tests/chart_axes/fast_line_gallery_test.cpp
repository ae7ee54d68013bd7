// Writes build/gallery/fast_line.png: a 10,000-point noisy fast line with
// every point drawn and with one stroke per pixel column, stairs, a wide
// pen with marks, in English and Chinese.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>

#include "chart/FastLineSeries.h"
#include "chart/SeriesMarks.h"
#include "platform/rtl/Streams.h"
#include "platform/vcl/GraphicsCodec.h"
#include "tests/support/AxisPanelFixture.h"
#include "tests/support/GalleryPng.h"

namespace {

constexpr int kW = 420, kH = 300;

// A repeatable noise in -1 … 1.
double Noise(int I) {
  const double s = std::sin(I * 12.9898) * 43758.5453;
  return 2 * (s - std::floor(s)) - 1;
}

void Chart(TBitmap& Sheet, int Col, int Row, const std::string& Title, int Points,
           const std::function<void(TFastLineSeries&)>& Setup) {
  TTestAxisPanel panel;
  panel.SetBounds(0, 0, kW, kH);
  panel.SetColor(clWhite);
  panel.SetView3D(false);
  panel.Title->SetCaption(Title);
  TFastLineSeries series;
  series.SetSeriesColor(clRed);
  series.BeginUpdate();
  for (int i = 0; i < Points; ++i)
    series.AddXY(i, 5000 + 3000 * std::sin(i * 6.2832 / Points) + 800 * Noise(i));
  series.EndUpdate();
  series.SetParentChart(&panel);
  Setup(series);
  std::unique_ptr<TBitmap> b(panel.PlotCreateBitmap(clWhite, TRect{0, 0, kW, kH}, pf24bit, 0));
  Sheet.GetCanvas()->Draw(Col * kW, Row * kH, b.get());
  series.SetParentChart(nullptr);
}

TEST(FastLineGallery, WritesFastLines) {
  TBitmap sheet;
  sheet.SetPixelFormat(pf24bit);
  sheet.SetSize(2 * kW, 2 * kH);
  sheet.GetCanvas()->GetBrush()->SetColor(clWhite);
  sheet.GetCanvas()->FillRect(TRect{0, 0, 2 * kW, 2 * kH});
  Chart(sheet, 0, 0, "10,000 points, DrawAllPoints on", 10000,
        [](TFastLineSeries& s) { s.SetDrawStyle(flAll); });
  Chart(sheet, 1, 0, "转速 10,000 点, DrawAllPoints off (daMinMax)", 10000, [](TFastLineSeries& s) {
    s.SetDrawAllPoints(false);
    s.SetDrawAllPointsStyle(daMinMax);
    s.SetSeriesColor(clFuchsia);
  });
  Chart(sheet, 0, 1, "Stairs, 40 points", 40, [](TFastLineSeries& s) {
    s.SetStairs(true);
    s.SetSeriesColor(clNavy);
  });
  Chart(sheet, 1, 1, "Pen 3, marks with connectors", 12, [](TFastLineSeries& s) {
    s.GetLinePen()->SetWidth(3);
    s.SetSeriesColor(clGreen);
    s.GetMarks()->SetVisible(true);
    s.GetMarks()->SetStyle(smsValue);
    s.GetMarks()->GetArrow()->SetColor(clBlack);
    s.SetValueFormat("0");
  });
  WriteGalleryPng(sheet, "fast_line.png");
}

}  // namespace
