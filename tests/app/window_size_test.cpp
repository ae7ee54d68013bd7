// The main window keeps its client size, read from X under the window
// manager, through language switches (whose menu bars differ in height) and
// while the help column's web view comes and goes.

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <stdlib.h>

#include <chrono>
#include <string>

#include "app/frmInterface.h"
#include "canvas/zr_gdiplus_unit.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/WebBrowser.h"
#include "tests/support/WindowSystem.h"

namespace {

void Pump(int milliseconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (std::chrono::steady_clock::now() < end) {
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
    g_usleep(5000);
  }
}

// What X shows: the client area's size (from the control area's top on the
// screen to the window's bottom) and
// the menu bar's height above it.
struct TShown {
  int ClientWidth = 0, ClientHeight = 0, MenuHeight = 0;
};

TShown Shown(TfrmInterface& form) {
  SettleWindow(form.Handle());
  TShown s;
  int wx = 0, wy = 0, ax = 0, ay = 0;
  EXPECT_TRUE(XScreenOrigin(form.Handle(), wx, wy));
  EXPECT_TRUE(XScreenOrigin(form.ControlArea(), ax, ay));
  GdkWindow* window = gtk_widget_get_window(form.Handle());
  int x = 0, y = 0, width = 0, height = 0;
  gdk_window_get_geometry(window, &x, &y, &width, &height);  // asks the X server
  s.ClientWidth = width;
  s.MenuHeight = ay - wy;
  s.ClientHeight = height - s.MenuHeight;
  return s;
}

class WindowSize : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("WEBKIT_DISABLE_COMPOSITING_MODE", "1", 1);
    InitializeCanvasGdiPlus();
    Application->Initialize();
  }
  void SetUp() override { SetProgramFolder(std::string(ESCTOOL_BINARY_DIR) + "/"); }
  void TearDown() override { SetProgramFolder(""); }
};

TEST_F(WindowSize, LanguageSwitchesAndTheWebViewKeepTheClientSize) {
  TfrmInterface form(nullptr);
  form.OnActivate = nullptr;
  form.OpenLanguageFile();
  form.ApplyLanguage();
  form.Show();
  const TShown first = Shown(form);
  EXPECT_EQ(first.ClientWidth, 797);
  EXPECT_EQ(first.ClientHeight, 623);
  int menuHeights[2] = {0, 0};
  for (int i = 0; i < 10; ++i) {
    for (TMenuItem* language : {form.English1, form.Chinese1}) {
      language->Click();
      const TShown now = Shown(form);
      EXPECT_EQ(now.ClientWidth, 797) << i;
      EXPECT_EQ(now.ClientHeight, 623) << i;
      int& menu = menuHeights[language == form.Chinese1];
      if (i == 0) menu = now.MenuHeight;
      EXPECT_EQ(now.MenuHeight, menu) << i;
    }
  }
  EXPECT_GT(menuHeights[0], 0);
  EXPECT_GT(menuHeights[1], 0);

  // The calculator's help is a web page: the view shows at its place and
  // size, and the window stays as it was.
  form.ApplyCalculatorFields();
  TComponent entry(nullptr);
  entry.SetTag(9);
  form.ListBoxItemClick(&entry);
  form.ShowHelpPanel(104);
  ASSERT_EQ(form.web->GetLeft(), 543);
  Pump(1500);
  const TShown withWeb = Shown(form);
  EXPECT_EQ(withWeb.ClientWidth, 797);
  EXPECT_EQ(withWeb.ClientHeight, 623);
  GtkWidget* view = form.web->WebView();
  int vx = 0, vy = 0, ax = 0, ay = 0;
  ASSERT_TRUE(XScreenOrigin(view, vx, vy));
  ASSERT_TRUE(XScreenOrigin(form.ControlArea(), ax, ay));
  EXPECT_EQ(vx - ax, 543);
  EXPECT_EQ(vy - ay, 10);
  EXPECT_EQ(gtk_widget_get_allocated_width(view), 211);
  EXPECT_EQ(gtk_widget_get_allocated_height(view), 585);
  EXPECT_EQ(form.web->GetWidth(), 211);
  EXPECT_EQ(form.web->GetHeight(), 585);
  form.ShowHelpPanel(-1);
  const TShown without = Shown(form);
  EXPECT_EQ(without.ClientWidth, 797);
  EXPECT_EQ(without.ClientHeight, 623);
}

}  // namespace
