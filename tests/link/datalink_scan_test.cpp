// The channel scan: the link timer's poll marks the present channels, and
// stopping the scan selects the first of them so that the link connects to
// its device.

#include <gtest/gtest.h>

#include "app/frmInterface.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_controls.h"
#include "controls/zr_listbox.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/Menus.h"
#include "tests/link/datalink_fixture.h"

namespace {

class DataLinkScanTest : public DataLinkFixture {
 protected:
  std::vector<bool> Boxes(bool (TzrCheckBox::*state)() const) const {
    std::vector<bool> values;
    for (int k = 0; k < 8; ++k) values.push_back((Form->ChannelBox(k)->*state)());
    return values;
  }
};

TEST_F(DataLinkScanTest, PollMarksPresentChannelsFromStatusFrames) {
  TSimDataLink& link = ArriveInMode(&TfrmInterface::DATALINK2Click);
  link.Attach(2);
  link.Attach(5);
  link.Attach(7);
  link.HideChannel[6] = true;  // a device there, but the box reports it absent
  Form->cbChannel1->SetIsChecked(true);
  Form->btnUpgrade2->SetEnabled(true);

  Form->btnScanClick(Form->btnScan);
  EXPECT_TRUE(Form->FBusy);
  EXPECT_FALSE(Form->btnUpgrade2->GetEnabled());
  EXPECT_EQ(Text(Form->btnScan), "Stop");
  EXPECT_FALSE(Form->DATALINK1->GetEnabled());
  Tick();

  const std::vector<bool> present{false, true, false, false, true, false, false, false};
  EXPECT_EQ(Boxes(&TzrCheckBox::GetIsChecked), present);
  EXPECT_EQ(Boxes(&TzrCheckBox::GetEnabled), present);
  EXPECT_EQ(link.StatusRequests, 1);
  EXPECT_EQ(link.Box().Handshakes, 0);         // the poll replaces the handshake
  EXPECT_EQ(link.LastStatusRequest[0], 0xA8);  // the UART mode scans with the box's markers

  // A poll that goes unanswered leaves the boxes as they were.
  Device->SilentReads = 1;
  link.Attach(1);
  Tick();
  EXPECT_EQ(Boxes(&TzrCheckBox::GetIsChecked), present);
}

TEST_F(DataLinkScanTest, ScanAndChannelMarkersFollowTheMode) {
  const struct {
    void (TfrmInterface::*mode)(TObject*);
    uint8_t scanStart, scanEnd, flag, deviceStart, deviceEnd;
  } cases[] = {
      {&TfrmInterface::DATALINK2Click, 0xA8, 0x8A, 0, 0xA5, 0x5A},
      {&TfrmInterface::DATALINK3Click, 0xA6, 0x6A, 0, 0xA6, 0x6A},
      {&TfrmInterface::DATALINK4Click, 0xA6, 0x6A, 1, 0xA5, 0x5A},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(int(c.scanStart) * 1000 + c.flag);
    Form.reset();
    Form = NewForm();
    TSimDataLink& link = ArriveInMode(c.mode);
    TSimChannelDevice& device =
        link.Attach(3, "CAR_ESC", "VL46_SL01", "V1.0", c.deviceStart, c.deviceEnd);
    link.Attach(6, "CAR_ESC", "VL46_SL01", "V1.0", c.deviceStart, c.deviceEnd);
    Form->btnScanClick(Form->btnScan);
    EXPECT_EQ(Form->FFrameStart, c.scanStart);
    EXPECT_EQ(Form->FFrameEnd, c.scanEnd);
    Tick();
    ASSERT_EQ(link.LastStatusRequest.size(), 8u);
    EXPECT_EQ(link.LastStatusRequest[4], c.flag);

    Form->btnScanClick(Form->btnScan);
    EXPECT_FALSE(Form->FScanMode);
    EXPECT_EQ(link.SelectRequests, std::vector<int>{3});
    EXPECT_EQ(link.Selected, 3);
    EXPECT_EQ(Form->FFrameStart, c.deviceStart);
    EXPECT_EQ(Form->FFrameEnd, c.deviceEnd);
    EXPECT_EQ(device.Controller().Handshakes, 1);
    EXPECT_TRUE(Form->LinkTimerEnabled());
    EXPECT_TRUE(Form->FReconnect);
    EXPECT_FALSE(Form->FBusy);
    EXPECT_TRUE(Form->DATALINK1->GetEnabled());
    EXPECT_EQ(Text(Form->btnScan), "Scan");
    Device->Written.clear();
  }
}

TEST_F(DataLinkScanTest, NextTickConnectsToTheSelectedDevice) {
  TSimDataLink& link = ArriveInMode(&TfrmInterface::DATALINK2Click);
  link.Attach(4, "BOAT_ESC", "H7", "B2.0");
  Form->btnScanClick(Form->btnScan);
  Tick();
  Form->btnScanClick(Form->btnScan);
  Tick();
  EXPECT_TRUE(Form->FConnected);
  EXPECT_EQ(Form->FModel, "BOAT_ESC");
  EXPECT_EQ(Form->FHardware, "H7");
  EXPECT_EQ(link.Channel(4)->Controller().InfoRequests, 1);
}

// A scan leaves the markers of the channel's controller: the controller
// mode picked next is still a change of mode and shows its device controls.
TEST_F(DataLinkScanTest, ControllerModeAfterAScanStartsOver) {
  TSimDataLink& link = ArriveInMode(&TfrmInterface::DATALINK2Click);
  link.Attach(4, "BOAT_ESC", "H7", "B2.0");
  Form->btnScanClick(Form->btnScan);
  Tick();
  Form->btnScanClick(Form->btnScan);
  Tick();
  ASSERT_EQ(Form->FFrameStart, 0xA5);
  ASSERT_FALSE(Form->GroupBox2->GetVisible());
  Form->FReconnect = false;

  Form->ESCSpeedController1->Click();
  EXPECT_TRUE(Form->ESCSpeedController1->GetChecked());
  EXPECT_TRUE(Form->GroupBox2->GetVisible());
  EXPECT_TRUE(Form->btnConnect->GetVisible());
  EXPECT_TRUE(Form->Export1->GetEnabled() && Form->Import1->GetEnabled() &&
              Form->Print1->GetEnabled());
  EXPECT_TRUE(Form->FReconnect);
  EXPECT_TRUE(Form->FModel.empty());
  EXPECT_EQ(Text(Form->Label1), Form->ESCSpeedController1->GetCaption());
}

TEST_F(DataLinkScanTest, StoppingWithoutChannelsSelectsNothing) {
  TSimDataLink& link = ArriveInMode(&TfrmInterface::DATALINK3Click);
  Form->btnScanClick(Form->btnScan);
  Tick();
  Form->btnScanClick(Form->btnScan);
  EXPECT_TRUE(link.SelectRequests.empty());
  EXPECT_TRUE(Form->LinkTimerEnabled());
  EXPECT_TRUE(Form->FReconnect);
}

// The box keeps refusing the channel: the selection gives up after six
// attempts and the link goes back to the box instead of retrying for ever.
TEST_F(DataLinkScanTest, RefusedSelectionGivesUpAndReturnsToTheBox) {
  TSimDataLink& link = ArriveInMode(&TfrmInterface::DATALINK4Click);
  link.Attach(2);
  link.RefuseSelection[1] = -1;
  Form->btnScanClick(Form->btnScan);
  Tick();
  Form->btnScanClick(Form->btnScan);
  EXPECT_EQ(link.SelectRequests, std::vector<int>(6, 2));
  EXPECT_EQ(link.Selected, 0);
  EXPECT_EQ(Form->FFrameStart, 0xA8);
  EXPECT_EQ(Form->FFrameEnd, 0x8A);
  EXPECT_TRUE(Form->LinkTimerEnabled());
  EXPECT_TRUE(Form->FReconnect);
}

TEST_F(DataLinkScanTest, RefusalsWithinTheBoundStillSelect) {
  TSimDataLink& link = ArriveInMode(&TfrmInterface::DATALINK2Click);
  link.Attach(1);
  link.RefuseSelection[0] = 5;
  Form->btnScanClick(Form->btnScan);
  Tick();
  Form->btnScanClick(Form->btnScan);
  EXPECT_EQ(link.SelectRequests.size(), 6u);
  EXPECT_EQ(link.Selected, 1);
  EXPECT_EQ(Form->FFrameStart, 0xA5);
}

TEST_F(DataLinkScanTest, AdapterGoneEndsTheSelectionWithTheTimerOff) {
  TSimDataLink& link = ArriveInMode(&TfrmInterface::DATALINK2Click);
  link.Attach(2);
  Form->btnScanClick(Form->btnScan);
  Tick();
  Form->DevListBox->Clear();
  Form->FReconnect = false;
  Form->btnScanClick(Form->btnScan);
  EXPECT_TRUE(link.SelectRequests.empty());
  EXPECT_FALSE(Form->LinkTimerEnabled());
  EXPECT_FALSE(Form->FReconnect);
  EXPECT_TRUE(Form->DATALINK1->GetEnabled());
}

TEST_F(DataLinkScanTest, UpgradeButtonAfterScanFollowsTheFirmwareList) {
  for (bool entries : {false, true}) {
    Form.reset();
    Form = NewForm();
    TSimDataLink& link = ArriveInMode(&TfrmInterface::DATALINK2Click);
    link.Attach(1);
    if (entries) zrComboAddText(Form->scbFirmware, u"V2.0");
    Form->btnScanClick(Form->btnScan);
    Tick();
    Form->btnScanClick(Form->btnScan);
    EXPECT_EQ(Form->btnUpgrade2->GetEnabled(), entries);
  }
}

}  // namespace
