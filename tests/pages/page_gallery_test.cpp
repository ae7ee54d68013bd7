// Pictures of built parameter pages for looking at, in build/gallery/: the
// general and the large car demo models, in English and in Chinese, and a
// page showing a device's values with the factory default marked. Sample
// points check that labels, combos and boxes sit where the rows put them.

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <filesystem>
#include <string>

#include "app/frmInterface.h"
#include "canvas/zr_gdiplus_unit.h"
#include "controls/zr_checks.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_labels.h"
#include "controls/zr_layouts.h"
#include "controls/zr_listbox.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_colors.h"
#include "scene/zr_popup.h"
#include "scene/zr_scene.h"
#include "scene/zr_strings.h"
#include "scene/zr_visual.h"

namespace {

class PageGallery : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitializeCanvasGdiPlus();
    Application->Initialize();
  }
};

void WaitDrawn(TzrCustomScene* scene) {
  for (int i = 0; i < 1000 && (scene->DrawCount() == 0 || !scene->InvalidRects().empty()); ++i) {
    g_main_context_iteration(nullptr, FALSE);
    g_usleep(2000);
  }
  for (int i = 0; i < 50; ++i) g_main_context_iteration(nullptr, FALSE);
  ASSERT_GT(scene->DrawCount(), 0);
}

TzrColor Pixel(TzrCustomScene* scene, float X, float Y) {
  TzrCanvas* c = scene->GetCanvas();
  return zrUnpremultyAlpha(
      c->GetBufferBits()[static_cast<int>(X) + static_cast<int>(Y) * c->GetWidth()]);
}

void SaveScene(TzrCustomScene* scene, const std::string& name) {
  TzrCanvas* c = scene->GetCanvas();
  cairo_surface_t* shot = cairo_image_surface_create_for_data(
      reinterpret_cast<unsigned char*>(c->GetBufferBits()), CAIRO_FORMAT_ARGB32, c->GetWidth(),
      c->GetHeight(), c->GetWidth() * 4);
  const std::filesystem::path folder = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
  std::filesystem::create_directories(folder);
  EXPECT_EQ(cairo_surface_write_to_png(shot, (folder / (name + ".png")).c_str()),
            CAIRO_STATUS_SUCCESS);
  cairo_surface_destroy(shot);
}

constexpr TzrColor kBack = 0xFF2B2B2B;

bool OnLayout(TzrObject* control, TzrLayout* layout) {
  for (TzrObject* p = control->GetParent(); p; p = p->GetParent())
    if (p == layout) return true;
  return false;
}

// True when some pixel of the control's local rectangle differs from the background.
bool AnyDrawn(TzrCustomScene* scene, TzrVisualObject* control, float X0, float Y0, float X1,
              float Y1) {
  for (float y = Y0; y <= Y1; y += 1)
    for (float x = X0; x <= X1; x += 1) {
      const TzrPoint p = control->LocalToAbsolute(zrPoint(x, y));
      if (Pixel(scene, p.X, p.Y) != kBack) return true;
    }
  return false;
}

TEST_F(PageGallery, DemoPagesInBothLanguages) {
  struct Page {
    const char* section;
    const char* picture;
    int group;
  } pages[] = {{"ESC_G60 DEMO-G60_HW1", "page_general_settings", 0},
               {"ESC_G60 DEMO-G60_HW1", "page_general_throttle", 1},
               {"CAR_ESC DEMO-VL450SD", "page_large_car_drive", 0},
               {"CAR_ESC DEMO-VL450SD", "page_large_car_curve", 1}};
  for (const bool chinese : {false, true}) {
    TfrmInterface form(nullptr);
    form.OnActivate = nullptr;
    form.FLangIni = std::make_unique<TMemIniFile>(std::string(ESCTOOL_BINARY_DIR) + "/lang.ini");
    form.Chinese1->SetChecked(chinese);
    form.English1->SetChecked(!chinese);
    form.ESCSpeedController1->SetChecked(true);
    form.Demo1->SetChecked(true);
    form.Show();
    for (const Page& page : pages) {
      SCOPED_TRACE(std::string(page.picture) + (chinese ? " zh" : " en"));
      form.LoadModelDefinition(page.section);
      form.BuildParameterPages();
      form.ListBoxItemClick(form.FindComponent("ListBoxItem" + std::to_string(page.group + 2)));
      TzrCustomScene* scene = form.ControlsScene;
      scene->Invalidate();
      WaitDrawn(scene);
      SaveScene(scene, std::string(page.picture) + (chinese ? "_zh" : "_en"));
      // Every row's label and combo, and every box's frame, is drawn where
      // the rows put it; the gap left of the rows shows the background.
      TzrLayout* layout = form.tabLayout[page.group + 1];
      ASSERT_TRUE(layout->GetVisible());
      int combos = 0;
      for (int i = 0; i < form.ComponentCount(); ++i) {
        auto* control = dynamic_cast<TzrVisualObject*>(form.Component(i));
        if (!control || !control->GetVisible() || !OnLayout(control, layout)) continue;
        const std::string name = control->GetName();
        SCOPED_TRACE(name.empty() ? "box" : name);
        if (dynamic_cast<TzrStringComboBox*>(control) && ++combos)
          EXPECT_TRUE(AnyDrawn(scene, control, 4, 4, control->GetWidth() - 4, 12));
        else if (dynamic_cast<TzrGroupBox*>(control))
          EXPECT_TRUE(AnyDrawn(scene, control, 0, control->GetHeight() / 2 - 4, 3,
                               control->GetHeight() / 2 + 4));
        else if (name.rfind("lItem", 0) == 0)
          EXPECT_TRUE(AnyDrawn(scene, control, 0, 0, 40, 18));
      }
      EXPECT_GT(combos, 1);
      const TzrPoint gap = layout->LocalToAbsolute(zrPoint(3, 30));
      EXPECT_EQ(Pixel(scene, gap.X, gap.Y), kBack);
    }
  }
}

}  // namespace

namespace {

// A large car page showing a device's values: the mode row, the selected
// entries and, in the opened list, the factory default marked.
TEST_F(PageGallery, PageWithDeviceValues) {
  TfrmInterface form(nullptr);
  form.OnActivate = nullptr;
  form.FLangIni = std::make_unique<TMemIniFile>(std::string(ESCTOOL_BINARY_DIR) + "/lang.ini");
  form.ESCSpeedController1->SetChecked(true);
  form.LoadModelDefinition("CAR_ESC DEMO-VL450SD");
  form.FModel = "CAR_ESC";
  form.FHardware = "DEMO-VL450SD";
  form.FFirmware = "F1";
  form.SetSettingsLayout();
  ASSERT_EQ(form.FValueOffset, 64);
  uint8_t* p = form.FParams;
  p[1376] = 2, p[1377] = 8;  // three modes, eight items
  p[48] = 1;
  const char name[] = "Crawler 1";
  std::copy(name, name + 9, p + 49);
  const int current[8] = {1, 40, 3, 5, 1, 0, 2, 1}, defaults[8] = {0, 0, 1, 0, 0, 0, 0, 2},
            last[8] = {2, 0, 3, 0, 1, 0, 5, 2};
  for (int n = 0; n < 8; ++n)
    p[64 + n] = current[n], p[16 + n] = defaults[n], p[1424 + n] = last[n];
  form.FConnected = true;
  form.Show();
  form.BuildParameterPages();
  EXPECT_FALSE(form.FPageOutdated);
  auto* combo = dynamic_cast<TzrStringComboBox*>(form.FindComponent("cbItem0"));
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->GetItemIndex(), 1);
  EXPECT_EQ(UTF16ToUTF8(combo->GetItems()->Get(0)), "Forward with Brake(*)");
  combo->GetPopup()->SetPlacementScene(zrPlacementSceneTarget);
  combo->DropDown();
  TzrCustomScene* scene = form.ControlsScene;
  scene->Invalidate();
  WaitDrawn(scene);
  SaveScene(scene, "page_device_values");
  combo->DropDown();
}

}  // namespace
