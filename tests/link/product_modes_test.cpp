// The device modes of the device menu and the connect switch, with the
// simulated controller behind the adapter on the virtual clock.

#include <gtest/gtest.h>

#include "app/LangCommon.h"
#include "app/frmInterface.h"
#include "controls/XwTimer.h"
#include "controls/zr_controls.h"
#include "controls/zr_layouts.h"
#include "controls/zr_listbox.h"
#include "controls/zr_objects.h"
#include "platform/vcl/Menus.h"
#include "tests/link/link_fixture.h"

namespace {

class ProductModesTest : public LinkFixture {
 protected:
  void Tick() { Form->Timer1Timer(Form.get()); }
  static std::string Text(const TzrTextControl* control) { return UTF16ToUTF8(control->GetText()); }
  bool LampOn() const { return Form->Circle1->GetFill()->GetColor() == "#FF00AA00"; }
};

struct TModeCase {
  void (TfrmInterface::*handler)(TObject*);
  TMenuItem* TfrmInterface::*item;
  uint8_t start, end;
};

const TModeCase kModes[] = {
    {&TfrmInterface::ESCSpeedController1Click, &TfrmInterface::ESCSpeedController1, 0xA5, 0x5A},
    {&TfrmInterface::MotorChecker1Click, &TfrmInterface::MotorChecker1, 0xA6, 0x6A},
    {&TfrmInterface::LCDProgramCard1Click, &TfrmInterface::LCDProgramCard1, 0xC3, 0x3C},
};

TEST_F(ProductModesTest, ChangeStartsOverInTheNewMode) {
  for (const TModeCase& c : kModes) {
    Form.reset();
    if (Device) Adapter.Unplug(*Device);
    Form = NewForm();
    TfrmInterface& f = *Form;
    f.DATALINK1Click(nullptr);
    TMenuItem* item = f.*c.item;
    SCOPED_TRACE(item->GetName());
    item->SetCaption("caption of " + item->GetName());
    PlugController();
    Controller->Start = c.start;
    Controller->End = c.end;
    Arrive();
    // A switch waits while an operation holds FBusy; a handshake may be running.
    f.FConnected = f.FPolling = true;
    f.FModel = "CAR_ESC";
    f.FHardware = "H";
    f.FFirmware = "F";
    f.FDeviceExtraId = "X";
    f.FPageDef.tab = 3;
    f.FPageDef.item = 7;
    for (int k = 0; k < 13; ++k) f.tabLayout[k]->SetVisible(k == 4);
    f.SetLinkTimerEnabled(false);

    (f.*c.handler)(nullptr);

    EXPECT_TRUE(item->GetChecked());
    EXPECT_FALSE(f.DATALINK1->GetChecked());
    EXPECT_EQ(Text(f.Label1), "caption of " + item->GetName());
    EXPECT_EQ(f.FFrameStart, c.start);
    EXPECT_EQ(f.FFrameEnd, c.end);
    EXPECT_TRUE(f.LinkTimerEnabled());
    EXPECT_TRUE(f.FReconnect);
    EXPECT_FALSE(f.FConnected || f.FBusy || f.FPolling);
    EXPECT_TRUE(f.FModel.empty() && f.FHardware.empty() && f.FFirmware.empty() &&
                f.FDeviceExtraId.empty());
    EXPECT_EQ(f.FPageDef.tab, 0);  // the empty page of a mode without a device
    EXPECT_EQ(f.FPageDef.item, 0);
    EXPECT_EQ(f.ListBox1->GetItemIndex(), 0);
    for (int k = 0; k < 13; ++k) EXPECT_EQ(f.tabLayout[k]->GetVisible(), k == 0) << k;
    EXPECT_TRUE(f.GroupBox2->GetVisible());
    EXPECT_TRUE(f.btnConnect->GetVisible());
    EXPECT_TRUE(f.Export1->GetEnabled() && f.Import1->GetEnabled() && f.Print1->GetEnabled());

    // The next tick handshakes with the new markers: the device answers only
    // frames that carry its own.
    Tick();
    EXPECT_GE(Controller->Handshakes, 1);
    EXPECT_TRUE(f.FConnected);
    EXPECT_TRUE(LampOn());
  }
}

TEST_F(ProductModesTest, ActiveModeMovesOnlyTheCheckMarkAndStopsAScan) {
  for (const TModeCase& c : kModes) {
    Form.reset();
    Form = NewForm();
    TfrmInterface& f = *Form;
    TMenuItem* item = f.*c.item;
    SCOPED_TRACE(item->GetName());
    (f.*c.handler)(nullptr);
    f.DATALINK2->SetChecked(true);  // the check mark stands elsewhere
    f.FScanMode = true;
    f.FConnected = true;
    f.FModel = "CAR_ESC";
    f.GroupBox2->SetVisible(false);
    f.ListBox1->SetItemIndex(3);
    const std::string label = Text(f.Label1);

    (f.*c.handler)(nullptr);

    EXPECT_TRUE(item->GetChecked());
    EXPECT_FALSE(f.DATALINK2->GetChecked());
    EXPECT_FALSE(f.FScanMode);
    EXPECT_TRUE(f.FConnected);
    EXPECT_EQ(f.FModel, "CAR_ESC");
    EXPECT_FALSE(f.GroupBox2->GetVisible());
    EXPECT_EQ(f.ListBox1->GetItemIndex(), 3);
    EXPECT_EQ(Text(f.Label1), label);
  }
}

TEST_F(ProductModesTest, DataLinkModeAfterADeviceModeHidesTheDeviceControls) {
  Form->LCDProgramCard1Click(nullptr);
  ASSERT_TRUE(Form->btnConnect->GetVisible());
  Form->DATALINK1Click(nullptr);
  EXPECT_EQ(Form->FFrameStart, 0xA8);
  EXPECT_FALSE(Form->GroupBox2->GetVisible());
  EXPECT_FALSE(Form->btnConnect->GetVisible());
  EXPECT_FALSE(Form->Export1->GetEnabled() || Form->Import1->GetEnabled() ||
               Form->Print1->GetEnabled());
  // A data-link mode chosen again starts over all the same.
  Form->FReconnect = false;
  Form->FModel = "VL_DATALINK";
  Form->DATALINK1Click(nullptr);
  EXPECT_TRUE(Form->FReconnect);
  EXPECT_TRUE(Form->FModel.empty());
}

TEST_F(ProductModesTest, MenuItemsRunTheirHandlers) {
  Form->LCDProgramCard1->Click();
  EXPECT_TRUE(Form->LCDProgramCard1->GetChecked());
  EXPECT_EQ(Form->FFrameStart, 0xC3);
  Form->ESCSpeedController1->Click();
  EXPECT_EQ(Form->FFrameStart, 0xA5);
  Form->btnConnect->Click();
  EXPECT_FALSE(Form->FConnectSwitch);
}

// ---------------------------------------------------------------- connect switch

using ConnectSwitchTest = ProductModesTest;

TEST_F(ConnectSwitchTest, TwoPressesRestoreTheSwitch) {
  for (const bool before : {false, true}) {
    SCOPED_TRACE(before);
    Form->FBusy = Form->FConnected = Form->FPolling = before;
    Form->FDisconnectSent = 3;
    Form->btnUpdate->SetEnabled(before);
    Form->btnDefault->SetEnabled(before);
    Form->btnConnectClick(nullptr);
    Form->btnConnectClick(Form.get());
    EXPECT_TRUE(Form->FConnectSwitch);
    EXPECT_EQ(Form->FDisconnectSent, 0);
    EXPECT_FALSE(Form->FBusy || Form->FConnected || Form->FPolling);
    EXPECT_TRUE(Form->btnUpdate->GetEnabled());
    EXPECT_TRUE(Form->btnDefault->GetEnabled());
  }
}

TEST_F(ConnectSwitchTest, PressWhileConnectedDarkensBeforeTheDisconnectGoesOut) {
  Form->ESCSpeedController1Click(nullptr);
  PlugController();
  Arrive();
  Tick();
  ASSERT_TRUE(Form->FConnected);
  ASSERT_TRUE(LampOn());
  Form->btnUpdate->SetEnabled(true);
  Form->btnDefault->SetEnabled(true);
  const int handshakes = Controller->Handshakes;

  Form->btnConnectClick(nullptr);
  EXPECT_FALSE(LampOn());
  EXPECT_EQ(Form->Circle1->GetFill()->GetColor(), "#FF004A00");
  EXPECT_FALSE(Form->btnUpdate->GetEnabled());
  EXPECT_FALSE(Form->btnDefault->GetEnabled());
  EXPECT_EQ(Controller->Disconnects, 0);

  Tick();
  Tick();
  Tick();
  EXPECT_EQ(Controller->Disconnects, 1);
  EXPECT_EQ(Controller->Handshakes, handshakes);

  Form->btnConnectClick(nullptr);
  Tick();
  EXPECT_GT(Controller->Handshakes, handshakes);
  EXPECT_TRUE(Form->FConnected);
  EXPECT_TRUE(LampOn());
}

TEST_F(ConnectSwitchTest, TextNamesTheNextPress) {
  // Without language texts the built-in ones; with them, the checked language's.
  Form->FLangIni.reset();
  Form->btnConnectClick(nullptr);
  EXPECT_EQ(Text(Form->btnConnect), "Connect");
  Form->btnConnectClick(nullptr);
  EXPECT_EQ(Text(Form->btnConnect), "DisConnect");
  Form->OpenLanguageFile();
  Form->FLangIni->WriteString(LangCommonSection, "chsConnect", "连接");
  Form->FLangIni->WriteString(LangCommonSection, "chsDisConnect", "断开");
  Form->Chinese1->SetChecked(true);
  Form->btnConnectClick(nullptr);
  EXPECT_EQ(Text(Form->btnConnect), "连接");
  Form->btnConnectClick(nullptr);
  EXPECT_EQ(Text(Form->btnConnect), "断开");
}

}  // namespace
