// What the main window, the information box and the progress window show,
// written to the build folder's gallery and checked at sample points.

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "app/frmInfo.h"
#include "app/frmInterface.h"
#include "app/frmProgress.h"
#include "canvas/zr_gdiplus_unit.h"
#include "controls/zr_controls.h"
#include "controls/zr_layouts.h"
#include "controls/zr_listbox.h"
#include "controls/zr_panels.h"
#include "controls/zr_text_control.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_colors.h"
#include "scene/zr_resources.h"
#include "scene/zr_scene.h"
#include "scene/zr_visual.h"

namespace {

class FrameGallery : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitializeCanvasGdiPlus();
    Application->Initialize();
  }
};

// Pumps until the scene has drawn and has nothing left to draw.
void WaitDrawn(TzrCustomScene* scene) {
  for (int i = 0; i < 1000 && (scene->DrawCount() == 0 || !scene->InvalidRects().empty()); ++i) {
    g_main_context_iteration(nullptr, FALSE);
    g_usleep(2000);
  }
  for (int i = 0; i < 50; ++i) g_main_context_iteration(nullptr, FALSE);
  ASSERT_GT(scene->DrawCount(), 0);
}

// The scene's own buffer, unpremultiplied, at scene pixel (X, Y).
TzrColor Pixel(TzrCustomScene* scene, int X, int Y) {
  TzrCanvas* c = scene->GetCanvas();
  return zrUnpremultyAlpha(c->GetBufferBits()[X + Y * c->GetWidth()]);
}

// Draws the whole window (menu bar and status bar included) into the gallery.
void SaveWindow(TForm& form, const std::string& name) {
  GtkWidget* window = form.Handle();
  const int w = gtk_widget_get_allocated_width(window);
  const int h = gtk_widget_get_allocated_height(window);
  cairo_surface_t* shot = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* cr = cairo_create(shot);
  gtk_widget_draw(window, cr);
  cairo_destroy(cr);
  const std::filesystem::path folder = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
  std::filesystem::create_directories(folder);
  EXPECT_EQ(cairo_surface_write_to_png(shot, (folder / (name + ".png")).c_str()),
            CAIRO_STATUS_SUCCESS);
  cairo_surface_destroy(shot);
}

bool Differs(TzrColor a, TzrColor b) { return a != b; }

// Writes the part of the scene's buffer that the object covers to the gallery.
void SaveSceneRect(TzrCustomScene* scene, TzrVisualObject* object, const std::string& name) {
  const TzrRect r = object->GetAbsoluteRect();
  TzrCanvas* c = scene->GetCanvas();
  const int x0 = int(r.Left), y0 = int(r.Top);
  const int w = std::min(int(r.Right), c->GetWidth()) - x0;
  const int h = std::min(int(r.Bottom), c->GetHeight()) - y0;
  ASSERT_GT(w, 0);
  ASSERT_GT(h, 0);
  cairo_surface_t* shot = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  uint8_t* data = cairo_image_surface_get_data(shot);
  const int stride = cairo_image_surface_get_stride(shot);
  for (int y = 0; y < h; ++y)
    std::memcpy(data + y * stride, c->GetBufferBits() + (y0 + y) * c->GetWidth() + x0, w * 4);
  cairo_surface_mark_dirty(shot);
  const std::filesystem::path folder = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
  std::filesystem::create_directories(folder);
  EXPECT_EQ(cairo_surface_write_to_png(shot, (folder / (name + ".png")).c_str()),
            CAIRO_STATUS_SUCCESS);
  cairo_surface_destroy(shot);
}

// Light text pixels (the captions are drawn near white on the dark frame)
// inside the control's rectangle.
int InkPixels(TzrCustomScene* scene, TzrVisualObject* control) {
  const TzrRect r = control->GetAbsoluteRect();
  int ink = 0;
  for (int y = int(r.Top); y < int(r.Bottom); ++y)
    for (int x = int(r.Left); x < int(r.Right); ++x) {
      const TzrColor c = Pixel(scene, x, y);
      if (((c >> 16) & 0xFF) > 0x90 && ((c >> 8) & 0xFF) > 0x90 && (c & 0xFF) > 0x90) ++ink;
    }
  return ink;
}

// Glyphs the default font (and its fallbacks) lacks for the text.
int UnknownGlyphs(const std::string& text) {
  PangoFontMap* map = pango_cairo_font_map_get_default();
  PangoContext* context = pango_font_map_create_context(map);
  PangoLayout* layout = pango_layout_new(context);
  pango_layout_set_text(layout, text.c_str(), -1);
  const int unknown = pango_layout_get_unknown_glyphs_count(layout);
  g_object_unref(layout);
  g_object_unref(context);
  return unknown;
}

// The window after the language file was applied, in English and in Chinese.
TEST_F(FrameGallery, MainWindowInBothLanguages) {
  const std::filesystem::path folder =
      std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery" / "main_window_lang";
  std::filesystem::create_directories(folder);
  SetProgramFolder(folder.string() + "/");
  for (const bool chinese : {false, true}) {
    std::ofstream(folder / "lang.ini", std::ios::binary)
        << "[common]\r\nlang=" << (chinese ? "1" : "0")
        << "\r\n[DEMO_CAR]\r\nname=Demo car\r\ndemo=1\r\n";
    TfrmInterface form(nullptr);
    form.OnActivate = nullptr;  // no device search here
    form.OpenLanguageFile();
    form.FLocalDatabaseVersion = "2024-03-18";
    form.ApplyLanguage();
    form.ListBoxItemClick(form.ListBoxItem1);
    form.Show();
    TzrCustomScene* scene = form.ControlsScene;
    WaitDrawn(scene);
    SaveWindow(form, chinese ? "main_window_zh" : "main_window_en");
    EXPECT_EQ(form.GetCaption(),
              chinese ? "Quenby昆比科技电调调制软件 V3.0 V1.0.0      Database: 2024-03-18"
                      : "Quenby ESC System V3.0 V1.0.0      Database: 03-18-2024(MM-DD-YY)");

    const TzrColor back = 0xFF2B2B2B;
    // Both lamps dark, in the connection group at the bottom of the centre column.
    EXPECT_EQ(Pixel(scene, 124 + 8 + 12 + 8, 524 + 26 + 8), 0xFF004A00u);
    EXPECT_EQ(Pixel(scene, 124 + 8 + 12 + 8, 524 + 50 + 8), 0xFF004A00u);
    // The navigation column's panel ends at 124; the empty first page shows
    // the background, and so does the hidden help column.
    EXPECT_TRUE(Differs(Pixel(scene, 60, 3), back));
    EXPECT_TRUE(Differs(Pixel(scene, 122, 300), back));
    EXPECT_EQ(Pixel(scene, 126, 300), back);
    EXPECT_EQ(Pixel(scene, 300, 300), back);
    EXPECT_EQ(Pixel(scene, 700, 300), back);
    // The connect button and the write button are drawn over the group boxes.
    const int connectX = 124 + 8 + 87 + 35, connectY = 524 + 43 + 11;
    EXPECT_TRUE(Differs(Pixel(scene, connectX, connectY), back));
    const int writeX = 124 + 181 + 8 + 2, writeY = 524 + 22 + 13;
    EXPECT_TRUE(Differs(Pixel(scene, writeX, writeY), back));
    // The captions drew glyphs of their language: every character has one,
    // and the labels carry ink.
    for (const char* name : {"tabLabel1", "Label2", "GroupBox1"}) {
      auto* label = dynamic_cast<TzrTextControl*>(form.FindComponent(name));
      ASSERT_NE(label, nullptr) << name;
      SCOPED_TRACE(UTF16ToUTF8(label->GetText()));
      EXPECT_EQ(UnknownGlyphs(UTF16ToUTF8(label->GetText())), 0);
      EXPECT_GT(InkPixels(scene, label), 15);
    }
    EXPECT_EQ(
        UTF16ToUTF8(dynamic_cast<TzrTextControl*>(form.FindComponent("tabLabel1"))->GetText()),
        chinese ? "关于" : "About");
  }
  SetProgramFolder("");
}

// The connection strip with the connect switch on and off: the button names
// the next press in the checked language, and off darkens the lamp and the
// write and default buttons.
TEST_F(FrameGallery, ConnectionStripWithTheSwitchOnAndOff) {
  for (const bool chinese : {false, true}) {
    TfrmInterface form(nullptr);
    form.OnActivate = nullptr;
    SetProgramFolder(std::string(ESCTOOL_BINARY_DIR) + "/");  // the shipped language file
    form.OpenLanguageFile();
    SetProgramFolder("");
    form.Chinese1->SetChecked(chinese);
    form.English1->SetChecked(!chinese);
    form.ESCSpeedController1Click(nullptr);
    form.Show();
    TzrCustomScene* scene = form.ControlsScene;
    auto* strip = dynamic_cast<TzrVisualObject*>(form.FindComponent("Panel4"));
    ASSERT_NE(strip, nullptr);
    const TzrRect lamp = form.Circle1->GetAbsoluteRect();
    const int lampX = int((lamp.Left + lamp.Right) / 2), lampY = int((lamp.Top + lamp.Bottom) / 2);
    const std::string language = chinese ? "zh" : "en";
    for (const bool on : {true, false}) {
      if (on) {
        // Off and on again: the text comes from the language file; the lamp
        // shows a connection, as the link sets it.
        form.btnConnectClick(nullptr);
        form.btnConnectClick(nullptr);
        form.Circle1->GetFill()->SetColor("#FF00AA00");
      } else {
        form.btnConnectClick(nullptr);
      }
      WaitDrawn(scene);
      SaveSceneRect(scene, strip,
                    std::string("connection_strip_") + (on ? "on_" : "off_") + language);
      EXPECT_EQ(Pixel(scene, lampX, lampY), on ? 0xFF00AA00u : 0xFF004A00u);
      EXPECT_EQ(form.btnUpdate->GetEnabled(), on);
    }
    form.Hide();
  }
}

TEST_F(FrameGallery, InformationBox) {
  TfrmInterface main(nullptr);
  main.OnActivate = nullptr;
  TfrmInfo box(&main);
  box.ControlsScene->SetStyle(main.SceneStyle);
  box.Label1->SetText(u"参数已写入电调 / Settings written to the ESC");
  box.btnOk->SetText(u"Ok");
  box.SetCaption("Information");
  box.Show();
  WaitDrawn(box.ControlsScene);
  SaveWindow(box, "information_box");
  TzrCustomScene* scene = box.ControlsScene;
  EXPECT_EQ(scene->GetWidth(), 314);
  EXPECT_EQ(scene->GetHeight(), 152);
  EXPECT_EQ(Pixel(scene, 5, 5), 0xFF2B2B2Bu);
  EXPECT_TRUE(Differs(Pixel(scene, 117 + 3, 106 + 11), 0xFF2B2B2Bu));  // the button
  box.Hide();
}

TEST_F(FrameGallery, ProgressWindow) {
  TfrmInterface main(nullptr);
  main.OnActivate = nullptr;
  TfrmProgress progress(&main);
  progress.ControlsScene->SetStyle(main.SceneStyle);
  progress.ProgressBar1->SetMax(200);
  progress.ProgressBar1->SetValue(100);
  progress.Show();
  WaitDrawn(progress.ControlsScene);
  SaveWindow(progress, "progress_window");
  TzrCustomScene* scene = progress.ControlsScene;
  EXPECT_EQ(scene->GetWidth(), 350);
  EXPECT_EQ(scene->GetHeight(), 91);
  // The bar is filled to its middle: left of it the indicator, right of it the track.
  const TzrColor filled = Pixel(scene, 22 + 40, 50 + 9);
  const TzrColor empty = Pixel(scene, 22 + 260, 50 + 9);
  EXPECT_NE(filled, empty);
  progress.Hide();
}

}  // namespace
