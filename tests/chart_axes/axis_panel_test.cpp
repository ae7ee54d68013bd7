// The axis panel: its six axes, adding and removing series with their
// events, axis limits and visibility, paging, colours, series groups and the
// series list.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "chart/ChartEngineStartup.h"
#include "chart/ChartException.h"
#include "chart/PlotWidgets.h"
#include "platform/rtl/Streams.h"
#include "platform/vcl/Printers.h"
#include "scene/zr_stream.h"
#include "tests/support/AxisPanelFixture.h"
#include "tests/support/RunCommand.h"

namespace {

// A series drawn without axes, as a pie is.
class TAxisLessSeries : public TChartSeries {
 public:
  bool UseAxis() const override { return false; }
};

// A series with one point under (X, Y) = (Hit, Hit).
class THitSeries : public TChartSeries {
 public:
  explicit THitSeries(int AHit) : Hit(AHit) {}
  int Clicked(int X, int Y) override { return X == Hit && Y == Hit ? 0 : -1; }
  int Hit;
};

// Records the series events the panel tells its listeners.
class TEventLog : public IPlotEventListener {
 public:
  explicit TEventLog(std::vector<std::string>* ALog) : Log(ALog) {}
  void HandlePlotEvent(TPlotEvent* Event) override {
    if (auto* e = dynamic_cast<TPlotSeriesEvent*>(Event))
      Log->push_back(e->Event == seAdd           ? "seAdd"
                     : e->Event == seRemove      ? "seRemove"
                     : e->Event == seAfterRemove ? "seAfterRemove"
                     : e->Event == seSwap        ? "seSwap"
                                                 : "other");
    if (dynamic_cast<TChartChangePage*>(Event)) Log->push_back("page");
  }
  std::vector<std::string>* Log;
};

void AddPoints(TChartSeries& S, int Count, double Y0 = 0) {
  for (int i = 0; i < Count; ++i) S.AddXY(i, Y0 + i);
}

TEST(AxisPanel, SixStandardAxesInOrder) {
  TTestAxisPanel panel;
  const std::vector<TChartAxis*>& axes = panel.GetAxes()->Items();
  ASSERT_EQ(axes.size(), 6u);
  const char* ids[] = {"Bottom", "Top", "Left", "Right", "Depth", "DepthTop"};
  for (size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(axes[i]->IAxisID, ids[i]);
    EXPECT_TRUE(axes[i]->GetResizeChart());
    EXPECT_FALSE(axes[i]->IsCustom());
    EXPECT_EQ(axes[i]->GetCollection(), nullptr);
  }
  EXPECT_TRUE(panel.GetBottomAxis()->GetHorizontal());
  EXPECT_TRUE(panel.GetTopAxis()->GetOtherSide());
  EXPECT_FALSE(panel.GetLeftAxis()->GetHorizontal());
  EXPECT_TRUE(panel.GetDepthAxis()->GetOtherSide());
  EXPECT_FALSE(panel.GetDepthTopAxis()->GetVisible());
  EXPECT_EQ(panel.GetTopAxis()->GetGrid()->DefaultZ(), 100);
}

TEST(AxisPanel, WithoutSeriesEveryLimitIsZeroAndAxesShow) {
  TTestAxisPanel panel;
  for (TChartAxis* a : {panel.GetLeftAxis(), panel.GetBottomAxis()}) {
    EXPECT_EQ(panel.MinYValue(a), 0);
    EXPECT_EQ(panel.MaxXValue(a), 0);
    EXPECT_TRUE(panel.CalcIsAxisVisible(a));
  }
  EXPECT_EQ(panel.NumPages(), 1);
  panel.SetAxisVisible(false);
  EXPECT_FALSE(panel.CalcIsAxisVisible(panel.GetLeftAxis()));
}

TEST(AxisPanel, AnAxisLessActiveSeriesHidesTheAxes) {
  TTestAxisPanel panel;
  TAxisLessSeries pie;
  panel.AddSeries(&pie);
  EXPECT_FALSE(panel.CalcIsAxisVisible(panel.GetLeftAxis()));
  EXPECT_FALSE(panel.CalcIsAxisVisible(panel.GetBottomAxis()));
  pie.SetActive(false);
  EXPECT_TRUE(panel.CalcIsAxisVisible(panel.GetLeftAxis()));
  pie.SetParentChart(nullptr);
}

TEST(AxisPanel, LimitsComeFromTheSeriesOnTheAxis) {
  TTestAxisPanel panel;
  TChartSeries left, right;
  left.AddXY(1, 5);
  left.AddXY(2, 9);
  right.AddXY(3, 100);
  right.SetVertAxis(aRightAxis);
  panel.AddSeries(&left);
  panel.AddSeries(&right);
  EXPECT_EQ(panel.MinYValue(panel.GetLeftAxis()), 5);
  EXPECT_EQ(panel.MaxYValue(panel.GetLeftAxis()), 9);
  EXPECT_EQ(panel.MaxYValue(panel.GetRightAxis()), 100);
  EXPECT_EQ(panel.MinXValue(panel.GetBottomAxis()), 1);
  EXPECT_EQ(panel.MaxXValue(panel.GetBottomAxis()), 3);

  // An inactive series still counts while no active one uses the axis.
  left.SetActive(false);
  EXPECT_EQ(panel.MaxYValue(panel.GetLeftAxis()), 9);
  EXPECT_EQ(panel.MaxXValue(panel.GetBottomAxis()), 3);
  EXPECT_EQ(panel.MinXValue(panel.GetBottomAxis()), 3);

  // An automatic axis reads the series' limits after a pass.
  panel.GetRightAxis()->AdjustMaxMin();
  EXPECT_EQ(panel.GetRightAxis()->GetMaximum(), 100);
  left.SetParentChart(nullptr);
  right.SetParentChart(nullptr);
}

TEST(AxisPanel, AddingTwiceKeepsOneEntryAndOneEvent) {
  TTestAxisPanel panel;
  std::vector<std::string> log;
  panel.AddListener(std::make_shared<TEventLog>(&log));
  int added = 0;
  panel.OnAddSeries = [&](TCustomChartSeries*) { ++added; };
  TChartSeries s;
  panel.AddSeries(&s);
  panel.AddSeries(&s);
  panel.InternalAddSeries(&s);
  EXPECT_EQ(panel.SeriesCount(), 1);
  EXPECT_EQ(added, 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), "seAdd"), 1);
  s.SetParentChart(nullptr);
}

TEST(AxisPanel, RemovingTellsBeforeAndAfterAndKeepsTheSeries) {
  TTestAxisPanel panel;
  std::vector<std::string> log;
  panel.AddListener(std::make_shared<TEventLog>(&log));
  panel.OnRemoveSeries = [&](TCustomChartSeries*) { log.push_back("OnRemoveSeries"); };
  TChartSeries s;
  panel.AddSeries(&s);
  log.clear();
  panel.RemoveSeries(&s);
  EXPECT_EQ(log, (std::vector<std::string>{"seRemove", "OnRemoveSeries", "seAfterRemove"}));
  EXPECT_EQ(s.GetParentChart(), nullptr);
  EXPECT_EQ(panel.SeriesCount(), 0);
  log.clear();
  panel.RemoveSeries(-1);
  panel.RemoveSeries(&s);
  EXPECT_TRUE(log.empty());
}

TEST(AxisPanel, FreeAllSeriesFreesThem) {
  TComponent owner(nullptr);
  TTestAxisPanel panel(&owner);
  panel.AddSeries(new TChartSeries(&owner));
  panel.AddSeries(new TChartSeries(&owner));
  EXPECT_EQ(owner.ComponentCount(), 3);
  panel.FreeAllSeries();
  EXPECT_EQ(panel.SeriesCount(), 0);
  EXPECT_EQ(owner.ComponentCount(), 1);
}

TEST(ChartPage, CurrentPageStaysWithinTheCount) {
  TTestAxisPanel panel;
  std::vector<std::string> log;
  panel.AddListener(std::make_shared<TEventLog>(&log));
  int changes = 0;
  panel.OnPageChange = [&](TObject*) { ++changes; };
  TChartSeries s;
  AddPoints(s, 25);
  panel.AddSeries(&s);
  panel.SetMaxPointsPerPage(10);
  EXPECT_EQ(panel.NumPages(), 3);
  panel.SetPage(0);
  EXPECT_EQ(panel.GetPage(), 1);
  panel.SetPage(100);
  EXPECT_EQ(panel.GetPage(), 3);
  EXPECT_EQ(changes, 1);
  const int repaints = panel.Repaints;
  panel.SetPage(3);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(panel.Repaints, repaints);
  EXPECT_EQ(panel.GetPages()->FirstValueIndex(), 20);

  // The X axis spans the points of the page; a short last page stretches.
  EXPECT_EQ(panel.MinXValue(panel.GetBottomAxis()), 20);
  EXPECT_EQ(panel.MaxXValue(panel.GetBottomAxis()), 24);
  panel.SetScaleLastPage(false);
  EXPECT_EQ(panel.MaxXValue(panel.GetBottomAxis()), 20 + 10.0 * 4 / 5);

  try {
    panel.SetMaxPointsPerPage(-1);
    ADD_FAILURE() << "no exception";
  } catch (const ChartException& e) {
    EXPECT_STREQ(e.what(), "MaxPointsPerPage must be >= 0");
  }
  EXPECT_EQ(panel.GetMaxPointsPerPage(), 10);
  panel.SetMaxPointsPerPage(20);
  EXPECT_EQ(panel.GetPage(), 2);
  EXPECT_EQ(std::count(log.begin(), log.end(), "page"), 3);
  s.SetParentChart(nullptr);
}

TEST(AxisPanel, FreeSeriesColourWalksThePaletteBarItsLastColour) {
  TTestAxisPanel panel;
  panel.ColorPalette = {0x11, 0x22, 0x33, 0x44};
  TChartSeries a, b, c, d;
  panel.AddSeries(&a);
  panel.AddSeries(&b);
  EXPECT_EQ(a.GetSeriesColor(), 0x11);
  EXPECT_EQ(b.GetSeriesColor(), 0x22);
  c.SetSeriesColor(0x44);
  panel.AddSeries(&c);
  EXPECT_EQ(panel.GetFreeSeriesColor(true, nullptr), 0x33);
  // The last colour is never tested: with the first three taken the walk
  // runs out and takes the colour at the series count.
  c.SetSeriesColor(0x33);
  EXPECT_EQ(panel.GetFreeSeriesColor(true, nullptr), 0x44);
  d.SetSeriesColor(0x44);
  panel.AddSeries(&d);
  EXPECT_EQ(panel.GetFreeSeriesColor(true, nullptr), 0x11);
  EXPECT_EQ(panel.GetDefaultColor(5), 0x22);
  for (TChartSeries* s : {&a, &b, &c, &d}) s->SetParentChart(nullptr);
}

TEST(SeriesGroups, ActivityAndNames) {
  TTestAxisPanel panel;
  TChartSeries a, b, c;
  for (TChartSeries* s : {&a, &b, &c}) panel.AddSeries(s);
  TSeriesGroup* group = panel.GetSeriesList()->AddGroup("Motors");
  EXPECT_EQ(group->GetName(), "Motors");
  for (TChartSeries* s : {&a, &b, &c}) group->Add(s);
  c.SetActive(false);
  EXPECT_EQ(group->GetActive(), gaSome);
  group->SetActive(gaSome);
  EXPECT_FALSE(c.GetActive());
  group->SetActive(gaYes);
  EXPECT_TRUE(c.GetActive());
  group->Hide();
  EXPECT_EQ(group->GetActive(), gaNo);
  EXPECT_FALSE(a.GetActive());

  auto* empty = static_cast<TSeriesGroup*>(panel.GetSeriesGroups()->Add());
  EXPECT_EQ(empty->GetName(), "Group2");
  EXPECT_EQ(empty->GetActive(), gaYes);
  empty->Hide();
  EXPECT_EQ(empty->GetActive(), gaYes);

  TSeriesGroups* groups = panel.GetSeriesGroups();
  EXPECT_EQ(groups->FindByName("motors", false), group);
  EXPECT_EQ(groups->FindByName("motors", true), nullptr);
  EXPECT_EQ(groups->FindByName("Motors", true), group);
  EXPECT_EQ(groups->Contains(&b), 0);
  TChartSeries stranger;
  EXPECT_EQ(groups->Contains(&stranger), -1);
  for (TChartSeries* s : {&a, &b, &c}) s->SetParentChart(nullptr);
}

TEST(SeriesGroups, SavedMembersResolveAfterLoading) {
  TTestAxisPanel panel;
  panel.SetName("Chart1");
  TChartSeries a, b, c;
  for (TChartSeries* s : {&a, &b, &c}) {
    s->DontSerialize = true;
    panel.AddSeries(s);
  }
  TSeriesGroup* group = panel.GetSeriesList()->AddGroup("Pair");
  group->Add(&a);
  group->Add(&c);
  TMemoryStream binary;
  {
    TWriter w(&binary);
    w.WriteRootComponent(&panel);
  }

  TTestAxisPanel loaded;
  TChartSeries x, y, z;
  for (TChartSeries* s : {&x, &y, &z}) loaded.AddSeries(s);
  binary.SetPosition(0);
  {
    TReader r(&binary);
    r.ReadRootComponent(&loaded);
  }
  ASSERT_EQ(loaded.GetSeriesGroups()->Count(), 1);
  TSeriesGroup* read = loaded.GetSeriesGroups()->Get(0);
  EXPECT_EQ(read->GetName(), "Pair");
  EXPECT_FALSE(read->HasPendingSeries());
  ASSERT_EQ(read->Series()->Count(), 2);
  EXPECT_EQ(read->Series()->Get(0), &x);
  EXPECT_EQ(read->Series()->Get(1), &z);
  for (TChartSeries* s : {&a, &b, &c}) s->SetParentChart(nullptr);
  for (TChartSeries* s : {&x, &y, &z}) s->SetParentChart(nullptr);
}

TEST(SeriesList, ClickedPrefersTheSeriesDrawnLast) {
  TTestAxisPanel panel;
  THitSeries first(5), second(5), other(9);
  panel.AddSeries(&first);
  panel.AddSeries(&second);
  panel.AddSeries(&other);
  int index = 7;
  EXPECT_EQ(panel.GetSeriesList()->Clicked(5, 5, index), &second);
  EXPECT_EQ(index, 0);
  second.SetActive(false);
  EXPECT_EQ(panel.GetSeriesList()->Clicked(5, 5, index), &first);
  EXPECT_EQ(panel.GetSeriesList()->Clicked(1, 1, index), nullptr);
  EXPECT_EQ(index, -1);
  EXPECT_FALSE(panel.GetSeriesList()->GetAllActive());
  panel.GetSeriesList()->SetAllActive(true);
  EXPECT_TRUE(panel.GetSeriesList()->GetAllActive());
  for (TChartSeries* s : {&first, &second, &other}) s->SetParentChart(nullptr);
}

TEST(SeriesList, ExchangeSwapsTheListAndTheGroup) {
  TTestAxisPanel panel;
  std::vector<std::string> log;
  panel.AddListener(std::make_shared<TEventLog>(&log));
  TChartSeries a, b;
  panel.AddSeries(&a);
  panel.AddSeries(&b);
  TSeriesGroup* group = panel.GetSeriesList()->AddGroup("G");
  group->Add(&a);
  group->Add(&b);
  log.clear();
  panel.ExchangeSeries(0, 1);
  EXPECT_EQ(panel.GetSeries(0), &b);
  EXPECT_EQ(group->Series()->Get(0), &b);
  EXPECT_EQ(log, (std::vector<std::string>{"seSwap"}));
  a.SetParentChart(nullptr);
  b.SetParentChart(nullptr);
}

TEST(ChartAxes, ClearFreesCustomAxesToo) {
  TTestAxisPanel panel;
  panel.GetCustomAxes()->Add();
  panel.GetCustomAxes()->Add();
  EXPECT_EQ(panel.GetAxes()->Count(), 8);
  panel.GetAxes()->SetAuto(false);
  EXPECT_FALSE(panel.GetAxes()->GetAuto());
  panel.GetAxes()->Reset();
  EXPECT_TRUE(panel.GetAxes()->GetAuto());
  panel.GetAxes()->Clear();
  EXPECT_EQ(panel.GetAxes()->Count(), 0);
  EXPECT_EQ(panel.GetCustomAxes()->Count(), 0);
}

TEST(PlotRectIntersects, OverlapOnly) {
  TRect dest;
  EXPECT_TRUE(PlotRectIntersects(dest, TRect{0, 0, 10, 10}, TRect{5, 5, 20, 20}));
  EXPECT_EQ(dest, (TRect{5, 5, 10, 10}));
  EXPECT_FALSE(PlotRectIntersects(TRect{0, 0, 10, 10}, TRect{10, 0, 20, 10}));
}

}  // namespace

namespace {

TEST(ChartEngineStartup, StreamedClassesStayRegisteredUntilTheLastEnd) {
  // The chart library's start has registered them once already.
  for (const char* name : {"TChartAxis", "TChartDepthAxis", "TThemedSeries",
                           "TPlotPictureComponent", "TSeriesMarks", "TFastLineSeries"})
    EXPECT_NE(PlotGetClass(name), nullptr) << name;
  ChartEngineUnitStart();
  ChartEngineUnitEnd();
  EXPECT_NE(PlotGetClass("TChartAxis"), nullptr);
}

}  // namespace

namespace {

// Prints into a PDF file in the temporary folder.
class AxisPanelPrinting : public ::testing::Test {
 protected:
  void SetUp() override {
    File = ::testing::TempDir() + std::to_string(getpid()) + "_axis_pages.pdf";
    std::remove(File.c_str());
    Printer()->OutputFileName = File;
    AddPoints(Series, 25);
    Panel.AddSeries(&Series);
    Panel.SetBounds(0, 0, 200, 120);
    Panel.SetMaxPointsPerPage(10);
    Panel.SetPage(2);
    Panel.OnBeforePrint = [this](TCustomPlotPanel*, TCanvas*, TRect&) {
      Printed.push_back(Panel.GetPage());
      if (FailOn == Panel.GetPage()) throw std::runtime_error("paper jam");
    };
  }
  void TearDown() override {
    Printer()->OutputFileName.clear();
    Printer()->Title.clear();
    std::remove(File.c_str());
  }
  int PdfPages() {
    TRun info = RunCommand("pdfinfo '" + File + "'");
    const size_t at = info.Output.find("Pages:");
    return at == std::string::npos ? 0 : std::stoi(info.Output.substr(at + 6));
  }
  TTestAxisPanel Panel;
  TChartSeries Series;
  std::string File;
  std::vector<int> Printed;
  int FailOn = 0;
};

TEST_F(AxisPanelPrinting, EveryPageOnItsOwnSheet) {
  const struct {
    int From, To;
    std::vector<int> Printed;
  } cases[] = {{0, 0, {1, 2, 3}}, {2, 3, {2, 3}}, {3, 0, {3}}};
  for (const auto& c : cases) {
    Printed.clear();
    Panel.PrintPages(c.From, c.To);
    EXPECT_EQ(Printed, c.Printed) << c.From << ".." << c.To;
    EXPECT_EQ(PdfPages(), int(c.Printed.size())) << c.From << ".." << c.To;
    EXPECT_EQ(Panel.GetPage(), 2);
    std::remove(File.c_str());
  }
}

TEST_F(AxisPanelPrinting, FailureAbortsTheJobAndKeepsThePage) {
  FailOn = 3;
  EXPECT_THROW(Panel.PrintPages(), std::runtime_error);
  EXPECT_EQ(Printed, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(Panel.GetPage(), 2);
  EXPECT_TRUE(Printer()->GetAborted());
  EXPECT_FALSE(Printer()->GetPrinting());
  EXPECT_EQ(PdfPages(), 0);
}

}  // namespace
