// The axis panel's drawing pass: the order of its events and drawing
// steps, axes and titles without series, the series' order and marks on
// top, parallel pre-computation, 3D sizes and depth orders, and the
// rotation flags.

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "chart/PlotCanvas3D.h"
#include "tests/support/AxisPanelFixture.h"

namespace {

const char* ToolEventName(TChartToolEvent E) {
  static const char* names[] = {"AfterDraw",      "BeforeDrawSeries", "BeforeDraw",
                                "BeforeDrawAxes", "AfterDrawSeries",  "MouseLeave"};
  return names[E];
}

// A panel that logs the pass' steps: tool and animation events, walls,
// user events and each axis it draws.
class TPassPanel : public TTestAxisPanel {
 public:
  TPassPanel() {
    SetBounds(0, 0, 400, 300);
    OnBeforeDrawChart = [this](TObject*) { Log.push_back("OnBeforeDrawChart"); };
    OnBeforeDrawAxes = [this](TObject*) { Log.push_back("OnBeforeDrawAxes"); };
    OnBeforeDrawSeries = [this](TObject*) { Log.push_back("OnBeforeDrawSeries"); };
    OnAfterDraw = [this](TObject*) { Log.push_back("OnAfterDraw"); };
    for (TChartAxis* a : GetAxes()->Items())
      a->OnDrawAxis = [this, a](TObject*) { Log.push_back("axis " + a->IAxisID); };
  }
  void BroadcastToolEvent(TChartToolEvent E) override {
    Log.push_back(std::string("tool ") + ToolEventName(E));
  }
  void BroadcastAnimationEvent(TChartToolEvent E) override {
    Log.push_back(std::string("animation ") + ToolEventName(E));
  }
  void DrawWalls() override { Log.push_back("walls"); }
  std::vector<std::string> Log;
};

// A series that logs its drawing; its marks can be on top.
class TLogSeries : public TChartSeries {
 public:
  TLogSeries(std::vector<std::string>& ALog, std::string AName)
      : Log(ALog), Name(std::move(AName)) {
    for (int i = 0; i < 3; ++i) AddXY(i, i);
  }
  void DrawAllValues() override { Log.push_back(Name + " values"); }
  bool HasMarksToDraw() const override { return true; }
  bool MarksOnTop() const override { return OnTop; }
  void DrawMarks() override { Log.push_back(Name + " marks"); }
  bool DrawSeriesAscending() const override { return Ascending; }
  bool CanBeforeParallel() const override { return true; }
  void DoBeforeParallel() override {
    ++Precomputed;
    Thread = std::this_thread::get_id();
  }
  std::vector<std::string>& Log;
  std::string Name;
  bool OnTop = false;
  bool Ascending = true;
  int Precomputed = 0;
  std::thread::id Thread;
};

std::vector<std::string> Only(const std::vector<std::string>& Log, const std::string& Prefix) {
  std::vector<std::string> out;
  for (const std::string& s : Log)
    if (s.compare(0, Prefix.size(), Prefix) == 0) out.push_back(s);
  return out;
}

TEST(AxisPass, EventsComeInTheirOrderWithAxesBehindAndInFront) {
  struct TCase {
    bool Behind;
    std::vector<std::string> Expected;
  };
  const std::vector<std::string> start = {"tool BeforeDraw", "animation BeforeDraw",
                                          "OnBeforeDrawChart", "walls"};
  const std::vector<std::string> axes = {"tool BeforeDrawAxes", "animation BeforeDrawAxes",
                                         "OnBeforeDrawAxes", "axis Bottom", "axis Left"};
  const std::vector<std::string> series = {"tool BeforeDrawSeries",
                                           "animation BeforeDrawSeries",
                                           "OnBeforeDrawSeries",
                                           "S values",
                                           "S marks",
                                           "tool AfterDrawSeries",
                                           "animation AfterDrawSeries"};
  const std::vector<std::string> end = {"tool AfterDraw", "animation AfterDraw", "OnAfterDraw"};
  auto join = [](std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
  };
  const TCase cases[] = {{true, join({start, axes, series, end})},
                         {false, join({start, series, axes, end})}};
  for (const TCase& c : cases) {
    TPassPanel panel;
    TLogSeries s(panel.Log, "S");
    s.SetParentChart(&panel);
    panel.SetAxisBehind(c.Behind);
    panel.Log.clear();
    panel.Draw();
    EXPECT_EQ(panel.Log, c.Expected) << c.Behind;
    s.SetParentChart(nullptr);
  }
}

TEST(AxisPass, ChartWithoutSeriesDrawsAxesAndTitles) {
  TPassPanel panel;
  panel.Title->SetCaption("Speed");
  panel.Draw();
  EXPECT_EQ(Only(panel.Log, "axis"),
            (std::vector<std::string>{"axis Bottom", "axis Top", "axis Left", "axis Right"}));
  // The title took its room at the top of the chart rectangle.
  EXPECT_GT(panel.ChartRect.Top, panel.Title->ShapeBounds.Bottom);
  EXPECT_GT(panel.Title->GetWidth(), 0);
}

TEST(AxisPass, In2DTheBackWallNeverComesAfterTheSeries) {
  TPassPanel panel;
  panel.Draw();
  EXPECT_FALSE(panel.DrawBackWallAfter(0));
  EXPECT_FALSE(panel.DrawBackWallAfter(50));
  EXPECT_EQ(Only(panel.Log, "axis").front(), "axis Bottom");
}

TEST(AxisPass, APropertyChangedWhileDrawingStartsNoSecondPass) {
  TPassPanel panel;
  panel.OnBeforeDrawSeries = [&](TObject*) { panel.SetClipPoints(!panel.GetClipPoints()); };
  auto* canvas = dynamic_cast<TPlotCanvas3D*>(panel.GetCanvas());
  ASSERT_NE(canvas, nullptr);
  const bool clip = panel.GetClipPoints();
  panel.Draw();
  EXPECT_NE(panel.GetClipPoints(), clip);
  EXPECT_FALSE(canvas->GetDirty());
  EXPECT_TRUE(panel.AutoRepaint);
  // Outside the pass the same change repaints.
  panel.OnBeforeDrawSeries = nullptr;
  panel.SetClipPoints(clip);
  EXPECT_TRUE(canvas->GetDirty());
}

TEST(AxisPass, SeriesDrawInTheFirstSeriesOrderAndMarksOnTopAfterAll) {
  struct TCase {
    bool Ascending;
    std::vector<std::string> Expected;
  };
  const TCase cases[] = {{true, {"A values", "B values", "B marks", "A marks"}},
                         {false, {"B values", "B marks", "A values", "A marks"}}};
  for (const TCase& c : cases) {
    TPassPanel panel;
    panel.SetView3D(false);
    TLogSeries a(panel.Log, "A"), b(panel.Log, "B");
    a.OnTop = true;
    a.Ascending = c.Ascending;
    a.SetParentChart(&panel);
    b.SetParentChart(&panel);
    panel.Draw();
    std::vector<std::string> drawing;
    for (const std::string& s : panel.Log)
      if (s[0] == 'A' || s[0] == 'B') drawing.push_back(s);
    EXPECT_EQ(drawing, c.Expected) << c.Ascending;
    b.SetActive(false);
    panel.Log.clear();
    panel.Draw();
    EXPECT_TRUE(Only(panel.Log, "B").empty());
    a.SetParentChart(nullptr);
    b.SetParentChart(nullptr);
  }
}

TEST(AxisPass, PrecomputationRunsInlineUnlessThreadsAreAboveOne) {
  for (int threads : {0, 1, 2}) {
    TPassPanel panel;
    TLogSeries a(panel.Log, "A"), b(panel.Log, "B");
    a.SetParentChart(&panel);
    b.SetParentChart(&panel);
    panel.ParallelThreads = threads;
    panel.Draw();
    EXPECT_EQ(a.Precomputed, 1) << threads;
    EXPECT_EQ(b.Precomputed, 1) << threads;
    const bool inline_ = a.Thread == std::this_thread::get_id();
    EXPECT_EQ(inline_, threads <= 1) << threads;
    a.SetParentChart(nullptr);
    b.SetParentChart(nullptr);
  }
}

TEST(AxisPass, ThreeDSizesAndDepthOrders) {
  TPassPanel panel;
  std::vector<std::string> log;
  TLogSeries a(log, "A"), b(log, "B"), c(log, "C");
  for (TLogSeries* s : {&a, &b, &c}) s->SetParentChart(&panel);
  panel.SetView3D(false);
  panel.Draw();
  EXPECT_EQ(panel.Width3D, 0);
  EXPECT_EQ(panel.FSeriesWidth3D, 0);
  EXPECT_EQ(a.GetZOrder(), 0);
  EXPECT_EQ(c.GetZOrder(), 0);

  panel.SetView3D(true);
  panel.GetView3DOptions()->SetOrthogonal(true);
  panel.Draw();
  // The first series sits at the back.
  EXPECT_EQ(panel.GetMaxZOrder(), 2);
  EXPECT_EQ(a.GetZOrder(), 2);
  EXPECT_EQ(b.GetZOrder(), 1);
  EXPECT_EQ(c.GetZOrder(), 0);
  const double ratio = panel.GetView3DOptions()->CalcOrthoRatio();
  EXPECT_GT(panel.FSeriesWidth3D, 0);
  EXPECT_EQ(panel.FSeriesHeight3D, int(std::nearbyint(panel.FSeriesWidth3D * ratio)));
  EXPECT_EQ(panel.Width3D, 3 * panel.FSeriesWidth3D);
  EXPECT_EQ(panel.Height3D, 3 * panel.FSeriesHeight3D);
  for (TLogSeries* s : {&a, &b, &c}) s->SetParentChart(nullptr);
}

TEST(AxisPass, SeriesWidthIsAShareOfTheChartWidth) {
  TPassPanel panel;
  panel.SetView3D(true);
  panel.GetView3DOptions()->SetOrthogonal(true);
  panel.GetView3DOptions()->SetOrthoAngle(45);
  panel.ChartWidth = 400;
  panel.SetMaxZOrder(0);
  panel.CalcSize3DWalls();
  EXPECT_EQ(panel.FSeriesWidth3D, 6);  // 400 × 15 × 0.001
  panel.GetView3DOptions()->SetOrthogonal(false);
  panel.CalcSize3DWalls();
  EXPECT_EQ(panel.FSeriesWidth3D, 12);  // doubled when turned freely
}

TEST(AxisPass, InvertedRotationFollowsTheView) {
  struct TCase {
    bool View3D, Orthogonal;
    int Angle;
    bool Inverted;
  };
  const TCase cases[] = {{false, false, 100, false},
                         {true, true, 45, false},
                         {true, true, 100, true},
                         {true, false, 179, true},
                         {true, false, 345, false}};
  for (const TCase& c : cases) {
    TPassPanel panel;
    panel.SetView3D(c.View3D);
    TView3DOptions* o = panel.GetView3DOptions();
    o->SetOrthogonal(c.Orthogonal);
    if (c.Orthogonal)
      o->SetOrthoAngle(c.Angle);
    else
      o->SetRotation(c.Angle);
    panel.CalcInvertedRotation();
    EXPECT_EQ(panel.InvertedRotation, c.Inverted) << c.Angle;
  }
}

}  // namespace
