// The product modes of the device menu: which kind of device the window
// serves. Every mode switch runs one outline; the controller, analyzer and
// card modes and the data-link modes differ only where the outline says.

#include <algorithm>
#include <vector>

#include "app/frmInterface.h"
#include "controls/zr_controls.h"
#include "controls/zr_listbox.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/Timers.h"

void TfrmInterface::ESCSpeedController1Click(TObject*) {
  SwitchProductMode(ESCSpeedController1, 0xA5, 0x5A, false);
}

void TfrmInterface::MotorChecker1Click(TObject*) {
  SwitchProductMode(MotorChecker1, 0xA6, 0x6A, false);
}

void TfrmInterface::LCDProgramCard1Click(TObject*) {
  SwitchProductMode(LCDProgramCard1, 0xC3, 0x3C, false);
}

bool TfrmInterface::SwitchProductMode(TMenuItem* item, uint8_t start, uint8_t end, bool dataLink) {
  if (FScanMode) btnScanClick(this);
  // Another operation owns the link (a settings read or write, a connection
  // start): the switch waits until it has ended.
  if (HoldWhileBusy(item)) return false;
  if (item) item->SetChecked(true);
  // Any mode pick ends demo mode: the page of the mode without a device
  // comes back and the link runs again.
  const bool leftDemo = LeaveDemoMode();
  // Choosing the active device mode again changes nothing more; a data-link
  // mode always starts over (its channel state is the mode's own).
  if (!dataLink && !leftDemo && item == FModeItem) return true;
  FModeItem = item;
  // A definition worker still reads the identity and fills the page
  // definition that this switch clears and reloads: let it end first.
  FinishDefinitionWorker();
  // The tuning mode leaves the link timer as it was: its connection start
  // ends with the timer off, and the tuning pages talk to the channel alone.
  if (item != DATALINK5 && !LinkTimerEnabled()) SetLinkTimerEnabled(true);
  if (Label1 && item) Label1->SetText(UTF8ToUTF16(item->GetCaption()));
  if (ListBox1) ListBox1->SetItemIndex(dataLink ? 2 : 0);
  ListBoxItemClick(ListBoxItem1);
  FFrameStart = start;
  FFrameEnd = end;
  if (GroupBox2) GroupBox2->SetVisible(!dataLink);
  // The next link tick drops the connection and handshakes in the new mode.
  FReconnect = true;
  FPolling = false;
  FConnected = false;
  FModel.clear();
  FHardware.clear();
  FFirmware.clear();
  FDeviceExtraId.clear();
  LoadModelDefinition("");
  BuildParameterPages();
  if (btnConnect) btnConnect->SetVisible(!dataLink);
  for (TMenuItem* menu : {Export1, Import1, Print1})
    if (menu) menu->SetEnabled(!dataLink);
  return true;
}

bool TfrmInterface::LeaveDemoMode() {
  if (!Demo1 || !Demo1->GetChecked()) return false;
  Demo1->SetChecked(false);
  if (Version1)
    for (int i = 2; i < Version1->Count(); ++i) Version1->Items(i)->SetChecked(false);
  FDemoItem = nullptr;
  return true;
}

bool TfrmInterface::HoldWhileBusy(TObject* Sender) {
  if (!FBusy) return false;
  if (auto* item = dynamic_cast<TMenuItem*>(Sender))
    if (std::find(FHeldClicks.begin(), FHeldClicks.end(), item) == FHeldClicks.end())
      FHeldClicks.push_back(item);
  if (HeldClickTimer) HeldClickTimer->SetEnabled(true);
  return true;
}

void TfrmInterface::HeldClickTimerTimer(TObject*) {
  if (FBusy) return;
  if (HeldClickTimer) HeldClickTimer->SetEnabled(false);
  const std::vector<TMenuItem*> held = std::move(FHeldClicks);
  FHeldClicks.clear();
  for (TMenuItem* item : held)
    if (item->OnClick) item->OnClick(item);
}
