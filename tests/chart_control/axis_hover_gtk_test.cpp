// Hover of axis labels and series points fed through GTK motion and
// crossing events on a chart (run under xvfb-run), the leaving of the mouse,
// the values under the pointer, and where hovered labels are drawn.

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "chart/PlotHover.h"
#include "chart_fixture.h"
#include "tests/support/GdkInput.h"

namespace {

// A tool (or animation) that writes down the chart events it hears.
template <class Base>
class TEventRecorder : public Base {
 public:
  TEventRecorder(std::vector<std::string>* ALog, std::string AName)
      : Log(ALog), Name(std::move(AName)) {}
  void ChartEvent(TChartToolEvent AEvent) override {
    if (AEvent == cteMouseLeave) Log->push_back(Name + " leave");
  }
  std::vector<std::string>* Log;
  std::string Name;
};

bool Pump(const std::function<bool()>& Done, int Ms = 3000) {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(Ms);
  while (!Done() && std::chrono::steady_clock::now() < end) {
    while (gtk_events_pending()) gtk_main_iteration();
    g_usleep(1000);
  }
  return Done();
}

// The index of the label item holding Value, -1 when there is none.
int ItemOf(TChartAxis* Axis, double Value) {
  TAxisItems* items = Axis->GetItems();
  for (int i = 0; i < items->Count(); ++i)
    if (items->Get(i)->GetValue() == Value) return i;
  return -1;
}

int HoverOf(TChartAxis* Axis) { return Axis->GetItems()->GetSelected()->GetHoverIndex(); }

struct AxisHoverOnScreen : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(gtk_init_check(nullptr, nullptr)) << "needs a display";
    F.Chart.SetHoverVisible(true);
    F.Chart.GetBottomAxis()->SetMinMax(0, 10);
    F.Chart.GetLeftAxis()->SetMinMax(0, 100);
    F.Chart.GetLeftAxis()->SetDesiredIncrement(20);
    F.Chart.GetBottomAxis()->SetDesiredIncrement(2);
    Line = &F.Add<TLineSeries>({1, 20, 5, 80, 9, 40});
    Window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_default_size(GTK_WINDOW(Window), TChartFixture::kWidth, TChartFixture::kHeight);
    gtk_container_add(GTK_CONTAINER(Window), F.Chart.Handle());
    gtk_widget_show_all(Window);
    ASSERT_TRUE(Pump([&] {
      return F.Chart.ChartRect.Right > F.Chart.ChartRect.Left && ItemOf(Left(), 60) != -1;
    }));
    Input = std::make_unique<TGdkInput>(F.Chart.Handle());
  }
  void TearDown() override {
    if (Window) gtk_widget_destroy(Window);
    Pump([] { return false; }, 20);
  }
  TChartAxis* Left() { return F.Chart.GetLeftAxis(); }
  TChartAxis* Bottom() { return F.Chart.GetBottomAxis(); }
  // Just inside the label of Value: left of the left axis' label line,
  // below the bottom axis' one.
  TPoint LabelPoint(TChartAxis* Axis, double Value) {
    if (Axis == Left()) return TPoint{Axis->FPosLabels - 3, Axis->CalcYPosValue(Value)};
    return TPoint{Axis->CalcXPosValue(Value), Axis->FPosLabels + 3};
  }
  TPoint EmptySpace() const {
    return TPoint{F.Chart.ChartRect.Left + 6, F.Chart.ChartRect.Top + 6};
  }
  TPoint PointOf(int Index) const { return TPoint{Line->CalcXPos(Index), Line->CalcYPos(Index)}; }
  void Move(TPoint P) { Input->Move(P.X, P.Y); }

  TChartFixture F;
  TLineSeries* Line = nullptr;
  GtkWidget* Window = nullptr;
  std::unique_ptr<TGdkInput> Input;
};

TEST_F(AxisHoverOnScreen, MovingOverALabelHoversItAndMovingOffClearsIt) {
  struct Case {
    TChartAxis* Axis;
    TChartAxis* Other;
    double Value;
  };
  for (const Case& k : {Case{Left(), Bottom(), 60}, Case{Bottom(), Left(), 4}}) {
    const int item = ItemOf(k.Axis, k.Value);
    ASSERT_NE(item, -1) << k.Value;
    Move(LabelPoint(k.Axis, k.Value));
    EXPECT_EQ(HoverOf(k.Axis), item) << k.Value;
    EXPECT_EQ(HoverOf(k.Other), -1) << k.Value;
    Move(EmptySpace());
    EXPECT_EQ(HoverOf(k.Axis), -1) << k.Value;
  }
  // Next to a label, on the tick side of the label line, nothing is hit.
  const TPoint p = LabelPoint(Left(), 60);
  Move(TPoint{Left()->FPosLabels + 2, p.Y});
  EXPECT_EQ(HoverOf(Left()), -1);
}

TEST_F(AxisHoverOnScreen, NoLabelHoverWhileTheChartsHoverOrTheLabelsHoverLookIsOff) {
  const TPoint p = LabelPoint(Left(), 60);
  F.Chart.SetHoverVisible(false);
  Move(p);
  EXPECT_EQ(HoverOf(Left()), -1);
  EXPECT_FALSE(F.Chart.CheckMouseAxes(p.X, p.Y));
  F.Chart.SetHoverVisible(true);
  Left()->GetLabels()->GetSelected()->GetHover()->SetVisible(false);
  Move(p);
  EXPECT_EQ(HoverOf(Left()), -1);
  EXPECT_FALSE(F.Chart.CheckMouseAxes(p.X, p.Y));
  Left()->GetLabels()->GetSelected()->GetHover()->SetVisible(true);
  EXPECT_TRUE(F.Chart.CheckMouseAxes(p.X, p.Y));
}

TEST_F(AxisHoverOnScreen, MovingOverAPointHoversItThroughTheSeriesOwnMouseCheck) {
  Line->GetSelected();  // the series' hover look, visible once made
  int enters = 0;
  Line->OnMouseEnter = [&](TObject*) { ++enters; };
  Move(PointOf(1));
  EXPECT_EQ(Line->GetSelected()->GetHoverIndex(), 1);
  EXPECT_EQ(enters, 1);
  Move(EmptySpace());
  EXPECT_EQ(Line->GetSelected()->GetHoverIndex(), -1);
}

TEST_F(AxisHoverOnScreen, LeavingClearsEveryHoverAndTellsToolsAndAnimations) {
  std::vector<std::string> log;
  TEventRecorder<TPlotCustomTool> tool(&log, "tool"), idle(&log, "idle");
  TEventRecorder<TPlotCustomAnimation> animation(&log, "animation");
  idle.SetActive(false);
  F.Chart.GetTools()->Add(&tool);
  F.Chart.GetTools()->Add(&idle);
  F.Chart.GetAnimations()->Add(&animation);
  Line->GetSelected();
  Move(PointOf(1));
  ASSERT_EQ(Line->GetSelected()->GetHoverIndex(), 1);
  Bottom()->GetItems()->GetSelected()->SetHoverIndex(2);
  Left()->GetItems()->GetSelected()->SetHoverIndex(3);
  Input->Leave();
  EXPECT_EQ(Line->GetSelected()->GetHoverIndex(), -1);
  EXPECT_EQ(HoverOf(Bottom()), -1);
  EXPECT_EQ(HoverOf(Left()), -1);
  EXPECT_EQ(log, (std::vector<std::string>{"tool leave", "animation leave"}));
  F.Chart.GetTools()->Remove(&tool);
  F.Chart.GetTools()->Remove(&idle);
  F.Chart.GetAnimations()->Remove(&animation);
}

TEST_F(AxisHoverOnScreen, CursorValuesAndIndexFollowThePointer) {
  int ox = 0, oy = 0;
  gdk_window_get_origin(gtk_widget_get_window(F.Chart.Handle()), &ox, &oy);
  GdkDevice* pointer =
      gdk_seat_get_pointer(gdk_display_get_default_seat(gdk_display_get_default()));
  const TPoint at = PointOf(1);
  gdk_device_warp(pointer, gdk_screen_get_default(), ox + at.X, oy + at.Y);
  ASSERT_TRUE(Pump([&] { return F.Chart.ScreenToClientCursor() == at; }));
  double x = 0, y = 0;
  Line->GetCursorValues(x, y);
  // One pixel is 10 / width and 100 / height of the chart rectangle.
  EXPECT_NEAR(x, 5, 10.0 / F.Chart.ChartRect.Width());
  EXPECT_NEAR(y, 80, 100.0 / F.Chart.ChartRect.Height());
  EXPECT_EQ(Line->GetCursorValueIndex(), 1);
  const TPoint empty = EmptySpace();
  gdk_device_warp(pointer, gdk_screen_get_default(), ox + empty.X, oy + empty.Y);
  ASSERT_TRUE(Pump([&] { return F.Chart.ScreenToClientCursor() == empty; }));
  EXPECT_EQ(Line->GetCursorValueIndex(), -1);
  Line->GetCursorValues(x, y);
  EXPECT_NEAR(x, Bottom()->CalcPosPoint(empty.X), 1e-9);
  EXPECT_NEAR(y, Left()->CalcPosPoint(empty.Y), 1e-9);
}

TEST(CursorValues, ASeriesWithoutAChartHasNone) {
  TLineSeries s;
  s.AddXY(1, 2);
  double x = 7, y = 7;
  s.GetCursorValues(x, y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  EXPECT_EQ(s.GetCursorValueIndex(), -1);
}

// ---------------- drawn labels ----------------

struct DrawnLabels : ::testing::Test {
  void SetUp() override {
    F.Chart.GetBottomAxis()->SetMinMax(0, 10);
    F.Chart.GetLeftAxis()->SetMinMax(0, 100);
    F.Chart.GetLeftAxis()->SetDesiredIncrement(20);
    F.Chart.GetBottomAxis()->SetDesiredIncrement(2);
    F.Chart.GetRightAxis()->SetMinMax(0, 100);
    F.Chart.GetRightAxis()->SetDesiredIncrement(20);
    F.Chart.GetTopAxis()->SetMinMax(0, 10);
    F.Chart.GetTopAxis()->SetDesiredIncrement(2);
    F.Chart.GetLegend()->SetVisible(false);
    auto& a = F.Add<TLineSeries>({1, 20, 9, 40});
    auto& b = F.Add<TLineSeries>({1, 20, 9, 40});
    b.SetHorizAxis(aTopAxis);
    b.SetVertAxis(aRightAxis);
    (void)a;
    F.Draw();
  }
  bool Ink(int X, int Y) { return F.Pixel(X, Y) != clWhite; }
  // The ink pixels of the band around item Index of Axis: along the axis
  // up to half the label spacing either way, across it on the labels' side
  // of the label line, inside the panel's frame.
  std::vector<TPoint> InkAround(TChartAxis* Axis, int Index, int HalfSpacing) {
    const int pos = Axis->GetItems()->Get(Index)->FLabelPos;
    const int line = Axis->FPosLabels;
    const bool horizontal = Axis->GetHorizontal();
    const bool before = Axis->GetOtherSide() == horizontal;  // left or above the line
    std::vector<TPoint> ink;
    for (int a = pos - HalfSpacing + 1; a < pos + HalfSpacing; ++a)
      for (int d = 0; d < 60; ++d) {
        const int across = before ? line - 1 - d : line + d;
        const TPoint p = horizontal ? TPoint{a, across} : TPoint{across, a};
        // The panel's frame runs along its edges.
        if (p.X < 4 || p.Y < 4 || p.X >= TChartFixture::kWidth - 4 ||
            p.Y >= TChartFixture::kHeight - 4)
          continue;
        if (Ink(p.X, p.Y)) ink.push_back(p);
      }
    return ink;
  }
  TChartFixture F;
};

TEST_F(DrawnLabels, EveryLabelsInkLiesInItsHitRectangleOnAllFourSides) {
  for (TChartAxis* axis : {F.Chart.GetLeftAxis(), F.Chart.GetRightAxis(), F.Chart.GetTopAxis(),
                           F.Chart.GetBottomAxis()}) {
    TAxisItems* items = axis->GetItems();
    ASSERT_GE(items->Count(), 3);
    const int spacing = std::abs(items->Get(2)->FLabelPos - items->Get(1)->FLabelPos);
    items->InitCalcRect();
    const TRect r = items->RectOf(1);
    const std::vector<TPoint> ink = InkAround(axis, 1, spacing / 2);
    ASSERT_FALSE(ink.empty()) << axis->GetHorizontal() << axis->GetOtherSide();
    for (const TPoint& p : ink)
      EXPECT_TRUE(p.X >= r.Left - 1 && p.X <= r.Right && p.Y >= r.Top - 1 && p.Y <= r.Bottom)
          << "horizontal " << axis->GetHorizontal() << " other side " << axis->GetOtherSide()
          << " ink " << p.X << "," << p.Y << " rect " << r.Left << "," << r.Top << " " << r.Right
          << "," << r.Bottom;
  }
}

TEST_F(DrawnLabels, TurnedLabelsSwapTheirRectanglesSides) {
  TChartAxis* left = F.Chart.GetLeftAxis();
  TAxisItems* items = left->GetItems();
  const int item = ItemOf(left, 80);
  ASSERT_NE(item, -1);
  items->InitCalcRect();
  const TRect flat = items->RectOf(item);
  EXPECT_EQ(flat.Right, left->FPosLabels);
  left->SetLabelsAngle(90);
  F.Draw();
  items->InitCalcRect();
  // "80" turned: its width runs along the axis, one text row across it,
  // still ending at the label line.
  const TRect turned = items->RectOf(ItemOf(left, 80));
  EXPECT_EQ(turned.Height(), flat.Width());
  EXPECT_EQ(turned.Width(), flat.Height());
  EXPECT_EQ(turned.Right, left->FPosLabels);
}

TEST_F(DrawnLabels, TheHoveredLabelIsDrawnBoldAtTheLabelsSize) {
  TChartAxis* left = F.Chart.GetLeftAxis();
  left->GetLabelsFont()->SetSize(12);
  F.Draw();
  TAxisItems* items = left->GetItems();
  const int spacing = std::abs(items->Get(2)->FLabelPos - items->Get(1)->FLabelPos);
  const size_t plain = InkAround(left, 2, spacing / 2).size();
  const size_t neighbour = InkAround(left, 1, spacing / 2).size();
  items->GetSelected()->SetHoverIndex(2);
  // The chart's hover switched off, the look is not shown.
  F.Draw();
  EXPECT_EQ(InkAround(left, 2, spacing / 2).size(), plain);
  F.Chart.SetHoverVisible(true);
  F.Draw();
  EXPECT_GT(InkAround(left, 2, spacing / 2).size(), plain);
  EXPECT_EQ(InkAround(left, 1, spacing / 2).size(), neighbour);
  EXPECT_EQ(items->GetSelected()->GetHover()->GetFont()->GetSize(), 12);
  EXPECT_TRUE(items->GetSelected()->GetHover()->GetFont()->GetStyle() & FontStyleBit(fsBold));
}

}  // namespace
