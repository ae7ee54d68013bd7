// The series base: adding in order, colours and nulls, deleting, update
// brackets, dependent series, axis binding, sorting and sample values.

#include <gtest/gtest.h>

#include <vector>

#include "chart/ChartException.h"
#include "chart/ChartSeries.h"
#include "platform/rtl/Rtti.h"
#include "tests/chart/chart_fake_panel.h"

namespace {

std::vector<double> Values(const TChartValueList* L) {
  return std::vector<double>(L->Value.begin(), L->Value.begin() + L->Count());
}

TEST(ChartSeries, AddXYKeepsPointsInXOrder) {
  TChartSeries s;
  EXPECT_EQ(s.AddXY(3, 30), 0);
  EXPECT_EQ(s.AddXY(1, 10), 0);
  EXPECT_EQ(s.AddXY(2, 20), 1);
  EXPECT_EQ(Values(s.XValues()), (std::vector<double>{1, 2, 3}));
  EXPECT_EQ(Values(s.YValues()), (std::vector<double>{10, 20, 30}));
}

TEST(ChartSeries, UnorderedXKeepsArrivalOrder) {
  TChartSeries s;
  s.XValues()->SetOrder(loNone);
  s.AddXY(3, 30);
  s.AddXY(1, 10);
  EXPECT_EQ(Values(s.XValues()), (std::vector<double>{3, 1}));
  EXPECT_EQ(Values(s.YValues()), (std::vector<double>{30, 10}));
}

TEST(ChartSeries, AddYUsesThePointCountAsX) {
  TChartSeries s;
  s.AddY(5);
  s.AddY(7);
  EXPECT_EQ(Values(s.XValues()), (std::vector<double>{0, 1}));
  EXPECT_EQ(Values(s.YValues()), (std::vector<double>{5, 7}));
}

TEST(ChartSeries, HorizontalSeriesOrdersByY) {
  TChartSeries s;
  s.SetHorizontal();
  s.YValues()->SetOrder(loAscending);
  s.XValues()->SetOrder(loNone);
  s.AddXY(30, 3);
  s.AddXY(10, 1);
  s.Add(99);  // AddX: the point count (2) as Y
  EXPECT_EQ(Values(s.YValues()), (std::vector<double>{1, 2, 3}));
  EXPECT_EQ(Values(s.XValues()), (std::vector<double>{10, 99, 30}));
}

TEST(ChartSeries, RefusedAddChangesNothing) {
  TChartSeries s;
  s.OnBeforeAdd = [](TChartSeries*) { return false; };
  EXPECT_EQ(s.AddXY(1, 1, "a", clRed), -1);
  EXPECT_EQ(s.Count(), 0);
  EXPECT_FALSE(s.HasColors());
  EXPECT_EQ(s.Labels()->Count(), 0);
}

TEST(ChartSeries, ColourListAppearsOnlyForAColourOfItsOwn) {
  TChartSeries s;
  s.AddY(1);
  s.AddY(2, "", clDefault);
  EXPECT_FALSE(s.HasColors());
  s.AddXY(-1, 3, "", clRed);
  ASSERT_TRUE(s.HasColors());
  EXPECT_EQ(s.InternalColor(0), clRed);
  EXPECT_EQ(s.InternalColor(1), clDefault);
  EXPECT_EQ(s.InternalColor(2), clDefault);
  s.AddY(4);
  EXPECT_EQ(s.InternalColor(3), clDefault);
}

TEST(ChartSeries, LabelsListStartsWithTheFirstLabel) {
  TChartSeries s;
  s.AddY(1);
  EXPECT_EQ(s.Labels()->Count(), 0);
  s.AddXY(-1, 2, "first");
  s.AddY(3);
  EXPECT_EQ(s.Labels()->Count(), 3);
  EXPECT_EQ(s.GetXLabel(0), "first");
  EXPECT_EQ(s.GetXLabel(1), "");
}

TEST(ChartSeries, NullsAndPainting) {
  struct Case {
    TTreatNullsStyle Treat;
    bool Painted;
  };
  for (Case c : {Case{tnDontPaint, false}, Case{tnSkip, false}, Case{tnIgnore, true}}) {
    TChartSeries s;
    s.SetDefaultNullValue(-4);
    s.SetTreatNulls(c.Treat);
    s.AddNull("a");
    s.AddY(3);
    EXPECT_EQ(s.GetyValue(0), -4);
    EXPECT_TRUE(s.IsNull(0));
    EXPECT_FALSE(s.IsNull(1));
    EXPECT_EQ(s.IsPainted(0), c.Painted);
    EXPECT_TRUE(s.IsPainted(1));
  }
}

TEST(ChartSeries, SetValueColorPastTheEndAddsNullPoints) {
  TChartSeries s;
  s.AddY(1);
  s.AddY(2);
  s.SetValueColor(5, clRed);
  EXPECT_EQ(s.Count(), 6);
  for (int i = 2; i < 5; ++i) EXPECT_TRUE(s.IsNull(i)) << i;
  EXPECT_FALSE(s.IsNull(1));
  EXPECT_EQ(s.GetValueColor(5), clRed);
  // A default colour without a colour list changes nothing.
  TChartSeries plain;
  plain.SetValueColor(3, clDefault);
  EXPECT_EQ(plain.Count(), 0);
  EXPECT_FALSE(plain.HasColors());
}

TEST(ChartSeries, ValueColourFallsBackToSeriesOrPalette) {
  FakeSeriesPanel panel;
  TChartSeries s;
  s.AddY(1);
  s.AddY(2, "", clBlue);
  s.SetSeriesColor(clGreen);
  EXPECT_EQ(s.GetValueColor(0), clGreen);
  EXPECT_EQ(s.GetValueColor(1), clBlue);
  s.SetColorEachPoint(true);
  EXPECT_EQ(s.GetValueColor(0), clRed);  // the global palette's first colour
  s.SetParentChart(&panel);
  EXPECT_EQ(s.GetValueColor(0), 0x100);  // the chart's palette
  s.SetParentChart(nullptr);
}

TEST(ChartSeries, DeleteOutOfBoundsSaysWhichBounds) {
  TChartSeries s;
  for (int i = 0; i < 3; ++i) s.AddY(i);
  for (int bad : {3, -1}) {
    try {
      s.Delete(bad);
      FAIL() << bad;
    } catch (const ChartException& e) {
      EXPECT_EQ(e.Message(),
                "Series Delete: ValueIndex " + std::to_string(bad) + " out of bounds (0 to 2).");
    }
  }
  EXPECT_EQ(s.Count(), 3);
}

TEST(ChartSeries, DeleteOneKeepsPerPointListsAligned) {
  TChartSeries s;
  s.AddY(10, "a");
  s.AddY(11, "b", clRed);
  s.AddY(12, "c");
  s.Delete(1);
  EXPECT_EQ(Values(s.YValues()), (std::vector<double>{10, 12}));
  EXPECT_EQ(s.GetXLabel(1), "c");
  EXPECT_EQ(s.InternalColor(1), clDefault);
}

TEST(ChartSeries, DeleteRangeCutsAndRenumbers) {
  TChartSeries s;
  for (int i = 0; i < 5; ++i) s.AddXY(10 + i, i, "", i == 2 ? clRed : clDefault);
  s.Delete(1, 100, true);
  EXPECT_EQ(s.Count(), 1);
  EXPECT_EQ(s.GetxValue(0), 0);
  EXPECT_EQ(s.GetyValue(0), 0);
  EXPECT_EQ(s.InternalColor(0), clDefault);
  s.Delete(5, 1);  // a start beyond the points is ignored
  EXPECT_EQ(s.Count(), 1);
  s.Delete(0, 1);
  EXPECT_FALSE(s.HasColors());  // emptied, so freed
}

TEST(ChartSeries, UpdateBracketsRefreshOnceAtTheOutermostEnd) {
  FakeSeriesPanel panel;
  TChartSeries s;
  s.SetParentChart(&panel);
  int added = 0;
  s.OnAfterAdd = [&](TChartSeries*, int) { ++added; };
  panel.Events.clear();
  s.EndUpdate();  // unmatched: nothing
  EXPECT_TRUE(panel.Events.empty());
  s.BeginUpdate();
  s.BeginUpdate();
  s.AddY(1);
  s.EndUpdate();
  EXPECT_TRUE(panel.Events.empty());
  s.AddY(2);
  s.EndUpdate();
  EXPECT_EQ(added, 0);
  EXPECT_EQ(panel.Events, (std::vector<TChartSeriesEvent>{seDataChanged}));
  s.AddY(3);
  EXPECT_EQ(added, 1);
  s.SetParentChart(nullptr);
}

TEST(ChartSeries, DependentSeriesFollowTheirRecalcOptions) {
  TChartSeries source, follows, ignoresClear;
  source.AddLinkedSeries(&follows);
  source.AddLinkedSeries(&ignoresClear);
  ignoresClear.SetRecalcOptions(AllRecalcOptions & ~(1u << rOnClear) & ~(1u << rOnInsert));
  source.AddXY(1, 10, "a", clRed);
  EXPECT_EQ(follows.Count(), 1);
  EXPECT_EQ(follows.GetXLabel(0), "a");
  EXPECT_EQ(follows.GetValueColor(0), clRed);
  EXPECT_EQ(ignoresClear.Count(), 0);
  source.BeginUpdate();
  source.AddXY(2, 20);
  source.EndUpdate();  // refresh: every dependent refills
  EXPECT_EQ(follows.Count(), 2);
  EXPECT_EQ(ignoresClear.Count(), 2);
  source.Delete(0);
  EXPECT_EQ(Values(follows.YValues()), (std::vector<double>{20}));
  source.Clear();
  EXPECT_EQ(follows.Count(), 0);
  EXPECT_EQ(ignoresClear.Count(), 1);
}

TEST(ChartSeries, FreedDependentLeavesTheSourcesList) {
  TChartSeries source;
  {
    TChartSeries dependent;
    source.AddLinkedSeries(&dependent);
  }
  EXPECT_TRUE(source.LinkedSeries().empty());
  source.AddY(1);  // would reach the freed series otherwise
  EXPECT_EQ(source.Count(), 1);
}

TEST(ChartSeries, ClearEmptiesEveryListAndTellsTheHandler) {
  TChartSeries s;
  s.AddY(1, "a", clRed);
  s.Pictures()->Put(0, new TPlotPicture);
  int cleared = 0;
  s.OnClearValues = [&](TChartSeries*) { ++cleared; };
  s.Clear();
  EXPECT_EQ(cleared, 1);
  EXPECT_EQ(s.Count(), 0);
  EXPECT_FALSE(s.HasColors());
  EXPECT_EQ(s.Labels()->Count(), 0);
  EXPECT_EQ(s.Pictures()->Count(), 0);
}

TEST(ChartSeries, JoiningAChartTakesAFreeColourAndItsAxes) {
  FakeSeriesPanel panel;
  TChartSeries s;
  s.SetParentChart(&panel);
  EXPECT_EQ(s.GetSeriesColor(), panel.FreeColor);
  EXPECT_FALSE(s.IsColorStored());
  EXPECT_EQ(s.SeriesIndex(), 0);
  EXPECT_EQ(s.GetHorizAxisInUse(), panel.GetBottomAxis());
  EXPECT_EQ(s.GetVertAxisInUse(), panel.GetLeftAxis());
  s.SetVertAxis(aRightAxis);
  EXPECT_EQ(s.GetVertAxisInUse(), panel.GetRightAxis());
  EXPECT_TRUE(s.AssociatedToAxis(panel.GetRightAxis()));
  EXPECT_FALSE(s.AssociatedToAxis(panel.GetLeftAxis()));
  s.SetVertAxis(aBothVertAxis);
  EXPECT_EQ(s.GetVertAxisInUse(), panel.GetLeftAxis());
  EXPECT_TRUE(s.AssociatedToAxis(panel.GetRightAxis()));
  EXPECT_TRUE(s.AssociatedToAxis(panel.GetDepthAxis()));
  EXPECT_FALSE(s.AssociatedToAxis(panel.GetTopAxis()));
  EXPECT_EQ(s.ValueListOfAxis(panel.GetBottomAxis()), s.XValues());
  EXPECT_EQ(s.ValueListOfAxis(panel.GetRightAxis()), s.YValues());
  EXPECT_EQ(s.ValueListOfAxis(panel.GetTopAxis()), nullptr);
  s.SetCustomVertAxis(panel.GetCustomAxis());
  EXPECT_EQ(s.GetVertAxis(), aCustomVertAxis);
  EXPECT_EQ(s.GetVertAxisInUse(), panel.GetCustomAxis());
  s.SetVertAxis(aLeftAxis);
  EXPECT_EQ(s.GetCustomVertAxis(), nullptr);
  s.SetParentChart(nullptr);
  EXPECT_EQ(s.SeriesIndex(), -1);
  EXPECT_TRUE(panel.SeriesList.empty());
}

TEST(ChartSeries, AxisLabelStyleFollowsTheLabels) {
  FakeSeriesPanel panel;
  TChartSeries s;
  s.SetParentChart(&panel);
  s.AddY(1);
  EXPECT_EQ(s.AxisLabelStyle(panel.GetBottomAxis()), talValue);
  s.AddY(2, "x");
  EXPECT_EQ(s.AxisLabelStyle(panel.GetBottomAxis()), talText);
  EXPECT_EQ(s.AxisLabelStyle(panel.GetLeftAxis()), talValue);
  s.HasZValues = true;
  EXPECT_EQ(s.AxisLabelStyle(panel.GetBottomAxis()), talValue);
  s.SetParentChart(nullptr);
}

TEST(ChartSeries, SeriesColourAndItsEvents) {
  FakeSeriesPanel panel;
  TChartSeries s;
  s.SetParentChart(&panel);
  panel.Events.clear();
  s.SetSeriesColor(clRed);
  EXPECT_TRUE(s.IsColorStored());
  EXPECT_EQ(panel.Events, (std::vector<TChartSeriesEvent>{seChangeColor}));
  s.SetDefaultColor();
  EXPECT_FALSE(s.IsColorStored());
  EXPECT_EQ(panel.PaletteChanges, 1);
  s.SetTitle("RPM");
  s.SetActive(false);
  EXPECT_EQ(panel.Events.back(), seChangeActive);
  EXPECT_EQ(panel.Events[panel.Events.size() - 2], seChangeTitle);
  const int repaints = panel.Repaints;
  s.SetTitle("RPM");
  EXPECT_EQ(panel.Repaints, repaints);
  s.SetParentChart(nullptr);
}

TEST(ChartSeries, CheckOrderSortsAndRenumbers) {
  TChartSeries s;
  s.XValues()->SetOrder(loNone);
  s.AddXY(7, 3, "c");
  s.AddXY(8, 1, "a");
  s.AddXY(9, 2, "b");
  s.YValues()->SetOrder(loAscending);
  s.XValues()->SetOrder(loNone);
  s.CheckOrder();
  EXPECT_EQ(Values(s.YValues()), (std::vector<double>{1, 2, 3}));
  EXPECT_EQ(Values(s.XValues()), (std::vector<double>{0, 1, 2}));
  EXPECT_EQ(s.GetXLabel(0), "a");
}

TEST(ChartSeries, SortByLabels) {
  TChartSeries s;
  s.AddY(1, "pear");
  s.AddY(2, "Apple");
  s.AddY(3, "fig");
  s.SortByLabels(loAscending);  // ordinal: capitals first
  EXPECT_EQ(Values(s.YValues()), (std::vector<double>{2, 3, 1}));
  EXPECT_EQ(Values(s.XValues()), (std::vector<double>{0, 1, 2}));
  s.SortByLabels(loDescending);
  EXPECT_EQ(s.GetXLabel(0), "pear");
  EXPECT_EQ(s.GetXLabel(2), "Apple");
}

TEST(ChartSeries, FillSampleValuesAddsTheDefaultCount) {
  TChartSeries s;
  s.FillSampleValues(0);
  EXPECT_EQ(s.Count(), 25);
  EXPECT_FALSE(s.HasColors());
  for (int i = 1; i < s.Count(); ++i) EXPECT_LE(s.GetxValue(i - 1), s.GetxValue(i));
  EXPECT_GE(s.MinYValue(), 0);
  s.INumSampleValues = 7;
  s.FillSampleValues(0);
  EXPECT_EQ(s.Count(), 7);
  EXPECT_EQ(s.MinXValue(), 0);
  EXPECT_EQ(s.MaxXValue(), 6);
}

TEST(ChartSeries, AddArrayForms) {
  TChartSeries s;
  EXPECT_EQ(s.AddArray(std::vector<double>{1.5, 2.5}), 2);
  EXPECT_EQ(s.AddArray(std::vector<int>{4}), 1);
  EXPECT_EQ(s.AddArray({10, 11}, {1, 2}), 2);
  EXPECT_EQ(Values(s.YValues()), (std::vector<double>{1.5, 2.5, 4, 1, 2}));
}

TEST(ChartSeries, ReplaceListTakesNameAndRole) {
  TChartSeries s;
  s.AddY(1);
  auto* y = new TChartValueList(nullptr, "Other");
  s.ReplaceList(s.YValues(), y);
  EXPECT_EQ(s.YValues(), y);
  EXPECT_EQ(s.MandatoryValueList, y);
  EXPECT_EQ(y->GetName(), "Y");
  EXPECT_EQ(s.ValuesList().Get(1), y);
}

}  // namespace

namespace {

class ChartComponent : public TComponent, public FakeSeriesPanel {};

TEST(ChartSeries, StreamReaderGivesOnlyAChartAsParent) {
  ChartComponent chart;
  TComponent notChart;
  TChartSeries s;
  s.SetParentComponent(&notChart);
  EXPECT_EQ(s.GetParentChart(), nullptr);
  s.SetParentComponent(&chart);
  EXPECT_EQ(s.GetParentChart(), static_cast<TChartSeriesPanel*>(&chart));
  EXPECT_EQ(s.GetParentComponent(), &chart);
  s.SetParentChart(nullptr);
}

TEST(ChartSeries, HoverElementIsAPublishedSet) {
  TChartSeries s;
  const TPropInfo* prop = TChartSeries::Class()->FindProperty("HoverElement");
  ASSERT_NE(prop, nullptr);
  prop->SetSet(&s, {"heCurrent", "heJoin"});
  EXPECT_EQ(s.GetHoverElement(), (1u << heCurrent) | (1u << heJoin));
  EXPECT_EQ(prop->GetSet(&s), (std::vector<std::string>{"heCurrent", "heJoin"}));
}

}  // namespace

namespace {

TEST(ChartSeries, MarkValueIsTheMandatoryValue) {
  TChartSeries normal, horizontal;
  horizontal.SetHorizontal();
  normal.AddXY(1, 10);
  horizontal.AddXY(1, 10);
  EXPECT_EQ(normal.GetMarkValue(0), 10);
  EXPECT_EQ(horizontal.GetMarkValue(0), 1);
  EXPECT_EQ(horizontal.GetOriginValue(0), 1);
  std::vector<std::string> names;
  normal.CreateSubGallery([&](const std::string& n) { names.push_back(n); });
  EXPECT_EQ(names, (std::vector<std::string>{"Normal"}));
}

}  // namespace
