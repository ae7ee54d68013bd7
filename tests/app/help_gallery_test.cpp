// What the governor page and the help column show with the shipped language
// file and help folder, and the web view on the help start page, written to
// the build folder's gallery and checked at sample points.

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <stdlib.h>
#include <webkit2/webkit2.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <map>
#include <string>

#include "app/frmInterface.h"
#include "canvas/zr_gdiplus_unit.h"
#include "controls/zr_layouts.h"
#include "controls/zr_panels.h"
#include "controls/zr_text_box.h"
#include "controls/zr_text_control.h"
#include "controls/zr_tracks.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/WebBrowser.h"
#include "scene/zr_colors.h"
#include "scene/zr_scene.h"
#include "tests/support/SceneShot.h"

namespace {

namespace fs = std::filesystem;

class HelpGallery : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // The virtual display has no GPU: WebKit draws in software.
    setenv("WEBKIT_DISABLE_COMPOSITING_MODE", "1", 1);
    setenv("WEBKIT_DISABLE_DMABUF_RENDERER", "1", 1);
    InitializeCanvasGdiPlus();
    Application->Initialize();
  }
  // The shipped language file and help folder of the build tree; the window
  // never saves the language file here (no destroy handler runs).
  void SetUp() override { SetProgramFolder(std::string(ESCTOOL_BINARY_DIR) + "/"); }
  void TearDown() override { SetProgramFolder(""); }
};

void Pump(int milliseconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (std::chrono::steady_clock::now() < end) {
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
    g_usleep(5000);
  }
}

// Strongly red pixels of the scene's buffer inside the control's rectangle.
int SceneRedPixels(TzrCustomScene* scene, TzrVisualObject* control) {
  const TzrRect r = control->GetAbsoluteRect();
  int red = 0;
  for (int y = int(r.Top); y < int(r.Bottom); ++y)
    for (int x = int(r.Left); x < int(r.Right); ++x) {
      const TzrColor c = pagetest::Pixel(scene, x, y);
      const int r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
      if (r > 150 && r - g > 60 && r - b > 60) ++red;
    }
  return red;
}

// The relative luminance of an sRGB colour, as contrast ratios are reckoned.
double Luminance(TzrColor c) {
  const auto linear = [](int channel) {
    const double v = channel / 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear((c >> 16) & 0xFF) + 0.7152 * linear((c >> 8) & 0xFF) +
         0.0722 * linear(c & 0xFF);
}

// The contrast of the text a box draws: its strongest pixel against the
// box's most common colour (its background), as a ratio from 1 to 21.
double TextContrast(TzrCustomScene* scene, TzrVisualObject* control) {
  const TzrRect r = control->GetAbsoluteRect();
  std::map<TzrColor, int> counts;
  for (int y = int(r.Top) + 3; y < int(r.Bottom) - 3; ++y)
    for (int x = int(r.Left) + 3; x < int(r.Right) - 3; ++x) ++counts[pagetest::Pixel(scene, x, y)];
  if (counts.empty()) return 1;
  const TzrColor back = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                          return a.second < b.second;
                        })->first;
  const double lb = Luminance(back);
  double best = 1;
  for (const auto& [color, n] : counts) {
    const double l = Luminance(color);
    best = std::max(best, (std::max(l, lb) + 0.05) / (std::min(l, lb) + 0.05));
  }
  return best;
}

fs::path Gallery(const std::string& name) {
  const fs::path folder = fs::path(ESCTOOL_BINARY_DIR) / "gallery";
  fs::create_directories(folder);
  return folder / (name + ".png");
}

// What the X server shows of the window, child widgets drawn by other
// processes (the web view's) included.
int BrightPixels(GdkPixbuf* shot, int left, int top, int right, int bottom) {
  const int channels = gdk_pixbuf_get_n_channels(shot), stride = gdk_pixbuf_get_rowstride(shot);
  const guchar* pixels = gdk_pixbuf_get_pixels(shot);
  int count = 0;
  for (int y = top; y < std::min(bottom, gdk_pixbuf_get_height(shot)); ++y)
    for (int x = left; x < std::min(right, gdk_pixbuf_get_width(shot)); ++x) {
      const guchar* p = pixels + y * stride + x * channels;
      if (p[0] > 200 && p[1] > 200 && p[2] > 200) ++count;
    }
  return count;
}

GdkPixbuf* Screenshot(TForm& form) {
  GtkWidget* window = form.Handle();
  return gdk_pixbuf_get_from_window(gtk_widget_get_window(window), 0, 0,
                                    gtk_widget_get_allocated_width(window),
                                    gtk_widget_get_allocated_height(window));
}

TEST_F(HelpGallery, GovernorPageInDemoModeInBothLanguages) {
  for (const bool chinese : {false, true}) {
    TfrmInterface form(nullptr);
    form.OnActivate = nullptr;  // no device search here
    form.OpenLanguageFile();
    form.Chinese1->SetChecked(chinese);
    form.English1->SetChecked(!chinese);
    form.ApplyLanguage();
    form.Demo1->SetChecked(true);
    form.FModel = "Ardent_V4";
    TComponent entry(nullptr);
    entry.SetTag(3);
    form.ListBoxItemClick(&entry);
    form.tbPercent->SetValue(75);  // the read-out beside the thumb
    form.Show();
    pagetest::Settle(form.ControlsScene, 100);
    GdkPixbuf* shot = Screenshot(form);
    ASSERT_NE(shot, nullptr);
    EXPECT_TRUE(gdk_pixbuf_save(shot,
                                Gallery(chinese ? "governor_page_zh" : "governor_page_en").c_str(),
                                "png", nullptr, nullptr));
    g_object_unref(shot);
    // The help column's picture: the green 60-90 % band of its throttle bar.
    const TzrColor band = pagetest::Pixel(form.ControlsScene, 679, 421);
    const int r = (band >> 16) & 0xFF, g = (band >> 8) & 0xFF, b = band & 0xFF;
    EXPECT_GT(g, r + 40) << std::hex << band;
    EXPECT_GT(g, b + 40) << std::hex << band;
  }
}

TEST_F(HelpGallery, CalculatorPageInBothLanguages) {
  for (const bool chinese : {false, true}) {
    TfrmInterface form(nullptr);
    form.OnActivate = nullptr;  // no device search here
    form.OpenLanguageFile();
    form.Chinese1->SetChecked(chinese);
    form.English1->SetChecked(!chinese);
    form.ApplyLanguage();
    form.ApplyCalculatorFields();
    form.CalcBox(1)->SetText(u"3100");  // above the first pack's reach: red
    TComponent entry(nullptr);
    entry.SetTag(9);
    form.ListBoxItemClick(&entry);
    form.Show();
    pagetest::Settle(form.ControlsScene, 100);
    GdkPixbuf* shot = Screenshot(form);
    ASSERT_NE(shot, nullptr);
    EXPECT_TRUE(gdk_pixbuf_save(
        shot, Gallery(chinese ? "calculator_page_zh" : "calculator_page_en").c_str(), "png",
        nullptr, nullptr));
    // The reach of the first pack in red, the second's not, read from the
    // scene's own buffer (windows of tests running beside this one may
    // cover it on the shared display); both readable on the dark page.
    EXPECT_GT(SceneRedPixels(form.ControlsScene, form.CalcBox(13)), 5);
    EXPECT_EQ(SceneRedPixels(form.ControlsScene, form.CalcBox(14)), 0);
    EXPECT_GE(TextContrast(form.ControlsScene, form.CalcBox(13)), 4.5);
    EXPECT_GE(TextContrast(form.ControlsScene, form.CalcBox(14)), 4.5);
    // The box under "calcLabel4" takes the motor's pole pairs.
    auto* poles = dynamic_cast<TzrTextControl*>(form.FindComponent("calcLabel4"));
    ASSERT_NE(poles, nullptr);
    EXPECT_EQ(UTF16ToUTF8(poles->GetText()), chinese ? "电机极对数" : "Motor Pole Pairs");
    g_object_unref(shot);
  }
}

TEST_F(HelpGallery, TheWebViewShowsTheHelpStartPage) {
  TfrmInterface form(nullptr);
  form.OnActivate = nullptr;
  form.OpenLanguageFile();
  form.Show();
  pagetest::Settle(form.ControlsScene, 100);
  form.FPageDef.items[0].ehelp = "help.html;;";
  form.ShowHelpPanel(0);
  ASSERT_EQ(form.web->GetLeft(), 543);
  WebKitWebView* view = WEBKIT_WEB_VIEW(form.web->WebView());
  bool failed = false;
  g_signal_connect(view, "load-failed",
                   G_CALLBACK(+[](WebKitWebView*, WebKitLoadEvent, gchar*, GError*, gpointer data) {
                     *static_cast<bool*>(data) = true;
                     return FALSE;
                   }),
                   &failed);
  for (int i = 0; i < 300 && (webkit_web_view_is_loading(view) ||
                              webkit_web_view_get_estimated_load_progress(view) < 1.0);
       ++i)
    Pump(50);
  Pump(1500);  // the web process paints after the load
  EXPECT_FALSE(failed);
  EXPECT_EQ(std::string(webkit_web_view_get_uri(view)),
            FilePathToUrl(std::string(ESCTOOL_BINARY_DIR) + "/help/help.html"));
  EXPECT_STREQ(webkit_web_view_get_title(view), "esctool help");
  GdkPixbuf* shot = Screenshot(form);
  ASSERT_NE(shot, nullptr);
  EXPECT_TRUE(gdk_pixbuf_save(shot, Gallery("help_web_view").c_str(), "png", nullptr, nullptr));
  // The page's white text shows where the view lies; a view that loaded but
  // never painted leaves the help column's plain panel there.
  EXPECT_GT(BrightPixels(shot, 550, 50, 740, 400), 200);
  g_object_unref(shot);
}

}  // namespace
