// The chart's mouse handling fed through GTK button events on its drawing
// area (run under xvfb-run): a click on a series point, on empty space, the
// start of zoom and panning, and what tools and animations hear.

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "chart/SeriesPointer.h"
#include "chart_fixture.h"
#include "tests/support/GdkInput.h"

namespace {

// A tool (or animation) that writes down what it hears and may cancel the
// mouse.
template <class Base>
class TRecorder : public Base {
 public:
  TRecorder(TCustomChart* AChart, std::vector<std::string>* ALog, std::string AName)
      : Chart(AChart), Log(ALog), Name(std::move(AName)) {}
  void ChartMouseEvent(TChartMouseEvent AEvent, TMouseButton, TShiftState, int X, int Y) override {
    const char* kinds[] = {"down", "move", "up"};
    Log->push_back(Name + " " + kinds[AEvent] + " " + std::to_string(X) + "," + std::to_string(Y));
    if (Cancel) Chart->CancelMouse = true;
  }
  TCustomChart* Chart;
  std::vector<std::string>* Log;
  std::string Name;
  bool Cancel = false;
};
using TRecordingTool = TRecorder<TPlotCustomTool>;
using TRecordingAnimation = TRecorder<TPlotCustomAnimation>;

struct ChartOnScreen : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(gtk_init_check(nullptr, nullptr)) << "needs a display";
    F.Chart.GetBottomAxis()->SetMinMax(0, 10);
    F.Chart.GetLeftAxis()->SetMinMax(0, 100);
    Line = &F.Add<TLineSeries>({1, 20, 5, 80, 9, 40});
    Line->GetPointer()->SetVisible(true);
    Window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_default_size(GTK_WINDOW(Window), TChartFixture::kWidth, TChartFixture::kHeight);
    gtk_container_add(GTK_CONTAINER(Window), F.Chart.Handle());
    gtk_widget_show_all(Window);
    ASSERT_TRUE(Pump([&] { return F.Chart.ChartRect.Right > F.Chart.ChartRect.Left; }));
    Input = std::make_unique<TGdkInput>(F.Chart.Handle());
  }
  void TearDown() override {
    if (Window) gtk_widget_destroy(Window);
    Pump([] { return false; }, 20);
  }
  static bool Pump(const std::function<bool()>& Done, int Ms = 3000) {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(Ms);
    while (!Done() && std::chrono::steady_clock::now() < end) {
      while (gtk_events_pending()) gtk_main_iteration();
      g_usleep(1000);
    }
    return Done();
  }
  TPoint PointOf(int Index) const { return TPoint{Line->CalcXPos(Index), Line->CalcYPos(Index)}; }
  TPoint EmptySpace() const {
    return TPoint{F.Chart.ChartRect.Left + 6, F.Chart.ChartRect.Top + 6};
  }
  // A press and its release at P with GDK button B (1 left, 3 right).
  void Click(TPoint P, unsigned B = 1) {
    Input->Press(P.X, P.Y, B);
    Input->Release(P.X, P.Y, B);
  }

  TChartFixture F;
  TLineSeries* Line = nullptr;
  GtkWidget* Window = nullptr;
  std::unique_ptr<TGdkInput> Input;
  std::vector<std::string> Log;
};

}  // namespace

TEST_F(ChartOnScreen, ClickOnAPointRunsTheSeriesThenOnClickSeriesAndNothingMore) {
  F.Chart.GetZoom()->SetAllow(false);
  F.Chart.SetAllowPanning(pmNone);
  Line->OnClick = [&](TChartSeries*, int Index, TMouseButton, TShiftState, int, int) {
    Log.push_back("series " + std::to_string(Index));
  };
  F.Chart.OnClickSeries = [&](TCustomChart*, TChartSeries* S, int Index, TMouseButton B,
                              TShiftState, int, int) {
    EXPECT_EQ(S, Line);
    EXPECT_EQ(B, mbLeft);
    Log.push_back("chart " + std::to_string(Index));
  };
  F.Chart.OnClickBackGround = [&](TCustomChart*, TMouseButton, TShiftState, int, int) {
    Log.push_back("background");
  };
  Click(PointOf(1));
  EXPECT_EQ(Log, (std::vector<std::string>{"series 1", "chart 1"}));
  EXPECT_FALSE(F.Chart.GetZoom()->GetActive());
  EXPECT_FALSE(F.Chart.CancelMouse);
}

TEST_F(ChartOnScreen, EmptySpaceWithOnlyOnClickBackgroundCallsItOnce) {
  int calls = 0;
  TPoint at;
  F.Chart.OnClickBackGround = [&](TCustomChart*, TMouseButton, TShiftState, int X, int Y) {
    ++calls;
    at = TPoint{X, Y};
  };
  Click(EmptySpace());
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(at, EmptySpace());
  // A handler that clears CancelMouse lets the click go on: inside the
  // chart rectangle the background click then runs a second time.
  F.Chart.GetZoom()->SetAllow(false);
  F.Chart.SetAllowPanning(pmNone);
  F.Chart.OnClickBackGround = [&](TCustomChart* C, TMouseButton, TShiftState, int, int) {
    ++calls;
    C->CancelMouse = false;
  };
  calls = 0;
  Click(EmptySpace());
  EXPECT_EQ(calls, 2);
}

TEST_F(ChartOnScreen, ZoomAndPanningStartOnlyWhenAllowed) {
  // As the RPM chart has it: no zoom, no panning, whatever the button.
  F.Chart.GetZoom()->SetAllow(false);
  F.Chart.SetAllowPanning(pmNone);
  for (unsigned b : {1u, 3u}) {
    Input->Press(EmptySpace().X, EmptySpace().Y, b);
    EXPECT_FALSE(F.Chart.GetZoom()->GetActive()) << b;
    EXPECT_FALSE(F.Chart.GetPanning()->GetActive()) << b;
    Input->Release(EmptySpace().X, EmptySpace().Y, b);
  }
  // The defaults: the left button starts the zoom, the right one panning.
  F.Chart.GetZoom()->SetAllow(true);
  F.Chart.SetAllowPanning(pmBoth);
  Input->Press(EmptySpace().X, EmptySpace().Y, 1);
  EXPECT_TRUE(F.Chart.GetZoom()->GetActive());
  EXPECT_EQ(F.Chart.GetZoom()->X0, EmptySpace().X);
  Input->Release(EmptySpace().X, EmptySpace().Y, 1);
  EXPECT_FALSE(F.Chart.GetZoom()->GetActive());
  Input->Press(EmptySpace().X, EmptySpace().Y, 3);
  EXPECT_TRUE(F.Chart.GetPanning()->GetActive());
  Input->Release(EmptySpace().X, EmptySpace().Y, 3);
  EXPECT_FALSE(F.Chart.GetPanning()->GetActive());
  // A vertical-only zoom spans the chart rectangle's width.
  F.Chart.GetZoom()->SetDirection(tzdVertical);
  Input->Press(EmptySpace().X + 20, EmptySpace().Y, 1);
  EXPECT_EQ(F.Chart.GetZoom()->X0, F.Chart.ChartRect.Left);
  EXPECT_EQ(F.Chart.GetZoom()->X1, F.Chart.ChartRect.Right);
  Input->Release(EmptySpace().X + 20, EmptySpace().Y, 1);
}

TEST_F(ChartOnScreen, ToolsHearTheMouseAndOneThatCancelsEndsTheClick) {
  TRecordingTool tool(&F.Chart, &Log, "tool"), idle(&F.Chart, &Log, "idle");
  TRecordingAnimation animation(&F.Chart, &Log, "animation");
  idle.SetActive(false);
  F.Chart.GetTools()->Add(&idle);
  F.Chart.GetTools()->Add(&tool);
  F.Chart.GetAnimations()->Add(&animation);
  int background = 0;
  F.Chart.OnClickBackGround = [&](TCustomChart*, TMouseButton, TShiftState, int, int) {
    ++background;
  };
  const TPoint p = EmptySpace();
  const std::string at = std::to_string(p.X) + "," + std::to_string(p.Y);
  tool.Cancel = true;
  Click(p);
  // The animation hears the press although the tool cancelled it.
  EXPECT_EQ(Log, (std::vector<std::string>{"tool down " + at, "animation down " + at,
                                           "tool up " + at, "animation up " + at}));
  EXPECT_EQ(background, 0);
  tool.Cancel = false;
  Click(p);
  EXPECT_EQ(background, 1);
  F.Chart.GetTools()->Remove(&tool);
  F.Chart.GetTools()->Remove(&idle);
  F.Chart.GetAnimations()->Remove(&animation);
}

// Each GDK event reaches the chart once: a motion is one MouseMove, and a
// double click as GDK queues it (press, release, press, double press,
// release) is two presses, two releases and one DblClick.
TEST_F(ChartOnScreen, EachGdkEventReachesTheChartOnce) {
  F.Chart.GetZoom()->SetAllow(false);
  F.Chart.SetAllowPanning(pmNone);
  int moves = 0, downs = 0, doubleDowns = 0, ups = 0, dblClicks = 0, backgrounds = 0;
  F.Chart.OnMouseMove = [&](TObject*, TShiftState, int, int) { ++moves; };
  F.Chart.OnMouseDown = [&](TObject*, TMouseButton, TShiftState Shift, int, int) {
    ++downs;
    if (Shift & ssDouble) ++doubleDowns;
  };
  F.Chart.OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { ++ups; };
  F.Chart.OnDblClick = [&](TObject*) { ++dblClicks; };
  F.Chart.OnClickBackGround = [&](TCustomChart*, TMouseButton, TShiftState, int, int) {
    ++backgrounds;
  };
  const TPoint p = EmptySpace();
  Input->Move(p.X, p.Y);
  Input->Move(p.X + 3, p.Y + 2);
  EXPECT_EQ(moves, 2);

  GdkWindow* window = gtk_widget_get_window(F.Chart.Handle());
  GdkDevice* pointer =
      gdk_seat_get_pointer(gdk_display_get_default_seat(gdk_display_get_default()));
  for (GdkEventType type : {GDK_BUTTON_PRESS, GDK_BUTTON_RELEASE, GDK_BUTTON_PRESS,
                            GDK_2BUTTON_PRESS, GDK_BUTTON_RELEASE}) {
    GdkEvent* e = gdk_event_new(type);
    e->button.window = GDK_WINDOW(g_object_ref(window));
    e->button.button = 1;
    e->button.x = p.X + 3;
    e->button.y = p.Y + 2;
    e->button.state = type == GDK_BUTTON_RELEASE ? GDK_BUTTON1_MASK : 0;
    gdk_event_set_device(e, pointer);
    gdk_event_put(e);
    gdk_event_free(e);
  }
  Pump([&] { return ups == 2; });
  Pump([] { return false; }, 50);
  EXPECT_EQ(downs, 2);
  EXPECT_EQ(doubleDowns, 1) << "the second press is the double one";
  EXPECT_EQ(ups, 2);
  EXPECT_EQ(dblClicks, 1);
  EXPECT_EQ(backgrounds, 2);
  EXPECT_EQ(moves, 2);
}
