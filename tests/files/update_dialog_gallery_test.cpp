// Pictures of the update dialog in both languages (build/gallery/), drawn on
// the display the test command starts.

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <filesystem>

#include "app/frmInterface.h"
#include "controls/zr_controls.h"
#include "controls/zr_memo.h"
#include "files/frmUpdate.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"
#include "tests/files/update_fixture.h"

namespace {

class UpdateDialogGallery : public UpdateFolderTest {
 protected:
  // Draws the window's client area into a PNG; false when nothing was drawn.
  static bool WritePng(GtkWidget* window, const std::string& fileName) {
    // Layout runs on the frame clock: pump for a few frames.
    for (int i = 0; i < 20; ++i) {
      while (gtk_events_pending()) gtk_main_iteration();
      g_usleep(10000);
    }
    const int w = gtk_widget_get_allocated_width(window);
    const int h = gtk_widget_get_allocated_height(window);
    if (w <= 1 || h <= 1) return false;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_t* cr = cairo_create(surface);
    gtk_widget_draw(window, cr);
    cairo_destroy(cr);
    const bool written =
        cairo_surface_write_to_png(surface, fileName.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return written;
  }
};

TEST_F(UpdateDialogGallery, NewVersionInBothLanguages) {
  ASSERT_NO_THROW(Application->Initialize()) << "needs a display";
  std::filesystem::copy_file(std::string(ESCTOOL_SOURCE_DIR) + "/resources/lang.ini",
                             Dir + "lang.ini");
  const std::string gallery = std::string(ESCTOOL_BINARY_DIR) + "/gallery/";
  std::filesystem::create_directories(gallery);
  const struct {
    bool chinese;
    const char* readme;
    const char* file;
  } cases[] = {
      {true, "V1.3.0 更新内容：\n- 支持新的数据链通道升级\n- 修正分析仪记录保存",
       "update_dialog_cn.png"},
      {false,
       "What's new in V1.3.0:\n- Upgrades devices behind data-link channels\n"
       "- Analyzer record files save reliably",
       "update_dialog_en.png"},
  };
  for (const auto& c : cases) {
    TfrmInterface form(nullptr);
    form.OpenLanguageFile();
    form.Chinese1->SetChecked(c.chinese);
    std::unique_ptr<TfrmUpdate> dialog(form.NewUpdateDialog("UpdateTitle", "UpdateNew"));
    dialog->XwMemo1->SetText(UTF8ToUTF16(c.readme));
    dialog->ProgressBar1->SetVisible(true);
    dialog->ProgressBar1->SetValue(40);
    dialog->BuildWidgets();
    dialog->Repaint();
    dialog->Show();
    EXPECT_TRUE(WritePng(dialog->Handle(), gallery + c.file)) << c.file;
  }
  // A run that failed: the reason in the headline, Cancel enabled.
  TfrmInterface form(nullptr);
  form.OpenLanguageFile();
  form.Chinese1->SetChecked(false);
  std::unique_ptr<TfrmUpdate> dialog(form.NewUpdateDialog("UpdateTitle", "UpdateNew"));
  dialog->BuildWidgets();
  dialog->Show();
  dialog->FUrlList = Url("/sw/setup.exe");
  dialog->btnInstall->Click();
  EXPECT_TRUE(WritePng(dialog->Handle(), gallery + "update_dialog_failed_en.png"));
}

}  // namespace
