// A chart with line, bar and pie series written as a text form and read
// back: the same points (the pie's other slice is not stored, the next
// drawing groups the small slices again) and the same pixels. Writes
// build/gallery/chart_round_trip.png: each chart beside its read-back copy,
// in English and in Chinese.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "chart/AreaSeries.h"
#include "chart/BarSeries.h"
#include "chart/FastLineSeries.h"
#include "chart/LineSeries.h"
#include "chart/PieSeries.h"
#include "chart/SeriesMarks.h"
#include "chart/SeriesRegistry.h"
#include "chart/SeriesSources.h"
#include "chart/StandardSeries.h"
#include "chart_fixture.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_stream.h"
#include "scene/zr_stream_strict.h"
#include "scene/zr_stream_text.h"
#include "tests/support/GalleryPng.h"

namespace {

constexpr int kWidth = 420, kHeight = 320;

struct TTexts {
  const char* Title;
  const char* Line;
  const char* Bar;
  const char* Pie;
  const char* Fed;
  const char* Other;
};

const TTexts kEnglish{"Motor test", "Speed", "Current", "Share", "Sum", "Other"};
const TTexts kChinese{"电机测试", "转速", "电流", "份额", "合计", "其他"};

// Line, bar, pie and a series fed by the line and the bar, all owned by the
// chart; the chart has been drawn once, so the pie holds its other slice.
std::unique_ptr<TChart> MakeChart(const TTexts& T) {
  auto chart = std::make_unique<TChart>();
  chart->SetName("Chart1");
  chart->SetBounds(0, 0, kWidth, kHeight);
  chart->SetView3D(false);
  chart->SetColor(clWhite);
  chart->GetTitle()->SetCaption(T.Title);

  auto* line = new TLineSeries(chart.get());
  line->SetName("Line1");
  line->SetTitle(T.Line);
  line->SetParentChart(chart.get());
  line->SetSeriesColor(clRed);
  line->AddXY(0, 30, "a", clRed);
  line->AddXY(1, 55, "b", clGreen);
  line->AddXY(2, 40, "c", clBlue);
  line->AddXY(3, 70, "d", clRed);
  line->GetPointer()->SetVisible(true);
  line->GetMarks()->SetVisible(true);
  TSeriesMarkPosition moved;
  moved.LeftTop = TPoint{60, 60};
  moved.Width = 24;
  moved.Height = 14;
  moved.ArrowFrom = TPoint{100, 120};
  moved.ArrowTo = TPoint{72, 74};
  line->GetMarks()->GetPositions()->Put(1, moved);
  auto* picture = new TPlotPicture();
  TBitmap bitmap;
  bitmap.SetSize(4, 3);
  picture->Assign(&bitmap);
  line->Pictures()->Put(2, picture);
  line->ManualData = true;

  auto* bar = new TBarSeries(chart.get());
  bar->SetName("Bar1");
  bar->SetTitle(T.Bar);
  bar->SetParentChart(chart.get());
  bar->SetSeriesColor(clTeal);
  // Each bar sums its detail series.
  bar->Add(std::vector<double>{20}, "p", clDefault);
  bar->Add(std::vector<double>{15, 20}, "q", clDefault);
  bar->Add(std::vector<double>{5, 10, 15}, "r", clPurple);
  bar->ManualData = true;

  auto* pie = new TPieSeries(chart.get());
  pie->SetName("Pie1");
  pie->SetTitle(T.Pie);
  pie->SetParentChart(chart.get());
  pie->AddPie(50, "x", clYellow);
  pie->AddPie(30, "y", clAqua);
  pie->AddPie(3, "z", clFuchsia);
  pie->AddPie(2, "w", clMaroon);
  pie->GetOtherSlice()->SetStyle(poBelowPercent);
  pie->GetOtherSlice()->SetValue(10);
  pie->GetOtherSlice()->SetText(T.Other);
  pie->ManualData = true;

  auto* fed = new TLineSeries(chart.get());
  fed->SetName("Fed1");
  fed->SetTitle(T.Fed);
  fed->SetParentChart(chart.get());
  fed->SetSeriesColor(clNavy);
  fed->DataSources()->Add(line);
  fed->DataSources()->Add(bar);

  std::unique_ptr<TBitmap>(
      chart->PlotCreateBitmap(clWhite, TRect{0, 0, kWidth, kHeight}, pf24bit, 0));
  return chart;
}

std::string WriteForm(TChart& C) {
  TMemoryStream binary, text;
  {
    TWriter w(&binary);
    w.WriteRootComponent(&C);
  }
  binary.SetPosition(0);
  ObjectBinaryToText(&binary, &text);
  return std::string(static_cast<const char*>(text.Memory()), size_t(text.GetSize()));
}

std::unique_ptr<TChart> ReadForm(const std::string& Form) {
  TMemoryStream in;
  in.WriteBuffer(Form.data(), int32_t(Form.size()));
  in.SetPosition(0);
  std::unique_ptr<TComponent> c = ReadObjectTextStrict(&in);
  auto* chart = dynamic_cast<TChart*>(c.get());
  if (!chart) return nullptr;
  c.release();
  chart->SetBounds(0, 0, kWidth, kHeight);
  return std::unique_ptr<TChart>(chart);
}

std::unique_ptr<TBitmap> Draw(TChart& C) {
  return std::unique_ptr<TBitmap>(
      C.PlotCreateBitmap(clWhite, TRect{0, 0, kWidth, kHeight}, pf24bit, 0));
}

int DifferentPixels(TBitmap& A, TBitmap& B) {
  int n = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      if (A.GetCanvas()->GetPixels(x, y) != B.GetCanvas()->GetPixels(x, y)) ++n;
  return n;
}

void ExpectSamePoints(TChartSeries* A, TChartSeries* B) {
  ASSERT_EQ(A->Count(), B->Count()) << A->GetName();
  for (int i = 0; i < A->Count(); ++i) {
    EXPECT_EQ(A->GetxValue(i), B->GetxValue(i)) << A->GetName() << " " << i;
    EXPECT_EQ(A->GetyValue(i), B->GetyValue(i)) << A->GetName() << " " << i;
    EXPECT_EQ(A->GetXLabel(i), B->GetXLabel(i)) << A->GetName() << " " << i;
    EXPECT_EQ(A->GetValueColor(i), B->GetValueColor(i)) << A->GetName() << " " << i;
  }
}

class ChartRoundTrip : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterPlotStandardSeries(); }
  static void TearDownTestSuite() {
    UnRegisterPlotSeries({TLineSeries::Class(), TBarSeries::Class(), THorizBarSeries::Class(),
                          TAreaSeries::Class(), TPointSeries::Class(), TPieSeries::Class(),
                          TFastLineSeries::Class(), THorizLineSeries::Class(),
                          THorizAreaSeries::Class()});
  }

  // The chart and its copy side by side on the sheet's row.
  void CheckAndPlace(const TTexts& T, TBitmap& Sheet, int Row) {
    std::unique_ptr<TChart> chart = MakeChart(T);
    auto* pie = static_cast<TPieSeries*>(chart->GetSeries(2));
    ASSERT_EQ(pie->Count(), 5) << "the other slice is made by drawing";
    const std::string form = WriteForm(*chart);
    EXPECT_NE(form.find("object Pie1: TPieSeries"), std::string::npos) << form;
    EXPECT_NE(form.find("Detail = {"), std::string::npos) << form;
    EXPECT_NE(form.find("DataSources = ("), std::string::npos) << form;
    EXPECT_EQ(form.find("Fed1: TLineSeries\r\n    Data"), std::string::npos) << form;

    std::unique_ptr<TChart> back = ReadForm(form);
    ASSERT_NE(back, nullptr) << form;
    ASSERT_EQ(back->SeriesCount(), 4);
    EXPECT_EQ(back->GetTitle()->GetCaption(), T.Title);
    EXPECT_EQ(back->GetSeries(2)->Count(), 4) << "no other slice stored";
    // The pie numbers its slices again when drawn: compared below.
    for (int i : {0, 1, 3}) ExpectSamePoints(chart->GetSeries(i), back->GetSeries(i));
    TChartSeries* line = back->GetSeries(0);
    const TSeriesMarkPosition* moved = line->GetMarks()->GetPositions()->Get(1);
    ASSERT_NE(moved, nullptr);
    EXPECT_TRUE(moved->Custom);
    EXPECT_EQ(moved->LeftTop.X, 60);
    ASSERT_NE(line->Pictures()->Get(2), nullptr);
    EXPECT_EQ(line->Pictures()->Get(2)->GetWidth(), 4);
    TChartSeries* bar = back->GetSeries(1);
    ASSERT_TRUE(bar->HasDetail());
    ASSERT_EQ(bar->Detail()->Count(), 3);
    EXPECT_EQ(bar->Detail()->Get(2)->Count(), 3);
    EXPECT_EQ(bar->GetyValue(2), 30);
    TChartSeries* fed = back->GetSeries(3);
    ASSERT_EQ(fed->DataSources()->Count(), 2);
    EXPECT_EQ(fed->DataSources()->Get(0), line);
    EXPECT_EQ(fed->DataSources()->Get(1), bar);

    std::unique_ptr<TBitmap> before = Draw(*chart);
    std::unique_ptr<TBitmap> after = Draw(*back);
    EXPECT_EQ(DifferentPixels(*before, *after), 0);
    // Drawn again, the copy groups its small slices as the original does.
    EXPECT_EQ(back->GetSeries(2)->Count(), 5);
    ExpectSamePoints(chart->GetSeries(2), back->GetSeries(2));
    Sheet.GetCanvas()->Draw(0, Row * kHeight, before.get());
    Sheet.GetCanvas()->Draw(kWidth, Row * kHeight, after.get());
  }
};

}  // namespace

TEST_F(ChartRoundTrip, WrittenAndReadBackHoldsTheSamePointsAndPixels) {
  TBitmap sheet;
  sheet.SetPixelFormat(pf24bit);
  sheet.SetSize(2 * kWidth, 2 * kHeight);
  CheckAndPlace(kEnglish, sheet, 0);
  CheckAndPlace(kChinese, sheet, 1);
  WriteGalleryPng(sheet, "chart_round_trip.png");
}
