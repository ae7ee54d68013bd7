// Tools and animations on a chart: which events an inactive tool misses,
// moving between charts, the series and axis variants, streaming the axis,
// the chart freeing its tools, and themes.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "chart_fixture.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_stream.h"

namespace {

// Counts every kind of event it hears.
template <class Base>
class TCounting : public Base {
 public:
  using Base::Base;
  void ChartEvent(TChartToolEvent) override { ++Heard["chart"]; }
  void ChartMouseEvent(TChartMouseEvent, TMouseButton, TShiftState, int, int) override {
    ++Heard["mouse"];
  }
  void ChartDragDropEvent(TChartDragDropEvent, TObject*, int, int, TDragState, bool&,
                          TDragObject*&) override {
    ++Heard["drag"];
  }
  void ChartKeyEvent(TChartKeyEvent, uint16_t&, char16_t&, TShiftState) override { ++Heard["key"]; }
  void WheelMouseEvent(TWheelMouseEvent, int, int, int) override { ++Heard["wheel"]; }
  std::map<std::string, int> Heard;
};
using TCountingTool = TCounting<TPlotCustomTool>;
using TCountingAnimation = TCounting<TPlotCustomAnimation>;

// Sends the chart one event of every kind.
void EveryEvent(TChart& Chart) {
  Chart.BroadcastToolEvent(cteAfterDraw);
  Chart.BroadcastAnimationEvent(cteAfterDraw);
  Chart.MouseDown(mbLeft, 0, 5, 5);
  Chart.MouseMove(0, 6, 6);
  Chart.MouseUp(mbLeft, 0, 6, 6);
  uint16_t key = 65;
  Chart.KeyDown(key, 0);
  Chart.KeyUp(key, 0);
  char16_t ch = u'a';
  Chart.KeyPress(ch);
  Chart.InternalWheel(1);
  bool accept = true;
  Chart.DragOver(nullptr, 5, 5, dsDragMove, accept);
  Chart.DragDrop(nullptr, 5, 5);
  TDragObject* drag = nullptr;
  Chart.DoStartDrag(drag);
  Chart.DoEndDrag(nullptr, 5, 5);
}

}  // namespace

TEST(ChartTools, AnInactiveToolOrAnimationHearsNothing) {
  TChartFixture f;
  f.Add<TLineSeries>({1, 2, 3, 4});
  f.Chart.GetZoom()->SetAllow(false);
  f.Chart.SetAllowPanning(pmNone);
  f.Draw();
  auto* active = f.Chart.GetTools()->Add<TCountingTool>();
  auto* idle = f.Chart.GetTools()->Add<TCountingTool>();
  auto* idleAnimation = f.Chart.GetAnimations()->Add<TCountingAnimation>();
  idle->SetActive(false);
  idleAnimation->SetActive(false);
  EveryEvent(f.Chart);
  EXPECT_TRUE(idle->Heard.empty());
  EXPECT_TRUE(idleAnimation->Heard.empty());
  // The active one hears the chart event once, three mouse events, three
  // keys, the wheel's step and the four drag events.
  EXPECT_EQ(active->Heard, (std::map<std::string, int>{
                               {"chart", 1}, {"mouse", 3}, {"key", 3}, {"wheel", 1}, {"drag", 4}}));
  // SetActive on the list switches them all.
  f.Chart.GetTools()->SetActive(true);
  EXPECT_TRUE(idle->GetActive());
}

// Writes down the series events it hears, with the series' title.
class TSeriesEventTool : public TPlotCustomTool {
 public:
  TSeriesEventTool(std::vector<std::string>* ALog, std::string AName)
      : Log(ALog), Name(std::move(AName)) {}
  void SeriesEvent(TChartToolEvent AEvent, TChartSeries* ASeries) override {
    const char* kind = AEvent == cteBeforeDrawSeries  ? "before"
                       : AEvent == cteAfterDrawSeries ? "after"
                                                      : "other";
    Log->push_back(Name + " " + kind + " " + ASeries->GetTitle());
  }
  std::vector<std::string>* Log;
  std::string Name;
};

TEST(ChartTools, ActiveToolsHearEachSeriesDrawnBeforeItsOwnHooks) {
  TChartFixture f;
  std::vector<std::string> log;
  auto& a = f.Add<TLineSeries>({1, 2, 3, 4});
  auto& b = f.Add<TLineSeries>({1, 3, 3, 1});
  auto& off = f.Add<TLineSeries>({1, 1, 3, 3});
  a.SetTitle("a");
  b.SetTitle("b");
  off.SetActive(false);
  a.BeforeDrawValues = [&](TObject*) { log.push_back("hook before a"); };
  a.AfterDrawValues = [&](TObject*) { log.push_back("hook after a"); };
  TSeriesEventTool tool(&log, "tool"), idle(&log, "idle");
  idle.SetActive(false);
  f.Chart.GetTools()->Add(&tool);
  f.Chart.GetTools()->Add(&idle);
  f.Draw();
  EXPECT_EQ(log, (std::vector<std::string>{"tool before a", "hook before a", "tool after a",
                                           "hook after a", "tool before b", "tool after b"}));
  // A series without a chart tells nobody.
  log.clear();
  TLineSeries alone;
  alone.BroadcastEvent(cteBeforeDrawSeries);
  EXPECT_TRUE(log.empty());
  f.Chart.GetTools()->Remove(&tool);
  f.Chart.GetTools()->Remove(&idle);
}

TEST(ChartTools, TheFirstActiveAnimationHearsAPressThatAToolCancelled) {
  TChartFixture f;
  f.Draw();
  struct TCancelling : TPlotCustomTool {
    using TPlotCustomTool::TPlotCustomTool;
    void ChartMouseEvent(TChartMouseEvent, TMouseButton, TShiftState, int, int) override {
      static_cast<TCustomChart*>(GetParentChart())->CancelMouse = true;
    }
  };
  f.Chart.GetTools()->Add<TCancelling>();
  auto* after = f.Chart.GetTools()->Add<TCountingTool>();
  auto* idle = f.Chart.GetAnimations()->Add<TCountingAnimation>();
  auto* first = f.Chart.GetAnimations()->Add<TCountingAnimation>();
  auto* second = f.Chart.GetAnimations()->Add<TCountingAnimation>();
  idle->SetActive(false);
  f.Chart.MouseDown(mbLeft, 0, 5, 5);
  EXPECT_EQ(after->Heard["mouse"], 0);
  EXPECT_EQ(idle->Heard["mouse"], 0);
  EXPECT_EQ(first->Heard["mouse"], 1);
  EXPECT_EQ(second->Heard["mouse"], 0);
}

TEST(ChartTools, ToolsAndAnimationsJoinTheirOwnListAndMoveBetweenCharts) {
  TChart a, b;
  auto* tool = a.GetTools()->Add<TCountingTool>();
  auto* animation = a.GetAnimations()->Add<TCountingAnimation>();
  EXPECT_EQ(tool->GetOwner(), &a);
  EXPECT_EQ(a.GetTools()->Items(), (std::vector<TPlotCustomTool*>{tool}));
  EXPECT_EQ(a.GetAnimations()->Get(0), animation);
  // Joining the same chart again adds nothing.
  a.GetTools()->Add(tool);
  tool->SetParentChart(&a);
  EXPECT_EQ(a.GetTools()->Count(), 1);

  tool->SetParentChart(&b);
  EXPECT_EQ(a.GetTools()->Count(), 0);
  EXPECT_EQ(b.GetTools()->IndexOf(tool), 0);
  b.GetAnimations()->Add(animation);
  EXPECT_EQ(a.GetAnimations()->Count(), 0);
  EXPECT_EQ(b.GetAnimations()->Count(), 1);
  EXPECT_EQ(animation->GetParentChart(), &b);
  tool->SetParentChart(nullptr);
  EXPECT_EQ(b.GetTools()->Count(), 0);
  delete tool;
  // A freed animation leaves its chart's list.
  delete animation;
  EXPECT_EQ(b.GetAnimations()->Count(), 0);
}

TEST(ChartTools, AnimationTitleIsItsNameElseItsDescriptionElseItsClass) {
  struct TDescribed : TPlotCustomAnimation {
    std::string Description() const override { return "Flash"; }
  };
  TPlotCustomAnimation plain;
  EXPECT_EQ(plain.Title(), "TPlotCustomAnimation");
  TDescribed described;
  EXPECT_EQ(described.Title(), "Flash");
  described.SetName("Blink1");
  EXPECT_EQ(described.Title(), "Blink1");
}

TEST(ChartTools, ASeriesToolForgetsAFreedSeries) {
  TChartFixture f;
  TPlotCustomToolSeries tool;
  auto* series = new TLineSeries();
  f.Chart.AddSeries(series);
  series->SetHorizAxis(aTopAxis);
  tool.SetSeries(series);
  EXPECT_EQ(tool.GetHorizAxis(), f.Chart.GetTopAxis());
  EXPECT_EQ(tool.GetVertAxis(), f.Chart.GetLeftAxis());
  EXPECT_EQ(tool.GetEditorClass(), "TSeriesToolEditor");
  delete series;
  EXPECT_EQ(tool.GetSeries(), nullptr);
  // Without a series: the first side axis an active series uses.
  tool.SetParentChart(&f.Chart);
  auto& onRight = f.Add<TLineSeries>({1, 2});
  onRight.SetVertAxis(aRightAxis);
  EXPECT_EQ(tool.GetVertAxis(), f.Chart.GetRightAxis());
  EXPECT_EQ(tool.GetHorizAxis(), f.Chart.GetBottomAxis());
  tool.SetParentChart(nullptr);
}

TEST(ChartTools, AxisIDIsReadOnlyOnAChartAndOnlyForAnAxisItHas) {
  TChart source;
  TPlotCustomToolAxis written;
  written.SetAxis(source.GetRightAxis());
  EXPECT_EQ(written.GetParentChart(), &source);
  EXPECT_EQ(source.GetTools()->IndexOf(&written), 0);
  TMemoryStream binary;
  {
    TWriter w(&binary);
    w.WriteRootComponent(&written);
  }
  auto read = [&](TPlotCustomToolAxis& Into) {
    binary.SetPosition(0);
    TReader r(&binary);
    r.ReadRootComponent(&Into);
  };
  TPlotCustomToolAxis orphan;
  read(orphan);
  EXPECT_EQ(orphan.GetAxis(), nullptr);
  EXPECT_EQ(orphan.GetParentChart(), nullptr);

  TChart target;
  TPlotCustomToolAxis placed;
  placed.SetParentChart(&target);
  read(placed);
  EXPECT_EQ(placed.GetAxis(), target.GetRightAxis());

  // An index past the target's axes (a custom axis of the writer's chart)
  // leaves the tool without an axis.
  TChartAxis* custom = source.GetCustomAxes()->Add();
  written.SetAxis(custom);
  binary.Clear();
  {
    TWriter w(&binary);
    w.WriteRootComponent(&written);
  }
  TPlotCustomToolAxis beyond;
  beyond.SetParentChart(&target);
  read(beyond);
  EXPECT_EQ(beyond.GetAxis(), nullptr);
  for (TPlotCustomTool* t :
       {static_cast<TPlotCustomTool*>(&written), static_cast<TPlotCustomTool*>(&placed),
        static_cast<TPlotCustomTool*>(&beyond)})
    t->SetParentChart(nullptr);
}

TEST(ChartTools, AChartWritesItsToolsAsChildrenAndReadsThemBackOnItsAxes) {
  RegisterClass(TPlotCustomToolAxis::Class());
  TChart source;
  source.SetName("Chart1");
  auto* tool = source.GetTools()->Add<TPlotCustomToolAxis>();
  tool->SetName("AxisTool1");
  tool->SetAxis(source.GetBottomAxis());
  TMemoryStream binary;
  {
    TWriter w(&binary);
    w.WriteRootComponent(&source);
  }
  binary.SetPosition(0);
  TChart loaded;
  {
    TReader r(&binary);
    r.ReadRootComponent(&loaded);
  }
  UnRegisterClass(TPlotCustomToolAxis::Class());
  ASSERT_EQ(loaded.GetTools()->Count(), 1);
  auto* read = dynamic_cast<TPlotCustomToolAxis*>(loaded.GetTools()->Get(0));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->GetName(), "AxisTool1");
  EXPECT_EQ(read->GetAxis(), loaded.GetBottomAxis());
}

TEST(ChartTools, AChartFreesItsToolsAfterTheAxisToolsForgetTheirAxes) {
  struct TWatched : TPlotCustomToolAxis {
    using TPlotCustomToolAxis::TPlotCustomToolAxis;
    ~TWatched() override { *AxisWhenFreed = GetAxis(); }
    TChartAxis** AxisWhenFreed = nullptr;
  };
  TChartAxis* axisWhenFreed = reinterpret_cast<TChartAxis*>(1);
  bool animationFreed = false;
  struct TAnimation : TPlotCustomAnimation {
    using TPlotCustomAnimation::TPlotCustomAnimation;
    ~TAnimation() override { *Freed = true; }
    bool* Freed = nullptr;
  };
  {
    TChart chart;
    auto* tool = new TWatched(nullptr);
    tool->AxisWhenFreed = &axisWhenFreed;
    tool->SetAxis(chart.GetLeftAxis());
    auto* animation = chart.GetAnimations()->Add<TAnimation>();
    animation->Freed = &animationFreed;
    chart.Designer = std::make_unique<TPlotCustomDesigner>();
  }
  EXPECT_EQ(axisWhenFreed, nullptr);
  EXPECT_TRUE(animationFreed);
}

TEST(ChartTools, AToolJoiningAChartCopiesTheThemesToolOfItsFamily) {
  TChart chart;
  auto* theme = new TChart();
  chart.Theme = theme;
  auto* themed = theme->GetTools()->Add<TPlotCustomToolSeries>();
  themed->GetPen()->SetColor(clRed);
  auto* seriesTool = chart.GetTools()->Add<TPlotCustomToolSeries>();
  EXPECT_EQ(seriesTool->GetPen()->GetColor(), clRed);
  // No tool of the family in the theme: the theme gets a plain tool, and
  // the theme's first tool is copied.
  auto* axisTool = chart.GetTools()->Add<TPlotCustomToolAxis>();
  ASSERT_EQ(theme->GetTools()->Count(), 2);
  EXPECT_EQ(theme->GetTools()->Get(1)->ClassType(), TPlotCustomTool::Class());
  EXPECT_EQ(axisTool->GetPen()->GetColor(), clRed);
  EXPECT_TRUE(seriesTool->SameClass(themed));
  EXPECT_TRUE(seriesTool->SameClass(theme->GetTools()->Get(1)));
  EXPECT_FALSE(seriesTool->SameClass(axisTool));
}
