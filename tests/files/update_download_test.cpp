// The update dialog's download run.

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "controls/zr_controls.h"
#include "controls/zr_memo.h"
#include "files/UpdateRules.h"
#include "files/frmUpdate.h"
#include "platform/rtl/SysUtils.h"
#include "tests/files/update_fixture.h"
#include "tests/support/ZipFixture.h"

namespace {

class UpdateDownloadTest : public UpdateFolderTest {
 protected:
  UpdateDownloadTest() : Dialog(new TfrmUpdate(nullptr)) {}
  // Runs the dialog's install button on the address list.
  void Install(const std::string& list, bool database) {
    Dialog->FDatabaseMode = database;
    Dialog->FUrlList = list;
    Dialog->btnInstall->Click();
  }
  void ExpectFailedRun() {
    EXPECT_TRUE(Dialog->FDownloadStarted);
    EXPECT_FALSE(Dialog->FDatabaseDownloaded);
    EXPECT_FALSE(Dialog->FSoftwareDownloaded);
    EXPECT_EQ(Dialog->GetModalResult(), mrNone);
    EXPECT_EQ(UTF16ToUTF8(Dialog->Label1->GetText()).rfind("Download failed\n", 0), 0u);
    EXPECT_TRUE(Dialog->btnCancel->GetEnabled());
    EXPECT_FALSE(Dialog->btnInstall->GetEnabled());
  }
  std::unique_ptr<TfrmUpdate> Dialog;
};

TEST_F(UpdateDownloadTest, DatabaseArchiveIsUnpackedAndOtherFilesKept) {
  Server.Set("/db/update.zip", ZipBytes({{"car_settings.db3", "NEWDB"}, {"help/a.txt", "A"}}));
  Server.Set("/db/boat_settings.db3", "BOAT");
  const std::string archive = ZipBytes({{"car_settings.db3", "NEWDB"}, {"help/a.txt", "A"}});
  Dialog->ProgressBar1->SetMax(static_cast<float>(archive.size() + 4));
  Install(Url("/db/update.zip") + "|" + Url("/db/boat_settings.db3"), true);
  EXPECT_TRUE(Dialog->FDatabaseDownloaded);
  EXPECT_FALSE(Dialog->FSoftwareDownloaded);
  EXPECT_EQ(Dialog->GetModalResult(), mrOk);
  EXPECT_EQ(Files(), (std::vector<std::string>{"boat_settings.db3", "car_settings.db3", "help",
                                               "help/a.txt"}));
  EXPECT_EQ(ReadFile("car_settings.db3"), "NEWDB");
  EXPECT_EQ(ReadFile("boat_settings.db3"), "BOAT");
  // The bar counted the bytes of both downloads.
  EXPECT_EQ(Dialog->ProgressBar1->GetValue(), static_cast<float>(archive.size() + 4));
  EXPECT_TRUE(Dialog->ProgressBar1->GetVisible());
  EXPECT_EQ(Server.Requests().back().Accept, "text/html, */*");
  EXPECT_TRUE(Opened.empty());
}

// Every file of the program folder with its size and a hash of its bytes.
std::map<std::string, std::string> Snapshot(const std::string& dir) {
  std::map<std::string, std::string> files;
  for (const auto& e : std::filesystem::recursive_directory_iterator(dir)) {
    std::ifstream in(e.path(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    files[std::filesystem::relative(e.path(), dir).string()] =
        std::to_string(bytes.size()) + "/" + std::to_string(std::hash<std::string>()(bytes));
  }
  return files;
}

TEST_F(UpdateDownloadTest, DamagedDatabaseUpdateChangesNoFile) {
  const std::string next = TextBytes(300000, 2);
  const std::string one = ZipBytes({{"car_settings.db3", next}});
  const std::string two = ZipBytes({{"car_settings.db3", next}, {"esc_settings.db3", next}});
  const std::string good = ZipBytes(
      {{"car_settings.db3", "NEW"}, {"help/new.txt", "N"}, {"version_control.xml", "<new/>"}});
  struct Case {
    const char* what;
    std::vector<std::pair<std::string, std::string>> archives;  // path, bytes
  };
  const Case cases[] = {
      {"bad checksum", {{"/db/update.zip", WithBadCrc(one, 0)}}},
      {"broken deflate data", {{"/db/update.zip", WithBrokenDeflate(one, 0)}}},
      {"second of two entries damaged", {{"/db/update.zip", WithBadCrc(two, 1)}}},
      {"good archive, then a bad one",
       {{"/db/good.zip", good}, {"/db/bad.zip", WithBrokenDeflate(one, 0)}}},
      {"entry larger than a database can be",
       {{"/db/update.zip",
         ZipBytes({{"car_settings.db3", std::string(MaxUpdateEntrySize + 1, '\0')}})}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteFile("car_settings.db3", TextBytes(300000, 1));
    WriteFile("esc_settings.db3", "ESC");
    WriteFile("version_control.xml", "<old/>");
    const auto before = Snapshot(Dir);
    std::string list;
    for (const auto& [path, bytes] : c.archives) {
      Server.Set(path, bytes);
      list += (list.empty() ? "" : "|") + Url(path);
    }
    Dialog.reset(new TfrmUpdate(nullptr));
    Install(list, true);
    ExpectFailedRun();
    EXPECT_EQ(Snapshot(Dir), before);
  }
}

TEST_F(UpdateDownloadTest, TwoArchivesArePutInPlaceTogether) {
  WriteFile("car_settings.db3", "OLD");
  Server.Set("/db/a.zip", ZipBytes({{"car_settings.db3", "A"}, {"help/a.txt", "A"}}));
  Server.Set("/db/b.zip", ZipBytes({{"car_settings.db3", "B"}, {"esc_settings.db3", "E"}}));
  Install(Url("/db/a.zip") + "|" + Url("/db/b.zip"), true);
  EXPECT_TRUE(Dialog->FDatabaseDownloaded);
  EXPECT_EQ(Files(), (std::vector<std::string>{"car_settings.db3", "esc_settings.db3", "help",
                                               "help/a.txt"}));
  EXPECT_EQ(ReadFile("car_settings.db3"), "B");
  EXPECT_EQ(ReadFile("esc_settings.db3"), "E");
}

TEST_F(UpdateDownloadTest, InstallerIsKeptAndOpenedOnlyForLowerCaseExe) {
  Server.Set("/sw/esctool-1.3.exe", "MZ13");
  Server.Set("/sw/esctool-1.4.EXE", "MZ14");
  Install(Url("/sw/esctool-1.3.exe"), false);
  EXPECT_TRUE(Dialog->FSoftwareDownloaded);
  EXPECT_EQ(ReadFile("_setup.exe"), "MZ13");
  EXPECT_EQ(Opened, std::vector<std::string>{"file://" + Dir + "_setup.exe"});

  Dialog.reset(new TfrmUpdate(nullptr));
  Install(Url("/sw/esctool-1.4.EXE"), false);
  EXPECT_TRUE(Dialog->FSoftwareDownloaded);
  EXPECT_EQ(ReadFile("esctool-1.4.EXE"), "MZ14");
  EXPECT_EQ(Opened.size(), 1u);
  EXPECT_EQ(Files(), (std::vector<std::string>{"_setup.exe", "esctool-1.4.EXE"}));
}

TEST_F(UpdateDownloadTest, FailureOnSecondAddressLeavesNothingAndSaysSo) {
  Server.Set("/sw/setup.exe", "MZ");
  Server.Set("/sw/stall.bin", TTestHttpServer::TRoute{200, std::string(100, 'z'), "", 10});
  Install(Url("/sw/setup.exe") + "|" + Url("/sw/missing.bin"), false);
  ExpectFailedRun();
  EXPECT_TRUE(Files().empty());
  EXPECT_TRUE(Opened.empty());
  EXPECT_NE(UTF16ToUTF8(Dialog->Label1->GetText()).find("404"), std::string::npos);

  // A database run whose second address stalls mid-way: no partial file either.
  Dialog.reset(new TfrmUpdate(nullptr));
  Server.Set("/db/update.zip", ZipBytes({{"car_settings.db3", "NEW"}}));
  Install(Url("/db/update.zip") + "|" + Url("/sw/stall.bin"), true);
  ExpectFailedRun();
  EXPECT_TRUE(Files().empty());
}

TEST_F(UpdateDownloadTest, UnsafeArchiveIsRefusedWithNothingWritten) {
  // The program folder lies one level down, so "../x" would land in Dir.
  std::filesystem::create_directory(Dir + "prog");
  SetProgramFolder(Dir + "prog");
  for (const std::string bad : {"../x", "/x"}) {
    SCOPED_TRACE(bad);
    Dialog.reset(new TfrmUpdate(nullptr));
    Server.Set("/db/update.zip", ZipBytes({{"car_settings.db3", "NEW"}, {bad, "escaped"}}));
    Install(Url("/db/update.zip"), true);
    ExpectFailedRun();
    EXPECT_EQ(Files(), std::vector<std::string>{"prog"});
  }
}

TEST_F(UpdateDownloadTest, AddressesNamingNoFileAreRefused) {
  for (const char* path : {"/db/", "/db/.", "/db/.."}) {
    SCOPED_TRACE(path);
    Dialog.reset(new TfrmUpdate(nullptr));
    Install(Url(path), true);
    ExpectFailedRun();
    EXPECT_TRUE(Files().empty());
  }
  EXPECT_TRUE(Server.Requests().empty());
}

TEST_F(UpdateDownloadTest, SecondPressDuringARunStartsNothing) {
  Server.Set("/db/update.zip", ZipBytes({{"car_settings.db3", "NEWDB"}}));
  // The link may enable install again while the archive arrives.
  int presses = 0;
  Dialog->IdHTTP1->OnWork = [&](TObject* s, TWorkMode m, int64_t n) {
    Dialog->IdHTTP1Work(s, m, n);
    if (presses++ == 0) Dialog->btnInstall->Click();
  };
  Install(Url("/db/update.zip"), true);
  EXPECT_GT(presses, 0);
  EXPECT_TRUE(Dialog->FDatabaseDownloaded);
  EXPECT_EQ(Server.Requests().size(), 1u);
  EXPECT_EQ(Files(), std::vector<std::string>{"car_settings.db3"});
}

TEST_F(UpdateDownloadTest, CancelClosesWithoutDownloading) {
  Dialog->FUrlList = Url("/sw/setup.exe");
  Dialog->btnCancel->Click();
  EXPECT_TRUE(Dialog->FCancelled);
  EXPECT_FALSE(Dialog->FDownloadStarted);
  EXPECT_EQ(Dialog->GetModalResult(), mrCancel);
  EXPECT_TRUE(Server.Requests().empty());
}

}  // namespace
