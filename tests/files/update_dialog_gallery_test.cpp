// Pictures of the update dialog in both languages (build/gallery/), drawn on
// the display the test command starts, with checks at sample points.

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <filesystem>

#include "app/frmInfo.h"
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
#include "tests/support/ZipFixture.h"

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

// The database update as a user meets it: the help menu's item, the dialog
// shown as a window, the install button, the message of the outcome.
TEST_F(UpdateDialogGallery, DatabaseUpdateFromTheHelpMenu) {
  WriteFile("version_control.xml", VersionXml("V1.0.0", "", "2019-03-15"));
  Main.FLangIni->WriteString("common", "update_server", Server.BaseUrl());
  Main.GetXMLDBVersion();
  Main.Chinese1->SetChecked(false);
  Main.English1->SetChecked(true);
  const std::string archive = Url("/db/update.zip");
  Server.Set("/software/version_control.xml",
             "<VersionControl><Database><Version>2019-04-01</Version><ReadmeEn>" +
                 Url("/db/notes.txt") + "</ReadmeEn><Url>" + archive +
                 "</Url></Database></VersionControl>");
  Server.Set("/db/notes.txt", "Database 2019-04-01:\n- Two new car controllers");
  Server.Set("/db/update.zip",
             ZipBytes({{"car_settings.db3", "NEW"},
                       {"version_control.xml", VersionXml("V1.0.0", "", "2019-04-01")}}));
  std::vector<std::string> told;
  TfrmInfo::ModalHandler = [&](TfrmInfo& box) {
    told.push_back(UTF16ToUTF8(box.Label1->GetText()));
    return static_cast<int>(mrOk);
  };
  // Once the dialog is up: its picture, then the install button.
  struct TShot {
    TfrmInterface* Main;
    bool Shown = false;
  } shot{&Main};
  g_timeout_add(
      100,
      +[](gpointer data) -> gboolean {
        auto* s = static_cast<TShot*>(data);
        TfrmUpdate* dialog = s->Main->FUpdateForm;
        if (!dialog || !dialog->Showing()) return TRUE;
        s->Shown = true;
        pagetest::WaitDrawn(dialog->ControlsScene);
        pagetest::Settle(dialog->ControlsScene);
        pagetest::SaveWindow(*dialog, "database_update_dialog_en");
        dialog->btnInstall->Click();
        return FALSE;
      },
      &shot);
  dynamic_cast<TMenuItem*>(Main.FindComponent("DBUpdate"))->Click();
  TfrmInfo::ModalHandler = nullptr;
  EXPECT_TRUE(shot.Shown);
  EXPECT_EQ(ReadFile("car_settings.db3"), "NEW");
  EXPECT_EQ(told, std::vector<std::string>{"Upgrade complete."});
  EXPECT_EQ(Main.FLocalDatabaseVersion, "2019-04-01");
  EXPECT_NE(Main.GetCaption().find("04-01-2019(MM-DD-YY)"), std::string::npos);
}

}  // namespace
