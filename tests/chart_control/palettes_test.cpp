// The palette registry: look-up by name, replacing a registered palette,
// applying a palette outside the registry, the list offered to users.

#include <gtest/gtest.h>

#include "chart/Chart.h"
#include "chart/FastLineSeries.h"
#include "chart/PlotPalette.h"
#include "platform/rtl/StringList.h"

TEST(ColorPalettes, RegistryHoldsTheBuiltInPalettesByName) {
  TColorPalettes* r = ColorPalettes();
  ASSERT_EQ(r->Count(), 23);
  EXPECT_EQ(r->IndexOf("seawash"), 21);
  EXPECT_EQ(r->GetName(21), "Seawash");
  EXPECT_EQ(r->IndexOf("OPERA"), 13);
  EXPECT_EQ(r->IndexOf("no such"), -1);
  EXPECT_TRUE(r->GetColors(0).empty());
  const std::vector<TColor> opera = TColorPalettes::GetPalette(13);
  ASSERT_EQ(opera.size(), 12u);
  EXPECT_EQ(opera.front(), TColor(0xA36644));
  EXPECT_EQ(opera.back(), TColor(0xB4B4B4));
  EXPECT_EQ(TColorPalettes::GetPalette(8).size(), 25u);  // Rainbow
  EXPECT_TRUE(TColorPalettes::GetPalette(-1).empty());
  EXPECT_TRUE(TColorPalettes::GetPalette(23).empty());
}

TEST(ColorPalettes, RegisteringAnExistingNameReplacesItsColours) {
  TColorPalettes* r = ColorPalettes();
  const std::vector<TColor> old = r->GetColors(3);
  TColorPalettes::RegisterPalette("pastels", {clRed, clGreen, clBlue});
  EXPECT_EQ(r->Count(), 23);
  EXPECT_EQ(r->GetColors(3), (std::vector<TColor>{clRed, clGreen, clBlue}));
  TColorPalettes::RegisterPalette("Mine", {clNavy});
  EXPECT_EQ(r->Count(), 24);
  EXPECT_EQ(r->IndexOf("mine"), 23);
  // Back as it was, for the other tests.
  r->CopyPalette(3, old.data(), int(old.size()) - 1);
  r->CopyPalette(23, nullptr, -1);
  EXPECT_TRUE(r->GetColors(23).empty());
}

TEST(ColorPalettes, AddToListsDefaultThenEveryName) {
  TStringList items;
  TColorPalettes::AddTo(&items, true);
  const int count = ColorPalettes()->Count();
  ASSERT_EQ(items.Count(), count + 1);
  EXPECT_EQ(items.Get(0), "Default");
  EXPECT_EQ(items.Get(2), "Excel");
  EXPECT_EQ(items.Get(23), "Activity");
  TStringList plain;
  TColorPalettes::AddTo(&plain, false);
  EXPECT_EQ(plain.Count(), count);
}

TEST(ColorPalettes, ApplyingAPaletteColoursTheSeriesAndRecordsTheIndex) {
  TChart chart;
  TFastLineSeries a;
  a.SetParentChart(&chart);
  TColorPalettes::ApplyPalette(&chart, 4);  // Solid
  EXPECT_EQ(chart.GetColorPaletteIndex(), 4);
  EXPECT_EQ(chart.ColorPalette, TColorPalettes::GetPalette(4));
  EXPECT_EQ(a.GetSeriesColor(), TColor(0xFF0000));
  // Outside the registry: no palette of its own, so the default colours.
  TColorPalettes::ApplyPalette(&chart, 99);
  EXPECT_EQ(chart.GetColorPaletteIndex(), 99);
  EXPECT_TRUE(chart.ColorPalette.empty());
  EXPECT_EQ(chart.GetDefaultColor(0), GetDefaultColor(0));
  EXPECT_EQ(a.GetSeriesColor(), PlotColorPalette()[0]);
  const TColor own[] = {clLime, clPurple};
  TColorPalettes::ApplyPalette(&chart, own, 1);
  EXPECT_EQ(a.GetSeriesColor(), clLime);
  EXPECT_EQ(chart.GetColorPaletteIndex(), 99);  // colours alone keep the index
  TColorPalettes::ApplyPalette(&chart, own, -1);
  EXPECT_TRUE(chart.ColorPalette.empty());
  a.SetParentChart(nullptr);
}

TEST(ChartTheme, DefaultThemeDescribesItself) {
  TChart chart;
  TChartTheme theme(&chart);
  theme.Apply();
  EXPECT_EQ(theme.Description(), "Default");
  EXPECT_EQ(theme.Chart, &chart);
}
