#pragma once
// The fixture chart shown in a window (run under xvfb-run), bottom axis 0 to
// 10 and left axis 0 to 100, with synthesised GDK input on its drawing area
// and a way to wait until it has painted again (axes convert pixels with
// the scales of the last paint).

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <chrono>
#include <functional>
#include <memory>

#include "chart_fixture.h"
#include "tests/support/GdkInput.h"

struct ChartScreen : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(gtk_init_check(nullptr, nullptr)) << "needs a display";
    ResetScales();
    Line = &F.Add<TLineSeries>({1, 20, 5, 80, 9, 40});
    F.Chart.OnAfterDraw = [this](TObject*) { ++Paints; };
    Window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_default_size(GTK_WINDOW(Window), TChartFixture::kWidth, TChartFixture::kHeight);
    gtk_container_add(GTK_CONTAINER(Window), F.Chart.Handle());
    gtk_widget_show_all(Window);
    ASSERT_TRUE(
        Pump([&] { return Paints > 0 && F.Chart.ChartRect.Right > F.Chart.ChartRect.Left; }));
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
  // Invalidates and waits for the next paint.
  void Repaint() {
    const int before = Paints;
    F.Chart.Invalidate();
    ASSERT_TRUE(Pump([&] { return Paints > before; }));
  }
  // The known scales, as if never zoomed, laid out by a paint.
  void ResetScales() {
    F.Chart.GetBottomAxis()->SetMinMax(0, 10);
    F.Chart.GetLeftAxis()->SetMinMax(0, 100);
    F.Chart.GetTopAxis()->SetMinMax(0, 10);
    F.Chart.GetRightAxis()->SetMinMax(0, 100);
    F.Chart.RestoredAxisScales = true;
    F.Chart.SetZoomed(false);
  }
  TPoint Inside() const { return TPoint{F.Chart.ChartRect.Left + 40, F.Chart.ChartRect.Top + 30}; }
  // Press at From, one move to To with the button held, release at To;
  // GDK button 1 (left) or 3 (right).
  void DragMouse(TPoint From, TPoint To, unsigned Button = 1) {
    const unsigned held = Button == 1 ? GDK_BUTTON1_MASK : GDK_BUTTON3_MASK;
    Input->Press(From.X, From.Y, Button);
    Input->Move(To.X, To.Y, held);
    Input->Release(To.X, To.Y, Button);
  }
  TChartAxis* Bottom() { return F.Chart.GetBottomAxis(); }
  TChartAxis* Left() { return F.Chart.GetLeftAxis(); }

  TChartFixture F;
  TLineSeries* Line = nullptr;
  GtkWidget* Window = nullptr;
  std::unique_ptr<TGdkInput> Input;
  int Paints = 0;
};
