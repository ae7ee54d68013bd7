// The RPM chart window as the governor page's button opens it for the
// report, in English and Chinese with the shipped language file: the window
// written to the build folder's gallery, and its chart's own drawing checked
// at the motor line's end, on the rotor line and at the cursor.

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "app/frmInterface.h"
#include "app/frmSpeed.h"
#include "canvas/zr_gdiplus_unit.h"
#include "chart/ChartAxis.h"
#include "chart/ChartTitle.h"
#include "chart/FastLineSeries.h"
#include "chart/PlotStartup.h"
#include "controls/XwSpinEdit.h"
#include "controls/zr_buttons.h"
#include "controls/zr_labels.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_scene.h"
#include "tests/support/GalleryPng.h"
#include "tests/support/SceneShot.h"

namespace {

namespace fs = std::filesystem;

class SpeedGallery : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitializeCanvasGdiPlus();
    Application->Initialize();
    static bool chart = false;
    if (!chart) InitializeChart();
    chart = true;
  }
  void SetUp() override { SetProgramFolder(std::string(ESCTOOL_BINARY_DIR) + "/"); }
  void TearDown() override { SetProgramFolder(""); }
};

fs::path Gallery(const std::string& name) {
  const fs::path folder = fs::path(ESCTOOL_BINARY_DIR) / "gallery";
  fs::create_directories(folder);
  return folder / (name + ".png");
}

bool Reddish(TColor C) {
  return (C & 0xFF) > 180 && ((C >> 8) & 0xFF) < 90 && ((C >> 16) & 0xFF) < 90;
}
bool Fuchsia(TColor C) {
  return (C & 0xFF) > 180 && ((C >> 8) & 0xFF) < 90 && ((C >> 16) & 0xFF) > 180;
}
// Pixels that differ from Back by more than 60 in a channel.
std::function<bool(TColor)> Inked(TColor Back) {
  return [Back](TColor C) {
    for (int shift : {0, 8, 16})
      if (std::abs(int((C >> shift) & 0xFF) - int((Back >> shift) & 0xFF)) > 60) return true;
    return false;
  };
}

int CountAround(TBitmap& B, int X, int Y, int Half, const std::function<bool(TColor)>& Test) {
  int n = 0;
  for (int y = std::max(0, Y - Half); y <= std::min(B.GetHeight() - 1, Y + Half); ++y)
    for (int x = std::max(0, X - Half); x <= std::min(B.GetWidth() - 1, X + Half); ++x)
      if (Test(B.GetCanvas()->GetPixels(x, y))) ++n;
  return n;
}

std::unique_ptr<TBitmap> DrawChart(TChart& C) {
  return std::unique_ptr<TBitmap>(
      C.PlotCreateBitmap(clWhite, TRect{0, 0, C.GetWidth(), C.GetHeight()}, pf24bit, 0));
}

TEST_F(SpeedGallery, TheWindowInDemoModeInBothLanguages) {
  for (const bool chinese : {false, true}) {
    SCOPED_TRACE(chinese ? "Chinese" : "English");
    TfrmInterface form(nullptr);
    form.OnActivate = nullptr;  // no device search here
    form.OpenLanguageFile();
    form.Chinese1->SetChecked(chinese);
    form.English1->SetChecked(!chinese);
    form.ApplyLanguage();
    form.Demo1->SetChecked(true);
    form.FReportCapture = true;
    EXPECT_EQ(UTF16ToUTF8(form.btnShow->GetText()), chinese ? "转速 & 桨转速" : "RPM & Prop_RPM");
    form.btnShow->Click();
    TfrmSpeed* w = form.FSpeedForm;
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->SpeedChart->GetTitle()->GetCaption(),
              chinese ? "转速 & 桨转速" : "RPM & Prop_RPM");
    // The shipped texts name the boxes rightly (the built-in defaults keep
    // their spelling).
    EXPECT_EQ(UTF16ToUTF8(w->gearradio->GetText()), chinese ? "齿轮比" : "Gear Ratio");
    EXPECT_EQ(UTF16ToUTF8(w->motorploes->GetText()), chinese ? "电机磁极数" : "Motor Poles");
    EXPECT_EQ(UTF16ToUTF8(w->ShowMsg->GetText()),
              chinese ? "油门:50 / 转速:256000 / 桨转速:256000"
                      : "Throttle:50 / RPM:256000 / PropRPM:256000");
    pagetest::Settle(w->ControlsScene, 300);
    GdkPixbuf* shot = gdk_pixbuf_get_from_window(gtk_widget_get_window(w->Handle()), 0, 0,
                                                 w->GetClientWidth(), w->GetClientHeight());
    ASSERT_NE(shot, nullptr);
    EXPECT_TRUE(gdk_pixbuf_save(shot,
                                Gallery(chinese ? "speed_window_zh" : "speed_window_en").c_str(),
                                "png", nullptr, nullptr));
    g_object_unref(shot);

    // The chart's own drawing. Both lines run from corner to corner of the
    // plot, each on its own axis, so the rotor line covers the motor line:
    // the motor line is looked at with the rotor line hidden.
    TChart* c = w->SpeedChart;
    w->PropSeries()->SetVisible(false);
    std::unique_ptr<TBitmap> motor = DrawChart(*c);
    const int x1 = c->GetBottomAxis()->CalcXPosValue(100);
    const int y1 = c->GetLeftAxis()->CalcYPosValue(w->RpmMax());
    EXPECT_GT(CountAround(*motor, x1 - 2, y1 + 2, 2, Reddish), 0);
    w->PropSeries()->SetVisible(true);
    std::unique_ptr<TBitmap> both = DrawChart(*c);
    const int xq = c->GetBottomAxis()->CalcXPosValue(25);
    const int yq = c->GetRightAxis()->CalcYPosValue(w->PropRpmMax() / 4);
    EXPECT_GT(CountAround(*both, xq, yq, 2, Fuchsia), 0);
    EXPECT_EQ(CountAround(*both, xq, yq, 2, Reddish), 0);
    // The cursor's disc: far more ink around it than around the bare line.
    const TColor back =
        both->GetCanvas()->GetPixels(c->ChartRect.Right - 20, c->ChartRect.Bottom - 20);
    const int cx = c->GetBottomAxis()->CalcXPosValue(50);
    const int cy = c->GetLeftAxis()->CalcYPosValue(w->CursorRpm());
    const int atCursor = CountAround(*both, cx, cy, 5, Inked(back));
    const int onLine = CountAround(*both, xq, yq, 5, Inked(back));
    EXPECT_GT(atCursor, onLine + 40) << atCursor << " against " << onLine;
    WriteGalleryPng(*both, chinese ? "speed_chart_window_zh.png" : "speed_chart_window_en.png");
    delete form.FSpeedForm;
    form.FSpeedForm = nullptr;
  }
}

}  // namespace
