// The link timer's cycle: handshake, connection start, settings read,
// disconnect and the failure paths.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/MyThread.h"
#include "app/frmInfo.h"
#include "app/frmInterface.h"
#include "app/frmProgress.h"
#include "controls/XwTimer.h"
#include "controls/zr_buttons.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_controls.h"
#include "controls/zr_listbox.h"
#include "controls/zr_memo.h"
#include "controls/zr_objects.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/Menus.h"
#include "tests/link/link_fixture.h"

namespace {

class CycleTest : public LinkFixture {
 protected:
  void Plug(const char* model, const char* hardware) {
    PlugController(model, hardware);
    Arrive();
  }
  void Tick() { Form->Timer1Timer(Form.get()); }
  bool Lamp() const { return Form->Circle1->GetFill()->GetColor() == "#FF00AA00"; }
};

TEST_F(CycleTest, PlugInToSettingsByModelFamily) {
  const struct {
    const char* model;
    const char* hardware;
    bool controllerMode;
    bool reads;
    int settingsOffset;
  } cases[] = {
      {"CAR_ESC", "VL46_SL01", false, true, 176}, {"CAR_ESC", "VL45_BSD01", false, true, 48},
      {"Ardent_V4", "H1", false, true, 48},       {"BOAT_ESC", "H1", false, true, 176},
      {"MOTOR_CHECKER", "H1", false, true, 176},  {"AIRPLANE_ESC", "H1", true, true, 176},
      {"AIRPLANE_ESC", "H1", false, false, 176},  {"AIRPLANE_ESC", "0", true, false, 176},
      {"AIRPLANE_PID_V2", "H1", true, false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.model) + " " + c.hardware);
    Form.reset();
    Form = NewForm();
    (c.controllerMode ? Form->ESCSpeedController1 : Form->MotorChecker1)->SetChecked(true);
    Plug(c.model, c.hardware);
    Controller->Settings.assign(c.settingsOffset == 48 ? 900 : 240, 0);
    for (size_t i = 0; i < Controller->Settings.size(); ++i)
      Controller->Settings[i] = static_cast<uint8_t>(i + 3);
    Tick();
    EXPECT_TRUE(Form->FConnected);
    EXPECT_TRUE(Lamp());
    EXPECT_EQ(Form->FModel, c.model);
    EXPECT_EQ(Form->FSettingsOffset, c.settingsOffset);
    EXPECT_EQ(Controller->SettingsRequests, c.reads ? 1 : 0);
    EXPECT_EQ(Form->FSettingsRead, c.reads);
    if (c.reads)
      EXPECT_TRUE(
          std::equal(Controller->Settings.begin(), Controller->Settings.end(), Form->FParams));
    else
      EXPECT_EQ(Form->FParams[0], 0);
    EXPECT_TRUE(Form->FDefinitionsLoaded.load());
    EXPECT_TRUE(Form->GetEnabled());
    EXPECT_TRUE(Form->LinkTimerEnabled());
    EXPECT_FALSE(Form->FBusy || Form->FPolling || Form->FLoadingSettings);
    EXPECT_EQ(Form->FProgressForm, nullptr);
    // Connected: the next tick is a keep-alive handshake only.
    const int infoRequests = Controller->InfoRequests;
    Tick();
    EXPECT_EQ(Controller->InfoRequests, infoRequests);
    EXPECT_TRUE(Form->FConnected);
    Form.reset();
    Adapter.Unplug(*Device);
  }
}

TEST_F(CycleTest, ProgressOfTheSettingsRead) {
  const struct {
    const char* hardware;
    float maximum;
  } cases[] = {{"VL46_SD01", 4832}, {"VL46_SL01", 240}};
  for (const auto& c : cases) {
    Form.reset();
    Form = NewForm();
    Plug("CAR_ESC", c.hardware);
    float maximum = -1, value = -1;
    Controller->OnSettingsRequest = [&] {
      ASSERT_NE(Form->FProgressForm, nullptr);
      maximum = Form->FProgressForm->ProgressBar1->GetMax();
      value = Form->FProgressForm->ProgressBar1->GetValue();
      EXPECT_EQ(Form->FProgressForm->Label1->GetText(), u"处理中，请稍候...");
    };
    Tick();
    EXPECT_EQ(maximum, c.maximum) << c.hardware;
    EXPECT_EQ(value, 0) << c.hardware;
    EXPECT_TRUE(Form->FConnected);
    EXPECT_EQ(Form->FProgressForm, nullptr);
    Adapter.Unplug(*Device);
  }
}

TEST_F(CycleTest, ChangedSettingsReachTheDeviceByteForByte) {
  Plug("CAR_ESC", "VL45_BSD01");
  Controller->Settings.assign(900, 0x33);
  Tick();
  ASSERT_TRUE(Form->FConnected);
  for (int i = 48; i < 48 + 688; ++i) Form->FParams[i] = static_cast<uint8_t>(i ^ 0x5C);
  Form->FBusy = true;
  EXPECT_EQ(Form->WriteSettings(), "");
  Form->FBusy = false;
  EXPECT_EQ(Controller->LastWrite, std::vector<uint8_t>(Form->FParams + 48, Form->FParams + 736));
}

TEST_F(CycleTest, UnplugDuringTheSettingsReadResetsAndReEnumerates) {
  Plug("CAR_ESC", "VL46_SL01");
  Device->UnplugAfterReads = 6;  // handshake, information block, then a few chunks
  Tick();
  EXPECT_FALSE(Form->FConnected);
  EXPECT_FALSE(Lamp());
  EXPECT_EQ(Form->DevListBox->Count(), 0);
  EXPECT_EQ(Form->FDevice, nullptr);
  EXPECT_FALSE(Form->FBusy || Form->FPolling);
  EXPECT_TRUE(Form->GetEnabled());
  // Plugged in again: found on arrival, connected on the next tick.
  Plug("CAR_ESC", "VL46_SL01");
  Tick();
  EXPECT_TRUE(Form->FConnected);
  EXPECT_TRUE(Form->FSettingsRead);
}

TEST_F(CycleTest, TwentyUnansweredHandshakesDropTheLink) {
  Form->DATALINK1->SetChecked(true);
  Plug("CAR_ESC", "H1");
  Form->FFrameStart = 0xA5;  // the device behind a channel is selected
  Form->FFrameEnd = 0x5A;
  Controller->IgnoreHandshakes = 1000;
  const int opens = Adapter.OpenCalls;
  const int inits = Adapter.InitCalls;
  Tick();
  EXPECT_EQ(Controller->Handshakes, 20);
  EXPECT_FALSE(Form->FConnected);
  EXPECT_GT(Adapter.InitCalls, inits);
  EXPECT_EQ(Adapter.OpenCalls, opens + 1);  // enumerated and opened again
  EXPECT_NE(Form->FDevice, nullptr);
  EXPECT_EQ(Form->FFrameStart, 0xA8);  // the data link's own markers again
  EXPECT_FALSE(Form->FPolling);
}

TEST_F(CycleTest, DeviceThatNeverGivesItsIdentity) {
  Plug("CAR_ESC", "VL46_SL01");
  Controller->IgnoreInfo = true;
  for (int i = 0; i < 2; ++i) {
    Tick();
    EXPECT_FALSE(Form->FConnected);
    EXPECT_TRUE(Form->GetEnabled());
    EXPECT_TRUE(Form->LinkTimerEnabled());
    EXPECT_FALSE(Form->btnUpdate->GetEnabled());
  }
  EXPECT_EQ(Controller->InfoRequests, 20);  // ten passes per start
}

TEST_F(CycleTest, ThirdFailedSettingsReadGivesUpWithItsMessage) {
  Plug("CAR_ESC", "VL46_SL01");
  Controller->IgnoreSettings = true;
  Tick();
  Tick();
  EXPECT_FALSE(Form->FConnected);
  EXPECT_EQ(Form->FReadAttempts, 2);
  EXPECT_TRUE(InfoTexts.empty());
  const int requests = Controller->SettingsRequests;
  Tick();
  EXPECT_TRUE(Form->FConnected);
  EXPECT_EQ(Controller->SettingsRequests, requests);  // no read on the third start
  ASSERT_EQ(InfoTexts.size(), 1u);
  EXPECT_EQ(InfoTexts[0], "Error to Read Parameter.");
  EXPECT_TRUE(Form->eMessage->GetUnwrapLines().empty());  // information box only
  // A fourth start neither reads nor shows anything.
  Form->FReconnect = true;
  Tick();
  EXPECT_EQ(InfoTexts.size(), 1u);
  EXPECT_EQ(Controller->SettingsRequests, requests);
  EXPECT_EQ(Form->FReadAttempts, 4);
}

TEST_F(CycleTest, SwitchOffSendsOneDisconnect) {
  Plug("CAR_ESC", "VL46_SL01");
  Tick();
  ASSERT_TRUE(Form->FConnected);
  Form->FConnectSwitch = false;
  Form->FDisconnectSent = 0;
  Form->FConnected = false;
  Tick();
  Tick();
  EXPECT_EQ(Controller->Disconnects, 1);
  EXPECT_FALSE(Lamp());
  EXPECT_FALSE(Form->FConnected);
  Form->FConnectSwitch = true;
  Tick();
  EXPECT_TRUE(Form->FConnected);
}

TEST_F(CycleTest, DemoModeAndBusyLinkRunNoCycle) {
  Plug("CAR_ESC", "VL46_SL01");
  Form->Demo1->SetChecked(true);
  Tick();
  Form->Demo1->SetChecked(false);
  Form->FUpgrading = true;
  Tick();
  EXPECT_EQ(Controller->Handshakes, 0);
  EXPECT_TRUE(Device->Written.empty());
}

TEST_F(CycleTest, DataLinkModeFiveLeavesTheTimerOff) {
  Form->DATALINK5->SetChecked(true);
  Plug("VL_DATALINK_X", "H1");
  Controller->Start = 0xA8;
  Controller->End = 0x8A;
  Tick();
  EXPECT_TRUE(Form->FConnected);
  ASSERT_EQ(Controller->LastDataLinkMode.size(), 8u);
  EXPECT_EQ(Controller->LastDataLinkMode[4], 3);
  EXPECT_FALSE(Form->LinkTimerEnabled());
}

TEST_F(CycleTest, ReconnectFlagStartsANewConnection) {
  Plug("CAR_ESC", "VL46_SL01");
  Tick();
  ASSERT_TRUE(Form->FConnected);
  Form->FReconnect = true;
  Tick();
  EXPECT_FALSE(Form->FReconnect);
  EXPECT_EQ(Controller->InfoRequests, 2);
  EXPECT_TRUE(Form->FConnected);
}

TEST_F(CycleTest, ExceptionInATickIsReportedAndTheLinkGoesOn) {
  Plug("CAR_ESC", "VL46_SL01");
  Controller->IgnoreSettings = true;
  Form->FReadAttempts = 2;
  TfrmInfo::ModalHandler = [](TfrmInfo&) -> int { throw Exception("box failed"); };
  Tick();
  ASSERT_FALSE(Form->eMessage->GetUnwrapLines().empty());
  EXPECT_EQ(Form->eMessage->GetUnwrapLines()[0], u"box failed");
  EXPECT_FALSE(Form->FBusy || Form->FPolling || Form->FLoadingSettings);
  EXPECT_TRUE(Form->LinkTimerEnabled());
  EXPECT_TRUE(Form->GetEnabled());
  // The page was never filled from the device: the connection is dropped,
  // and a write sends nothing over the device.
  EXPECT_FALSE(Form->FConnected);
  EXPECT_FALSE(Form->btnUpdate->GetEnabled());
  EXPECT_FALSE(Lamp());
  TfrmInfo::ModalHandler = [this](TfrmInfo& box) {
    InfoTexts.push_back(UTF16ToUTF8(box.Label1->GetText()));
    return static_cast<int>(mrOk);
  };
  Form->btnUpdateClick(nullptr);
  EXPECT_TRUE(Controller->LastWrite.empty());
  EXPECT_TRUE(InfoTexts.empty());
  Tick();  // the link runs on
  EXPECT_TRUE(Form->FConnected);
}

// A link rule that cannot be read is left out and named; the page still
// shows the device's values, and a write sends them back unchanged.
TEST_F(CycleTest, UnreadableLinkRuleKeepsTheDevicesValues) {
  auto lang = std::make_unique<TMemIniFile>("");
  for (const auto& [key, value] :
       std::vector<std::pair<std::string, std::string>>{{"tab", "1"},
                                                        {"item", "2"},
                                                        {"max", "2"},
                                                        {"tab1_group", "0,1"},
                                                        {"item1_mode", "0"},
                                                        {"item1_evalue", "A|B|C|D"},
                                                        {"item1_link", "0,1,x,0"},
                                                        {"item2_mode", "0"},
                                                        {"item2_evalue", "A|B|C|D"}})
    lang->WriteString("BOAT_ESC", key, value);
  Form->FLangIni = std::move(lang);
  Plug("BOAT_ESC", "H1");
  Controller->Settings.assign(240, 0);
  Controller->Settings[1] = 2;  // items the device knows
  for (int n = 0; n < 2; ++n) {
    Controller->Settings[192 + n] = 2;  // current entry
    Controller->Settings[96 + n] = 3;   // last valid entry
  }
  const std::vector<uint8_t> device(Controller->Settings.begin() + 176,
                                    Controller->Settings.begin() + 240);
  Tick();
  ASSERT_TRUE(Form->FConnected);
  auto* combo = dynamic_cast<TzrStringComboBox*>(Form->FindComponent("cbItem0"));
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->GetItemIndex(), 2);
  std::string messages;
  for (const std::u16string& line : Form->eMessage->GetUnwrapLines())
    messages += UTF16ToUTF8(line) + "\n";
  EXPECT_NE(messages.find("\"0,1,x,0\""), std::string::npos) << messages;
  Form->btnUpdateClick(nullptr);
  EXPECT_EQ(Controller->LastWrite, device);
  EXPECT_EQ(InfoTexts, std::vector<std::string>{"setting_succ"});
}

TEST_F(CycleTest, NewConnectionStartsANewWorkerAfterTheOldOneEnded) {
  Plug("CAR_ESC", "VL46_SL01");
  Tick();
  ASSERT_NE(Form->FThread, nullptr);
  Form->FReconnect = true;
  Tick();
  ASSERT_NE(Form->FThread, nullptr);
  // The page was built only after the worker of this connection had ended.
  EXPECT_TRUE(Form->FDefinitionsLoaded.load());
  Form->FThread->WaitFor();
  EXPECT_TRUE(Form->FThread->Finished());
}

TEST_F(CycleTest, LinkTimerDrivesTheCycle) {
  Form.reset();
  Form = std::make_unique<TfrmInterface>(nullptr);
  EXPECT_EQ(Form->Timer1->GetInterval(), 100u);
  EXPECT_TRUE(Form->Timer1->HasOnTimer());
  EXPECT_FALSE(Form->Timer1->GetEnabled());
}

}  // namespace
