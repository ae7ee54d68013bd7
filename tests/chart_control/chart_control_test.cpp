// The chart control's own settings: the palette it starts with, titles made
// on first read, axis names, free series colours, clearing, saving and
// restoring scales, and the stream entries it defines.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "chart/PlotPalette.h"
#include "chart/PlotRoutines.h"
#include "chart_fixture.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_stream.h"

namespace fs = std::filesystem;

namespace {

// Points the per-user settings at a fresh folder for one test.
class ChartOptions : public ::testing::Test {
 protected:
  void SetUp() override {
    FDir = fs::temp_directory_path() / ("chart_control_" + std::to_string(getpid()));
    fs::remove_all(FDir);
    fs::create_directories(FDir);
    const char* old = std::getenv("XDG_CONFIG_HOME");
    FHadOld = old != nullptr;
    FOld = old ? old : "";
    setenv("XDG_CONFIG_HOME", FDir.c_str(), 1);
  }
  void TearDown() override {
    if (FHadOld)
      setenv("XDG_CONFIG_HOME", FOld.c_str(), 1);
    else
      unsetenv("XDG_CONFIG_HOME");
    fs::remove_all(FDir);
  }
  fs::path FDir;
  std::string FOld;
  bool FHadOld = false;
};

}  // namespace

TEST_F(ChartOptions, NewChartTakesThePaletteOfTheUserOption) {
  struct Case {
    const char* Stored;  // nullptr: the option is not set
    int Index;
  };
  const Case cases[] = {{nullptr, 13}, {"4", 4}, {"0", 0}, {"four", 13}};
  for (const Case& c : cases) {
    if (c.Stored) PlotSaveStringOption("DefaultPalette", c.Stored);
    TChart chart;
    EXPECT_EQ(chart.GetColorPaletteIndex(), c.Index) << (c.Stored ? c.Stored : "none");
    const std::vector<TColor> expected =
        c.Index > 0 ? TColorPalettes::GetPalette(c.Index) : std::vector<TColor>{};
    EXPECT_EQ(chart.ColorPalette, expected);
  }
}

TEST(ChartControl, PaletteIndexMinusTwoKeepsTheChartsOwnPalette) {
  TChart chart;
  chart.SetColorPaletteIndex(5);
  chart.SetColorPaletteIndex(-2);
  EXPECT_EQ(chart.GetColorPaletteIndex(), -2);
  EXPECT_EQ(chart.ColorPalette, TColorPalettes::GetPalette(5));
  chart.SetColorPaletteIndex(0);
  chart.SetColorPaletteIndex(-2);
  EXPECT_EQ(chart.ColorPalette, PlotColorPalette());
}

TEST(ChartControl, TitlesAreMadeOnFirstReadAndFreedBySettingNone) {
  TChart chart;
  EXPECT_FALSE(chart.HasTitle());
  TChartTitle* t = chart.GetTitle();
  EXPECT_TRUE(chart.HasTitle());
  EXPECT_EQ(chart.GetTitle(), t);
  EXPECT_NE(dynamic_cast<TChartFootTitle*>(chart.GetFoot()), nullptr);
  EXPECT_NE(dynamic_cast<TChartFootTitle*>(chart.GetSubFoot()), nullptr);
  EXPECT_EQ(dynamic_cast<TChartFootTitle*>(chart.GetSubTitle()), nullptr);
  chart.SetTitle(nullptr);
  EXPECT_FALSE(chart.HasTitle());
  TChartTitle other(&chart);
  other.SetCaption("RPM & Prop_RPM");
  chart.SetTitle(&other);
  EXPECT_EQ(chart.GetTitle()->GetCaption(), "RPM & Prop_RPM");
}

TEST(ChartControl, AxisTitleOrNameFallsBackToTheAxisPlace) {
  TChart chart;
  struct Case {
    TChartAxis* Axis;
    const char* Name;
  };
  const Case cases[] = {
      {chart.GetDepthAxis(), "Depth Right"}, {chart.GetDepthTopAxis(), "Depth Top"},
      {chart.GetTopAxis(), "Top Axis"},      {chart.GetBottomAxis(), "Bottom Axis"},
      {chart.GetRightAxis(), "Right Axis"},  {chart.GetLeftAxis(), "Left Axis"}};
  for (const Case& c : cases) EXPECT_EQ(chart.AxisTitleOrName(c.Axis), c.Name);
  chart.GetLeftAxis()->GetAxisTitle()->SetCaption("RPM");
  EXPECT_EQ(chart.AxisTitleOrName(chart.GetLeftAxis()), "RPM");
}

TEST(ChartControl, FreeSeriesColourChecksOtherSeriesAndOnRequestTheBackground) {
  TChartFixture f;
  f.Chart.SetColor(clYellow);
  f.Chart.GetBackWall()->SetColor(clAqua);
  auto& a = f.Add<TFastLineSeries>({});
  auto& b = f.Add<TFastLineSeries>({});
  a.SetSeriesColor(clRed);
  b.SetSeriesColor(clBlue);
  struct Case {
    TColor Color;
    bool CheckBackground;
    TChartSeries* Series;
    bool Free;
  };
  const Case cases[] = {{clRed, false, &b, false},        {clRed, false, &a, true},
                        {clGreen, true, nullptr, true},   {clYellow, false, nullptr, true},
                        {clYellow, true, nullptr, false}, {clAqua, false, nullptr, true},
                        {clAqua, true, nullptr, false}};
  for (const Case& c : cases)
    EXPECT_EQ(f.Chart.IsFreeSeriesColor(c.Color, c.CheckBackground, c.Series), c.Free)
        << std::hex << c.Color << " " << c.CheckBackground;
}

TEST(ChartControl, SeriesMoveUpAndDownAndLeaveWithoutBeingFreed) {
  TChartFixture f;
  auto& a = f.Add<TFastLineSeries>({});
  auto& b = f.Add<TFastLineSeries>({});
  f.Chart.SeriesUp(&a);  // already first
  EXPECT_EQ(f.Chart.GetSeries(0), &a);
  f.Chart.SeriesDown(&a);
  EXPECT_EQ(f.Chart.GetSeries(0), &b);
  f.Chart.SeriesDown(&a);  // already last
  EXPECT_EQ(f.Chart.GetSeries(1), &a);
  f.Chart.SeriesUp(&a);
  EXPECT_EQ(f.Chart.GetSeries(0), &a);
  f.Chart.RemoveAllSeries();
  EXPECT_EQ(f.Chart.SeriesCount(), 0);
  EXPECT_EQ(a.GetParentChart(), nullptr);
}

TEST(ChartControl, ClearChartGivesDefaultsBackAndKeepsTheParent) {
  TWinControl parent(nullptr);
  auto* chart = new TChart();
  chart->SetParent(&parent);
  chart->GetTitle()->SetCaption("Old");
  chart->GetLegend()->SetAlignment(laBottom);
  chart->GetBackWall()->SetColor(clRed);
  chart->GetBackWall()->SetTransparent(false);
  chart->GetLeftWall()->SetSize(7);
  chart->GetBottomAxis()->SetMinMax(3, 4);
  chart->GetLeftAxis()->GetItems()->Add(1.0, "one");
  auto* s = new TFastLineSeries();
  s->AddXY(1, 2);
  chart->AddSeries(s);
  chart->ClearChart();
  EXPECT_EQ(chart->SeriesCount(), 0);
  EXPECT_EQ(chart->GetParent(), &parent);
  EXPECT_TRUE(chart->GetTitle()->GetTextLines()->Count() == 0);
  EXPECT_EQ(chart->GetLegend()->GetAlignment(), laRight);
  EXPECT_EQ(chart->GetBackWall()->GetColor(), clSilver);
  EXPECT_TRUE(chart->GetBackWall()->GetTransparent());
  EXPECT_EQ(chart->GetLeftWall()->GetSize(), 0);
  EXPECT_TRUE(chart->GetBottomAxis()->GetAutomatic());
  EXPECT_EQ(chart->GetLeftAxis()->GetItems()->Count(), 0);
  delete chart;
}

TEST(ChartControl, RestoreScalesSkipsAxesAddedAfterTheSave) {
  TChart chart;
  chart.GetBottomAxis()->SetMinMax(10, 20);
  chart.GetLeftAxis()->SetAutomatic(true);
  TAllAxisSavedScales saved = chart.SaveScales();
  ASSERT_EQ(saved.size(), size_t(chart.GetAxes()->Count()));
  chart.GetBottomAxis()->SetMinMax(0, 5);
  chart.GetLeftAxis()->SetMinMax(1, 2);
  TChartAxis* custom = chart.GetCustomAxes()->Add();
  custom->SetMinMax(-3, 3);
  ASSERT_GT(chart.GetAxes()->Count(), int(saved.size()));
  chart.RestoreScales(saved);
  EXPECT_TRUE(saved.empty());
  EXPECT_EQ(chart.GetBottomAxis()->GetMinimum(), 10);
  EXPECT_EQ(chart.GetBottomAxis()->GetMaximum(), 20);
  EXPECT_FALSE(chart.GetBottomAxis()->GetAutomatic());
  EXPECT_TRUE(chart.GetLeftAxis()->GetAutomatic());
  EXPECT_EQ(custom->GetMinimum(), -3);
  EXPECT_EQ(custom->GetMaximum(), 3);
}

TEST(ChartControl, RestoreScalesWritesLimitsWithoutTheRangeCheck) {
  TChart chart;
  chart.GetBottomAxis()->SetMinMax(50, 60);
  TAllAxisSavedScales saved = chart.SaveScales();
  chart.GetBottomAxis()->SetMinMax(0, 10);  // the saved minimum lies above this maximum
  EXPECT_NO_THROW(chart.RestoreScales(saved));
  EXPECT_EQ(chart.GetBottomAxis()->GetMinimum(), 50);
  EXPECT_EQ(chart.GetBottomAxis()->GetMaximum(), 60);
}

TEST(ChartControl, AssignCopiesTitlesLegendWallsAndPalette) {
  TChart a, b;
  a.SetColorPaletteIndex(7);
  a.GetSubFoot()->SetCaption("foot");
  a.GetLegend()->SetLegendStyle(lsLastValues);
  a.GetRightWall()->SetVisible(true);
  a.GetBottomWall()->SetSize(4);
  b.Assign(&a);
  EXPECT_EQ(b.GetColorPaletteIndex(), 7);
  EXPECT_EQ(b.GetSubFoot()->GetCaption(), "foot");
  EXPECT_EQ(b.GetLegend()->GetLegendStyle(), lsLastValues);
  EXPECT_TRUE(b.GetRightWall()->GetVisible());
  EXPECT_EQ(b.GetBottomWall()->GetSize(), 4);
}

TEST(ChartControl, ActiveSeriesUseAxisTable) {
  TChartFixture f;
  EXPECT_TRUE(f.Chart.ActiveSeriesUseAxis());  // no series
  auto& a = f.Add<TFastLineSeries>({});
  EXPECT_TRUE(f.Chart.ActiveSeriesUseAxis());
  a.SetActive(false);
  EXPECT_TRUE(f.Chart.ActiveSeriesUseAxis());  // none active
  EXPECT_EQ(f.Chart.GetASeries(), nullptr);
  a.SetActive(true);
  EXPECT_EQ(f.Chart.GetASeries(), &a);
}
