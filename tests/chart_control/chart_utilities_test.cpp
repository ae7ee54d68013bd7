// Creating, cloning and retyping series, cloning charts, the link that
// follows a chart, the drag object's cursor and a series' legend symbol
// painted on a bitmap (build/gallery/series_legend_symbols.png shows the
// symbols of five series classes, each in a box of 40 x 20 pixels).

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "chart/AreaSeries.h"
#include "chart/BarSeries.h"
#include "chart/ChartUtilities.h"
#include "chart/LineSeries.h"
#include "chart/PieSeries.h"
#include "chart/PlotCanvas3D.h"
#include "chart/PlotFunction.h"
#include "chart/SeriesSources.h"
#include "chart/SmoothingFunction.h"
#include "chart_fixture.h"
#include "tests/support/GalleryPng.h"

namespace {

// A form that owns a chart and its series, as a window does.
struct TOwnedChart {
  TOwnedChart() : Chart(new TChart(&Form)) { Chart->SetName("Chart1"); }
  TLineSeries* Line(const std::string& Name) {
    auto* s = new TLineSeries(&Form);
    s->SetName(Name);
    s->SetParentChart(Chart);
    return s;
  }
  TComponent Form;
  TChart* Chart;
};

// A series whose symbol fails to draw.
class TFailingSeries : public TLineSeries {
 public:
  void DrawLegend(int, const TRect&) override { throw ChartException("no symbol"); }
};

int CountColor(TBitmap& B, TColor C) {
  int n = 0;
  for (int y = 0; y < B.GetHeight(); ++y)
    for (int x = 0; x < B.GetWidth(); ++x)
      if (B.GetCanvas()->GetPixels(x, y) == C) ++n;
  return n;
}

}  // namespace

TEST(ChartUtilities, NewSeriesTakeTheFirstFreeNameAndTheirOwner) {
  TOwnedChart f;
  f.Line("Series1");
  f.Line("Series3");
  EXPECT_EQ(GetNewSeriesName(&f.Form), "Series2");
  EXPECT_EQ(GetNewSeriesName(nullptr), "Series1");

  TChartSeries* made =
      CreateNewSeries(&f.Form, f.Chart, TLineSeries::Class(), TSmoothingFunction::Class());
  EXPECT_EQ(made->GetName(), "Series2");
  EXPECT_EQ(made->GetOwner(), &f.Form);
  EXPECT_EQ(f.Chart->SeriesIndexOf(made), 2);
  ASSERT_NE(dynamic_cast<TSmoothingFunction*>(made->GetFunction()), nullptr);
  EXPECT_EQ(made->GetFunction()->GetName(), "PlotFunction1");
  EXPECT_EQ(made->GetFunction()->GetParentSeries(), made);
  EXPECT_EQ(made->GetFunction()->GetOwner(), &f.Form);

  // A chart that owns one of its series owns the new one too.
  auto* own = new TLineSeries(f.Chart);
  own->SetParentChart(f.Chart);
  TChartSeries* second = CreateNewSeries(&f.Form, f.Chart, TBarSeries::Class());
  EXPECT_EQ(second->GetOwner(), f.Chart);
  EXPECT_EQ(second->GetName(), "Series1");
  // No owner given: the chart.
  TChart lone;
  TChartSeries* third = CreateNewSeries(nullptr, &lone, TLineSeries::Class());
  EXPECT_EQ(third->GetOwner(), &lone);
  // A class that makes no series fails and leaves nothing behind.
  const int before = f.Form.ComponentCount();
  EXPECT_THROW(CreateNewSeries(&f.Form, f.Chart, TSmoothingFunction::Class()), ChartException);
  EXPECT_EQ(f.Form.ComponentCount(), before);
}

TEST(ChartUtilities, ClonedSeriesAndToolsCopyTheirSource) {
  TOwnedChart f;
  TLineSeries* source = f.Line("Series1");
  source->AddXY(1, 10, "a", clRed);
  source->AddXY(2, 20);
  source->ManualData = true;
  source->SetTitle("Speed");
  TChartSeries* clone = CloneChartSeries(source);
  EXPECT_NE(dynamic_cast<TLineSeries*>(clone), nullptr);
  EXPECT_EQ(clone->GetOwner(), &f.Form);
  EXPECT_EQ(clone->GetParentChart(), f.Chart);
  EXPECT_EQ(clone->GetName(), "Series2");
  EXPECT_EQ(clone->GetTitle(), "Speed");
  ASSERT_EQ(clone->Count(), 2);
  EXPECT_EQ(clone->GetXLabel(0), "a");
  EXPECT_EQ(clone->GetValueColor(0), clRed);

  TChart other;
  TChartSeries* elsewhere = CloneChartSeries(source, &other);
  EXPECT_EQ(elsewhere->GetParentChart(), &other);
  EXPECT_EQ(elsewhere->GetOwner(), &f.Form);
  elsewhere->SetParentChart(nullptr);

  auto* tool = new TPlotCustomToolSeries(&f.Form);
  tool->SetSeries(source);
  tool->SetActive(false);
  TPlotCustomTool* toolClone = CloneChartTool(tool, &f.Form);
  EXPECT_NE(dynamic_cast<TPlotCustomToolSeries*>(toolClone), nullptr);
  EXPECT_EQ(toolClone->GetName(), "ChartTool1");
  EXPECT_FALSE(toolClone->GetActive());
  EXPECT_EQ(static_cast<TPlotCustomToolSeries*>(toolClone)->GetSeries(), source);
  auto* animation = new TPlotCustomAnimation(&f.Form);
  animation->SetName("ChartAnimation1");
  TPlotCustomAnimation* animationClone = CloneChartAnimation(animation, &f.Form);
  EXPECT_EQ(animationClone->GetName(), "ChartAnimation2");
}

TEST(ChartUtilities, ClonedChartFeedsItsSeriesFromItsOwnClones) {
  TOwnedChart source;
  TLineSeries* first = source.Line("Source1");
  first->AddXY(0, 5);
  first->AddXY(1, 7);
  first->ManualData = true;
  TLineSeries* second = source.Line("Fed1");
  second->SetDataSource(first);
  auto* tool = new TPlotCustomToolSeries(&source.Form);
  tool->SetParentChart(source.Chart);
  source.Chart->GetTitle()->SetCaption("Source chart");

  TOwnedChart dest;
  dest.Line("Old1");
  auto* oldTool = new TPlotCustomToolSeries(&dest.Form);
  oldTool->SetParentChart(dest.Chart);
  CloneChart(dest.Chart, source.Chart, &dest.Form, true);

  ASSERT_EQ(dest.Chart->SeriesCount(), 2);
  EXPECT_EQ(dest.Form.FindComponent("Old1"), nullptr);
  EXPECT_EQ(dest.Chart->GetTitle()->GetCaption(), "Source chart");
  TChartSeries* c1 = dest.Chart->GetSeries(0);
  TChartSeries* c2 = dest.Chart->GetSeries(1);
  ASSERT_EQ(c2->DataSources()->Count(), 1);
  EXPECT_EQ(c2->GetDataSource(), c1);
  EXPECT_EQ(c1->Count(), 2);
  EXPECT_EQ(c2->Count(), 2);
  // The forced flag is the source's own again.
  EXPECT_TRUE(first->ManualData);
  EXPECT_FALSE(second->ManualData);
  ASSERT_EQ(dest.Chart->GetTools()->Count(), 1);
  EXPECT_NE(dest.Chart->GetTools()->Get(0), tool);
  EXPECT_EQ(dest.Chart->GetTools()->Get(0)->GetOwner(), &dest.Form);
  EXPECT_EQ(source.Chart->GetTools()->Count(), 1);
  // Points added to the clone's source reach the clone's fed series only.
  c1->AddXY(2, 9);
  c2->CheckDataSource();
  EXPECT_EQ(c2->Count(), 3);
  EXPECT_EQ(second->Count(), 2);
}

TEST(ChartUtilities, ChangingTheTypeMovesEverythingToTheNewSeries) {
  TOwnedChart f;
  TLineSeries* before = f.Line("Before");
  TLineSeries* line = f.Line("Series1");
  TLineSeries* after = f.Line("After");
  line->AddXY(1, 4, "x");
  line->AddXY(2, 6);
  line->ManualData = true;
  line->SetSeriesColor(clGreen);
  int clicks = 0;
  line->OnClick = [&](TChartSeries*, int, TMouseButton, TShiftState, int, int) { ++clicks; };
  TLineSeries* fed = f.Line("Fed");
  fed->SetDataSource(line);
  auto* tool = new TPlotCustomToolSeries(&f.Form);
  tool->SetParentChart(f.Chart);
  tool->SetSeries(line);

  TChartSeries* same = line;
  ChangeSeriesType(same, TLineSeries::Class());
  EXPECT_EQ(same, line);

  TChartSeries* series = line;
  ChangeSeriesType(series, TBarSeries::Class());
  auto* bar = dynamic_cast<TBarSeries*>(series);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(f.Form.FindComponent("Series1"), bar);
  EXPECT_EQ(bar->GetOwner(), &f.Form);
  ASSERT_EQ(f.Chart->SeriesCount(), 4);
  EXPECT_EQ(f.Chart->GetSeries(0), before);
  EXPECT_EQ(f.Chart->GetSeries(1), bar);
  EXPECT_EQ(f.Chart->GetSeries(2), after);
  ASSERT_EQ(bar->Count(), 2);
  EXPECT_EQ(bar->GetXLabel(0), "x");
  EXPECT_EQ(bar->GetSeriesColor(), clGreen);
  EXPECT_EQ(fed->GetDataSource(), bar);
  EXPECT_EQ(fed->DataSources()->Count(), 1);
  EXPECT_EQ(bar->LinkedSeries(), std::vector<TChartSeries*>{fed});
  EXPECT_EQ(tool->GetSeries(), bar);
  bar->OnClick(bar, 0, mbLeft, 0, 0, 0);
  EXPECT_EQ(clicks, 1);
  // The fed series follows its new source.
  bar->AddXY(3, 8);
  fed->CheckDataSource();
  EXPECT_EQ(fed->Count(), 3);

  ChangeAllSeriesType(f.Chart, THorizBarSeries::Class());
  ASSERT_EQ(f.Chart->SeriesCount(), 4);
  for (int i = 0; i < 4; ++i)
    EXPECT_NE(dynamic_cast<THorizBarSeries*>(f.Chart->GetSeries(i)), nullptr) << i;
  EXPECT_EQ(f.Chart->GetSeries(0)->GetName(), "Before");
  EXPECT_EQ(f.Chart->GetSeries(3)->GetDataSource(), f.Chart->GetSeries(1));
}

TEST(ChartUtilities, AChartLinkForgetsAFreedChart) {
  TCustomChartLink link;
  auto* first = new TChart();
  auto* second = new TChart();
  link.SetChart(first);
  EXPECT_EQ(link.GetChart(), first);
  link.SetChart(second);
  delete first;
  EXPECT_EQ(link.GetChart(), second);
  delete second;
  EXPECT_EQ(link.GetChart(), nullptr);
}

TEST(ChartUtilities, ADragObjectCarriesThePartAndShowsTheHandWhereItIsAccepted) {
  TChartClickedPart part;
  part.Part = cpLegend;
  part.PointIndex = 3;
  TPlotDragObject drag(part);
  EXPECT_EQ(drag.Part().Part, cpLegend);
  EXPECT_EQ(drag.Part().PointIndex, 3);
  EXPECT_EQ(drag.GetDragCursor(true, 0, 0), 2020);
  EXPECT_EQ(drag.GetDragCursor(false, 0, 0), crNoDrop);
}

TEST(ChartUtilities, PaintSeriesLegendDrawsTheSymbolOnABitmap) {
  TChartFixture f;
  auto& bar = f.Add<TBarSeries>({0, 3, 1, 5});
  bar.SetSeriesColor(clRed);
  f.Draw();
  TCanvas3D* canvas = f.Chart.GetCanvas();
  TCanvas* reference = canvas->GetReferenceCanvas();

  TBitmap b;
  b.SetPixelFormat(pf24bit);
  b.SetSize(40, 30);
  b.GetCanvas()->GetBrush()->SetColor(clWhite);
  b.GetCanvas()->FillRect(TRect{0, 0, 40, 30});
  PaintSeriesLegend(&bar, b.GetCanvas(), TRect{10, 10, 30, 20});
  const int red = CountColor(b, clRed);
  EXPECT_GT(red, 60);
  for (int x : {2, 37}) EXPECT_EQ(b.GetCanvas()->GetPixels(x, 15), clWhite) << x;
  EXPECT_EQ(b.GetCanvas()->GetPixels(20, 4), clWhite);
  // The chart draws through its own canvas again.
  EXPECT_EQ(f.Chart.GetCanvas(), canvas);
  EXPECT_EQ(canvas->GetReferenceCanvas(), reference);

  // A series without a chart is lent one for the call.
  TLineSeries loose;
  loose.SetSeriesColor(clBlue);
  loose.GetLinePen()->SetWidth(3);
  TBitmap c;
  c.SetPixelFormat(pf24bit);
  c.SetSize(40, 30);
  c.GetCanvas()->GetBrush()->SetColor(clWhite);
  c.GetCanvas()->FillRect(TRect{0, 0, 40, 30});
  PaintSeriesLegend(&loose, c.GetCanvas(), TRect{5, 5, 35, 25});
  EXPECT_GT(CountColor(c, clBlue), 20);
  EXPECT_EQ(loose.GetParentChart(), nullptr);

  // A chart drawing through another canvas class lends a plain one for the
  // call and keeps its own.
  auto* neutral = new TPlotNeutralCanvas();
  f.Chart.SetInternalCanvas(neutral);
  TBitmap d;
  d.SetPixelFormat(pf24bit);
  d.SetSize(40, 30);
  d.GetCanvas()->GetBrush()->SetColor(clWhite);
  d.GetCanvas()->FillRect(TRect{0, 0, 40, 30});
  PaintSeriesLegend(&bar, d.GetCanvas(), TRect{10, 10, 30, 20});
  EXPECT_EQ(CountColor(d, clRed), red);
  EXPECT_EQ(f.Chart.GetCanvas(), neutral);

  // A symbol that fails to draw leaves every canvas as it was.
  TFailingSeries failing;
  failing.SetParentChart(&f.Chart);
  TCanvas* neutralTarget = neutral->GetReferenceCanvas();
  EXPECT_THROW(PaintSeriesLegend(&failing, d.GetCanvas(), TRect{0, 0, 9, 9}), ChartException);
  EXPECT_EQ(f.Chart.GetCanvas(), neutral);
  EXPECT_EQ(neutral->GetReferenceCanvas(), neutralTarget);
  failing.SetParentChart(nullptr);
  EXPECT_THROW(PaintSeriesLegend(&failing, d.GetCanvas(), TRect{0, 0, 9, 9}), ChartException);
  EXPECT_EQ(failing.GetParentChart(), nullptr);
}

TEST(ChartUtilities, WritesTheLegendSymbolsOfFiveSeriesClasses) {
  TChartFixture f;
  auto& line = f.Add<TLineSeries>({0, 1, 1, 2});
  line.GetPointer()->SetVisible(true);
  auto& bar = f.Add<TBarSeries>({0, 3});
  auto& area = f.Add<TAreaSeries>({0, 2, 1, 3});
  auto& point = f.Add<TPointSeries>({0, 1});
  auto& pie = f.Add<TPieSeries>({0, 4, 1, 6});
  const std::vector<TChartSeries*> all{&line, &bar, &area, &point, &pie};
  const TColor colors[] = {clRed, clTeal, clOlive, clBlue, clPurple};
  TBitmap sheet;
  sheet.SetPixelFormat(pf24bit);
  sheet.SetSize(60 * int(all.size()), 40);
  sheet.GetCanvas()->GetBrush()->SetColor(clWhite);
  sheet.GetCanvas()->FillRect(TRect{0, 0, sheet.GetWidth(), 40});
  for (size_t i = 0; i < all.size(); ++i) {
    all[i]->SetSeriesColor(colors[i]);
    const int left = 60 * int(i) + 10;
    PaintSeriesLegend(all[i], sheet.GetCanvas(), TRect{left, 10, left + 40, 30});
  }
  WriteGalleryPng(sheet, "series_legend_symbols.png");
  for (size_t i = 0; i < all.size(); ++i) {
    int hits = 0;
    for (int y = 10; y < 30; ++y)
      for (int x = 60 * int(i) + 10; x < 60 * int(i) + 50; ++x)
        if (sheet.GetCanvas()->GetPixels(x, y) == colors[i]) ++hits;
    EXPECT_GT(hits, 0) << all[i]->ClassName();
  }
}
