// The database update from the help menu and at the first activation, with
// the simulated controller on the link, a program folder of the test's own
// and an update service on 127.0.0.1.

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/frmInfo.h"
#include "app/frmInterface.h"
#include "controls/XwMemo.h"
#include "controls/zr_buttons.h"
#include "controls/zr_controls.h"
#include "controls/zr_memo.h"
#include "controls/zr_text_control.h"
#include "files/frmUpdate.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"
#include "tests/link/link_fixture.h"
#include "tests/support/HttpServer.h"
#include "tests/support/ZipFixture.h"

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// A model database knowing CAR_ESC, of the given version, as file bytes.
std::string DatabaseBytes(const std::string& folder, const std::string& version) {
  const std::string path = folder + "db.tmp";
  std::filesystem::remove(path);
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  const std::string sql = ReadFile(ESCTOOL_SOURCE_DIR "/resources/databases/schema.sql") +
                          "insert into splash values (1, 'CAR_ESC');"
                          "insert into dbversion values ('" +
                          version + "');";
  EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(db);
  std::string bytes = ReadFile(path);
  std::filesystem::remove(path);
  return bytes;
}

std::string VersionXml(const std::string& database, const std::string& extra = "") {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><VersionControl><Software><Version>V1.0.0"
         "</Version></Software><Database><Version>" +
         database + "</Version>" + extra + "</Database></VersionControl>";
}

class DatabaseUpdateTest : public LinkFixture {
 protected:
  DatabaseUpdateTest() {
    char pattern[] = "/tmp/esctool-dbupdate-XXXXXX";
    Dir = std::string(mkdtemp(pattern)) + "/";
    SetProgramFolder(Dir);
    Write("version_control.xml", VersionXml("2019-03-15"));
    Write("car_settings.db3", DatabaseBytes(Dir, "2019-03-15"));
    Write("lang.ini", "[common]\nlang=0\nupdate_server=" + Server.BaseUrl() +
                          "\nengVersion=Database\nengupgrade_succ=Updated.\n"
                          "engUpgrade_fail=Failed.\nengDBUpdateAlready=Latest database.\n");
    StartForm();
    TfrmInfo::ModalHandler = [this](TfrmInfo& box) {
      InfoTexts.push_back(UTF16ToUTF8(box.Label1->GetText()));
      SwitchAtInfo.push_back(Form->FConnectSwitch);
      return static_cast<int>(mrOk);
    };
    TfrmUpdate::ModalHandler = [this](TfrmUpdate& dialog) {
      ++Dialogs;
      EXPECT_EQ(Form->FUpdateForm, &dialog);
      DialogText = UTF16ToUTF8(dialog.Label1->GetText());
      InstallVisible = dialog.btnInstall->GetVisible();
      if (OnDialog) OnDialog(dialog);
      return static_cast<int>(mrNone);
    };
  }
  ~DatabaseUpdateTest() override {
    TfrmUpdate::ModalHandler = nullptr;
    Form.reset();
    SetProgramFolder("");
    std::filesystem::remove_all(Dir);
  }
  // The window as the create handler leaves it for the files above, on the
  // link markers of the speed controller.
  void StartForm(bool checkUpdates = false) {
    Form = NewForm();
    Form->FCheckUpdates = checkUpdates;
    Form->OpenLanguageFile();
    Form->GetXMLDBVersion();
    Form->ApplyLanguage();
  }
  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(Dir + name, std::ios::binary) << bytes;
  }
  void ConnectCar() {
    PlugController("CAR_ESC", "VL46_SL01");
    Arrive();
    Tick();
    ASSERT_TRUE(Form->FConnected);
    // What the connection itself told (the test's language file defines no
    // settings page) is not the update's.
    InfoTexts.clear();
    SwitchAtInfo.clear();
  }
  void Tick() { Form->Timer1Timer(Form.get()); }
  // The service offers the database version with the archive as its address list.
  void Publish(const std::string& version, const std::string& archive = "/db/update.zip") {
    Server.Set("/software/version_control.xml",
               VersionXml(version, "<ReadmeEn>" + Server.BaseUrl() + "/db/notes.txt</ReadmeEn>" +
                                       "<Url>" + Server.BaseUrl() + archive + "</Url>"));
    Server.Set("/db/notes.txt", "New models.");
  }
  std::string Label() const { return UTF16ToUTF8(Form->lVersion->GetText()); }
  std::string TopMessage() const {
    const auto& lines = Form->eMessage->GetUnwrapLines();
    return lines.empty() ? std::string() : UTF16ToUTF8(lines.front());
  }
  void PressInstall() {
    OnDialog = [](TfrmUpdate& d) { d.btnInstall->Click(); };
  }

  std::string Dir;
  TTestHttpServer Server;
  int Dialogs = 0;
  std::string DialogText;
  bool InstallVisible = false;
  std::function<void(TfrmUpdate&)> OnDialog;
  std::vector<bool> SwitchAtInfo;
};

TEST_F(DatabaseUpdateTest, NewerDatabaseIsInstalledAndUsedAtTheNextConnection) {
  ConnectCar();
  EXPECT_EQ(Label(), "Database 03-15-2019");
  const std::string newDb = DatabaseBytes(Dir, "2019-04-01");
  Server.Set("/db/update.zip", ZipBytes({{"car_settings.db3", newDb},
                                         {"version_control.xml", VersionXml("2019-04-01")}}));
  Publish("2019-04-01");
  PressInstall();
  Form->DBUpdateClick(nullptr);
  EXPECT_EQ(Dialogs, 1);
  EXPECT_EQ(Form->FUpdateForm, nullptr);
  EXPECT_EQ(ReadFile(Dir + "car_settings.db3"), newDb);
  EXPECT_FALSE(std::filesystem::exists(Dir + "_dbupdate.zip"));
  // The success is told with the link off; then the link comes back.
  EXPECT_EQ(TopMessage(), "Updated.");
  EXPECT_EQ(InfoTexts, std::vector<std::string>{"Updated."});
  EXPECT_EQ(SwitchAtInfo, std::vector<bool>{false});
  EXPECT_TRUE(Form->FConnectSwitch);
  EXPECT_EQ(Form->FLocalDatabaseVersion, "2019-04-01");
  EXPECT_EQ(Form->GetCaption(),
            "Quenby ESC System V3.0 V1.0.0      Database: 04-01-2019(MM-DD-YY)");
  Tick();
  EXPECT_TRUE(Form->FConnected);
  EXPECT_EQ(Form->FModelDatabase, Dir + "car_settings.db3");
  EXPECT_EQ(Label(), "Database 04-01-2019");
}

TEST_F(DatabaseUpdateTest, CancelChangesNothing) {
  ConnectCar();
  Publish("2019-04-01");
  OnDialog = [](TfrmUpdate& d) { d.btnCancel->Click(); };
  Form->DBUpdateClick(nullptr);
  EXPECT_EQ(Dialogs, 1);
  EXPECT_TRUE(InfoTexts.empty());
  EXPECT_TRUE(Form->FConnectSwitch);
  EXPECT_TRUE(Form->FConnected);  // never toggled
  EXPECT_EQ(Form->FLocalDatabaseVersion, "2019-03-15");
}

TEST_F(DatabaseUpdateTest, FailureAfterTheDownloadBeganBringsTheLinkBack) {
  ConnectCar();
  // The archive's body stops half-way: the read times out.
  Server.Set("/db/update.zip", TTestHttpServer::TRoute{200, std::string(200, 'z'), "", 50});
  Publish("2019-04-01");
  PressInstall();
  Form->DBUpdateClick(nullptr);
  EXPECT_EQ(InfoTexts, std::vector<std::string>{"Failed."});
  EXPECT_EQ(SwitchAtInfo, std::vector<bool>{false});
  EXPECT_TRUE(Form->FConnectSwitch);
  EXPECT_EQ(Form->FLocalDatabaseVersion, "2019-03-15");
  EXPECT_FALSE(std::filesystem::exists(Dir + "_dbupdate.zip"));
  Tick();
  EXPECT_TRUE(Form->FConnected);
}

TEST_F(DatabaseUpdateTest, EqualOlderAndQuietChecks) {
  Publish("2019-03-15");
  Form->DBUpdateClick(Form.get());
  EXPECT_EQ(Dialogs, 0);
  Form->DBUpdateClick(nullptr);
  EXPECT_EQ(Dialogs, 1);
  EXPECT_EQ(DialogText, "Latest database.");
  EXPECT_FALSE(InstallVisible);
  EXPECT_EQ(Form->FRemoteDatabaseVersion, "2019-03-15");
  // The local database is the newer one: nothing, in either mode.
  Publish("2019-02-28");
  Form->DBUpdateClick(nullptr);
  Form->DBUpdateClick(Form.get());
  EXPECT_EQ(Dialogs, 1);
  EXPECT_TRUE(InfoTexts.empty());
}

TEST_F(DatabaseUpdateTest, FirstActivationChecksTheDatabaseQuietly) {
  Write("lang.ini", "[common]\nlang=0\nautoupdate=1\nupdate_server=" + Server.BaseUrl() + "\n");
  StartForm(true);
  Publish("2019-04-01");
  Form->FormActivate(Form.get());
  EXPECT_EQ(Dialogs, 1);
  EXPECT_EQ(DialogText, "版本更新了！");
  EXPECT_EQ(Form->FRemoteDatabaseVersion, "2019-04-01");
}

TEST_F(DatabaseUpdateTest, LinkDroppingEnablesInstall) {
  ConnectCar();
  // No size for the archive: install starts disabled.
  Publish("2019-04-01", "/db/missing.zip");
  bool before = true, after = false;
  OnDialog = [&](TfrmUpdate& d) {
    before = d.btnInstall->GetEnabled();
    Form->FConnectSwitch = false;
    Form->FConnected = false;
    Tick();
    after = d.btnInstall->GetEnabled();
  };
  Form->DBUpdateClick(nullptr);
  EXPECT_FALSE(before);
  EXPECT_TRUE(after);
  // Closed with the close box before any download: no failure is told.
  EXPECT_TRUE(InfoTexts.empty());
}

TEST_F(DatabaseUpdateTest, LinkSwitchedOffByTheUserStaysOff) {
  ConnectCar();
  Server.Set("/db/update.zip", ZipBytes({{"car_settings.db3", DatabaseBytes(Dir, "2019-04-01")}}));
  Publish("2019-04-01");
  Form->btnConnectClick(nullptr);
  PressInstall();
  Form->DBUpdateClick(nullptr);
  EXPECT_EQ(InfoTexts, std::vector<std::string>{"Updated."});
  EXPECT_FALSE(Form->FConnectSwitch);
}

TEST_F(DatabaseUpdateTest, UnreachableServiceIsToldOnlyWhenAsked) {
  Server.Stop();
  Form->DBUpdateClick(Form.get());
  EXPECT_EQ(TopMessage(), "");
  Form->DBUpdateClick(nullptr);
  EXPECT_EQ(TopMessage(), "network_connect_fail");
  EXPECT_EQ(Dialogs, 0);
}

}  // namespace
