// The main window's scene as its form resource makes it: placed over the
// client area, its root fitted to it, and drawn.

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <filesystem>
#include <string>

#include "app/frmInterface.h"
#include "canvas/zr_gdiplus_unit.h"
#include "controls/zr_layouts.h"
#include "controls/zr_memo.h"
#include "controls/zr_scroll_bar.h"
#include "scene/zr_colors.h"
#include "scene/zr_resources.h"
#include "scene/zr_scene.h"
#include "scene/zr_visual.h"

namespace {

class MainSceneTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitializeCanvasGdiPlus();
    Application->Initialize();
  }
};

TzrColor Pixel(TzrCustomScene* Scene, int X, int Y) {
  TzrCanvas* c = Scene->GetCanvas();
  return zrUnpremultyAlpha(c->GetBufferBits()[X + Y * c->GetWidth()]);
}

TEST_F(MainSceneTest, TheSceneFillsTheClientAreaAndIsDrawn) {
  TfrmInterface form(nullptr);
  form.OnActivate = nullptr;  // no device search here
  ASSERT_NE(form.ControlsScene, nullptr);
  EXPECT_EQ(form.GetClientWidth(), 797);
  EXPECT_EQ(form.GetClientHeight(), 623);
  TzoRurev* scene = form.ControlsScene;
  EXPECT_EQ(scene->GetAlign(), alClient);
  EXPECT_EQ(scene->GetRoot(), form.Backgroup);
  // The scene's sheet: the embedded skeleton, linked at creation.
  EXPECT_EQ(scene->GetStyle(), form.SceneStyle);
  ASSERT_NE(form.SceneStyle->GetRoot(), nullptr);
  EXPECT_EQ(form.SceneStyle->GetRoot()->ClassName(), "TzrBackground");
  EXPECT_EQ(form.SceneStyle->GetFileName(), ".\\vista.zrstyle");
  form.Show();
  for (int i = 0; i < 500 && (scene->DrawCount() == 0 || !scene->InvalidRects().empty()); ++i) {
    g_main_context_iteration(nullptr, FALSE);
    g_usleep(2000);
  }
  ASSERT_GT(scene->DrawCount(), 0);
  // Above the status bar.
  EXPECT_EQ(scene->GetWidth(), 797);
  EXPECT_EQ(scene->GetHeight(), 604);
  EXPECT_FLOAT_EQ(form.Backgroup->GetWidth(), 797);
  EXPECT_FLOAT_EQ(form.Backgroup->GetHeight(), 604);
  // The background shows where no control lies: the first page is empty.
  for (auto [x, y] : {std::pair{400, 300}, {796, 603}})
    EXPECT_EQ(Pixel(scene, x, y), 0xFF2B2B2Bu) << x << "," << y;

  // What the window shows.
  GtkWidget* window = form.Handle();
  const int w = gtk_widget_get_allocated_width(window), h = gtk_widget_get_allocated_height(window);
  cairo_surface_t* shot = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* cr = cairo_create(shot);
  gtk_widget_draw(window, cr);
  cairo_destroy(cr);
  const std::filesystem::path folder = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
  std::filesystem::create_directories(folder);
  cairo_surface_write_to_png(shot, (folder / "main_window_scene.png").c_str());
  cairo_surface_flush(shot);
  const auto* px = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(shot));
  EXPECT_EQ(px[(h / 2) * (cairo_image_surface_get_stride(shot) / 4) + w / 2], 0xFF2B2B2Bu);
  cairo_surface_destroy(shot);
}

void Pump(TzoRurev* Scene) {
  for (int i = 0; i < 500 && (Scene->DrawCount() == 0 || !Scene->InvalidRects().empty()); ++i) {
    g_main_context_iteration(nullptr, FALSE);
    g_usleep(2000);
  }
}

// The message areas take no typing, and each new message, put on top, is
// brought into view however far the user scrolled down.
TEST_F(MainSceneTest, MessageAreasAreReadOnlyAndShowTheNewestMessage) {
  TfrmInterface form(nullptr);
  form.OnActivate = nullptr;
  form.tabLayout[0]->SetVisible(false);
  form.tabLayout[7]->SetVisible(true);  // the device page with eMessage
  form.Show();
  Pump(form.ControlsScene);
  for (TzrMemo* area : {form.eMessage, form.zrmMessage, form.sMessage}) {
    ASSERT_NE(area, nullptr);
    EXPECT_TRUE(area->GetReadOnly()) << area->GetName();
    area->SetText(u"kept");
    uint16_t key = 0;
    char16_t typed = u'x';
    area->KeyDown(key, typed, 0);
    EXPECT_EQ(area->GetText(), u"kept") << area->GetName();
    area->SetText(u"");
  }
  for (int i = 0; i < 60; ++i) form.ShowMessageText("message " + std::to_string(i), 0);
  Pump(form.ControlsScene);
  TzrScrollBar* bar = form.eMessage->GetVScrollBar();
  ASSERT_NE(bar, nullptr);
  bar->SetValue(bar->GetMax());
  ASSERT_GT(bar->GetValue(), 0);
  form.ShowMessageText("newest", 0);
  EXPECT_EQ(bar->GetValue(), 0);
  EXPECT_EQ(form.eMessage->Lines()->Get(0), u"newest");
}

}  // namespace
