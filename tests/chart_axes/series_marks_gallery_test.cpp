// Writes build/gallery/series_marks.png: series marks in several styles with
// connectors, arrow heads, speech-bubble tails, symbols and pictures, in
// English and Chinese.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "chart/PlotPicture.h"
#include "chart/SeriesMarks.h"
#include "platform/rtl/Streams.h"
#include "platform/vcl/GraphicsCodec.h"
#include "tests/support/AxisPanelFixture.h"
#include "tests/support/GalleryPng.h"

namespace {

constexpr int kW = 420, kH = 300;

// Draws its points as dots and lifts its marks by the connector's length,
// as the line series do.
class TDotSeries : public TChartSeries {
 public:
  void DrawValue(int ValueIndex) override {
    auto* chart = dynamic_cast<TCustomPlotPanel*>(GetParentChart());
    TCanvas3D* c = chart->GetCanvas();
    c->GetBrush()->SetColor(GetValueColor(ValueIndex));
    c->GetBrush()->SetStyle(bsSolid);
    const int x = CalcXPos(ValueIndex), y = CalcYPos(ValueIndex);
    c->Ellipse(x - 3, y - 3, x + 4, y + 4);
  }
  void DrawMark(int ValueIndex, const std::string& Text, TSeriesMarkPosition& Position) override {
    GetMarks()->ApplyArrowLength(&Position);
    TChartSeries::DrawMark(ValueIndex, Text, Position);
  }
};

// One chart of the sheet: six points with labels, marks visible and set up
// by Setup, drawn whole onto the sheet at Col, Row.
void Chart(TBitmap& Sheet, int Col, int Row, const std::string& Title,
           const std::vector<std::string>& Labels,
           const std::function<void(TChartSeries&)>& Setup) {
  TTestAxisPanel panel;
  panel.SetBounds(0, 0, kW, kH);
  panel.SetColor(clWhite);
  panel.SetView3D(false);
  panel.Title->SetCaption(Title);
  TDotSeries series;
  const double ys[] = {30, 80, 55, 120, 95, 60};
  for (int i = 0; i < 6; ++i) series.AddXY(i, ys[i], i < int(Labels.size()) ? Labels[i] : "");
  series.SetParentChart(&panel);
  panel.GetLeftAxis()->SetMinMax(0, 160);
  panel.GetBottomAxis()->SetMinMax(-0.5, 5.5);
  series.GetMarks()->SetVisible(true);
  Setup(series);
  std::unique_ptr<TBitmap> b(panel.PlotCreateBitmap(clWhite, TRect{0, 0, kW, kH}, pf24bit, 0));
  Sheet.GetCanvas()->Draw(Col * kW, Row * kH, b.get());
  series.SetParentChart(nullptr);
}

TEST(SeriesMarksGallery, WritesMarks) {
  TBitmap sheet;
  sheet.SetPixelFormat(pf24bit);
  sheet.SetSize(3 * kW, 2 * kH);
  sheet.GetCanvas()->GetBrush()->SetColor(clWhite);
  sheet.GetCanvas()->FillRect(TRect{0, 0, 3 * kW, 2 * kH});
  const std::vector<std::string> en{"Idle", "Low", "Mid", "High", "Full", "Max"};
  const std::vector<std::string> zh{"怠速", "低速", "中速", "高速", "全速", "最大"};

  // Values with connectors 20 pixels long.
  Chart(sheet, 0, 0, "smsValue, arrows", en, [](TChartSeries& s) {
    s.GetMarks()->SetStyle(smsValue);
    s.GetMarks()->SetArrowLength(20);
    s.GetMarks()->GetArrow()->SetColor(clBlack);
    s.GetMarks()->GetCallout()->SetVisible(true);
  });
  // Label and percentage on two lines, solid arrow heads.
  Chart(sheet, 1, 0, "smsLabelPercent, multi-line, heads", en, [](TChartSeries& s) {
    TSeriesMarks* m = s.GetMarks();
    m->SetStyle(smsLabelPercent);
    m->SetMultiLine(true);
    m->SetArrowLength(24);
    m->GetArrow()->SetColor(clNavy);
    m->GetCallout()->SetArrowHead(ahSolid);
    m->GetCallout()->SetDistance(3);
  });
  // Chinese labels with a speech-bubble tail and the point's colour.
  Chart(sheet, 2, 0, "标签与尾巴 (tails)", zh, [](TChartSeries& s) {
    TSeriesMarks* m = s.GetMarks();
    m->SetStyle(smsLabelValue);
    m->GetTail()->SetVisible(true);
    m->SetArrowLength(14);
    m->SetFontSeriesColor(true);
    for (int i = 0; i < s.Count(); ++i) s.SetValueColor(i, i % 2 ? clRed : clBlue);
  });
  // Symbols in the point's colour; one point with its own box and text.
  Chart(sheet, 0, 1, "Symbols, per-point box", en, [](TChartSeries& s) {
    TSeriesMarks* m = s.GetMarks();
    m->SetStyle(smsLabel);
    m->GetSymbol()->SetVisible(true);
    for (int i = 0; i < s.Count(); ++i) s.SetValueColor(i, i % 2 ? clGreen : clFuchsia);
    TMarksItem* item = m->GetItem(3);
    item->SetText("Peak!");
    item->SetColor(clYellow);
    item->GetFont()->SetStyle(TFontStyles{fsBold});
  });
  // Pictures in place of the boxes, turned marks elsewhere.
  Chart(sheet, 1, 1, "Pictures (miOnly), angle 30", en, [](TChartSeries& s) {
    TSeriesMarks* m = s.GetMarks();
    m->SetUseImages(miOnly);
    m->SetAngle(30);
    m->SetStyle(smsXY);
    TBitmap bmp;
    bmp.SetPixelFormat(pf24bit);
    bmp.SetSize(16, 16);
    bmp.GetCanvas()->GetBrush()->SetColor(clRed);
    bmp.GetCanvas()->FillRect(TRect{0, 0, 16, 16});
    bmp.GetCanvas()->GetBrush()->SetColor(clYellow);
    bmp.GetCanvas()->FillRect(TRect{4, 4, 12, 12});
    for (int i : {1, 4}) {
      auto* p = new TPlotPicture();
      p->SetGraphic(&bmp);
      s.Pictures()->Put(i, p);
    }
  });
  // Chinese percentages of the total, no rounding of the box.
  Chart(sheet, 2, 1, "占总数百分比", zh, [](TChartSeries& s) {
    TSeriesMarks* m = s.GetMarks();
    m->SetStyle(smsPercentTotal);
    m->SetRoundSize(0);
    m->SetShapeStyle(fosRectangle);
    m->SetTransparent(false);
    m->SetColor(0xF0E0D0);
    m->GetTail()->SetVisible(true);
  });
  WriteGalleryPng(sheet, "series_marks.png");
}

}  // namespace
