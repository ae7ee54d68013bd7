// The firmware version gates: the batch rules of the version file, the
// readme and interim questions, refusals, the program card's repeats and the
// channel gate.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "app/frmInterface.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_controls.h"
#include "controls/zr_listbox.h"
#include "controls/zr_memo.h"
#include "link/FirmwareGate.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/IniFiles.h"
#include "platform/vcl/Menus.h"
#include "tests/link/firmware_fixture.h"

namespace {

using ::testing::Contains;

const char kVersionFile[] =
    "[M H]\n"
    "batch=3\n"
    "versionnum1=2\nversion1_1=A1\nversion1_2=a2\n"
    "versionnum2=2\nversion2_1=B1\nversion2_2=B2\n"
    "versionnum3=2\nversion3_1=C1\nversion3_2=A1\n"
    "down2=A2\nup1=B1\n"
    "[M NOBATCH]\n"
    "batch=0\nversionnum1=1\nversion1_1=A1\n";

TEST(FirmwarePathTest, VersionFileDecidesEveryMove) {
  const std::string path = ::testing::TempDir() + "gate_version_control.ini";
  std::ofstream(path) << kVersionFile;
  const TMemIniFile filter(path);
  const TMemIniFile missing(::testing::TempDir() + "no_such_version_control.ini");
  using P = TFirmwarePath;
  const struct {
    const TMemIniFile* file;
    const char* hardware;
    const char* current;
    const char* chosen;
    P::TKind kind;
    const char* version;
  } cases[] = {
      {&filter, "H", "A1", "A2", P::fpDirect, "A2"},  // listed as "a2": case is ignored
      {&filter, "H", "b2", "B1", P::fpDirect, "B1"},
      {&filter, "H", "B2", "A1", P::fpInterim, "A2"},  // down2
      {&filter, "H", "A1", "B2", P::fpInterim, "B1"},  // up1
      {&filter, "H", "B1", "C1", P::fpRefused, ""},    // no up2
      {&filter, "H", "C1", "A1", P::fpRefused, ""},    // A1 is batch 1 (also listed in 3); no down3
      {&filter, "H", "A1", "C1", P::fpInterim, "B1"},  // A1 counts as batch 1 going up
      {&filter, "H", "X9", "A1", P::fpRefused, ""},    // current version unlisted
      {&filter, "H", "A1", "X9", P::fpRefused, ""},    // chosen version unlisted
      {&filter, "NOBATCH", "A1", "A1", P::fpRefused, ""},
      {&filter, "OTHER", "A1", "A2", P::fpRefused, ""},  // no section
      {&missing, "H", "A1", "A2", P::fpRefused, ""},     // no version file
  };
  for (const auto& c : cases) {
    const TFirmwarePath result = FindFirmwarePath(*c.file, "M", c.hardware, c.current, c.chosen);
    EXPECT_EQ(result.Kind, c.kind) << c.hardware << " " << c.current << " -> " << c.chosen;
    EXPECT_EQ(result.Version, c.version) << c.hardware << " " << c.current << " -> " << c.chosen;
  }
}

// A device on "B2" (batch 2) with the list offering A1, A2 (batch 1) and B1.
class FirmwareGateTest : public FirmwareFixture {
 protected:
  void SetUp() override {
    WriteDatabase(
        "M", "H",
        {Row(101, "1", "A1", A1, A1), Row(102, "2", "A2", A2, A2), Row(103, "3", "B1", B1, B1)});
  }
  TSimBootloader& Connect(const std::string& versionFile) {
    WriteVersionFile(versionFile);
    TSimBootloader& loader = ConnectBootloader("M", "H", "B2", {"A1", "A2", "B1"});
    written = Device->Written.size();
    return loader;
  }
  bool NothingSent() const { return Device->Written.size() == written; }

  const std::vector<uint8_t> A1 = Image(48, 1), A2 = Image(50, 2), B1 = Image(52, 3);
  size_t written = 0;
};

const char kBatches[] =
    "[M H]\nbatch=2\n"
    "versionnum1=2\nversion1_1=A1\nversion1_2=A2\n"
    "versionnum2=2\nversion2_1=B1\nversion2_2=B2\n";

TEST_F(FirmwareGateTest, RefusalIsShownAndTheChoiceKeptForTheNextClick) {
  Connect(kBatches);
  Form->cbFirmware->SetItemIndex(1);

  EXPECT_FALSE(Form->UpgradeDeviceFirmware());
  const std::string refusal = "The current version (B2) can not be updated to the version (A2)!";
  EXPECT_EQ(TopMessage(), refusal);
  EXPECT_THAT(InfoTexts, Contains(refusal));
  EXPECT_TRUE(NothingSent());
  EXPECT_FALSE(Form->FBusy);
  EXPECT_EQ(Form->FPendingFirmware, 2);

  Form->cbFirmware->SetItemIndex(0);
  Form->UpgradeDeviceFirmware();
  EXPECT_EQ(Form->cbFirmware->GetItemIndex(), 1);
}

TEST_F(FirmwareGateTest, InterimVersionIsInstalledWhenAccepted) {
  TSimBootloader& loader = Connect(std::string(kBatches) + "down2=B1\n");
  loader.NewFirmware = "B1";
  Form->cbFirmware->SetItemIndex(0);  // A1

  EXPECT_TRUE(Form->UpgradeDeviceFirmware());
  ASSERT_EQ(Questions.size(), 1u);
  EXPECT_EQ(Questions[0].Text,
            "The current version (B2) can not be  updated to the version (A1) directly, do you "
            "want to update it to the interim version?");
  EXPECT_EQ(Questions[0].Caption, "Infomation");
  EXPECT_EQ(Questions[0].Flags, MB_YESNO | MB_ICONQUESTION);
  EXPECT_EQ(loader.FirstImage, B1);
  EXPECT_EQ(loader.SecondImage, B1);
  EXPECT_EQ(TopMessage(), "upgrade_succ");
  EXPECT_THAT(InfoTexts, Contains("upgrade_succ"));
  EXPECT_FALSE(Form->FConnected);  // the link timer connects to the new firmware
  EXPECT_FALSE(Form->FBusy);
  EXPECT_EQ(Form->FPendingFirmware, 0);
  EXPECT_EQ(Form->FStatusKey, "upgrade_succ");
}

TEST_F(FirmwareGateTest, UpgradeButtonRunsTheGateWithTheWindowDisabled) {
  TSimBootloader& loader = Connect(kBatches);
  Form->cbFirmware->SetItemIndex(2);  // B1: same batch, no question
  bool enabledDuringTransfer = true;
  SetMessagePump([&] {
    if (Form->FUpgrading) enabledDuringTransfer = enabledDuringTransfer && !Form->GetEnabled();
  });
  Form->btnUpgrade->Click();
  SetMessagePump(nullptr);
  EXPECT_TRUE(loader.SecondDone);
  EXPECT_EQ(loader.SecondImage, B1);
  EXPECT_TRUE(Questions.empty());
  EXPECT_TRUE(enabledDuringTransfer);
  EXPECT_TRUE(Form->GetEnabled());
}

TEST_F(FirmwareGateTest, DeclinedInterimSendsNothing) {
  Connect(std::string(kBatches) + "down2=B1\n");
  // The interim question declined.
  Answers = {IDNO};
  Form->cbFirmware->SetItemIndex(0);
  EXPECT_FALSE(Form->UpgradeDeviceFirmware());
  EXPECT_TRUE(NothingSent());
  EXPECT_EQ(Form->FPendingFirmware, 1);
  EXPECT_FALSE(Form->FBusy);
}

TEST_F(FirmwareGateTest, DeclinedReadmeReleasesTheWindow) {
  Connect(std::string(kBatches) + "engB1_readme=Read me first.\nchsB1_readme=请先阅读。\n");
  Form->Chinese1->SetChecked(true);
  Answers = {IDNO};
  Form->cbFirmware->SetItemIndex(2);
  Form->SetEnabled(false);
  EXPECT_FALSE(Form->UpgradeDeviceFirmware());
  ASSERT_EQ(Questions.size(), 1u);
  EXPECT_EQ(Questions[0].Text, "请先阅读。");
  EXPECT_EQ(Questions[0].Caption, "Infomation");
  EXPECT_TRUE(NothingSent());
  EXPECT_TRUE(Form->btnUpgrade->GetEnabled());
  EXPECT_TRUE(Form->GetEnabled());
  EXPECT_FALSE(Form->FBusy);
}

TEST_F(FirmwareGateTest, NothingHappensWithoutAConnectionOrInDemoMode) {
  Connect(kBatches);
  Form->Demo1->SetChecked(true);
  EXPECT_FALSE(Form->UpgradeDeviceFirmware());
  Form->Demo1->SetChecked(false);
  Form->FBusy = true;  // another operation owns the link
  EXPECT_FALSE(Form->UpgradeDeviceFirmware());
  EXPECT_TRUE(Form->FBusy);
  EXPECT_EQ(Form->FPendingFirmware, 0);
  EXPECT_TRUE(Questions.empty());
  EXPECT_TRUE(NothingSent());
}

// A program card that keeps failing is upgraded again a bounded number of
// times, then the failure is shown.
TEST_F(FirmwareGateTest, ProgramCardRepeatsAreBounded) {
  Form->LCDProgramCard1->SetChecked(true);
  TSimBootloader& loader = Connect(kBatches);
  loader.Start = 0xC3;
  loader.End = 0x3C;
  Form->FFrameStart = 0xC3;
  Form->FFrameEnd = 0x3C;
  loader.IgnoreHandshakes = 1000000;
  Form->cbFirmware->SetItemIndex(2);  // B1: same batch

  EXPECT_FALSE(Form->UpgradeDeviceFirmware());
  EXPECT_EQ(loader.InfoRequests, 5);  // one identity read per run
  EXPECT_EQ(TopMessage(), "upgrade_fail(Return Error.)");
  EXPECT_THAT(InfoTexts, Contains("upgrade_fail(Return Error.)"));
  EXPECT_EQ(Form->FPendingFirmware, 0);
  EXPECT_FALSE(Form->FBusy);
}

class ChannelGateTest : public FirmwareGateTest {
 protected:
  void SetUp() override {
    FirmwareGateTest::SetUp();
    Connect(kBatches);
    zrComboAddText(Form->scbFirmware, u"A1");
    zrComboAddText(Form->scbFirmware, u"B1");
    Form->btnUpgrade2->SetEnabled(true);
  }
};

// The device behind a channel is refused the same moves as a connected device.
TEST_F(ChannelGateTest, RefusesWhatTheDeviceGateRefuses) {
  Form->scbFirmware->SetItemIndex(0);
  EXPECT_FALSE(Form->UpgradeChannelFirmware("channel 3"));
  EXPECT_EQ(TopMessage(), "The current version (B2) can not be updated to the version (A1)!");
  EXPECT_TRUE(NothingSent());
  EXPECT_FALSE(Form->FBusy);
}

TEST_F(ChannelGateTest, UpgradesWithinABatchAndKeepsTheLink) {
  Form->scbFirmware->SetItemIndex(1);
  EXPECT_TRUE(Form->UpgradeChannelFirmware("channel 3"));
  EXPECT_EQ(Bootloader->SecondImage, B1);
  EXPECT_EQ(TopMessage(), "channel 3: upgrade_succ");
  EXPECT_THAT(Form->eMessage->GetUnwrapLines(), Contains(u"channel 3: upgrade_drive(Version B1)..."));
  EXPECT_TRUE(InfoTexts.empty());
  EXPECT_TRUE(Form->FBusy);  // the channel run releases the link when all channels are done
  EXPECT_TRUE(Form->FConnected);
  EXPECT_EQ(Form->FPendingFirmware, 0);
}

TEST_F(ChannelGateTest, FailureReleasesTheLink) {
  Bootloader->FailSecond = true;
  Form->scbFirmware->SetItemIndex(1);
  EXPECT_FALSE(Form->UpgradeChannelFirmware("channel 3"));
  EXPECT_EQ(TopMessage(), "channel 3: upgrade_fail(Program Error.)");
  EXPECT_FALSE(Form->FBusy);
  EXPECT_EQ(Form->FPendingFirmware, 0);
}

}  // namespace
