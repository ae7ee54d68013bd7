// The RPM chart as its window streams it: read strictly from a text form,
// given its two fast lines and the cursor point, and drawn. Red left labels,
// fuchsia right labels and the title are checked by their pixels; the
// drawing goes to build/gallery/speed_chart.png in English and Chinese.

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "chart/SeriesPointer.h"
#include "chart_fixture.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_stream_strict.h"
#include "tests/support/GalleryPng.h"

namespace {

std::unique_ptr<TChart> LoadSpeedChart() {
  TFileStream file(
      std::string(ESCTOOL_SOURCE_DIR) + "/tests/chart_control/fixtures/speed_chart.txt",
      fmOpenRead);
  std::unique_ptr<TComponent> c = ReadObjectTextStrict(&file);
  auto* chart = dynamic_cast<TChart*>(c.get());
  if (!chart) return nullptr;
  c.release();
  return std::unique_ptr<TChart>(chart);
}

// The series the window sets up for a motor of one pole pair and gear ratio
// Ratio: RPM 0 … 20,000 on the left, propeller RPM on the right.
struct TSpeedSeries {
  explicit TSpeedSeries(TChart& C, double Ratio = 1.6) {
    const double rpmMax = 20000, propMax = rpmMax / Ratio;
    Rpm.AddXY(0, 0);
    Rpm.AddXY(100, rpmMax);
    Rpm.SetSeriesColor(clRed);
    Rpm.GetLinePen()->SetColor(clRed);
    Prop.AddXY(0, 0);
    Prop.AddXY(100, propMax);
    Prop.SetVertAxis(aRightAxis);
    Prop.SetSeriesColor(clFuchsia);
    Prop.GetLinePen()->SetColor(clFuchsia);
    Cursor.AddXY(50, rpmMax / 2);
    Cursor.GetPointer()->SetStyle(psCircle);
    Cursor.GetPointer()->SetSize(6);
    Cursor.SetShowInLegend(false);
    C.RemoveAllSeries();
    C.AddSeries(&Rpm);
    C.AddSeries(&Prop);
    C.AddSeries(&Cursor);
    C.GetLeftAxis()->SetMinMax(0, rpmMax);
    C.GetRightAxis()->SetMinMax(0, propMax);
    C.GetBottomAxis()->SetMinMax(0, 100);
    C.GetBottomAxis()->SetDesiredIncrement(10);
  }
  TFastLineSeries Rpm, Prop;
  TPointSeries Cursor;
};

bool Reddish(TColor C) {
  return (C & 0xFF) > 180 && ((C >> 8) & 0xFF) < 90 && ((C >> 16) & 0xFF) < 90;
}
bool Fuchsia(TColor C) {
  return (C & 0xFF) > 180 && ((C >> 8) & 0xFF) < 90 && ((C >> 16) & 0xFF) > 180;
}
// Within 60 of Ink in every channel.
std::function<bool(TColor)> Near(TColor Ink) {
  return [Ink](TColor C) {
    for (int shift : {0, 8, 16})
      if (std::abs(((C >> shift) & 0xFF) - ((Ink >> shift) & 0xFF)) > 60) return false;
    return true;
  };
}

int CountIn(TBitmap& B, const TRect& R, const std::function<bool(TColor)>& Test) {
  int n = 0;
  for (int y = std::max(0, R.Top); y < std::min(B.GetHeight(), R.Bottom); ++y)
    for (int x = std::max(0, R.Left); x < std::min(B.GetWidth(), R.Right); ++x)
      if (Test(B.GetCanvas()->GetPixels(x, y))) ++n;
  return n;
}

std::unique_ptr<TBitmap> DrawChart(TChart& C) {
  return std::unique_ptr<TBitmap>(
      C.PlotCreateBitmap(clWhite, TRect{0, 0, C.GetWidth(), C.GetHeight()}, pf24bit, 0));
}

}  // namespace

TEST(SpeedChart, TheFormStreamGivesTheWindowsSettings) {
  std::unique_ptr<TChart> c = LoadSpeedChart();
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->GetName(), "SpeedChart");
  EXPECT_EQ(c->GetWidth(), 626);
  EXPECT_EQ(c->GetAllowPanning(), pmNone);
  EXPECT_FALSE(c->GetZoom()->GetAllow());
  EXPECT_EQ(c->GetPanning()->GetMouseWheel(), pmwNone);
  EXPECT_FALSE(c->GetView3D());
  EXPECT_EQ(c->GetColor(), cl3DLight);
  EXPECT_EQ(c->GetColorPaletteIndex(), 0);  // streamed, over the user's default
  EXPECT_TRUE(c->ColorPalette.empty());
  EXPECT_EQ(c->PrintMargins, (TRect{15, 16, 15, 16}));
  EXPECT_EQ(c->GetTitle()->GetCaption(), "RPM & Prop_RPM");
  EXPECT_EQ(c->GetLegend()->GetAlignment(), laBottom);
  EXPECT_EQ(c->GetLegend()->GetLegendStyle(), lsLastValues);
  EXPECT_EQ(c->GetLegend()->GetTextStyle(), ltsRightValue);
  EXPECT_TRUE(c->GetLegend()->GetFontSeriesColor());
  EXPECT_EQ(c->GetLegend()->GetTopPos(), 0);
  EXPECT_FALSE(c->GetTopAxis()->GetVisible());
  EXPECT_EQ(c->GetBottomAxis()->GetMaximum(), 100);
  EXPECT_EQ(c->GetDepthAxis()->GetMinimum(), -0.5);
  EXPECT_EQ(c->GetLeftAxis()->GetAxisTitle()->GetCaption(), "RPM");
  EXPECT_EQ(c->GetRightAxis()->GetLabelsFont()->GetColor(), clFuchsia);
}

TEST(SpeedChart, LabelsAndTitleAreDrawnWhereTheChartPutsThem) {
  std::unique_ptr<TChart> c = LoadSpeedChart();
  ASSERT_NE(c, nullptr);
  TSpeedSeries series(*c);
  c->GetLegend()->SetVisible(false);
  std::unique_ptr<TBitmap> b = DrawChart(*c);
  const TRect r = c->ChartRect;
  // Left labels: red ink left of the chart rectangle at the label 10000.
  const int y = c->GetLeftAxis()->CalcPosValue(10000);
  EXPECT_GT(CountIn(*b, TRect{r.Left - 45, y - 8, r.Left - 2, y + 8}, Reddish), 10);
  EXPECT_EQ(CountIn(*b, TRect{r.Left - 45, y - 8, r.Left - 2, y + 8}, Fuchsia), 0);
  // Right labels: fuchsia ink right of it at 5000.
  const int yr = c->GetRightAxis()->CalcPosValue(5000);
  EXPECT_GT(CountIn(*b, TRect{r.Right + 2, yr - 8, r.Right + 45, yr + 8}, Fuchsia), 10);
  EXPECT_EQ(CountIn(*b, TRect{r.Right + 2, yr - 8, r.Right + 45, yr + 8}, Reddish), 0);
  // The title: dark text inside its bounds, centred over the panel, above
  // the chart rectangle.
  const TRect t = c->GetTitle()->GetShapeBounds();
  EXPECT_LT(t.Bottom, r.Top);
  EXPECT_NEAR((t.Left + t.Right) / 2, c->GetWidth() / 2, 4);
  const TColor ink = c->GetTitle()->GetFont()->GetColor();
  EXPECT_GT(CountIn(*b, t, Near(ink)), 20);
  EXPECT_EQ(CountIn(*b, TRect{0, t.Bottom + 2, c->GetWidth(), r.Top - 1}, Near(ink)), 0);
}

TEST(SpeedChartGallery, WritesTheChartInBothLanguages) {
  const struct {
    const char* Title;
    const char* Left;
    const char* Right;
    bool Legend;
  } variants[] = {{"RPM & Prop_RPM", "RPM", "Prop_RPM", false},
                  {"转速 & 桨转速", "转速", "桨转速", true}};
  TBitmap sheet;
  sheet.SetPixelFormat(pf24bit);
  sheet.SetSize(626, 2 * 390);
  int row = 0;
  for (const auto& v : variants) {
    std::unique_ptr<TChart> c = LoadSpeedChart();
    ASSERT_NE(c, nullptr);
    TSpeedSeries series(*c);
    c->GetTitle()->SetCaption(v.Title);
    c->GetLeftAxis()->GetAxisTitle()->SetCaption(v.Left);
    c->GetRightAxis()->GetAxisTitle()->SetCaption(v.Right);
    c->GetLegend()->SetVisible(v.Legend);
    std::unique_ptr<TBitmap> b = DrawChart(*c);
    sheet.GetCanvas()->Draw(0, 390 * row++, b.get());
  }
  WriteGalleryPng(sheet, "speed_chart.png");
}
