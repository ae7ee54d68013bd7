#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/frmInterface.h"
#include "canvas/zr_gdiplus_unit.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_listbox.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_scene.h"

// The demo model's page in the shown window, in English and in Chinese:
// exported from the File menu, changed, and imported again, with pictures
// of the page before the export and after the import in build/gallery/.

namespace {

namespace fs = std::filesystem;

void WaitDrawn(TzrCustomScene* scene) {
  for (int i = 0; i < 1000 && (scene->DrawCount() == 0 || !scene->InvalidRects().empty()); ++i) {
    g_main_context_iteration(nullptr, FALSE);
    g_usleep(2000);
  }
  for (int i = 0; i < 50; ++i) g_main_context_iteration(nullptr, FALSE);
}

void SaveScene(TzrCustomScene* scene, const std::string& name) {
  scene->Invalidate();
  WaitDrawn(scene);
  TzrCanvas* c = scene->GetCanvas();
  cairo_surface_t* shot = cairo_image_surface_create_for_data(
      reinterpret_cast<unsigned char*>(c->GetBufferBits()), CAIRO_FORMAT_ARGB32, c->GetWidth(),
      c->GetHeight(), c->GetWidth() * 4);
  const fs::path folder = fs::path(ESCTOOL_BINARY_DIR) / "gallery";
  fs::create_directories(folder);
  EXPECT_EQ(cairo_surface_write_to_png(shot, (folder / (name + ".png")).c_str()),
            CAIRO_STATUS_SUCCESS);
  cairo_surface_destroy(shot);
}

TEST(ParameterFileGallery, DemoPageExportAndImportInBothLanguages) {
  InitializeCanvasGdiPlus();
  Application->Initialize();
  for (const bool chinese : {false, true}) {
    SCOPED_TRACE(chinese ? "zh" : "en");
    TfrmInterface form(nullptr);
    form.OnActivate = nullptr;
    form.FLangIni = std::make_unique<TMemIniFile>(std::string(ESCTOOL_BINARY_DIR) + "/lang.ini");
    form.Chinese1->SetChecked(chinese);
    form.English1->SetChecked(!chinese);
    form.ESCSpeedController1->SetChecked(true);
    form.Demo1->SetChecked(true);
    form.Show();
    form.LoadModelDefinition("ESC_G60 DEMO-G60_HW1");
    form.BuildParameterPages();
    form.ListBoxItemClick(form.FindComponent("ListBoxItem2"));
    auto* combo = dynamic_cast<TzrComboBox*>(form.FindComponent("cbItem1"));
    ASSERT_NE(combo, nullptr);
    combo->SetItemIndex(2);
    SaveScene(form.ControlsScene, std::string("parameter_export_") + (chinese ? "zh" : "en"));

    const fs::path path = fs::path(ESCTOOL_BINARY_DIR) / "gallery" /
                          (std::string("demo_parameters_") + (chinese ? "zh" : "en") + ".txt");
    FileDialogHook = [&](TFileDialog& dialog) {
      dialog.SetFileName(path.string());
      return true;
    };
    form.Export1->Click();
    std::stringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    EXPECT_NE(text.str().find("\r\n2=3\r\n"), std::string::npos);

    combo->SetItemIndex(0);
    form.Import1->Click();
    FileDialogHook = nullptr;
    EXPECT_EQ(combo->GetItemIndex(), 2);
    SaveScene(form.ControlsScene, std::string("parameter_import_") + (chinese ? "zh" : "en"));
  }
}

}  // namespace
