// The main window's life: the create handler's steps, the first activation,
// the destroy handler, and device notifications.

#include <cstring>

#include "app/LangCommon.h"
#include "app/frmInterface.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_compound.h"
#include "controls/zr_layouts.h"
#include "controls/zr_listbox.h"
#include "controls/zr_panels.h"
#include "controls/zr_text_box.h"
#include "platform/hid/DeviceNotifier.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/WebBrowser.h"
#include "scene/zr_resources.h"
#include "scene/zr_scene.h"

void TfrmInterface::DoCreate() {
  FCreating = true;
  try {
    TForm::DoCreate();
  } catch (...) {
    FCreating = false;
    SetLinkTimerEnabled(FLinkTimerWanted);
    throw;
  }
  FCreating = false;
  SetLinkTimerEnabled(FLinkTimerWanted);
}

void TfrmInterface::FormCreate(TObject*) {
  FUpgrading = false;
  FBootWait = false;
  // A missing or broken version file leaves both versions empty and is told
  // in the message area once the texts can be read; the window starts anyway.
  std::string versionError;
  try {
    GetXMLDBVersion();
  } catch (const Exception& e) {
    versionError = e.what();
  }
  web->Navigate(FilePathToUrl(ExtractProgramFolder() + "help/help.html"));
  // The language file is held in memory from here on, for the window's life.
  OpenLanguageFile();
  ControlsScene->SetStyle(SceneStyle);
  Panel2->SetCalloutLength(0);
  FFrameStart = 0x0A;
  FFrameEnd = 0x8A;
  FPendingFirmware = 0;
  FReadAttempts = 0;
  FStatusKey.clear();
  FBusy = false;
  FConnected = false;
  FPolling = false;
  FCheckUpdates = true;
  FConnectSwitch = true;
  FDisconnectSent = 0;
  FProgressForm = nullptr;
  FModel.clear();
  FHardware.clear();
  FFirmware.clear();
  FDeviceExtraId.clear();
  std::memset(FDeviceData, 0, sizeof FDeviceData);
  // The texts and options of the language file. The window starts whatever
  // fails there, with the texts applied up to the failure.
  try {
    ApplyLanguage();
  } catch (...) {
  }
  ListBox1->SetItemIndex(0);
  std::memset(FDeviceData, 0, 16);
  ListBoxItemClick(ListBoxItem1);
  // The firmware lists drop down while still empty; the window is not shown
  // yet, so a list left open would float over nothing: each closes again.
  for (TzrComboBox* list : {cbFirmware, scbFirmware}) {
    list->DropDown();
    if (TzrPopup* popup = list->GetPopup(); popup && popup->GetIsOpen()) popup->ClosePopup();
  }
  DATALINK1Click(this);
  if (!versionError.empty())
    ShowMessageText(LangText("version_file_fail") + " (" + versionError + ")", 0);
}

// Only the first activation does anything: the quiet update check while the
// language file asks for it, then the device list, the notifications and a
// look for an adapter already attached.
void TfrmInterface::FormActivate(TObject*) {
  // Cleared first: the check's dialog activates the window again when it closes.
  if (FCheckUpdates) {
    FCheckUpdates = false;
    Update1Click(this);
    DBUpdateClick(this);
  }
  if (FDeviceRecords) return;
  FDeviceRecords = std::make_unique<std::vector<hid::hid_device_info*>>();
  if (!FNotifyRegistered) RegisterDevice();
  HidCtlDeviceArrival();
}

void TfrmInterface::RegisterDevice() {
  FNotifyRegistered = true;
  if (!FDeviceNotifier) FDeviceNotifier = new hid::THidDeviceNotifier;
  const bool registered =
      FDeviceNotifier->Register([this](hid::TDeviceChange change, const std::string& path) {
        HidDeviceChanged(change, path);
      });
  if (!registered) MessageBox("注册USB设备通知失败", "错误", MB_OK | MB_ICONERROR);
}

std::string TfrmInterface::CalcBoxText(int number) const {
  if (number == 16) return UTF16ToUTF8(calcTextBox16->GetTextBox()->GetText());
  if (number == 17) return UTF16ToUTF8(calcTextBox17->GetTextBox()->GetText());
  const TzrCustomTextBox* box = number >= 1 && number <= 19 ? calcTextBox[number - 1] : nullptr;
  return box ? UTF16ToUTF8(box->GetText()) : std::string();
}

void TfrmInterface::FormDestroy(TObject*) {
  if (tabLayout[10] && tabLayout[10]->GetVisible()) ListBoxItemClick(ListBoxItem1);
  if (!FLangIni) return;
  FLangIni->WriteBool(LangCommonSection, "lang", Chinese1->GetChecked());
  for (int k = 1; k <= 19; ++k)
    FLangIni->WriteString(LangCommonSection, "cacl" + std::to_string(k), CalcBoxText(k));
  SaveLanguageFile();
  FLangIni.reset();
}

// The ini object writes no byte-order mark and saves through a temporary
// file renamed over the old one, so a failed save leaves the old file whole;
// the failure is told, since the settings of this session are then lost.
void TfrmInterface::SaveLanguageFile() {
  try {
    FLangIni->UpdateFile();
  } catch (const std::exception& e) {
    if (Application) Application->ShowException(e);
  }
}
