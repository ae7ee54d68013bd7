// The RPM chart window: the speeds of the governor rule for K, poles and
// ratio, the three series and axes it sets up, the cursor drag by single
// percents, the series freed when the edits replace them, and the governor
// page's button that opens it modally or, for the report, modeless.

#include <gdk/gdkkeysyms.h>
#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <memory>
#include <string>
#include <vector>

#include "app/frmInterface.h"
#include "app/frmSpeed.h"
#include "canvas/zr_gdiplus_unit.h"
#include "chart/ChartAxis.h"
#include "chart/ChartTitle.h"
#include "chart/FastLineSeries.h"
#include "chart/Legend.h"
#include "chart/LineSeries.h"
#include "chart/PlotStartup.h"
#include "chart/SeriesPointer.h"
#include "controls/XwSpinEdit.h"
#include "controls/zr_buttons.h"
#include "controls/zr_labels.h"
#include "controls/zr_layouts.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"
#include "tests/support/GdkInput.h"

namespace {

void StartChartOnce() {
  static bool started = false;
  if (started) return;
  InitializeChart();
  started = true;
}

class SpeedWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitializeCanvasGdiPlus();
    Application->Initialize();
    StartChartOnce();
  }
  void SetUp() override {
    Window = std::make_unique<TfrmSpeed>(nullptr);
    Window->FGovernorValue = 512;
    Window->FormShow(Window.get());
  }
  std::string Readout() const { return UTF16ToUTF8(Window->ShowMsg->GetText()); }
  void Edit(const std::string& Poles, const std::string& Ratio) {
    Window->editPloes->SetText(Poles);
    Window->editRadio->SetText(Ratio);
    Window->btnCalcClick(Window->editRadio);
  }
  void Press() { Window->SpeedChartMouseDown(Window->SpeedChart, mbLeft, {}, 0, 0); }
  void Move(int X) { Window->SpeedChartMouseMove(Window->SpeedChart, {}, X, 100); }
  // The series the window owns as components.
  int OwnedSeries() const {
    int n = 0;
    for (int i = 0; i < Window->ComponentCount(); ++i)
      if (dynamic_cast<TChartSeries*>(Window->Component(i))) ++n;
    return n;
  }
  std::unique_ptr<TfrmSpeed> Window;
};

TEST_F(SpeedWindow, OpensInDemoModeWithTwoPolesAndRatioOne) {
  TChart* c = Window->SpeedChart;
  EXPECT_EQ(Window->editPloes->GetText(), "2");
  EXPECT_EQ(c->GetLeftAxis()->GetMinimum(), 0);
  EXPECT_EQ(c->GetLeftAxis()->GetMaximum(), 512000);
  EXPECT_EQ(c->GetRightAxis()->GetMinimum(), 0);
  EXPECT_EQ(c->GetRightAxis()->GetMaximum(), 512000);
  EXPECT_EQ(c->GetBottomAxis()->GetMaximum(), 100);
  EXPECT_EQ(Window->CursorThrottle(), 50);
  EXPECT_EQ(Window->CursorRpm(), 256000);
  EXPECT_EQ(Window->CursorPropRpm(), 256000);
  EXPECT_EQ(Readout(), "Throttle:50 / RPM:256000 / PropRPM:256000");
  EXPECT_FALSE(c->GetLegend()->GetVisible());
  EXPECT_EQ(c->GetTitle()->GetCaption(), "RPM & Prop_RPM");
  EXPECT_FALSE(c->GetView3D());
}

TEST_F(SpeedWindow, SetsUpTwoLinesAndARoundCursorInOrder) {
  TChart* c = Window->SpeedChart;
  ASSERT_EQ(c->SeriesCount(), 3);
  EXPECT_EQ(c->GetSeries(0), Window->RpmSeries());
  EXPECT_EQ(c->GetSeries(1), Window->PropSeries());
  EXPECT_EQ(c->GetSeries(2), Window->CursorSeries());
  TFastLineSeries* rpm = Window->RpmSeries();
  TFastLineSeries* prop = Window->PropSeries();
  EXPECT_EQ(rpm->GetSeriesColor(), clRed);
  EXPECT_EQ(rpm->GetLinePen()->GetColor(), clRed);
  EXPECT_EQ(rpm->GetVertAxis(), aLeftAxis);
  EXPECT_EQ(prop->GetSeriesColor(), clFuchsia);
  EXPECT_EQ(prop->GetLinePen()->GetColor(), clFuchsia);
  EXPECT_EQ(prop->GetVertAxis(), aRightAxis);
  ASSERT_EQ(rpm->Count(), 2);
  EXPECT_EQ(rpm->XValues()->GetValue(1), 100);
  EXPECT_EQ(rpm->YValues()->GetValue(1), 512000);
  TPointSeries* cursor = Window->CursorSeries();
  EXPECT_EQ(cursor->GetPointer()->GetStyle(), psCircle);
  EXPECT_EQ(cursor->GetPointer()->GetHorizSize(), 6);
  EXPECT_FALSE(cursor->GetShowInLegend());
  ASSERT_EQ(cursor->Count(), 1);
  EXPECT_EQ(cursor->XValues()->GetValue(0), 50);
  EXPECT_EQ(cursor->YValues()->GetValue(0), 256000);
}

// The motor speed divides K by the pole pairs, as the governor page does.
TEST_F(SpeedWindow, EditsGiveTheGovernorPagesSpeeds) {
  const struct {
    const char *Poles, *Ratio;
    int Rpm, Prop;
  } cases[] = {{"12", "10.5", 85000, 8095},  // 512 div 6 = 85
               {"13", "10.5", 85000, 8095},  // 13 poles: still 6 pairs
               {"14", "1", 73000, 73000},
               {"2", "2.5", 512000, 204800}};
  for (const auto& k : cases) {
    SCOPED_TRACE(std::string(k.Poles) + " poles, ratio " + k.Ratio);
    Edit(k.Poles, k.Ratio);
    EXPECT_EQ(Window->RpmMax(), k.Rpm);
    EXPECT_EQ(Window->PropRpmMax(), k.Prop);
    EXPECT_EQ(Window->SpeedChart->GetLeftAxis()->GetMaximum(), k.Rpm);
    EXPECT_EQ(Window->SpeedChart->GetRightAxis()->GetMaximum(), k.Prop);
    EXPECT_EQ(Window->CursorThrottle(), 50);
    EXPECT_EQ(Window->CursorPropRpm(), k.Prop / 2);
  }
}

TEST_F(SpeedWindow, OneStepMovesTheCursorOnePercentAlongTheLine) {
  Edit("12", "10.5");
  Window->SpeedChartClickSeries(Window->SpeedChart, Window->CursorSeries(), 0, mbLeft, {}, 300,
                                100);
  Press();
  Move(305);
  EXPECT_EQ(Window->CursorThrottle(), 51);
  EXPECT_EQ(Window->CursorRpm(), 43350);     // 850 x 51
  EXPECT_EQ(Window->CursorPropRpm(), 4080);  // 80 x 51
  EXPECT_EQ(Readout(), "Throttle:51 / RPM:43350 / PropRPM:4080");
  // The cursor series holds the one new point and is again the last series.
  TPointSeries* cursor = Window->CursorSeries();
  ASSERT_EQ(cursor->Count(), 1);
  EXPECT_EQ(cursor->XValues()->GetValue(0), 51);
  EXPECT_EQ(cursor->YValues()->GetValue(0), 43350);
  ASSERT_EQ(Window->SpeedChart->SeriesCount(), 3);
  EXPECT_EQ(Window->SpeedChart->GetSeries(2), cursor);
}

TEST_F(SpeedWindow, TheCursorStepsOncePerMoveAndOnlyBeyondFourPixels) {
  Window->SpeedChartClickSeries(Window->SpeedChart, nullptr, 0, mbLeft, {}, 300, 100);
  Move(400);  // no button down: nothing
  EXPECT_EQ(Window->CursorThrottle(), 50);
  Press();
  Move(320);  // 20 pixels in one event: one percent
  EXPECT_EQ(Window->CursorThrottle(), 51);
  Move(324);  // 4 pixels from the last step: none
  EXPECT_EQ(Window->CursorThrottle(), 51);
  Move(316);  // 4 back: none
  EXPECT_EQ(Window->CursorThrottle(), 51);
  Move(315);  // 5 back from 320: one down
  EXPECT_EQ(Window->CursorThrottle(), 50);
  Window->SpeedChartMouseUp(Window->SpeedChart, mbLeft, {}, 315, 100);
  Move(100);
  EXPECT_EQ(Window->CursorThrottle(), 50);
}

TEST_F(SpeedWindow, TheCursorStopsAtBothEnds) {
  Press();
  int x = 0;
  for (int i = 0; i < 80; ++i) Move(x += 10);
  EXPECT_EQ(Window->CursorThrottle(), 100);
  EXPECT_EQ(Window->CursorRpm(), 512000);
  EXPECT_EQ(Readout(), "Throttle:100 / RPM:512000 / PropRPM:512000");
  for (int i = 0; i < 130; ++i) Move(x -= 10);
  EXPECT_EQ(Window->CursorThrottle(), 0);
  EXPECT_EQ(Window->CursorRpm(), 0);
  EXPECT_EQ(Readout(), "Throttle:0 / RPM:0 / PropRPM:0");
}

// Without a click on a series the last position is 0: the first move to
// the right steps up once, the next small one does not.
TEST_F(SpeedWindow, AFirstMoveWithoutAClickStepsUpOnce) {
  Press();
  Move(250);
  EXPECT_EQ(Window->CursorThrottle(), 51);
  Move(252);
  EXPECT_EQ(Window->CursorThrottle(), 51);
}

// While the user types, a box may hold no number: the chart stays as it was.
TEST_F(SpeedWindow, ABoxWithoutANumberLeavesTheChart) {
  Edit("12", "10.5");
  TChartSeries* rpm = Window->RpmSeries();
  Edit("12", "");
  ASSERT_EQ(Window->editRadio->GetText(), "");
  EXPECT_EQ(Window->RpmSeries(), rpm);
  EXPECT_EQ(Window->PropRpmMax(), 8095);
  EXPECT_EQ(Window->SpeedChart->GetRightAxis()->GetMaximum(), 8095);
}

TEST_F(SpeedWindow, EditsFreeTheSeriesTheyReplace) {
  for (int i = 0; i < 100; ++i) Edit(std::to_string(2 + i % 20), "1.5");
  EXPECT_EQ(Window->SpeedChart->SeriesCount(), 3);
  EXPECT_EQ(OwnedSeries(), 3);
}

// Without a controller and outside demo mode K is 0: both speeds are 0 and
// the chart still draws.
TEST_F(SpeedWindow, AZeroKGivesZeroSpeedsAndAChartThatDraws) {
  Window->FGovernorValue = 0;
  Window->FormShow(Window.get());
  EXPECT_EQ(Readout(), "Throttle:50 / RPM:0 / PropRPM:0");
  TChart* c = Window->SpeedChart;
  std::unique_ptr<TBitmap> b(
      c->PlotCreateBitmap(clWhite, TRect{0, 0, c->GetWidth(), c->GetHeight()}, pf24bit, 0));
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->GetWidth(), c->GetWidth());
  Press();
  Move(250);
  EXPECT_EQ(Window->CursorThrottle(), 51);
  EXPECT_EQ(Window->CursorRpm(), 0);
}

// The chart's own mouse path: a press on the cursor reaches the window's
// press and series-click handlers, so the drag starts from there.
TEST_F(SpeedWindow, TheChartsMouseEventsDriveTheDrag) {
  TChart* c = Window->SpeedChart;
  std::unique_ptr<TBitmap> b(
      c->PlotCreateBitmap(clWhite, TRect{0, 0, c->GetWidth(), c->GetHeight()}, pf24bit, 0));
  const int x = c->GetBottomAxis()->CalcXPosValue(50);
  const int y = c->GetLeftAxis()->CalcYPosValue(256000);
  c->MouseDown(mbLeft, {}, x, y);
  c->MouseMove({}, x - 3, y);  // from the click: too short
  EXPECT_EQ(Window->CursorThrottle(), 50);
  c->MouseMove({}, x - 6, y);
  EXPECT_EQ(Window->CursorThrottle(), 49);
  c->MouseUp(mbLeft, {}, x - 6, y);
  c->MouseMove({}, x - 60, y);
  EXPECT_EQ(Window->CursorThrottle(), 49);
}

// The keyboard focus moved to the entry or away from it, with GTK's focus
// events.
void SendFocus(GtkWidget* Entry, bool In) {
  if (In)
    gtk_widget_grab_focus(Entry);
  else
    gtk_window_set_focus(GTK_WINDOW(gtk_widget_get_toplevel(Entry)), nullptr);
  GdkEvent* e = gdk_event_new(GDK_FOCUS_CHANGE);
  e->focus_change.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(Entry)));
  e->focus_change.in = In;
  gdk_event_set_device(
      e, gdk_seat_get_keyboard(gdk_display_get_default_seat(gdk_display_get_default())));
  gtk_widget_send_focus_change(Entry, e);
  gdk_event_free(e);
}

// Typed into the shown window, the pole box takes a count below its minimum
// on the way to 10-19; the chart meanwhile uses the count held to the
// minimum, and leaving the box holds its text there too.
TEST_F(SpeedWindow, ThePoleBoxTakesTwoDigitCountsAndIsHeldToItsMinimumWhenLeft) {
  Window->Show();
  GtkWidget* entry = Window->editPloes->Entry();
  ASSERT_NE(gtk_widget_get_window(entry), nullptr);
  TGdkInput keys(entry);
  SendFocus(entry, true);
  gtk_editable_select_region(GTK_EDITABLE(entry), 0, -1);
  keys.Type(GDK_KEY_1);
  EXPECT_EQ(Window->editPloes->GetText(), "1");
  EXPECT_EQ(Window->RpmMax(), 512000);  // used as 2 poles
  keys.Type(GDK_KEY_6);
  EXPECT_EQ(Window->editPloes->GetText(), "16");
  EXPECT_EQ(Window->RpmMax(), 64000);  // 512 div 8 pole pairs
  gtk_editable_select_region(GTK_EDITABLE(entry), 0, -1);
  keys.Type(GDK_KEY_1);
  EXPECT_EQ(Window->editPloes->GetText(), "1");
  SendFocus(entry, false);
  EXPECT_EQ(Window->editPloes->GetText(), "2");
  EXPECT_EQ(Window->RpmMax(), 512000);
  Window->Hide();
}

// ---------------- the governor page's button ----------------

class SpeedButton : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitializeCanvasGdiPlus();
    Application->Initialize();
    StartChartOnce();
  }
  void SetUp() override {
    Form = std::make_unique<TfrmInterface>(nullptr);
    Form->OnActivate = nullptr;
  }
  void TearDown() override { TfrmSpeed::ModalHandler = nullptr; }
  bool HelpColumnVisible() const { return Form->Panel6->GetVisible(); }
  std::unique_ptr<TfrmInterface> Form;
};

TEST_F(SpeedButton, OpensTheWindowModallyOverThePageArea) {
  Form->Demo1->SetChecked(true);
  Form->SetBounds(100, 50, Form->GetClientWidth(), Form->GetClientHeight());
  int calls = 0;
  TfrmSpeed::ModalHandler = [&](TfrmSpeed& w) {
    ++calls;
    EXPECT_EQ(w.FGovernorValue, 512);
    EXPECT_EQ(w.GetLeft(), 100 + 124);  // right of the navigation panel
    EXPECT_GE(w.GetTop(), 50);
    EXPECT_EQ(w.GetBorderStyle(), bsNone);
    EXPECT_FALSE(HelpColumnVisible());
    EXPECT_EQ(UTF16ToUTF8(w.ShowMsg->GetText()), "Throttle:50 / RPM:256000 / PropRPM:256000");
    EXPECT_EQ(w.SpeedChart->GetLeftAxis()->GetAxisTitle()->GetCaption(), "RPM");
    EXPECT_EQ(w.SpeedChart->GetRightAxis()->GetAxisTitle()->GetCaption(), "Prop_RPM");
    EXPECT_EQ(UTF16ToUTF8(w.btnExit->GetText()), "Exit");
    EXPECT_EQ(UTF16ToUTF8(w.motorploes->GetText()), "Motor Ploes");
    w.btnExit->Click();
    EXPECT_EQ(w.GetModalResult(), mrOk);
    return w.GetModalResult();
  };
  Form->btnShow->Click();
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(HelpColumnVisible());
  EXPECT_EQ(Form->FSpeedForm, nullptr);
}

// K is the 16-bit value of device bytes 19 and 20, as on the governor page.
TEST_F(SpeedButton, TakesTheDevicesSixteenBitK) {
  Form->Demo1->SetChecked(false);
  Form->FDeviceData[19] = 0x01;
  Form->FDeviceData[20] = 0x2C;  // 300
  int rpm = 0;
  TfrmSpeed::ModalHandler = [&](TfrmSpeed& w) {
    rpm = w.RpmMax();
    return int(mrOk);
  };
  Form->btnShowClick(Form->btnShow);
  EXPECT_EQ(rpm, 300000);
}

TEST_F(SpeedButton, StaysOpenForTheReportWhileCapturing) {
  Form->Demo1->SetChecked(true);
  Form->FReportCapture = true;
  bool modal = false;
  TfrmSpeed::ModalHandler = [&](TfrmSpeed&) {
    modal = true;
    return int(mrOk);
  };
  Form->btnShow->Click();
  EXPECT_FALSE(modal);
  ASSERT_NE(Form->FSpeedForm, nullptr);
  EXPECT_TRUE(Form->FSpeedForm->GetVisible());
  EXPECT_EQ(Form->FSpeedForm->GetOwner(), Form.get());
  EXPECT_EQ(Form->FSpeedForm->CursorRpm(), 256000);
  EXPECT_FALSE(HelpColumnVisible());
  // A second opening replaces the first window, which is freed.
  TfrmSpeed* first = Form->FSpeedForm;
  Form->btnShow->Click();
  EXPECT_NE(Form->FSpeedForm, first);
  int windows = 0;
  for (int i = 0; i < Form->ComponentCount(); ++i)
    if (dynamic_cast<TfrmSpeed*>(Form->Component(i))) ++windows;
  EXPECT_EQ(windows, 1);
  Form->FSpeedForm->Hide();
}

}  // namespace
