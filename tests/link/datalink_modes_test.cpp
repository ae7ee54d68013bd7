// The data-link modes: what switching to a mode sets, and the scan's lock on
// the menus.

#include <gtest/gtest.h>

#include "app/frmInterface.h"
#include "controls/XwTimer.h"
#include "controls/zr_controls.h"
#include "platform/vcl/Menus.h"
#include "tests/link/datalink_fixture.h"

namespace {

using DataLinkModesTest = DataLinkFixture;

TEST_F(DataLinkModesTest, SwitchingSetsMarkersAndDropsTheConnection) {
  const struct {
    void (TfrmInterface::*handler)(TObject*);
    TMenuItem* TfrmInterface::*item;
    bool timerOn;  // the link timer afterwards, when it was off before
    bool clearsBoxes;
  } cases[] = {
      {&TfrmInterface::DATALINK1Click, &TfrmInterface::DATALINK1, true, false},
      {&TfrmInterface::DATALINK2Click, &TfrmInterface::DATALINK2, true, true},
      {&TfrmInterface::DATALINK3Click, &TfrmInterface::DATALINK3, true, true},
      {&TfrmInterface::DATALINK4Click, &TfrmInterface::DATALINK4, true, true},
      {&TfrmInterface::DATALINK5Click, &TfrmInterface::DATALINK5, false, false},
  };
  for (const auto& c : cases) {
    Form.reset();
    Form = NewForm();
    TfrmInterface& f = *Form;
    TMenuItem* item = f.*c.item;
    SCOPED_TRACE(item->GetName());
    item->SetCaption("caption of " + item->GetName());
    f.ESCSpeedController1->SetChecked(true);
    f.FFrameStart = 0xA5;
    f.FFrameEnd = 0x5A;
    // A switch waits while an operation holds FBusy; a handshake may be running.
    f.FConnected = f.FPolling = true;
    f.FModel = "CAR_ESC";
    f.FHardware = "H";
    f.FFirmware = "F";
    f.FDeviceExtraId = "X";
    f.cbChannel4->SetIsChecked(true);
    f.cbChannel4->SetEnabled(true);
    f.SetLinkTimerEnabled(false);

    (f.*c.handler)(nullptr);

    EXPECT_TRUE(item->GetChecked());
    EXPECT_FALSE(f.ESCSpeedController1->GetChecked());
    EXPECT_EQ(Text(f.Label1), "caption of " + item->GetName());
    EXPECT_EQ(f.FFrameStart, 0xA8);
    EXPECT_EQ(f.FFrameEnd, 0x8A);
    EXPECT_EQ(f.LinkTimerEnabled(), c.timerOn);
    EXPECT_TRUE(f.FReconnect);
    EXPECT_FALSE(f.FConnected || f.FBusy || f.FPolling);
    EXPECT_TRUE(f.FModel.empty() && f.FHardware.empty() && f.FFirmware.empty() &&
                f.FDeviceExtraId.empty());
    EXPECT_FALSE(f.GroupBox2->GetVisible());
    EXPECT_FALSE(f.btnConnect->GetVisible());
    EXPECT_FALSE(f.Export1->GetEnabled() || f.Import1->GetEnabled() || f.Print1->GetEnabled());
    EXPECT_EQ(f.cbChannel4->GetIsChecked(), !c.clearsBoxes);
    EXPECT_EQ(f.cbChannel4->GetEnabled(), !c.clearsBoxes);
  }
}

TEST_F(DataLinkModesTest, TuningModeKeepsTheTimerAndReadiesTheTuningPage) {
  for (bool timerOn : {false, true}) {
    Form->SetLinkTimerEnabled(timerOn);
    Form->btnRead->SetEnabled(false);
    Form->btnWrite->SetEnabled(true);
    Form->rbChannel6->SetIsChecked(true);
    Form->DATALINK5Click(nullptr);
    EXPECT_EQ(Form->LinkTimerEnabled(), timerOn);
    EXPECT_TRUE(Form->btnRead->GetEnabled());
    EXPECT_FALSE(Form->btnWrite->GetEnabled());
    EXPECT_TRUE(Form->rbChannel1->GetIsChecked());
    EXPECT_FALSE(Form->rbChannel6->GetIsChecked());
  }
}

TEST_F(DataLinkModesTest, MenuItemClickRunsItsMode) {
  Form->DATALINK3->Click();
  EXPECT_TRUE(Form->DATALINK3->GetChecked());
  EXPECT_EQ(Form->FFrameStart, 0xA8);
}

TEST_F(DataLinkModesTest, ModeChangeDuringScanEndsTheScanFirst) {
  Form->DATALINK2Click(nullptr);
  Form->btnScanClick(nullptr);
  ASSERT_TRUE(Form->FScanMode);
  EXPECT_FALSE(Form->DATALINK3->GetEnabled());
  EXPECT_FALSE(Form->Chinese1->GetEnabled());
  EXPECT_FALSE(Form->gbChannel->GetEnabled());

  Form->DATALINK3Click(nullptr);
  EXPECT_FALSE(Form->FScanMode);
  EXPECT_TRUE(Form->DATALINK3->GetChecked());
  for (TMenuItem* item :
       {Form->English1, Form->Chinese1, Form->ESCSpeedController1, Form->MotorChecker1,
        Form->LCDProgramCard1, Form->DATALINK1, Form->DATALINK5})
    EXPECT_TRUE(item->GetEnabled()) << item->GetName();
  EXPECT_TRUE(Form->gbChannel->GetEnabled());
  EXPECT_EQ(Text(Form->btnScan), "Scan");
  EXPECT_EQ(Form->FFrameStart, 0xA8);
}

}  // namespace
