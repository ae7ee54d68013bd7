// The link timer's cycle: handshake, keep-alive, disconnect command, and the
// connection start with the identity read, the definition worker and the
// settings read.

#include <cstring>

#include "app/MyThread.h"
#include "app/frmInterface.h"
#include "controls/zr_buttons.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_controls.h"
#include "controls/zr_listbox.h"
#include "controls/zr_memo.h"
#include "controls/zr_objects.h"
#include "controls/zr_text_box.h"
#include "files/frmUpdate.h"
#include "link/CarHardware.h"
#include "link/LinkDebug.h"
#include "platform/rtl/Clock.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/Menus.h"

namespace {

constexpr const char* kLampOn = "#FF00AA00";
constexpr const char* kLampOff = "#FF004A00";
constexpr int kHandshakePasses = 20;
constexpr uint32_t kPassSpacing = 150;

bool Checked(const TMenuItem* item) { return item && item->GetChecked(); }

void WaitSince(uint32_t start, uint32_t ms) {
  while (GetTickCount() - start < ms) ProcessMessages();
}

bool ReadsSettings(const std::string& model, const std::string& hardware, bool controllerMode) {
  if (controllerMode && hardware != "0" && (model == "AIRPLANE_ESC" || model == "Ardent_V3"))
    return true;
  for (const char* key : {"Ardent_V4", "Ardent_HV_V4", "BOAT_ESC", "CAR_ESC", "MOTOR_CHECKER"})
    if (model == key) return true;
  return false;
}

}  // namespace

// An exception that escapes a cycle must not stop the link: it is reported in
// the message area, the cycle's flags are released and the timer keeps running.
void TfrmInterface::Timer1Timer(TObject*) {
  try {
    if (FScanMode) {
      if (SendCommand(17) && ReadReply(17) == 0)
        for (int k = 0; k < 8; ++k)
          if (TzrCheckBox* box = ChannelBox(k)) {
            box->SetIsChecked(FChannelPresent[k]);
            box->SetEnabled(FChannelPresent[k]);
          }
      return;
    }
    if (Checked(Demo1) || !DevListBox || DevListBox->Count() == 0) return;
    if (FBusy || FPolling || FUpgrading) return;
    if (FReconnect) {
      FReconnect = false;
      FConnected = false;
    }
    PollLink();
  } catch (const std::exception& e) {
    FBusy = false;
    FPolling = false;
    FLoadingSettings = false;
    SetEnabled(true);
    if (DevListBox && DevListBox->Count() > 0) SetLinkTimerEnabled(true);
    ShowMessageText(e.what(), 0);
  }
}

void TfrmInterface::PollLink() {
  FPolling = true;
  bool finished = false;
  if (Circle2) Circle2->GetFill()->SetColor(kLampOff);
  bool handshake = false;
  uint32_t passStart = 0;
  for (int passes = 0;;) {
    ProcessMessages();
    if (passes > 0) WaitSince(passStart, kPassSpacing);
    passStart = GetTickCount();
    if (!FConnectSwitch) {
      if (FDisconnectSent < 1) {
        if (!SendCommand(5)) break;
        ++FDisconnectSent;
      }
      break;
    }
    if (!SendCommand(0)) break;
    if (ReadReply(1) == 0) {
      handshake = true;
      break;
    }
    if (++passes < kHandshakePasses) continue;
    FConnected = false;
    if (Checked(DATALINK1) && FFrameStart == 0xA5) {
      FFrameStart = 0xA8;
      FFrameEnd = 0x8A;
    }
    ReleaseAdapter();
    FDevicePath = nullptr;
    HidCtlDeviceArrival();
    break;
  }
  if (handshake && !FConnected) finished = RunConnectionStart();
  if (!finished && !FConnected) ShowDisconnected();
  FBusy = false;
  FPolling = false;
}

bool TfrmInterface::RunConnectionStart() {
  FBusy = true;
  SetEnabled(false);
  SetLinkTimerEnabled(false);
  int mode = 0;
  if (Checked(DATALINK1)) mode = 1;
  if (IsDataLinkChecked(2, 4)) mode = 2;
  if (Checked(DATALINK5)) mode = 3;
  if (mode > 0) {
    LinkDebugText(mode == 1 ? "DATALINK" : mode == 2 ? "DATALINK OTHER" : "DATALINK SETTINGS");
    if (SendCommandArg(21, static_cast<uint8_t>(mode))) ReadReply(21);
  }
  if (!ReadDeviceInfo(true).empty()) {
    SetLinkTimerEnabled(true);
    SetEnabled(true);
    return false;
  }
  SetLinkTimerEnabled(true);
  SetParameterControlsEnabled(false);
  StartDefinitionWorker();
  SelectModelDatabase();
  LoadFirmwareList();
  FConnected = true;
  try {
    return RunConnectedStart();
  } catch (...) {
    // A page that was not built, or not filled with the device's values,
    // must not be written over the device: the connection goes, with the
    // write button, and the next tick starts it again.
    FConnected = false;
    FSettingsRead = false;
    FLoadingSettings = false;
    FreeProgressForm();
    ShowDisconnected();
    throw;
  }
}

bool TfrmInterface::RunConnectedStart() {
  if (Version1)
    for (int i = 0; i < Version1->Count(); ++i) Version1->Items(i)->SetEnabled(false);
  if (Circle1) Circle1->GetFill()->SetColor(kLampOn);
  std::memset(FParams, 0, sizeof(FParams));
  FLoadingSettings = true;
  if (!ReadsSettings(FModel, FHardware, Checked(ESCSpeedController1))) {
    WaitForDefinitions();
    BuildParameterPages();
  } else if (++FReadAttempts >= 3) {
    if (FReadAttempts == 3) {
      ShowMessageText(LangText("parameter_error", "Error to Read Parameter."), 1);
      WaitForDefinitions();
      BuildParameterPages();
    }
  } else {
    ShowSettingsProgress(IsLargeCarHardware(FHardware) ? 4832 : 240);
    if (!ReadSettings().empty()) {
      FConnected = false;
      FSettingsRead = false;
      SetParameterControlsEnabled(false);
      if (Circle1) Circle1->GetFill()->SetColor(kLampOn);
      FreeProgressForm();
      SetEnabled(true);
      FLoadingSettings = false;
      return false;
    }
    FReadAttempts = 0;
    FSettingsRead = true;
    LoadFirmwareList();
    WaitForDefinitions();
    BuildParameterPages();
    if (Circle1) Circle1->GetFill()->SetColor(kLampOn);
    FreeProgressForm();
  }
  if (Checked(DATALINK5)) SetLinkTimerEnabled(false);
  SetEnabled(true);
  FLoadingSettings = false;
  return true;
}

void TfrmInterface::ShowDisconnected() {
  if (Circle1) Circle1->GetFill()->SetColor(kLampOff);
  FStatusKey.clear();
  if (eMessage) eMessage->Lines()->Clear();
  if (zrmMessage) zrmMessage->Lines()->Clear();
  for (TzrControl* control : std::initializer_list<TzrControl*>{
           eController, eHardware, eFirmware, cbFirmware, btnUpdate, btnDefault, btnUpgrade,
           tbController, tbHardware, tbFirmware, scbFirmware, btnUpgrade2})
    if (control) control->SetEnabled(false);
  if (ListBox1 && ListBox1->GetItemIndex() > 0) {
    ListBox1->SetItemIndex(0);
    ListBoxItemClick(ListBoxItem1);
  }
  SetParameterControlsEnabled(false);
  // A database update waits for the device to be off the link.
  if (FUpdateForm && FUpdateForm->Showing()) FUpdateForm->btnInstall->SetEnabled(true);
}

// One worker per connection start. A previous worker is asked to stop and
// joined first, so that two workers never fill the page definition at once.
void TfrmInterface::StartDefinitionWorker() {
  if (FThread) {
    FThread->Terminate();
    FThread->WaitFor();
    delete FThread;
    FThread = nullptr;
  }
  FDefinitionsLoaded.store(false);
  FThread = new MyThread(false, this);
}

void TfrmInterface::FinishDefinitionWorker() {
  if (FThread && !FThread->Finished()) FThread->WaitFor();
}

void TfrmInterface::WaitForDefinitions() {
  while (!FDefinitionsLoaded.load()) ProcessMessages();
}
