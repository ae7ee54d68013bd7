// The version file at start, the software update check and the history command.

#include <gtest/gtest.h>

#include "app/frmInterface.h"
#include "canvas/zr_gdiplus_unit.h"
#include "controls/XwMemo.h"
#include "controls/zr_buttons.h"
#include "controls/zr_controls.h"
#include "controls/zr_memo.h"
#include "controls/zr_objects_text.h"
#include "files/frmUpdate.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_bitmap.h"
#include "tests/files/update_fixture.h"

namespace {

// What one shown update dialog held.
struct TShownDialog {
  std::string Caption, Text, Readme, Urls;
  int PictureWidth = 0;
  bool InstallVisible = false, InstallEnabled = false;
  float Max = 0;
};

class UpdateCheckTest : public UpdateFolderTest {
 protected:
  // The canvas decodes the dialog's pictures.
  static void SetUpTestSuite() { InitializeCanvasGdiPlus(); }
  // A program folder with the local version file and a language file naming
  // the local server; the window is created as at start.
  void Start(const std::string& localVersion, bool chinese = false, const std::string& server = "",
             const std::string& extraLang = "") {
    WriteFile("version_control.xml", VersionXml(localVersion));
    WriteFile("lang.ini", "[common]\nupdate_server=" + (server.empty() ? Url("/svc/") : server) +
                              "\n" + extraLang);
    Form = std::make_unique<TfrmInterface>(nullptr);
    (chinese ? Form->Chinese1 : Form->English1)->SetChecked(true);
    Form->FormCreate(Form.get());
    TfrmUpdate::ModalHandler = [this](TfrmUpdate& d) {
      Dialogs.push_back({d.GetCaption(), UTF16ToUTF8(d.Label1->GetText()), d.XwMemo1->GetText(),
                         d.FUrlList, d.Image1->GetBitmap()->GetWidth(), d.btnInstall->GetVisible(),
                         d.btnInstall->GetEnabled(), d.ProgressBar1->GetMax()});
      if (OnDialog) OnDialog(d);
      return static_cast<int>(mrCancel);
    };
  }
  void Publish(const std::string& remoteVersion, const std::string& extra = "") {
    Server.Set("/svc/software/version_control.xml", VersionXml(remoteVersion, extra));
  }
  std::vector<std::u16string> Messages() const { return Form->eMessage->GetUnwrapLines(); }

  std::unique_ptr<TfrmInterface> Form;
  std::vector<TShownDialog> Dialogs;
  std::function<void(TfrmUpdate&)> OnDialog;
};

TEST_F(UpdateCheckTest, StartReadsBothLocalVersions) {
  Start("V1.2.0");
  EXPECT_EQ(Form->FLocalSoftwareVersion, "V1.2.0");
  EXPECT_EQ(Form->FLocalDatabaseVersion, "2026-12-01");
  EXPECT_EQ(Form->FXmlNode.NodeName(), "VersionControl");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(UpdateCheckTest, MissingOrBrokenVersionFileStillStarts) {
  for (const char* content : {"", "<VersionControl><Software>"}) {
    SCOPED_TRACE(content);
    std::filesystem::remove(Dir + "version_control.xml");
    if (*content) WriteFile("version_control.xml", content);
    WriteFile("lang.ini", "[common]\nengversion_file_fail=No version file.\n");
    Form = std::make_unique<TfrmInterface>(nullptr);
    Form->English1->SetChecked(true);
    ASSERT_NO_THROW(Form->FormCreate(Form.get()));
    EXPECT_NE(Form->FLangIni, nullptr);
    EXPECT_TRUE(Form->FCheckUpdates);
    EXPECT_EQ(Form->FLocalSoftwareVersion, "");
    EXPECT_EQ(Form->FLocalDatabaseVersion, "");
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(UTF16ToUTF8(Messages()[0]).rfind("No version file. (", 0), 0u);
  }
}

TEST_F(UpdateCheckTest, EqualVersionsFromTheMenuAndQuiet) {
  Start("V1.2.0", false, "", "updateimage=done.png\nengUpdateAlready=Latest.\n");
  std::filesystem::copy_file(ESCTOOL_SOURCE_DIR "/resources/forms/about_logo.png",
                             Dir + "done.png");
  Publish("V1.2.0");
  Form->Update1Click(Form.get());
  EXPECT_TRUE(Dialogs.empty());
  Form->Update1Click(nullptr);
  ASSERT_EQ(Dialogs.size(), 1u);
  EXPECT_EQ(Dialogs[0].Text, "Latest.");
  EXPECT_EQ(Dialogs[0].Caption, "更新信息");
  EXPECT_FALSE(Dialogs[0].InstallVisible);
  EXPECT_EQ(Dialogs[0].Readme, "");
  EXPECT_EQ(Dialogs[0].PictureWidth, 221);  // the picture file, not the built-in one
  EXPECT_EQ(Form->FRemoteSoftwareVersion, "V1.2.0");
  EXPECT_FALSE(std::filesystem::exists(Dir + "_control.tmp"));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(UpdateCheckTest, NewerVersionOfferedWithReadmeInTheChosenLanguage) {
  for (const bool chinese : {false, true}) {
    SCOPED_TRACE(chinese);
    Dialogs.clear();
    Start("V1.2.0", chinese);
    Publish("V1.3.0", "<ReadmeCn>" + Url("/svc/cn.txt") + "</ReadmeCn><ReadmeEn>" +
                          Url("/svc/en.txt") + "</ReadmeEn><Url>" + Url("/svc/setup.exe") +
                          "</Url>");
    Server.Set("/svc/cn.txt", "新功能");
    Server.Set("/svc/en.txt", "New features");
    Server.Set("/svc/setup.exe", std::string(1234, 'x'));
    Form->Update1Click(Form.get());  // quiet: a newer version is still offered
    ASSERT_EQ(Dialogs.size(), 1u);
    EXPECT_EQ(Dialogs[0].Text, "版本更新了！");
    EXPECT_EQ(Dialogs[0].Readme, chinese ? "新功能" : "New features");
    EXPECT_TRUE(Dialogs[0].InstallVisible);
    EXPECT_TRUE(Dialogs[0].InstallEnabled);
    EXPECT_EQ(Dialogs[0].Max, 1234);
    EXPECT_EQ(Dialogs[0].PictureWidth, 118);  // the dialog's own picture
    EXPECT_EQ(Dialogs[0].Urls, Url("/svc/setup.exe"));
  }
}

TEST_F(UpdateCheckTest, TwoDigitMinorVersionIsNewer) {
  Start("V1.2.0");
  Publish("V1.10.0", "<Url>" + Url("/svc/a.exe") + "</Url>");
  Server.Set("/svc/a.exe", "x");
  Form->Update1Click(Form.get());
  ASSERT_EQ(Dialogs.size(), 1u);
  // An older server version offers nothing.
  Publish("V1.1.9");
  Form->Update1Click(nullptr);
  EXPECT_EQ(Dialogs.size(), 1u);
}

TEST_F(UpdateCheckTest, UnreachableServerIsToldOnlyWhenAsked) {
  Start("V1.2.0", false, "", "engnetwork_connect_fail=No server.\n");
  Server.Stop();
  Form->Update1Click(Form.get());
  EXPECT_TRUE(Messages().empty());
  Form->Update1Click(nullptr);
  EXPECT_EQ(Messages(), std::vector<std::u16string>{u"No server."});
  EXPECT_TRUE(Dialogs.empty());
  EXPECT_EQ(Form->FLocalSoftwareVersion, "V1.2.0");
}

TEST_F(UpdateCheckTest, NoServerAddressMakesNoRequest) {
  Start("V1.2.0", false, " ");
  Form->FLangIni->WriteString("common", "update_server", "");
  Form->Update1Click(nullptr);
  EXPECT_TRUE(Server.Requests().empty());
  EXPECT_EQ(Messages(), std::vector<std::u16string>{u"network_connect_fail"});
  EXPECT_EQ(Form->UpdateAddress("HistoryUrl", "/"), "");
}

TEST_F(UpdateCheckTest, BadRemoteFileKeepsTheLastVersions) {
  Start("V1.2.0");
  Publish("V1.2.0");
  Form->Update1Click(Form.get());
  Server.Set("/svc/software/version_control.xml", "<VersionControl><Software>");
  Form->Update1Click(Form.get());
  EXPECT_EQ(Form->FRemoteSoftwareVersion, "V1.2.0");
  EXPECT_TRUE(Form->FXmlNode.IsNull());
  EXPECT_FALSE(std::filesystem::exists(Dir + "_control.tmp"));
  EXPECT_TRUE(Dialogs.empty());
}

TEST_F(UpdateCheckTest, UnwritableDownloadCopyStillChecks) {
  Start("V1.2.0");
  Publish("V1.2.0");
  // "_control.tmp" cannot be created: a folder of that name is in the way.
  std::filesystem::create_directory(Dir + "_control.tmp");
  WriteFile("_control.tmp/keep", "");
  Form->Update1Click(nullptr);
  EXPECT_EQ(Dialogs.size(), 1u);
  EXPECT_EQ(Form->FRemoteSoftwareVersion, "V1.2.0");
}

TEST_F(UpdateCheckTest, DownloadSizeSumsEveryAddress) {
  Start("V1.2.0");
  const std::string list = Url("/svc/a.exe") + "|" + Url("/svc/b.txt");
  Publish("V1.3.0", "<Url>" + list + "</Url>");
  Server.Set("/svc/a.exe", std::string(300, 'a'));
  Server.Set("/svc/b.txt", std::string(45, 'b'));
  Form->Update1Click(Form.get());
  ASSERT_EQ(Dialogs.size(), 1u);
  EXPECT_TRUE(Dialogs[0].InstallEnabled);
  EXPECT_EQ(Dialogs[0].Max, 345);
  EXPECT_EQ(Dialogs[0].Urls, list);
  // One address the server does not have: install is disabled.
  Publish("V1.3.0", "<Url>" + list + "|" + Url("/svc/missing") + "</Url>");
  Form->Update1Click(Form.get());
  ASSERT_EQ(Dialogs.size(), 2u);
  EXPECT_FALSE(Dialogs[1].InstallEnabled);
}

TEST_F(UpdateCheckTest, StartedInstallerClosesTheWindow) {
  Start("V1.2.0");
  Publish("V1.3.0", "<Url>" + Url("/svc/setup.exe") + "</Url>");
  Server.Set("/svc/setup.exe", "MZ");
  int closes = 0;
  Form->OnClose = [&](TObject*, TCloseAction&) { ++closes; };
  OnDialog = [](TfrmUpdate& d) { d.btnInstall->Click(); };
  Form->Update1Click(nullptr);
  EXPECT_EQ(closes, 1);
  EXPECT_EQ(Opened.size(), 1u);
  EXPECT_EQ(ReadFile("_setup.exe"), "MZ");
}

TEST_F(UpdateCheckTest, FirstActivationChecksQuietlyOnce) {
  Start("V1.2.0", false, "", "autoupdate=1\n");
  Publish("V1.3.0", "<Url>" + Url("/svc/a.exe") + "</Url>");
  Server.Set("/svc/a.exe", "x");
  Form->FormActivate(Form.get());
  Form->FormActivate(Form.get());
  EXPECT_EQ(Dialogs.size(), 1u);
  Start("V1.2.0", false, "", "autoupdate=0\n");
  Dialogs.clear();
  Form->FormActivate(Form.get());
  EXPECT_TRUE(Dialogs.empty());
}

TEST_F(UpdateCheckTest, HistoryOpensTheSiteOrTheLocalPageOfTheLanguage) {
  Start("V1.2.0", true);
  Server.Set("/svc/", "<html></html>");
  Form->History1Click(nullptr);
  ASSERT_EQ(Opened.size(), 1u);
  EXPECT_EQ(Opened[0], Url("/svc/"));
  Server.Stop();
  Form->History1Click(nullptr);
  Form->Chinese1->SetChecked(false);
  Form->History1Click(nullptr);
  ASSERT_EQ(Opened.size(), 3u);
  EXPECT_EQ(Opened[1], "file://" + Dir + "history/index_cn.html");
  EXPECT_EQ(Opened[2], "file://" + Dir + "history/index_en.html");
}

}  // namespace
