// The shipped model databases carry real firmware containers: every row
// unpacks, and a demo upgrade against the simulated boot loader succeeds
// with the shipped database and version file.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "app/frmInterface.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_listbox.h"
#include "controls/zr_memo.h"
#include "link/DemoFirmware.h"
#include "link/FirmwareContainer.h"
#include "link/Pdfutils.h"
#include "pages/ModelDatabase.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/SysUtils.h"
#include "tests/link/firmware_fixture.h"

namespace {

const std::string kBuildFolder = ESCTOOL_BINARY_DIR "/";

TEST(ShippedFirmwareTest, EveryRowOfEveryDatabaseUnpacks) {
  TScopedVirtualClock clock;
  const auto databases = ListModelDatabases(kBuildFolder);
  ASSERT_GE(databases.size(), 2u);
  int rows = 0;
  for (const std::string& path : databases) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    sqlite3_stmt* query = nullptr;
    sqlite3_prepare_v2(db, "select version, bootloader, bootloader_version from software", -1,
                       &query, nullptr);
    while (sqlite3_step(query) == SQLITE_ROW) {
      ++rows;
      const std::string version = reinterpret_cast<const char*>(sqlite3_column_text(query, 0));
      const auto* blob = static_cast<const uint8_t*>(sqlite3_column_blob(query, 1));
      const size_t n = static_cast<size_t>(sqlite3_column_bytes(query, 1));
      std::vector<uint8_t> plain(n);
      DecipherFirmwareBytes(std::to_string(n) + version, blob, plain.data(), n);
      TFirmwareImages images;
      EXPECT_EQ(UnpackFirmwareContainer(plain, images), "") << path << " " << version;
      EXPECT_GT(images.First.size(), 1000u);
      EXPECT_GT(images.Second.size(), 500u);
      EXPECT_TRUE(IsDemoFirmwareImage(images.First) && IsDemoFirmwareImage(images.Second))
          << path << " " << version;
    }
    sqlite3_finalize(query);
    sqlite3_close(db);
  }
  EXPECT_GT(rows, 5);
}

class ShippedUpgradeTest : public FirmwareFixture {};

TEST_F(ShippedUpgradeTest, DemoUpgradesWithTheShippedData) {
  const struct {
    const char* database;
    const char* model;
    const char* hardware;
    const char* current;
    std::vector<std::string> list;
    int chosen;
    const char* installed;
  } cases[] = {
      // Same batch; the car hardware takes the per-block transform.
      {"car",
       "CAR_ESC",
       "DEMO-VL450SD",
       "CAR_3.0",
       {"CAR_3.0", "CAR_3.1", "CAR_3.2"},
       2,
       "CAR_3.2"},
      // From batch 1 to batch 2 through the interim version of "up1".
      {"esc", "AIRPLANE", "DEMO-AP40_V1", "AP_1.0.0", {"AP_1.0.0", "AP_2.0.0"}, 1, "AP_1.1.0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.model);
    TSimBootloader& loader = ConnectBootloader(c.model, c.hardware, c.current, c.list);
    loader.NewFirmware = c.installed;
    Form->FModelDatabase = kBuildFolder + c.database + "_settings.db3";
    Form->cbFirmware->SetItemIndex(c.chosen);

    EXPECT_TRUE(Form->UpgradeDeviceFirmware());
    EXPECT_TRUE(loader.FirstDone);
    EXPECT_TRUE(loader.SecondDone);
    EXPECT_EQ(loader.Restarts, 1);
    EXPECT_EQ(TopMessage(), "upgrade_succ");
    EXPECT_THAT(Form->eMessage->GetUnwrapLines(),
                ::testing::Contains(
                    UTF8ToUTF16(std::string("upgrade_drive(Version ") + c.installed + ")...")));
    Adapter.Unplug(*Device);
  }
}

// A real controller of a demo model's family never gets the demo images: the
// shipped database lists no version for its hardware, and an image with the
// demo marker is refused for it before anything of it is sent.
TEST_F(ShippedUpgradeTest, RealDeviceNeverGetsDemoFirmware) {
  TSimBootloader& loader = ConnectBootloader("CAR_ESC", "VL450SD", "CAR_3.0");
  Form->FModelDatabase = kBuildFolder + "car_settings.db3";
  Form->FBusy = true;
  EXPECT_EQ(Form->UpgradeFirmware("CAR_3.2", "0"), "Program not found.");
  Adapter.Unplug(*Device);

  // A database row for real hardware that carries a demo image all the same.
  const std::string marker = kDemoFirmwareMarker;
  std::vector<uint8_t> first(marker.begin(), marker.end());
  first.resize(1024, 0x5A);
  WriteDatabase("ESC_G60", "G60_HW1", {Row(101, "1", "DEMO_1", first, Image(512, 3))});
  TSimBootloader& real = ConnectBootloader("ESC_G60", "G60_HW1", "OLD");
  Form->FBusy = true;
  EXPECT_EQ(Form->UpgradeFirmware("DEMO_1", "0"), kDemoFirmwareRefused);
  EXPECT_TRUE(real.ImageFrames.empty());
  EXPECT_EQ(Form->FProgressForm, nullptr);
  EXPECT_TRUE(loader.ImageFrames.empty());
}

}  // namespace
