// The channel upgrade: every checked channel is selected and its device
// upgraded through the channel gate; the summary counts what was upgraded and
// what failed, channels that could not be selected included.

#include <gtest/gtest.h>

#include "app/frmInterface.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_controls.h"
#include "controls/zr_listbox.h"
#include "controls/zr_memo.h"
#include "controls/zr_objects.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"
#include "tests/link/firmware_fixture.h"
#include "tests/support/SimDataLink.h"

namespace {

constexpr char kModel[] = "ESC_G60";
constexpr char kHardware[] = "G60_HW1";

class DataLinkUpgradeTest : public FirmwareFixture {
 protected:
  void SetUp() override {
    WriteDatabase(kModel, kHardware, {Row(101, "2", "V2.0", First, Second)});
    WriteVersionFile(std::string("[") + kModel + " " + kHardware +
                     "]\nbatch=1\nversionnum1=2\nversion1_1=V1.0\nversion1_2=V2.0\n");
    auto link = std::make_unique<TSimDataLink>();
    Link = link.get();
    Device = &Adapter.Plug(std::move(link), 0x0483, 0x5720, L"FS DATALINK");
    Device->InputReportLength = Device->OutputReportLength = 49;
    Form->DATALINK2Click(nullptr);
    Arrive();
    // Connected to the device of a selected channel, as after a scan.
    Form->FModel = kModel;
    Form->FHardware = kHardware;
    Form->FFirmware = "V1.0";
    Form->FConnected = true;
    Form->Circle1->GetFill()->SetColor("#FF00AA00");
    zrComboAddText(Form->scbFirmware, u"V2.0");
    Form->scbFirmware->SetItemIndex(0);
    Form->btnUpgrade2->SetEnabled(true);
  }
  TSimChannelDevice& AttachChecked(int channel) {
    Form->ChannelBox(channel - 1)->SetIsChecked(true);
    return Link->Attach(channel, kModel, kHardware, "V1.0");
  }
  std::string TopMessage() const {
    const auto& lines = Form->zrmMessage->GetUnwrapLines();
    return lines.empty() ? std::string() : UTF16ToUTF8(lines.front());
  }

  const std::vector<uint8_t> First = Image(100, 7), Second = Image(40, 9);
  TSimDataLink* Link = nullptr;
};

TEST_F(DataLinkUpgradeTest, SummaryCountsUpgradedAndFailedChannels) {
  TSimChannelDevice& one = AttachChecked(1);
  TSimChannelDevice& two = AttachChecked(2);
  TSimChannelDevice& three = AttachChecked(3);
  two.RejectImages = true;
  Link->Attach(5, kModel, kHardware, "V1.0");  // present but not checked

  Form->btnUpgrade2->Click();

  EXPECT_EQ(Link->SelectRequests, (std::vector<int>{1, 2, 3}));
  for (TSimChannelDevice* device : {&one, &three}) {
    EXPECT_EQ(device->Image1, First);
    EXPECT_EQ(device->Image2, Second);
  }
  EXPECT_TRUE(two.Image2.empty());
  EXPECT_TRUE(Link->Channel(5)->Image1.empty());
  const auto& lines = Form->zrmMessage->GetUnwrapLines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), u"channel 2: upgrade_fail(Communicate Error.)"),
            lines.end());
  EXPECT_EQ(TopMessage(),
            "Update the firmware successfully 2channels, Update the firmware failed 1channels");
  EXPECT_EQ(Form->FFrameStart, 0xA8);
  EXPECT_EQ(Form->FFrameEnd, 0x8A);
  EXPECT_FALSE(Form->FBusy);
  EXPECT_TRUE(Form->LinkTimerEnabled());
  EXPECT_TRUE(Form->GetEnabled());
}

// A checked channel that the box will not select was not upgraded: the
// summary must not read as a clean success.
TEST_F(DataLinkUpgradeTest, UnselectableChannelCountsAsFailure) {
  TSimChannelDevice& one = AttachChecked(1);
  AttachChecked(4);
  Link->RefuseSelection[3] = -1;
  Form->cbChannel6->SetIsChecked(true);  // nothing behind channel 6

  Form->btnUpgrade2Click(Form->btnUpgrade2);

  EXPECT_EQ(one.Image2, Second);
  EXPECT_EQ(std::count(Link->SelectRequests.begin(), Link->SelectRequests.end(), 4), 6);
  EXPECT_EQ(std::count(Link->SelectRequests.begin(), Link->SelectRequests.end(), 6), 6);
  EXPECT_EQ(TopMessage(),
            "Update the firmware successfully 1channels, Update the firmware failed 2channels");
}

TEST_F(DataLinkUpgradeTest, ChineseSummaryPutsTheCountsFirst) {
  Form->Chinese1->SetChecked(true);
  AttachChecked(2);
  AttachChecked(7).RejectImages = true;
  Form->btnUpgrade2Click(Form->btnUpgrade2);
  EXPECT_EQ(TopMessage(), "1个通道更新固件完成，1个通道更新固件失败");
}

TEST_F(DataLinkUpgradeTest, NothingUpgradedSaysSo) {
  Form->btnUpgrade2Click(Form->btnUpgrade2);  // no box checked
  EXPECT_EQ(TopMessage(), "No update any channel");
  EXPECT_TRUE(Link->SelectRequests.empty());

  // In demo mode the gate refuses every channel it is given.
  TSimChannelDevice& one = AttachChecked(1);
  Form->Demo1->SetChecked(true);
  Form->btnUpgrade2Click(Form->btnUpgrade2);
  EXPECT_EQ(TopMessage(), "No update any channel");
  EXPECT_EQ(Link->SelectRequests, std::vector<int>{1});
  EXPECT_TRUE(one.Image1.empty());
  EXPECT_EQ(one.Controller().InfoRequests, 0);
}

}  // namespace
