// What the axis panel answers about its series for legends and label
// widths, and the look new series and axes take from the panel's theme.

#include <gtest/gtest.h>

#include <string>

#include "chart/BarSeries.h"
#include "chart/ChartSeriesTypes.h"
#include "chart/LineSeries.h"
#include "chart/SeriesMarks.h"
#include "tests/support/AxisPanelFixture.h"

namespace {

// The panel frees the series it still holds.
template <class S>
S* AddTo(TCustomAxisPanel& Panel, const std::string& Title = {}) {
  auto* s = new S();
  s->SetTitle(Title);
  Panel.AddSeries(s);
  return s;
}

TEST(PanelLegend, SeriesLegendCountsShownSeriesAndActiveOnesWhenAsked) {
  TTestAxisPanel panel;
  auto* a = AddTo<TLineSeries>(panel, "a");
  auto* hidden = AddTo<TLineSeries>(panel, "hidden");
  auto* idle = AddTo<TLineSeries>(panel, "idle");
  auto* d = AddTo<TLineSeries>(panel, "d");
  hidden->SetShowInLegend(false);
  idle->SetActive(false);
  struct Case {
    int Index;
    bool OnlyActive;
    TChartSeries* Expected;
  };
  const Case cases[] = {{0, false, a},        {1, false, idle}, {2, false, d}, {3, false, nullptr},
                        {-1, false, nullptr}, {0, true, a},     {1, true, d},  {2, true, nullptr}};
  for (const Case& k : cases)
    EXPECT_EQ(panel.SeriesLegend(k.Index, k.OnlyActive), k.Expected)
        << k.Index << " " << k.OnlyActive;
  EXPECT_EQ(panel.ActiveSeriesLegend(1), d);
}

TEST(PanelLegend, SeriesTitleLegendIsTheLegendTitleOnOneLine) {
  TTestAxisPanel panel;
  auto* s = AddTo<TLineSeries>(panel, "Motor");
  struct Case {
    std::string LegendTitle, Expected;
  };
  const std::string col(1, PlotColumnSeparator);
  const Case cases[] = {{"", "Motor"},
                        {"a" + col + "b\r\nc", "a b c"},
                        {"x\n\ry", "x y"},
                        {"one\rtwo\nthree", "one two three"}};
  for (const Case& k : cases) {
    s->SetLegendTitle(k.LegendTitle);
    EXPECT_EQ(panel.SeriesTitleLegend(0, true), k.Expected) << k.LegendTitle;
  }
  EXPECT_EQ(panel.SeriesTitleLegend(1, true), "");
}

// The widest point label counts inactive series too: an axis showing point
// labels makes room for a series that is switched off for the moment.
TEST(PanelWidths, MaxTextWidthCountsEverySeriesAndTextLabelsUseIt) {
  TTestAxisPanel panel;
  auto* shown = AddTo<TLineSeries>(panel);
  auto* idle = AddTo<TLineSeries>(panel);
  shown->AddXY(1, 1, "ab");
  idle->AddXY(1, 2, "a much wider label");
  idle->SetActive(false);
  TCanvas3D* canvas = panel.GetCanvas();
  ASSERT_NE(canvas, nullptr);
  int lines = 1;
  const int wide = panel.MultiLineTextWidth("a much wider label", lines);
  EXPECT_GT(wide, canvas->TextWidth(std::string("ab")));
  EXPECT_EQ(panel.MaxTextWidth(), wide);
  TChartAxis* bottom = panel.GetBottomAxis();
  bottom->SetLabelStyle(talText);
  EXPECT_EQ(bottom->MaxLabelsWidth(), wide);
  // With OnGetAxisLabel the labels are measured as the event gives them,
  // again over every series.
  panel.OnGetAxisLabel = [](TChartAxis*, TChartSeries*, int, std::string& Text) { Text += "!"; };
  lines = 1;
  EXPECT_EQ(bottom->MaxLabelsWidth(), panel.MultiLineTextWidth("a much wider label!", lines));
}

TEST(PanelWidths, MaxMarkWidthCountsActiveSeriesAndMarkLabelsUseIt) {
  TTestAxisPanel panel;
  auto* shown = AddTo<TLineSeries>(panel);
  auto* idle = AddTo<TLineSeries>(panel);
  shown->AddXY(1, 1, "ab");
  idle->AddXY(1, 2, "a much wider mark");
  for (TChartSeries* s : {static_cast<TChartSeries*>(shown), static_cast<TChartSeries*>(idle)})
    s->GetMarks()->SetVisible(true);
  const int narrow = shown->MaxMarkWidth();
  ASSERT_GT(idle->MaxMarkWidth(), narrow);
  EXPECT_EQ(panel.MaxMarkWidth(), idle->MaxMarkWidth());
  idle->SetActive(false);
  EXPECT_EQ(panel.MaxMarkWidth(), narrow);
  TChartAxis* bottom = panel.GetBottomAxis();
  bottom->SetLabelStyle(talMark);
  EXPECT_EQ(bottom->MaxLabelsWidth(), narrow);
}

// ---------------- theme ----------------

TEST(PanelTheme, NewSeriesCopyTheThemesSeriesOfTheirFamily) {
  struct Case {
    const char* Name;
    bool ThemeLine, ThemeThemed, ThemeBar;
    TColor Expected;
    int ThemeCountAfter;
  };
  // The line (red) of the same family wins over a themed series (green); a
  // themed one wins over a bar (blue); with neither the theme gets a plain
  // series and its first series is the model.
  const Case cases[] = {{"same family", true, true, false, clRed, 2},
                        {"themed", false, true, true, clGreen, 2},
                        {"first of the theme", false, false, true, clBlue, 2},
                        {"empty theme", false, false, false, clDefault, 1}};
  for (const Case& k : cases) {
    TTestAxisPanel panel;
    auto* theme = new TTestAxisPanel();
    panel.Theme = theme;
    if (k.ThemeBar) AddTo<TBarSeries>(*theme)->SetSeriesColor(clBlue);
    if (k.ThemeThemed) AddTo<TThemedSeries>(*theme)->SetSeriesColor(clGreen);
    if (k.ThemeLine) {
      auto* model = AddTo<TLineSeries>(*theme);
      model->SetSeriesColor(clRed);
      model->GetLinePen()->SetWidth(5);
    }
    auto* s = AddTo<TLineSeries>(panel);
    EXPECT_EQ(theme->SeriesCount(), k.ThemeCountAfter) << k.Name;
    if (k.Expected != clDefault) EXPECT_EQ(s->GetSeriesColor(), k.Expected) << k.Name;
    if (k.ThemeLine) EXPECT_EQ(s->GetLinePen()->GetWidth(), 5) << k.Name;
  }
}

TEST(PanelTheme, NewAxesCopyTheThemesFirstVisibleAxisOfTheirDirection) {
  TTestAxisPanel panel;
  auto* theme = new TTestAxisPanel();
  panel.Theme = theme;
  theme->GetLeftAxis()->SetVisible(false);
  theme->GetRightAxis()->SetLabelsSeparation(33);
  theme->GetTopAxis()->SetLabelsSeparation(44);
  // A new custom axis is vertical: the right axis is the first visible one.
  TChartAxis* custom = panel.GetCustomAxes()->Add();
  EXPECT_EQ(custom->GetLabelsSeparation(), 33);
  EXPECT_EQ(theme->GetCustomAxes()->Count(), 0);
  // No visible vertical axis: the theme gets a custom axis to copy.
  theme->GetRightAxis()->SetVisible(false);
  theme->GetLeftAxis()->SetVisible(false);
  for (int i = 0; i < theme->GetAxes()->Count(); ++i)
    if (!theme->GetAxes()->Get(i)->GetHorizontal()) theme->GetAxes()->Get(i)->SetVisible(false);
  panel.GetCustomAxes()->Add();
  EXPECT_EQ(theme->GetCustomAxes()->Count(), 1);
  // Without a theme nothing is copied.
  TTestAxisPanel plain;
  EXPECT_EQ(plain.GetCustomAxes()->Add()->GetLabelsSeparation(), 10);
}

}  // namespace
