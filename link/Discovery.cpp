// Adapter discovery: enumerating the HID devices, listing the adapters,
// picking and opening one, and the reactions to device arrival and removal.

#include <memory>
#include <vector>

#include "app/frmHid.h"
#include "app/frmInterface.h"
#include "app/frmProgress.h"
#include "controls/zr_controls.h"
#include "controls/zr_listbox.h"
#include "controls/zr_memo.h"
#include "controls/zr_objects.h"
#include "link/LinkDebug.h"
#include "platform/hid/DeviceNotifier.h"
#include "platform/hid/HidApi.h"
#include "platform/rtl/Clock.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/Timers.h"
#include "scene/zr_ani.h"

using namespace hid;

namespace {

constexpr const char* kLampOff = "#FF004A00";

bool IsAdapter(const hid_device_info* record) {
  return (record->vendor_id == 0x10C4 && record->product_id == 0x82CD) ||
         (record->vendor_id == 0x0483 && record->product_id == 0x5720);
}

// An excerpt of the device path that tells two adapters apart (the node name
// of a hidraw path), four blanks and the product text.
std::u16string DisplayLine(const hid_device_info* record) {
  std::string path = record->path ? record->path : "";
  const size_t slash = path.rfind('/');
  if (slash != std::string::npos) path = path.substr(slash + 1);
  return UTF8ToUTF16(path) + u"    " + WideToUTF16(record->product_string);
}

}  // namespace

void TfrmInterface::WaitMs(uint32_t milliseconds) {
  const uint32_t start = GetTickCount();
  while (GetTickCount() - start < milliseconds) ProcessMessages();
}

void TfrmInterface::ReleaseAdapter() {
  if (FDevice) hid_close(FDevice);
  FDevice = nullptr;
  hid_exit();
  hid_init();
}

void TfrmInterface::ForgetAdapter() {
  ReleaseAdapter();
  FinishDefinitionWorker();
  FDevicePath = nullptr;
  // Clears the identity and the connection flags as well.
  ResetLinkUi();
}

void TfrmInterface::ResetLinkUi() {
  // The worker reads the identity: let it end before the identity goes.
  FinishDefinitionWorker();
  SetLinkTimerEnabled(false);
  if (eMessage) eMessage->Lines()->Clear();
  // A demo model's page stays as it is while demo mode lasts: FModel holds
  // its section name and its controls are the user's; the link starts once
  // demo mode ends.
  const bool demo = Demo1 && Demo1->GetChecked();
  if (!demo) FModel.clear();
  FHardware.clear();
  FFirmware.clear();
  FDeviceExtraId.clear();
  FPolling = false;
  FConnected = false;
  FBusy = false;
  for (TzrColorKeyAnimation* animation : {ColorKeyAnimation1, ColorKeyAnimation2})
    if (animation) animation->Stop();
  for (TzrCircle* lamp : {Circle1, Circle2})
    if (lamp) lamp->GetFill()->SetColor(kLampOff);
  for (TzrButton* button : {btnUpdate, btnDefault, btnUpgrade})
    if (button) button->SetEnabled(false);
  if (!demo) SetParameterControlsEnabled(false);
  if (Version1)
    for (int i = 0; i < Version1->Count(); ++i) Version1->Items(i)->SetEnabled(true);
}

void TfrmInterface::ShowStartPage(bool hideScanButton) {
  ListBoxItemClick(ListBoxItem1);
  LoadModelDefinition("");
  BuildParameterPages();
  if (FScanMode) {
    // The channel scan cannot go on without the adapter.
    btnScanClick(this);
    if (hideScanButton && btnScan) btnScan->SetVisible(false);
  }
  if (FFrameStart == 0xA6) {
    FFrameStart = 0xA8;
    FFrameEnd = 0x8A;
  }
  if (IsDataLinkChecked(2, 4))
    for (int i = 0; i < 8; ++i)
      if (TzrCheckBox* box = ChannelBox(i)) box->SetIsChecked(false);
}

void TfrmInterface::HidConnect() {
  // The slots point into the enumeration freed here: lines of an earlier
  // listing must not survive it.
  DevListBox->Clear();
  hid_free_enumeration(FEnumeration);
  FEnumeration = nullptr;
  FDevicePath = nullptr;
  FEnumeration = hid_enumerate(0, 0);
  for (hid_device_info* record = FEnumeration; record; record = record->next) {
    ProcessMessages();
    if (!IsAdapter(record) || DevListBox->Count() >= kMaxDeviceSlots) continue;
    const int n = DevListBox->Count();
    FSlotPath[n] = record->path;
    FSlotReadLength[n] = record->input_report_length;
    FSlotWriteLength[n] = record->output_report_length;
    FSlotProduct[n] = WideToUTF16(record->product_string);
    DevListBox->AddItem(DisplayLine(record));
    if (FDeviceRecords) FDeviceRecords->push_back(record);
  }
  int slot = 0;
  if (DevListBox->Count() > 1) {
    delete FHidForm;
    FHidForm = new TfrmHid(this, DevListBox);
    slot = FHidForm->ShowModal() - 1;
    // Closing the picker without a choice uses no adapter.
    if (slot < 0 || slot >= DevListBox->Count()) DevListBox->Clear();
  }
  if (DevListBox->Count() > 0) {
    FDevicePath = FSlotPath[slot];
    FProduct = FSlotProduct[slot];
    FReadLength = FSlotReadLength[slot];
    FWriteLength = FSlotWriteLength[slot];
    SetLinkTimerEnabled(true);
    return;
  }
  ForgetAdapter();
  ShowStartPage(false);
  SetEnabled(true);
}

bool TfrmInterface::HidCtlEnumerate() {
  if (!FDevice) {
    HidConnect();
    return true;
  }
  bool answered = false;
  for (int probe = 0; probe < 5; ++probe) answered = SendCommand(0) && ReadReply(1) == 0;
  if (!answered) {
    ReleaseAdapter();
    HidConnect();
  }
  return true;
}

void TfrmInterface::HidCtlDeviceArrival() {
  LinkDebugText("HID device arrival");
  FDeviceRecords = std::make_unique<std::vector<hid_device_info*>>();
  ResetLinkUi();
  DevListBox->Clear();
  HidCtlEnumerate();
  OpenSelectedDevice();
  if (IsDataLinkChecked(1, 5)) {
    FFrameStart = 0xA8;
    FFrameEnd = 0x8A;
  } else if (LCDProgramCard1 && LCDProgramCard1->GetChecked()) {
    FFrameStart = 0xC3;
    FFrameEnd = 0x3C;
  } else {
    FFrameStart = 0xA5;
    FFrameEnd = 0x5A;
  }
}

void TfrmInterface::HidCtlDeviceRemove() {
  LinkDebugText("HID device removal");
  if (!FDeviceRecords) return;
  DevListBox->Clear();
  HidCtlEnumerate();
  // The removed device may have been another one: an adapter still listed is
  // opened again, so that the link goes on with it.
  if (!FDevice && DevListBox->Count() > 0) OpenSelectedDevice();
}

bool TfrmInterface::LinkOperationRunning() const {
  return FBusy || FPolling || FUpgrading || FLoadingSettings;
}

// Only the open adapter's own removal may end a running operation. Any other
// change (a mouse plugged or pulled) waits until the operation is over: the
// arrival's handling resets the link and the removal's lists the adapters
// again, and either would cut a transfer short. A removal without a path
// cannot be told apart from the adapter's and is handled at once.
void TfrmInterface::HidDeviceChanged(TDeviceChange change, const std::string& path) {
  const bool adapterLeft =
      change == TDeviceChange::Removal && (path.empty() || (FDevicePath && path == FDevicePath));
  if (!adapterLeft && LinkOperationRunning()) {
    if (change == TDeviceChange::Arrival)
      FHeldArrival = true;
    else
      FHeldRemoval = true;
    if (DeviceChangeTimer) DeviceChangeTimer->SetEnabled(true);
    return;
  }
  if (change == TDeviceChange::Arrival)
    HidCtlDeviceArrival();
  else
    HidCtlDeviceRemove();
}

// Runs a held change once no operation runs. An arrival lists and opens the
// adapters afresh, which covers a removal held with it.
void TfrmInterface::DeviceChangeTimerTimer(TObject*) {
  if (LinkOperationRunning()) return;
  if (DeviceChangeTimer) DeviceChangeTimer->SetEnabled(false);
  const bool arrival = FHeldArrival, removal = FHeldRemoval;
  FHeldArrival = FHeldRemoval = false;
  if (arrival)
    HidCtlDeviceArrival();
  else if (removal)
    HidCtlDeviceRemove();
}

void TfrmInterface::OpenSelectedDevice() {
  if (FProgressForm && FPendingFirmware == 0) FreeProgressForm();
  if (FDevice) hid_close(FDevice);
  FDevice = nullptr;
  if (!FDeviceRecords || FDeviceRecords->empty()) return;
  ResetLinkUi();
  FDevice = hid_open_path(FDevicePath);
  if (!FDevice) {
    FReadLength = 0;
    FWriteLength = 0;
  }
  FReadAttempts = 0;
  SetLinkTimerEnabled(true);
}

void TfrmInterface::FreeProgressForm() {
  delete FProgressForm;
  FProgressForm = nullptr;
}
