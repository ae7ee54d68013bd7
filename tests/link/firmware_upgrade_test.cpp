// The upgrade transfer against the simulated boot loader: both images byte for
// byte with their post-delays, the result texts of every way out, and an
// adapter pulled out in the middle of an image.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "app/frmInterface.h"
#include "app/frmProgress.h"
#include "controls/zr_controls.h"
#include "controls/zr_listbox.h"
#include "controls/zr_objects.h"
#include "platform/hid/DeviceNotifier.h"
#include "platform/rtl/Clock.h"
#include "platform/vcl/Timers.h"
#include "tests/link/firmware_fixture.h"

namespace {

const char kLampOn[] = "#FF00AA00";
const char kLampOff[] = "#FF004A00";

// The images as the transform sends them: every whole 16-byte block combined
// with two zero bytes followed by the device-data bytes 18 to 31.
std::vector<uint8_t> Transformed(std::vector<uint8_t> image, const std::vector<uint8_t>& data) {
  uint8_t key[16] = {0, 0};
  for (int j = 2; j < 16; ++j) key[j] = data[16 + j];
  for (size_t i = 0; i + 16 <= image.size(); i += 16)
    for (int j = 0; j < 16; ++j) image[i + j] ^= key[j];
  return image;
}

size_t FramesOf(const TSimBootloader& loader, uint8_t command) {
  size_t count = 0;
  for (const auto& frame : loader.ImageFrames) count += frame.Command == command;
  return count;
}

class FirmwareUpgradeTest : public FirmwareFixture {};

TEST_F(FirmwareUpgradeTest, BothImagesArriveByteForByteWithTheirPostDelays) {
  const struct {
    const char* model;
    const char* hardware;
    bool transform;
  } devices[] = {{"ESC_G60", "G60_HW1", false}, {"CAR_ESC", "VL450SD", true}};
  uint8_t seed = 0;
  for (const auto& d : devices) {
    SCOPED_TRACE(d.model);
    // Two rows carry the same version name: the newer one (higher key) is sent.
    const auto oldFirst = Image(300, 1), first = Image(1000, ++seed), second = Image(333, ++seed);
    WriteDatabase(d.model, d.hardware,
                  {Row(101, "3.1 old", "V_3.1", oldFirst, oldFirst),
                   Row(102, "3.1", "V_3.1", first, second)});
    TSimBootloader& loader = ConnectBootloader(d.model, d.hardware, "V_3.0");
    std::vector<uint8_t> deviceData(32);
    for (int i = 0; i < 32; ++i) deviceData[i] = static_cast<uint8_t>(0x40 + 3 * i);
    loader.SetInfoBytes(48, deviceData);
    // Whatever the transform sends, the boot loader checks it against this.
    loader.ExpectFirst = d.transform ? Transformed(first, deviceData) : first;
    loader.ExpectSecond = d.transform ? Transformed(second, deviceData) : second;
    Form->FBusy = true;
    float barMax = 0, barValue = 0;
    SetMessagePump([&] {
      if (!Form->FProgressForm) return;
      barMax = Form->FProgressForm->ProgressBar1->GetMax();
      barValue = Form->FProgressForm->ProgressBar1->GetValue();
    });

    EXPECT_EQ(Form->UpgradeFirmware("V_3.1", "0"), "");
    const uint32_t returned = GetTickCount();
    SetMessagePump(nullptr);

    EXPECT_TRUE(loader.FirstDone);
    EXPECT_TRUE(loader.SecondDone);
    EXPECT_EQ(loader.FirstImage, *loader.ExpectFirst);
    EXPECT_EQ(loader.SecondImage, *loader.ExpectSecond);
    EXPECT_EQ(FramesOf(loader, 12), 1000 / 16 + 1);
    EXPECT_EQ(FramesOf(loader, 4), 333 / 16 + 1);
    // 2500 ms after the first image before the next connect command, and
    // after the second before the transfer returns.
    uint32_t nextConnect = 0;
    for (uint32_t tick : loader.ConnectTicks)
      if (tick > loader.FirstDoneTick) {
        nextConnect = tick;
        break;
      }
    EXPECT_GE(nextConnect - loader.FirstDoneTick, 2500u);
    EXPECT_GE(returned - loader.SecondDoneTick, 2500u);
    EXPECT_EQ(barMax, 1000 + 333);  // the decoded lengths of both images
    EXPECT_EQ(barValue, 1000 + 333);
    EXPECT_EQ(TopMessage(), "upgrade_drive(Version V_3.1)...");
    EXPECT_FALSE(Form->FUpgrading);
    EXPECT_EQ(Form->FProgressForm, nullptr);
    Adapter.Unplug(*Device);
  }
}

struct TUpgradeCase {
  const char* name;
  const char* version;
  std::function<void(TfrmInterface&, TSimBootloader&)> setup;
  const char* expected;
  bool deviceTouched;  // any frame written at all
  bool imagesSent;     // any image frame written
};

class UpgradeResultTest : public FirmwareFixture,
                          public ::testing::WithParamInterface<TUpgradeCase> {};

TEST_P(UpgradeResultTest, EndsWithItsResultText) {
  const TUpgradeCase& c = GetParam();
  const auto first = Image(100, 7), second = Image(64, 9);
  auto damaged = Row(103, "2", "BAD_2", first, second);
  damaged.Blob[damaged.Blob.size() - 40] ^= 0x01;  // inside the second image text
  auto wrongKey = Row(104, "other", "BAD_KEY", first, second);
  wrongKey.Version = "4";
  WriteDatabase("ESC_G60", "G60_HW1", {Row(101, "1", "GOOD", first, second), damaged, wrongKey});
  TSimBootloader& loader = ConnectBootloader("ESC_G60", "G60_HW1", "OLD");
  Form->FBusy = true;
  c.setup(*Form, loader);
  const size_t writtenBefore = Device->Written.size();

  EXPECT_EQ(Form->UpgradeFirmware(c.version, "0"), c.expected);
  EXPECT_EQ(Device->Written.size() > writtenBefore, c.deviceTouched);
  EXPECT_EQ(!loader.ImageFrames.empty(), c.imagesSent);
  EXPECT_FALSE(Form->FUpgrading);
  EXPECT_EQ(Form->FProgressForm, nullptr);
}

const auto kNoSetup = [](TfrmInterface&, TSimBootloader&) {};

INSTANTIATE_TEST_SUITE_P(
    Upgrade, UpgradeResultTest,
    ::testing::Values(
        TUpgradeCase{"LampDark", "GOOD",
                     [](TfrmInterface& f, TSimBootloader&) { f.Circle1->GetFill()->SetColor(kLampOff); },
                     "USB Error", false, false},
        TUpgradeCase{"NoModel", "GOOD", [](TfrmInterface& f, TSimBootloader&) { f.FModel = ""; },
                     "USB Error", false, false},
        TUpgradeCase{"OtherHardware", "GOOD",
                     [](TfrmInterface&, TSimBootloader& l) { l.SetInfoField(16, "G61_HW1"); },
                     "ESC Error.", true, false},
        TUpgradeCase{"NoDatabase", "GOOD",
                     [](TfrmInterface& f, TSimBootloader&) {
                       f.FModelDatabase = "/nonexistent/x_settings.db3";
                     },
                     "Open Database Fail.", true, false},
        TUpgradeCase{"UnknownVersion", "NONE", kNoSetup, "Program not found.", true, false},
        TUpgradeCase{"SecondImageDamaged", "BAD_2", kNoSetup, "Hash2 Error.", true, false},
        TUpgradeCase{"WrongKeyText", "BAD_KEY", kNoSetup, "File Error.", true, false},
        TUpgradeCase{"ConnectUnanswered", "GOOD",
                     [](TfrmInterface&, TSimBootloader& l) {
                       // the handshake wait and the identity read pass; then silence
                       l.IgnoreHandshakes = 1000;
                     },
                     "Return Error.", true, false},
        TUpgradeCase{"LinkReleased", "GOOD",
                     [](TfrmInterface& f, TSimBootloader&) { f.FConnected = false; }, "Error.",
                     true, false},
        TUpgradeCase{"FirstImageRefused", "GOOD",
                     [](TfrmInterface&, TSimBootloader& l) { l.FailFirst = true; },
                     "Communicate Error.", true, true},
        TUpgradeCase{"SecondImageRefused", "GOOD",
                     [](TfrmInterface&, TSimBootloader& l) { l.FailSecond = true; },
                     "Program Error.", true, true},
        TUpgradeCase{"AcksLostButRetried", "GOOD",
                     [](TfrmInterface&, TSimBootloader& l) { l.DropImageAcks = 3; }, "", true,
                     true}),
    [](const ::testing::TestParamInfo<TUpgradeCase>& info) { return info.param.name; });

TEST_F(FirmwareUpgradeTest, UnplugInTheMiddleFailsAndTheLinkRecovers) {
  const auto first = Image(800, 3), second = Image(200, 4);
  WriteDatabase("ESC_G60", "G60_HW1", {Row(101, "1", "NEW", first, second)});
  WriteVersionFile("[ESC_G60 G60_HW1]\nbatch=1\nversionnum1=2\nversion1_1=OLD\nversion1_2=NEW\n");
  TSimBootloader& loader = ConnectBootloader("ESC_G60", "G60_HW1", "OLD", {"NEW"});
  loader.UnplugCommand = 12;
  loader.UnplugChunk = 20;

  EXPECT_FALSE(Form->UpgradeDeviceFirmware());
  EXPECT_EQ(TopMessage(), "upgrade_fail(Communicate Error.)");
  EXPECT_THAT(InfoTexts, ::testing::Contains("upgrade_fail(Communicate Error.)"));
  EXPECT_FALSE(loader.FirstDone);
  EXPECT_FALSE(Form->FUpgrading);
  EXPECT_FALSE(Form->FBusy);
  EXPECT_EQ(Form->FPendingFirmware, 0);
  EXPECT_EQ(Form->FProgressForm, nullptr);
  EXPECT_EQ(Form->FDevice, nullptr);

  // Plugged in again: the arrival opens the adapter and the next link tick
  // connects to the device.
  Device->SetPlugged(true);
  Arrive();
  ASSERT_NE(Form->FDevice, nullptr);
  EXPECT_TRUE(Form->LinkTimerEnabled());
  Form->Timer1Timer(Form.get());
  EXPECT_TRUE(Form->FConnected);
  EXPECT_EQ(Form->FModel, "ESC_G60");
  EXPECT_EQ(Form->FHardware, "G60_HW1");
}

// A device that is not the adapter (a mouse) comes and goes in the middle of
// the first image: the transfer goes on to the end.
TEST_F(FirmwareUpgradeTest, AnotherDeviceComingAndGoingLeavesTheUpgradeAlone) {
  const auto first = Image(800, 3), second = Image(200, 4);
  WriteDatabase("ESC_G60", "G60_HW1", {Row(101, "1", "NEW", first, second)});
  WriteVersionFile("[ESC_G60 G60_HW1]\nbatch=1\nversionnum1=2\nversion1_1=OLD\nversion1_2=NEW\n");
  TSimBootloader& loader = ConnectBootloader("ESC_G60", "G60_HW1", "OLD", {"NEW"});
  TSimDevice* mouse = nullptr;
  SetMessagePump([&] {
    const size_t frames = loader.ImageFrames.size();
    if (!mouse && frames >= 10) {
      mouse = &Adapter.PlugOther();
      Form->HidDeviceChanged(hid::TDeviceChange::Arrival, mouse->Path());
    } else if (mouse && mouse->Plugged() && frames >= 30) {
      Adapter.Unplug(*mouse);
      Form->HidDeviceChanged(hid::TDeviceChange::Removal, mouse->Path());
    }
  });
  const int opens = Adapter.OpenCalls;

  EXPECT_TRUE(Form->UpgradeDeviceFirmware());
  SetMessagePump(nullptr);
  ASSERT_NE(mouse, nullptr);
  EXPECT_FALSE(mouse->Plugged());
  EXPECT_TRUE(loader.FirstDone);
  EXPECT_TRUE(loader.SecondDone);
  EXPECT_TRUE(loader.FirstImage == first);
  EXPECT_TRUE(loader.SecondImage == second);
  EXPECT_EQ(TopMessage(), "upgrade_succ");
  EXPECT_EQ(Adapter.OpenCalls, opens);  // the adapter was not let go meanwhile
  EXPECT_NE(Form->FDevice, nullptr);

  // The arrival held meanwhile lists the adapters again once the upgrade has
  // ended; then nothing is left to run.
  EXPECT_TRUE(Form->DeviceChangeTimer->GetEnabled());
  Form->DeviceChangeTimerTimer(nullptr);
  EXPECT_FALSE(Form->DeviceChangeTimer->GetEnabled());
  EXPECT_EQ(Adapter.OpenCalls, opens + 1);
  EXPECT_NE(Form->FDevice, nullptr);
  EXPECT_TRUE(Form->LinkTimerEnabled());
  Form->DeviceChangeTimerTimer(nullptr);
  EXPECT_EQ(Adapter.OpenCalls, opens + 1);
}

// The open adapter's own removal still ends the transfer at once.
TEST_F(FirmwareUpgradeTest, RemovalOfTheAdapterEndsTheUpgrade) {
  const auto first = Image(800, 3), second = Image(200, 4);
  WriteDatabase("ESC_G60", "G60_HW1", {Row(101, "1", "NEW", first, second)});
  WriteVersionFile("[ESC_G60 G60_HW1]\nbatch=1\nversionnum1=2\nversion1_1=OLD\nversion1_2=NEW\n");
  TSimBootloader& loader = ConnectBootloader("ESC_G60", "G60_HW1", "OLD", {"NEW"});
  SetMessagePump([&] {
    if (Device->Plugged() && loader.ImageFrames.size() >= 10) {
      Adapter.Unplug(*Device);
      Form->HidDeviceChanged(hid::TDeviceChange::Removal, Device->Path());
    }
  });

  EXPECT_FALSE(Form->UpgradeDeviceFirmware());
  SetMessagePump(nullptr);
  EXPECT_FALSE(loader.FirstDone);
  EXPECT_LT(loader.ImageFrames.size(), 12u);
  EXPECT_EQ(Form->FDevice, nullptr);
  EXPECT_FALSE(Form->FBusy);
  EXPECT_FALSE(Form->FUpgrading);
}

}  // namespace
