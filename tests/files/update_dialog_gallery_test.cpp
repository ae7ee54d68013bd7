// Pictures of the update dialog in both languages (build/gallery/), drawn on
// the display the test command starts, with checks at sample points.

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <filesystem>

#include "app/frmInterface.h"
#include "canvas/zr_gdiplus_unit.h"
#include "controls/XwMemo.h"
#include "controls/zr_buttons.h"
#include "controls/zr_controls.h"
#include "files/frmUpdate.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"
#include "tests/files/update_fixture.h"
#include "tests/support/SceneShot.h"

namespace {

using pagetest::Pixel;

class UpdateDialogGallery : public UpdateFolderTest {
 protected:
  static void SetUpTestSuite() {
    InitializeCanvasGdiPlus();
    Application->Initialize();
  }
  UpdateDialogGallery() {
    std::filesystem::copy_file(std::string(ESCTOOL_SOURCE_DIR) + "/resources/lang.ini",
                               Dir + "lang.ini");
    Main.OnActivate = nullptr;
    Main.OpenLanguageFile();
  }
  std::unique_ptr<TfrmUpdate> Offer(bool chinese, const char* readme) {
    Main.Chinese1->SetChecked(chinese);
    std::unique_ptr<TfrmUpdate> dialog(Main.NewUpdateDialog("UpdateTitle", "UpdateNew"));
    dialog->XwMemo1->SetText(readme);
    return dialog;
  }
  // Shows the dialog, writes its picture and checks what every shot shows:
  // the scene fills the client area, the built-in picture is blue.
  void Shoot(TfrmUpdate& dialog, const std::string& name) {
    dialog.Show();
    pagetest::WaitDrawn(dialog.ControlsScene);
    pagetest::Settle(dialog.ControlsScene);
    pagetest::SaveWindow(dialog, name);
    TzrCustomScene* scene = dialog.ControlsScene;
    EXPECT_EQ(scene->GetWidth(), 493);
    EXPECT_EQ(scene->GetHeight(), 408);
    const TzrColor picture = Pixel(scene, 14 + 5, 95 + 5);
    EXPECT_GT(pagetest::Blue(picture), pagetest::Red(picture) + 80) << name;
    dialog.Hide();
  }
  TfrmInterface Main{nullptr};
};

TEST_F(UpdateDialogGallery, NewVersionInBothLanguages) {
  const struct {
    bool chinese;
    const char* readme;
    const char* file;
  } cases[] = {
      {true, "V1.3.0 更新内容：\n- 支持新的数据链通道升级\n- 修正分析仪记录保存",
       "update_dialog_cn"},
      {false,
       "What's new in V1.3.0:\n- Upgrades devices behind data-link channels\n"
       "- Analyzer record files save reliably",
       "update_dialog_en"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    std::unique_ptr<TfrmUpdate> dialog = Offer(c.chinese, c.readme);
    dialog->ProgressBar1->SetVisible(true);
    dialog->ProgressBar1->SetValue(40);
    EXPECT_EQ(UTF16ToUTF8(dialog->btnInstall->GetText()), c.chinese ? "确定" : "Download");
    Shoot(*dialog, c.file);
    EXPECT_EQ(dialog->XwMemo1->GetText(), c.readme);
  }
}

TEST_F(UpdateDialogGallery, FailedRunShowsItsReason) {
  std::unique_ptr<TfrmUpdate> dialog = Offer(false, "");
  dialog->FUrlList = Url("/sw/setup.exe");
  dialog->btnInstall->Click();
  EXPECT_TRUE(dialog->btnCancel->GetEnabled());
  Shoot(*dialog, "update_dialog_failed_en");
}

}  // namespace
