// Series fed by other series, functions over periods, moving windows and
// several sources, series sources, and detail series with their aggregates.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/ChartException.h"
#include "chart/ChartSeries.h"
#include "chart/PlotFunction.h"
#include "chart/SeriesSources.h"
#include "tests/support/AxisPanelFixture.h"

namespace {

// Adds up the values it is given, so each result shows which points it read.
class TSumFunction : public TPlotFunction {
 public:
  double CalculateValue(const std::vector<double>& Values) override {
    double sum = 0;
    for (double v : Values) sum += v;
    return sum;
  }
};

class TMovingSum : public TPlotMovingFunction {
 public:
  double CalculateValue(const std::vector<double>& Values) override {
    double sum = 0;
    for (double v : Values) sum += v;
    return sum;
  }
};

// A source that loads three points while active.
class TThreePoints : public TPlotSeriesSource {
 public:
  void Load() override {
    if (GetLoadMode() == lmClear) GetSeries()->Clear();
    for (int i = 0; i < 3; ++i) GetSeries()->AddXY(i, i * 10);
  }
};

std::vector<double> Values(const TChartValueList* L) {
  return std::vector<double>(L->Value.begin(), L->Value.begin() + L->Count());
}

// Source points X = 0..4, Y = 1, 2, 4, 8, 16.
struct Chart {
  TTestAxisPanel panel;
  TChartSeries source;
  TChartSeries target;

  Chart() {
    source.ManualData = target.ManualData = true;
    panel.AddSeries(&source);
    panel.AddSeries(&target);
    for (int i = 0; i < 5; ++i) source.AddXY(i, 1 << i);
  }
  ~Chart() {
    target.SetParentChart(nullptr);
    source.SetParentChart(nullptr);
  }
};

TEST(DataSource, DependentSeriesFollowsItsSourceByItsRecalcOptions) {
  Chart c;
  c.target.SetDataSource(&c.source);
  EXPECT_EQ(c.target.GetDataSource(), &c.source);
  EXPECT_FALSE(c.target.ManualData);
  EXPECT_EQ(Values(c.target.YValues()), (std::vector<double>{1, 2, 4, 8, 16}));

  c.source.AddXY(5, 32);
  EXPECT_EQ(c.target.Count(), 6);
  c.source.Delete(0);
  EXPECT_EQ(Values(c.target.XValues()), (std::vector<double>{1, 2, 3, 4, 5}));

  c.target.SetRecalcOptions(1u << rOnDelete);
  c.source.AddXY(6, 64);
  EXPECT_EQ(c.target.Count(), 5) << "not following inserts";
  c.target.SetRecalcOptions(AllRecalcOptions);
  c.source.Clear();
  EXPECT_EQ(c.target.Count(), 0);

  c.target.SetDataSource(nullptr);
  EXPECT_EQ(c.target.GetDataSource(), nullptr);
  EXPECT_TRUE(c.source.LinkedSeries().empty());
}

TEST(DataSource, InvalidAndCircularSourcesRaiseAndLeaveTheList) {
  Chart c;
  c.target.SetDataSource(&c.source);
  try {
    c.source.SetDataSource(&c.target);
    FAIL() << "circular source accepted";
  } catch (const ChartException& e) {
    EXPECT_EQ(std::string(e.what()), "Circular Series dependences are not allowed");
  }
  EXPECT_FALSE(c.source.HasDataSources() && c.source.DataSources()->Count() > 0);

  TComponent stranger(nullptr);
  stranger.SetName("Stranger");
  try {
    c.target.SetDataSource(&stranger);
    FAIL() << "a plain component accepted";
  } catch (const ChartException& e) {
    EXPECT_EQ(std::string(e.what()), "No valid DataSource: Stranger");
  }
  EXPECT_EQ(c.target.DataSources()->Count(), 1);
  EXPECT_THROW(c.target.SetDataSource(&c.target), ChartException);
  EXPECT_EQ(c.target.InternalSetDataSource(&c.source, false), -1) << "listed already";
}

TEST(DataSource, WithoutAChartOnlySeriesAreAccepted) {
  TChartSeries a, b;
  a.AddXY(1, 5);
  b.SetDataSource(&a);
  EXPECT_EQ(b.GetDataSource(), &a);
  TComponent stranger(nullptr);
  try {
    b.SetDataSource(&stranger);
    FAIL() << "a plain component accepted";
  } catch (const ChartException& e) {
    EXPECT_EQ(std::string(e.what()), "No ParentChart to validate DataSource");
  }
  EXPECT_EQ(b.GetDataSource(), &a);
}

TEST(DataSource, FreedSourceLeavesTheList) {
  Chart c;
  auto* extra = new TChartSeries;
  c.target.SetDataSource(&c.source);
  c.target.DataSources()->Add(extra);
  EXPECT_EQ(c.target.DataSources()->Count(), 2);
  delete extra;
  EXPECT_EQ(c.target.DataSources()->Count(), 1);
}

TEST(PlotFunction, PeriodTable) {
  const struct {
    const char* Name;
    double Period;
    TFunctionPeriodStyle Style;
    TFunctionPeriodAlign Align;
    std::vector<double> X, Y;
  } cases[] = {
      {"all points at the middle", 0, psNumPoints, paCenter, {2}, {31}},
      {"pairs, lone last point left out", 2, psNumPoints, paFirst, {0, 2}, {3, 12}},
      {"pairs placed at their centre", 2, psNumPoints, paCenter, {0.5, 2.5}, {3, 12}},
      {"pairs placed at their last", 2, psNumPoints, paLast, {1, 3}, {3, 12}},
      {"0.3 counts as one point", 0.3, psNumPoints, paFirst, {0, 1, 2, 3, 4}, {1, 2, 4, 8, 16}},
      {"0.4 counts as one point", 0.4, psNumPoints, paFirst, {0, 1, 2, 3, 4}, {1, 2, 4, 8, 16}},
      {"X ranges of 2", 2, psRange, paFirst, {0, 2, 4}, {3, 12, 16}},
  };
  for (const auto& k : cases) {
    Chart c;
    auto* f = new TSumFunction;
    f->SetPeriod(k.Period);
    f->SetPeriodStyle(k.Style);
    f->SetPeriodAlign(k.Align);
    c.target.SetFunction(f);
    c.target.SetDataSource(&c.source);
    EXPECT_EQ(Values(c.target.XValues()), k.X) << k.Name;
    EXPECT_EQ(Values(c.target.YValues()), k.Y) << k.Name;
  }
}

TEST(PlotFunction, SettingsRecalculateAndNegativePeriodRaises) {
  Chart c;
  auto* f = new TSumFunction;
  c.target.SetFunction(f);
  c.target.SetDataSource(&c.source);
  EXPECT_EQ(c.target.Count(), 1);
  f->SetPeriod(1);
  EXPECT_EQ(c.target.Count(), 5);
  try {
    f->SetPeriod(-1);
    FAIL() << "negative period accepted";
  } catch (const ChartException& e) {
    EXPECT_EQ(std::string(e.what()), "Function Period should be >= 0");
  }
  EXPECT_EQ(f->GetPeriod(), 1);
  // A function's series is computed again when its source changes.
  c.source.AddXY(5, 32);
  EXPECT_EQ(c.target.Count(), 6);
  EXPECT_EQ(c.target.YValues()->Last(), 32);
  f->BeginUpdate();
  f->SetPeriod(0);
  EXPECT_EQ(c.target.Count(), 6) << "held while updating";
  f->EndUpdate();
  EXPECT_EQ(Values(c.target.YValues()), (std::vector<double>{63}));
}

TEST(PlotFunction, MovingWindow) {
  const struct {
    double Period;
    TFunctionPeriodAlign Align;
    std::vector<double> X, Y;
  } cases[] = {
      {3, paLast, {2, 3, 4}, {7, 14, 28}},
      {3, paFirst, {0, 1, 2}, {7, 14, 28}},
      {3, paCenter, {1, 2, 3}, {7, 14, 28}},
      {0.4, paLast, {0, 1, 2, 3, 4}, {1, 2, 4, 8, 16}},
  };
  for (const auto& k : cases) {
    Chart c;
    auto* f = new TMovingSum;
    EXPECT_EQ(f->GetPeriodAlign(), paLast);
    EXPECT_EQ(f->GetPeriod(), 1);
    f->SetPeriod(k.Period);
    f->SetPeriodAlign(k.Align);
    c.target.SetFunction(f);
    c.target.SetDataSource(&c.source);
    EXPECT_EQ(Values(c.target.XValues()), k.X) << k.Period << " " << k.Align;
    EXPECT_EQ(Values(c.target.YValues()), k.Y) << k.Period << " " << k.Align;
  }
}

TEST(PlotFunction, SeveralSourcesByIndexAndByValue) {
  Chart c;
  TChartSeries other;
  other.ManualData = true;
  c.panel.AddSeries(&other);
  other.AddXY(1, 100);
  other.AddXY(7, 200);
  auto* f = new TSumFunction;
  c.target.SetFunction(f);
  c.target.SetDataSource(&c.source);
  c.target.DataSources()->Add(&other);
  // By index: the longest source gives the X; short sources add nothing.
  EXPECT_EQ(Values(c.target.XValues()), (std::vector<double>{0, 1, 2, 3, 4}));
  EXPECT_EQ(Values(c.target.YValues()), (std::vector<double>{101, 202, 4, 8, 16}));
  // By value: X held by every source gives a point, the others null points.
  f->SetCalcByValue(true);
  EXPECT_EQ(Values(c.target.XValues()), (std::vector<double>{0, 1, 2, 3, 4, 7}));
  EXPECT_EQ(c.target.YValues()->GetValue(1), 102);
  EXPECT_FALSE(c.target.IsNull(1));
  EXPECT_TRUE(c.target.IsNull(0));
  EXPECT_TRUE(c.target.IsNull(5));
  other.SetParentChart(nullptr);
}

TEST(PlotFunction, ReplacedFunctionIsFreedAndAFreedOneDetaches) {
  Chart c;
  auto* first = new TSumFunction;
  c.target.SetFunction(first);
  EXPECT_EQ(first->GetParentSeries(), &c.target);
  auto* second = new TSumFunction;
  second->SetParentSeries(&c.target);
  EXPECT_EQ(c.target.GetFunction(), second);
  delete second;
  EXPECT_EQ(c.target.GetFunction(), nullptr);
}

TEST(SeriesSource, LoadsWhenActiveAndClearsOnCloseUnlessAppending) {
  Chart c;
  TThreePoints loader;
  loader.SetSeries(&c.target);
  EXPECT_EQ(c.target.GetDataSource(), &loader);
  loader.Open();
  EXPECT_EQ(c.target.Count(), 3);
  loader.Close();
  EXPECT_EQ(c.target.Count(), 0);

  loader.SetLoadMode(lmAppend);
  loader.Open();
  loader.Refresh();
  EXPECT_EQ(c.target.Count(), 6);
  loader.Close();
  EXPECT_EQ(c.target.Count(), 6) << "lmAppend keeps the points";
  EXPECT_TRUE(loader.HasSeries(&c.target));
  EXPECT_FALSE(loader.HasSeries(&c.source));

  loader.SetSeries(nullptr);
  EXPECT_EQ(c.target.GetDataSource(), nullptr);
}

TEST(SeriesDetail, AggregatesTable) {
  const struct {
    TDetailAggregate Aggregate;
    double Full, Empty;
  } cases[] = {{daSum, 12, 0}, {daCount, 3, 0}, {daAverage, 4, 0}, {daMin, 2, 0}, {daMax, 6, 0}};
  for (const auto& k : cases) {
    TChartSeries parent;
    parent.Detail()->SetAggregate(k.Aggregate);
    EXPECT_EQ(parent.Add(std::vector<double>{2, 4, 6}, "full", clDefault), 0);
    EXPECT_EQ(parent.Add(std::vector<double>{}, "empty", clDefault), 1);
    EXPECT_EQ(parent.YValues()->GetValue(0), k.Full) << k.Aggregate;
    EXPECT_EQ(parent.YValues()->GetValue(1), k.Empty) << k.Aggregate;
    EXPECT_EQ(parent.Detail()->Get(0)->GetTitle(), "full");
  }
}

TEST(SeriesDetail, ADetailChangeReachesItsPoint) {
  TChartSeries parent;
  parent.Add(std::vector<double>{2, 4, 6}, "a", clDefault);
  TChartSeries* detail = parent.Detail()->Get(0);
  EXPECT_EQ(detail->GetSeriesColor(), parent.GetValueColor(0));
  detail->Add(8.0);
  EXPECT_EQ(parent.YValues()->GetValue(0), 20);
  parent.Detail()->SetAggregate(daMax);
  EXPECT_EQ(parent.YValues()->GetValue(0), 8);
}

}  // namespace
