// Finding adapters, the picker, arrival and removal.

#include <gtest/gtest.h>

#include "app/frmHid.h"
#include "app/frmInterface.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_controls.h"
#include "controls/zr_listbox.h"
#include "controls/zr_objects.h"
#include "platform/hid/DeviceNotifier.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/Timers.h"
#include "tests/link/link_fixture.h"

namespace {

class DiscoveryTest : public LinkFixture {
 protected:
  ~DiscoveryTest() override { TfrmHid::ModalHandler = nullptr; }
  // The picker picks this list position (-1: closes without a pick) and
  // remembers its lines.
  void PickerPicks(int position) {
    TfrmHid::ModalHandler = [this, position](TfrmHid& picker) {
      ++PickerShown;
      PickerLines.clear();
      for (int i = 0; i < picker.HidList->Count(); ++i)
        PickerLines.push_back(UTF16ToUTF8(picker.HidList->Item(i)));
      if (position >= 0) picker.HidList->SetItemIndex(position);
      picker.HidListDblClick(picker.HidList);
    };
  }
  int PickerShown = 0;
  std::vector<std::string> PickerLines;
};

TEST_F(DiscoveryTest, OneAdapterIsOpenedWithoutThePicker) {
  PickerPicks(0);
  Adapter.PlugOther();
  PlugController();
  Arrive();
  EXPECT_EQ(PickerShown, 0);
  EXPECT_EQ(Form->DevListBox->Count(), 1);
  ASSERT_NE(Form->FDevice, nullptr);
  EXPECT_EQ(std::string(Form->FDevicePath), Device->Path());
  EXPECT_EQ(Form->FReadLength, Device->InputReportLength);
  EXPECT_EQ(Form->FWriteLength, Device->OutputReportLength);
  EXPECT_EQ(Form->FProduct, u"USB HID Adapter");
  EXPECT_TRUE(Form->LinkTimerEnabled());
  EXPECT_EQ(Form->FFrameStart, 0xA5);
  EXPECT_EQ(Form->FFrameEnd, 0x5A);
}

TEST_F(DiscoveryTest, PickerForSeveralAdapters) {
  PickerPicks(1);
  PlugController();
  TSimDevice& first = *Device;
  auto second = std::make_unique<TSimController>("CAR_ESC", "H", "F");
  TSimDevice& other = Adapter.Plug(std::move(second), 0x0483, 0x5720, L"FS DATALINK Box");
  Arrive();
  EXPECT_EQ(PickerShown, 1);
  ASSERT_EQ(PickerLines.size(), 2u);
  EXPECT_EQ(PickerLines[0], "hidraw0    USB HID Adapter    LCD Program Box");
  EXPECT_EQ(PickerLines[1], "hidraw1    FS DATALINK Box    DATALINK");
  ASSERT_NE(Form->FDevicePath, nullptr);
  EXPECT_EQ(std::string(Form->FDevicePath), other.Path());
  EXPECT_NE(std::string(Form->FDevicePath), first.Path());
  EXPECT_NE(Form->FDevice, nullptr);
}

TEST_F(DiscoveryTest, PickerClosedWithoutAPickUsesNoAdapter) {
  PickerPicks(-1);
  PlugController();
  PlugController();
  Arrive();
  EXPECT_EQ(PickerShown, 1);
  EXPECT_EQ(Form->DevListBox->Count(), 0);
  EXPECT_EQ(Form->FDevice, nullptr);
  EXPECT_EQ(Form->FDevicePath, nullptr);
  Device->Written.clear();
  Form->Timer1Timer(nullptr);
  EXPECT_TRUE(Device->Written.empty());
}

TEST_F(DiscoveryTest, ThirteenthAdapterGetsNoSlot) {
  PickerPicks(11);
  for (int i = 0; i < 13; ++i) PlugController();
  Arrive();
  EXPECT_EQ(Form->DevListBox->Count(), 12);
  EXPECT_EQ(PickerLines.size(), 12u);
  EXPECT_EQ(std::string(Form->FDevicePath), "/dev/hidraw11");
  EXPECT_EQ(Form->FDeviceRecords->size(), 12u);
}

TEST_F(DiscoveryTest, MarkersFollowTheProductMode) {
  PlugController();
  const struct {
    TMenuItem* TfrmInterface::*item;
    uint8_t start, end;
  } cases[] = {{&TfrmInterface::MotorChecker1, 0xA5, 0x5A},
               {&TfrmInterface::LCDProgramCard1, 0xC3, 0x3C},
               {&TfrmInterface::DATALINK3, 0xA8, 0x8A},
               {&TfrmInterface::ESCSpeedController1, 0xA5, 0x5A}};
  for (const auto& c : cases) {
    (Form.get()->*c.item)->SetChecked(true);
    Form->FFrameStart = 0xA6;
    Arrive();
    EXPECT_EQ(Form->FFrameStart, c.start);
    EXPECT_EQ(Form->FFrameEnd, c.end);
  }
}

TEST_F(DiscoveryTest, NoAdapterShowsTheStartPage) {
  Adapter.PlugOther();
  (new TzrListBoxItem(Form.get()))->SetParent(Form->ListBox1);
  Form->ListBox1->SetItemIndex(1);
  ASSERT_EQ(Form->ListBox1->GetItemIndex(), 1);
  Form->FModel = "CAR_ESC";
  Form->FConnected = true;
  Form->SetEnabled(false);
  Arrive();
  EXPECT_FALSE(Form->LinkTimerEnabled());
  EXPECT_EQ(Form->ListBox1->GetItemIndex(), 0);
  EXPECT_TRUE(Form->FModel.empty());
  EXPECT_FALSE(Form->FConnected);
  EXPECT_TRUE(Form->GetEnabled());
  EXPECT_EQ(Form->FDevice, nullptr);
}

TEST_F(DiscoveryTest, AdapterThatCannotBeOpened) {
  PlugController();
  Form->FDeviceRecords = std::make_unique<std::vector<hid::hid_device_info*>>();
  Form->HidConnect();
  Adapter.Unplug(*Device);  // gone between enumeration and opening
  Form->OpenSelectedDevice();
  EXPECT_EQ(Form->FDevice, nullptr);
  EXPECT_EQ(Form->FReadLength, 0);
  EXPECT_EQ(Form->FWriteLength, 0);
  EXPECT_TRUE(Form->LinkTimerEnabled());
  Form->Timer1Timer(nullptr);  // every send fails; the window stays usable
  EXPECT_FALSE(Form->FPolling);
}

TEST_F(DiscoveryTest, RemovalOfAnotherDeviceKeepsTheAdapter) {
  PlugController();
  Arrive();
  TSimDevice& mouse = Adapter.PlugOther();
  Adapter.Unplug(mouse);
  Form->HidCtlDeviceRemove();
  EXPECT_EQ(Form->DevListBox->Count(), 1);
  EXPECT_NE(Form->FDevice, nullptr);
  EXPECT_TRUE(Form->LinkTimerEnabled());
}

TEST_F(DiscoveryTest, RemovalOfTheAdapter) {
  PlugController();
  Arrive();
  Adapter.Unplug(*Device);
  Form->HidCtlDeviceRemove();
  EXPECT_EQ(Form->DevListBox->Count(), 0);
  EXPECT_EQ(Form->FDevice, nullptr);
  EXPECT_FALSE(Form->LinkTimerEnabled());
}

TEST_F(DiscoveryTest, RemovalBeforeTheFirstActivationDoesNothing) {
  PlugController();
  Form->HidCtlDeviceRemove();
  EXPECT_EQ(Adapter.OpenCalls, 0);
  EXPECT_EQ(Form->DevListBox->Count(), 0);
}

TEST_F(DiscoveryTest, ResetLinkUiGivesTheDisconnectedState) {
  PlugController();
  Arrive();
  Form->FConnected = Form->FBusy = Form->FPolling = true;
  Form->FModel = "CAR_ESC";
  Form->Circle1->GetFill()->SetColor("#FF00AA00");
  Form->btnUpdate->SetEnabled(true);
  auto* demo = new TMenuItem(Form.get());
  Form->Version1->Add(demo);
  demo->SetEnabled(false);
  auto* page = new TzrStringComboBox(Form.get());
  page->SetName("cbItem0");
  Form->FPageDef.tab = Form->FPageDef.item = 1;  // a page whose group lists item 0
  Form->FPageDef.tabs[0].group = "0";
  Form->FPageDef.items[0].mode = imCombo;
  Form->ResetLinkUi();
  EXPECT_FALSE(Form->LinkTimerEnabled());
  EXPECT_FALSE(Form->FConnected || Form->FBusy || Form->FPolling);
  EXPECT_TRUE(Form->FModel.empty());
  EXPECT_EQ(Form->Circle1->GetFill()->GetColor(), "#FF004A00");
  EXPECT_FALSE(Form->btnUpdate->GetEnabled());
  EXPECT_TRUE(demo->GetEnabled());
  EXPECT_FALSE(page->GetEnabled());
  EXPECT_NE(Form->FDevice, nullptr);  // the handle stays
}

TEST_F(DiscoveryTest, ProbesOfAnOpenAdapter) {
  PlugController();
  Arrive();
  const int opens = Adapter.OpenCalls;
  EXPECT_TRUE(Form->HidCtlEnumerate());
  EXPECT_EQ(Controller->Handshakes, 5);  // all five probes run
  EXPECT_NE(Form->FDevice, nullptr);     // it answered: kept open
  // The last probe decides: an adapter that stops answering is let go and
  // the adapters are listed again.
  Controller->IgnoreHandshakes = 100;
  EXPECT_TRUE(Form->HidCtlEnumerate());
  EXPECT_EQ(Controller->Handshakes, 10);
  EXPECT_EQ(Form->FDevice, nullptr);
  EXPECT_EQ(Form->DevListBox->Count(), 1);  // listed afresh, no stale line
  EXPECT_EQ(std::string(Form->FDevicePath), Device->Path());
  EXPECT_EQ(Adapter.OpenCalls, opens);
}

TEST_F(DiscoveryTest, ArrivalWhileConnectedStartsOver) {
  PlugController();
  Arrive();
  Form->Timer1Timer(nullptr);
  ASSERT_TRUE(Form->FConnected);
  Adapter.PlugOther();
  Arrive();
  EXPECT_FALSE(Form->FConnected);
  EXPECT_TRUE(Form->FModel.empty());
  EXPECT_NE(Form->FDevice, nullptr);
  EXPECT_EQ(Form->DevListBox->Count(), 1);
  Form->Timer1Timer(nullptr);
  EXPECT_TRUE(Form->FConnected);
  EXPECT_EQ(Controller->InfoRequests, 2);
}

TEST_F(DiscoveryTest, ChangesOfOtherDevicesWaitForARunningOperation) {
  PlugController();
  Arrive();
  Form->Timer1Timer(nullptr);
  ASSERT_TRUE(Form->FConnected);
  const int opens = Adapter.OpenCalls;
  Form->FBusy = true;  // a transfer runs
  TSimDevice& mouse = Adapter.PlugOther();
  Form->HidDeviceChanged(hid::TDeviceChange::Arrival, mouse.Path());
  Adapter.Unplug(mouse);
  Form->HidDeviceChanged(hid::TDeviceChange::Removal, mouse.Path());
  Form->DeviceChangeTimerTimer(nullptr);  // still running: still held
  EXPECT_TRUE(Form->FConnected);
  EXPECT_EQ(Adapter.OpenCalls, opens);
  EXPECT_TRUE(Form->DeviceChangeTimer->GetEnabled());

  Form->FBusy = false;
  Form->DeviceChangeTimerTimer(nullptr);
  EXPECT_EQ(Adapter.OpenCalls, opens + 1);  // listed and opened afresh, once
  EXPECT_FALSE(Form->FConnected);
  EXPECT_FALSE(Form->DeviceChangeTimer->GetEnabled());

  // With nothing running, a change is handled at once.
  Form->HidDeviceChanged(hid::TDeviceChange::Arrival, "/dev/hidraw9");
  EXPECT_EQ(Adapter.OpenCalls, opens + 2);
  EXPECT_FALSE(Form->DeviceChangeTimer->GetEnabled());
}

TEST_F(DiscoveryTest, AdapterRemovalEndsARunningOperationAtOnce) {
  // A removal that names no path may have been the adapter's.
  for (const bool named : {true, false}) {
    SCOPED_TRACE(named ? "named" : "no path");
    Form.reset();
    Form = NewForm();
    PlugController();
    Arrive();
    Form->Timer1Timer(nullptr);
    ASSERT_TRUE(Form->FConnected);
    Form->FBusy = true;
    Adapter.Unplug(*Device);
    Form->HidDeviceChanged(hid::TDeviceChange::Removal, named ? Device->Path() : "");
    EXPECT_EQ(Form->FDevice, nullptr);
    EXPECT_FALSE(Form->FBusy || Form->FConnected);
    EXPECT_FALSE(Form->DeviceChangeTimer->GetEnabled());
  }
}

}  // namespace
