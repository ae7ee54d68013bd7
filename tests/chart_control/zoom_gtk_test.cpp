// Zoom, panning and the wheel fed through GTK events on the chart's drawing
// area (run under xvfb-run): zoom drags, the history, percentage zoom,
// panning, the wheel's settings, the rubber band's pixels, and a gallery
// picture of a zoomed chart with its band.

#include <string>
#include <vector>

#include "chart_screen.h"
#include "tests/support/DisplayLocks.h"
#include "tests/support/GalleryPng.h"

namespace {

struct TRange {
  double Min, Max;
};

TRange RangeOf(TChartAxis* A) { return TRange{A->GetMinimum(), A->GetMaximum()}; }

// The axis' limits, within rounding; What names the case.
template <class W>
void ExpectRange(TChartAxis* Axis, double Min, double Max, const W& What) {
  EXPECT_NEAR(Axis->GetMinimum(), Min, 1e-6) << What;
  EXPECT_NEAR(Axis->GetMaximum(), Max, 1e-6) << What;
}

// A tool that writes down the wheel events it hears.
class TWheelTool : public TPlotCustomTool {
 public:
  using TPlotCustomTool::TPlotCustomTool;
  void WheelMouseEvent(TWheelMouseEvent AEvent, int Delta, int X, int Y) override {
    const char* kinds[] = {"down", "move", "up"};
    Log.push_back(std::string(kinds[AEvent]) + " " + std::to_string(Delta) + " " +
                  std::to_string(X) + "," + std::to_string(Y));
  }
  std::vector<std::string> Log;
};

// The window's pixels as 24-bit rows.
std::vector<uint8_t> Pixels(TChart& Chart) {
  TBitmap copy;
  copy.SetPixelFormat(pf24bit);
  copy.SetSize(Chart.GetWidth(), Chart.GetHeight());
  copy.GetCanvas()->Draw(0, 0, Chart.GetSurface());
  std::vector<uint8_t> out;
  for (int y = 0; y < copy.GetHeight(); ++y) {
    const uint8_t* row = copy.GetScanLine(y);
    out.insert(out.end(), row, row + 3 * copy.GetWidth());
  }
  return out;
}

TColor PixelAt(const std::vector<uint8_t>& P, int Width, int X, int Y) {
  const uint8_t* p = &P[size_t(3 * (Y * Width + X))];
  return TColor(p[2] | (p[1] << 8) | (p[0] << 16));
}

}  // namespace

struct ZoomOnScreen : ChartScreen {
  void SetUp() override {
    ChartScreen::SetUp();
    Line->GetPointer()->SetVisible(false);
  }
};

TEST_F(ZoomOnScreen, DragTableZoomsUndoesOrDoesNothing) {
  enum TOutcome { Nothing, ZoomIn, Undo };
  struct TCase {
    const char* Name;
    TPlotZoomDirection Direction;
    bool UpLeftZooms;
    int Dx, Dy;
    TOutcome Outcome;
  };
  const TCase cases[] = {
      {"exactly MinimumPixels across", tzdBoth, false, 16, 40, Nothing},
      {"exactly MinimumPixels down", tzdBoth, false, 40, 16, Nothing},
      {"one pixel more each way", tzdBoth, false, 17, 17, ZoomIn},
      {"down and right", tzdBoth, false, 120, 90, ZoomIn},
      {"up and left undoes", tzdBoth, false, -60, -50, Undo},
      {"up and left zooms with UpLeftZooms", tzdBoth, true, -60, -50, ZoomIn},
      {"vertical only, down", tzdVertical, false, 0, 60, ZoomIn},
      {"vertical only, up undoes", tzdVertical, false, 0, -60, Undo},
      {"horizontal only, right", tzdHorizontal, false, 80, 0, ZoomIn},
      {"horizontal only, 16 pixels", tzdHorizontal, false, 16, 0, Nothing},
  };
  for (const TCase& c : cases) {
    ResetScales();
    F.Chart.GetZoom()->SetDirection(tzdBoth);
    if (c.Outcome == Undo)
      F.Chart.ZoomRect(TRect{Inside().X, Inside().Y, Inside().X + 90, Inside().Y + 70});
    Repaint();
    F.Chart.GetZoom()->SetDirection(c.Direction);
    F.Chart.GetZoom()->SetUpLeftZooms(c.UpLeftZooms);
    const TPoint from{F.Chart.ChartRect.Left + 100, F.Chart.ChartRect.Top + 80};
    const TPoint to{from.X + c.Dx, from.Y + c.Dy};
    const TRange bottom = RangeOf(Bottom()), left = RangeOf(Left());
    // What the axes give for the corners that the zoom keeps.
    const int x0 = c.Direction == tzdVertical ? F.Chart.ChartRect.Left : std::min(from.X, to.X);
    const int x1 = c.Direction == tzdVertical ? F.Chart.ChartRect.Right : std::max(from.X, to.X);
    const int y0 = c.Direction == tzdHorizontal ? F.Chart.ChartRect.Top : std::min(from.Y, to.Y);
    const int y1 = c.Direction == tzdHorizontal ? F.Chart.ChartRect.Bottom : std::max(from.Y, to.Y);
    const TRange zoomedBottom{Bottom()->CalcPosPoint(x0), Bottom()->CalcPosPoint(x1)};
    const TRange zoomedLeft{Left()->CalcPosPoint(y1), Left()->CalcPosPoint(y0)};

    DragMouse(from, to);
    EXPECT_FALSE(F.Chart.GetZoom()->GetActive()) << c.Name;
    switch (c.Outcome) {
      case Nothing:
        ExpectRange(Bottom(), bottom.Min, bottom.Max, c.Name);
        ExpectRange(Left(), left.Min, left.Max, c.Name);
        EXPECT_FALSE(F.Chart.GetZoomed()) << c.Name;
        break;
      case Undo:
        ExpectRange(Bottom(), 0, 10, c.Name);
        ExpectRange(Left(), 0, 100, c.Name);
        EXPECT_FALSE(F.Chart.GetZoomed()) << c.Name;
        EXPECT_TRUE(F.Chart.RestoredAxisScales) << c.Name;
        break;
      case ZoomIn:
        if (c.Direction == tzdVertical)
          ExpectRange(Bottom(), bottom.Min, bottom.Max, c.Name);
        else
          ExpectRange(Bottom(), zoomedBottom.Min, zoomedBottom.Max, c.Name);
        if (c.Direction == tzdHorizontal)
          ExpectRange(Left(), left.Min, left.Max, c.Name);
        else
          ExpectRange(Left(), zoomedLeft.Min, zoomedLeft.Max, c.Name);
        EXPECT_TRUE(F.Chart.GetZoomed()) << c.Name;
        break;
    }
  }
}

TEST_F(ZoomOnScreen, KeepAspectRatioZoomsToTheChartRectanglesProportions) {
  F.Chart.GetZoom()->SetKeepAspectRatio(true);
  const TRect r = F.Chart.ChartRect;
  const TPoint from = Inside();
  // Wide and flat: the band grows down to the chart's proportions, and the
  // release keeps that corner.
  DragMouse(from, TPoint{from.X + 120, from.Y + 20});
  TPlotZoom* zoom = F.Chart.GetZoom();
  const double ratio = double(r.Width()) / r.Height();
  EXPECT_EQ(zoom->X1 - zoom->X0, 120);
  EXPECT_NEAR(double(zoom->X1 - zoom->X0) / (zoom->Y1 - zoom->Y0), ratio, 0.05);
  EXPECT_TRUE(F.Chart.GetZoomed());
  EXPECT_NEAR((Bottom()->GetMaximum() - Bottom()->GetMinimum()) / 10,
              (Left()->GetMaximum() - Left()->GetMinimum()) / 100, 0.02);
}

TEST_F(ZoomOnScreen, HistoryStepsBackThroughEarlierZoomsToTheSavedScales) {
  F.Chart.GetZoom()->SetHistory(true);
  std::vector<std::pair<TRange, TRange>> ranges;
  const int shrink[] = {0, 30, 50};
  for (int s : shrink) {
    const TPoint from{F.Chart.ChartRect.Left + 20 + s, F.Chart.ChartRect.Top + 20 + s};
    const TPoint to{F.Chart.ChartRect.Right - 20 - s, F.Chart.ChartRect.Bottom - 20 - s};
    DragMouse(from, to);
    Repaint();
    ranges.push_back({RangeOf(Bottom()), RangeOf(Left())});
  }
  ASSERT_EQ(F.Chart.GetZoom()->GetAxesHistory().size(), 3u);
  EXPECT_LT(ranges[2].first.Max - ranges[2].first.Min, ranges[1].first.Max - ranges[1].first.Min);
  const TPoint from{F.Chart.ChartRect.Left + 150, F.Chart.ChartRect.Top + 120};
  const TPoint to{F.Chart.ChartRect.Left + 60, F.Chart.ChartRect.Top + 40};
  for (int back : {1, 0}) {
    DragMouse(from, to);
    Repaint();
    ExpectRange(Bottom(), ranges[back].first.Min, ranges[back].first.Max, back);
    ExpectRange(Left(), ranges[back].second.Min, ranges[back].second.Max, back);
  }
  DragMouse(from, to);
  ExpectRange(Bottom(), 0, 10, "saved");
  ExpectRange(Left(), 0, 100, "saved");
  EXPECT_TRUE(F.Chart.GetZoom()->GetAxesHistory().empty());
  EXPECT_FALSE(F.Chart.GetZoomed());
}

TEST_F(ZoomOnScreen, ZoomPercentNarrowsOrWidensEverySideAxisAndFiresOnZoom) {
  struct TCase {
    double Percent, BottomMin, BottomMax, LeftMin, LeftMax;
  };
  const TCase cases[] = {{100, 0, 10, 0, 100}, {110, 1, 9, 10, 90}, {90, -1, 11, -10, 110}};
  int zooms = 0;
  F.Chart.OnZoom = [&](TObject* Sender) {
    EXPECT_EQ(Sender, &F.Chart);
    ++zooms;
  };
  for (const TCase& c : cases) {
    ResetScales();
    Repaint();
    zooms = 0;
    F.Chart.ZoomPercent(c.Percent);
    ExpectRange(Bottom(), c.BottomMin, c.BottomMax, c.Percent);
    ExpectRange(F.Chart.GetTopAxis(), c.BottomMin, c.BottomMax, c.Percent);
    ExpectRange(Left(), c.LeftMin, c.LeftMax, c.Percent);
    ExpectRange(F.Chart.GetRightAxis(), c.LeftMin, c.LeftMax, c.Percent);
    EXPECT_TRUE(F.Chart.GetZoomed()) << c.Percent;
    EXPECT_EQ(zooms, 1) << c.Percent;
  }
  // A horizontal-only zoom keeps the vertical axes.
  ResetScales();
  Repaint();
  F.Chart.GetZoom()->SetDirection(tzdHorizontal);
  F.Chart.ZoomPercent(110);
  ExpectRange(Bottom(), 1, 9, "horizontal");
  ExpectRange(Left(), 0, 100, "horizontal");
}

TEST_F(ZoomOnScreen, AnimatedZoomEndsOnTheTargetAfterRepaintingEachStep) {
  F.Chart.GetZoom()->SetAnimated(true);
  F.Chart.GetZoom()->SetAnimatedSteps(4);
  std::vector<double> seen;
  F.Chart.OnAfterDraw = [&](TObject*) {
    ++Paints;
    seen.push_back(Bottom()->GetMinimum());
  };
  F.Chart.DoZoom(2, 6, 2, 6, 20, 60, 20, 60);
  // Three steps, each a third of the way from where the axis stood.
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_NEAR(seen[0], 2.0 / 3, 1e-9);
  EXPECT_NEAR(seen[1], seen[0] + (2 - seen[0]) / 3, 1e-9);
  ExpectRange(Bottom(), 2, 6, "end");
  ExpectRange(Left(), 20, 60, "end");
}

TEST_F(ZoomOnScreen, PanningShiftsTheAxesByWhatTheDraggedPixelsSpan) {
  struct TCase {
    TPanningMode Mode;
    bool Horizontal, Vertical;
  };
  const TCase cases[] = {
      {pmBoth, true, true}, {pmHorizontal, true, false}, {pmVertical, false, true}};
  int scrolls = 0;
  F.Chart.OnScroll = [&](TObject*) { ++scrolls; };
  for (const TCase& c : cases) {
    ResetScales();
    Repaint();
    scrolls = 0;
    F.Chart.SetAllowPanning(c.Mode);
    const TPoint from = Inside(), to{from.X + 20, from.Y + 20};
    const double dx = Bottom()->CalcPosPoint(from.X) - Bottom()->CalcPosPoint(to.X);
    const double dy = Left()->CalcPosPoint(from.Y) - Left()->CalcPosPoint(to.Y);
    ASSERT_LT(dx, 0);
    ASSERT_GT(dy, 0);
    DragMouse(from, to, 3);
    EXPECT_FALSE(F.Chart.GetPanning()->GetActive());
    if (c.Horizontal)
      ExpectRange(Bottom(), dx, 10 + dx, c.Mode);
    else
      ExpectRange(Bottom(), 0, 10, c.Mode);
    if (c.Vertical)
      ExpectRange(Left(), dy, 100 + dy, c.Mode);
    else
      ExpectRange(Left(), 0, 100, c.Mode);
    EXPECT_EQ(scrolls, 1) << c.Mode;
    EXPECT_FALSE(F.Chart.RestoredAxisScales);
  }
  // Undoing gives back the scales saved before panning.
  F.Chart.UndoZoom();
  ExpectRange(Left(), 0, 100, "undo");
}

TEST_F(ZoomOnScreen, PanningALogarithmicAxisMovesBothEndsTheSameWay) {
  F.Chart.SetAllowPanning(pmVertical);
  Left()->SetLogarithmic(true);
  Left()->SetMinMax(1, 1000);
  Repaint();
  // Dragged down, the values move up; dragged up, down again.
  DragMouse(Inside(), TPoint{Inside().X, Inside().Y + 20}, 3);
  const TRange down = RangeOf(Left());
  EXPECT_GT(down.Min, 1);
  EXPECT_GT(down.Max, 1000);
  Repaint();
  // Up in small steps, as a mouse moves: a single jump far enough that
  // the new minimum would fall below zero leaves the range as it is.
  Input->Press(Inside().X, Inside().Y, 3);
  for (int dy = 4; dy <= 40; dy += 4) Input->Move(Inside().X, Inside().Y - dy, GDK_BUTTON3_MASK);
  Input->Release(Inside().X, Inside().Y - 40, 3);
  EXPECT_LT(Left()->GetMinimum(), down.Min);
  EXPECT_LT(Left()->GetMaximum(), down.Max);
  EXPECT_GT(Left()->GetMinimum(), 0);
  ExpectRange(Bottom(), 0, 10, "bottom");
}

TEST_F(ZoomOnScreen, InsideBoundsStopsPanningWhenTheMouseLeavesTheChartRectangle) {
  F.Chart.GetPanning()->SetInsideBounds(true);
  const TRect r = F.Chart.ChartRect;
  Input->Press(r.Right - 10, r.Top + 10, 3);
  ASSERT_TRUE(F.Chart.GetPanning()->GetActive());
  // The edge counts as inside and pans.
  Input->Move(r.Right, r.Top + 10, GDK_BUTTON3_MASK);
  EXPECT_TRUE(F.Chart.GetPanning()->GetActive());
  const TRange bottom = RangeOf(Bottom());
  EXPECT_LT(bottom.Min, 0);
  Input->Move(r.Right + 1, r.Top + 10, GDK_BUTTON3_MASK);
  EXPECT_FALSE(F.Chart.GetPanning()->GetActive());
  Input->Move(r.Right - 40, r.Top + 10, GDK_BUTTON3_MASK);
  Input->Release(r.Right - 40, r.Top + 10, 3);
  ExpectRange(Bottom(), bottom.Min, bottom.Max, "after leaving");
}

TEST_F(ZoomOnScreen, OnAllowScrollRefusingKeepsTheAxesWhilePanningAndWheelScrolling) {
  std::vector<std::pair<double, double>> asked;
  bool allow = false;
  F.Chart.OnAllowScroll = [&](TChartAxis* A, double& Min, double& Max, bool& Allow) {
    if (A == Left()) asked.push_back({Min, Max});
    Allow = allow;
  };
  DragMouse(Inside(), TPoint{Inside().X + 20, Inside().Y + 20}, 3);
  ExpectRange(Bottom(), 0, 10, "panning");
  ExpectRange(Left(), 0, 100, "panning");
  EXPECT_EQ(asked.size(), 1u);
  asked.clear();
  Input->Wheel(true);
  ExpectRange(Left(), 0, 100, "wheel");
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_NEAR(asked[0].first, 3, 1e-9);
  EXPECT_NEAR(asked[0].second, 103, 1e-9);
  // Allowed, the wheel scrolls the vertical axes by 3 % of their range.
  allow = true;
  Input->Wheel(true);
  ExpectRange(Left(), 3, 103, "wheel up");
  ExpectRange(Bottom(), 0, 10, "wheel up");
  Input->Wheel(false);
  Input->Wheel(false);
  ExpectRange(Left(), -3, 97, "wheel down");
  F.Chart.GetPanning()->SetMouseWheel(pmwInverted);
  Input->Wheel(true);
  EXPECT_LT(Left()->GetMinimum(), 0);
}

TEST_F(ZoomOnScreen, WheelTableBySettingsAndTheToolsHearEveryStep) {
  TPointerLock pointerLock;
  TWheelTool* tool = F.Chart.GetTools()->Add<TWheelTool>();
  // The pointer over a known point of the chart.
  int ox = 0, oy = 0;
  gdk_window_get_origin(gtk_widget_get_window(F.Chart.Handle()), &ox, &oy);
  GdkDevice* pointer =
      gdk_seat_get_pointer(gdk_display_get_default_seat(gdk_display_get_default()));
  const TPoint at = Inside();
  gdk_device_warp(pointer, gdk_screen_get_default(), ox + at.X, oy + at.Y);
  ASSERT_TRUE(Pump([&] { return F.Chart.ScreenToClientCursor() == at; }));
  const std::string xy = std::to_string(at.X) + "," + std::to_string(at.Y);

  // As the RPM chart has it: no zoom, no panning, no wheel zoom.
  F.Chart.GetZoom()->SetAllow(false);
  F.Chart.SetAllowPanning(pmNone);
  F.Chart.GetPanning()->SetMouseWheel(pmwNone);
  EXPECT_FALSE(F.Chart.CanWheelScroll());
  Input->Wheel(true);
  Input->Wheel(false);
  ExpectRange(Bottom(), 0, 10, "RPM");
  ExpectRange(Left(), 0, 100, "RPM");
  EXPECT_FALSE(F.Chart.GetZoomed());
  EXPECT_EQ(tool->Log, (std::vector<std::string>{"up 1 " + xy, "move 120 " + xy, "down -1 " + xy,
                                                 "move -120 " + xy}));

  // The zoom's wheel zooms by 110 % up and 90 % down.
  F.Chart.GetZoom()->SetAllow(true);
  F.Chart.GetZoom()->SetMouseWheel(pmwNormal);
  Input->Wheel(true);
  ExpectRange(Left(), 10, 90, "zoom wheel");
  EXPECT_TRUE(F.Chart.GetZoomed());
  F.Chart.GetZoom()->SetAllow(false);

  // ZoomWheel zooms the 3D view, and only in 3D.
  TView3DOptions* view = F.Chart.GetView3DOptions();
  F.Chart.SetZoomWheel(pmwNormal);
  Input->Wheel(true);
  EXPECT_DOUBLE_EQ(view->GetZoomFloat(), 100);
  F.Chart.SetView3D(true);
  Input->Wheel(true);
  EXPECT_NEAR(view->GetZoomFloat(), 110, 1e-9);
  Input->Wheel(false);
  EXPECT_NEAR(view->GetZoomFloat(), 99, 1e-9);
  F.Chart.SetZoomWheel(pmwInverted);
  Input->Wheel(true);
  EXPECT_NEAR(view->GetZoomFloat(), 99 * 0.9, 1e-9);
}

TEST_F(ZoomOnScreen, XorBandLeavesThePixelsAsTheyWereOnceErased) {
  Repaint();
  const int w = F.Chart.GetWidth();
  const std::vector<uint8_t> before = Pixels(F.Chart);
  const TPoint from = Inside(), to{from.X + 12, from.Y + 12};
  Input->Press(from.X, from.Y, 1);
  Input->Move(to.X, to.Y, GDK_BUTTON1_MASK);
  // The band's top edge now differs from the chart beneath it.
  const std::vector<uint8_t> during = Pixels(F.Chart);
  EXPECT_NE(PixelAt(during, w, from.X + 6, from.Y), PixelAt(before, w, from.X + 6, from.Y));
  // A second move erases the first band before drawing the next; the
  // release erases the last, and the press drew none.
  Input->Move(to.X - 4, to.Y - 4, GDK_BUTTON1_MASK);
  Input->Release(to.X - 4, to.Y - 4, 1);
  EXPECT_EQ(Pixels(F.Chart), before);
  EXPECT_FALSE(F.Chart.GetZoomed());
}

TEST_F(ZoomOnScreen, FullRepaintShowsTheBandOnlyAfterARepaint) {
  F.Chart.GetZoom()->SetFullRepaint(true);
  Repaint();
  const int w = F.Chart.GetWidth();
  const std::vector<uint8_t> before = Pixels(F.Chart);
  const TPoint from = Inside(), to{from.X + 60, from.Y + 50};
  const int paints = Paints;
  Input->Press(from.X, from.Y, 1);
  Input->Move(to.X, to.Y, GDK_BUTTON1_MASK);
  EXPECT_EQ(Pixels(F.Chart), before);
  ASSERT_TRUE(Pump([&] { return Paints > paints; }));
  const std::vector<uint8_t> after = Pixels(F.Chart);
  EXPECT_EQ(PixelAt(after, w, from.X + 30, from.Y), clSilver);
  Input->Release(from.X + 10, from.Y + 10, 1);
  Repaint();
  EXPECT_NE(PixelAt(Pixels(F.Chart), w, from.X + 30, from.Y), clSilver);
}

// build/gallery/chart_zoom.png: a zoomed chart with the rubber band of the
// next zoom, titled in English and in Chinese.
TEST_F(ZoomOnScreen, GalleryZoomedChartWithItsBand) {
  const char* titles[] = {"Zoomed in: drag right and down to zoom again",
                          "已放大：向右下拖动再次放大"};
  TBitmap sheet;
  sheet.SetPixelFormat(pf24bit);
  sheet.SetSize(2 * F.Chart.GetWidth(), F.Chart.GetHeight());
  Line->GetPointer()->SetVisible(true);
  for (int i = 0; i < 2; ++i) {
    ResetScales();
    F.Chart.GetTitle()->SetCaption(titles[i]);
    Repaint();
    F.Chart.ZoomRect(TRect{Inside().X, Inside().Y, Inside().X + 200, Inside().Y + 160});
    Repaint();
    EXPECT_TRUE(F.Chart.GetZoomed());
    const TPoint from{F.Chart.ChartRect.Left + 60, F.Chart.ChartRect.Top + 40};
    Input->Press(from.X, from.Y, 1);
    Input->Move(from.X + 150, from.Y + 110, GDK_BUTTON1_MASK);
    sheet.GetCanvas()->Draw(i * F.Chart.GetWidth(), 0, F.Chart.GetSurface());
    Input->Release(from.X, from.Y, 1);
  }
  WriteGalleryPng(sheet, "chart_zoom.png");
}
